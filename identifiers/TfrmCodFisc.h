#pragma once
// The codice fiscale check window. The client card creates it, puts its text into
// txtCodFisc, shows it with exec() and destroys it afterwards.
#include "identifiers/TfrmControllo.h"

class TfrmCodFisc : public TfrmControllo
{
    Q_OBJECT
public:
    explicit TfrmCodFisc(QWidget *owner = nullptr);

    QLineEdit *txtCodFisc = nullptr;

    // The field's handlers (shared by the four check windows).
    void txtCodFiscTyping() { CampoTyping(); }
    bool txtCodFiscKeyDown(QKeyEvent *e) { return CampoKeyDown(e); }

protected:
    Esito Controlla(const QString &testo) const override;
};
