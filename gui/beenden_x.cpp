// "Beenden": writes the catalogues, asks once per modified System and ends
// the program unless the user cancels or a save fails.
#include <cstdlib>
#include <string>

#include "core/bericht.h"
#include "core/latin1.h"
#include "core/programm.h"
#include "core/systemoperationen.h"
#include "files/kataloge.h"
#include "files/pfade.h"
#include "files/systemdatei.h"
#include "gui/auffrischung.h"
#include "gui/hauptfenster.h"
#include "gui/systeme.h"
#include "gui/zeichenflaeche.h"
#include "output/druckauftrag.h"
#include "workspace/beenden.h"

namespace {

std::string DateiErfragen() {
    const char* pfad = fl_show_fselector("Datei Name", Pfade.Projektverzeichnis.c_str(), "*.sysdat", "");
    return pfad ? pfad : "";
}

}  // namespace

bool SchliessenBestaetigen() {
    return SchliessenPruefen(
        Aktuell(),
        [](System*) {
            int antwort = fl_show_choices("Einige Änderungen wurden \n nicht gesichert !\n Wirklich schließen ?"_l1,
                                          3, "Speichern und\nschließen"_l1, "Schließen"_l1, "Abbruch", 1);
            if (antwort == 1) return Beendenantwort::SpeichernUndBeenden;
            if (antwort == 2) return Beendenantwort::Beenden;
            return Beendenantwort::Abbruch;
        },
        [](System* s) { return SystemSichern(Programm.Modus, s, DateiErfragen); });
}

void ProgrammBeenden() {
    Beendenablauf ablauf;
    ablauf.KatalogeSchreiben = [] {
        QuerschnitteSchreiben();
        MaterialienSchreiben();
    };
    ablauf.Aktivieren = [](System* s) {
        // Shown as current, so the user sees which System the question means.
        SystemAuswaehlen(s->Systemnummer);
        SystemauswahlAbgleichen();
    };
    ablauf.Fragen = [](System*) {
        int antwort = fl_show_choices("Einige Änderungen wurden \n nicht gesichert !\n Wirklich Beenden ?"_l1, 3,
                                      "Speichern und\nBeenden", "Beenden", "Abbruch", 1);
        if (antwort == 1) return Beendenantwort::SpeichernUndBeenden;
        if (antwort == 2) return Beendenantwort::Beenden;
        return Beendenantwort::Abbruch;
    };
    ablauf.Sichern = [](System* s) { return SystemSichern(Programm.Modus, s, DateiErfragen); };
    if (!BeendenPruefen(ablauf)) {
        SystemauswahlAbgleichen();
        NeuZeichnen();
        return;
    }
    KinderEinsammeln();
    // Freeing the Systems reports changes; the window must not be touched
    // any more, so messages and reports go nowhere from here on.
    static SammelBericht still;
    BerichtSetzen(&still);
    AuffrischungBeenden();
    ProgrammZuruecksetzen();
    fl_finish();
    std::exit(0);
}
