#pragma once
// The grid of call cards that three windows show and export: today's calls
// and the register export of the call register, and a client's call history
// of the client card. Written once here, below both apps.
#include "output/Esportazione.h"
#include "output/FoglioExcel.h"

#include <functional>

// The grid's columns 1 to 15 (after "N."), and the header cells of the
// spreadsheet file.
QVector<ColonnaGriglia> ColonneChiamate();
QVector<IntestazioneExcel> IntestazioniChiamate();

// Appends a row (its number, then DataRit, OraRit, Tipo, Oggetto, Esito,
// Grado, Durata, Cliente, CodFisc, Zona, Recapito, TelCel, Email, Note,
// Operatore, each trimmed) for every card of "Registro_Chiamate.pro", in file
// order, that `scegli` accepts (a raw record). A failure of the file is
// thrown on (EArchivio); the rows added before it stay.
void RiempiChiamate(RigheGriglia &righe, const std::function<bool(const char *record)> &scegli);
