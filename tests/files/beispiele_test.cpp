// The shipped example systems: exactly what the generator writes, readable,
// and modelled as their descriptions say.
#include <algorithm>
#include <cmath>
#include <set>

#include "beispiele/quelle/beispiele.h"
#include "analysis/berechnung.h"
#include "analysis/ergebnisse.h"
#include "files/kataloge.h"
#include "tests/files/systemdatei_hilfen.h"

namespace {

std::string Beispieldatei(const std::string& name) {
    return std::string(VELKO_QUELLEN) + "/beispiele/" + name;
}

}  // namespace

TEST_F(SystemdateiTest, BeispieleSindErzeugtWieAbgelegtUndVollstaendigLesbar) {
    const std::string kataloge = std::string(VELKO_QUELLEN) + "/daten/verwaltung";
    for (const beispiele::Beispiel& b : beispiele::ALLE) {
        ProgrammZuruecksetzen();
        // Every material and cross-section named must be in the master catalogues.
        ASSERT_TRUE(MaterialienLesen(kataloge.c_str()));
        ASSERT_TRUE(QuerschnitteLesen(kataloge.c_str()));
        System* gebaut = b.Aufbauen();
        const std::string name = b.Name;
        ASSERT_TRUE(SystemSchreiben(*gebaut, verzeichnis.Pfad(name).c_str())) << name;
        EXPECT_EQ(DateiLesen(verzeichnis.Pfad(name + ".sysdat")), DateiLesen(Beispieldatei(name + ".sysdat")))
            << name << ": run velko-beispiele after changing beispiele.h";
        EXPECT_EQ(DateiLesen(verzeichnis.Pfad(name + ".massdat")), DateiLesen(Beispieldatei(name + ".massdat")))
            << name;

        bericht.Zeilen.clear();
        sys = SystemLesen(Beispieldatei(name + ".sysdat").c_str());
        ASSERT_NE(sys, nullptr) << name;
        for (const std::string& t : bericht.Texte()) {
            EXPECT_EQ(t.find("existiert nicht"), std::string::npos) << name << ": " << t;
            EXPECT_EQ(t.find("Fehler"), std::string::npos) << name << ": " << t;
            EXPECT_EQ(t.find("ohne"), std::string::npos) << name << ": " << t;
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

    sys = beispiele::Fachwerk();
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
    sys = beispiele::Rahmen();
    Stab* riegelLinks = StabSuchen(*sys, 1);
    Stab* riegelRechts = StabSuchen(*sys, 2);
    Stab* stielRechts = StabSuchen(*sys, 3);
    EXPECT_EQ(riegelLinks->Freiheitsgrade[FG_BX], riegelRechts->Freiheitsgrade[FG_AX]);
    EXPECT_NE(riegelLinks->Freiheitsgrade[FG_BR], riegelRechts->Freiheitsgrade[FG_AR]);  // hinge
    EXPECT_EQ(riegelRechts->Freiheitsgrade[FG_BR], stielRechts->Freiheitsgrade[FG_BR]);  // rigid corner
    EXPECT_GT(stielRechts->Freiheitsgrade[FG_AR]->Feder, 0.0);
    EXPECT_EQ(stielRechts->Freiheitsgrade[FG_AR]->Status, STATUS_DUAL);
    EXPECT_EQ(lager(sys), 5);

    ProgrammZuruecksetzen();
    sys = beispiele::Stockwerkrahmen();
    EXPECT_EQ(KeAnzahl(sys->Staebe), 15);
    EXPECT_EQ(KeAnzahl(sys->Freiheitsgrade), 12 * 3);  // every joint rigid
    EXPECT_EQ(lager(sys), 9);
    EXPECT_EQ(KeAnzahl(sys->Kombinationen), 1);
}

TEST_F(SystemdateiTest, BeispieleLiefernDieErwartetenSchnittgroessen) {
    const std::string kataloge = std::string(VELKO_QUELLEN) + "/daten/verwaltung";
    // Largest absolute moment and normal force over all bars.
    auto extrema = [this](double& m, double& n) {
        Kette staebe = sys->Staebe;
        Stab* s = nullptr;
        double t = 0;
        m = std::max(std::fabs(SystemMaxMoment(staebe, &s, &t)), std::fabs(SystemMinMoment(staebe, &s, &t)));
        n = std::max(std::fabs(SystemMaxNormalkraft(staebe, &s, &t)), std::fabs(SystemMinNormalkraft(staebe, &s, &t)));
    };
    struct Erwartet {
        const char* name;
        double moment;   // < 0: only check the run
        double normal;
    } const faelle[] = {
        {"einfeldtraeger", 22.5, 0.0},     // q l²/8
        {"durchlauftraeger", 20.0, 0.0},   // 0.1 q l² over the inner supports
        {"fachwerk", 0.0, 30.0 * std::sqrt(2.0)},  // end diagonals carry the reaction
        {"rahmen", -1, -1},
        {"stockwerkrahmen", -1, -1},
    };
    for (const Erwartet& e : faelle) {
        ProgrammZuruecksetzen();
        ASSERT_TRUE(MaterialienLesen(kataloge.c_str()));
        ASSERT_TRUE(QuerschnitteLesen(kataloge.c_str()));
        sys = SystemLesen((std::string(VELKO_QUELLEN) + "/beispiele/" + e.name + ".sysdat").c_str());
        ASSERT_NE(sys, nullptr);
        ASSERT_TRUE(TheorieIOrdnungBerechnen(*sys, Programm, bericht)) << e.name;
        double m = 0, n = 0;
        extrema(m, n);
        if (e.moment >= 0) {
            EXPECT_NEAR(m, e.moment, 0.01 * std::max(1.0, e.moment)) << e.name;
        } else {
            EXPECT_GT(m, 1.0) << e.name;
        }
        if (e.normal >= 0) {
            EXPECT_NEAR(n, e.normal, 0.01 * std::max(1.0, e.normal)) << e.name;
        }
    }
}
