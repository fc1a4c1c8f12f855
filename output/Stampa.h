#pragma once
// Printing set-up shared by every printout: the print-to-PDF switch used by
// tests, the fonts that stand in for the Windows ones, and the message shown
// when the system has no printer.
#include <QString>

// Test seam: when set, every print of the program is written to this PDF
// file (overwritten each time) instead of going to a printer, with no dialog.
// An empty path restores real printing.
void ImpostaStampaSuPdf(const QString &pdfPath);
QString StampaSuPdf();

// Where the Windows fonts the templates name are missing, metric-compatible
// ones stand in (the program's one table, ui/Stile.h): Courier New ->
// Liberation Mono, Arial -> Liberation Sans, Verdana and Tahoma -> DejaVu
// Sans. Call once after the application object exists; calling again does
// nothing.
void InstallaSostituzioniFont();

extern const char *const kNessunaStampante;
