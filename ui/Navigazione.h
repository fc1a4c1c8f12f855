#pragma once
// How a window reaches the program's shell (the hub, the login window, the
// windows of other apps) without knowing the shell's windows. The start
// fills the hooks; until then every call does nothing and answers false.
#include <QString>

#include <functional>

class QWidget;

struct TNavigazione {
    std::function<void()> mostraHub;          // the hub, maximised
    std::function<void()> mostraAccesso;      // the login window, emptied
    std::function<void()> cambiaPassword;     // the change-password window
    // A window of another app by its class name, owned by `owner`; `memoria`
    // goes into its mode label lblMemory when it has one.
    std::function<bool(const QString &nome, QWidget *owner, const QString &memoria)> apri;
};

// Installs the shell's hooks (an empty TNavigazione removes them).
void ImpostaNavigazione(TNavigazione navigazione);

// Shows the hub again (an app window closing).
void MostraHub();
// Shows the login window again, its field emptied (the password change closing).
void MostraAccesso();
// Opens the change-password window.
void ApriCambioPassword();
// Opens the window of another app named `nome` ("TfrmChiamate", ...), with
// `memoria` as its mode word ("chiamate" for the client search opened by the
// call card); false when the shell has no such window.
bool ApriFinestra(const QString &nome, QWidget *owner, const QString &memoria = {});
// Ends the program.
void TerminaProgramma();
