// Menu texts and values of the main window as the toolkit receives them.
#include <gtest/gtest.h>

#include <cstdlib>
#include <set>

#include "core/latin1.h"
#include "workspace/menues.h"

namespace {

const std::vector<const std::vector<Menueeintrag>*>& AlleMenues() {
    static const std::vector<const std::vector<Menueeintrag>*> alle = {
        &ProgrammMenue(), &DatenbankMenue(), &SystemUntermenue(), &BearbeitenMenue(), &BerechnenMenue(),
        &TabellenMenue(), &AusgabeMenue(), &EinstellungenMenue(), &StabMenue(),
        &StabTeilenUntermenue(), &LoeschenUntermenue()};
    return alle;
}

}  // namespace

// Whatever LANG says, the menus show their German texts: the toolkit gets
// each text as written (a '%' doubled) inside the entry's format.
TEST(Menues, DeutscheTexteWasImmerLangSagt) {
    setenv("LANG", "en_GB.UTF-8", 1);
    for (const auto* menue : AlleMenues())
        for (const Menueeintrag& e : *menue) {
            const std::string text = Eintragstext(e);
            EXPECT_NE(text.find(e.Text), std::string::npos) << text;
            EXPECT_EQ(text.find("%s"), std::string::npos) << text;
        }
    unsetenv("LANG");
}

// The value the toolkit reports must be the one the callbacks dispatch on:
// the %x value where the string carries one, else the entry's position.
TEST(Menues, WerteStimmenMitDenTextenUeberein) {
    for (const auto* menue : AlleMenues()) {
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

// "Bearbeiten" names the step it takes back or makes again; a '%' in the
// name is shown, not read as a flag.
TEST(Menues, BearbeitenNenntDenSchritt) {
    EXPECT_EQ(BearbeitenEintrag(menue::Rueckgaengig, "Stab löschen"_l1), "Rückgängig: Stab löschen"_l1);
    EXPECT_EQ(BearbeitenEintrag(menue::Wiederherstellen, "Last eintragen"), "Wiederherstellen: Last eintragen");
    EXPECT_EQ(BearbeitenEintrag(menue::Rueckgaengig, ""), "Rückgängig"_l1);
    EXPECT_EQ(BearbeitenEintrag(menue::Wiederherstellen, "50% mehr"), "Wiederherstellen: 50%% mehr");
}

TEST(Menues, TitelUndVersion) {
    EXPECT_EQ(Fenstertitel(), "Velko 1.3.1.");
    EXPECT_EQ(Versionstext(), "Version 1.3.1.");
}
