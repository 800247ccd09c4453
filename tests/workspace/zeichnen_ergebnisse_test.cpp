// Internal-force diagrams, deflected shape and their labels.
#include "core/latin1.h"
#include "zeichentestsystem.h"

#include <cmath>
#include <cstdlib>

namespace {

// Simply supported beam of 4 m under 10 kN/m downwards: M = 20 at midspan.
void Einfeldtraeger(Stababschnitt* r) {
    r->QA = 20;
    r->QE = -20;
    r->qAnfang = r->qEnde = -10;
}

}  // namespace

class Ergebnisse : public Zeichentest {
protected:
    void SetUp() override {
        Zeichentest::SetUp();
        stab = Stab_(0, 0, 4, 0);
    }
    Stab* stab = nullptr;
};

TEST_F(Ergebnisse, MomentenparabelZehnPixelUnterDemStab) {
    Einfeldtraeger(Abschnitt(stab));
    SchnittkraefteZeichnen(maler, ansicht, *sys, MOMENT, false);
    auto z = maler.Nur(Malart::Linienzug);
    ASSERT_EQ(z.size(), 1u);
    ASSERT_EQ(z[0].Punkte.size(), 11u);
    EXPECT_EQ(z[0].Punkte[0].x, 400);
    EXPECT_EQ(z[0].Punkte[0].y, 300);
    EXPECT_EQ(z[0].Punkte[5].x, 500);
    EXPECT_EQ(z[0].Punkte[5].y, 310);  // 0.2 m below the bar at 50 px/m
    EXPECT_EQ(z[0].Punkte[10].x, 600);
    EXPECT_EQ(z[0].Punkte[10].y, 300);
    EXPECT_TRUE(z[0].Zustand.IstRolle(ROLLE_MOMENT));
    EXPECT_EQ(z[0].Zustand.Breite, 0);
    // Eleven hatch lines from the bar to the curve.
    auto l = maler.Nur(Malart::Strecke);
    ASSERT_EQ(l.size(), 11u);
    EXPECT_EQ(W(l[5]), (std::vector<int>{500, 300, 500, 310}));
}

TEST_F(Ergebnisse, MomentBeschriftungEndenMaximumMinimum) {
    Einfeldtraeger(Abschnitt(stab));
    SchnittkraefteZeichnen(maler, ansicht, *sys, MOMENT, true);
    auto t = maler.Nur(Malart::Text);
    // the minimum lies at an end: its label is that of the end, drawn once
    ASSERT_EQ(t.size(), 3u);
    EXPECT_EQ(t[0].Inhalt, "0.00");
    EXPECT_EQ(W(t[0]), (std::vector<int>{430, 270}));
    EXPECT_EQ(t[1].Inhalt, "0.00");
    EXPECT_EQ(W(t[1]), (std::vector<int>{630, 270}));
    EXPECT_EQ(t[2].Inhalt, "20.00");
    EXPECT_EQ(W(t[2]), (std::vector<int>{530, 280}));
    auto l = maler.Nur(Malart::Strecke);
    EXPECT_EQ(W(l.back()), (std::vector<int>{500, 310, 530, 280}));
}

TEST_F(Ergebnisse, ZugkraftLinksDerStabrichtung) {
    Stab* rueck = Stab_(4, -2, 0, -2);
    // A bar without results, added before the results (a new bar would
    // make them outdated).
    Stab_(0, 5, 4, 5);
    Stababschnitt* zug = Abschnitt(stab);
    zug->NA = zug->NE = 10;
    Stababschnitt* r = Abschnitt(rueck);
    r->NA = r->NE = 10;
    SchnittkraefteZeichnen(maler, ansicht, *sys, NORMALKRAFT, false);
    auto z = maler.Nur(Malart::Linienzug);
    ASSERT_EQ(z.size(), 2u);
    // The reversed bar (newest, first) has its diagram below, the other above.
    EXPECT_EQ(z[0].Punkte[5].y, 400 + 5);
    EXPECT_EQ(z[1].Punkte[5].y, 300 - 5);
    EXPECT_TRUE(z[0].Zustand.IstRolle(ROLLE_NORMALKRAFT));
    // Shear uses its own colour, and a bar without results draws nothing.
    maler.Leeren();
    SchnittkraefteZeichnen(maler, ansicht, *sys, QUERKRAFT, true);
    EXPECT_EQ(maler.Nur(Malart::Linienzug).size(), 2u);
    EXPECT_TRUE(maler.Nur(Malart::Linienzug)[0].Zustand.IstRolle(ROLLE_QUERKRAFT));
}

TEST_F(Ergebnisse, FalscheArtWirdGemeldet) {
    Abschnitt(stab);
    SchnittkraefteZeichnen(maler, ansicht, *sys, 3, false);
    SchnittkraftlinieZeichnen(maler, ansicht, *static_cast<Stababschnitt*>(stab->Ergebnisse->next->element), -1);
    EXPECT_EQ(bericht.Fehler, "falsche Übergabeparameter !\nfalsche Übergabeparameter !\n"_l1);
    EXPECT_TRUE(maler.Aufrufe.empty());
}

TEST_F(Ergebnisse, RiesigeOrdinatenWerdenBeschnittenNichtUmgebrochen) {
    Stababschnitt* r = Abschnitt(stab);
    r->MA = r->ME = -1e9;  // positive ordinates: far above the bar
    SchnittkraefteZeichnen(maler, ansicht, *sys, MOMENT, true);
    EXPECT_TRUE(maler.Nur(Malart::Linienzug).empty());
    auto l = maler.Nur(Malart::Strecke);
    ASSERT_FALSE(l.empty());
    for (const Malaufruf& a : l) {
        for (int w : a.Werte) EXPECT_LE(std::abs(w), 30000) << a.Beschreibung();
        // Hatch lines go up from the bar; a wrapped value would come back positive.
        EXPECT_LE(a.Werte[3], 300) << a.Beschreibung();
    }
    // The labels lie off the drawable range and are left out.
    EXPECT_TRUE(maler.Nur(Malart::Text).empty());
}

TEST_F(Ergebnisse, BiegelinieUndIhreBeschriftung) {
    Stababschnitt* r = Abschnitt(stab);
    const double d[6] = {0.001, -0.01, 0, 0.001, -0.01, 0};  // a pure shift
    for (int i = 0; i < 6; ++i) r->Verschiebungen[i] = d[i];
    VerschiebungenZeichnen(maler, ansicht, *sys, true);
    auto z = maler.Nur(Malart::Linienzug);
    ASSERT_EQ(z.size(), 1u);
    ASSERT_EQ(z[0].Punkte.size(), 5u);
    // Magnified 20 times: 1 px right, 10 px down.
    EXPECT_EQ(z[0].Punkte[0].x, 401);
    EXPECT_EQ(z[0].Punkte[0].y, 310);
    EXPECT_EQ(z[0].Punkte[4].x, 601);
    EXPECT_EQ(z[0].Zustand.Breite, 3);
    EXPECT_TRUE(z[0].Zustand.IstRolle(ROLLE_VERSCHIEBUNG));

    auto t = maler.Nur(Malart::Text);
    ASSERT_EQ(t.size(), 4u);  // the extremes lie at the ends: no second label
    EXPECT_EQ(t[0].Inhalt, "w:0.0100");
    EXPECT_EQ(W(t[0]), (std::vector<int>{431, 280}));
    EXPECT_EQ(t[1].Inhalt, "u:0.0010");
    EXPECT_EQ(W(t[1]), (std::vector<int>{431, 265}));
    EXPECT_EQ(W(t[2]), (std::vector<int>{531, 280}));  // end B: 70 px to the left
    EXPECT_EQ(t[2].Zustand.Breite, 0);

    // Magnification 0: the shape lies on the undeformed axis.
    maler.Leeren();
    ansicht.Verschiebungsmassstab = 0;
    VerschiebungenZeichnen(maler, ansicht, *sys, false);
    z = maler.Nur(Malart::Linienzug);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(z[0].Punkte[i].x, 400 + 50 * i);
        EXPECT_EQ(z[0].Punkte[i].y, 300);
    }
}

TEST_F(Ergebnisse, InneresExtremumDerDurchbiegungBeschriftet) {
    Stababschnitt* r = Abschnitt(stab);
    // Sagging with end rotations: the largest deflection lies at midspan.
    r->Verschiebungen[2] = -0.004;
    r->Verschiebungen[5] = 0.004;
    VerschiebungenZeichnen(maler, ansicht, *sys, true);
    auto t = maler.Nur(Malart::Text);
    ASSERT_EQ(t.size(), 6u);
    EXPECT_EQ(t[4].Inhalt, "w:0.0040");
    EXPECT_EQ(t[4].Werte[0], 500 + 30);
}

// A record of a second-order run draws the solution of its exact element,
// not an interpolation of its end values (here all zero): the beam-column
// on two supports under 10 kN/m and 4000 kN compression, midspan moment
// q/k^2 (sec(kL/2) - 1), midspan deflection q/(EI k^4) (sec(kL/2) - 1 - (kL/2)^2/2).
TEST_F(Ergebnisse, ExakterAbschnittZeigtDieLoesungSeinesElements) {
    const double EI = 21000.0, P = 4000.0, q = 10.0, L = 4.0, k = std::sqrt(P / EI), u = k * L / 2;
    Stababschnitt* r = Abschnitt(stab);
    r->Exakt = 1;
    Stababschnitt::ExaktesElement& e = r->Exaktes;
    e.Laenge = e.Ende = L;
    e.EA = 2.1e6;
    e.EI = EI;
    e.N0 = -P;
    e.qAnfang = e.qEnde = -q;
    const double phi = q / (EI * k * k * k) * (std::tan(u) - u);
    e.Lokal[2] = -phi;
    e.Lokal[5] = phi;
    const double moment = q / (k * k) * (1 / std::cos(u) - 1);
    const double durchbiegung = q / (EI * k * k * k * k) * (1 / std::cos(u) - 1 - u * u / 2);

    SchnittkraefteZeichnen(maler, ansicht, *sys, MOMENT, false);
    auto z = maler.Nur(Malart::Linienzug);
    ASSERT_EQ(z.size(), 1u);
    EXPECT_NEAR(z[0].Punkte[5].y, 300 + 0.5 * moment, 1.0);  // 0.5 px per kNm, on the tension side
    EXPECT_EQ(z[0].Punkte[0].y, 300);

    maler.Leeren();
    ansicht.Verschiebungsmassstab = 1000;
    VerschiebungenZeichnen(maler, ansicht, *sys, false);
    z = maler.Nur(Malart::Linienzug);
    ASSERT_EQ(z.size(), 1u);
    EXPECT_NEAR(z[0].Punkte[2].y, 300 + 50 * 1000 * durchbiegung, 1.0);
    EXPECT_EQ(z[0].Punkte[2].x, 500);
}
