// The appointment lists over 200 000 cards (about 253 MB), each measured
// against a raw read of the same file in the same run: the search with two
// criteria and the commitment lists (lines built and shown in the list
// model), and the archive export grid. Targets, in CPU time: the search
// within 2 times RawRead; the list of the cards still to be fulfilled (two
// thirds of the archive, every line built and held) within 10 times RawRead.
#include "BenchComune.h"
#include "appointments/ListaAppuntamenti.h"
#include "storage/Cartella.h"
#include "storage/Formati.h"
#include "storage/Schede.h"

#include <QDir>
#include <QRandomGenerator>
#include <QStringListModel>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

using K = LayoutAppuntamento;
constexpr int kSchede = 200000;
constexpr qint64 kByte = qint64(kSchede) * TSchedaAppuntamento::Dimensione;
const QDate kPrimoGiorno(2023, 1, 1); // the cards spread over two years from here
const QDate kOggi(2024, 1, 1);        // half of them before it

QTemporaryDir *Cartella()
{
    static QTemporaryDir *dir = [] {
        auto *d = new QTemporaryDir(QDir::tempPath() + "/pratovia-bench-appuntamenti-XXXXXX");
        ImpostaCartellaProgramma(d->path());
        QRandomGenerator rng(20240305);
        const QStringList cognomi = {"Rossi", "Russo", "Ferrari", "Esposito", "Bianchi", "Romano", "Colombo",
                                     "Ricci", "Marino", "Greco", "Bruno", "Gallo", "Conti", "De Luca",
                                     "Mancini", "Costa", "Giordano", "Rizzo", "Lombardi", "Moretti"};
        const QStringList nomi = {"Mario", "Giulia", "Luca", "Francesca", "Marco", "Chiara", "Andrea",
                                  "Sara", "Giuseppe", "Elena", "Paolo", "Anna", "Stefano", "Laura"};
        const QStringList servizi = {"Consulenza fiscale", "Dichiarazione dei redditi e verifica dei versamenti",
                                     "Successione", "Contratto di affitto", "Visura catastale",
                                     "Revisione del bilancio annuale della società"};
        TSchedaAppuntamento r;
        bench::ScriviSchede(d->path() + "/Archivio_Appuntamenti.pro", kSchede, TSchedaAppuntamento::Dimensione,
                            [&](int) {
                                r.Clear();
                                const QDate g = kPrimoGiorno.addDays(rng.bounded(730));
                                const int ore = 8 + rng.bounded(11), minuti = rng.bounded(60);
                                r.Set(K::Data, ScriviData(g));
                                r.Set(K::OreApp, QString::asprintf("%02d", ore));
                                r.Set(K::MinutiApp, QString::asprintf("%02d", minuti));
                                r.Set(K::Ora, QString::asprintf("%02d:%02d", ore, minuti));
                                r.Set(K::Avviso, QString::number(rng.bounded(10)));
                                r.Set(K::Tipologia, rng.bounded(2) ? "Anna Verdi" : "Paolo Neri");
                                r.Set(K::Causale, servizi[rng.bounded(servizi.size())]);
                                r.Set(K::Dettagli, "Portare la documentazione dell'anno precedente");
                                r.Set(K::Contatto, cognomi[rng.bounded(cognomi.size())] + " "
                                                       + nomi[rng.bounded(nomi.size())]);
                                r.Set(K::Tel, "081 " + QString::number(1000000 + rng.bounded(8999999)));
                                r.Set(K::Cel, "333" + QString::number(1000000 + rng.bounded(8999999)));
                                r.Set(K::Email, "cliente@esempio.it");
                                r.Set(K::Luogo, "Bonifico bancario");
                                r.Set(K::Importo, QString::number(50 + rng.bounded(500)) + ",00");
                                r.Set(K::Note, rng.bounded(3) ? QString() : "Richiamare il giorno prima.");
                                r.Set(K::Ottemperata, rng.bounded(3) ? kNo : kSi);
                                return r.Buffer();
                            });
        return d;
    }();
    return dir;
}

QString Percorso()
{
    return Cartella()->path() + "/Archivio_Appuntamenti.pro";
}

void RawRead(benchmark::State &state)
{
    bench::LetturaGrezza(state, Percorso());
}

// Reads a list as a window does and shows it in the list model; the lines of
// the previous round are let go outside the timing.
template <class Scegli>
void Elenco(benchmark::State &state, Scegli &&scegli)
{
    Percorso();
    QStringListModel modello;
    for (auto _ : state) {
        {
            const ElencoLetto e = LeggiElenco(FileElencoAppuntamenti(), scegli, false);
            modello.setStringList(e.righe);
            state.counters["lines"] = double(e.righe.size());
            state.SetBytesProcessed(state.bytes_processed() + kByte);
        }
        state.PauseTiming();
        modello.setStringList({});
        state.ResumeTiming();
    }
}

// "rossi" in the client and "09:" in the time.
void SearchTwoCriteria(benchmark::State &state)
{
    QStringList testi(10);
    std::vector<CampoGrezzo> campi;
    for (size_t i = 0; i < kCriteriAppuntamenti.size(); ++i) {
        const K::Campo c = kCriteriAppuntamenti[i].campo;
        campi.push_back(TSchedaAppuntamento::Grezzo(c));
        if (c == K::Contatto) testi[qsizetype(i)] = QStringLiteral("rossi");
        if (c == K::Ora) testi[qsizetype(i)] = QStringLiteral("09:");
    }
    const FiltriRecord filtri(testi, campi);
    Elenco(state, [&](const char *r) { return filtri.Corrisponde(r); });
}

void ToBeFulfilled(benchmark::State &state)
{
    Elenco(state, [](const char *r) { return ImpegnoInElenco(Impegni::DaAssolvere, r, kOggi); });
}

void Overdue(benchmark::State &state)
{
    Elenco(state, [](const char *r) { return ImpegnoInElenco(Impegni::Scaduti, r, kOggi); });
}

// The whole archive for the export grid.
void ArchiveExport(benchmark::State &state)
{
    Percorso();
    for (auto _ : state) {
        RigheGriglia righe;
        RiempiArchivioAppuntamenti(righe);
        state.counters["rows"] = double(righe.size());
        state.SetBytesProcessed(state.bytes_processed() + kByte);
        state.PauseTiming();
        righe = {};
        state.ResumeTiming();
    }
}

} // namespace

BENCHMARK(RawRead)->Unit(benchmark::kMillisecond)->MinTime(2)->MeasureProcessCPUTime();
BENCHMARK(SearchTwoCriteria)->Unit(benchmark::kMillisecond)->MinTime(2)->MeasureProcessCPUTime();
BENCHMARK(ToBeFulfilled)->Unit(benchmark::kMillisecond)->MinTime(2)->MeasureProcessCPUTime();
BENCHMARK(Overdue)->Unit(benchmark::kMillisecond)->MinTime(2)->MeasureProcessCPUTime();
BENCHMARK(ArchiveExport)->Unit(benchmark::kMillisecond)->MinTime(2)->MeasureProcessCPUTime();

int main(int argc, char **argv)
{
    return bench::Esegui(argc, argv, Cartella);
}
