#pragma once
// Prints the appointment card on screen on the default printer
// (" Stampa scheda"). The card creates it with its texts, shows it modally
// and destroys it:
//
//   TfrmStampaScadenza w(this, Testi());
//   w.exec();
#include "appointments/SchedaAppuntamento.h"
#include "output/FinestraStampaScheda.h"

class TfrmStampaScadenza : public TFinestraStampaScheda
{
    Q_OBJECT
public:
    explicit TfrmStampaScadenza(QWidget *owner = nullptr, const TestiAppuntamento &testi = {});
    const TestiAppuntamento &Testi() const { return testi_; }

private:
    TestiAppuntamento testi_;
};
