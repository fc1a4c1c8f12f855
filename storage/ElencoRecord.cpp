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
#include <type_traits>
#include <utility>
#include <bit>
#include <condition_variable>
#include <cstring>
#include <mutex>
#include <thread>

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

namespace {

// Widens n Windows-1252 bytes to `o` and returns the end. Plain ASCII, the
// usual text, is widened as it is, sixteen bytes at a time; other text goes
// through the code page table.
char16_t *Allarga(char16_t *o, const unsigned char *t, int n)
{
    int i = 0;
    bool ascii = true;
#if defined(__SSE2__)
    const __m128i zero = _mm_setzero_si128();
    for (; i + 16 <= n; i += 16) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i *>(t + i));
        if (_mm_movemask_epi8(v)) {
            ascii = false;
            break;
        }
        _mm_storeu_si128(reinterpret_cast<__m128i *>(o + i), _mm_unpacklo_epi8(v, zero));
        _mm_storeu_si128(reinterpret_cast<__m128i *>(o + i + 8), _mm_unpackhi_epi8(v, zero));
    }
#endif
    for (int k = i; ascii && k < n; ++k) ascii = t[k] < 0x80;
    if (ascii) {
        for (; i < n; ++i) o[i] = t[i];
    } else {
        static const std::array<char16_t, 256> tabella = [] {
            std::array<char16_t, 256> r{};
            for (int c = 0; c < 256; ++c) r[size_t(c)] = ShortText::FromCp1252(static_cast<unsigned char>(c));
            return r;
        }();
        for (; i < n; ++i) o[i] = tabella[t[i]];
    }
    return o + n;
}

// What a field part writes: `n` characters of the field from `p`, then
// blanks up to `tutti`.
struct Misura {
    const unsigned char *p;
    int n, tutti;
};

Misura MisuraDi(const char *record, const ParteRiga &parte)
{
    const ShortText::Rifilati t = ShortText::Rifila(record + parte.campo.offset, parte.campo.lunghezza);
    if (parte.da >= 0) {
        const int da = std::min(parte.da, t.n);
        const int n = std::clamp(t.n - da, 0, std::max(parte.larghezza, 0));
        return {t.p + da, n, n};
    }
    const int n = parte.larghezza >= 0 && t.n > parte.larghezza ? parte.larghezza : t.n;
    return {t.p, n, std::max(n, parte.larghezza)};
}

} // namespace

QString ScriviRiga(const char *record, std::span<const ParteRiga> parti)
{
    qsizetype lunghezza = 0;
    for (const ParteRiga &parte : parti)
        lunghezza += parte.campo.lunghezza > 0 ? MisuraDi(record, parte).tutti : qsizetype(parte.fisso.size());
    QString riga(lunghezza, Qt::Uninitialized);
    char16_t *o = reinterpret_cast<char16_t *>(riga.data());
    for (const ParteRiga &parte : parti) {
        if (parte.campo.lunghezza > 0) {
            const Misura t = MisuraDi(record, parte);
            o = Allarga(o, t.p, t.n);
            o = std::fill_n(o, t.tutti - t.n, u' ');
        } else {
            o = std::copy(parte.fisso.begin(), parte.fisso.end(), o);
        }
    }
    return riga;
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
// `stretta`: each of the first kTesta units (or all of a shorter line) is
// one byte of the start, so lines with equal starts are equal, folded, in
// their first kTesta units.
std::array<quint64, kParole> Testa(const QString &riga, bool &stretta)
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
    stretta = !larghi;
    return t;
}

// x < y on the keys of two whole lines, folding as it goes. Lines of one list
// share long prefixes, so equal stretches are skipped four units at a time.
bool RigaPrima(const QString &x, const QString &y, qsizetype da = 0)
{
    const char16_t *p = reinterpret_cast<const char16_t *>(x.constData());
    const char16_t *q = reinterpret_cast<const char16_t *>(y.constData());
    const qsizetype n = std::min(x.size(), y.size());
    qsizetype i = std::min(da, n);
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

// An allocator whose resize() leaves new elements uninitialised: the room
// for every record of a file is taken up front, and the pages a filtered
// list never fills are then never touched.
template <class T>
struct SenzaAzzerare : std::allocator<T> {
    template <class U>
    struct rebind {
        using other = SenzaAzzerare<U>;
    };
    SenzaAzzerare() = default;
    template <class U>
    SenzaAzzerare(const SenzaAzzerare<U> &) noexcept {}
    template <class U>
    void construct(U *p) noexcept(std::is_nothrow_default_constructible_v<U>)
    {
        ::new (static_cast<void *>(p)) U;
    }
    template <class U, class... A>
    void construct(U *p, A &&...a)
    {
        ::new (static_cast<void *>(p)) U(std::forward<A>(a)...);
    }
};

inline void Precarica(const void *p)
{
#if defined(__GNUC__)
    __builtin_prefetch(p);
#else
    (void)p;
#endif
}

// The key of a line and its place in the list.
struct Voce {
    std::array<quint64, kParole> testa;
    quint32 indice;
    bool stretta;
};

inline bool TestaPrima(const Voce &x, const Voce &y)
{
    return x.testa < y.testa;
}

// The keys of the lines of a list, taken in list order, and their sort.
//
// The list is sorted in blocks while it is still being read: each block of
// kBlocco keys, once complete, is sorted on the key starts by a second thread
// (counting passes over the bytes that are not the same throughout the
// block, the lowest first, so that equal starts keep list order) and merged
// with the blocks before it of its length (a stable merge: the earlier block
// wins a tie). When the list is complete only the last block is left to
// sort; the few runs there are then are merged as the lines are put in
// place. Lines whose key starts are equal are finally ordered on the lines
// themselves, stably, so equal keys keep list order.
class Chiavi
{
public:
    Chiavi() = default;
    Chiavi(const Chiavi &) = delete;
    Chiavi &operator=(const Chiavi &) = delete;
    ~Chiavi() { Ferma(); }

    // Room for `n` keys at most; from two blocks up they are sorted as they come.
    void Riserva(qsizetype n)
    {
        voci_.resize(size_t(n));
        if (n >= qsizetype(2 * kBlocco)) lavoro_ = std::thread([this] { Lavora(); });
    }
    void Aggiungi(const QString &riga)
    {
        if (n_ == voci_.size()) {
            // More lines than announced (the file grew while it was read):
            // the second thread finishes what it has, the rest is sorted here.
            Ferma();
            voci_.resize(std::max<size_t>(16, 2 * n_));
        }
        bool stretta = false;
        voci_[n_].testa = Testa(riga, stretta);
        voci_[n_].indice = quint32(n_);
        voci_[n_].stretta = stretta;
        ++n_;
        if (lavoro_.joinable() && n_ % kBlocco == 0) {
            const std::lock_guard<std::mutex> l(m_);
            pronti_ = n_;
            cv_.notify_one();
        }
    }
    // Puts `righe`, whose keys these are (the first ones added), in order.
    void Ordina(QStringList &righe)
    {
        if (lavoro_.joinable()) {
            Ferma();
        } else {
            for (size_t s = fatti_; s < n_; s += kBlocco) {
                Blocco(s, std::min(n_, s + kBlocco));
                Unisci();
            }
            fatti_ = n_;
        }
        // The runs left, a few, are merged as the lines are put in place:
        // each line in turn is the smallest head of a run, the earliest run
        // winning a tie, so equal key starts keep list order.
        std::vector<const Voce *> ordine(n_);
        {
            struct Capo {
                const Voce *p, *fine;
            };
            std::vector<Capo> capi;
            for (const Tratto &t : tratti_)
                if (t.s < t.e) capi.push_back({voci_.data() + t.s, voci_.data() + t.e});
            for (size_t i = 0; i < n_; ++i) {
                size_t j = 0;
                for (size_t k = 1; k < capi.size(); ++k)
                    if (capi[k].p->testa < capi[j].p->testa) j = k;
                ordine[i] = capi[j].p++;
                if (capi[j].p == capi[j].fine) capi.erase(capi.begin() + qsizetype(j));
            }
        }
        // Lines whose key starts are equal, on the lines themselves.
        for (size_t a = 0; a < n_;) {
            size_t b = a + 1;
            while (b < n_ && ordine[b]->testa == ordine[a]->testa) ++b;
            const auto prima = [&righe](const Voce *x, const Voce *y) {
                // Equal starts of plain units need no second look.
                return RigaPrima(righe.at(x->indice), righe.at(y->indice),
                                 x->stretta && y->stretta ? kTesta : 0);
            };
            if (b - a > 16) {
                std::stable_sort(ordine.begin() + qsizetype(a), ordine.begin() + qsizetype(b), prima);
            } else {
                // The usual few: by insertion, which keeps equal lines in order.
                for (size_t i = a + 1; i < b; ++i)
                    for (size_t j = i; j > a && prima(ordine[j], ordine[j - 1]); --j)
                        std::swap(ordine[j], ordine[j - 1]);
            }
            a = b;
        }
        // The lines are swapped into their places, not copied.
        QStringList ordinate(righe.size());
        QString *o = ordinate.data();
        QString *r = righe.data();
        for (size_t i = 0; i < n_; ++i) {
            if (i + 8 < n_) Precarica(r + ordine[i + 8]->indice);
            o[i].swap(r[ordine[i]->indice]);
        }
        righe = std::move(ordinate);
    }

private:
    static constexpr size_t kBlocco = 8192;

    // The second thread: sorts each block as soon as it is complete and
    // merges it into the blocks before it.
    void Lavora()
    {
        size_t &fatti = fatti_;
        for (;;) {
            size_t pronti;
            bool finito;
            {
                std::unique_lock<std::mutex> l(m_);
                cv_.wait(l, [&] { return finito_ || pronti_ >= fatti + kBlocco; });
                pronti = pronti_;
                finito = finito_;
            }
            while (fatti + kBlocco <= pronti) {
                Blocco(fatti, fatti + kBlocco);
                fatti += kBlocco;
                Unisci();
            }
            if (finito) {
                if (fatti < pronti) {
                    Blocco(fatti, pronti);
                    Unisci();
                }
                fatti = pronti;
                return;
            }
        }
    }
    void Ferma()
    {
        if (!lavoro_.joinable()) return;
        {
            const std::lock_guard<std::mutex> l(m_);
            pronti_ = n_;
            finito_ = true;
            cv_.notify_one();
        }
        lavoro_.join();
    }

    // Sorts voci_[s, e) on the key starts, stably, and notes it as a run.
    void Blocco(size_t s, size_t e)
    {
        const size_t m = e - s;
        if (m > 1) {
            const Voce *v = voci_.data() + s;
            std::array<quint64, kParole> varia{};
            for (size_t j = 0; j < m; ++j)
                for (size_t w = 0; w < varia.size(); ++w) varia[w] |= v[j].testa[w] ^ v[0].testa[w];
            ordine_.resize(m);
            altro_.resize(m);
            for (size_t j = 0; j < m; ++j) ordine_[j] = quint32(j);
            for (size_t w = varia.size(); w-- > 0;) {
                for (int k = 0; k < 8; ++k) {
                    if (((varia[w] >> (8 * k)) & 0xFF) == 0) continue;
                    std::array<quint32, 256> conta{};
                    for (quint32 j : ordine_) ++conta[(v[j].testa[w] >> (8 * k)) & 0xFF];
                    quint32 inizio = 0;
                    for (quint32 &c : conta) inizio += std::exchange(c, inizio);
                    for (quint32 j : ordine_) altro_[conta[(v[j].testa[w] >> (8 * k)) & 0xFF]++] = j;
                    ordine_.swap(altro_);
                }
            }
            appoggio_.resize(m);
            for (size_t j = 0; j < m; ++j) appoggio_[j] = v[ordine_[j]];
            std::copy(appoggio_.begin(), appoggio_.end(), voci_.begin() + qsizetype(s));
        }
        tratti_.push_back({s, e});
    }
    // Merges the last two runs while the last is as long as the one before
    // it, so that each key is merged about log2(blocks) times and a few runs
    // are left at the end.
    void Unisci()
    {
        while (tratti_.size() >= 2) {
            const Tratto b = tratti_.back();
            const Tratto a = tratti_[tratti_.size() - 2];
            if (b.e - b.s < a.e - a.s) break;
            appoggio_.resize(b.e - a.s);
            std::merge(voci_.begin() + qsizetype(a.s), voci_.begin() + qsizetype(a.e),
                       voci_.begin() + qsizetype(b.s), voci_.begin() + qsizetype(b.e), appoggio_.begin(),
                       TestaPrima);
            std::copy(appoggio_.begin(), appoggio_.end(), voci_.begin() + qsizetype(a.s));
            tratti_.pop_back();
            tratti_.back() = {a.s, b.e};
        }
    }

    struct Tratto {
        size_t s, e;
    };
    std::vector<Voce, SenzaAzzerare<Voce>> voci_;
    size_t n_ = 0;
    size_t fatti_ = 0; // voci_[0, fatti_) sorted in runs
    std::vector<Tratto> tratti_;
    std::vector<quint32> ordine_, altro_;
    std::vector<Voce> appoggio_;

    std::thread lavoro_;
    std::mutex m_;
    std::condition_variable cv_;
    size_t pronti_ = 0;
    bool finito_ = false;
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
        // The file is read ahead once the last block kept at least one line
        // in eight: making the lines is then the longer work.
        qint64 visti = 0, vistiPrima = 0, tenutiPrima = 0;
        const auto avanti = [&] {
            const bool si = visti > vistiPrima && (elenco.righe.size() - tenutiPrima) * 8 >= visti - vistiPrima;
            vistiPrima = visti;
            tenutiPrima = elenco.righe.size();
            return si;
        };
        a.ForEachLettoAvanti(
            [&](const char *record, qint64 posizione) {
                ++visti;
                if (!scegli || scegli(record)) {
                    QString riga = file.riga(record);
                    // The key is taken while the line is fresh in the cache.
                    if (ordina) chiavi.Aggiungi(riga);
                    elenco.righe.append(std::move(riga));
                }
                if (avanzamento && (posizione & 511) == 0) avanzamento(posizione, totale);
                return true;
            },
            avanti);
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
