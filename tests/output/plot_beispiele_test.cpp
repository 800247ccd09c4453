// Every example system, computed and plotted in both orientations, must be
// read by Ghostscript without a word of complaint and give the pages asked for.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "analysis/berechnung.h"
#include "core/bericht.h"
#include "core/programm.h"
#include "files/kataloge.h"
#include "files/systemdatei.h"
#include "output/plot.h"
#include "tests/files/testverzeichnis.h"
#include "tests/output/ps_testhilfe.h"

namespace {

std::vector<std::string> Beispiele() {
    std::vector<std::string> namen;
    const std::filesystem::path dir = Quellpfad("beispiele");
    if (std::filesystem::is_directory(dir))
        for (const auto& e : std::filesystem::directory_iterator(dir))
            if (e.path().extension() == ".sysdat") namen.push_back(e.path().string());
    return namen;
}

int Dateien(const std::string& verzeichnis, const std::string& praefix) {
    int n = 0;
    for (const auto& e : std::filesystem::directory_iterator(verzeichnis))
        if (e.path().filename().string().rfind(praefix, 0) == 0) ++n;
    return n;
}

}  // namespace

TEST(PlotBeispiele, GhostscriptZeichnetJedeSeiteFehlerfrei) {
    if (!GhostscriptVorhanden()) GTEST_SKIP() << "gs not installed";
    const std::vector<std::string> beispiele = Beispiele();
    if (beispiele.empty()) GTEST_SKIP() << "no example systems";
    SammelBericht bericht;
    Berichtsempfaenger* vorher = BerichtSetzen(&bericht);
    Testverzeichnis dir;
    int lauf = 0;
    for (const std::string& pfad : beispiele) {
        ProgrammZuruecksetzen();
        ASSERT_TRUE(MaterialienLesen(Quellpfad("daten/verwaltung").c_str()));
        ASSERT_TRUE(QuerschnitteLesen(Quellpfad("daten/verwaltung").c_str()));
        System* system = SystemLesen(pfad.c_str());
        ASSERT_NE(system, nullptr) << pfad;
        ASSERT_TRUE(TheorieIOrdnungBerechnen(*system, Programm, bericht)) << pfad;
        // All pages with every decoration, then a selection in landscape.
        Druckoptionen alle;
        alle.Beschriftung = true;
        alle.Freiheitsgrade = true;
        Druckoptionen auswahl;
        auswahl.Querformat = true;
        auswahl.System = false;
        auswahl.Normalkraft = false;
        for (const Druckoptionen* o : {&alle, &auswahl}) {
            const std::string stamm = "lauf" + std::to_string(++lauf);
            const std::string ps = dir.Pfad(stamm + ".ps");
            FILE* f = std::fopen(ps.c_str(), "w");
            ASSERT_TRUE(f);
            const int seiten = PlotSchreiben(f, system, *o);
            std::fclose(f);
            EXPECT_EQ(seiten, GewaehlteSeiten(*o)) << pfad;
            std::string aus;
            EXPECT_EQ(Ausfuehren("gs -q -dSAFER -dBATCH -dNOPAUSE -sDEVICE=png16m -r50 -sOutputFile=" +
                                     dir.Pfad(stamm + "_%d.png") + " " + ps,
                                 &aus),
                      0)
                << pfad << "\n" << aus;
            EXPECT_EQ(aus, "") << pfad;
            EXPECT_EQ(Dateien(dir.Pfad(), stamm + "_"), seiten) << pfad;
        }
    }
    ProgrammZuruecksetzen();
    BerichtSetzen(vorher);
}
