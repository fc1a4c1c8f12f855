#include "identifiers/TfrmPartitaIva.h"

TfrmPartitaIva::TfrmPartitaIva(QWidget *owner)
    : TfrmControllo(FinestraPartitaIva(), Stile::Simbolo::Incassi, owner)
{
    txtPartitaIva = Campo();
}

Esito TfrmPartitaIva::Controlla(const QString &testo) const
{
    return ControllaPartitaIva(testo);
}
