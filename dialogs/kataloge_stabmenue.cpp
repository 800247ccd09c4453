// The entries of the bar pop-up menu, one function dispatching on the
// entry's value.  Entries whose window is not linked in answer false, and
// the main window says so.
#include "core/datenmodell.h"

#include "core/gui/anschluesse.h"
#include "core/katalogbearbeitung.h"
#include "core/menues.h"
#include "dialogs/kataloge.h"

void FreiheitsgradeBearbeiten();
void StabergebnisseZeigen(Stab* stab);

bool StabmenueAusfuehren(int wert, Stab* stab) {
    switch (wert) {
    case menue::Zuordnung: {
        Stabauswahl markiert = MarkierteStaebe();
        if (markiert.Staebe.empty()) StabauswahlErgaenzen(markiert, stab);
        MaterialZuweisen(markiert);
        return true;
    }
    case menue::Ergebnisse: StabergebnisseZeigen(stab); return true;
    case menue::Freiheitsgrade: FreiheitsgradeBearbeiten(); return true;
    default: return false;
    }
}
