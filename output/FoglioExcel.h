#pragma once
// The spreadsheet file of every export: an HTML document with the Office
// spreadsheet markup, in Windows-1252 without byte-order mark, saved as
// ".xls" in the program folder.
//
// Beyond the plain markup, three things keep what the grid shows identical
// to what the spreadsheet shows:
// - texts are HTML-escaped (& < > "), so "<b>" stays text;
// - a character Windows-1252 lacks is written as "&#NNN;";
// - every data cell carries the text-format hints of both spreadsheet
//   programs (mso-number-format:\@ and sdnum="1040;1040;@"), so "00184",
//   "05/03/2024" and "12,50" are not turned into numbers or dates.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>
#include <functional>

class QIODevice;

struct IntestazioneExcel {
    QString testo;
    int larghezza = 0;
};

// Rows are grid rows: cell 0 is the row number and is not written; cells 1 to
// k (k = number of headers) are written trimmed; missing cells are empty.
using RigheGriglia = QVector<QStringList>;

// Called now and then with the rows written so far.
using AvanzamentoScrittura = std::function<void(qint64 righeScritte)>;

// Writes the whole file to `out`; false when a write fails.
bool ScriviFoglioExcel(QIODevice &out, const QString &nomeFoglio, const QVector<IntestazioneExcel> &intestazioni,
                       const RigheGriglia &righe, const AvanzamentoScrittura &avanzamento = {});
// The file's bytes.
QByteArray FoglioExcel(const QString &nomeFoglio, const QVector<IntestazioneExcel> &intestazioni,
                       const RigheGriglia &righe);
// Creates or empties CartellaProgramma() + nomeFile and writes the file;
// false when creating, writing or closing it fails (the file may be left
// empty or partly written).
bool EsportaFoglioExcel(const QString &nomeFile, const QString &nomeFoglio,
                        const QVector<IntestazioneExcel> &intestazioni, const RigheGriglia &righe,
                        const AvanzamentoScrittura &avanzamento = {});
