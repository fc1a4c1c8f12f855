#pragma once
// What the windows of the call register share: the card on screen as texts
// (what prints and previews show), and the window that takes a call card
// chosen in the call search.
#include "storage/Schede.h"

#include <QString>
#include <array>

// The texts of a call card as its controls show them, by record field
// (TSchedaChiamata::Campo), untrimmed: the print and preview windows take
// them when they are created, so what is printed is what is on screen.
using TestiChiamata = std::array<QString, TSchedaChiamata::NumCampi>;

// The call card window (TfrmChiamate) implements it: the call search hands it
// every card whose line equals the chosen one, in file order, so the last of
// them is the one left on the card.
class DestinatarioChiamata
{
public:
    virtual ~DestinatarioChiamata() = default;
    // Puts every field of `r`, trimmed, into the card and `posizione`
    // (1-based, "Registro_Chiamate.pro") into lblPosizione, as navigation does.
    virtual void CaricaChiamata(const TSchedaChiamata &r, qint64 posizione) = 0;
};
