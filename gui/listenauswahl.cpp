#include "gui/listenauswahl.h"

#include <unordered_map>

namespace {

struct Rueckruf {
    FL_CALLBACKPTR Funktion = nullptr;
    long Argument = 0;
    bool Offen = false;  // a selection or deselection awaits its callback
};

std::unordered_map<const FL_OBJECT*, Rueckruf>& Rueckrufe() {
    static std::unordered_map<const FL_OBJECT*, Rueckruf> rueckrufe;
    return rueckrufe;
}

constexpr int AUSWAHL = FL_RETURN_SELECTION | FL_RETURN_DESELECTION;

// Runs after every event of the list's text box (the browser's first child,
// which takes the clicks and keys): what it returned tells whether the
// selection changed.
int NachEreignis(FL_OBJECT* liste, int, FL_Coord, FL_Coord, int, void*) {
    const FL_OBJECT* text = liste->child;
    if (text && (text->returned & AUSWAHL))
        if (auto it = Rueckrufe().find(liste); it != Rueckrufe().end()) it->second.Offen = true;
    return 0;
}

void Weiterleiten(FL_OBJECT* liste, long) {
    auto it = Rueckrufe().find(liste);
    if (it == Rueckrufe().end()) return;
    if (!(fl_get_object_return_state(liste) & AUSWAHL) && !it->second.Offen) return;
    it->second.Offen = false;
    // The callback may set up further lists: the entry is not used after.
    const Rueckruf r = it->second;
    r.Funktion(liste, r.Argument);
}

}  // namespace

void ListenRueckrufSetzen(FL_OBJECT* liste, FL_CALLBACKPTR rueckruf, long argument) {
    Rueckrufe()[liste] = Rueckruf{rueckruf, argument, false};
    // The callback first: setting it may reset what the browser reports.
    fl_set_object_callback(liste, Weiterleiten, 0);
    fl_set_object_return(liste, FL_RETURN_SELECTION | FL_RETURN_DESELECTION | FL_RETURN_END);
    fl_set_object_posthandler(liste, NachEreignis);
}
