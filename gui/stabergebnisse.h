// The per-bar results window "Schnittgrößen / Verschiebungen ..."; it shows
// the first marked bar of the current System.
#pragma once

struct Stab;

// Opens (or raises) the window.  Its drawing window holds the event handler
// until the window is closed.
void StabergebnisseZeigen(Stab* stab);
// The open window draws its bar again (the results or the bar changed).
void StabergebnisseAktualisieren();
// After an undo or redo: the window shows the first marked bar afresh, or
// closes when no bar is marked any more.
void StabergebnisseAuffrischen();
// Closes the window if it is open (its System is being closed).
void StabergebnisseSchliessen();
