// Notices, questions, a line of input and the file selector (see
// rueckfragen.h).
#include "gui/rueckfragen.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "core/latin1.h"
#include "gui/geometrie.h"

namespace {

constexpr int RAND = 20;     // around the contents
constexpr int ABSTAND = 15;  // between buttons

struct Masse {
    int B = 0, H = 0;
};

Masse Textmasse(const char* text) {
    Masse m;
    if (text && *text)
        fl_get_string_dimension(FL_NORMAL_STYLE, FL_NORMAL_SIZE, text, static_cast<int>(std::strlen(text)), &m.B,
                                &m.H);
    return m;
}

// A box laid out for its question: the text on top, an input below it when
// asked, the buttons in a row centred under both.  Every size follows from
// the texts, so each question gets a form of its own; the one of the
// question before is freed then (it is long hidden by that time).
struct Rueckfrage {
    FL_FORM* Form = nullptr;
    FL_OBJECT* Eingabe = nullptr;
    FL_OBJECT* Knoepfe[3] = {};
    int Anzahl = 0;
    bool Geschlossen = false;
};

// Closing the window through the window manager answers as the last button.
int Schliessen(FL_FORM*, void* frage) {
    static_cast<Rueckfrage*>(frage)->Geschlossen = true;
    return FL_IGNORE;
}

void Bauen(Rueckfrage& r, bool mitEingabe, const char* text, const char* const* antworten, int anzahl, int standard,
           int abbruch) {
    if (r.Form) fl_free_form(r.Form);
    r = Rueckfrage{};
    r.Anzahl = anzahl;
    const Masse t = Textmasse(text);
    int knopfB = 110, knopfH = 30;
    for (int i = 0; i < anzahl; ++i) {
        const Masse k = Textmasse(antworten[i]);
        knopfB = std::max(knopfB, k.B + 30);
        knopfH = std::max(knopfH, k.H + 14);
    }
    const int reihe = anzahl * knopfB + (anzahl - 1) * ABSTAND;
    const int innen = std::max({t.B + 20, reihe, mitEingabe ? 340 : 260});
    const int textH = t.H + 12;
    const int eingabeY = RAND + textH + 10;
    const int knopfY = eingabeY + (mitEingabe ? 30 + 20 : 0);
    r.Form = fl_bgn_form(FL_UP_BOX, innen + 2 * RAND, knopfY + knopfH + RAND);
    FL_OBJECT* ob = fl_add_text(FL_NORMAL_TEXT, RAND, RAND, innen, textH, text ? text : "");
    fl_set_object_lsize(ob, FL_NORMAL_SIZE);
    fl_set_object_lalign(ob, (mitEingabe ? FL_ALIGN_LEFT : FL_ALIGN_CENTER) | FL_ALIGN_INSIDE);
    if (mitEingabe) {
        r.Eingabe = fl_add_input(FL_NORMAL_INPUT, RAND, eingabeY, innen, 30, "");
        // Return belongs to the "OK" button, leaving the input answers nothing.
        fl_set_input_return(r.Eingabe, FL_RETURN_NONE);
    }
    int x = RAND + (innen - reihe) / 2;
    for (int i = 0; i < anzahl; ++i) {
        r.Knoepfe[i] = fl_add_button(FL_NORMAL_BUTTON, x, knopfY, knopfB, knopfH, antworten[i]);
        fl_set_object_lsize(r.Knoepfe[i], FL_NORMAL_SIZE);
        if (i + 1 == standard) fl_set_object_shortcut(r.Knoepfe[i], "^M", 1);
        else if (i + 1 == abbruch) fl_set_object_shortcut(r.Knoepfe[i], "^[", 1);
        x += knopfB + ABSTAND;
    }
    fl_end_form();
    fl_set_form_atclose(r.Form, Schliessen, &r);
}

// Shows the box centred on the main window with every other window
// inactive, and waits for one of its buttons; returns its number (1 ...),
// the last one when the window was closed.
int Warten(Rueckfrage& r, const char* titel) {
    fl_deactivate_all_forms();
    FormZeigen(r.Form, FL_PLACE_CENTER, FL_TRANSIENT, titel);
    while (!fl_form_is_activated(r.Form)) fl_activate_form(r.Form);
    if (r.Eingabe) fl_set_focus_object(r.Form, r.Eingabe);
    int antwort = 0;
    while (!antwort) {
        FL_OBJECT* ob = fl_do_only_forms();
        for (int i = 0; i < r.Anzahl; ++i)
            if (ob == r.Knoepfe[i]) antwort = i + 1;
        if (r.Geschlossen) antwort = r.Anzahl;
    }
    fl_hide_form(r.Form);
    fl_activate_all_forms();
    return antwort;
}

Rueckfrage hinweis, auswahl, eingabe;

// --- the file selector

void OrdnerCB(FL_OBJECT*, long) {
    if (const char* neu = Texteingabe("Verzeichnis :", fl_get_directory())) fl_set_directory(neu);
}

void MusterCB(FL_OBJECT*, long) {
    if (const char* neu = Texteingabe("Muster :", fl_get_pattern())) fl_set_pattern(neu);
}

}  // namespace

void Hinweisfenster(const char* zeile1, const char* zeile2) {
    std::string text = zeile1 ? zeile1 : "";
    if (zeile2 && *zeile2) text += std::string(text.empty() ? "" : "\n") + zeile2;
    const char* const ok[] = {"OK"};
    Bauen(hinweis, false, text.c_str(), ok, 1, 1, 0);
    Warten(hinweis, "Hinweis");
}

int Auswahlfrage(const char* frage, int anzahl, const char* antwort1, const char* antwort2, const char* antwort3,
                 int standard) {
    const char* const antworten[] = {antwort1 ? antwort1 : "", antwort2 ? antwort2 : "", antwort3 ? antwort3 : ""};
    anzahl = std::clamp(anzahl, 1, 3);
    Bauen(auswahl, false, frage, antworten, anzahl, standard, anzahl);
    return Warten(auswahl, "Auswahl");
}

const char* Texteingabe(const char* frage, const char* vorgabe) {
    static std::string ergebnis;
    const char* const knoepfe[] = {"OK", "Abbrechen"};
    Bauen(eingabe, true, frage, knoepfe, 2, 1, 2);
    fl_set_input(eingabe.Eingabe, vorgabe ? vorgabe : "");
    const int antwort = Warten(eingabe, "Eingabe");
    ergebnis = fl_get_input(eingabe.Eingabe);
    return antwort == 1 ? ergebnis.c_str() : nullptr;
}

FL_FORM* DateiauswahlForm() {
    FD_FSELECTOR* fs = fl_get_fselector_fdstruct();
    if (!fs || !fs->fselect) return nullptr;
    fl_set_object_label(fs->dirlabel, "Ordner");
    fl_set_object_label(fs->patlabel, "Muster");
    fl_set_object_label(fs->resbutt, "Neu lesen");
    fl_set_object_label(fs->cancel, "Abbrechen");
    fl_set_object_label(fs->ready, "OK");
    static bool erhoeht = false;
    if (!erhoeht) {
        // The line over the file name is lower than its font (descenders
        // would be cut); there is room above it.
        erhoeht = true;
        fl_set_object_geometry(fs->prompt, fs->prompt->x, fs->prompt->y - 4, fs->prompt->w, fs->prompt->h + 4);
    }
    // The toolkit asks for a new directory or pattern in English.
    fl_set_object_callback(fs->dirbutt, OrdnerCB, 0);
    fl_set_object_callback(fs->patbutt, MusterCB, 0);
    return fs->fselect;
}

const char* DateiWaehlen(const char* verzeichnis, const char* muster) {
    FL_FORM* form = DateiauswahlForm();
    if (form) {
        int x = 0, y = 0;
        FormMitteFinden(form->w, form->h, x, y);
        fl_set_form_position(form, x, y);
        fl_set_fselector_placement(FL_PLACE_POSITION);
    }
    return fl_show_fselector("Datei Name", verzeichnis, muster, "");
}
