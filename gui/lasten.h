// The windows for load cases and loads: "Lastfälle" with its two small
// dialogs, "Belastung editieren" and "Last kopieren".
#pragma once

struct Stab;

// The third window toggle of the main window: shows or hides "Lastfälle";
// false without a current System.
bool LastfallfensterUmschalten(bool zeigen);
// The load-case and combination lists of "Lastfälle", from the current
// System (emptied without one).
void LastfalllisteFuellen();
void KombinationslisteFuellen();
void LastfalllistenLeeren();
// "OK" of the shared input dialog in a load mode (weight, load-case name,
// combination name); false for another mode.
bool EingabeUebernehmen(int modus, const char* text);

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
// After an undo or redo: the edited bar, its load cases and loads afresh,
// the selected load kept where it still exists; the editor closes when the
// bar is gone.
void LasteditorAuffrischen();
