// Helper process for the attachment tests that need a user file permissions
// apply to: copies one file into the attachment folder of a program folder.
// Exit code 0 when CopiaAllegato reports success, 1 when it reports failure.
#include "clients/Allegati.h"
#include "storage/Cartella.h"

#include <QCoreApplication>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 3) return 2;
    ImpostaCartellaProgramma(QString::fromLocal8Bit(argv[1]));
    return CopiaAllegato(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
}
