// The envelope of all combinations on the canvas: per bar the curve of the
// largest and of the smallest values of an internal force over the ten
// listed positions, drawn like that force's diagram (moments on the tension
// side), the minimum dashed so that the two stay apart where they cross.
#include "core/umhuellende.h"
#include "output/ankerpunkte.h"
#include "workspace/zeichnen_intern.h"

#include <cmath>
#include <cstdio>
#include <utility>

namespace {

Farbrolle FarbeDerArt(int art) {
    return art == NORMALKRAFT ? ROLLE_NORMALKRAFT : art == QUERKRAFT ? ROLLE_QUERKRAFT : ROLLE_MOMENT;
}

int GroesseDerArt(int art) { return art == NORMALKRAFT ? HUELLE_N : art == QUERKRAFT ? HUELLE_Q : HUELLE_M; }

// The world point of an ordinate v at listed position i of the bar.
Weltpunkt Ordinate(const Ansicht& a, const Stab& stab, int art, int i, double v) {
    const double K = a.Schnittkraftmassstab;
    const double o = K * (art == MOMENT ? -v : v);  // moments lie on the tension side
    const Weltpunkt b = StabpunktAn(&stab, HuellStelle(i));
    return {b.X - o * std::sin(stab.Winkel), b.Y + o * std::cos(stab.Winkel)};
}

void Kurve(Maler& maler, const Ansicht& a, const Stab& stab, const Stabhuelle& h, int art, bool maximum) {
    const int g = GroesseDerArt(art);
    double x[HUELLSTELLEN], y[HUELLSTELLEN];
    for (int i = 0; i < HUELLSTELLEN; ++i) {
        const Huellwert& w = maximum ? h.Stellen[i].Max[g] : h.Stellen[i].Min[g];
        const Weltpunkt p = Ordinate(a, stab, art, i, w.Wert);
        x[i] = BildXT(a, p.X);
        y[i] = BildYT(a, p.Y);
    }
    maler.Linie(0, maximum ? Linienart::Durchgezogen : Linienart::Gestrichelt, Linienende::Stumpf);
    LinienzugZeichnen(maler, x, y, HUELLSTELLEN);
}

// The largest maximum and the smallest minimum of the bar, each with its
// combination.
void Beschriften(Maler& maler, Beschriftungsplan& plan, const Ansicht& a, const Stab& stab, const Stabhuelle& h,
                 int art) {
    const int g = GroesseDerArt(art);
    int oben = 0, unten = 0;
    for (int i = 1; i < HUELLSTELLEN; ++i) {
        if (h.Stellen[i].Max[g].Wert > h.Stellen[oben].Max[g].Wert) oben = i;
        if (h.Stellen[i].Min[g].Wert < h.Stellen[unten].Min[g].Wert) unten = i;
    }
    maler.Linie(0, Linienart::Durchgezogen, Linienende::Stumpf);
    for (auto [i, w] : {std::pair{oben, h.Stellen[oben].Max[g]}, std::pair{unten, h.Stellen[unten].Min[g]}}) {
        char text[64];
        std::snprintf(text, sizeof text, "%.2f (Komb. %ld)", w.Wert, w.Kombination);
        const Weltpunkt p = Ordinate(a, stab, art, i, w.Wert);
        const double px = BildXT(a, p.X), py = BildYT(a, p.Y);
        BeschriftungSetzen(maler, plan, px + 30.0, py - 30.0, text, true, px, py);
    }
}

}  // namespace

void UmhuellendeZeichnen(Maler& maler, const Ansicht& a, const System& system, int art, bool beschriften,
                         Beschriftungsplan* plan) {
    if (!system.Huelle || art < NORMALKRAFT || art > MOMENT) return;
    maler.Farbe(FarbeDerArt(art));
    Beschriftungsplan eigener;  // the labels of this call alone
    Beschriftungsplan& beschriftungen = plan ? *plan : eigener;
    const Stabverzeichnis staebe(system.Staebe);
    for (const Stabhuelle& h : system.Huelle->Staebe) {
        const Stab* stab = staebe.Suchen(h.Stab);
        if (!StabHatPunkte(stab) || h.Stellen[0].Max[HUELLE_M].Kombination < 0) continue;
        Kurve(maler, a, *stab, h, art, true);
        Kurve(maler, a, *stab, h, art, false);
        if (beschriften) Beschriften(maler, beschriftungen, a, *stab, h, art);
    }
    maler.Linie(0, Linienart::Durchgezogen, Linienende::Stumpf);
}
