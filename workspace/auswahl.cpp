// Marking bars by click and rectangle, and the rubber rectangles.
#include "workspace/auswahl.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "core/latin1.h"
#include "core/stabgeometrie.h"

Kette MarkierteStaebe(const System* system) {
    if (!system) return nullptr;
    Kette markierte = nullptr;
    for (Stab* s : Elemente<Stab>(system->Staebe))
        if (s->Markiert == 1) KeVorneEintragen(markierte, s);
    return markierte;
}

long MarkierteStaebeZaehlen(const System* system) {
    long n = 0;
    if (system)
        for (Stab* s : Elemente<Stab>(system->Staebe))
            if (s->Markiert == 1) ++n;
    return n;
}

void AlleStaebeDemarkieren(System* system) {
    if (!system) return;
    for (Stab* s : Elemente<Stab>(system->Staebe)) s->Markiert = -1;
}

bool StabGetroffen(const Stab* s, const Ansicht& ansicht, int px, int py) {
    if (!s || !s->PunktA || !s->PunktB) return false;
    const double x = BildNachWeltX(ansicht, px), y = BildNachWeltY(ansicht, py);
    if (PunktAufStab(s->PunktA->X, s->PunktA->Y, s->PunktB->X, s->PunktB->Y, x, y)) return true;
    // The relative tolerance is a pixel or two for an ordinary column at
    // the usual scale: at least 4 pixels on the screen, the same end zones.
    const double ax = ansicht.BildX(s->PunktA->X), ay = ansicht.BildY(s->PunktA->Y);
    const double bx = ansicht.BildX(s->PunktB->X), by = ansicht.BildY(s->PunktB->Y);
    const double dx = bx - ax, dy = by - ay, l2 = dx * dx + dy * dy;
    if (!(l2 > 0.0) || !std::isfinite(l2)) return false;
    const double t = ((px - ax) * dx + (py - ay) * dy) / l2;
    const double abstand = std::fabs((px - ax) * dy - (py - ay) * dx) / std::sqrt(l2);
    return t > 0.008 && t < 0.992 && abstand <= 4.0;
}

int StabMarkierenUmschalten(System* system, const Ansicht& ansicht, int px, int py) {
    if (!system) return 0;
    int umgeschaltet = 0;
    for (Stab* s : Elemente<Stab>(system->Staebe)) {
        if (!StabGetroffen(s, ansicht, px, py)) continue;
        // A record that was never marked (0) counts as unmarked: reversing
        // the sign of 0 would leave it stuck.
        s->Markiert = s->Markiert == 1 ? -1 : 1;
        ++umgeschaltet;
    }
    return umgeschaltet;
}

bool StabUnterZeigerWaehlen(System* system, const Ansicht& ansicht, int px, int py) {
    if (!system) return false;
    bool getroffen = false;
    for (Stab* s : Elemente<Stab>(system->Staebe)) {
        if (!StabGetroffen(s, ansicht, px, py)) continue;
        if (s->Markiert == 1) return false;  // a marked bar: the marking stands
        getroffen = true;
    }
    if (!getroffen) return false;
    for (Stab* s : Elemente<Stab>(system->Staebe)) s->Markiert = StabGetroffen(s, ansicht, px, py) ? 1 : -1;
    return true;
}

std::string LoeschfrageText(const System* system) {
    std::vector<long> nummern;
    if (system)
        for (Stab* s : Elemente<Stab>(system->Staebe))
            if (s->Markiert == 1) nummern.push_back(s->Nummer);
    if (nummern.empty()) return {};
    std::sort(nummern.begin(), nummern.end());
    std::string text = std::to_string(nummern.size());
    text += nummern.size() == 1 ? " Stab löschen:"_l1 : " Stäbe löschen:"_l1;
    for (std::size_t i = 0; i < nummern.size(); ++i) {
        if (i == 20) {
            text += ", ...";
            break;
        }
        text += (i == 0 ? " " : ", ") + std::to_string(nummern[i]);
    }
    return text + " ?";
}

int StaebeImRechteckMarkieren(System* system, const Ansicht& ansicht, int x1, int y1, int x2, int y2) {
    if (!system) return 0;
    double wx1 = BildNachWeltX(ansicht, x1), wy1 = BildNachWeltY(ansicht, y1);
    double wx2 = BildNachWeltX(ansicht, x2), wy2 = BildNachWeltY(ansicht, y2);
    auto innen = [&](const Punkt* p) { return p && wx1 < p->X && p->X < wx2 && wy2 < p->Y && p->Y < wy1; };
    int markiert = 0;
    for (Stab* s : Elemente<Stab>(system->Staebe))
        if (innen(s->PunktA) && innen(s->PunktB)) {
            s->Markiert = 1;
            ++markiert;
        }
    return markiert;
}

void Gummirechteck::Beginnen(int x, int y) {
    StartX = LetztX = x;
    StartY = LetztY = y;
}

void Gummirechteck::Ziehen(Maler& xor_maler, int x, int y) {
    if (!Gesetzt()) {
        StartX = LetztX = x;
        StartY = LetztY = y;
    }
    if (x - StartX <= 0 || y - StartY <= 0) return;
    xor_maler.Linie(0, Linienart::Gestrichelt, Linienende::Stumpf);
    Entfernen(xor_maler);
    xor_maler.Rechteck(StartX, StartY, x - StartX, y - StartY);
    LetztX = x;
    LetztY = y;
}

void Gummirechteck::Entfernen(Maler& xor_maler) const {
    // Nothing was drawn while the last corner is still the start.
    if (!Gesetzt() || LetztX <= StartX || LetztY <= StartY) return;
    xor_maler.Linie(0, Linienart::Gestrichelt, Linienende::Stumpf);
    xor_maler.Rechteck(StartX, StartY, LetztX - StartX, LetztY - StartY);
}

Zoomgeste ZoomgesteBeiLoslassen(const Gummirechteck& rechteck, int knopf) {
    if (rechteck.LetztX - rechteck.StartX <= 10) {
        if (knopf == 1) return Zoomgeste::Hinein;
        if (knopf == 3) return Zoomgeste::Heraus;
        return Zoomgeste::Keine;
    }
    if (rechteck.LetztY - rechteck.StartY > 10) return Zoomgeste::Rechteck;
    return Zoomgeste::Keine;
}

bool RechteckAuswahlBeiLoslassen(const Gummirechteck& rechteck, int x, int y) {
    // Without a drag of button 1 there is no start: a release of another
    // button must not mark everything from the window's corner.
    if (!rechteck.Gesetzt()) return false;
    return std::abs(x - rechteck.StartX) > 10 && std::abs(y - rechteck.StartY) > 10;
}
