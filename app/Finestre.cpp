#include "app/Finestre.h"

#include "app/Avvio.h"
#include "app/TfrmAvvio.h"
#include "app/TfrmCambiaPassword.h"
#include "app/TfrmGuida.h"
#include "app/TfrmInfo.h"
#include "app/TfrmPassword.h"
#include "app/TfrmSplash.h"
#include "clients/TfrmClienti.h"

#include <QApplication>

namespace {
Finestre g_finestre;
}

Finestre &App()
{
    return g_finestre;
}

QWidget *Finestre::hub() const
{
    return frmAvvio;
}

void CreaFinestre()
{
    ImpostaFormati();
    Finestre &f = g_finestre;
    // The start order; the first window created is the main window.
    f.frmPassword = new TfrmPassword;
    f.frmAvvio = new TfrmAvvio;
    f.frmCambiaPassword = new TfrmCambiaPassword;
    f.frmGuida = new TfrmGuida;
    f.frmInfo = new TfrmInfo;
    f.frmSplash = new TfrmSplash;
    f.frmClienti = new TfrmClienti;
    f.frmAvvio->ImpostaApp(1, f.frmClienti);
}

void DistruggiFinestre()
{
    Finestre &f = g_finestre;
    // Reverse order of creation.
    delete f.frmClienti;
    delete f.frmSplash;
    delete f.frmInfo;
    delete f.frmGuida;
    delete f.frmCambiaPassword;
    delete f.frmAvvio;
    delete f.frmPassword;
    f = Finestre{};
}

void TerminaProgramma()
{
    QCoreApplication::quit();
}
