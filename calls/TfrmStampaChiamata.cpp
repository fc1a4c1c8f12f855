#include "calls/TfrmStampaChiamata.h"

TfrmStampaChiamata::TfrmStampaChiamata(QWidget *owner, const TestiChiamata &testi)
    : TFinestraStampaChiamata(owner, testi, Uscita::Stampa)
{
    setObjectName(QStringLiteral("frmStampaChiamata"));
}
