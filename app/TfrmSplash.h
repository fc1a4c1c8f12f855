#pragma once
// The credits window.
#include "ui/Kit.h"

class QPushButton;

class TfrmSplash : public Stile::TDialogo
{
    Q_OBJECT
public:
    explicit TfrmSplash(QWidget *parent = nullptr);

    Stile::TImmagine *imgLogo;
    Stile::TImmagine *imgWeb;
    Stile::TLink *lnkWeb;
    QPushButton *btnChiudi;

public slots:
    void lnkWebClick();
    void btnChiudiClick();

protected:
    void showEvent(QShowEvent *e) override;
};
