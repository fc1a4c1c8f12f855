#include "calls/TfrmExpChiamate.h"

#include "calls/ListaChiamate.h"
#include "storage/Formati.h"

TfrmExpChiamate::TfrmExpChiamate(QWidget *owner) : TfrmEsportazione(owner, Descrizione())
{
    setObjectName(QStringLiteral("frmExpChiamate"));
    // FormCreate: dates "dd/mm/yyyy" and the decimal comma.
    ImpostaFormati();
}

DescrizioneEsportazione TfrmExpChiamate::Descrizione()
{
    DescrizioneEsportazione d;
    d.titolo = QStringLiteral(" Esportazione registro chiamate in Excel");
    d.nomeFile = QStringLiteral("Registro_Chiamate.xls");
    d.nomeFoglio = QStringLiteral("Registro Chiamate");
    d.colonne = ColonneChiamate();
    d.intestazioni = IntestazioniChiamate();
    d.guida.titolo = QStringLiteral("Esportazione registro chiamate in Excel");
    d.guida.paragrafi = {
        QStringLiteral("Il pulsante di esportazione scrive l'intero registro delle chiamate in un file di Microsoft "
                       "Excel in formato XLS, che può essere aperto con qualsiasi programma in grado di gestire "
                       "questo tipo di file, come per esempio OpenOffice, LibreOffice o Microsoft Office."),
        QStringLiteral("Dopo l'apertura della finestra con la griglia dei dati, basta un clic sull'icona del foglio "
                       "di calcolo per creare immediatamente un file XLS contenente le schede del registro, che può "
                       "essere aperto subito rispondendo sì alla domanda mostrata al termine dell'esportazione."),
        QStringLiteral("A questo punto è sufficiente salvare il file sul disco con un nome a piacere."),
    };
    d.riempi = [](RigheGriglia &righe) { RiempiRegistroChiamate(righe); };
    return d;
}
