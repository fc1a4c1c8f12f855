// Scanning the call register: raw read, filtered search, full decode.
// 200 000 call cards (about 258 MB), realistic Italian texts.
#include "BenchComune.h"
#include "storage/Cartella.h"
#include "storage/Filtri.h"
#include "storage/Schede.h"
#include "storage/TArchivio.h"

#include <QDir>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int kSchede = 200000;

QTemporaryDir *Cartella()
{
    static QTemporaryDir *dir = [] {
        auto *d = new QTemporaryDir(QDir::tempPath() + "/pratovia-bench-XXXXXX");
        ImpostaCartellaProgramma(d->path());
        QRandomGenerator rng(20241209);
        const QStringList cognomi = {"Rossi", "Russo", "Ferrari", "Esposito", "Bianchi", "Romano",
                                     "Colombo", "Ricci", "Marino", "Greco", "Bruno", "Gallo",
                                     "Conti", "De Luca", "Mancini", "Costa", "Giordano", "Rizzo",
                                     "Lombardi", "Moretti", "Barbieri", "Fontana", "Santoro", "Mariani"};
        const QStringList nomi = {"Mario", "Giulia", "Luca", "Francesca", "Marco", "Chiara", "Andrea",
                                  "Sara", "Giuseppe", "Elena", "Paolo", "Anna", "Stefano", "Laura"};
        const QStringList oggetti = {
            "Richiesta di preventivo per la dichiarazione dei redditi",
            "Conferma appuntamento per la consulenza del lavoro",
            "Sollecito pagamento fattura del trimestre precedente",
            "Informazioni sulla pratica di successione in corso",
            "Rinvio dell'udienza e nuova data da concordare",
            "Documenti mancanti per la domanda di mutuo",
            "Richiesta copia del contratto di locazione",
            "Chiarimenti sul modello F24 e sulle scadenze di giugno"};
        const QStringList esiti = {"Richiamare la settimana prossima", "Appuntamento fissato in studio",
                                   "Inviata e-mail con la documentazione richiesta", "Pratica chiusa",
                                   "Cliente soddisfatto, nessuna azione necessaria"};
        TSchedaChiamata r;
        bench::ScriviSchede(d->path() + "/Registro_Chiamate.pro", kSchede, TSchedaChiamata::Dimensione, [&](int i) {
            const int g = 1 + rng.bounded(28), m = rng.bounded(12), a = 2018 + rng.bounded(8);
            const int h = 8 + rng.bounded(11), mi = rng.bounded(60);
            r.Set(TSchedaChiamata::GiornoRit, QString::asprintf("%02d", g));
            r.Set(TSchedaChiamata::MeseRit, NomiMesi()[m]);
            r.Set(TSchedaChiamata::AnnoRit, QString::number(a));
            r.Set(TSchedaChiamata::DataRit, QString::asprintf("%02d/%02d/%04d", g, m + 1, a));
            r.Set(TSchedaChiamata::OreRit, QString::asprintf("%02d", h));
            r.Set(TSchedaChiamata::MinutiRit, QString::asprintf("%02d", mi));
            r.Set(TSchedaChiamata::OraRit, QString::asprintf("%02d:%02d", h, mi));
            r.Set(TSchedaChiamata::Tipo, rng.bounded(2) ? "In entrata" : "In uscita");
            r.Set(TSchedaChiamata::Oggetto, oggetti[rng.bounded(oggetti.size())] + " n. " + QString::number(i));
            r.Set(TSchedaChiamata::Esito, esiti[rng.bounded(esiti.size())]);
            r.Set(TSchedaChiamata::Grado, "Buono");
            r.Set(TSchedaChiamata::Durata, QString::number(1 + rng.bounded(30)) + " minuti");
            r.Set(TSchedaChiamata::Cliente, cognomi[rng.bounded(cognomi.size())] + " " + nomi[rng.bounded(nomi.size())]);
            r.Set(TSchedaChiamata::CodFisc, "RSSMRA80A01H501U");
            r.Set(TSchedaChiamata::Zona, "Centro storico");
            r.Set(TSchedaChiamata::Recapito, "06 1234567");
            r.Set(TSchedaChiamata::TelCel, "333" + QString::number(1000000 + rng.bounded(8999999)));
            r.Set(TSchedaChiamata::Email, "cliente" + QString::number(i) + "@esempio.it");
            r.Set(TSchedaChiamata::Note, "Annotazioni sulla telefonata: il cliente chiede di essere "
                                         "ricontattato in mattinata, preferibilmente prima delle 11.");
            r.Set(TSchedaChiamata::Operatore, "Dott.ssa Lucia Marchetti");
            return r.Buffer();
        });
        return d;
    }();
    return dir;
}

QString Percorso()
{
    return Cartella()->path() + "/Registro_Chiamate.pro";
}

void RawRead(benchmark::State &state)
{
    bench::LetturaGrezza(state, Percorso());
}

// One pass over the whole register per iteration: the file opened, read by
// `passata` and closed.
template <class Passata>
void Scansione(benchmark::State &state, Passata &&passata)
{
    Percorso();
    for (auto _ : state) {
        TArchivio a;
        a.Open("Registro_Chiamate.pro", TSchedaChiamata::Dimensione);
        passata(a);
        a.Close();
        state.SetBytesProcessed(state.bytes_processed() + qint64(kSchede) * TSchedaChiamata::Dimensione);
    }
}

void SearchTwoFilters(benchmark::State &state)
{
    const FiltroBytes cliente(QStringLiteral("rossi m")), oggetto(QStringLiteral("preventivo"));
    Scansione(state, [&](TArchivio &a) {
        std::vector<qint64> trovate;
        a.ForEach([&](const char *rec, qint64 pos) {
            if (cliente.Corrisponde(TSchedaChiamata::Raw(rec, TSchedaChiamata::Cliente), 50)
                && oggetto.Corrisponde(TSchedaChiamata::Raw(rec, TSchedaChiamata::Oggetto), 250))
                trovate.push_back(pos);
            return true;
        });
        benchmark::DoNotOptimize(trovate.data());
        state.counters["found"] = static_cast<double>(trovate.size());
    });
}

void SearchTwoFiltersReadNext(benchmark::State &state)
{
    const FiltroBytes cliente(QStringLiteral("rossi m")), oggetto(QStringLiteral("preventivo"));
    Scansione(state, [&](TArchivio &a) {
        std::vector<qint64> trovate;
        TSchedaChiamata r;
        while (!a.AtEnd()) {
            a.ReadNext(r);
            if (cliente.Corrisponde(r.Raw(TSchedaChiamata::Cliente), 50)
                && oggetto.Corrisponde(r.Raw(TSchedaChiamata::Oggetto), 250))
                trovate.push_back(a.Position());
        }
        benchmark::DoNotOptimize(trovate.data());
    });
}

void DecodeEveryField(benchmark::State &state)
{
    Scansione(state, [](TArchivio &a) {
        qint64 caratteri = 0;
        TSchedaChiamata r;
        while (!a.AtEnd()) {
            a.ReadNext(r);
            for (int c = 0; c < TSchedaChiamata::NumCampi; ++c)
                caratteri += r.Get(static_cast<TSchedaChiamata::Campo>(c)).size();
        }
        benchmark::DoNotOptimize(caratteri);
    });
}

} // namespace

BENCHMARK(RawRead)->Unit(benchmark::kMillisecond)->MinTime(2)->MeasureProcessCPUTime();
BENCHMARK(SearchTwoFilters)->Unit(benchmark::kMillisecond)->MinTime(2)->MeasureProcessCPUTime();
BENCHMARK(SearchTwoFiltersReadNext)->Unit(benchmark::kMillisecond)->MinTime(2)->MeasureProcessCPUTime();
BENCHMARK(DecodeEveryField)->Unit(benchmark::kMillisecond)->MinTime(2)->MeasureProcessCPUTime();

int main(int argc, char **argv)
{
    return bench::Esegui(argc, argv, Cartella);
}
