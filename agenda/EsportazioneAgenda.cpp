#include "agenda/EsportazioneAgenda.h"

#include "agenda/GuidaAgenda.h"
#include "storage/Cartella.h"
#include "storage/Formati.h"
#include "ui/ScrittoriCliente.h"


DescrizioneEsportazione DescrizioneGrigliaAgenda(GrigliaAgenda quale, QWidget *owner)
{
    DescrizioneEsportazione d;
    switch (quale) {
    case GrigliaAgenda::Imminenti:
        d.titolo = QStringLiteral(" Appuntamenti imminenti");
        d.nomeFile = QStringLiteral("Appuntamenti_Imminenti.xls");
        d.nomeFoglio = QStringLiteral("Appuntamenti imminenti");
        break;
    case GrigliaAgenda::Giorno:
        d.titolo = QStringLiteral(" Appuntamenti del giorno");
        d.nomeFile = QStringLiteral("Appuntamenti_Giornalieri.xls");
        d.nomeFoglio = QStringLiteral("Appuntamenti del giorno");
        break;
    case GrigliaAgenda::Mese:
        d.titolo = QStringLiteral(" Appuntamenti del mese");
        d.nomeFile = QStringLiteral("Appuntamenti_Mensili.xls");
        d.nomeFoglio = QStringLiteral("Appuntamenti del mese");
        break;
    }
    d.colonne = ColonneAgenda(quale);
    d.guida = GuidaGriglieAgenda();
    // The day is taken when the grid is filled, as the window shows.
    // (The window that opened the grid outlives it: it waits for it to close.)
    d.riempi = [quale, agenda = FinestraSopra<CalendarioAgenda>(owner)](RigheGriglia &righe) {
        const QDate data = quale == GrigliaAgenda::Imminenti || !agenda ? Oggi() : agenda->DataScelta();
        RiempiAgenda(righe, SceltaAgenda(quale, data));
    };
    return d;
}

TfrmExpImminenti::TfrmExpImminenti(QWidget *owner)
    : TfrmEsportazione(owner, DescrizioneGrigliaAgenda(GrigliaAgenda::Imminenti, owner))
{
    setObjectName(QStringLiteral("frmExpImminenti"));
}

TfrmExpGiornaliere::TfrmExpGiornaliere(QWidget *owner)
    : TfrmEsportazione(owner, DescrizioneGrigliaAgenda(GrigliaAgenda::Giorno, owner))
{
    setObjectName(QStringLiteral("frmExpGiornaliere"));
    // FormCreate: dates "dd/mm/yyyy" and the decimal comma.
    ImpostaFormati();
}

TfrmExpMensili::TfrmExpMensili(QWidget *owner)
    : TfrmEsportazione(owner, DescrizioneGrigliaAgenda(GrigliaAgenda::Mese, owner))
{
    setObjectName(QStringLiteral("frmExpMensili"));
    // FormCreate: dates "dd/mm/yyyy" and the decimal comma.
    ImpostaFormati();
}
