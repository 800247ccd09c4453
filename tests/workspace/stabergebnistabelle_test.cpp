// Texts of the per-bar results window.
#include <gtest/gtest.h>

#include "workspace/stabergebnistabelle.h"
#include "core/latin1.h"
#include "core/programm.h"
#include "core/systemoperationen.h"

namespace {

// A bar of length 4 with one result record: N = 10, Q = 5, M = 5 x.
struct Ergebnisstab : ::testing::Test {
    Stab stab{};
    void SetUp() override {
        stab.Laenge = 4.0;
        stab.Cos = 1.0;
        Stababschnitt* r = NeuerDatensatz<Stababschnitt>();
        r->tAnfang = 0.0;
        r->tEnde = 1.0;
        r->xB = 4.0;
        r->Laenge = 4.0;
        r->NA = r->NE = 10.0;
        r->QA = r->QE = 5.0;
        r->MA = 0.0;
        r->ME = 20.0;
        KeVorneEintragen(stab.Ergebnisse, r);
    }
    void TearDown() override { ErgebnisseLoeschen(&stab); }
};

}  // namespace

TEST_F(Ergebnisstab, TableRowsExtremesAndValuesAtADistance) {
    const Stabtabelleninhalt t = StabergebnisTabelle(stab, Stabtabelle::Schnittkraefte);
    EXPECT_EQ(t.Stellen.substr(0, 22), "     0.00      0.40   ");
    EXPECT_EQ(t.Stellen.size(), 11u * 10u);
    EXPECT_EQ(t.Titel[0], "M");
    EXPECT_EQ(t.Einheiten[0], "[kNm]");
    EXPECT_EQ(t.Zeilen[0].substr(t.Zeilen[0].size() - 10), "    20.00 ");
    EXPECT_EQ(t.Zeilen[2].substr(0, 10), "    10.00 ");
    EXPECT_EQ(t.Extreme[0][0], "20.000");
    EXPECT_EQ(t.Extreme[0][1], "4.000");
    EXPECT_EQ(t.Extreme[0][2], "0.000");
    EXPECT_EQ(t.Extreme[0][3], "0.000");

    Stellenwerte w = WerteAnStelle(stab, Stabtabelle::Schnittkraefte, 2.0);
    ASSERT_TRUE(w.Aendern);
    EXPECT_EQ(w.Text[0], "10.000");
    EXPECT_EQ(w.Text[1], "5.000");
    EXPECT_EQ(w.Text[2], "10.000");
    for (double ausserhalb : {-0.01, 4.01}) {
        w = WerteAnStelle(stab, Stabtabelle::Verschiebungen, ausserhalb);
        EXPECT_EQ(w.Text[0], "err");
        EXPECT_EQ(w.Text[2], "err");
    }
    w = WerteAnStelle(stab, Stabtabelle::Verschiebungen, 4.0);
    EXPECT_NE(w.Text[0].find("0.0000000"), std::string::npos);  // seven places, sign aside
    EXPECT_EQ(w.Text[2], "");
    // Stresses need a cross-section: without one nothing changes.
    EXPECT_FALSE(WerteAnStelle(stab, Stabtabelle::Normalspannungen, 1.0).Aendern);
}

TEST_F(Ergebnisstab, StressesAtTheTenListedPositions) {
    // A = 0.01 m^2, Iz = 1e-4 m^4, 0.1 m to the extreme fibre.
    Querschnitt* q = new Querschnitt{};
    q->Nummer = 7;
    q->Flaeche = 0.01;
    q->Traegheitsmoment = 1e-4;
    q->MaxY = 0.1;
    KeVorneEintragen(Programm.Querschnitte, q);
    stab.Querschnitt = 7;
    Stabtabelleninhalt t = StabergebnisTabelle(stab, Stabtabelle::Normalspannungen);
    EXPECT_EQ(t.Stellen.size(), 10u * 10u);
    EXPECT_EQ(t.Stellen.substr(10, 10), "     0.44 ");
    EXPECT_EQ(t.Titel[0], "oben");
    EXPECT_EQ(t.Einheiten[1], "[N/mm²]"_l1);
    // At the end M = 20: N/A = 1 N/mm^2, M maxy / Iz = 20 N/mm^2.
    EXPECT_EQ(t.Zeilen[0].substr(90), "   -19.00 ");
    EXPECT_EQ(t.Zeilen[1].substr(90), "    21.00 ");
    EXPECT_EQ(t.Zeilen[0].substr(0, 10), "     1.00 ");
    Stellenwerte w = WerteAnStelle(stab, Stabtabelle::Normalspannungen, 2.0);
    ASSERT_TRUE(w.Aendern);
    EXPECT_EQ(w.Text[0], "-9.000");
    EXPECT_EQ(w.Text[1], "11.000");

    t = StabergebnisTabelle(stab, Stabtabelle::Schubspannungen);
    EXPECT_EQ(t.Titel[0], "tau");
    EXPECT_EQ(t.Zeilen[0].substr(0, 10), "     0.50 ");
    EXPECT_NE(t.Zeilen[1].find("Mittelwert"), std::string::npos);
    EXPECT_EQ(WerteAnStelle(stab, Stabtabelle::Schubspannungen, 1.0).Text[0], "0.500");

    // Without the distance to the extreme fibre: N/A in both, and said so.
    q->MaxY = 0.0;
    t = StabergebnisTabelle(stab, Stabtabelle::Normalspannungen);
    EXPECT_EQ(t.Zeilen[0], t.Zeilen[1]);
    EXPECT_NE(t.Zeilen[2].find("max y = 0"), std::string::npos);
    ProgrammZuruecksetzen();
}

TEST(Stabergebnistabelle, BarWithoutResultsOrLength) {
    Stab stab{};
    stab.Laenge = 5.0;
    const Stabtabelleninhalt t = StabergebnisTabelle(stab, Stabtabelle::Verschiebungen);
    EXPECT_EQ(t.Titel[0], "w");
    EXPECT_EQ(t.Titel[1], "u");
    EXPECT_EQ(t.Titel[2], "");
    EXPECT_EQ(t.Zeilen[2], "");
    // No run yet: positions, but no value that would read as computed.
    EXPECT_EQ(t.Stellen.substr(0, 10), "     0.00 ");
    for (int i = 0; i < 3; ++i) EXPECT_EQ(t.Zeilen[i], "");
    for (const auto& zeile : t.Extreme)
        for (const std::string& feld : zeile) EXPECT_EQ(feld, "");
    const Stellenwerte leer = WerteAnStelle(stab, Stabtabelle::Schnittkraefte, 1.0);
    EXPECT_TRUE(leer.Aendern);
    EXPECT_EQ(leer.Text[0], "");

    // A bar of length 0 must not compute at a position that is no number.
    stab.Laenge = 0.0;
    const Stellenwerte w = WerteAnStelle(stab, Stabtabelle::Schnittkraefte, 0.0);
    EXPECT_EQ(w.Text[1], "err");
}
