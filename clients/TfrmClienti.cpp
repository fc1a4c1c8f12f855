#include "clients/TfrmClienti.h"

#include "ui/Navigazione.h"
#include "ui/GestoreScheda.h"
#include "ui/Guida.h"
#include "ui/Messaggi.h"
#include "ui/Disegni.h"
#include "ui/Kit.h"
#include "ui/TMisc.h"
#include "clients/GuidaClienti.h"
#include "storage/Testo.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QStyle>
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

// How a field changes its text while it is typed.
enum Regola : int {
    Libero = 0,
    Maiuscolo = 1,       // upper-cased on every keystroke
    Spazi = 2,           // trimmed on every keystroke
    SpaziMaiuscolo = 3,  // both
    MaiuscoloRilascio = 4, // upper-cased when a key is released
};

QString Applica(int regola, const QString &t)
{
    switch (regola) {
    case Maiuscolo: return MaiuscoleAZ(t);
    case Spazi: return Trim(t);
    case SpaziMaiuscolo: return Trim(MaiuscoleAZ(t));
    default: return t;
    }
}

void CambiaTesto(QLineEdit *e, const QString &nuovo)
{
    if (e->text() == nuovo) return;
    const int cursore = e->cursorPosition() - (e->text().size() - nuovo.size());
    e->setText(nuovo);
    e->setCursorPosition(qMax(0, cursore));
}

const char *const kStatoIniziale = "Pronto per archiviare una nuova scheda...";

} // namespace

TfrmClienti::TfrmClienti(QWidget *parent) : QWidget(parent)
{
    setObjectName("frmClienti");
    setWindowTitle(QStringLiteral(" Pratovia - Clienti e Servizi"));
    setWindowIcon(QIcon(Stile::Icona(Stile::Simbolo::Clienti, 64)));

    auto nuovoCampo = [this](QLineEdit *&campo, const char *nome, int n, int regola = Libero) {
        campo = new QLineEdit(this);
        campo->setObjectName(nome);
        campo->setMaxLength(n);
        campo->setProperty("regola", regola);
        campo->installEventFilter(this);
        if (regola == Maiuscolo || regola == Spazi || regola == SpaziMaiuscolo)
            connect(campo, &QLineEdit::textEdited, campo, [campo, regola](const QString &t) {
                CambiaTesto(campo, Applica(regola, t));
            });
        return campo;
    };
    auto nuovaProvincia = [this](QComboBox *&c, const char *nome) {
        c = new QComboBox(this);
        c->setObjectName(nome);
        c->setEditable(true);
        c->addItems(Province());
        c->setInsertPolicy(QComboBox::NoInsert);
        c->setCompleter(nullptr); // the list only offers choices; typing is never completed
        c->setMaxVisibleItems(14);
        c->lineEdit()->setMaxLength(2);
        c->setCurrentIndex(-1);
        c->installEventFilter(this);
        c->lineEdit()->installEventFilter(this);
        connect(c->lineEdit(), &QLineEdit::textEdited, c, [c](const QString &t) {
            CambiaTesto(c->lineEdit(), Trim(MaiuscoleAZ(t)));
        });
        c->setFixedWidth(70);
        return c;
    };

    nuovoCampo(txtCliente, "txtCliente", 50);
    nuovoCampo(txtDataNasc, "txtDataNasc", 30);
    nuovoCampo(txtComuneNasc, "txtComuneNasc", 50);
    nuovaProvincia(txtProvNasc, "txtProvNasc");
    nuovoCampo(txtSesso, "txtSesso", 1, Maiuscolo);
    nuovoCampo(txtRecapito, "txtRecapito", 50);
    nuovoCampo(txtIndirizzoRes, "txtIndirizzoRes", 50);
    nuovaProvincia(txtProvRes, "txtProvRes");
    nuovoCampo(txtComuneRes, "txtComuneRes", 50);
    nuovoCampo(txtCapRes, "txtCapRes", 5, MaiuscoloRilascio);
    nuovoCampo(txtEstremi, "txtEstremi", 250);
    nuovoCampo(txtTelCasa, "txtTelCasa", 30);
    nuovoCampo(txtTelUff, "txtTelUff", 30);
    nuovoCampo(txtTelCel, "txtTelCel", 30)->setProperty("soloCifre", true);
    nuovoCampo(txtFax, "txtFax", 30, Spazi);
    nuovoCampo(txtEmail, "txtEmail", 50, Spazi);
    nuovoCampo(txtCodFisc, "txtCodFisc", 16, SpaziMaiuscolo);
    nuovoCampo(txtCarta, "txtCarta", 30)->setProperty("soloCifre", true);
    nuovoCampo(txtScadeCarta, "txtScadeCarta", 30);
    nuovoCampo(txtPartitaIva, "txtPartitaIva", 11)->setProperty("soloCifre", true);
    nuovoCampo(txtIban, "txtIban", 27, SpaziMaiuscolo);
    nuovoCampo(txtDocumento, "txtDocumento", 120);
    nuovoCampo(txtOccupazione, "txtOccupazione", 50);
    nuovoCampo(txtCivile, "txtCivile", 50);
    nuovoCampo(txtTitoli, "txtTitoli", 120);
    nuovoCampo(txtProdotti, "txtProdotti", 120);
    nuovoCampo(txtZona, "txtZona", 50);
    nuovoCampo(txtQuestioni, "txtQuestioni", 250);
    nuovoCampo(txtNote, "txtNote", 250);
    // txtEmail is also trimmed when it is left.
    connect(txtEmail, &QLineEdit::editingFinished, txtEmail, [this] { CambiaTesto(txtEmail, Trim(txtEmail->text())); });

    chkRicontatta = new QCheckBox(QStringLiteral("Da ricontattare"), this);
    chkRicontatta->setObjectName("chkRicontatta");
    chkRicontatta->installEventFilter(this);

    auto etichettaNascosta = [this](QLabel *&l, const char *nome) {
        l = new QLabel(this);
        l->setObjectName(nome);
        l->hide();
    };
    etichettaNascosta(lblFile01, "lblFile01");
    etichettaNascosta(lblFile02, "lblFile02");
    etichettaNascosta(lblFile03, "lblFile03");
    etichettaNascosta(lblDesc01, "lblDesc01");
    etichettaNascosta(lblDesc02, "lblDesc02");
    etichettaNascosta(lblDesc03, "lblDesc03");

    lblPosizione = new QLabel(this);
    lblPosizione->setObjectName("lblPosizione");
    lblPosizione->setAlignment(Qt::AlignCenter);
    lblPosizione->setMinimumWidth(64);
    QFont grassetto = lblPosizione->font();
    grassetto.setBold(true);
    grassetto.setPointSizeF(grassetto.pointSizeF() * 1.2);
    lblPosizione->setFont(grassetto);
    lblPosizione->installEventFilter(this);

    panInfo = new QLabel(QString::fromLatin1(kStatoIniziale), this);
    panInfo->setObjectName("panInfo");
    panInfo->setStyleSheet(QStringLiteral("QLabel#panInfo { background: #1D5A9E; color: white; padding: 6px 12px; }"));

    // --- buttons -------------------------------------------------------------
    auto pulsante = [this](QPushButton *&b, const char *nome, const QString &testo, const QIcon &icona,
                           const QString &suggerimento) {
        b = new QPushButton(icona, testo, this);
        b->setObjectName(nome);
        b->setCursor(Qt::PointingHandCursor);
        b->setAutoDefault(false);
        b->setFocusPolicy(Qt::NoFocus);
        b->setProperty("suggerimento", suggerimento);
        b->installEventFilter(this);
        return b;
    };
    // The drawn symbols, sharp at each size the buttons show them.
    const qreal dpr = devicePixelRatioF();
    auto glifo = [dpr](Stile::Simbolo s, QRgb colore = Stile::Colore::Primario) {
        QIcon icona;
        for (int lato : {16, 22, 32}) icona.addPixmap(Stile::Glifo(s, lato, QColor(colore), dpr));
        return icona;
    };
    pulsante(cmdNuovo, "cmdNuovo", QStringLiteral("Nuovo"), glifo(Stile::Simbolo::Nuovo),
             QStringLiteral("Prepara la schermata per la registrazione di una nuova scheda."));
    pulsante(cmdDuplica, "cmdDuplica", QStringLiteral("Duplica"), glifo(Stile::Simbolo::Duplica),
             QStringLiteral("Prepara la schermata per la registrazione di una nuova scheda duplicando i dati correnti."));
    pulsante(cmdFile, "cmdFile", QStringLiteral("Allega file"), glifo(Stile::Simbolo::Allega),
             QStringLiteral("Allega file alla scheda corrente."));
    pulsante(cmdSalva, "cmdSalva", QStringLiteral("Salva"), glifo(Stile::Simbolo::Salva, Stile::Colore::Carta),
             QStringLiteral("Salva la scheda corrente in archivio."));
    pulsante(cmdTrova, "cmdTrova", QStringLiteral("Trova"), glifo(Stile::Simbolo::Trova),
             QStringLiteral("Trova una scheda in archivio."));
    pulsante(cmdAnteprima, "cmdAnteprima", QStringLiteral("Anteprima"), glifo(Stile::Simbolo::Anteprima),
             QStringLiteral("Visualizza l'anteprima di stampa."));
    pulsante(cmdStampa, "cmdStampa", QStringLiteral("Stampa"), glifo(Stile::Simbolo::Stampa),
             QStringLiteral("Stampa la scheda corrente."));
    pulsante(cmdPDF, "cmdPDF", QStringLiteral("Crea PDF"), glifo(Stile::Simbolo::Pdf),
             QStringLiteral("Esporta la scheda in formato PDF."));
    pulsante(cmdRicontatta, "cmdRicontatta", QStringLiteral("Da ricontattare"), glifo(Stile::Simbolo::Ricontatta),
             QStringLiteral("Visualizza il riepilogo dei clienti da ricontattare."));
    pulsante(cmdEsporta, "cmdEsporta", QStringLiteral("Esporta archivio"), glifo(Stile::Simbolo::Esporta),
             QStringLiteral("Esporta le schede in archivio in un file di Microsoft Excel."));
    pulsante(cmdGuida, "cmdGuida", QStringLiteral("Guida"), glifo(Stile::Simbolo::Guida),
             QStringLiteral("Visualizza la guida in linea."));
    pulsante(cmdEsci, "cmdEsci", QStringLiteral("Esci"), glifo(Stile::Simbolo::Esci),
             QStringLiteral("Esci dalla schermata di lavoro corrente."));
    pulsante(cmdPrimo, "cmdPrimo", QString(), glifo(Stile::Simbolo::Primo),
             QStringLiteral("Visualizza la prima scheda in archivio."));
    pulsante(cmdIndietro, "cmdIndietro", QString(), glifo(Stile::Simbolo::Indietro),
             QStringLiteral("Visualizza la scheda precedente in archivio."));
    pulsante(cmdAvanti, "cmdAvanti", QString(), glifo(Stile::Simbolo::Avanti),
             QStringLiteral("Visualizza la scheda successiva in archivio."));
    pulsante(cmdUltimo, "cmdUltimo", QString(), glifo(Stile::Simbolo::Ultimo),
             QStringLiteral("Visualizza l'ultima scheda in archivio."));
    pulsante(btnEmail, "btnEmail", QString(), glifo(Stile::Simbolo::Email),
             QStringLiteral("Invia una e-mail all'indirizzo indicato."));
    pulsante(btnChiamate, "btnChiamate", QString(), glifo(Stile::Simbolo::Chiamate),
             QStringLiteral("Visualizza lo storico delle telefonate del cliente archiviate nel registro delle chiamate."));
    const QIcon controlla = glifo(Stile::Simbolo::Controlla);
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
    pulsante(btnProve, "btnProve", QStringLiteral("Servizi forniti"), glifo(Stile::Simbolo::Incassi),
             QStringLiteral("Visualizza il riepilogo dei servizi forniti al cliente."));
    chkRicontatta->setProperty("suggerimento",
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
    metti(s3, 0, 0, QStringLiteral("Codice fiscale:"), txtCodFisc, 1, btnCodFisc);
    metti(s3, 0, 1, QStringLiteral("Partita IVA:"), txtPartitaIva, 1, btnPartitaIva);
    metti(s3, 0, 2, QStringLiteral("IBAN:"), txtIban, 1, btnIban);
    metti(s3, 1, 0, QStringLiteral("Carta di credito n."), txtCarta);
    metti(s3, 1, 1, QStringLiteral("Scadenza:"), txtScadeCarta, 1, btnCarta);

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
    s5->setColumnStretch(0, 1);
    s5->setColumnStretch(1, 1);

    auto *centro = new QWidget;
    centro->setObjectName("panCentro");
    centro->installEventFilter(this);
    auto *colonnaSezioni = new QVBoxLayout(centro);
    colonnaSezioni->setContentsMargins(18, 14, 18, 14);
    colonnaSezioni->setSpacing(12);
    for (QWidget *s : sezioni) colonnaSezioni->addWidget(s);
    colonnaSezioni->addStretch();
    auto *scorri = new QScrollArea(this);
    scorri->setWidget(centro);
    scorri->setWidgetResizable(true);
    scorri->setFrameShape(QFrame::NoFrame);

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
    const QList<QWidget *> catena = {txtCliente, txtDataNasc, txtComuneNasc, txtProvNasc, txtSesso, txtRecapito,
                                     txtIndirizzoRes, txtProvRes, txtComuneRes, txtCapRes, txtEstremi, txtTelCasa,
                                     txtTelUff, txtTelCel, txtFax, txtEmail, txtCodFisc, txtCarta, txtScadeCarta,
                                     txtPartitaIva, txtIban, txtDocumento, txtOccupazione, txtCivile, txtTitoli,
                                     txtProdotti, txtZona, txtQuestioni, chkRicontatta, txtNote};
    for (int i = 0; i + 1 < catena.size(); ++i) setTabOrder(catena[i], catena[i + 1]);
    for (QWidget *w : catena)
        if (w != chkRicontatta) Stile::EvidenziaFocus(w, QStringLiteral("eff") + w->objectName().mid(3));

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

    gestore_ = std::make_unique<GestoreScheda>(GestoreScheda::Config{
        QString::fromLatin1(TSchedaCliente::NomeFile), TSchedaCliente::Dimensione, this, lblPosizione,
        [this](const char *rec) {
            TSchedaCliente r;
            std::memcpy(r.Buffer(), rec, TSchedaCliente::Dimensione);
            CaricaScheda(r, Trim(lblPosizione->text()).toLongLong());
        },
        [this](char *rec) {
            TSchedaCliente r;
            ComponiRecord(r);
            std::memcpy(rec, r.Buffer(), TSchedaCliente::Dimensione);
        },
        {}, {}});
}

TfrmClienti::~TfrmClienti() = default;

void TfrmClienti::CaricaScheda(const TSchedaCliente &r, qint64 posizione)
{
    using C = TSchedaCliente;
    const QList<QPair<QLineEdit *, C::Campo>> campi = {
        {txtCliente, C::Cliente}, {txtDataNasc, C::DataNasc}, {txtComuneNasc, C::ComuneNasc},
        {txtSesso, C::Sesso}, {txtRecapito, C::Recapito}, {txtIndirizzoRes, C::IndirizzoRes},
        {txtComuneRes, C::ComuneRes}, {txtCapRes, C::CapRes}, {txtEstremi, C::Estremi},
        {txtTelCasa, C::TelCasa}, {txtTelUff, C::TelUff}, {txtTelCel, C::TelCel}, {txtFax, C::Fax},
        {txtEmail, C::Email}, {txtCodFisc, C::CodFisc}, {txtCarta, C::Carta}, {txtScadeCarta, C::ScadeCarta},
        {txtPartitaIva, C::PartitaIva}, {txtIban, C::Iban}, {txtDocumento, C::Documento},
        {txtOccupazione, C::Occupazione}, {txtCivile, C::Civile}, {txtTitoli, C::Titoli},
        {txtProdotti, C::Prodotti}, {txtZona, C::Zona}, {txtQuestioni, C::Questioni}, {txtNote, C::Note}};
    for (const auto &[campo, f] : campi) campo->setText(r.Get(f));
    txtProvNasc->setEditText(r.Get(C::ProvNasc));
    txtProvRes->setEditText(r.Get(C::ProvRes));
    if (const auto flag = r.Flag(C::Ricontatta)) chkRicontatta->setChecked(*flag);
    lblFile01->setText(r.Get(C::File01));
    lblFile02->setText(r.Get(C::File02));
    lblFile03->setText(r.Get(C::File03));
    lblDesc01->setText(r.Get(C::Desc01));
    lblDesc02->setText(r.Get(C::Desc02));
    lblDesc03->setText(r.Get(C::Desc03));
    lblPosizione->setText(QString::number(posizione));
}

void TfrmClienti::ComponiRecord(TSchedaCliente &r) const
{
    using C = TSchedaCliente;
    r.Clear();
    const QList<QPair<QString, C::Campo>> valori = {
        {txtCliente->text(), C::Cliente}, {txtDataNasc->text(), C::DataNasc},
        {txtComuneNasc->text(), C::ComuneNasc}, {txtProvNasc->currentText(), C::ProvNasc},
        {txtSesso->text(), C::Sesso}, {txtRecapito->text(), C::Recapito},
        {txtIndirizzoRes->text(), C::IndirizzoRes}, {txtProvRes->currentText(), C::ProvRes},
        {txtComuneRes->text(), C::ComuneRes}, {txtCapRes->text(), C::CapRes}, {txtEstremi->text(), C::Estremi},
        {txtTelCasa->text(), C::TelCasa}, {txtTelUff->text(), C::TelUff}, {txtTelCel->text(), C::TelCel},
        {txtFax->text(), C::Fax}, {txtEmail->text(), C::Email}, {txtCodFisc->text(), C::CodFisc},
        {txtCarta->text(), C::Carta}, {txtScadeCarta->text(), C::ScadeCarta},
        {txtPartitaIva->text(), C::PartitaIva}, {txtIban->text(), C::Iban},
        {txtDocumento->text(), C::Documento}, {txtOccupazione->text(), C::Occupazione},
        {txtCivile->text(), C::Civile}, {txtTitoli->text(), C::Titoli}, {txtProdotti->text(), C::Prodotti},
        {txtZona->text(), C::Zona}, {txtQuestioni->text(), C::Questioni}, {txtNote->text(), C::Note},
        {lblFile01->text(), C::File01}, {lblFile02->text(), C::File02}, {lblFile03->text(), C::File03},
        {lblDesc01->text(), C::Desc01}, {lblDesc02->text(), C::Desc02}, {lblDesc03->text(), C::Desc03}};
    for (const auto &[v, f] : valori) r.Set(f, v);
    r.SetFlag(C::Ricontatta, chkRicontatta->isChecked());
}

void TfrmClienti::SvuotaScheda()
{
    for (QLineEdit *e : findChildren<QLineEdit *>())
        if (e->objectName().startsWith(QLatin1String("txt"))) e->clear();
    for (QComboBox *c : {txtProvNasc, txtProvRes}) {
        c->setCurrentIndex(-1);
        c->setEditText(QString());
    }
    chkRicontatta->setChecked(false);
    for (QLabel *l : {lblFile01, lblFile02, lblFile03, lblDesc01, lblDesc02, lblDesc03, lblPosizione}) l->clear();
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

bool TfrmClienti::eventFilter(QObject *o, QEvent *e)
{
    switch (e->type()) {
    case QEvent::Enter: {
        const QVariant s = o->property("suggerimento");
        panInfo->setText(s.isValid() ? s.toString() : QString());
        break;
    }
    case QEvent::FocusIn:
        if (auto *c = qobject_cast<QComboBox *>(o)) {
            // About to receive the focus: no list item selected, the text stays.
            const QString t = c->currentText();
            c->setCurrentIndex(-1);
            c->setEditText(t);
        }
        break;
    case QEvent::FocusOut:
        for (QComboBox *c : {txtProvNasc, txtProvRes})
            if (o == c || o == c->lineEdit()) c->setEditText(Trim(MaiuscoleAZ(c->currentText())));
        break;
    case QEvent::KeyRelease:
        if (o == txtCapRes) CambiaTesto(txtCapRes, MaiuscoleAZ(txtCapRes->text()));
        break;
    case QEvent::KeyPress: {
        auto *k = static_cast<QKeyEvent *>(e);
        QWidget *w = qobject_cast<QWidget *>(o);
        if (w && w->parentWidget() && qobject_cast<QComboBox *>(w->parentWidget())) w = w->parentWidget();
        if (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) {
            // Enter moves along the chain; txtNote goes back to txtCliente.
            static const char *const ordine[] = {
                "txtCliente", "txtDataNasc", "txtComuneNasc", "txtProvNasc", "txtSesso", "txtRecapito",
                "txtIndirizzoRes", "txtProvRes", "txtComuneRes", "txtCapRes", "txtEstremi", "txtTelCasa",
                "txtTelUff", "txtTelCel", "txtFax", "txtEmail", "txtCodFisc", "txtCarta", "txtScadeCarta",
                "txtPartitaIva", "txtIban", "txtDocumento", "txtOccupazione", "txtCivile", "txtTitoli",
                "txtProdotti", "txtZona", "txtQuestioni", "txtNote"};
            constexpr int n = sizeof(ordine) / sizeof(ordine[0]);
            for (int i = 0; w && i < n; ++i) {
                if (w->objectName() == QLatin1String(ordine[i])) {
                    if (auto *prossimo = findChild<QWidget *>(QLatin1String(ordine[(i + 1) % n]))) prossimo->setFocus();
                    return true;
                }
            }
        }
        if (o->property("soloCifre").toBool()) {
            switch (k->key()) {
            case Qt::Key_Backspace:
            case Qt::Key_Delete:
            case Qt::Key_Left:
            case Qt::Key_Right:
            case Qt::Key_Tab:
            case Qt::Key_Backtab:
                break;
            default:
                if (k->text().isEmpty() && !(k->modifiers() & Qt::ControlModifier)) break; // Home, End, Shift...
                if (k->modifiers() & Qt::ControlModifier) return true; // no paste of letters either
                if (!SoloCifre(k->text())) return true;
            }
        }
        break;
    }
    default:
        break;
    }
    return QWidget::eventFilter(o, e);
}

void TfrmClienti::cmdNuovoClick()
{
    SvuotaScheda();
}

void TfrmClienti::cmdDuplicaClick()
{
    if (Trim(lblPosizione->text()).isEmpty()) {
        Msg::Avviso(this, QStringLiteral("Attenzione: la duplicazione di una scheda può avvenire soltanto dopo che "
                                         "questa è stata inserita in archivio."));
        return;
    }
    for (QLabel *l : {lblFile01, lblFile02, lblFile03, lblDesc01, lblDesc02, lblDesc03, lblPosizione}) l->clear();
    if (!gestore_->Raggiungibile()) return;
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
    gestore_->Salva();
}

void TfrmClienti::cmdPrimoClick() { gestore_->Sfoglia(Freccia::Primo); }
void TfrmClienti::cmdIndietroClick() { gestore_->Sfoglia(Freccia::Indietro); }
void TfrmClienti::cmdAvantiClick() { gestore_->Sfoglia(Freccia::Avanti); }
void TfrmClienti::cmdUltimoClick() { gestore_->Sfoglia(Freccia::Ultimo); }

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
    if (Trim(lblPosizione->text()).isEmpty()) {
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
    if (Trim(lblPosizione->text()).isEmpty()) {
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
