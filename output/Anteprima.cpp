#include "output/Anteprima.h"

#include "output/Report.h"

#include <QAction>
#include <QGuiApplication>
#include <QLabel>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QScreen>
#include <QToolBar>
#include <QVBoxLayout>

TfrmAnteprimaReport::TfrmAnteprimaReport(TReport &report, QWidget *parent)
    : QDialog(parent), report_(report), printer_(new QPrinter(QPrinter::HighResolution))
{
    setObjectName(QStringLiteral("frmAnteprima"));
    setWindowTitle(QStringLiteral(" Anteprima di stampa - ") + report.Nome());
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowMaximizeButtonHint);
    printer_->setFullPage(true);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    barra_ = new QToolBar(this);
    barra_->setObjectName(QStringLiteral("barAnteprima"));
    barra_->setToolButtonStyle(Qt::ToolButtonTextOnly);
    layout->addWidget(barra_);
    vista_ = new QPrintPreviewWidget(printer_, this);
    vista_->setObjectName(QStringLiteral("vistaPagine"));
    layout->addWidget(vista_, 1);
    connect(vista_, &QPrintPreviewWidget::paintRequested, this, &TfrmAnteprimaReport::Disegna);
    connect(vista_, &QPrintPreviewWidget::previewChanged, this, &TfrmAnteprimaReport::AggiornaPagina);

    const QStringList pulsanti = report.PulsantiAnteprima();
    auto abilitato = [&](const char *p) { return pulsanti.contains(QLatin1String(p)); };
    if (abilitato("print")) {
        connect(Aggiungi(QStringLiteral("btnStampa"), QStringLiteral("Stampa"),
                         QStringLiteral("Stampa il documento")),
                &QAction::triggered, this, [this] { report_.Stampa(this); });
        barra_->addSeparator();
    }
    if (abilitato("zoom")) {
        connect(Aggiungi(QStringLiteral("btnZoomPiu"), QStringLiteral("Zoom +"), QStringLiteral("Ingrandisci")),
                &QAction::triggered, vista_, [this] { vista_->zoomIn(); });
        connect(Aggiungi(QStringLiteral("btnZoomMeno"), QStringLiteral("Zoom -"), QStringLiteral("Riduci")),
                &QAction::triggered, vista_, [this] { vista_->zoomOut(); });
        connect(Aggiungi(QStringLiteral("btnPaginaIntera"), QStringLiteral("Pagina intera"),
                         QStringLiteral("Mostra la pagina intera")),
                &QAction::triggered, vista_, &QPrintPreviewWidget::fitInView);
        connect(Aggiungi(QStringLiteral("btnLarghezza"), QStringLiteral("Larghezza pagina"),
                         QStringLiteral("Adatta alla larghezza della pagina")),
                &QAction::triggered, vista_, &QPrintPreviewWidget::fitToWidth);
        barra_->addSeparator();
    }
    if (abilitato("navigator")) {
        connect(Aggiungi(QStringLiteral("btnPrima"), QStringLiteral("<<"), QStringLiteral("Prima pagina")),
                &QAction::triggered, this, [this] { vista_->setCurrentPage(1); AggiornaPagina(); });
        connect(Aggiungi(QStringLiteral("btnPrecedente"), QStringLiteral("<"), QStringLiteral("Pagina precedente")),
                &QAction::triggered, this,
                [this] { vista_->setCurrentPage(vista_->currentPage() - 1); AggiornaPagina(); });
        lblPagina_ = new QLabel(this);
        lblPagina_->setObjectName(QStringLiteral("lblPagina"));
        lblPagina_->setContentsMargins(8, 0, 8, 0);
        barra_->addWidget(lblPagina_);
        connect(Aggiungi(QStringLiteral("btnSuccessiva"), QStringLiteral(">"), QStringLiteral("Pagina successiva")),
                &QAction::triggered, this,
                [this] { vista_->setCurrentPage(vista_->currentPage() + 1); AggiornaPagina(); });
        connect(Aggiungi(QStringLiteral("btnUltima"), QStringLiteral(">>"), QStringLiteral("Ultima pagina")),
                &QAction::triggered, this, [this] { vista_->setCurrentPage(vista_->pageCount()); AggiornaPagina(); });
        barra_->addSeparator();
    }
    if (abilitato("fullscreen")) {
        QAction *a = Aggiungi(QStringLiteral("btnSchermoIntero"), QStringLiteral("Schermo intero"),
                              QStringLiteral("Mostra l'anteprima a tutto schermo"));
        a->setCheckable(true);
        connect(a, &QAction::toggled, this, [this](bool on) { on ? showFullScreen() : showNormal(); });
    }
    if (abilitato("close")) {
        barra_->addSeparator();
        connect(Aggiungi(QStringLiteral("btnChiudi"), QStringLiteral("Chiudi"), QStringLiteral("Chiudi l'anteprima")),
                &QAction::triggered, this, &QDialog::accept);
    }

    const QRect schermo = QGuiApplication::primaryScreen()->availableGeometry();
    resize(qMin(1100, schermo.width() * 9 / 10), qMin(850, schermo.height() * 9 / 10));
    vista_->fitToWidth();
}

TfrmAnteprimaReport::~TfrmAnteprimaReport()
{
    delete vista_;
    delete printer_;
}

QAction *TfrmAnteprimaReport::Aggiungi(const QString &nome, const QString &testo, const QString &suggerimento)
{
    QAction *a = barra_->addAction(testo);
    a->setObjectName(nome);
    a->setToolTip(suggerimento);
    return a;
}

QAction *TfrmAnteprimaReport::Azione(const QString &nome) const
{
    return barra_->findChild<QAction *>(nome);
}

void TfrmAnteprimaReport::Disegna(QPrinter *printer)
{
    report_.Disegna(printer, 0, report_.PagineCount() - 1);
}

void TfrmAnteprimaReport::AggiornaPagina()
{
    if (lblPagina_)
        lblPagina_->setText(QStringLiteral("Pagina %1 di %2").arg(vista_->currentPage()).arg(vista_->pageCount()));
}

// The preview of a report lives with its window, so the engine does not
// depend on it.
void TReport::Anteprima(QWidget *parent)
{
    if (!preparato_) Prepara(parent);
    TfrmAnteprimaReport anteprima(*this, parent);
    anteprima.exec();
}
