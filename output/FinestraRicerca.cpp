#include "output/FinestraRicerca.h"

#include "ui/Disegni.h"

#include "output/Avanzamento.h"
#include "output/Report.h"
#include "output/Riepilogo.h"
#include "output/TrovaLista.h"
#include "storage/Formati.h"
#include "storage/TArchivio.h"
#include "ui/Messaggi.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QTimer>
#include <QVBoxLayout>

namespace {

constexpr int kPiede = 64; // height of the bottom band with the buttons

// The most a search window may take: a 1024x768 screen less a taskbar and
// the window frame. Longer lines scroll sideways in the list.
constexpr QSize kMassima(1012, 700);

// A button of the window. Enter moves between fields or presses the focused
// button, never a default one: the window's event filter clicks a focused
// button on Enter.
QPushButton *Pulsante(const char *nome, const QString &testo, QWidget *parent, QObject *filtro)
{
    QPushButton *b = Stile::Pulsante(testo, QString::fromLatin1(nome), parent);
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

QLabel *Etichetta(const QString &nome, const QString &testo, QWidget *parent)
{
    auto *l = new QLabel(testo, parent);
    if (!nome.isEmpty()) l->setObjectName(nome);
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

// "txtCliente" -> "Cliente".
QString SenzaPrefisso(const QString &nome)
{
    return nome.startsWith(QLatin1String("txt")) ? nome.mid(3) : nome;
}

} // namespace

// ============================================================ list model

TModelloRighe::TModelloRighe(QObject *parent, int punti)
    : QStringListModel(parent), font_(Stile::Carattere(QStringLiteral("Courier New"), punti))
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

QListView *NuovaListaRighe(QWidget *parent, TModelloRighe *modello)
{
    auto *lista = new QListView(parent);
    lista->setObjectName(QStringLiteral("lstRecords"));
    lista->setModel(modello);
    lista->setUniformItemSizes(true); // fast with hundreds of thousands of lines
    lista->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lista->setSelectionMode(QAbstractItemView::SingleSelection);
    lista->setTextElideMode(Qt::ElideNone);
    lista->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    lista->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    lista->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    lista->setAlternatingRowColors(true);
    lista->setStyleSheet(QStringLiteral(
        "QListView { background: #FFFFFF; alternate-background-color: #F5F8FC;"
        " border: 1px solid #C9D3DE; border-radius: 4px; }"));
    return lista;
}

// ================================================================ window

struct TFinestraRicerca::Progresso {
    std::unique_ptr<TAvanzamento> av;
};

TFinestraRicerca::TFinestraRicerca(QWidget *owner, DescrizioneRicerca d)
    : Stile::TDialogo(owner, d.dimensione.boundedTo(kMassima), kPiede), owner_(owner), d_(std::move(d)),
      progresso_(std::make_unique<Progresso>())
{
    // FormCreate: dates "dd/mm/yyyy" and the decimal comma.
    ImpostaFormati();
    setWindowTitle(d_.didascalia);
    frxReport = std::make_unique<TReport>(d_.modelloStampa);

    modello = new TModelloRighe(this);
    lstRecords = NuovaListaRighe(this, modello);
    lstRecords->viewport()->installEventFilter(this);

    lblRigo03 = Etichetta(QStringLiteral("lblRigo03"), d_.rigo03, this);
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
    connect(btnTrova, &QPushButton::clicked, this, &TFinestraRicerca::btnTrovaClick);
    connect(btnStampa, &QPushButton::clicked, this, &TFinestraRicerca::btnStampaClick);
    connect(btnChiudi, &QPushButton::clicked, this, &TFinestraRicerca::btnChiudiClick);

    auto *colonna = new QVBoxLayout(this);
    colonna->setContentsMargins(0, 0, 0, 0);
    colonna->setSpacing(0);
    colonna->addWidget(CreaBanner());
    if (d_.filtri.empty()) {
        colonna->addWidget(CreaPannelloElenco(nullptr), 1);
    } else {
        lblConta = Etichetta(QStringLiteral("lblConta"), QStringLiteral("0"), this);
        lblConta->hide();
        lblMemory = Etichetta(QStringLiteral("lblMemory"), QString(), this);
        lblMemory->hide();

        panAvvio = CreaFiltri();
        panAvvio->setObjectName(QStringLiteral("panAvvio"));

        lblTrovate = Etichetta(QStringLiteral("lblTrovate"), d_.trovate, this);
        QFont grassetto = lblTrovate->font();
        grassetto.setBold(true);
        lblTrovate->setFont(grassetto);
        panContainer = CreaPannelloElenco(lblTrovate);
        panContainer->setObjectName(QStringLiteral("panContainer"));
        panContainer->hide();

        colonna->addWidget(panAvvio, 1);
        colonna->addWidget(panContainer, 1);
    }

    // The find field shows the yellow focus highlight like the filter fields.
    Stile::EvidenziaFocus(txtTrova);

    if (!d_.guida.titolo.isEmpty()) {
        auto *f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
        connect(f1, &QShortcut::activated, this, [this] { MostraGuida(this, d_.guida); });
    }
}

TFinestraRicerca::~TFinestraRicerca() = default;

QWidget *TFinestraRicerca::CreaBanner()
{
    return Stile::Testata(this, d_.didascalia.trimmed(), d_.sottotitolo);
}

QWidget *TFinestraRicerca::CreaFiltri()
{
    auto *pannello = new QWidget(this);
    auto *colonna = new QVBoxLayout(pannello);
    colonna->setContentsMargins(0, 0, 0, 0);
    colonna->setSpacing(0);

    if (!d_.istruzioni.isEmpty()) {
        auto *guida = Etichetta(QString(), d_.istruzioni, pannello);
        guida->setStyleSheet(QStringLiteral("color: #5E6E7E;"));
        guida->setContentsMargins(40, 18, 40, 0);
        colonna->addWidget(guida);
    }
    // The fields two by two, in the order of the Enter chain.
    auto *griglia = new QGridLayout;
    griglia->setContentsMargins(40, 16, 40, 10);
    griglia->setHorizontalSpacing(48);
    griglia->setVerticalSpacing(4);
    const int n = int(d_.filtri.size());
    for (int i = 0; i < n; ++i) {
        const FiltroRicerca &f = d_.filtri[size_t(i)];
        auto *campo = new QLineEdit(pannello);
        campo->setObjectName(f.controllo);
        campo->setMinimumHeight(32);
        campo->installEventFilter(this);
        filtri_.push_back(campo);
        auto *etichetta = Etichetta(QStringLiteral("lbl") + SenzaPrefisso(f.controllo), f.etichetta, pannello);
        etichetta->setBuddy(campo);
        const int riga = (i / 2) * 3, col = i % 2;
        griglia->addWidget(etichetta, riga, col);
        griglia->addWidget(campo, riga + 1, col);
        griglia->setRowMinimumHeight(riga + 2, 18);
    }
    griglia->setRowStretch(((n + 1) / 2) * 3, 1);
    colonna->addLayout(griglia, 1);
    // The highlights go behind the fields once these have their places.
    for (size_t i = 0; i < filtri_.size(); ++i) {
        const FiltroRicerca &f = d_.filtri[i];
        Stile::EvidenziaFocus(filtri_[i],
                              f.evidenza.isEmpty() ? QStringLiteral("eff") + SenzaPrefisso(f.controllo) : f.evidenza);
    }

    lblAttendere = Etichetta(QStringLiteral("lblAttendere"), QStringLiteral("Ricerca schede in corso. Attendere..."),
                             pannello);
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

    connect(btnCerca, &QPushButton::clicked, this, &TFinestraRicerca::btnCercaClick);
    connect(btnAnnulla, &QPushButton::clicked, this, &TFinestraRicerca::btnAnnullaClick);
    return pannello;
}

QWidget *TFinestraRicerca::CreaPannelloElenco(QLabel *intestazione)
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

void TFinestraRicerca::AzzeraRicerca()
{
    trova_->AzzeraRicerca();
    txtTrova->clear();
}

void TFinestraRicerca::ImpostaRighe(const QStringList &righe)
{
    modello->setStringList(righe);
    lstRecords->horizontalScrollBar()->setValue(0);
}

AvanzamentoLettura TFinestraRicerca::Avanzamento(const QString &testo)
{
    progresso_->av.reset();
    return [this, testo](qint64 letti, qint64 totale) {
        if (!progresso_->av) progresso_->av = std::make_unique<TAvanzamento>(this, testo, totale);
        progresso_->av->Aggiorna(letti);
    };
}

void TFinestraRicerca::TerminaAvanzamento()
{
    progresso_->av.reset();
}

QString TFinestraRicerca::RigaSelezionata() const
{
    const QModelIndexList scelte = lstRecords->selectionModel()->selectedIndexes();
    if (scelte.isEmpty()) return QString();
    return scelte.first().data().toString();
}

void TFinestraRicerca::showEvent(QShowEvent *e)
{
    Stile::TDialogo::showEvent(e);
    if (e->spontaneous()) return;
    Stile::Centra(this);
    FormShow();
}

void TFinestraRicerca::FormShow()
{
    AzzeraRicerca();
    if (!filtri_.empty()) {
        filtri_.front()->setFocus();
        return;
    }
    ImpostaRighe({});
    const ElencoLetto elenco = LeggiElenco(d_.file, d_.scegli, d_.ordina, Avanzamento(d_.lettura));
    TerminaAvanzamento();
    ImpostaRighe(elenco.righe);
    txtTrova->setFocus();
}

void TFinestraRicerca::FormClose()
{
    modello->setStringList({});
    if (lblAttendere) lblAttendere->hide();
}

void TFinestraRicerca::btnCercaMouseDown()
{
    if (lblAttendere) lblAttendere->show();
}

void TFinestraRicerca::btnCercaClick()
{
    if (filtri_.empty()) return;
    QStringList testi;
    std::vector<CampoGrezzo> campi;
    for (size_t i = 0; i < filtri_.size(); ++i) {
        testi << filtri_[i]->text();
        campi.push_back(d_.filtri[i].campo);
    }
    const FiltriRecord filtri(testi, campi);
    lblConta->setText(QString::number(filtri.Attivi()));
    ImpostaRighe({});

    const auto &scegli = d_.scegli;
    const ElencoLetto elenco = LeggiElenco(
        d_.file, [&](const char *r) { return filtri.Corrisponde(r) && (!scegli || scegli(r)); }, d_.ordina,
        Avanzamento(lblAttendere->text()));
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

void TFinestraRicerca::btnAnnullaClick()
{
    close();
}

void TFinestraRicerca::FiltroKeyDown(QLineEdit *campo)
{
    const auto it = std::find(filtri_.begin(), filtri_.end(), campo);
    if (it == filtri_.end()) return;
    const auto prossimo = std::next(it) == filtri_.end() ? filtri_.begin() : std::next(it);
    (*prossimo)->setFocus();
}

void TFinestraRicerca::btnTrovaClick()
{
    trova_->btnTrovaClick();
}

void TFinestraRicerca::btnStampaClick()
{
    StampaRiepilogo(*frxReport, d_.titoloStampa, RigheLista(modello), {}, this);
}

void TFinestraRicerca::btnChiudiClick()
{
    close();
}

void TFinestraRicerca::lstRecordsDblClick()
{
    const QString riga = RigaSelezionata();
    if (!riga.isEmpty() && d_.azione) {
        const QString modo = lblMemory ? lblMemory->text() : QString();
        try {
            RichiamaRecord(d_.file, riga,
                           [&](const char *record, qint64 posizione) { d_.azione(owner_, modo, record, posizione); });
        } catch (...) {
            // A failure while choosing closes the window without a message.
        }
    }
    close();
}

void TFinestraRicerca::txtTrovaKeyDown()
{
    btnTrova->setFocus();
}

void TFinestraRicerca::done(int r)
{
    FormClose();
    Stile::TDialogo::done(r);
}

bool TFinestraRicerca::eventFilter(QObject *o, QEvent *e)
{
    if (TastoInvio(e)) {
        if (o == txtTrova) {
            txtTrovaKeyDown();
            return true;
        }
        if (auto *campo = qobject_cast<QLineEdit *>(o)) {
            FiltroKeyDown(campo);
            return true;
        }
        if (auto *b = qobject_cast<QPushButton *>(o)) {
            b->click();
            return true;
        }
    }
    if (o == btnCerca && btnCerca && e->type() == QEvent::MouseButtonPress) btnCercaMouseDown();
    // A double click anywhere on the list (the press before it selected the line).
    if (o == lstRecords->viewport() && e->type() == QEvent::MouseButtonDblClick
        && static_cast<QMouseEvent *>(e)->button() == Qt::LeftButton) {
        QTimer::singleShot(0, this, &TFinestraRicerca::lstRecordsDblClick);
        return true;
    }
    return Stile::TDialogo::eventFilter(o, e);
}
