// The client search and the recontact list over 200 000 client cards (about
// 674 MB), each measured against a raw read of the same file in the same run.
// Every list case includes building the sorted list model the window shows;
// listing every card (SearchNoFilter) should stay within 3 times RawRead.
#include "BenchComune.h"
#include "storage/Cartella.h"
#include "clients/ListaClienti.h"
#include "storage/Schede.h"
#include "storage/TArchivio.h"

#include <QDir>
#include <QRandomGenerator>
#include <QStringListModel>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <random>

namespace {

constexpr int kSchede = 200000;
constexpr qint64 kByte = qint64(kSchede) * TSchedaCliente::Dimensione;

QTemporaryDir *Cartella()
{
    static QTemporaryDir *dir = [] {
        auto *d = new QTemporaryDir(QDir::tempPath() + "/pratovia-bench-clienti-XXXXXX");
        ImpostaCartellaProgramma(d->path());
        QRandomGenerator rng(20250114);
        const QStringList cognomi = {"Rossi", "Russo", "Ferrari", "Esposito", "Bianchi", "Romano", "Colombo",
                                     "Ricci", "Marino", "Greco", "Bruno", "Gallo", "Conti", "De Luca",
                                     "Mancini", "Costa", "Giordano", "Rizzo", "Lombardi", "Moretti",
                                     "Barbieri", "Fontana", "Santoro", "Mariani", "Rossetti", "Grossi"};
        const QStringList nomi = {"Mario", "Giulia", "Luca", "Francesca", "Marco", "Chiara", "Andrea",
                                  "Sara", "Giuseppe", "Elena", "Paolo", "Anna", "Stefano", "Laura"};
        const QStringList comuni = {"Napoli", "Roma", "Milano", "Torino", "Firenze", "Bologna", "Bari",
                                    "Palermo", "Genova", "Venezia", "Verona", "Padova", "Catania", "Salerno"};
        const QStringList occupazioni = {"Avvocato", "Commercialista", "Ingegnere", "Medico di base",
                                         "Insegnante", "Impiegato comunale", "Artigiano", "Pensionato"};
        const QStringList prodotti = {"Dichiarazione dei redditi", "Consulenza del lavoro",
                                      "Successioni e donazioni", "Contabilità ordinaria",
                                      "Pratiche catastali", "Contenzioso tributario"};
        TSchedaCliente r;
        bench::ScriviSchede(d->path() + "/Contatti.pro", kSchede, TSchedaCliente::Dimensione, [&](int i) {
            r.Clear();
            using C = TSchedaCliente;
            r.Set(C::Cliente, cognomi[rng.bounded(cognomi.size())] + " " + nomi[rng.bounded(nomi.size())]);
            r.Set(C::DataNasc, QString::asprintf("%02d/%02d/%04d", 1 + rng.bounded(28), 1 + rng.bounded(12),
                                                 1940 + rng.bounded(60)));
            r.Set(C::ComuneNasc, comuni[rng.bounded(comuni.size())]);
            r.Set(C::ProvNasc, "NA");
            r.Set(C::Sesso, rng.bounded(2) ? "M" : "F");
            r.Set(C::Recapito, "081 " + QString::number(1000000 + rng.bounded(8999999)));
            r.Set(C::IndirizzoRes, "Via Roma " + QString::number(1 + rng.bounded(200)));
            r.Set(C::ProvRes, "NA");
            r.Set(C::ComuneRes, comuni[rng.bounded(comuni.size())]);
            r.Set(C::CapRes, "80100");
            r.Set(C::Estremi, "Bonifico bancario a 30 giorni data fattura");
            r.Set(C::TelCel, "333" + QString::number(1000000 + rng.bounded(8999999)));
            r.Set(C::Email, "cliente" + QString::number(i) + "@esempio.it");
            r.Set(C::CodFisc, "RSSMRA80A01H501U");
            r.Set(C::PartitaIva, QString::number(10000000000LL + rng.bounded(899999999)));
            r.Set(C::Iban, "IT60X0542811101000000123456");
            r.Set(C::Documento, "Carta d'identità n. AX" + QString::number(100000 + rng.bounded(899999)));
            r.Set(C::Occupazione, occupazioni[rng.bounded(occupazioni.size())]);
            r.Set(C::Civile, rng.bounded(2) ? "Coniugato" : "Celibe/Nubile");
            r.Set(C::Prodotti, prodotti[rng.bounded(prodotti.size())]);
            r.Set(C::Zona, "Centro storico");
            r.Set(C::Questioni, rng.bounded(3) ? QString() : "Documenti da integrare per la pratica");
            r.Set(C::Note, "Cliente dal " + QString::number(2000 + rng.bounded(25))
                               + ", preferisce essere contattato al mattino.");
            r.SetFlag(C::Ricontatta, rng.bounded(3) == 0);
            return r.Buffer();
        });
        return d;
    }();
    return dir;
}

QString Percorso()
{
    return Cartella()->path() + "/Contatti.pro";
}

void RawRead(benchmark::State &state)
{
    bench::LetturaGrezza(state, Percorso());
}

// A list read and shown in the model, as the window does. The lines of the
// previous round are let go outside the timing: the window frees them when
// it closes, not while it lists.
template <class Leggi>
void Elenco(benchmark::State &state, Leggi &&leggi)
{
    Percorso();
    QStringListModel modello;
    for (auto _ : state) {
        {
            const ElencoLetto e = leggi();
            modello.setStringList(e.righe);
            state.counters["lines"] = double(e.righe.size());
            state.SetBytesProcessed(state.bytes_processed() + kByte);
        }
        state.PauseTiming();
        modello.setStringList({});
        state.ResumeTiming();
    }
}

void SearchTwoFilters(benchmark::State &state)
{
    // "ros" in the name and "na" in the town of residence.
    const FiltriClienti filtri({QStringLiteral("ros"), QStringLiteral("na")});
    Elenco(state, [&] { return CercaClienti(filtri); });
}

void SearchNoFilter(benchmark::State &state)
{
    const FiltriClienti filtri({});
    Elenco(state, [&] { return CercaClienti(filtri); });
}

// Every card listed in file order: SearchNoFilter less the sort.
void ListInFileOrder(benchmark::State &state)
{
    Elenco(state, [] { return LeggiElenco(FileClienti(UltimaColonna::Note), {}, false); });
}

void RecontactList(benchmark::State &state)
{
    Elenco(state, [] { return ClientiDaRicontattare(); });
}

// Sorting alone: the 200 000 lines of the unfiltered search, shuffled
// (range 1) or in file order as the read gives them (range 0).
void SortLines(benchmark::State &state)
{
    Percorso();
    QStringList righe = LeggiElencoClienti({}, UltimaColonna::Note).righe;
    if (state.range(0)) std::shuffle(righe.begin(), righe.end(), std::mt19937(7));
    else righe = LeggiElenco(FileClienti(UltimaColonna::Note), {}, false).righe;
    for (auto _ : state) {
        state.PauseTiming();
        QStringList copia = righe;
        copia.detach();
        state.ResumeTiming();
        OrdinaRighe(copia);
        benchmark::DoNotOptimize(copia.data());
    }
}

// The double click: the whole file re-read and every line rebuilt.
void MatchChosenLine(benchmark::State &state)
{
    Percorso();
    const QString riga = CercaClienti(FiltriClienti({QStringLiteral("ros")})).righe.value(100);
    for (auto _ : state) {
        int caricate = 0;
        RichiamaCliente(riga, UltimaColonna::Note, [&](const TSchedaCliente &, qint64) { ++caricate; });
        benchmark::DoNotOptimize(caricate);
        state.SetBytesProcessed(state.bytes_processed() + kByte);
    }
}

} // namespace

BENCHMARK(RawRead)->Unit(benchmark::kMillisecond)->MinTime(2)->MeasureProcessCPUTime();
BENCHMARK(SearchTwoFilters)->Unit(benchmark::kMillisecond)->MinTime(2)->MeasureProcessCPUTime();
BENCHMARK(SearchNoFilter)->Unit(benchmark::kMillisecond)->MinTime(2)->MeasureProcessCPUTime();
BENCHMARK(ListInFileOrder)->Unit(benchmark::kMillisecond)->MinTime(2)->MeasureProcessCPUTime();
BENCHMARK(RecontactList)->Unit(benchmark::kMillisecond)->MinTime(2)->MeasureProcessCPUTime();
BENCHMARK(SortLines)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->MinTime(2)->MeasureProcessCPUTime();
BENCHMARK(MatchChosenLine)->Unit(benchmark::kMillisecond)->MinTime(2)->MeasureProcessCPUTime();

int main(int argc, char **argv)
{
    return bench::Esegui(argc, argv, Cartella);
}
