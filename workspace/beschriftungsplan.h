// Keeps the labels of one drawing apart.
//
// Labels are image strings: each blanks a box of the background colour, so
// one drawn over another leaves a mix of both ("-338.48" from a moment of
// -38.48 over a reaction of 38.48).  Every label layer of a redraw asks the
// plan for a place; a label whose box would cover one placed before moves
// up or down by whole lines to the nearest free place.  A label equal to one
// already standing (nearly) there is not drawn twice.
#pragma once

#include <string>
#include <vector>

// A label's box relative to its anchor, the left end of its baseline.
struct Beschriftungskasten {
    int Links, Oben, Rechts, Unten;
};

// The box of `zeilen` lines of text in the canvas font ("9x15"), the lower
// one at the anchor and each further one a line above, with `vorne` pixels
// free in front of the text (for a symbol).
Beschriftungskasten Textkasten(const char* text, int zeilen = 1, int vorne = 0);

constexpr int ZEICHENBREITE = 9;  // "9x15": 9 pixels wide, 12 above and 3 below the baseline
constexpr int OBERLAENGE = 12;
constexpr int UNTERLAENGE = 3;
constexpr int ZEILENHOEHE = OBERLAENGE + UNTERLAENGE;

class Beschriftungsplan {
public:
    // Moves the anchor (x, y) to where the box covers no earlier label:
    // unchanged if that place is free, else the nearest free place up to
    // six lines above or below (above first).  When none is free the label
    // stays where it was asked for.  Returns false when a label with the
    // same `inhalt` stands within two pixels of the anchor already; then
    // nothing is placed and the caller draws nothing.
    bool Platzieren(double& x, double& y, const Beschriftungskasten& kasten, const std::string& inhalt);

private:
    struct Belegt {
        double X, Y;                     // the anchor asked for
        int Links, Oben, Rechts, Unten;  // the box where it went
        std::string Inhalt;
    };
    bool Frei(int links, int oben, int rechts, int unten) const;
    std::vector<Belegt> belegt_;
};
