#include "appointments/GuidaAppuntamenti.h"

PaginaGuida GuidaAppuntamenti()
{
    return {QStringLiteral("App Schedario Appuntamenti"),
            {QStringLiteral(
                 "L'app Schedario Appuntamenti serve a registrare gli appuntamenti fissati con i clienti e a "
                 "modificarli quando cambiano. Man mano che la data di un appuntamento si avvicina, l'Agenda "
                 "Appuntamenti lo mostra tra gli appuntamenti imminenti. Tutti gli appuntamenti possono inoltre "
                 "essere esportati in un foglio di Microsoft Excel, ordinati per data e ora."),
             QStringLiteral(
                 "Per registrare un nuovo appuntamento premere Nuovo, compilare la scheda e premere Salva. Per poter "
                 "salvare la scheda è necessario indicare la data e l'ora dell'appuntamento, i giorni di preavviso, "
                 "il cognome e nome del cliente, il suo numero di cellulare e i servizi richiesti. I dati del cliente "
                 "possono essere importati dall'archivio anagrafico dei clienti con il pulsante che si trova a destra "
                 "della casella del cognome e nome: basta cercare il cliente e fare doppio clic sul suo nome."),
             QStringLiteral(
                 "Nello stesso giorno si possono registrare tutti gli appuntamenti che si desidera. Ogni scheda "
                 "riporta la data e l'ora dell'appuntamento, l'agente che seguirà il cliente, i servizi richiesti e i "
                 "relativi dettagli, l'importo dovuto, i dati del cliente con i suoi recapiti telefonici e l'indirizzo "
                 "e-mail, la modalità di pagamento e le note. Ogni appuntamento ha i propri giorni di preavviso: "
                 "quanti giorni prima della data deve comparire tra gli appuntamenti imminenti."),
             QStringLiteral(
                 "Per gli appuntamenti che si ripetono non serve ricompilare ogni volta la scheda: dopo aver salvato "
                 "il primo appuntamento premere Duplica, che riporta in una nuova scheda tutti i dati tranne la data "
                 "e l'ora. Basta allora scegliere il giorno, il mese e l'ora del nuovo appuntamento e premere Salva."),
             QStringLiteral(
                 "Dopo aver salvato la scheda, il pulsante di WhatsApp accanto al numero di cellulare invia al "
                 "cliente la conferma dell'appuntamento, con il giorno e l'ora, tramite WhatsApp Web."),
             QStringLiteral(
                 "Il pulsante Trova apre la ricerca avanzata, che combina più criteri contemporaneamente: ad esempio "
                 "tutti gli appuntamenti di un cliente, quelli per un certo servizio o quelli seguiti da un agente. "
                 "L'elenco degli appuntamenti trovati può essere stampato."),
             QStringLiteral(
                 "Gli appuntamenti imminenti vengono segnalati nell'Agenda Appuntamenti con un messaggio e con un "
                 "avviso sonoro ogni volta che l'agenda viene aperta."),
             QStringLiteral(
                 "Quando un impegno è stato assolto, spuntare la casella Impegno assolto e salvare la scheda: da quel "
                 "momento l'appuntamento non compare più tra gli appuntamenti imminenti."),
             QStringLiteral(
                 "Il pulsante Assolti mostra il riepilogo degli impegni già assolti; Da assolvere mostra quelli ancora "
                 "da assolvere, sia scaduti che non; Scaduti mostra quelli la cui data è passata senza che siano "
                 "stati assolti."),
             QStringLiteral(
                 "Per aggiornare una scheda aprire il riepilogo che la contiene, fare doppio clic sull'impegno per "
                 "visualizzarlo nella scheda, spuntare la casella Impegno assolto e premere Salva."),
             QStringLiteral(
                 "La scheda visualizzata può essere controllata a video con il pulsante Anteprima oppure stampata con "
                 "il pulsante Stampa. Il pulsante Esporta archivio scrive lo storico di tutti gli appuntamenti in un "
                 "foglio di Microsoft Excel.")}};
}
