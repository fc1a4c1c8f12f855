#include "storage/Appuntamenti.h"

#include "storage/ElencoRecord.h"
#include "storage/Formati.h"
#include "storage/ShortText.h"

namespace {
using A = TSchedaAppuntamento;

using Byte = ShortText::Rifilati;

Byte Rifila(const char *record, A::Campo c)
{
    return ShortText::Rifila(A::Raw(record, c), A::N(c));
}

bool Cifre(const unsigned char *p, int n, int &valore)
{
    valore = 0;
    for (int i = 0; i < n; ++i) {
        if (p[i] < '0' || p[i] > '9') return false;
        valore = valore * 10 + (p[i] - '0');
    }
    return true;
}

// The date of a card as LeggiData reads it. The agenda judges every card of
// the file at each opening, so the usual "dd/mm/yyyy" is read straight from
// the bytes; anything else goes through LeggiData itself.
// Year, month and day; no value when Data is not a date.
struct Ymd {
    int a, m, g;
};
std::optional<Ymd> Giorni(const char *record)
{
    const Byte t = Rifila(record, A::Data);
    int g, m, a;
    if (t.n == 10 && t.p[2] == '/' && t.p[5] == '/' && Cifre(t.p, 2, g) && Cifre(t.p + 3, 2, m)
        && Cifre(t.p + 6, 4, a)) {
        if (a < 1 || !QDate::isValid(a, m, g)) return std::nullopt;
        return Ymd{a, m, g};
    }
    const QDate d = LeggiData(A::Leggi(record, A::Data));
    if (!d.isValid()) return std::nullopt;
    int y = 0, mm = 0, dd = 0;
    d.getDate(&y, &mm, &dd);
    return Ymd{y, mm, dd};
}

std::optional<QDate> Data(const char *record)
{
    const std::optional<Ymd> d = Giorni(record);
    if (!d) return std::nullopt;
    return QDate(d->a, d->m, d->g);
}

// Avviso as a whole number: plain digits straight from the bytes, anything
// else as QString::toInt reads it.
std::optional<int> Avviso(const char *record)
{
    const Byte t = Rifila(record, A::Avviso);
    int v;
    if (t.n > 0 && Cifre(t.p, t.n, v)) return v;
    bool numero = false;
    v = A::Leggi(record, A::Avviso).toInt(&numero);
    if (!numero) return std::nullopt;
    return v;
}

} // namespace

QString FileAppuntamenti()
{
    return QString::fromLatin1(LayoutAppuntamento::NomeFile);
}

QString ChiaveAppuntamento(const char *record)
{
    QString chiave;
    chiave.reserve(12);
    AggiungiChiaveAppuntamento(chiave, record);
    return chiave;
}

void AggiungiChiaveAppuntamento(QString &riga, const char *record)
{
    // The trimmed Data as bytes: Windows-1252 has one character per byte and
    // maps the bytes 0-32 to the characters 0-32, so positions in the bytes
    // are positions in the text.
    const Byte data = Rifila(record, A::Data);
    const unsigned char *p = data.p;
    const int a = 0, n = data.n;
    // QString::mid(da, quanti) on the text: what of [da, da + quanti) there is.
    auto pezzo = [&](int da, int quanti) {
        for (int i = da; i < std::min(n, da + quanti); ++i) {
            const unsigned char c = p[a + i];
            riga.append(QChar(c < 0x80 ? char16_t(c) : ShortText::FromCp1252(c)));
        }
    };
    pezzo(6, 4);
    pezzo(3, 2);
    pezzo(0, 2);
    AggiungiCampo(riga, record, {A::Offset[A::OreApp], A::N(A::OreApp)});
    AggiungiCampo(riga, record, {A::Offset[A::MinutiApp], A::N(A::MinutiApp)});
}

std::optional<QDate> DataAppuntamento(const char *record)
{
    return Data(record);
}

int GiornoAppuntamento(const char *record)
{
    const std::optional<Ymd> d = Giorni(record);
    return d ? d->a * 10000 + d->m * 100 + d->g : 0;
}

std::optional<bool> Imminente(const char *record, const QDate &oggi)
{
    const std::optional<QDate> data = Data(record);
    if (!data) return std::nullopt;
    const std::optional<int> avviso = Avviso(record);
    if (!avviso) return std::nullopt;
    const Byte flag = Rifila(record, A::Ottemperata);
    const bool no = flag.n == 2 && flag.p[0] == 'N' && flag.p[1] == 'o';
    return no && data->addDays(-*avviso) <= oggi;
}

bool OttemperataE(const char *record, const QString &valore)
{
    return A::Leggi(record, A::Ottemperata) == valore;
}
