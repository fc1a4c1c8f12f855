#pragma once
// The frame every card window shares: the banner across the top, the body of
// sections in a scroll area, the right-hand column of buttons with Esci at the
// bottom, and along the bottom the status line and the browse bar
// (cmdPrimo, cmdIndietro, lblPosizione, cmdAvanti, cmdUltimo).
//
// A card derives from it, creates its fields (a TCampiScheda), its buttons
// and its sections with the helpers below, then calls Componi(); it says
// what a new card is (NuovaScheda) and which field has the focus when the
// window opens. The frame then starts a new card each time the window opens,
// browses the card on the field table, flows the sections into two
// columns where the body is wide enough, scrolls the focused field into
// view, keeps the status line (a button's hint while the mouse is over it,
// empty over the background and the fields) and returns to the hub when the
// window closes.
#include "ui/Icone.h"
#include "ui/Stile.h"

#include <QList>
#include <QString>
#include <QWidget>
#include <array>

class QGridLayout;
class QHBoxLayout;
class QLabel;
class QLayout;
class QPushButton;
class QScrollArea;
class QVBoxLayout;
class TCampiScheda;

class TFinestraScheda : public QWidget
{
    Q_OBJECT
public:
    // The texts of the frame.
    struct Testi {
        QString titolo;        // the banner
        QString sottotitolo;
        QString statoIniziale; // the status line before the mouse has been anywhere
        QString esci;          // the hint of Esci
    };

    ~TFinestraScheda() override;

    QLabel *lblPosizione = nullptr; // the position of the card (empty: new card)
    QLabel *panInfo = nullptr;      // status line
    QPushButton *cmdPrimo = nullptr, *cmdIndietro = nullptr, *cmdAvanti = nullptr, *cmdUltimo = nullptr;
    QPushButton *cmdEsci = nullptr;

    // The body's width from which its sections go in two columns.
    static constexpr int LarghezzaDueColonne = 1080;

public slots:
    void cmdPrimoClick();
    void cmdIndietroClick();
    void cmdAvantiClick();
    void cmdUltimoClick();
    void cmdEsciClick();

protected:
    TFinestraScheda(QWidget *parent, const Testi &testi);

    // A picture button of the card named `nome`, with its hint on the status
    // line; it never takes the focus.
    QPushButton *Pulsante(QPushButton *&b, const char *nome, const QString &testo, const QIcon &icona,
                          const QString &suggerimento);
    // A drawn symbol, sharp at each size the buttons show it.
    QIcon Glifo(Stile::Simbolo s, QRgb colore = Stile::Colore::Primario) const;
    // `controllo` shows `testo` on the status line while the mouse is over it.
    void Suggerisci(QWidget *controllo, const QString &testo);
    // Over `w` the status line empties.
    void Sfondo(QWidget *w);

    // A section of the body: a group box with a grid, in the order created.
    QGridLayout *Sezione(const QString &titolo);
    // A grey caption.
    QLabel *Etichetta(const QString &testo);
    // A caption above a field (and the button beside it) at row r, column c
    // of a section's grid.
    void Metti(QGridLayout *g, int r, int c, const QString &etichetta, QWidget *campo, int span = 1,
               QWidget *accanto = nullptr);

    struct Disposizione {
        TCampiScheda *campi = nullptr;   // the card's field table
        QList<QPushButton *> colonna;    // the right-hand column, top to bottom; Esci goes last
        QLayout *sopra = nullptr;        // above the sections, across the body (may be null)
        int primaADestra = 1;            // in two columns, the first section of the right one
    };
    // Lays the frame out once the card's controls exist, and chains the
    // fields for Enter and Tab.
    void Componi(const Disposizione &d);

    // A new, empty card: the fields as the card starts them, the focus on
    // its first field. Shown each time the window opens (not when it comes
    // back from being minimised or covered).
    virtual void NuovaScheda() = 0;
    // The field that has the focus once the window is shown.
    virtual QWidget *CampoIniziale() const = 0;

    // True for a card stored in the archive; otherwise `avviso` is shown and
    // false returned.
    bool Archiviata(const QString &avviso);
    // Archiviata() with the warning of a card that cannot yet be duplicated.
    bool Duplicabile();

    void showEvent(QShowEvent *e) override;
    void closeEvent(QCloseEvent *e) override;
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    void DisponiSezioni(int colonne);

    TCampiScheda *campi_ = nullptr;
    QWidget *banner_ = nullptr;
    QList<QWidget *> sezioni_;
    int primaADestra_ = 1;
    QHBoxLayout *griglia_ = nullptr;
    std::array<QVBoxLayout *, 2> colonneSezioni_{};
    QScrollArea *scorri_ = nullptr;
    int colonne_ = 0;
};
