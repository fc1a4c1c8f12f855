#include "output/Esportazione.h"

#include "storage/Cartella.h"
#include "ui/Disegni.h"
#include "ui/Kit.h"
#include "ui/Messaggi.h"
#include "ui/TMisc.h"
#include "output/Avanzamento.h"

#include <QApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTableView>
#include <QPainter>
#include <QDir>
#include <QFileInfo>
#include <QVBoxLayout>

const char *const kDomandaEsportazione =
    "L'esportazione dei dati in Excel può richiedere diversi minuti a seconda del numero di schede "
    "presenti in archivio.\r\n\r\nSi vuole esportare i dati adesso?";
const char *const kErroreEsportazione =
    "Attenzione: il sistema non permette di esportare i dati.\n\r\n\r"
    "Accertarsi che il file di Excel non sia già aperto.";
const char *const kErroreEsportazioneCartella =
    "Attenzione: il sistema non permette di esportare i dati.\n\r\n\r"
    "Accertarsi di possedere i privilegi di scrittura nella cartella di installazione del programma.";
const char *const kInfoEsportazione = "Esportazione archivio in Microsoft Excel.";

QString DomandaAperturaEsportazione(const QString &file)
{
    return QStringLiteral("Le schede in archivio sono state esportate con successo.\r\n\r\n") + Msg::FileSalvato(file)
           + QStringLiteral("\r\n\r\nSi vuole aprire il file di Excel?");
}

namespace {
const char *const kHintEsporta = "Esporta l'archivio in formato Microsoft Excel.";
const char *const kHintGuida = "Visualizza la pagina della guida sensibile al contesto.";
const char *const kHintEsci = "Esci da questo ambiente di lavoro.";
constexpr int kAltezzaRiga = 21;
constexpr int kAltezzaBanner = 84;
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

    // The program's banner: what is exported, and into which file.
    const QString titolo = d_.titolo.trimmed();
    const QString sottotitolo = QStringLiteral("Foglio di calcolo ") + d_.nomeFile
                                + QStringLiteral(" nella cartella del programma");
    imgLogo = new Stile::TImmagine(QStringLiteral("imgLogo"), QSize(1000, kAltezzaBanner), this);
    imgLogo->setFixedHeight(kAltezzaBanner);
    imgLogo->ImpostaDisegno([titolo, sottotitolo](QPainter &p, const QRectF &r, Stile::Stato) {
        Stile::DisegnaBanner(p, r, titolo, sottotitolo);
    });
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

    // The badge of the file type beside the button that writes it.
    icoHand = new QLabel(this);
    icoHand->setObjectName(QStringLiteral("icoHand"));
    icoHand->setFixedSize(40, 40);
    icoHand->setPixmap(Stile::Icona(Stile::Simbolo::Foglio, 40, devicePixelRatioF()));

    const QColor accento(Stile::Colore::Primario);
    const qreal dpr = devicePixelRatioF();
    cmdEsporta = Stile::Pulsante(QStringLiteral("Esporta in Excel"), QStringLiteral("cmdEsporta"), this,
                                 Stile::IconaPulsante(Stile::Simbolo::Esporta, Qt::white, dpr), 170);
    Stile::Principale(cmdEsporta);
    cmdGuida = Stile::Pulsante(QStringLiteral("Guida"), QStringLiteral("cmdGuida"), this,
                               Stile::IconaPulsante(Stile::Simbolo::Guida, accento, dpr));
    cmdEsci = Stile::Pulsante(QStringLiteral("Esci"), QStringLiteral("cmdEsci"), this,
                              Stile::IconaPulsante(Stile::Simbolo::Esci, accento, dpr));
    // Enter belongs to the grid's editing, not to a default button.
    for (QPushButton *b : {cmdEsporta, cmdGuida, cmdEsci}) {
        b->setIconSize(QSize(18, 18));
        b->setAutoDefault(false);
        b->setDefault(false);
    }

    panInfo = new QLabel(QString::fromUtf8(kInfoEsportazione), this);
    panInfo->setObjectName(QStringLiteral("panInfo"));
    panInfo->setStyleSheet(QStringLiteral("QLabel#panInfo { background: #1D5A9E; color: white; padding: 6px 12px; }"));
    panInfo->setMouseTracking(true);
    Stile::Suggerimento(cmdEsporta, panInfo, QString::fromUtf8(kHintEsporta));
    Stile::Suggerimento(cmdGuida, panInfo, QString::fromUtf8(kHintGuida));
    Stile::Suggerimento(cmdEsci, panInfo, QString::fromUtf8(kHintEsci));

    auto *banda = new Stile::TBanda(this);
    banda->setMouseTracking(true);
    auto *pulsanti = static_cast<QHBoxLayout *>(banda->layout());
    pulsanti->addWidget(icoHand);
    pulsanti->addWidget(cmdEsporta);
    pulsanti->addStretch(1);
    pulsanti->addWidget(cmdGuida);
    pulsanti->addWidget(cmdEsci);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(imgLogo);
    auto *centro = new QVBoxLayout;
    centro->setContentsMargins(12, 12, 12, 12);
    centro->addWidget(grdRecords, 1);
    layout->addLayout(centro, 1);
    layout->addWidget(banda);
    layout->addWidget(panInfo);

    connect(cmdEsporta, &QPushButton::clicked, this, &TfrmEsportazione::cmdEsportaClick);
    connect(cmdGuida, &QPushButton::clicked, this, &TfrmEsportazione::cmdGuidaClick);
    connect(cmdEsci, &QPushButton::clicked, this, &TfrmEsportazione::cmdEsciClick);
    for (QObject *o : {static_cast<QObject *>(this), static_cast<QObject *>(panInfo),
                       static_cast<QObject *>(imgLogo), static_cast<QObject *>(grdRecords->viewport()),
                       static_cast<QObject *>(banda)})
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
    // Over the background, panel, banner and grid the status line empties;
    // the buttons show their hints (Stile::Suggerimento).
    if (t == QEvent::MouseMove) FormMouseMove();
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
    if (modello_->Righe().isEmpty()) {
        // An empty sheet announced as a success would only mislead.
        Msg::Informazione(this, QStringLiteral("L'elenco non contiene nessuna scheda: non ci sono dati da esportare."));
        return;
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
        // A folder the user may not write into is not a file left open.
        const QFileInfo cartella(CartellaProgramma());
        Msg::Semplice(this, cartella.isDir() && cartella.isWritable()
                                ? QString::fromUtf8(kErroreEsportazione)
                                : QString::fromUtf8(kErroreEsportazioneCartella));
        return;
    }
    const QString file = CartellaProgramma() + d_.nomeFile;
    if (Msg::Domanda(this, DomandaAperturaEsportazione(file))) TMisc::Open(u'"' + file + u'"');
}
