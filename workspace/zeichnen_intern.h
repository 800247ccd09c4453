// Helpers shared by the drawing layers (not part of the interface).
#pragma once

#include "workspace/beschriftungsplan.h"
#include "workspace/zeichnen.h"

#include <cmath>
#include <unordered_map>

// Truncated pixel position as a double, so that lines far outside can still
// be clipped before they become ints.
inline double BildXT(const Ansicht& a, double x) { return std::trunc(a.BildX(x)); }
inline double BildYT(const Ansicht& a, double y) { return std::trunc(a.BildY(y)); }

inline bool StabHatPunkte(const Stab* s) { return s && s->PunktA && s->PunktB; }

// A label at (x, y) in pixels where the plan finds room, with a leader line
// from (vonX, vonY) to where it went when `leiter` is set.  A second text
// goes one line above the first.  Nothing is drawn for a label that stands
// there already.
void BeschriftungSetzen(Maler& maler, Beschriftungsplan& plan, double x, double y, const char* text,
                        bool leiter = false, double vonX = 0.0, double vonY = 0.0, const char* text2 = nullptr);


// Bars by number, for the load layers: built once per layer instead of a
// chain search per load.  The first bar in chain order wins, as in a search.
class Stabverzeichnis {
public:
    explicit Stabverzeichnis(Kette staebe) {
        for (Stab* s : Elemente<Stab>(staebe)) nachNummer_.emplace(s->Nummer, s);
    }
    const Stab* Suchen(long nummer) const {
        auto it = nachNummer_.find(nummer);
        return it == nachNummer_.end() ? nullptr : it->second;
    }

private:
    std::unordered_map<long, const Stab*> nachNummer_;
};

inline const Lastfall* LastfallIn(const System& system, long kennung) {
    for (Lastfall* l : Elemente<Lastfall>(system.Lastfaelle))
        if (l->Kennung == kennung) return l;
    return nullptr;
}
