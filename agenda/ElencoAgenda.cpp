#include "agenda/ElencoAgenda.h"

#include "storage/Appuntamenti.h"
#include "storage/Formati.h"
#include "storage/Schede.h"
#include "storage/TArchivio.h"
#include "storage/Testo.h"

#include <algorithm>
#include <numeric>

namespace {

using A = TSchedaAppuntamento;

// The fields of grid columns 1 to 13; column 14 is the key.
constexpr A::Campo kCampiGriglia[13] = {
    A::Data,     A::Ora, A::Tipologia, A::Causale, A::Dettagli, A::Contatto,
    A::Tel,      A::Cel, A::Email,     A::Luogo,   A::Importo,  A::Ottemperata,
    A::Note,
};
constexpr int kColonnaChiave = 14;

} // namespace

QString RigaAgenda(const char *record)
{
    static const auto parti = UnisciParti(PartiIdDataOra(), std::array{
        ParteFissa(u"  "),
        ParteCampo(A::Grezzo(A::Contatto), 30),
        ParteFissa(u"  Cel. "),
        ParteCampo(A::Grezzo(A::Cel), 14),
        ParteFissa(u"  "),
        ParteCampo(A::Grezzo(A::Causale), 42),
        ParteFissa(u"  \u20ac "),
        ParteCampo(A::Grezzo(A::Importo)),
    });
    return ScriviRiga(record, parti);
}

FileElenco FileAgenda()
{
    return {FileAppuntamenti(), A::Dimensione, RigaAgenda};
}

bool ImminenteIl(const char *record, const QDate &oggi)
{
    // A card that cannot be judged is skipped, and the reading goes on.
    return Imminente(record, oggi).value_or(false);
}

ElencoLetto LeggiImminenti(const QDate &oggi, const AvanzamentoLettura &avanzamento)
{
    return LeggiElenco(
        FileAgenda(), [&oggi](const char *record) { return ImminenteIl(record, oggi); }, true, avanzamento);
}

std::optional<AppuntamentoScelto> RichiamaAppuntamento(const QString &riga)
{
    std::optional<AppuntamentoScelto> scelto;
    try {
        RichiamaRecord(FileAgenda(), riga, [&scelto](const char *record, qint64) {
            scelto = AppuntamentoScelto{A::Leggi(record, A::Data), A::Leggi(record, A::Ora),
                                        A::Leggi(record, A::Contatto), A::Leggi(record, A::Cel)};
        });
    } catch (const std::exception &) {
        // A failure keeps what was matched before it, as the list keeps its lines.
    }
    return scelto;
}

QVector<ColonnaGriglia> ColonneAgenda(GrigliaAgenda quale)
{
    const bool imminenti = quale == GrigliaAgenda::Imminenti;
    return {
        {QStringLiteral("Data appuntamento"), 180, false},
        {QStringLiteral("Ora"), 150, false},
        {QStringLiteral("Agente"), 280, false},
        {QStringLiteral("Servizi richiesti"), 400, false},
        {QStringLiteral("Dettagli"), 400, true},
        {QStringLiteral("Cliente"), 300, true},
        {QStringLiteral("Telefono"), 200, !imminenti},
        {QStringLiteral("Cellulare"), 200, imminenti},
        {QStringLiteral("E-mail"), 250, false},
        {QStringLiteral("Modalit\u00e0 di pagamento"), 300, false},
        {QStringLiteral("Importo"), 200, false},
        {QStringLiteral("Impegno assolto"), 200, false},
        {QStringLiteral("Note"), 400, false},
        {QStringLiteral("Codice univoco"), 150, true},
    };
}

std::function<bool(const char *record)> SceltaAgenda(GrigliaAgenda quale, const QDate &data)
{
    switch (quale) {
    case GrigliaAgenda::Imminenti:
        return [data](const char *record) { return ImminenteIl(record, data); };
    case GrigliaAgenda::Giorno:
        return [giorno = ScriviData(data)](const char *record) { return A::Leggi(record, A::Data) == giorno; };
    case GrigliaAgenda::Mese: {
        // Characters 4-5 the month, 7-10 the year, whatever the rest holds.
        const QString mese = QStringLiteral("%1").arg(data.month(), 2, 10, QLatin1Char('0'));
        const QString anno = QStringLiteral("%1").arg(data.year(), 4, 10, QLatin1Char('0'));
        return [mese, anno](const char *record) {
            const QString d = A::Leggi(record, A::Data);
            return QStringView(d).mid(3, 2) == mese && QStringView(d).mid(6, 4) == anno;
        };
    }
    }
    return {};
}

void RiempiAgenda(RigheGriglia &righe, const std::function<bool(const char *record)> &scegli)
{
    TArchivio archivio;
    archivio.Open(FileAppuntamenti(), A::Dimensione);
    archivio.ForEach([&](const char *record, qint64) {
        if (!scegli(record)) return true;
        QStringList riga;
        riga.reserve(15);
        for (A::Campo c : kCampiGriglia) riga.append(A::Leggi(record, c));
        riga.append(ChiaveAppuntamento(record));
        AggiungiRiga(righe, std::move(riga));
        return true;
    });
    archivio.Close();

    // By the key, its a-z taken as A-Z; equal keys keep the file order.
    QStringList chiavi;
    chiavi.reserve(righe.size());
    for (const QStringList &r : std::as_const(righe)) chiavi.append(MaiuscoleAZ(r.value(kColonnaChiave)));
    std::vector<qsizetype> ordine(size_t(righe.size()));
    std::iota(ordine.begin(), ordine.end(), qsizetype(0));
    std::stable_sort(ordine.begin(), ordine.end(),
                     [&chiavi](qsizetype a, qsizetype b) { return chiavi[a] < chiavi[b]; });
    RigheGriglia ordinate;
    ordinate.reserve(righe.size());
    for (qsizetype i : ordine) ordinate.append(std::move(righe[i]));
    righe = std::move(ordinate);
}
