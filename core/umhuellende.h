// The envelope of all load-case combinations: per bar and listed position
// t = i/9 the largest and smallest moment, shear force, normal force,
// deflection and axial displacement over every combination, each with the
// number of the combination that gives it.
//
// An envelope is a result: the System keeps it (System::Huelle) until its
// model changes or another run starts, exactly like the bars' own results
// (core/ergebnisstand.h removes both).
#pragma once

#include <vector>

// The quantities, in the order of the envelope file's columns.
enum Huellgroesse { HUELLE_M = 0, HUELLE_Q, HUELLE_N, HUELLE_W, HUELLE_U, HUELLGROESSEN };

// Listed positions per bar: t = i / (HUELLSTELLEN - 1), as the listing's rows.
constexpr int HUELLSTELLEN = 10;

struct Huellwert {
    double Wert = 0.0;
    long Kombination = -1;  // Nummer of the combination; -1 = none yet
};

struct Huellstelle {
    Huellwert Max[HUELLGROESSEN];
    Huellwert Min[HUELLGROESSEN];
};

struct Stabhuelle {
    long Stab = 0;         // Nummer of the bar
    double Laenge = 0.0;   // m, when the envelope was computed
    Huellstelle Stellen[HUELLSTELLEN];
};

struct Umhuellende {
    std::vector<Stabhuelle> Staebe;  // ascending bar number
    long Kombinationen = 0;          // how many were computed
    bool TheorieII = false;          // computed by second-order theory
};

// The relative position of listed position i.
inline double HuellStelle(int i) { return i / static_cast<double>(HUELLSTELLEN - 1); }

// The envelope of a bar, or null.
const Stabhuelle* StabhuelleZu(const Umhuellende& huelle, long stabnummer);
