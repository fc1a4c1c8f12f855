// Client archive export: filling the grid from 50 000 client cards, alone
// and as the window does it when it opens.
#include "storage/Cartella.h"
#include "clients/TfrmExpClienti.h"
#include "output/Stampa.h"
#include "storage/Schede.h"
#include "storage/TArchivio.h"

#include <QApplication>
#include <QTableView>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int kSchede = 50000;

// A folder with "Contatti.pro" holding 50 000 cards filled the way an office
// fills them (every field used, lengths that vary).
const QTemporaryDir &Archivio()
{
    static QTemporaryDir dir;
    static const bool pronto = [] {
        using C = LayoutCliente;
        ImpostaCartellaProgramma(dir.path() + "/");
        TArchivio a;
        a.Open(QString::fromLatin1(C::NomeFile), TSchedaCliente::Dimensione);
        for (int i = 0; i < kSchede; ++i) {
            TSchedaCliente r;
            const QString n = QString::number(i);
            r.Set(C::Cliente, "Rossi Mario " + n);
            r.Set(C::DataNasc, "01/02/1980");
            r.Set(C::ComuneNasc, i % 7 ? "Roma" : "Città di Castello");
            r.Set(C::ProvNasc, i % 5 ? "RM" : "");
            r.Set(C::Sesso, "M");
            r.Set(C::Recapito, "06 1234" + n);
            r.Set(C::IndirizzoRes, "Via Garibaldi " + n);
            r.Set(C::ProvRes, "MI");
            r.Set(C::ComuneRes, "Milano");
            r.Set(C::CapRes, "20121");
            r.Set(C::Estremi, "Bonifico bancario a 30 giorni data fattura fine mese");
            r.Set(C::TelCasa, "02 7654321");
            r.Set(C::TelUff, "02 1112223");
            r.Set(C::TelCel, "333" + n);
            r.Set(C::Fax, "rossi" + n + "@pec.it");
            r.Set(C::Email, "mario.rossi" + n + "@esempio.it");
            r.Set(C::CodFisc, "RSSMRA80A01H501U");
            r.Set(C::Carta, "4111111111111111");
            r.Set(C::ScadeCarta, "12/2027");
            r.Set(C::PartitaIva, "01234567890");
            r.Set(C::Iban, "IT60X0542811101000000123456");
            r.Set(C::Documento, "Carta d'identità AB" + n + " rilasciata dal Comune di Milano");
            r.Set(C::Occupazione, "Ingegnere");
            r.Set(C::Civile, "Coniugato");
            r.Set(C::Titoli, "Dottore in ingegneria civile");
            r.Set(C::Prodotti, "Consulenza fiscale, dichiarazione dei redditi");
            r.Set(C::Zona, "Centro storico");
            r.Set(C::Questioni, "Pratica di successione da chiudere entro marzo, documenti da raccogliere");
            r.Set(C::Note, QString("Preferisce essere chiamato di mattina. ").repeated(6));
            r.SetFlag(C::Ricontatta, i % 2);
            r.Set(C::File01, "contratto" + n + ".pdf");
            a.Append(r);
        }
        a.Close();
        return true;
    }();
    Q_UNUSED(pronto);
    return dir;
}

// The fill function alone: records read in blocks, 25 cells per card.
void BM_RiempiGrigliaClienti50000(benchmark::State &state)
{
    ImpostaCartellaProgramma(Archivio().path() + "/");
    for (auto _ : state) {
        RigheGriglia righe;
        RiempiGrigliaClienti(righe);
        if (righe.size() != kSchede) state.SkipWithError("wrong number of rows");
        benchmark::DoNotOptimize(righe.data());
    }
    state.counters["schede"] = kSchede;
}
BENCHMARK(BM_RiempiGrigliaClienti50000)->Unit(benchmark::kMillisecond)->Iterations(5);

// The window opening: grid filled, model set, first paint.
void BM_FinestraClienti50000(benchmark::State &state)
{
    ImpostaCartellaProgramma(Archivio().path() + "/");
    for (auto _ : state) {
        TfrmExpClienti w;
        w.show();
        QApplication::processEvents();
        if (w.grdRecords->model()->rowCount() != kSchede) state.SkipWithError("wrong number of rows");
    }
}
BENCHMARK(BM_FinestraClienti50000)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    InstallaSostituzioniFont();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    ImpostaCartellaProgramma(QString());
    return 0;
}
