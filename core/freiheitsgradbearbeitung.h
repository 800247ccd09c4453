// Editing the degrees of freedom at the ends of a bar: support or free,
// prescribed displacement, spring, angle, and coupling bar ends by sharing
// one record.  Everything works on the System it is given and counts each
// real change in its Aenderungen.
#pragma once

#include "core/datenmodell.h"

// The first bar in chain order whose Markiert is 1, or null.
Stab* ErsterMarkierterStab(const System& sys);

// Gives the angle to the record with this number and to every record
// reachable from it through the FG relation pairs (in either order).
void WinkelSetzen(System& sys, long nummer, double winkel);

// Replaces the record of one bar end (ende 0 = A, 1 = B; richtung 0 = x,
// 1 = y, 2 = rotation) by a fresh one with the smallest free number.  The
// old record is deleted when no other bar end uses it; its x/y relation
// pair goes when no other bar end holds the same two records.  The new
// record is a support when `auflager`, and gets the angle.  Null for a bad
// end, direction or bar.
Freiheitsgrad* NeuenFgErzeugen(System& sys, Stab* stab, int ende, int richtung, bool auflager, double winkel);

// What typing a record number into a bar end's slot did.
enum class FgNummerFolge {
    Unveraendert,    // the slot already holds that number, or bad arguments
    Verbunden,       // the slot now shares the record of that number
    AndereRichtung,  // that record has another direction: refused
    Neu,             // no such record: a fresh one was made instead
};
FgNummerFolge FgNummerSetzen(System& sys, Stab* stab, int ende, int richtung, long nummer, bool auflager,
                             double winkel);

// Value edits by record number; false when no record has the number.
bool FgWertSetzen(System& sys, long nummer, double wert);
bool FgFederSetzen(System& sys, long nummer, double feder);
// Support: Status primal and the prescribed displacement.
bool FgAuflagerSetzen(System& sys, long nummer, double wert);
// Free: Status dual and the spring.
bool FgEinwirkungSetzen(System& sys, long nummer, double feder);

// Whether the record is a support.  Also for code that includes Xlib, whose
// macro "Status" hides the field of that name.
bool IstAuflager(const Freiheitsgrad* fg);
