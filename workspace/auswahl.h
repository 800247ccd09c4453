// Marking bars on the canvas (interaction mode 1) and the rubber
// rectangles of the selection and zoom gestures.
//
// Toolkit-free: positions are canvas pixels of the view in force, the
// rectangles are drawn through a painter that the canvas binds to its XOR
// graphics context.
#pragma once

#include <string>

#include "core/datenmodell.h"
#include "core/kette.h"
#include "workspace/ansicht.h"
#include "workspace/maler.h"

// A new chain of the bars with Markiert = 1, each entered first (so in the
// reverse of the System's order), or null when none is marked.  The caller
// frees it with KetteLoeschen.
Kette MarkierteStaebe(const System* system);
long MarkierteStaebeZaehlen(const System* system);

// Every bar unmarked (Markiert = -1).
void AlleStaebeDemarkieren(System* system);

// Whether the pixel picks the bar: within 0.8 % of the bar's length from
// its axis, or within 4 pixels where that is more (a short bar or a small
// scale), and away from its ends (0.8 % of its length).
bool StabGetroffen(const Stab* stab, const Ansicht& ansicht, int px, int py);

// Toggles the marking of every bar under the pixel.  Returns the number of
// bars toggled.
int StabMarkierenUmschalten(System* system, const Ansicht& ansicht, int px, int py);

// Before the bar menu opens at the pixel: when bars lie under the pointer
// and none of them is marked, they become the only marked bars, so that the
// menu acts on the bar the user points at and not on bars marked earlier.
// Returns true when the marking changed.
bool StabUnterZeigerWaehlen(System* system, const Ansicht& ansicht, int px, int py);

// The question of the bar menu's "Löschen": how many and which bars go,
// by number, "3 Stäbe löschen: 2, 5, 7 ?" ("1 Stab löschen: 4 ?"); after
// twenty numbers the rest is "...".  Empty when no bar is marked.
std::string LoeschfrageText(const System* system);

// Marks (never unmarks) the bars whose two points both lie strictly inside
// the rectangle dragged from (x1, y1) to the lower right corner (x2, y2).
int StaebeImRechteckMarkieren(System* system, const Ansicht& ansicht, int x1, int y1, int x2, int y2);

// The rubber rectangle of a drag with button 1, from its start to the
// pointer; only drawn while dragged right and downwards.  Coordinates are
// -1 while no drag is under way.
struct Gummirechteck {
    int StartX = -1, StartY = -1, LetztX = -1, LetztY = -1;

    bool Gesetzt() const { return StartX >= 0 || StartY >= 0; }
    // Button 1 went down: the drag starts here (not only at the first
    // motion, which may come many pixels later).
    void Beginnen(int x, int y);
    // The pointer moved (or was released) with button 1 held: starts the
    // drag, or erases the old outline and draws the new one (dashed, XOR).
    void Ziehen(Maler& xor_maler, int x, int y);
    // Erases the outline drawn last.
    void Entfernen(Maler& xor_maler) const;
    void Zuruecksetzen() { StartX = StartY = LetztX = LetztY = -1; }
};

// What a release of a mouse button in zoom mode asks for.
enum class Zoomgeste { Keine, Hinein, Heraus, Rechteck };
// A release whose drag spanned at most 10 pixels to the right is a click:
// button 1 zooms in, button 3 out; otherwise a drag more than 10 pixels
// down zooms to the rectangle.
Zoomgeste ZoomgesteBeiLoslassen(const Gummirechteck& rechteck, int knopf);

// A release in selection mode marks the rectangle when the drag spanned
// more than 10 pixels in both directions.
bool RechteckAuswahlBeiLoslassen(const Gummirechteck& rechteck, int x, int y);
