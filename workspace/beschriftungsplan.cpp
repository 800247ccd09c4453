#include "workspace/beschriftungsplan.h"

#include <cmath>
#include <cstring>

Beschriftungskasten Textkasten(const char* text, int zeilen, int vorne) {
    const int breite = text ? static_cast<int>(std::strlen(text)) * ZEICHENBREITE : 0;
    return {-vorne, -OBERLAENGE - (zeilen - 1) * ZEILENHOEHE, breite, UNTERLAENGE};
}

bool Beschriftungsplan::Frei(int links, int oben, int rechts, int unten) const {
    for (const Belegt& b : belegt_)
        if (links < b.Rechts && b.Links < rechts && oben < b.Unten && b.Oben < unten) return false;
    return true;
}

bool Beschriftungsplan::Platzieren(double& x, double& y, const Beschriftungskasten& k, const std::string& inhalt) {
    if (!std::isfinite(x) || !std::isfinite(y)) return true;  // the drawing leaves it out anyway
    for (const Belegt& b : belegt_)
        if (b.Inhalt == inhalt && std::fabs(b.X - x) <= 2.0 && std::fabs(b.Y - y) <= 2.0) return false;
    const int ax = static_cast<int>(std::trunc(x)), ay = static_cast<int>(std::trunc(y));
    int versatz = 0;
    for (int schritt = 0; schritt <= 12; ++schritt) {
        // 0, one line up, one line down, two up, ...
        const int v = (schritt + 1) / 2 * ZEILENHOEHE * (schritt % 2 == 1 ? -1 : 1);
        if (Frei(ax + k.Links, ay + v + k.Oben, ax + k.Rechts, ay + v + k.Unten)) {
            versatz = v;
            break;
        }
    }
    // kept with the place it was asked for, where an equal label asks again
    const int neuY = ay + versatz;
    belegt_.push_back({x, y, ax + k.Links, neuY + k.Oben, ax + k.Rechts, neuY + k.Unten, inhalt});
    y += versatz;
    return true;
}
