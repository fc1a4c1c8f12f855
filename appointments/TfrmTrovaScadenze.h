#pragma once
// The appointment search: up to ten criteria over "Archivio_Appuntamenti.pro",
// a result list in file order, and a double click that loads the chosen card
// into the appointment card that opened the search. The card creates it with
// itself as owner, writes "scadenze" into lblMemory, shows it modally and
// destroys it (ApriTrovaAppuntamenti, appointments/Appuntamenti.h):
//
//   TfrmTrovaScadenze w(this);
//   w.lblMemory->setText(QStringLiteral("scadenze"));
//   w.exec();
//
// A double click hands every card whose line equals the chosen one, in file
// order, to the nearest DestinatarioAppuntamento among the owner and its
// parents, so the last of them is the one left on the card. Any other mode
// word loads nothing.
#include "output/FinestraRicerca.h"

class TfrmTrovaScadenze : public TFinestraRicerca
{
    Q_OBJECT
public:
    explicit TfrmTrovaScadenze(QWidget *owner = nullptr);
    ~TfrmTrovaScadenze() override;

    // The ten criteria in the order of the Enter chain.
    QLineEdit *txtData = nullptr, *txtOra = nullptr, *txtTipologia = nullptr, *txtCausale = nullptr,
              *txtDettagli = nullptr, *txtContatto = nullptr, *txtTel = nullptr, *txtCel = nullptr,
              *txtLuogo = nullptr, *txtNote = nullptr;
};
