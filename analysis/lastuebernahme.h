// Transfer of the loads of the active load cases, weighted, onto the
// computational model: point loads onto the model degrees of freedom at the
// element ends, distributed loads as linear element loads in local axes.
#pragma once

#include "analysis/kernmodell.h"

void PunktlastenUebernehmen(Kernmodell& modell, const System& sys, const AktiveLastfaelle& aktiv,
                            Berichtsempfaenger& bericht);
void StreckenlastenUebernehmen(Kernmodell& modell, const System& sys, const AktiveLastfaelle& aktiv,
                               Berichtsempfaenger& bericht);
