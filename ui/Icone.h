#pragma once
// The program's symbol set: line drawings kept as SVG files in the resource
// ":/icone" (24 x 24, one colour that the loader replaces), shown bare in one
// colour or white on a rounded badge of the symbol's own colour.
#include <QColor>
#include <QIcon>
#include <QPixmap>
#include <QRectF>
#include <QString>

class QPainter;

namespace Stile {

enum class Simbolo {
    Clienti,    // "Clienti e Servizi": two people
    Chiamate,   // "Registro Chiamate": handset
    Agenda,     // "Agenda Appuntamenti": calendar page
    Incassi,    // "Riepiloghi Incassi": bars and a euro coin
    Info,       // i in a circle
    Guida,      // open book
    Crediti,    // star
    Web,        // globe
    Esci,       // power switch
    Email,      // envelope
    Pdf,        // sheet marked PDF
    Lucchetto,  // padlock (password)
    Nuovo,      // sheet with a plus
    Duplica,    // two sheets
    Allega,     // paper clip
    Salva,      // disk
    Trova,      // magnifier
    Anteprima,  // sheet under a magnifier
    Stampa,     // printer
    Esporta,    // grid with an arrow going out
    Ricontatta, // handset with a return arrow
    Primo,      // |<
    Indietro,   // <
    Avanti,     // >
    Ultimo,     // >|
    Controlla,  // check mark in a circle
    Foglio,     // spreadsheet: sheet with a table
    Calendario, // calendar page with today marked (today's date)
    Orologio,   // clock face (the time now)
    Banca,      // bank building (IBAN)
    WhatsApp,   // speech bubble with a handset (WhatsApp messages)
    Campanella, // bell (an alert: appointments are near)
};
inline constexpr int NumeroSimboli = int(Simbolo::Campanella) + 1;

// The file of a symbol in the resource, e.g. ":/icone/salva.svg".
QString FileSimbolo(Simbolo s);
// The colour that goes with a symbol (badge background).
QColor ColoreSimbolo(Simbolo s);
// Draws the bare symbol in one colour inside r (square); crisp at any size.
void DisegnaSimbolo(QPainter &p, Simbolo s, const QRectF &r, const QColor &colore);
// The symbol on a rounded coloured badge, `lato` pixels square (device pixels
// scaled by dpr: pass widget->devicePixelRatioF() for crisp results).
QPixmap Icona(Simbolo s, int lato, qreal dpr = 1.0);
// Draws the badge of a symbol inside r (square), in its own colour or in
// `colore` (e.g. grey for something unavailable).
void DisegnaIcona(QPainter &p, Simbolo s, const QRectF &r);
void DisegnaIcona(QPainter &p, Simbolo s, const QRectF &r, const QColor &colore);
// The bare symbol in one colour (for push buttons and small places).
QPixmap Glifo(Simbolo s, int lato, const QColor &colore, qreal dpr = 1.0);
// The bare symbol as a push-button icon, sharp at the usual button sizes.
QIcon IconaPulsante(Simbolo s, const QColor &colore, qreal dpr = 1.0);

} // namespace Stile
