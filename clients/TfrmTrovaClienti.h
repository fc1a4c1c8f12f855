#pragma once
// The client search: up to ten filters over "Contatti.pro", a sorted result
// list, and a double click that hands the chosen client to the window that
// opened the search. The same window serves four callers; each creates its
// own TfrmTrovaClienti with itself as owner, writes the mode word into
// lblMemory, shows it modally and destroys it:
//
//   TfrmTrovaClienti w(this);
//   w.lblMemory->setText(QStringLiteral("chiamate"));
//   w.exec();
//
// A double click hands every card whose line equals the chosen one, in file
// order (so the last of them is the one that stays loaded), to the writer of
// the mode word (ui/ScrittoriCliente.h):
//
//   "clienti"    the client card TfrmClienti: TfrmClienti::CaricaScheda, the
//                whole card and its position (registered here);
//   "chiamate"   the call card TfrmChiamate,
//   "scadenze"   the appointment card TfrmArchivio_Scadenze,
//   "riepilogo"  the income request TfrmMenuRiepCosti: their apps register
//                their writers; until then the card goes to the window that
//                implements DestinatarioCliente.
//
// The target is the owner given to the constructor, or the nearest of its
// parents of the right kind. An unknown mode, or no such window, loads nothing.
//
// Also here: the client list window that the search and the recontact list
// (TfrmRicontatta) share.
#include "output/FinestraRicerca.h"
#include "clients/ListaClienti.h"
#include "ui/ScrittoriCliente.h"

#include <array>

// Registers the writer of the "clienti" mode, once; the client list windows
// make sure of it when they are created.
void RegistraScrittoriClienti();

// A search window over "Contatti.pro" whose double click hands the card to
// the writer of the mode word (`modo` when given, lblMemory otherwise).
class TFinestraElencoClienti : public TFinestraRicerca
{
    Q_OBJECT
protected:
    // Fills in the file, the line, the print template and the action.
    TFinestraElencoClienti(QWidget *owner, DescrizioneRicerca d, UltimaColonna ultima, const QString &modo = {});
};

class TfrmTrovaClienti : public TFinestraElencoClienti
{
    Q_OBJECT
public:
    explicit TfrmTrovaClienti(QWidget *owner = nullptr);
    ~TfrmTrovaClienti() override;

    // The ten filters in the order of the Enter chain.
    QLineEdit *txtCliente = nullptr, *txtComuneRes = nullptr, *txtPartitaIva = nullptr, *txtCodFisc = nullptr,
              *txtDocumento = nullptr, *txtOccupazione = nullptr, *txtProdotti = nullptr, *txtZona = nullptr,
              *txtQuestioni = nullptr, *txtNote = nullptr;

    // The filter fields in the order of kFiltriClienti.
    const std::array<QLineEdit *, 10> &CampiFiltro() const { return campi_; }

private:
    std::array<QLineEdit *, 10> campi_{};
};
