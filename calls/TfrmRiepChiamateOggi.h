#pragma once
// Today's calls: the call cards dated today (by the program's clock when the
// window is shown), in file order, with the columns of the register export,
// written to "Chiamate_Odierne.xls".
#include "output/Esportazione.h"

class TfrmRiepChiamateOggi : public TfrmEsportazione
{
    Q_OBJECT
public:
    explicit TfrmRiepChiamateOggi(QWidget *owner = nullptr);
    static DescrizioneEsportazione Descrizione();
};
