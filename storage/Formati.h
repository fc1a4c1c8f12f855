#pragma once
// Amounts ("12,50") and dates ("dd/mm/yyyy") as the cards store them.
#include <QDate>
#include <QString>
#include <optional>

// Fixes the formats every window relies on: dates "dd/mm/yyyy", decimal comma.
void ImpostaFormati();

// Parses an amount with "," as decimal separator (optional sign, digits,
// optional decimals, optional exponent); no value when it is not a number.
// The result is exact in hundredths, rounded half up (away from zero).
std::optional<qint64> ImportoInCentesimi(const QString &text);
std::optional<qint64> ImportoInCentesimi(QStringView text);
// Formats hundredths as "12,50" (decimal comma, two decimals, no thousands separator).
QString CentesimiInTesto(qint64 cents);
// The amount rule applied to every amount field when it is left: a text that
// is empty or not a number becomes "0,00"; otherwise rounded half up to two
// decimals and written with two decimals ("12" -> "12,00", ",5" -> "0,50").
QString NormalizzaImporto(const QString &text);

// Parses "d/m/y" (day and month of 1-2 digits, year of 1-4 digits, 1..9999)
// as a real calendar date; an invalid QDate when it is not one.
QDate LeggiData(const QString &text);
inline bool DataValida(const QString &text) { return LeggiData(text).isValid(); }
// "dd/mm/yyyy".
QString ScriviData(const QDate &d);
// "hh:mm".
QString ScriviOra(const QTime &t);
