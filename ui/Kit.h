#pragma once
// The small widgets every window shares: pictures used as buttons, web links,
// cards, fixed dialogs with their button band, the yellow focus highlight,
// push buttons and the status-line hints.
#include "ui/Icone.h"
#include "ui/Stile.h"

#include <QDialog>
#include <QLabel>
#include <QSize>
#include <QString>
#include <QWidget>

#include <functional>

class QPainter;
class QPushButton;

namespace Stile {

// State of a picture used as a button.
enum class Stato { Normale, Sopra, Premuta, Disabilitata };

// Fixed-border dialog with no system buttons, client area `dimensione`.
void ImpostaDialogo(QWidget *finestra, QSize dimensione);
// Centres a top-level window on `riferimento` (or on its screen when null).
void Centra(QWidget *finestra, const QWidget *riferimento = nullptr);
// Shows a window maximised. It is first laid over the screen's free area, so
// that it fills the screen even where nothing maximises it (no window
// manager, a remote desktop) and is never larger than the screen.
void MostraIngrandita(QWidget *finestra);
// Marks a push button as the main action of its window (filled accent).
void Principale(QPushButton *pulsante);

// A push button of the program: `testo`, object name `nome`, an optional
// icon, at least `larghezza` x 34 units, with the hand cursor.
QPushButton *Pulsante(const QString &testo, const QString &nome, QWidget *parent, const QIcon &icona = QIcon(),
                      int larghezza = 110);

// The status-line hint: while the mouse is over `controllo`, `riga` shows
// `testo`; it is emptied when the mouse leaves.
void Suggerimento(QWidget *controllo, QLabel *riga, const QString &testo);

// The yellow focus highlight: a rectangle 4 units larger than `campo` on every
// side, placed behind it and shown while it has the focus. The highlight is a
// child of the field's parent named `nome`, by default "eff" and the field's
// name without its prefix (txtPassword: "effPassword"); it follows the field
// when it moves or resizes. Returns the highlight.
QWidget *EvidenziaFocus(QWidget *campo, const QString &nome = QString());

// A picture drawn in code at its own size; as a button it shows the hand
// cursor and reports press, release and click like a Delphi TImage.
class TImmagine : public QWidget
{
    Q_OBJECT
public:
    using Disegno = std::function<void(QPainter &, const QRectF &, Stato)>;

    TImmagine(const QString &nome, QSize preferita, QWidget *parent = nullptr);
    void ImpostaDisegno(Disegno disegno);
    // A picture that reacts to the mouse (hand cursor, signals).
    void ImpostaCliccabile(bool cliccabile);
    bool Cliccabile() const { return m_cliccabile; }
    // Disabled, the picture is drawn greyed unless the drawing does its own
    // disabled look (then pass false).
    void ImpostaGrigioDaDisabilitata(bool si) { m_grigio = si; }
    Stato StatoAttuale() const;
    // What is on screen now, at the widget's size.
    QPixmap Immagine() const;

    QSize sizeHint() const override { return m_preferita; }
    QSize minimumSizeHint() const override;

signals:
    void premuta();
    void rilasciata();
    void cliccata();
    void sopra(bool dentro);

protected:
    void paintEvent(QPaintEvent *) override;
    void mousePressEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
    void enterEvent(QEnterEvent *e) override;
    void leaveEvent(QEvent *e) override;
    void changeEvent(QEvent *e) override;

private:
    void AggiornaCursore();
    QSize m_preferita;
    Disegno m_disegno;
    bool m_cliccabile = false;
    bool m_grigio = true;
    bool m_sopra = false;
    bool m_premuta = false;
};

// The program's banner across the top of a window: the logo, `titolo` and
// `sottotitolo` on the dark gradient, `altezza` units high, as wide as the
// window lets it be; a picture named `nome`.
TImmagine *Testata(QWidget *parent, const QString &titolo, const QString &sottotitolo, int altezza = 84,
                   const QString &nome = QStringLiteral("imgLogo"));

// A bare symbol of the set used as a button, `lato` units square: in the
// symbol's colour, brighter under the mouse, grey when disabled; the hand
// cursor and the signals of TImmagine.
TImmagine *PulsanteSimbolo(const QString &nome, Simbolo simbolo, int lato, QWidget *parent);

// A web link: underlined Tahoma 14, dark blue; orange while the mouse button
// is held on it or on a picture joined with Unisci(); dark blue again on
// release and on click.
class TLink : public QLabel
{
    Q_OBJECT
public:
    TLink(const QString &nome, const QString &testo, QWidget *parent = nullptr);
    // The picture beside the link acts like the link itself.
    void Unisci(TImmagine *immagine);
    QColor Colore() const;

public slots:
    void MouseDown(); // orange
    void MouseUp();   // dark blue

signals:
    void cliccato();

protected:
    void mousePressEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;

private:
    void ImpostaColore(QRgb colore);
    bool m_premuto = false;
};

// A background rectangle: white card with rounded corners and a soft shadow,
// drawn within its margins; the accent border shows while highlighted.
class TScheda : public QWidget
{
    Q_OBJECT
public:
    explicit TScheda(QWidget *parent = nullptr, QColor accento = QColor());
    void ImpostaEvidenziata(bool si);
    static constexpr int Ombra = 14; // room left around the card for its shadow

protected:
    void paintEvent(QPaintEvent *) override;

private:
    QColor m_accento;
    bool m_evidenziata = false;
};

// A fixed-border dialog with no system buttons: white body and a light band
// `piede` units high along the bottom, where its buttons go (see Piede()).
class TDialogo : public QDialog
{
    Q_OBJECT
public:
    TDialogo(QWidget *parent, QSize dimensione, int piede = 64);
    // A row as high as the band, with the usual margins, to add to the
    // bottom of the dialog's layout.
    QWidget *Piede();

    // The band of the info windows: the badge of `simbolo` (a picture named
    // `nomeImmagine`) joined with the link "lnkWeb" reading `testo`, and on
    // the right the main button "btnChiudi". Fills Piede().
    struct Contatto {
        TImmagine *immagine;
        TLink *link;
        QPushButton *chiudi;
    };
    Contatto PiedeContatto(const QString &nomeImmagine, Simbolo simbolo, const QString &testo);

protected:
    void paintEvent(QPaintEvent *) override;

private:
    int m_piede;
    QWidget *m_rigaPiede = nullptr;
};

// The light band along the bottom of a window, where its buttons go: a row
// with the usual margins (24 units each side, 10 between buttons).
class TBanda : public QWidget
{
    Q_OBJECT
public:
    explicit TBanda(QWidget *parent, int altezza = 64);

protected:
    void paintEvent(QPaintEvent *) override;
};

} // namespace Stile
