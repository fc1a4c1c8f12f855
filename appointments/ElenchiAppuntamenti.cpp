// The list windows the appointment card opens: each a new window owned by
// the card, shown modally and destroyed when it closes.
#include "appointments/Appuntamenti.h"

#include "appointments/TfrmExpScadenzario.h"
#include "appointments/TfrmImpegni.h"
#include "appointments/TfrmTrovaScadenze.h"

#include <QLabel>

void ApriTrovaAppuntamenti(QWidget *scheda)
{
    TfrmTrovaScadenze w(scheda);
    w.lblMemory->setText(QStringLiteral("scadenze"));
    w.exec();
}

void ApriImpegni(QWidget *scheda, Impegni quali)
{
    switch (quali) {
    case Impegni::DaAssolvere: {
        TfrmConfermati w(scheda);
        w.exec();
        return;
    }
    case Impegni::Scaduti: {
        TfrmScaduti w(scheda);
        w.exec();
        return;
    }
    case Impegni::Assolti: {
        TfrmAssolti w(scheda);
        w.exec();
        return;
    }
    }
}

void ApriEsportazioneAppuntamenti(QWidget *scheda)
{
    TfrmExpScadenzario w(scheda);
    w.exec();
}
