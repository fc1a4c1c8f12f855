#pragma once
// The call search: up to ten filters over "Registro_Chiamate.pro", a result
// list in file order, and a double click that loads the chosen card into the
// call card that opened the search. The call card creates it with itself as
// owner, writes "chiamate" into lblMemory, shows it modally and destroys it:
//
//   TfrmTrovaChiamate w(this);
//   w.lblMemory->setText(QStringLiteral("chiamate"));
//   w.exec();
//
// A double click hands every card whose line equals the chosen one, in file
// order, to the nearest DestinatarioChiamata among the owner and its parents
// (calls/Chiamate.h), so the last of them is the one left on the card. Any
// other mode word loads nothing.
#include "output/FinestraRicerca.h"

#include <array>

class TfrmTrovaChiamate : public TFinestraRicerca
{
    Q_OBJECT
public:
    explicit TfrmTrovaChiamate(QWidget *owner = nullptr);
    ~TfrmTrovaChiamate() override;

    // The ten filters in the order of the Enter chain.
    QLineEdit *txtDataRit = nullptr, *txtMeseRit = nullptr, *txtTipo = nullptr, *txtOggetto = nullptr,
              *txtEsito = nullptr, *txtOperatore = nullptr, *txtCliente = nullptr, *txtCodFisc = nullptr,
              *txtZona = nullptr, *txtNote = nullptr;
};
