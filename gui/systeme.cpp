// The current System and the systems choice of the main window.
#include "gui/systeme.h"

#include <string>

#include "core/freiheitsgradbearbeitung.h"
#include "core/programm.h"
#include "core/systemoperationen.h"
#include "core/verlauf.h"
#include "files/systemdatei.h"
#include "gui/auffrischung.h"
#include "gui/hauptfenster.h"
#include "gui/lasten.h"
#include "gui/werkzeugfenster.h"
#include "gui/xforms.h"
#include "workspace/systemauswahl.h"

namespace {

void AktuellMachen(System* sys) {
    Programm.AktuellesSystem = sys;
    SystemwechselMelden();
}

}  // namespace

System* Aktuell() { return Programm.AktuellesSystem; }

Stab* MarkierterStab() { return Aktuell() ? ErsterMarkierterStab(*Aktuell()) : nullptr; }

System* NeuesSystem() {
    System* sys = SystemErzeugen();
    VerlaufBeginnen(*sys);
    AktuellMachen(sys);
    ModusSetzen(1);
    return sys;
}

System* SystemOeffnen(const char* pfad) {
    System* sys = SystemLesen(pfad);
    if (!sys) return nullptr;
    // Undo starts with the System as read.
    VerlaufBeginnen(*sys);
    AktuellMachen(sys);
    ModusSetzen(1);
    return sys;
}

bool SystemAuswaehlen(long systemnummer) {
    System* sys = SystemMitNummer(systemnummer);
    if (!sys) return false;
    AktuellMachen(sys);
    return true;
}

void AktuellesSystemSchliessen() {
    System* sys = Aktuell();
    if (!sys) return;
    SystemLoeschen(sys);
    // The newest remaining System takes over; without one there is nothing
    // to edit and the canvas goes back to mode 0.
    System* naechstes = NeuestesSystem();
    AktuellMachen(naechstes);
    if (!naechstes)
        ModusSetzen(0);
    else if (Programm.Modus == 0)
        ModusSetzen(1);
}

void SystemdialogeAktualisieren() {
    StabteilungenAktualisieren();
    LastfalllisteFuellen();
    KombinationslisteFuellen();
    SystemdialogeErgaenzen();
    SystemauswahlAbgleichen();
}

void SystemauswahlAufbauen() {
    FL_OBJECT* ob = Haupt.Systemauswahl;
    if (!ob) return;
    fl_clear_choice(ob);
    // Entries in the order the Systems were opened; the chain runs newest first.
    for (System* s : ElementeRueckwaerts<System>(Programm.Systeme)) {
        std::string zeile = FuerAuswahlSchuetzen(SystemauswahlZeile(s));
        fl_addto_choice(ob, zeile.c_str());
    }
    SystemauswahlAbgleichen();
}
