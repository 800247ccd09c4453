// Every bundled example computes and is in equilibrium: support reactions
// and loads cancel in both directions and in the moment.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

#include "analysis/berechnung.h"
#include "aufbau.h"
#include "core/programm.h"
#include "files/kataloge.h"
#include "files/systemdatei.h"

namespace {

std::vector<std::string> Beispiele() {
    std::vector<std::string> dateien;
    for (const auto& eintrag : std::filesystem::directory_iterator(std::string(VELKO_QUELLEN) + "/beispiele"))
        if (eintrag.path().extension() == ".sysdat") dateien.push_back(eintrag.path().string());
    std::sort(dateien.begin(), dateien.end());
    return dateien;
}

TEST(Beispiele, AlleImGleichgewicht) {
    const std::vector<std::string> dateien = Beispiele();
    ASSERT_FALSE(dateien.empty());
    const std::string katalog = std::string(VELKO_QUELLEN) + "/daten/verwaltung";
    for (const std::string& datei : dateien) {
        for (long teilungen : {1L, 2L, 5L}) {
            SCOPED_TRACE(datei + " / " + std::to_string(teilungen));
            ProgrammZuruecksetzen();
            SammelBericht bericht;
            BerichtSetzen(&bericht);
            ASSERT_TRUE(MaterialienLesen(katalog.c_str()));
            ASSERT_TRUE(QuerschnitteLesen(katalog.c_str()));
            System* sys = SystemLesen(datei.c_str());
            ASSERT_NE(sys, nullptr);
            sys->Stabteilungen = teilungen;
            Berechnung berechnung(*sys, Programm, bericht);
            ASSERT_TRUE(berechnung.TheorieIOrdnung());
            const Kraeftebilanz b = Gleichgewicht(berechnung.Modell());
            ASSERT_GT(b.Betrag, 0.0);
            EXPECT_LT(std::fabs(b.Fx) / b.Betrag, 1e-9);
            EXPECT_LT(std::fabs(b.Fy) / b.Betrag, 1e-9);
            EXPECT_LT(std::fabs(b.M) / b.Betrag, 1e-9);
            BerichtSetzen(nullptr);
        }
    }
    ProgrammZuruecksetzen();
}

}  // namespace
