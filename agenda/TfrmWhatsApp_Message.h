#pragma once
// The WhatsApp reminder of the agenda: the appointment of the chosen line
// shown read-only for a last check, and the button that opens WhatsApp Web
// with the reminder ready to send to the client's mobile number.
#include "ui/Kit.h"

class QLabel;
class QLineEdit;
class QPushButton;

class TfrmWhatsApp_Message : public Stile::TDialogo
{
    Q_OBJECT
public:
    explicit TfrmWhatsApp_Message(QWidget *owner = nullptr);

    // Read-only: filled by the agenda before the window is shown.
    QLineEdit *txtData, *txtOra, *txtContatto, *txtCel;
    QLabel *lblMessaggio;     // the text that will be sent, as the fields make it
    QPushButton *btnChiudi;   // "Annulla"
    QPushButton *btnWhatsApp; // "Invia messaggio"

public slots:
    void btnChiudiClick();
    // WhatsApp Web's send page for the trimmed mobile number with the
    // reminder of the trimmed time and date; then the window closes.
    void btnWhatsAppClick();

protected:
    void showEvent(QShowEvent *e) override;
};
