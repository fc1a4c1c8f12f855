#pragma once
// The small window that prints a card or shows it in the preview, written
// once for the card windows: a fixed dialog centred on the card with a
// picture, a heading, a line of explanation and two buttons, "Annulla"
// (btnAnnulla) and the action (btnStampa). The action fills the card's
// template from the memos the card gives for the moment of output, prints
// it or shows the modal preview, and closes the window.
#include "output/SchedaReport.h"
#include "ui/Kit.h"

#include <QDateTime>
#include <functional>

class QLabel;
class QPushButton;

class TFinestraStampaScheda : public Stile::TDialogo
{
    Q_OBJECT
public:
    enum class Uscita { Stampa, Anteprima };
    struct Testi {
        QString titolo;       // the caption
        QString intestazione; // the heading beside the picture
        QString messaggio;    // the line under it
        QString azione;       // the action button
    };
    // The memos of the card for the moment of output (taken when the action
    // button is pressed), on the template `modello`.
    using Memo = std::function<QVector<TestoMemo>(const QDateTime &quando)>;

    TFinestraStampaScheda(QWidget *owner, Uscita uscita, const Testi &testi, const QString &modello, Memo memo);

    QPushButton *btnAnnulla = nullptr;
    QPushButton *btnStampa = nullptr;
    QLabel *lblMessaggio = nullptr;
    Stile::TImmagine *imgImmagine = nullptr;

public slots:
    void btnAnnullaClick();
    // Fills the template, prepares it, prints it or shows the preview, closes.
    void btnStampaClick();

protected:
    void showEvent(QShowEvent *e) override;

private:
    Uscita uscita_;
    QString modello_;
    Memo memo_;
};
