// What the operations report as changed, and how one user action's reports
// become one change set.
#include <gtest/gtest.h>

#include "core/aenderungen.h"
#include "core/freiheitsgradbearbeitung.h"
#include "core/katalogbearbeitung.h"
#include "core/lastverwaltung.h"
#include "tests/core/systemtest.h"

namespace {

struct Aenderungen : SystemTest {};

}  // namespace

TEST(Aenderungssatz, ReportsOfOneActionMergeBySystem) {
    System a{}, b{};
    Aenderungssatz satz;
    EXPECT_TRUE(satz.Leer());
    satz.Hinzufuegen(&a, AENDERUNG_PUNKTE);
    satz.Hinzufuegen(&b, AENDERUNG_NAMEN);
    satz.Hinzufuegen(&a, AENDERUNG_STAEBE);
    satz.Hinzufuegen(nullptr, AENDERUNG_KATALOG);
    satz.Hinzufuegen(&b, 0);
    ASSERT_EQ(satz.Systeme().size(), 2u);
    EXPECT_EQ(satz.Systeme()[0].first, &a);
    // A catalogue change concerns every System.
    EXPECT_EQ(satz.ArtenVon(&a), AENDERUNG_PUNKTE | AENDERUNG_STAEBE | AENDERUNG_KATALOG);
    EXPECT_EQ(satz.ArtenVon(&b), AENDERUNG_NAMEN | AENDERUNG_KATALOG);
    EXPECT_TRUE(satz.ErgebnisseBetroffen());

    satz.SystemEntfernen(&a);
    ASSERT_EQ(satz.Systeme().size(), 1u);
    EXPECT_EQ(satz.Systeme()[0].first, &b);
    EXPECT_TRUE(satz.Arten() & AENDERUNG_SYSTEME);
}

TEST(Aenderungssatz, NamesGridAndMovingKeepTheResults) {
    Aenderungssatz satz;
    satz.Hinzufuegen(nullptr, AENDERUNG_NAMEN | AENDERUNG_RASTER | AENDERUNG_LAGE | AENDERUNG_MARKIERUNG |
                                  AENDERUNG_ERGEBNISSE | AENDERUNG_DATEI | AENDERUNG_MASSSTAB);
    EXPECT_FALSE(satz.ErgebnisseBetroffen());
    // Marking, new results, saving and the view (grid and snap among it) are
    // no edits to take back.
    EXPECT_EQ(satz.Arten() & BEARBEITUNG, AENDERUNG_NAMEN | AENDERUNG_LAGE);
}

TEST_F(Aenderungen, EveryOperationReportsTheKindItChanged) {
    Punkt* a = PunktErzeugen(*sys, 0, 0, -1);
    Punkt* b = PunktErzeugen(*sys, 4, 0, -1);
    EXPECT_EQ(Gemeldet(), AENDERUNG_PUNKTE);
    Stab* s = Stabzwischen(a, b);
    EXPECT_EQ(Gemeldet(), AENDERUNG_STAEBE | AENDERUNG_FREIHEITSGRADE);
    FgAuflagerSetzen(*sys, s->Freiheitsgrade[FG_AY]->Nummer, 0.0);
    EXPECT_EQ(Gemeldet(), AENDERUNG_FREIHEITSGRADE);
    FgAuflagerSetzen(*sys, s->Freiheitsgrade[FG_AY]->Nummer, 0.0);
    EXPECT_EQ(Gemeldet(), 0u) << "nothing changed, nothing reported";

    Lastfall* lf = LastfallErzeugen(*sys, 0, "G", -1);
    EXPECT_EQ(Gemeldet(), AENDERUNG_LASTFAELLE);
    LastfaelleBenennen(*sys, {lf->Nummer}, "Eigengewicht");
    EXPECT_EQ(Gemeldet(), AENDERUNG_NAMEN);
    LastfaelleGewichten(*sys, {lf->Nummer}, 1.35);
    EXPECT_EQ(Gemeldet(), AENDERUNG_LASTFAELLE);
    Punktlastwerte w;
    w.Groesse = 10;
    s->Laenge = 4.0;
    PunktlastEintragen(*sys, *s, w, {lf->Kennung});
    EXPECT_EQ(Gemeldet(), AENDERUNG_LASTEN);
    KombinationAusAktiven(*sys, -1);
    EXPECT_EQ(Gemeldet(), AENDERUNG_KOMBINATIONEN);

    Material* m = MaterialNeu("S235", 2.1e8, 0.3, 1.2e-5);
    EXPECT_EQ(Gemeldet(), AENDERUNG_KATALOG);
    MaterialZuweisen(StabauswahlAlle(*sys), m->Nummer);
    EXPECT_EQ(Gemeldet(), AENDERUNG_ZUORDNUNG);

    Stapel* weg = StapelAnlegen();
    StapelEintragen(weg, s);
    StaebeLoeschen(*sys, weg);
    StapelFreigeben(weg);
    EXPECT_TRUE(Gemeldet() & AENDERUNG_STAEBE);
    LastfallLoeschen(*sys, lf->Nummer);
    EXPECT_EQ(Gemeldet(), AENDERUNG_LASTFAELLE | AENDERUNG_LASTEN);
}
