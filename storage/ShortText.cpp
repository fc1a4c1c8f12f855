#include "storage/ShortText.h"

#include "storage/Testo.h"

#include <array>
#include <cstring>

namespace {

// Bytes 0x80-0x9F of Windows-1252. The five bytes the code page leaves
// unassigned (81, 8D, 8F, 90, 9D) map to the C1 control of the same value.
constexpr std::array<char16_t, 32> kAlti = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

} // namespace

namespace ShortText {

char16_t FromCp1252(unsigned char b)
{
    if (b >= 0x80 && b <= 0x9F) return kAlti[b - 0x80];
    return b;
}

bool ToCp1252(char16_t c, unsigned char &out)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
        out = static_cast<unsigned char>(c);
        return true;
    }
    for (int i = 0; i < 32; ++i) {
        if (kAlti[i] == c) {
            out = static_cast<unsigned char>(0x80 + i);
            return true;
        }
    }
    return false;
}

namespace {
// Encodes a text; `mancante` writes a character the code page lacks (given
// as its full code point, a surrogate pair counting as one character).
template <class Mancante> QByteArray Codifica(QStringView text, Mancante &&mancante)
{
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        unsigned char b;
        if (ToCp1252(c, b)) {
            out.append(static_cast<char>(b));
            continue;
        }
        char32_t code = c;
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            code = QChar::surrogateToUcs4(c, text[i + 1].unicode());
            ++i;
        }
        mancante(out, code);
    }
    return out;
}
} // namespace

QByteArray Encode(QStringView text)
{
    return Codifica(text, [](QByteArray &out, char32_t) { out.append('?'); });
}

QByteArray EncodeWithCharRefs(QStringView text)
{
    return Codifica(text, [](QByteArray &out, char32_t code) {
        out.append("&#").append(QByteArray::number(static_cast<quint32>(code))).append(';');
    });
}

QString Decode(const char *bytes, qsizetype len)
{
    QString s(len, Qt::Uninitialized);
    QChar *d = s.data();
    for (qsizetype i = 0; i < len; ++i) d[i] = QChar(FromCp1252(static_cast<unsigned char>(bytes[i])));
    return s;
}

void Write(char *field, int n, QStringView text)
{
    const QByteArray b = Encode(Trim(text));
    const int len = static_cast<int>(qMin<qsizetype>(b.size(), n));
    field[0] = static_cast<char>(len);
    std::memcpy(field + 1, b.constData(), static_cast<size_t>(len));
    std::memset(field + 1 + len, 0, static_cast<size_t>(n - len));
}

QString Read(const char *field, int n)
{
    int len = static_cast<unsigned char>(field[0]);
    if (len > n) len = n;
    return Trim(Decode(field + 1, len));
}

} // namespace ShortText
