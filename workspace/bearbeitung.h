// Editing a System by hand: drawing a new bar point by point,
// reconnecting and moving bar ends, moving the whole System, dividing bars,
// and the text lines of the point and bar tables.
//
// Toolkit-free: the canvas and the dialogs call these and draw the markers,
// rubber bands and inputs themselves.  Every change is reported
// (core/aenderungen.h); the interaction mode (Programm.Modus) follows the
// steps of drawing a bar, and the window shows it.
#pragma once

#include <cstddef>

#include "core/datenmodell.h"

// ------------------------------------------------------------ new bars
// State of the bar being drawn (interaction modes 2 and 3).
struct Staberzeugung {
    Punkt* ErsterPunkt = nullptr;  // start of the bar, set in mode 2
    bool ErsterPunktNeu = false;   // made for this bar, not found there
    System* Besitzer = nullptr;    // the System the start point belongs to
    double LetztX = 0.0;           // last snapped world position of the pointer
    double LetztY = 0.0;
};
extern Staberzeugung Erzeugung;

// The first point of the bar being drawn while it still belongs to `sys`
// (a dialog may have deleted it, or another System became the one drawn
// on), else null.
Punkt* GueltigerErsterPunkt(const System* sys);
// Mode 1 and a System only: "Punkt 1 festlegen !" and mode 2.  False
// otherwise.
bool StabErzeugungBeginnen(const System* sys);
// The first point of the bar: `p`, else a point within 1 mm of (x, y), else
// a new point there.  Then "Punkt 2 festlegen" and mode 3.  Returns the point.
Punkt* ErsterPunkt(System& sys, double x, double y, Punkt* p);
// Leaves bar drawing (modes 2 and 3) without a bar: a start point made for
// it in `sys` goes again, "Stab erzeugen abgebrochen" and mode 1.  False in
// any other mode.
bool StabErzeugungAbbrechen(System* sys);
// The end point and the bar itself (StabErzeugen: a bar without the
// defaults comes back marked, for the assignment dialog).  Returns the new
// bar, or null when the end equals the start (mode stays 3) or when the
// start point is gone (back to mode 2).  `endpunkt` receives the end point
// whenever one was found or created.
Stab* staberzeugen(System& sys, double x, double y, Punkt* p, Punkt** endpunkt = nullptr);

// Read-out of the pointer position while drawing: mode 2 without, mode 3
// with the length from the first point.
void PositionsanzeigeText(char* text, std::size_t groesse, double x, double y, const Punkt* p);
void LaengenanzeigeText(char* text, std::size_t groesse, double x, double y, const Punkt* p, double laenge);

// ------------------------------------------------------------ bar ends
// End 0 is PunktA (slots 0-2), end 1 is PunktB (slots 3-5).
//
// The end is connected to the point numbered `nummer`; if there is none, a
// point with that number is created at (x, y).  An end joined to an existing
// point takes over the degrees of freedom of another bar end there.  A number
// naming the bar's other end is refused (returns null, nothing changes).
Punkt* EndpunktNummerGeaendert(System& sys, Stab* stab, int ende, long nummer, double x, double y);
// The end gets a new point 0.5 m right of and above its old one, and three
// fresh degrees of freedom.
Punkt* EndpunktNeu(System& sys, Stab* stab, int ende);
// "Schließen" of the geometry dialog: the points named in both columns get
// the typed coordinates and become the bar's ends; every bar's geometry is
// recomputed.
void GeometrieUebernehmen(System& sys, Stab* stab, long nummerA, double xA, double yA, long nummerB, double xB,
                          double yB);
// Number of bar ends (PunktA and PunktB of every bar) at the point.
long StabendenAnPunkt(const System* sys, const Punkt* p);

// ------------------------------------------------------------ whole System
// Every point (and the drawn results, which hold world positions) moves by
// (dx, dy); bar geometry stays valid.
void SystemVerschieben(System* sys, double dx, double dy);
// A point's coordinate typed in the point table; the bars at the point get
// their geometry again.
void PunktkoordinateSetzen(System& sys, Punkt* p, int achse, double wert);

// ------------------------------------------------------------ dividing bars
// Divides every bar of `staebe` (Stapel of Stab*) into n equal bars joined
// rigidly and moves or splits their loads onto the pieces; a temperature
// load goes onto every piece.
void StaebeTeilen(System& sys, Stapel* staebe, int n);
// The same for the marked bars of the System (bar menu " 2 x " ...).
void MarkierteStaebeTeilen(System& sys, int n);

// ------------------------------------------------------------ table lines
void PunktZeile(char* text, std::size_t groesse, const Punkt* p);
void StabZeile(char* text, std::size_t groesse, const Stab* s);
// The number at the start of a list line (the first `breite` characters), -1 if none.
long ZeilenNummer(const char* zeile, int breite);
// One extreme value of the bar table ("M" in kNm, the forces in kN).
void ExtremZeile(char* text, std::size_t groesse, bool moment, long stab, double wert, double position);
