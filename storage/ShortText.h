#pragma once
// Text fields of the record files: a length byte followed by at most N bytes
// of Windows-1252 text. The code page table is built in, so the files read the
// same whatever the system code page is.
#include <QByteArray>
#include <QString>
#include <QStringView>

namespace ShortText {

// Windows-1252 byte for a UTF-16 code unit; returns false when the code page
// has no such character.
bool ToCp1252(char16_t c, unsigned char &out);
// UTF-16 code unit for a Windows-1252 byte (the five unassigned bytes map to
// the C1 control of the same value, as the Windows conversion does).
char16_t FromCp1252(unsigned char b);

// Encodes a text the way the Windows conversion does: a character the code
// page lacks is written as its closest letter ("Ł" and "ą" as "L" and "a": the
// letter without its accent, or the plain letter of a stroked one), and as '?'
// only when nothing fits.
QByteArray Encode(QStringView text);
// The text as Encode stores it, read back; `mancante` stands for a character
// nothing fits (a file name cannot hold '?').
QString BestFit(QStringView text, char mancante = '?');
// Like Encode, but writes a character the code page lacks as an HTML numeric
// character reference ("&#321;").
QByteArray EncodeWithCharRefs(QStringView text);
QString Decode(const char *bytes, qsizetype len);
inline QString Decode(const QByteArray &b) { return Decode(b.constData(), b.size()); }

// Writes a field of N characters at `field` (N + 1 bytes): the text trimmed,
// encoded, cut to N bytes; the length byte; zeros in the unused bytes.
void Write(char *field, int n, QStringView text);
// Reads a field: a length byte above N counts as N; the text is trimmed.
QString Read(const char *field, int n);
// The bytes of a field as Read gives its text: without the blanks and
// control characters around them. Each Windows-1252 byte is one character
// and the bytes 0-32 are the characters trimming removes, so positions and
// lengths in these bytes are those of the text.
struct Rifilati {
    const unsigned char *p;
    int n;
};
inline Rifilati Rifila(const char *field, int n)
{
    int len = static_cast<unsigned char>(field[0]);
    if (len > n) len = n;
    const auto *p = reinterpret_cast<const unsigned char *>(field + 1);
    int a = 0, b = len;
    while (a < b && p[a] <= 32) ++a;
    while (b > a && p[b - 1] <= 32) --b;
    return {p + a, b - a};
}

// The raw, untrimmed bytes of a field (length clamped to N).
inline QByteArray RawBytes(const char *field, int n)
{
    int len = static_cast<unsigned char>(field[0]);
    if (len > n) len = n;
    return QByteArray(field + 1, len);
}

} // namespace ShortText
