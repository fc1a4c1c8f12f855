#pragma once
// Edit fields that accept only some characters: digits, or digits and the
// decimal comma, and the amount field, which also puts its text in the amount
// form when it is left. The cards, the services window and the income
// summary take them as they are, so each rule lives here only.
//
// Enter is not handled here: it passes, and the window's Enter chain (an
// event filter on the field) sees it first and moves the focus on.
#include <QLineEdit>

class TCampoRistretto : public QLineEdit
{
    Q_OBJECT
public:
    // The characters that may be typed.
    enum class Caratteri {
        Cifre,         // "0" to "9"
        CifreEVirgola, // "0" to "9" and ","
    };
    // What happens to the keys that type none of them.
    enum class Tasti {
        // Only Backspace, Delete, Left, Right (and Enter) pass; every other
        // key is swallowed, Tab and Home included.
        Severi,
        // Keys that type no character (Tab, Home, End, Shift...) pass as
        // well; shortcuts with Ctrl are swallowed, so nothing is pasted.
        Tolleranti,
    };

    TCampoRistretto(Caratteri caratteri, Tasti tasti, QWidget *parent = nullptr);

    Caratteri CaratteriAmmessi() const { return caratteri_; }
    Tasti TastiAmmessi() const { return tasti_; }

    // Whether a key press reaches the field under these rules.
    static bool Ammesso(Caratteri caratteri, Tasti tasti, int tasto, Qt::KeyboardModifiers modificatori,
                        const QString &testo);
    // What of `testo` could have been typed: the other characters dropped.
    static QString Filtra(Caratteri caratteri, const QString &testo);

    // Pastes the clipboard's text through the typing rule (the context
    // menu's "Incolla" does this too).
    void IncollaFiltrato();

protected:
    // Key presses are sorted before QLineEdit sees them (and before Tab
    // moves the focus).
    bool event(QEvent *e) override;
    // The context menu's paste and a dropped text go through the rule too.
    void contextMenuEvent(QContextMenuEvent *e) override;
    void dropEvent(QDropEvent *e) override;

private:
    Caratteri caratteri_;
    Tasti tasti_;
};

// The amount field: digits and comma under the strict keys, and the amount
// rule (NormalizzaImporto, storage/Formati.h) applied when the focus leaves.
// Taking the focus selects the whole text, so typing replaces the "0,00"
// shown. A text that is not a number is never silently replaced: leaving
// the field shows "Attenzione: l'importo digitato non è valido." and the
// focus stays; an empty field still becomes "0,00".
class TCampoImporto : public TCampoRistretto
{
    Q_OBJECT
public:
    explicit TCampoImporto(QWidget *parent = nullptr);

    // Puts the text in the amount form now ("12" -> "12,00", "" -> "0,00");
    // false, and the text unchanged, when it is not a number.
    bool Normalizza();
    // Normalizza, or, when the text is not a number, the warning and the
    // focus back in the field with its text selected; false then. The
    // field calls it when it is left, a window before it stores the amount.
    bool Conferma();

protected:
    void focusInEvent(QFocusEvent *e) override;
    void focusOutEvent(QFocusEvent *e) override;

private:
    bool avvisando_ = false;
};
