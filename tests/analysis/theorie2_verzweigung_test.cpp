// The critical load factor: the search on its own, and on columns and a
// portal frame of exact elements against their closed forms.
#include <gtest/gtest.h>

#include <cmath>

#include "analysis/theorie2/verzweigung.h"
#include "theorie2_aufbau.h"

namespace {

constexpr double PI = 3.14159265358979323846;
constexpr double EI = 2.1e4, P = 100.0;

StabdatenII Stuetze(double L) {
    StabdatenII d;
    d.Laenge = L;
    d.EA = 2.1e6;
    d.EI = EI;
    return d;
}

Verzweigungsoptionen Fein() {
    Verzweigungsoptionen o;
    o.Genauigkeit = 1e-10;
    return o;
}

// The search alone: a structure that buckles at 3.7, probed with and without
// a Kennwert, from below and from above; none, and unstable without load.
TEST(Verzweigungssuche, KlammertUndVerengt) {
    const double krit = 3.7;
    int ohneKennwert = 0;
    for (bool kennwert : {true, false})
        for (double start : {1.0, 100.0}) {
            auto probe = [&](double l) {
                Verzweigungsprobe p;
                p.Eigenwerte = l > krit ? 1 : 0;
                if (kennwert) p.Kennwert = (krit - l) * (1 + 0.3 * l);  // not linear
                return p;
            };
            Verzweigungsoptionen o;
            o.Startwert = start;
            const Verzweigungsergebnis e = VerzweigungslastfaktorSuchen(probe, o);
            ASSERT_EQ(e.Status, Verzweigungsstatus::Gefunden);
            EXPECT_LE(std::fabs(e.Faktor - krit), 0.5e-6 * krit);
            if (kennwert)
                EXPECT_LE(e.Auswertungen, 12) << start;
            else
                ohneKennwert = e.Auswertungen;
        }
    EXPECT_GE(ohneKennwert, 20);  // plain bisection from a bracket [12.5, 25] down to 1e-6

    auto stabil = [](double) { return Verzweigungsprobe{}; };
    EXPECT_EQ(VerzweigungslastfaktorSuchen(stabil).Status, Verzweigungsstatus::KeineVerzweigung);
    auto instabil = [](double) {
        Verzweigungsprobe p;
        p.Eigenwerte = 1;
        return p;
    };
    EXPECT_EQ(VerzweigungslastfaktorSuchen(instabil).Status, Verzweigungsstatus::SchonInstabil);

    // a factorisation that fails exactly on the probe is repeated beside it
    int fehlversuche = 0;
    auto singulaer = [&](double l) {
        Verzweigungsprobe p;
        if (l == 1.0 || l == 1.0 + 1e-9) {
            ++fehlversuche;
            p.Zerlegt = false;
            return p;
        }
        p.Eigenwerte = l > krit ? 1 : 0;
        return p;
    };
    const Verzweigungsergebnis e = VerzweigungslastfaktorSuchen(singulaer);
    EXPECT_EQ(e.Status, Verzweigungsstatus::Gefunden);
    EXPECT_EQ(fehlversuche, 2);
    EXPECT_LE(std::fabs(e.Faktor - krit), 0.5e-6 * krit);
    auto immerSingulaer = [](double) {
        Verzweigungsprobe p;
        p.Zerlegt = false;
        return p;
    };
    EXPECT_EQ(VerzweigungslastfaktorSuchen(immerSingulaer).Status, Verzweigungsstatus::Fehlgeschlagen);
}

// Columns of length L under P: cantilever pi^2 EI/(4 L^2 P), pinned
// pi^2 EI/(L^2 P), fixed-fixed 4 pi^2 EI/(L^2 P), in one element and in
// three.  The fixed-fixed column of one element has no free bending
// degree of freedom: only the element's own count finds it.
TEST(Verzweigungslastfaktor, Stuetzen) {
    const double L = 5.0, a = PI * PI * EI / (L * L * P);
    enum Lagerung { Krag, Gelenk, Eingespannt };
    for (Lagerung art : {Krag, Gelenk, Eingespannt})
        for (int teile : {1, 3}) {
            // vertical column, nodes 0 (foot) .. teile (head); the free
            // degrees of freedom numbered in turn, the held ones -1
            auto gehalten = [&](int knoten, int richtung) {
                if (knoten == 0) return richtung < 2 || art != Gelenk;
                if (knoten < teile) return false;
                return (art != Krag && richtung == 0) || (art == Eingespannt && richtung == 2);
            };
            std::vector<int> nummer;
            int frei = 0;
            for (int k = 0; k <= teile; ++k)
                for (int r = 0; r < 3; ++r) nummer.push_back(gehalten(k, r) ? -1 : frei++);
            auto fg = [&](int k, int r) { return nummer[3 * k + r]; };
            Kleintragwerk t(frei);
            for (int i = 0; i < teile; ++i)
                t.Stab(Stuetze(L / teile), PI / 2,
                       {fg(i, 0), fg(i, 1), fg(i, 2), fg(i + 1, 0), fg(i + 1, 1), fg(i + 1, 2)});
            const std::vector<Normalkraftverlauf> nI(static_cast<std::size_t>(teile), Normalkraftverlauf{-P, 0.0, 0.0});
            const double soll = art == Krag ? a / 4 : art == Gelenk ? a : 4 * a;
            const Verzweigungsergebnis e = VerzweigungslastfaktorSuchen(t.Test(nI), Fein());
            ASSERT_EQ(e.Status, Verzweigungsstatus::Gefunden) << art << " " << teile;
            EXPECT_NEAR(e.Faktor, soll, 1e-9 * soll) << art << " " << teile;
            const Verzweigungsergebnis grob = VerzweigungslastfaktorSuchen(t.Test(nI));
            EXPECT_NEAR(grob.Faktor, soll, 0.5e-6 * soll);
        }
}

// The count of buckling loads below lambda for a pinned column of one
// element: n^2 pi^2 EI/L^2, n = 1, 2, ..., the higher ones with modes
// inside the element.
TEST(Verzweigungslastfaktor, ZaehltAuchEigenformenImElement) {
    const double L = 4.0, a = PI * PI * EI / (L * L * P);
    Kleintragwerk t(3);  // phi at the foot; v and phi at the head
    t.Stab(Stuetze(L), 0.0, {-1, -1, 0, 1, -1, 2});
    Verzweigungstest probe = t.Test({{-P, 0.0, 0.0}}, false);
    for (double c : {0.5, 1.5, 3.9, 4.1, 8.9, 9.1, 15.9, 16.1, 24.9, 25.1, 35.9, 36.1}) {
        const Verzweigungsprobe p = probe(c * a);
        ASSERT_TRUE(p.Zerlegt);
        EXPECT_EQ(p.Eigenwerte, static_cast<long>(std::sqrt(c))) << c;
    }
}

// Portal frame with pinned feet, loads P on both column heads: the sway mode
// k h tan(k h) = 6 EI_R h / (EI_S b) (columns axially rigid: the heads are
// held vertically).
TEST(Verzweigungslastfaktor, Rahmen) {
    const double h = 4.0, b = 6.0, eiRiegel = 2 * EI;
    // unknowns: phi foot 1; ux, phi head 1; ux, phi head 2; phi foot 2
    Kleintragwerk t(6);
    t.Stab(Stuetze(h), PI / 2, {-1, -1, 0, 1, -1, 2});
    StabdatenII riegel = Stuetze(b);
    riegel.EI = eiRiegel;
    t.Stab(riegel, 0.0, {1, -1, 2, 3, -1, 4});
    t.Stab(Stuetze(h), PI / 2, {-1, -1, 5, 3, -1, 4});
    const double rechts = 6 * eiRiegel * h / (EI * b);
    double unten = 0.0, oben = PI / 2;
    while (oben - unten > 1e-15) {
        const double m = 0.5 * (unten + oben);
        (m * std::tan(m) < rechts ? unten : oben) = m;
    }
    const double kh = 0.5 * (unten + oben), soll = kh * kh * EI / (h * h * P);
    const Verzweigungsergebnis e =
        VerzweigungslastfaktorSuchen(t.Test({{-P, 0, 0}, {0, 0, 0}, {-P, 0, 0}}), Fein());
    ASSERT_EQ(e.Status, Verzweigungsstatus::Gefunden);
    EXPECT_NEAR(e.Faktor, soll, 1e-9 * soll);
}

}  // namespace
