#pragma once
// The grids of the agenda: one export window with three settings. The
// imminent appointments (TfrmExpImminenti), those of the day (TfrmExpGiornaliere)
// and those of the month (TfrmExpMensili) chosen in the agenda's calendar, in
// date and time order, each row numbered in file order, written to their
// own spreadsheet file.
#include "agenda/ElencoAgenda.h"
#include "output/Esportazione.h"

#include <QDate>

// The window whose calendar chooses the day and the month of the grids: the
// agenda (TfrmAgenda) implements it.
class CalendarioAgenda
{
public:
    virtual ~CalendarioAgenda() = default;
    virtual QDate DataScelta() const = 0;
};

// The setting of a grid. The day and the month are those of the calendar of
// the agenda that opened the window (`owner` or one of its parents), read
// when the window is shown; with no agenda above it, today's.
DescrizioneEsportazione DescrizioneGrigliaAgenda(GrigliaAgenda quale, QWidget *owner);

class TfrmExpImminenti : public TfrmEsportazione
{
    Q_OBJECT
public:
    explicit TfrmExpImminenti(QWidget *owner = nullptr);
};

class TfrmExpGiornaliere : public TfrmEsportazione
{
    Q_OBJECT
public:
    explicit TfrmExpGiornaliere(QWidget *owner = nullptr);
};

class TfrmExpMensili : public TfrmEsportazione
{
    Q_OBJECT
public:
    explicit TfrmExpMensili(QWidget *owner = nullptr);
};
