#pragma once
// The rules of the appointment card that need no window: the hours and
// minutes its time boxes offer, the leave rules of the notice days and of the
// time, the checks a card must pass before it is saved, the time stored with
// it, the memos of the printed card and the WhatsApp confirmation.
#include "output/SchedaReport.h"
#include "storage/Schede.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

// The texts of an appointment card as its controls show them, by record field
// (LayoutAppuntamento::Campo), untrimmed; Ottemperata is "Sì" or "No" as the
// check box stands. Print and preview take them, so what is printed is what
// is on screen.
using TestiAppuntamento = std::array<QString, TSchedaAppuntamento::NumCampi>;

namespace SchedaAppuntamento {

// What a new card shows.
extern const char *const kOraNuova;     // "00" in both time boxes
extern const char *const kAvvisoNuovo;  // "0" days of notice
extern const char *const kImportoNuovo; // "0,00"

// Leaving the notice days: empty (after trimming) becomes "0".
QString AvvisoLasciato(const QString &avviso);
// Leaving a time box: the text stays when, trimmed, it is exactly one of
// `scelte`; otherwise it is emptied.
QString OraLasciata(const QString &testo, const QStringList &scelte);

// A refused save: the warning, and the control that gets the focus.
struct Rifiuto {
    QString messaggio;
    const char *fuoco;
};
// The required fields in their order: date, notice days, services, client's
// name, mobile number. The first one empty after trimming is returned.
std::optional<Rifiuto> Controlla(const TestiAppuntamento &t);

// The time stored with the card: trimmed hour + ":" + trimmed minutes (":"
// when both are empty).
QString Ora(const QString &ore, const QString &minuti);

// The printed card ("repDocumentoAppuntamento"): the thirteen value memos in
// the order of the rows, then the footer with the moment `quando`.
QVector<TestoMemo> Memo(const TestiAppuntamento &t, const QDateTime &quando);
extern const char *const kModello;

// Why the WhatsApp confirmation cannot be sent (a date and a mobile number
// are needed, in this order); nothing when it can.
std::optional<Rifiuto> ControllaWhatsApp(const TestiAppuntamento &t);
// The confirmation's text: the time as the boxes show it (trimmed hour ":"
// trimmed minutes) and the trimmed date.
QString TestoConferma(const TestiAppuntamento &t);

} // namespace SchedaAppuntamento
