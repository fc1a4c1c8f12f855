#pragma once
// The date picker of the appointment card (" Importazione data"): a calendar
// that opens on today's date, "Importa" and "Annulla". The card creates one
// for each use with lblMemory "data", shows it modally and destroys it;
// "Importa" writes the chosen day into the card's txtData as dd/mm/yyyy.
#include "ui/Kit.h"

class QCalendarWidget;
class QLabel;
class QPushButton;

class TfrmCalendario : public Stile::TDialogo
{
    Q_OBJECT
public:
    explicit TfrmCalendario(QWidget *owner = nullptr);

    QCalendarWidget *calAppuntamenti = nullptr;
    QPushButton *btnImportaData = nullptr;
    QPushButton *btnAnnulla = nullptr;
    QLabel *lblMemory = nullptr; // who asked: "data" for the card's date

public slots:
    // With lblMemory "data": the date into the card's txtData, then closes;
    // with any other word it does nothing.
    void btnImportaDataClick();
    void btnAnnullaClick();

protected:
    void showEvent(QShowEvent *e) override;
};
