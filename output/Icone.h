#pragma once
// Pictures drawn by the program itself (no image files are shipped for them).
#include <QPixmap>
#include <QString>

// The spreadsheet icon of the export buttons.
QPixmap IconaFoglioCalcolo(int lato);
// A hand pointing right, beside an action button.
QPixmap ImmagineMano(int lato);
// The program's banner: its name and a subtitle on a coloured band.
QPixmap ImmagineBanner(const QSize &dim, const QString &sottotitolo);
