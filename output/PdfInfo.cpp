#include "output/PdfInfo.h"

#include "storage/Cartella.h"

#include <QFile>
#include <QRegularExpression>

namespace {

// A PDF text string: UTF-16BE with its byte-order mark, written in hex.
QByteArray TestoPdf(const QString &s)
{
    QByteArray r = "<FEFF";
    for (QChar c : s) r += QByteArray::number(c.unicode() + 0x10000, 16).mid(1).toUpper();
    r += '>';
    return r;
}

} // namespace

bool AggiornaInfoPdf(const QString &path, const ProprietaPdf &p)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadWrite)) return false;
    const qint64 dimensione = f.size();
    // The tail holds the last trailer and the position of the last xref table.
    const qint64 coda = qMin<qint64>(dimensione, 4096);
    f.seek(dimensione - coda);
    const QByteArray fine = f.read(coda);
    const qsizetype posTrailer = fine.lastIndexOf("trailer");
    const qsizetype posStart = fine.lastIndexOf("startxref");
    if (posTrailer < 0 || posStart < posTrailer) return false;
    const QByteArray trailer = fine.mid(posTrailer, posStart - posTrailer);
    const QString t = QString::fromLatin1(trailer);
    const auto size = QRegularExpression(QStringLiteral("/Size\\s+(\\d+)")).match(t);
    const auto root = QRegularExpression(QStringLiteral("/Root\\s+(\\d+\\s+\\d+\\s+R)")).match(t);
    const auto xref = QRegularExpression(QStringLiteral("startxref\\s+(\\d+)"))
                          .match(QString::fromLatin1(fine.mid(posStart)));
    if (!size.hasMatch() || !root.hasMatch() || !xref.hasMatch()) return false;
    const qint64 n = size.captured(1).toLongLong();

    QByteArray agg;
    if (!fine.endsWith('\n')) agg += '\n';
    const qint64 posOggetto = dimensione + agg.size();
    agg += QByteArray::number(n) + " 0 obj\n<<\n";
    agg += "/Title " + TestoPdf(p.title) + "\n";
    agg += "/Subject " + TestoPdf(p.subject) + "\n";
    agg += "/Author " + TestoPdf(p.author) + "\n";
    agg += "/Creator " + TestoPdf(p.creator) + "\n";
    agg += "/Producer " + TestoPdf(QStringLiteral("Pratovia")) + "\n";
    agg += "/CreationDate (D:" + Adesso().toString(QStringLiteral("yyyyMMddhhmmss")).toLatin1() + ")\n";
    agg += ">>\nendobj\n";
    const qint64 posXref = dimensione + agg.size();
    agg += "xref\n0 1\n0000000000 65535 f \n" + QByteArray::number(n) + " 1\n";
    agg += QByteArray::number(posOggetto).rightJustified(10, '0') + " 00000 n \n";
    agg += "trailer\n<<\n/Size " + QByteArray::number(n + 1) + "\n/Root " + root.captured(1).toLatin1() +
           "\n/Info " + QByteArray::number(n) + " 0 R\n/Prev " + xref.captured(1).toLatin1() + "\n>>\n";
    agg += "startxref\n" + QByteArray::number(posXref) + "\n%%EOF\n";
    f.seek(dimensione);
    if (f.write(agg) != agg.size()) return false;
    return f.flush();
}
