// Marking bars by click and rectangle, and the rubber rectangles of the
// selection and zoom gestures (default view: origin at (400, 300), 50 px/m).
#include "workspace/auswahl.h"

#include "zeichentestsystem.h"

#include "core/latin1.h"

namespace {

class Auswahl : public Zeichentest {};

TEST_F(Auswahl, ClickTogglesEveryBarUnderThePointerButNotNearItsEnds) {
    Stab* waagrecht = Stab_(0, 0, 4, 0);   // pixels (400,300)-(600,300)
    Stab* doppelt = Stab_(0, 0, 4, 0);     // lies on top of the first
    Stab* senkrecht = Stab_(0, 1, 0, 3);
    for (Stab* s : {waagrecht, doppelt, senkrecht}) s->Markiert = -1;

    EXPECT_EQ(StabMarkierenUmschalten(sys, ansicht, 500, 300), 2) << "overlapping bars are all toggled";
    EXPECT_EQ(waagrecht->Markiert, 1);
    EXPECT_EQ(doppelt->Markiert, 1);
    EXPECT_EQ(senkrecht->Markiert, -1);
    StabMarkierenUmschalten(sys, ansicht, 500, 300);
    EXPECT_EQ(waagrecht->Markiert, -1) << "a second click takes the mark away";

    // 0.8 % of 4 m is only 1.6 px: four pixels off the axis still hit,
    // five do not; the first pixel of the bar lies in its end zone.
    EXPECT_EQ(StabMarkierenUmschalten(sys, ansicht, 500, 304), 2);
    EXPECT_EQ(StabMarkierenUmschalten(sys, ansicht, 500, 296), 2);
    EXPECT_EQ(StabMarkierenUmschalten(sys, ansicht, 500, 305), 0);
    EXPECT_EQ(StabMarkierenUmschalten(sys, ansicht, 401, 300), 0);

    // A record that was never marked (0) becomes marked, not stuck at 0.
    senkrecht->Markiert = 0;
    EXPECT_EQ(StabMarkierenUmschalten(sys, ansicht, 400, 200), 1);
    EXPECT_EQ(senkrecht->Markiert, 1);
}

TEST_F(Auswahl, PickedWithinFourPixelsAtEveryZoomOrTheRelativeToleranceWhereLarger) {
    Stab* stuetze = Stab_(0, 0, 0, 4);  // pixels (400,300)-(400,100) at 50 px/m
    for (double massstab : {5.0, 50.0, 500.0}) {
        Ansicht a = ansicht;
        a.Massstab = massstab;
        const int px = WeltNachBildX(a, 0), py = WeltNachBildY(a, 2);
        EXPECT_TRUE(StabGetroffen(stuetze, a, px + 4, py)) << massstab;
        EXPECT_TRUE(StabGetroffen(stuetze, a, px - 4, py)) << massstab;
        // 0.8 % of 4 m at 500 px/m: 16 px, more than 4
        EXPECT_EQ(StabGetroffen(stuetze, a, px + 10, py), massstab == 500.0) << massstab;
    }
    // 4 pixels beyond an end are no hit, whatever the distance to the axis
    EXPECT_FALSE(StabGetroffen(stuetze, ansicht, 400, 303));
    EXPECT_FALSE(StabGetroffen(stuetze, ansicht, 400, 97));
    // inclined: the distance is measured square to the bar
    Stab* schraeg = Stab_(0, 0, 3, 4);  // (400,300)-(550,100), 250 px long
    EXPECT_TRUE(StabGetroffen(schraeg, ansicht, 475 + 3, 200 + 2));   // 3.6 px off
    EXPECT_FALSE(StabGetroffen(schraeg, ansicht, 475 + 4, 200 + 3));  // 5 px off
}

TEST_F(Auswahl, BarMenuActsOnTheBarPointedAt) {
    Stab* belastet = Stab_(0, 0, 4, 0);  // marked long ago, under a load
    Stab* stuetze = Stab_(0, 0, 0, 4);
    Stab* dritter = Stab_(4, 0, 4, 4);
    belastet->Markiert = 1;
    stuetze->Markiert = dritter->Markiert = -1;
    // pointing at an unmarked bar: it alone is marked
    EXPECT_TRUE(StabUnterZeigerWaehlen(sys, ansicht, 400, 200));
    EXPECT_EQ(belastet->Markiert, -1);
    EXPECT_EQ(stuetze->Markiert, 1);
    EXPECT_EQ(LoeschfrageText(sys), "1 Stab löschen: "_l1 + std::to_string(stuetze->Nummer) + " ?");
    // pointing at one of several marked bars: they all stay marked
    dritter->Markiert = 1;
    EXPECT_FALSE(StabUnterZeigerWaehlen(sys, ansicht, 400, 200));
    EXPECT_EQ(dritter->Markiert, 1);
    // pointing at nothing: the marking stands
    EXPECT_FALSE(StabUnterZeigerWaehlen(sys, ansicht, 700, 500));
    EXPECT_EQ(MarkierteStaebeZaehlen(sys), 2);
}

TEST(Loeschfrage, AnzahlUndNummernAufsteigend) {
    ProgrammZuruecksetzen();
    System* sys = SystemErzeugen();
    EXPECT_EQ(LoeschfrageText(sys), "");
    for (long n : {7, 2, 5, 9}) {
        Stab* s = StabAnlegen(*sys, n);
        s->Markiert = n == 9 ? -1 : 1;
    }
    EXPECT_EQ(LoeschfrageText(sys), "3 Stäbe löschen: 2, 5, 7 ?"_l1);
    for (long n = 10; n < 40; ++n) StabAnlegen(*sys, n)->Markiert = 1;
    const std::string lang = LoeschfrageText(sys);
    EXPECT_EQ(lang.substr(0, 30), "33 Stäbe löschen: 2, 5, 7, 10,"_l1);
    EXPECT_EQ(lang.substr(lang.size() - 13), "25, 26, ... ?");  // twenty numbers
    ProgrammZuruecksetzen();
}

TEST_F(Auswahl, RectangleMarksBarsStrictlyInsideAndUnmarksNothing) {
    Stab* innen = Stab_(0, 0, 2, 0);        // (400,300)-(500,300)
    Stab* halb = Stab_(2, 0, 6, 0);         // ends at x = 700 px
    Stab* markiert = Stab_(-6, -4, -5, -4); // far away, already marked
    for (Stab* s : {innen, halb}) s->Markiert = -1;
    markiert->Markiert = 1;

    EXPECT_EQ(StaebeImRechteckMarkieren(sys, ansicht, 390, 250, 650, 350), 1);
    EXPECT_EQ(innen->Markiert, 1);
    EXPECT_EQ(halb->Markiert, -1);
    EXPECT_EQ(markiert->Markiert, 1);
    // A corner exactly on a point does not take it in.
    innen->Markiert = -1;
    EXPECT_EQ(StaebeImRechteckMarkieren(sys, ansicht, 400, 250, 650, 350), 0);

    Kette k = MarkierteStaebe(sys);
    ASSERT_NE(k, nullptr);
    EXPECT_EQ(KeAnzahl(k), 1);
    KetteLoeschen(k);
    markiert->Markiert = -1;
    EXPECT_EQ(MarkierteStaebe(sys), nullptr) << "no chain when nothing is marked";
}

TEST_F(Auswahl, MarkedChainRunsInReverseOfTheSystemsOrder) {
    Stab* s1 = Stab_(0, 0, 1, 0);
    Stab* s2 = Stab_(1, 0, 2, 0);
    Stab* s3 = Stab_(2, 0, 3, 0);
    s1->Markiert = s3->Markiert = 1;
    s2->Markiert = -1;
    // Staebe runs newest first (s3, s2, s1); the chain built from it
    // enters each first, so it runs s1, s3.
    Kette k = MarkierteStaebe(sys);
    std::vector<Stab*> reihe;
    for (Stab* s : Elemente<Stab>(k)) reihe.push_back(s);
    KetteLoeschen(k);
    ASSERT_EQ(reihe.size(), 2u);
    EXPECT_EQ(reihe[0], s1);
    EXPECT_EQ(reihe[1], s3);
    EXPECT_EQ(MarkierteStaebeZaehlen(sys), 2);
    AlleStaebeDemarkieren(sys);
    EXPECT_EQ(MarkierteStaebeZaehlen(sys), 0);
    EXPECT_EQ(MarkierteStaebe(nullptr), nullptr);
}

TEST(Gummirechteck, DrawsRightDownwardsErasingTheOldOutlineAndIgnoresUpLeft) {
    Aufzeichnungsmaler m;
    Gummirechteck r;
    r.Ziehen(m, 100, 100);
    EXPECT_TRUE(m.Nur(Malart::Rechteck).empty()) << "the first event only fixes the start";
    r.Ziehen(m, 130, 120);
    r.Ziehen(m, 150, 160);
    auto rechtecke = m.Nur(Malart::Rechteck);
    ASSERT_EQ(rechtecke.size(), 3u);
    EXPECT_EQ(rechtecke[0].Werte, (std::vector<int>{100, 100, 30, 20}));
    EXPECT_EQ(rechtecke[1].Werte, (std::vector<int>{100, 100, 30, 20})) << "old outline drawn again to erase it";
    EXPECT_EQ(rechtecke[2].Werte, (std::vector<int>{100, 100, 50, 60}));
    EXPECT_EQ(rechtecke[2].Zustand.Art, Linienart::Gestrichelt);
    EXPECT_EQ(rechtecke[2].Zustand.Breite, 0);

    m.Leeren();
    r.Ziehen(m, 90, 90);
    EXPECT_TRUE(m.Nur(Malart::Rechteck).empty()) << "dragged up and left: nothing drawn";
    EXPECT_EQ(r.LetztX, 150);
    r.Entfernen(m);
    ASSERT_EQ(m.Nur(Malart::Rechteck).size(), 1u);
    EXPECT_EQ(m.Nur(Malart::Rechteck)[0].Werte, (std::vector<int>{100, 100, 50, 60}));
}

TEST(Gummirechteck, ReleaseDecidesBetweenClickZoomAndRectangle) {
    Gummirechteck r;
    EXPECT_EQ(ZoomgesteBeiLoslassen(r, 3), Zoomgeste::Heraus) << "button 3 without a drag";
    EXPECT_FALSE(RechteckAuswahlBeiLoslassen(r, 300, 300)) << "no drag: no marking from the corner";

    Aufzeichnungsmaler m;
    r.Ziehen(m, 100, 100);
    r.Ziehen(m, 110, 200);
    EXPECT_EQ(ZoomgesteBeiLoslassen(r, 1), Zoomgeste::Hinein) << "10 pixels across is still a click";
    EXPECT_EQ(ZoomgesteBeiLoslassen(r, 2), Zoomgeste::Keine);
    r.Ziehen(m, 111, 110);
    EXPECT_EQ(ZoomgesteBeiLoslassen(r, 1), Zoomgeste::Keine) << "wide but only 10 pixels down";
    r.Ziehen(m, 111, 111);
    EXPECT_EQ(ZoomgesteBeiLoslassen(r, 1), Zoomgeste::Rechteck);

    EXPECT_TRUE(RechteckAuswahlBeiLoslassen(r, 89, 89)) << "the selection takes the distance both ways";
    EXPECT_FALSE(RechteckAuswahlBeiLoslassen(r, 110, 150));
    r.Zuruecksetzen();
    EXPECT_FALSE(r.Gesetzt());
}

TEST(Gummirechteck, ADragStartsWhereTheButtonWentDown) {
    // The first motion may arrive far from the press: the rectangle must
    // still reach back to the press position.
    Aufzeichnungsmaler m;
    Gummirechteck r;
    r.Beginnen(100, 100);
    EXPECT_TRUE(m.Nur(Malart::Rechteck).empty());
    r.Ziehen(m, 300, 250);
    ASSERT_EQ(m.Nur(Malart::Rechteck).size(), 1u) << "nothing drawn yet, so nothing to erase";
    EXPECT_EQ(m.Nur(Malart::Rechteck)[0].Werte, (std::vector<int>{100, 100, 200, 150}));
    EXPECT_TRUE(RechteckAuswahlBeiLoslassen(r, 300, 250));

    // A click without motion stays a click in zoom mode.
    Gummirechteck klick;
    klick.Beginnen(50, 60);
    klick.Ziehen(m, 50, 60);
    EXPECT_EQ(ZoomgesteBeiLoslassen(klick, 1), Zoomgeste::Hinein);
    EXPECT_FALSE(RechteckAuswahlBeiLoslassen(klick, 50, 60));
}

}  // namespace
