#include "storage/ElencoRecord.h"

#include "storage/ShortText.h"
#include "storage/TArchivio.h"
#include "storage/Testo.h"

#include <QtEndian>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include <algorithm>
#include <array>
#include <utility>
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

// ------------------------------------------------------------ fields

void AggiungiCampo(QString &riga, const char *record, CampoGrezzo campo, int larghezza)
{
    const char *f = record + campo.offset;
    int len = static_cast<unsigned char>(f[0]);
    if (len > campo.lunghezza) len = campo.lunghezza;
    const auto *p = reinterpret_cast<const unsigned char *>(f + 1);
    // Trimmed as ShortText::Read trims: Windows-1252 maps the bytes 0-32 to
    // the characters 0-32, so the bytes can be trimmed before decoding.
    int a = 0, b = len;
    while (a < b && p[a] <= 32) ++a;
    while (b > a && p[b - 1] <= 32) --b;
    const int n = larghezza >= 0 ? std::min(b - a, larghezza) : b - a;
    const int tutti = std::max(n, larghezza);
    const qsizetype inizio = riga.size();
    riga.resize(inizio + tutti);
    char16_t *o = reinterpret_cast<char16_t *>(riga.data()) + inizio;
    const unsigned char *t = p + a;
    // Plain ASCII, the usual text, is widened as it is (the loops vectorise).
    unsigned char tutte = 0;
    for (int i = 0; i < n; ++i) tutte |= t[i];
    if (tutte < 0x80) {
        for (int i = 0; i < n; ++i) o[i] = t[i];
    } else {
        static const std::array<char16_t, 256> tabella = [] {
            std::array<char16_t, 256> r{};
            for (int c = 0; c < 256; ++c) r[size_t(c)] = ShortText::FromCp1252(static_cast<unsigned char>(c));
            return r;
        }();
        for (int i = 0; i < n; ++i) o[i] = tabella[t[i]];
    }
    std::fill(o + n, o + tutti, u' ');
}

// ---------------------------------------------------------------- order

namespace {

inline char16_t Su(char16_t c)
{
    return c >= u'a' && c <= u'z' ? char16_t(c - 32) : c;
}

// The key of a line is the line with a-z folded to A-Z. Its start is kept
// as bytes that compare in the order of the key's code units: a unit below
// 0xFF is one byte, any other is 0xFF and its two bytes, high first; past
// the end of the line come zeros. So the first byte that differs orders two
// lines as their keys; lines equal in the first kTesta bytes are compared on
// the lines themselves, and lines with equal keys by their place.
constexpr int kParole = 6;
constexpr int kTesta = 8 * kParole;

// The first kTesta key bytes of a line as big-endian words.
std::array<quint64, kParole> Testa(const QString &riga)
{
    unsigned char b[kTesta + 2] = {};
    const char16_t *p = reinterpret_cast<const char16_t *>(riga.constData());
    const qsizetype n = riga.size();
    const int m = int(std::min<qsizetype>(n, kTesta));
    bool larghi = false;
    int i = 0;
#if defined(__SSE2__)
    // Eight units at a time: folded, narrowed to bytes, and any unit from
    // 0xFF up noted.
    {
        const __m128i zero = _mm_setzero_si128();
        __m128i alti = zero;
        for (; i + 8 <= m; i += 8) {
            __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i *>(p + i));
            alti = _mm_or_si128(alti, _mm_subs_epu16(v, _mm_set1_epi16(0xFE)));
            const __m128i az = _mm_cmpeq_epi16(
                _mm_subs_epu16(_mm_sub_epi16(v, _mm_set1_epi16('a')), _mm_set1_epi16(25)), zero);
            v = _mm_sub_epi16(v, _mm_and_si128(az, _mm_set1_epi16(32)));
            _mm_storel_epi64(reinterpret_cast<__m128i *>(b + i), _mm_packus_epi16(v, v));
        }
        larghi = _mm_movemask_epi8(_mm_cmpeq_epi16(alti, zero)) != 0xFFFF;
    }
#endif
    for (; i < m; ++i) {
        larghi |= p[i] >= 0xFF;
        b[i] = static_cast<unsigned char>(Su(p[i]));
    }
    if (larghi) {
        std::memset(b, 0, sizeof b);
        int k = 0;
        for (qsizetype j = 0; j < n && k < kTesta; ++j) {
            const char16_t c = Su(p[j]);
            if (c < 0xFF) {
                b[k++] = static_cast<unsigned char>(c);
            } else {
                b[k++] = 0xFF;
                b[k++] = static_cast<unsigned char>(c >> 8);
                b[k++] = static_cast<unsigned char>(c & 0xFF);
            }
        }
    }
    std::array<quint64, kParole> t;
    for (int w = 0; w < kParole; ++w) {
        quint64 x;
        std::memcpy(&x, b + 8 * w, 8);
        t[size_t(w)] = qFromBigEndian(x);
    }
    return t;
}

// x < y on the keys of two whole lines, folding as it goes. Lines of one list
// share long prefixes, so equal stretches are skipped four units at a time.
bool RigaPrima(const QString &x, const QString &y)
{
    const char16_t *p = reinterpret_cast<const char16_t *>(x.constData());
    const char16_t *q = reinterpret_cast<const char16_t *>(y.constData());
    const qsizetype n = std::min(x.size(), y.size());
    qsizetype i = 0;
    while (i < n) {
        for (quint64 a, b; i + 4 <= n; i += 4) {
            std::memcpy(&a, p + i, 8);
            std::memcpy(&b, q + i, 8);
            if (a != b) {
                i += std::countr_zero(a ^ b) / 16; // little-endian: the first unit is the lowest
                break;
            }
        }
        for (const qsizetype fine = std::min(n, i + 4); i < fine; ++i) {
            if (p[i] == q[i]) continue;
            const char16_t a = Su(p[i]), b = Su(q[i]);
            if (a != b) return a < b;
        }
    }
    return x.size() < y.size();
}

inline void Precarica(const void *p)
{
#if defined(__GNUC__)
    __builtin_prefetch(p);
#else
    (void)p;
#endif
}

// The keys of the lines of a list, taken in list order. The sort runs in
// two rounds: the whole list on the first two words, by counting passes over
// their bytes, the lowest first (each pass keeps the order of the one before,
// so equal words keep list order; a byte the same in every line needs no
// pass, so lines sharing a long start, like "ID: 2024...", cost nothing
// there); then each run equal in them on the rest, gathered so that it stays
// in the cache.
class Chiavi
{
public:
    void Riserva(qsizetype n)
    {
        prime_.reserve(size_t(n));
        resto_.reserve(size_t(n));
    }
    void Aggiungi(const QString &riga)
    {
        const std::array<quint64, kParole> t = Testa(riga);
        prime_.push_back({t[0], t[1], quint32(prime_.size())});
        resto_.push_back({t[2], t[3], t[4], t[5]});
    }
    // Puts `righe`, whose keys these are, in order.
    void Ordina(QStringList &righe)
    {
        OrdinaPrime();
        // A run is gathered next to each other before its sort.
        struct Coda {
            Resto resto;
            quint32 indice;
        };
        std::vector<Coda> coda;
        auto prima = [&righe](const Coda &x, const Coda &y) {
            for (size_t w = 0; w < x.resto.size(); ++w)
                if (x.resto[w] != y.resto[w]) return x.resto[w] < y.resto[w];
            const QString &a = righe.at(x.indice), &b = righe.at(y.indice);
            if (RigaPrima(a, b)) return true;
            if (RigaPrima(b, a)) return false;
            return x.indice < y.indice;
        };
        for (auto i = prime_.begin(); i != prime_.end();) {
            auto fine = std::next(i);
            while (fine != prime_.end() && fine->a == i->a && fine->b == i->b) ++fine;
            if (fine - i > 1) {
                coda.clear();
                for (auto j = i; j != fine; ++j) {
                    // The rests lie in list order, so the run reads them here and there.
                    if (fine - j > 8) Precarica(&resto_[std::next(j, 8)->indice]);
                    coda.push_back({resto_[j->indice], j->indice});
                }
                std::sort(coda.begin(), coda.end(), prima);
                for (auto j = i; j != fine; ++j) j->indice = coda[size_t(j - i)].indice;
            }
            i = fine;
        }
        QStringList ordinate;
        ordinate.reserve(righe.size());
        for (const Prime &v : prime_) ordinate.append(std::move(righe[v.indice]));
        righe = std::move(ordinate);
    }

private:
    struct Prime {
        quint64 a, b; // the first two words
        quint32 indice;
    };
    using Resto = std::array<quint64, kParole - 2>;

    // prime_ by (a, b), stable: sixteen counting passes, one per byte, the
    // lowest of b first; a byte that is the same in every line needs no pass.
    void OrdinaPrime()
    {
        const size_t n = prime_.size();
        std::vector<std::array<quint32, 256>> conte(16);
        for (auto &c : conte) c.fill(0);
        auto byte = [](const Prime &p, int k) {
            return k < 8 ? (p.b >> (8 * k)) & 0xFF : (p.a >> (8 * (k - 8))) & 0xFF;
        };
        for (const Prime &p : prime_)
            for (int k = 0; k < 16; ++k) ++conte[size_t(k)][byte(p, k)];
        std::vector<Prime> altro(n);
        for (int k = 0; k < 16; ++k) {
            std::array<quint32, 256> &c = conte[size_t(k)];
            if (std::find(c.begin(), c.end(), quint32(n)) != c.end()) continue;
            quint32 inizio = 0;
            for (quint32 &v : c) inizio += std::exchange(v, inizio);
            for (const Prime &p : prime_) altro[c[byte(p, k)]++] = p;
            prime_.swap(altro);
        }
    }
    std::vector<Prime> prime_;
    std::vector<Resto> resto_;
};

} // namespace

void OrdinaRighe(QStringList &righe)
{
    const qsizetype n = righe.size();
    if (n < 2) return;
    Chiavi chiavi;
    chiavi.Riserva(n);
    for (const QString &r : std::as_const(righe)) chiavi.Aggiungi(r);
    chiavi.Ordina(righe);
}

QString TestoTrovate(qsizetype n)
{
    // One card is "1 scheda", not "1 schede".
    return n == 1 ? QStringLiteral("Il presente riepilogo contiene 1 scheda.")
                  : QStringLiteral("Il presente riepilogo contiene %1 schede.").arg(n);
}

// ----------------------------------------------------------- reading

ElencoLetto LeggiElenco(const FileElenco &file, const std::function<bool(const char *record)> &scegli,
                        bool ordina, const AvanzamentoLettura &avanzamento)
{
    ElencoLetto elenco;
    Chiavi chiavi;
    try {
        TArchivio a;
        a.Open(file.nome, file.dimensione);
        const qint64 totale = a.Count();
        // Room for every record: pages the list does not fill are never touched.
        elenco.righe.reserve(totale);
        if (ordina) chiavi.Riserva(totale);
        a.ForEach([&](const char *record, qint64 posizione) {
            if (!scegli || scegli(record)) {
                QString riga = file.riga(record);
                // The key is taken while the line is fresh in the cache.
                if (ordina) chiavi.Aggiungi(riga);
                elenco.righe.append(std::move(riga));
            }
            if (avanzamento && (posizione & 511) == 0) avanzamento(posizione, totale);
            return true;
        });
        a.Close();
    } catch (const std::exception &) {
        elenco.errore = true;
    }
    if (ordina) chiavi.Ordina(elenco.righe);
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
