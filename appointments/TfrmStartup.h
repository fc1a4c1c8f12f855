#pragma once
// Shows the appointment card on screen in the modal print preview
// (" Anteprima di stampa"). The card creates it with its texts, shows it
// modally and destroys it:
//
//   TfrmStartup w(this, Testi());
//   w.exec();
#include "appointments/SchedaAppuntamento.h"
#include "output/FinestraStampaScheda.h"

class TfrmStartup : public TFinestraStampaScheda
{
    Q_OBJECT
public:
    explicit TfrmStartup(QWidget *owner = nullptr, const TestiAppuntamento &testi = {});
    const TestiAppuntamento &Testi() const { return testi_; }

private:
    TestiAppuntamento testi_;
};
