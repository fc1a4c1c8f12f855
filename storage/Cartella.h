#pragma once
// Where the program keeps its files, and the clock. Both can be set by tests.
#include <QDateTime>
#include <QString>

// The folder of the running executable, ending with the path separator.
QString CartellaProgramma();
// Test seam: use another folder (empty text: back to the executable's folder).
void ImpostaCartellaProgramma(const QString &folder);

// Current date and time (the system clock unless a test has fixed it).
QDateTime Adesso();
QDate Oggi();
// Test seam: fix the clock at `when`; an invalid QDateTime restores the system clock.
void ImpostaOrologio(const QDateTime &when);
