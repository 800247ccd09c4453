// The per-user path configuration: reading, writing, the first run and the
// creation of directories.
#include "files/pfade.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include "core/bericht.h"
#include "tests/files/testverzeichnis.h"

namespace {

class PfadeTest : public ::testing::Test {
protected:
    void SetUp() override {
        vorher_ = BerichtSetzen(&bericht);
        Pfade = Pfadeinstellungen{};
    }
    void TearDown() override {
        BerichtSetzen(vorher_);
        Pfade = Pfadeinstellungen{};
    }
    bool Gemeldet(const std::string& text) const {
        for (const std::string& t : bericht.Texte())
            if (t == text) return true;
        return false;
    }
    bool IstVerzeichnis(const std::string& p) const { return std::filesystem::is_directory(p); }

    Testverzeichnis home;
    SammelBericht bericht;
    Berichtsempfaenger* vorher_ = nullptr;
};

}  // namespace

TEST_F(PfadeTest, VorgabenFuerDenErstenStart) {
    Pfadeinstellungen p = PfadeVorgaben("/home/ina");
    EXPECT_EQ(p.Programmverzeichnis, "/home/ina/Velko");
    EXPECT_EQ(p.Katalogverzeichnis, "/home/ina/Velko/verwaltung");
    EXPECT_EQ(p.Projektverzeichnis, "/home/ina/Velko/projekte");
    EXPECT_EQ(p.Tempverzeichnis, "/home/ina/Velko");
    EXPECT_EQ(p.HtmlBetrachter, "xdg-open");
    EXPECT_EQ(p.PsBetrachter, "gv");
    EXPECT_EQ(p.Verwaltungsverzeichnis, "/home/ina/Velko/verwaltung");
}

TEST_F(PfadeTest, SchreibenUndLesenErgibtDieselbenEinstellungen) {
    std::string basis = home.Pfad("Velko");
    Pfadeinstellungen p = PfadeVorgaben(home.Pfad());
    p.PsBetrachter = "evince";
    PfadeUebernehmen(p);
    ASSERT_TRUE(PfadeSchreiben(home.Pfad().c_str()));
    EXPECT_TRUE(Gemeldet("Pfade geschrieben und Verzeichnisse erstellt"));
    EXPECT_EQ(DateiLesen(home.Pfad(".velko")),
              basis + "\n" + basis + "/verwaltung\n" + basis + "/projekte\n" + basis + "\nxdg-open\nevince\n");
    EXPECT_TRUE(IstVerzeichnis(basis + "/verwaltung"));
    EXPECT_TRUE(IstVerzeichnis(basis + "/projekte"));

    Pfade = Pfadeinstellungen{};
    ASSERT_TRUE(PfadeLesen(home.Pfad().c_str()));
    EXPECT_EQ(Pfade.Programmverzeichnis, basis);
    EXPECT_EQ(Pfade.Katalogverzeichnis, basis + "/verwaltung");
    EXPECT_EQ(Pfade.Projektverzeichnis, basis + "/projekte");
    EXPECT_EQ(Pfade.Tempverzeichnis, basis);
    EXPECT_EQ(Pfade.HtmlBetrachter, "xdg-open");
    EXPECT_EQ(Pfade.PsBetrachter, "evince");
    EXPECT_EQ(Pfade.Verwaltungsverzeichnis, basis + "/verwaltung");
}

TEST_F(PfadeTest, HomeAusDerUmgebungOderDemBenutzereintrag) {
    const char* alt = getenv("HOME");
    std::string gesichert = alt ? alt : "";
    setenv("HOME", home.Pfad().c_str(), 1);
    EXPECT_EQ(HomeVerzeichnis(), home.Pfad());
    DateiSchreiben(home.Pfad(".velko"), "/aus/der/umgebung\n");
    EXPECT_TRUE(PfadeLesen());
    EXPECT_EQ(Pfade.Programmverzeichnis, "/aus/der/umgebung");
    unsetenv("HOME");
    EXPECT_FALSE(HomeVerzeichnis().empty());  // the password entry stands in
    if (alt) setenv("HOME", gesichert.c_str(), 1);
}

TEST_F(PfadeTest, FehlendeDateiLaesstEinstellungenUnberuehrt) {
    Pfade.Programmverzeichnis = "/bleibt";
    EXPECT_FALSE(PfadeLesen(home.Pfad().c_str()));
    EXPECT_EQ(Pfade.Programmverzeichnis, "/bleibt");
}

TEST_F(PfadeTest, NurEineGewoehnlicheDateiWirdGelesen) {
    // A pipe would block at start-up, a directory or device has no lines.
    Pfade.Katalogverzeichnis = "/alt";
    ASSERT_EQ(mkfifo(home.Pfad(".velko").c_str(), 0600), 0);
    EXPECT_FALSE(PfadeLesen(home.Pfad().c_str()));
    EXPECT_TRUE(Gemeldet("Die Datei " + home.Pfad(".velko") + " ist keine regul\xE4re Datei !"));
    EXPECT_EQ(Pfade.Katalogverzeichnis, "/alt");
    // Endless lines are cut, the file is read to its end only once.
    std::filesystem::remove(home.Pfad(".velko"));
    DateiSchreiben(home.Pfad(".velko"), std::string(60000, 'x') + "\n/kat\n");
    ASSERT_TRUE(PfadeLesen(home.Pfad().c_str()));
    EXPECT_EQ(Pfade.Programmverzeichnis.size(), PFAD_EINSTELLUNG_MAX);
    EXPECT_EQ(Pfade.Katalogverzeichnis, "/kat");
    DateiSchreiben(home.Pfad(".velko"), std::string(100000, '\0'));
    EXPECT_FALSE(PfadeLesen(home.Pfad().c_str()));
    EXPECT_TRUE(Gemeldet("Die Datei " + home.Pfad(".velko") + " ist zu gro\xDF !"));
}

TEST_F(PfadeTest, KurzeDateiLaesstDieUebrigenEinstellungenLeer) {
    DateiSchreiben(home.Pfad(".velko"), "/opt/velko\n/kat");  // no final newline
    Pfade.PsBetrachter = "alt";
    ASSERT_TRUE(PfadeLesen(home.Pfad().c_str()));
    EXPECT_EQ(Pfade.Programmverzeichnis, "/opt/velko");
    EXPECT_EQ(Pfade.Katalogverzeichnis, "/kat");
    EXPECT_EQ(Pfade.Projektverzeichnis, "");
    EXPECT_EQ(Pfade.HtmlBetrachter, "");
    EXPECT_EQ(Pfade.PsBetrachter, "");
    EXPECT_EQ(Pfade.Verwaltungsverzeichnis, "/opt/velko/verwaltung");
}

TEST_F(PfadeTest, LeereEinstellungVerschiebtDieFolgendenNicht) {
    Pfadeinstellungen p = PfadeVorgaben(home.Pfad());
    p.HtmlBetrachter = "";
    PfadeUebernehmen(p);
    PfadeSchreiben(home.Pfad().c_str());
    Pfade = Pfadeinstellungen{};
    ASSERT_TRUE(PfadeLesen(home.Pfad().c_str()));
    EXPECT_EQ(Pfade.HtmlBetrachter, "");
    EXPECT_EQ(Pfade.PsBetrachter, "gv");
}

TEST_F(PfadeTest, UeberlangeUndMehrzeiligeWerteWerdenGekuerzt) {
    std::string lang(5000, 'x');
    DateiSchreiben(home.Pfad(".velko"), "/" + lang + "\n  /kat  \n/p\n/t\nfirefox\ngv\n");
    ASSERT_TRUE(PfadeLesen(home.Pfad().c_str()));
    EXPECT_EQ(Pfade.Programmverzeichnis.size(), PFAD_EINSTELLUNG_MAX);
    EXPECT_EQ(Pfade.Katalogverzeichnis, "/kat");  // the long line did not spill over
    EXPECT_EQ(Pfade.PsBetrachter, "gv");

    Pfadeinstellungen p;
    p.Projektverzeichnis = "/a\n/b";
    p.Tempverzeichnis = std::string(1000, 't');
    PfadeUebernehmen(p);
    EXPECT_EQ(Pfade.Projektverzeichnis, "/a");
    EXPECT_EQ(Pfade.Tempverzeichnis.size(), PFAD_EINSTELLUNG_MAX);
}

TEST_F(PfadeTest, FehlgeschlagenesSchreibenBehaeltAlteDateiUndLegtNichtsAn) {
    DateiSchreiben(home.Pfad("kein_verzeichnis"), "x");
    std::string falschesHome = home.Pfad("kein_verzeichnis");
    Pfade.Projektverzeichnis = home.Pfad("neu");
    EXPECT_FALSE(PfadeSchreiben(falschesHome.c_str()));
    EXPECT_TRUE(Gemeldet(">> Fehler beim Schreiben von '.velko' in '" + falschesHome + "'!\n"));
    EXPECT_FALSE(Existiert(home.Pfad("neu")));
    EXPECT_EQ(DateiLesen(falschesHome), "x");
}

TEST_F(PfadeTest, VerzeichnisAnlegenOhneLaengengrenze) {
    std::string tief = home.Pfad("ein_recht_langer_name/noch_ein_langer_name_dazu/und_das_dritte_stueck/ende");
    ASSERT_GT(tief.size(), 49u);
    EXPECT_TRUE(VerzeichnisAnlegen(tief));
    EXPECT_TRUE(IstVerzeichnis(tief));
    EXPECT_TRUE(VerzeichnisAnlegen(tief + "/"));  // already there, trailing slash
    EXPECT_TRUE(bericht.Zeilen.empty());
}

TEST_F(PfadeTest, VerzeichnisAnlegenMeldetBlockiertenPfad) {
    DateiSchreiben(home.Pfad("datei"), "x");
    std::string pfad = home.Pfad("datei/unter/tiefer");
    EXPECT_FALSE(VerzeichnisAnlegen(pfad));
    EXPECT_TRUE(Gemeldet(">> Fehler beim Erstellen von '" + home.Pfad("datei/") + "'!\n!"));
    EXPECT_EQ(bericht.Zeilen.size(), 1u);  // stops at the first failure
}

TEST_F(PfadeTest, SchreibenMitFehlendemVerzeichnisMeldetKeinenErfolg) {
    DateiSchreiben(home.Pfad("datei"), "x");
    Pfadeinstellungen p = PfadeVorgaben(home.Pfad());
    p.Projektverzeichnis = home.Pfad("datei/projekte");
    PfadeUebernehmen(p);
    EXPECT_FALSE(PfadeSchreiben(home.Pfad().c_str()));
    EXPECT_FALSE(Gemeldet("Pfade geschrieben und Verzeichnisse erstellt"));
    EXPECT_TRUE(Gemeldet("Pfade geschrieben"));
    // the directories after the failed one are still created
    EXPECT_TRUE(IstVerzeichnis(p.Tempverzeichnis));
    EXPECT_TRUE(Existiert(home.Pfad(".velko")));
}

TEST_F(PfadeTest, ErsterStartKopiertKatalogeOhneVorhandeneZuUeberschreiben) {
    std::string verwaltung = home.Pfad("Velko/verwaltung");
    ASSERT_TRUE(VerzeichnisAnlegen(verwaltung));
    DateiSchreiben(verwaltung + "/material.dat", "M");
    DateiSchreiben(verwaltung + "/querschnitte.dat", "Q");
    DateiSchreiben(verwaltung + "/standard.col", "C");

    Pfadeinstellungen p = PfadeVorgaben(home.Pfad());
    p.Katalogverzeichnis = home.Pfad("kataloge");
    ASSERT_TRUE(VerzeichnisAnlegen(p.Katalogverzeichnis));
    DateiSchreiben(p.Katalogverzeichnis + "/querschnitte.dat", "eigene");

    EXPECT_TRUE(ErststartAbschliessen(p, home.Pfad().c_str()));
    EXPECT_EQ(Pfade.Verwaltungsverzeichnis, verwaltung);
    EXPECT_EQ(DateiLesen(p.Katalogverzeichnis + "/material.dat"), "M");
    EXPECT_EQ(DateiLesen(p.Katalogverzeichnis + "/standard.col"), "C");
    EXPECT_EQ(DateiLesen(p.Katalogverzeichnis + "/querschnitte.dat"), "eigene");
    EXPECT_TRUE(Existiert(home.Pfad(".velko")));
}

TEST_F(PfadeTest, ErsterStartMitKatalogImVerwaltungsverzeichnis) {
    // The defaults put the catalogues into the administration directory:
    // the master copies are the catalogues and nothing is copied.
    std::string verwaltung = home.Pfad("Velko/verwaltung");
    ASSERT_TRUE(VerzeichnisAnlegen(verwaltung));
    for (const char* n : {"material.dat", "querschnitte.dat", "standard.col"}) DateiSchreiben(verwaltung + "/" + n, n);
    EXPECT_TRUE(ErststartAbschliessen(PfadeVorgaben(home.Pfad()), home.Pfad().c_str()));
    EXPECT_EQ(DateiLesen(verwaltung + "/material.dat"), "material.dat");
}

TEST_F(PfadeTest, ErsterStartOhneVorlagenMeldetFehler) {
    Pfadeinstellungen p = PfadeVorgaben(home.Pfad());
    p.Katalogverzeichnis = home.Pfad("kataloge");
    EXPECT_FALSE(ErststartAbschliessen(p, home.Pfad().c_str()));
    EXPECT_FALSE(Existiert(home.Pfad("kataloge/material.dat")));
    EXPECT_TRUE(Gemeldet(">> Fehler beim Kopieren von '" + home.Pfad("Velko/verwaltung/material.dat") + "'!"));
}

TEST_F(PfadeTest, ErsterStartKopiertDieBeispieleNurInEinenNeuenOrdner) {
    // An installation: program directory with its examples, catalogues
    // elsewhere.
    std::string daten = home.Pfad("prefix/share/velko");
    ASSERT_TRUE(VerzeichnisAnlegen(daten + "/verwaltung") && VerzeichnisAnlegen(daten + "/beispiele"));
    for (const char* n : {"material.dat", "querschnitte.dat", "standard.col"}) DateiSchreiben(daten + "/verwaltung/" + n, n);
    DateiSchreiben(daten + "/beispiele/rahmen.sysdat", "S");
    DateiSchreiben(daten + "/beispiele/rahmen.massdat", "M");
    DateiSchreiben(daten + "/beispiele/liesmich.txt", "T");

    Pfadeinstellungen p = PfadeVorgaben(home.Pfad());
    p.Programmverzeichnis = daten;
    ASSERT_TRUE(ErststartAbschliessen(p, home.Pfad().c_str()));
    const std::string beispiele = p.Projektverzeichnis + "/beispiele";
    EXPECT_EQ(DateiLesen(beispiele + "/rahmen.sysdat"), "S");
    EXPECT_EQ(DateiLesen(beispiele + "/rahmen.massdat"), "M");
    EXPECT_FALSE(Existiert(beispiele + "/liesmich.txt"));
    EXPECT_EQ(DateiLesen(p.Katalogverzeichnis + "/material.dat"), "material.dat");

    // A second first run (the .velko was removed) brings back no example
    // the user deleted.
    std::remove((beispiele + "/rahmen.massdat").c_str());
    ASSERT_TRUE(ErststartAbschliessen(p, home.Pfad().c_str()));
    EXPECT_FALSE(Existiert(beispiele + "/rahmen.massdat"));
}
