// "System sichern als ..." in the window never replaces a catalogue, the
// path configuration or the file of another open System, under whatever
// name (links included); its own file it may.
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>

#include "files/ausgabepruefung.h"
#include "files/massstab.h"
#include "files/pfade.h"
#include "tests/files/systemdatei_hilfen.h"

namespace {

class GeschuetzteDateienTest : public SystemdateiTest {
protected:
    void SetUp() override {
        SystemdateiTest::SetUp();
        const char* h = std::getenv("HOME");
        altesHome_ = h ? h : "";
        setenv("HOME", verzeichnis.Pfad().c_str(), 1);
        altePfade_ = Pfade;
        Pfade.Katalogverzeichnis = verzeichnis.Pfad("verwaltung");
        mkdir(Pfade.Katalogverzeichnis.c_str(), 0755);
        for (const char* name : {"verwaltung/material.dat", "verwaltung/querschnitte.dat", ".velko"})
            DateiSchreiben(verzeichnis.Pfad(name), std::string(name) + " bleibt\n");
    }
    void TearDown() override {
        Pfade = altePfade_;
        setenv("HOME", altesHome_.c_str(), 1);
        SystemdateiTest::TearDown();
    }
    // "sichern als" with a file selector that answers `name`.
    bool SichernAls(System* s, const std::string& name) {
        return SystemSichernAls(1, s, [&] { return name; });
    }

private:
    std::string altesHome_;
    Pfadeinstellungen altePfade_;
};

}  // namespace

TEST_F(GeschuetzteDateienTest, KatalogePfadeUndDieDateienDerAnderenSysteme) {
    System* ohneNamen = Anlegen(1);
    System* a = Anlegen(2);
    NameSetzen(a->Dateiname, verzeichnis.Pfad("a.sysdat").c_str());
    const std::vector<std::string> alle = GeschuetzteDateien(nullptr);
    const std::vector<std::string> erwartet = {
        verzeichnis.Pfad("verwaltung/material.dat"), verzeichnis.Pfad("verwaltung/querschnitte.dat"),
        verzeichnis.Pfad(".velko"), verzeichnis.Pfad("a.sysdat"), verzeichnis.Pfad("a.massdat")};
    EXPECT_EQ(alle, erwartet);
    EXPECT_EQ(GeschuetzteDateien(a).size(), 3u);
    EXPECT_EQ(GeschuetzteDateien(ohneNamen), erwartet);
}

TEST_F(GeschuetzteDateienTest, SichernAlsVerweigertWasEinemAnderenGehoert) {
    // The other System, unchanged, would be closed without a question while
    // its file holds this one.
    System* anderes = KleinesSystem();
    const std::string fremd = verzeichnis.Pfad("anderes.sysdat");
    ASSERT_TRUE(SystemSchreiben(*anderes, fremd.c_str()));
    const std::string fremdInhalt = DateiLesen(fremd);
    System* dieses = Anlegen(5);
    PunktErzeugen(*dieses, 1, 2, -1);

    EXPECT_FALSE(SichernAls(dieses, verzeichnis.Pfad("anderes")));
    EXPECT_TRUE(Gemeldet("Ausgabe " + fremd + " w\xFCrde die Eingabe " + fremd + " \xFC" "berschreiben !"));
    EXPECT_EQ(DateiLesen(fremd), fremdInhalt);
    EXPECT_STREQ(dieses->Dateiname, "noname");

    // Through links: the system file onto a catalogue, the scale file
    // written beside it onto ~/.velko.
    ASSERT_EQ(symlink("verwaltung/material.dat", verzeichnis.Pfad("katalog.sysdat").c_str()), 0);
    EXPECT_FALSE(SichernAls(dieses, verzeichnis.Pfad("katalog.sysdat")));
    ASSERT_EQ(symlink(".velko", verzeichnis.Pfad("pfade.massdat").c_str()), 0);
    EXPECT_FALSE(SichernAls(dieses, verzeichnis.Pfad("pfade")));
    EXPECT_EQ(DateiLesen(verzeichnis.Pfad("verwaltung/material.dat")), "verwaltung/material.dat bleibt\n");
    EXPECT_EQ(DateiLesen(verzeichnis.Pfad(".velko")), ".velko bleibt\n");
    EXPECT_FALSE(Existiert(verzeichnis.Pfad("pfade.sysdat")));

    // A name of its own, and then its own file again.
    const std::string eigen = verzeichnis.Pfad("dieses.sysdat");
    EXPECT_TRUE(SichernAls(dieses, eigen));
    PunktErzeugen(*dieses, 3, 4, -1);
    EXPECT_TRUE(SichernAls(dieses, eigen));
    EXPECT_TRUE(SystemSichern(1, anderes, [] { return std::string(); }));
    EXPECT_EQ(DateiLesen(fremd), fremdInhalt);
}
