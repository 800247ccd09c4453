// The per-bar results window "Schnittgrößen / Verschiebungen ..."; it shows
// the first marked bar of the current System.
#pragma once

struct Stab;

// Opens (or raises) the window.  Its drawing window holds the event handler
// until the window is closed.
void StabergebnisseZeigen(Stab* stab);
// Closes the window if it is open (its System is being closed).
void StabergebnisseSchliessen();
