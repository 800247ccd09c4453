#include "analysis/ergebnisse.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <new>

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
    const double h = L / 2;
    const double g = h * s0, k = h * s1;
    const double a2 = (3 * f0 + 3 * g - 3 * f1 + 3 * k) / 4;
    const double a1 = (2 * k - 2 * g) / 4;
    const double a0 = (3 * f1 - 3 * f0 - g - k) / 4;
    if (-1e-10 < a1 && a1 < 1e-10) return nullptr;
    double* stellen = nullptr;
    if (-1e-10 < a2 && a2 < 1e-10) {
        stellen = new (std::nothrow) double[2];
        if (stellen) stellen[0] = stellen[1] = -a0 / a1;
        return stellen;
    }
    const double d = a1 * a1 - 4 * a2 * a0;
    if (d < 0) return nullptr;
    stellen = new (std::nothrow) double[2];
    if (stellen) {
        stellen[0] = (std::sqrt(d) - a1) / (2 * a2);
        stellen[1] = (-a1 - std::sqrt(d)) / (2 * a2);
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

using Wertfunktion = double (*)(const Stab*, double);
struct Kurve {
    double f0, s0, f1, s1;
};
using Kurvenfunktion = Kurve (*)(const Stab*, const Stababschnitt*);

double Extremum(const Stab* stab, double* position, Wertfunktion wert, Kurvenfunktion kurve, double start,
                bool maximum) {
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
    auto pruefen = [&](double t) {
        const double v = wert(stab, t);
        if ((maximum ? v > ergebnis : v < ergebnis) && (ergebnis == start || std::fabs(v - ergebnis) > rundung)) {
            ergebnis = v;
            stelle = t;
        }
    };
    for (const Stababschnitt* r : Elemente<Stababschnitt>(stab->Ergebnisse)) {
        const Kurve c = kurve(stab, r);
        double* kandidaten = HermiteExtremstellen(c.f0, c.s0, c.f1, c.s1, r->Laenge);
        pruefen(r->tAnfang);
        pruefen(r->tEnde);
        if (kandidaten) {
            for (int i = 0; i < 2; ++i) {
                const double xi = kandidaten[i];
                if (xi >= -1.0 && xi <= 1.0) pruefen(((1 - xi) * r->tAnfang + (1 + xi) * r->tEnde) / 2);
            }
            delete[] kandidaten;
        }
    }
    if (position) *position = stelle;
    return ergebnis;
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

double MomentAn(const Stab* stab, double t) {
    double xi;
    const Stababschnitt* r = AbschnittBei(stab, t, &xi);
    return r ? HermiteWert(r->MA, r->QA, r->ME, r->QE, r->Laenge, xi) : 0.0;
}

double NormalkraftAn(const Stab* stab, double t) {
    double xi;
    const Stababschnitt* r = AbschnittBei(stab, t, &xi);
    return r ? HermiteWert(r->NA, -r->nAnfang, r->NE, -r->nEnde, r->Laenge, xi) : 0.0;
}

double QuerkraftAn(const Stab* stab, double t) {
    double xi;
    const Stababschnitt* r = AbschnittBei(stab, t, &xi);
    return r ? HermiteWert(r->QA, r->qAnfang, r->QE, r->qEnde, r->Laenge, xi) : 0.0;
}

double DurchbiegungAn(const Stab* stab, double t) {
    double xi;
    const Stababschnitt* r = AbschnittBei(stab, t, &xi);
    if (!r) return 0.0;
    const LokaleVerschiebung v = Lokal(stab, r);
    return -HermiteWert(v.wA, v.phiA, v.wE, v.phiE, r->Laenge, xi);
}

double LaengsverschiebungAn(const Stab* stab, double t) {
    double xi;
    const Stababschnitt* r = AbschnittBei(stab, t, &xi);
    if (!r) return 0.0;
    const LokaleVerschiebung v = Lokal(stab, r);
    return ((1 - xi) * v.uA + (1 + xi) * v.uE) / 2;
}

double MaxMoment(const Stab* s, double* p) { return Extremum(s, p, MomentAn, MomentKurve, -1e10, true); }
double MinMoment(const Stab* s, double* p) { return Extremum(s, p, MomentAn, MomentKurve, 1e10, false); }
double MaxQuerkraft(const Stab* s, double* p) { return Extremum(s, p, QuerkraftAn, QuerkraftKurve, -1e10, true); }
double MinQuerkraft(const Stab* s, double* p) { return Extremum(s, p, QuerkraftAn, QuerkraftKurve, 1e10, false); }
double MaxNormalkraft(const Stab* s, double* p) {
    return Extremum(s, p, NormalkraftAn, NormalkraftKurve, -1e10, true);
}
double MinNormalkraft(const Stab* s, double* p) {
    return Extremum(s, p, NormalkraftAn, NormalkraftKurve, 1e10, false);
}
double MaxDurchbiegung(const Stab* s, double* p) {
    return Extremum(s, p, DurchbiegungAn, DurchbiegungKurve, -1e12, true);
}
double MinDurchbiegung(const Stab* s, double* p) {
    return Extremum(s, p, DurchbiegungAn, DurchbiegungKurve, 1e12, false);
}
double MaxLaengsverschiebung(const Stab* s, double* p) {
    return Extremum(s, p, LaengsverschiebungAn, LaengsKurve, -1e12, true);
}
double MinLaengsverschiebung(const Stab* s, double* p) {
    return Extremum(s, p, LaengsverschiebungAn, LaengsKurve, 1e12, false);
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
