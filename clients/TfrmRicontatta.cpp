#include "clients/TfrmRicontatta.h"

namespace {

DescrizioneRicerca Ricontatto()
{
    DescrizioneRicerca d;
    d.dimensione = QSize(1000, 620);
    d.didascalia = QStringLiteral(" Riepilogo clienti da ricontattare");
    d.sottotitolo = QStringLiteral("Le schede con la casella \u00abDa ricontattare\u00bb spuntata");
    d.rigo03 = QStringLiteral("Fare doppio clic su una voce in elenco per richiamare la scheda");
    d.titoloStampa = QStringLiteral("Riepilogo clienti da ricontattare");
    d.scegli = DaRicontattare;
    return d;
}

} // namespace

TfrmRicontatta::TfrmRicontatta(QWidget *owner)
    : TFinestraElencoClienti(owner, Ricontatto(), UltimaColonna::Questioni, QStringLiteral("clienti"))
{
    setObjectName(QStringLiteral("frmRicontatta"));
}

TfrmRicontatta::~TfrmRicontatta() = default;
