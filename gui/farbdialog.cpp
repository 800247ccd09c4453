// The colour dialog "Farben": one button and colour box per colour role,
// loading and saving colour files.  Every change redraws the canvas.
#include <string>

#include "core/datenmodell.h"
#include "core/latin1.h"
#include "files/farben.h"
#include "files/pfade.h"
#include "gui/auffrischung.h"
#include "gui/geometrie.h"
#include "gui/werkzeugfenster.h"
#include "gui/werkzeugfenster_intern.h"
#include "gui/zeichenflaeche.h"

namespace {

FL_FORM* farbform = nullptr;
FL_OBJECT* farbkaesten[FARBEN_ANZAHL] = {};

void KaestenSetzen() {
    for (int i = 0; i < FARBEN_ANZAHL; ++i)
        if (farbkaesten[i]) fl_set_object_color(farbkaesten[i], static_cast<FL_COLOR>(Farben.Index[i]), FL_COL1);
}

void FarbknopfCB(FL_OBJECT*, long rolle) {
    FL_COLOR neu = fl_show_colormap(static_cast<FL_COLOR>(Farben.Index[rolle]));
    FarbeSetzen(static_cast<int>(rolle), static_cast<long>(neu));
    KaestenSetzen();
    NeuZeichnen();
}

std::string FarbdateiErfragen() {
    const char* pfad = fl_show_fselector("Datei Name", Pfade.Katalogverzeichnis.c_str(), "*.col", "");
    return pfad ? pfad : "";
}

std::string Standarddatei() { return Pfade.Katalogverzeichnis + "/standard.col"; }

void SpeichernCB(FL_OBJECT*, long) {
    std::string pfad = FarbdateiErfragen();
    if (!pfad.empty()) FarbenSchreiben(pfad.c_str());
}

void LadenCB(FL_OBJECT*, long) {
    std::string pfad = FarbdateiErfragen();
    if (pfad.empty()) return;
    FarbenLesen(pfad.c_str());
    KaestenSetzen();
    NeuZeichnen();
}

void StandardSpeichernCB(FL_OBJECT*, long) { FarbenSchreiben(Standarddatei().c_str()); }

void StandardLadenCB(FL_OBJECT*, long) {
    FarbenLesen(Standarddatei().c_str());
    KaestenSetzen();
    NeuZeichnen();
}

void SchliessenCB(FL_OBJECT* ob, long) {
    fl_hide_form(ob->form);
    NeuZeichnen();
}

FL_OBJECT* Knopf(int x, int y, int w, const char* text, FL_CALLBACKPTR cb, long daten = 0) {
    FL_OBJECT* ob = fl_add_button(FL_NORMAL_BUTTON, x, y, w, 30, text);
    fl_set_object_callback(ob, cb, daten);
    return ob;
}

}  // namespace

void FarbdialogErzeugen() {
    farbform = fl_bgn_form(FL_UP_BOX, 580, 530);
    for (int i = 0; i < FARBEN_ANZAHL; ++i) {
        int spalte = i / 9, zeile = i % 9;
        int x = 20 + spalte * 280, y = 20 + zeile * 40;
        Knopf(x, y, 180, FarbBeschriftung(i), FarbknopfCB, i);
        farbkaesten[i] = fl_add_box(FL_BORDER_BOX, x + 190, y, 60, 30, "");
    }
    Knopf(20, 400, 260, "Speichern", SpeichernCB);
    Knopf(300, 400, 260, "Laden", LadenCB);
    Knopf(20, 440, 260, "als Standardeinstellung speichern", StandardSpeichernCB);
    Knopf(300, 440, 260, "Standardeinstellung laden", StandardLadenCB);
    Knopf(230, 485, 120, "Schließen"_l1, SchliessenCB);
    fl_end_form();
    FensterSchliessenEinrichten(farbform, Schliessart::Dialog);
}

void FarbdialogZeigen() {
    KaestenSetzen();
    if (!farbform->visible) FormZeigen(farbform, FL_PLACE_CENTER, FL_TRANSIENT, "Farben");
}
