#include "calls/TfrmAnteprimaChiamata.h"

TfrmAnteprimaChiamata::TfrmAnteprimaChiamata(QWidget *owner, const TestiChiamata &testi)
    : TFinestraStampaChiamata(owner, testi, Uscita::Anteprima)
{
    setObjectName(QStringLiteral("frmAnteprimaChiamata"));
}
