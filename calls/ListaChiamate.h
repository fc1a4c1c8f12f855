#pragma once
// The call register as the lists see it: the line of a card in the call
// search, the search filters, the grid rows shared by today's calls and the
// register export, and the printed card's memos. Plain functions; the
// windows only show what these return.
#include "calls/Chiamate.h"
#include "output/Esportazione.h"
#include "output/SchedaReport.h"
#include "storage/ElencoRecord.h"

#include <QByteArrayView>
#include <QDate>
#include <QDateTime>
#include <functional>

// "Registro_Chiamate.pro", read in file order.
FileElenco FileChiamate();

// The line of a card in the call search: "Data: " + DataRit + "  Ora: " +
// OraRit + "  Oggetto: " + Oggetto + "  Cliente: " + Cliente + "  CF: " +
// CodFisc + "  Cel. " + TelCel, each field trimmed; all but the mobile number
// padded with blanks or cut to 10, 5, 30, 30 and 16 characters.
QString RigaElencoChiamata(const char *record);

// A filter of the call search: its field, the control and the caption.
struct FiltroChiamata {
    LayoutChiamata::Campo campo;
    const char *controllo;
    const char *etichetta;
};
// The ten filters in the order of the Enter chain.
extern const FiltroChiamata kFiltriChiamate[10];

// The columns of the grid of today's calls and of the register export (1 to
// 15, after "N."), and the header cells of their spreadsheet files.
QVector<ColonnaGriglia> ColonneChiamate();
QVector<IntestazioneExcel> IntestazioniChiamate();

// Appends a row (its number, then DataRit, OraRit, Tipo, Oggetto, Esito,
// Grado, Durata, Cliente, CodFisc, Zona, Recapito, TelCel, Email, Note,
// Operatore, each trimmed) for every card of "Registro_Chiamate.pro", in file
// order, whose trimmed DataRit `scegli` accepts (given as the field's bytes in
// the file's code page, so no card is decoded before it is chosen). A failure
// of the file is thrown on (EArchivio); the rows added before it stay.
void RiempiChiamate(RigheGriglia &righe, const std::function<bool(QByteArrayView dataRit)> &scegli);
// The register export: every card with a date.
void RiempiRegistroChiamate(RigheGriglia &righe);
// Today's calls: the cards dated `oggi` (as "dd/mm/yyyy").
void RiempiChiamateOggi(RigheGriglia &righe, const QDate &oggi);

// The printed call card ("repDocumento"): the fifteen value memos in the
// order of the rows, then the footer with the moment `quando`.
QVector<TestoMemo> MemoChiamata(const TestiChiamata &testi, const QDateTime &quando);

extern const char *const kModelloChiamata; // "repDocumento"
