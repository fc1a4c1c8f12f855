#pragma once
// Export of the appointment archive: every card of "Archivio_Appuntamenti.pro",
// fulfilled or not, one row per card in file order, written to
// "Riepilogo_Appuntamenti.xls". The columns of the details, the client and
// the telephone may be edited in the grid before exporting; the archive
// itself never changes. Opened by ApriEsportazioneAppuntamenti
// (appointments/Appuntamenti.h):
//
//   TfrmExpScadenzario w(this);
//   w.exec();
#include "output/Esportazione.h"

class TfrmExpScadenzario : public TfrmEsportazione
{
    Q_OBJECT
public:
    explicit TfrmExpScadenzario(QWidget *owner = nullptr);
    static DescrizioneEsportazione Descrizione();
};
