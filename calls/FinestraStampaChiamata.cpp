#include "calls/FinestraStampaChiamata.h"

#include "calls/ListaChiamate.h"
#include "storage/Cartella.h"
#include "storage/Formati.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace {

constexpr QSize kDimensione(470, 210);

} // namespace

TFinestraStampaChiamata::TFinestraStampaChiamata(QWidget *owner, const TestiChiamata &testi, Uscita uscita)
    : Stile::TDialogo(owner, kDimensione), testi_(testi), uscita_(uscita)
{
    // FormCreate: dates "dd/mm/yyyy" and the decimal comma.
    ImpostaFormati();
    const bool stampa = uscita_ == Uscita::Stampa;
    setWindowTitle(stampa ? QStringLiteral(" Stampa documento") : QStringLiteral(" Anteprima di stampa"));
    setModal(true);

    const Stile::Simbolo simbolo = stampa ? Stile::Simbolo::Stampa : Stile::Simbolo::Anteprima;
    imgImmagine = new Stile::TImmagine(QStringLiteral("imgImmagine"), QSize(64, 64), this);
    imgImmagine->setFixedSize(64, 64);
    imgImmagine->ImpostaDisegno([simbolo](QPainter &p, const QRectF &r, Stile::Stato) {
        Stile::DisegnaIcona(p, simbolo, r);
    });

    auto *intestazione = new QLabel(stampa ? QStringLiteral("Stampa della scheda chiamata")
                                           : QStringLiteral("Anteprima della scheda chiamata"),
                                    this);
    intestazione->setObjectName(QStringLiteral("lblIntestazione"));
    intestazione->setFont(Stile::Carattere(QStringLiteral("Segoe UI"), 14, true));
    intestazione->setStyleSheet(QStringLiteral("color: #143E6E;"));

    lblMessaggio = new QLabel(stampa ? QStringLiteral("La scheda mostrata a video verrà stampata sulla stampante "
                                                      "predefinita del sistema.")
                                     : QStringLiteral("La scheda mostrata a video verrà mostrata nell'anteprima, "
                                                      "da cui è possibile anche stamparla."),
                              this);
    lblMessaggio->setObjectName(QStringLiteral("lblMessaggio"));
    lblMessaggio->setWordWrap(true);
    lblMessaggio->setStyleSheet(QStringLiteral("color: #5E6E7E;"));

    auto *colonnaTesti = new QVBoxLayout;
    colonnaTesti->setSpacing(6);
    colonnaTesti->addWidget(intestazione);
    colonnaTesti->addWidget(lblMessaggio);
    colonnaTesti->addStretch(1);
    auto *cima = new QHBoxLayout;
    cima->setContentsMargins(28, 24, 28, 16);
    cima->setSpacing(18);
    cima->addWidget(imgImmagine, 0, Qt::AlignTop);
    cima->addLayout(colonnaTesti, 1);

    QWidget *piede = Piede();
    btnAnnulla = Stile::Pulsante(QStringLiteral("Annulla"), QStringLiteral("btnAnnulla"), piede);
    btnStampa = Stile::Pulsante(stampa ? QStringLiteral("Stampa") : QStringLiteral("Mostra anteprima"),
                                QStringLiteral("btnStampa"), piede,
                                Stile::IconaPulsante(simbolo, Qt::white, devicePixelRatioF()), 170);
    btnStampa->setIconSize(QSize(18, 18));
    Stile::Principale(btnStampa);
    auto *riga = static_cast<QHBoxLayout *>(piede->layout());
    riga->addStretch(1);
    riga->addWidget(btnAnnulla);
    riga->addWidget(btnStampa);

    auto *colonna = new QVBoxLayout(this);
    colonna->setContentsMargins(0, 0, 0, 0);
    colonna->setSpacing(0);
    colonna->addLayout(cima, 1);
    colonna->addWidget(piede);

    setTabOrder(btnStampa, btnAnnulla);
    connect(btnAnnulla, &QPushButton::clicked, this, &TFinestraStampaChiamata::btnAnnullaClick);
    connect(btnStampa, &QPushButton::clicked, this, &TFinestraStampaChiamata::btnStampaClick);
}

void TFinestraStampaChiamata::showEvent(QShowEvent *e)
{
    Stile::TDialogo::showEvent(e);
    if (e->spontaneous()) return;
    Stile::Centra(this, parentWidget());
    btnStampa->setFocus();
}

void TFinestraStampaChiamata::btnAnnullaClick()
{
    reject();
}

void TFinestraStampaChiamata::btnStampaClick()
{
    const QString modello = QString::fromLatin1(kModelloChiamata);
    const QVector<TestoMemo> memo = MemoChiamata(testi_, Adesso());
    if (uscita_ == Uscita::Stampa) StampaModulo(this, modello, memo);
    else AnteprimaModulo(this, modello, memo);
    accept();
}
