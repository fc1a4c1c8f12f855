#pragma once
// Browsing cards by position with the four arrows of a card window.
#include <QString>

enum class Freccia { Primo, Indietro, Avanti, Ultimo };

struct EsitoSfoglia {
    enum Tipo {
        Mostra,        // show card `posizione`
        Niente,        // nothing happens, no message
        ArchivioVuoto  // "L'archivio non contiene nessuna scheda."
    } tipo = Niente;
    qint64 posizione = 0;
    bool svuotaPosizione = false; // empty lblPosizione (Next on an empty file)
};

// What an arrow does, given the text of lblPosizione (empty for a new card)
// and the number of cards in the file.
EsitoSfoglia Sfoglia(Freccia f, const QString &lblPosizione, qint64 count);

extern const QString MSG_ARCHIVIO_VUOTO;
