#pragma once
// The program's message boxes. All are real modal QMessageBox dialogs.
#include <QString>

class QWidget;

namespace Msg {
// Notices, warnings and errors carry OK and Cancel; the answer is ignored.
void Avviso(QWidget *parent, const QString &text);      // warning
void Errore(QWidget *parent, const QString &text);      // error
void Informazione(QWidget *parent, const QString &text); // information
// A question with Yes and No: returns false only when the answer is No.
bool Domanda(QWidget *parent, const QString &text);
// Plain box: no icon, only OK.
void Semplice(QWidget *parent, const QString &text);
// "Il file è stato salvato in:", a line break and the file's full path: the
// success boxes of the exports say where the file went.
QString FileSalvato(const QString &file);
// The access error of the record files (an error box).
void ErroreAccesso(QWidget *parent);
} // namespace Msg
