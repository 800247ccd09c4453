// Print jobs: the argument list and the start of the child process.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <fstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "core/bericht.h"
#include "core/latin1.h"
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
