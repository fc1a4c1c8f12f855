#pragma once
// The shape the four identifier check windows share: a line of instructions,
// one input field, "Controlla" and "Chiudi". Each window only says which
// texts and typing rules it has (FinestraControllo) and which check it runs.
#include "ui/Kit.h"
#include "identifiers/Controlli.h"

class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;

// ----------------------------------------------------------- typing rules

// What the input field holds after one change.
struct TestoCampo {
    QString testo;
    int cursore = 0;
};

// The field's text after a change from `prima` to `dopo` (cursor at `cursore`):
// - a change made by the user (`dallUtente`) that makes the text longer may
//   not take it beyond f.lunghezzaMassima: what it inserted is cut to the room
//   left (none when the text was already that long). A text put in by the
//   program is never cut, so a longer one keeps its length and gets the
//   length warning of the check;
// - then, for the windows that normalise, the text is trimmed and upper-cased.
// The cursor keeps its place among the characters that remain.
TestoCampo DopoModifica(const FinestraControllo &f, const QString &prima, const QString &dopo,
                        int cursore, bool dallUtente);

// ------------------------------------------------------------- the window

class TfrmControllo : public Stile::TDialogo
{
    Q_OBJECT
public:
    const FinestraControllo &Descrizione() const { return m_f; }
    // The input field (txtCodFisc, txtPartitaIva, txtNumero or txtIban).
    QLineEdit *Campo() const { return m_campo; }

    QLabel *lblTitolo = nullptr;
    QPushButton *btnControlla = nullptr;
    QPushButton *btnChiudi = nullptr;

public slots:
    // Runs the check on the field's text and shows its box; then the focus
    // goes where the check says, or the window closes.
    void btnControllaClick();
    void btnChiudiClick();

protected:
    TfrmControllo(const FinestraControllo &f, Stile::Simbolo simbolo, QWidget *owner);

    // The check of this window.
    virtual Esito Controlla(const QString &testo) const = 0;

    // Fixed formats and the field's rules (the typing limit is applied by
    // CampoTyping, never by the field itself).
    void FormCreate();
    // The focus goes to the field.
    void FormShow();
    // After every change of the field: typing limit and normalisation.
    void CampoTyping();
    // A key pressed in the field; true when it is used up here.
    bool CampoKeyDown(QKeyEvent *e);

    void showEvent(QShowEvent *e) override;
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    void AggiornaConteggio();

    const FinestraControllo &m_f;
    QLineEdit *m_campo = nullptr;
    QLabel *m_conteggio = nullptr; // lblConteggio: characters held / characters that may be typed
    QString m_precedente;          // the field's text after the last change
    bool m_modificaUtente = false; // the change under way comes from the user
    bool m_inCorso = false;        // CampoTyping is rewriting the field
};
