// The material and cross-section editors, the default dialog for new bars
// and the assignment dialog "Material / Querschnitt".
#pragma once

#include "core/datenmodell.h"
#include "core/katalogbearbeitung.h"

// "Datenbank / Material" and "Querschnitte" (menue::Material,
// menue::Querschnitte): fills and shows the editor; false for another value.
bool KatalogeditorZeigen(int welcher);
// "Einstellungen / Stab erzeugen": the default material and cross-section.
void StandardwertedialogZeigen();
// Opens the assignment dialog for these bars.  While it is open, further
// bars of the same System (new bars without defaults) join the selection.
void MaterialZuweisen(const Stabauswahl& staebe);
// The assignment dialog for a freshly drawn bar that got no defaults.
void ZuordnungsdialogOeffnen(Stab* stab);
