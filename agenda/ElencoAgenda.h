#pragma once
// The agenda as plain functions over the appointment file: the line of an
// imminent appointment, the imminent list with its count, the appointment a
// clicked line stands for, and the rows of the three grids (imminent, of a
// day, of a month). The windows only show what these return.
//
// A card whose date is not a date or whose days of notice are not a number
// cannot be judged imminent: it is left out and the cards after it are still
// read, so one damaged card never hides the others.
#include "output/Esportazione.h"
#include "storage/ElencoRecord.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

// The agenda line of a card, every field trimmed: "ID: " + key + "  Data: " +
// Data (10) + "  Ora: " + Ora (5) + "  " + Contatto (30) + "  Cel. " +
// Cel (14) + "  " + Causale (42) + "  € " + Importo, the fields with a width
// padded with blanks or cut to it; key is ChiaveAppuntamento.
QString RigaAgenda(const char *record);

// "Archivio_Appuntamenti.pro" with the agenda line.
FileElenco FileAgenda();

// Whether a card is imminent on `oggi` (storage/Appuntamenti.h); false for a
// card that cannot be judged.
bool ImminenteIl(const char *record, const QDate &oggi);

// The imminent list on `oggi`: the lines sorted as the list keeps them
// (OrdinaRighe), so by date and time. Its count is the number of lines; on a
// failure of the file, the lines of the cards read before it.
ElencoLetto LeggiImminenti(const QDate &oggi, const AvanzamentoLettura &avanzamento = {});

// What the agenda keeps of the clicked line (titData, titOra, titContatto,
// titCel), every field trimmed.
struct AppuntamentoScelto {
    QString data, ora, contatto, cel;
};
// The card whose line, trimmed, equals `riga` trimmed (the last of them when
// several are equal); no value when none is, or when the file fails.
std::optional<AppuntamentoScelto> RichiamaAppuntamento(const QString &riga);

// ----------------------------------------------------------------- grids

enum class GrigliaAgenda { Imminenti, Giorno, Mese };

// Columns 1 to 14 after "N.", with their headers and widths (the same in the
// grid and in the file). Editable: "Dettagli", "Cliente" and "Codice
// univoco", and "Cellulare" in the imminent grid, "Telefono" in the others.
QVector<ColonnaGriglia> ColonneAgenda(GrigliaAgenda quale);

// Which cards a grid takes: the imminent ones on `data`; those dated `data`;
// those of the month and year of `data`. Fulfilled or not, but for the
// imminent grid.
std::function<bool(const char *record)> SceltaAgenda(GrigliaAgenda quale, const QDate &data);

// Appends a row for every card `scegli` takes, in file order: its number
// ("N.", 1, 2, 3 ...), then Data, Ora, Tipologia, Causale, Dettagli,
// Contatto, Tel, Cel, Email, Luogo, Importo, Ottemperata, Note trimmed and
// the key; then sorts the rows by the key (column 14), a-z as A-Z, rows of
// equal key in file order, so "N." keeps the file order's numbers. A failure
// of the file is thrown on (EArchivio) with the rows read before it left
// unsorted.
void RiempiAgenda(RigheGriglia &righe, const std::function<bool(const char *record)> &scegli);
