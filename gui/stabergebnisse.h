// The per-bar results window "Schnittgrößen / Verschiebungen ..."; it shows
// the first marked bar of the current System.
#pragma once

struct Stab;

// Opens (or raises) the window.  Its drawing window holds the event handler
// until the window is closed.
void StabergebnisseZeigen(Stab* stab);
// After an undo or redo: the window shows the first marked bar afresh, or
// closes when no bar is marked any more.
void StabergebnisseAuffrischen();
