#pragma once
// Up to three files attached to a client card, each with a description. A
// chosen file is copied into the attachment folder; the card keeps only its
// name. Opened by the client card, which fills the six fields and sets
// lblMemory to "clienti"; "Applica e chiudi" writes them back into the card.
#include "ui/Kit.h"

#include <QPointer>
#include <array>

class QLabel;
class QLineEdit;
class QPushButton;

class TfrmAllegaCartella : public Stile::TDialogo
{
    Q_OBJECT
public:
    explicit TfrmAllegaCartella(QWidget *owner = nullptr);

    // Hidden label: who opened the window ("clienti": the client card).
    QLabel *lblMemory = nullptr;

    QLineEdit *txtFile01 = nullptr, *txtFile02 = nullptr, *txtFile03 = nullptr;
    QLineEdit *txtDesc01 = nullptr, *txtDesc02 = nullptr, *txtDesc03 = nullptr;
    QPushButton *btnSfoglia01 = nullptr, *btnSfoglia02 = nullptr, *btnSfoglia03 = nullptr;
    QPushButton *btnApri01 = nullptr, *btnApri02 = nullptr, *btnApri03 = nullptr;
    Stile::TImmagine *imgCancella01 = nullptr, *imgCancella02 = nullptr, *imgCancella03 = nullptr;
    QPushButton *btnApplica = nullptr, *btnAnnulla = nullptr;

public slots:
    void btnSfoglia01Click() { Sfoglia(0); }
    void btnSfoglia02Click() { Sfoglia(1); }
    void btnSfoglia03Click() { Sfoglia(2); }
    void btnApri01Click() { Apri(0); }
    void btnApri02Click() { Apri(1); }
    void btnApri03Click() { Apri(2); }
    void imgCancella01Click() { Cancella(0); }
    void imgCancella02Click() { Cancella(1); }
    void imgCancella03Click() { Cancella(2); }
    void txtFile01Change() { AggiornaApri(0); }
    void txtFile02Change() { AggiornaApri(1); }
    void txtFile03Change() { AggiornaApri(2); }
    void btnApplicaClick();
    void btnAnnullaClick();

protected:
    void showEvent(QShowEvent *e) override;

private:
    struct Slot {
        QLineEdit *file = nullptr;
        QLineEdit *desc = nullptr;
        QPushButton *sfoglia = nullptr;
        QPushButton *apri = nullptr;
        Stile::TImmagine *cancella = nullptr;
    };
    void Sfoglia(int i);
    void Apri(int i);
    void Cancella(int i);
    void AggiornaApri(int i);
    // The file dialog dlgFile; the chosen path, empty when cancelled.
    QString ScegliFile();

    std::array<Slot, 3> slot_;
    QPointer<QWidget> owner_;
};
