// Undo and redo in the window: the menu "Bearbeiten" and the keys Ctrl+Z
// (undo), Ctrl+Y and Ctrl+Shift+Z (redo) on the canvas, in the main window
// and in the dialogs that edit a System.  The steps themselves are the
// current System's history (core/verlauf.h).
#pragma once

#include "gui/xforms.h"

// Undo / redo of the current System; nothing without a System or a step.
// A bar being drawn is given up first.
void Rueckgaengig();
void Wiederherstellen();

// The menu "Bearbeiten" of the main window: its entries and callback, and
// its entries brought up to date (names of the next steps, greyed without
// one); the refresh calls the latter after every event.
void BearbeitenMenueAufbauen(FL_OBJECT* menue);
void BearbeitenMenueAktualisieren();

// The keys in a dialog: Ctrl+Z and Ctrl+Y work there unless the user is
// typing in one of its text inputs (where the keys keep their meaning
// until the input is taken with Return, Tab or a click).
void RueckgaengigTastenEinrichten(FL_FORM* form);
// The keys on a window of the program's own (the canvas, a dialog's
// drawing window): true when the event was one of them and was carried out.
bool RueckgaengigTaste(XEvent* ereignis);

// After an undo or redo: every open dialog shows the System's records
// afresh; a dialog whose bar is gone closes.
void OffeneDialogeAuffrischen();
