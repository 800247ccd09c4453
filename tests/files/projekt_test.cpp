// "neues Projekt": the directory below the project directory.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <string>

#include "core/bericht.h"
#include "files/pfade.h"
#include "files/projekt.h"

TEST(Projekt, VerzeichnisErzeugtOderFehlerGemeldet) {
    SammelBericht bericht;
    Berichtsempfaenger* alt = BerichtSetzen(&bericht);
    char vorlage[] = "/tmp/velko_projekte_XXXXXX";
    ASSERT_NE(mkdtemp(vorlage), nullptr);
    const std::string altesVerzeichnis = Pfade.Projektverzeichnis;
    Pfade.Projektverzeichnis = vorlage;

    EXPECT_FALSE(ProjektErzeugen(""));
    EXPECT_TRUE(bericht.Zeilen.empty());

    EXPECT_TRUE(ProjektErzeugen("Halle"));
    const std::string pfad = std::string(vorlage) + "/Halle";
    struct stat info;
    EXPECT_EQ(stat(pfad.c_str(), &info), 0);
    EXPECT_TRUE(S_ISDIR(info.st_mode));
    EXPECT_EQ(bericht.Texte().back(), "Projekt " + pfad + " erzeugt. ");

    EXPECT_TRUE(ProjektErzeugen("Halle"));  // an existing directory is fine

    EXPECT_FALSE(ProjektErzeugen("fehlt/tief"));  // parent missing
    EXPECT_EQ(bericht.Texte().back(),
              "Projekt " + std::string(vorlage) + "/fehlt/tief konnte nicht erzeugt werden. ");

    rmdir(pfad.c_str());
    rmdir(vorlage);
    Pfade.Projektverzeichnis = altesVerzeichnis;
    BerichtSetzen(alt);
}
