#pragma once
// The three commitment lists of the appointment card: the cards still to be
// fulfilled, those past their date and not fulfilled, and those fulfilled.
// One window with three settings (caption, rule, printed title); each list
// is read in file order when the window is shown, offers find and print, and
// a double click loads the chosen card into the appointment card that opened
// it (the window's owner or the nearest of its parents). A failure of the
// file while the list is built ends it silently, keeping the lines read so
// far. The card creates one for each use (ApriImpegni, appointments/Appuntamenti.h):
//
//   TfrmScaduti w(this);
//   w.exec();
#include "appointments/Appuntamenti.h"
#include "output/FinestraRicerca.h"

#include <QDate>
#include <memory>

class TFinestraImpegni : public TFinestraRicerca
{
    Q_OBJECT
public:
    Impegni Quali() const { return quali_; }

public slots:
    // Takes today's date from the program's clock, then reads the list.
    void FormShow() override;

protected:
    TFinestraImpegni(QWidget *owner, Impegni quali);

private:
    TFinestraImpegni(QWidget *owner, Impegni quali, std::shared_ptr<QDate> oggi);
    Impegni quali_;
    std::shared_ptr<QDate> oggi_; // the day the list's rule compares with
};

// " Riepilogo impegni da assolvere": every card not fulfilled.
class TfrmConfermati : public TFinestraImpegni
{
    Q_OBJECT
public:
    explicit TfrmConfermati(QWidget *owner = nullptr);
};

// " Riepilogo impegni scaduti e non assolti": not fulfilled, dated before today.
class TfrmScaduti : public TFinestraImpegni
{
    Q_OBJECT
public:
    explicit TfrmScaduti(QWidget *owner = nullptr);
};

// " Riepilogo impegni assolti": every card fulfilled.
class TfrmAssolti : public TFinestraImpegni
{
    Q_OBJECT
public:
    explicit TfrmAssolti(QWidget *owner = nullptr);
};
