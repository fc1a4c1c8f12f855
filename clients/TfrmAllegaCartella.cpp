#include "clients/TfrmAllegaCartella.h"

#include "ui/Messaggi.h"
#include "ui/TMisc.h"
#include "clients/Allegati.h"
#include "clients/TfrmClienti.h"
#include "storage/Testo.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace {

// The picture that empties a slot: a round badge with a cross.
void DisegnaCancella(QPainter &p, const QRectF &r, Stile::Stato s)
{
    const QColor c = s == Stile::Stato::Disabilitata ? QColor(0xA3, 0xAE, 0xB9)
                     : s == Stile::Stato::Normale    ? QColor(0xC6, 0x3B, 0x3B)
                                                     : QColor(0xDF, 0x4E, 0x4E);
    const QRectF f = r.adjusted(3, 3, -3, -3);
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawEllipse(f);
    p.setPen(QPen(Qt::white, 2.2, Qt::SolidLine, Qt::RoundCap));
    const qreal d = f.width() * 0.22;
    const QPointF m = f.center();
    p.drawLine(m + QPointF(-d, -d), m + QPointF(d, d));
    p.drawLine(m + QPointF(-d, d), m + QPointF(d, -d));
}

} // namespace

TfrmAllegaCartella::TfrmAllegaCartella(QWidget *owner) : Stile::TDialogo(owner, QSize(760, 500)), owner_(owner)
{
    setObjectName(QStringLiteral("frmAllegaCartella"));
    setWindowTitle(QStringLiteral(" Allega file"));

    lblMemory = new QLabel(this);
    lblMemory->setObjectName(QStringLiteral("lblMemory"));
    lblMemory->hide();

    auto *istruzioni = new QLabel(QStringLiteral("Con Sfoglia... si sceglie un file, che viene copiato nella cartella "
                                                 "dei documenti allegati; con Apri lo si apre con il programma "
                                                 "associato."),
                                  this);
    istruzioni->setWordWrap(true);
    istruzioni->setStyleSheet(QStringLiteral("color: #5E6E7E;"));

    auto *corpo = new QVBoxLayout;
    corpo->setContentsMargins(24, 18, 24, 12);
    corpo->setSpacing(10);
    corpo->addWidget(istruzioni);

    for (int i = 0; i < 3; ++i) {
        const QString n = QStringLiteral("0%1").arg(i + 1);
        const QString ordinale = QStringLiteral("%1\u00B0").arg(i + 1);
        Slot &s = slot_[size_t(i)];

        auto *riquadro = new QWidget(this);
        riquadro->setObjectName(QStringLiteral("panFile") + n);
        riquadro->setAttribute(Qt::WA_StyledBackground);
        riquadro->setStyleSheet(QStringLiteral("#panFile%1 { background: #F7FAFD; border: 1px solid #D3DCE6;"
                                               " border-radius: 8px; }")
                                    .arg(n));

        s.file = new QLineEdit(riquadro);
        s.file->setObjectName(QStringLiteral("txtFile") + n);
        s.file->setReadOnly(true);
        s.file->setStyleSheet(QStringLiteral("QLineEdit { background: #F4F6F8; }"));
        s.file->setMinimumHeight(30);
        s.desc = new QLineEdit(riquadro);
        s.desc->setObjectName(QStringLiteral("txtDesc") + n);
        s.desc->setMinimumHeight(30);
        s.sfoglia = Stile::Pulsante(QStringLiteral("Sfoglia..."), QStringLiteral("btnSfoglia") + n, riquadro,
                                    QIcon(), 100);
        s.apri = Stile::Pulsante(QStringLiteral("Apri"), QStringLiteral("btnApri") + n, riquadro, QIcon(), 80);
        s.apri->setEnabled(false);
        s.cancella = new Stile::TImmagine(QStringLiteral("imgCancella") + n, QSize(28, 28), riquadro);
        s.cancella->setFixedSize(28, 28);
        s.cancella->ImpostaCliccabile(true);
        s.cancella->ImpostaDisegno(DisegnaCancella);
        s.cancella->setToolTip(QStringLiteral("Rimuove il file dalla scheda"));

        auto *g = new QGridLayout(riquadro);
        g->setContentsMargins(16, 10, 16, 12);
        g->setHorizontalSpacing(10);
        g->setVerticalSpacing(4);
        g->addWidget(new QLabel(QStringLiteral("Nome %1 file allegato:").arg(ordinale), riquadro), 0, 0);
        g->addWidget(new QLabel(QStringLiteral("Descrizione %1 file allegato:").arg(ordinale), riquadro), 0, 4);
        g->addWidget(s.file, 1, 0);
        g->addWidget(s.cancella, 1, 1);
        g->addWidget(s.sfoglia, 1, 2);
        g->addWidget(s.apri, 1, 3);
        g->addWidget(s.desc, 1, 4);
        g->setColumnStretch(0, 5);
        g->setColumnStretch(4, 6);
        g->setColumnMinimumWidth(4, 240);
        corpo->addWidget(riquadro);

        Stile::EvidenziaFocus(s.file);
        Stile::EvidenziaFocus(s.desc);
    }
    corpo->addStretch(1);

    txtFile01 = slot_[0].file, txtFile02 = slot_[1].file, txtFile03 = slot_[2].file;
    txtDesc01 = slot_[0].desc, txtDesc02 = slot_[1].desc, txtDesc03 = slot_[2].desc;
    btnSfoglia01 = slot_[0].sfoglia, btnSfoglia02 = slot_[1].sfoglia, btnSfoglia03 = slot_[2].sfoglia;
    btnApri01 = slot_[0].apri, btnApri02 = slot_[1].apri, btnApri03 = slot_[2].apri;
    imgCancella01 = slot_[0].cancella, imgCancella02 = slot_[1].cancella, imgCancella03 = slot_[2].cancella;

    btnApplica = Stile::Pulsante(QStringLiteral("Applica e chiudi"), QStringLiteral("btnApplica"), this, QIcon(), 150);
    btnAnnulla = Stile::Pulsante(QStringLiteral("Annulla"), QStringLiteral("btnAnnulla"), this);
    // Enter never presses a default button of the window.
    for (QPushButton *b : findChildren<QPushButton *>()) b->setAutoDefault(false);
    Stile::Principale(btnApplica);
    QWidget *piede = Piede();
    auto *riga = static_cast<QHBoxLayout *>(piede->layout());
    riga->addStretch(1);
    riga->addWidget(btnApplica);
    riga->addWidget(btnAnnulla);

    auto *l = new QVBoxLayout(this);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(0);
    l->addWidget(Stile::Testata(this, QStringLiteral("Allega file"), QStringLiteral("File allegati alla scheda")));
    l->addLayout(corpo, 1);
    l->addWidget(piede);

    using F = TfrmAllegaCartella;
    const std::array<void (F::*)(), 3> sfoglia = {&F::btnSfoglia01Click, &F::btnSfoglia02Click, &F::btnSfoglia03Click};
    const std::array<void (F::*)(), 3> apri = {&F::btnApri01Click, &F::btnApri02Click, &F::btnApri03Click};
    const std::array<void (F::*)(), 3> cancella = {&F::imgCancella01Click, &F::imgCancella02Click,
                                                   &F::imgCancella03Click};
    const std::array<void (F::*)(), 3> cambia = {&F::txtFile01Change, &F::txtFile02Change, &F::txtFile03Change};
    for (size_t i = 0; i < 3; ++i) {
        connect(slot_[i].sfoglia, &QPushButton::clicked, this, sfoglia[i]);
        connect(slot_[i].apri, &QPushButton::clicked, this, apri[i]);
        connect(slot_[i].cancella, &Stile::TImmagine::cliccata, this, cancella[i]);
        connect(slot_[i].file, &QLineEdit::textChanged, this, cambia[i]);
    }
    connect(btnApplica, &QPushButton::clicked, this, &F::btnApplicaClick);
    connect(btnAnnulla, &QPushButton::clicked, this, &F::btnAnnullaClick);
}

void TfrmAllegaCartella::showEvent(QShowEvent *e)
{
    Stile::TDialogo::showEvent(e);
    if (e->spontaneous()) return;
    Stile::Centra(this, owner_);
    for (int i = 0; i < 3; ++i) AggiornaApri(i);
}

QString TfrmAllegaCartella::ScegliFile()
{
    QFileDialog dlgFile(this, QStringLiteral("Selezionare il file da allegare:"));
    dlgFile.setObjectName(QStringLiteral("dlgFile"));
    dlgFile.setFileMode(QFileDialog::ExistingFile);
    dlgFile.setAcceptMode(QFileDialog::AcceptOpen);
    dlgFile.setNameFilter(QStringLiteral("Tutti i file (*.*)"));
    if (dlgFile.exec() != QDialog::Accepted) return QString();
    const QStringList scelti = dlgFile.selectedFiles();
    return scelti.isEmpty() ? QString() : scelti.first();
}

void TfrmAllegaCartella::Sfoglia(int i)
{
    const QString scelto = ScegliFile();
    if (scelto.isEmpty()) return;
    // the name the card can store, which is also the name of the copy
    const QString nome = NomeAllegato(scelto);
    if (nome.isEmpty()) return;
    if (!PreparaCartellaAllegati()) {
        Msg::ErroreAccesso(this);
        return;
    }
    if (QFileInfo::exists(PercorsoAllegato(nome))
        && !Msg::Domanda(this, QStringLiteral("Attenzione: nella cartella dei documenti allegati \u00E8 presente un "
                                              "file con lo stesso nome.\r\n\r\nSi vuole sovrascrivere il file "
                                              "esistente?"))) {
        // the folder's file of that name is the one attached
        slot_[size_t(i)].file->setText(nome);
        return;
    }
    // a failed copy leaves the slot as it was: its name would point to
    // nothing, or to the old file the user chose to replace
    if (!CopiaAllegato(scelto)) {
        Msg::ErroreAccesso(this);
        return;
    }
    slot_[size_t(i)].file->setText(nome);
}

void TfrmAllegaCartella::Apri(int i)
{
    const QString comando = ComandoApriAllegato(slot_[size_t(i)].file->text());
    if (!comando.isEmpty()) TMisc::Open(comando);
}

void TfrmAllegaCartella::Cancella(int i)
{
    slot_[size_t(i)].file->clear();
}

void TfrmAllegaCartella::AggiornaApri(int i)
{
    const Slot &s = slot_[size_t(i)];
    s.apri->setEnabled(!Trim(s.file->text()).isEmpty());
}

void TfrmAllegaCartella::btnApplicaClick()
{
    if (lblMemory->text() != u"clienti") return;
    if (auto *card = qobject_cast<TfrmClienti *>(owner_.data())) {
        const std::array<QLabel *, 6> etichette = {card->lblFile01, card->lblDesc01, card->lblFile02,
                                                   card->lblDesc02, card->lblFile03, card->lblDesc03};
        const std::array<QLineEdit *, 6> campi = {txtFile01, txtDesc01, txtFile02, txtDesc02, txtFile03, txtDesc03};
        for (size_t k = 0; k < campi.size(); ++k)
            if (etichette[k]) etichette[k]->setText(Trim(campi[k]->text()));
    }
    close();
}

void TfrmAllegaCartella::btnAnnullaClick()
{
    close();
}
