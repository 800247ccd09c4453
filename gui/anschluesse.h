// Where the main window hands over to windows and dialogs that live
// elsewhere (tool windows, tables, editors).
//
// Each has a weak stand-in (anschluesse_platzhalter.cpp); the code that
// builds the window defines the function again and replaces it at link
// time.  Functions returning bool return false while nothing is connected:
// the main window then tells the user "Funktion noch nicht implementiert !".
#pragma once

#include "core/datenmodell.h"
#include "gui/xforms.h"

struct Stab;

// --- start-up
// Tooltips of the buttons (before any form is created).
void TooltipsInitialisieren();
// Creates the forms of the other windows and dialogs, hidden.
void WeitereDialogeErzeugen();
// Colours of the drawing: reads the colour file or sets the built-in ones.
void FarbenEinrichten();
// Icons, fonts and browsers of the main window, after the forms exist.
void HauptfensterEinrichten(FL_FORM* hauptform);
// Places the tool windows and sets their first check buttons.
void WerkzeugfensterPlatzieren();

// --- the five window toggle buttons of the main window (1 to 5)
// Shows (zeigen) or hides the window of button `knopf`.
bool WerkzeugfensterUmschalten(int knopf, bool zeigen);

// --- menu entries served elsewhere
bool TabelleZeigen(int welche);             // menue::Staebe, menue::Punkte
bool RasterdialogZeigen();
bool StandardwertedialogZeigen();
bool KatalogeditorZeigen(int welcher);      // menue::Material, menue::Querschnitte
bool ExportdialogZeigen();
// Entries of the bar pop-up menu other than deleting (geometry, assignment,
// results, degrees of freedom, loads, copying loads, dividing 20..22).
bool StabmenueAusfuehren(int wert, Stab* stab);
// "OK" of the shared input dialog in a mode other than the project name.
bool EingabeUebernehmen(int modus, const char* text);

// --- refreshes asked for by the toolkit-free operations
void SystemdialogeErgaenzen();   // grid and snap settings of the current System
void LastfalllistenLeeren();
void LastfalllisteFuellen();
void KombinationslisteFuellen();
void CursorSetzen(int modus);
void ZuordnungsdialogOeffnen(Stab* stab);
