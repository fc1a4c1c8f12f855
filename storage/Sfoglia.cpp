#include "storage/Sfoglia.h"

#include "storage/Testo.h"

const QString MSG_ARCHIVIO_VUOTO = QStringLiteral("L'archivio non contiene nessuna scheda.");

EsitoSfoglia Sfoglia(Freccia f, const QString &lblPosizione, qint64 count)
{
    const QString testo = Trim(lblPosizione);
    bool ok = false;
    const qint64 p = testo.toLongLong(&ok);
    const bool nuova = testo.isEmpty() || !ok;
    auto mostra = [](qint64 k) { return EsitoSfoglia{EsitoSfoglia::Mostra, k, false}; };
    const EsitoSfoglia niente{EsitoSfoglia::Niente, 0, false};

    if (count == 0) {
        if (f == Freccia::Indietro && !nuova && p == 1) return niente;
        return EsitoSfoglia{EsitoSfoglia::ArchivioVuoto, 0, f == Freccia::Avanti};
    }
    switch (f) {
    case Freccia::Primo: return mostra(1);
    case Freccia::Ultimo: return mostra(count);
    case Freccia::Indietro:
        if (nuova) return mostra(1);
        return p <= 1 ? niente : mostra(p - 1);
    case Freccia::Avanti:
        if (nuova) return mostra(1);
        return p >= count ? niente : mostra(p + 1);
    }
    return niente;
}
