#include "output/lagersymbole.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <unordered_map>

namespace {

// What meets at one point.
struct Stabende {
    const Stab* stab;
    int ende;
    Weltpunkt richtung;  // unit vector along the bar away from the point; (0, 0) for a bar of no length
};
struct Punktlage {
    const Punkt* punkt;
    std::vector<const Freiheitsgrad*> freiheitsgrade;  // distinct, in order of appearance
    std::vector<Stabende> enden;
    Weltpunkt summe{0.0, 0.0};  // sum of the bars' directions
};

std::vector<Punktlage> PunkteSammeln(Kette staebe) {
    std::vector<Punktlage> lagen;
    std::unordered_map<const Punkt*, std::size_t> index;
    for (const Stab* s : Elemente<Stab>(staebe)) {
        if (!s || !s->PunktA || !s->PunktB) continue;
        const double dx = s->PunktB->X - s->PunktA->X, dy = s->PunktB->Y - s->PunktA->Y;
        const double l = std::hypot(dx, dy);
        for (int ende : {ENDE_A, ENDE_B}) {
            const Punkt* p = ende == ENDE_A ? s->PunktA : s->PunktB;
            auto [it, neu] = index.emplace(p, lagen.size());
            if (neu) lagen.push_back(Punktlage{p, {}, {}, {}});
            Punktlage& lage = lagen[it->second];
            const double v = ende == ENDE_A ? 1.0 : -1.0;
            const Weltpunkt r = l > 0.0 ? Weltpunkt{v * dx / l, v * dy / l} : Weltpunkt{0.0, 0.0};
            lage.enden.push_back({s, ende, r});
            lage.summe.X += r.X;
            lage.summe.Y += r.Y;
            for (int i = 0; i < 3; ++i) {
                const Freiheitsgrad* fg = s->Freiheitsgrade[3 * ende + i];
                if (fg && std::find(lage.freiheitsgrade.begin(), lage.freiheitsgrade.end(), fg) ==
                              lage.freiheitsgrade.end())
                    lage.freiheitsgrade.push_back(fg);
            }
        }
    }
    return lagen;
}

const Freiheitsgrad* ErsterGestuetzter(const Punktlage& lage, long richtung) {
    for (const Freiheitsgrad* fg : lage.freiheitsgrade)
        if (fg->Status == STATUS_PRIMAL && fg->Richtung == richtung) return fg;
    return nullptr;
}

Weltpunkt Richtung(const Freiheitsgrad* fg) {
    Weltpunkt d{0.0, 1.0};
    FreiheitsgradRichtung(fg, &d.X, &d.Y);
    return d;
}

Weltpunkt Minus(Weltpunkt p) { return {-p.X, -p.Y}; }

// The mean direction of the bars at the point, or (0, 0) when they cancel.
Weltpunkt Stabrichtung(const Punktlage& lage) {
    const double l = std::hypot(lage.summe.X, lage.summe.Y);
    return l > 1e-9 ? Weltpunkt{lage.summe.X / l, lage.summe.Y / l} : Weltpunkt{0.0, 0.0};
}

// A symbol along d lies on the side of -d, unless the bars come from there
// (within 45 degrees): then it goes to the other side, so that a support
// never points into its member.
Weltpunkt Aussen(const Punktlage& lage, Weltpunkt d) {
    const Weltpunkt s = Stabrichtung(lage);
    return d.X * s.X + d.Y * s.Y < -0.7 ? Minus(d) : d;
}

void LagerErmitteln(const Punktlage& lage, std::vector<Lagersymbol>& lager) {
    const Freiheitsgrad* x = ErsterGestuetzter(lage, 0);
    const Freiheitsgrad* y = ErsterGestuetzter(lage, 1);
    const Freiheitsgrad* r = ErsterGestuetzter(lage, 2);
    if (!x && !y && !r) return;
    bool vorgeschrieben = false;
    for (const Freiheitsgrad* fg : lage.freiheitsgrade)
        if (fg->Status == STATUS_PRIMAL && fg->Wert != 0.0) vorgeschrieben = true;
    Lagersymbol l{lage.punkt, Lagerart::Drehsperre, {0.0, 1.0}, vorgeschrieben};
    if (x && y && r) {
        l.Art = Lagerart::Einspannung;
        // Across the bars it holds; a clamp without a direction of its own
        // follows its y record when the bars give none.
        const Weltpunkt s = Stabrichtung(lage);
        l.Normale = s.X != 0.0 || s.Y != 0.0 ? s : Richtung(y);
    } else if (x && y) {
        l.Art = Lagerart::Festlager;
        l.Normale = Aussen(lage, Richtung(y));
    } else if (x || y) {
        l.Art = r ? Lagerart::Parallelfuehrung : Lagerart::Loslager;
        l.Normale = Aussen(lage, Richtung(x ? x : y));
    }
    lager.push_back(l);
}

void FedernErmitteln(const Punktlage& lage, const Lagersymbol* lager, std::vector<Federsymbol>& federn) {
    for (const Freiheitsgrad* fg : lage.freiheitsgrade) {
        if (fg->Feder == 0.0 || fg->Richtung < 0 || fg->Richtung > 2) continue;
        const bool dreh = fg->Richtung == 2;
        const bool gestuetzt = fg->Status == STATUS_PRIMAL;
        Weltpunkt n;
        if (dreh && lager) {
            // Beside the support's symbol rather than into it.
            n = {lager->Normale.Y, -lager->Normale.X};
        } else {
            n = Aussen(lage, dreh ? Weltpunkt{0.0, 1.0} : Richtung(fg));
            // Where a support's symbol lies along the same line, the
            // spring goes to the other side.
            if (lager && std::fabs(n.X * lager->Normale.X + n.Y * lager->Normale.Y) > 0.7) n = Minus(n);
        }
        federn.push_back({lage.punkt, dreh, n, gestuetzt, gestuetzt && fg->Wert != 0.0});
    }
}

void GelenkeErmitteln(const Punktlage& lage, std::vector<Gelenksymbol>& gelenke) {
    // Bar ends grouped by their rotation record.
    std::vector<const Freiheitsgrad*> gruppen;
    std::vector<int> groesse;
    std::vector<std::size_t> gruppeVon;
    std::vector<const Stabende*> enden;
    for (const Stabende& e : lage.enden) {
        const Freiheitsgrad* dreh = e.stab->Freiheitsgrade[3 * e.ende + 2];
        if (!dreh) continue;
        const std::size_t g = std::find(gruppen.begin(), gruppen.end(), dreh) - gruppen.begin();
        if (g == gruppen.size()) {
            gruppen.push_back(dreh);
            groesse.push_back(0);
        }
        ++groesse[g];
        gruppeVon.push_back(g);
        enden.push_back(&e);
    }
    if (gruppen.size() < 2) return;
    if (gruppen.size() == enden.size()) {
        // No two bar ends turn together: a hinge of the whole point.
        gelenke.push_back({lage.punkt, {0.0, 0.0}});
        return;
    }
    // The largest group (the first of equal ones) is the rigid joint; the
    // other bar ends are hinged to it.
    const std::size_t kern = std::max_element(groesse.begin(), groesse.end()) - groesse.begin();
    for (std::size_t i = 0; i < enden.size(); ++i) {
        const Weltpunkt r = enden[i]->richtung;
        if (gruppeVon[i] != kern && (r.X != 0.0 || r.Y != 0.0)) gelenke.push_back({lage.punkt, r});
    }
}

// ------------------------------------------------------------------ outlines

// Builds outlines in the symbol's own frame: b along the normal (towards the
// point), a to the right of it.
class Zeichner {
public:
    explicit Zeichner(Weltpunkt normale) : n_(normale), t_{normale.Y, -normale.X} {}

    Weltpunkt P(double a, double b) const { return {a * t_.X + b * n_.X, a * t_.Y + b * n_.Y}; }

    void Zug(std::initializer_list<Weltpunkt> punkte, bool geschlossen = false, bool fein = false) {
        form.Zuege.push_back(Symbolzug{punkte, geschlossen, fein});
    }
    // The ground: a line across at b from a1 to a2 with strokes every 6
    // units below it.
    void Boden(double b, double a1, double a2) {
        Zug({P(a1, b), P(a2, b)});
        for (double a = a1 + 6.0; a <= a2 + 1e-9; a += 6.0) Zug({P(a, b), P(a - 6.0, b - 6.0)}, false, true);
    }
    void Dreieck() {
        Zug({P(0, 0), P(-SYMBOL_DREIECK_HALBBREITE, -SYMBOL_DREIECK_HOEHE),
             P(SYMBOL_DREIECK_HALBBREITE, -SYMBOL_DREIECK_HOEHE)},
            true);
    }

    Symbolform form;

private:
    Weltpunkt n_, t_;
};

constexpr double BODENBREITE = 18.0;  // half the width of a support's ground

}  // namespace

Symbole SymboleErmitteln(Kette staebe) {
    Symbole symbole;
    for (const Punktlage& lage : PunkteSammeln(staebe)) {
        const std::size_t vorher = symbole.Lager.size();
        LagerErmitteln(lage, symbole.Lager);
        FedernErmitteln(lage, symbole.Lager.size() > vorher ? &symbole.Lager.back() : nullptr, symbole.Federn);
        GelenkeErmitteln(lage, symbole.Gelenke);
    }
    return symbole;
}

Symbolform LagerForm(const Lagersymbol& lager) {
    Zeichner z(lager.Normale);
    const double h = SYMBOL_DREIECK_HOEHE;
    switch (lager.Art) {
    case Lagerart::Festlager:
        z.Dreieck();
        z.Boden(-h, -BODENBREITE, BODENBREITE);
        break;
    case Lagerart::Loslager:
        // The gap between triangle and ground is what lets it roll.
        z.Dreieck();
        z.Boden(-h - 5.0, -BODENBREITE, BODENBREITE);
        break;
    case Lagerart::Einspannung:
        z.Boden(0.0, -BODENBREITE, BODENBREITE);
        break;
    case Lagerart::Parallelfuehrung:
        z.Zug({z.P(-BODENBREITE, 0), z.P(BODENBREITE, 0)});
        z.Boden(-6.0, -BODENBREITE, BODENBREITE);
        break;
    case Lagerart::Drehsperre:
        z.Zug({z.P(-8, -8), z.P(8, -8), z.P(8, 8), z.P(-8, 8)}, true);
        break;
    }
    return z.form;
}

Symbolform FederForm(const Federsymbol& feder) {
    Zeichner z(feder.Normale);
    if (!feder.Drehfeder) {
        z.Zug({z.P(0, 0), z.P(0, -4), z.P(6, -7), z.P(-6, -13), z.P(6, -19), z.P(-6, -25), z.P(0, -28),
               z.P(0, -32)});
        z.Boden(-32.0, -12.0, 12.0);
        return z.form;
    }
    // A spiral of 1.75 turns from radius 4 to 14 around the point, its outer
    // end pointing to the ground.
    Symbolzug spirale;
    const int schritte = 21;
    for (int k = 0; k <= schritte; ++k) {
        const double w = -M_PI / 2.0 - (schritte - k) * M_PI / 6.0;
        const double r = 4.0 + 10.0 * k / schritte;
        spirale.Punkte.push_back(z.P(r * std::cos(w), r * std::sin(w)));
    }
    z.form.Zuege.push_back(spirale);
    z.Zug({z.P(0, -14), z.P(0, -22)});
    z.Boden(-22.0, -12.0, 12.0);
    return z.form;
}

Symbolform GelenkForm(const Gelenksymbol& gelenk) {
    Symbolform form;
    const double r = SYMBOL_GELENK_RADIUS;
    form.Kreise.push_back({{r * gelenk.Richtung.X, r * gelenk.Richtung.Y}, r});
    return form;
}
