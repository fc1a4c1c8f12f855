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

namespace {

// The key: year, month and day of "dd/mm/yyyy", then the two time boxes.
constexpr CampoGrezzo kData = A::Grezzo(A::Data);
constexpr std::array<ParteRiga, 5> kPartiChiave = {
    PartePezzo(kData, 6, 4), PartePezzo(kData, 3, 2), PartePezzo(kData, 0, 2),
    ParteCampo(A::Grezzo(A::OreApp)), ParteCampo(A::Grezzo(A::MinutiApp)),
};

} // namespace

const std::array<ParteRiga, 10> &PartiIdDataOra()
{
    static constexpr std::array<ParteRiga, 10> parti = UnisciParti(
        std::array{ParteFissa(u"ID: ")}, kPartiChiave,
        std::array{ParteFissa(u"  Data: "), ParteCampo(kData, 10), ParteFissa(u"  Ora: "),
                   ParteCampo(A::Grezzo(A::Ora), 5)});
    return parti;
}

QString ChiaveAppuntamento(const char *record)
{
    return ScriviRiga(record, kPartiChiave);
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
