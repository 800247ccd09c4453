// Catalogue edits, assignment to bars and the editing of degrees of freedom
// at bar ends.
#include <gtest/gtest.h>

#include <cstring>

#include "core/bericht.h"
#include "core/freiheitsgradbearbeitung.h"
#include "core/katalogbearbeitung.h"
#include "core/programm.h"
#include "core/systemoperationen.h"
#include "tests/core/systemtest.h"

namespace {

struct Bearbeitung : SystemTest {
    // Bar 2's start joins bar 1's end in x and y (a hinge: own rotations).
    void Gelenk(Stab* s1, Stab* s2) {
        for (int r = 0; r < 2; ++r) {
            ASSERT_EQ(FgNummerSetzen(*sys, s2, 0, r, s1->Freiheitsgrade[3 + r]->Nummer, false, 0.0),
                      FgNummerFolge::Verbunden);
        }
        PaarAufnehmen(sys->FgRelationen, s2->Freiheitsgrade[FG_AX], s2->Freiheitsgrade[FG_AY]);
    }
    bool HatPaar(Freiheitsgrad* x, Freiheitsgrad* y) { return PaarSuchen(sys->FgRelationen, x, y) != 0; }
};

}  // namespace

TEST(Katalogzeilen, FormatAndNumberReadBack) {
    EXPECT_EQ(Katalogzeile(12345678, "S 235"), "  12345678  S 235");
    EXPECT_EQ(Katalogzeile(7, ""), "         7  ");  // an empty name ends after the blanks
    EXPECT_EQ(KatalogzeileNummer(Katalogzeile(12345678, "99 Namen mit Zahl").c_str()), 12345678);
    EXPECT_EQ(KatalogzeileNummer(Katalogzeile(-5, "x").c_str()), -5);
    EXPECT_EQ(KatalogzeileNummer("  12"), 12);
    EXPECT_EQ(KatalogzeileNummer(nullptr), -1);
}

TEST_F(Bearbeitung, CatalogueEntriesAreCreatedFirstChangedAndRemoved) {
    Material* m1 = MaterialNeu("Stahl", 2.1e8, 0.3, 1.2e-5);
    Material* m2 = MaterialNeu("", 3e7, 0.2, 1e-5);
    EXPECT_NE(m1->Nummer, m2->Nummer);
    EXPECT_EQ(Programm.Materialien->next->element, m2);
    EXPECT_STREQ(m2->Name, "");
    const std::string lang(200, 'x');
    EXPECT_TRUE(MaterialWerteSetzen(m1->Nummer, lang.c_str(), 1.0, 2.0, 3.0));
    EXPECT_EQ(std::strlen(m1->Name), size_t(NAME_KURZ - 1));
    EXPECT_EQ(m1->EModul, 1.0);
    EXPECT_FALSE(MaterialWerteSetzen(-1, "x", 0, 0, 0));

    Querschnitt* q = QuerschnittNeu("IPE 200", 2.85e-3, 1.94e-5, 0.1);
    Stab* s = StabAnlegen(*sys);
    s->Querschnitt = q->Nummer;
    EXPECT_TRUE(QuerschnittEntfernen(q->Nummer));
    EXPECT_FALSE(QuerschnittEntfernen(s->Querschnitt));
    EXPECT_EQ(QuerschnittSuchen(s->Querschnitt), nullptr);
    EXPECT_TRUE(MaterialEntfernen(m2->Nummer));
    EXPECT_EQ(KeAnzahl(Programm.Materialien), 1);
}

TEST_F(Bearbeitung, AssignmentReachesOnlyLiveBarsOfItsSystemAndCounts) {
    Material* m = MaterialNeu("Holz", 1e7, 0.3, 0.0);
    Querschnitt* q = QuerschnittNeu("B/H", 0.02, 1e-4, 0.1);
    Stab* s1 = StabAnlegen(*sys);
    Stab* s2 = StabAnlegen(*sys);
    Stab* s3 = StabAnlegen(*sys);
    s1->Markiert = s3->Markiert = 1;
    s2->Markiert = -1;
    Stabauswahl markiert = StabauswahlMarkierte(*sys);
    ASSERT_EQ(markiert.Staebe.size(), 2u);

    const long vorher = sys->Aenderungen;
    EXPECT_EQ(MaterialZuweisen(markiert, m->Nummer + 1), -1);  // not in the catalogue
    EXPECT_EQ(sys->Aenderungen, vorher);
    EXPECT_EQ(MaterialZuweisen(markiert, m->Nummer), 2);
    EXPECT_EQ(sys->Aenderungen, vorher + 1);
    EXPECT_EQ(s1->Material, m->Nummer);
    EXPECT_EQ(s2->Material, 0);

    // A bar deleted while the dialog is open is skipped, not written through.
    Stapel* weg = StapelAnlegen();
    StapelEintragen(weg, s3);
    StaebeLoeschen(*sys, weg);
    StapelFreigeben(weg);
    EXPECT_EQ(QuerschnittZuweisen(markiert, q->Nummer), 1);

    // A second System: the selection still means the first one's bars.
    System* zweites = SystemErzeugen();
    StabAnlegen(*zweites);
    EXPECT_EQ(QuerschnittZuweisen(StabauswahlAlle(*zweites), q->Nummer), 1);
    EXPECT_EQ(s2->Querschnitt, 0);
    Stabauswahl neu;
    StabauswahlErgaenzen(neu, *zweites, s1);  // s1 is not in its chain, but the number is kept
    EXPECT_EQ(neu.Systemnummer, zweites->Systemnummer);
    SystemLoeschen(zweites);
    EXPECT_EQ(MaterialZuweisen(neu, m->Nummer), 0);  // its System is gone
}

TEST_F(Bearbeitung, NewRecordAtHingeKeepsSharedRecordAndFixesPairs) {
    Punkt* a = PunktErzeugen(*sys, 0, 0, -1);
    Punkt* b = PunktErzeugen(*sys, 4, 0, -1);
    Punkt* c = PunktErzeugen(*sys, 8, 0, -1);
    Stab* s1 = Stabzwischen(a, b);
    Stab* s2 = Stabzwischen(b, c);
    Gelenk(s1, s2);
    Freiheitsgrad* x = s1->Freiheitsgrade[FG_BX];
    Freiheitsgrad* y = s1->Freiheitsgrade[FG_BY];
    ASSERT_EQ(s2->Freiheitsgrade[FG_AX], x);

    // Two ends hold the pair (x, y): it stays when one end splits off.
    Freiheitsgrad* neu = NeuenFgErzeugen(*sys, s2, 0, 0, true, 0.25);
    ASSERT_NE(neu, nullptr);
    EXPECT_EQ(s1->Freiheitsgrade[FG_BX], x);
    EXPECT_TRUE(FreiheitsgradSuchen(sys->Freiheitsgrade, x->Nummer));
    EXPECT_TRUE(HatPaar(x, y));
    EXPECT_TRUE(HatPaar(neu, y));
    EXPECT_EQ(neu->Status, STATUS_PRIMAL);
    EXPECT_EQ(neu->Winkel, 0.25);
    EXPECT_EQ(neu->Richtung, 0);

    // Now s1's end alone holds (x, y): splitting y there drops that pair.
    NeuenFgErzeugen(*sys, s1, 1, 1, false, 0.0);
    EXPECT_FALSE(HatPaar(x, y));

    // A record only this bar uses is deleted first; its number is reused.
    const long nummer = s1->Freiheitsgrade[FG_AR]->Nummer;
    Freiheitsgrad* r = NeuenFgErzeugen(*sys, s1, 0, 2, false, 0.0);
    EXPECT_EQ(r->Nummer, nummer);
    EXPECT_EQ(KeAnzahl(sys->Freiheitsgrade), 12);
    EXPECT_EQ(NeuenFgErzeugen(*sys, s1, 2, 0, false, 0.0), nullptr);
    EXPECT_EQ(NeuenFgErzeugen(*sys, s1, 0, 3, false, 0.0), nullptr);
}

TEST_F(Bearbeitung, TypedNumbersCoupleRefuseOrCreate) {
    Stab* s1 = Stabzwischen(PunktErzeugen(*sys, 0, 0, -1), PunktErzeugen(*sys, 4, 0, -1));
    Stab* s2 = Stabzwischen(PunktErzeugen(*sys, 4, 0, -1), PunktErzeugen(*sys, 4, 3, -1));
    Freiheitsgrad* vorher = s2->Freiheitsgrade[FG_AX];
    const long aenderungen = sys->Aenderungen;

    // A y record typed into an x slot is refused.
    EXPECT_EQ(FgNummerSetzen(*sys, s2, 0, 0, s1->Freiheitsgrade[FG_BY]->Nummer, false, 0),
              FgNummerFolge::AndereRichtung);
    EXPECT_EQ(s2->Freiheitsgrade[FG_AX], vorher);
    EXPECT_EQ(FgNummerSetzen(*sys, s2, 0, 0, vorher->Nummer, false, 0), FgNummerFolge::Unveraendert);
    EXPECT_EQ(sys->Aenderungen, aenderungen);

    // Coupling frees the record no other bar used.
    const long freieNummer = vorher->Nummer;
    EXPECT_EQ(FgNummerSetzen(*sys, s2, 0, 0, s1->Freiheitsgrade[FG_BX]->Nummer, false, 0), FgNummerFolge::Verbunden);
    EXPECT_EQ(s2->Freiheitsgrade[FG_AX], s1->Freiheitsgrade[FG_BX]);
    EXPECT_EQ(FreiheitsgradSuchen(sys->Freiheitsgrade, freieNummer), nullptr);
    EXPECT_GT(sys->Aenderungen, aenderungen);

    // An unknown number gives a fresh record with the smallest free number.
    EXPECT_EQ(FgNummerSetzen(*sys, s2, 1, 2, 999, true, 0), FgNummerFolge::Neu);
    EXPECT_EQ(bericht.Diagnosen, "FG noch nicht vorhanden \n");
    EXPECT_NE(s2->Freiheitsgrade[FG_BR]->Nummer, 999);
    EXPECT_EQ(s2->Freiheitsgrade[FG_BR]->Status, STATUS_PRIMAL);
}

TEST_F(Bearbeitung, BothEndsOnOneRecordNeverLeaveASlotDangling) {
    Stab* s = Stabzwischen(PunktErzeugen(*sys, 0, 0, -1), PunktErzeugen(*sys, 4, 0, -1));
    Freiheitsgrad* x = s->Freiheitsgrade[FG_AX];
    ASSERT_EQ(FgNummerSetzen(*sys, s, 1, 0, x->Nummer, false, 0), FgNummerFolge::Verbunden);
    ASSERT_EQ(s->Freiheitsgrade[FG_BX], x);
    // Splitting one end must keep the record the other end still holds.
    NeuenFgErzeugen(*sys, s, 0, 0, false, 0.0);
    EXPECT_EQ(s->Freiheitsgrade[FG_BX], x);
    EXPECT_EQ(FreiheitsgradSuchen(sys->Freiheitsgrade, x->Nummer), x);
    // Typing the other end's new number: the old record, now used by no bar, goes.
    FgNummerSetzen(*sys, s, 1, 0, s->Freiheitsgrade[FG_AX]->Nummer, false, 0);
    EXPECT_EQ(KeAnzahl(sys->Freiheitsgrade), 5);
    EXPECT_EQ(s->Freiheitsgrade[FG_BX], s->Freiheitsgrade[FG_AX]);
}

TEST_F(Bearbeitung, AngleSpreadsThroughRelatedRecordsOnly) {
    Punkt* ecke = PunktErzeugen(*sys, 4, 0, -1);
    Stab* s1 = Stabzwischen(PunktErzeugen(*sys, 0, 0, -1), ecke);
    Stab* s2 = Stabzwischen(ecke, PunktErzeugen(*sys, 4, 3, -1));
    Gelenk(s1, s2);
    // A third, distant bar related through one extra pair.
    Stab* s3 = Stabzwischen(PunktErzeugen(*sys, 9, 9, -1), PunktErzeugen(*sys, 9, 5, -1));
    PaarAufnehmen(sys->FgRelationen, s1->Freiheitsgrade[FG_BY], s3->Freiheitsgrade[FG_AY]);

    WinkelSetzen(*sys, s1->Freiheitsgrade[FG_BX]->Nummer, 0.5);
    EXPECT_EQ(s1->Freiheitsgrade[FG_BY]->Winkel, 0.5);
    EXPECT_EQ(s2->Freiheitsgrade[FG_AX]->Winkel, 0.5);
    EXPECT_EQ(s3->Freiheitsgrade[FG_AY]->Winkel, 0.5);  // through the added pair
    EXPECT_EQ(s3->Freiheitsgrade[FG_AX]->Winkel, 0.5);  // and on through s3's own pair
    EXPECT_EQ(s1->Freiheitsgrade[FG_AX]->Winkel, 0.0);
    EXPECT_EQ(s1->Freiheitsgrade[FG_BR]->Winkel, 0.0);
    EXPECT_EQ(s3->Freiheitsgrade[FG_BX]->Winkel, 0.0);
}

TEST_F(Bearbeitung, SupportAndFreeStatesCarryTheirValues) {
    Stab* s = Stabzwischen(PunktErzeugen(*sys, 0, 0, -1), PunktErzeugen(*sys, 4, 0, -1));
    const long n = s->Freiheitsgrade[FG_AY]->Nummer;
    const long vorher = sys->Aenderungen;
    EXPECT_TRUE(FgAuflagerSetzen(*sys, n, 0.01));
    EXPECT_EQ(s->Freiheitsgrade[FG_AY]->Status, STATUS_PRIMAL);
    EXPECT_EQ(s->Freiheitsgrade[FG_AY]->Wert, 0.01);
    EXPECT_EQ(sys->Aenderungen, vorher + 1);
    EXPECT_TRUE(FgAuflagerSetzen(*sys, n, 0.01));  // nothing new: no change counted
    EXPECT_EQ(sys->Aenderungen, vorher + 1);
    EXPECT_TRUE(FgEinwirkungSetzen(*sys, n, 5e3));
    EXPECT_EQ(s->Freiheitsgrade[FG_AY]->Status, STATUS_DUAL);
    EXPECT_EQ(s->Freiheitsgrade[FG_AY]->Feder, 5e3);
    EXPECT_TRUE(FgWertSetzen(*sys, n, 0.0));
    EXPECT_FALSE(FgFederSetzen(*sys, 12345, 1.0));
    EXPECT_EQ(ErsterMarkierterStab(*sys), nullptr);
    s->Markiert = 1;
    EXPECT_EQ(ErsterMarkierterStab(*sys), s);
}

TEST(Katalogwerte, ShortFormOnlyWhenItReadsBackTheSame) {
    EXPECT_EQ(KatalogwertText("%.3e", 2.1e8), "2.100e+08");
    EXPECT_EQ(KatalogwertText("%.3f", 0.3), "0.300");
    EXPECT_EQ(KatalogwertText("%.3f", 1.2e-5), "1.2e-05");  // not "0.000"
    EXPECT_EQ(KatalogwertText("%.3e", 2.0594e8), "205940000");
    EXPECT_EQ(KatalogwertText("%.3f", 0.0), "0.000");
    EXPECT_EQ(KatalogwertText("%.3f", -0.25), "-0.250");
}

TEST(Stabauswahl, JoiningKeepsEarlierBarsOfTheSameSystemOnly) {
    Stabauswahl offen{1, {3, 5}};
    StabauswahlVereinigen(offen, Stabauswahl{1, {5, 7}});
    EXPECT_EQ(offen.Staebe, (std::vector<long>{3, 5, 7}));
    StabauswahlVereinigen(offen, Stabauswahl{2, {0}});
    EXPECT_EQ(offen.Systemnummer, 2);
    EXPECT_EQ(offen.Staebe, (std::vector<long>{0}));
}
