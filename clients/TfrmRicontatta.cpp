#include "clients/TfrmRicontatta.h"

#include <QLineEdit>
#include <QShowEvent>
#include <QVBoxLayout>

TfrmRicontatta::TfrmRicontatta(QWidget *owner)
    : TFinestraElencoClienti(
          owner, {QSize(1180, 620), QStringLiteral(" Riepilogo clienti da ricontattare"),
                  QStringLiteral("Le schede con la casella \u00abDa ricontattare\u00bb spuntata"),
                  QStringLiteral("Fare doppio clic su una voce in elenco per richiamare la scheda"),
                  QStringLiteral("Riepilogo clienti da ricontattare"), UltimaColonna::Questioni})
{
    setObjectName(QStringLiteral("frmRicontatta"));
    auto *colonna = new QVBoxLayout(this);
    colonna->setContentsMargins(0, 0, 0, 0);
    colonna->setSpacing(0);
    colonna->addWidget(CreaBanner());
    colonna->addWidget(CreaPannelloElenco(nullptr), 1);
}

TfrmRicontatta::~TfrmRicontatta() = default;

AzioneModo TfrmRicontatta::Azione() const
{
    // Exactly what the search does in the "clienti" mode.
    return AzionePerModo(QStringLiteral("clienti"));
}

void TfrmRicontatta::showEvent(QShowEvent *e)
{
    TFinestraElencoClienti::showEvent(e);
    if (e->spontaneous()) return;
    Stile::Centra(this);
    FormShow();
}

void TfrmRicontatta::FormShow()
{
    AzzeraRicerca();
    ImpostaRighe({});
    const ElencoLetto elenco = ClientiDaRicontattare(Avanzamento(QStringLiteral("Lettura delle schede in corso...")));
    TerminaAvanzamento();
    ImpostaRighe(elenco.righe);
    txtTrova->setFocus();
}
