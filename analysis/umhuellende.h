// "Umhüllende aller Kombinationen": every load-case combination of a System
// computed on its own, in ascending number, and per bar and listed position
// the largest and smallest internal forces and displacements over all of
// them (core/umhuellende.h).
//
// Each combination is applied exactly as KombinationAktivieren does it and
// computed by one run (first-order theory, or whatever run the caller
// hands in).  Afterwards the load cases are active with the weights they
// had before, and the combinations keep their state, whatever happened on
// the way.  The System then keeps no single-combination results: those in
// its bars would belong to the last combination, not to the load cases now
// active, so they are removed; the envelope alone is the result.
//
// Messages: one line per combination ("Kombination %ld (%s) ..."), and the
// progress moves over all of them.  The messages of each run are kept back
// unless it fails: then they tell why (a kinematic combination, say) and the
// envelope stops.
#pragma once

#include <memory>

#include "core/umhuellende.h"

struct System;
struct Kataloge;
class Berichtsempfaenger;

// One run on the System's active load cases; true when its results are in
// the bars.  TheorieIOrdnungBerechnen is one.
using Einzelrechnung = bool (*)(System& system, const Kataloge& kataloge, Berichtsempfaenger& bericht);

inline constexpr const char* KEINE_KOMBINATIONEN = "keine Lastfallkombinationen !";

// Takes the results now in the bars of `sys` into `huelle` as those of the
// combination with number `kombination`: a value replaces a maximum only
// when it is greater and a minimum only when it is smaller, so that ties
// keep the earlier combination.  M, Q and N count on both sides of a jump at
// a listed position; w and u are the values the listing prints.  Bars
// without results change nothing.
void HuelleErweitern(Umhuellende& huelle, const System& sys, long kombination);

// Computes the envelope and returns it, or null after a message (no
// combinations: "keine Lastfallkombinationen !", nothing computed and the
// System's results left as they are; a run that failed; memory short).
// Once a combination is computed the System keeps no results, whatever the
// outcome.
std::unique_ptr<Umhuellende> UmhuellendeErmitteln(System& sys, const Kataloge& kataloge,
                                                  Berichtsempfaenger& bericht, Einzelrechnung lauf,
                                                  bool theorieII = false);

// The same, the envelope kept in the System (System::Huelle) and
// AENDERUNG_ERGEBNISSE reported: the window's entry.
bool UmhuellendeBerechnen(System& sys, const Kataloge& kataloge, Berichtsempfaenger& bericht,
                          Einzelrechnung lauf, bool theorieII = false);
