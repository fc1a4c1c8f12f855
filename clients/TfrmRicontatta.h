#pragma once
// The clients to recontact: every client card whose "Da ricontattare" flag
// is set, listed when the window is shown; find, print, and a double click
// that loads the chosen client into the client card (the window's owner),
// as the search does in the "clienti" mode. A failure of the file while the
// list is built ends it silently, keeping the lines read so far. The client
// card creates one for each use:
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
};
