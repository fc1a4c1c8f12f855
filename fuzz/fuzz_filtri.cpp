// The search filters and the find-in-list on arbitrary texts and fields: the
// byte-level filter of the search windows finds exactly what the text rule
// finds, and find-in-list always selects a line of the list.
#include "Comune.h"

#include "storage/Filtri.h"
#include "storage/ShortText.h"

#include <QStringList>
#include <array>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider d(data, size);
    const QString filtro = Testo(d, 80);
    const int n = d.ConsumeIntegralInRange(1, 250);
    // a stored field: its length byte may claim more than the field holds
    std::array<char, 256> campo{};
    const std::string grezzo = d.ConsumeBytesAsString(static_cast<size_t>(n) + 1);
    std::copy(grezzo.begin(), grezzo.end(), campo.begin());
    const FiltroBytes fb(filtro);
    VERIFICA(fb.Attivo() == FiltroAttivo(filtro));
    if (fb.Attivo())
        VERIFICA(fb.Corrisponde(campo.data(), n) == FiltroCorrisponde(filtro, ShortText::Read(campo.data(), n)));
    else
        VERIFICA(fb.Corrisponde(campo.data(), n));

    QStringList righe;
    const int quante = d.ConsumeIntegralInRange(0, 12);
    for (int i = 0; i < quante; ++i) righe << Testo(d, 60);
    QString precedente = d.ConsumeBool() ? QString() : Testo(d, 20);
    for (int giro = 0; giro < 3; ++giro) {
        const int selezionata = d.ConsumeIntegralInRange(-2, quante + 1);
        const QString testo = d.ConsumeBool() ? precedente : Testo(d, 20);
        const EsitoTrova e = TrovaInLista(righe, selezionata, testo, precedente);
        VERIFICA(e.listaVuota == righe.isEmpty());
        if (!righe.isEmpty()) VERIFICA(e.selezione >= 0 && e.selezione < quante);
    }
    return 0;
}
