#include "analysis/speichermangel.h"

#include <new>

#include "core/aenderungen.h"
#include "core/bericht.h"
#include "core/systemoperationen.h"

bool BeiSpeichermangelAbbrechen(System& system, Berichtsempfaenger& bericht, const std::function<bool()>& lauf) {
    try {
        SpeicherfehlerAbfangen abfangen;
        return lauf();
    } catch (const std::bad_alloc&) {
        // The run's own data is gone with the unwinding; what it may have
        // stored in the System goes now.
    }
    for (Stab* s : Elemente<Stab>(system.Staebe)) ErgebnisseLoeschen(s);
    for (Freiheitsgrad* fg : Elemente<Freiheitsgrad>(system.Freiheitsgrade)) {
        fg->Reaktion = 0.0;
        if (fg->Status == STATUS_DUAL) fg->Wert = 0.0;  // a support keeps its prescribed value
    }
    AenderungMelden(&system, AENDERUNG_ERGEBNISSE);
    MeldungAusgeben(bericht, "Fehler beim Berechnen ! - zu wenig Speicher");
    bericht.Fortschritt(0.0);
    return false;
}
