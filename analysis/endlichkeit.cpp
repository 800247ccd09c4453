#include "analysis/endlichkeit.h"

#include <cmath>

#include "analysis/kernmodell.h"
#include "core/aenderungen.h"
#include "core/bericht.h"
#include "core/latin1.h"
#include "core/systemoperationen.h"

namespace {

bool ModellEndlich(const Kernmodell& modell) {
    for (const Freiheitsgrad* fg : Elemente<Freiheitsgrad>(modell.Modellfreiheitsgrade))
        if (!std::isfinite(fg->Wert) || !std::isfinite(fg->Reaktion)) return false;
    for (const Element* e : Elemente<Element>(modell.Elemente)) {
        for (double s : e->Schnittkraefte)
            if (!std::isfinite(s)) return false;
        // The diagrams between the ends are drawn from the element loads.
        for (double q : {e->qAnfang, e->qEnde, e->nAnfang, e->nEnde})
            if (!std::isfinite(q)) return false;
    }
    return true;
}

}  // namespace

bool ErgebnisseEndlich(const Kernmodell& modell, System& system, Berichtsempfaenger& bericht) {
    if (ModellEndlich(modell)) return true;
    MeldungAusgeben(bericht, "Fehler beim Berechnen ! - Ergebnisse nicht endlich, Eingabewerte prüfen !"_l1);
    SystemergebnisseLoeschen(system);
    AenderungMelden(&system, AENDERUNG_ERGEBNISSE);
    bericht.Fortschritt(0.0);
    return false;
}
