#include "calls/TfrmChiamate.h"

#include "calls/GuidaChiamate.h"
#include "calls/SchedaChiamata.h"
#include "storage/Cartella.h"
#include "storage/Formati.h"
#include "storage/Testo.h"
#include "ui/CampiScheda.h"
#include "ui/Disegni.h"
#include "ui/Guida.h"
#include "ui/Kit.h"
#include "ui/Messaggi.h"
#include "ui/Navigazione.h"
#include "ui/TMisc.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTimer>
#include <QVBoxLayout>

namespace {
const char *const kStatoIniziale = "Pronto per stampare una nuova scheda...";
}

void RegistraScrittoriChiamate()
{
    static const bool fatto = [] {
        RegistraScrittoreCliente(QStringLiteral("chiamate"), [](QWidget *owner, const TSchedaCliente &r, qint64) {
            auto *f = FinestraSopra<TfrmChiamate>(owner);
            if (f) f->RiceviCliente(r);
            return f != nullptr;
        });
        return true;
    }();
    (void)fatto;
}

TfrmChiamate::TfrmChiamate(QWidget *parent) : QWidget(parent)
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
    for (const CampoScheda &r : campi_->Campi()) campi_->Controllo(r)->installEventFilter(this); // status line
    TCampiScheda::ImpostaScelte(txtGiornoRit, SchedaChiamata::Giorni());
    TCampiScheda::ImpostaScelte(txtMeseRit, NomiMesi());
    TCampiScheda::ImpostaScelte(txtOreRit, SchedaChiamata::Ore());
    TCampiScheda::ImpostaScelte(txtMinutiRit, SchedaChiamata::Minuti());
    TCampiScheda::ImpostaScelte(txtTipo, SchedaChiamata::Tipi());
    for (QComboBox *c : {txtGiornoRit, txtOreRit, txtMinutiRit}) {
        c->setMaxVisibleItems(12);
        c->setFixedWidth(76);
    }
    txtMeseRit->setMaxVisibleItems(12);
    txtMeseRit->setFixedWidth(130);
    lblAnnoRit->setFixedWidth(76);

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
        b = new QPushButton(icona, testo, this);
        b->setObjectName(nome);
        b->setCursor(Qt::PointingHandCursor);
        b->setAutoDefault(false);
        b->setFocusPolicy(Qt::NoFocus);
        b->setProperty("suggerimento", suggerimento);
        b->installEventFilter(this);
        return b;
    };
    const qreal dpr = devicePixelRatioF();
    auto glifo = [dpr](Stile::Simbolo s, QRgb colore = Stile::Colore::Primario) {
        QIcon icona;
        for (int lato : {16, 22, 32}) icona.addPixmap(Stile::Glifo(s, lato, QColor(colore), dpr));
        return icona;
    };
    using S = Stile::Simbolo;
    pulsante(cmdNuovo, "cmdNuovo", QStringLiteral("Nuovo"), glifo(S::Nuovo),
             QStringLiteral("Prepara la schermata per la registrazione di una nuova scheda."));
    pulsante(cmdDuplica, "cmdDuplica", QStringLiteral("Duplica"), glifo(S::Duplica),
             QStringLiteral("Prepara la schermata per la registrazione di una nuova scheda duplicando i dati correnti."));
    pulsante(cmdSalva, "cmdSalva", QStringLiteral("Salva"), glifo(S::Salva, Stile::Colore::Carta),
             QStringLiteral("Salva la scheda corrente in archivio."));
    pulsante(cmdTrova, "cmdTrova", QStringLiteral("Trova"), glifo(S::Trova),
             QStringLiteral("Trova una scheda in archivio."));
    pulsante(cmdAnteprima, "cmdAnteprima", QStringLiteral("Anteprima"), glifo(S::Anteprima),
             QStringLiteral("Visualizza l'anteprima di stampa della scheda corrente."));
    pulsante(cmdStampa, "cmdStampa", QStringLiteral("Stampa"), glifo(S::Stampa),
             QStringLiteral("Stampa la scheda corrente."));
    pulsante(cmdPrimo, "cmdPrimo", QString(), glifo(S::Primo),
             QStringLiteral("Visualizza la prima scheda in archivio."));
    pulsante(cmdIndietro, "cmdIndietro", QString(), glifo(S::Indietro),
             QStringLiteral("Visualizza la scheda precedente in archivio."));
    pulsante(cmdAvanti, "cmdAvanti", QString(), glifo(S::Avanti),
             QStringLiteral("Visualizza la scheda successiva in archivio."));
    pulsante(cmdUltimo, "cmdUltimo", QString(), glifo(S::Ultimo),
             QStringLiteral("Visualizza l'ultima scheda in archivio."));
    pulsante(cmdEsporta, "cmdEsporta", QStringLiteral("Esporta registro"), glifo(S::Esporta),
             QStringLiteral("Esporta le schede in archivio in un file di Microsoft Excel."));
    pulsante(cmdRiepOggi, "cmdRiepOggi", QStringLiteral("Chiamate di oggi"), glifo(S::Chiamate),
             QStringLiteral("Visualizza il riepilogo delle chiamate di oggi."));
    pulsante(cmdGuida, "cmdGuida", QStringLiteral("Guida"), glifo(S::Guida),
             QStringLiteral("Visualizza la pagina della guida sensibile al contesto."));
    pulsante(cmdEsci, "cmdEsci", QStringLiteral("Esci"), glifo(S::Esci),
             QStringLiteral("Esci da questa schermata di lavoro."));
    pulsante(impRitiro, "impRitiro", QStringLiteral("Oggi"), QIcon(),
             QStringLiteral("Inserisci la data corrente."));
    pulsante(impOraRit, "impOraRit", QStringLiteral("Adesso"), QIcon(),
             QStringLiteral("Inserisci l'ora corrente."));
    pulsante(impCliente, "impCliente", QString(), glifo(S::Indietro, 0xFFC62828),
             QStringLiteral("Importa i dati dall'archivio anagrafico dei clienti."));
    pulsante(btnCodFisc, "btnCodFisc", QString(), glifo(S::Controlla),
             QStringLiteral("Controlla il codice fiscale."));
    pulsante(btnEmail, "btnEmail", QString(), glifo(S::Email),
             QStringLiteral("Invia una e-mail all'indirizzo indicato."));
    for (QPushButton *b : {impRitiro, impOraRit, impCliente, btnCodFisc, btnEmail})
        b->setToolTip(b->property("suggerimento").toString());
    for (QPushButton *b : {impCliente, btnCodFisc, btnEmail}) b->setFixedWidth(40);

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
        l->installEventFilter(this);
        return l;
    };
    // A label above a field (and the button beside it) at row r, column c.
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

    // Date and time of the call, each in its own box with its "now" button.
    auto *grpData = new QGroupBox(QStringLiteral(" Data chiamata: "), this);
    grpData->setObjectName("grpData");
    grpData->installEventFilter(this);
    auto *gd = new QGridLayout(grpData);
    gd->setHorizontalSpacing(10);
    gd->addWidget(etichetta(QStringLiteral("Giorno:")), 0, 0);
    gd->addWidget(etichetta(QStringLiteral("Mese:")), 0, 1);
    gd->addWidget(etichetta(QStringLiteral("Anno:")), 0, 2);
    gd->addWidget(txtGiornoRit, 1, 0);
    gd->addWidget(txtMeseRit, 1, 1);
    gd->addWidget(lblAnnoRit, 1, 2);
    gd->addWidget(impRitiro, 1, 3);
    auto *grpOra = new QGroupBox(QStringLiteral(" Ora chiamata: "), this);
    grpOra->setObjectName("grpOra");
    grpOra->installEventFilter(this);
    auto *go = new QGridLayout(grpOra);
    go->setHorizontalSpacing(6);
    go->addWidget(etichetta(QStringLiteral("Ore:")), 0, 0);
    go->addWidget(etichetta(QStringLiteral("Minuti:")), 0, 2);
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

    QGridLayout *s1 = sezione(QStringLiteral("La chiamata"));
    metti(s1, 0, 0, QStringLiteral("Tipo chiamata:"), txtTipo);
    metti(s1, 0, 1, QStringLiteral("Grado soddisfazione:"), txtGrado);
    metti(s1, 0, 2, QStringLiteral("Durata:"), txtDurata);
    metti(s1, 1, 0, QStringLiteral("Oggetto:"), txtOggetto, 3);
    metti(s1, 2, 0, QStringLiteral("Esito:"), txtEsito, 3);

    QGridLayout *s2 = sezione(QStringLiteral("Il cliente"));
    metti(s2, 0, 0, QStringLiteral("Cognome e nome cliente:"), txtCliente, 1, impCliente);
    metti(s2, 0, 1, QStringLiteral("Codice fiscale:"), txtCodFisc, 1, btnCodFisc);
    metti(s2, 0, 2, QStringLiteral("Zona di appartenenza:"), txtZona);
    metti(s2, 1, 0, QStringLiteral("Tel. preferenziale:"), txtRecapito);
    metti(s2, 1, 1, QStringLiteral("Tel. cellulare:"), txtTelCel);
    metti(s2, 1, 2, QStringLiteral("E-mail:"), txtEmail, 1, btnEmail);

    QGridLayout *s3 = sezione(QStringLiteral("Note"));
    metti(s3, 0, 0, QStringLiteral("Note:"), txtNote, 3);
    metti(s3, 1, 0, QStringLiteral("Operatore / Agente:"), txtOperatore);

    for (QGridLayout *g : {s1, s2, s3})
        for (int c = 0; c < g->columnCount(); ++c) g->setColumnStretch(c, 1);

    auto *centro = new QWidget;
    centro->setObjectName("panCentro");
    centro->installEventFilter(this);
    auto *colonnaSezioni = new QVBoxLayout(centro);
    colonnaSezioni->setContentsMargins(18, 14, 18, 14);
    colonnaSezioni->setSpacing(12);
    colonnaSezioni->addLayout(rigaData);
    for (QWidget *s : sezioni) colonnaSezioni->addWidget(s);
    colonnaSezioni->addStretch();
    auto *scorri = new QScrollArea(this);
    scorri->setWidget(centro);
    scorri->setWidgetResizable(true);
    scorri->setFrameShape(QFrame::NoFrame);

    auto *destra = new QWidget(this);
    destra->setObjectName("panPulsanti");
    destra->installEventFilter(this);
    destra->setStyleSheet(QStringLiteral(
        "QWidget#panPulsanti { background: white; border-left: 1px solid #D3DCE6; }"
        "QWidget#panPulsanti QPushButton { text-align: left; padding: 7px 12px; min-width: 150px; }"));
    auto *colonna = new QVBoxLayout(destra);
    colonna->setContentsMargins(14, 14, 14, 14);
    colonna->setSpacing(6);
    for (QPushButton *b : {cmdNuovo, cmdDuplica, cmdSalva, cmdTrova, cmdAnteprima, cmdStampa, cmdEsporta,
                           cmdRiepOggi, cmdGuida}) {
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
        Stile::DisegnaBanner(p, r, QStringLiteral("Registro Chiamate"),
                             QStringLiteral("Le telefonate fatte e ricevute, cliente per cliente"));
    });
    banner->setFixedHeight(64);
    banner->setMinimumWidth(200);
    banner->installEventFilter(this);
    tutto->addWidget(banner);
    tutto->addLayout(corpo, 1);
    tutto->addLayout(piede);

    // Highlights and Tab order follow the Enter chain.
    campi_->CollegaCatena();

    connect(cmdNuovo, &QPushButton::clicked, this, &TfrmChiamate::cmdNuovoClick);
    connect(cmdDuplica, &QPushButton::clicked, this, &TfrmChiamate::cmdDuplicaClick);
    connect(cmdSalva, &QPushButton::clicked, this, &TfrmChiamate::cmdSalvaClick);
    connect(cmdTrova, &QPushButton::clicked, this, &TfrmChiamate::cmdTrovaClick);
    connect(cmdAnteprima, &QPushButton::clicked, this, &TfrmChiamate::cmdAnteprimaClick);
    connect(cmdStampa, &QPushButton::clicked, this, &TfrmChiamate::cmdStampaClick);
    connect(cmdPrimo, &QPushButton::clicked, this, &TfrmChiamate::cmdPrimoClick);
    connect(cmdIndietro, &QPushButton::clicked, this, &TfrmChiamate::cmdIndietroClick);
    connect(cmdAvanti, &QPushButton::clicked, this, &TfrmChiamate::cmdAvantiClick);
    connect(cmdUltimo, &QPushButton::clicked, this, &TfrmChiamate::cmdUltimoClick);
    connect(cmdEsporta, &QPushButton::clicked, this, &TfrmChiamate::cmdEsportaClick);
    connect(cmdRiepOggi, &QPushButton::clicked, this, &TfrmChiamate::cmdRiepOggiClick);
    connect(cmdGuida, &QPushButton::clicked, this, &TfrmChiamate::cmdGuidaClick);
    connect(cmdEsci, &QPushButton::clicked, this, &TfrmChiamate::cmdEsciClick);
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

void TfrmChiamate::showEvent(QShowEvent *e)
{
    QWidget::showEvent(e);
    if (e->spontaneous()) return;
    NuovaScheda();
    QTimer::singleShot(0, txtOggetto, [this] { txtOggetto->setFocus(); });
}

void TfrmChiamate::closeEvent(QCloseEvent *e)
{
    e->accept();
    MostraHub();
    hide();
}

bool TfrmChiamate::eventFilter(QObject *o, QEvent *e)
{
    // The status line: the hint of the button under the mouse, empty elsewhere.
    if (e->type() == QEvent::Enter) {
        const QVariant s = o->property("suggerimento");
        panInfo->setText(s.isValid() ? s.toString() : QString());
    }
    return QWidget::eventFilter(o, e);
}

void TfrmChiamate::cmdNuovoClick()
{
    NuovaScheda();
}

void TfrmChiamate::cmdDuplicaClick()
{
    if (campi_->Posizione() == 0) { // a card never stored
        Msg::Avviso(this, QStringLiteral("Attenzione: la duplicazione di una scheda può avvenire soltanto dopo che "
                                         "questa è stata inserita in archivio."));
        return;
    }
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

void TfrmChiamate::cmdPrimoClick() { campi_->Sfoglia(Freccia::Primo); }
void TfrmChiamate::cmdIndietroClick() { campi_->Sfoglia(Freccia::Indietro); }
void TfrmChiamate::cmdAvantiClick() { campi_->Sfoglia(Freccia::Avanti); }
void TfrmChiamate::cmdUltimoClick() { campi_->Sfoglia(Freccia::Ultimo); }

void TfrmChiamate::cmdEsciClick()
{
    close();
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
