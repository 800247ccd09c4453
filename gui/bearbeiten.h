// Dialogs that edit points and bars by typing: the bar geometry dialog, the
// point dialog used while a bar is drawn, "System verschieben", and the
// division of the marked bars.
#pragma once

#include "core/datenmodell.h"

// Bar menu "Geometrie / Topologie": opens the dialog "Stab" for the bar
// (the first marked one).  False without a System or bar.
bool GeometriedialogOeffnen(Stab* stab);
// Bar menu " Stab teilen": the values 20, 21, 22 divide every marked bar
// into 2, 3 or 4 bars.  False for any other value.
bool StabteilungAusfuehren(int wert);
// "Punkt erzeugen" while a bar is drawn (modes 2 and 3).
void PunktdialogZeigen();
// The icon "System verschieben": the dialog that moves the whole System;
// false without a current System.
bool VerschiebedialogZeigen();
// After an undo or redo: the dialog "Stab" shows its bar afresh, or
// closes when the bar is gone.
void GeometriedialogAuffrischen();
