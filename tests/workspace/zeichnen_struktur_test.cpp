// Bars, reference fibres, points, numbers, supports, springs, degrees of
// freedom and support reactions, with exact pixels on the default view
// (origin at (400, 300), 50 px/m).
#include "zeichentestsystem.h"

#include "workspace/beschriftungsplan.h"

#include <cmath>
#include <string>

class Struktur : public Zeichentest {};

TEST_F(Struktur, StaebeUndMarkierung) {
    Stab* s = Stab_(0, 0, 4, 0);
    StaebeZeichnen(maler, ansicht, *sys);
    auto l = maler.Nur(Malart::Strecke);
    ASSERT_EQ(l.size(), 1u);
    EXPECT_EQ(W(l[0]), (std::vector<int>{400, 300, 600, 300}));
    EXPECT_TRUE(l[0].Zustand.IstRolle(ROLLE_STAB));
    EXPECT_EQ(l[0].Zustand.Breite, 3);
    EXPECT_EQ(l[0].Zustand.Art, Linienart::Durchgezogen);

    s->Markiert = 1;
    maler.Leeren();
    StaebeZeichnen(maler, ansicht, *sys);
    l = maler.Nur(Malart::Strecke);
    EXPECT_TRUE(l[0].Zustand.IstRolle(ROLLE_SELEKTIERTER_STAB));
    EXPECT_EQ(l[0].Zustand.Breite, 5);
    // A bar without points (broken data) is passed over.
    StabAnlegen(*sys);
    maler.Leeren();
    StaebeZeichnen(maler, ansicht, *sys);
    EXPECT_EQ(maler.Nur(Malart::Strecke).size(), 1u);
}

TEST_F(Struktur, BezugsfaserRechtsDerStabrichtung) {
    Stab_(0, 0, 4, 0);
    Stab_(0, 0, 0, 2);
    BezugsfaserZeichnen(maler, ansicht, *sys);
    auto l = maler.Nur(Malart::Strecke);
    ASSERT_EQ(l.size(), 2u);
    // The chain runs newest first: the upright bar, its fibre to the right.
    // The upright bar's angle is the rounded pi/2, so 7 cos is a tiny
    // negative number and truncation lands one pixel higher.
    EXPECT_EQ(W(l[0]), (std::vector<int>{407, 299, 407, 199}));
    EXPECT_EQ(W(l[1]), (std::vector<int>{400, 307, 600, 307}));
    EXPECT_EQ(l[0].Zustand.Art, Linienart::Gestrichelt);
    EXPECT_EQ(l[0].Zustand.Breite, 2);
}

TEST_F(Struktur, PunkteUndNummern) {
    Stab* s = Stab_(0, 0, 4, 0);
    Punkt* frei = PunktErzeugen(*sys, -2, 1, -1);  // numbers show without a bar too
    PunkteZeichnen(maler, ansicht, *sys);
    auto r = maler.Nur(Malart::Rechteck);
    ASSERT_EQ(r.size(), 3u);
    EXPECT_EQ(W(r[0]), (std::vector<int>{298, 248, 4, 4}));
    EXPECT_TRUE(r[0].Zustand.IstRolle(ROLLE_PUNKT));

    maler.Leeren();
    PunktnummernZeichnen(maler, ansicht, *sys);
    const Malaufruf* t = maler.TextSuchen(std::to_string(frei->Nummer));
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(W(*t), (std::vector<int>{310, 240}));
    EXPECT_TRUE(t->Zustand.IstRolle(ROLLE_PUNKTNUMMER));
    EXPECT_EQ(t->Zustand.Hintergrund, ROLLE_HINTERGRUND);

    maler.Leeren();
    StabnummernZeichnen(maler, ansicht, *sys);
    t = maler.TextSuchen(std::to_string(s->Nummer));
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(W(*t), (std::vector<int>{510, 290}));
    EXPECT_TRUE(t->Zustand.IstRolle(ROLLE_STABNUMMER));
}

TEST_F(Struktur, LagersymboleUndFarben) {
    Stab* s = Stab_(0, 0, 4, 0);
    s->Freiheitsgrade[FG_AX]->Status = STATUS_PRIMAL;
    s->Freiheitsgrade[FG_AY]->Status = STATUS_PRIMAL;
    s->Freiheitsgrade[FG_AY]->Wert = 0.01;  // prescribed: red
    s->Freiheitsgrade[FG_BR]->Status = STATUS_PRIMAL;
    LagerZeichnen(maler, ansicht, *sys);

    auto b = maler.Nur(Malart::Bogen);
    ASSERT_EQ(b.size(), 4u);
    // x support: pendulum to the right of A, in "Lager".
    EXPECT_EQ(W(b[0]), (std::vector<int>{406, 296, 8, 8, 0, 360 * 64}));
    EXPECT_EQ(W(b[1]), (std::vector<int>{426, 296, 8, 8, 0, 360 * 64}));
    EXPECT_TRUE(b[0].Zustand.IstRolle(ROLLE_LAGER));
    EXPECT_EQ(b[0].Zustand.Breite, 3);
    // y support with a prescribed displacement: upwards, in toolkit red.
    EXPECT_EQ(W(b[2]), (std::vector<int>{396, 286, 8, 8, 0, 360 * 64}));
    EXPECT_EQ(W(b[3]), (std::vector<int>{396, 266, 8, 8, 0, 360 * 64}));
    EXPECT_TRUE(b[2].Zustand.IstToolkit(TOOLKIT_ROT));
    auto l = maler.Nur(Malart::Strecke);
    ASSERT_EQ(l.size(), 2u);
    EXPECT_EQ(W(l[0]), (std::vector<int>{410, 300, 430, 300}));
    EXPECT_EQ(W(l[1]), (std::vector<int>{400, 290, 400, 270}));
    // Clamp at B.
    auto r = maler.Nur(Malart::Rechteck);
    ASSERT_EQ(r.size(), 1u);
    EXPECT_EQ(W(r[0]), (std::vector<int>{594, 294, 12, 12}));
    EXPECT_TRUE(r[0].Zustand.IstRolle(ROLLE_LAGER));
    EXPECT_EQ(maler.Aufrufe.back().Art, Malart::Senden);
}

TEST_F(Struktur, FedernGestricheltGedreht) {
    Stab* s = Stab_(0, 0, 4, 0);
    Freiheitsgrad* f = s->Freiheitsgrade[FG_AX];
    f->Feder = 1000;
    f->Winkel = 0.5;
    s->Freiheitsgrade[FG_BR]->Feder = 10;
    LagerZeichnen(maler, ansicht, *sys);
    auto b = maler.Nur(Malart::Bogen);
    ASSERT_EQ(b.size(), 3u);
    // Centres 10 and 40 pixels along (cos 0.5, -sin 0.5) from A.
    EXPECT_EQ(W(b[0]), (std::vector<int>{402, 289, 12, 12, 0, 360 * 64}));
    EXPECT_EQ(W(b[1]), (std::vector<int>{429, 274, 12, 12, 0, 360 * 64}));
    EXPECT_TRUE(b[0].Zustand.IstRolle(ROLLE_FEDER));
    EXPECT_EQ(b[0].Zustand.Art, Linienart::Gestrichelt);
    // Rotation spring: circle of 30 around B.
    EXPECT_EQ(W(b[2]), (std::vector<int>{585, 285, 30, 30, 0, 360 * 64}));

    // A support with a spring shows both, the spring turned by pi.
    maler.Leeren();
    f->Status = STATUS_PRIMAL;
    f->Winkel = 0.0;
    LagerZeichnen(maler, ansicht, *sys);
    b = maler.Nur(Malart::Bogen);
    ASSERT_EQ(b.size(), 5u);
    EXPECT_EQ(W(b[2]), (std::vector<int>{384, 294, 12, 12, 0, 360 * 64}));
    EXPECT_EQ(W(b[3]), (std::vector<int>{354, 294, 12, 12, 0, 360 * 64}));
    EXPECT_TRUE(b[2].Zustand.IstRolle(ROLLE_LAGER));
}

TEST_F(Struktur, FreiheitsgradeNurAnGelenkenAusserAufWunsch) {
    // Simply supported beam of one bar: nothing by default.
    Stab* s = Stab_(0, 0, 4, 0);
    FreiheitsgradeZeichnen(maler, ansicht, *sys, false);
    EXPECT_TRUE(maler.Nur(Malart::Strecke).empty());
    EXPECT_TRUE(maler.Nur(Malart::Text).empty());

    // Switched on: six arrows and numbers at 15 % and 75 % of the bar.
    s->Freiheitsgrade[FG_AY]->Status = STATUS_PRIMAL;
    s->Freiheitsgrade[FG_BX]->Feder = 5;
    FreiheitsgradeZeichnen(maler, ansicht, *sys, true);
    auto l = maler.Nur(Malart::Strecke);
    ASSERT_EQ(l.size(), 12u);
    EXPECT_EQ(W(l[0]), (std::vector<int>{430, 300, 470, 300}));  // x at A
    EXPECT_EQ(W(l[3]), (std::vector<int>{430, 300, 430, 260}));  // y at A
    EXPECT_EQ(W(l[6]), (std::vector<int>{550, 300, 590, 300}));  // x at B
    EXPECT_TRUE(l[0].Zustand.IstRolle(ROLLE_FG_DUAL));
    EXPECT_EQ(l[0].Zustand.Breite, 2);
    auto b = maler.Nur(Malart::Bogen);
    ASSERT_EQ(b.size(), 2u);
    EXPECT_EQ(W(b[0]), (std::vector<int>{398, 268, 64, 64, 20 * 64, 50 * 64}));
    EXPECT_EQ(W(b[1]), (std::vector<int>{518, 268, 64, 64, 20 * 64, 50 * 64}));

    auto t = maler.Nur(Malart::Text);
    ASSERT_EQ(t.size(), 6u);
    EXPECT_EQ(t[0].Inhalt, std::to_string(s->Freiheitsgrade[FG_AX]->Nummer));
    EXPECT_EQ(W(t[0]), (std::vector<int>{475, 300}));
    EXPECT_TRUE(t[0].Zustand.IstRolle(ROLLE_FG_DUAL));
    EXPECT_EQ(W(t[1]), (std::vector<int>{430, 255}));
    EXPECT_TRUE(t[1].Zustand.IstRolle(ROLLE_FG_PRIMAL));
    EXPECT_EQ(W(t[2]), (std::vector<int>{460, 269}));
    EXPECT_TRUE(t[3].Zustand.IstRolle(ROLLE_FEDER));
}

TEST_F(Struktur, GelenkZeigtPfeileAnBeidenStabenden) {
    Stab* s1 = Stab_(0, 0, 4, 0);
    Stab* s2 = Stab_(s1->PunktB, PunktErzeugen(*sys, 8, 0, -1));
    Biegesteif(s1, 1, s2, 0);
    FreiheitsgradeZeichnen(maler, ansicht, *sys, false);
    EXPECT_TRUE(maler.Nur(Malart::Strecke).empty()) << "rigid joint";

    s2->Freiheitsgrade[FG_AR] = FreiheitsgradAnlegen(*sys, s2, FG_AR);  // own rotation: a hinge
    maler.Leeren();
    FreiheitsgradeZeichnen(maler, ansicht, *sys, false);
    auto b = maler.Nur(Malart::Bogen);
    ASSERT_EQ(b.size(), 2u);
    // s2 first (newest), its end A anchor at 4.6 m; then s1 end B at 3 m.
    EXPECT_EQ(b[0].Werte[0], 630 - 32);
    EXPECT_EQ(b[1].Werte[0], 550 - 32);
    EXPECT_EQ(maler.Nur(Malart::Strecke).size(), 12u);
}

TEST_F(Struktur, UnbekannteRichtungWirdGemeldetUndUebersprungen) {
    Stab* s = Stab_(0, 0, 4, 0);
    s->Freiheitsgrade[FG_AX]->Richtung = 7;
    FreiheitsgradeZeichnen(maler, ansicht, *sys, true);
    EXPECT_EQ(bericht.Diagnosen, "Fehler bei FreiGrad - Art !\n");
    EXPECT_EQ(maler.Nur(Malart::Text).size(), 5u);
    maler.Leeren();
    s->Freiheitsgrade[FG_AX]->Status = STATUS_PRIMAL;
    LagerZeichnen(maler, ansicht, *sys);
    LagergroessenZeichnen(maler, ansicht, *sys);
    EXPECT_TRUE(maler.Nur(Malart::Bogen).empty());
    EXPECT_TRUE(maler.Nur(Malart::Text).empty());
}

TEST_F(Struktur, Lagergroessen) {
    Stab* s = Stab_(0, 0, 4, 0);
    for (int slot : {FG_AX, FG_AY, FG_AR}) s->Freiheitsgrade[slot]->Status = STATUS_PRIMAL;
    s->Freiheitsgrade[FG_AX]->Reaktion = -3;
    s->Freiheitsgrade[FG_AY]->Reaktion = 20;
    s->Freiheitsgrade[FG_AR]->Reaktion = 1.234;
    LagergroessenZeichnen(maler, ansicht, *sys);
    auto t = maler.Nur(Malart::Text);
    ASSERT_EQ(t.size(), 3u);
    // magnitudes with their unit; the arrow tells the direction
    EXPECT_EQ(t[0].Inhalt, "3.00 kN");
    EXPECT_EQ(W(t[0]), (std::vector<int>{450, 300}));
    EXPECT_EQ(t[1].Inhalt, "20.00 kN");
    EXPECT_EQ(W(t[1]), (std::vector<int>{400, 250}));
    EXPECT_EQ(t[2].Inhalt, "1.23 kNm");
    EXPECT_EQ(W(t[2]), (std::vector<int>{427, 271}));
    EXPECT_TRUE(t[0].Zustand.IstRolle(ROLLE_FG_PRIMAL));
    EXPECT_EQ(t[0].Zustand.Hintergrund, ROLLE_HINTERGRUND);

    // In front of each text, centred 13 left of and 5 above its anchor, an
    // arrow 18 long: -3 kN in x points left, 20 kN in y up, each with two
    // head lines 6 long at the tip.
    auto l = maler.Nur(Malart::Strecke);
    ASSERT_EQ(l.size(), 3u + 3u + 2u);
    EXPECT_EQ(W(l[0]), (std::vector<int>{446, 295, 428, 295}));
    EXPECT_EQ(W(l[1]), (std::vector<int>{428, 295, 433, 292}));
    EXPECT_EQ(W(l[2]), (std::vector<int>{428, 295, 433, 298}));
    EXPECT_EQ(W(l[3]), (std::vector<int>{387, 254, 387, 236}));
    EXPECT_TRUE(l[0].Zustand.IstRolle(ROLLE_FG_PRIMAL));
    EXPECT_EQ(l[0].Zustand.Breite, 1);
    // the moment turns counter-clockwise: three quarters of a circle of
    // radius 7 from 45 degrees, the head at its end
    auto b = maler.Nur(Malart::Bogen);
    ASSERT_EQ(b.size(), 1u);
    EXPECT_EQ(W(b[0]), (std::vector<int>{407, 259, 14, 14, 45 * 64, 270 * 64}));

    // reversed, the arrows turn round; a reaction that prints as zero has none
    s->Freiheitsgrade[FG_AX]->Reaktion = 3;
    s->Freiheitsgrade[FG_AY]->Reaktion = -0.004;
    s->Freiheitsgrade[FG_AR]->Reaktion = -1;
    maler.Leeren();
    LagergroessenZeichnen(maler, ansicht, *sys);
    t = maler.Nur(Malart::Text);
    EXPECT_EQ(t[1].Inhalt, "0.00 kN");
    l = maler.Nur(Malart::Strecke);
    ASSERT_EQ(l.size(), 3u + 2u);
    EXPECT_EQ(W(l[0]), (std::vector<int>{428, 295, 446, 295}));
    b = maler.Nur(Malart::Bogen);
    EXPECT_EQ(W(b[0]), (std::vector<int>{407, 259, 14, 14, 135 * 64, -270 * 64}));
}

TEST_F(Struktur, GeteiltesLagerEinmalUndMomentUeberLagerkraftVersetzt) {
    // A rotation held at a corner shared by two bars: its reaction stands
    // there once.  A moment label placed first where the reaction goes
    // pushes the reaction one line (15 pixels) up.
    Stab* s = Stab_(0, 0, 0, 4);
    Stab* t = Stab_(s->PunktA, PunktErzeugen(*sys, 4, 0, -1));
    Biegesteif(s, 0, t, 0);
    s->Freiheitsgrade[FG_AR]->Status = STATUS_PRIMAL;
    s->Freiheitsgrade[FG_AR]->Reaktion = 38.48;
    Beschriftungsplan plan;
    double x = 427, y = 271;  // where the moment reaction goes
    Beschriftungskasten k = Textkasten("-38.48");
    ASSERT_TRUE(plan.Platzieren(x, y, k, "-38.48"));
    LagergroessenZeichnen(maler, ansicht, *sys, &plan);
    ASSERT_EQ(maler.Nur(Malart::Text).size(), 1u);
    const Malaufruf* m = maler.TextSuchen("38.48 kNm");
    ASSERT_NE(m, nullptr);
    EXPECT_EQ(W(*m), (std::vector<int>{427, 256}));
}
