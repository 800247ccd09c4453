// The window follows the model in one place.
//
// Operations report their changes (core/aenderungen.h) and windows ask for
// a new picture; nothing is redrawn on the spot.  Once the toolkit has
// handled the event (a timeout of 0 ms, which it runs as soon as it is idle
// again), the window is refreshed once: the systems choice, the dialogs that
// show the current System's settings, the scale window, the canvas cursor
// and the canvas itself.  The change set of that event is complete at that
// moment: this is where outdated results would be marked and where the
// event's edits close one undo step (core/verlauf.h, doc/architektur.md).
#pragma once

// Installs the receiver of the change reports (once, at start-up).
void AuffrischungAnschliessen();
// Stops refreshing for good (the program ends; the window is gone).
void AuffrischungBeenden();

// The canvas is to be drawn again without a change of the model: the view,
// a drawing switch or the colours changed, or a window that covered it
// closed.
void NeuZeichnen();
// Another System became current (or none): the systems choice and the
// dialogs that show a System's settings follow it.
void SystemwechselMelden();

// Names the user action of this event for undo and redo ("Stab löschen",
// ISO 8859-1); the first name of an event counts.  An edit that nobody
// named is named after its kinds of change.
void AktionBenennen(const char* aktion);
// Closes the undo steps of the changes reported so far, at once (before
// an undo, which must not take them for part of an older step).
void SchritteAbschliessen();
// An undo or redo gave the current System new records: the next refresh
// shows them in every open dialog, or closes a dialog whose bar is gone.
void WiederherstellungMelden();
