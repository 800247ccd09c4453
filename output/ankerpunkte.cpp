#include "output/ankerpunkte.h"

#include <algorithm>
#include <cmath>
#include <vector>

Weltpunkt Ankerpunkt(const Stab* stab, int ende) {
    if (!stab || !stab->PunktA || !stab->PunktB) return {0.0, 0.0};
    // anchor = ((2 - m) A + m B) / 2 with m = 0.3 at A and 1.5 at B.
    const double m = ende == ENDE_A ? 0.3 : 1.8 - 0.3;
    const Punkt* a = stab->PunktA;
    const Punkt* b = stab->PunktB;
    return {((2.0 - m) * a->X + m * b->X) / 2.0, ((2.0 - m) * a->Y + m * b->Y) / 2.0};
}

int FreiheitsgradeAmPunkt(Kette staebe, const Punkt* punkt) {
    if (!punkt) return 0;
    // Few records meet at one point, so a linear search is enough.
    std::vector<const Freiheitsgrad*> menge;
    auto aufnehmen = [&menge](const Freiheitsgrad* fg) {
        if (fg && std::find(menge.begin(), menge.end(), fg) == menge.end()) menge.push_back(fg);
    };
    for (Stab* s : Elemente<Stab>(staebe)) {
        if (!s) continue;
        if (s->PunktA == punkt)
            for (int i = 0; i < 3; ++i) aufnehmen(s->Freiheitsgrade[i]);
        if (s->PunktB == punkt)
            for (int i = 3; i < 6; ++i) aufnehmen(s->Freiheitsgrade[i]);
    }
    return static_cast<int>(menge.size());
}

bool StabendeZeigtFreiheitsgrade(Kette staebe, const Stab* stab, int ende, bool alleZeigen) {
    if (!stab) return false;
    if (alleZeigen) return true;
    const Punkt* punkt = ende == ENDE_A ? stab->PunktA : stab->PunktB;
    return FreiheitsgradeAmPunkt(staebe, punkt) > 3;
}

void FreiheitsgradSlotsWaehlen(Kette staebe, const Stab* stab, bool alleZeigen, bool slots[6]) {
    const bool a = StabendeZeigtFreiheitsgrade(staebe, stab, ENDE_A, alleZeigen);
    const bool b = StabendeZeigtFreiheitsgrade(staebe, stab, ENDE_B, alleZeigen);
    for (int i = 0; i < 6; ++i) slots[i] = EndeVonSlot(i) == ENDE_A ? a : b;
}

bool FreiheitsgradRichtung(const Freiheitsgrad* fg, double* dx, double* dy) {
    if (!fg) return false;
    const double w = fg->Winkel;
    switch (fg->Richtung) {
    case 0:
        *dx = std::cos(w);
        *dy = std::sin(w);
        return true;
    case 1:
        *dx = -std::sin(w);
        *dy = std::cos(w);
        return true;
    default:
        return false;
    }
}

bool LagersymbolRichtung(const Freiheitsgrad* fg, double* dx, double* dy) {
    // The symbols are specified by an angle m (x: Winkel - pi/2, y: Winkel)
    // and the world vector (-sin m, cos m), which is the direction of the
    // degree of freedom itself.
    if (!fg || (fg->Richtung != 0 && fg->Richtung != 1)) return false;
    const double m = fg->Richtung == 0 ? fg->Winkel - 1.570796327 : fg->Winkel;
    *dx = -std::sin(m);
    *dy = std::cos(m);
    return true;
}

Weltpunkt UnterseitenNormale(const Stab* stab) {
    if (!stab) return {0.0, 0.0};
    return {stab->Sin, -stab->Cos};
}

Weltpunkt StabpunktAn(const Stab* stab, double t) {
    if (!stab || !stab->PunktA || !stab->PunktB) return {0.0, 0.0};
    return {(1.0 - t) * stab->PunktA->X + t * stab->PunktB->X,
            (1.0 - t) * stab->PunktA->Y + t * stab->PunktB->Y};
}
