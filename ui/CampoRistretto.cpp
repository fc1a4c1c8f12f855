#include "ui/CampoRistretto.h"

#include "storage/Formati.h"
#include "storage/Testo.h"
#include "ui/Messaggi.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QPointer>
#include <QTimer>

TCampoRistretto::TCampoRistretto(Caratteri caratteri, Tasti tasti, QWidget *parent)
    : QLineEdit(parent), caratteri_(caratteri), tasti_(tasti)
{
}

bool TCampoRistretto::Ammesso(Caratteri caratteri, Tasti tasti, int tasto, Qt::KeyboardModifiers modificatori,
                              const QString &testo)
{
    switch (tasto) {
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Return: // types nothing: the window's Enter chain decides
    case Qt::Key_Enter:
        return true;
    default:
        break;
    }
    if (tasti == Tasti::Tolleranti) {
        if (tasto == Qt::Key_Tab || tasto == Qt::Key_Backtab) return true;
        if (modificatori & Qt::ControlModifier) return false;
        if (testo.isEmpty()) return true;
        // A text of several characters (an input method) passes when it is all digits.
        if (caratteri == Caratteri::Cifre && testo.size() > 1) return SoloCifre(testo);
    }
    if (testo.size() != 1) return false;
    const QChar c = testo[0];
    if (c >= u'0' && c <= u'9') return true;
    return caratteri == Caratteri::CifreEVirgola && c == u',';
}

QString TCampoRistretto::Filtra(Caratteri caratteri, const QString &testo)
{
    QString r;
    for (const QChar c : testo)
        if ((c >= u'0' && c <= u'9') || (caratteri == Caratteri::CifreEVirgola && c == u',')) r += c;
    return r;
}

void TCampoRistretto::IncollaFiltrato()
{
    if (isReadOnly()) return;
    const QString testo = Filtra(caratteri_, QGuiApplication::clipboard()->text());
    if (!testo.isEmpty()) insert(testo);
}

void TCampoRistretto::contextMenuEvent(QContextMenuEvent *e)
{
    QPointer<QMenu> menu = createStandardContextMenu();
    if (!menu) return;
    // The menu's paste is the action that carries the paste shortcut.
    const QString incolla = u'\t' + QKeySequence(QKeySequence::Paste).toString(QKeySequence::NativeText);
    for (QAction *a : menu->actions()) {
        if (!a->text().endsWith(incolla)) continue;
        a->setObjectName(QStringLiteral("edit-paste"));
        a->disconnect();
        a->setEnabled(!isReadOnly() && !Filtra(caratteri_, QGuiApplication::clipboard()->text()).isEmpty());
        connect(a, &QAction::triggered, this, &TCampoRistretto::IncollaFiltrato);
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(e->globalPos());
}

void TCampoRistretto::dropEvent(QDropEvent *e)
{
    const QString testo = e->mimeData() ? Filtra(caratteri_, e->mimeData()->text()) : QString();
    if (!testo.isEmpty() && !isReadOnly()) {
        setCursorPosition(cursorPositionAt(e->position().toPoint()));
        insert(testo);
        setFocus();
    }
    e->acceptProposedAction();
}

bool TCampoRistretto::event(QEvent *e)
{
    if (e->type() == QEvent::KeyPress) {
        const auto *k = static_cast<QKeyEvent *>(e);
        if (!Ammesso(caratteri_, tasti_, k->key(), k->modifiers(), k->text())) return true;
    }
    return QLineEdit::event(e);
}

TCampoImporto::TCampoImporto(QWidget *parent)
    : TCampoRistretto(Caratteri::CifreEVirgola, Tasti::Severi, parent)
{
}

bool TCampoImporto::Normalizza()
{
    if (!Trim(text()).isEmpty() && !ImportoInCentesimi(text())) return false;
    setText(NormalizzaImporto(text()));
    return true;
}

void TCampoImporto::focusInEvent(QFocusEvent *e)
{
    QLineEdit::focusInEvent(e);
    // After the click that gave the focus has placed the cursor.
    QTimer::singleShot(0, this, [this] {
        if (hasFocus()) selectAll();
    });
}

void TCampoImporto::focusOutEvent(QFocusEvent *e)
{
    QLineEdit::focusOutEvent(e);
    // Another window coming forward (a menu, a box, another program) is not
    // the user leaving the field.
    const Qt::FocusReason r = e->reason();
    const bool lasciato = r != Qt::ActiveWindowFocusReason && r != Qt::PopupFocusReason
                          && r != Qt::MenuBarFocusReason;
    if (avvisando_ || !lasciato || !isVisible()) return;
    Conferma();
}

bool TCampoImporto::Conferma()
{
    if (Normalizza()) return true;
    avvisando_ = true;
    Msg::Avviso(this, QStringLiteral("Attenzione: l'importo digitato non è valido."));
    avvisando_ = false;
    setFocus(Qt::OtherFocusReason);
    selectAll();
    return false;
}
