#pragma once
// What the windows of the appointment card file share: the window that takes
// a card chosen in the appointment search or in a commitment list, and the
// list windows the card opens.
#include "storage/Schede.h"

class QWidget;

// The appointment card window (TfrmArchivio_Scadenze) implements it: the
// search and the commitment lists hand it every card whose line equals the
// chosen one, in file order, so the last of them is the one left on the card.
class DestinatarioAppuntamento
{
public:
    virtual ~DestinatarioAppuntamento() = default;
    // Shows `r` as browsing shows a stored card: every control its field
    // trimmed, lblOra the time, the check box ticked for "Sì", unticked for
    // "No" and left as it is otherwise, lblPosizione `posizione` (1-based).
    virtual void CaricaAppuntamento(const TSchedaAppuntamento &r, qint64 posizione) = 0;
};

// The three commitment lists: one window, three settings.
enum class Impegni { DaAssolvere, Scaduti, Assolti };

// The windows the card's list buttons open: each a new window owned by
// `scheda`, shown modally and destroyed when it closes.
// The appointment search, its lblMemory set to "scadenze".
void ApriTrovaAppuntamenti(QWidget *scheda);
// TfrmConfermati, TfrmScaduti or TfrmAssolti.
void ApriImpegni(QWidget *scheda, Impegni quali);
// The archive export.
void ApriEsportazioneAppuntamenti(QWidget *scheda);
