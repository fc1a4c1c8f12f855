#include "agenda/GuidaAgenda.h"

PaginaGuida GuidaAgenda()
{
    return {QStringLiteral("App Agenda Appuntamenti"),
            {QStringLiteral(
                 "L'app Agenda Appuntamenti aiuta l'ufficio o lo studio professionale a non dimenticare gli "
                 "appuntamenti fissati con i clienti, avvisando l'utente man mano che la data si avvicina. Per ogni "
                 "appuntamento si possono annotare la data e l'ora, i giorni di preavviso, l'agente che seguirà il "
                 "cliente, i servizi richiesti con i relativi dettagli, il cognome e nome del cliente, il telefono, "
                 "il cellulare, l'indirizzo e-mail, la modalità di pagamento, l'importo dovuto e le note."),
             QStringLiteral(
                 "La schermata iniziale mostra gli appuntamenti imminenti e, su richiesta, quelli di un giorno o di "
                 "un mese. Gli appuntamenti si registrano e si modificano invece nello schedario degli "
                 "appuntamenti, che si apre con il pulsante Inserisci appuntamenti."),
             QStringLiteral(
                 "All'apertura dell'agenda un messaggio, accompagnato da un breve segnale sonoro, dice subito se ci "
                 "sono appuntamenti imminenti. L'elenco può essere stampato oppure esportato in Microsoft Excel; la "
                 "griglia di Excel riporta tutti i dati di ogni appuntamento."),
             QStringLiteral(
                 "L'agenda serve solo a consultare gli appuntamenti e non permette di modificarli. Con il calendario "
                 "si sceglie un giorno o un mese di qualsiasi anno; i due pulsanti sotto il calendario elencano gli "
                 "appuntamenti di quel giorno o di quel mese."),
             QStringLiteral(
                 "L'elenco degli appuntamenti imminenti tiene conto dei giorni di preavviso scelti per ciascun "
                 "appuntamento: per questo può comparire anche un appuntamento ancora lontano, se per esso è stato "
                 "indicato un preavviso lungo."),
             QStringLiteral(
                 "Gli appuntamenti imminenti sono sempre ordinati per data e ora, qualunque sia l'ordine in cui sono "
                 "stati registrati. Se l'elenco è vuoto, non ci sono appuntamenti imminenti."),
             QStringLiteral(
                 "Per inviare un promemoria a un cliente, selezionare la sua riga nell'elenco e fare clic sull'icona "
                 "di WhatsApp; nella finestra che si apre controllare che il cliente sia quello giusto e premere il "
                 "pulsante di invio per aprire il portale di WhatsApp con il messaggio pronto.")}};
}

PaginaGuida GuidaGriglieAgenda()
{
    return {QStringLiteral("Visualizzazione appuntamenti"),
            {QStringLiteral(
                 "Gli appuntamenti imminenti compaiono da soli nell'agenda; il pulsante Esporta in Excel li mostra in "
                 "una griglia pronta per l'esportazione. Quando un impegno è stato assolto, occorre spuntare la "
                 "casella Impegno assolto nella sua scheda e salvarla, perché esca dall'elenco degli appuntamenti "
                 "imminenti."),
             QStringLiteral(
                 "L'elenco degli appuntamenti imminenti tiene conto dei giorni di preavviso di ciascun appuntamento: "
                 "può quindi mostrare anche appuntamenti non ancora vicini, se è stato scelto un preavviso lungo."),
             QStringLiteral(
                 "I due pulsanti sotto il calendario dell'agenda mostrano gli appuntamenti del giorno o del mese "
                 "selezionato."),
             QStringLiteral(
                 "La griglia è ordinata per data e ora, qualunque sia l'ordine in cui gli appuntamenti sono stati "
                 "registrati."),
             QStringLiteral(
                 "Per esportare, fare clic sull'icona del foglio di calcolo: il file XLS viene creato subito e può "
                 "essere salvato sul disco con un nome a piacere.")}};
}
