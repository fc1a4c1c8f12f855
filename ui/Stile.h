#pragma once
// The look of the program: palette, fonts and style sheet.
#include <QColor>
#include <QFont>
#include <QString>

class QApplication;

// Fonts (substitutes where the Windows fonts are missing), palette and style
// sheet of the whole program. Called once at start, before any window exists.
void ApplicaStile(QApplication &app);

namespace Stile {

// Colours of the program.
namespace Colore {
inline constexpr QRgb Sfondo = 0xFFEEF2F7;        // window background
inline constexpr QRgb Carta = 0xFFFFFFFF;         // cards, fields
inline constexpr QRgb Bordo = 0xFFD3DCE6;         // thin borders
inline constexpr QRgb Testo = 0xFF1E2A36;         // body text
inline constexpr QRgb TestoTenue = 0xFF5E6E7E;    // secondary text
inline constexpr QRgb Primario = 0xFF1D5A9E;      // deep blue accent
inline constexpr QRgb PrimarioScuro = 0xFF143E6E; // headers
inline constexpr QRgb Notte = 0xFF102A43;         // darkest header tone
inline constexpr QRgb Acqua = 0xFF0F8B8D;         // teal accent
inline constexpr QRgb Link = 0xFF00008B;          // web links (dark blue)
inline constexpr QRgb LinkPremuto = 0xFFFFA500;   // web link while pressed (orange)
inline constexpr QRgb Cremisi = 0xFFDC143C;       // help page titles
inline constexpr QRgb Evidenzia = 0xFFFFE135;     // focus highlight
} // namespace Colore

// The sans-serif family of the interface and of the drawn pictures.
QString FamigliaInterfaccia();

// Fonts by their Windows names; substitutes apply where they are missing.
QFont Carattere(const QString &famiglia, qreal punti, bool grassetto = false);
// The font of the web links: underlined Tahoma 14.
QFont CarattereLink();

// Where the Windows fonts the windows and the printouts name are missing,
// metric-compatible ones stand in (Arial, Segoe UI -> Liberation Sans;
// Verdana, Tahoma -> DejaVu Sans; Courier New -> Liberation Mono; Times New
// Roman -> Liberation Serif). Calling again does nothing.
void InstallaSostituzioniCaratteri();

} // namespace Stile
