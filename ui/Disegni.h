#pragma once
// The pictures drawn in code that depend on their text and size (the logo,
// the header band), and the painting helpers the other drawn pieces share.
#include <QFont>
#include <QPixmap>
#include <QRectF>
#include <QSize>
#include <QString>

class QPainter;

namespace Stile {

// The program's logo (rounded square with the monogram), any size.
QPixmap Logo(QSize dimensione, qreal dpr = 1.0);
// A header band: gradient background, logo, title and subtitle.
QPixmap Banner(QSize dimensione, const QString &titolo, const QString &sottotitolo, qreal dpr = 1.0);

// Draws the logo / banner with a painter (used by the functions above and by
// pictures that redraw themselves at their own size).
void DisegnaLogo(QPainter &p, const QRectF &r);
void DisegnaBanner(QPainter &p, const QRectF &r, const QString &titolo, const QString &sottotitolo);

// ------------------------------------------------------------ painting helpers

// Antialiased shapes, text and scaled pictures.
void Antialias(QPainter &p);
// Device pixels per logical unit of the painter's target.
qreal Scala(const QPainter &p);
// A transparent pixmap of `dimensione` logical units at `dpr`.
QPixmap NuovaPixmap(QSize dimensione, qreal dpr);
// The interface font at a pixel size and weight.
QFont FontPx(qreal px, int peso = QFont::Normal);
// The font shrunk until `testo` fits in `larghezza`.
QFont Adatta(QFont f, const QString &testo, qreal larghezza);
// Soft shadow under a rounded rectangle: `sfocatura` is its spread in
// logical units, `dy` how far it falls below, `alfa` its strength.
void Ombra(QPainter &p, const QRectF &r, qreal raggio, qreal sfocatura, qreal dy, int alfa);

} // namespace Stile
