#include "clients/ListaClienti.h"

#include "storage/ShortText.h"

#include <algorithm>
#include <cstring>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

using C = LayoutCliente;

// Windows-1252 byte -> UTF-16, as ShortText decodes it.
const std::array<char16_t, 256> &Tabella1252()
{
    static const std::array<char16_t, 256> t = [] {
        std::array<char16_t, 256> r{};
        for (int b = 0; b < 256; ++b) r[size_t(b)] = ShortText::FromCp1252(static_cast<unsigned char>(b));
        return r;
    }();
    return t;
}

// The stored text of a field, trimmed, as raw bytes.
struct Testo {
    const unsigned char *p;
    int len;
};

Testo Campo(const char *record, C::Campo c)
{
    const char *f = TSchedaCliente::Raw(record, c);
    int len = static_cast<unsigned char>(f[0]);
    if (len > C::N[c]) len = C::N[c];
    const auto *p = reinterpret_cast<const unsigned char *>(f + 1);
    int a = 0, b = len;
    while (a < b && p[a] <= 32) ++a;
    while (b > a && p[b - 1] <= 32) --b;
    return {p + a, b - a};
}

// Widens n bytes below 0x80 to UTF-16.
void Allarga(char16_t *o, const unsigned char *p, int n)
{
    int i = 0;
#if defined(__SSE2__)
    const __m128i zero = _mm_setzero_si128();
    for (; i + 16 <= n; i += 16) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i *>(p + i));
        _mm_storeu_si128(reinterpret_cast<__m128i *>(o + i), _mm_unpacklo_epi8(v, zero));
        _mm_storeu_si128(reinterpret_cast<__m128i *>(o + i + 8), _mm_unpackhi_epi8(v, zero));
    }
#endif
    for (; i < n; ++i) o[i] = p[i];
}

// Writes a field's text; with a width, padded with blanks and cut to it.
// Windows-1252 has one UTF-16 unit per byte, so widths count bytes; plain
// ASCII, the usual text, is widened as it is.
void Scrivi(QChar *&out, Testo t, int larghezza = -1)
{
    const int n = larghezza < 0 ? t.len : std::min(t.len, larghezza);
    char16_t *o = reinterpret_cast<char16_t *>(out);
    unsigned char tutti = 0;
    for (int i = 0; i < n; ++i) tutti |= t.p[i];
    if (tutti < 0x80) {
        Allarga(o, t.p, n);
    } else {
        const auto &tab = Tabella1252();
        for (int i = 0; i < n; ++i) o[i] = tab[t.p[i]];
    }
    std::fill(o + n, o + std::max(n, larghezza), u' ');
    out += std::max(n, larghezza);
}

void Scrivi(QChar *&out, const char *separatore)
{
    while (*separatore) *out++ = QLatin1Char(*separatore++);
}

constexpr int kCliente = 26, kRecapito = 15, kOccupazione = 25, kProdotti = 30;
constexpr int kFisso = kCliente + 7 + kRecapito + 2 + kOccupazione + 8 + kProdotti + 2;

} // namespace

QString RigaCliente(const char *record, UltimaColonna ultima)
{
    const Testo coda = Campo(record, ultima == UltimaColonna::Note ? C::Note : C::Questioni);
    QString riga(kFisso + coda.len, Qt::Uninitialized);
    QChar *out = riga.data();
    Scrivi(out, Campo(record, C::Cliente), kCliente);
    Scrivi(out, "  Tel. ");
    Scrivi(out, Campo(record, C::Recapito), kRecapito);
    Scrivi(out, "  ");
    Scrivi(out, Campo(record, C::Occupazione), kOccupazione);
    Scrivi(out, "  Prod. ");
    Scrivi(out, Campo(record, C::Prodotti), kProdotti);
    Scrivi(out, "  ");
    Scrivi(out, coda);
    return riga;
}

const std::array<CampoFiltro, 10> kFiltriClienti = {{
    {"txtCliente", "Cognome e nome:", C::Cliente},
    {"txtComuneRes", "Comune di residenza:", C::ComuneRes},
    {"txtPartitaIva", "Partita IVA:", C::PartitaIva},
    {"txtCodFisc", "Codice fiscale:", C::CodFisc},
    {"txtDocumento", "Estremi documento:", C::Documento},
    {"txtOccupazione", "Occupazione:", C::Occupazione},
    {"txtProdotti", "Prodotti e servizi di interesse:", C::Prodotti},
    {"txtZona", "Zona di appartenenza:", C::Zona},
    {"txtQuestioni", "Questioni in sospeso:", C::Questioni},
    {"txtNote", "Note:", C::Note},
}};

const std::vector<CampoGrezzo> &CampiFiltriClienti()
{
    static const std::vector<CampoGrezzo> campi = [] {
        std::vector<CampoGrezzo> v;
        for (const CampoFiltro &f : kFiltriClienti) v.push_back({TSchedaCliente::Offset[f.campo], C::N[f.campo]});
        return v;
    }();
    return campi;
}

FiltriClienti::FiltriClienti(const QStringList &testi) : FiltriRecord(testi, CampiFiltriClienti()) {}

bool DaRicontattare(const char *record)
{
    const Testo t = Campo(record, C::Ricontatta);
    return t.len == 2 && t.p[0] == 'S' && t.p[1] == 0xEC; // "Sì"
}

FileElenco FileClienti(UltimaColonna ultima)
{
    return {QString::fromLatin1(C::NomeFile), TSchedaCliente::Dimensione,
            [ultima](const char *record) { return RigaCliente(record, ultima); }};
}

ElencoLetto LeggiElencoClienti(const std::function<bool(const char *record)> &scegli, UltimaColonna ultima,
                               const AvanzamentoLettura &avanzamento)
{
    return LeggiElenco(FileClienti(ultima), scegli, true, avanzamento);
}

ElencoLetto CercaClienti(const FiltriClienti &filtri, const AvanzamentoLettura &avanzamento)
{
    return LeggiElencoClienti([&](const char *r) { return filtri.Corrisponde(r); }, UltimaColonna::Note,
                              avanzamento);
}

ElencoLetto ClientiDaRicontattare(const AvanzamentoLettura &avanzamento)
{
    return LeggiElencoClienti(DaRicontattare, UltimaColonna::Questioni, avanzamento);
}

int RichiamaCliente(const QString &riga, UltimaColonna ultima,
                    const std::function<void(const TSchedaCliente &r, qint64 posizione)> &carica)
{
    TSchedaCliente r;
    return RichiamaRecord(FileClienti(ultima), riga, [&](const char *record, qint64 posizione) {
        std::memcpy(r.Buffer(), record, TSchedaCliente::Dimensione);
        carica(r, posizione);
    });
}
