#pragma once
// Pieces shared by the benchmarks over a large record file: writing the file,
// the raw read every other case is measured against, and main().
// The cases measure the CPU time of the whole process: long lists are read
// ahead on a second thread, and their sort works on one too.
#include <QByteArray>
#include <QCoreApplication>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>
#include <vector>

namespace bench {

// Writes `quante` records of `dimensione` bytes to `percorso`, in blocks of
// about 8 MB; `record(i)` fills record i and returns its bytes.
template <class Record>
void ScriviSchede(const QString &percorso, int quante, int dimensione, Record &&record)
{
    QFile f(percorso);
    f.open(QIODevice::WriteOnly);
    QByteArray blocco;
    for (int i = 0; i < quante; ++i) {
        blocco.append(record(i), dimensione);
        if (blocco.size() > (8 << 20)) {
            f.write(blocco);
            blocco.clear();
        }
    }
    f.write(blocco);
    f.close();
}

// The whole file read in 1 MB chunks with plain system calls: the floor for
// any case that scans the same file.
inline void LetturaGrezza(benchmark::State &state, const QString &percorso)
{
    const QByteArray p = percorso.toLocal8Bit();
    std::vector<char> buf(1 << 20);
    for (auto _ : state) {
        int fd = ::open(p.constData(), O_RDONLY);
        qint64 tot = 0;
        for (ssize_t r; (r = ::read(fd, buf.data(), buf.size())) > 0;) tot += r;
        ::close(fd);
        benchmark::DoNotOptimize(tot);
        state.SetBytesProcessed(state.bytes_processed() + tot);
    }
}

// main(): the data folder is made before the first case and removed after the last.
inline int Esegui(int argc, char **argv, QTemporaryDir *(*cartella)())
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    cartella();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    delete cartella();
    return 0;
}

} // namespace bench
