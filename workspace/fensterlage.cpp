#include "workspace/fensterlage.h"

#include <algorithm>

std::vector<Fensterort> NebeneinanderLegen(const std::vector<Fenstermass>& fenster, int x0, int y0, int abstand,
                                           int bildschirmB, int bildschirmH) {
    std::vector<Fensterort> orte;
    int x = x0, y = y0, reihenhoehe = 0;
    for (const Fenstermass& f : fenster) {
        if (x > x0 && x + f.B > bildschirmB) {
            x = x0;
            y += reihenhoehe + abstand;
            reihenhoehe = 0;
        }
        orte.push_back({x, std::max(0, std::min(y, bildschirmH - f.H))});
        x += f.B + abstand;
        reihenhoehe = std::max(reihenhoehe, f.H);
    }
    return orte;
}
