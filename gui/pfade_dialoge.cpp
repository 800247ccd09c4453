// The first-run dialog (no "~/.velko" yet) and the paths dialog of the
// settings menu.  Both show the six path settings in the same inputs.
#include <cstdlib>
#include <string>

#include "core/latin1.h"
#include "files/installation.h"
#include "files/pfade.h"
#include "gui/auffrischung.h"
#include "gui/geometrie.h"
#include "gui/hauptfenster.h"
#include "gui/zeichenflaeche.h"
#include "workspace/eingabetext.h"

namespace {

struct Pfadfelder {
    FL_FORM* Form = nullptr;
    FL_OBJECT* Home = nullptr;
    FL_OBJECT* Eingaben[6] = {};
    // Values given to the inputs and their shown form (workspace/eingabetext.h):
    // a path with umlauts survives as long as its input is not edited.
    std::string Original[6];
    std::string Angezeigt[6];
};

const char* const BESCHRIFTUNGEN[6] = {
    "Velko - Verzeichnis", "Material / Querschnitte", "Velko - Projekte",
    "temporäre Dateien"_l1,   "HTML - Browser",          "Postscript - Viewer",
};

const char* const HILFETEXTE[6] = {
    "In welchem Verzeichnis ist Velko installiert? (Dies ist u.a. fuer die richtige Anzeige der Icon "
    "wichtig.)",
    "In welchem Verzeichnis stehen die Dateien\n material.dat und querschnitte.dat ?",
    "In welchem Verzeichnis werden Ihre Projekte gespeichert ?",
    "In diesem Verzeichnis legt Velko die temporären Dateien an, die zur Ausgabe gebraucht werden."_l1,
    "Mit welchem Programm können HTML-Dateien betrachtet werden ?"_l1,
    "Mit welchem Programm können PostScript-Dateien betrachtet werden ?"_l1,
};

std::string* Feld(Pfadeinstellungen& p, int i) {
    std::string* felder[6] = {&p.Programmverzeichnis, &p.Katalogverzeichnis, &p.Projektverzeichnis,
                              &p.Tempverzeichnis,     &p.HtmlBetrachter,     &p.PsBetrachter};
    return felder[i];
}

// Adds the $HOME text and the six labelled inputs from height y on.
void FelderAnlegen(Pfadfelder& f, int y) {
    f.Home = fl_add_text(FL_NORMAL_TEXT, 230, y, 360, 25, "");
    fl_set_object_boxtype(f.Home, FL_DOWN_BOX);
    FL_OBJECT* ob = fl_add_text(FL_NORMAL_TEXT, 20, y, 200, 25, "Home - Verzeichnis");
    fl_set_object_lalign(ob, FL_ALIGN_LEFT | FL_ALIGN_INSIDE);
    for (int i = 0; i < 6; ++i) {
        int yi = y + 40 + 35 * i;
        ob = fl_add_text(FL_NORMAL_TEXT, 20, yi, 200, 25, BESCHRIFTUNGEN[i]);
        fl_set_object_lalign(ob, FL_ALIGN_LEFT | FL_ALIGN_INSIDE);
        f.Eingaben[i] = fl_add_input(FL_NORMAL_INPUT, 230, yi, 360, 25, "");
        fl_set_input_maxchars(f.Eingaben[i], static_cast<int>(PFAD_EINSTELLUNG_MAX));
    }
}

void FelderFuellen(Pfadfelder& f, Pfadeinstellungen p) {
    fl_set_object_label(f.Home, HomeVerzeichnis().c_str());
    for (int i = 0; i < 6; ++i) {
        f.Original[i] = *Feld(p, i);
        f.Angezeigt[i] = Eingabeform(f.Original[i]);
        fl_set_input(f.Eingaben[i], f.Angezeigt[i].c_str());
    }
}

Pfadeinstellungen FelderLesen(const Pfadfelder& f) {
    Pfadeinstellungen p = Pfade;
    for (int i = 0; i < 6; ++i)
        *Feld(p, i) = PfadBereinigen(EingabeZurueckgewinnen(f.Original[i], f.Angezeigt[i], fl_get_input(f.Eingaben[i])));
    return p;
}

// ------------------------------------------------------------ paths dialog

Pfadfelder pfade;

void PfadeSichernCB(FL_OBJECT*, long) {
    PfadeUebernehmen(FelderLesen(pfade));
    PfadeSchreiben();
    FelderFuellen(pfade, Pfade);
}

void PfadeSchliessenCB(FL_OBJECT*, long) {
    fl_hide_form(pfade.Form);
    PfadeUebernehmen(FelderLesen(pfade));
    NeuZeichnen();
}

int PfadeAtclose(FL_FORM*, void*) {
    PfadeSchliessenCB(nullptr, 0);
    return FL_IGNORE;
}

void PfadeErzeugen() {
    pfade.Form = fl_bgn_form(FL_NO_BOX, 620, 340);
    fl_add_box(FL_UP_BOX, 0, 0, 620, 340, "");
    FelderAnlegen(pfade, 20);
    FL_OBJECT* ob = fl_add_button(FL_NORMAL_BUTTON, 20, 290, 150, 30, "Sichern");
    fl_set_object_callback(ob, PfadeSichernCB, 0);
    ob = fl_add_button(FL_NORMAL_BUTTON, 440, 290, 150, 30, "Schließen"_l1);
    fl_set_object_callback(ob, PfadeSchliessenCB, 0);
    fl_end_form();
    fl_set_form_atclose(pfade.Form, PfadeAtclose, nullptr);
}

}  // namespace

void PfadedialogZeigen() {
    if (!pfade.Form) PfadeErzeugen();
    if (pfade.Form->visible) fl_raise_form(pfade.Form);
    else FormZeigen(pfade.Form, FL_PLACE_CENTER, FL_TRANSIENT, "Pfade");
    FelderFuellen(pfade, Pfade);
}

void ErststartDialog() {
    Pfadfelder erst;
    erst.Form = fl_bgn_form(FL_NO_BOX, 620, 440);
    fl_add_box(FL_UP_BOX, 0, 0, 620, 440, "");
    FL_OBJECT* ob = fl_add_text(FL_NORMAL_TEXT, 90, 15, 500, 70,
                                "Die Datei '.velko' wurde nicht \n in Ihrem Home-Verzeichnis gefunden. \n"
                                " Sie wird mit folgenden Einstellungen angelegt.");
    fl_set_object_lsize(ob, FL_MEDIUM_SIZE);
    ob = fl_add_text(FL_NORMAL_TEXT, 20, 15, 60, 70, "!");
    fl_set_object_lsize(ob, 48);
    fl_set_object_lstyle(ob, FL_BOLD_STYLE);
    fl_set_object_lcolor(ob, FL_RED);
    fl_set_object_lalign(ob, FL_ALIGN_CENTER);
    FelderAnlegen(erst, 110);
    FL_OBJECT* abbrechen = fl_add_button(FL_NORMAL_BUTTON, 20, 390, 150, 30, "Abbrechen");
    FL_OBJECT* ok = fl_add_button(FL_RETURN_BUTTON, 440, 390, 150, 30, "OK");
    fl_end_form();
    for (int i = 0; i < 6; ++i) fl_set_object_helper(erst.Eingaben[i], HILFETEXTE[i]);

    FelderFuellen(erst, ErststartVorgaben(HomeVerzeichnis()));
    FormZeigen(erst.Form, FL_PLACE_CENTER, FL_FULLBORDER, "Pfade");
    // This dialog has no callbacks of its own: the event loop hands its
    // buttons back here.  A window-manager close counts as "Abbrechen".
    fl_set_form_atclose(erst.Form, [](FL_FORM*, void*) -> int {
        std::exit(0);
        return FL_IGNORE;
    }, nullptr);
    for (;;) {
        FL_OBJECT* gedrueckt = fl_do_forms();
        if (gedrueckt == abbrechen) std::exit(0);
        if (gedrueckt == ok) break;
    }
    Pfadeinstellungen neu = FelderLesen(erst);
    ErststartAbschliessen(neu);
    fl_hide_form(erst.Form);
    fl_free_form(erst.Form);
}
