#include "appointments/TfrmExpScadenzario.h"

#include "appointments/ListaAppuntamenti.h"

TfrmExpScadenzario::TfrmExpScadenzario(QWidget *owner) : TfrmEsportazione(owner, Descrizione())
{
    setObjectName(QStringLiteral("frmExpScadenzario"));
}

DescrizioneEsportazione TfrmExpScadenzario::Descrizione()
{
    DescrizioneEsportazione d;
    d.titolo = QStringLiteral(" Esportazione archivio appuntamenti");
    d.nomeFile = QStringLiteral("Riepilogo_Appuntamenti.xls");
    d.nomeFoglio = QStringLiteral("Riepilogo Appuntamenti");
    d.colonne = ColonneAppuntamenti(); // the file's header cells are the grid's
    d.guida.titolo = QStringLiteral("Esportazione archivio appuntamenti in Excel");
    d.guida.paragrafi = {
        QStringLiteral("Il pulsante Esporta archivio scrive tutte le schede dell'archivio appuntamenti in un foglio "
                       "di lavoro di Microsoft Excel in formato XLS, che può essere aperto con qualsiasi programma "
                       "in grado di gestire questo tipo di file, come per esempio OpenOffice, LibreOffice o "
                       "Microsoft Office."),
        QStringLiteral("Dopo l'apertura della finestra con la griglia dei dati, basta un clic sull'icona di Excel "
                       "per creare immediatamente il file XLS con gli appuntamenti, che può essere aperto subito "
                       "rispondendo sì alla domanda mostrata al termine dell'esportazione."),
        QStringLiteral("A questo punto è possibile salvare il file sul disco con un nome a piacere."),
    };
    d.riempi = [](RigheGriglia &righe) { RiempiArchivioAppuntamenti(righe); };
    return d;
}
