#include "identifiers/TfrmCarta.h"

TfrmCarta::TfrmCarta(QWidget *owner)
    : TfrmControllo(FinestraCarta(), Stile::Simbolo::Lucchetto, owner)
{
    txtNumero = Campo();
}

Esito TfrmCarta::Controlla(const QString &testo) const
{
    return ControllaCarta(testo);
}
