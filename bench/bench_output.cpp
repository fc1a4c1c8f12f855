// Output benchmarks: writing a large spreadsheet export and preparing a long
// printed list.
#include "storage/Cartella.h"
#include "output/FoglioExcel.h"
#include "output/Report.h"
#include "output/Riepilogo.h"
#include "output/Stampa.h"
#include "reports/Modelli.h"
#include "storage/Testo.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// 200 000 rows of 15 columns, as a call register export holds them.
const RigheGriglia &GrigliaGrande()
{
    static const RigheGriglia righe = [] {
        RigheGriglia r;
        r.reserve(200000);
        for (int i = 0; i < 200000; ++i) {
            QStringList c;
            c.reserve(16);
            c << QString::number(i + 1) << QStringLiteral("05/03/2024") << QStringLiteral("10:30")
              << QStringLiteral("In entrata") << QStringLiteral("Richiesta preventivo n. %1").arg(i)
              << QStringLiteral("Da richiamare") << QStringLiteral("Buono") << QStringLiteral("5 minuti")
              << QStringLiteral("Rossi Mario & figli") << QStringLiteral("RSSMRA80A01H501U")
              << QStringLiteral("Città di Roma") << QStringLiteral("0612345678") << QStringLiteral("3331234567")
              << QStringLiteral("mario.rossi@esempio.it") << QStringLiteral("Nota <breve> sulla chiamata")
              << QStringLiteral("Operatore 1");
            r.append(c);
        }
        return r;
    }();
    return righe;
}

void BM_EsportazioneFoglio200000x15(benchmark::State &state)
{
    QTemporaryDir dir;
    ImpostaCartellaProgramma(dir.path() + "/");
    QVector<IntestazioneExcel> intestazioni;
    for (int c = 1; c <= 15; ++c) intestazioni.append({QStringLiteral("Colonna %1").arg(c), 200});
    const RigheGriglia &righe = GrigliaGrande();
    qint64 byte = 0;
    for (auto _ : state) {
        if (!EsportaFoglioExcel(QStringLiteral("Bench.xls"), QStringLiteral("Registro Chiamate"), intestazioni, righe))
            state.SkipWithError("export failed");
        byte += QFile(dir.filePath("Bench.xls")).size();
    }
    state.SetBytesProcessed(byte);
    state.counters["MB_file"] = double(QFile(dir.filePath("Bench.xls")).size()) / 1e6;
    ImpostaCartellaProgramma(QString());
}
BENCHMARK(BM_EsportazioneFoglio200000x15)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_PreparaElenco50000(benchmark::State &state)
{
    QStringList righe;
    for (int i = 0; i < 50000; ++i)
        righe << Pad(QStringLiteral("Rossi Mario %1").arg(i), 30) + Pad(QStringLiteral("Via Roma %1").arg(i), 30) +
                     Pad(u"00184", 7) + Pad(u"Roma", 20) + Pad(u"3331234567", 14) + QStringLiteral("RSSMRA80A01H501U");
    TReport frxReport(ModelloRiepilogoDati());
    int pagine = 0;
    for (auto _ : state) {
        CompilaRiepilogo(frxReport, QStringLiteral("Riepilogo clienti in archivio"), righe);
        frxReport.Prepara();
        pagine = frxReport.PagineCount();
    }
    state.counters["pagine"] = pagine;
}
BENCHMARK(BM_PreparaElenco50000)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv); // fonts are measured while preparing
    InstallaSostituzioniFont();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
