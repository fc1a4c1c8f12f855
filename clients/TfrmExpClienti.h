#pragma once
// Export of the whole client archive: every card of "Contatti.pro" in a grid,
// one row per card in file order, written to "Clienti.xls".
#include "output/Esportazione.h"

// Fills the grid from "Contatti.pro": as many rows as cards, row r holding
// the number r + 1 and card r + 1's fields, each trimmed (25 cells; town and
// province of birth and of residence joined by one blank; flag and
// attachments left out). A failure of the file is thrown on and leaves the
// rows not yet filled empty.
void RiempiGrigliaClienti(RigheGriglia &righe);

class TfrmExpClienti : public TfrmEsportazione
{
    Q_OBJECT
public:
    explicit TfrmExpClienti(QWidget *owner = nullptr);
    static DescrizioneEsportazione Descrizione();
};
