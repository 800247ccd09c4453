// The material and cross-section editors, the default dialog for new bars
// and the assignment dialog "Material / Querschnitt".
#pragma once

#include "core/datenmodell.h"
#include "core/katalogbearbeitung.h"

// Opens the assignment dialog for these bars.  While it is open, further
// bars of the same System (new bars without defaults) join the selection.
void MaterialZuweisen(const Stabauswahl& staebe);
