// Geometry shared by the canvas drawing and the PostScript plot: where the
// symbols of a bar end's degrees of freedom sit, which bar ends show them,
// and the world directions of support symbols and degree-of-freedom arrows.
//
// Everything here is in world coordinates (metres, y upwards); each caller
// maps the results to its own device (pixels, millimetres on paper).
#pragma once

#include "core/datenmodell.h"

struct Weltpunkt {
    double X;
    double Y;
};

// End of a bar: 0 = PunktA (slots 0..2), 1 = PunktB (slots 3..5).
constexpr int ENDE_A = 0;
constexpr int ENDE_B = 1;

inline int EndeVonSlot(int slot) { return slot < 3 ? ENDE_A : ENDE_B; }

// The anchor of an end's symbols lies on the bar, not at the point, so that
// the symbols of several bars meeting at one point stay apart: 15 % from A
// for end A, 25 % from B for end B (the two ends are deliberately not
// symmetric, so opposite arrows of two joined bars do not coincide).
// A bar without both points gives (0, 0).
Weltpunkt Ankerpunkt(const Stab* stab, int ende);

// Number of distinct Freiheitsgrad records that the ends of all bars in
// `staebe` meeting at `punkt` refer to.  Null slots are not counted.
int FreiheitsgradeAmPunkt(Kette staebe, const Punkt* punkt);

// Whether the degrees of freedom of this bar end are drawn.  At a rigid joint
// all bars share the same three records, and a single bar end holds three of
// its own, so they show nothing; a hinge or any other decoupling adds records
// and makes the end show its arrows.  `alleZeigen` (the setting "FG auch an
// biegesteifen Verbindungen") shows every end.
bool StabendeZeigtFreiheitsgrade(Kette staebe, const Stab* stab, int ende, bool alleZeigen);

// The six slots in slot order: true for every slot whose end is drawn.
void FreiheitsgradSlotsWaehlen(Kette staebe, const Stab* stab, bool alleZeigen, bool slots[6]);

// World direction (unit vector) in which the arrow of an x or y degree of
// freedom points: x along (cos w, sin w), y along (-sin w, cos w) with w its
// Winkel.  Returns false (and leaves the vector alone) for a rotation or an
// unknown Richtung.
bool FreiheitsgradRichtung(const Freiheitsgrad* fg, double* dx, double* dy);

// World direction (unit vector) in which a pendulum support or spring symbol
// of an x or y record extends from its point: the direction of the degree of
// freedom itself.  False for a rotation or an unknown Richtung.
bool LagersymbolRichtung(const Freiheitsgrad* fg, double* dx, double* dy);

// Unit vector to the right of the direction from PunktA to PunktB: the side
// of the reference fibre (bar's lower side), where positive moments are drawn.
Weltpunkt UnterseitenNormale(const Stab* stab);

// Point at relative position t (0 = PunktA, 1 = PunktB) of the bar axis.
Weltpunkt StabpunktAn(const Stab* stab, double t);
