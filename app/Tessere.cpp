#include "app/Tessere.h"

#include "ui/Disegni.h"
#include "ui/Icone.h"
#include "ui/Stile.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>

namespace {

// Badges of what is not available yet.
const QColor Grigio(0xA9, 0xB4, 0xC0);

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

} // namespace

namespace Stile {

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
    DisegnaIcona(p, SimboloApp(n), badge, colore);

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
    DisegnaIcona(p, s, badge, stato == Stato::Disabilitata ? Grigio : ColoreSimbolo(s));
    p.setFont(f);
    p.setPen(stato == Stato::Disabilitata ? QColor(0xA3, 0xAE, 0xB9) : QColor(Colore::Testo));
    p.drawText(QRectF(r.left(), badge.bottom() + r.height() * 0.05, r.width(), m.height()), Qt::AlignHCenter,
               didascalia);
    p.restore();
}

} // namespace Stile
