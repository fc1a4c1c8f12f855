#include "storage/Formati.h"

#include "storage/Testo.h"

#include <QLocale>

#include <limits>

void ImpostaFormati()
{
    // Dates "dd/mm/yyyy" and the decimal comma, whatever the system's
    // regional settings say. The program's own conversions (storage/Formati.h)
    // never depend on the locale; this makes the toolkit's widgets (calendar,
    // month names) Italian as well.
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
}

namespace {

std::optional<qint64> ImportoGenerale(const QString &text)
{
    const QString s = Trim(text);
    qsizetype i = 0;
    const qsizetype n = s.size();
    bool negativo = false;
    if (i < n && (s[i] == u'+' || s[i] == u'-')) negativo = s[i++] == u'-';

    QString cifre; // every mantissa digit, integer part then decimals
    int decimali = 0;
    bool virgola = false;
    for (; i < n; ++i) {
        const QChar c = s[i];
        if (c.isDigit() && c.unicode() < 128) {
            cifre.append(c);
            if (virgola) ++decimali;
        } else if (c == u',' && !virgola) {
            virgola = true;
        } else {
            break;
        }
    }
    if (cifre.isEmpty()) return std::nullopt;

    int esponente = 0;
    if (i < n && (s[i] == u'e' || s[i] == u'E')) {
        ++i;
        bool espNeg = false;
        if (i < n && (s[i] == u'+' || s[i] == u'-')) espNeg = s[i++] == u'-';
        const qsizetype inizio = i;
        while (i < n && s[i].unicode() >= '0' && s[i].unicode() <= '9') {
            esponente = esponente * 10 + (s[i].unicode() - '0');
            if (esponente > 400) return std::nullopt;
            ++i;
        }
        if (i == inizio) return std::nullopt;
        if (espNeg) esponente = -esponente;
    }
    if (i != n) return std::nullopt;

    // value = cifre * 10^(esponente - decimali); cents = value * 100
    int spostamento = esponente - decimali + 2;
    while (cifre.size() > 1 && cifre[0] == u'0') cifre.remove(0, 1);
    bool arrotonda = false;
    if (spostamento < 0) {
        const qsizetype tolte = -spostamento;
        if (tolte > cifre.size()) {
            cifre = QStringLiteral("0");
        } else {
            arrotonda = cifre[cifre.size() - tolte].unicode() >= '5';
            cifre.chop(tolte);
            if (cifre.isEmpty()) cifre = QStringLiteral("0");
        }
        spostamento = 0;
    }
    if (cifre != QStringLiteral("0")) cifre.append(QString(spostamento, u'0'));
    if (cifre.size() > 17) return std::nullopt; // beyond any amount a card can hold
    qint64 cents = 0;
    for (QChar c : cifre) cents = cents * 10 + (c.unicode() - '0');
    if (arrotonda) ++cents; // half up, on the magnitude
    // The same limit after rounding, so that an amount written back reads
    // again ("99…9,999" would round to a digit more).
    if (cents >= 100000000000000000LL) return std::nullopt;
    return negativo ? -cents : cents;
}

} // namespace

std::optional<qint64> ImportoInCentesimi(QStringView text)
{
    // The form the cards store ("12,50": an optional sign, up to 15 digits,
    // up to two decimals) is read here without building any string; every
    // other text goes through the general rule, which gives the same value.
    qsizetype a = 0, b = text.size();
    while (a < b && text[a].unicode() <= 32) ++a;
    while (b > a && text[b - 1].unicode() <= 32) --b;
    const QStringView s = text.mid(a, b - a);
    const qsizetype n = s.size();
    qsizetype i = 0;
    bool negativo = false;
    if (i < n && (s[i] == u'+' || s[i] == u'-')) negativo = s[i++] == u'-';
    auto cifra = [&s](qsizetype k) { return s[k].unicode() >= '0' && s[k].unicode() <= '9'; };
    qint64 intero = 0;
    int cifreIntere = 0, cifreDecimali = 0, decimali = 0;
    bool semplice = true;
    // Digits past the simple form's limits are only counted: that text goes
    // to the general rule, and its value must not overflow here.
    for (; i < n && cifra(i); ++i) {
        if (++cifreIntere > 15) semplice = false;
        else intero = intero * 10 + (s[i].unicode() - '0');
    }
    if (i < n && s[i] == u',') {
        for (++i; i < n && cifra(i); ++i) {
            if (++cifreDecimali > 2) semplice = false;
            else decimali = decimali * 10 + (s[i].unicode() - '0');
        }
    }
    if (!semplice || i != n || cifreIntere + cifreDecimali == 0) return ImportoGenerale(text.toString());
    if (cifreDecimali == 1) decimali *= 10;
    const qint64 cents = intero * 100 + decimali;
    return negativo ? -cents : cents;
}

std::optional<qint64> ImportoInCentesimi(const QString &text)
{
    return ImportoInCentesimi(QStringView(text));
}

QString CentesimiInTesto(qint64 cents)
{
    const bool neg = cents < 0;
    const quint64 a = neg ? static_cast<quint64>(-(cents + 1)) + 1 : static_cast<quint64>(cents);
    const quint64 dec = a % 100;
    QString s = QString::number(a / 100) + u',' + QChar(char16_t(u'0' + dec / 10)) + QChar(char16_t(u'0' + dec % 10));
    return neg ? u'-' + s : s;
}

QString NormalizzaImporto(const QString &text)
{
    const auto cents = ImportoInCentesimi(text);
    if (!cents) return QStringLiteral("0,00");
    return CentesimiInTesto(*cents);
}

QDate LeggiData(const QString &text)
{
    const QStringList parti = Trim(text).split(u'/');
    if (parti.size() != 3) return {};
    const int massimo[3] = {2, 2, 4};
    int valori[3];
    for (int k = 0; k < 3; ++k) {
        const QString &p = parti[k];
        if (p.isEmpty() || p.size() > massimo[k] || !SoloCifre(p)) return {};
        valori[k] = p.toInt();
    }
    const int g = valori[0], m = valori[1], a = valori[2];
    if (a < 1 || a > 9999 || m < 1 || m > 12 || g < 1) return {};
    const QDate d(a, m, 1);
    if (!d.isValid() || g > d.daysInMonth()) return {};
    return QDate(a, m, g);
}

QString ScriviData(const QDate &d)
{
    return QStringLiteral("%1/%2/%3")
        .arg(d.day(), 2, 10, QChar(u'0'))
        .arg(d.month(), 2, 10, QChar(u'0'))
        .arg(d.year(), 4, 10, QChar(u'0'));
}

QString ScriviOra(const QTime &t)
{
    return QStringLiteral("%1:%2").arg(t.hour(), 2, 10, QChar(u'0')).arg(t.minute(), 2, 10, QChar(u'0'));
}
