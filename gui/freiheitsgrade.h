// The dialog "Freiheitsgrade" for the first marked bar of the current
// System.  While it is open its drawing window holds the event handler; it
// gives the canvas its handler back when it closes.
#pragma once

// Opens (or raises) the dialog; does nothing when no bar is marked.
void FreiheitsgradeBearbeiten();
// After an undo or redo: shows the records of the first marked bar afresh,
// or closes the dialog when no bar is marked any more.
void FreiheitsgradeAuffrischen();
