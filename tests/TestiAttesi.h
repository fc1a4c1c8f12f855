#pragma once
// The message texts the tests expect, written out here as the user reads
// them, so that a slip in one of the program's own texts fails a test.
#include <QString>

namespace Attesi {
inline const QString AccessoArchivio = QStringLiteral(
    "Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\r"
    "Accertarsi di possedere i privilegi di scrittura nella cartella di installazione del programma.");
inline const QString DomandaEsportazione = QStringLiteral(
    "L'esportazione dei dati in Excel può richiedere diversi minuti a seconda del numero di schede "
    "presenti in archivio.\r\n\r\nSi vuole esportare i dati adesso?");
inline const QString ErroreEsportazione = QStringLiteral(
    "Attenzione: il sistema non permette di esportare i dati.\n\r\n\r"
    "Accertarsi che il file di Excel non sia già aperto.");
inline const QString ErroreEsportazioneCartella = QStringLiteral(
    "Attenzione: il sistema non permette di esportare i dati.\n\r\n\r"
    "Accertarsi di possedere i privilegi di scrittura nella cartella di installazione del programma.");
inline const QString NessunaStampante = QStringLiteral(
    "Attenzione: nessuna stampante è installata nel sistema.\n\r\n\r"
    "Installare una stampante e riprovare.");
inline const QString RicercaNonApplicabile =
    QStringLiteral("Ricerca non applicabile: la lista non contiene nessuna voce.");
} // namespace Attesi
