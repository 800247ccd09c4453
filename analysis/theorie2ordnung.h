// The analysis by second-order theory ("Theorie II. Ordnung"): equilibrium
// on the deformed bars with small rotations, every model element the exact
// beam-column element of analysis/theorie2/ under its axial force.
//
// A run goes through the steps of the first-order run (Berechnung): the
// first pass, with no axial force in the bending, is the first-order
// solution.  Then the axial forces are iterated: each pass builds the
// elements under the axial forces of the last one, assembles, decomposes and
// solves, until they change by at most 1e-10 (max |N| + 1), at most 100
// passes.  A stiffness that is no longer positive definite (a negative
// pivot, or a buckling mode inside an element) or an iteration that does not
// settle means the load lies above the critical load: the run reports
// "Fehler beim Berechnen ! - System instabil (Belastung über der
// Verzweigungslast) !" and keeps no results.
//
// The critical load factor alpha_cr is the smallest lambda > 0 at which the
// structure with the axial forces lambda * N_I of the first-order solution
// becomes singular, found by counting buckling modes below lambda
// (negative pivots plus the modes inside the elements) to 1e-6.
//
// The results keep with every record of a bar the data of its exact element
// (Stababschnitt::Exakt), from which the result functions of ergebnisse.h
// give exact values anywhere; the System keeps the theory and alpha_cr.
#pragma once

#include <string>

struct System;
struct Kataloge;
class Berichtsempfaenger;

// The critical load factor of a System's active loads.
struct Verzweigungslast {
    long Status = 0;  // VERZWEIGUNG_KEINE_DRUCKKRAEFTE, _GEFUNDEN or _UNBESTIMMT (datenmodell.h)
    double Faktor = 0.0;
};

// The run by second-order theory.  Messages: those of the first-order run
// with "Theorie II.Ordnung", one line per pass of the iteration, and before
// the last line the critical load factor.  True when the results are in
// the System (AENDERUNG_ERGEBNISSE reported).
bool TheorieIIOrdnungBerechnen(System& system, const Kataloge& kataloge, Berichtsempfaenger& bericht);

// The critical load factor alone: the model, the first-order solution and
// the search, with the messages of these steps and "Verzweigungslastfaktor
// : ..." at the end.  The System's results stay as they are.  False after a
// message when the model cannot be computed or is unstable without load.
bool VerzweigungslastfaktorBerechnen(System& system, const Kataloge& kataloge, Berichtsempfaenger& bericht,
                                     Verzweigungslast& ergebnis);

// "%.3f" of the factor, "keine Druckkräfte" or "nicht bestimmbar".
std::string VerzweigungslastText(const Verzweigungslast& v);
// The same for the factor a System keeps from its last second-order run.
std::string VerzweigungslastText(const System& system);
