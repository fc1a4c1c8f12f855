#pragma once
// The help window: a title and the page text, with the PDF guide at hand.
#include "ui/Kit.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;

// What the PDF link hands to TMisc::Open: the quoted path of "Guida.pdf" in
// the program folder.
QString ComandoGuidaPdf();

class TfrmGuida : public Stile::TDialogo
{
    Q_OBJECT
public:
    // Client area of the window (a 676 x 598 window with the Windows frame).
    static constexpr int Larghezza = 670;
    static constexpr int Altezza = 572;

    explicit TfrmGuida(QWidget *parent = nullptr);

    Stile::TImmagine *imgLogo;
    QLabel *lblTitolo;
    QPlainTextEdit *txtGuida;
    Stile::TImmagine *imgPDF;
    Stile::TLink *lnkWeb;
    QPushButton *btnChiudi;

public slots:
    void FormShow();
    void lnkWebClick();
    void btnChiudiClick();

protected:
    void showEvent(QShowEvent *e) override;
};
