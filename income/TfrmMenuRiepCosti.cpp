#include "income/TfrmMenuRiepCosti.h"

#include "storage/Cartella.h"
#include "storage/Formati.h"
#include "storage/Schede.h"
#include "storage/Testo.h"
#include "ui/CampoRistretto.h"
#include "ui/Icone.h"
#include "ui/Kit.h"
#include "ui/Messaggi.h"
#include "ui/Navigazione.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {

const char *const kArchivioNonAccessibile = "Attenzione: il file di archivio non risulta accessibile.";

bool Invio(int tasto)
{
    return tasto == Qt::Key_Return || tasto == Qt::Key_Enter;
}

QLabel *Didascalia(const QString &testo, QWidget *parent, const char *nome = nullptr)
{
    auto *l = new QLabel(testo, parent);
    if (nome) l->setObjectName(QString::fromLatin1(nome));
    l->setStyleSheet(QStringLiteral("color: #5E6E7E;"));
    return l;
}

} // namespace

void RegistraScrittoriIncassi()
{
    RegistraScrittorePer<TfrmMenuRiepCosti>(QStringLiteral("riepilogo"), [](TfrmMenuRiepCosti &f, const TSchedaCliente &r, qint64 p) {
        f.RiceviCliente(r, p);
    });
}

TfrmMenuRiepCosti::TfrmMenuRiepCosti(QWidget *parent) : QWidget(parent)
{
    // FormCreate: dates "dd/mm/yyyy" and the decimal comma.
    ImpostaFormati();
    RegistraScrittoriIncassi();
    setObjectName(QStringLiteral("frmMenuRiepCosti"));
    setWindowTitle(QStringLiteral(" Pratovia - Riepilogo Incassi"));
    setWindowIcon(QIcon(Stile::Icona(Stile::Simbolo::Incassi, 64)));
    setAutoFillBackground(true);
    QPalette sfondo = palette();
    sfondo.setColor(QPalette::Window, QColor(Stile::Colore::Sfondo));
    setPalette(sfondo);

    // --- fields --------------------------------------------------------------
    txtAnno = new TCampoRistretto(TCampoRistretto::Caratteri::Cifre, TCampoRistretto::Tasti::Severi, this);
    txtAnno->setObjectName(QStringLiteral("txtAnno"));
    txtAnno->setMaxLength(4);
    txtAnno->setFixedWidth(90);
    txtCliente = new QLineEdit(this);
    txtCliente->setObjectName(QStringLiteral("txtCliente"));
    txtCliente->setMaxLength(50);
    txtTarga = new QLineEdit(this);
    txtTarga->setObjectName(QStringLiteral("txtTarga"));
    txtTarga->setMaxLength(250);
    for (QLineEdit *e : {static_cast<QLineEdit *>(txtAnno), txtCliente, txtTarga}) e->setMinimumHeight(32);

    impCliente = Stile::Pulsante(QString(), QStringLiteral("impCliente"), this,
                                 Stile::IconaPulsante(Stile::Simbolo::Indietro, QColor(0xFFC62828), devicePixelRatioF()),
                                 40);
    impCliente->setFixedWidth(40);
    impCliente->setFocusPolicy(Qt::NoFocus); // a picture: it never takes the focus
    impCliente->setToolTip(QStringLiteral("Importa il nome dall'archivio anagrafico dei clienti."));

    txtGiornoInizio = Combo("txtGiornoInizio", GiorniDelMese(), 2, 76);
    txtMeseInizio = Combo("txtMeseInizio", NomiMesi(), 9, 140);
    txtGiornoFine = Combo("txtGiornoFine", GiorniDelMese(), 2, 76);
    txtMeseFine = Combo("txtMeseFine", NomiMesi(), 9, 140);
    lblAnnoInizio = new QLabel(QStringLiteral("ANNO"), this);
    lblAnnoInizio->setObjectName(QStringLiteral("lblAnnoInizio"));
    lblAnnoFine = new QLabel(QStringLiteral("ANNO"), this);
    lblAnnoFine->setObjectName(QStringLiteral("lblAnnoFine"));
    for (QLabel *l : {lblAnnoInizio, lblAnnoFine}) {
        l->setMinimumSize(70, 32);
        l->setAlignment(Qt::AlignCenter);
        l->setStyleSheet(QStringLiteral("color: #143E6E; font-weight: bold; background: #F3F6FA;"
                                        " border: 1px solid #D3DCE6; border-radius: 4px; padding: 0 8px;"));
    }
    lblDataInizio = new QLabel(this);
    lblDataInizio->setObjectName(QStringLiteral("lblDataInizio"));
    lblDataInizio->hide();
    lblDataFine = new QLabel(this);
    lblDataFine->setObjectName(QStringLiteral("lblDataFine"));
    lblDataFine->hide();

    lblCampo01 = Didascalia(QStringLiteral("Indicare l'anno solare di interesse, il nome del cliente e/o i servizi "
                                           "richiesti."),
                            this, "lblCampo01");
    lblCampo02 = Didascalia(QStringLiteral("Per ottenere il riepilogo degli incassi relativi a tutti i clienti, "
                                           "lasciare in bianco i campi di ricerca."),
                            this, "lblCampo02");
    lblCampo03 = Didascalia(QStringLiteral("Indicare l'intervallo di tempo riguardante il periodo da riepilogare in "
                                           "base alla data dell'appuntamento."),
                            this, "lblCampo03");

    btnVisualizza = Stile::Pulsante(QStringLiteral("Visualizza riepilogo"), QStringLiteral("btnVisualizza"), this,
                                    Stile::IconaPulsante(Stile::Simbolo::Trova, QColor(Stile::Colore::Carta),
                                                         devicePixelRatioF()),
                                    190);
    Stile::Principale(btnVisualizza);
    btnEsci = Stile::Pulsante(QStringLiteral("Esci"), QStringLiteral("btnEsci"), this,
                              Stile::IconaPulsante(Stile::Simbolo::Esci, QColor(Stile::Colore::Primario),
                                                   devicePixelRatioF()));
    for (QPushButton *b : {btnVisualizza, btnEsci}) {
        b->setAutoDefault(false);
        b->installEventFilter(this);
    }
    lblAttendere = new QLabel(QStringLiteral("Caricamento riepilogo in corso. Attendere..."), this);
    lblAttendere->setObjectName(QStringLiteral("lblAttendere"));
    lblAttendere->setStyleSheet(QStringLiteral("color: #1D5A9E; font-weight: bold;"));
    lblAttendere->hide();

    // --- layout --------------------------------------------------------------
    auto *scheda = new Stile::TScheda(this);
    auto *corpo = new QVBoxLayout(scheda);
    const int m = Stile::TScheda::Ombra + 22;
    corpo->setContentsMargins(m, m - 4, m, m - 4);
    corpo->setSpacing(6);
    corpo->addWidget(lblCampo01);
    corpo->addWidget(lblCampo02);
    corpo->addSpacing(10);
    auto *campi = new QGridLayout;
    campi->setHorizontalSpacing(16);
    campi->setVerticalSpacing(4);
    auto *annoEtichetta = new QLabel(QStringLiteral("Anno:"), scheda);
    annoEtichetta->setObjectName(QStringLiteral("lblAnno"));
    auto *clienteEtichetta = new QLabel(QStringLiteral("Cognome e nome:"), scheda);
    clienteEtichetta->setObjectName(QStringLiteral("lblCliente"));
    auto *targaEtichetta = new QLabel(QStringLiteral("Servizi richiesti dal cliente:"), scheda);
    targaEtichetta->setObjectName(QStringLiteral("lblTarga"));
    campi->addWidget(annoEtichetta, 0, 0);
    campi->addWidget(clienteEtichetta, 0, 1);
    campi->addWidget(txtAnno, 1, 0);
    auto *rigaCliente = new QHBoxLayout;
    rigaCliente->setSpacing(6);
    rigaCliente->addWidget(txtCliente, 1);
    rigaCliente->addWidget(impCliente);
    campi->addLayout(rigaCliente, 1, 1);
    campi->setRowMinimumHeight(2, 10);
    campi->addWidget(targaEtichetta, 3, 0, 1, 2);
    campi->addWidget(txtTarga, 4, 0, 1, 2);
    campi->setColumnStretch(1, 1);
    corpo->addLayout(campi);
    corpo->addSpacing(16);
    corpo->addWidget(lblCampo03);
    corpo->addSpacing(4);
    grpDataInizio = Gruppo("grpDataInizio", QStringLiteral(" Data inizio intervallo: "), txtGiornoInizio,
                           txtMeseInizio, lblAnnoInizio);
    grpDataFine = Gruppo("grpDataFine", QStringLiteral(" Data fine intervallo: "), txtGiornoFine, txtMeseFine,
                         lblAnnoFine);
    auto *date = new QHBoxLayout;
    date->setSpacing(16);
    date->addWidget(grpDataInizio);
    date->addWidget(grpDataFine);
    date->addStretch(1);
    corpo->addLayout(date);

    // The card in the middle, no wider than it reads well.
    auto *centro = new QHBoxLayout;
    centro->setContentsMargins(12, 12, 12, 12);
    centro->addStretch(1);
    scheda->setMaximumWidth(900);
    centro->addWidget(scheda, 8);
    centro->addStretch(1);

    auto *banda = new Stile::TBanda(this);
    banda->setObjectName(QStringLiteral("panPiede"));
    auto *bottoni = static_cast<QHBoxLayout *>(banda->layout());
    bottoni->addWidget(lblAttendere);
    bottoni->addStretch(1);
    bottoni->addWidget(btnVisualizza);
    bottoni->addWidget(btnEsci);

    auto *l = new QVBoxLayout(this);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(0);
    l->addWidget(Stile::Testata(this, QStringLiteral("Riepiloghi Incassi"),
                                QStringLiteral("Gli incassi degli appuntamenti in un periodo dell'anno")));
    l->addLayout(centro);
    l->addStretch(1);
    l->addWidget(banda);

    // The Enter chain, the typing rules and the highlights of the fields.
    for (QWidget *w : {static_cast<QWidget *>(txtAnno), static_cast<QWidget *>(txtCliente),
                       static_cast<QWidget *>(txtTarga)})
        w->installEventFilter(this);
    for (QWidget *w : std::initializer_list<QWidget *>{txtAnno, txtCliente, txtTarga, txtGiornoInizio, txtMeseInizio,
                                                       txtGiornoFine, txtMeseFine})
        Stile::EvidenziaFocus(w);
    setTabOrder(txtAnno, txtCliente);
    setTabOrder(txtCliente, txtTarga);
    setTabOrder(txtTarga, txtGiornoInizio);
    setTabOrder(txtGiornoInizio, txtMeseInizio);
    setTabOrder(txtMeseInizio, txtGiornoFine);
    setTabOrder(txtGiornoFine, txtMeseFine);
    setTabOrder(txtMeseFine, btnVisualizza);
    setTabOrder(btnVisualizza, btnEsci);

    connect(btnVisualizza, &QPushButton::clicked, this, &TfrmMenuRiepCosti::btnVisualizzaClick);
    connect(btnEsci, &QPushButton::clicked, this, &TfrmMenuRiepCosti::btnEsciClick);
    connect(impCliente, &QPushButton::clicked, this, &TfrmMenuRiepCosti::impClienteClick);
}

TfrmMenuRiepCosti::~TfrmMenuRiepCosti() = default;

QComboBox *TfrmMenuRiepCosti::Combo(const char *nome, const QStringList &scelte, int massimo, int larghezza)
{
    auto *c = new QComboBox(this);
    c->setObjectName(QString::fromLatin1(nome));
    c->setEditable(true);
    c->setInsertPolicy(QComboBox::NoInsert);
    c->setCompleter(nullptr); // the list only offers choices
    c->addItems(scelte);
    c->setCurrentIndex(-1);
    c->setMaxVisibleItems(12);
    c->lineEdit()->setMaxLength(massimo);
    c->lineEdit()->setContextMenuPolicy(Qt::NoContextMenu); // nothing is pasted
    c->setFixedWidth(larghezza);
    c->setMinimumHeight(32);
    c->installEventFilter(this);
    c->lineEdit()->installEventFilter(this);
    return c;
}

QGroupBox *TfrmMenuRiepCosti::Gruppo(const char *nome, const QString &titolo, QComboBox *giorno, QComboBox *mese,
                                     QLabel *anno)
{
    auto *g = new QGroupBox(titolo, this);
    g->setObjectName(QString::fromLatin1(nome));
    auto *griglia = new QGridLayout(g);
    griglia->setHorizontalSpacing(12);
    griglia->setContentsMargins(14, 18, 14, 12);
    griglia->addWidget(new QLabel(QStringLiteral("Giorno:"), g), 0, 0);
    griglia->addWidget(new QLabel(QStringLiteral("Mese:"), g), 0, 1);
    griglia->addWidget(new QLabel(QStringLiteral("Anno:"), g), 0, 2);
    griglia->addWidget(giorno, 1, 0);
    griglia->addWidget(mese, 1, 1);
    griglia->addWidget(anno, 1, 2);
    return g;
}

void TfrmMenuRiepCosti::RiceviCliente(const TSchedaCliente &r, qint64)
{
    txtCliente->setText(r.Get(LayoutCliente::Cliente));
}

RichiestaIncassi TfrmMenuRiepCosti::Richiesta() const
{
    RichiestaIncassi r;
    r.anno = txtAnno->text();
    r.giornoInizio = txtGiornoInizio->currentText();
    r.meseInizio = txtMeseInizio->currentText();
    r.giornoFine = txtGiornoFine->currentText();
    r.meseFine = txtMeseFine->currentText();
    r.cliente = txtCliente->text();
    r.servizi = txtTarga->text();
    return r;
}

FonteRiepilogo TfrmMenuRiepCosti::Fonte() const
{
    return {txtCliente, txtTarga, lblDataInizio, lblDataFine, lblAttendere};
}

void TfrmMenuRiepCosti::showEvent(QShowEvent *e)
{
    QWidget::showEvent(e);
    if (e->spontaneous()) return;
    FormShow();
}

void TfrmMenuRiepCosti::FormShow()
{
    txtCliente->clear();
    txtTarga->clear();
    for (QComboBox *c : {txtGiornoInizio, txtMeseInizio, txtGiornoFine, txtMeseFine}) {
        c->setCurrentIndex(-1);
        c->setEditText(QString());
    }
    txtAnno->setText(QString::number(Oggi().year()).rightJustified(4, u'0'));
    CopiaAnno();
    lblAttendere->hide();
    txtCliente->setFocus();
    QTimer::singleShot(0, txtCliente, [this] { txtCliente->setFocus(); });
}

void TfrmMenuRiepCosti::closeEvent(QCloseEvent *e)
{
    // FormClose: back to the hub.
    e->accept();
    MostraHub();
    hide();
}

void TfrmMenuRiepCosti::btnEsciClick()
{
    close();
}

void TfrmMenuRiepCosti::impClienteClick()
{
    ApriFinestra(QStringLiteral("TfrmTrovaClienti"), this, QStringLiteral("riepilogo"));
}

void TfrmMenuRiepCosti::CopiaAnno()
{
    const QString anno = Trim(txtAnno->text());
    lblAnnoInizio->setText(anno);
    lblAnnoFine->setText(anno);
}

QWidget *TfrmMenuRiepCosti::Controllo(CampoIncassi campo) const
{
    switch (campo) {
    case CampoIncassi::Anno: return txtAnno;
    case CampoIncassi::GiornoInizio: return txtGiornoInizio;
    case CampoIncassi::MeseInizio: return txtMeseInizio;
    case CampoIncassi::GiornoFine: return txtGiornoFine;
    case CampoIncassi::MeseFine: return txtMeseFine;
    case CampoIncassi::Nessuno: break;
    }
    return nullptr;
}

void TfrmMenuRiepCosti::btnVisualizzaMouseDown()
{
    lblAttendere->show();
}

void TfrmMenuRiepCosti::btnVisualizzaClick()
{
    try {
        lblDataInizio->clear();
        lblDataFine->clear();
        const EsitoRichiesta esito = ControllaRichiesta(Richiesta());
        lblDataInizio->setText(esito.dataInizio);
        lblDataFine->setText(esito.dataFine);
        if (!esito.valida) {
            lblAttendere->hide();
            if (esito.semplice) Msg::Semplice(this, esito.messaggio);
            else Msg::Avviso(this, esito.messaggio);
            if (QWidget *w = Controllo(esito.fuoco)) w->setFocus();
            return;
        }
        // The result reads the request from this window; its closing hides lblAttendere.
        TfrmRiepCosti f(this, Fonte());
        f.Mostra();
    } catch (...) {
        lblAttendere->hide();
        Msg::Semplice(this, QString::fromUtf8(kArchivioNonAccessibile));
    }
}

void TfrmMenuRiepCosti::Avanti(QWidget *da)
{
    const QList<QWidget *> catena = {txtAnno,       txtCliente,    txtTarga,    txtGiornoInizio,
                                     txtMeseInizio, txtGiornoFine, txtMeseFine, btnVisualizza};
    const qsizetype i = catena.indexOf(da);
    if (i >= 0 && i + 1 < catena.size()) catena[i + 1]->setFocus();
}

QComboBox *TfrmMenuRiepCosti::ComboDi(QObject *o) const
{
    for (QComboBox *c : {txtGiornoInizio, txtMeseInizio, txtGiornoFine, txtMeseFine})
        if (o == c || o == c->lineEdit()) return c;
    return nullptr;
}

bool TfrmMenuRiepCosti::eventFilter(QObject *o, QEvent *e)
{
    QComboBox *combo = ComboDi(o);
    switch (e->type()) {
    case QEvent::KeyPress: {
        const int tasto = static_cast<QKeyEvent *>(e)->key();
        if (o == btnVisualizza || o == btnEsci) {
            // Enter presses the focused button.
            if (Invio(tasto)) {
                static_cast<QPushButton *>(o)->click();
                return true;
            }
            break;
        }
        if (combo) {
            // KeyDown of a combo edit: no typing; Backspace and Delete empty it.
            switch (tasto) {
            case Qt::Key_Return:
            case Qt::Key_Enter:
                Avanti(combo);
                return true;
            case Qt::Key_Backspace:
            case Qt::Key_Delete:
                combo->setCurrentIndex(-1);
                combo->setEditText(QString());
                return true;
            case Qt::Key_Left:
            case Qt::Key_Right:
                return false;
            default:
                return true;
            }
        }
        if ((o == txtAnno || o == txtCliente || o == txtTarga) && Invio(tasto)) {
            Avanti(static_cast<QWidget *>(o));
            return true;
        }
        break;
    }
    case QEvent::KeyRelease:
        if (o == txtAnno) CopiaAnno(); // txtAnnoKeyUp
        break;
    case QEvent::FocusIn:
        // CanFocus of a combo edit: its list selection goes, its text stays.
        if (combo && o == combo) {
            const QString t = combo->currentText();
            combo->setCurrentIndex(-1);
            combo->setEditText(t);
        }
        break;
    case QEvent::FocusOut:
        if (o == txtAnno) CopiaAnno(); // txtAnnoExit
        // Exit of a combo edit: a text that is not one of its choices goes.
        if (combo && o == combo && static_cast<QFocusEvent *>(e)->reason() != Qt::PopupFocusReason) {
            const bool giorno = combo == txtGiornoInizio || combo == txtGiornoFine;
            const QString t = combo->currentText();
            const QString ammesso = giorno ? GiornoAmmesso(t) : MeseAmmesso(t);
            if (ammesso.isEmpty() && !t.isEmpty()) {
                combo->setCurrentIndex(-1);
                combo->setEditText(QString());
            }
        }
        break;
    case QEvent::MouseButtonPress:
        if (o == btnVisualizza) btnVisualizzaMouseDown();
        break;
    default:
        break;
    }
    return QWidget::eventFilter(o, e);
}
