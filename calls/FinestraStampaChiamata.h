#pragma once
// The small window that prints the call card or shows it in the preview: the
// card printing window of output/FinestraStampaScheda.h on the template
// "repDocumento", filled from the card's texts taken when the window was
// created.
#include "calls/Chiamate.h"
#include "output/FinestraStampaScheda.h"

class TFinestraStampaChiamata : public TFinestraStampaScheda
{
    Q_OBJECT
public:
    TFinestraStampaChiamata(QWidget *owner, const TestiChiamata &testi, Uscita uscita);

    const TestiChiamata &Testi() const { return testi_; }

private:
    TestiChiamata testi_;
};
