// The shipped example systems: exactly what the generator writes, readable,
// and modelled as their descriptions say.
#include <set>

#include "beispiele/quelle/beispiele.h"
#include "tests/files/systemdatei_hilfen.h"

namespace {

std::string Beispieldatei(const std::string& name) {
    return std::string(VELKO_QUELLEN) + "/beispiele/" + name;
}

}  // namespace

TEST_F(SystemdateiTest, BeispieleSindErzeugtWieAbgelegtUndVollstaendigLesbar) {
    for (const beispiele::Beispiel& b : beispiele::ALLE) {
        ProgrammZuruecksetzen();
        b.Aufbauen();
        const std::string name = b.Name;
        ASSERT_TRUE(SystemSchreiben(verzeichnis.Pfad(name).c_str())) << name;
        EXPECT_EQ(DateiLesen(verzeichnis.Pfad(name + ".sysdat")), DateiLesen(Beispieldatei(name + ".sysdat")))
            << name << ": run velko-beispiele after changing beispiele.h";
        EXPECT_EQ(DateiLesen(verzeichnis.Pfad(name + ".massdat")), DateiLesen(Beispieldatei(name + ".massdat")))
            << name;

        bericht.Zeilen.clear();
        System* sys = SystemLesen(Beispieldatei(name + ".sysdat").c_str());
        ASSERT_NE(sys, nullptr) << name;
        for (const std::string& t : bericht.Texte()) {
            EXPECT_EQ(t.find("existiert nicht"), std::string::npos) << name << ": " << t;
            EXPECT_EQ(t.find("Fehler"), std::string::npos) << name << ": " << t;
        }
        for (Stab* s : Elemente<Stab>(sys->Staebe)) {
            EXPECT_TRUE(s->PunktA && s->PunktB && s->Laenge > 0) << name;
            for (int slot = 0; slot < 6; ++slot) {
                ASSERT_NE(s->Freiheitsgrade[slot], nullptr) << name;
                EXPECT_EQ(s->Freiheitsgrade[slot]->Richtung, slot % 3) << name;
            }
        }
        EXPECT_GT(KeAnzahl(sys->Lastfaelle), 0) << name;
    }
}

TEST_F(SystemdateiTest, BeispieleHabenIhreGelenkeUndLager) {
    auto lager = [](System* sys) {
        int n = 0;
        for (Freiheitsgrad* fg : Elemente<Freiheitsgrad>(sys->Freiheitsgrade)) n += fg->Status == STATUS_PRIMAL;
        return n;
    };

    beispiele::Fachwerk();
    System* sys = Programm.AktuellesSystem;
    EXPECT_EQ(KeAnzahl(sys->Staebe), 13);
    EXPECT_EQ(KeAnzahl(sys->Punkte), 8);
    EXPECT_EQ(lager(sys), 3);  // pin and roller: statically determinate
    std::set<Freiheitsgrad*> drehungen;
    for (Stab* s : Elemente<Stab>(sys->Staebe)) {
        EXPECT_TRUE(drehungen.insert(s->Freiheitsgrade[FG_AR]).second);
        EXPECT_TRUE(drehungen.insert(s->Freiheitsgrade[FG_BR]).second);
    }
    // 8 joints x 2 translations + 26 rotations of their own.
    EXPECT_EQ(KeAnzahl(sys->Freiheitsgrade), 16 + 26);

    ProgrammZuruecksetzen();
    beispiele::Rahmen();
    sys = Programm.AktuellesSystem;
    Stab* riegelLinks = StabSuchen(1);
    Stab* riegelRechts = StabSuchen(2);
    Stab* stielRechts = StabSuchen(3);
    EXPECT_EQ(riegelLinks->Freiheitsgrade[FG_BX], riegelRechts->Freiheitsgrade[FG_AX]);
    EXPECT_NE(riegelLinks->Freiheitsgrade[FG_BR], riegelRechts->Freiheitsgrade[FG_AR]);  // hinge
    EXPECT_EQ(riegelRechts->Freiheitsgrade[FG_BR], stielRechts->Freiheitsgrade[FG_BR]);  // rigid corner
    EXPECT_GT(stielRechts->Freiheitsgrade[FG_AR]->Feder, 0.0);
    EXPECT_EQ(stielRechts->Freiheitsgrade[FG_AR]->Status, STATUS_DUAL);
    EXPECT_EQ(lager(sys), 5);

    ProgrammZuruecksetzen();
    beispiele::Stockwerkrahmen();
    sys = Programm.AktuellesSystem;
    EXPECT_EQ(KeAnzahl(sys->Staebe), 15);
    EXPECT_EQ(KeAnzahl(sys->Freiheitsgrade), 12 * 3);  // every joint rigid
    EXPECT_EQ(lager(sys), 9);
    EXPECT_EQ(KeAnzahl(sys->Kombinationen), 1);
}
