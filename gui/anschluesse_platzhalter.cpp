// Weak stand-ins for the windows that are not linked in yet.
#include "gui/anschluesse.h"

#define SCHWACH __attribute__((weak))

SCHWACH void TooltipsInitialisieren() {}
SCHWACH void WeitereDialogeErzeugen() {}
SCHWACH void FarbenEinrichten() {}
SCHWACH void HauptfensterEinrichten(FL_FORM*) {}
SCHWACH void WerkzeugfensterPlatzieren() {}
SCHWACH bool WerkzeugfensterUmschalten(int, bool) { return false; }
SCHWACH bool TabelleZeigen(int) { return false; }
SCHWACH bool RasterdialogZeigen() { return false; }
SCHWACH bool StandardwertedialogZeigen() { return false; }
SCHWACH bool KatalogeditorZeigen(int) { return false; }
SCHWACH bool ExportdialogZeigen() { return false; }
SCHWACH bool StabmenueAusfuehren(int, Stab*) { return false; }
SCHWACH bool EingabeUebernehmen(int, const char*) { return false; }
SCHWACH void SystemdialogeErgaenzen() {}
SCHWACH void LastfalllistenLeeren() {}
SCHWACH void LastfalllisteFuellen() {}
SCHWACH void KombinationslisteFuellen() {}
SCHWACH void CursorSetzen(int) {}
SCHWACH void ZuordnungsdialogOeffnen(Stab*) {}
