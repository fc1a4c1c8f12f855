#pragma once
// Prints the call card on screen on the default printer (" Stampa documento").
// The call card creates it with its texts, shows it modally and destroys it:
//
//   TfrmStampaChiamata w(this, TestiScheda());
//   w.exec();
#include "calls/FinestraStampaChiamata.h"

class TfrmStampaChiamata : public TFinestraStampaChiamata
{
    Q_OBJECT
public:
    explicit TfrmStampaChiamata(QWidget *owner = nullptr, const TestiChiamata &testi = {});
};
