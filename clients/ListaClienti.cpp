#include "clients/ListaClienti.h"

#include "storage/ShortText.h"
#include "storage/TArchivio.h"
#include "storage/Testo.h"

#include <algorithm>
#include <cstring>

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

// Writes a field's text; with a width, padded with blanks and cut to it.
// Windows-1252 has one UTF-16 unit per byte, so widths count bytes.
void Scrivi(QChar *&out, Testo t, int larghezza = -1)
{
    const auto &tab = Tabella1252();
    const int n = larghezza < 0 ? t.len : std::min(t.len, larghezza);
    for (int i = 0; i < n; ++i) *out++ = QChar(tab[t.p[i]]);
    for (int i = n; i < larghezza; ++i) *out++ = QLatin1Char(' ');
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

FiltriClienti::FiltriClienti(const QStringList &testi)
{
    for (size_t i = 0; i < filtri_.size(); ++i) {
        filtri_[i] = FiltroBytes(testi.value(qsizetype(i)));
        if (filtri_[i].Attivo()) attivi_.push_back(int(i));
    }
}

bool FiltriClienti::Corrisponde(const char *record) const
{
    for (int i : attivi_) {
        const C::Campo c = kFiltriClienti[size_t(i)].campo;
        if (!filtri_[size_t(i)].Corrisponde(TSchedaCliente::Raw(record, c), C::N[c])) return false;
    }
    return true;
}

bool DaRicontattare(const char *record)
{
    const Testo t = Campo(record, C::Ricontatta);
    return t.len == 2 && t.p[0] == 'S' && t.p[1] == 0xEC; // "Sì"
}

namespace {

// x < y comparing code units with a-z folded to A-Z. Lines of one list share
// long prefixes, so equal stretches are skipped four code units at a time.
bool PrimaDi(const QString &x, const QString &y)
{
    const char16_t *p = reinterpret_cast<const char16_t *>(x.constData());
    const char16_t *q = reinterpret_cast<const char16_t *>(y.constData());
    const qsizetype n = std::min(x.size(), y.size());
    auto su = [](char16_t c) { return c >= u'a' && c <= u'z' ? char16_t(c - 32) : c; };
    qsizetype i = 0;
    while (i < n) {
        for (quint64 a, b; i + 4 <= n; i += 4) {
            std::memcpy(&a, p + i, 8);
            std::memcpy(&b, q + i, 8);
            if (a != b) break;
        }
        for (const qsizetype fine = std::min(n, i + 4); i < fine; ++i) {
            if (p[i] == q[i]) continue;
            const char16_t a = su(p[i]), b = su(q[i]);
            if (a != b) return a < b;
        }
    }
    return x.size() < y.size();
}

} // namespace

void OrdinaRighe(QStringList &righe)
{
    std::stable_sort(righe.begin(), righe.end(), PrimaDi);
}

QString TestoTrovate(qsizetype n)
{
    return QStringLiteral("Il presente riepilogo contiene %1 schede.").arg(n);
}

ElencoLetto LeggiElencoClienti(const std::function<bool(const char *record)> &scegli, UltimaColonna ultima,
                               const AvanzamentoLettura &avanzamento)
{
    ElencoLetto elenco;
    try {
        TArchivio a;
        a.Open(QString::fromLatin1(C::NomeFile), TSchedaCliente::Dimensione);
        const qint64 totale = avanzamento ? a.Count() : 0;
        a.ForEach([&](const char *record, qint64 posizione) {
            if (scegli(record)) elenco.righe.append(RigaCliente(record, ultima));
            if (avanzamento && (posizione & 511) == 0) avanzamento(posizione, totale);
            return true;
        });
        a.Close();
    } catch (const std::exception &) {
        elenco.errore = true;
    }
    OrdinaRighe(elenco.righe);
    return elenco;
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
    const QString voluta = Trim(riga);
    int uguali = 0;
    TSchedaCliente r;
    TArchivio a;
    a.Open(QString::fromLatin1(C::NomeFile), TSchedaCliente::Dimensione);
    a.ForEach([&](const char *record, qint64 posizione) {
        if (Trim(RigaCliente(record, ultima)) == voluta) {
            std::memcpy(r.Buffer(), record, TSchedaCliente::Dimensione);
            ++uguali;
            carica(r, posizione);
        }
        return true;
    });
    a.Close();
    return uguali;
}
