#include "clients/GuidaClienti.h"

PaginaGuida GuidaClienti()
{
    return {QStringLiteral("App Clienti e Servizi"),
            {QStringLiteral(
                 "L'app Clienti e Servizi raccoglie i dati anagrafici dei clienti dello studio e i servizi che sono "
                 "stati loro forniti. I dati di ogni cliente possono poi essere importati con un clic nel registro "
                 "delle chiamate e nello schedario degli appuntamenti, senza doverli digitare di nuovo."),
             QStringLiteral(
                 "La scheda del cliente contiene cognome e nome, sesso, data e comune di nascita, indirizzo e comune "
                 "di residenza, la modalità di pagamento preferita, i numeri di telefono di casa, dell'ufficio e del "
                 "cellulare, l'indirizzo PEC, l'e-mail e il recapito preferenziale. Seguono il codice fiscale, la "
                 "partita IVA, la carta di credito con la sua scadenza, l'IBAN, gli estremi di un documento, "
                 "l'occupazione, lo stato civile, i titoli, i prodotti o servizi di interesse, la zona di "
                 "appartenenza e le note."),
             QStringLiteral(
                 "Per archiviare un nuovo cliente premere Nuovo, compilare i campi e premere Salva. Cognome e nome, "
                 "numero di cellulare e codice fiscale sono obbligatori. Per modificare una scheda già archiviata "
                 "basta richiamarla con le frecce di scorrimento o con la ricerca, cambiare i dati e premere di "
                 "nuovo Salva."),
             QStringLiteral(
                 "Nel campo Questioni in sospeso si annotano le pratiche ancora aperte con il cliente. Spuntando la "
                 "casella \"Da ricontattare\" e salvando la scheda, il cliente compare nell'elenco che si apre con il "
                 "pulsante Da ricontattare, da cui si può richiamare la sua scheda con un doppio clic."),
             QStringLiteral(
                 "Il pulsante Duplica serve per le schede con dati quasi uguali, ad esempio familiari che abitano allo "
                 "stesso indirizzo: richiamare una scheda archiviata, premere Duplica, modificare i dati che cambiano "
                 "e premere Salva. La nuova scheda viene aggiunta all'archivio e quella di partenza resta com'era."),
             QStringLiteral(
                 "Il pulsante Trova apre la ricerca dei clienti, che accetta più filtri contemporaneamente: ad "
                 "esempio tutti i clienti di una zona interessati a un certo prodotto, quelli con una questione in "
                 "sospeso o quelli che hanno una parola particolare nelle note. Un doppio clic su un cliente "
                 "dell'elenco ne carica la scheda."),
             QStringLiteral(
                 "Con Allega file si possono collegare alla scheda fino a tre file di qualsiasi tipo, ciascuno con una "
                 "sua descrizione: documenti, contratti, fotografie o fogli di calcolo. I file vengono copiati nella "
                 "cartella dei documenti allegati del programma e si aprono con il pulsante Apri."),
             QStringLiteral(
                 "I pulsanti accanto ai campi controllano il codice fiscale, il numero della carta di credito, l'IBAN "
                 "e la partita IVA; per una partita IVA valida viene indicato anche l'ufficio provinciale che l'ha "
                 "rilasciata. Il pulsante accanto all'e-mail apre il programma di posta con l'indirizzo del cliente "
                 "già inserito."),
             QStringLiteral(
                 "Per registrare i servizi forniti occorre prima salvare o richiamare la scheda del cliente. Si preme "
                 "quindi il pulsante Servizi forniti e poi Aggiungi voce, si compilano i dati del servizio e si preme "
                 "Salva."),
             QStringLiteral(
                 "Per modificare un servizio già registrato lo si seleziona nell'elenco con un clic e si preme "
                 "Modifica voce. Ogni servizio è registrato con data e ora, tipo di servizio, agente che l'ha "
                 "fornito e importo pagato dal cliente."),
             QStringLiteral(
                 "Sotto l'elenco dei servizi il programma calcola e mostra il totale degli importi pagati dal "
                 "cliente. Il pulsante Stampa riepilogo stampa l'elenco dei servizi con il relativo totale."),
             QStringLiteral(
                 "Il pulsante con il telefono accanto al numero di cellulare elenca tutte le chiamate fatte o "
                 "ricevute dal cliente che sono state annotate nel registro delle chiamate, riconoscendole dal suo "
                 "codice fiscale."),
             QStringLiteral(
                 "La scheda visualizzata può essere vista in anteprima, stampata su un foglio A4 o salvata in formato "
                 "PDF. Il pulsante Esporta archivio trasferisce infine tutte le schede dei clienti in un file di "
                 "Microsoft Excel, che si apre con qualsiasi programma per fogli di calcolo.")}};
}
