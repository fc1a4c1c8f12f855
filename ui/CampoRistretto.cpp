#include "ui/CampoRistretto.h"

#include "storage/Formati.h"
#include "storage/Testo.h"

#include <QKeyEvent>

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

void TCampoImporto::Normalizza()
{
    setText(NormalizzaImporto(text()));
}

void TCampoImporto::focusOutEvent(QFocusEvent *e)
{
    Normalizza();
    QLineEdit::focusOutEvent(e);
}
