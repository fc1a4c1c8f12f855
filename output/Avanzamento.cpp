#include "output/Avanzamento.h"

#include <QApplication>
#include <QProgressDialog>

namespace {
int ritardoMs = 500;
}

void TAvanzamento::ImpostaRitardoMs(int ms) { ritardoMs = ms; }

TAvanzamento::TAvanzamento(QWidget *parent, const QString &testo, qint64 totale)
    : parent_(parent), testo_(testo), totale_(totale > 0 ? totale : 1)
{
    orologio_.start();
}

TAvanzamento::~TAvanzamento() = default;

bool TAvanzamento::Visibile() const { return finestra_ && finestra_->isVisible(); }

void TAvanzamento::Controlla(qint64 fatti)
{
    const qint64 ms = orologio_.elapsed();
    if (!finestra_) {
        if (ms < ritardoMs) return;
        // Only a widget application can show a window (benchmarks run without one).
        if (!qobject_cast<QApplication *>(QCoreApplication::instance())) return;
        finestra_ = std::make_unique<QProgressDialog>(testo_, QString(), 0, 1000, parent_.data());
        finestra_->setWindowTitle(QStringLiteral(" Elaborazione in corso"));
        finestra_->setObjectName(QStringLiteral("frmAvanzamento"));
        finestra_->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
        finestra_->setWindowModality(Qt::ApplicationModal);
        finestra_->setAutoClose(false);
        finestra_->setAutoReset(false);
        finestra_->setMinimumDuration(0);
        finestra_->setMinimumWidth(380);
        finestra_->show();
    } else if (ms - ultimoAggiornamento_ < 40) {
        return;
    }
    ultimoAggiornamento_ = ms;
    const int permille = int(qBound<qint64>(qint64(0), fatti * 1000 / totale_, qint64(1000)));
    finestra_->setValue(permille);
    // Keeps the windows painted while the work goes on; the progress window
    // is modal, so no other input reaches them meanwhile.
    QCoreApplication::processEvents();
}
