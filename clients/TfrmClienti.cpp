#include "clients/TfrmClienti.h"

#include "ui/CampiScheda.h"
#include "ui/Guida.h"
#include "ui/Messaggi.h"
#include "ui/Kit.h"
#include "ui/TMisc.h"
#include "clients/GuidaClienti.h"
#include "storage/Testo.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

const QStringList &Province()
{
    static const QStringList p = QStringLiteral(
        "AG AL AN AO AP AQ AR AT AV BA BG BI BL BN BO BR BS BT BZ CA CB CE CH CI CL CN CO CR CS CT CZ EE EN "
        "FC FE FG FI FM FO FR GE GO GR IM IS KR LC LE LI LO LT LU MB MC MD ME MI MN MO MS MT NA NO NU OG OR "
        "OT PA PC PD PE PG PI PN PO PR PT PU PV PZ RA RC RE RG RI RM RN RO SA SI SO SP SR SS SV TA TE TN TO "
        "TP TR TS TV UD VA VB VC VE VI VR VT VV").split(u' ');
    return p;
}

} // namespace

TfrmClienti::TfrmClienti(QWidget *parent)
    : TFinestraScheda(parent, {QStringLiteral("Clienti e Servizi"),
                               QStringLiteral("Schede dei clienti, servizi forniti e documenti allegati"),
                               QStringLiteral("Pronto per archiviare una nuova scheda..."),
                               QStringLiteral("Esci dalla schermata di lavoro corrente.")})
{
    setObjectName("frmClienti");
    setWindowTitle(QStringLiteral(" Pratovia - Clienti e Servizi"));
    setWindowIcon(QIcon(Stile::Icona(Stile::Simbolo::Clienti, 64)));

    // The card's fields in Enter and Tab order, with the record fields they
    // show; their sizes are those of the record layout.
    using C = LayoutCliente;
    namespace R = Regola;
    campi_ = std::make_unique<TCampiScheda>(TCampiScheda::Config{
        this, FormatoDi<LayoutCliente>(),
        {
            {&txtCliente, "txtCliente", C::Cliente},
            {&txtDataNasc, "txtDataNasc", C::DataNasc},
            {&txtComuneNasc, "txtComuneNasc", C::ComuneNasc},
            {&txtProvNasc, "txtProvNasc", C::ProvNasc, R::Maiuscole | R::SenzaSpazi | R::AncheInUscita},
            {&txtSesso, "txtSesso", C::Sesso, R::Maiuscole},
            {&txtRecapito, "txtRecapito", C::Recapito},
            {&txtIndirizzoRes, "txtIndirizzoRes", C::IndirizzoRes},
            {&txtProvRes, "txtProvRes", C::ProvRes, R::Maiuscole | R::SenzaSpazi | R::AncheInUscita},
            {&txtComuneRes, "txtComuneRes", C::ComuneRes},
            {&txtCapRes, "txtCapRes", C::CapRes, R::MaiuscoleAlRilascio},
            {&txtEstremi, "txtEstremi", C::Estremi},
            {&txtTelCasa, "txtTelCasa", C::TelCasa},
            {&txtTelUff, "txtTelUff", C::TelUff},
            {&txtTelCel, "txtTelCel", C::TelCel, R::Cifre},
            {&txtFax, "txtFax", C::Fax, R::SenzaSpazi},
            {&txtEmail, "txtEmail", C::Email, R::SenzaSpazi | R::AncheInUscita},
            {&txtCodFisc, "txtCodFisc", C::CodFisc, R::Maiuscole | R::SenzaSpazi},
            {&txtCarta, "txtCarta", C::Carta, R::Cifre},
            {&txtScadeCarta, "txtScadeCarta", C::ScadeCarta},
            {&txtPartitaIva, "txtPartitaIva", C::PartitaIva, R::Cifre},
            {&txtIban, "txtIban", C::Iban, R::Maiuscole | R::SenzaSpazi},
            {&txtDocumento, "txtDocumento", C::Documento},
            {&txtOccupazione, "txtOccupazione", C::Occupazione},
            {&txtCivile, "txtCivile", C::Civile},
            {&txtTitoli, "txtTitoli", C::Titoli},
            {&txtProdotti, "txtProdotti", C::Prodotti},
            {&txtZona, "txtZona", C::Zona},
            {&txtQuestioni, "txtQuestioni", C::Questioni},
            {&chkRicontatta, "chkRicontatta", C::Ricontatta, R::Libera, false}, // Tab only
            {&txtNote, "txtNote", C::Note}, // Enter goes back to txtCliente
            // Hidden: the attachments travel with the card.
            {&lblFile01, "lblFile01", C::File01},
            {&lblFile02, "lblFile02", C::File02},
            {&lblFile03, "lblFile03", C::File03},
            {&lblDesc01, "lblDesc01", C::Desc01},
            {&lblDesc02, "lblDesc02", C::Desc02},
            {&lblDesc03, "lblDesc03", C::Desc03},
        },
        {}, {}});
    for (QComboBox *c : {txtProvNasc, txtProvRes}) {
        TCampiScheda::ImpostaScelte(c, Province());
        c->setMaxVisibleItems(14);
        c->setFixedWidth(70);
    }
    chkRicontatta->setText(QStringLiteral("Da ricontattare"));

    // --- buttons -------------------------------------------------------------
    auto pulsante = [this](QPushButton *&b, const char *nome, const QString &testo, Stile::Simbolo s,
                           const QString &suggerimento, QRgb colore = Stile::Colore::Primario) {
        return Pulsante(b, nome, testo, Glifo(s, colore), suggerimento);
    };
    using S = Stile::Simbolo;
    pulsante(cmdNuovo, "cmdNuovo", QStringLiteral("Nuovo"), S::Nuovo,
             QStringLiteral("Prepara la schermata per la registrazione di una nuova scheda."));
    pulsante(cmdDuplica, "cmdDuplica", QStringLiteral("Duplica"), S::Duplica,
             QStringLiteral("Prepara la schermata per la registrazione di una nuova scheda duplicando i dati correnti."));
    pulsante(cmdFile, "cmdFile", QStringLiteral("Allega file"), S::Allega,
             QStringLiteral("Allega file alla scheda corrente."));
    pulsante(cmdSalva, "cmdSalva", QStringLiteral("Salva"), S::Salva,
             QStringLiteral("Salva la scheda corrente in archivio."), Stile::Colore::Carta);
    pulsante(cmdTrova, "cmdTrova", QStringLiteral("Trova"), S::Trova,
             QStringLiteral("Trova una scheda in archivio."));
    pulsante(cmdAnteprima, "cmdAnteprima", QStringLiteral("Anteprima"), S::Anteprima,
             QStringLiteral("Visualizza l'anteprima di stampa."));
    pulsante(cmdStampa, "cmdStampa", QStringLiteral("Stampa"), S::Stampa,
             QStringLiteral("Stampa la scheda corrente."));
    pulsante(cmdPDF, "cmdPDF", QStringLiteral("Crea PDF"), S::Pdf,
             QStringLiteral("Esporta la scheda in formato PDF."));
    pulsante(cmdRicontatta, "cmdRicontatta", QStringLiteral("Da ricontattare"), S::Ricontatta,
             QStringLiteral("Visualizza il riepilogo dei clienti da ricontattare."));
    pulsante(cmdEsporta, "cmdEsporta", QStringLiteral("Esporta archivio"), S::Esporta,
             QStringLiteral("Esporta le schede in archivio in un file di Microsoft Excel."));
    pulsante(cmdGuida, "cmdGuida", QStringLiteral("Guida"), S::Guida,
             QStringLiteral("Visualizza la guida in linea."));
    pulsante(btnEmail, "btnEmail", QString(), S::Email,
             QStringLiteral("Invia una e-mail all'indirizzo indicato."));
    pulsante(btnChiamate, "btnChiamate", QString(), S::Chiamate,
             QStringLiteral("Visualizza lo storico delle telefonate del cliente archiviate nel registro delle chiamate."));
    pulsante(btnCodFisc, "btnCodFisc", QString(), S::Controlla,
             QStringLiteral("Controlla il codice fiscale."));
    pulsante(btnCarta, "btnCarta", QString(), S::Controlla,
             QStringLiteral("Controlla il numero di carta di credito."));
    pulsante(btnPartitaIva, "btnPartitaIva", QString(), S::Controlla,
             QStringLiteral("Controlla il numero di partita IVA."));
    pulsante(btnIban, "btnIban", QString(), S::Controlla, QStringLiteral("Controlla l'IBAN."));
    for (QPushButton *b : {btnEmail, btnChiamate, btnCodFisc, btnCarta, btnPartitaIva, btnIban}) {
        b->setFixedWidth(40);
        b->setToolTip(b->property("suggerimento").toString());
    }
    pulsante(btnProve, "btnProve", QStringLiteral("Servizi forniti"), S::Incassi,
             QStringLiteral("Visualizza il riepilogo dei servizi forniti al cliente."));
    Suggerisci(chkRicontatta,
               QStringLiteral("Annota che il cliente è da ricontattare per questioni in sospeso."));

    // --- layout --------------------------------------------------------------
    QGridLayout *s1 = Sezione(QStringLiteral("Dati anagrafici"));
    Metti(s1, 0, 0, QStringLiteral("Cognome e nome:"), txtCliente, 2);
    Metti(s1, 0, 2, QStringLiteral("Sesso:"), txtSesso);
    Metti(s1, 0, 3, QStringLiteral("Data di nascita:"), txtDataNasc);
    Metti(s1, 1, 0, QStringLiteral("Comune di nascita:"), txtComuneNasc, 2);
    Metti(s1, 1, 2, QStringLiteral("Prov."), txtProvNasc);
    Metti(s1, 1, 3, QStringLiteral("Tel. preferenziale:"), txtRecapito);
    Metti(s1, 2, 0, QStringLiteral("Residente in Via / Piazza e numero civico:"), txtIndirizzoRes, 2);
    Metti(s1, 2, 2, QStringLiteral("Prov."), txtProvRes);
    Metti(s1, 2, 3, QStringLiteral("Comune di residenza:"), txtComuneRes);
    Metti(s1, 3, 0, QStringLiteral("CAP:"), txtCapRes);
    Metti(s1, 3, 1, QStringLiteral("Modalità di pagamento:"), txtEstremi, 3);
    txtSesso->setMaximumWidth(70);
    txtCapRes->setMaximumWidth(110);

    QGridLayout *s2 = Sezione(QStringLiteral("Telefoni ed e-mail"));
    Metti(s2, 0, 0, QStringLiteral("Tel. casa:"), txtTelCasa);
    Metti(s2, 0, 1, QStringLiteral("Tel. ufficio:"), txtTelUff);
    Metti(s2, 0, 2, QStringLiteral("Tel. cellulare:"), txtTelCel, 1, btnChiamate);
    Metti(s2, 1, 0, QStringLiteral("PEC:"), txtFax);
    Metti(s2, 1, 1, QStringLiteral("E-mail:"), txtEmail, 2, btnEmail);

    QGridLayout *s3 = Sezione(QStringLiteral("Codici e dati di pagamento"));
    // the IBAN gets two columns, room for its 27 characters
    Metti(s3, 0, 0, QStringLiteral("Codice fiscale:"), txtCodFisc, 1, btnCodFisc);
    Metti(s3, 0, 1, QStringLiteral("Partita IVA:"), txtPartitaIva, 1, btnPartitaIva);
    Metti(s3, 0, 2, QStringLiteral("Carta di credito n."), txtCarta);
    Metti(s3, 1, 0, QStringLiteral("IBAN:"), txtIban, 2, btnIban);
    Metti(s3, 1, 2, QStringLiteral("Scadenza:"), txtScadeCarta, 1, btnCarta);

    QGridLayout *s4 = Sezione(QStringLiteral("Documento e dati personali"));
    Metti(s4, 0, 0, QStringLiteral("Estremi documento:"), txtDocumento, 2);
    Metti(s4, 0, 2, QStringLiteral("Occupazione:"), txtOccupazione);
    Metti(s4, 1, 0, QStringLiteral("Stato civile:"), txtCivile);
    Metti(s4, 1, 1, QStringLiteral("Titoli e qualifiche:"), txtTitoli, 2);
    Metti(s4, 2, 0, QStringLiteral("Prodotti o servizi di interesse:"), txtProdotti, 2);
    Metti(s4, 2, 2, QStringLiteral("Zona:"), txtZona);

    QGridLayout *s5 = Sezione(QStringLiteral("Questioni in sospeso e note"));
    Metti(s5, 0, 0, QStringLiteral("Questioni in sospeso:"), txtQuestioni, 2);
    Metti(s5, 1, 0, QStringLiteral("Note:"), txtNote, 2);
    auto *rigaFlag = new QHBoxLayout;
    rigaFlag->addWidget(chkRicontatta);
    rigaFlag->addStretch();
    rigaFlag->addWidget(btnProve);
    s5->addLayout(rigaFlag, 4, 0, 1, 2);

    for (QGridLayout *g : {s1, s2, s3, s4})
        for (int c = 0; c < g->columnCount(); ++c) g->setColumnStretch(c, 1);
    s3->setColumnStretch(0, 3); // the 16 characters of the codice fiscale
    s3->setColumnStretch(1, 2);
    s3->setColumnStretch(2, 2);
    s5->setColumnStretch(0, 1);
    s5->setColumnStretch(1, 1);

    Stile::Principale(cmdSalva);
    // Side by side, personal data and telephones on the left, codes,
    // documents and notes on the right.
    Componi({campi_.get(),
             {cmdNuovo, cmdDuplica, cmdFile, cmdSalva, cmdTrova, cmdAnteprima, cmdStampa, cmdPDF, cmdRicontatta,
              cmdEsporta, cmdGuida},
             nullptr, 2});

    connect(cmdNuovo, &QPushButton::clicked, this, &TfrmClienti::cmdNuovoClick);
    connect(cmdDuplica, &QPushButton::clicked, this, &TfrmClienti::cmdDuplicaClick);
    connect(cmdSalva, &QPushButton::clicked, this, &TfrmClienti::cmdSalvaClick);
    connect(cmdFile, &QPushButton::clicked, this, &TfrmClienti::cmdFileClick);
    connect(cmdTrova, &QPushButton::clicked, this, &TfrmClienti::cmdTrovaClick);
    connect(cmdAnteprima, &QPushButton::clicked, this, &TfrmClienti::cmdAnteprimaClick);
    connect(cmdStampa, &QPushButton::clicked, this, &TfrmClienti::cmdStampaClick);
    connect(cmdPDF, &QPushButton::clicked, this, &TfrmClienti::cmdPDFClick);
    connect(cmdRicontatta, &QPushButton::clicked, this, &TfrmClienti::cmdRicontattaClick);
    connect(cmdEsporta, &QPushButton::clicked, this, &TfrmClienti::cmdEsportaClick);
    connect(cmdGuida, &QPushButton::clicked, this, &TfrmClienti::cmdGuidaClick);
    connect(btnEmail, &QPushButton::clicked, this, &TfrmClienti::btnEmailClick);
    connect(btnChiamate, &QPushButton::clicked, this, &TfrmClienti::btnChiamateClick);
    connect(btnCodFisc, &QPushButton::clicked, this, &TfrmClienti::btnCodFiscClick);
    connect(btnCarta, &QPushButton::clicked, this, &TfrmClienti::btnCartaClick);
    connect(btnPartitaIva, &QPushButton::clicked, this, &TfrmClienti::btnPartitaIvaClick);
    connect(btnIban, &QPushButton::clicked, this, &TfrmClienti::btnIbanClick);
    connect(btnProve, &QPushButton::clicked, this, &TfrmClienti::btnProveClick);
}

TfrmClienti::~TfrmClienti() = default;

void TfrmClienti::CaricaScheda(const TSchedaCliente &r, qint64 posizione)
{
    campi_->Mostra(r.Buffer());
    campi_->ImpostaPosizione(posizione);
}

void TfrmClienti::NuovaScheda()
{
    campi_->Svuota();
    txtCliente->setFocus();
}

QWidget *TfrmClienti::CampoIniziale() const
{
    return txtCliente;
}

void TfrmClienti::cmdNuovoClick()
{
    NuovaScheda();
}

void TfrmClienti::cmdDuplicaClick()
{
    if (!Duplicabile()) return;
    for (QLabel *l : {lblFile01, lblFile02, lblFile03, lblDesc01, lblDesc02, lblDesc03}) l->clear();
    campi_->ImpostaPosizione(0);
    if (!campi_->Raggiungibile()) return;
    txtCliente->setFocus();
    Msg::Informazione(this, QStringLiteral("E' ora possibile apportare le proprie modifiche alla scheda corrente.\n\r\n\r"
                                           "Al termine premere Salva per inserire la scheda in archivio."));
}

void TfrmClienti::cmdSalvaClick()
{
    const struct {
        QLineEdit *campo;
        const char *messaggio;
    } obbligatori[] = {
        {txtCliente, "Attenzione: per salvare la scheda è necessario indicare il nome del cliente."},
        {txtTelCel, "Attenzione: per salvare la scheda è necessario indicare il numero di cellulare del cliente."},
        {txtCodFisc, "Attenzione: per salvare la scheda è necessario indicare il codice fiscale del cliente."},
    };
    for (const auto &o : obbligatori) {
        if (Trim(o.campo->text()).isEmpty()) {
            Msg::Avviso(this, QString::fromUtf8(o.messaggio));
            o.campo->setFocus();
            return;
        }
    }
    campi_->Salva();
}

void TfrmClienti::cmdGuidaClick()
{
    MostraGuida(this, GuidaClienti());
}

void TfrmClienti::btnEmailClick()
{
    TMisc::Open(QStringLiteral("\"mailto:") + Trim(txtEmail->text()) + QStringLiteral("\""));
}

void TfrmClienti::btnChiamateClick()
{
    if (!Archiviata(QStringLiteral("Attenzione: lo storico delle chiamate può essere visualizzato soltanto "
                                   "dopo aver salvato la scheda del cliente.")))
        return;
    if (Trim(txtCodFisc->text()).isEmpty()) {
        Msg::Avviso(this, QStringLiteral("Attenzione: per visualizzare lo storico delle chiamate è necessario "
                                         "indicare il codice fiscale dello cliente."));
        txtCodFisc->setFocus();
        return;
    }
    ApriStoricoChiamate();
}

void TfrmClienti::btnProveClick()
{
    if (!Archiviata(QStringLiteral("Attenzione: il riepilogo dei servizi può essere visualizzato soltanto "
                                   "dopo aver salvato la scheda del cliente.")))
        return;
    if (Trim(txtCliente->text()).isEmpty()) {
        Msg::Avviso(this, QStringLiteral("Attenzione: per visualizzare il riepilogo dei servizi è necessario "
                                         "indicare il nome del cliente."));
        txtCliente->setFocus();
        return;
    }
    ApriServizi();
}
