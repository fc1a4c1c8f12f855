#include "output/Icone.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

QPixmap IconaFoglioCalcolo(int lato)
{
    QPixmap px(lato, lato);
    px.fill(Qt::transparent);
    QPainter p(&px);
    p.setRenderHint(QPainter::Antialiasing);
    const double u = lato / 32.0;
    // The sheet, with a folded corner.
    QPainterPath foglio;
    foglio.moveTo(9 * u, 2 * u);
    foglio.lineTo(24 * u, 2 * u);
    foglio.lineTo(30 * u, 8 * u);
    foglio.lineTo(30 * u, 30 * u);
    foglio.lineTo(9 * u, 30 * u);
    foglio.closeSubpath();
    p.setPen(QPen(QColor(0x1d, 0x6f, 0x42), 1.2 * u));
    p.setBrush(Qt::white);
    p.drawPath(foglio);
    p.setPen(QPen(QColor(0x1d, 0x6f, 0x42, 150), 0.8 * u));
    for (int r = 0; r < 5; ++r) p.drawLine(QPointF(16 * u, (11 + r * 4) * u), QPointF(28 * u, (11 + r * 4) * u));
    p.drawLine(QPointF(22 * u, 9 * u), QPointF(22 * u, 27 * u));
    // The green badge with the X.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x21, 0x73, 0x46));
    p.drawRoundedRect(QRectF(2 * u, 8 * u, 16 * u, 16 * u), 2 * u, 2 * u);
    p.setPen(QPen(Qt::white, 2.6 * u, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(6 * u, 12 * u), QPointF(14 * u, 20 * u));
    p.drawLine(QPointF(14 * u, 12 * u), QPointF(6 * u, 20 * u));
    return px;
}

QPixmap ImmagineMano(int lato)
{
    QPixmap px(lato, lato);
    px.fill(Qt::transparent);
    QPainter p(&px);
    p.setRenderHint(QPainter::Antialiasing);
    const double u = lato / 32.0;
    QPainterPath mano;
    // Palm and the pointing finger.
    mano.addRoundedRect(QRectF(3 * u, 11 * u, 14 * u, 14 * u), 4 * u, 4 * u);
    mano.addRoundedRect(QRectF(12 * u, 11 * u, 18 * u, 5 * u), 2.5 * u, 2.5 * u);
    QPainterPath dita;
    for (int i = 0; i < 3; ++i) dita.addRoundedRect(QRectF(12 * u, (16 + i * 3.2) * u, 8 * u, 3.4 * u), 1.7 * u, 1.7 * u);
    p.setPen(QPen(QColor(0x8a, 0x5a, 0x2b), 1.1 * u));
    p.setBrush(QColor(0xf5, 0xc8, 0x8e));
    p.drawPath(mano.simplified());
    p.drawPath(dita);
    p.setBrush(QColor(0x3b, 0x5b, 0x92));
    p.drawRoundedRect(QRectF(1 * u, 12 * u, 4 * u, 12 * u), 1 * u, 1 * u);
    return px;
}

QPixmap ImmagineBanner(const QSize &dim, const QString &sottotitolo)
{
    QPixmap px(dim);
    QPainter p(&px);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, dim.width(), 0);
    g.setColorAt(0, QColor(0x1f, 0x4e, 0x79));
    g.setColorAt(1, QColor(0x2e, 0x86, 0xab));
    p.fillRect(px.rect(), g);
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(qMax(12, dim.height() * 2 / 5));
    f.setBold(true);
    p.setFont(f);
    p.setPen(Qt::white);
    const QRect area = px.rect().adjusted(16, 0, -16, 0);
    p.drawText(area, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Pratovia"));
    QFont s(QStringLiteral("DejaVu Sans"));
    s.setPixelSize(qMax(10, dim.height() / 4));
    p.setFont(s);
    p.setPen(QColor(0xe0, 0xf0, 0xff));
    p.drawText(area, Qt::AlignRight | Qt::AlignVCenter, sottotitolo);
    return px;
}
