// Helper process for the concurrency test: appends records to one file, each
// in its own open-append-close action, and prints the positions it got. With
// PRATOVIA_BLOCCO_NON_SUPPORTATO=1 in its environment it appends as on a file
// system without byte-range locks.
#include "storage/Cartella.h"
#include "storage/Schede.h"
#include "storage/TArchivio.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 4) return 2;
    ImpostaCartellaProgramma(QString::fromLocal8Bit(argv[1]));
    ImpostaBloccoNonSupportato(qEnvironmentVariableIntValue("PRATOVIA_BLOCCO_NON_SUPPORTATO") == 1);
    const QString id = QString::fromLocal8Bit(argv[2]);
    const int quanti = atoi(argv[3]);
    for (int i = 0; i < quanti; ++i) {
        TSchedaServizio r;
        r.Set(TSchedaServizio::Servizi, QStringLiteral("%1-%2").arg(id).arg(i));
        r.Set(TSchedaServizio::Agente, QString(28, QChar(u'A' + (i % 26))));
        r.Set(TSchedaServizio::Importo, QStringLiteral("%1,00").arg(i));
        TArchivio a;
        a.Open(QStringLiteral("Servizi_Cliente_1.pro"), TSchedaServizio::Dimensione);
        const qint64 p = a.Append(r);
        a.Close();
        std::printf("%lld\n", static_cast<long long>(p));
    }
    return 0;
}
