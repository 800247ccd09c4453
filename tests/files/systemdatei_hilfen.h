// Common set-up of the system file tests: a clean program state, collected
// messages, a temporary directory and a small System with every kind of
// record.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "beispiele/quelle/systembau.h"
#include "core/bericht.h"
#include "core/programm.h"
#include "core/systemoperationen.h"
#include "files/systemdatei.h"
#include "tests/files/testverzeichnis.h"

class SystemdateiTest : public ::testing::Test {
protected:
    void SetUp() override {
        ProgrammZuruecksetzen();
        vorher_ = BerichtSetzen(&bericht);
    }
    void TearDown() override {
        ProgrammZuruecksetzen();
        BerichtSetzen(vorher_);
    }

    // True when the message texts contain `text` exactly.
    bool Gemeldet(const std::string& text) const {
        auto t = bericht.Texte();
        return std::find(t.begin(), t.end(), text) != t.end();
    }
    // True when some message begins with `anfang`.
    bool GemeldetBeginnend(const std::string& anfang) const {
        for (const std::string& t : bericht.Texte())
            if (t.compare(0, anfang.size(), anfang) == 0) return true;
        return false;
    }

    // A fresh System, kept in `sys`.
    System* Anlegen(long systemID) {
        sys = SystemErzeugen();
        sys->SystemID = systemID;
        return sys;
    }

    // Two bars with a hinge between them, a clamped and a turned, displaced
    // support, a spring, two load cases (one name with a blank), loads of
    // both kinds and a combination.
    System* KleinesSystem() {
        using namespace systembau;
        Anlegen(987654321);
        Stab* s0 = StabZiehen(*sys, 0, 0, 3, 0, 1, 2);
        Stab* s1 = StabZiehen(*sys, 3, 0, 3, -2, 1, 1);
        GelenkSetzen(*sys, s1, 0);
        Festhalten(s0, 0, {0, 1, 2});
        Festhalten(s1, 1, {0, 1});
        Fg(s1, 1, 1)->Wert = 0.01;
        Fg(s1, 1, 0)->Winkel = 0.5;
        Fg(s1, 1, 1)->Winkel = 0.5;
        Fg(s1, 1, 2)->Feder = 2500.0;
        Lastfall* g = LastfallAnlegen(*sys, "Eigen gewicht", 1.35, 10000001);
        Lastfall* w = LastfallAnlegen(*sys, "Wind", 1.5, 10000002);
        w->Aktiv = -1;
        StreckenlastAufStab(*sys, g, s0, "Ausbau last", 2.0, 4.0, 0.0, 10000003);
        KraftAufStab(*sys, w, s1, "Wind", 7.5, 0.5, 1.570796, 10000004);
        Punktlast* m = KraftAufStab(*sys, g, s0, "M", -3.0, 1.0, 0.0, 10000005);
        m->Art = ART_MOMENT;
        Lastfallkombination* k = KombinationErzeugen(*sys, -1);
        NameSetzen(k->Name, "G plus W");
        for (auto [kennung, faktor] : {std::pair{10000001L, 1.35}, std::pair{10000002L, 1.5}}) {
            Anteil* a = NeuerDatensatz<Anteil>();
            a->Lastfall = kennung;
            a->Faktor = faktor;
            StapelEintragen(k->Anteile, a);
        }
        sys->Aenderungen = 7;
        return sys;
    }

    SammelBericht bericht;
    Testverzeichnis verzeichnis;
    System* sys = nullptr;  // the System built last

private:
    Berichtsempfaenger* vorher_ = nullptr;
};

inline std::string Fixture(const std::string& name) {
    return std::string(VELKO_QUELLEN) + "/tests/files/daten/" + name;
}
