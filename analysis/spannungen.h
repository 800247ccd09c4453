// Stresses in the extreme fibres of a bar from its internal forces and its
// cross-section, in N/mm^2 (kN/m^2 / 1000).
//
// sigma_oben  = N/A - M maxy / Iz   (oben: the local +y side)
// sigma_unten = N/A + M maxy / Iz   (a positive M puts the local -y side in tension)
// tau_mittel  = Q/A, the mean shear stress over the section.
// A cross-section whose distance to the extreme fibre is 0 (unknown) gives
// N/A in both fibres and says so in OhneRandabstand.
#pragma once

#include "core/datenmodell.h"

struct Spannungen {
    double SigmaOben = 0.0, SigmaUnten = 0.0, TauMittel = 0.0;
    bool OhneRandabstand = false;  // maxy = 0 (or no Iz): bending not included
};

// From internal forces in kN and kNm and the cross-section's values.  False
// for a cross-section without area, which carries no stress at all.
bool SpannungenAus(double n, double q, double m, const Querschnitt& querschnitt, Spannungen& ergebnis);

// At relative position t of a bar with results (the values the listing
// prints); false when the bar has no results or its cross-section is not in
// the catalogue or has no area.
bool SpannungenAn(const Stab* stab, double t, Spannungen& ergebnis);
