#include "analysis/ergebnisse.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <new>
#include <vector>

#include "analysis/exakte_abschnitte.h"
#include "core/programm.h"
#include "core/systemoperationen.h"

double HermiteWert(double f0, double s0, double f1, double s1, double L, double xi) {
    const double h = L / 2;
    const double xi2 = xi * xi, xi3 = xi2 * xi;
    return 0.25 * ((2 - 3 * xi + xi3) * f0 + (1 - xi - xi2 + xi3) * h * s0 + (2 + 3 * xi - xi3) * f1 +
                   (-1 - xi + xi2 + xi3) * h * s1);
}

double* HermiteStuetzwerte(double f0, double s0, double f1, double s1, double L, int anzahl) {
    if (anzahl <= 0) return nullptr;
    double* werte = new (std::nothrow) double[anzahl];
    if (!werte) return nullptr;
    for (int i = 0; i < anzahl; ++i) {
        const double xi = anzahl == 1 ? -1.0 : -1.0 + i * 2.0 / (anzahl - 1);
        werte[i] = HermiteWert(f0, s0, f1, s1, L, xi);
    }
    return werte;
}

double* HermiteExtremstellen(double f0, double s0, double f1, double s1, double L) {
    // p(xi) = c0 + c1 xi + c2 xi^2 + c3 xi^3; its derivative a2 xi^2 + a1 xi + a0.
    const double h = L / 2;
    const double g = h * s0, k = h * s1;
    const double a2 = (3 * f0 + 3 * g - 3 * f1 + 3 * k) / 4;
    const double a1 = (2 * k - 2 * g) / 4;
    const double a0 = (3 * f1 - 3 * f0 - g - k) / 4;
    // Coefficients are compared with the largest of them, not with a fixed
    // bound: a deflection curve is many orders of magnitude smaller than a
    // moment curve, and a symmetric cubic has a1 = 0 but two turning points.
    const double groesste = std::max({std::fabs(a2), std::fabs(a1), std::fabs(a0)});
    if (!(groesste > 0.0) || !std::isfinite(groesste)) return nullptr;  // constant (or no number)
    const double vernachlaessigbar = 1e-12 * groesste;
    double x0, x1;
    if (std::fabs(a2) <= vernachlaessigbar) {
        // A quadratic (or a straight line): at most one turning point.
        if (std::fabs(a1) <= vernachlaessigbar) return nullptr;
        x0 = x1 = -a0 / a1;
    } else {
        const double d = a1 * a1 - 4 * a2 * a0;
        if (d < 0) return nullptr;
        // The root that does not subtract nearly equal numbers first, the
        // other from the product of the roots, a0 / a2.
        const double q = -0.5 * (a1 + std::copysign(std::sqrt(d), a1));
        x0 = q / a2;
        x1 = q != 0.0 ? a0 / q : x0;
    }
    double* stellen = new (std::nothrow) double[2];
    if (stellen) {
        stellen[0] = x0;
        stellen[1] = x1;
    }
    return stellen;
}

namespace {

// Relative difference below which two results are the same value.
constexpr double GLEICH_RELATIV = 1e-9;

// Only emptiness matters; counting the chain would make every lookup linear.
bool HatErgebnisse(const Stab* stab) {
    return stab && stab->Ergebnisse && stab->Ergebnisse->next != stab->Ergebnisse;
}

// The first record whose [tAnfang, tEnde] holds t, and xi of t within it.
const Stababschnitt* AbschnittBei(const Stab* stab, double t, double* xi) {
    if (!stab) return nullptr;
    for (const Stababschnitt* r : Elemente<Stababschnitt>(stab->Ergebnisse))
        if (r->tAnfang <= t && t <= r->tEnde) {
            const double halbe = (r->tEnde - r->tAnfang) / 2;
            *xi = halbe != 0.0 ? (t - (r->tAnfang + r->tEnde) / 2) / halbe : 0.0;
            return r;
        }
    return nullptr;
}

// Displacements of a record in the bar's local axes (u along, w across).
struct LokaleVerschiebung {
    double uA, wA, phiA, uE, wE, phiE;
};
LokaleVerschiebung Lokal(const Stab* stab, const Stababschnitt* r) {
    const double* d = r->Verschiebungen;
    const double a = stab->Winkel - r->WinkelA, e = stab->Winkel - r->WinkelE;
    return {std::cos(a) * d[0] + std::sin(a) * d[1], -std::sin(a) * d[0] + std::cos(a) * d[1], d[2],
            std::cos(e) * d[3] + std::sin(e) * d[4], -std::sin(e) * d[3] + std::cos(e) * d[4], d[5]};
}

// Slope of the axial displacement, N / (E A); 0 when the bar's material or
// cross-section is no longer in the catalogue or E A is 0.
double Dehnung(const Stab* stab, double n) {
    const Material* m = MaterialSuchen(stab->Material);
    const Querschnitt* q = QuerschnittSuchen(stab->Querschnitt);
    if (!m || !q) return 0.0;
    const double ea = m->EModul * q->Flaeche;
    return ea != 0.0 ? n / ea : 0.0;
}

// The value of a quantity at xi in one record.  The extremum search works
// record by record: at a cut the two records meeting there hold the values
// on either side of a jump (a point load in Q and N, a point moment in M),
// and a lookup by position would see only one of them.
using Abschnittwert = double (*)(const Stab*, const Stababschnitt*, double xi);
struct Kurve {
    double f0, s0, f1, s1;
};
using Kurvenfunktion = Kurve (*)(const Stab*, const Stababschnitt*);

double Extremum(const Stab* stab, double* position, Abschnittwert wert, Kurvenfunktion kurve, Schnittgroesse g,
                double start, bool maximum) {
    if (!HatErgebnisse(stab)) {
        if (position) *position = -1.0;
        return 0.0;
    }
    // Values that differ only by round-off count as equal, so that the
    // first place keeps a tie: a constant normal force, for instance, is
    // reported where the bar begins and not wherever the last bits of the
    // arithmetic happen to lean.
    double skala = 0.0;
    for (const Stababschnitt* r : Elemente<Stababschnitt>(stab->Ergebnisse)) {
        const Kurve c = kurve(stab, r);
        skala = std::max({skala, std::fabs(c.f0), std::fabs(c.f1)});
    }
    const double rundung = GLEICH_RELATIV * skala;
    double ergebnis = start, stelle = 0.0;
    auto pruefen = [&](const Stababschnitt* r, double xi, double t) {
        const double v = wert(stab, r, xi);
        if ((maximum ? v > ergebnis : v < ergebnis) && (ergebnis == start || std::fabs(v - ergebnis) > rundung)) {
            ergebnis = v;
            stelle = t;
        }
    };
    for (const Stababschnitt* r : Elemente<Stababschnitt>(stab->Ergebnisse)) {
        pruefen(r, -1.0, r->tAnfang);
        pruefen(r, 1.0, r->tEnde);
        if (AbschnittExakt(r)) {
            for (double xi : ExakteExtremstellen(r, g)) pruefen(r, xi, ((1 - xi) * r->tAnfang + (1 + xi) * r->tEnde) / 2);
            continue;
        }
        const Kurve c = kurve(stab, r);
        double* kandidaten = HermiteExtremstellen(c.f0, c.s0, c.f1, c.s1, r->Laenge);
        if (kandidaten) {
            for (int i = 0; i < 2; ++i) {
                const double xi = kandidaten[i];
                if (xi >= -1.0 && xi <= 1.0) pruefen(r, xi, ((1 - xi) * r->tAnfang + (1 + xi) * r->tEnde) / 2);
            }
            delete[] kandidaten;
        }
    }
    if (position) *position = stelle;
    return ergebnis;
}

double MomentIn(const Stab*, const Stababschnitt* r, double xi) {
    if (AbschnittExakt(r)) return ExakterWert(r, Schnittgroesse::Moment, xi);
    return HermiteWert(r->MA, r->QA, r->ME, r->QE, r->Laenge, xi);
}
double NormalkraftIn(const Stab*, const Stababschnitt* r, double xi) {
    if (AbschnittExakt(r)) return ExakterWert(r, Schnittgroesse::Normalkraft, xi);
    return HermiteWert(r->NA, -r->nAnfang, r->NE, -r->nEnde, r->Laenge, xi);
}
double QuerkraftIn(const Stab*, const Stababschnitt* r, double xi) {
    if (AbschnittExakt(r)) return ExakterWert(r, Schnittgroesse::Querkraft, xi);
    return HermiteWert(r->QA, r->qAnfang, r->QE, r->qEnde, r->Laenge, xi);
}
double DurchbiegungIn(const Stab* stab, const Stababschnitt* r, double xi) {
    if (AbschnittExakt(r)) return ExakterWert(r, Schnittgroesse::Durchbiegung, xi);
    const LokaleVerschiebung v = Lokal(stab, r);
    return -HermiteWert(v.wA, v.phiA, v.wE, v.phiE, r->Laenge, xi);
}
double LaengsverschiebungIn(const Stab* stab, const Stababschnitt* r, double xi) {
    if (AbschnittExakt(r)) return ExakterWert(r, Schnittgroesse::Laengsverschiebung, xi);
    const LokaleVerschiebung v = Lokal(stab, r);
    return ((1 - xi) * v.uA + (1 + xi) * v.uE) / 2;
}

// The value at position t, from the first record that holds t.
double WertAn(const Stab* stab, double t, Abschnittwert wert) {
    double xi;
    const Stababschnitt* r = AbschnittBei(stab, t, &xi);
    return r ? wert(stab, r, xi) : 0.0;
}

Kurve MomentKurve(const Stab*, const Stababschnitt* r) { return {r->MA, r->QA, r->ME, r->QE}; }
Kurve QuerkraftKurve(const Stab*, const Stababschnitt* r) { return {r->QA, r->qAnfang, r->QE, r->qEnde}; }
Kurve NormalkraftKurve(const Stab*, const Stababschnitt* r) { return {r->NA, -r->nAnfang, r->NE, -r->nEnde}; }
// The deflection curve in the bar's own axes, the curve DurchbiegungAn
// evaluates: the raw y displacements would put the candidates of a column,
// an inclined bar or a turned support where the deflection has no extremum.
Kurve DurchbiegungKurve(const Stab* s, const Stababschnitt* r) {
    const LokaleVerschiebung v = Lokal(s, r);
    return {v.wA, v.phiA, v.wE, v.phiE};
}
Kurve LaengsKurve(const Stab* s, const Stababschnitt* r) {
    return {r->Verschiebungen[0], Dehnung(s, r->NA), r->Verschiebungen[3], Dehnung(s, r->NE)};
}

using StabExtremum = double (*)(const Stab*, double*);

double SystemExtremum(Kette staebe, Stab** stab, double* position, StabExtremum extremum, bool maximum) {
    if (stab) *stab = nullptr;
    if (position) *position = -1.0;
    if (KeAnzahl(staebe) == 0) return 0.0;
    Stab* bester = static_cast<Stab*>(staebe->next->element);
    double stelle;
    double ergebnis = extremum(bester, &stelle);
    for (Stab* s : Elemente<Stab>(staebe)) {
        double p;
        const double v = extremum(s, &p);
        const double rundung = GLEICH_RELATIV * std::max(std::fabs(v), std::fabs(ergebnis));
        if ((maximum ? v > ergebnis : v < ergebnis) && std::fabs(v - ergebnis) > rundung) {
            ergebnis = v;
            stelle = p;
            bester = s;
        }
    }
    if (stab) *stab = bester;
    if (position) *position = stelle;
    return ergebnis;
}

}  // namespace

double AbschnittWert(const Stab* stab, const Stababschnitt* r, Schnittgroesse g, double xi) {
    if (!r) return 0.0;
    switch (g) {
    case Schnittgroesse::Normalkraft: return NormalkraftIn(stab, r, xi);
    case Schnittgroesse::Querkraft: return QuerkraftIn(stab, r, xi);
    case Schnittgroesse::Moment: return MomentIn(stab, r, xi);
    case Schnittgroesse::Durchbiegung: return stab ? DurchbiegungIn(stab, r, xi) : 0.0;
    case Schnittgroesse::Laengsverschiebung: return stab ? LaengsverschiebungIn(stab, r, xi) : 0.0;
    }
    return 0.0;
}

void AbschnittStuetzwerte(const Stab* stab, const Stababschnitt* r, Schnittgroesse g, int anzahl, double* werte) {
    for (int i = 0; i < anzahl; ++i)
        werte[i] = AbschnittWert(stab, r, g, anzahl == 1 ? -1.0 : -1.0 + i * 2.0 / (anzahl - 1));
}

bool AbschnittVerformung(const Stababschnitt* r, double xi, double* u, double* v, double* phi) {
    if (!r || !AbschnittExakt(r)) return false;
    ExakteVerformung(r, xi, u, v, phi);
    return true;
}

double MomentAn(const Stab* stab, double t) { return WertAn(stab, t, MomentIn); }
double NormalkraftAn(const Stab* stab, double t) { return WertAn(stab, t, NormalkraftIn); }
double QuerkraftAn(const Stab* stab, double t) { return WertAn(stab, t, QuerkraftIn); }
double DurchbiegungAn(const Stab* stab, double t) { return WertAn(stab, t, DurchbiegungIn); }
double LaengsverschiebungAn(const Stab* stab, double t) { return WertAn(stab, t, LaengsverschiebungIn); }

double MaxMoment(const Stab* s, double* p) { return Extremum(s, p, MomentIn, MomentKurve, Schnittgroesse::Moment, -1e10, true); }
double MinMoment(const Stab* s, double* p) { return Extremum(s, p, MomentIn, MomentKurve, Schnittgroesse::Moment, 1e10, false); }
double MaxQuerkraft(const Stab* s, double* p) { return Extremum(s, p, QuerkraftIn, QuerkraftKurve, Schnittgroesse::Querkraft, -1e10, true); }
double MinQuerkraft(const Stab* s, double* p) { return Extremum(s, p, QuerkraftIn, QuerkraftKurve, Schnittgroesse::Querkraft, 1e10, false); }
double MaxNormalkraft(const Stab* s, double* p) {
    return Extremum(s, p, NormalkraftIn, NormalkraftKurve, Schnittgroesse::Normalkraft, -1e10, true);
}
double MinNormalkraft(const Stab* s, double* p) {
    return Extremum(s, p, NormalkraftIn, NormalkraftKurve, Schnittgroesse::Normalkraft, 1e10, false);
}
double MaxDurchbiegung(const Stab* s, double* p) {
    return Extremum(s, p, DurchbiegungIn, DurchbiegungKurve, Schnittgroesse::Durchbiegung, -1e12, true);
}
double MinDurchbiegung(const Stab* s, double* p) {
    return Extremum(s, p, DurchbiegungIn, DurchbiegungKurve, Schnittgroesse::Durchbiegung, 1e12, false);
}
double MaxLaengsverschiebung(const Stab* s, double* p) {
    return Extremum(s, p, LaengsverschiebungIn, LaengsKurve, Schnittgroesse::Laengsverschiebung, -1e12, true);
}
double MinLaengsverschiebung(const Stab* s, double* p) {
    return Extremum(s, p, LaengsverschiebungIn, LaengsKurve, Schnittgroesse::Laengsverschiebung, 1e12, false);
}

double SystemMaxMoment(Kette k, Stab** s, double* p) { return SystemExtremum(k, s, p, MaxMoment, true); }
double SystemMinMoment(Kette k, Stab** s, double* p) { return SystemExtremum(k, s, p, MinMoment, false); }
double SystemMaxQuerkraft(Kette k, Stab** s, double* p) { return SystemExtremum(k, s, p, MaxQuerkraft, true); }
double SystemMinQuerkraft(Kette k, Stab** s, double* p) { return SystemExtremum(k, s, p, MinQuerkraft, false); }
double SystemMaxNormalkraft(Kette k, Stab** s, double* p) {
    return SystemExtremum(k, s, p, MaxNormalkraft, true);
}
double SystemMinNormalkraft(Kette k, Stab** s, double* p) {
    return SystemExtremum(k, s, p, MinNormalkraft, false);
}

double* Systemgrenzen(Kette staebe) {
    double* g = nullptr;
    for (const Stab* s : Elemente<Stab>(staebe)) {
        for (const Punkt* p : {s->PunktA, s->PunktB}) {
            if (!p) continue;
            if (!g) {
                g = new (std::nothrow) double[4]{p->X, p->X, p->Y, p->Y};
                if (!g) return nullptr;
                continue;
            }
            if (p->X < g[0]) g[0] = p->X;
            if (p->X > g[1]) g[1] = p->X;
            if (p->Y < g[2]) g[2] = p->Y;
            if (p->Y > g[3]) g[3] = p->Y;
        }
    }
    return g;
}
