// Extrema at jumps: a point load makes Q and N jump, a point moment M; the
// larger side is the extremum, reported at the position of the jump,
// whichever record a lookup by position would see there.
#include <cmath>

#include "analysis/ergebnisse.h"
#include "aufbau.h"

namespace {

class Extrema : public Analyse {
protected:
    void Einspannen(Stab* s) {
        for (int r = 0; r < 3; ++r) Festhalten(s->Freiheitsgrade[r]);
    }
};

TEST_F(Extrema, KragarmMitMomentImFeld) {
    // Clamped at x = 0, tip load P down, moment M0 (counter-clockwise) at x = a:
    // M = M0 - P (L - x) left of a, -P (L - x) right of it.
    const double l = 4, p = 10, m0 = 30, a = 0.5;
    Stab* s = StabZwischen(P(0, 0), P(l, 0));
    Einspannen(s);
    Lastfall* lf = Lastfall_();
    Kraft(lf, s, 1.0, p, 0.0);
    Kraft(lf, s, a, m0, 0.0, KOORD_GLOBAL, ART_MOMENT);
    for (long teilungen : {1L, 2L, 3L}) {
        sys->Stabteilungen = teilungen;
        ASSERT_TRUE(Rechnen());
        double stelle = -5;
        EXPECT_NEAR(MaxMoment(s, &stelle), m0 - p * l * (1 - a), 1e-9) << teilungen;  // 10, left of the jump
        EXPECT_DOUBLE_EQ(stelle, a);
        EXPECT_NEAR(MinMoment(s, &stelle), -p * l * (1 - a), 1e-9) << teilungen;  // -20, right of it
        EXPECT_DOUBLE_EQ(stelle, a);
        EXPECT_NEAR(MomentAn(s, 0.0), m0 - p * l, 1e-9);
    }
}

TEST_F(Extrema, QuerkraftExtremumLinksVomSprung) {
    // Simple beam, 6 m, lifted by 4 kN/m, a force of 30 kN down and 10 kN
    // along +x at midspan.  Q = 3 + 4 x up to the load, then 15 lower; the
    // pin takes the 10 kN, so N = 10 left of the load and 0 right of it.
    const double l = 6, q = 4, quer = 30, laengs = 10;
    Stab* s = StabZwischen(P(0, 0), P(l, 0));
    Festhalten(s->Freiheitsgrade[FG_AX]);
    Festhalten(s->Freiheitsgrade[FG_AY]);
    Festhalten(s->Freiheitsgrade[FG_BY]);
    Lastfall* lf = Lastfall_();
    Strecke(lf, s, 0, 1, -q, -q, 0.0);
    Kraft(lf, s, 0.5, std::hypot(quer, laengs), std::atan2(laengs, quer));
    for (long teilungen : {1L, 2L, 5L}) {
        sys->Stabteilungen = teilungen;
        ASSERT_TRUE(Rechnen());
        double stelle = -5;
        EXPECT_NEAR(MaxQuerkraft(s, &stelle), 15, 1e-9) << teilungen;
        EXPECT_DOUBLE_EQ(stelle, 0.5);
        EXPECT_NEAR(MinQuerkraft(s, &stelle), -15, 1e-9) << teilungen;
        EXPECT_DOUBLE_EQ(stelle, 0.5);
        EXPECT_NEAR(MaxNormalkraft(s, &stelle), laengs, 1e-9);
        EXPECT_NEAR(MinNormalkraft(s, &stelle), 0, 1e-9);
        // the moment has a kink there, no jump: 3 * 3 + 4 * 9 / 2 = 27
        EXPECT_NEAR(MaxMoment(s, &stelle), 27, 1e-9);
        EXPECT_DOUBLE_EQ(stelle, 0.5);
    }
}

TEST_F(Extrema, GelenktraegerMitMomentAmGelenk) {
    // A cantilever 0..4 carries a hinged span 4..8 on a roller.  The span has
    // 10 kN/m and a moment of 20 kNm (counter-clockwise) at its quarter
    // point: the hinge takes 20 + 20/4 = 25 kN.  The moment of the span
    // rises to 25 - 5 = 20 kNm just before the load and drops to 0 after it.
    const double q = 10, m = 20;
    Stab* krag = StabZwischen(P(0, 0), P(4, 0));
    Einspannen(krag);
    Stab* feld = StabZwischen(krag->PunktB, P(8, 0), {krag->Freiheitsgrade[3], krag->Freiheitsgrade[4]});
    Festhalten(feld->Freiheitsgrade[FG_BY]);
    Lastfall* lf = Lastfall_();
    Strecke(lf, feld, 0, 1, q, q, 0.0);
    Kraft(lf, feld, 0.25, m, 0.0, KOORD_GLOBAL, ART_MOMENT);
    ASSERT_TRUE(Rechnen());
    double stelle = -5;
    EXPECT_NEAR(MaxMoment(feld, &stelle), 20, 1e-9);
    EXPECT_DOUBLE_EQ(stelle, 0.25);
    // after the jump the parabola peaks at 11.25 and ends at 0 on the roller
    EXPECT_NEAR(MomentAn(feld, 2.5 / 4), 11.25, 1e-9);
    EXPECT_NEAR(MomentAn(feld, 1.0), 0, 1e-9);
    EXPECT_NEAR(MinMoment(feld, &stelle), 0, 1e-9);
    // the hinge passes no moment; the cantilever carries 25 kN at its tip
    EXPECT_NEAR(MomentAn(krag, 1.0), 0, 1e-9);
    EXPECT_NEAR(MinMoment(krag, &stelle), -100, 1e-9);
    EXPECT_EQ(stelle, 0.0);
    Stab* welcher = nullptr;
    EXPECT_NEAR(SystemMaxMoment(sys->Staebe, &welcher, &stelle), 20, 1e-9);
    EXPECT_EQ(welcher, feld);
    EXPECT_DOUBLE_EQ(stelle, 0.25);
    EXPECT_NEAR(SystemMaxQuerkraft(sys->Staebe, &welcher, &stelle), 25, 1e-9);
}

}  // namespace
