#include "storage/ElencoRecord.h"

#include "storage/TArchivio.h"
#include "storage/Testo.h"

#include <algorithm>
#include <bit>
#include <cstring>

FiltriRecord::FiltriRecord(const QStringList &testi, const std::vector<CampoGrezzo> &campi)
{
    for (size_t i = 0; i < campi.size(); ++i) {
        FiltroBytes f(testi.value(qsizetype(i)));
        if (f.Attivo()) attivi_.push_back({std::move(f), campi[i]});
    }
}

bool FiltriRecord::Corrisponde(const char *record) const
{
    for (const Attivo &a : attivi_)
        if (!a.filtro.Corrisponde(record + a.campo.offset, a.campo.lunghezza)) return false;
    return true;
}

// ---------------------------------------------------------------- order

namespace {

inline char16_t Su(char16_t c)
{
    return c >= u'a' && c <= u'z' ? char16_t(c - 32) : c;
}

// A line to sort: the first eight code units of its key (the line with a-z
// folded to A-Z), packed so that comparing the two numbers compares those
// units in order, with zeros past the end of a short line; the line itself;
// and its place in the list, which settles lines with equal keys.
struct Voce {
    quint64 testa[2];
    const char16_t *testo;
    qsizetype lunghezza;
    qsizetype indice;
};

Voce Prepara(const QString &riga, qsizetype indice)
{
    Voce v{{0, 0}, reinterpret_cast<const char16_t *>(riga.constData()), riga.size(), indice};
    for (int k = 0; k < 8; ++k) {
        const quint64 u = k < v.lunghezza ? Su(v.testo[k]) : 0;
        v.testa[k / 4] = (v.testa[k / 4] << 16) | u;
    }
    return v;
}

// The keys of two lines whose first eight key units are equal: the rest is
// compared on the lines themselves, folding as it goes. Lines of one list
// share long prefixes, so equal stretches are skipped four units at a time.
bool ChiavePrima(const Voce &x, const Voce &y)
{
    const char16_t *p = x.testo, *q = y.testo;
    const qsizetype n = std::min(x.lunghezza, y.lunghezza);
    qsizetype i = 0;
    while (i < n) {
        for (quint64 a, b; i + 4 <= n; i += 4) {
            std::memcpy(&a, p + i, 8);
            std::memcpy(&b, q + i, 8);
            if (a != b) {
                // The first unit that differs (little-endian: the lowest bits first).
                i += std::countr_zero(a ^ b) / 16;
                break;
            }
        }
        for (const qsizetype fine = std::min(n, i + 4); i < fine; ++i) {
            if (p[i] == q[i]) continue;
            const char16_t a = Su(p[i]), b = Su(q[i]);
            if (a != b) return a < b;
        }
    }
    if (x.lunghezza != y.lunghezza) return x.lunghezza < y.lunghezza;
    return x.indice < y.indice;
}

bool Prima(const Voce &x, const Voce &y)
{
    if (x.testa[0] != y.testa[0]) return x.testa[0] < y.testa[0];
    if (x.testa[1] != y.testa[1]) return x.testa[1] < y.testa[1];
    return ChiavePrima(x, y);
}

} // namespace

void OrdinaRighe(QStringList &righe)
{
    const qsizetype n = righe.size();
    if (n < 2) return;
    std::vector<Voce> voci;
    voci.reserve(size_t(n));
    for (qsizetype i = 0; i < n; ++i) voci.push_back(Prepara(righe.at(i), i));
    // Equal keys are ordered by their place, so the order is total and a
    // plain sort keeps equal lines in file order.
    std::sort(voci.begin(), voci.end(), Prima);
    QStringList ordinate;
    ordinate.reserve(n);
    for (const Voce &v : voci) ordinate.append(righe.at(v.indice));
    righe = std::move(ordinate);
}

QString TestoTrovate(qsizetype n)
{
    return QStringLiteral("Il presente riepilogo contiene %1 schede.").arg(n);
}

// ----------------------------------------------------------- reading

ElencoLetto LeggiElenco(const FileElenco &file, const std::function<bool(const char *record)> &scegli,
                        bool ordina, const AvanzamentoLettura &avanzamento)
{
    ElencoLetto elenco;
    try {
        TArchivio a;
        a.Open(file.nome, file.dimensione);
        const qint64 totale = avanzamento ? a.Count() : 0;
        a.ForEach([&](const char *record, qint64 posizione) {
            if (!scegli || scegli(record)) elenco.righe.append(file.riga(record));
            if (avanzamento && (posizione & 511) == 0) avanzamento(posizione, totale);
            return true;
        });
        a.Close();
    } catch (const std::exception &) {
        elenco.errore = true;
    }
    if (ordina) OrdinaRighe(elenco.righe);
    return elenco;
}

int RichiamaRecord(const FileElenco &file, const QString &riga,
                   const std::function<void(const char *record, qint64 posizione)> &carica)
{
    const QString voluta = Trim(riga);
    int uguali = 0;
    TArchivio a;
    a.Open(file.nome, file.dimensione);
    a.ForEach([&](const char *record, qint64 posizione) {
        if (Trim(file.riga(record)) == voluta) {
            ++uguali;
            carica(record, posizione);
        }
        return true;
    });
    a.Close();
    return uguali;
}
