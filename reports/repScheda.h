#pragma once
// "Scheda informativa" (repScheda): the client card on one A4 portrait page,
// the logo and the title "SCHEDA ANAGRAFICA CLIENTE" at the top, 24 rows of a
// label (titCampo01..24) and a value (txtCampo01..24), the footer txtCalce.
// Description format: reports/Modelli.h.
#include <QByteArray>

QByteArray ModelloScheda();
