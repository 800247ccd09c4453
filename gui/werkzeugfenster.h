// The tool windows beside the canvas (icon bar, scale window, drawing
// selection, drawing settings) and the dialogs of the canvas (colours,
// grid and snap).  Each is created once, hidden, and then only shown and
// hidden; its check buttons and inputs are the drawing settings.
//
// The main window's hooks (gui/anschluesse.h) that these windows
// serve are defined with them: TooltipsInitialisieren, FarbenEinrichten,
// HauptfensterEinrichten, WerkzeugfensterPlatzieren,
// WerkzeugfensterUmschalten, RasterdialogZeigen, SystemdialogeErgaenzen,
// CursorSetzen.
#pragma once

#include "gui/xforms.h"

// Creates every form of this file once (further calls do nothing).
void WerkzeugformenErzeugen();

// --- the main window's toggle buttons, 1 to 5
enum Fensterknopf { KNOPF_ICONS = 1, KNOPF_MASSSTAB = 2, KNOPF_LASTFAELLE = 3, KNOPF_ZEICHNEN = 4,
                    KNOPF_EINSTELLUNGEN = 5 };
// Releases a toggle button of the main window (without calling it back).
void FensterknopfLoesen(int knopf);

// --- closing forms through the window manager
enum class Schliessart {
    Werkzeug,  // release the main-window toggle, hide, redraw, flush
    Editor,    // hide, give the canvas its event handler back, redraw
    Dialog,    // hide, redraw
};
// The close handler installed for every dialog form; never lets the
// toolkit destroy the form.
int FensterSchliessen(FL_FORM* form, void* daten);
// Installs FensterSchliessen for a form; `knopf` names the toggle button of
// a tool window.
void FensterSchliessenEinrichten(FL_FORM* form, Schliessart art, int knopf = 0);

// --- scale window
// Shows the values of Massstaebe and MassstabPositionierer in the inputs
// and the positioner (after zoom, pan and reading a scale file).
void MassstabfensterAktualisieren();

// --- drawing selection and settings
// Copies the check buttons into the drawing switches (Schalter).
void ZeichenschalterLesen();

// --- the zoom icon: released when the mode changes to 1, 2 or 3
void ZoomknopfLoesen();

// --- served by windows of other parts (weak stand-ins report "Funktion
// noch nicht implementiert !" or return false)
// The load-case window of the third toggle button.
bool LastfallfensterUmschalten(bool zeigen);
// Starts drawing a new bar (mode 1 -> 2).
void StabErzeugenStarten();
// The dialog that moves the whole System.
bool VerschiebedialogZeigen();
// Canvas events while a new bar is drawn (modes 2 and 3).
void StabErzeugungEreignis(XEvent* ereignis);
// Greys the bar pop-up menu's entries that serve one bar only
// ("Geometrie / Topologie", "Schnittkräfte / Verschiebungen",
// "Freiheitsgrade", "Belastung", "Belastung kopieren") when more than one
// bar is marked, and enables them otherwise.
void StabmenueEintraegeSperren(bool mehrereStaebe);
