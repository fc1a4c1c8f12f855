#pragma once
// The credit card check window. The client card creates it, puts its text
// into txtNumero, shows it with exec() and destroys it afterwards.
#include "identifiers/TfrmControllo.h"

class TfrmCarta : public TfrmControllo
{
    Q_OBJECT
public:
    explicit TfrmCarta(QWidget *owner = nullptr);

    QLineEdit *txtNumero = nullptr;

    // The field's handlers (shared by the four check windows).
    void txtNumeroTyping() { CampoTyping(); }
    bool txtNumeroKeyDown(QKeyEvent *e) { return CampoKeyDown(e); }

protected:
    Esito Controlla(const QString &testo) const override;
};
