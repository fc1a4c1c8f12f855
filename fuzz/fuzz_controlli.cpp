// The identifier checks on arbitrary texts: codice fiscale, partita IVA,
// credit card and IBAN, with the typing rules of their windows. Each check
// gives a consistent verdict: a valid identifier passes its own rule again.
#include "Comune.h"

#include "identifiers/Controlli.h"

#include <Qt>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider d(data, size);
    const int quale = d.ConsumeIntegralInRange(0, 4);
    const QString t = Testo(d, 120);
    switch (quale) {
    case 0: {
        const EsitoCodFisc e = ControllaCodiceFiscale(t);
        const QChar c = CarattereControlloCodFisc(QStringView(t).left(15));
        if (!c.isNull()) VERIFICA(c >= u'A' && c <= u'Z');
        if (e.verdetto == Verdetto::Valido) VERIFICA(!e.carattereAtteso.isNull());
        (void)CodFiscDaControllareComePartitaIva(t);
        break;
    }
    case 1: {
        const EsitoPartitaIva e = ControllaPartitaIva(t);
        if (e.verdetto == Verdetto::Valido) VERIFICA(e.codiceUfficio.size() == 3);
        (void)UfficioIva(QStringView(t).left(3));
        (void)PartitaIvaCorretta(t);
        break;
    }
    case 2: {
        const EsitoCarta e = ControllaCarta(t);
        const int codice = CodiceTipoCarta(t);
        VERIFICA(codice >= -2 && codice <= 7);
        (void)NomeTipoCarta(codice, t);
        (void)NomeTipoCarta(d.ConsumeIntegral<int>(), t);
        (void)e;
        break;
    }
    case 3: {
        const EsitoIban e = ControllaIban(t);
        const int resto = RestoIban(t);
        VERIFICA(resto >= 0 && resto < 97);
        (void)e;
        break;
    }
    default: {
        const QString n = NormalizzaDigitazione(t);
        VERIFICA(NormalizzaDigitazione(n) == n);
        const int tasto = d.ConsumeBool() ? d.ConsumeIntegral<int>() : d.ConsumeIntegralInRange(0, 0x01ffffff);
        const AzioneTasto a = AzionePerTasto(d.ConsumeBool(), tasto, t);
        if (tasto == Qt::Key_Return || tasto == Qt::Key_Enter) VERIFICA(a == AzioneTasto::Avanza);
        break;
    }
    }
    return 0;
}
