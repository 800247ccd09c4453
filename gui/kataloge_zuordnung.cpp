// The assignment dialog "Material / Querschnitt": gives catalogue entries
// to the bars it was opened for, or to every bar of the System.
#include <cstdio>
#include <string>

#include "core/datenmodell.h"
#include "core/latin1.h"
#include "core/programm.h"
#include "core/systemoperationen.h"
#include "gui/auffrischung.h"
#include "gui/geometrie.h"
#include "gui/kataloge.h"
#include "gui/kataloge_intern.h"
#include "gui/listenauswahl.h"
#include "gui/rueckgaengig.h"
#include "gui/systeme.h"
#include "gui/xforms.h"
#include "gui/zeichenflaeche.h"

namespace {

struct Zuordnungsformular {
    FL_FORM* Form = nullptr;
    FL_OBJECT* Stabnummer = nullptr;
    FL_OBJECT* Materialliste = nullptr;
    FL_OBJECT* Querschnittsliste = nullptr;
    FL_OBJECT* Materialname = nullptr;
    FL_OBJECT* EModul = nullptr;
    FL_OBJECT* Querschnittsname = nullptr;
    FL_OBJECT* Flaeche = nullptr;
    FL_OBJECT* Iz = nullptr;
} Zuordnung;

// The bars the dialog works on (by number, see Stabauswahl).
Stabauswahl Zuweisungsstaebe;

std::string Zahl(double wert) {
    char text[32];
    std::snprintf(text, sizeof text, "%.4e", wert);
    return text;
}

void MaterialZeigen(const Material* m, const char* fehlt) {
    fl_set_object_label(Zuordnung.Materialname, m ? m->Name : fehlt);
    fl_set_object_label(Zuordnung.EModul, m ? Zahl(m->EModul).c_str() : "");
}

void QuerschnittZeigen(const Querschnitt* q, const char* fehlt) {
    fl_set_object_label(Zuordnung.Querschnittsname, q ? q->Name : fehlt);
    fl_set_object_label(Zuordnung.Flaeche, q ? Zahl(q->Flaeche).c_str() : "");
    fl_set_object_label(Zuordnung.Iz, q ? Zahl(q->Traegheitsmoment).c_str() : "");
}

void MaterialListeCB(FL_OBJECT* ob, long) { MaterialZeigen(MaterialSuchen(ListenauswahlNummer(ob)), ""); }
void QuerschnittListeCB(FL_OBJECT* ob, long) { QuerschnittZeigen(QuerschnittSuchen(ListenauswahlNummer(ob)), ""); }

void StandardwerteCB(FL_OBJECT*, long) {
    MaterialZeigen(MaterialSuchen(Programm.StandardMaterial), "");
    QuerschnittZeigen(QuerschnittSuchen(Programm.StandardQuerschnitt), "");
    AktionBenennen("Standardwerte");
    MaterialZuweisen(Zuweisungsstaebe, Programm.StandardMaterial);
    QuerschnittZuweisen(Zuweisungsstaebe, Programm.StandardQuerschnitt);
    NeuZeichnen();
}

void GlobalCB(FL_OBJECT*, long material) {
    // The dialog may outlive the System it was opened for.
    if (!Aktuell()) return;
    AktionBenennen(material ? "Material global" : "Querschnitt global");
    if (material) {
        if (MaterialZuweisen(StabauswahlAlle(*Aktuell()), ListenauswahlNummer(Zuordnung.Materialliste)) < 0)
            fl_set_object_label(Zuordnung.Materialname, "Material auswaehlen !");
    } else if (QuerschnittZuweisen(StabauswahlAlle(*Aktuell()), ListenauswahlNummer(Zuordnung.Querschnittsliste)) < 0) {
        fl_set_object_label(Zuordnung.Querschnittsname, "Querschnitt auswaehlen !");
    }
    NeuZeichnen();
}

void Schliessen() {
    AktionBenennen("Material / Querschnitt");
    MaterialZuweisen(Zuweisungsstaebe, ListenauswahlNummer(Zuordnung.Materialliste));
    QuerschnittZuweisen(Zuweisungsstaebe, ListenauswahlNummer(Zuordnung.Querschnittsliste));
    fl_hide_form(Zuordnung.Form);
    Zuweisungsstaebe = Stabauswahl{};
    NeuZeichnen();
}

void SchliessenCB(FL_OBJECT*, long) { Schliessen(); }

int ZuordnungAtclose(FL_FORM*, void*) {
    Schliessen();
    return FL_IGNORE;
}

FL_OBJECT* Anzeige(int x, int y, int b) {
    FL_OBJECT* ob = fl_add_box(FL_DOWN_BOX, x, y, b, 28, "");
    fl_set_object_lalign(ob, FL_ALIGN_LEFT | FL_ALIGN_INSIDE);
    return ob;
}

void ZuordnungErzeugen() {
    if (Zuordnung.Form) return;
    Zuordnungsformular& z = Zuordnung;
    z.Form = fl_bgn_form(FL_UP_BOX, 770, 470);
    fl_add_text(FL_NORMAL_TEXT, 20, 10, 120, 30, "Stabnummer");
    z.Stabnummer = fl_add_text(FL_NORMAL_TEXT, 140, 10, 200, 30, "...");
    FL_OBJECT* ob = fl_add_button(FL_NORMAL_BUTTON, 560, 10, 190, 32, "Standardwerte setzen");
    fl_set_object_callback(ob, StandardwerteCB, 0);

    z.Materialliste = KatalogListe(20, 70, 360, 200, "Material");
    ListenRueckrufSetzen(z.Materialliste, MaterialListeCB, 0);
    z.Querschnittsliste = KatalogListe(390, 70, 360, 200, "Querschnitt");
    ListenRueckrufSetzen(z.Querschnittsliste, QuerschnittListeCB, 0);
    ob = fl_add_button(FL_NORMAL_BUTTON, 20, 275, 100, 28, "global");
    fl_set_object_callback(ob, GlobalCB, 1);
    ob = fl_add_button(FL_NORMAL_BUTTON, 390, 275, 100, 28, "global");
    fl_set_object_callback(ob, GlobalCB, 0);

    fl_add_text(FL_NORMAL_TEXT, 20, 315, 90, 28, "Name");
    z.Materialname = Anzeige(110, 315, 270);
    fl_add_text(FL_NORMAL_TEXT, 20, 350, 90, 28, "E-Modul");
    z.EModul = Anzeige(110, 350, 270);
    fl_add_text(FL_NORMAL_TEXT, 390, 315, 90, 28, "Name");
    z.Querschnittsname = Anzeige(480, 315, 270);
    fl_add_text(FL_NORMAL_TEXT, 390, 350, 90, 28, "Fläche"_l1);
    z.Flaeche = Anzeige(480, 350, 270);
    fl_add_text(FL_NORMAL_TEXT, 390, 385, 90, 28, "Iz");
    z.Iz = Anzeige(480, 385, 270);

    ob = fl_add_button(FL_NORMAL_BUTTON, 325, 425, 120, 35, "Schließen"_l1);
    fl_set_object_callback(ob, SchliessenCB, 0);
    fl_end_form();
    fl_set_form_atclose(z.Form, ZuordnungAtclose, nullptr);
    RueckgaengigTastenEinrichten(z.Form);
}

}  // namespace

void MaterialZuweisen(const Stabauswahl& staebe) {
    ZuordnungErzeugen();
    // New bars drawn while the dialog is open join the bars it serves;
    // replacing them would leave the earlier bars without an assignment.
    if (Zuordnung.Form->visible) StabauswahlVereinigen(Zuweisungsstaebe, staebe);
    else Zuweisungsstaebe = staebe;
    fl_set_object_label(Zuordnung.Stabnummer, "...");
    MaterialienEintragen(Zuordnung.Materialliste);
    QuerschnitteEintragen(Zuordnung.Querschnittsliste);
    const Stab* erster = nullptr;
    if (System* sys = Aktuell())
        for (Stab* s : Elemente<Stab>(sys->Staebe))
            if (s->Markiert == 1) {
                erster = s;
                break;
            }
    MaterialZeigen(erster ? MaterialSuchen(erster->Material) : nullptr, "kein Material !");
    QuerschnittZeigen(erster ? QuerschnittSuchen(erster->Querschnitt) : nullptr, "kein Querschnitt !");
    if (!Zuordnung.Form->visible)
        FormZeigen(Zuordnung.Form, FL_PLACE_CENTER, FL_TRANSIENT, "Material / Querschnitt");
    else fl_raise_form(Zuordnung.Form);
}

void ZuordnungSchliessen(const System& system) {
    if (!Zuordnung.Form || !Zuordnung.Form->visible || Zuweisungsstaebe.Systemnummer != system.Systemnummer) return;
    // Closing assigns the chosen entries to the bars: not to bars that are gone.
    fl_hide_form(Zuordnung.Form);
    Zuweisungsstaebe = Stabauswahl{};
}

void ZuordnungsdialogOeffnen(Stab* stab) {
    Stabauswahl a;
    if (Aktuell()) StabauswahlErgaenzen(a, *Aktuell(), stab);
    MaterialZuweisen(a);
}
