// The drawing canvas inside the main window.
//
// The canvas itself (its window, graphics contexts, cursors, fonts and event
// handler) lives with the drawing code; the refresh (gui/auffrischung.h)
// draws it, everybody else asks for that with NeuZeichnen().
#pragma once

#include "core/datenmodell.h"
#include "gui/xforms.h"

// Creates the canvas window inside the main window and registers its event
// handler.  Called once, after the main window is shown.
void ZeichenflaecheErzeugen(FL_FORM* hauptform);
// Clears the canvas and draws every enabled layer of the current System,
// with the first point of a bar being drawn.  For the refresh only.
void ZeichenflaecheZeichnen();
// Follows a change of the main window's size.
void ZeichenflaecheAnpassen();

// Drawing a new bar on the canvas (staberzeugung_x.cpp).
// Starts it (mode 1 -> 2), or gives it up when it is under way.
void StabErzeugenStarten();
// Gives up the bar being drawn (modes 2 and 3; nothing otherwise): a start
// point made for it goes again, mode 1.
void StabErzeugungVerlassen();
// Canvas events while a new bar is drawn (modes 2 and 3).
void StabErzeugungEreignis(XEvent* ereignis);
// The second point and the bar (staberzeugen); a bar that got no default
// material and cross-section opens the assignment dialog.
Stab* StabFertigstellen(System& sys, double x, double y, Punkt* p);
// The marker of the first point of the bar being drawn (mode 3).
void ErsterPunktZeichnen();
