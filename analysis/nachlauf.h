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

// End forces (N, Q, M at start and end) of every element (of `folge` when
// given, which holds the model's elements in chain order).
void SchnittkraefteBerechnen(Kernmodell& modell, const KatalogIndex& katalog, const Modellfolge* folge = nullptr);
// Replaces every bar's result records, copies displacements and reactions
// of the bar ends into the System's degrees of freedom and marks the System
// as holding results (ErgebnisseEingetragen).
void ErgebnisseInSystemUebernehmen(const Kernmodell& modell, System& sys, const Modellfolge* folge = nullptr,
                                   const Abschnittergaenzung& ergaenzen = {});
