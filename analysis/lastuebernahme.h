// Transfer of the loads of the active load cases, weighted, onto the
// computational model: point loads onto the model degrees of freedom at the
// element ends, distributed loads as linear element loads in local axes,
// temperature loads as free strain and curvature of every element of their bar.
#pragma once

#include "analysis/kernmodell.h"

class KatalogIndex;

void PunktlastenUebernehmen(Kernmodell& modell, const System& sys, const AktiveLastfaelle& aktiv,
                            Berichtsempfaenger& bericht);
void StreckenlastenUebernehmen(Kernmodell& modell, const System& sys, const AktiveLastfaelle& aktiv,
                               Berichtsempfaenger& bericht);
// Needs the catalogues (thermal expansion of the material, depth 2 max y of
// the cross-section), so it runs after KernmodellErzeugen, on the elements
// of every bar whatever their division.  An element without material, or
// with a temperature difference but no depth, gets nothing of that part:
// the model check refuses such a model.
void TemperaturlastenUebernehmen(Kernmodell& modell, const System& sys, const KatalogIndex& katalog);
