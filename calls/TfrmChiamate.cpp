#include "calls/TfrmChiamate.h"

#include "calls/GuidaChiamate.h"
#include "calls/SchedaChiamata.h"
#include "storage/Cartella.h"
#include "storage/Formati.h"
#include "storage/Testo.h"
#include "ui/CampiScheda.h"
#include "ui/Guida.h"
#include "ui/Kit.h"
#include "ui/Messaggi.h"
#include "ui/Navigazione.h"
#include "ui/TMisc.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

void RegistraScrittoriChiamate()
{
    RegistraScrittorePer<TfrmChiamate>(QStringLiteral("chiamate"), [](TfrmChiamate &f, const TSchedaCliente &r, qint64) {
        f.RiceviCliente(r);
    });
}

TfrmChiamate::TfrmChiamate(QWidget *parent)
    : TFinestraScheda(parent, {QStringLiteral("Registro Chiamate"),
                               QStringLiteral("Le telefonate fatte e ricevute, cliente per cliente"),
                               QStringLiteral("Pronto per stampare una nuova scheda..."),
                               QStringLiteral("Esci da questa schermata di lavoro.")})
{
    ImpostaFormati();
    RegistraScrittoriChiamate();
    setObjectName("frmChiamate");
    setWindowTitle(QStringLiteral(" Pratovia - Registro Chiamate"));
    setWindowIcon(QIcon(Stile::Icona(Stile::Simbolo::Chiamate, 64)));

    // The card's fields in Enter and Tab order, with the record fields they
    // show; their sizes are those of the record layout.
    using C = LayoutChiamata;
    namespace R = Regola;
    campi_ = std::make_unique<TCampiScheda>(TCampiScheda::Config{
        this, FormatoDi<LayoutChiamata>(),
        {
            {&txtGiornoRit, "txtGiornoRit", C::GiornoRit, R::SoloElenco},
            {&txtMeseRit, "txtMeseRit", C::MeseRit, R::SoloElenco},
            {&lblAnnoRit, "lblAnnoRit", C::AnnoRit, R::SoloCifre | R::SenzaLimite},
            {&txtOreRit, "txtOreRit", C::OreRit, R::SoloElenco},
            {&txtMinutiRit, "txtMinutiRit", C::MinutiRit, R::SoloElenco},
            {&txtTipo, "txtTipo", C::Tipo, R::SoloElenco},
            {&txtOggetto, "txtOggetto", C::Oggetto},
            {&txtEsito, "txtEsito", C::Esito},
            {&txtGrado, "txtGrado", C::Grado},
            {&txtDurata, "txtDurata", C::Durata},
            {&txtCliente, "txtCliente", C::Cliente},
            {&txtCodFisc, "txtCodFisc", C::CodFisc, R::Maiuscole | R::SenzaSpazi},
            {&txtZona, "txtZona", C::Zona},
            {&txtRecapito, "txtRecapito", C::Recapito},
            {&txtTelCel, "txtTelCel", C::TelCel},
            {&txtEmail, "txtEmail", C::Email, R::SenzaSpazi | R::AncheInUscita},
            {&txtNote, "txtNote", C::Note},
            {&txtOperatore, "txtOperatore", C::Operatore}, // Enter goes back to txtGiornoRit
            // Hidden: derived from the parts when the card is saved.
            {&lblDataRit, "lblDataRit", C::DataRit},
            {&lblOraRit, "lblOraRit", C::OraRit},
        },
        QStringLiteral("La scheda corrente è stata salvata in archivio."),
        QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio.")});
    TCampiScheda::ImpostaScelte(txtGiornoRit, GiorniDelMese());
    TCampiScheda::ImpostaScelte(txtMeseRit, NomiMesi());
    TCampiScheda::ImpostaScelte(txtOreRit, OreDelGiorno());
    TCampiScheda::ImpostaScelte(txtMinutiRit, MinutiDellOra());
    TCampiScheda::ImpostaScelte(txtTipo, SchedaChiamata::Tipi());
    for (QComboBox *c : {txtGiornoRit, txtOreRit, txtMinutiRit}) {
        c->setMaxVisibleItems(12);
        c->setFixedWidth(76);
    }
    txtMeseRit->setMaxVisibleItems(12);
    txtMeseRit->setFixedWidth(130);
    lblAnnoRit->setFixedWidth(76);

    // --- buttons -------------------------------------------------------------
    using S = Stile::Simbolo;
    Pulsante(cmdNuovo, "cmdNuovo", QStringLiteral("Nuovo"), Glifo(S::Nuovo),
             QStringLiteral("Prepara la schermata per la registrazione di una nuova scheda."));
    Pulsante(cmdDuplica, "cmdDuplica", QStringLiteral("Duplica"), Glifo(S::Duplica),
             QStringLiteral("Prepara la schermata per la registrazione di una nuova scheda duplicando i dati correnti."));
    Pulsante(cmdSalva, "cmdSalva", QStringLiteral("Salva"), Glifo(S::Salva, Stile::Colore::Carta),
             QStringLiteral("Salva la scheda corrente in archivio."));
    Pulsante(cmdTrova, "cmdTrova", QStringLiteral("Trova"), Glifo(S::Trova),
             QStringLiteral("Trova una scheda in archivio."));
    Pulsante(cmdAnteprima, "cmdAnteprima", QStringLiteral("Anteprima"), Glifo(S::Anteprima),
             QStringLiteral("Visualizza l'anteprima di stampa della scheda corrente."));
    Pulsante(cmdStampa, "cmdStampa", QStringLiteral("Stampa"), Glifo(S::Stampa),
             QStringLiteral("Stampa la scheda corrente."));
    Pulsante(cmdEsporta, "cmdEsporta", QStringLiteral("Esporta registro"), Glifo(S::Esporta),
             QStringLiteral("Esporta le schede in archivio in un file di Microsoft Excel."));
    Pulsante(cmdRiepOggi, "cmdRiepOggi", QStringLiteral("Chiamate di oggi"), Glifo(S::Chiamate),
             QStringLiteral("Visualizza il riepilogo delle chiamate di oggi."));
    Pulsante(cmdGuida, "cmdGuida", QStringLiteral("Guida"), Glifo(S::Guida),
             QStringLiteral("Visualizza la pagina della guida sensibile al contesto."));
    Pulsante(impRitiro, "impRitiro", QStringLiteral("Oggi"), QIcon(),
             QStringLiteral("Inserisci la data corrente."));
    Pulsante(impOraRit, "impOraRit", QStringLiteral("Adesso"), QIcon(),
             QStringLiteral("Inserisci l'ora corrente."));
    Pulsante(impCliente, "impCliente", QString(), Glifo(S::Indietro, 0xFFC62828),
             QStringLiteral("Importa i dati dall'archivio anagrafico dei clienti."));
    Pulsante(btnCodFisc, "btnCodFisc", QString(), Glifo(S::Controlla),
             QStringLiteral("Controlla il codice fiscale."));
    Pulsante(btnEmail, "btnEmail", QString(), Glifo(S::Email),
             QStringLiteral("Invia una e-mail all'indirizzo indicato."));
    for (QPushButton *b : {impRitiro, impOraRit, impCliente, btnCodFisc, btnEmail})
        b->setToolTip(b->property("suggerimento").toString());
    for (QPushButton *b : {impCliente, btnCodFisc, btnEmail}) b->setFixedWidth(40);

    // --- layout --------------------------------------------------------------
    // Date and time of the call, each in its own box with its "now" button.
    auto *grpData = new QGroupBox(QStringLiteral(" Data chiamata: "), this);
    grpData->setObjectName("grpData");
    Sfondo(grpData);
    auto *gd = new QGridLayout(grpData);
    gd->setHorizontalSpacing(10);
    gd->addWidget(Etichetta(QStringLiteral("Giorno:")), 0, 0);
    gd->addWidget(Etichetta(QStringLiteral("Mese:")), 0, 1);
    gd->addWidget(Etichetta(QStringLiteral("Anno:")), 0, 2);
    gd->addWidget(txtGiornoRit, 1, 0);
    gd->addWidget(txtMeseRit, 1, 1);
    gd->addWidget(lblAnnoRit, 1, 2);
    gd->addWidget(impRitiro, 1, 3);
    auto *grpOra = new QGroupBox(QStringLiteral(" Ora chiamata: "), this);
    grpOra->setObjectName("grpOra");
    Sfondo(grpOra);
    auto *go = new QGridLayout(grpOra);
    go->setHorizontalSpacing(6);
    go->addWidget(Etichetta(QStringLiteral("Ore:")), 0, 0);
    go->addWidget(Etichetta(QStringLiteral("Minuti:")), 0, 2);
    go->addWidget(txtOreRit, 1, 0);
    auto *duePunti = new QLabel(QStringLiteral(":"), this);
    duePunti->setObjectName("lblDuePunti");
    go->addWidget(duePunti, 1, 1);
    go->addWidget(txtMinutiRit, 1, 2);
    go->addWidget(impOraRit, 1, 3);
    auto *rigaData = new QHBoxLayout;
    rigaData->setSpacing(12);
    rigaData->addWidget(grpData);
    rigaData->addWidget(grpOra);
    rigaData->addStretch();

    QGridLayout *s1 = Sezione(QStringLiteral("La chiamata"));
    Metti(s1, 0, 0, QStringLiteral("Tipo chiamata:"), txtTipo);
    Metti(s1, 0, 1, QStringLiteral("Grado soddisfazione:"), txtGrado);
    Metti(s1, 0, 2, QStringLiteral("Durata:"), txtDurata);
    Metti(s1, 1, 0, QStringLiteral("Oggetto:"), txtOggetto, 3);
    Metti(s1, 2, 0, QStringLiteral("Esito:"), txtEsito, 3);

    QGridLayout *s2 = Sezione(QStringLiteral("Il cliente"));
    Metti(s2, 0, 0, QStringLiteral("Cognome e nome cliente:"), txtCliente, 1, impCliente);
    Metti(s2, 0, 1, QStringLiteral("Codice fiscale:"), txtCodFisc, 1, btnCodFisc);
    Metti(s2, 0, 2, QStringLiteral("Zona di appartenenza:"), txtZona);
    Metti(s2, 1, 0, QStringLiteral("Tel. preferenziale:"), txtRecapito);
    Metti(s2, 1, 1, QStringLiteral("Tel. cellulare:"), txtTelCel);
    Metti(s2, 1, 2, QStringLiteral("E-mail:"), txtEmail, 1, btnEmail);

    QGridLayout *s3 = Sezione(QStringLiteral("Note"));
    Metti(s3, 0, 0, QStringLiteral("Note:"), txtNote, 3);
    Metti(s3, 1, 0, QStringLiteral("Operatore / Agente:"), txtOperatore);

    for (QGridLayout *g : {s1, s2, s3})
        for (int c = 0; c < g->columnCount(); ++c) g->setColumnStretch(c, 1);

    Stile::Principale(cmdSalva);
    // Side by side, the call on the left, the client and the notes on the right.
    Componi({campi_.get(),
             {cmdNuovo, cmdDuplica, cmdSalva, cmdTrova, cmdAnteprima, cmdStampa, cmdEsporta, cmdRiepOggi, cmdGuida},
             rigaData, 1});

    connect(cmdNuovo, &QPushButton::clicked, this, &TfrmChiamate::cmdNuovoClick);
    connect(cmdDuplica, &QPushButton::clicked, this, &TfrmChiamate::cmdDuplicaClick);
    connect(cmdSalva, &QPushButton::clicked, this, &TfrmChiamate::cmdSalvaClick);
    connect(cmdTrova, &QPushButton::clicked, this, &TfrmChiamate::cmdTrovaClick);
    connect(cmdAnteprima, &QPushButton::clicked, this, &TfrmChiamate::cmdAnteprimaClick);
    connect(cmdStampa, &QPushButton::clicked, this, &TfrmChiamate::cmdStampaClick);
    connect(cmdEsporta, &QPushButton::clicked, this, &TfrmChiamate::cmdEsportaClick);
    connect(cmdRiepOggi, &QPushButton::clicked, this, &TfrmChiamate::cmdRiepOggiClick);
    connect(cmdGuida, &QPushButton::clicked, this, &TfrmChiamate::cmdGuidaClick);
    connect(impRitiro, &QPushButton::clicked, this, &TfrmChiamate::impRitiroClick);
    connect(impOraRit, &QPushButton::clicked, this, &TfrmChiamate::impOraRitClick);
    connect(impCliente, &QPushButton::clicked, this, &TfrmChiamate::impClienteClick);
    connect(btnCodFisc, &QPushButton::clicked, this, &TfrmChiamate::btnCodFiscClick);
    connect(btnEmail, &QPushButton::clicked, this, &TfrmChiamate::btnEmailClick);
}

TfrmChiamate::~TfrmChiamate() = default;

void TfrmChiamate::CaricaChiamata(const TSchedaChiamata &r, qint64 posizione)
{
    campi_->Mostra(r.Buffer());
    campi_->ImpostaPosizione(posizione);
}

void TfrmChiamate::RiceviCliente(const TSchedaCliente &r)
{
    using C = LayoutCliente;
    txtCliente->setText(r.Get(C::Cliente));
    txtCodFisc->setText(r.Get(C::CodFisc));
    txtZona->setText(r.Get(C::Zona));
    txtEmail->setText(r.Get(C::Email));
    txtTelCel->setText(r.Get(C::TelCel));
    txtRecapito->setText(r.Get(C::Recapito));
}

TestiChiamata TfrmChiamate::Testi() const
{
    const std::vector<QString> t = campi_->Testi();
    TestiChiamata testi;
    for (size_t k = 0; k < testi.size() && k < t.size(); ++k) testi[k] = t[k];
    return testi;
}

void TfrmChiamate::AzzeraSelezioni()
{
    for (QComboBox *c : {txtGiornoRit, txtMeseRit, txtOreRit, txtMinutiRit}) {
        const QString t = c->currentText();
        c->setCurrentIndex(-1);
        c->setEditText(t);
    }
}

void TfrmChiamate::NuovaScheda()
{
    campi_->Svuota(); // no item selected, every field empty, a new card
    const SchedaChiamata::Momento m = SchedaChiamata::MomentoDi(Adesso());
    txtGiornoRit->setEditText(m.giorno);
    txtMeseRit->setEditText(m.mese);
    lblAnnoRit->setText(m.anno);
    txtOreRit->setEditText(m.ore);
    txtMinutiRit->setEditText(m.minuti);
    txtTipo->setEditText(SchedaChiamata::Tipi().first());
    txtOggetto->setFocus();
}

QWidget *TfrmChiamate::CampoIniziale() const
{
    return txtOggetto;
}

void TfrmChiamate::cmdNuovoClick()
{
    NuovaScheda();
}

void TfrmChiamate::cmdDuplicaClick()
{
    if (!Duplicabile()) return;
    campi_->ImpostaPosizione(0);
    for (QComboBox *c : {txtGiornoRit, txtMeseRit, txtOreRit, txtMinutiRit}) {
        c->setCurrentIndex(-1);
        c->setEditText(QString());
    }
    lblAnnoRit->setText(SchedaChiamata::MomentoDi(Adesso()).anno);
    txtGiornoRit->setFocus();
    Msg::Informazione(this, QStringLiteral("E' ora possibile apportare le proprie modifiche alla scheda corrente.\n\r\n\r"
                                           "Al termine premere Salva per inserire la scheda in archivio."));
}

void TfrmChiamate::cmdSalvaClick()
{
    AzzeraSelezioni();
    const std::optional<SchedaChiamata::Rifiuto> no = SchedaChiamata::Controlla(
        {txtGiornoRit->currentText(), txtMeseRit->currentText(), lblAnnoRit->text(), txtOreRit->currentText(),
         txtMinutiRit->currentText(), txtTipo->currentText(), txtOggetto->text(), txtCliente->text(),
         txtCodFisc->text(), txtTelCel->text()});
    if (no) {
        if (no->semplice) Msg::Semplice(this, no->messaggio);
        else Msg::Avviso(this, no->messaggio);
        if (auto *w = findChild<QWidget *>(QString::fromLatin1(no->fuoco))) w->setFocus();
        return;
    }
    // The derived texts go with the parts; a failed save leaves them as they were.
    const QString data = lblDataRit->text(), ora = lblOraRit->text();
    lblDataRit->setText(SchedaChiamata::DataRit(txtGiornoRit->currentText(), txtMeseRit->currentText(),
                                                lblAnnoRit->text()));
    lblOraRit->setText(SchedaChiamata::OraRit(txtOreRit->currentText(), txtMinutiRit->currentText()));
    if (!campi_->Salva()) {
        lblDataRit->setText(data);
        lblOraRit->setText(ora);
    }
}

void TfrmChiamate::impRitiroClick()
{
    const SchedaChiamata::Momento m = SchedaChiamata::MomentoDi(Adesso());
    lblAnnoRit->setText(m.anno);
    txtGiornoRit->setEditText(m.giorno);
    txtMeseRit->setEditText(m.mese);
}

void TfrmChiamate::impOraRitClick()
{
    const SchedaChiamata::Momento m = SchedaChiamata::MomentoDi(Adesso());
    txtOreRit->setEditText(m.ore);
    txtMinutiRit->setEditText(m.minuti);
}

void TfrmChiamate::impClienteClick()
{
    // The client search belongs to another app: the shell opens it.
    ApriFinestra(QStringLiteral("TfrmTrovaClienti"), this, QStringLiteral("chiamate"));
}

void TfrmChiamate::cmdGuidaClick()
{
    MostraGuida(this, GuidaChiamate());
}

void TfrmChiamate::btnEmailClick()
{
    TMisc::Open(QStringLiteral("\"mailto:") + Trim(txtEmail->text()) + QStringLiteral("\""));
}
