// Program-wide state: the open Systems, the current one, the catalogues and
// the counters.  One instance, `Programm`, shared by every subsystem.
#pragma once

#include "core/datenmodell.h"

struct Programmzustand {
    Kette Systeme = nullptr;            // of System, newest first
    System* AktuellesSystem = nullptr;
    Kette Materialien = nullptr;        // of Material
    Kette Querschnitte = nullptr;       // of Querschnitt
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
