// The agenda over 100 000 appointments (about 126 MB), measured against a
// raw read of the same file in the same run: opening the agenda (reading the
// imminent list, counting it, sorting it, into the model the window shows)
// should stay within 3 times RawRead; the month grid is filled well under
// half a second.
#include "BenchComune.h"
#include "agenda/ElencoAgenda.h"
#include "storage/Cartella.h"
#include "storage/Schede.h"

#include <QDir>
#include <QRandomGenerator>
#include <QStringListModel>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

using A = TSchedaAppuntamento;
constexpr int kSchede = 100000;
constexpr qint64 kByte = qint64(kSchede) * A::Dimensione;
// "Today" of the run: the cards span three years around it.
const QDate kOggi(2025, 6, 15);

QTemporaryDir *Cartella()
{
    static QTemporaryDir *dir = [] {
        auto *d = new QTemporaryDir(QDir::tempPath() + "/pratovia-bench-agenda-XXXXXX");
        ImpostaCartellaProgramma(d->path());
        QRandomGenerator rng(20250615);
        const QStringList cognomi = {"Rossi", "Russo", "Ferrari", "Esposito", "Bianchi", "Romano", "Colombo",
                                     "Ricci", "Marino", "Greco", "Bruno", "Gallo", "Conti", "De Luca"};
        const QStringList nomi = {"Mario", "Giulia", "Luca", "Francesca", "Marco", "Chiara", "Andrea", "Sara"};
        const QStringList servizi = {"Dichiarazione dei redditi", "Consulenza del lavoro", "Successione",
                                     "Contabilità ordinaria", "Pratica catastale", "Ricorso tributario"};
        A r;
        bench::ScriviSchede(d->path() + "/Archivio_Appuntamenti.pro", kSchede, A::Dimensione, [&](int) {
            r.Clear();
            const QDate data = kOggi.addDays(qint64(rng.bounded(3 * 365)) - 2 * 365);
            const QString ore = rng.bounded(10) ? QString::asprintf("%02d", 8 + rng.bounded(11)) : QString();
            const QString minuti = ore.isEmpty() ? QString() : QString::asprintf("%02d", 15 * rng.bounded(4));
            r.Set(A::Data, data.toString("dd/MM/yyyy"));
            r.Set(A::OreApp, ore);
            r.Set(A::MinutiApp, minuti);
            r.Set(A::Ora, ore + ":" + minuti);
            r.Set(A::Avviso, QString::number(rng.bounded(15)));
            r.Set(A::Tipologia, "Anna Neri");
            r.Set(A::Causale, servizi[rng.bounded(servizi.size())]);
            r.Set(A::Dettagli, "Portare la documentazione completa e il documento d'identità");
            r.Set(A::Contatto, cognomi[rng.bounded(cognomi.size())] + " " + nomi[rng.bounded(nomi.size())]);
            r.Set(A::Tel, "081 " + QString::number(1000000 + rng.bounded(8999999)));
            r.Set(A::Cel, "333" + QString::number(1000000 + rng.bounded(8999999)));
            r.Set(A::Email, "cliente@esempio.it");
            r.Set(A::Luogo, "Bonifico bancario");
            r.Set(A::Importo, QString::number(50 + rng.bounded(500)) + ",00");
            r.Set(A::Note, "Cliente puntuale");
            // Past appointments are mostly fulfilled, a few are still open.
            r.SetFlag(A::Ottemperata, data < kOggi ? rng.bounded(20) != 0 : rng.bounded(10) == 0);
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

// What the agenda does when it is shown: the imminent list read and sorted,
// its count, and the lines into the list's model.
void AgendaOpen(benchmark::State &state)
{
    Percorso();
    QStringListModel modello;
    for (auto _ : state) {
        {
            const ElencoLetto e = LeggiImminenti(kOggi);
            modello.setStringList(e.righe);
            const qsizetype imminenti = e.righe.size();
            benchmark::DoNotOptimize(imminenti);
            state.counters["lines"] = double(imminenti);
            state.SetBytesProcessed(state.bytes_processed() + kByte);
        }
        state.PauseTiming();
        modello.setStringList({});
        state.ResumeTiming();
    }
}

// The grid of one month: the file read, the month's cards as rows, sorted.
void MonthGrid(benchmark::State &state)
{
    Percorso();
    for (auto _ : state) {
        RigheGriglia righe;
        RiempiAgenda(righe, SceltaAgenda(GrigliaAgenda::Mese, kOggi));
        state.counters["rows"] = double(righe.size());
        benchmark::DoNotOptimize(righe.data());
        state.SetBytesProcessed(state.bytes_processed() + kByte);
    }
}

// A click on a line: the whole file read again and every line rebuilt.
void ClickedLine(benchmark::State &state)
{
    Percorso();
    const QString riga = LeggiImminenti(kOggi).righe.value(100);
    for (auto _ : state) {
        const auto scelto = RichiamaAppuntamento(riga);
        benchmark::DoNotOptimize(scelto);
        state.SetBytesProcessed(state.bytes_processed() + kByte);
    }
}

} // namespace

BENCHMARK(RawRead)->Unit(benchmark::kMillisecond)->MinTime(2)->MeasureProcessCPUTime();
BENCHMARK(AgendaOpen)->Unit(benchmark::kMillisecond)->MinTime(2)->MeasureProcessCPUTime();
BENCHMARK(MonthGrid)->Unit(benchmark::kMillisecond)->MinTime(2)->MeasureProcessCPUTime();
BENCHMARK(ClickedLine)->Unit(benchmark::kMillisecond)->MinTime(2)->MeasureProcessCPUTime();

int main(int argc, char **argv)
{
    return bench::Esegui(argc, argv, Cartella);
}
