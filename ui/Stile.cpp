#include "ui/Stile.h"

#include <QApplication>
#include <QEnterEvent>
#include <QEvent>
#include <QFont>
#include <QFontMetricsF>
#include <QHBoxLayout>
#include <QIcon>
#include <QImage>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QPointer>
#include <QPushButton>
#include <QRadialGradient>
#include <QScreen>
#include <QStyle>
#include <QStyleFactory>
#include <QtMath>

#include <vector>

namespace {

// Sans-serif font of the pictures and of the interface.
const QString FontInterfaccia = QStringLiteral("Segoe UI");

QFont FontPx(qreal px, int peso = QFont::Normal)
{
    QFont f(FontInterfaccia);
    f.setPixelSize(qMax(1, qRound(px)));
    f.setWeight(static_cast<QFont::Weight>(peso));
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

QColor Mescola(const QColor &a, const QColor &b, qreal t)
{
    return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * t, a.greenF() + (b.greenF() - a.greenF()) * t,
                            a.blueF() + (b.blueF() - a.blueF()) * t, a.alphaF() + (b.alphaF() - a.alphaF()) * t);
}

const QColor Grigio(0xA9, 0xB4, 0xC0);

// ---------------------------------------------------------------- symbols
// Each symbol is drawn in a 100 x 100 box on a transparent layer of its own,
// so that gaps between its parts can be cut out (CompositionMode_Clear).

QPen Tratto(const QColor &c, qreal w)
{
    return QPen(c, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void Taglia(QPainter &p)
{
    p.setCompositionMode(QPainter::CompositionMode_Clear);
}

void Riempi(QPainter &p)
{
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

QPainterPath Persona(QPointF testa, qreal r, const QRectF &busto, qreal tagliaY)
{
    QPainterPath corpo;
    corpo.addEllipse(busto);
    QPainterPath limite;
    limite.addRect(QRectF(busto.left() - 1, busto.top() - 1, busto.width() + 2, tagliaY - busto.top() + 1));
    QPainterPath p = corpo.intersected(limite);
    p.addEllipse(testa, r, r);
    return p;
}

void SimboloClienti(QPainter &p, const QColor &c)
{
    const QPainterPath dietro = Persona({65, 33}, 13, QRectF(43, 53, 46, 46), 80);
    const QPainterPath davanti = Persona({38, 40}, 16, QRectF(10, 62, 56, 56), 88);
    QColor tenue = c;
    tenue.setAlphaF(c.alphaF() * 0.6);
    p.fillPath(dietro, tenue);
    Taglia(p);
    p.strokePath(davanti, QPen(Qt::black, 9));
    Riempi(p);
    p.fillPath(davanti, c);
}

void SimboloChiamate(QPainter &p, const QColor &c)
{
    // A handset: the grip curves along the lower left, the earpiece sits at
    // the top left and the mouthpiece at the bottom right, both turned in.
    p.save();
    p.translate(-2, 3);
    QPainterPath presa;
    presa.arcMoveTo(QRectF(24, -16, 92, 92), 168);
    presa.arcTo(QRectF(24, -16, 92, 92), 168, 114);
    p.strokePath(presa, QPen(c, 17, Qt::SolidLine, Qt::FlatCap));
    QPainterPath cornetti;
    cornetti.addRoundedRect(QRectF(15, 10, 33, 23), 9, 9);
    cornetti.addRoundedRect(QRectF(67, 52, 23, 33), 9, 9);
    p.fillPath(cornetti, c);
    p.restore();
}

void SimboloAgenda(QPainter &p, const QColor &c)
{
    const QRectF foglio(14, 20, 72, 66);
    QPainterPath bordo;
    bordo.addRoundedRect(foglio, 10, 10);
    QPainterPath testa;
    testa.addRect(QRectF(10, 16, 80, 26));
    p.fillPath(bordo.intersected(testa), c);
    p.strokePath(bordo, QPen(c, 7));
    Taglia(p);
    p.setPen(Tratto(Qt::black, 13));
    p.drawLine(QPointF(34, 12), QPointF(34, 26));
    p.drawLine(QPointF(66, 12), QPointF(66, 26));
    Riempi(p);
    p.setPen(Tratto(c, 7));
    p.drawLine(QPointF(34, 11), QPointF(34, 26));
    p.drawLine(QPointF(66, 11), QPointF(66, 26));
    p.setPen(Qt::NoPen);
    for (int riga = 0; riga < 2; ++riga)
        for (int col = 0; col < 3; ++col) {
            QColor q = c;
            if (!(riga == 1 && col == 1)) q.setAlphaF(c.alphaF() * 0.55);
            p.setBrush(q);
            p.drawRoundedRect(QRectF(25 + col * 19, 50 + riga * 16, 12, 10), 2.5, 2.5);
        }
}

void SimboloIncassi(QPainter &p, const QColor &c)
{
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawRoundedRect(QRectF(12, 62, 15, 26), 3, 3);
    p.drawRoundedRect(QRectF(33, 48, 15, 40), 3, 3);
    p.drawRoundedRect(QRectF(54, 56, 15, 32), 3, 3);
    const QPointF centro(70, 31);
    Taglia(p);
    p.setBrush(Qt::black);
    p.drawEllipse(centro, 26, 26);
    Riempi(p);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(c, 6));
    p.drawEllipse(centro, 19, 19);
    QFont f = FontPx(26, QFont::Bold);
    QPainterPath euro;
    euro.addText(0, 0, f, QString(QChar(0x20AC)));
    const QRectF b = euro.boundingRect();
    euro.translate(centro - b.center());
    p.fillPath(euro, c);
}

void SimboloInfo(QPainter &p, const QColor &c)
{
    p.setPen(QPen(c, 7));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(50, 50), 38, 38);
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawEllipse(QPointF(50, 30), 6.5, 6.5);
    p.drawRoundedRect(QRectF(44, 43, 12, 32), 4, 4);
}

void SimboloGuida(QPainter &p, const QColor &c)
{
    QPainterPath sinistra;
    sinistra.moveTo(50, 28);
    sinistra.cubicTo(40, 19, 24, 18, 10, 22);
    sinistra.lineTo(10, 78);
    sinistra.cubicTo(24, 74, 40, 75, 50, 84);
    sinistra.closeSubpath();
    QTransform specchio;
    specchio.translate(100, 0);
    specchio.scale(-1, 1);
    const QPainterPath destra = specchio.map(sinistra);
    p.fillPath(sinistra, c);
    QColor tenue = c;
    tenue.setAlphaF(c.alphaF() * 0.8);
    p.fillPath(destra, tenue);
    Taglia(p);
    p.setPen(Tratto(Qt::black, 5));
    p.drawLine(QPointF(50, 26), QPointF(50, 86));
    p.setPen(Tratto(Qt::black, 4));
    for (int i = 0; i < 3; ++i) {
        const qreal y = 38 + i * 12;
        p.drawLine(QPointF(19, y - 1), QPointF(41, y + 2));
        p.drawLine(QPointF(59, y + 2), QPointF(81, y - 1));
    }
    Riempi(p);
}

void SimboloCrediti(QPainter &p, const QColor &c)
{
    QPainterPath stella;
    for (int i = 0; i < 10; ++i) {
        const qreal r = (i % 2 == 0) ? 42 : 18;
        const qreal a = qDegreesToRadians(-90.0 + i * 36.0);
        const QPointF pt(50 + r * qCos(a), 54 + r * qSin(a));
        if (i == 0)
            stella.moveTo(pt);
        else
            stella.lineTo(pt);
    }
    stella.closeSubpath();
    p.setPen(QPen(c, 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(c);
    p.drawPath(stella);
}

void SimboloWeb(QPainter &p, const QColor &c)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(c, 6));
    p.drawEllipse(QPointF(50, 50), 38, 38);
    p.drawEllipse(QRectF(31, 12, 38, 76));
    p.drawLine(QPointF(50, 12), QPointF(50, 88));
    p.drawLine(QPointF(12, 50), QPointF(88, 50));
    QPainterPath cerchio;
    cerchio.addEllipse(QPointF(50, 50), 38, 38);
    p.setClipPath(cerchio);
    p.setPen(QPen(c, 5));
    QPainterPath paralleli;
    paralleli.moveTo(14, 32);
    paralleli.quadTo(50, 24, 86, 32);
    paralleli.moveTo(14, 68);
    paralleli.quadTo(50, 76, 86, 68);
    p.drawPath(paralleli);
    p.setClipping(false);
}

void SimboloEsci(QPainter &p, const QColor &c)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(Tratto(c, 8));
    p.drawArc(QRectF(18, 20, 64, 64), 125 * 16, 290 * 16);
    p.drawLine(QPointF(50, 12), QPointF(50, 48));
}

void SimboloEmail(QPainter &p, const QColor &c)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(Tratto(c, 7));
    p.drawRoundedRect(QRectF(12, 24, 76, 54), 8, 8);
    QPainterPath busta;
    busta.moveTo(16, 30);
    busta.lineTo(50, 56);
    busta.lineTo(84, 30);
    p.drawPath(busta);
}

void SimboloPdf(QPainter &p, const QColor &c)
{
    QPainterPath foglio;
    foglio.moveTo(22, 8);
    foglio.lineTo(60, 8);
    foglio.lineTo(80, 28);
    foglio.lineTo(80, 92);
    foglio.lineTo(22, 92);
    foglio.closeSubpath();
    p.setBrush(Qt::NoBrush);
    p.setPen(Tratto(c, 6));
    p.drawPath(foglio);
    QPainterPath piega;
    piega.moveTo(60, 8);
    piega.lineTo(60, 28);
    piega.lineTo(80, 28);
    p.drawPath(piega);
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawRoundedRect(QRectF(8, 48, 66, 30), 5, 5);
    Taglia(p);
    QPainterPath testo;
    testo.addText(0, 0, FontPx(24, QFont::Black), QStringLiteral("PDF"));
    const QRectF b = testo.boundingRect();
    testo.translate(QPointF(41, 63) - b.center());
    p.fillPath(testo, Qt::black);
    Riempi(p);
}

void SimboloLucchetto(QPainter &p, const QColor &c)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(c, 9, Qt::SolidLine, Qt::FlatCap));
    QPainterPath arco;
    arco.moveTo(32, 48);
    arco.lineTo(32, 34);
    arco.arcTo(QRectF(32, 14, 36, 40), 180, -180);
    arco.lineTo(68, 48);
    p.drawPath(arco);
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawRoundedRect(QRectF(20, 44, 60, 44), 9, 9);
    Taglia(p);
    p.setBrush(Qt::black);
    p.drawEllipse(QPointF(50, 62), 7, 7);
    p.drawRoundedRect(QRectF(46.5, 62, 7, 15), 2, 2);
    Riempi(p);
}

// A sheet with its top right corner folded, inside r.
void Foglio(QPainter &p, const QColor &c, const QRectF &r, qreal piega, qreal spessore)
{
    QPainterPath foglio;
    foglio.moveTo(r.left(), r.top());
    foglio.lineTo(r.right() - piega, r.top());
    foglio.lineTo(r.right(), r.top() + piega);
    foglio.lineTo(r.right(), r.bottom());
    foglio.lineTo(r.left(), r.bottom());
    foglio.closeSubpath();
    p.setBrush(Qt::NoBrush);
    p.setPen(Tratto(c, spessore));
    p.drawPath(foglio);
    QPainterPath angolo;
    angolo.moveTo(r.right() - piega, r.top());
    angolo.lineTo(r.right() - piega, r.top() + piega);
    angolo.lineTo(r.right(), r.top() + piega);
    p.drawPath(angolo);
}

// Clears a disc around `centro` so that what follows stands apart.
void Scava(QPainter &p, QPointF centro, qreal raggio)
{
    Taglia(p);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawEllipse(centro, raggio, raggio);
    Riempi(p);
}

void SimboloNuovo(QPainter &p, const QColor &c)
{
    Foglio(p, c, QRectF(16, 8, 56, 80), 18, 7);
    const QPointF centro(70, 72);
    Scava(p, centro, 25);
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawEllipse(centro, 19, 19);
    Taglia(p);
    p.setPen(Tratto(Qt::black, 7));
    p.drawLine(QPointF(70, 62), QPointF(70, 82));
    p.drawLine(QPointF(60, 72), QPointF(80, 72));
    Riempi(p);
}

void SimboloDuplica(QPainter &p, const QColor &c)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(Tratto(c, 7));
    p.drawRoundedRect(QRectF(36, 10, 50, 60), 8, 8);
    Taglia(p);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawRoundedRect(QRectF(7, 23, 64, 74), 12, 12);
    Riempi(p);
    p.setBrush(c);
    p.drawRoundedRect(QRectF(14, 30, 50, 60), 8, 8);
    Taglia(p);
    p.setPen(Tratto(Qt::black, 6));
    p.drawLine(QPointF(27, 48), QPointF(51, 48));
    p.drawLine(QPointF(27, 60), QPointF(51, 60));
    p.drawLine(QPointF(27, 72), QPointF(43, 72));
    Riempi(p);
}

void SimboloAllega(QPainter &p, const QColor &c)
{
    // A paper clip standing on end, then tilted to the right.
    QPainterPath filo;
    filo.moveTo(15, -22);
    filo.lineTo(15, 20);
    filo.arcTo(QRectF(-15, 5, 30, 30), 0, -180);
    filo.lineTo(-15, -26);
    filo.arcTo(QRectF(-15, -36, 20, 20), 180, -180);
    filo.lineTo(5, 14);
    p.save();
    p.translate(50, 50);
    p.rotate(40);
    p.setBrush(Qt::NoBrush);
    p.setPen(Tratto(c, 7.5));
    p.drawPath(filo);
    p.restore();
}

void SimboloSalva(QPainter &p, const QColor &c)
{
    QPainterPath corpo;
    corpo.moveTo(20, 12);
    corpo.lineTo(70, 12);
    corpo.lineTo(88, 30);
    corpo.lineTo(88, 80);
    corpo.quadTo(88, 88, 80, 88);
    corpo.lineTo(20, 88);
    corpo.quadTo(12, 88, 12, 80);
    corpo.lineTo(12, 20);
    corpo.quadTo(12, 12, 20, 12);
    corpo.closeSubpath();
    p.fillPath(corpo, c);
    Taglia(p);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawRoundedRect(QRectF(27, 12, 38, 24), 3, 3);
    p.drawRoundedRect(QRectF(24, 52, 52, 36), 4, 4);
    Riempi(p);
    p.setBrush(c);
    p.drawRect(QRectF(52, 16, 8, 16));
    p.setBrush(Qt::NoBrush);
    p.setPen(Tratto(c, 4));
    p.drawLine(QPointF(33, 64), QPointF(67, 64));
    p.drawLine(QPointF(33, 75), QPointF(67, 75));
}

// A magnifier: lens centred on `centro`, handle down to the right.
void Lente(QPainter &p, const QColor &c, QPointF centro, qreal raggio, qreal spessore, qreal manico)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(c, spessore));
    p.drawEllipse(centro, raggio, raggio);
    const qreal d = (raggio + spessore / 2) / M_SQRT2;
    p.setPen(Tratto(c, spessore * 1.5));
    p.drawLine(centro + QPointF(d, d), centro + QPointF(d + manico, d + manico));
}

void SimboloTrova(QPainter &p, const QColor &c)
{
    Lente(p, c, QPointF(42, 42), 26, 8, 24);
}

void SimboloAnteprima(QPainter &p, const QColor &c)
{
    Foglio(p, c, QRectF(12, 8, 56, 80), 18, 7);
    p.setPen(Tratto(c, 5));
    p.drawLine(QPointF(24, 32), QPointF(44, 32));
    p.drawLine(QPointF(24, 44), QPointF(40, 44));
    const QPointF centro(62, 62);
    Scava(p, centro, 26);
    Lente(p, c, centro, 15, 7, 15);
}

void SimboloStampa(QPainter &p, const QColor &c)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(Tratto(c, 6));
    p.drawRect(QRectF(28, 12, 44, 26));
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawRoundedRect(QRectF(10, 34, 80, 40), 9, 9);
    Taglia(p);
    p.setBrush(Qt::black);
    p.drawRect(QRectF(21, 56, 58, 40));
    p.drawEllipse(QPointF(76, 46), 4.5, 4.5);
    Riempi(p);
    p.setBrush(Qt::NoBrush);
    p.setPen(Tratto(c, 6));
    p.drawRect(QRectF(28, 60, 44, 28));
    p.setPen(Tratto(c, 4));
    p.drawLine(QPointF(37, 70), QPointF(63, 70));
    p.drawLine(QPointF(37, 79), QPointF(55, 79));
}

void SimboloEsporta(QPainter &p, const QColor &c)
{
    // a spreadsheet grid with an arrow leaving it to the upper right
    const QRectF griglia(10, 30, 58, 58);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(c, 6, Qt::SolidLine, Qt::SquareCap, Qt::RoundJoin));
    p.drawRoundedRect(griglia, 6, 6);
    p.setPen(QPen(c, 4));
    p.drawLine(QPointF(10, 50), QPointF(68, 50));
    p.drawLine(QPointF(10, 69), QPointF(68, 69));
    p.drawLine(QPointF(32, 30), QPointF(32, 88));
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawRect(QRectF(10, 30, 58, 20));
    Taglia(p);
    p.setBrush(Qt::black);
    p.drawEllipse(QPointF(68, 32), 24, 24);
    Riempi(p);
    p.setPen(Tratto(c, 8));
    p.drawLine(QPointF(56, 44), QPointF(86, 14));
    p.drawLine(QPointF(62, 14), QPointF(86, 14));
    p.drawLine(QPointF(86, 14), QPointF(86, 38));
}

void SimboloRicontatta(QPainter &p, const QColor &c)
{
    p.save();
    p.translate(0, 24);
    p.scale(0.76, 0.76);
    SimboloChiamate(p, c);
    p.restore();
    // a round arrow coming back, at the top right
    const QRectF giro(48, 8, 40, 40);
    QPainterPath arco;
    arco.arcMoveTo(giro, 150);
    arco.arcTo(giro, 150, -250);
    p.setBrush(Qt::NoBrush);
    p.setPen(Tratto(c, 7));
    p.drawPath(arco);
    // arrow head at the start, pointing back the way it came
    const QPointF punta = arco.pointAtPercent(0);
    const qreal angolo = arco.angleAtPercent(0);
    QTransform t;
    t.translate(punta.x(), punta.y());
    t.rotate(-angolo);
    QPolygonF testa;
    testa << t.map(QPointF(-9, 0)) << t.map(QPointF(5, -11)) << t.map(QPointF(5, 11));
    p.setPen(Tratto(c, 4));
    p.setBrush(c);
    p.drawPolygon(testa);
}

// The browse arrows: a chevron pointing left, with a bar for the first one;
// the right ones are the same mirrored.
void SimboloSfoglia(QPainter &p, const QColor &c, bool fine, bool destra)
{
    p.save();
    if (destra) {
        p.translate(100, 0);
        p.scale(-1, 1);
    }
    const qreal dx = fine ? 10 : 0;
    p.setBrush(Qt::NoBrush);
    p.setPen(Tratto(c, 12));
    QPolygonF punta;
    punta << QPointF(66 + dx, 16) << QPointF(32 + dx, 50) << QPointF(66 + dx, 84);
    p.drawPolyline(punta);
    if (fine) p.drawLine(QPointF(17, 16), QPointF(17, 84));
    p.restore();
}

void SimboloControlla(QPainter &p, const QColor &c)
{
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawEllipse(QPointF(50, 50), 42, 42);
    Taglia(p);
    p.setBrush(Qt::NoBrush);
    p.setPen(Tratto(Qt::black, 10));
    QPolygonF spunta;
    spunta << QPointF(29, 51) << QPointF(44, 66) << QPointF(72, 37);
    p.drawPolyline(spunta);
    Riempi(p);
}

void DisegnaSimbolo100(QPainter &p, Stile::Simbolo s, const QColor &c)
{
    using S = Stile::Simbolo;
    switch (s) {
    case S::Clienti: SimboloClienti(p, c); break;
    case S::Chiamate: SimboloChiamate(p, c); break;
    case S::Agenda: SimboloAgenda(p, c); break;
    case S::Incassi: SimboloIncassi(p, c); break;
    case S::Info: SimboloInfo(p, c); break;
    case S::Guida: SimboloGuida(p, c); break;
    case S::Crediti: SimboloCrediti(p, c); break;
    case S::Web: SimboloWeb(p, c); break;
    case S::Esci: SimboloEsci(p, c); break;
    case S::Email: SimboloEmail(p, c); break;
    case S::Pdf: SimboloPdf(p, c); break;
    case S::Lucchetto: SimboloLucchetto(p, c); break;
    case S::Nuovo: SimboloNuovo(p, c); break;
    case S::Duplica: SimboloDuplica(p, c); break;
    case S::Allega: SimboloAllega(p, c); break;
    case S::Salva: SimboloSalva(p, c); break;
    case S::Trova: SimboloTrova(p, c); break;
    case S::Anteprima: SimboloAnteprima(p, c); break;
    case S::Stampa: SimboloStampa(p, c); break;
    case S::Esporta: SimboloEsporta(p, c); break;
    case S::Ricontatta: SimboloRicontatta(p, c); break;
    case S::Primo: SimboloSfoglia(p, c, true, false); break;
    case S::Indietro: SimboloSfoglia(p, c, false, false); break;
    case S::Avanti: SimboloSfoglia(p, c, false, true); break;
    case S::Ultimo: SimboloSfoglia(p, c, true, true); break;
    case S::Controlla: SimboloControlla(p, c); break;
    }
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

void Antialias(QPainter &p)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
}

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

// Soft shadow under a rounded rectangle: `sfocatura` is its spread in
// logical units, `dy` how far it falls below, `alfa` its strength.
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

void Badge(QPainter &p, const QRectF &r, Stile::Simbolo s, const QColor &colore)
{
    const qreal raggio = r.width() * 0.24;
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, colore.lighter(118));
    g.setColorAt(1, colore.darker(105));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRoundedRect(r, raggio, raggio);
    // a faint sheen on the upper half
    QLinearGradient luce(r.topLeft(), QPointF(r.left(), r.center().y()));
    luce.setColorAt(0, QColor(255, 255, 255, 46));
    luce.setColorAt(1, QColor(255, 255, 255, 0));
    p.setBrush(luce);
    p.drawRoundedRect(r, raggio, raggio);
    const qreal lato = r.width() * 0.6;
    Stile::DisegnaSimbolo(p, s, QRectF(r.center().x() - lato / 2, r.center().y() - lato / 2, lato, lato),
                          Qt::white);
}

// Text fitted in width: the font shrinks until the text fits.
QFont Adatta(QFont f, const QString &testo, qreal larghezza)
{
    while (f.pixelSize() > 7 && QFontMetricsF(f).horizontalAdvance(testo) > larghezza)
        f.setPixelSize(f.pixelSize() - 1);
    return f;
}

struct DatiApp {
    const char *nome;
    const char *descrizione;
};

const DatiApp Applicazioni[4] = {
    {"Clienti e Servizi", "Schede dei clienti, servizi forniti e documenti allegati"},
    {"Registro Chiamate", "Telefonate ricevute ed effettuate, giorno per giorno"},
    {"Agenda Appuntamenti", "Appuntamenti imminenti, promemoria e calendario"},
    {"Riepiloghi Incassi", "Incassi per periodo, cliente e servizio"},
};

QImage InGrigio(const QImage &src)
{
    QImage img = src.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < img.height(); ++y) {
        auto *riga = reinterpret_cast<QRgb *>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            const int g = qGray(riga[x]);
            const int chiaro = g + (255 - g) * 45 / 100;
            riga[x] = qRgba(chiaro, chiaro, chiaro, qAlpha(riga[x]));
        }
    }
    return img;
}

} // namespace

// ================================================================== start-up

void ApplicaStile(QApplication &app)
{
    // Metric-compatible substitutes where the Windows fonts are missing.
    const QStringList sans = {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                              QStringLiteral("DejaVu Sans")};
    const QStringList larghi = {QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")};
    QFont::insertSubstitutions(QStringLiteral("Arial"), sans);
    QFont::insertSubstitutions(QStringLiteral("Segoe UI"), sans);
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), sans);
    QFont::insertSubstitutions(QStringLiteral("Microsoft Sans Serif"), sans);
    QFont::insertSubstitutions(QStringLiteral("Verdana"), larghi);
    QFont::insertSubstitutions(QStringLiteral("Tahoma"), larghi);
    QFont::insertSubstitutions(QStringLiteral("Courier New"),
                               {QStringLiteral("Liberation Mono"), QStringLiteral("Cousine"),
                                QStringLiteral("DejaVu Sans Mono")});
    QFont::insertSubstitutions(QStringLiteral("Times New Roman"),
                               {QStringLiteral("Liberation Serif"), QStringLiteral("Tinos"),
                                QStringLiteral("DejaVu Serif")});

    if (QStyle *fusion = QStyleFactory::create(QStringLiteral("Fusion"))) app.setStyle(fusion);

    using namespace Stile::Colore;
    QPalette pal;
    pal.setColor(QPalette::Window, QColor(Sfondo));
    pal.setColor(QPalette::WindowText, QColor(Testo));
    pal.setColor(QPalette::Base, QColor(Carta));
    pal.setColor(QPalette::AlternateBase, QColor(0xF5, 0xF8, 0xFB));
    pal.setColor(QPalette::Text, QColor(Testo));
    pal.setColor(QPalette::Button, QColor(0xF8, 0xFA, 0xFC));
    pal.setColor(QPalette::ButtonText, QColor(Testo));
    pal.setColor(QPalette::Highlight, QColor(Primario));
    pal.setColor(QPalette::HighlightedText, Qt::white);
    pal.setColor(QPalette::ToolTipBase, QColor(Notte));
    pal.setColor(QPalette::ToolTipText, Qt::white);
    pal.setColor(QPalette::Link, QColor(Link));
    pal.setColor(QPalette::PlaceholderText, QColor(0x8A, 0x96, 0xA3));
    pal.setColor(QPalette::Light, Qt::white);
    pal.setColor(QPalette::Midlight, QColor(0xE6, 0xEB, 0xF1));
    pal.setColor(QPalette::Mid, QColor(Bordo));
    pal.setColor(QPalette::Dark, QColor(0x9A, 0xA8, 0xB6));
    pal.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0x97, 0xA3, 0xAF));
    pal.setColor(QPalette::Disabled, QPalette::Text, QColor(0x97, 0xA3, 0xAF));
    pal.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(0xA3, 0xAE, 0xB9));
    pal.setColor(QPalette::Disabled, QPalette::Base, QColor(0xF4, 0xF6, 0xF8));
    app.setPalette(pal);

    QIcon icona;
    for (int lato : {16, 24, 32, 48, 64, 128, 256}) icona.addPixmap(Stile::Logo(QSize(lato, lato)));
    app.setWindowIcon(icona);

    QFont base(FontInterfaccia, 10);
    base.setStyleStrategy(QFont::PreferAntialias);
    app.setFont(base);

    app.setStyleSheet(QStringLiteral(R"(
QPushButton {
    background: #FFFFFF; color: #1E2A36;
    border: 1px solid #BFCAD6; border-radius: 6px;
    padding: 4px 16px; min-height: 20px;
}
QPushButton:hover { background: #F1F6FC; border-color: #1D5A9E; }
QPushButton:pressed { background: #DDE8F5; }
QPushButton:focus { border-color: #1D5A9E; }
QPushButton:disabled { color: #A3AEB9; background: #F4F6F8; border-color: #DCE2E8; }
QPushButton[principale="true"] {
    color: #FFFFFF; border: 1px solid #174C86;
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #2A6DB8, stop:1 #1D5A9E);
}
QPushButton[principale="true"]:hover { background: #2E76C6; }
QPushButton[principale="true"]:pressed { background: #174C86; }
QPushButton[principale="true"]:disabled { color: #EEF3F8; background: #AEC2D8; border-color: #AEC2D8; }
QLineEdit {
    background: #FFFFFF; border: 1px solid #BFCAD6; border-radius: 4px;
    padding: 1px 4px; selection-background-color: #1D5A9E;
}
QLineEdit:focus { border-color: #1D5A9E; }
QLineEdit:disabled { background: #F4F6F8; color: #8A96A3; }
QPlainTextEdit, QTextEdit, QListWidget {
    background: #FFFFFF; border: 1px solid #C9D3DE; border-radius: 4px;
}
QToolTip {
    color: #FFFFFF; background: #102A43; border: 1px solid #102A43;
    padding: 3px 6px;
}
)"));
}

namespace Stile {

// ================================================================ pictures

QColor ColoreSimbolo(Simbolo s)
{
    switch (s) {
    case Simbolo::Clienti: return QColor(0x2F, 0x6F, 0xD6);
    case Simbolo::Chiamate: return QColor(0x0E, 0x96, 0x88);
    case Simbolo::Agenda: return QColor(0xE3, 0x7B, 0x2C);
    case Simbolo::Incassi: return QColor(0x37, 0x9B, 0x57);
    case Simbolo::Info: return QColor(0x2F, 0x6F, 0xD6);
    case Simbolo::Guida: return QColor(0x75, 0x5B, 0xD1);
    case Simbolo::Crediti: return QColor(0xD9, 0x9A, 0x16);
    case Simbolo::Web: return QColor(0x16, 0x8B, 0xC4);
    case Simbolo::Esci: return QColor(0xD1, 0x45, 0x45);
    case Simbolo::Email: return QColor(0x16, 0x8B, 0xC4);
    case Simbolo::Pdf: return QColor(0xD3, 0x2F, 0x2F);
    case Simbolo::Lucchetto: return QColor(Colore::Primario);
    case Simbolo::Nuovo: return QColor(0x37, 0x9B, 0x57);
    case Simbolo::Duplica: return QColor(0x2F, 0x6F, 0xD6);
    case Simbolo::Allega: return QColor(0x75, 0x5B, 0xD1);
    case Simbolo::Salva: return QColor(Colore::Primario);
    case Simbolo::Trova: return QColor(0x16, 0x8B, 0xC4);
    case Simbolo::Anteprima: return QColor(0x0E, 0x96, 0x88);
    case Simbolo::Stampa: return QColor(0x4A, 0x5A, 0x6C);
    case Simbolo::Esporta: return QColor(0x1E, 0x7B, 0x45);
    case Simbolo::Ricontatta: return QColor(0xE3, 0x7B, 0x2C);
    case Simbolo::Primo:
    case Simbolo::Indietro:
    case Simbolo::Avanti:
    case Simbolo::Ultimo: return QColor(Colore::Primario);
    case Simbolo::Controlla: return QColor(0x37, 0x9B, 0x57);
    }
    return QColor(Colore::Primario);
}

void DisegnaSimbolo(QPainter &p, Simbolo s, const QRectF &r, const QColor &colore)
{
    if (r.width() <= 0 || r.height() <= 0) return;
    // Draw on a transparent layer at the device resolution, then lay it down.
    const qreal scala = Scala(p);
    const QSize px(qMax(1, qCeil(r.width() * scala)), qMax(1, qCeil(r.height() * scala)));
    QImage strato(px, QImage::Format_ARGB32_Premultiplied);
    strato.fill(Qt::transparent);
    {
        QPainter q(&strato);
        Antialias(q);
        q.scale(px.width() / 100.0, px.height() / 100.0);
        DisegnaSimbolo100(q, s, colore);
    }
    p.save();
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(r, strato);
    p.restore();
}

QPixmap Glifo(Simbolo s, int lato, const QColor &colore, qreal dpr)
{
    QPixmap pm = NuovaPixmap(QSize(lato, lato), dpr);
    QPainter p(&pm);
    Antialias(p);
    DisegnaSimbolo(p, s, QRectF(0, 0, lato, lato), colore);
    return pm;
}

void DisegnaIcona(QPainter &p, Simbolo s, const QRectF &r)
{
    const qreal lato = qMin(r.width(), r.height());
    p.save();
    Antialias(p);
    Badge(p, QRectF(r.center().x() - lato / 2, r.center().y() - lato / 2, lato, lato), s, ColoreSimbolo(s));
    p.restore();
}

QPixmap Icona(Simbolo s, int lato, qreal dpr)
{
    QPixmap pm = NuovaPixmap(QSize(lato, lato), dpr);
    QPainter p(&pm);
    Antialias(p);
    Badge(p, QRectF(0, 0, lato, lato), s, ColoreSimbolo(s));
    return pm;
}

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

QString NomeApp(int n)
{
    return (n >= 1 && n <= 4) ? QString::fromUtf8(Applicazioni[n - 1].nome) : QString();
}

Simbolo SimboloApp(int n)
{
    static const Simbolo simboli[4] = {Simbolo::Clienti, Simbolo::Chiamate, Simbolo::Agenda, Simbolo::Incassi};
    return simboli[qBound(1, n, 4) - 1];
}

void DisegnaTesseraApp(QPainter &p, const QRectF &r, int n, Stato stato)
{
    if (n < 1 || n > 4) return;
    p.save();
    Antialias(p);
    const bool spenta = stato == Stato::Disabilitata;
    const qreal lato = qMin(r.width() * 0.4, r.height() * 0.44);
    QRectF badge(r.center().x() - lato / 2, r.top() + r.height() * 0.1, lato, lato);
    if (stato == Stato::Sopra || stato == Stato::Premuta) badge.translate(0, -2);
    const QColor colore = spenta ? Grigio : ColoreSimbolo(SimboloApp(n));
    Ombra(p, badge, lato * 0.24, qMax(3, qRound(lato * 0.08)), lato * 0.05, spenta ? 40 : 110);
    Badge(p, badge, SimboloApp(n), colore);

    const qreal larghezza = r.width() * 0.9;
    QFont fn = Adatta(FontPx(qBound(15.0, r.width() * 0.082, 24.0), QFont::Bold), NomeApp(n), larghezza);
    p.setFont(fn);
    p.setPen(spenta ? QColor(0x8C, 0x98, 0xA5) : QColor(Colore::Testo));
    const QFontMetricsF mn(fn);
    const qreal yNome = badge.bottom() + r.height() * 0.08;
    p.drawText(QRectF(r.left(), yNome, r.width(), mn.height()), Qt::AlignHCenter | Qt::AlignTop, NomeApp(n));

    QFont fd = FontPx(qBound(11.0, fn.pixelSize() * 0.66, 15.0));
    p.setFont(fd);
    p.setPen(spenta ? QColor(0xA7, 0xB1, 0xBB) : QColor(Colore::TestoTenue));
    const QRectF desc(r.left() + r.width() * 0.09, yNome + mn.height() + r.height() * 0.03, r.width() * 0.82,
                      r.bottom() - yNome - mn.height());
    p.drawText(desc, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap,
               QString::fromUtf8(Applicazioni[n - 1].descrizione));
    p.restore();
}

void DisegnaPulsanteApp(QPainter &p, const QRectF &r, int n, Stato stato)
{
    if (n < 1 || n > 4) return;
    p.save();
    Antialias(p);
    const qreal h = qMin(r.height(), 44.0);
    const qreal w = qMin(r.width() * 0.8, h * 4.2);
    const QRectF pill(r.center().x() - w / 2, r.center().y() - h / 2, w, h);
    QString testo;
    if (stato == Stato::Disabilitata) {
        p.setPen(QPen(QColor(0xD5, 0xDC, 0xE3), 1));
        p.setBrush(QColor(0xF1, 0xF4, 0xF7));
        p.drawRoundedRect(pill.adjusted(0.5, 0.5, -0.5, -0.5), h / 2, h / 2);
        testo = QStringLiteral("Disponibile a breve");
        QFont f = Adatta(FontPx(h * 0.34, QFont::DemiBold), testo, w * 0.84);
        p.setFont(f);
        p.setPen(QColor(0x8C, 0x98, 0xA5));
        p.drawText(pill, Qt::AlignCenter, testo);
    } else {
        QColor c = ColoreSimbolo(SimboloApp(n));
        if (stato == Stato::Sopra) c = c.darker(110);
        if (stato == Stato::Premuta) c = c.darker(125);
        if (stato != Stato::Premuta) Ombra(p, pill, h / 2, 4, 2, 70);
        QLinearGradient g(pill.topLeft(), pill.bottomLeft());
        g.setColorAt(0, c.lighter(112));
        g.setColorAt(1, c);
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawRoundedRect(pill, h / 2, h / 2);
        testo = QStringLiteral("Apri");
        QFont f = FontPx(h * 0.4, QFont::Bold);
        const QFontMetricsF m(f);
        const qreal freccia = h * 0.34;
        const qreal totale = m.horizontalAdvance(testo) + h * 0.22 + freccia;
        const qreal x0 = pill.center().x() - totale / 2;
        p.setFont(f);
        p.setPen(Qt::white);
        p.drawText(QRectF(x0, pill.top(), totale, pill.height()), Qt::AlignLeft | Qt::AlignVCenter, testo);
        // the arrow
        const qreal xa = x0 + totale - freccia;
        const qreal ya = pill.center().y();
        p.setPen(QPen(Qt::white, qMax(1.6, h * 0.065), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawLine(QPointF(xa, ya), QPointF(xa + freccia, ya));
        p.drawLine(QPointF(xa + freccia * 0.55, ya - freccia * 0.45), QPointF(xa + freccia, ya));
        p.drawLine(QPointF(xa + freccia * 0.55, ya + freccia * 0.45), QPointF(xa + freccia, ya));
    }
    p.restore();
}

void DisegnaStrumento(QPainter &p, const QRectF &r, Simbolo s, const QString &didascalia, Stato stato)
{
    p.save();
    Antialias(p);
    if (stato == Stato::Sopra || stato == Stato::Premuta) {
        p.setPen(Qt::NoPen);
        p.setBrush(stato == Stato::Premuta ? QColor(0xDC, 0xE6, 0xF1) : QColor(0xEA, 0xF0, 0xF7));
        p.drawRoundedRect(r.adjusted(2, 2, -2, -2), 10, 10);
    }
    QFont f = Adatta(FontPx(qBound(11.0, r.height() * 0.17, 14.0), QFont::DemiBold), didascalia, r.width() - 8);
    const QFontMetricsF m(f);
    const qreal lato = qMin(r.height() - m.height() - r.height() * 0.26, r.width() * 0.5);
    const QRectF badge(r.center().x() - lato / 2, r.top() + r.height() * 0.11, lato, lato);
    Badge(p, badge, s, stato == Stato::Disabilitata ? Grigio : ColoreSimbolo(s));
    p.setFont(f);
    p.setPen(stato == Stato::Disabilitata ? QColor(0xA3, 0xAE, 0xB9) : QColor(Colore::Testo));
    p.drawText(QRectF(r.left(), badge.bottom() + r.height() * 0.05, r.width(), m.height()), Qt::AlignHCenter,
               didascalia);
    p.restore();
}

// =================================================================== fonts

QFont Carattere(const QString &famiglia, qreal punti, bool grassetto)
{
    QFont f(famiglia);
    f.setPointSizeF(punti);
    f.setBold(grassetto);
    return f;
}

QFont CarattereLink()
{
    QFont f = Carattere(QStringLiteral("Tahoma"), 14);
    f.setUnderline(true);
    return f;
}

// ================================================================= windows

void ImpostaDialogo(QWidget *finestra, QSize dimensione)
{
    finestra->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    finestra->setFixedSize(dimensione);
}

void Centra(QWidget *finestra, const QWidget *riferimento)
{
    QRect area;
    if (riferimento && riferimento->window()->isVisible()) {
        area = riferimento->window()->frameGeometry();
    } else {
        QScreen *schermo = finestra->screen() ? finestra->screen() : QGuiApplication::primaryScreen();
        if (!schermo) return;
        area = schermo->availableGeometry();
    }
    const QRect cornice = finestra->frameGeometry();
    finestra->move(area.center() - QPoint(cornice.width() / 2, cornice.height() / 2));
}

void Principale(QPushButton *pulsante)
{
    pulsante->setProperty("principale", true);
    pulsante->style()->unpolish(pulsante);
    pulsante->style()->polish(pulsante);
}

// ========================================================= focus highlight

namespace {

class TEvidenzia : public QWidget
{
public:
    TEvidenzia(QWidget *campo, const QString &nome) : QWidget(campo->parentWidget()), m_campo(campo)
    {
        setObjectName(nome);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
        campo->installEventFilter(this);
        Segui();
        setVisible(campo->hasFocus() && campo->isVisible());
    }

protected:
    bool eventFilter(QObject *o, QEvent *e) override
    {
        if (o == m_campo) {
            switch (e->type()) {
            case QEvent::FocusIn: Segui(); show(); break;
            case QEvent::FocusOut:
            case QEvent::Hide: hide(); break;
            case QEvent::Move:
            case QEvent::Resize: Segui(); break;
            case QEvent::Show:
                Segui();
                setVisible(m_campo->hasFocus());
                break;
            case QEvent::ParentChange:
                setParent(m_campo->parentWidget());
                Segui();
                break;
            default: break;
            }
        }
        return false;
    }

    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        Antialias(p);
        const QColor giallo(Colore::Evidenzia);
        const QColor bianco(Qt::white);
        // the border fades from white at the edge to the yellow of the fill
        const int passi = 4;
        QRectF r = QRectF(rect());
        for (int i = 0; i < passi; ++i) {
            p.setPen(Qt::NoPen);
            p.setBrush(Mescola(bianco, giallo, qreal(i + 1) / passi));
            p.drawRoundedRect(r, 5.0 - i * 0.8, 5.0 - i * 0.8);
            r.adjust(1, 1, -1, -1);
        }
    }

private:
    void Segui()
    {
        if (!m_campo) return;
        setGeometry(m_campo->geometry().adjusted(-4, -4, 4, 4));
        stackUnder(m_campo);
    }

    QPointer<QWidget> m_campo;
};

} // namespace

QWidget *EvidenziaFocus(QWidget *campo, const QString &nome)
{
    if (!campo || !campo->parentWidget()) return nullptr;
    return new TEvidenzia(campo, nome.isEmpty() ? QStringLiteral("eff") + campo->objectName().mid(3) : nome);
}

// ================================================================ TImmagine

TImmagine::TImmagine(const QString &nome, QSize preferita, QWidget *parent)
    : QWidget(parent), m_preferita(preferita)
{
    setObjectName(nome);
    setAttribute(Qt::WA_Hover);
}

void TImmagine::ImpostaDisegno(Disegno disegno)
{
    m_disegno = std::move(disegno);
    update();
}

void TImmagine::ImpostaCliccabile(bool cliccabile)
{
    m_cliccabile = cliccabile;
    AggiornaCursore();
    update();
}

QSize TImmagine::minimumSizeHint() const
{
    return m_preferita.scaled(m_preferita / 2, Qt::KeepAspectRatio);
}

Stato TImmagine::StatoAttuale() const
{
    if (!isEnabled()) return Stato::Disabilitata;
    if (!m_cliccabile) return Stato::Normale;
    if (m_premuta && m_sopra) return Stato::Premuta;
    if (m_sopra) return Stato::Sopra;
    return Stato::Normale;
}

QPixmap TImmagine::Immagine() const
{
    QPixmap pm = NuovaPixmap(size(), devicePixelRatioF());
    if (m_disegno) {
        QPainter p(&pm);
        Antialias(p);
        const Stato stato = StatoAttuale();
        m_disegno(p, QRectF(rect()), stato);
        p.end();
        // a disabled picture that did not draw its own disabled look is greyed
        if (stato == Stato::Disabilitata && m_grigio) {
            QImage grigia = InGrigio(pm.toImage());
            pm = QPixmap::fromImage(grigia);
            pm.setDevicePixelRatio(devicePixelRatioF());
        }
    }
    return pm;
}

void TImmagine::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.drawPixmap(0, 0, Immagine());
}

void TImmagine::mousePressEvent(QMouseEvent *e)
{
    if (e->button() == Qt::LeftButton && m_cliccabile) {
        m_premuta = true;
        m_sopra = rect().contains(e->position().toPoint());
        update();
        emit premuta();
    }
    QWidget::mousePressEvent(e);
}

void TImmagine::mouseReleaseEvent(QMouseEvent *e)
{
    if (e->button() == Qt::LeftButton && m_premuta) {
        m_premuta = false;
        update();
        const bool dentro = rect().contains(e->position().toPoint());
        emit rilasciata();
        if (dentro && isEnabled()) emit cliccata();
    }
    QWidget::mouseReleaseEvent(e);
}

void TImmagine::enterEvent(QEnterEvent *e)
{
    m_sopra = true;
    update();
    emit sopra(true);
    QWidget::enterEvent(e);
}

void TImmagine::leaveEvent(QEvent *e)
{
    m_sopra = false;
    update();
    emit sopra(false);
    QWidget::leaveEvent(e);
}

void TImmagine::changeEvent(QEvent *e)
{
    if (e->type() == QEvent::EnabledChange) {
        AggiornaCursore();
        m_premuta = false;
        update();
    }
    QWidget::changeEvent(e);
}

void TImmagine::AggiornaCursore()
{
    if (m_cliccabile && isEnabled())
        setCursor(Qt::PointingHandCursor);
    else
        unsetCursor();
}

// ==================================================================== TLink

TLink::TLink(const QString &nome, const QString &testo, QWidget *parent) : QLabel(testo, parent)
{
    setObjectName(nome);
    setFont(CarattereLink());
    setCursor(Qt::PointingHandCursor);
    setTextFormat(Qt::PlainText);
    ImpostaColore(Colore::Link);
}

void TLink::Unisci(TImmagine *immagine)
{
    immagine->ImpostaCliccabile(true);
    connect(immagine, &TImmagine::premuta, this, &TLink::MouseDown);
    connect(immagine, &TImmagine::rilasciata, this, &TLink::MouseUp);
    connect(immagine, &TImmagine::cliccata, this, &TLink::cliccato);
}

QColor TLink::Colore() const
{
    return palette().color(QPalette::WindowText);
}

void TLink::MouseDown()
{
    ImpostaColore(Colore::LinkPremuto);
}

void TLink::MouseUp()
{
    ImpostaColore(Colore::Link);
}

void TLink::mousePressEvent(QMouseEvent *e)
{
    if (e->button() == Qt::LeftButton) {
        m_premuto = true;
        MouseDown();
    }
    QLabel::mousePressEvent(e);
}

void TLink::mouseReleaseEvent(QMouseEvent *e)
{
    if (e->button() == Qt::LeftButton && m_premuto) {
        m_premuto = false;
        MouseUp();
        if (rect().contains(e->position().toPoint())) emit cliccato();
    }
    QLabel::mouseReleaseEvent(e);
}

void TLink::ImpostaColore(QRgb colore)
{
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, QColor::fromRgba(colore));
    setPalette(pal);
}

// ================================================================== TScheda

TScheda::TScheda(QWidget *parent, QColor accento) : QWidget(parent), m_accento(accento)
{
    setAttribute(Qt::WA_TranslucentBackground);
    setContentsMargins(Ombra, Ombra - 4, Ombra, Ombra + 4);
}

void TScheda::ImpostaEvidenziata(bool si)
{
    if (m_evidenziata == si) return;
    m_evidenziata = si;
    update();
}

void TScheda::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    Antialias(p);
    const QRectF carta = QRectF(rect()).adjusted(Ombra, Ombra - 4, -Ombra, -Ombra - 4);
    const qreal raggio = 14;
    if (m_evidenziata)
        ::Ombra(p, carta, raggio, 12, 5, 70);
    else
        ::Ombra(p, carta, raggio, 8, 3, 42);
    p.setPen(QPen(QColor(0xE1, 0xE7, 0xEE), 1));
    p.setBrush(Qt::white);
    p.drawRoundedRect(carta.adjusted(0.5, 0.5, -0.5, -0.5), raggio, raggio);
    if (m_evidenziata && m_accento.isValid()) {
        p.setPen(QPen(m_accento, 2));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(carta.adjusted(1, 1, -1, -1), raggio - 1, raggio - 1);
    }
    if (m_accento.isValid()) {
        // a thin band of the app's colour along the top edge
        QPainterPath bordo;
        bordo.addRoundedRect(carta, raggio, raggio);
        QPainterPath fascia;
        fascia.addRect(QRectF(carta.left(), carta.top(), carta.width(), 5));
        p.fillPath(bordo.intersected(fascia), m_accento);
    }
}

// ================================================================= TDialogo

TDialogo::TDialogo(QWidget *parent, QSize dimensione, int piede) : QDialog(parent), m_piede(piede)
{
    ImpostaDialogo(this, dimensione);
}

QWidget *TDialogo::Piede()
{
    if (!m_rigaPiede) {
        m_rigaPiede = new QWidget(this);
        m_rigaPiede->setFixedHeight(m_piede);
        auto *riga = new QHBoxLayout(m_rigaPiede);
        riga->setContentsMargins(24, 0, 24, 0);
        riga->setSpacing(10);
    }
    return m_rigaPiede;
}

void TDialogo::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    if (m_piede > 0) {
        const QRect banda(0, height() - m_piede, width(), m_piede);
        p.fillRect(banda, QColor(0xF3, 0xF6, 0xFA));
        p.setPen(QColor(0xDD, 0xE4, 0xEC));
        p.drawLine(banda.topLeft(), banda.topRight());
    }
}

} // namespace Stile
