#include "clients/TfrmClienti.h"

#include "ui/Navigazione.h"
#include "ui/CampiScheda.h"
#include "ui/Guida.h"
#include "ui/Messaggi.h"
#include "ui/Disegni.h"
#include "ui/Kit.h"
#include "ui/TMisc.h"
#include "clients/GuidaClienti.h"
#include "storage/Testo.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QResizeEvent>
#include <QScrollArea>
#include <QTimer>
#include <QVBoxLayout>

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

// The width of the card's area from which its sections go in two columns.
constexpr int kLarghezzaDueColonne = 1080;

const char *const kStatoIniziale = "Pronto per archiviare una nuova scheda...";

} // namespace

TfrmClienti::TfrmClienti(QWidget *parent) : QWidget(parent)
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
    // The status line empties over the fields (the recontact box has a hint of its own).
    for (const CampoScheda &r : campi_->Campi())
        if (campi_->Controllo(r) != chkRicontatta) campi_->Controllo(r)->installEventFilter(this);
    for (QComboBox *c : {txtProvNasc, txtProvRes}) {
        TCampiScheda::ImpostaScelte(c, Province());
        c->setMaxVisibleItems(14);
        c->setFixedWidth(70);
    }
    chkRicontatta->setText(QStringLiteral("Da ricontattare"));

    lblPosizione = new QLabel(this);
    lblPosizione->setObjectName("lblPosizione");
    lblPosizione->setAlignment(Qt::AlignCenter);
    lblPosizione->setMinimumWidth(64);
    QFont grassetto = lblPosizione->font();
    grassetto.setBold(true);
    grassetto.setPointSizeF(grassetto.pointSizeF() * 1.2);
    lblPosizione->setFont(grassetto);
    lblPosizione->installEventFilter(this);
    campi_->ImpostaEtichettaPosizione(lblPosizione);

    panInfo = new QLabel(QString::fromLatin1(kStatoIniziale), this);
    panInfo->setObjectName("panInfo");
    panInfo->setStyleSheet(QStringLiteral("QLabel#panInfo { background: #1D5A9E; color: white; padding: 6px 12px; }"));

    // --- buttons -------------------------------------------------------------
    auto pulsante = [this](QPushButton *&b, const char *nome, const QString &testo, const QIcon &icona,
                           const QString &suggerimento) {
        b = Stile::Pulsante(testo, QString::fromLatin1(nome), this, icona, 0);
        b->setMinimumSize(0, 0);
        b->setAutoDefault(false);
        b->setFocusPolicy(Qt::NoFocus);
        b->setProperty("suggerimento", suggerimento); // also the tooltip of the small buttons
        Stile::Suggerimento(b, panInfo, suggerimento);
        return b;
    };
    // The drawn symbols, sharp at each size the buttons show them.
    const qreal dpr = devicePixelRatioF();
    const QColor primario(Stile::Colore::Primario);
    pulsante(cmdNuovo, "cmdNuovo", QStringLiteral("Nuovo"), Stile::IconaPulsante(Stile::Simbolo::Nuovo, primario, dpr),
             QStringLiteral("Prepara la schermata per la registrazione di una nuova scheda."));
    pulsante(cmdDuplica, "cmdDuplica", QStringLiteral("Duplica"), Stile::IconaPulsante(Stile::Simbolo::Duplica, primario, dpr),
             QStringLiteral("Prepara la schermata per la registrazione di una nuova scheda duplicando i dati correnti."));
    pulsante(cmdFile, "cmdFile", QStringLiteral("Allega file"), Stile::IconaPulsante(Stile::Simbolo::Allega, primario, dpr),
             QStringLiteral("Allega file alla scheda corrente."));
    pulsante(cmdSalva, "cmdSalva", QStringLiteral("Salva"), Stile::IconaPulsante(Stile::Simbolo::Salva, QColor(Stile::Colore::Carta), dpr),
             QStringLiteral("Salva la scheda corrente in archivio."));
    pulsante(cmdTrova, "cmdTrova", QStringLiteral("Trova"), Stile::IconaPulsante(Stile::Simbolo::Trova, primario, dpr),
             QStringLiteral("Trova una scheda in archivio."));
    pulsante(cmdAnteprima, "cmdAnteprima", QStringLiteral("Anteprima"), Stile::IconaPulsante(Stile::Simbolo::Anteprima, primario, dpr),
             QStringLiteral("Visualizza l'anteprima di stampa."));
    pulsante(cmdStampa, "cmdStampa", QStringLiteral("Stampa"), Stile::IconaPulsante(Stile::Simbolo::Stampa, primario, dpr),
             QStringLiteral("Stampa la scheda corrente."));
    pulsante(cmdPDF, "cmdPDF", QStringLiteral("Crea PDF"), Stile::IconaPulsante(Stile::Simbolo::Pdf, primario, dpr),
             QStringLiteral("Esporta la scheda in formato PDF."));
    pulsante(cmdRicontatta, "cmdRicontatta", QStringLiteral("Da ricontattare"), Stile::IconaPulsante(Stile::Simbolo::Ricontatta, primario, dpr),
             QStringLiteral("Visualizza il riepilogo dei clienti da ricontattare."));
    pulsante(cmdEsporta, "cmdEsporta", QStringLiteral("Esporta archivio"), Stile::IconaPulsante(Stile::Simbolo::Esporta, primario, dpr),
             QStringLiteral("Esporta le schede in archivio in un file di Microsoft Excel."));
    pulsante(cmdGuida, "cmdGuida", QStringLiteral("Guida"), Stile::IconaPulsante(Stile::Simbolo::Guida, primario, dpr),
             QStringLiteral("Visualizza la guida in linea."));
    pulsante(cmdEsci, "cmdEsci", QStringLiteral("Esci"), Stile::IconaPulsante(Stile::Simbolo::Esci, primario, dpr),
             QStringLiteral("Esci dalla schermata di lavoro corrente."));
    pulsante(cmdPrimo, "cmdPrimo", QString(), Stile::IconaPulsante(Stile::Simbolo::Primo, primario, dpr),
             QStringLiteral("Visualizza la prima scheda in archivio."));
    pulsante(cmdIndietro, "cmdIndietro", QString(), Stile::IconaPulsante(Stile::Simbolo::Indietro, primario, dpr),
             QStringLiteral("Visualizza la scheda precedente in archivio."));
    pulsante(cmdAvanti, "cmdAvanti", QString(), Stile::IconaPulsante(Stile::Simbolo::Avanti, primario, dpr),
             QStringLiteral("Visualizza la scheda successiva in archivio."));
    pulsante(cmdUltimo, "cmdUltimo", QString(), Stile::IconaPulsante(Stile::Simbolo::Ultimo, primario, dpr),
             QStringLiteral("Visualizza l'ultima scheda in archivio."));
    pulsante(btnEmail, "btnEmail", QString(), Stile::IconaPulsante(Stile::Simbolo::Email, primario, dpr),
             QStringLiteral("Invia una e-mail all'indirizzo indicato."));
    pulsante(btnChiamate, "btnChiamate", QString(), Stile::IconaPulsante(Stile::Simbolo::Chiamate, primario, dpr),
             QStringLiteral("Visualizza lo storico delle telefonate del cliente archiviate nel registro delle chiamate."));
    const QIcon controlla = Stile::IconaPulsante(Stile::Simbolo::Controlla, primario, dpr);
    pulsante(btnCodFisc, "btnCodFisc", QString(), controlla,
             QStringLiteral("Controlla il codice fiscale."));
    pulsante(btnCarta, "btnCarta", QString(), controlla,
             QStringLiteral("Controlla il numero di carta di credito."));
    pulsante(btnPartitaIva, "btnPartitaIva", QString(), controlla,
             QStringLiteral("Controlla il numero di partita IVA."));
    pulsante(btnIban, "btnIban", QString(), controlla, QStringLiteral("Controlla l'IBAN."));
    for (QPushButton *b : {btnEmail, btnChiamate, btnCodFisc, btnCarta, btnPartitaIva, btnIban}) {
        b->setFixedWidth(40);
        b->setToolTip(b->property("suggerimento").toString());
    }
    pulsante(btnProve, "btnProve", QStringLiteral("Servizi forniti"), Stile::IconaPulsante(Stile::Simbolo::Incassi, primario, dpr),
             QStringLiteral("Visualizza il riepilogo dei servizi forniti al cliente."));
    Stile::Suggerimento(chkRicontatta, panInfo,
                        QStringLiteral("Annota che il cliente è da ricontattare per questioni in sospeso."));

    // --- layout --------------------------------------------------------------
    QList<QWidget *> sezioni;
    auto sezione = [this, &sezioni](const QString &titolo) {
        auto *g = new QGroupBox(titolo, this);
        g->installEventFilter(this);
        auto *grid = new QGridLayout(g);
        grid->setHorizontalSpacing(12);
        grid->setVerticalSpacing(6);
        sezioni << g;
        return grid;
    };
    auto etichetta = [this](const QString &t) {
        auto *l = new QLabel(t, this);
        l->setStyleSheet(QStringLiteral("color: #5E6E7E;"));
        return l;
    };
    // A label above a field (and the buttons beside it) at row r, column c.
    auto metti = [&](QGridLayout *g, int r, int c, const QString &label, QWidget *campo, int span = 1,
                     QWidget *accanto = nullptr) {
        g->addWidget(etichetta(label), r * 2, c, 1, span);
        if (accanto) {
            auto *riga = new QHBoxLayout;
            riga->setSpacing(6);
            riga->addWidget(campo, 1);
            riga->addWidget(accanto);
            g->addLayout(riga, r * 2 + 1, c, 1, span);
        } else {
            g->addWidget(campo, r * 2 + 1, c, 1, span);
        }
    };

    QGridLayout *s1 = sezione(QStringLiteral("Dati anagrafici"));
    metti(s1, 0, 0, QStringLiteral("Cognome e nome:"), txtCliente, 2);
    metti(s1, 0, 2, QStringLiteral("Sesso:"), txtSesso);
    metti(s1, 0, 3, QStringLiteral("Data di nascita:"), txtDataNasc);
    metti(s1, 1, 0, QStringLiteral("Comune di nascita:"), txtComuneNasc, 2);
    metti(s1, 1, 2, QStringLiteral("Prov."), txtProvNasc);
    metti(s1, 1, 3, QStringLiteral("Tel. preferenziale:"), txtRecapito);
    metti(s1, 2, 0, QStringLiteral("Residente in Via / Piazza e numero civico:"), txtIndirizzoRes, 2);
    metti(s1, 2, 2, QStringLiteral("Prov."), txtProvRes);
    metti(s1, 2, 3, QStringLiteral("Comune di residenza:"), txtComuneRes);
    metti(s1, 3, 0, QStringLiteral("CAP:"), txtCapRes);
    metti(s1, 3, 1, QStringLiteral("Modalità di pagamento:"), txtEstremi, 3);
    txtSesso->setMaximumWidth(70);
    txtCapRes->setMaximumWidth(110);

    QGridLayout *s2 = sezione(QStringLiteral("Telefoni ed e-mail"));
    metti(s2, 0, 0, QStringLiteral("Tel. casa:"), txtTelCasa);
    metti(s2, 0, 1, QStringLiteral("Tel. ufficio:"), txtTelUff);
    metti(s2, 0, 2, QStringLiteral("Tel. cellulare:"), txtTelCel, 1, btnChiamate);
    metti(s2, 1, 0, QStringLiteral("PEC:"), txtFax);
    metti(s2, 1, 1, QStringLiteral("E-mail:"), txtEmail, 2, btnEmail);

    QGridLayout *s3 = sezione(QStringLiteral("Codici e dati di pagamento"));
    // the IBAN gets two columns, room for its 27 characters
    metti(s3, 0, 0, QStringLiteral("Codice fiscale:"), txtCodFisc, 1, btnCodFisc);
    metti(s3, 0, 1, QStringLiteral("Partita IVA:"), txtPartitaIva, 1, btnPartitaIva);
    metti(s3, 0, 2, QStringLiteral("Carta di credito n."), txtCarta);
    metti(s3, 1, 0, QStringLiteral("IBAN:"), txtIban, 2, btnIban);
    metti(s3, 1, 2, QStringLiteral("Scadenza:"), txtScadeCarta, 1, btnCarta);

    QGridLayout *s4 = sezione(QStringLiteral("Documento e dati personali"));
    metti(s4, 0, 0, QStringLiteral("Estremi documento:"), txtDocumento, 2);
    metti(s4, 0, 2, QStringLiteral("Occupazione:"), txtOccupazione);
    metti(s4, 1, 0, QStringLiteral("Stato civile:"), txtCivile);
    metti(s4, 1, 1, QStringLiteral("Titoli e qualifiche:"), txtTitoli, 2);
    metti(s4, 2, 0, QStringLiteral("Prodotti o servizi di interesse:"), txtProdotti, 2);
    metti(s4, 2, 2, QStringLiteral("Zona:"), txtZona);

    QGridLayout *s5 = sezione(QStringLiteral("Questioni in sospeso e note"));
    metti(s5, 0, 0, QStringLiteral("Questioni in sospeso:"), txtQuestioni, 2);
    metti(s5, 1, 0, QStringLiteral("Note:"), txtNote, 2);
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

    auto *centro = new QWidget;
    centro->setObjectName("panCentro");
    centro->installEventFilter(this);
    griglia_ = new QHBoxLayout(centro);
    griglia_->setContentsMargins(18, 14, 18, 14);
    griglia_->setSpacing(14);
    for (QVBoxLayout *&c : colonneSezioni_) {
        c = new QVBoxLayout;
        c->setSpacing(12);
        c->addStretch(1);
        griglia_->addLayout(c, 1);
    }
    sezioni_ = sezioni;
    DisponiSezioni(1);
    auto *scorri = new QScrollArea(this);
    scorri_ = scorri;
    scorri->setWidget(centro);
    scorri->setWidgetResizable(true);
    scorri->setFrameShape(QFrame::NoFrame);
    scorri->viewport()->installEventFilter(this);
    // Where the sections do not all fit, the field that gets the focus
    // (Enter, Tab, a click) is scrolled into view.
    connect(qApp, &QApplication::focusChanged, this, [this, centro](QWidget *, QWidget *ora) {
        if (ora && centro->isAncestorOf(ora)) scorri_->ensureWidgetVisible(ora, 24, 24);
    });

    auto *destra = new QWidget(this);
    destra->setObjectName("panPulsanti");
    destra->setStyleSheet(QStringLiteral(
        "QWidget#panPulsanti { background: white; border-left: 1px solid #D3DCE6; }"
        "QWidget#panPulsanti QPushButton { text-align: left; padding: 7px 12px; min-width: 150px; }"));
    auto *colonna = new QVBoxLayout(destra);
    colonna->setContentsMargins(14, 14, 14, 14);
    colonna->setSpacing(6);
    for (QPushButton *b : {cmdNuovo, cmdDuplica, cmdFile, cmdSalva, cmdTrova, cmdAnteprima, cmdStampa, cmdPDF,
                           cmdRicontatta, cmdEsporta, cmdGuida}) {
        b->setIconSize(QSize(22, 22));
        colonna->addWidget(b);
    }
    colonna->addStretch();
    cmdEsci->setIconSize(QSize(22, 22));
    colonna->addWidget(cmdEsci);
    Stile::Principale(cmdSalva);

    auto *sfoglia = new QHBoxLayout;
    sfoglia->setSpacing(4);
    for (QPushButton *b : {cmdPrimo, cmdIndietro}) sfoglia->addWidget(b);
    sfoglia->addWidget(lblPosizione);
    for (QPushButton *b : {cmdAvanti, cmdUltimo}) sfoglia->addWidget(b);

    auto *piede = new QHBoxLayout;
    piede->setContentsMargins(0, 0, 14, 0);
    piede->addWidget(panInfo, 1);
    piede->addSpacing(12);
    piede->addLayout(sfoglia);

    auto *corpo = new QHBoxLayout;
    corpo->setSpacing(0);
    corpo->addWidget(scorri, 1);
    corpo->addWidget(destra);

    auto *tutto = new QVBoxLayout(this);
    tutto->setContentsMargins(0, 0, 0, 0);
    tutto->setSpacing(0);
    auto *banner = new Stile::TImmagine(QStringLiteral("imgTitolo"), QSize(800, 64), this);
    banner->ImpostaDisegno([](QPainter &p, const QRectF &r, Stile::Stato) {
        Stile::DisegnaBanner(p, r, QStringLiteral("Clienti e Servizi"),
                             QStringLiteral("Schede dei clienti, servizi forniti e documenti allegati"));
    });
    banner->setFixedHeight(64);
    banner->setMinimumWidth(200);
    banner->installEventFilter(this);
    tutto->addWidget(banner);
    tutto->addLayout(corpo, 1);
    tutto->addLayout(piede);

    // Highlights and Tab order follow the Enter chain.
    campi_->CollegaCatena();

    connect(cmdNuovo, &QPushButton::clicked, this, &TfrmClienti::cmdNuovoClick);
    connect(cmdDuplica, &QPushButton::clicked, this, &TfrmClienti::cmdDuplicaClick);
    connect(cmdSalva, &QPushButton::clicked, this, &TfrmClienti::cmdSalvaClick);
    connect(cmdPrimo, &QPushButton::clicked, this, &TfrmClienti::cmdPrimoClick);
    connect(cmdIndietro, &QPushButton::clicked, this, &TfrmClienti::cmdIndietroClick);
    connect(cmdAvanti, &QPushButton::clicked, this, &TfrmClienti::cmdAvantiClick);
    connect(cmdUltimo, &QPushButton::clicked, this, &TfrmClienti::cmdUltimoClick);
    connect(cmdEsci, &QPushButton::clicked, this, &TfrmClienti::cmdEsciClick);
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

void TfrmClienti::SvuotaScheda()
{
    campi_->Svuota();
    txtCliente->setFocus();
}

void TfrmClienti::showEvent(QShowEvent *e)
{
    QWidget::showEvent(e);
    if (e->spontaneous()) return;
    SvuotaScheda();
    QTimer::singleShot(0, txtCliente, [this] { txtCliente->setFocus(); });
}

void TfrmClienti::closeEvent(QCloseEvent *e)
{
    e->accept();
    MostraHub();
    hide();
}

void TfrmClienti::DisponiSezioni(int colonne)
{
    if (colonne == colonne_) return;
    colonne_ = colonne;
    for (QWidget *s : sezioni_)
        for (QVBoxLayout *c : colonneSezioni_) c->removeWidget(s);
    // One under the other in their order; side by side, personal data and
    // telephones on the left, codes, documents and notes on the right.
    for (int i = 0; i < sezioni_.size(); ++i) {
        QVBoxLayout *c = colonneSezioni_[colonne == 2 && i >= 2 ? 1 : 0];
        c->insertWidget(c->count() - 1, sezioni_[i]);
    }
    griglia_->setStretch(1, colonne == 2 ? 1 : 0);
    griglia_->setSpacing(colonne == 2 ? 14 : 0);
}

bool TfrmClienti::eventFilter(QObject *o, QEvent *e)
{
    // The sections go side by side where the window is wide enough for them.
    if (scorri_ && o == scorri_->viewport() && e->type() == QEvent::Resize)
        DisponiSezioni(static_cast<QResizeEvent *>(e)->size().width() >= kLarghezzaDueColonne ? 2 : 1);
    // The status line empties over the background and the fields; the
    // buttons show their hints (Stile::Suggerimento).
    if (e->type() == QEvent::Enter) panInfo->clear();
    return QWidget::eventFilter(o, e);
}

void TfrmClienti::cmdNuovoClick()
{
    SvuotaScheda();
}

void TfrmClienti::cmdDuplicaClick()
{
    if (campi_->Posizione() == 0) { // a card never stored
        Msg::Avviso(this, QStringLiteral("Attenzione: la duplicazione di una scheda può avvenire soltanto dopo che "
                                         "questa è stata inserita in archivio."));
        return;
    }
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

void TfrmClienti::cmdPrimoClick() { campi_->Sfoglia(Freccia::Primo); }
void TfrmClienti::cmdIndietroClick() { campi_->Sfoglia(Freccia::Indietro); }
void TfrmClienti::cmdAvantiClick() { campi_->Sfoglia(Freccia::Avanti); }
void TfrmClienti::cmdUltimoClick() { campi_->Sfoglia(Freccia::Ultimo); }

void TfrmClienti::cmdEsciClick()
{
    close();
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
    if (campi_->Posizione() == 0) { // a card never stored
        Msg::Avviso(this, QStringLiteral("Attenzione: lo storico delle chiamate può essere visualizzato soltanto "
                                         "dopo aver salvato la scheda del cliente."));
        return;
    }
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
    if (campi_->Posizione() == 0) { // a card never stored
        Msg::Avviso(this, QStringLiteral("Attenzione: il riepilogo dei servizi può essere visualizzato soltanto "
                                         "dopo aver salvato la scheda del cliente."));
        return;
    }
    if (Trim(txtCliente->text()).isEmpty()) {
        Msg::Avviso(this, QStringLiteral("Attenzione: per visualizzare il riepilogo dei servizi è necessario "
                                         "indicare il nome del cliente."));
        txtCliente->setFocus();
        return;
    }
    ApriServizi();
}
