#pragma once
// The information window: what the program is, its rights notice and the
// maker's e-mail address.
#include "ui/Kit.h"

class QPushButton;

// The maker's addresses.
QString IndirizzoSito();       // "https://www.pratovia.it"
QString TestoSito();           // the address as shown in links
QString IndirizzoEmail();      // "info@pratovia.it"
// What the e-mail link hands to TMisc::Open: the quoted "mailto:" text with
// subject and body written as they are.
QString ComandoEmailInfo();

class TfrmInfo : public Stile::TDialogo
{
    Q_OBJECT
public:
    explicit TfrmInfo(QWidget *parent = nullptr);

    Stile::TImmagine *imgLogo;
    Stile::TImmagine *imgAvviso;
    Stile::TImmagine *imgEmail;
    Stile::TLink *lnkWeb;
    QPushButton *btnChiudi;

public slots:
    void lnkWebClick();
    void btnChiudiClick();

protected:
    void showEvent(QShowEvent *e) override;
};
