// After the solution: end forces of the elements and the hand-back of the
// results into the System (result records per bar, displacements and
// reactions of the bar-end degrees of freedom).
#pragma once

#include <functional>

#include "analysis/kernmodell.h"

class KatalogIndex;

// Adds to the result record of an element what a theory keeps besides the
// end values (the exact element of second-order theory).
using Abschnittergaenzung = std::function<void(const Element& element, Stababschnitt& abschnitt)>;

// End forces (N, Q, M at start and end) of every element.
void SchnittkraefteBerechnen(Kernmodell& modell, const KatalogIndex& katalog);
// Replaces every bar's result records and copies displacements and
// reactions of the bar ends into the System's degrees of freedom.
void ErgebnisseInSystemUebernehmen(const Kernmodell& modell, System& sys,
                                   const Abschnittergaenzung& ergaenzen = {});
