// Result functions on the result records of a bar: interpolation, lookup at
// cuts, extrema per bar and over the System, the bounding box.
#include <cmath>

#include "analysis/ergebnisse.h"
#include "aufbau.h"
#include "core/programm.h"
#include "core/systemoperationen.h"

namespace {

TEST(Hermite, EndwerteUndSteigungen) {
    const double f0 = 1.5, s0 = -2, f1 = 4, s1 = 3, l = 2.5;
    EXPECT_EQ(HermiteWert(f0, s0, f1, s1, l, -1.0), f0);
    EXPECT_EQ(HermiteWert(f0, s0, f1, s1, l, 1.0), f1);
    // slope per unit length at the ends: d/dxi = h * d/dx
    const double h = 1e-6, halbe = l / 2;
    EXPECT_NEAR((HermiteWert(f0, s0, f1, s1, l, -1 + h) - f0) / h / halbe, s0, 1e-4);
    EXPECT_NEAR((f1 - HermiteWert(f0, s0, f1, s1, l, 1 - h)) / h / halbe, s1, 1e-4);
    double* werte = HermiteStuetzwerte(f0, s0, f1, s1, l, 11);
    ASSERT_NE(werte, nullptr);
    for (int i = 0; i < 11; ++i) EXPECT_DOUBLE_EQ(werte[i], HermiteWert(f0, s0, f1, s1, l, -1 + i * 0.2));
    delete[] werte;
    EXPECT_EQ(HermiteStuetzwerte(f0, s0, f1, s1, l, 0), nullptr);
    werte = HermiteStuetzwerte(f0, s0, f1, s1, l, 1);
    EXPECT_EQ(werte[0], f0);
    delete[] werte;
}

TEST(Hermite, Extremstellen) {
    // parabola M = 20 - 5 x^2 on [-2, 2]: slopes +20 / -20, maximum in the middle
    double* x = HermiteExtremstellen(0, 20, 0, -20, 4);
    ASSERT_NE(x, nullptr);
    EXPECT_NEAR(x[0], 0.0, 1e-12);
    EXPECT_NEAR(x[1], 0.0, 1e-12);
    delete[] x;
    // straight line: equal slopes, no interior candidate
    EXPECT_EQ(HermiteExtremstellen(0, 1, 2, 1, 2), nullptr);
    // a cubic with two turning points: the derivative vanishes at both
    x = HermiteExtremstellen(0, 1, 0, 0.5, 2);
    ASSERT_NE(x, nullptr);
    EXPECT_NE(x[0], x[1]);
    for (int i = 0; i < 2; ++i) {
        const double d = 1e-6;
        EXPECT_NEAR((HermiteWert(0, 1, 0, 0.5, 2, x[i] + d) - HermiteWert(0, 1, 0, 0.5, 2, x[i] - d)) / (2 * d), 0,
                    1e-8);
    }
    delete[] x;
}

// The turning points of p on [-1, 1] by sampling, to check the candidates
// against.
double SteigungBei(double f0, double s0, double f1, double s1, double l, double xi) {
    const double d = 1e-6;
    return (HermiteWert(f0, s0, f1, s1, l, xi + d) - HermiteWert(f0, s0, f1, s1, l, xi - d)) / (2 * d);
}

TEST(Hermite, ExtremstellenBeiEntartetenKoeffizienten) {
    // symmetric cubic 1.5 xi - 1.5 xi^3: no xi^2 term, turning points at +-1/sqrt(3)
    double* x = HermiteExtremstellen(0, -3, 0, -3, 2);
    ASSERT_NE(x, nullptr);
    EXPECT_NEAR(std::max(x[0], x[1]), 1 / std::sqrt(3.0), 1e-12);
    EXPECT_NEAR(std::min(x[0], x[1]), -1 / std::sqrt(3.0), 1e-12);
    delete[] x;
    // the same shapes a billion times smaller (a deflection): the same places
    for (double skala : {1.0, 1e-9, 1e-14}) {
        const double f0 = 0.3 * skala, s0 = 1.1 * skala, f1 = -0.2 * skala, s1 = 0.7 * skala;
        x = HermiteExtremstellen(f0, s0, f1, s1, 3);
        ASSERT_NE(x, nullptr) << skala;
        for (int i = 0; i < 2; ++i) EXPECT_NEAR(SteigungBei(f0, s0, f1, s1, 3, x[i]) / skala, 0, 1e-6) << skala;
        delete[] x;
    }
    // a parabola with a tiny cubic part: the root near the parabola's vertex
    // is found accurately, the other lies far outside
    x = HermiteExtremstellen(0, 20 + 1e-9, 0, -20, 4);
    ASSERT_NE(x, nullptr);
    EXPECT_NEAR(std::fabs(x[0]) < std::fabs(x[1]) ? x[0] : x[1], 0.0, 1e-9);
    delete[] x;
    // constant: nothing; a straight line (equal slopes, equal rise): nothing
    EXPECT_EQ(HermiteExtremstellen(5, 0, 5, 0, 2), nullptr);
    EXPECT_EQ(HermiteExtremstellen(0, 1, 2, 1, 2), nullptr);
    EXPECT_EQ(HermiteExtremstellen(1e-300, 0, 1e-300, 0, 2), nullptr);
}

class Resultate : public Analyse {};

TEST_F(Resultate, OhneErgebnisseNullUndMinusEins) {
    Stab* s = StabZwischen(P(0, 0), P(4, 0));
    double stelle = 7;
    EXPECT_EQ(MomentAn(s, 0.5), 0.0);
    EXPECT_EQ(LaengsverschiebungAn(s, 0.5), 0.0);
    EXPECT_EQ(MaxMoment(s, &stelle), 0.0);
    EXPECT_EQ(stelle, -1.0);
    EXPECT_EQ(MinLaengsverschiebung(s, &stelle), 0.0);
    EXPECT_EQ(stelle, -1.0);
    Stab* welcher = s;
    EXPECT_EQ(SystemMaxMoment(nullptr, &welcher, &stelle), 0.0);
    EXPECT_EQ(welcher, nullptr);
    EXPECT_EQ(Systemgrenzen(nullptr), nullptr);
}

TEST_F(Resultate, KragarmMitZweiTeilen) {
    Stab* s = StabZwischen(P(0, 0), P(3, 0));
    for (int r = 0; r < 3; ++r) Festhalten(s->Freiheitsgrade[r]);
    Kraft(Lastfall_(), s, 1.0, 10, 0);
    sys->Stabteilungen = 2;
    ASSERT_TRUE(Rechnen());
    double stelle;
    EXPECT_NEAR(MinMoment(s, &stelle), -30, 1e-9);
    EXPECT_EQ(stelle, 0.0);
    EXPECT_NEAR(MaxMoment(s, &stelle), 0.0, 1e-9);
    EXPECT_EQ(stelle, 1.0);
    EXPECT_NEAR(MomentAn(s, 0.5), -15, 1e-9);
    // the first record of the chain holds 0.5 at its end
    const Stababschnitt* erster = static_cast<Stababschnitt*>(s->Ergebnisse->next->element);
    EXPECT_EQ(erster->tEnde, 0.5);
    EXPECT_DOUBLE_EQ(MomentAn(s, 0.5), erster->ME);
    // constant shear: no interior candidates; the extremum sits at an end
    EXPECT_NEAR(MaxQuerkraft(s, &stelle), 10, 1e-9);
    EXPECT_EQ(stelle, 0.0);
    EXPECT_NEAR(MaxDurchbiegung(s, &stelle), 10 * 27 / (3 * E * Iz), 1e-12);
    EXPECT_EQ(stelle, 1.0);
    EXPECT_EQ(MomentAn(s, 1.5), 0.0);  // outside the bar
}

TEST_F(Resultate, LaengsverschiebungUndNormalkraft) {
    Stab* s = StabZwischen(P(0, 0), P(0, 2));  // upwards
    for (int r = 0; r < 3; ++r) Festhalten(s->Freiheitsgrade[r]);
    Strecke(Lastfall_(), s, 0, 1, 3, 3, 3.14159265358979 / 2, KOORD_LOKAL);  // 3 kN/m along the bar
    sys->Stabteilungen = 1;
    ASSERT_TRUE(Rechnen());
    double stelle;
    // the load pulls the column upwards: N = 3 (2 - x), tension, largest at the base
    EXPECT_NEAR(MaxNormalkraft(s, &stelle), 6, 1e-9);
    EXPECT_EQ(stelle, 0.0);
    EXPECT_NEAR(NormalkraftAn(s, 0.5), 3, 1e-9);
    EXPECT_NEAR(MinNormalkraft(s, &stelle), 0, 1e-9);
    const double ende = 6 / (E * A);  // lengthening of the column
    EXPECT_NEAR(LaengsverschiebungAn(s, 1.0), ende, 1e-15);
    EXPECT_NEAR(MaxLaengsverschiebung(s, &stelle), ende, 1e-15);
    EXPECT_EQ(stelle, 1.0);
    // without its material the slope is taken as 0 and nothing divides by 0
    s->Material = 99;
    const double ohne = MaxLaengsverschiebung(s, &stelle);
    EXPECT_TRUE(std::isfinite(ohne));
    EXPECT_NEAR(ohne, ende, 1e-15);
}

TEST_F(Resultate, DurchbiegungsextremumInStabachsen) {
    // A column on hinges under a horizontal load whose top is pushed down
    // by a settlement: the ends move along the bar, the deflection has its
    // peak in the middle.  The search must follow the deflection across the
    // bar, not the vertical displacements of its ends.
    const double q = 10, l = 4;
    Stab* s = StabZwischen(P(0, 0), P(0, l));
    Festhalten(s->Freiheitsgrade[FG_AX]);
    Festhalten(s->Freiheitsgrade[FG_AY]);
    Festhalten(s->Freiheitsgrade[FG_BX]);
    Festhalten(s->Freiheitsgrade[FG_BY], -0.01);
    Strecke(Lastfall_(), s, 0, 1, q, q, 3.14159265358979 / 2);  // along +x
    sys->Stabteilungen = 1;
    ASSERT_TRUE(Rechnen());
    double stelle = -5;
    // one element: the cubic through the end rotations q l^3 / (24 E Iz);
    // the rounded right angle of the column lets a trace of the settlement
    // into the deflection
    const double mitte = q * l * l * l * l / (96 * E * Iz);
    EXPECT_NEAR(DurchbiegungAn(s, 0.5), mitte, 1e-10);
    EXPECT_NEAR(MaxDurchbiegung(s, &stelle), mitte, 1e-10);
    EXPECT_NEAR(stelle, 0.5, 1e-6);
    EXPECT_NEAR(MinDurchbiegung(s, &stelle), 0.0, 1e-10);
    // the column shortens by the settlement, evenly along its length
    EXPECT_NEAR(MinLaengsverschiebung(s, &stelle), -0.01, 1e-12);
    EXPECT_EQ(stelle, 1.0);
}

TEST_F(Resultate, GleichstandBleibtAmErstenOrt) {
    // constant normal force: every place is a maximum and a minimum; the
    // first one stays, whatever the round-off of the single values
    Stab* s = StabZwischen(P(0, 0), P(3.7, 1.3));
    for (int r = 0; r < 3; ++r) Festhalten(s->Freiheitsgrade[r]);
    Kraft(Lastfall_(), s, 1.0, 15, 0.3, KOORD_LOKAL);
    sys->Stabteilungen = 7;
    ASSERT_TRUE(Rechnen());
    double stelle = -5;
    const double n = MaxNormalkraft(s, &stelle);
    EXPECT_NEAR(n, 15 * std::sin(0.3), 1e-9);  // pulls the tip outwards
    EXPECT_EQ(stelle, 0.0);
    EXPECT_NEAR(MinNormalkraft(s, &stelle), n, 1e-9);
    EXPECT_EQ(stelle, 0.0);
    EXPECT_NEAR(MaxQuerkraft(s, &stelle), 15 * std::cos(0.3), 1e-9);
    EXPECT_EQ(stelle, 0.0);
}

TEST_F(Resultate, SystemextremaUndGrenzen) {
    Stab* a = StabZwischen(P(0, 0), P(4, 0));
    Stab* b = StabZwischen(P(10, -2), P(16, -2));
    for (Stab* s : {a, b}) {
        Festhalten(s->Freiheitsgrade[FG_AX]);
        Festhalten(s->Freiheitsgrade[FG_AY]);
        Festhalten(s->Freiheitsgrade[FG_BY]);
    }
    Lastfall* lf = Lastfall_();
    Strecke(lf, a, 0, 1, 10, 10, 0);
    Strecke(lf, b, 0, 1, 10, 10, 0);
    ASSERT_TRUE(Rechnen());
    Stab* welcher = nullptr;
    double stelle;
    EXPECT_NEAR(SystemMaxMoment(sys->Staebe, &welcher, &stelle), 45, 1e-9);
    EXPECT_EQ(welcher, b);
    EXPECT_NEAR(stelle, 0.5, 1e-9);
    EXPECT_NEAR(SystemMaxQuerkraft(sys->Staebe, &welcher, &stelle), 30, 1e-9);
    EXPECT_EQ(welcher, b);
    EXPECT_NEAR(SystemMinQuerkraft(sys->Staebe, &welcher, &stelle), -30, 1e-9);
    EXPECT_NEAR(SystemMinMoment(sys->Staebe, &welcher, &stelle), 0, 1e-9);
    // ties keep the first bar of the chain (the newest)
    ErgebnisseLoeschen(a);
    ErgebnisseLoeschen(b);
    EXPECT_EQ(SystemMaxNormalkraft(sys->Staebe, &welcher, &stelle), 0.0);
    EXPECT_EQ(welcher, b);
    EXPECT_EQ(stelle, -1.0);
    double* g = Systemgrenzen(sys->Staebe);
    ASSERT_NE(g, nullptr);
    EXPECT_EQ(g[0], 0);
    EXPECT_EQ(g[1], 16);
    EXPECT_EQ(g[2], -2);
    EXPECT_EQ(g[3], 0);
    delete[] g;
}

}  // namespace
