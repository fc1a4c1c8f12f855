#include "calls/TfrmRiepChiamateOggi.h"

#include "calls/ListaChiamate.h"
#include "storage/Cartella.h"
#include "storage/Formati.h"

TfrmRiepChiamateOggi::TfrmRiepChiamateOggi(QWidget *owner) : TfrmEsportazione(owner, Descrizione())
{
    setObjectName(QStringLiteral("frmRiepChiamateOggi"));
    // FormCreate: dates "dd/mm/yyyy" and the decimal comma.
    ImpostaFormati();
}

DescrizioneEsportazione TfrmRiepChiamateOggi::Descrizione()
{
    DescrizioneEsportazione d;
    d.titolo = QStringLiteral(" Riepilogo chiamate di oggi");
    d.nomeFile = QStringLiteral("Chiamate_Odierne.xls");
    d.nomeFoglio = QStringLiteral("Chiamate di oggi");
    d.colonne = ColonneChiamate();
    d.intestazioni = IntestazioniChiamate();
    d.guida.titolo = QStringLiteral("Riepilogo chiamate di oggi");
    d.guida.paragrafi = {
        QStringLiteral("Il pulsante delle chiamate di oggi mostra il riepilogo di tutte le chiamate effettuate e "
                       "ricevute nella giornata odierna, e permette di esportarlo in un foglio di calcolo in "
                       "formato XLS, che può essere aperto con qualsiasi programma in grado di gestire questo tipo "
                       "di file, come per esempio OpenOffice, LibreOffice o Microsoft Office."),
        QStringLiteral("Dopo l'apertura della finestra con la griglia dei dati, basta un clic sull'icona del foglio "
                       "di calcolo per creare immediatamente un file XLS contenente le chiamate elencate, che può "
                       "essere aperto subito rispondendo sì alla domanda mostrata al termine dell'esportazione."),
        QStringLiteral("A questo punto è sufficiente salvare il file sul disco con un nome a piacere."),
    };
    // "Today" is the day of the moment the grid is filled, when the window shows.
    d.riempi = [](RigheGriglia &righe) { RiempiChiamateOggi(righe, Oggi()); };
    return d;
}
