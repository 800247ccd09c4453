// Catalogue lists shared by the catalogue dialogs.
#pragma once

#include "gui/xforms.h"

// Number of the first selected line of a catalogue list; -1 when none.
long ListenauswahlNummer(FL_OBJECT* liste);
// A hold browser for catalogue lines, in the fixed font.
FL_OBJECT* KatalogListe(int x, int y, int breite, int hoehe, const char* titel);
// Refill a list with the lines of a catalogue, in chain order.
void MaterialienEintragen(FL_OBJECT* liste);
void QuerschnitteEintragen(FL_OBJECT* liste);
