// The tool windows beside the canvas (icon bar, scale window, drawing
// selection, drawing settings) and the dialogs of the canvas (colours,
// grid and snap).  Each is created once, hidden, and then only shown and
// hidden; its check buttons and inputs are the drawing settings.
#pragma once

#include "gui/xforms.h"

// Creates every form of this file once (further calls do nothing).
void WerkzeugformenErzeugen();

// --- start-up
// Tooltips of the buttons (before any form is created).
void TooltipsInitialisieren();
// Colours of the drawing: reads the colour file or sets the built-in ones.
void FarbenEinrichten();
// Icons, fonts and tooltips of the main window, after the forms exist.
void HauptfensterEinrichten(FL_FORM* hauptform);
// Places the tool windows and sets their first check buttons.
void WerkzeugfensterPlatzieren();
// Shows (zeigen) or hides the window of toggle button `knopf` (1 to 5);
// false when it cannot be shown.
bool WerkzeugfensterUmschalten(int knopf, bool zeigen);

// --- grid and snap
void RasterdialogZeigen();
// Grid and snap settings of the current System into the grid dialog and
// the drawing settings.
void SystemdialogeErgaenzen();

// --- the interaction mode
// Sets Programm.Modus and shows it at once: the canvas cursor, and the zoom
// icon released for modes 1 to 3.
void ModusSetzen(int modus);
// Shows Programm.Modus when it changed since it was last shown (the
// editing logic moves through the modes of drawing a bar by itself).
void ModusAbgleichen();

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
