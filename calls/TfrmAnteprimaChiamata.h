#pragma once
// Shows the call card on screen in the modal print preview (" Anteprima di stampa").
// The call card creates it with its texts, shows it modally and destroys it:
//
//   TfrmAnteprimaChiamata w(this, TestiScheda());
//   w.exec();
#include "calls/FinestraStampaChiamata.h"

class TfrmAnteprimaChiamata : public TFinestraStampaChiamata
{
    Q_OBJECT
public:
    explicit TfrmAnteprimaChiamata(QWidget *owner = nullptr, const TestiChiamata &testi = {});
};
