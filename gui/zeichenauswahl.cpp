// The drawing selection (one check button per layer) and the drawing
// settings (reference fibres, origin, grid, snap, axes, colours).
#include "core/datenmodell.h"
#include "core/aenderungen.h"
#include "core/latin1.h"
#include "core/programm.h"
#include "gui/auffrischung.h"
#include "gui/hauptfenster.h"
#include "gui/systeme.h"
#include "gui/werkzeugfenster.h"
#include "gui/werkzeugfenster_intern.h"
#include "gui/zeichenflaeche.h"
#include "workspace/rasterwerte.h"
#include "workspace/zeichnen.h"

Zeichenauswahlformular Zeichenauswahl;
Einstellungsformular Zeicheneinstellungen;

namespace {

Schalterknopf auswahlknoepfe[] = {
    {"System", 20, true, &Zeichenschalter::System, nullptr},
    {"Verschiebung", 50, false, &Zeichenschalter::Verschiebung, nullptr},
    {"V beschriften", 80, false, &Zeichenschalter::VBeschriften, nullptr},
    {"Moment", 120, false, &Zeichenschalter::Moment, nullptr},
    {"Querkraft", 150, false, &Zeichenschalter::Querkraft, nullptr},
    {"Normalkraft", 180, false, &Zeichenschalter::Normalkraft, nullptr},
    {"SK beschriften", 210, false, &Zeichenschalter::SKBeschriften, nullptr},
    // The envelope of all combinations instead of single results, for the
    // forces switched on above.
    {"Umhüllende"_l1, 240, false, &Zeichenschalter::Umhuellende, nullptr},
    {"Lager", 280, true, &Zeichenschalter::Lager, nullptr},
    {"Lagergrößen"_l1, 310, false, &Zeichenschalter::Lagergroessen, nullptr},
    {"Punktlasten", 350, true, &Zeichenschalter::Punktlasten, nullptr},
    {"PL Beschriftung", 380, false, &Zeichenschalter::PLBeschriftung, nullptr},
    {"Streckenlasten", 420, true, &Zeichenschalter::Streckenlasten, nullptr},
    {"SL Beschriftung", 450, false, &Zeichenschalter::SLBeschriftung, nullptr},
    {"Punkte", 490, true, &Zeichenschalter::Punkte, nullptr},
    {"Punktnummern", 520, false, &Zeichenschalter::Punktnummern, nullptr},
    {"Stabnummern", 550, false, &Zeichenschalter::Stabnummern, nullptr},
    {"Freiheitsgrade", 580, false, &Zeichenschalter::Freiheitsgrade, nullptr},
};

void NeuZeichnenCB(FL_OBJECT*, long) { NeuZeichnen(); }

void AuswahlSchliessenCB(FL_OBJECT* ob, long) {
    FensterknopfLoesen(KNOPF_ZEICHNEN);
    fl_hide_form(ob->form);
    NeuZeichnen();
}

void EinstellungenSchliessenCB(FL_OBJECT* ob, long) {
    FensterknopfLoesen(KNOPF_EINSTELLUNGEN);
    fl_hide_form(ob->form);
    NeuZeichnen();
}

void FangCB(FL_OBJECT* ob, long) {
    System* sys = Aktuell();
    int modus = FangmodusAusAuswahl(fl_get_choice(ob));
    if (!sys || modus < 0) return;
    sys->Fangmodus = modus;
    AenderungMelden(sys, AENDERUNG_RASTER);
    SystemdialogeErgaenzen();
}

void FarbenCB(FL_OBJECT*, long) { FarbdialogZeigen(); }

FL_OBJECT* Pruefknopf(int x, int y, const char* text, FL_CALLBACKPTR cb, int breite = 140) {
    FL_OBJECT* ob = fl_add_checkbutton(FL_PUSH_BUTTON, x, y, breite, 30, text);
    fl_set_object_callback(ob, cb, 0);
    return ob;
}

}  // namespace

void ZeichenauswahlErzeugen() {
    Zeichenauswahl.Form = fl_bgn_form(FL_UP_BOX, 180, 670);
    for (Schalterknopf& k : auswahlknoepfe) k.Knopf = Pruefknopf(20, k.Y, k.Beschriftung, NeuZeichnenCB);
    FL_OBJECT* ob = fl_add_button(FL_NORMAL_BUTTON, 20, 630, 140, 30, "Schließen"_l1);
    fl_set_object_callback(ob, AuswahlSchliessenCB, 0);
    fl_end_form();
    FensterSchliessenEinrichten(Zeichenauswahl.Form, Schliessart::Werkzeug, KNOPF_ZEICHNEN);
}

void ZeicheneinstellungenErzeugen() {
    Einstellungsformular& e = Zeicheneinstellungen;
    e.Form = fl_bgn_form(FL_UP_BOX, 220, 410);
    e.Bezugsfaser = Pruefknopf(20, 20, "Bezugsfaser", NeuZeichnenCB, 180);
    e.Ursprung = Pruefknopf(20, 60, "Ursprung", NeuZeichnenCB, 180);
    e.RasterAnzeigen = Pruefknopf(21, 100, "Raster anzeigen", RasterAnzeigenCB, 180);
    e.Fang = fl_add_choice(FL_NORMAL_CHOICE, 20, 140, 180, 30, "");
    fl_addto_choice(e.Fang, "kein Fang|Koord.-Fang|Punkt-Fang|Koord./Punkt-Fang");
    fl_set_choice(e.Fang, 4);
    fl_set_object_callback(e.Fang, FangCB, 0);
    e.Achsenbeschriftung = Pruefknopf(20, 210, "Achsenbeschriftung", NeuZeichnenCB, 180);
    e.AchsenHervorheben = Pruefknopf(20, 240, "Achsen hervorheben", NeuZeichnenCB, 180);
    FL_OBJECT* ob = fl_add_button(FL_NORMAL_BUTTON, 21, 290, 180, 30, "Farben");
    fl_set_object_callback(ob, FarbenCB, 0);
    ob = fl_add_button(FL_NORMAL_BUTTON, 21, 360, 180, 30, "Schließen"_l1);
    fl_set_object_callback(ob, EinstellungenSchliessenCB, 0);
    fl_end_form();
    FensterSchliessenEinrichten(e.Form, Schliessart::Werkzeug, KNOPF_EINSTELLUNGEN);
}

void ZeichenauswahlAnfangszustand() {
    for (Schalterknopf& k : auswahlknoepfe)
        if (k.Knopf) fl_set_button(k.Knopf, k.Anfangs ? 1 : 0);
    Einstellungsformular& e = Zeicheneinstellungen;
    if (!e.Form) return;
    fl_set_button(e.Bezugsfaser, 1);
    fl_set_button(e.Ursprung, 0);
    fl_set_button(e.RasterAnzeigen, 1);
    fl_set_button(e.Achsenbeschriftung, 1);
    fl_set_button(e.AchsenHervorheben, 0);
    ZeichenschalterLesen();
}

void ZeichenschalterLesen() {
    for (Schalterknopf& k : auswahlknoepfe)
        if (k.Knopf) Schalter.*k.Schalter = fl_get_button(k.Knopf) != 0;
    Einstellungsformular& e = Zeicheneinstellungen;
    if (e.Form) {
        Schalter.Bezugsfaser = fl_get_button(e.Bezugsfaser) != 0;
        Schalter.Ursprung = fl_get_button(e.Ursprung) != 0;
        Schalter.Achsenbeschriftung = fl_get_button(e.Achsenbeschriftung) != 0;
        Schalter.AchsenHervorheben = fl_get_button(e.AchsenHervorheben) != 0;
    }
    Schalter.FgAnBiegesteifenVerbindungen = FgAnBiegesteifenVerbindungen();
}
