#pragma once
// The IBAN check window. The client card creates it, puts its text into
// txtIban, shows it with exec() and destroys it afterwards.
#include "identifiers/TfrmControllo.h"

class TfrmIban : public TfrmControllo
{
    Q_OBJECT
public:
    explicit TfrmIban(QWidget *owner = nullptr);

    QLineEdit *txtIban = nullptr;

    // The field's handlers (shared by the four check windows).
    void txtIbanTyping() { CampoTyping(); }
    bool txtIbanKeyDown(QKeyEvent *e) { return CampoKeyDown(e); }

protected:
    Esito Controlla(const QString &testo) const override;
};
