// The installation found from the program's location, and outside programs
// found along a search path.
#include "files/installation.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include "core/bericht.h"
#include "tests/files/testverzeichnis.h"

namespace {

void Programm(const std::string& pfad, mode_t modus = 0755) {
    DateiSchreiben(pfad, "#!/bin/sh\n");
    chmod(pfad.c_str(), modus);
}

}  // namespace

TEST(Installation, DatenNebenDemProgrammverzeichnis) {
    Testverzeichnis t;
    SammelBericht still;
    Berichtsempfaenger* vorher = BerichtSetzen(&still);
    ASSERT_TRUE(VerzeichnisAnlegen(t.Pfad("p r/bin")));
    // Without an administration directory there is no installation (the
    // program runs from its build tree).
    EXPECT_EQ(InstallierteDatenVon(t.Pfad("p r/bin")), "");
    ASSERT_TRUE(VerzeichnisAnlegen(t.Pfad("p r/share/velko/verwaltung")));
    EXPECT_EQ(InstallierteDatenVon(t.Pfad("p r/bin")), t.Pfad("p r/share/velko"));
    EXPECT_EQ(InstallierteDatenVon(t.Pfad("p r/bin/")), t.Pfad("p r/share/velko"));
    EXPECT_EQ(InstallierteDatenVon(""), "");
    BerichtSetzen(vorher);
    // The test program itself lies in a build tree.
    EXPECT_FALSE(EigenesVerzeichnis().empty());
    EXPECT_EQ(InstallierteDaten(), "");
}

TEST(Installation, ProgrammeImSuchpfad) {
    Testverzeichnis t;
    std::filesystem::create_directories(t.Pfad("a"));
    std::filesystem::create_directories(t.Pfad("b"));
    Programm(t.Pfad("a/nur-lesbar"), 0644);
    Programm(t.Pfad("b/nur-lesbar"));
    std::filesystem::create_directories(t.Pfad("a/verzeichnis"));
    Programm(t.Pfad("b/verzeichnis"));
    const std::string pfad = t.Pfad("fehlt") + ":" + t.Pfad("a") + ":" + t.Pfad("b");
    // Not executable, or a directory: the search goes on.
    EXPECT_EQ(ImSuchpfad("nur-lesbar", pfad.c_str()), t.Pfad("b/nur-lesbar"));
    EXPECT_EQ(ImSuchpfad("verzeichnis", pfad.c_str()), t.Pfad("b/verzeichnis"));
    EXPECT_EQ(ImSuchpfad("gibt-es-nicht", pfad.c_str()), "");
    EXPECT_EQ(ImSuchpfad("nur-lesbar", nullptr), "");
    EXPECT_EQ(ImSuchpfad("", pfad.c_str()), "");
    // A path is taken as it is.
    EXPECT_EQ(ImSuchpfad(t.Pfad("b/nur-lesbar"), ""), t.Pfad("b/nur-lesbar"));
    EXPECT_EQ(ImSuchpfad(t.Pfad("a/nur-lesbar"), pfad.c_str()), "");
}

TEST(Installation, HtmlBetrachterDerErsteVorhandene) {
    Testverzeichnis t;
    const std::string pfad = t.Pfad();
    EXPECT_EQ(HtmlBetrachterVorschlagen(pfad.c_str()), "xdg-open");  // none there: the one to install
    Programm(t.Pfad("x-www-browser"));
    EXPECT_EQ(HtmlBetrachterVorschlagen(pfad.c_str()), "x-www-browser");
    Programm(t.Pfad("sensible-browser"));
    EXPECT_EQ(HtmlBetrachterVorschlagen(pfad.c_str()), "sensible-browser");
    Programm(t.Pfad("xdg-open"));
    EXPECT_EQ(HtmlBetrachterVorschlagen(pfad.c_str()), "xdg-open");
}

TEST(Installation, ErststartVorgabenOhneInstallation) {
    // From a build tree the program directory stays the home default.
    Pfadeinstellungen p = ErststartVorgaben("/home/ina");
    EXPECT_EQ(p.Programmverzeichnis, "/home/ina/Velko");
    EXPECT_EQ(p.Katalogverzeichnis, "/home/ina/Velko/verwaltung");
    EXPECT_EQ(p.Verwaltungsverzeichnis, "/home/ina/Velko/verwaltung");
    EXPECT_EQ(p.HtmlBetrachter, HtmlBetrachterVorschlagen(getenv("PATH")));
    EXPECT_EQ(p.PsBetrachter, "gv");
}
