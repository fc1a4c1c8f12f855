#pragma once
// The general guide as a printable A4 PDF ("Guida.pdf", delivered with the program).
#include <QString>

// Writes the general guide (GuidaGenerale) to `percorso` as an A4 PDF with a
// title page and index, section headings and "Pagina N di M" footers.
// Throws std::runtime_error when the file cannot be written.
void ScriviGuidaPdf(const QString &percorso);
