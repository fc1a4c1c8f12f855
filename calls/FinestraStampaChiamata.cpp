#include "calls/FinestraStampaChiamata.h"

#include "calls/ListaChiamate.h"

namespace {

TFinestraStampaScheda::Testi TestiFinestra(TFinestraStampaScheda::Uscita uscita)
{
    if (uscita == TFinestraStampaScheda::Uscita::Stampa)
        return {QStringLiteral(" Stampa documento"), QStringLiteral("Stampa della scheda chiamata"),
                QStringLiteral("La scheda mostrata a video verrà stampata sulla stampante predefinita del sistema."),
                QStringLiteral("Stampa")};
    return {QStringLiteral(" Anteprima di stampa"), QStringLiteral("Anteprima della scheda chiamata"),
            QStringLiteral("La scheda mostrata a video verrà mostrata nell'anteprima, da cui è possibile anche "
                           "stamparla."),
            QStringLiteral("Mostra anteprima")};
}

} // namespace

TFinestraStampaChiamata::TFinestraStampaChiamata(QWidget *owner, const TestiChiamata &testi, Uscita uscita)
    : TFinestraStampaScheda(owner, uscita, TestiFinestra(uscita), QString::fromLatin1(kModelloChiamata),
                            [this](const QDateTime &quando) { return MemoChiamata(testi_, quando); }),
      testi_(testi)
{
}
