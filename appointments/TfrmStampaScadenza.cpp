#include "appointments/TfrmStampaScadenza.h"

TfrmStampaScadenza::TfrmStampaScadenza(QWidget *owner, const TestiAppuntamento &testi)
    : TFinestraStampaScheda(
          owner, Uscita::Stampa,
          {QStringLiteral(" Stampa scheda"), QStringLiteral("Stampa dell'appuntamento"),
           QStringLiteral("La scheda corrente verrà stampata su carta con i dati inseriti a video, anche se non "
                          "ancora salvati."),
           QStringLiteral("Stampa")},
          QString::fromLatin1(SchedaAppuntamento::kModello),
          [this](const QDateTime &quando) { return SchedaAppuntamento::Memo(testi_, quando); }),
      testi_(testi)
{
    setObjectName(QStringLiteral("frmStampaScadenza"));
}
