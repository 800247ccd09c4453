// Program-wide state: the open Systems, the catalogues (Programm is the
// program's Kataloge), the counters and the settings for new bars.  One
// instance, `Programm`.
//
// The current System and the interaction mode belong to the window: only
// gui/ (and the batch program) read AktuellesSystem; every operation below
// is given the System it works on.
#pragma once

#include "core/datenmodell.h"

struct Programmzustand : Kataloge {
    Kette Systeme = nullptr;            // of System, newest first
    System* AktuellesSystem = nullptr;
    long StandardMaterial = 0;
    long StandardQuerschnitt = 0;
    long Systemzaehler = 0;
    long Kennungszaehler = 0;
    int Modus = 0;                      // canvas interaction mode 0..4
    // State of the check button "Standardwerte setzen" (default material and
    // cross-section for new bars); the dialog writes it.
    bool StandardwerteSetzen = false;
};

extern Programmzustand Programm;

// Frees every open System and both catalogues and resets the counters; used
// at exit and between tests.
void ProgrammZuruecksetzen();
