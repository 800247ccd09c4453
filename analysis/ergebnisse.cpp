#include "analysis/ergebnisse.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <new>
#include <vector>

#include "analysis/drehung.h"
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

namespace {

// The zeros of the derivative, without allocating: false when there are none.
bool Extremstellen(double f0, double s0, double f1, double s1, double L, double stellen[2]) {
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
    if (!(groesste > 0.0) || !std::isfinite(groesste)) return false;  // constant (or no number)
    const double vernachlaessigbar = 1e-12 * groesste;
    if (std::fabs(a2) <= vernachlaessigbar) {
        // A quadratic (or a straight line): at most one turning point.
        if (std::fabs(a1) <= vernachlaessigbar) return false;
        stellen[0] = stellen[1] = -a0 / a1;
        return true;
    }
    const double d = a1 * a1 - 4 * a2 * a0;
    if (d < 0) return false;
    // The root that does not subtract nearly equal numbers first, the
    // other from the product of the roots, a0 / a2.
    const double q = -0.5 * (a1 + std::copysign(std::sqrt(d), a1));
    stellen[0] = q / a2;
    stellen[1] = q != 0.0 ? a0 / q : stellen[0];
    return true;
}

}  // namespace

double* HermiteExtremstellen(double f0, double s0, double f1, double s1, double L) {
    double x[2];
    if (!Extremstellen(f0, s0, f1, s1, L, x)) return nullptr;
    double* stellen = new (std::nothrow) double[2];
    if (stellen) {
        stellen[0] = x[0];
        stellen[1] = x[1];
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
    const Drehung a = DrehungZu(stab->Winkel - r->WinkelA);
    const Drehung e = DrehungZu(stab->Winkel - r->WinkelE);
    return {a.c * d[0] + a.s * d[1], -a.s * d[0] + a.c * d[1], d[2],
            e.c * d[3] + e.s * d[4], -e.s * d[3] + e.c * d[4], d[5]};
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

// Maximum and minimum in one search: they share every value computed.
// `grenze` is the start value (the maximum starts at -grenze).  Records of
// an exact element (second-order theory) have their extremum places from
// the exact solution; the others are cubic between their ends.
StabExtremwerte Extrema(const Stab* stab, Abschnittwert wert, Kurvenfunktion kurve, Schnittgroesse g,
                        double grenze) {
    if (!HatErgebnisse(stab)) return {0.0, -1.0, 0.0, -1.0};
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
    StabExtremwerte e{-grenze, 0.0, grenze, 0.0};
    auto pruefen = [&](const Stababschnitt* r, double xi, double t) {
        const double v = wert(stab, r, xi);
        if (v > e.Max && (e.Max == -grenze || std::fabs(v - e.Max) > rundung)) {
            e.Max = v;
            e.MaxStelle = t;
        }
        if (v < e.Min && (e.Min == grenze || std::fabs(v - e.Min) > rundung)) {
            e.Min = v;
            e.MinStelle = t;
        }
    };
    for (const Stababschnitt* r : Elemente<Stababschnitt>(stab->Ergebnisse)) {
        pruefen(r, -1.0, r->tAnfang);
        pruefen(r, 1.0, r->tEnde);
        if (AbschnittExakt(r)) {
            for (double xi : ExakteExtremstellen(r, g))
                pruefen(r, xi, ((1 - xi) * r->tAnfang + (1 + xi) * r->tEnde) / 2);
            continue;
        }
        const Kurve c = kurve(stab, r);
        double kandidaten[2];
        if (Extremstellen(c.f0, c.s0, c.f1, c.s1, r->Laenge, kandidaten)) {
            for (int i = 0; i < 2; ++i) {
                const double xi = kandidaten[i];
                if (xi >= -1.0 && xi <= 1.0) pruefen(r, xi, ((1 - xi) * r->tAnfang + (1 + xi) * r->tEnde) / 2);
            }
        }
    }
    return e;
}

double Maximum(const StabExtremwerte& e, double* position) {
    if (position) *position = e.MaxStelle;
    return e.Max;
}
double Minimum(const StabExtremwerte& e, double* position) {
    if (position) *position = e.MinStelle;
    return e.Min;
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
    if (KeLeer(staebe)) return 0.0;
    std::vector<Stab*> kette;
    std::vector<double> werte, stellen;
    for (Stab* s : Elemente<Stab>(staebe)) {
        double p;
        kette.push_back(s);
        werte.push_back(extremum(s, &p));
        stellen.push_back(p);
    }
    const std::size_t bester = SystemExtremumWaehlen(werte.data(), werte.size(), maximum);
    if (stab) *stab = kette[bester];
    if (position) *position = stellen[bester];
    return werte[bester];
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

Wertspanne SpanneAn(const Stab* stab, Schnittgroesse g, double t) {
    Wertspanne w;
    if (!stab) return w;
    for (const Stababschnitt* r : Elemente<Stababschnitt>(stab->Ergebnisse)) {
        if (!(r->tAnfang <= t && t <= r->tEnde)) continue;
        const double halbe = (r->tEnde - r->tAnfang) / 2;
        const double xi = halbe != 0.0 ? (t - (r->tAnfang + r->tEnde) / 2) / halbe : 0.0;
        const double v = AbschnittWert(stab, r, g, xi);
        if (!w.Gefunden || v < w.Min) w.Min = v;
        if (!w.Gefunden || v > w.Max) w.Max = v;
        w.Gefunden = true;
    }
    return w;
}

StabExtremwerte MomentExtrema(const Stab* s) { return Extrema(s, MomentIn, MomentKurve, Schnittgroesse::Moment, 1e10); }
StabExtremwerte QuerkraftExtrema(const Stab* s) { return Extrema(s, QuerkraftIn, QuerkraftKurve, Schnittgroesse::Querkraft, 1e10); }
StabExtremwerte NormalkraftExtrema(const Stab* s) { return Extrema(s, NormalkraftIn, NormalkraftKurve, Schnittgroesse::Normalkraft, 1e10); }
StabExtremwerte DurchbiegungExtrema(const Stab* s) { return Extrema(s, DurchbiegungIn, DurchbiegungKurve, Schnittgroesse::Durchbiegung, 1e12); }
StabExtremwerte LaengsverschiebungExtrema(const Stab* s) {
    return Extrema(s, LaengsverschiebungIn, LaengsKurve, Schnittgroesse::Laengsverschiebung, 1e12);
}

double MaxMoment(const Stab* s, double* p) { return Maximum(MomentExtrema(s), p); }
double MinMoment(const Stab* s, double* p) { return Minimum(MomentExtrema(s), p); }
double MaxQuerkraft(const Stab* s, double* p) { return Maximum(QuerkraftExtrema(s), p); }
double MinQuerkraft(const Stab* s, double* p) { return Minimum(QuerkraftExtrema(s), p); }
double MaxNormalkraft(const Stab* s, double* p) { return Maximum(NormalkraftExtrema(s), p); }
double MinNormalkraft(const Stab* s, double* p) { return Minimum(NormalkraftExtrema(s), p); }
double MaxDurchbiegung(const Stab* s, double* p) { return Maximum(DurchbiegungExtrema(s), p); }
double MinDurchbiegung(const Stab* s, double* p) { return Minimum(DurchbiegungExtrema(s), p); }
double MaxLaengsverschiebung(const Stab* s, double* p) { return Maximum(LaengsverschiebungExtrema(s), p); }
double MinLaengsverschiebung(const Stab* s, double* p) { return Minimum(LaengsverschiebungExtrema(s), p); }

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

std::size_t SystemExtremumWaehlen(const double* werte, std::size_t anzahl, bool maximum) {
    std::size_t bester = 0;
    double ergebnis = werte[0];
    for (std::size_t i = 0; i < anzahl; ++i) {
        const double v = werte[i];
        const double rundung = GLEICH_RELATIV * std::max(std::fabs(v), std::fabs(ergebnis));
        if ((maximum ? v > ergebnis : v < ergebnis) && std::fabs(v - ergebnis) > rundung) {
            ergebnis = v;
            bester = i;
        }
    }
    return bester;
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
