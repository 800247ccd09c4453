// The engineering symbols of supports, springs and hinges, shared by the
// canvas and the PostScript plot: which symbol stands at which point and
// which way it is turned, and its outline.
//
// A point is classified by all the degree-of-freedom records that the bar
// ends meeting there refer to:
//
//   x and y supported, rotation supported     clamp (Einspannung)
//   x and y supported, rotation free          pin (Festlager): a triangle
//   x or y supported, rotation free           roller (Loslager): a triangle on a line
//   x or y supported, rotation supported      sliding clamp (Parallelfuehrung)
//   only the rotation supported               a square around the point
//
// Springs are zig-zags along their direction, rotation springs spirals.  A
// bar end whose rotation record the other bars at its point do not share
// is a hinge: an open circle at the bar end (one circle on the point when
// no two bar ends there share their rotation).
//
// Outlines are in symbol units with x to the right and y upwards, relative
// to the point; the canvas draws one unit as one pixel (turning y round),
// the plot as a fraction of a millimetre.
#pragma once

#include <vector>

#include "core/datenmodell.h"
#include "output/ankerpunkte.h"

enum class Lagerart { Festlager, Loslager, Einspannung, Parallelfuehrung, Drehsperre };

struct Lagersymbol {
    const Punkt* Ort;
    Lagerart Art;
    // Unit vector from the ground to the point: the symbol lies on the
    // other side.  It follows the supported direction (so turned supports
    // are turned) and points away from the bars at the point; a clamp
    // stands across the bars it holds.
    Weltpunkt Normale;
    bool Vorgeschrieben;  // a support record with a prescribed displacement
};

struct Federsymbol {
    const Punkt* Ort;
    bool Drehfeder;
    Weltpunkt Normale;    // as for a support (ground on the other side)
    bool Gestuetzt;       // the record is a support as well
    bool Vorgeschrieben;  // ... with a prescribed displacement
};

struct Gelenksymbol {
    const Punkt* Ort;
    // Unit vector along the bar from the point to the circle's centre;
    // (0, 0) for the circle centred on the point.
    Weltpunkt Richtung;
};

struct Symbole {
    std::vector<Lagersymbol> Lager;
    std::vector<Federsymbol> Federn;
    std::vector<Gelenksymbol> Gelenke;
};

// The symbols of all points of the bars in `staebe`, point by point in the
// order the bars reach them (chain order, end A before end B).
Symbole SymboleErmitteln(Kette staebe);

// Outline of a symbol in symbol units.
struct Symbolzug {
    std::vector<Weltpunkt> Punkte;
    bool Geschlossen = false;  // a polygon (the last point joins the first)
    bool Fein = false;         // hatching: drawn with a thinner line
};
struct Symbolkreis {
    Weltpunkt Mitte;
    double Radius;
};
struct Symbolform {
    std::vector<Symbolzug> Zuege;
    std::vector<Symbolkreis> Kreise;  // open circles: filled with the background
};

Symbolform LagerForm(const Lagersymbol& lager);
Symbolform FederForm(const Federsymbol& feder);
Symbolform GelenkForm(const Gelenksymbol& gelenk);

// Sizes in symbol units, for tests and for callers that keep clear of symbols.
constexpr double SYMBOL_DREIECK_HOEHE = 20.0;
constexpr double SYMBOL_DREIECK_HALBBREITE = 12.0;
constexpr double SYMBOL_GELENK_RADIUS = 6.0;
