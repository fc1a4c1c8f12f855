#include "appointments/TfrmStartup.h"

TfrmStartup::TfrmStartup(QWidget *owner, const TestiAppuntamento &testi)
    : TFinestraStampaScheda(
          owner, Uscita::Anteprima,
          {QStringLiteral(" Anteprima di stampa"), QStringLiteral("Anteprima dell'appuntamento"),
           QStringLiteral("La scheda corrente verrà mostrata nell'anteprima con i dati inseriti a video; "
                          "dall'anteprima è possibile anche stamparla."),
           QStringLiteral("Mostra anteprima")},
          QString::fromLatin1(SchedaAppuntamento::kModello),
          [this](const QDateTime &quando) { return SchedaAppuntamento::Memo(testi_, quando); }),
      testi_(testi)
{
    setObjectName(QStringLiteral("frmStartup"));
}
