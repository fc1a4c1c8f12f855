#pragma once
// The clients to recontact: every client card whose "Da ricontattare" flag
// is set, listed when the window is shown; find, print, and a double click
// that loads the chosen client into the client card (the window's owner).
// The client card creates one for each use:
//
//   TfrmRicontatta w(this);
//   w.exec();
#include "clients/TfrmTrovaClienti.h"

class TfrmRicontatta : public TFinestraElencoClienti
{
    Q_OBJECT
public:
    explicit TfrmRicontatta(QWidget *owner = nullptr);
    ~TfrmRicontatta() override;

public slots:
    // Builds the list: a failure of the file ends it silently, keeping the
    // lines read so far.
    void FormShow();

protected:
    void showEvent(QShowEvent *e) override;
    AzioneModo Azione() const override;
};
