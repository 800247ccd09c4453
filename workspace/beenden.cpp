// The exit sequence without its dialogs.
#include "workspace/beenden.h"

#include <vector>

#include "core/programm.h"

bool BeendenPruefen(const Beendenablauf& ablauf) {
    if (ablauf.KatalogeSchreiben) ablauf.KatalogeSchreiben();
    // Collected first: saving may rename a System but never adds or removes
    // one, yet the walk must not depend on that.
    std::vector<System*> systeme;
    for (System* s : Elemente<System>(Programm.Systeme)) systeme.push_back(s);
    for (System* s : systeme) {
        if (s->Aenderungen == 0) continue;
        if (ablauf.Aktivieren) ablauf.Aktivieren(s);
        Beendenantwort antwort = ablauf.Fragen ? ablauf.Fragen(s) : Beendenantwort::Abbruch;
        switch (antwort) {
        case Beendenantwort::SpeichernUndBeenden:
            // A save that did not happen must not end the program: the
            // changes would be gone without the user having agreed to it.
            if (!ablauf.Sichern || !ablauf.Sichern(s)) return false;
            break;
        case Beendenantwort::Beenden:
            break;
        case Beendenantwort::Abbruch:
        default:
            return false;
        }
    }
    return true;
}

bool SchliessenPruefen(System* system, const std::function<Beendenantwort(System*)>& fragen,
                       const std::function<bool(System*)>& sichern) {
    if (!system || system->Aenderungen == 0) return true;
    switch (fragen ? fragen(system) : Beendenantwort::Abbruch) {
    case Beendenantwort::SpeichernUndBeenden: return sichern && sichern(system);
    case Beendenantwort::Beenden: return true;
    case Beendenantwort::Abbruch:
    default: return false;
    }
}
