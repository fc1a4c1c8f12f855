#pragma once
// Reading back what the program printed or exported: poppler's pdftotext and
// pdfinfo on a PDF file.
#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

namespace Pdf {

// Runs a tool and returns its standard output; empty when it failed.
inline QString Esegui(const QString &programma, const QStringList &argomenti)
{
    QProcess p;
    p.start(programma, argomenti);
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

// The text of the PDF laid out as printed (one page when `pagina` > 0).
inline QString Testo(const QString &pdf, int pagina = 0)
{
    QStringList a;
    if (pagina > 0) a << "-f" << QString::number(pagina) << "-l" << QString::number(pagina);
    return Esegui("pdftotext", a << "-layout" << pdf << "-");
}

// One printed line per line, blanks between words squeezed, empty lines dropped.
inline QStringList Righe(const QString &pdf)
{
    QStringList righe;
    for (QString r : Testo(pdf).split('\n')) {
        r = r.simplified();
        if (!r.isEmpty()) righe << r;
    }
    return righe;
}

// A field of pdfinfo ("Title", "Subject", "Page size", ...).
inline QString Info(const QString &pdf, const QString &campo)
{
    const auto m = QRegularExpression("^" + QRegularExpression::escape(campo) + ":\\s*(.*)$",
                                      QRegularExpression::MultilineOption)
                       .match(Esegui("pdfinfo", {pdf}));
    return m.hasMatch() ? m.captured(1).trimmed() : QString();
}

} // namespace Pdf
