#pragma once
// The services provided to a client: one file of TSchedaServizio records per
// client card, named after the card's position. List lines, loading the list
// with its total, finding the entry behind a list line and saving an entry.
#include "storage/Schede.h"

#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <utility>

// The five fields of an entry in record order (Data, Ora, Servizi, Agente,
// Importo), indexed by LayoutServizio::Campo.
using VoceServizio = std::array<QString, TSchedaServizio::NumCampi>;

// Full path of the services file of the client stored at `posizioneCliente`.
QString PercorsoServizi(const QString &posizioneCliente);

// The list line of an entry: "Data: " + pad(Data, 10) + "   Ora: " + pad(Ora, 5)
// + "   Servizi: " + pad(Servizi, 54) + "  Agente: " + pad(Agente, 28)
// + "  Costo: € " + trimmed Importo.
QString RigaServizio(const VoceServizio &v);
QString RigaServizio(const TSchedaServizio &r);
VoceServizio VoceDa(const TSchedaServizio &r);

// The list as it is loaded when the window opens.
struct ElencoServizi {
    QStringList righe;        // one line per entry, in file order
    qint64 totale = 0;        // sum of the amounts, in hundredths
    int nonConteggiate = 0;   // entries whose amount is not a number
    bool completo = true;     // false when a file failure stopped the loading
};
// Reads the file at `percorso` (created empty when missing). An entry with an
// empty amount is skipped; one whose amount is not a number is listed but
// left out of the total. A file failure stops the loading and keeps what was
// read so far.
ElencoServizi CaricaServizi(const QString &percorso);
// "€ " + the amount with two decimals.
QString TestoTotale(qint64 centesimi);

// The entry behind a list line: the last record whose line, trimmed, equals
// `riga` trimmed, with its 1-based position. Throws EArchivio.
std::optional<std::pair<qint64, VoceServizio>> TrovaServizio(const QString &percorso, const QString &riga);

// Stores the entry (each field trimmed and cut to its size) over record
// `posizione`, or appends it when `posizione` is 0; returns its position.
// Throws EArchivio.
qint64 SalvaServizio(const QString &percorso, qint64 posizione, const VoceServizio &v);

// The first field that is blank, in record order; no value when all are filled.
std::optional<int> CampoMancante(const VoceServizio &v);
// The warning shown for a blank field when saving.
QString MessaggioCampoMancante(int campo);

// The printed list: title and the lines after the list lines.
QString TitoloStampaServizi(const QString &cliente);
QStringList RigheFinaliStampaServizi(const QString &totale);
