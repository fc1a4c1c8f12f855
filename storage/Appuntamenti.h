#pragma once
// The rules over the appointment file that the appointment card, the agenda
// and the income summary share: the date-and-time key their lists sort by,
// the date of a card, and the imminent rule of the agenda.
#include "storage/ElencoRecord.h"
#include "storage/Schede.h"

#include <QDate>
#include <QString>
#include <array>
#include <optional>

// "Archivio_Appuntamenti.pro".
QString FileAppuntamenti();

// The sort key of a card: year, month and day taken from the trimmed Data
// (characters 7-10, 4-5, 1-2) followed by the trimmed hour and minutes,
// "yyyymmddhhmm" ("yyyymmdd" when the time is empty). Whatever Data holds,
// the pieces are taken as they are (shorter when Data is shorter).
QString ChiaveAppuntamento(const char *record);
// The same key as the parts of a list line (storage/ElencoRecord.h), for the
// lines that show it: "ID: " and the key, then "  Data: ", Data in 10
// characters, "  Ora: " and Ora in 5, as the agenda and the income summary
// start their lines.
const std::array<ParteRiga, 10> &PartiIdDataOra();

// Data as a calendar date ("dd/mm/yyyy"); no value when it is not one.
std::optional<QDate> DataAppuntamento(const char *record);
// The same as the number yyyymmdd, which orders as the dates do (0 when Data
// is not a date): for comparing many cards with a period.
int GiornoAppuntamento(const char *record);

// The imminent rule of the agenda: the card is not fulfilled (Ottemperata is
// "No") and its date less its days of notice (Avviso) is on or before `oggi`.
// No value when Data is not a date or Avviso is not a whole number: such a
// card is unreadable and the lists leave it out.
std::optional<bool> Imminente(const char *record, const QDate &oggi);

// Whether the fulfilled flag Ottemperata, trimmed, is `valore` ("Sì"/"No").
bool OttemperataE(const char *record, const QString &valore);
