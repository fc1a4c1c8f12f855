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

// Letters that carry a stroke, a bar or a dot that Unicode does not treat as
// an accent, so decomposing them leaves nothing to drop: the plain letter the
// Windows conversion writes for each.
struct Somigliante {
    char16_t lettera;
    char base;
};
constexpr Somigliante kSomiglianti[] = {
    {0x0110, 'D'}, {0x0111, 'd'}, // Đ đ
    {0x0126, 'H'}, {0x0127, 'h'}, // Ħ ħ
    {0x0131, 'i'},                // ı
    {0x013F, 'L'}, {0x0140, 'l'}, // Ŀ ŀ
    {0x0141, 'L'}, {0x0142, 'l'}, // Ł ł
    {0x0166, 'T'}, {0x0167, 't'}, // Ŧ ŧ
    {0x0180, 'b'}, {0x0197, 'I'}, // ƀ Ɨ
    {0x019A, 'l'}, {0x01B5, 'Z'}, // ƚ Ƶ
    {0x01B6, 'z'}, {0x01E4, 'G'}, // ƶ Ǥ
    {0x01E5, 'g'}, {0x0237, 'j'}, // ǥ ȷ
};

bool Combinante(char32_t code)
{
    return QChar::category(code) == QChar::Mark_NonSpacing;
}

// The byte written for a character the code page lacks: the letter without
// its accent when that letter is in the code page, the plain letter of the
// table above, otherwise nothing (false).
bool Somiglia(char32_t code, unsigned char &out)
{
    for (const Somigliante &s : kSomiglianti) {
        if (s.lettera == code) {
            out = static_cast<unsigned char>(s.base);
            return true;
        }
    }
    if (QChar::decompositionTag(code) != QChar::Canonical) return false;
    const QString parti = QString::fromUcs4(&code, 1).normalized(QString::NormalizationForm_D);
    if (parti.isEmpty() || QChar::isSurrogate(parti[0].unicode())) return false;
    for (qsizetype i = 1; i < parti.size(); ++i)
        if (!Combinante(parti[i].unicode())) return false;
    // the character may be another form of a code page letter (the Ångström
    // sign is Å), or the letter with fewer accents may be one (ǘ → ü)
    for (qsizetype tieni = parti.size(); tieni >= 1; --tieni) {
        const QString meno = parti.left(tieni).normalized(QString::NormalizationForm_C);
        if (meno.size() == 1 && ToCp1252(meno[0].unicode(), out)) return true;
    }
    return false;
}

// Encodes a text; `mancante` writes a character the code page lacks and has
// no look-alike for (given as its full code point, a surrogate pair counting
// as one character). With `somiglianti` false every such character goes to
// `mancante`, look-alike or not.
template <class Mancante> QByteArray Codifica(QStringView text, bool somiglianti, Mancante &&mancante)
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
        if (somiglianti) {
            if (Combinante(code) && !out.isEmpty()) {
                // an accent typed apart from its letter ("e" U+0301) goes on
                // it when the code page has the accented letter, otherwise
                // it is dropped
                const QString insieme =
                    (QString(QChar(FromCp1252(static_cast<unsigned char>(out.back())))) + QString::fromUcs4(&code, 1))
                        .normalized(QString::NormalizationForm_C);
                if (insieme.size() == 1 && ToCp1252(insieme[0].unicode(), b)) out.back() = static_cast<char>(b);
                continue;
            }
            if (Somiglia(code, b)) {
                out.append(static_cast<char>(b));
                continue;
            }
        }
        mancante(out, code);
    }
    return out;
}

} // namespace

QByteArray Encode(QStringView text)
{
    return Codifica(text, true, [](QByteArray &out, char32_t) { out.append('?'); });
}

QString BestFit(QStringView text, char mancante)
{
    return Decode(Codifica(text, true, [mancante](QByteArray &out, char32_t) { out.append(mancante); }));
}

QByteArray EncodeWithCharRefs(QStringView text)
{
    return Codifica(text, false, [](QByteArray &out, char32_t code) {
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
