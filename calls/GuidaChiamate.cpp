#include "calls/GuidaChiamate.h"

PaginaGuida GuidaChiamate()
{
    return {QStringLiteral("App Registro Chiamate"),
            {QStringLiteral(
                 "L'app Registro Chiamate permette al centro chiamate dell'azienda di archiviare, cliente per "
                 "cliente, le telefonate effettuate e quelle ricevute, e di visualizzare con un solo clic il "
                 "riepilogo di tutte le chiamate registrate nella giornata di oggi."),
             QStringLiteral(
                 "Per registrare una nuova chiamata premere Nuovo e indicare la data e l'ora della chiamata (se sono "
                 "diverse da quelle proposte, che corrispondono al momento attuale), il tipo di chiamata (in entrata "
                 "o in uscita), l'oggetto, l'esito, il grado di soddisfazione del cliente, la durata, il cognome e "
                 "nome del cliente, il codice fiscale, la zona di appartenenza, il telefono preferenziale, il numero "
                 "di cellulare, l'indirizzo e-mail, le note e l'operatore o agente che ha gestito la chiamata. La "
                 "data, l'ora, l'oggetto, il nome del cliente, il numero di cellulare e il codice fiscale sono "
                 "obbligatori. Premere infine Salva per inserire la scheda in archivio."),
             QStringLiteral(
                 "I dati del cliente possono essere compilati rapidamente prendendoli dall'archivio anagrafico dei "
                 "clienti: basta premere l'icona con la freccia rossa che si trova a destra della casella del cognome "
                 "e nome, cercare il cliente e fare doppio clic sul suo nome nell'elenco."),
             QStringLiteral(
                 "Il pulsante Duplica permette di registrare una nuova chiamata partendo dai dati di una chiamata già "
                 "archiviata: richiamare la scheda di partenza, premere Duplica, indicare la nuova data e la nuova "
                 "ora, modificare i dati che cambiano e premere Salva. La scheda di partenza resta com'era."),
             QStringLiteral(
                 "La scheda visualizzata può essere stampata su un foglio A4 con il pulsante Stampa, oppure "
                 "controllata prima a video con il pulsante Anteprima."),
             QStringLiteral(
                 "Accanto al campo \"E-mail\" si trova un pulsante che apre il programma di posta per inviare una "
                 "e-mail al cliente all'indirizzo indicato."),
             QStringLiteral(
                 "Il pulsante Trova cerca le chiamate in archivio usando più filtri contemporaneamente: ad esempio "
                 "tutte le chiamate gestite da un operatore in un certo mese, oppure tutte le chiamate con lo stesso "
                 "oggetto o con lo stesso esito. Con un doppio clic su una riga dell'elenco la scheda viene "
                 "visualizzata."),
             QStringLiteral(
                 "Il pulsante Chiamate di oggi mostra il riepilogo di tutte le chiamate registrate nella giornata "
                 "odierna; il riepilogo può essere esportato in un foglio di Microsoft Excel."),
             QStringLiteral(
                 "Il pulsante con l'icona di Excel, Esporta registro, esporta l'intero registro delle chiamate in un "
                 "file di Microsoft Excel, che può poi essere aperto, ordinato e filtrato a piacere.")}};
}
