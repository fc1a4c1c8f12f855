#include "ui/Icone.h"

#include "ui/Disegni.h"
#include "ui/Stile.h"

#include <QHash>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QSvgRenderer>
#include <QtMath>

#include <memory>

// Called outside any namespace, as the resource's registration requires.
static void CaricaRisorse()
{
    // The resource lives in a static library: make sure it is registered.
    static const bool fatto = [] {
        Q_INIT_RESOURCE(icone);
        return true;
    }();
    Q_UNUSED(fatto);
}

namespace Stile {

namespace {

const char *NomeFile(Simbolo s)
{
    switch (s) {
    case Simbolo::Clienti: return "clienti";
    case Simbolo::Chiamate: return "chiamate";
    case Simbolo::Agenda: return "agenda";
    case Simbolo::Incassi: return "incassi";
    case Simbolo::Info: return "info";
    case Simbolo::Guida: return "guida";
    case Simbolo::Crediti: return "crediti";
    case Simbolo::Web: return "web";
    case Simbolo::Esci: return "esci";
    case Simbolo::Email: return "email";
    case Simbolo::Pdf: return "pdf";
    case Simbolo::Lucchetto: return "lucchetto";
    case Simbolo::Nuovo: return "nuovo";
    case Simbolo::Duplica: return "duplica";
    case Simbolo::Allega: return "allega";
    case Simbolo::Salva: return "salva";
    case Simbolo::Trova: return "trova";
    case Simbolo::Anteprima: return "anteprima";
    case Simbolo::Stampa: return "stampa";
    case Simbolo::Esporta: return "esporta";
    case Simbolo::Ricontatta: return "ricontatta";
    case Simbolo::Primo: return "primo";
    case Simbolo::Indietro: return "indietro";
    case Simbolo::Avanti: return "avanti";
    case Simbolo::Ultimo: return "ultimo";
    case Simbolo::Controlla: return "controlla";
    case Simbolo::Foglio: return "foglio";
    case Simbolo::Calendario: return "calendario";
    case Simbolo::Orologio: return "orologio";
    case Simbolo::Banca: return "banca";
    case Simbolo::WhatsApp: return "whatsapp";
    case Simbolo::Campanella: return "campanella";
    }
    return "";
}

// One renderer per symbol, loaded on first use.
QSvgRenderer *Disegnatore(Simbolo s)
{
    static QHash<int, std::shared_ptr<QSvgRenderer>> caricati;
    auto &r = caricati[int(s)];
    if (!r) {
        CaricaRisorse();
        r = std::make_shared<QSvgRenderer>(FileSimbolo(s));
    }
    return r->isValid() ? r.get() : nullptr;
}

void Badge(QPainter &p, const QRectF &r, Simbolo s, const QColor &colore)
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
    DisegnaSimbolo(p, s, QRectF(r.center().x() - lato / 2, r.center().y() - lato / 2, lato, lato), Qt::white);
}

} // namespace

QString FileSimbolo(Simbolo s)
{
    return QStringLiteral(":/icone/%1.svg").arg(QLatin1String(NomeFile(s)));
}

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
    case Simbolo::Foglio: return QColor(0x21, 0x73, 0x46);
    case Simbolo::Calendario: return QColor(Colore::Primario);
    case Simbolo::Orologio: return QColor(Colore::Acqua);
    case Simbolo::Banca: return QColor(0x1E, 0x7B, 0x45);
    case Simbolo::WhatsApp: return QColor(0x1F, 0xA8, 0x55);
    case Simbolo::Campanella: return QColor(0xE3, 0x7B, 0x2C);
    }
    return QColor(Colore::Primario);
}

void DisegnaSimbolo(QPainter &p, Simbolo s, const QRectF &r, const QColor &colore)
{
    if (r.width() <= 0 || r.height() <= 0) return;
    QSvgRenderer *svg = Disegnatore(s);
    if (!svg) return;
    // Render at the device resolution on a layer of its own, give every
    // drawn pixel the asked colour (keeping its coverage), then lay it down.
    const qreal scala = Scala(p);
    const QSize px(qMax(1, qCeil(r.width() * scala)), qMax(1, qCeil(r.height() * scala)));
    QImage strato(px, QImage::Format_ARGB32_Premultiplied);
    strato.fill(Qt::transparent);
    {
        QPainter q(&strato);
        Antialias(q);
        svg->render(&q, QRectF(QPointF(0, 0), QSizeF(px)));
        q.setCompositionMode(QPainter::CompositionMode_SourceIn);
        q.fillRect(strato.rect(), colore);
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

QIcon IconaPulsante(Simbolo s, const QColor &colore, qreal dpr)
{
    QIcon icona;
    for (int lato : {16, 20, 22, 24, 32}) icona.addPixmap(Glifo(s, lato, colore, dpr));
    return icona;
}

void DisegnaIcona(QPainter &p, Simbolo s, const QRectF &r)
{
    DisegnaIcona(p, s, r, ColoreSimbolo(s));
}

void DisegnaIcona(QPainter &p, Simbolo s, const QRectF &r, const QColor &colore)
{
    const qreal lato = qMin(r.width(), r.height());
    p.save();
    Antialias(p);
    Badge(p, QRectF(r.center().x() - lato / 2, r.center().y() - lato / 2, lato, lato), s, colore);
    p.restore();
}

QPixmap Icona(Simbolo s, int lato, qreal dpr)
{
    QPixmap pm = NuovaPixmap(QSize(lato, lato), dpr);
    QPainter p(&pm);
    DisegnaIcona(p, s, QRectF(0, 0, lato, lato));
    return pm;
}

} // namespace Stile
