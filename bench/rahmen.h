// Rectangular plane frames for timing and for tests: `Felder` bays of
// `Feldweite` metres, `Geschosse` storeys of `Geschosshoehe` metres, fixed
// column bases, rigid joints, every beam under a uniform load.
#pragma once

struct System;

struct Rahmenmasse {
    int Felder = 10;
    int Geschosse = 5;
    long Stabteilungen = 2;
    double Feldweite = 5.0;
    double Geschosshoehe = 3.0;
    double Riegellast = 10.0;     // kN/m downwards on every beam
    double Horizontallast = 5.0;  // kN at the left end of every storey's first beam
};

// The frame of a benchmark's arguments: bays, storeys, bar divisions.
inline Rahmenmasse RahmenAus(long felder, long geschosse, long teilungen) {
    Rahmenmasse masse;
    masse.Felder = static_cast<int>(felder);
    masse.Geschosse = static_cast<int>(geschosse);
    masse.Stabteilungen = teilungen;
    return masse;
}

// Creates a new System and fills it through the System
// operations; catalogue entries 1 (steel, E = 2.1e8 kN/m^2; A = 0.01 m^2,
// Iz = 2e-4 m^4) are added when missing.  One active load case, weight 1.
System* RahmenErzeugen(const Rahmenmasse& masse);
