#include "identifiers/TfrmCodFisc.h"

TfrmCodFisc::TfrmCodFisc(QWidget *owner)
    : TfrmControllo(FinestraCodFisc(), Stile::Simbolo::Clienti, owner)
{
    txtCodFisc = Campo();
}

Esito TfrmCodFisc::Controlla(const QString &testo) const
{
    return ControllaCodiceFiscale(testo);
}
