#include "storage/Filtri.h"

#include "storage/ShortText.h"
#include "storage/Testo.h"

#include <array>
#include <cstring>

namespace {
constexpr std::array<unsigned char, 256> MakeFold()
{
    std::array<unsigned char, 256> t{};
    for (int i = 0; i < 256; ++i) t[i] = static_cast<unsigned char>(i >= 'A' && i <= 'Z' ? i + 32 : i);
    return t;
}
constexpr std::array<unsigned char, 256> kFold = MakeFold();
} // namespace

bool FiltroAttivo(const QString &filtro)
{
    return !Trim(filtro).isEmpty();
}

bool FiltroCorrisponde(const QString &filtro, const QString &campo)
{
    return MinuscoleAZ(Trim(campo)).contains(MinuscoleAZ(filtro));
}

FiltroBytes::FiltroBytes(const QString &filtro)
{
    attivo_ = FiltroAttivo(filtro);
    if (!attivo_) return;
    const QString basso = MinuscoleAZ(filtro);
    for (QChar c : basso) {
        unsigned char b;
        if (!ShortText::ToCp1252(c.unicode(), b)) {
            impossibile_ = true; // no stored field can hold this character
            return;
        }
        ago_.append(static_cast<char>(b));
    }
    primo_ = static_cast<unsigned char>(ago_[0]);
}

bool FiltroBytes::Corrisponde(const char *field, int n) const
{
    if (!attivo_) return true;
    if (impossibile_) return false;
    const ShortText::Rifilati t = ShortText::Rifila(field, n);
    const unsigned char *p = t.p;
    const int a = 0, b = t.n;
    const int m = static_cast<int>(ago_.size());
    if (b - a < m) return false;
    unsigned char basso[256];
    for (int i = a; i < b; ++i) basso[i - a] = kFold[p[i]];
    const int h = b - a;
    const unsigned char *ago = reinterpret_cast<const unsigned char *>(ago_.constData());
    const unsigned char *cur = basso;
    const unsigned char *fine = basso + h - m + 1;
    while (cur < fine) {
        cur = static_cast<const unsigned char *>(std::memchr(cur, primo_, static_cast<size_t>(fine - cur)));
        if (!cur) return false;
        if (std::memcmp(cur + 1, ago + 1, static_cast<size_t>(m - 1)) == 0) return true;
        ++cur;
    }
    return false;
}

EsitoTrova TrovaInLista(const QStringList &righe, int selezionata, const QString &testo,
                        QString &precedente)
{
    EsitoTrova esito;
    const int n = static_cast<int>(righe.size());
    if (n == 0) {
        esito.listaVuota = true;
        return esito;
    }
    if (selezionata < 0 || selezionata >= n) selezionata = 0;
    esito.selezione = selezionata;
    const QString s = MinuscoleAZ(testo);
    auto trovaDa = [&](int i) { return !s.isEmpty() && MinuscoleAZ(righe[i]).contains(s); };

    if (s != precedente) {
        // A new text: start from the first line, which is tested first.
        for (int i = 0; i < n; ++i) {
            if (trovaDa(i)) {
                esito.selezione = i;
                break;
            }
        }
    } else {
        // The same text again: step on from the selected line, which is tested last.
        for (int k = 1; k <= n; ++k) {
            const int i = (selezionata + k) % n;
            if (trovaDa(i)) {
                esito.selezione = i;
                break;
            }
        }
    }
    precedente = s;
    return esito;
}
