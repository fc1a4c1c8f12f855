// The amount and date rules on arbitrary texts: an amount that parses
// formats to a text that parses to the same hundredths, the rule applied
// when a field is left gives the same text when applied again, and a date
// that reads writes back as "dd/mm/yyyy" that reads as the same day.
#include "Comune.h"

#include "storage/Formati.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider d(data, size);
    const QString importo = Testo(d, 200);
    const auto cent = ImportoInCentesimi(importo);
    const QString normale = NormalizzaImporto(importo);
    VERIFICA(NormalizzaImporto(normale) == normale);
    if (cent) {
        VERIFICA(normale == CentesimiInTesto(*cent));
        VERIFICA(ImportoInCentesimi(normale) == cent);
    } else {
        VERIFICA(normale == QStringLiteral("0,00"));
    }
    const qint64 qualsiasi = d.ConsumeIntegral<qint64>();
    const QString scritto = CentesimiInTesto(qualsiasi);
    if (qualsiasi > -100000000000000000LL && qualsiasi < 100000000000000000LL)
        VERIFICA(ImportoInCentesimi(scritto) == qualsiasi);

    const QString testoData = Testo(d, 60);
    const QDate giorno = LeggiData(testoData);
    VERIFICA(DataValida(testoData) == giorno.isValid());
    if (giorno.isValid()) {
        VERIFICA(giorno.year() >= 1 && giorno.year() <= 9999);
        const QString s = ScriviData(giorno);
        VERIFICA(s.size() == 10);
        VERIFICA(LeggiData(s) == giorno);
    }
    const int ore = d.ConsumeIntegralInRange(0, 23), minuti = d.ConsumeIntegralInRange(0, 59);
    VERIFICA(ScriviOra(QTime(ore, minuti)).size() == 5);
    return 0;
}
