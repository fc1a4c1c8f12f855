#include "identifiers/TfrmIban.h"

TfrmIban::TfrmIban(QWidget *owner)
    : TfrmControllo(FinestraIban(), Stile::Simbolo::Banca, owner)
{
    txtIban = Campo();
}

Esito TfrmIban::Controlla(const QString &testo) const
{
    return ControllaIban(testo);
}
