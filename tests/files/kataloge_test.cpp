// The material and cross-section catalogue files.
#include "core/latin1.h"
#include "files/kataloge.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cmath>
#include <vector>

#include "core/bericht.h"
#include "core/programm.h"
#include "core/systemoperationen.h"
#include "files/pfade.h"
#include "tests/files/testverzeichnis.h"

namespace {

class KatalogTest : public ::testing::Test {
protected:
    void SetUp() override {
        vorher_ = BerichtSetzen(&bericht);
        ProgrammZuruecksetzen();
        Pfade = Pfadeinstellungen{};
        Pfade.Katalogverzeichnis = dir.Pfad();
    }
    void TearDown() override {
        ProgrammZuruecksetzen();
        Pfade = Pfadeinstellungen{};
        BerichtSetzen(vorher_);
    }
    static void MaterialEintragen(long nummer, const char* name, double e, double nu, double alpha) {
        Material* m = NeuerDatensatz<Material>();
        m->Nummer = nummer;
        snprintf(m->Name, sizeof m->Name, "%s", name);
        m->EModul = e;
        m->Querkontraktion = nu;
        m->Waermedehnzahl = alpha;
        KeVorneEintragen(Programm.Materialien, m);
    }
    static std::vector<long> Materialnummern() {
        std::vector<long> n;
        for (Material* m : Elemente<Material>(Programm.Materialien)) n.push_back(m->Nummer);
        return n;
    }
    bool Gemeldet(const std::string& text) const {
        for (const std::string& t : bericht.Texte())
            if (t == text) return true;
        return false;
    }

    Testverzeichnis dir;
    SammelBericht bericht;
    Berichtsempfaenger* vorher_ = nullptr;
};

}  // namespace

TEST_F(KatalogTest, MaterialdateiHatDasFesteFormat) {
    Programm.StandardMaterial = 2;
    MaterialEintragen(1, "S 235", 2.1e8, 0.3, 1.2e-5);
    MaterialEintragen(2, "Beton C20/25", 3.0e7, 0.2, 1.0e-5);
    ASSERT_TRUE(MaterialienSchreiben());
    EXPECT_EQ(DateiLesen(dir.Pfad("material.dat")),
              "2\n2\n"
              "2\n Beton_C20/25\n3.000000e+07\n0.200000\n0.000010\n"
              "1\n S_235\n2.100000e+08\n0.300000\n0.000012\n");
    // "%f" stays where it is exact: the installed catalogue is unchanged.
    ProgrammZuruecksetzen();
    const std::string installiert = DateiLesen(std::string(VELKO_QUELLEN) + "/daten/verwaltung/material.dat");
    DateiSchreiben(dir.Pfad("material.dat"), installiert);
    ASSERT_TRUE(MaterialienLesen());
    ASSERT_TRUE(MaterialienSchreiben());
    ASSERT_TRUE(MaterialienLesen());
    ASSERT_TRUE(MaterialienSchreiben());
    EXPECT_EQ(DateiLesen(dir.Pfad("material.dat")), installiert);
}

TEST_F(KatalogTest, JederWertKommtUnveraendertZurueck) {
    const double werte[] = {1.25e-5, 1e-7, 1e260, -1e308, 5e-324, 1.0 / 3.0, -0.0, 2.1e8, 0.3, 123456.789012345};
    for (double w : werte) {
        MaterialEintragen(static_cast<long>(KeAnzahl(Programm.Materialien)), "M", w, w, w);
        Querschnitt* q = NeuerDatensatz<Querschnitt>();
        q->Nummer = KeAnzahl(Programm.Querschnitte);
        q->Flaeche = q->Traegheitsmoment = q->MaxY = w;
        KeVorneEintragen(Programm.Querschnitte, q);
    }
    for (int runde = 0; runde < 2; ++runde) {
        ASSERT_TRUE(MaterialienSchreiben());
        ASSERT_TRUE(QuerschnitteSchreiben());
        ProgrammZuruecksetzen();
        ASSERT_TRUE(MaterialienLesen());
        ASSERT_TRUE(QuerschnitteLesen());
    }
    for (Material* m : Elemente<Material>(Programm.Materialien)) {
        const double w = werte[m->Nummer];
        EXPECT_EQ(m->EModul, w);
        EXPECT_EQ(m->Querkontraktion, w);
        EXPECT_EQ(m->Waermedehnzahl, w);
        EXPECT_EQ(std::signbit(m->EModul), std::signbit(w));
    }
    for (Querschnitt* q : Elemente<Querschnitt>(Programm.Querschnitte)) {
        const double w = werte[q->Nummer];
        EXPECT_EQ(q->Flaeche, w);
        EXPECT_EQ(q->Traegheitsmoment, w);
        EXPECT_EQ(q->MaxY, w);
    }
}

TEST_F(KatalogTest, DoppelteNummernUndUnbrauchbareWerteWerdenGemeldet) {
    DateiSchreiben(dir.Pfad("material.dat"),
                   "1\n5\n1\n erst\n2e8\n0.3\n1e-5\n1\n zweit\n3e8\n0.3\n1e-5\n"
                   "2\n negativ\n-2e8\n0.3\n1e-5\n3\n gummi\n1e3\n0.7\n1e-5\n2\n wieder\n1\n0.3\n1e-5\n");
    ASSERT_TRUE(MaterialienLesen());
    const std::string pfad = dir.Pfad("material.dat");
    EXPECT_TRUE(Gemeldet("Die Datei " + pfad +
                         " enth\xE4lt die Nummern 1, 2 mehrfach, es gilt jeweils der erste Eintrag !"));
    EXPECT_TRUE(Gemeldet(pfad + ": Material 2 hat E = -2e+08 !"));
    EXPECT_TRUE(Gemeldet(pfad + ": Material 3 hat die Querkontraktionszahl 0.7 (nicht zwischen -1 und 0.5) !"));
    EXPECT_EQ(KeAnzahl(Programm.Materialien), 3);
    EXPECT_STREQ(MaterialSuchen(1)->Name, "erst");
    EXPECT_STREQ(MaterialSuchen(2)->Name, "negativ");

    DateiSchreiben(dir.Pfad("querschnitte.dat"), "1\n2\n1\n Q\n0\n1\n0.1\n2\n R\n1\n-1e-4\n0.1\n");
    ASSERT_TRUE(QuerschnitteLesen());
    EXPECT_TRUE(Gemeldet(dir.Pfad("querschnitte.dat") + ": Querschnitt 1 hat A = 0 !"));
    EXPECT_TRUE(Gemeldet(dir.Pfad("querschnitte.dat") + ": Querschnitt 2 hat Iz = -0.0001 !"));
}

TEST_F(KatalogTest, NurGewoehnlicheDateienWerdenGelesen) {
    // A pipe would block, /dev/zero never ends; neither is overwritten.
    const std::string pfad = dir.Pfad("material.dat");
    ASSERT_EQ(mkfifo(pfad.c_str(), 0600), 0);
    EXPECT_FALSE(MaterialienLesen());
    EXPECT_TRUE(Gemeldet("Die Datei " + pfad + " ist keine regul\xE4re Datei !"));
    EXPECT_FALSE(KatalogSchreibbar(pfad));
    EXPECT_FALSE(MaterialienSchreiben());
    EXPECT_FALSE(MaterialienLesen("/dev"));  // "/dev/material.dat" does not exist
    // An endless token is refused, not read without end.
    DateiSchreiben(dir.Pfad("querschnitte.dat"), "1\n1\n1\n Q\n" + std::string(100000, '1') + "\n1\n1\n");
    EXPECT_FALSE(QuerschnitteLesen());
    EXPECT_EQ(KeAnzahl(Programm.Querschnitte), 0);
}

TEST_F(KatalogTest, LesenUndSchreibenKehrtDieReihenfolgeUm) {
    Programm.StandardMaterial = 1;
    MaterialEintragen(1, "S 235", 2.1e8, 0.3, 1.2e-5);
    MaterialEintragen(7, "Brettschicht holz", 1.15e7, 0.0, 5e-6);
    ASSERT_TRUE(MaterialienSchreiben());
    ProgrammZuruecksetzen();

    ASSERT_TRUE(MaterialienLesen());
    EXPECT_EQ(Programm.StandardMaterial, 1);
    EXPECT_EQ(Materialnummern(), (std::vector<long>{1, 7}));
    Material* m = MaterialSuchen(7);
    ASSERT_NE(m, nullptr);
    EXPECT_STREQ(m->Name, "Brettschicht holz");
    EXPECT_DOUBLE_EQ(m->EModul, 1.15e7);
    EXPECT_DOUBLE_EQ(m->Waermedehnzahl, 5e-6);
    EXPECT_TRUE(bericht.Zeilen.empty());
}

TEST_F(KatalogTest, QuerschnitteRundreise) {
    Programm.StandardQuerschnitt = 3;
    Querschnitt* q = NeuerDatensatz<Querschnitt>();
    q->Nummer = 3;
    snprintf(q->Name, sizeof q->Name, "IPE 200");
    q->Flaeche = 28.5e-4;
    q->Traegheitsmoment = 1943e-8;
    q->MaxY = 0.1;
    KeVorneEintragen(Programm.Querschnitte, q);
    ASSERT_TRUE(QuerschnitteSchreiben());
    EXPECT_EQ(DateiLesen(dir.Pfad("querschnitte.dat")), "3\n1\n3\n IPE_200\n2.850000e-03\n1.943000e-05\n0.100000\n");
    ProgrammZuruecksetzen();
    ASSERT_TRUE(QuerschnitteLesen());
    Querschnitt* r = QuerschnittSuchen(3);
    ASSERT_NE(r, nullptr);
    EXPECT_STREQ(r->Name, "IPE 200");
    EXPECT_DOUBLE_EQ(r->Traegheitsmoment, 1943e-8);
    EXPECT_EQ(Programm.StandardQuerschnitt, 3);
}

TEST_F(KatalogTest, FehlendeDateienGebenZweiMeldungenJeKatalog) {
    EXPECT_FALSE(MaterialienLesen());
    EXPECT_FALSE(QuerschnitteLesen());
    std::vector<std::string> erwartet = {
        "Die Datei " + dir.Pfad("material.dat") + " konnte nicht geöffnet werden !"_l1,
        "Überprüfen Sie die Pfadangaben in der Datei .velko"_l1,
        "Die Datei " + dir.Pfad("querschnitte.dat") + " konnte nicht geöffnet werden !"_l1,
        "Überprüfen Sie die Pfadangaben in der Datei .velko"_l1};
    EXPECT_EQ(bericht.Texte(), erwartet);
    EXPECT_EQ(Programm.Materialien, nullptr);
    // a missing catalogue may be created at exit
    EXPECT_TRUE(MaterialienSchreiben());
    EXPECT_EQ(DateiLesen(dir.Pfad("material.dat")), "0\n0\n");
}

TEST_F(KatalogTest, UnvollstaendigeDateiWirdNichtUeberschrieben) {
    const std::string kurz = "1\n3\n1\n S235\n2.1e8\n0.3\n1.2e-5\n2\n S355\n2.1e8\n";
    DateiSchreiben(dir.Pfad("material.dat"), kurz);
    EXPECT_FALSE(MaterialienLesen());
    EXPECT_EQ(Materialnummern(), (std::vector<long>{1}));  // what was readable is kept
    EXPECT_TRUE(Gemeldet("Die Datei " + dir.Pfad("material.dat") + " ist unvollständig und wird nicht überschrieben !"_l1));
    EXPECT_FALSE(MaterialienSchreiben());
    EXPECT_EQ(DateiLesen(dir.Pfad("material.dat")), kurz);
    EXPECT_TRUE(Gemeldet("Datei " + dir.Pfad("material.dat") + " konnte nicht geschrieben werden"));

    // a complete file read later lifts the block
    DateiSchreiben(dir.Pfad("material.dat"), "1\n0\n");
    EXPECT_TRUE(MaterialienLesen());
    EXPECT_TRUE(MaterialienSchreiben());
}

TEST_F(KatalogTest, BeschaedigteDateienWerdenSicherGelesen) {
    struct Fall {
        const char* inhalt;
        size_t eintraege;
    };
    const Fall faelle[] = {
        {"", 0},
        {"1\n-5\n", 0},
        {"1\n999999999999\n", 0},
        {"1\n2\n1\n S235\nabc\n0.3\n1e-5\n", 0},
        {"1\n1\nx\n S235\n1\n0.3\n1e-5\n", 0},
        {"1\n2\n1\n A\n1\n0.3\n1e-5\n2\n B\n1\n0.3\ninf\n", 1},
    };
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.inhalt);
        ProgrammZuruecksetzen();
        DateiSchreiben(dir.Pfad("material.dat"), fall.inhalt);
        EXPECT_FALSE(MaterialienLesen());
        EXPECT_EQ(static_cast<size_t>(KeAnzahl(Programm.Materialien)), fall.eintraege);
        EXPECT_FALSE(KatalogSchreibbar(dir.Pfad("material.dat")));
    }
}

TEST_F(KatalogTest, LangeUndLeereNamen) {
    std::string lang(300, 'n');
    DateiSchreiben(dir.Pfad("querschnitte.dat"), "1\n1\n1\n " + lang + "\n1e-3\n1e-6\n0.05\n");
    ASSERT_TRUE(QuerschnitteLesen());
    Querschnitt* q = QuerschnittSuchen(1);
    ASSERT_NE(q, nullptr);
    EXPECT_EQ(std::string(q->Name), std::string(NAME_KURZ - 1, 'n'));

    // an empty name still takes its place in the file
    q->Name[0] = '\0';
    ASSERT_TRUE(QuerschnitteSchreiben());
    ProgrammZuruecksetzen();
    ASSERT_TRUE(QuerschnitteLesen());
    ASSERT_NE(QuerschnittSuchen(1), nullptr);
    EXPECT_DOUBLE_EQ(QuerschnittSuchen(1)->MaxY, 0.05);
    EXPECT_STREQ(QuerschnittSuchen(1)->Name, "");  // and stays empty
}

TEST_F(KatalogTest, LesenErsetztDenKatalog) {
    MaterialEintragen(1, "alt", 1, 0, 0);
    DateiSchreiben(dir.Pfad("material.dat"), "5\n1\n5\n neu\n1\n0\n0\n");
    ASSERT_TRUE(MaterialienLesen());
    EXPECT_EQ(Materialnummern(), (std::vector<long>{5}));
}

TEST_F(KatalogTest, FehlgeschlagenesSchreibenBehaeltAlteDatei) {
    // a catalogue directory that is a regular file blocks even for root
    DateiSchreiben(dir.Pfad("datei"), "x");
    Pfade.Katalogverzeichnis = dir.Pfad("datei");
    MaterialEintragen(1, "S235", 2.1e8, 0.3, 1.2e-5);
    EXPECT_FALSE(MaterialienSchreiben());
    EXPECT_FALSE(QuerschnitteSchreiben());
    EXPECT_TRUE(Gemeldet("Datei " + dir.Pfad("datei/material.dat") + " konnte nicht geschrieben werden"));
    EXPECT_TRUE(Gemeldet("Datei " + dir.Pfad("datei/querschnitte.dat") + " konnte nicht geschrieben werden"));
    EXPECT_EQ(DateiLesen(dir.Pfad("datei")), "x");
}
