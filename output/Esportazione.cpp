#include "output/Esportazione.h"

#include "storage/Cartella.h"
#include "ui/Messaggi.h"
#include "ui/TMisc.h"
#include "output/Avanzamento.h"
#include "output/Icone.h"

#include <QApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

const char *const kDomandaEsportazione =
    "L'esportazione dei dati in Excel può richiedere diversi minuti a seconda del numero di schede "
    "presenti in archivio.\r\n\r\nSi vuole esportare i dati adesso?";
const char *const kDomandaApertura =
    "Le schede in archivio sono state esportate con successo.\r\n\r\nSi vuole aprire il file di Excel?";
const char *const kErroreEsportazione =
    "Attenzione: il sistema non permette di esportare i dati.\n\r\n\r"
    "Accertarsi che il file di Excel non sia già aperto.";
const char *const kInfoEsportazione = "Esportazione archivio in Microsoft Excel.";

namespace {
const char *const kHintEsporta = "Esporta l'archivio in formato Microsoft Excel.";
const char *const kHintGuida = "Visualizza la pagina della guida sensibile al contesto.";
const char *const kHintEsci = "Esci da questo ambiente di lavoro.";
constexpr int kAltezzaRiga = 21;
} // namespace

void AggiungiRiga(RigheGriglia &righe, QStringList dati)
{
    dati.prepend(QString::number(righe.size() + 1));
    righe.append(std::move(dati));
}

// ---------------------------------------------------------------------------

TModelloGriglia::TModelloGriglia(const QVector<ColonnaGriglia> &colonne, QObject *parent)
    : QAbstractTableModel(parent), colonne_(colonne)
{
}

int TModelloGriglia::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(righe_.size());
}

int TModelloGriglia::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(colonne_.size());
}

QVariant TModelloGriglia::data(const QModelIndex &index, int role) const
{
    if (!index.isValid()) return {};
    if (role == Qt::DisplayRole || role == Qt::EditRole) {
        const QStringList &r = righe_[index.row()];
        return index.column() < r.size() ? r[index.column()] : QString();
    }
    if (role == Qt::TextAlignmentRole) return int(Qt::AlignLeft | Qt::AlignVCenter);
    // The row number looks like a fixed column.
    if (role == Qt::BackgroundRole && index.column() == 0) return QColor(0xe4, 0xe9, 0xf0);
    return {};
}

bool TModelloGriglia::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable)) return false;
    QStringList &r = righe_[index.row()];
    while (r.size() <= index.column()) r.append(QString());
    r[index.column()] = value.toString();
    emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
    return true;
}

Qt::ItemFlags TModelloGriglia::flags(const QModelIndex &index) const
{
    if (!index.isValid()) return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
    if (colonne_[index.column()].modificabile) f |= Qt::ItemIsEditable;
    return f;
}

QVariant TModelloGriglia::headerData(int section, Qt::Orientation o, int role) const
{
    if (o == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < colonne_.size())
        return colonne_[section].intestazione;
    if (o == Qt::Horizontal && role == Qt::TextAlignmentRole) return int(Qt::AlignLeft | Qt::AlignVCenter);
    return QAbstractTableModel::headerData(section, o, role);
}

void TModelloGriglia::ImpostaRighe(RigheGriglia righe)
{
    beginResetModel();
    righe_ = std::move(righe);
    endResetModel();
}

// ---------------------------------------------------------------------------

TfrmEsportazione::TfrmEsportazione(QWidget *owner, DescrizioneEsportazione descrizione)
    : QDialog(owner), d_(std::move(descrizione))
{
    setWindowTitle(d_.titolo);
    // Fixed size, no system buttons: the window closes through cmdEsci.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setMouseTracking(true);

    QVector<ColonnaGriglia> colonne;
    colonne.append({QStringLiteral("N."), d_.larghezzaNumero, false});
    colonne += d_.colonne;
    modello_ = new TModelloGriglia(colonne, this);

    imgLogo = new QLabel(this);
    imgLogo->setObjectName(QStringLiteral("imgLogo"));
    imgLogo->setPixmap(ImmagineBanner(QSize(1000, 56), d_.titolo.trimmed()));
    imgLogo->setFixedHeight(56);
    imgLogo->setMouseTracking(true);

    grdRecords = new QTableView(this);
    grdRecords->setObjectName(QStringLiteral("grdRecords"));
    grdRecords->setModel(modello_);
    grdRecords->setAlternatingRowColors(true);
    grdRecords->setStyleSheet(QStringLiteral(
        "QTableView { alternate-background-color: #eef4fb; background: white; gridline-color: #c8d0da; }"
        "QHeaderView::section { background: #dde4ee; padding: 2px 4px; border: none;"
        " border-right: 1px solid #b8c2d0; border-bottom: 1px solid #b8c2d0; font-weight: bold; }"));
    grdRecords->setSelectionBehavior(QAbstractItemView::SelectItems);
    grdRecords->setSelectionMode(QAbstractItemView::SingleSelection);
    grdRecords->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                                QAbstractItemView::AnyKeyPressed);
    grdRecords->setWordWrap(false);
    grdRecords->verticalHeader()->setVisible(false);
    grdRecords->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grdRecords->verticalHeader()->setMinimumSectionSize(kAltezzaRiga);
    grdRecords->verticalHeader()->setDefaultSectionSize(kAltezzaRiga);
    grdRecords->horizontalHeader()->setHighlightSections(false);
    grdRecords->horizontalHeader()->setStretchLastSection(false);
    for (int c = 0; c < colonne.size(); ++c) grdRecords->setColumnWidth(c, colonne[c].larghezza);
    grdRecords->viewport()->setMouseTracking(true);

    icoHand = new QLabel(this);
    icoHand->setObjectName(QStringLiteral("icoHand"));
    icoHand->setPixmap(ImmagineMano(40));

    cmdEsporta = new QToolButton(this);
    cmdEsporta->setObjectName(QStringLiteral("cmdEsporta"));
    cmdEsporta->setIcon(QIcon(IconaFoglioCalcolo(48)));
    cmdEsporta->setIconSize(QSize(48, 48));
    cmdEsporta->setText(QStringLiteral("Esporta in Excel"));
    cmdEsporta->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    cmdEsporta->setAutoRaise(true);
    cmdEsporta->setFocusPolicy(Qt::StrongFocus);
    cmdEsporta->setCursor(Qt::PointingHandCursor);

    cmdGuida = new QPushButton(QStringLiteral("Guida"), this);
    cmdGuida->setObjectName(QStringLiteral("cmdGuida"));
    cmdGuida->setMinimumSize(110, 34);
    cmdEsci = new QPushButton(QStringLiteral("Esci"), this);
    cmdEsci->setObjectName(QStringLiteral("cmdEsci"));
    cmdEsci->setMinimumSize(110, 34);
    // Enter belongs to the grid's editing, not to a default button.
    for (QPushButton *b : {cmdGuida, cmdEsci}) {
        b->setAutoDefault(false);
        b->setDefault(false);
    }

    panInfo = new QLabel(QString::fromUtf8(kInfoEsportazione), this);
    panInfo->setObjectName(QStringLiteral("panInfo"));
    panInfo->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panInfo->setContentsMargins(6, 2, 6, 2);
    panInfo->setMouseTracking(true);

    auto *pulsanti = new QHBoxLayout;
    pulsanti->setContentsMargins(10, 4, 10, 4);
    pulsanti->addWidget(icoHand);
    pulsanti->addWidget(cmdEsporta);
    pulsanti->addStretch(1);
    pulsanti->addWidget(cmdGuida);
    pulsanti->addSpacing(8);
    pulsanti->addWidget(cmdEsci);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(imgLogo);
    auto *centro = new QVBoxLayout;
    centro->setContentsMargins(10, 10, 10, 0);
    centro->addWidget(grdRecords, 1);
    layout->addLayout(centro, 1);
    layout->addLayout(pulsanti);
    layout->addWidget(panInfo);

    connect(cmdEsporta, &QToolButton::clicked, this, &TfrmEsportazione::cmdEsportaClick);
    connect(cmdGuida, &QPushButton::clicked, this, &TfrmEsportazione::cmdGuidaClick);
    connect(cmdEsci, &QPushButton::clicked, this, &TfrmEsportazione::cmdEsciClick);
    for (QObject *o : {static_cast<QObject *>(this), static_cast<QObject *>(panInfo),
                       static_cast<QObject *>(imgLogo), static_cast<QObject *>(grdRecords->viewport()),
                       static_cast<QObject *>(cmdEsporta), static_cast<QObject *>(cmdGuida),
                       static_cast<QObject *>(cmdEsci)})
        o->installEventFilter(this);

    setFixedSize(1000, 640);
}

TfrmEsportazione::~TfrmEsportazione() = default;

void TfrmEsportazione::showEvent(QShowEvent *e)
{
    if (!riempita_) {
        riempita_ = true;
        if (QScreen *s = screen()) move(s->availableGeometry().center() - rect().center());
        FormShow();
    }
    QDialog::showEvent(e);
}

void TfrmEsportazione::FormShow()
{
    RigheGriglia righe;
    if (d_.riempi) {
        try {
            d_.riempi(righe);
        } catch (...) {
            // The grid shows what was read before the failure.
        }
    }
    modello_->ImpostaRighe(std::move(righe));
}

bool TfrmEsportazione::eventFilter(QObject *o, QEvent *e)
{
    const QEvent::Type t = e->type();
    if (t == QEvent::MouseMove || t == QEvent::Enter) {
        if (o == cmdEsporta) cmdEsportaMouseMove();
        else if (o == cmdGuida) cmdGuidaMouseMove();
        else if (o == cmdEsci) cmdEsciMouseMove();
        else if (t == QEvent::MouseMove) FormMouseMove();
    }
    return QDialog::eventFilter(o, e);
}

void TfrmEsportazione::keyPressEvent(QKeyEvent *e)
{
    // Escape does not close the window: only cmdEsci does.
    if (e->key() == Qt::Key_Escape) {
        e->accept();
        return;
    }
    QDialog::keyPressEvent(e);
}

void TfrmEsportazione::FormMouseMove() { panInfo->clear(); }
void TfrmEsportazione::cmdEsportaMouseMove() { panInfo->setText(QString::fromUtf8(kHintEsporta)); }
void TfrmEsportazione::cmdGuidaMouseMove() { panInfo->setText(QString::fromUtf8(kHintGuida)); }
void TfrmEsportazione::cmdEsciMouseMove() { panInfo->setText(QString::fromUtf8(kHintEsci)); }

void TfrmEsportazione::cmdEsciClick() { accept(); }

void TfrmEsportazione::cmdGuidaClick() { MostraGuida(this, d_.guida); }

void TfrmEsportazione::cmdEsportaClick()
{
    // A cell being edited keeps its typed text: leaving the editor commits it.
    // (The grid's open editors are the visible children of its viewport.)
    for (QWidget *w : grdRecords->viewport()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (w->isHidden()) continue;
        QMetaObject::invokeMethod(grdRecords, "commitData", Q_ARG(QWidget *, w));
        QMetaObject::invokeMethod(grdRecords, "closeEditor", Q_ARG(QWidget *, w),
                                  Q_ARG(QAbstractItemDelegate::EndEditHint, QAbstractItemDelegate::NoHint));
    }
    if (!Msg::Domanda(this, QString::fromUtf8(kDomandaEsportazione))) return;

    QVector<IntestazioneExcel> intestazioni = d_.intestazioni;
    if (intestazioni.isEmpty())
        for (const ColonnaGriglia &c : d_.colonne) intestazioni.append({c.intestazione, c.larghezza});
    const RigheGriglia &righe = modello_->Righe();
    bool ok;
    {
        TAvanzamento avanzamento(this, QStringLiteral("Esportazione dei dati in corso..."), righe.size());
        ok = EsportaFoglioExcel(d_.nomeFile, d_.nomeFoglio, intestazioni, righe,
                                [&](qint64 n) { avanzamento.Aggiorna(n); });
    }
    if (!ok) {
        Msg::Semplice(this, QString::fromUtf8(kErroreEsportazione));
        return;
    }
    if (Msg::Domanda(this, QString::fromUtf8(kDomandaApertura)))
        TMisc::Open(u'"' + CartellaProgramma() + d_.nomeFile + u'"');
}
