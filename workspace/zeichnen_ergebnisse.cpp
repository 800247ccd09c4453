// Result diagrams: normal force, shear force and moment along every bar,
// the magnified deflected shape, and the values at ends and extremes.
#include "analysis/ergebnisse.h"
#include "core/bericht.h"
#include "core/latin1.h"
#include "output/ankerpunkte.h"
#include "workspace/zeichnen_intern.h"

#include <cmath>
#include <cstdio>

namespace {

bool HatErgebnisse(const Stab* s) {
    return StabHatPunkte(s) && s->Ergebnisse && s->Ergebnisse->next != s->Ergebnisse;
}

Farbrolle FarbeDerArt(int art) {
    return art == NORMALKRAFT ? ROLLE_NORMALKRAFT : art == QUERKRAFT ? ROLLE_QUERKRAFT : ROLLE_MOMENT;
}

// Leader line from the pixel of world point p by (30 - dx, -30), text at its
// end, or wherever the plan moves the text.
void Beschriftung(Maler& maler, Beschriftungsplan& plan, const Ansicht& a, double x, double y, double dx,
                  const char* text, const char* text2 = nullptr) {
    const double px = BildXT(a, x), py = BildYT(a, y);
    BeschriftungSetzen(maler, plan, px + 30.0 - dx, py - 30.0, text, true, px, py, text2);
}

}  // namespace

void SchnittkraftlinieZeichnen(Maler& maler, const Ansicht& a, const Stababschnitt& r, int art) {
    double exakt[11];
    double* v;
    if (r.Exakt && art >= NORMALKRAFT && art <= MOMENT) {
        // Values of the exact solution; the moment drawn on the tension side.
        const Schnittgroesse g = art == NORMALKRAFT ? Schnittgroesse::Normalkraft
                                 : art == QUERKRAFT ? Schnittgroesse::Querkraft
                                                    : Schnittgroesse::Moment;
        AbschnittStuetzwerte(nullptr, &r, g, 11, exakt);
        if (art == MOMENT)
            for (double& w : exakt) w = -w;
        v = exakt;
    } else {
        switch (art) {
        case NORMALKRAFT: v = HermiteStuetzwerte(r.NA, -r.nAnfang, r.NE, -r.nEnde, r.Laenge, 11); break;
        case QUERKRAFT: v = HermiteStuetzwerte(r.QA, r.qAnfang, r.QE, r.qEnde, r.Laenge, 11); break;
        case MOMENT: v = HermiteStuetzwerte(-r.MA, -r.QA, -r.ME, -r.QE, r.Laenge, 11); break;
        default:
            FehlerAusgeben("%s", "falsche Übergabeparameter !\n"_l1);
            return;
        }
        if (!v) return;
    }
    const double K = a.Schnittkraftmassstab;
    const double nx = -std::sin(r.Winkel), ny = std::cos(r.Winkel);  // left of the element
    double ox[11], oy[11];
    double xi = -1.0;
    for (int i = 0; i < 11; ++i) {
        const double bx = ((1.0 - xi) * r.xA + (1.0 + xi) * r.xB) / 2.0;
        const double by = ((1.0 - xi) * r.yA + (1.0 + xi) * r.yB) / 2.0;
        ox[i] = BildXT(a, bx + K * v[i] * nx);
        oy[i] = BildYT(a, by + K * v[i] * ny);
        StreckeZeichnen(maler, BildXT(a, bx), BildYT(a, by), ox[i], oy[i]);
        xi += 0.2;
    }
    if (v != exakt) delete[] v;
    LinienzugZeichnen(maler, ox, oy, 11);
}

void SchnittkraefteBeschriften(Maler& maler, const Ansicht& a, const Stab& stab, int art, Beschriftungsplan* plan) {
    using Wertfunktion = double (*)(const Stab*, double);
    using Extremfunktion = double (*)(const Stab*, double*);
    Wertfunktion wert;
    Extremfunktion max, min;
    switch (art) {
    case NORMALKRAFT: wert = NormalkraftAn; max = MaxNormalkraft; min = MinNormalkraft; break;
    case QUERKRAFT: wert = QuerkraftAn; max = MaxQuerkraft; min = MinQuerkraft; break;
    case MOMENT: wert = MomentAn; max = MaxMoment; min = MinMoment; break;
    default: return;
    }
    const double K = a.Schnittkraftmassstab;
    const double nx = -std::sin(stab.Winkel), ny = std::cos(stab.Winkel);
    Beschriftungsplan eigener;  // the labels of this call alone
    Beschriftungsplan& beschriftungen = plan ? *plan : eigener;
    auto beschriften = [&](double v, double t) {
        char text[64];
        std::snprintf(text, sizeof text, "%.2f", v);
        // Moments lie on the tension side, opposite to the other forces.
        const double o = K * (art == MOMENT ? -v : v);
        const Weltpunkt b = StabpunktAn(&stab, t);
        Beschriftung(maler, beschriftungen, a, b.X + o * nx, b.Y + o * ny, 0.0, text);
    };
    for (double t = 0.0; t <= 1.0; t += 1.0) beschriften(wert(&stab, t), t);
    double t;
    double v = max(&stab, &t);
    beschriften(v, t);
    v = min(&stab, &t);
    beschriften(v, t);
}

void SchnittkraefteZeichnen(Maler& maler, const Ansicht& a, const System& system, int art, bool beschriften,
                            Beschriftungsplan* plan) {
    if (art < NORMALKRAFT || art > MOMENT) {
        FehlerAusgeben("%s", "falsche Übergabeparameter !\n"_l1);
        return;
    }
    maler.Farbe(FarbeDerArt(art));
    maler.Linie(0, Linienart::Durchgezogen, Linienende::Stumpf);
    Beschriftungsplan eigener;  // the labels of this call alone
    Beschriftungsplan& beschriftungen = plan ? *plan : eigener;
    for (Stab* s : Elemente<Stab>(system.Staebe)) {
        if (!HatErgebnisse(s)) continue;
        for (Stababschnitt* r : Elemente<Stababschnitt>(s->Ergebnisse)) SchnittkraftlinieZeichnen(maler, a, *r, art);
        if (beschriften) SchnittkraefteBeschriften(maler, a, *s, art, &beschriftungen);
    }
}

void BiegelinieZeichnen(Maler& maler, const Ansicht& a, const Stababschnitt& r) {
    const double D = a.Verschiebungsmassstab;
    const double* d = r.Verschiebungen;
    const double alpha = r.Winkel;
    const double ca = std::cos(alpha - r.WinkelA), sa = std::sin(alpha - r.WinkelA);
    const double ce = std::cos(alpha - r.WinkelE), se = std::sin(alpha - r.WinkelE);
    const double uA = D * (ca * d[0] + sa * d[1]), wA = D * (-sa * d[0] + ca * d[1]);
    const double uE = D * (ce * d[3] + se * d[4]), wE = D * (-se * d[3] + ce * d[4]);
    const double phiA = D * d[2], phiE = D * d[5];
    double px[5], py[5];
    for (int i = 0; i < 5; ++i) {
        const double xi = -1.0 + 0.5 * i;
        double x = ((1.0 - xi) * uA + (1.0 + xi) * (r.Laenge + uE)) / 2.0;
        double y = HermiteWert(wA, phiA, wE, phiE, r.Laenge, xi);
        double u, v;
        if (AbschnittVerformung(&r, xi, &u, &v)) {
            x = (1.0 + xi) / 2.0 * r.Laenge + D * u;
            y = D * v;
        }
        px[i] = BildXT(a, r.xA + std::cos(alpha) * x - std::sin(alpha) * y);
        py[i] = BildYT(a, r.yA + std::sin(alpha) * x + std::cos(alpha) * y);
    }
    LinienzugZeichnen(maler, px, py, 5);
}

void VerschiebungenBeschriften(Maler& maler, const Ansicht& a, const Stab& stab, Beschriftungsplan* plan) {
    const double D = a.Verschiebungsmassstab;
    const double c = std::cos(stab.Winkel), s = std::sin(stab.Winkel);
    Beschriftungsplan eigener;  // the labels of this call alone
    Beschriftungsplan& beschriftungen = plan ? *plan : eigener;
    auto beschriften = [&](double w, double t, double versatz) {
        const double u = LaengsverschiebungAn(&stab, t);
        char tw[64], tu[64];
        std::snprintf(tw, sizeof tw, "w:%.4f", w);
        std::snprintf(tu, sizeof tu, "u:%.4f", u);
        const Weltpunkt b = StabpunktAn(&stab, t);
        Beschriftung(maler, beschriftungen, a, b.X + D * (u * c + w * s), b.Y + D * (u * s - w * c), versatz, tw, tu);
    };
    // The end B label goes 70 pixels left of its point, that of A 30 right.
    for (double t = 0.0; t <= 1.0; t += 1.0) beschriften(DurchbiegungAn(&stab, t), t, 100.0 * t);
    // Interior extremes only: the ends are labelled already.
    double t;
    double w = MaxDurchbiegung(&stab, &t);
    if (t > 1e-10 && t < 0.9999999999) beschriften(w, t, 0.0);
    w = MinDurchbiegung(&stab, &t);
    if (t > 1e-10 && t < 0.9999999999) beschriften(w, t, 0.0);
}

void VerschiebungenZeichnen(Maler& maler, const Ansicht& a, const System& system, bool beschriften,
                            Beschriftungsplan* plan) {
    maler.Farbe(ROLLE_VERSCHIEBUNG);
    Beschriftungsplan eigener;  // the labels of this call alone
    Beschriftungsplan& beschriftungen = plan ? *plan : eigener;
    for (Stab* s : Elemente<Stab>(system.Staebe)) {
        if (!HatErgebnisse(s)) continue;
        maler.Linie(3, Linienart::Durchgezogen, Linienende::Stumpf);
        for (Stababschnitt* r : Elemente<Stababschnitt>(s->Ergebnisse)) BiegelinieZeichnen(maler, a, *r);
        if (beschriften) {
            maler.Linie(0, Linienart::Durchgezogen, Linienende::Stumpf);
            VerschiebungenBeschriften(maler, a, *s, &beschriftungen);
        }
    }
}
