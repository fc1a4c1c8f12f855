#include "storage/Crypt.h"

#include "storage/ShortText.h"

namespace {
constexpr quint16 kChiave = 0x3E1D;
constexpr quint16 kMolt = 0xA4F3;
constexpr quint16 kAgg = 0x5C27;

int Cifra(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9') return u - '0';
    if (u >= 'A' && u <= 'F') return u - 'A' + 10;
    if (u >= 'a' && u <= 'f') return u - 'a' + 10;
    return -1;
}
} // namespace

bool BytePassword(QChar c, quint8 &out)
{
    unsigned char b;
    if (ShortText::ToCp1252(c.unicode(), b)) {
        out = b;
        return true;
    }
    if (c.unicode() > 0xFF) return false;
    out = static_cast<quint8>(c.unicode());
    return true;
}

bool BytePassword(const QString &text, QByteArray &out)
{
    out.clear();
    out.reserve(text.size());
    for (QChar c : text) {
        quint8 b;
        if (!BytePassword(c, b)) return false;
        out.append(static_cast<char>(b));
    }
    return true;
}

QString CriptaPassword(const QString &text)
{
    static const char *hex = "0123456789ABCDEF";
    QString out;
    out.reserve(text.size() * 2);
    quint16 k = kChiave;
    for (QChar c : text) {
        quint8 byte;
        if (!BytePassword(c, byte)) byte = static_cast<quint8>(c.unicode() & 0xFF);
        const quint8 b = static_cast<quint8>(byte ^ (k >> 8));
        out.append(QLatin1Char(hex[b >> 4])).append(QLatin1Char(hex[b & 0xF]));
        k = static_cast<quint16>(static_cast<quint32>(b + k) * kMolt + kAgg);
    }
    return out;
}

QString DecriptaPassword(const QString &hexText)
{
    QString out;
    quint16 k = kChiave;
    for (qsizetype i = 0; i + 1 < hexText.size(); i += 2) {
        const int hi = Cifra(hexText[i]), lo = Cifra(hexText[i + 1]);
        if (hi < 0 || lo < 0) throw ECrypt("invalid hexadecimal digits in the stored password");
        const quint8 b = static_cast<quint8>(hi * 16 + lo);
        out.append(QChar(static_cast<char16_t>(b ^ (k >> 8))));
        k = static_cast<quint16>(static_cast<quint32>(b + k) * kMolt + kAgg);
    }
    return out;
}
