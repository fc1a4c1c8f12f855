#pragma once
// The partita IVA check window. The client card creates it, puts its text into
// txtPartitaIva, shows it with exec() and destroys it afterwards.
#include "identifiers/TfrmControllo.h"

class TfrmPartitaIva : public TfrmControllo
{
    Q_OBJECT
public:
    explicit TfrmPartitaIva(QWidget *owner = nullptr);

    QLineEdit *txtPartitaIva = nullptr;

    // The field's handlers (shared by the four check windows).
    bool txtPartitaIvaKeyDown(QKeyEvent *e) { return CampoKeyDown(e); }

protected:
    Esito Controlla(const QString &testo) const override;
};
