#pragma once
// The look of the program: palette, fonts, style sheet, the pictures drawn in
// code (logo, banner, icons, app tiles) and the small widgets every window
// shares (pictures used as buttons, web links, the yellow focus highlight).
#include <QColor>
#include <QDialog>
#include <QPixmap>
#include <QSize>
#include <QString>
#include <QWidget>
#include <QLabel>

#include <functional>

class QApplication;
class QPainter;
class QPushButton;

// Fonts (substitutes where the Windows fonts are missing), palette and style
// sheet of the whole program. Called once at start, before any window exists.
void ApplicaStile(QApplication &app);

namespace Stile {

// Colours of the program.
namespace Colore {
inline constexpr QRgb Sfondo = 0xFFEEF2F7;        // window background
inline constexpr QRgb Carta = 0xFFFFFFFF;         // cards, fields
inline constexpr QRgb Bordo = 0xFFD3DCE6;         // thin borders
inline constexpr QRgb Testo = 0xFF1E2A36;         // body text
inline constexpr QRgb TestoTenue = 0xFF5E6E7E;    // secondary text
inline constexpr QRgb Primario = 0xFF1D5A9E;      // deep blue accent
inline constexpr QRgb PrimarioScuro = 0xFF143E6E; // headers
inline constexpr QRgb Notte = 0xFF102A43;         // darkest header tone
inline constexpr QRgb Acqua = 0xFF0F8B8D;         // teal accent
inline constexpr QRgb Link = 0xFF00008B;          // web links (dark blue)
inline constexpr QRgb LinkPremuto = 0xFFFFA500;   // web link while pressed (orange)
inline constexpr QRgb Cremisi = 0xFFDC143C;       // help page titles
inline constexpr QRgb Evidenzia = 0xFFFFE135;     // focus highlight
} // namespace Colore

// State of a picture used as a button.
enum class Stato { Normale, Sopra, Premuta, Disabilitata };

// The pictures drawn in code.
enum class Simbolo {
    Clienti,   // "Clienti e Servizi"
    Chiamate,  // "Registro Chiamate"
    Agenda,    // "Agenda Appuntamenti"
    Incassi,   // "Riepiloghi Incassi"
    Info,
    Guida,
    Crediti,
    Web,
    Esci,
    Email,
    Pdf,
    Lucchetto, // password
    Nuovo,      // new sheet
    Duplica,    // two sheets
    Allega,     // paper clip
    Salva,      // disk
    Trova,      // magnifier
    Anteprima,  // sheet under a magnifier
    Stampa,     // printer
    Esporta,    // grid with an arrow going out
    Ricontatta, // handset with a return arrow
    Primo,      // |<
    Indietro,   // <
    Avanti,     // >
    Ultimo,     // >|
    Controlla,  // check mark in a circle
};

// The colour that goes with a symbol (badge background).
QColor ColoreSimbolo(Simbolo s);
// Draws the bare symbol in one colour inside r (square); crisp at any size.
void DisegnaSimbolo(QPainter &p, Simbolo s, const QRectF &r, const QColor &colore);
// The symbol on a rounded coloured badge, `lato` pixels square (device pixels
// scaled by dpr: pass widget->devicePixelRatioF() for crisp results).
QPixmap Icona(Simbolo s, int lato, qreal dpr = 1.0);
// Draws the badge of a symbol inside r (square).
void DisegnaIcona(QPainter &p, Simbolo s, const QRectF &r);
// The bare symbol in one colour (for push buttons and small places).
QPixmap Glifo(Simbolo s, int lato, const QColor &colore, qreal dpr = 1.0);
// The program's logo (rounded square with the monogram), any size.
QPixmap Logo(QSize dimensione, qreal dpr = 1.0);
// A header band: gradient background, logo, title and subtitle.
QPixmap Banner(QSize dimensione, const QString &titolo, const QString &sottotitolo, qreal dpr = 1.0);

// Draws the logo / banner with a painter (used by the functions above and by
// pictures that redraw themselves at their own size).
void DisegnaLogo(QPainter &p, const QRectF &r);
void DisegnaBanner(QPainter &p, const QRectF &r, const QString &titolo, const QString &sottotitolo);

// The hub's pictures. App n (1 to 4): its tile (badge, name and a line about
// it) and its button picture ("Apri", or "Disponibile a breve" when disabled);
// a tool picture (badge and caption) for the hub's bottom bar.
QString NomeApp(int n);
Simbolo SimboloApp(int n);
void DisegnaTesseraApp(QPainter &p, const QRectF &r, int n, Stato stato);
void DisegnaPulsanteApp(QPainter &p, const QRectF &r, int n, Stato stato);
void DisegnaStrumento(QPainter &p, const QRectF &r, Simbolo s, const QString &didascalia, Stato stato);

// Fonts by their Windows names; substitutes apply where they are missing.
QFont Carattere(const QString &famiglia, qreal punti, bool grassetto = false);
// The font of the web links: underlined Tahoma 14.
QFont CarattereLink();

// Fixed-border dialog with no system buttons, client area `dimensione`.
void ImpostaDialogo(QWidget *finestra, QSize dimensione);
// Centres a top-level window on `riferimento` (or on its screen when null).
void Centra(QWidget *finestra, const QWidget *riferimento = nullptr);
// Marks a push button as the main action of its window (filled accent).
void Principale(QPushButton *pulsante);

// The yellow focus highlight: a rectangle 4 units larger than `campo` on every
// side, placed behind it and shown while it has the focus. The highlight is a
// child of the field's parent named `nome` (e.g. "effPassword"); it follows
// the field when it moves or resizes. Returns the highlight.
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

protected:
    void paintEvent(QPaintEvent *) override;

private:
    int m_piede;
    QWidget *m_rigaPiede = nullptr;
};

} // namespace Stile
