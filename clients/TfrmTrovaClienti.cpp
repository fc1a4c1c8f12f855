#include "clients/TfrmTrovaClienti.h"

#include "storage/Formati.h"
#include "ui/Disegni.h"
#include "ui/Messaggi.h"
#include "clients/TfrmClienti.h"
#include "output/Avanzamento.h"
#include "output/Report.h"
#include "output/Riepilogo.h"
#include "output/TrovaLista.h"
#include "reports/Modelli.h"
#include "storage/TArchivio.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>

// ================================================================== modes

namespace {

// The window that opened the search, or the nearest of its parents, of kind T.
template <class T>
T *Bersaglio(QWidget *owner)
{
    for (QWidget *w = owner; w; w = w->parentWidget())
        if (auto *t = dynamic_cast<T *>(w)) return t;
    return nullptr;
}

void CaricaInSchedaCliente(QWidget *owner, const TSchedaCliente &r, qint64 posizione)
{
    if (auto *f = Bersaglio<TfrmClienti>(owner)) f->CaricaScheda(r, posizione);
}

void InviaAlDestinatario(QWidget *owner, const TSchedaCliente &r, qint64 posizione)
{
    if (auto *d = Bersaglio<DestinatarioCliente>(owner)) d->RiceviCliente(r, posizione);
}

struct Modo {
    const char *parola;
    AzioneModo azione;
};
const Modo kModi[] = {
    {"clienti", CaricaInSchedaCliente},  // TfrmClienti
    {"chiamate", InviaAlDestinatario},   // TfrmChiamate
    {"scadenze", InviaAlDestinatario},   // TfrmArchivio_Scadenze
    {"riepilogo", InviaAlDestinatario},  // TfrmMenuRiepCosti
};

constexpr int kPiede = 64; // height of the bottom band with the buttons

// Enter moves between fields or presses the focused button, never a default
// one: the window's event filter clicks a focused button on Enter.
QPushButton *Pulsante(const char *nome, const QString &testo, QWidget *parent, QObject *filtro)
{
    auto *b = new QPushButton(testo, parent);
    b->setObjectName(QString::fromLatin1(nome));
    b->setMinimumSize(110, 34);
    b->setCursor(Qt::PointingHandCursor);
    b->setAutoDefault(false);
    b->setDefault(false);
    b->installEventFilter(filtro);
    return b;
}

bool TastoInvio(QEvent *e)
{
    if (e->type() != QEvent::KeyPress) return false;
    const int k = static_cast<QKeyEvent *>(e)->key();
    return k == Qt::Key_Return || k == Qt::Key_Enter;
}

QLabel *Etichetta(const char *nome, const QString &testo, QWidget *parent)
{
    auto *l = new QLabel(testo, parent);
    if (nome) l->setObjectName(QString::fromLatin1(nome));
    return l;
}

// A row as high as the dialog's bottom band, for the buttons of a view.
QHBoxLayout *RigaPiede(QVBoxLayout *colonna, QWidget *pannello)
{
    auto *piede = new QWidget(pannello);
    piede->setFixedHeight(kPiede);
    auto *riga = new QHBoxLayout(piede);
    riga->setContentsMargins(24, 0, 24, 0);
    riga->setSpacing(10);
    colonna->addWidget(piede);
    return riga;
}

} // namespace

AzioneModo AzionePerModo(const QString &modo)
{
    for (const Modo &m : kModi)
        if (modo == QLatin1String(m.parola)) return m.azione;
    return nullptr;
}

// ============================================================ list model

TModelloRighe::TModelloRighe(QObject *parent)
    : QStringListModel(parent), font_(Stile::Carattere(QStringLiteral("Courier New"), 12))
{
    voce_ = QSize(1600, QFontMetrics(font_).height() + 4);
}

QVariant TModelloRighe::data(const QModelIndex &index, int role) const
{
    switch (role) {
    case Qt::FontRole: return font_;
    case Qt::ForegroundRole: return QColor(Qt::black);
    case Qt::SizeHintRole: return voce_;
    default: return QStringListModel::data(index, role);
    }
}

Qt::ItemFlags TModelloRighe::flags(const QModelIndex &index) const
{
    if (!index.isValid()) return Qt::NoItemFlags;
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemNeverHasChildren;
}

// ====================================================== result list window

struct TFinestraElencoClienti::Progresso {
    std::unique_ptr<TAvanzamento> av;
};

TFinestraElencoClienti::TFinestraElencoClienti(QWidget *owner, const Descrizione &d)
    : Stile::TDialogo(owner, d.dimensione, kPiede), owner_(owner), d_(d),
      progresso_(std::make_unique<Progresso>())
{
    // FormCreate: dates "dd/mm/yyyy" and the decimal comma.
    ImpostaFormati();
    setWindowTitle(d.didascalia);
    frxReport = std::make_unique<TReport>(ModelloRiepilogoDati());

    modello = new TModelloRighe(this);
    lstRecords = new QListView(this);
    lstRecords->setObjectName(QStringLiteral("lstRecords"));
    lstRecords->setModel(modello);
    lstRecords->setUniformItemSizes(true); // fast with tens of thousands of lines
    lstRecords->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lstRecords->setSelectionMode(QAbstractItemView::SingleSelection);
    lstRecords->setTextElideMode(Qt::ElideNone);
    lstRecords->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    lstRecords->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    lstRecords->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    lstRecords->setAlternatingRowColors(true);
    lstRecords->setStyleSheet(QStringLiteral(
        "QListView { background: #FFFFFF; alternate-background-color: #F5F8FC;"
        " border: 1px solid #C9D3DE; border-radius: 4px; }"));
    lstRecords->viewport()->installEventFilter(this);

    lblRigo03 = Etichetta("lblRigo03", d.rigo03, this);
    lblRigo03->setStyleSheet(QStringLiteral("color: #5E6E7E;"));

    txtTrova = new QLineEdit(this);
    txtTrova->setObjectName(QStringLiteral("txtTrova"));
    txtTrova->setMinimumHeight(34);
    txtTrova->setFixedWidth(280);
    txtTrova->setPlaceholderText(QStringLiteral("Testo da trovare nell'elenco"));
    txtTrova->installEventFilter(this);
    btnTrova = Pulsante("btnTrova", QStringLiteral("Trova"), this, this);
    btnStampa = Pulsante("btnStampa", QStringLiteral("Stampa"), this, this);
    btnChiudi = Pulsante("btnChiudi", QStringLiteral("Chiudi"), this, this);

    // The find is wired here rather than through btnTrova's own signal, so
    // btnTrovaClick() is the one entry point.
    trova_ = new TTrovaInLista(lstRecords, txtTrova, nullptr, this);
    connect(btnTrova, &QPushButton::clicked, this, &TFinestraElencoClienti::btnTrovaClick);
    connect(btnStampa, &QPushButton::clicked, this, &TFinestraElencoClienti::btnStampaClick);
    connect(btnChiudi, &QPushButton::clicked, this, &TFinestraElencoClienti::btnChiudiClick);
}

TFinestraElencoClienti::~TFinestraElencoClienti() = default;

QWidget *TFinestraElencoClienti::CreaBanner()
{
    const QString titolo = d_.didascalia.trimmed();
    const QString sottotitolo = d_.sottotitolo;
    auto *banner = new Stile::TImmagine(QStringLiteral("imgLogo"), QSize(d_.dimensione.width(), 84), this);
    banner->setFixedHeight(84);
    banner->ImpostaDisegno([titolo, sottotitolo](QPainter &p, const QRectF &r, Stile::Stato) {
        Stile::DisegnaBanner(p, r, titolo, sottotitolo);
    });
    return banner;
}

QWidget *TFinestraElencoClienti::CreaPannelloElenco(QLabel *intestazione)
{
    auto *pannello = new QWidget(this);
    auto *colonna = new QVBoxLayout(pannello);
    colonna->setContentsMargins(0, 0, 0, 0);
    colonna->setSpacing(0);

    auto *corpo = new QVBoxLayout;
    corpo->setContentsMargins(24, 14, 24, 14);
    corpo->setSpacing(8);
    auto *sopra = new QHBoxLayout;
    if (intestazione) sopra->addWidget(intestazione);
    sopra->addStretch(1);
    sopra->addWidget(lblRigo03);
    corpo->addLayout(sopra);
    corpo->addWidget(lstRecords, 1);
    colonna->addLayout(corpo, 1);

    QHBoxLayout *piede = RigaPiede(colonna, pannello);
    piede->addWidget(txtTrova);
    piede->addWidget(btnTrova);
    piede->addStretch(1);
    piede->addWidget(btnStampa);
    piede->addWidget(btnChiudi);
    return pannello;
}

void TFinestraElencoClienti::AzzeraRicerca()
{
    trova_->AzzeraRicerca();
    txtTrova->clear();
}

void TFinestraElencoClienti::ImpostaRighe(const QStringList &righe)
{
    modello->setStringList(righe);
    lstRecords->horizontalScrollBar()->setValue(0);
}

AvanzamentoLettura TFinestraElencoClienti::Avanzamento(const QString &testo)
{
    progresso_->av.reset();
    return [this, testo](qint64 letti, qint64 totale) {
        if (!progresso_->av) progresso_->av = std::make_unique<TAvanzamento>(this, testo, totale);
        progresso_->av->Aggiorna(letti);
    };
}

void TFinestraElencoClienti::TerminaAvanzamento()
{
    progresso_->av.reset();
}

QString TFinestraElencoClienti::RigaSelezionata() const
{
    const QModelIndexList scelte = lstRecords->selectionModel()->selectedIndexes();
    if (scelte.isEmpty()) return QString();
    return scelte.first().data().toString();
}

void TFinestraElencoClienti::btnTrovaClick()
{
    trova_->btnTrovaClick();
}

void TFinestraElencoClienti::btnStampaClick()
{
    StampaRiepilogo(*frxReport, d_.titoloStampa, RigheLista(modello), {}, this);
}

void TFinestraElencoClienti::btnChiudiClick()
{
    close();
}

void TFinestraElencoClienti::lstRecordsDblClick()
{
    const QString riga = RigaSelezionata();
    const AzioneModo azione = Azione();
    if (!riga.isEmpty() && azione) {
        try {
            RichiamaCliente(riga, d_.ultima,
                            [&](const TSchedaCliente &r, qint64 posizione) { azione(owner_, r, posizione); });
        } catch (...) {
            // A failure while choosing closes the window without a message.
        }
    }
    close();
}

void TFinestraElencoClienti::txtTrovaKeyDown()
{
    btnTrova->setFocus();
}

void TFinestraElencoClienti::FormClose()
{
    modello->setStringList({});
}

void TFinestraElencoClienti::done(int r)
{
    FormClose();
    Stile::TDialogo::done(r);
}

bool TFinestraElencoClienti::eventFilter(QObject *o, QEvent *e)
{
    if (TastoInvio(e)) {
        if (o == txtTrova) {
            txtTrovaKeyDown();
            return true;
        }
        if (auto *b = qobject_cast<QPushButton *>(o)) {
            b->click();
            return true;
        }
    }
    // A double click anywhere on the list (the press before it selected the line).
    if (o == lstRecords->viewport() && e->type() == QEvent::MouseButtonDblClick
        && static_cast<QMouseEvent *>(e)->button() == Qt::LeftButton) {
        QTimer::singleShot(0, this, &TFinestraElencoClienti::lstRecordsDblClick);
        return true;
    }
    return Stile::TDialogo::eventFilter(o, e);
}

// ================================================================= search

TfrmTrovaClienti::TfrmTrovaClienti(QWidget *owner)
    : TFinestraElencoClienti(
          owner, {QSize(1180, 640), QStringLiteral(" Trova clienti in archivio"), QStringLiteral("Clienti e Servizi"),
                  QStringLiteral("Fare doppio clic sulla voce in elenco per richiamare la scheda"),
                  QStringLiteral("Riepilogo clienti in archivio"), UltimaColonna::Note})
{
    setObjectName(QStringLiteral("frmTrovaClienti"));

    lblConta = Etichetta("lblConta", QStringLiteral("0"), this);
    lblConta->hide();
    lblMemory = Etichetta("lblMemory", QString(), this);
    lblMemory->hide();

    panAvvio = CreaFiltri();
    panAvvio->setObjectName(QStringLiteral("panAvvio"));

    lblTrovate = Etichetta("lblTrovate", QStringLiteral("Il presente riepilogo contiene 0 schede"), this);
    QFont grassetto = lblTrovate->font();
    grassetto.setBold(true);
    lblTrovate->setFont(grassetto);
    panContainer = CreaPannelloElenco(lblTrovate);
    panContainer->setObjectName(QStringLiteral("panContainer"));
    panContainer->hide();

    auto *colonna = new QVBoxLayout(this);
    colonna->setContentsMargins(0, 0, 0, 0);
    colonna->setSpacing(0);
    colonna->addWidget(CreaBanner());
    colonna->addWidget(panAvvio, 1);
    colonna->addWidget(panContainer, 1);
}

TfrmTrovaClienti::~TfrmTrovaClienti() = default;

QWidget *TfrmTrovaClienti::CreaFiltri()
{
    auto *pannello = new QWidget(this);
    auto *colonna = new QVBoxLayout(pannello);
    colonna->setContentsMargins(0, 0, 0, 0);
    colonna->setSpacing(0);

    // The fields two by two, in the order of the Enter chain.
    QLineEdit *TfrmTrovaClienti::*const membri[10] = {
        &TfrmTrovaClienti::txtCliente,   &TfrmTrovaClienti::txtComuneRes,   &TfrmTrovaClienti::txtPartitaIva,
        &TfrmTrovaClienti::txtCodFisc,   &TfrmTrovaClienti::txtDocumento,   &TfrmTrovaClienti::txtOccupazione,
        &TfrmTrovaClienti::txtProdotti,  &TfrmTrovaClienti::txtZona,        &TfrmTrovaClienti::txtQuestioni,
        &TfrmTrovaClienti::txtNote};
    auto *guida = Etichetta(nullptr,
                            QStringLiteral("Compila uno o più campi e premi \u00abCerca\u00bb: vengono elencati i "
                                           "clienti che li soddisfano tutti; senza filtri, tutti i clienti."),
                            pannello);
    guida->setStyleSheet(QStringLiteral("color: #5E6E7E;"));
    guida->setContentsMargins(40, 18, 40, 0);
    colonna->addWidget(guida);
    auto *griglia = new QGridLayout;
    griglia->setContentsMargins(40, 16, 40, 10);
    griglia->setHorizontalSpacing(48);
    griglia->setVerticalSpacing(4);
    for (int i = 0; i < 10; ++i) {
        const CampoFiltro &f = kFiltriClienti[size_t(i)];
        auto *campo = new QLineEdit(pannello);
        campo->setObjectName(QString::fromLatin1(f.controllo));
        campo->setMinimumHeight(32);
        campo->installEventFilter(this);
        this->*membri[i] = campo;
        filtri_[size_t(i)] = campo;
        auto *etichetta = Etichetta(nullptr, QString::fromUtf8(f.etichetta), pannello);
        etichetta->setObjectName(QStringLiteral("lbl") + QString::fromLatin1(f.controllo).mid(3));
        etichetta->setBuddy(campo);
        const int riga = (i / 2) * 3, col = i % 2;
        griglia->addWidget(etichetta, riga, col);
        griglia->addWidget(campo, riga + 1, col);
        griglia->setRowMinimumHeight(riga + 2, 18);
    }
    griglia->setRowStretch(15, 1);
    colonna->addLayout(griglia, 1);
    // The highlights go behind the fields once these have their places.
    for (QLineEdit *campo : filtri_) Stile::EvidenziaFocus(campo, QStringLiteral("eff") + campo->objectName().mid(3));

    lblAttendere = Etichetta("lblAttendere", QStringLiteral("Ricerca schede in corso. Attendere..."), pannello);
    lblAttendere->setStyleSheet(QStringLiteral("color: #1D5A9E; font-weight: bold;"));
    lblAttendere->hide();
    btnCerca = Pulsante("btnCerca", QStringLiteral("Cerca"), pannello, this);
    Stile::Principale(btnCerca);
    btnAnnulla = Pulsante("btnAnnulla", QStringLiteral("Chiudi"), pannello, this);

    QHBoxLayout *piede = RigaPiede(colonna, pannello);
    piede->addWidget(lblAttendere);
    piede->addStretch(1);
    piede->addWidget(btnCerca);
    piede->addWidget(btnAnnulla);

    connect(btnCerca, &QPushButton::clicked, this, &TfrmTrovaClienti::btnCercaClick);
    connect(btnAnnulla, &QPushButton::clicked, this, &TfrmTrovaClienti::btnAnnullaClick);
    return pannello;
}

AzioneModo TfrmTrovaClienti::Azione() const
{
    return AzionePerModo(lblMemory->text());
}

void TfrmTrovaClienti::showEvent(QShowEvent *e)
{
    TFinestraElencoClienti::showEvent(e);
    if (e->spontaneous()) return;
    Stile::Centra(this);
    FormShow();
}

void TfrmTrovaClienti::FormShow()
{
    AzzeraRicerca();
    txtCliente->setFocus();
}

void TfrmTrovaClienti::FormClose()
{
    TFinestraElencoClienti::FormClose();
    lblAttendere->hide();
}

void TfrmTrovaClienti::btnCercaMouseDown()
{
    lblAttendere->show();
}

void TfrmTrovaClienti::btnCercaClick()
{
    QStringList testi;
    for (QLineEdit *campo : filtri_) testi << campo->text();
    const FiltriClienti filtri(testi);
    lblConta->setText(QString::number(filtri.Attivi()));
    ImpostaRighe({});

    const ElencoLetto elenco = CercaClienti(filtri, Avanzamento(lblAttendere->text()));
    TerminaAvanzamento();
    if (elenco.errore) {
        lblAttendere->hide();
        Msg::Semplice(this, MSG_ACCESSO_ARCHIVIO);
        return;
    }
    ImpostaRighe(elenco.righe);
    lblTrovate->setText(TestoTrovate(elenco.righe.size()));
    panContainer->show();
    panAvvio->hide();
    AzzeraRicerca();
    txtTrova->setFocus();
}

void TfrmTrovaClienti::btnAnnullaClick()
{
    close();
}

void TfrmTrovaClienti::FiltroKeyDown(QLineEdit *campo)
{
    const auto it = std::find(filtri_.begin(), filtri_.end(), campo);
    if (it == filtri_.end()) return;
    const auto prossimo = std::next(it) == filtri_.end() ? filtri_.begin() : std::next(it);
    (*prossimo)->setFocus();
}

bool TfrmTrovaClienti::eventFilter(QObject *o, QEvent *e)
{
    if (TastoInvio(e)) {
        if (auto *campo = qobject_cast<QLineEdit *>(o); campo && campo != txtTrova) {
            FiltroKeyDown(campo);
            return true;
        }
    }
    if (o == btnCerca && e->type() == QEvent::MouseButtonPress) btnCercaMouseDown();
    return TFinestraElencoClienti::eventFilter(o, e);
}
