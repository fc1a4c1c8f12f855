#pragma once
// The search-filter rule of every search window: a filter takes part when its
// text is not blank; it matches when its text, not trimmed, occurs in the
// field, both folded to lower case (letters A-Z only). With no filter taking
// part every record is found.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

#include "storage/Testo.h"

bool FiltroAttivo(const QString &filtro);
bool FiltroCorrisponde(const QString &filtro, const QString &campo);

// The same rule on the raw Windows-1252 bytes of a ShortText field, without
// building a string: folding only A-Z works byte for byte.
class FiltroBytes
{
public:
    FiltroBytes() = default;
    explicit FiltroBytes(const QString &filtro);
    bool Attivo() const { return attivo_; }
    // `field` points at the length byte of a field of at most n characters.
    bool Corrisponde(const char *field, int n) const;

private:
    bool attivo_ = false;
    bool impossibile_ = false; // holds a character no field can contain
    QByteArray ago_;           // lower-cased needle bytes
    unsigned char primo_ = 0;  // first needle byte, lower-cased
};

// A list line matched back to its record: the position of the last record
// whose line, trimmed, equals the chosen line, trimmed; 0 when none.
template <class R, class Archivio, class LineFn>
qint64 TrovaRigaInArchivio(Archivio &a, const QString &riga, LineFn &&lineOf)
{
    const QString voluta = Trim(riga);
    qint64 trovata = 0;
    R rec;
    while (!a.AtEnd()) {
        a.ReadNext(rec);
        if (Trim(lineOf(rec)) == voluta) trovata = a.Position();
    }
    return trovata;
}

// Find-in-list over the lines of a result list ("Trova").
struct EsitoTrova {
    bool listaVuota = false; // the caller shows "Ricerca non applicabile..."
    int selezione = -1;      // the line to select afterwards
};
// `selezionata` is the selected line (-1: none); `precedente` is the text of
// the previous find, updated here.
EsitoTrova TrovaInLista(const QStringList &righe, int selezionata, const QString &testo,
                        QString &precedente);
