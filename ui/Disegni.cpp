#include "ui/Disegni.h"

#include "ui/Stile.h"

#include <QFontMetricsF>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

#include <vector>

namespace {

// Three passes of a box blur on an alpha mask: close to a Gaussian blur.
void Sfoca(QImage &maschera, int raggio)
{
    if (raggio < 1) return;
    const int w = maschera.width(), h = maschera.height();
    std::vector<int> riga(qMax(w, h));
    const auto passo = [&](bool orizzontale) {
        const int n = orizzontale ? w : h;
        const int linee = orizzontale ? h : w;
        for (int l = 0; l < linee; ++l) {
            const auto pixel = [&](int i) -> uchar & {
                return orizzontale ? maschera.scanLine(l)[i] : maschera.scanLine(i)[l];
            };
            for (int i = 0; i < n; ++i) riga[i] = pixel(i);
            int somma = 0;
            for (int i = -raggio; i <= raggio; ++i) somma += riga[qBound(0, i, n - 1)];
            for (int i = 0; i < n; ++i) {
                pixel(i) = uchar(somma / (2 * raggio + 1));
                somma += riga[qMin(i + raggio + 1, n - 1)] - riga[qMax(i - raggio, 0)];
            }
        }
    };
    for (int k = 0; k < 3; ++k) {
        passo(true);
        passo(false);
    }
}

} // namespace

namespace Stile {

// ================================================================= helpers

void Antialias(QPainter &p)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
}

// Device pixels per logical unit of the painter's target.
qreal Scala(const QPainter &p)
{
    const QTransform t = p.deviceTransform();
    return qMax(qSqrt(t.m11() * t.m11() + t.m12() * t.m12()), 0.01);
}

QPixmap NuovaPixmap(QSize dimensione, qreal dpr)
{
    QPixmap pm(QSize(qMax(1, qRound(dimensione.width() * dpr)), qMax(1, qRound(dimensione.height() * dpr))));
    pm.setDevicePixelRatio(dpr);
    pm.fill(Qt::transparent);
    return pm;
}

QFont FontPx(qreal px, int peso)
{
    QFont f(FamigliaInterfaccia());
    f.setPixelSize(qMax(1, qRound(px)));
    f.setWeight(static_cast<QFont::Weight>(peso));
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

QFont Adatta(QFont f, const QString &testo, qreal larghezza)
{
    while (f.pixelSize() > 7 && QFontMetricsF(f).horizontalAdvance(testo) > larghezza)
        f.setPixelSize(f.pixelSize() - 1);
    return f;
}

void Ombra(QPainter &p, const QRectF &r, qreal raggio, qreal sfocatura, qreal dy, int alfa)
{
    const qreal s = Scala(p);
    const int margine = qCeil(sfocatura * s) + 2;
    const QSize px(qCeil(r.width() * s) + 2 * margine, qCeil(r.height() * s) + 2 * margine);
    if (px.isEmpty()) return;
    QImage maschera(px, QImage::Format_Alpha8);
    maschera.fill(0);
    {
        QPainter q(&maschera);
        q.setRenderHint(QPainter::Antialiasing);
        q.setPen(Qt::NoPen);
        q.setBrush(QColor(0, 0, 0, 255));
        q.drawRoundedRect(QRectF(margine, margine, r.width() * s, r.height() * s), raggio * s, raggio * s);
    }
    Sfoca(maschera, qMax(1, qRound(sfocatura * s / 2.2)));
    QImage ombra(px, QImage::Format_ARGB32_Premultiplied);
    ombra.fill(QColor(16, 42, 67, qBound(0, alfa, 255)));
    {
        QPainter q(&ombra);
        q.setCompositionMode(QPainter::CompositionMode_DestinationIn);
        q.drawImage(0, 0, maschera);
    }
    p.drawImage(QRectF(r.left() - margine / s, r.top() - margine / s + dy, px.width() / s, px.height() / s), ombra);
}

// ======================================================== logo and banner

void DisegnaLogo(QPainter &p, const QRectF &area)
{
    const qreal lato = qMin(area.width(), area.height());
    const QRectF r(area.center().x() - lato / 2, area.center().y() - lato / 2, lato, lato);
    p.save();
    Antialias(p);
    p.translate(r.topLeft());
    p.scale(lato / 100.0, lato / 100.0);
    QLinearGradient g(QPointF(0, 0), QPointF(100, 100));
    g.setColorAt(0, QColor(0x17, 0xA3, 0x9E));
    g.setColorAt(1, QColor(0x1B, 0x4F, 0x9C));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRoundedRect(QRectF(0, 0, 100, 100), 24, 24);
    QLinearGradient luce(QPointF(0, 0), QPointF(0, 55));
    luce.setColorAt(0, QColor(255, 255, 255, 50));
    luce.setColorAt(1, QColor(255, 255, 255, 0));
    p.setBrush(luce);
    p.drawRoundedRect(QRectF(0, 0, 100, 100), 24, 24);
    // the monogram: a P drawn in one stroke
    QPainterPath pi;
    pi.moveTo(35, 80);
    pi.lineTo(35, 22);
    pi.lineTo(53, 22);
    pi.arcTo(QRectF(37, 22, 34, 34), 90, -180);
    pi.lineTo(35, 56);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::white, 11, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(pi);
    // a leaf: the meadow of the name
    QPainterPath foglia;
    foglia.moveTo(54, 84);
    foglia.cubicTo(54, 68, 66, 60, 84, 60);
    foglia.cubicTo(84, 76, 72, 84, 54, 84);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xA6, 0xE8, 0x9A));
    p.drawPath(foglia);
    p.setPen(QPen(QColor(0x1B, 0x6F, 0x5A), 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(58, 80), QPointF(76, 66));
    p.restore();
}

QPixmap Logo(QSize dimensione, qreal dpr)
{
    QPixmap pm = NuovaPixmap(dimensione, dpr);
    QPainter p(&pm);
    DisegnaLogo(p, QRectF(QPointF(0, 0), dimensione));
    return pm;
}

void DisegnaBanner(QPainter &p, const QRectF &r, const QString &titolo, const QString &sottotitolo)
{
    p.save();
    Antialias(p);
    QLinearGradient g(r.topLeft(), r.topRight());
    g.setColorAt(0, QColor(Colore::Notte));
    g.setColorAt(0.55, QColor(Colore::PrimarioScuro));
    g.setColorAt(1, QColor(0x0E, 0x6E, 0x7A));
    p.fillRect(r, g);
    // quiet decoration: large translucent rings on the right
    p.setClipRect(r);
    p.setBrush(Qt::NoBrush);
    const qreal h = r.height();
    for (int i = 0; i < 3; ++i) {
        p.setPen(QPen(QColor(255, 255, 255, 16 + i * 6), h * 0.05));
        const qreal raggio = h * (0.55 + i * 0.38);
        p.drawEllipse(QPointF(r.right() - h * 0.6, r.top() + h * 0.15), raggio, raggio);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 14));
    p.drawEllipse(QPointF(r.right() - h * 1.9, r.bottom() + h * 0.2), h * 0.55, h * 0.55);
    p.setClipping(false);

    const qreal lato = h * 0.6;
    const qreal margine = (h - lato) / 2;
    const QRectF logo(r.left() + margine * 1.3, r.top() + margine, lato, lato);
    // a soft glow behind the logo
    Ombra(p, logo, lato * 0.24, qMax(2, qRound(h * 0.06)), h * 0.02, 90);
    DisegnaLogo(p, logo);

    const qreal x = logo.right() + margine * 0.9;
    const qreal larghezza = r.right() - x - margine;
    QFont ft = FontPx(h * 0.3, QFont::Bold);
    ft.setLetterSpacing(QFont::PercentageSpacing, 102);
    ft = Adatta(ft, titolo, larghezza);
    QFont fs = Adatta(FontPx(h * 0.135), sottotitolo, larghezza);
    const QFontMetricsF mt(ft), ms(fs);
    const qreal alto = mt.height() + (sottotitolo.isEmpty() ? 0 : ms.height() + h * 0.02);
    qreal y = r.top() + (h - alto) / 2;
    p.setFont(ft);
    p.setPen(Qt::white);
    p.drawText(QPointF(x, y + mt.ascent()), titolo);
    y += mt.height() + h * 0.02;
    if (!sottotitolo.isEmpty()) {
        p.setFont(fs);
        p.setPen(QColor(0xD6, 0xE6, 0xF5));
        p.drawText(QPointF(x + 1, y + ms.ascent()), sottotitolo);
    }
    p.restore();
}

QPixmap Banner(QSize dimensione, const QString &titolo, const QString &sottotitolo, qreal dpr)
{
    QPixmap pm = NuovaPixmap(dimensione, dpr);
    QPainter p(&pm);
    DisegnaBanner(p, QRectF(QPointF(0, 0), dimensione), titolo, sottotitolo);
    return pm;
}

} // namespace Stile
