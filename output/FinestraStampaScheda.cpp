#include "output/FinestraStampaScheda.h"

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

TFinestraStampaScheda::TFinestraStampaScheda(QWidget *owner, Uscita uscita, const Testi &testi,
                                             const QString &modello, Memo memo)
    : Stile::TDialogo(owner, kDimensione), uscita_(uscita), modello_(modello), memo_(std::move(memo))
{
    // FormCreate: dates "dd/mm/yyyy" and the decimal comma.
    ImpostaFormati();
    const bool stampa = uscita_ == Uscita::Stampa;
    setWindowTitle(testi.titolo);
    setModal(true);

    const Stile::Simbolo simbolo = stampa ? Stile::Simbolo::Stampa : Stile::Simbolo::Anteprima;
    imgImmagine = new Stile::TImmagine(QStringLiteral("imgImmagine"), QSize(64, 64), this);
    imgImmagine->setFixedSize(64, 64);
    imgImmagine->ImpostaDisegno([simbolo](QPainter &p, const QRectF &r, Stile::Stato) {
        Stile::DisegnaIcona(p, simbolo, r);
    });

    auto *intestazione = new QLabel(testi.intestazione, this);
    intestazione->setObjectName(QStringLiteral("lblIntestazione"));
    intestazione->setFont(Stile::Carattere(QStringLiteral("Segoe UI"), 14, true));
    intestazione->setStyleSheet(QStringLiteral("color: #143E6E;"));

    lblMessaggio = new QLabel(testi.messaggio, this);
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
    btnStampa = Stile::Pulsante(testi.azione, QStringLiteral("btnStampa"), piede,
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
    connect(btnAnnulla, &QPushButton::clicked, this, &TFinestraStampaScheda::btnAnnullaClick);
    connect(btnStampa, &QPushButton::clicked, this, &TFinestraStampaScheda::btnStampaClick);
}

void TFinestraStampaScheda::showEvent(QShowEvent *e)
{
    Stile::TDialogo::showEvent(e);
    if (e->spontaneous()) return;
    Stile::Centra(this, parentWidget());
    btnStampa->setFocus();
}

void TFinestraStampaScheda::btnAnnullaClick()
{
    reject();
}

void TFinestraStampaScheda::btnStampaClick()
{
    const QVector<TestoMemo> memo = memo_ ? memo_(Adesso()) : QVector<TestoMemo>();
    if (uscita_ == Uscita::Stampa) StampaModulo(this, modello_, memo);
    else AnteprimaModulo(this, modello_, memo);
    accept();
}
