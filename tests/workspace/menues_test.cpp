// Menu texts and values of the main window as the toolkit receives them.
#include <gtest/gtest.h>

#include <set>

#include "core/latin1.h"
#include "workspace/menues.h"

namespace {

std::vector<std::string> Texte(const std::vector<Menueeintrag>& menue) {
    std::vector<std::string> t;
    for (const Menueeintrag& e : menue) t.push_back(Eintragstext(e));
    return t;
}

}  // namespace

TEST(Menues, EintraegeMitFormatUndFlags) {
    EXPECT_EQ(Texte(ProgrammMenue()), (std::vector<std::string>{" Info", " Hilfe%l", " Beenden"}));
    EXPECT_EQ(Texte(DatenbankMenue()),
              (std::vector<std::string>{" neues Projekt%l%x4 ", " System %x1%m", " Material %x3",
                                        " Querschnitte %x5"}));
    EXPECT_EQ(Texte(SystemUntermenue()),
              (std::vector<std::string>{" neues System%x10%l", " System öffnen%x11"_l1,
                                        " System sichern%x12", " System sichern als ...%x13%l",
                                        " System schließen %x14"_l1}));
    EXPECT_EQ(Texte(BerechnenMenue()),
              (std::vector<std::string>{"Theorie I. Ordnung", "Theorie II. Ordnung"}));
    EXPECT_EQ(Texte(TabellenMenue()), (std::vector<std::string>{"Stäbe"_l1, "Punkte"}));
    EXPECT_EQ(Texte(AusgabeMenue()),
              (std::vector<std::string>{" Bildschirm, alle Stäbe"_l1, " Bildschirm, markierte Stäbe"_l1,
                                        " Ausgabe"}));
    EXPECT_EQ(Texte(EinstellungenMenue()),
              (std::vector<std::string>{"Raster / Fang", "Stab erzeugen", "Pfade",
                                        "FG auch an biegesteifen Verbindungen", "Prozessor"}));
}

TEST(Menues, StabmenueUndUntermenues) {
    EXPECT_EQ(Texte(StabMenue()),
              (std::vector<std::string>{"STAB %l", "Geometrie / Topologie", "Material / Querschnitt",
                                        "Schnittkräfte / Verschiebungen"_l1, "Freiheitsgrade",
                                        "Belastung", "Belastung kopieren", " Stab teilen%m%l",
                                        "Löschen %m"_l1}));
    EXPECT_EQ(Texte(StabTeilenUntermenue()),
              (std::vector<std::string>{" 2 x %x20", " 3 x %x21", " 4 x %x22"}));
    EXPECT_EQ(Texte(LoeschenUntermenue()), (std::vector<std::string>{"Quittieren %x30", "Abbruch %x31"}));
}

// The value the toolkit reports must be the one the callbacks dispatch on:
// the %x value where the string carries one, else the entry's position.
TEST(Menues, WerteStimmenMitDenTextenUeberein) {
    const std::vector<const std::vector<Menueeintrag>*> alle = {
        &ProgrammMenue(), &DatenbankMenue(), &SystemUntermenue(), &BerechnenMenue(),
        &TabellenMenue(), &AusgabeMenue(), &EinstellungenMenue(), &StabMenue(),
        &StabTeilenUntermenue(), &LoeschenUntermenue()};
    for (const auto* menue : alle) {
        std::set<int> werte;
        for (size_t i = 0; i < menue->size(); ++i) {
            const Menueeintrag& e = (*menue)[i];
            std::string text = Eintragstext(e);
            size_t x = text.find("%x");
            int erwartet = x == std::string::npos ? static_cast<int>(i + 1) : std::atoi(text.c_str() + x + 2);
            EXPECT_EQ(e.Wert, erwartet) << text;
            EXPECT_TRUE(werte.insert(e.Wert).second) << "doppelter Wert in " << text;
        }
    }
}

TEST(Menues, ProzentImTextWirdNichtAlsFlagGelesen) {
    Menueeintrag e{" %s%%l", "50% Last", false, 1};
    EXPECT_EQ(Eintragstext(e), " 50%% Last%l");
    Menueeintrag ohneFormat{nullptr, "Stäbe"_l1, false, 1};
    EXPECT_EQ(Eintragstext(ohneFormat), "Stäbe"_l1);
}

TEST(Menues, TitelUndVersion) {
    EXPECT_EQ(Fenstertitel(), "Velko 1.3.1.");
    EXPECT_EQ(Versionstext(), "Version 1.3.1.");
}
