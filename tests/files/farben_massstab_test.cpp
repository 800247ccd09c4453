// Colour files and scale files.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cmath>

#include "core/aenderungen.h"
#include "core/bericht.h"
#include "core/latin1.h"
#include "files/farben.h"
#include "files/massstab.h"
#include "tests/files/testverzeichnis.h"

namespace {

class DateiTest : public ::testing::Test {
protected:
    void SetUp() override {
        vorher_ = BerichtSetzen(&bericht);
        FarbenVorgaben();
        Massstaebe.Vorgaben();
    }
    void TearDown() override {
        PixelermittlungSetzen(nullptr);
        FarbenVorgaben();
        Massstaebe.Vorgaben();
        AenderungsempfaengerSetzen(nullptr);
        BerichtSetzen(vorher_);
    }
    std::vector<std::string> Texte() const { return bericht.Texte(); }

    Testverzeichnis dir;
    SammelBericht bericht;
    Berichtsempfaenger* vorher_ = nullptr;
};

std::string Zeilen(std::initializer_list<long> werte) {
    std::string s;
    for (long w : werte) s += std::to_string(w) + "\n";
    return s;
}

}  // namespace

// ------------------------------------------------------------ colours

TEST_F(DateiTest, FarbvorgabenUndBeschriftungen) {
    EXPECT_STREQ(FarbBeschriftung(0), "Hintergrund");
    EXPECT_STREQ(FarbBeschriftung(5), "selektierter Stab");
    EXPECT_STREQ(FarbBeschriftung(17), "Feder");
    EXPECT_STREQ(FarbBeschriftung(18), "");
    const long erwartet[FARBEN_ANZAHL] = {0, 7, 3, 3, 7, 3, 1, 6, 18, 6, 6, 18, 2, 5, 1, 16, 1, 3};
    for (int i = 0; i < FARBEN_ANZAHL; ++i) EXPECT_EQ(Farben.Index[i], erwartet[i]) << i;
    // a marked bar shows in none of the colours of loads and diagrams
    for (int rolle : {7, 9, 10, 12, 13, 14, 16}) EXPECT_NE(FarbVorgabe(5), FarbVorgabe(rolle)) << rolle;
}

TEST_F(DateiTest, FarbdateiRundreiseUndIndexVierZuerst) {
    std::string pfad = dir.Pfad("blau.col");
    FarbeSetzen(0, 4);  // blue background
    FarbeSetzen(14, 9);
    ASSERT_TRUE(FarbenSchreiben(pfad.c_str()));
    EXPECT_EQ(Texte().back(), "Farben geschrieben.");
    EXPECT_EQ(DateiLesen(pfad), Zeilen({4, 7, 3, 3, 7, 3, 1, 6, 18, 6, 6, 18, 2, 5, 9, 16, 1, 3}));

    FarbenVorgaben();
    // pixel values come from the installed lookup
    PixelermittlungSetzen([](long index) { return static_cast<unsigned long>(1000 + index); });
    ASSERT_TRUE(FarbenLesen(pfad.c_str()));
    EXPECT_EQ(Farben.Index[0], 4);
    EXPECT_EQ(Farben.Pixel[0], 1004u);
    EXPECT_EQ(Farben.Index[14], 9);
    EXPECT_EQ(Farben.Pixel[17], 1003u);
}

TEST_F(DateiTest, KurzeFarbdateiAendertNurGelesenes) {
    std::string pfad = dir.Pfad("kurz.col");
    DateiSchreiben(pfad, "4\n2\n");
    FarbeSetzen(4, 12);
    ASSERT_TRUE(FarbenLesen(pfad.c_str()));
    EXPECT_EQ(Farben.Index[0], 4);
    EXPECT_EQ(Farben.Index[1], 2);
    EXPECT_EQ(Farben.Index[2], 3);
    EXPECT_EQ(Farben.Index[4], 12);
}

TEST_F(DateiTest, UnbrauchbareFarbdateiAendertNichtsUndSagtEs) {
    // NUL bytes, words, indices the toolkit does not have, a device, a pipe.
    const std::string pfad = dir.Pfad("kaputt.col");
    ASSERT_EQ(mkfifo(dir.Pfad("rohr.col").c_str(), 0600), 0);
    FarbeSetzen(4, 12);
    const std::string faelle[] = {std::string(18, '\0'), "4\n99999\n2\n", "4\nabc\n", "", "1\n-1\n"};
    for (const std::string& inhalt : faelle) {
        bericht.Zeilen.clear();
        DateiSchreiben(pfad, inhalt);
        EXPECT_FALSE(FarbenLesen(pfad.c_str()));
        EXPECT_EQ(Texte(), std::vector<std::string>{"Datei " + pfad + " enth\xE4lt keine g\xFCltigen Farben, "
                                                                              "die bisherigen Farben bleiben !"});
    }
    for (const std::string& p : {std::string("/dev/zero"), dir.Pfad("rohr.col")}) {
        EXPECT_FALSE(FarbenLesen(p.c_str()));
        EXPECT_EQ(Texte().back(), "Datei " + p + " ist keine regul\xE4re Datei !");
    }
    EXPECT_EQ(Farben.Index[0], 0);
    EXPECT_EQ(Farben.Index[1], 7);
    EXPECT_EQ(Farben.Index[4], 12);
}

TEST_F(DateiTest, FehlendeFarbdatei) {
    std::string pfad = dir.Pfad("fehlt.col");
    EXPECT_FALSE(FarbenLesen(pfad.c_str()));
    EXPECT_EQ(Texte(), std::vector<std::string>{"Datei " + pfad + " konnte nicht geöffnet werden !"_l1});
    EXPECT_EQ(Farben.Index[1], 7);
}

TEST_F(DateiTest, FehlgeschlagenesFarbschreibenBehaeltAlteDatei) {
    DateiSchreiben(dir.Pfad("datei"), "x");
    std::string pfad = dir.Pfad("datei/standard.col");
    EXPECT_FALSE(FarbenSchreiben(pfad.c_str()));
    EXPECT_EQ(Texte(), std::vector<std::string>{"Datei " + pfad + " konnte nicht geöffnet werden !"_l1});
    EXPECT_EQ(DateiLesen(dir.Pfad("datei")), "x");
}

// ------------------------------------------------------------ scales

TEST_F(DateiTest, MassstabDateinamen) {
    EXPECT_EQ(MassstabDateiname("/p/haus.sysdat"), "/p/haus.massdat");
    EXPECT_EQ(MassstabDateiname("/p/haus"), "/p/haus.massdat");
    EXPECT_EQ(MassstabDateiname("a"), "a.massdat");
    EXPECT_EQ(MassstabDateiname(".sysdat"), ".massdat");
    EXPECT_EQ(MassstabDateiname("/p/x.sysdat.alt"), "/p/x.sysdat.alt.massdat");
    EXPECT_EQ(MassstabDateiname(nullptr), ".massdat");
}

TEST_F(DateiTest, MassstabRundreiseInDateireihenfolge) {
    std::string system = dir.Pfad("rahmen.sysdat");
    Massstaebe.Setzen(MASSSTAB_SCHNITTKRAFT, "2.5");
    Massstaebe.Setzen(MASSSTAB_STRECKENLAST, "3");
    Massstaebe.Setzen(MASSSTAB_PUNKTLAST, "4");
    Massstaebe.Setzen(MASSSTAB_VERSCHIEBUNG, "100");
    Massstaebe.ZahlSetzen(MASSSTAB_SYSTEM, 37.456);
    Massstaebe.Setzen(MASSSTAB_POSITION_X, "-12.5");
    Massstaebe.Setzen(MASSSTAB_POSITION_Y, "  7  ");
    ASSERT_TRUE(MassstabSchreiben(system.c_str()));
    EXPECT_EQ(DateiLesen(dir.Pfad("rahmen.massdat")), "37.46\n100\n4\n3\n2.5\n-12.5\n7\n");

    Aenderungssammler gemeldet;
    AenderungsempfaengerSetzen(&gemeldet);
    Massstaebe.Vorgaben();
    ASSERT_TRUE(MassstabLesen(system.c_str()));
    EXPECT_EQ(gemeldet.Abholen().Arten(), AENDERUNG_MASSSTAB);
    EXPECT_DOUBLE_EQ(Massstaebe.Schnittkraft(), 2.5);
    EXPECT_DOUBLE_EQ(Massstaebe.Streckenlast(), 3);
    EXPECT_DOUBLE_EQ(Massstaebe.Punktlast(), 4);
    EXPECT_DOUBLE_EQ(Massstaebe.Verschiebung(), 100);
    EXPECT_DOUBLE_EQ(Massstaebe.System(), 37.46);
    EXPECT_DOUBLE_EQ(Massstaebe.PositionX(), -12.5);
    EXPECT_EQ(Massstaebe.Text(MASSSTAB_POSITION_Y), "7");
    EXPECT_TRUE(bericht.Zeilen.empty());
}

TEST_F(DateiTest, FehlendeMassstabdateiSetztVorgaben) {
    Massstaebe.Setzen(MASSSTAB_SYSTEM, "80");
    std::string system = dir.Pfad("ohne.sysdat");
    EXPECT_FALSE(MassstabLesen(system.c_str()));
    EXPECT_EQ(Texte(), std::vector<std::string>{"Datei " + dir.Pfad("ohne.massdat") + " konnte nicht geladen werden "});
    const char* vorgaben[] = {"1", "1", "1", "20", "50", "0", "0"};
    for (int i = 0; i < MASSSTAB_FELDER; ++i) EXPECT_EQ(Massstaebe.Text(i), vorgaben[i]) << i;
}

TEST_F(DateiTest, UnsinnigeMassstabtexte) {
    // text that is no number counts as 0, as atof reads it
    Massstaebe.Setzen(MASSSTAB_SYSTEM, "abc");
    EXPECT_EQ(Massstaebe.System(), 0.0);
    Massstaebe.Setzen(MASSSTAB_PUNKTLAST, "2 5");
    EXPECT_EQ(Massstaebe.Text(MASSSTAB_PUNKTLAST), "2");
    Massstaebe.Setzen(MASSSTAB_STRECKENLAST, "");
    Massstaebe.Setzen(MASSSTAB_VERSCHIEBUNG, std::string(500, '9'));
    EXPECT_EQ(Massstaebe.Text(MASSSTAB_VERSCHIEBUNG).size(), MASSSTAB_TEXT_MAX);
    std::string system = dir.Pfad("s.sysdat");
    ASSERT_TRUE(MassstabSchreiben(system.c_str()));
    // the empty input still fills its line, so the order survives
    Massstaebe.Vorgaben();
    ASSERT_TRUE(MassstabLesen(system.c_str()));
    EXPECT_EQ(Massstaebe.Text(MASSSTAB_STRECKENLAST), "0");
    EXPECT_EQ(Massstaebe.Text(MASSSTAB_SCHNITTKRAFT), "1");
    EXPECT_EQ(Massstaebe.Text(MASSSTAB_POSITION_Y), "0");
}

TEST_F(DateiTest, KurzeMassstabdateiFuelltMitVorgaben) {
    DateiSchreiben(dir.Pfad("k.massdat"), "30\n5\n" + std::string(300, '7') + "\n");
    EXPECT_FALSE(MassstabLesen(dir.Pfad("k.sysdat").c_str()));
    EXPECT_EQ(Massstaebe.Text(MASSSTAB_SYSTEM), "30");
    EXPECT_EQ(Massstaebe.Text(MASSSTAB_VERSCHIEBUNG), "5");
    EXPECT_EQ(Massstaebe.Text(MASSSTAB_PUNKTLAST).size(), MASSSTAB_TEXT_MAX);
    EXPECT_EQ(Massstaebe.Text(MASSSTAB_STRECKENLAST), "1");
    EXPECT_EQ(Massstaebe.Text(MASSSTAB_POSITION_X), "0");
}

TEST_F(DateiTest, MassstabdateiOhneEndlicheWerteOderAusEinemGeraet) {
    DateiSchreiben(dir.Pfad("u.massdat"), "nan\n1e999\n2\ninf\n3\n0\n0\n");
    EXPECT_FALSE(MassstabLesen(dir.Pfad("u.sysdat").c_str()));
    EXPECT_EQ(Massstaebe.Text(MASSSTAB_SYSTEM), "50");
    EXPECT_EQ(Massstaebe.Text(MASSSTAB_VERSCHIEBUNG), "20");
    EXPECT_EQ(Massstaebe.Text(MASSSTAB_PUNKTLAST), "2");
    EXPECT_EQ(Massstaebe.Text(MASSSTAB_SCHNITTKRAFT), "3");
    EXPECT_TRUE(std::isfinite(Massstaebe.Streckenlast()));
    // A pipe beside the system file neither blocks nor is read.
    ASSERT_EQ(mkfifo(dir.Pfad("r.massdat").c_str(), 0600), 0);
    EXPECT_FALSE(MassstabLesen(dir.Pfad("r.sysdat").c_str()));
    EXPECT_EQ(Texte().back(), "Datei " + dir.Pfad("r.massdat") + " ist keine regul\xE4re Datei !");
}

TEST_F(DateiTest, FehlgeschlagenesMassstabschreiben) {
    DateiSchreiben(dir.Pfad("datei"), "x");
    std::string system = dir.Pfad("datei/s.sysdat");
    EXPECT_FALSE(MassstabSchreiben(system.c_str()));
    EXPECT_EQ(Texte(), std::vector<std::string>{"Maßstab konnte nicht geschrieben werden ! ["_l1 + dir.Pfad("datei/s.massdat") +
                                                "]"});
}
