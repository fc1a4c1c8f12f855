// The call register's lists over 200 000 call cards (about 258 MB), each
// measured against a raw read of the same file in the same run. Targets: the
// search with two filters, including building the list model the window
// shows, within 2 times RawRead; today's calls within 1.5 times RawRead.
#include "BenchComune.h"
#include "calls/ListaChiamate.h"
#include "storage/Cartella.h"
#include "storage/Formati.h"
#include "storage/Schede.h"

#include <QDir>
#include <QRandomGenerator>
#include <QStringListModel>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int kSchede = 200000;
constexpr qint64 kByte = qint64(kSchede) * TSchedaChiamata::Dimensione;
const QDate kPrimoGiorno(2023, 1, 1); // the calls spread over two years from here
const QDate kOggi(2024, 3, 5);

QTemporaryDir *Cartella()
{
    static QTemporaryDir *dir = [] {
        auto *d = new QTemporaryDir(QDir::tempPath() + "/pratovia-bench-chiamate-XXXXXX");
        ImpostaCartellaProgramma(d->path());
        QRandomGenerator rng(20250310);
        const QStringList cognomi = {"Rossi", "Russo", "Ferrari", "Esposito", "Bianchi", "Romano", "Colombo",
                                     "Ricci", "Marino", "Greco", "Bruno", "Gallo", "Conti", "De Luca",
                                     "Mancini", "Costa", "Giordano", "Rizzo", "Lombardi", "Moretti"};
        const QStringList nomi = {"Mario", "Giulia", "Luca", "Francesca", "Marco", "Chiara", "Andrea",
                                  "Sara", "Giuseppe", "Elena", "Paolo", "Anna", "Stefano", "Laura"};
        const QStringList oggetti = {"Richiesta di preventivo", "Sollecito pagamento fattura",
                                     "Fissare un appuntamento", "Informazioni sulla pratica",
                                     "Reclamo per ritardo nella consegna", "Rinnovo del contratto annuale"};
        const QStringList esiti = {"Da richiamare", "Concluso positivamente", "Inviata e-mail con i documenti",
                                   "Cliente non interessato"};
        TSchedaChiamata r;
        bench::ScriviSchede(d->path() + "/Registro_Chiamate.pro", kSchede, TSchedaChiamata::Dimensione, [&](int) {
            using K = LayoutChiamata;
            r.Clear();
            const QDate g = kPrimoGiorno.addDays(rng.bounded(730));
            const int ore = 8 + rng.bounded(11), minuti = rng.bounded(60);
            r.Set(K::GiornoRit, QString::asprintf("%02d", g.day()));
            r.Set(K::MeseRit, NomiMesi()[g.month() - 1]);
            r.Set(K::AnnoRit, QString::number(g.year()));
            r.Set(K::DataRit, ScriviData(g));
            r.Set(K::OreRit, QString::asprintf("%02d", ore));
            r.Set(K::MinutiRit, QString::asprintf("%02d", minuti));
            r.Set(K::OraRit, QString::asprintf("%02d:%02d", ore, minuti));
            r.Set(K::Tipo, rng.bounded(2) ? "In entrata" : "In uscita");
            r.Set(K::Oggetto, oggetti[rng.bounded(oggetti.size())]);
            r.Set(K::Esito, esiti[rng.bounded(esiti.size())]);
            r.Set(K::Grado, "Soddisfatto");
            r.Set(K::Durata, QString::number(1 + rng.bounded(30)) + " minuti");
            r.Set(K::Cliente, cognomi[rng.bounded(cognomi.size())] + " " + nomi[rng.bounded(nomi.size())]);
            r.Set(K::CodFisc, "RSSMRA80A01H501U");
            r.Set(K::Zona, "Centro storico");
            r.Set(K::Recapito, "081 " + QString::number(1000000 + rng.bounded(8999999)));
            r.Set(K::TelCel, "333" + QString::number(1000000 + rng.bounded(8999999)));
            r.Set(K::Email, "cliente@esempio.it");
            r.Set(K::Note, rng.bounded(3) ? QString() : "Richiamare in mattinata, dopo le dieci.");
            r.Set(K::Operatore, rng.bounded(2) ? "Anna Verdi" : "Paolo Neri");
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

// The search as the window runs it: two filters, the lines in file order,
// shown in the list model. The lines of the previous round are let go outside
// the timing, as the window frees them when it closes.
void SearchTwoFilters(benchmark::State &state)
{
    Percorso();
    // "rossi" in the client and "entrata" in the type.
    const FiltriRecord filtri({QString(), QString(), QStringLiteral("entrata"), QString(), QString(), QString(),
                               QStringLiteral("rossi")},
                              [] {
                                  std::vector<CampoGrezzo> campi;
                                  for (const FiltroChiamata &f : kFiltriChiamate)
                                      campi.push_back(TSchedaChiamata::Grezzo(f.campo));
                                  return campi;
                              }());
    QStringListModel modello;
    for (auto _ : state) {
        {
            const ElencoLetto e =
                LeggiElenco(FileChiamate(), [&](const char *r) { return filtri.Corrisponde(r); }, false);
            modello.setStringList(e.righe);
            state.counters["lines"] = double(e.righe.size());
            state.SetBytesProcessed(state.bytes_processed() + kByte);
        }
        state.PauseTiming();
        modello.setStringList({});
        state.ResumeTiming();
    }
}

// Today's calls: the grid rows of one day.
void TodaysCalls(benchmark::State &state)
{
    Percorso();
    for (auto _ : state) {
        RigheGriglia righe;
        RiempiChiamateOggi(righe, kOggi);
        state.counters["rows"] = double(righe.size());
        state.SetBytesProcessed(state.bytes_processed() + kByte);
        state.PauseTiming();
        righe = {};
        state.ResumeTiming();
    }
}

// The whole register for the export grid (every card has a date).
void RegisterExport(benchmark::State &state)
{
    Percorso();
    for (auto _ : state) {
        RigheGriglia righe;
        RiempiRegistroChiamate(righe);
        state.counters["rows"] = double(righe.size());
        state.SetBytesProcessed(state.bytes_processed() + kByte);
        state.PauseTiming();
        righe = {};
        state.ResumeTiming();
    }
}

} // namespace

BENCHMARK(RawRead)->Unit(benchmark::kMillisecond)->MinTime(2)->MeasureProcessCPUTime();
BENCHMARK(SearchTwoFilters)->Unit(benchmark::kMillisecond)->MinTime(2)->MeasureProcessCPUTime();
BENCHMARK(TodaysCalls)->Unit(benchmark::kMillisecond)->MinTime(2)->MeasureProcessCPUTime();
BENCHMARK(RegisterExport)->Unit(benchmark::kMillisecond)->MinTime(2)->MeasureProcessCPUTime();

int main(int argc, char **argv)
{
    return bench::Esegui(argc, argv, Cartella);
}
