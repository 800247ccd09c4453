// The grid and snap dialog "Rastereinstellungen" and the filling of both
// grid windows from the current System.
#include "core/datenmodell.h"
#include "core/aenderungen.h"
#include "core/latin1.h"
#include "core/programm.h"
#include "gui/auffrischung.h"
#include "gui/geometrie.h"
#include "gui/systeme.h"
#include "gui/werkzeugfenster.h"
#include "gui/werkzeugfenster_intern.h"
#include "gui/zeichenflaeche.h"
#include "workspace/rasterwerte.h"

Rasterformular Rastereinstellungen;

void RasterAnzeigenCB(FL_OBJECT* ob, long) {
    System* sys = Aktuell();
    if (!sys) {
        // Nothing to switch: the button keeps showing no grid setting.
        fl_set_button(ob, 0);
        return;
    }
    sys->RasterAnzeigen = sys->RasterAnzeigen ? 0 : 1;
    AenderungMelden(sys, AENDERUNG_RASTER);
    SystemdialogeErgaenzen();
    NeuZeichnen();
}

namespace {

// A spacing of 0 or less (or no number) is refused: the input shows the
// spacing in force again.
void AbstandCB(FL_OBJECT* ob, long welcher) {
    System* sys = Aktuell();
    if (!sys) return;
    double* ziel[4] = {&sys->RasterweiteX, &sys->RasterweiteY, &sys->FangrasterX, &sys->FangrasterY};
    double& wert = *ziel[welcher];
    if (!RasterabstandLesen(fl_get_input(ob), wert)) {
        char text[32];
        RasterabstandText(wert, text);
        fl_set_input(ob, text);
        return;
    }
    AenderungMelden(sys, AENDERUNG_RASTER);
}

void FangCB(FL_OBJECT* ob, long) {
    System* sys = Aktuell();
    int modus = FangmodusAusAuswahl(fl_get_choice(ob));
    if (!sys || modus < 0) return;
    sys->Fangmodus = modus;
    AenderungMelden(sys, AENDERUNG_RASTER);
    SystemdialogeErgaenzen();
}

void SchliessenCB(FL_OBJECT* ob, long) {
    fl_hide_form(ob->form);
    NeuZeichnen();
}

FL_OBJECT* Abstand(int x, int y, const char* text, long welcher) {
    FL_OBJECT* ob = fl_add_input(FL_FLOAT_INPUT, x, y, 120, 30, text);
    fl_set_object_callback(ob, AbstandCB, welcher);
    return ob;
}

}  // namespace

void RasterdialogErzeugen() {
    Rasterformular& r = Rastereinstellungen;
    r.Form = fl_bgn_form(FL_UP_BOX, 560, 290);
    r.RasterAnzeigen = fl_add_checkbutton(FL_PUSH_BUTTON, 30, 20, 200, 30, "    Raster anzeigen");
    fl_set_object_callback(r.RasterAnzeigen, RasterAnzeigenCB, 0);
    r.RasterweiteX = Abstand(150, 70, "X Rasterweite  ", 0);
    r.RasterweiteY = Abstand(150, 110, "Y Rasterweite  ", 1);
    r.FangrasterX = Abstand(410, 70, "X Fangraster  ", 2);
    r.FangrasterY = Abstand(410, 110, "Y Fangraster  ", 3);
    r.Fang = fl_add_choice(FL_NORMAL_CHOICE, 150, 170, 260, 30, "");
    fl_addto_choice(r.Fang, "kein Fang|Koordinaten-Fang|Punkt-Fang|Punkt-/Koordinaten-Fang");
    fl_set_choice(r.Fang, 4);
    fl_set_object_callback(r.Fang, FangCB, 0);
    FL_OBJECT* ob = fl_add_button(FL_NORMAL_BUTTON, 220, 240, 120, 35, "Schließen"_l1);
    fl_set_object_callback(ob, SchliessenCB, 0);
    fl_end_form();
    FensterSchliessenEinrichten(r.Form, Schliessart::Dialog);
}

void RasterdialogZeigen() {
    WerkzeugformenErzeugen();
    SystemdialogeErgaenzen();
    if (!Rastereinstellungen.Form->visible)
        FormZeigen(Rastereinstellungen.Form, FL_PLACE_CENTER, FL_TRANSIENT, "Rastereinstellungen");
}

void SystemdialogeErgaenzen() {
    System* sys = Aktuell();
    Rasterformular& r = Rastereinstellungen;
    if (!sys || !r.Form) return;
    int raster = sys->RasterAnzeigen ? 1 : 0;
    fl_set_button(r.RasterAnzeigen, raster);
    if (Zeicheneinstellungen.RasterAnzeigen) fl_set_button(Zeicheneinstellungen.RasterAnzeigen, raster);
    const double werte[4] = {sys->RasterweiteX, sys->RasterweiteY, sys->FangrasterX, sys->FangrasterY};
    FL_OBJECT* eingaben[4] = {r.RasterweiteX, r.RasterweiteY, r.FangrasterX, r.FangrasterY};
    for (int i = 0; i < 4; ++i) {
        char text[32];
        RasterabstandText(werte[i], text);
        fl_set_input(eingaben[i], text);
    }
    if (sys->Fangmodus >= 0 && sys->Fangmodus <= 3) {
        fl_set_choice(r.Fang, static_cast<int>(sys->Fangmodus) + 1);
        if (Zeicheneinstellungen.Fang) fl_set_choice(Zeicheneinstellungen.Fang, static_cast<int>(sys->Fangmodus) + 1);
    }
}
