// The entries of the bar pop-up menu, one function dispatching on the
// entry's value.  Entries whose window is not linked in answer false, and
// the main window says so.
#include "core/datenmodell.h"
#include "core/katalogbearbeitung.h"
#include "gui/anschluesse.h"
#include "gui/freiheitsgrade.h"
#include "gui/kataloge.h"
#include "gui/stabergebnisse.h"
#include "workspace/menues.h"

// The geometry, division and load windows are built separately; declared
// weak here, they are called only when their definitions are linked in.
__attribute__((weak)) bool GeometriedialogOeffnen(Stab* stab);
__attribute__((weak)) bool StabteilungAusfuehren(int wert);
__attribute__((weak)) void LasteditorOeffnen(Stab* stab);
__attribute__((weak)) void LastKopierenOeffnen(Stab* stab);

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
    case menue::Geometrie:
        if (!GeometriedialogOeffnen) return false;
        GeometriedialogOeffnen(stab);  // false: no System or bar, nothing to report
        return true;
    case menue::Teilen2: case menue::Teilen3: case menue::Teilen4:
        return StabteilungAusfuehren && StabteilungAusfuehren(wert);
    case menue::Belastung:
        if (!LasteditorOeffnen) return false;
        LasteditorOeffnen(stab);
        return true;
    case menue::BelastungKopieren:
        if (!LastKopierenOeffnen) return false;
        LastKopierenOeffnen(stab);
        return true;
    default: return false;
    }
}
