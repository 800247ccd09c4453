// Marking bars by click and rectangle, and the rubber rectangles.
#include "workspace/auswahl.h"

#include <cstdlib>

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

int StabMarkierenUmschalten(System* system, const Ansicht& ansicht, int px, int py) {
    if (!system) return 0;
    double x = BildNachWeltX(ansicht, px), y = BildNachWeltY(ansicht, py);
    int umgeschaltet = 0;
    for (Stab* s : Elemente<Stab>(system->Staebe)) {
        if (!s->PunktA || !s->PunktB) continue;
        if (!PunktAufStab(s->PunktA->X, s->PunktA->Y, s->PunktB->X, s->PunktB->Y, x, y)) continue;
        // A record that was never marked (0) counts as unmarked: reversing
        // the sign of 0 would leave it stuck.
        s->Markiert = s->Markiert == 1 ? -1 : 1;
        ++umgeschaltet;
    }
    return umgeschaltet;
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
