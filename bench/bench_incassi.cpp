// The income summary over 100 000 appointments (about 126 MB), measured
// against a raw read of the same file in the same run. Each summary case
// includes the sorted list model the result window shows. A whole-year
// summary with no filters (YearNoFilter) should stay within 3 times RawRead.
#include "BenchComune.h"
#include "income/RiepilogoIncassi.h"
#include "storage/Cartella.h"
#include "storage/Schede.h"

#include <QDir>
#include <QRandomGenerator>
#include <QStringListModel>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int kAppuntamenti = 100000;
constexpr qint64 kByte = qint64(kAppuntamenti) * TSchedaAppuntamento::Dimensione;

QTemporaryDir *Cartella()
{
    static QTemporaryDir *dir = [] {
        auto *d = new QTemporaryDir(QDir::tempPath() + "/pratovia-bench-incassi-XXXXXX");
        ImpostaCartellaProgramma(d->path());
        QRandomGenerator rng(20250301);
        const QStringList cognomi = {"Rossi", "Russo", "Ferrari", "Esposito", "Bianchi", "Romano", "Colombo",
                                     "Ricci", "Marino", "Greco", "Bruno", "Gallo", "Conti", "De Luca",
                                     "Mancini", "Costa", "Giordano", "Rizzo", "Lombardi", "Moretti"};
        const QStringList nomi = {"Mario", "Giulia", "Luca", "Francesca", "Marco", "Chiara", "Andrea",
                                  "Sara", "Giuseppe", "Elena", "Paolo", "Anna", "Stefano", "Laura"};
        const QStringList servizi = {"Consulenza fiscale per la dichiarazione dei redditi",
                                     "Perizia tecnica sull'immobile di via Roma", "Visita di controllo",
                                     "Pratica di successione", "Contenzioso tributario: udienza",
                                     "Revisione del contratto di locazione"};
        using A = TSchedaAppuntamento;
        A r;
        // Four years of appointments, so a year's summary keeps about a quarter.
        bench::ScriviSchede(d->path() + "/Archivio_Appuntamenti.pro", kAppuntamenti, A::Dimensione, [&](int i) {
            r.Clear();
            const QDate data = QDate(2022, 1, 1).addDays(rng.bounded(4 * 365));
            const int ore = 8 + rng.bounded(11), minuti = 5 * rng.bounded(12);
            r.Set(A::Data, data.toString("dd/MM/yyyy"));
            r.Set(A::OreApp, QString::asprintf("%02d", ore));
            r.Set(A::MinutiApp, QString::asprintf("%02d", minuti));
            r.Set(A::Ora, QString::asprintf("%02d:%02d", ore, minuti));
            r.Set(A::Avviso, QString::number(rng.bounded(10)));
            r.Set(A::Tipologia, "Dott.ssa Neri");
            r.Set(A::Causale, servizi[rng.bounded(servizi.size())]);
            r.Set(A::Dettagli, "Portare la documentazione completa e la delega firmata.");
            r.Set(A::Contatto, cognomi[rng.bounded(cognomi.size())] + " " + nomi[rng.bounded(nomi.size())]);
            r.Set(A::Tel, "081 " + QString::number(1000000 + rng.bounded(8999999)));
            r.Set(A::Cel, "333" + QString::number(1000000 + rng.bounded(8999999)));
            r.Set(A::Email, "cliente" + QString::number(i) + "@esempio.it");
            r.Set(A::Luogo, "Bonifico bancario");
            r.Set(A::Importo, QString::asprintf("%d,%02d", 20 + rng.bounded(500), rng.bounded(100)));
            r.Set(A::Note, "Confermato per telefono.");
            r.SetFlag(A::Ottemperata, rng.bounded(2) == 0);
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

// A summary read and shown in the model, as the result window does; the
// lines of the previous round are let go outside the timing.
void Riepilogo(benchmark::State &state, const QString &cliente, const QString &servizi, const QDate &inizio,
               const QDate &fine)
{
    Percorso();
    QStringListModel modello;
    for (auto _ : state) {
        {
            const RiepilogoIncassi r = LeggiRiepilogoIncassi(cliente, servizi, inizio, fine);
            modello.setStringList(r.righe);
            benchmark::DoNotOptimize(r.centesimi);
            state.counters["lines"] = double(r.righe.size());
            state.SetBytesProcessed(state.bytes_processed() + kByte);
        }
        state.PauseTiming();
        modello.setStringList({});
        state.ResumeTiming();
    }
}

void YearNoFilter(benchmark::State &state)
{
    Riepilogo(state, {}, {}, QDate(2024, 1, 1), QDate(2024, 12, 31));
}

void YearClientFilter(benchmark::State &state)
{
    Riepilogo(state, QStringLiteral("ross"), {}, QDate(2024, 1, 1), QDate(2024, 12, 31));
}

void MonthBothFilters(benchmark::State &state)
{
    Riepilogo(state, QStringLiteral("ross"), QStringLiteral("perizia"), QDate(2024, 3, 1), QDate(2024, 3, 31));
}

// The same year with no filters: only the selection and the total (no
// lines), and the lines in file order (no sort), to see where the time goes.
void YearSelectOnly(benchmark::State &state)
{
    Percorso();
    for (auto _ : state) {
        SelezioneIncassi s({}, {}, QDate(2024, 1, 1), QDate(2024, 12, 31));
        const ElencoLetto e = LeggiElenco({"Archivio_Appuntamenti.pro", TSchedaAppuntamento::Dimensione,
                                           [](const char *) { return QString(); }},
                                          [&s](const char *r) { return s.Scegli(r) && false; }, false);
        benchmark::DoNotOptimize(s.Centesimi());
        state.SetBytesProcessed(state.bytes_processed() + kByte);
    }
}

void YearFileOrder(benchmark::State &state)
{
    Percorso();
    for (auto _ : state) {
        SelezioneIncassi s({}, {}, QDate(2024, 1, 1), QDate(2024, 12, 31));
        ElencoLetto e = LeggiElenco({"Archivio_Appuntamenti.pro", TSchedaAppuntamento::Dimensione, RigaIncasso},
                                    [&s](const char *r) { return s.Scegli(r); }, false);
        benchmark::DoNotOptimize(e.righe.size());
        state.SetBytesProcessed(state.bytes_processed() + kByte);
        state.PauseTiming();
        e.righe.clear();
        state.ResumeTiming();
    }
}

} // namespace

BENCHMARK(YearSelectOnly)->Unit(benchmark::kMillisecond)->MinTime(2)->MeasureProcessCPUTime();
BENCHMARK(YearFileOrder)->Unit(benchmark::kMillisecond)->MinTime(2)->MeasureProcessCPUTime();
BENCHMARK(RawRead)->Unit(benchmark::kMillisecond)->MinTime(2)->MeasureProcessCPUTime();
BENCHMARK(YearNoFilter)->Unit(benchmark::kMillisecond)->MinTime(2)->MeasureProcessCPUTime();
BENCHMARK(YearClientFilter)->Unit(benchmark::kMillisecond)->MinTime(2)->MeasureProcessCPUTime();
BENCHMARK(MonthBothFilters)->Unit(benchmark::kMillisecond)->MinTime(2)->MeasureProcessCPUTime();

int main(int argc, char **argv)
{
    return bench::Esegui(argc, argv, Cartella);
}
