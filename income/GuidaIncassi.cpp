#include "income/GuidaIncassi.h"

PaginaGuida GuidaIncassi()
{
    return {QStringLiteral("App Riepiloghi Incassi"),
            {QStringLiteral(
                 "L'app Riepiloghi Incassi ricava i suoi dati dall'agenda degli appuntamenti ed elenca gli importi "
                 "incassati in un qualsiasi intervallo di tempo dell'anno solare scelto, per tutti i clienti oppure "
                 "solo per il cliente e/o i servizi indicati."),
             QStringLiteral(
                 "Per ottenere il riepilogo indicare l'anno, il cognome e nome del cliente (anche solo una parte, "
                 "oppure scegliendolo dall'archivio anagrafico con l'icona della freccia rossa) e i servizi "
                 "richiesti, scegliere dagli elenchi a cascata il giorno e il mese di inizio e di fine "
                 "dell'intervallo e premere Visualizza riepilogo."),
             QStringLiteral(
                 "Il riepilogo elenca, in ordine di data e ora, ogni appuntamento del periodo con i servizi "
                 "richiesti, la data e l'ora, il cognome e nome del cliente, il numero di cellulare e l'importo "
                 "pagato; sotto l'elenco è riportato il totale degli importi. Con la casella di ricerca e il "
                 "pulsante Trova si passa da una voce all'altra che contiene le parole cercate."),
             QStringLiteral(
                 "Lasciando in bianco i campi di ricerca si ottiene il riepilogo di tutti i clienti e di tutti i "
                 "servizi dell'intervallo scelto. Il riepilogo può essere stampato con il pulsante Stampa "
                 "riepilogo.")}};
}
