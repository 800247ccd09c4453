// The history of a System: what makes a step, what undo and redo report,
// what they leave alone, and how many steps are kept.
#include <cstring>

#include "core/latin1.h"
#include "core/verlauf.h"
#include "systemtest.h"

namespace {

struct VerlaufTest : SystemTest {
    // The end of an event: the reported edits close a step.
    bool Schritt(Verlauf& v, const char* aktion = "") { return v.Schliessen(*sys, Gemeldet() & BEARBEITUNG, aktion); }
    bool Gemeldet_(const std::string& text) const {
        for (const std::string& t : bericht.Texte())
            if (t == text) return true;
        return false;
    }
};

TEST_F(VerlaufTest, EinSchrittJeAktionUndKeinerOhneAenderung) {
    Verlauf v(*sys);
    EXPECT_FALSE(v.KannRueckgaengig());
    // Several events while a bar is drawn stay one step, named first.
    Punkt* a = PunktErzeugen(*sys, 0, 0, -1);
    v.Vormerken(Gemeldet(), "Stab erzeugen");
    Stabzwischen(a, PunktErzeugen(*sys, 4, 0, -1));
    v.Vormerken(Gemeldet(), "anders");
    EXPECT_EQ(v.Rueckgaengigschritte(), 0u);
    EXPECT_TRUE(v.SchrittOffen());
    EXPECT_TRUE(v.Schliessen(*sys));
    EXPECT_EQ(v.RueckgaengigAktion(), "Stab erzeugen");
    // Reported, but the model is the same: no step.
    Lastfall* lf = LastfallErzeugen(*sys, 0, "G", -1);
    EXPECT_TRUE(Schritt(v, "Lastfall erzeugen"));
    NameSetzen(lf->Name, "G");
    AenderungMelden(sys, AENDERUNG_NAMEN);
    EXPECT_FALSE(Schritt(v, "Name ändern"_l1));
    EXPECT_EQ(v.Rueckgaengigschritte(), 2u);
    // A step nobody named is named after what changed.
    lf->Gewicht = 2.0;
    AenderungMelden(sys, AENDERUNG_LASTFAELLE);
    EXPECT_TRUE(Schritt(v));
    EXPECT_EQ(v.RueckgaengigAktion(), "Lastfälle ändern"_l1);
    EXPECT_EQ(AktionAusArten(AENDERUNG_PUNKTE | AENDERUNG_STAEBE), "Stäbe ändern"_l1);
    EXPECT_EQ(AktionAusArten(0), "Bearbeitung");
}

TEST_F(VerlaufTest, RueckgaengigUndWiederherstellenMeldenUndZaehlen) {
    Verlauf v(*sys);
    Stab* s = Stabzwischen(PunktErzeugen(*sys, 0, 0, -1), PunktErzeugen(*sys, 3, 0, -1));
    EXPECT_TRUE(Schritt(v, "Stab erzeugen"));
    System* vorher = sys;
    const long aenderungen = sys->Aenderungen;

    ASSERT_TRUE(v.Rueckgaengig(*sys));
    EXPECT_EQ(sys, vorher);
    EXPECT_EQ(KeAnzahl(sys->Staebe), 0);
    EXPECT_EQ(KeAnzahl(sys->Punkte), 0);
    EXPECT_EQ(sys->FgRelationen->top, 0);
    EXPECT_TRUE(Gemeldet_("Rückgängig: Stab erzeugen"_l1));
    EXPECT_EQ(Gemeldet(), AENDERUNG_PUNKTE | AENDERUNG_STAEBE | AENDERUNG_FREIHEITSGRADE);
    EXPECT_EQ(sys->Aenderungen, aenderungen + 1);  // the exit question asks
    EXPECT_FALSE(v.KannRueckgaengig());
    EXPECT_EQ(v.WiederherstellenAktion(), "Stab erzeugen");

    ASSERT_TRUE(v.Wiederherstellen(*sys));
    EXPECT_TRUE(Gemeldet_("Wiederhergestellt: Stab erzeugen"));
    ASSERT_EQ(KeAnzahl(sys->Staebe), 1);
    s = StabSuchen(*sys, 0);
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->PunktB->X, 3.0);
    EXPECT_EQ(s->Freiheitsgrade[FG_AX], static_cast<Paar*>(sys->FgRelationen->items[1])->first);
    EXPECT_FALSE(v.Wiederherstellen(*sys));

    // A new edit after an undo drops what could be redone.
    ASSERT_TRUE(v.Rueckgaengig(*sys));
    PunktErzeugen(*sys, 1, 1, -1);
    EXPECT_TRUE(Schritt(v, "Punkt erzeugen"));
    EXPECT_FALSE(v.KannWiederherstellen());
}

// Marking, grid and results are no part of a step: they stay with the bars
// that are still there, and results move back with an undone shift.
TEST_F(VerlaufTest, MarkierungRasterUndErgebnisseBleiben) {
    Stab* s = Stabzwischen(PunktErzeugen(*sys, 0, 0, -1), PunktErzeugen(*sys, 2, 0, -1));
    Stababschnitt* r = new Stababschnitt{};
    r->xA = 0.0;
    r->xB = 2.0;
    KeVorneEintragen(s->Ergebnisse, r);
    s->Freiheitsgrade[FG_AY]->Reaktion = 7.5;
    Gemeldet();
    Verlauf v(*sys);

    for (Punkt* p : Elemente<Punkt>(sys->Punkte)) p->X += 10.0;
    r->xA += 10.0;
    r->xB += 10.0;
    AenderungMelden(sys, AENDERUNG_LAGE);
    EXPECT_TRUE(Schritt(v, "System verschieben"));
    s->Markiert = 1;
    sys->RasterweiteX = 2.5;

    ASSERT_TRUE(v.Rueckgaengig(*sys));
    s = StabSuchen(*sys, 0);
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->PunktA->X, 0.0);
    EXPECT_EQ(s->Markiert, 1);
    EXPECT_EQ(sys->RasterweiteX, 2.5);
    EXPECT_EQ(s->Freiheitsgrade[FG_AY]->Reaktion, 7.5);
    ASSERT_EQ(KeAnzahl(s->Ergebnisse), 1);
    const Stababschnitt* zurueck = *Elemente<Stababschnitt>(s->Ergebnisse).begin();
    EXPECT_EQ(zurueck->xA, 0.0);
    EXPECT_EQ(zurueck->xB, 2.0);
    // Marking and computed values alone are no edit, the theory of the
    // results and their critical load factor neither; undo keeps them.
    s->Markiert = -1;
    s->Freiheitsgrade[FG_AY]->Reaktion = 1.0;
    sys->Theorie = THEORIE_II;
    sys->Verzweigung = VERZWEIGUNG_GEFUNDEN;
    sys->Verzweigungslastfaktor = 4.5;
    EXPECT_FALSE(v.Schliessen(*sys, AENDERUNG_MARKIERUNG));
    ASSERT_TRUE(v.Wiederherstellen(*sys));
    EXPECT_EQ(sys->Theorie, THEORIE_II);
    EXPECT_EQ(sys->Verzweigungslastfaktor, 4.5);
    ASSERT_TRUE(v.Rueckgaengig(*sys));
    EXPECT_TRUE(v.KannWiederherstellen());
}

TEST_F(VerlaufTest, HoechstensZweihundertSchritteUndDieSpeichergrenze) {
    Verlauf v(*sys);
    for (int i = 0; i < 250; ++i) {
        PunktErzeugen(*sys, i, 0, -1);
        ASSERT_TRUE(Schritt(v));
    }
    EXPECT_EQ(v.Rueckgaengigschritte(), 200u);
    while (v.Rueckgaengig(*sys)) {}
    EXPECT_EQ(KeAnzahl(sys->Punkte), 50);  // the oldest 50 steps are gone

    // A step that adds a point keeps the old block of points.  With room
    // for three and a half such steps only the newest steps stay.
    Verlauf probe(*sys);
    PunktErzeugen(*sys, -1, 1, -1);
    ASSERT_TRUE(probe.Schliessen(*sys, AENDERUNG_PUNKTE));
    const std::size_t schritt = probe.Belegt();
    EXPECT_GT(schritt, 50 * sizeof(Punkt));
    Verlauf klein(*sys, Verlauf::SCHRITTE, 3 * schritt + schritt / 2);
    for (int i = 0; i < 20; ++i) {
        PunktErzeugen(*sys, -2 - i, 1, -1);
        ASSERT_TRUE(klein.Schliessen(*sys, AENDERUNG_PUNKTE));
    }
    EXPECT_GE(klein.Rueckgaengigschritte(), 2u);
    EXPECT_LE(klein.Rueckgaengigschritte(), 3u);
    EXPECT_LE(klein.Belegt(), 3 * schritt + schritt / 2);
    // However large, the newest step stays.
    Verlauf winzig(*sys, Verlauf::SCHRITTE, 1);
    PunktErzeugen(*sys, 99, 1, -1);
    ASSERT_TRUE(winzig.Schliessen(*sys, AENDERUNG_PUNKTE));
    EXPECT_EQ(winzig.Rueckgaengigschritte(), 1u);
}

TEST_F(VerlaufTest, EinGeschlossenesSystemHatKeinenVerlaufMehr) {
    VerlaufBeginnen(*sys);
    ASSERT_NE(VerlaufVon(sys), nullptr);
    SystemLoeschen(sys);
    EXPECT_EQ(VerlaufVon(sys), nullptr);
    sys = nullptr;
}

}  // namespace
