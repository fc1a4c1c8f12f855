#pragma once
// The small window that prints the call card or shows it in the preview,
// written once: a fixed dialog centred on the card with a picture, a line of
// explanation and two buttons, "Annulla" (btnAnnulla) and the action
// (btnStampa). The action fills the template "repDocumento" from the card's
// texts taken when the window was created, outputs it and closes the window.
#include "calls/Chiamate.h"
#include "ui/Kit.h"

class QLabel;
class QPushButton;

class TFinestraStampaChiamata : public Stile::TDialogo
{
    Q_OBJECT
public:
    enum class Uscita { Stampa, Anteprima };
    TFinestraStampaChiamata(QWidget *owner, const TestiChiamata &testi, Uscita uscita);

    const TestiChiamata &Testi() const { return testi_; }

    QPushButton *btnAnnulla = nullptr;
    QPushButton *btnStampa = nullptr;
    QLabel *lblMessaggio = nullptr;
    Stile::TImmagine *imgImmagine = nullptr;

public slots:
    void btnAnnullaClick();
    // Fills the template, prepares it, prints it or shows the preview, closes.
    void btnStampaClick();

protected:
    void showEvent(QShowEvent *e) override;

private:
    TestiChiamata testi_;
    Uscita uscita_;
};
