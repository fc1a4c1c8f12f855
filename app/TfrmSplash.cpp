#include "app/TfrmSplash.h"

#include "ui/Disegni.h"
#include "ui/Kit.h"
#include "ui/TMisc.h"
#include "app/TfrmInfo.h"

#include <QHBoxLayout>
#include <QLinearGradient>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

using Stile::Stato;
using Stile::TImmagine;

namespace {

// The credits picture: the logo on the header colours, then who made what.
void DisegnaCrediti(QPainter &p, const QRectF &r)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QRectF testa(r.left(), r.top(), r.width(), 200);
    QLinearGradient g(testa.topLeft(), testa.bottomRight());
    g.setColorAt(0, QColor(Stile::Colore::Notte));
    g.setColorAt(0.6, QColor(Stile::Colore::PrimarioScuro));
    g.setColorAt(1, QColor(0x0E, 0x6E, 0x7A));
    p.fillRect(testa, g);
    p.save();
    p.setClipRect(testa);
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 4; ++i) {
        p.setPen(QPen(QColor(255, 255, 255, 12 + 5 * i), 8));
        const qreal raggio = 60 + 55 * i;
        p.drawEllipse(testa.center() + QPointF(0, -20), raggio, raggio);
    }
    p.restore();

    const qreal lato = 84;
    Stile::DisegnaLogo(p, QRectF(testa.center().x() - lato / 2, testa.top() + 26, lato, lato));
    QFont nome(QStringLiteral("Segoe UI"));
    nome.setPixelSize(32);
    nome.setWeight(QFont::Bold);
    p.setFont(nome);
    p.setPen(Qt::white);
    p.drawText(QRectF(testa.left(), testa.top() + 118, testa.width(), 40), Qt::AlignHCenter | Qt::AlignVCenter,
               QStringLiteral("Pratovia"));
    QFont motto(QStringLiteral("Segoe UI"));
    motto.setPixelSize(14);
    p.setFont(motto);
    p.setPen(QColor(0xD6, 0xE6, 0xF5));
    p.drawText(QRectF(testa.left(), testa.top() + 156, testa.width(), 24), Qt::AlignHCenter | Qt::AlignVCenter,
               QStringLiteral("Clienti, chiamate, appuntamenti e incassi del tuo studio"));

    struct Voce {
        const char *ruolo;
        const char *chi;
    };
    static const Voce voci[] = {
        {"Ideazione e sviluppo", "Il gruppo di lavoro di Pratovia"},
        {"Grafica e icone", "Disegnate su misura per Pratovia"},
        {"Realizzato con", "C++20 e le librerie Qt 6"},
    };
    QFont ruolo(QStringLiteral("Segoe UI"));
    ruolo.setPixelSize(13);
    QFont chi(QStringLiteral("Segoe UI"));
    chi.setPixelSize(14);
    chi.setWeight(QFont::DemiBold);
    qreal y = testa.bottom() + 22;
    const qreal meta = r.center().x();
    for (const Voce &v : voci) {
        p.setFont(ruolo);
        p.setPen(QColor(Stile::Colore::TestoTenue));
        p.drawText(QRectF(r.left(), y, meta - 10 - r.left(), 22), Qt::AlignRight | Qt::AlignVCenter,
                   QString::fromUtf8(v.ruolo));
        p.setFont(chi);
        p.setPen(QColor(Stile::Colore::Testo));
        p.drawText(QRectF(meta + 10, y, r.right() - meta - 10, 22), Qt::AlignLeft | Qt::AlignVCenter,
                   QString::fromUtf8(v.chi));
        y += 28;
    }
    p.setFont(ruolo);
    p.setPen(QColor(0x8A, 0x96, 0xA3));
    p.drawText(QRectF(r.left(), y + 6, r.width(), 22), Qt::AlignHCenter | Qt::AlignVCenter,
               QStringLiteral("\u00A9 Pratovia. Tutti i diritti riservati."));
}

} // namespace

TfrmSplash::TfrmSplash(QWidget *parent) : Stile::TDialogo(parent, QSize(540, 420))
{
    setObjectName(QStringLiteral("frmSplash"));
    setWindowTitle(QStringLiteral(" Pratovia \u00A9 Tutti i diritti riservati"));

    auto *colonna = new QVBoxLayout(this);
    colonna->setContentsMargins(0, 0, 0, 0);
    colonna->setSpacing(0);
    imgLogo = new TImmagine(QStringLiteral("imgLogo"), QSize(540, 356), this);
    imgLogo->ImpostaDisegno([](QPainter &p, const QRectF &r, Stato) { DisegnaCrediti(p, r); });
    colonna->addWidget(imgLogo, 1);

    const Contatto contatto = PiedeContatto(QStringLiteral("imgWeb"), Stile::Simbolo::Web, TestoSito());
    imgWeb = contatto.immagine;
    lnkWeb = contatto.link;
    btnChiudi = contatto.chiudi;
    colonna->addWidget(Piede());

    connect(lnkWeb, &Stile::TLink::cliccato, this, &TfrmSplash::lnkWebClick);
    connect(btnChiudi, &QPushButton::clicked, this, &TfrmSplash::btnChiudiClick);
}

void TfrmSplash::lnkWebClick()
{
    lnkWeb->MouseUp();
    TMisc::Open(IndirizzoSito());
}

void TfrmSplash::btnChiudiClick()
{
    close();
}

void TfrmSplash::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    Stile::Centra(this, parentWidget());
}
