#pragma once
// The call history of the client on the card: the calls of
// "Registro_Chiamate.pro" whose codice fiscale is the card's, in file order,
// written to "Storico_Chiamate_Cliente.xls".
#include "output/Esportazione.h"

#include <functional>

class TfrmClienti;

// Appends a row (its number, then the 15 fields of the call, each trimmed)
// for every call, in file order, whose trimmed codice fiscale equals the
// trimmed `codiceFiscale` exactly (same letters, same case).
void RiempiStoricoChiamate(RigheGriglia &righe, const QString &codiceFiscale);

class TfrmStoricoChiamate : public TfrmEsportazione
{
    Q_OBJECT
public:
    // The window reads the codice fiscale from the owner's txtCodFisc when
    // it fills its grid.
    explicit TfrmStoricoChiamate(TfrmClienti *owner);
    // `codiceFiscale` is asked for when the grid is filled.
    static DescrizioneEsportazione Descrizione(std::function<QString()> codiceFiscale);

    void FormCreate();
};
