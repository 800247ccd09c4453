// Shared set-up of the System tests: a fresh program state with a new
// current System, messages collected, the user interface replaced by `Ui`.
#pragma once

#include <gtest/gtest.h>

#include "core/bericht.h"
#include "core/kette.h"
#include "core/oberflaeche.h"
#include "core/programm.h"
#include "core/systemoperationen.h"

template <class Ui = Oberflaeche>
struct SystemTest : ::testing::Test {
    SammelBericht bericht;
    Ui ui;
    Berichtsempfaenger* alterBericht = nullptr;
    Oberflaeche* alteUi = nullptr;
    System* sys = nullptr;

    void SetUp() override {
        ProgrammZuruecksetzen();
        alterBericht = BerichtSetzen(&bericht);
        alteUi = OberflaecheSetzen(&ui);
        sys = NeuesSystem();
    }
    void TearDown() override {
        ProgrammZuruecksetzen();
        OberflaecheSetzen(alteUi);
        BerichtSetzen(alterBericht);
    }
    // A bar between two points with six fresh degrees of freedom and the
    // x/y relation pair of each end, as a drawn bar gets them.
    Stab* Stabzwischen(Punkt* a, Punkt* b) {
        Stab* s = StabAnlegen();
        s->PunktA = a;
        s->PunktB = b;
        for (int slot = 0; slot < 6; ++slot) FreiheitsgradAnlegen(s, slot);
        PaarAufnehmen(sys->FgRelationen, s->Freiheitsgrade[FG_AX], s->Freiheitsgrade[FG_AY]);
        PaarAufnehmen(sys->FgRelationen, s->Freiheitsgrade[FG_BX], s->Freiheitsgrade[FG_BY]);
        return s;
    }
};
