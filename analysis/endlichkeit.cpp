#include "analysis/endlichkeit.h"

#include <cmath>

#include "core/bericht.h"
#include "core/latin1.h"
#include "core/oberflaeche.h"
#include "core/programm.h"
#include "core/systemoperationen.h"

namespace {

bool ModellEndlich(const System* sys) {
    for (const Freiheitsgrad* fg : Elemente<Freiheitsgrad>(sys->Modellfreiheitsgrade))
        if (!std::isfinite(fg->Wert) || !std::isfinite(fg->Reaktion)) return false;
    for (const Element* e : Elemente<Element>(sys->Elemente)) {
        for (double s : e->Schnittkraefte)
            if (!std::isfinite(s)) return false;
        // The diagrams between the ends are drawn from the element loads.
        for (double q : {e->qAnfang, e->qEnde, e->nAnfang, e->nEnde})
            if (!std::isfinite(q)) return false;
    }
    return true;
}

}  // namespace

bool ErgebnisseEndlich() {
    System* sys = Programm.AktuellesSystem;
    if (!sys || ModellEndlich(sys)) return true;
    MeldungAusgeben("Fehler beim Berechnen ! - Ergebnisse nicht endlich, Eingabewerte prüfen !"_l1);
    Ui()->Flush();
    for (Stab* s : Elemente<Stab>(sys->Staebe)) ErgebnisseLoeschen(s);
    FortschrittSetzen(0.0);
    return false;
}
