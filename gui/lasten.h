// The windows for load cases and loads: "Lastfälle" with its two small
// dialogs, "Belastung editieren" and "Last kopieren".
//
// Entry points for the bar pop-up menu ("Belastung", "Belastung kopieren");
// the main window's hooks for the load-case lists, the third window toggle
// and the shared input dialog's load modes are defined with the windows.
#pragma once

struct Stab;

// Opens the load editor for this bar (it becomes the only marked bar).
// Does nothing without a bar or a current System.
void LasteditorOeffnen(Stab* stab);
// Opens the "Last kopieren" window.
void LastKopierenOeffnen(Stab* stab);
// Closes the load editor if it is open (the canvas gets its event handler
// back) without redrawing; used while the System it works on goes away.
void LasteditorSchliessen();
// Refills the load editor's load-case list if it is open.
void LasteditorLastfaelleAktualisieren();
