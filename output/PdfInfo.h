#pragma once
// Document properties of a PDF file written by the toolkit, which sets only
// the title and the creator: an incremental update appends a new document
// information dictionary (title, subject, author, creator) to the file.
#include <QString>

struct ProprietaPdf {
    QString title, subject, author, creator;
};

// False when the file cannot be read or updated, or is not a PDF with a
// classic cross-reference table.
bool AggiornaInfoPdf(const QString &path, const ProprietaPdf &p);
