#pragma once
// Printing a result list on the "Riepilogo dati" template: the title, the
// list lines as they are (fixed-width columns in a fixed-pitch font), the
// window's extra lines, and the footer with the date. A long list continues
// on further pages.
#include <QString>
#include <QStringList>

class QWidget;
class TReport;

// Height of one printed list line, in report units (3.392 mm).
constexpr double kAltezzaRigaRiepilogo = 12.822;

// Fills `frxReport` (a "Riepilogo dati" template): txtTitolo gets `titolo`;
// txtRiepilogo gets `righe` in order, then `righeAggiuntive`; the memo is
// sized to 12.822 units per line and MasterData to that height + 10.
void CompilaRiepilogo(TReport &frxReport, const QString &titolo, const QStringList &righe,
                      const QStringList &righeAggiuntive = {});

// Fills, prepares and prints (no preview). False when nothing was printed.
bool StampaRiepilogo(TReport &frxReport, const QString &titolo, const QStringList &righe,
                     const QStringList &righeAggiuntive = {}, QWidget *parent = nullptr);

// The list lines with the blank columns they all share squeezed to two
// blanks: the columns still line up, the lines get as short as they can.
QStringList ColonneCompatte(const QStringList &righe);
// The font size (8 to 12 points) at which the longest of `righe` fills at
// most `larghezza` report units in a fixed-pitch font.
double PuntiPerLarghezza(const QStringList &righe, double larghezza);

// Like StampaRiepilogo, for short lists read at arm's length (the services
// of a client): the lines are compacted and printed in the largest font
// that keeps the longest whole, up to 12 points.
bool StampaRiepilogoLeggibile(TReport &frxReport, const QString &titolo, const QStringList &righe,
                              const QStringList &righeAggiuntive = {}, QWidget *parent = nullptr);
