#pragma once
// The rules of the call card that need no window: the lists its combo edits
// offer, the values a new card starts with, the checks a card must pass
// before it is saved, and the date and time texts derived from its parts.
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <optional>

namespace SchedaChiamata {

// The choices of the combo edits.
const QStringList &Tipi();    // "In entrata", "In uscita"

// The month name for 1..12 ("Gennaio" .. "Dicembre"); empty otherwise.
QString NomeMese(int mese);
// The month number of a name, compared lower-cased and trimmed; 0 when the
// text names no month.
int NumeroMese(const QString &nome);

// Date and time parts of a card.
struct Momento {
    QString giorno, mese, anno, ore, minuti;
};
// The parts of `quando`: day, hour and minutes two digits, year four, the
// month by name.
Momento MomentoDi(const QDateTime &quando);

// What the save checks read, as the controls show it.
struct DatiSalvataggio {
    QString giorno, mese, anno, ore, minuti, tipo, oggetto, cliente, codFisc, telCel;
};

// A refused save: the warning, and the control that gets the focus.
struct Rifiuto {
    QString messaggio;
    const char *fuoco;
    bool semplice = false; // the plain box with only OK (a date that does not exist)
};

// Runs the checks in their order; the first that fails is returned. When
// all pass, nothing is returned and the card can be written.
std::optional<Rifiuto> Controlla(const DatiSalvataggio &d);

// DataRit: day/month number/year, each part trimmed ("05/03/2024"); empty
// month number when the name is not a month.
QString DataRit(const QString &giorno, const QString &mese, const QString &anno);
// OraRit: hour:minutes ("09:07").
QString OraRit(const QString &ore, const QString &minuti);

} // namespace SchedaChiamata
