#pragma once
// The call register as the lists see it: the line of a card in the call
// search, the search filters, the grid rows shared by today's calls and the
// register export, and the printed card's memos. Plain functions; the
// windows only show what these return.
#include "calls/Chiamate.h"
#include "output/Esportazione.h"
#include "reports/GrigliaChiamate.h"
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

// The grid of today's calls and of the register export is the call grid of
// reports/GrigliaChiamate.h. RiempiChiamateConData lists the cards whose
// trimmed DataRit `scegli` accepts (given as the field's bytes in the file's
// code page, so no card is decoded before it is chosen).
void RiempiChiamateConData(RigheGriglia &righe, const std::function<bool(QByteArrayView dataRit)> &scegli);
// The register export: every card with a date.
void RiempiRegistroChiamate(RigheGriglia &righe);
// Today's calls: the cards dated `oggi` (as "dd/mm/yyyy").
void RiempiChiamateOggi(RigheGriglia &righe, const QDate &oggi);

// The printed call card ("repDocumento"): the fifteen value memos in the
// order of the rows, then the footer with the moment `quando`.
QVector<TestoMemo> MemoChiamata(const TestiChiamata &testi, const QDateTime &quando);

extern const char *const kModelloChiamata; // "repDocumento"
