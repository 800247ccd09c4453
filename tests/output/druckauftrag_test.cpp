// Print jobs: the argument list and the start of the child process.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "core/bericht.h"
#include "core/latin1.h"
#include "files/pfade.h"
#include "output/druckauftrag.h"

using A = std::vector<std::string>;

TEST(Druckargumente, WorteDannDatei) {
    EXPECT_EQ(DruckargumenteBilden("lpr -Pascii", "/t/tmp"), (A{"lpr", "-Pascii", "/t/tmp"}));
    EXPECT_EQ(DruckargumenteBilden("lpr  -Pascii", "/t/tmp"), (A{"lpr", "-Pascii", "/t/tmp"}));
    EXPECT_EQ(DruckargumenteBilden("  lpr -P x  ", "f"), (A{"lpr", "-P", "x", "f"}));
    EXPECT_EQ(DruckargumenteBilden("", "f"), (A{"lpr", "f"}));
    EXPECT_EQ(DruckargumenteBilden("   ", "f"), (A{"lpr", "f"}));
    // Long words are kept whole: a cut path would print the wrong file.
    std::string lang(150, 'x');
    EXPECT_EQ(DruckargumenteBilden("cat " + lang, "f"), (A{"cat", lang, "f"}));
}

namespace {

std::string TempPfad(const char* name) {
    const char* t = std::getenv("TMPDIR");
    return std::string(t && *t ? t : "/tmp") + "/velko_druck_" + std::to_string(getpid()) + "_" + name;
}

bool WartenAufDatei(const std::string& pfad) {
    for (int i = 0; i < 500; ++i) {
        struct stat st;
        if (stat(pfad.c_str(), &st) == 0 && st.st_size > 0) return true;
        usleep(10000);
    }
    return false;
}

}  // namespace

TEST(Programmstart, GestartetUndEingesammelt) {
    std::string ziel = TempPfad("kopie");
    std::string quelle = TempPfad("quelle");
    { std::ofstream(quelle) << "Liste\n"; }
    EXPECT_EQ(ProgrammStarten({"cp", quelle, ziel}), Startergebnis::Gestartet);
    ASSERT_TRUE(WartenAufDatei(ziel));
    int laufend = 1;
    for (int i = 0; i < 500 && laufend; ++i) {
        laufend = KinderEinsammeln();
        if (laufend) usleep(10000);
    }
    EXPECT_EQ(laufend, 0);
    std::remove(ziel.c_str());
    std::remove(quelle.c_str());
}

TEST(Programmstart, NichtAusfuehrbaresProgrammMeldetDerElternprozess) {
    int fehler = 0;
    EXPECT_EQ(ProgrammStarten({"/nicht/vorhanden/lpr", "x"}, &fehler), Startergebnis::NichtAusfuehrbar);
    EXPECT_EQ(fehler, ENOENT);
    EXPECT_EQ(ProgrammStarten({"velko-gibt-es-nicht-als-befehl"}, &fehler),
              Startergebnis::NichtAusfuehrbar);
    EXPECT_EQ(ProgrammStarten({}, &fehler), Startergebnis::NichtAusfuehrbar);
    EXPECT_EQ(KinderEinsammeln(), 0);
}

TEST(Druckauftrag, MeldungenUndErgebnisse) {
    SammelBericht bericht;
    Berichtsempfaenger* vorher = BerichtSetzen(&bericht);
    EXPECT_EQ(DruckauftragAusfuehren("/tmp/x", ""), Druckergebnis::KeinKommando);
    EXPECT_EQ(DruckauftragAusfuehren("/tmp/x", "  "), Druckergebnis::KeinKommando);
    EXPECT_EQ(DruckauftragAusfuehren("/tmp/x", "druckt-nicht-xyz -P"), Druckergebnis::Fehler);
    EXPECT_EQ(DruckauftragAusfuehren("/dev/null", "true -x"), Druckergebnis::Gestartet);
    BerichtSetzen(vorher);
    EXPECT_EQ(bericht.Texte(), (std::vector<std::string>(4, "Drucke ...")));
    EXPECT_STREQ(DruckergebnisText(Druckergebnis::KeinKommando), "Geben Sie ein Druckkommando ein");
    EXPECT_STREQ(DruckergebnisText(Druckergebnis::Fehler), "Fehler beim Drucken !");
    EXPECT_STREQ(DruckergebnisText(Druckergebnis::KeinProzess), "Druckprozeß konnte nicht gestartet werden !"_l1);
    for (int i = 0; i < 500 && KinderEinsammeln(); ++i) usleep(10000);
}

TEST(Programmstart, AusfuehrenWartetMitUmgelenkterEinUndAusgabe) {
    std::string quelle = TempPfad("ein"), ziel = TempPfad("aus");
    { std::ofstream(quelle) << "Zeile\n"; }
    FILE* ein = fopen(quelle.c_str(), "r");
    FILE* aus = fopen(ziel.c_str(), "w");
    ASSERT_TRUE(ein && aus);
    int status = -2;
    EXPECT_EQ(ProgrammAusfuehren({"cat"}, fileno(ein), fileno(aus), &status), Startergebnis::Gestartet);
    EXPECT_EQ(status, 0);
    fclose(ein);
    fclose(aus);
    std::ifstream gelesen(ziel);
    std::string zeile;
    std::getline(gelesen, zeile);
    EXPECT_EQ(zeile, "Zeile");  // already there: the call waited for cat
    EXPECT_EQ(ProgrammAusfuehren({"sh", "-c", "exit 3"}, -1, -1, &status), Startergebnis::Gestartet);
    EXPECT_EQ(status, 3);
    EXPECT_EQ(ProgrammAusfuehren({"velko-gibt-es-nicht-als-befehl"}, -1, -1, &status),
              Startergebnis::NichtAusfuehrbar);
    EXPECT_EQ(KinderEinsammeln(), 0);  // nothing left to reap
    std::remove(quelle.c_str());
    std::remove(ziel.c_str());
}

TEST(Hilfe, FehlenderBrowserWirdDurchDenDesDesktopsErsetzt) {
    // A directory with the help page and a stand-in "sensible-browser" that
    // notes which page it was asked to show.
    std::string verzeichnis = TempPfad("hilfe");
    std::string notiz = verzeichnis + "/gezeigt";
    std::filesystem::create_directories(verzeichnis + "/hilfe");
    { std::ofstream(verzeichnis + "/hilfe/hilfe.html") << "<html></html>\n"; }
    { std::ofstream(verzeichnis + "/sensible-browser") << "#!/bin/sh\necho \"$1\" > '" << notiz << "'\n"; }
    chmod((verzeichnis + "/sensible-browser").c_str(), 0755);

    const char* pfad = std::getenv("PATH");
    const std::string gesichert = pfad ? pfad : "";
    setenv("PATH", verzeichnis.c_str(), 1);
    Pfade.Programmverzeichnis = verzeichnis;
    SammelBericht bericht;
    Berichtsempfaenger* vorher = BerichtSetzen(&bericht);

    Pfade.HtmlBetrachter = "mozilla";
    HilfeAnzeigen();
    ASSERT_TRUE(WartenAufDatei(notiz));
    std::ifstream gezeigt(notiz);
    std::string seite;
    std::getline(gezeigt, seite);
    EXPECT_EQ(seite, verzeichnis + "/hilfe/hilfe.html");
    EXPECT_EQ(bericht.Texte().back(),
              "'mozilla' ist nicht ausführbar, die Hilfe öffnet 'sensible-browser' (Einstellungen, Pfade)."_l1);

    // Without any browser the message names the configured one.
    std::remove((verzeichnis + "/sensible-browser").c_str());
    HilfeAnzeigen();
    EXPECT_EQ(bericht.Texte().back(), "Hilfe konnte nicht geladen werden ! 'mozilla' ist nicht ausführbar."_l1);
    Pfade.HtmlBetrachter = "";
    HilfeAnzeigen();
    EXPECT_EQ(bericht.Texte().back(), "Hilfe konnte nicht geladen werden ! Kein HTML-Browser angegeben.");

    BerichtSetzen(vorher);
    setenv("PATH", gesichert.c_str(), 1);
    Pfade = Pfadeinstellungen{};
    for (int i = 0; i < 500 && KinderEinsammeln(); ++i) usleep(10000);
    std::filesystem::remove_all(verzeichnis);
}
