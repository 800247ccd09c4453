// Shared set-up of the System tests: a fresh program state with one new
// System, messages and change reports collected.
#pragma once

#include <gtest/gtest.h>

#include "core/aenderungen.h"
#include "core/bericht.h"
#include "core/kette.h"
#include "core/programm.h"
#include "core/systemoperationen.h"

struct SystemTest : ::testing::Test {
    SammelBericht bericht;
    Aenderungssammler aenderungen;
    Berichtsempfaenger* alterBericht = nullptr;
    Aenderungsempfaenger* alteAenderungen = nullptr;
    System* sys = nullptr;

    void SetUp() override {
        ProgrammZuruecksetzen();
        alterBericht = BerichtSetzen(&bericht);
        alteAenderungen = AenderungsempfaengerSetzen(&aenderungen);
        sys = SystemErzeugen();
        aenderungen.Abholen();
    }
    void TearDown() override {
        ProgrammZuruecksetzen();
        AenderungsempfaengerSetzen(alteAenderungen);
        BerichtSetzen(alterBericht);
    }
    // The kinds of change reported for the System since the last call.
    unsigned Gemeldet() { return aenderungen.Abholen().ArtenVon(sys); }
    // A bar between two points with six fresh degrees of freedom and the
    // x/y relation pair of each end, as a drawn bar gets them.
    Stab* Stabzwischen(Punkt* a, Punkt* b) {
        Stab* s = StabAnlegen(*sys);
        s->PunktA = a;
        s->PunktB = b;
        for (int slot = 0; slot < 6; ++slot) FreiheitsgradAnlegen(*sys, s, slot);
        PaarAufnehmen(sys->FgRelationen, s->Freiheitsgrade[FG_AX], s->Freiheitsgrade[FG_AY]);
        PaarAufnehmen(sys->FgRelationen, s->Freiheitsgrade[FG_BX], s->Freiheitsgrade[FG_BY]);
        return s;
    }
};
