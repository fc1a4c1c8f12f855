#pragma once
// Export of the call register: every call card of "Registro_Chiamate.pro"
// that has a date, one row per card in file order, written to
// "Registro_Chiamate.xls". The four columns time, mobile number, notes and
// operator may be edited in the grid before exporting; the register itself
// never changes.
#include "output/Esportazione.h"

class TfrmExpChiamate : public TfrmEsportazione
{
    Q_OBJECT
public:
    explicit TfrmExpChiamate(QWidget *owner = nullptr);
    static DescrizioneEsportazione Descrizione();
};
