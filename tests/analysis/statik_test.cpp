// Closed-form cases of beam and frame statics computed end to end.
#include <cmath>

#include "analysis/ergebnisse.h"
#include "aufbau.h"

namespace {

constexpr double PI = 3.14159265358979323846;

class Statik : public Analyse {
protected:
    double EI() const { return E * Iz; }
    // Simple beam from (0,0) to (l,0): pin at the start, roller at the end.
    Stab* Einfeldtraeger(double l) {
        Stab* s = StabZwischen(P(0, 0), P(l, 0));
        Festhalten(s->Freiheitsgrade[FG_AX]);
        Festhalten(s->Freiheitsgrade[FG_AY]);
        Festhalten(s->Freiheitsgrade[FG_BY]);
        return s;
    }
    void Einspannen(Stab* s, int ende) {
        for (int r = 0; r < 3; ++r) Festhalten(s->Freiheitsgrade[3 * ende + r]);
    }
    void GleichgewichtPruefen() {
        const Kraeftebilanz b = Gleichgewicht(M());
        const double bezug = std::max(1.0, b.Betrag);
        EXPECT_LT(std::fabs(b.Fx) / bezug, 1e-9);
        EXPECT_LT(std::fabs(b.Fy) / bezug, 1e-9);
        EXPECT_LT(std::fabs(b.M) / bezug, 1e-9);
    }
};

TEST_F(Statik, EinfeldtraegerUnterGleichlast) {
    Stab* s = Einfeldtraeger(4.0);
    Strecke(Lastfall_(), s, 0.0, 1.0, 10.0, 10.0, 0.0);
    for (long teilungen : {1L, 2L, 5L}) {
        sys->Stabteilungen = teilungen;
        ASSERT_TRUE(Rechnen()) << teilungen;
        double stelle;
        EXPECT_NEAR(MaxMoment(s, &stelle), 20.0, 1e-9);
        EXPECT_NEAR(stelle, 0.5, 1e-9);
        EXPECT_NEAR(MomentAn(s, 0.25), 10 * 1.0 * 3.0 / 2, 1e-9);  // q x (L - x) / 2
        EXPECT_NEAR(QuerkraftAn(s, 0.0), 20.0, 1e-9);
        EXPECT_NEAR(QuerkraftAn(s, 1.0), -20.0, 1e-9);
        EXPECT_NEAR(MinMoment(s, &stelle), 0.0, 1e-9);
        EXPECT_TRUE(stelle == 0.0 || stelle == 1.0);
        // Inside an element the deflection is the cubic through the end
        // values; it is exact where a node lies.
        if (teilungen == 1) {
            EXPECT_NEAR(DurchbiegungAn(s, 0.5), 10 * 64 / (24 * EI()), 1e-12);
        } else if (teilungen == 2) {
            EXPECT_NEAR(DurchbiegungAn(s, 0.5), 5 * 10 * 256 / (384 * EI()), 1e-12);
        }
        EXPECT_NEAR(s->Freiheitsgrade[FG_AY]->Reaktion, 20.0, 1e-9);
        EXPECT_NEAR(s->Freiheitsgrade[FG_BY]->Reaktion, 20.0, 1e-9);
        EXPECT_NEAR(s->Freiheitsgrade[FG_AR]->Wert, -10 * 64 / (24 * EI()), 1e-12);
        GleichgewichtPruefen();
    }
}

TEST_F(Statik, KragarmMitEndlast) {
    const double l = 3.0, p = 10.0;
    Stab* s = StabZwischen(P(0, 0), P(l, 0));
    Einspannen(s, 0);
    Kraft(Lastfall_(), s, 1.0, p, 0.0);
    ASSERT_TRUE(Rechnen());
    EXPECT_NEAR(s->Freiheitsgrade[FG_BY]->Wert, -p * l * l * l / (3 * EI()), 1e-12);
    EXPECT_NEAR(s->Freiheitsgrade[FG_BR]->Wert, -p * l * l / (2 * EI()), 1e-12);
    double stelle;
    EXPECT_NEAR(MinMoment(s, &stelle), -p * l, 1e-9);
    EXPECT_EQ(stelle, 0.0);
    EXPECT_NEAR(QuerkraftAn(s, 0.3), p, 1e-9);
    EXPECT_NEAR(s->Freiheitsgrade[FG_AY]->Reaktion, p, 1e-9);
    EXPECT_NEAR(s->Freiheitsgrade[FG_AR]->Reaktion, p * l, 1e-9);
    EXPECT_NEAR(DurchbiegungAn(s, 1.0), p * l * l * l / (3 * EI()), 1e-12);
    GleichgewichtPruefen();
}

TEST_F(Statik, BeidseitigEingespannterTraeger) {
    const double l = 6.0, q = 10.0;
    Stab* s = StabZwischen(P(0, 0), P(l, 0));
    Einspannen(s, 0);
    Einspannen(s, 1);
    Strecke(Lastfall_(), s, 0.0, 1.0, q, q, 0.0);
    ASSERT_TRUE(Rechnen());
    EXPECT_NEAR(MomentAn(s, 0.0), -q * l * l / 12, 1e-9);
    EXPECT_NEAR(MomentAn(s, 1.0), -q * l * l / 12, 1e-9);
    double stelle;
    EXPECT_NEAR(MaxMoment(s, &stelle), q * l * l / 24, 1e-9);
    EXPECT_NEAR(stelle, 0.5, 1e-9);
    EXPECT_NEAR(DurchbiegungAn(s, 0.5), q * l * l * l * l / (384 * EI()), 1e-12);
    GleichgewichtPruefen();
}

TEST_F(Statik, EinseitigEingespannterTraeger) {
    const double l = 4.0, q = 10.0;
    Stab* s = StabZwischen(P(0, 0), P(l, 0));
    Einspannen(s, 0);
    Festhalten(s->Freiheitsgrade[FG_BY]);
    Strecke(Lastfall_(), s, 0.0, 1.0, q, q, 0.0);
    ASSERT_TRUE(Rechnen());
    EXPECT_NEAR(s->Freiheitsgrade[FG_BY]->Reaktion, 3 * q * l / 8, 1e-9);
    EXPECT_NEAR(s->Freiheitsgrade[FG_AY]->Reaktion, 5 * q * l / 8, 1e-9);
    EXPECT_NEAR(MomentAn(s, 0.0), -q * l * l / 8, 1e-9);
    double stelle;
    EXPECT_NEAR(MaxMoment(s, &stelle), 9 * q * l * l / 128, 1e-9);
    EXPECT_NEAR(stelle, 5.0 / 8, 1e-9);
    GleichgewichtPruefen();
}

TEST_F(Statik, FederGibtNachWieLastDurchSteifigkeit) {
    // Axial spring at the free end of a bar of negligible axial stiffness.
    QuerschnittAnlegen(2, 1e-12, Iz);
    Stab* s = StabZwischen(P(0, 0), P(2, 0));
    s->Querschnitt = 2;
    Einspannen(s, 0);
    Festhalten(s->Freiheitsgrade[FG_BY]);
    Festhalten(s->Freiheitsgrade[FG_BR]);
    const double c = 1000.0, f = 10.0;
    s->Freiheitsgrade[FG_BX]->Feder = c;
    Kraft(Lastfall_(), s, 1.0, f, PI / 2);
    ASSERT_TRUE(Rechnen());
    EXPECT_NEAR(s->Freiheitsgrade[FG_BX]->Wert, f / c, 1e-6 * f / c);
    // With a real bar the spring and the bar act side by side.
    QuerschnittAnlegen(3, A, Iz);
    s->Querschnitt = 3;
    ASSERT_TRUE(Rechnen());
    EXPECT_NEAR(s->Freiheitsgrade[FG_BX]->Wert, f / (c + E * A / 2), 1e-15);
    GleichgewichtPruefen();
}

TEST_F(Statik, GedrehtesLagerUnterDreissigGrad) {
    const double l = 4.0, q = 10.0, beta = 30 * PI / 180;
    Stab* s = Einfeldtraeger(l);
    s->Freiheitsgrade[FG_BX]->Winkel = beta;
    s->Freiheitsgrade[FG_BY]->Winkel = beta;
    Strecke(Lastfall_(), s, 0.0, 1.0, q, q, 0.0);
    ASSERT_TRUE(Rechnen());
    const double rb = q * l / 2 / std::cos(beta);
    EXPECT_NEAR(s->Freiheitsgrade[FG_BY]->Reaktion, rb, 1e-9);
    EXPECT_NEAR(s->Freiheitsgrade[FG_AX]->Reaktion, rb * std::sin(beta), 1e-9);
    EXPECT_NEAR(s->Freiheitsgrade[FG_AY]->Reaktion, q * l / 2, 1e-9);
    EXPECT_NEAR(NormalkraftAn(s, 0.5), -rb * std::sin(beta), 1e-9);
    // The free end moves only along the turned x axis.
    GleichgewichtPruefen();
}

TEST_F(Statik, KraftAufGedrehtemFreiheitsgradWirdZerlegt) {
    const double beta = 30 * PI / 180;
    Stab* s = StabZwischen(P(0, 0), P(2, 0));
    Einspannen(s, 0);
    s->Freiheitsgrade[FG_BX]->Winkel = beta;
    s->Freiheitsgrade[FG_BY]->Winkel = beta;
    Kraft(Lastfall_(), s, 1.0, 10.0, 0.0);  // downwards, global
    ASSERT_TRUE(Rechnen());
    Freiheitsgrad* x = s->Freiheitsgrade[FG_BX];
    Freiheitsgrad* y = s->Freiheitsgrade[FG_BY];
    EXPECT_NEAR(Modell(x)->Last, 10 * std::sin(-beta), 1e-9);
    EXPECT_NEAR(Modell(y)->Last, -10 * std::cos(-beta), 1e-9);
    // Same tip deflection as the unturned cantilever, in global terms.
    const double vGlobal = x->Wert * std::sin(beta) + y->Wert * std::cos(beta);
    EXPECT_NEAR(vGlobal, -10 * 8 / (3 * EI()), 1e-12);
    GleichgewichtPruefen();
}

TEST_F(Statik, Lagersenkung) {
    const double l = 4.0, d = -0.01;
    Stab* s = StabZwischen(P(0, 0), P(l, 0));
    Einspannen(s, 0);
    Einspannen(s, 1);
    s->Freiheitsgrade[FG_BY]->Wert = d;
    ASSERT_TRUE(Rechnen());
    const double v = 12 * EI() * d / (l * l * l), m = 6 * EI() * d / (l * l);
    EXPECT_NEAR(s->Freiheitsgrade[FG_BY]->Reaktion, v, 1e-9);
    EXPECT_NEAR(s->Freiheitsgrade[FG_AY]->Reaktion, -v, 1e-9);
    EXPECT_NEAR(std::fabs(MomentAn(s, 0.0)), std::fabs(m), 1e-9);
    EXPECT_NEAR(MomentAn(s, 0.0), -MomentAn(s, 1.0), 1e-9);
    EXPECT_NEAR(s->Freiheitsgrade[FG_BY]->Wert, d, 0);
    GleichgewichtPruefen();
}

TEST_F(Statik, GelenkInFeldmitte) {
    // Two cantilevers joined by a hinge that carries a point load.
    const double a = 2.0, p = 10.0;
    Stab* links = StabZwischen(P(0, 0), P(a, 0));
    Stab* rechts = StabZwischen(links->PunktB, P(2 * a, 0),
                                {links->Freiheitsgrade[FG_BX], links->Freiheitsgrade[FG_BY]});
    Einspannen(links, 0);
    Einspannen(rechts, 1);
    Kraft(Lastfall_(), links, 1.0, p, 0.0);
    ASSERT_TRUE(Rechnen());
    EXPECT_NEAR(links->Freiheitsgrade[FG_BY]->Wert, -(p / 2) * a * a * a / (3 * EI()), 1e-12);
    EXPECT_NEAR(MomentAn(links, 1.0), 0.0, 1e-9);
    EXPECT_NEAR(MomentAn(rechts, 0.0), 0.0, 1e-9);
    EXPECT_NEAR(MomentAn(links, 0.0), -p / 2 * a, 1e-9);
    EXPECT_NEAR(MomentAn(rechts, 1.0), -p / 2 * a, 1e-9);
    // the two rotations at the hinge are opposite
    EXPECT_NEAR(links->Freiheitsgrade[FG_BR]->Wert, -rechts->Freiheitsgrade[FG_AR]->Wert, 1e-12);
    GleichgewichtPruefen();
}

TEST_F(Statik, ZweistabFachwerk) {
    Punkt* spitze = P(2, 2);
    Stab* links = StabZwischen(P(0, 0), spitze);
    Stab* rechts = StabZwischen(P(4, 0), spitze);
    rechts->Freiheitsgrade[FG_BX] = links->Freiheitsgrade[FG_BX];
    rechts->Freiheitsgrade[FG_BY] = links->Freiheitsgrade[FG_BY];
    for (Stab* s : {links, rechts}) {
        Festhalten(s->Freiheitsgrade[FG_AX]);
        Festhalten(s->Freiheitsgrade[FG_AY]);
    }
    Kraft(Lastfall_(), links, 1.0, 10.0, 0.0);
    ASSERT_TRUE(Rechnen());
    // The bar angles use pi rounded to ten digits; that is all the error.
    const double n = -10 / (2 * std::sin(PI / 4));
    EXPECT_NEAR(NormalkraftAn(links, 0.5), n, 1e-8);
    EXPECT_NEAR(NormalkraftAn(rechts, 0.5), n, 1e-8);
    double stelle;
    EXPECT_NEAR(MaxMoment(links, &stelle), 0.0, 1e-8);
    EXPECT_NEAR(MinMoment(rechts, &stelle), 0.0, 1e-8);
    // shortening of the bars gives the vertical movement of the apex
    const double lStab = std::sqrt(8.0);
    EXPECT_NEAR(links->Freiheitsgrade[FG_BY]->Wert, n * lStab / (E * A) / std::sin(PI / 4), 1e-13);
    GleichgewichtPruefen();
}

TEST_F(Statik, PortalrahmenImGleichgewicht) {
    Punkt *a = P(0, 0), *b = P(0, 4), *c = P(6, 4), *d = P(6, 0);
    Stab* stiel1 = StabZwischen(a, b);
    Stab* riegel = StabAnschliessen(stiel1, c);
    Stab* stiel2 = StabAnschliessen(riegel, d);
    Einspannen(stiel1, 0);
    Einspannen(stiel2, 1);
    Lastfall* lf = Lastfall_();
    Strecke(lf, riegel, 0.0, 1.0, 10.0, 10.0, 0.0);
    Kraft(lf, riegel, 0.0, 10.0, PI / 2);
    Kraft(lf, riegel, 0.3, 5.0, 0.4, KOORD_LOKAL);
    Kraft(lf, stiel1, 0.5, 2.0, 0.0, KOORD_GLOBAL, ART_MOMENT);
    Strecke(lf, stiel2, 0.2, 0.7, 1.0, 3.0, 0.0, KOORD_LOKAL);
    sys->Stabteilungen = 3;
    ASSERT_TRUE(Rechnen());
    const double rx = stiel1->Freiheitsgrade[FG_AX]->Reaktion + stiel2->Freiheitsgrade[FG_BX]->Reaktion;
    const double ry = stiel1->Freiheitsgrade[FG_AY]->Reaktion + stiel2->Freiheitsgrade[FG_BY]->Reaktion;
    // loads: 60 down, 10 along +x, 5 at 0.4 rad from the beam axis
    // (direction (sin, -cos) in beam axes), and 2 kN/m on average over 2 m of the right column
    // pushing across it (local -y of a bar pointing down is -x): 4 kN.
    const double fx = 10 + 5 * std::sin(0.4) - 4.0, fy = -60 - 5 * std::cos(0.4);
    EXPECT_NEAR(rx, -fx, 1e-9);
    EXPECT_NEAR(ry, -fy, 1e-9);
    GleichgewichtPruefen();
}

}  // namespace
