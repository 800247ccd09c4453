// Where the forms, their objects and the canvas are, for the window tests.
//
// When VELKO_GEOMETRIEPROTOKOLL names a file, every form shown writes one
// line per object and every drawing of the canvas one line with its place
// and view, so a test takes its coordinates from the program instead of
// fixed pixels.  Without the variable nothing is written.
#pragma once

#include "gui/xforms.h"

struct Ansicht;

// fl_show_form, and the objects of the form into the log:
//   zeige <TAB> name of the form
//   form <TAB> name of the form <TAB> name <TAB> x y w h
// (x, y relative to the form's window).  The form goes by its title unless
// `protokollname` is given (the tool windows all bear the title "Velko", a
// tip window has none and goes by "Tip").
// An object goes by its label, or by its class and number among the
// unlabelled objects of that class ("Eingabe#2", "Liste#1", "Knopf#3",
// "Auswahl#1", "Objekt#5").
void FormZeigen(FL_FORM* form, int platz, int rand, const char* titel, const char* protokollname = nullptr);

// A window of the program's own inside a form (a dialog's drawing window):
//   form <TAB> name of the form <TAB> name <TAB> x y w h
void FensterProtokollieren(const char* form, const char* name, int x, int y, int breite, int hoehe);

// The canvas: its place in the main window and its view,
//   leinwand <TAB> x y w h <TAB> massstab versatzX versatzY
// so that world (wx, wy) lies at canvas pixel
// (wx * massstab + versatzX, versatzY - wy * massstab).
void ZeichenflaecheProtokollieren(int x, int y, int breite, int hoehe, const Ansicht& ansicht);
