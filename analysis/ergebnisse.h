// Result functions on the result records of a bar (relative positions 0..1).
// Every function returns 0 (extrema: position -1.0) for a bar without results.
#pragma once

#include <cstddef>

#include "analysis/theorie2/stabverlauf.h"
#include "core/datenmodell.h"

double HermiteWert(double f0, double s0, double f1, double s1, double L, double xi);
// Returns `anzahl` values at xi = -1 + i*2/(anzahl-1); caller frees with delete[].
double* HermiteStuetzwerte(double f0, double s0, double f1, double s1, double L, int anzahl);
// The places where the derivative of the interpolant vanishes: two xi values
// (delete[], both the same when there is one), or null when it has none.
double* HermiteExtremstellen(double f0, double s0, double f1, double s1, double L);

// Values within one record of a bar, at xi from -1 (its start) to 1 (its
// end).  A record of an exact run (Stababschnitt::Exakt) gives the exact
// solution of its element; the others interpolate their end values
// (Hermite), as the functions below do.
double AbschnittWert(const Stab* stab, const Stababschnitt* abschnitt, Schnittgroesse groesse, double xi);
// `anzahl` values at xi = -1 + i*2/(anzahl-1): the ordinates of a diagram.
void AbschnittStuetzwerte(const Stab* stab, const Stababschnitt* abschnitt, Schnittgroesse groesse, int anzahl,
                          double* werte);
// The displacement of the axis of an exact record at xi in the record's own
// axes: u along, v across (local +y), and the rotation phi (each may be
// null); false for a record that is not exact.
bool AbschnittVerformung(const Stababschnitt* abschnitt, double xi, double* u, double* v, double* phi = nullptr);

double MomentAn(const Stab* stab, double t);
double NormalkraftAn(const Stab* stab, double t);
double QuerkraftAn(const Stab* stab, double t);
double DurchbiegungAn(const Stab* stab, double t);
double LaengsverschiebungAn(const Stab* stab, double t);

// The smallest and largest value of a quantity at t over every record that
// holds t: at a cut with a jump (a point load in Q and N, a point moment in
// M) both sides, where the functions above give the first record's side
// only.  Both 0 and `Gefunden` false when no record holds t.
struct Wertspanne {
    double Min = 0.0, Max = 0.0;
    bool Gefunden = false;
};
Wertspanne SpanneAn(const Stab* stab, Schnittgroesse groesse, double t);

// Extrema of a bar and their position.  At a jump (a point load in Q and N,
// a point moment in M) both sides count; the position is the jump's, where
// the value functions above give the side of the first record only.
double MaxMoment(const Stab* stab, double* position);
double MinMoment(const Stab* stab, double* position);
double MaxQuerkraft(const Stab* stab, double* position);
double MinQuerkraft(const Stab* stab, double* position);
double MaxNormalkraft(const Stab* stab, double* position);
double MinNormalkraft(const Stab* stab, double* position);
double MaxDurchbiegung(const Stab* stab, double* position);
double MinDurchbiegung(const Stab* stab, double* position);
double MaxLaengsverschiebung(const Stab* stab, double* position);
double MinLaengsverschiebung(const Stab* stab, double* position);

// Maximum and minimum with their positions from one search (what the two
// functions above give one by one; -1.0 and 0 without results).
struct StabExtremwerte {
    double Max, MaxStelle, Min, MinStelle;
};
StabExtremwerte MomentExtrema(const Stab* stab);
StabExtremwerte QuerkraftExtrema(const Stab* stab);
StabExtremwerte NormalkraftExtrema(const Stab* stab);
StabExtremwerte DurchbiegungExtrema(const Stab* stab);
StabExtremwerte LaengsverschiebungExtrema(const Stab* stab);

double SystemMaxMoment(Kette staebe, Stab** stab, double* position);
double SystemMinMoment(Kette staebe, Stab** stab, double* position);
double SystemMaxQuerkraft(Kette staebe, Stab** stab, double* position);
double SystemMinQuerkraft(Kette staebe, Stab** stab, double* position);
double SystemMaxNormalkraft(Kette staebe, Stab** stab, double* position);
double SystemMinNormalkraft(Kette staebe, Stab** stab, double* position);

// The rule of the System extrema on values already found, one per bar in
// chain order: the index of the first bar whose value the later ones do
// not beat by more than round-off.  `anzahl` must be at least 1.
std::size_t SystemExtremumWaehlen(const double* werte, std::size_t anzahl, bool maximum);

// x min, x max, y min, y max over all bar end points (delete[]), or null.
double* Systemgrenzen(Kette staebe);
