#pragma once
// "Scheda informativa" (repScheda): the client card on one A4 portrait page,
// the logo and the title "SCHEDA ANAGRAFICA CLIENTE" at the top, 24 rows of a
// label (titCampo01..24) and a value (txtCampo01..24), the footer txtCalce.
// Geometry: A4 portrait, margins 10 mm, so the band is 190 mm wide. The logo
// (20 mm) and the title sit on top; the 24 rows start 27 mm down, 10 mm
// apart, each 6 mm high: a 52 mm label and, 4 mm to its right, a 128 mm value
// underlined in light grey; the footer closes the page at 269 mm.
// The template is reports/repScheda.json, its logo repScheda_imgLogo.png.
// Description format: reports/Modelli.h.
#include <QByteArray>

QByteArray ModelloScheda();
