#pragma once
// The long-lived windows, created once at start in a fixed order.
class TfrmPassword;
class TfrmAvvio;
class TfrmCambiaPassword;
class TfrmGuida;
class TfrmInfo;
class TfrmSplash;
class TfrmAgenda;
class TfrmClienti;
class TfrmChiamate;
class TfrmArchivio_Scadenze;
class TfrmMenuRiepCosti;
class QWidget;

#include "ui/Navigazione.h"

#include <memory>
#include <vector>

struct Finestre {
    TfrmPassword *frmPassword = nullptr;
    TfrmAvvio *frmAvvio = nullptr;
    TfrmCambiaPassword *frmCambiaPassword = nullptr;
    TfrmGuida *frmGuida = nullptr;
    TfrmInfo *frmInfo = nullptr;
    TfrmSplash *frmSplash = nullptr;
    TfrmAgenda *frmAgenda = nullptr;
    TfrmClienti *frmClienti = nullptr;
    TfrmChiamate *frmChiamate = nullptr;
    TfrmArchivio_Scadenze *frmArchivio_Scadenze = nullptr;
    TfrmMenuRiepCosti *frmMenuRiepCosti = nullptr;
    // The dialogs' instances made at start; each use opens a new one.
    std::vector<std::unique_ptr<QWidget>> dialoghi;
    // Every window above, in the order it was created.
    std::vector<QWidget *> ordine;
    QWidget *hub() const;
};

// The windows of this run (all null before CreaFinestre).
Finestre &App();
// Fixes the process-wide formats and creates every long-lived window in the
// start order; the first, the login window, is the main window. Nothing is shown.
void CreaFinestre();
// Destroys them (end of the program, and between tests).
void DistruggiFinestre();
