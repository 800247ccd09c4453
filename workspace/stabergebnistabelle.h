// The texts of the per-bar results window: the table at eleven points along
// the bar, the extremes with their positions and the values at a typed
// distance.  Toolkit-free, so that the window only copies strings.
#pragma once

#include <string>

#include "core/datenmodell.h"

// The stress tables list the ten positions t = i/9 of the listing and of
// velko-rechnen --spannungen instead of the eleven points.
enum class Stabtabelle { Schnittkraefte, Verschiebungen, Normalspannungen, Schubspannungen };

struct Stabtabelleninhalt {
    std::string Stellen;          // the eleven distances L*i/10 (stresses: the ten L*i/9)
    std::string Titel[3];         // row labels
    std::string Einheiten[3];
    std::string Zeilen[3];        // values at the eleven points
    std::string Extreme[5][4];    // M, Q, N, w, u: max, its position, min, its position
};
Stabtabelleninhalt StabergebnisTabelle(const Stab& stab, Stabtabelle art);

struct Stellenwerte {
    bool Aendern = false;  // false: the fields keep what they show
    std::string Text[3];
};
// Values at a distance (m) from the bar's start.  A distance outside the
// bar, or a bar without length, gives "err" in all three fields.
Stellenwerte WerteAnStelle(const Stab& stab, Stabtabelle art, double abstand);
