#include "core/ergebnisstand.h"

#include "core/kette.h"
#include "core/systemoperationen.h"
#include "core/umhuellende.h"

bool ErgebnisseVorhanden(const System& sys) { return sys.Berechnet; }

void ErgebnisseEingetragen(System& sys) { sys.Berechnet = true; }

bool ErgebnisseEntfernen(System& sys) {
    // The flag keeps this cheap: every change report asks, also the
    // thousands of a file being read.
    if (!sys.Berechnet && !sys.Huelle) return false;
    delete sys.Huelle;
    sys.Huelle = nullptr;
    if (!sys.Berechnet) return true;
    for (Stab* s : Elemente<Stab>(sys.Staebe)) ErgebnisseLoeschen(s);
    for (Freiheitsgrad* fg : Elemente<Freiheitsgrad>(sys.Freiheitsgrade)) {
        fg->Reaktion = 0.0;
        if (fg->Status != STATUS_PRIMAL) fg->Wert = 0.0;
    }
    sys.Theorie = THEORIE_KEINE;
    sys.Verzweigung = VERZWEIGUNG_KEINE_DRUCKKRAEFTE;
    sys.Verzweigungslastfaktor = 0.0;
    sys.Berechnet = false;
    return true;
}
