// The icon bar, the hooks of the main window for the tool windows, the
// close handler of all forms and the cursor of the canvas.
#include "gui/werkzeugfenster.h"

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "analysis/berechnung.h"
#include "analysis/theorie2ordnung.h"
#include "core/bericht.h"
#include "core/datenmodell.h"
#include "core/latin1.h"
#include "core/programm.h"
#include "files/farben.h"
#include "files/pfade.h"
#include "files/systemdatei.h"
#include "files/uebersetzen.h"
#include "gui/auffrischung.h"
#include "gui/bearbeiten.h"
#include "gui/geometrie.h"
#include "gui/hauptfenster.h"
#include "gui/lasten.h"
#include "gui/rueckfragen.h"
#include "gui/systeme.h"
#include "gui/tooltips_x.h"
#include "gui/werkzeugfenster_intern.h"
#include "gui/xforms.h"
#include "gui/zeichenflaeche.h"
#include "workspace/ansicht.h"
#include "workspace/fensterlage.h"

Werkzeugleiste Icons;

namespace {

bool erzeugt = false;
int gespeicherterModus = 1;

struct Schliessziel {
    Schliessart Art;
    int Knopf;
};
std::map<FL_FORM*, Schliessziel>& Schliessziele() {
    static std::map<FL_FORM*, Schliessziel> ziele;
    return ziele;
}

void Flush() {
    if (Display* d = fl_get_display()) XFlush(d);
}

std::string DateiErfragen() {
    const char* pfad = DateiWaehlen(Pfade.Projektverzeichnis.c_str(), "*.sysdat");
    return pfad ? pfad : "";
}

void Tip(FL_OBJECT* ob, const char* text) {
    char puffer[256];
    std::snprintf(puffer, sizeof puffer, "%s", Uebersetzen(text));
    tooltips_set_tip(ob, puffer);
}

// ---------------------------------------------------------------- icon bar

void OeffnenCB(FL_OBJECT*, long) {
    std::string pfad = DateiErfragen();
    if (!pfad.empty()) SystemOeffnen(pfad.c_str());
}

void SichernCB(FL_OBJECT*, long) {
    if (Aktuell()) SystemSichern(Programm.Modus, Aktuell(), DateiErfragen);
}

void StabErzeugenCB(FL_OBJECT*, long) { StabErzeugenStarten(); }

void ZoomCB(FL_OBJECT* ob, long) {
    if (!Aktuell()) {
        fl_set_button(ob, 0);
        return;
    }
    if (fl_get_button(ob)) {
        // The icon only suspends the mode it was pressed in (creating a bar
        // goes on with its first point when it is released).
        gespeicherterModus = Programm.Modus == 4 ? 1 : Programm.Modus;
        ModusSetzen(4);
    } else {
        ModusSetzen(gespeicherterModus);
    }
}

void ZoomAllesCB(FL_OBJECT*, long) {
    System* sys = Aktuell();
    if (!sys) return;
    int b = 0, h = 0;
    if (!ZeichenflaecheGroesse(b, h)) return;
    if (!ZoomAlles(sys, b, h, Massstaebe, MassstabPositionierer)) {
        MeldungAusgeben("kein System !");
        return;
    }
    MassstabfensterAktualisieren();
    NeuZeichnen();
}

void VerschiebenCB(FL_OBJECT*, long) { VerschiebedialogZeigen(); }

void TheorieICB(FL_OBJECT*, long) {
    // The icon passes its choice on unchecked; without a System the run
    // has nothing to do.
    if (System* sys = Aktuell()) TheorieIOrdnungBerechnen(*sys, Programm, Meldungsliste());
    NeuZeichnen();
}

void TheorieIICB(FL_OBJECT*, long) {
    if (System* sys = Aktuell()) TheorieIIOrdnungBerechnen(*sys, Programm, Meldungsliste());
    NeuZeichnen();
}

void WerkzeugSchliessenCB(FL_OBJECT* ob, long knopf) {
    FensterknopfLoesen(static_cast<int>(knopf));
    fl_hide_form(ob->form);
    NeuZeichnen();
    Flush();
}

FL_OBJECT* Icon(int typ, int x, int y, const char* pixmap, const char* ersatz, FL_CALLBACKPTR cb) {
    FL_OBJECT* ob = fl_add_pixmapbutton(typ, x, y, 40, 40, "");
    fl_set_object_callback(ob, cb, 0);
    fl_set_object_lsize(ob, FL_TINY_SIZE);
    if (!PixmapSetzen(ob, pixmap)) fl_set_object_label(ob, ersatz);
    return ob;
}

}  // namespace

// ---------------------------------------------------------------- shared helpers

bool PixmapSetzen(FL_OBJECT* knopf, const char* datei) {
    std::string pfad = Pfade.Verwaltungsverzeichnis + "/" + datei;
    FILE* f = std::fopen(pfad.c_str(), "r");
    if (!f) return false;
    std::fclose(f);
    fl_set_pixmapbutton_file(knopf, pfad.c_str());
    return true;
}

void WerkzeugformZeigen(FL_FORM* form) {
    if (!form || form->visible) return;
    // All four bear the title "Velko"; the geometry log names them apart.
    const char* name = form == Icons.Form ? "Icons"
                       : form == Massstabfenster.Form ? "Maßstab"_l1
                       : form == Zeichenauswahl.Form ? "Zeichnen"
                       : "Zeichnen - Einstellungen";
    FormZeigen(form, FL_PLACE_GEOMETRY, FL_TRANSIENT, "Velko", name);
}

void IconleisteErzeugen() {
    Werkzeugleiste& w = Icons;
    w.Form = fl_bgn_form(FL_UP_BOX, 110, 290);
    fl_add_box(FL_FRAME_BOX, 10, 10, 90, 230, "");
    w.Oeffnen = Icon(FL_NORMAL_BUTTON, 15, 15, "Open.xpm", "Auf", OeffnenCB);
    w.Sichern = Icon(FL_NORMAL_BUTTON, 60, 15, "Save.xpm", "Sich", SichernCB);
    w.StabErzeugen = Icon(FL_NORMAL_BUTTON, 15, 60, "CAD.xpm", "Stab", StabErzeugenCB);
    w.Zoom = Icon(FL_PUSH_BUTTON, 15, 105, "magnify_3d.xpm", "Zoom", ZoomCB);
    w.ZoomAlles = Icon(FL_NORMAL_BUTTON, 60, 105, "earth_3d.xpm", "Alles", ZoomAllesCB);
    w.Verschieben = Icon(FL_NORMAL_BUTTON, 15, 150, "hand_up_3d.xpm", "Versch", VerschiebenCB);
    w.TheorieI = Icon(FL_NORMAL_BUTTON, 15, 195, "Calculator.xpm", "Th I", TheorieICB);
    w.TheorieII = Icon(FL_NORMAL_BUTTON, 60, 195, "Calculator_II.xpm", "Th II", TheorieIICB);
    w.Schliessen = fl_add_button(FL_NORMAL_BUTTON, 10, 250, 95, 30, "Schließen"_l1);
    fl_set_object_callback(w.Schliessen, WerkzeugSchliessenCB, KNOPF_ICONS);
    fl_end_form();

    Tip(w.Oeffnen, "System öffnen"_l1);
    Tip(w.Sichern, "System sichern");
    Tip(w.StabErzeugen, "Stab erzeugen");
    Tip(w.Zoom, "Ausschnitt\nvergrößern / verkleinern"_l1);
    Tip(w.ZoomAlles, "Zoom alles");
    Tip(w.Verschieben, "System verschieben");
    Tip(w.TheorieI, "System nach Th. I. Ordnung berechnen");
    Tip(w.TheorieII, "System nach Th. II. Ordnung berechnen");
    FensterSchliessenEinrichten(w.Form, Schliessart::Werkzeug, KNOPF_ICONS);
}

void WerkzeugformenErzeugen() {
    if (erzeugt) return;
    erzeugt = true;
    IconleisteErzeugen();
    MassstabfensterErzeugen();
    ZeichenauswahlErzeugen();
    ZeicheneinstellungenErzeugen();
    RasterdialogErzeugen();
    FarbdialogErzeugen();
}

void FensterknopfLoesen(int knopf) {
    if (knopf >= 1 && knopf <= 5 && Haupt.Fensterknoepfe[knopf - 1]) fl_set_button(Haupt.Fensterknoepfe[knopf - 1], 0);
}

void ZoomknopfLoesen() {
    if (Icons.Zoom) fl_set_button(Icons.Zoom, 0);
}

// ---------------------------------------------------------------- close handler

int FensterSchliessen(FL_FORM* form, void*) {
    auto it = Schliessziele().find(form);
    Schliessziel ziel = it != Schliessziele().end() ? it->second : Schliessziel{Schliessart::Dialog, 0};
    switch (ziel.Art) {
    case Schliessart::Werkzeug:
        FensterknopfLoesen(ziel.Knopf);
        fl_hide_form(form);
        NeuZeichnen();
        Flush();
        break;
    case Schliessart::Editor:
        fl_hide_form(form);
        ZeichenflaechenEreignisseEinsetzen();
        NeuZeichnen();
        break;
    case Schliessart::Dialog:
        fl_hide_form(form);
        NeuZeichnen();
        break;
    }
    return FL_IGNORE;
}

void FensterSchliessenEinrichten(FL_FORM* form, Schliessart art, int knopf) {
    if (!form) return;
    Schliessziele()[form] = Schliessziel{art, knopf};
    fl_set_form_atclose(form, FensterSchliessen, nullptr);
}

// ---------------------------------------------------------------- hooks of the main window

void TooltipsInitialisieren() { tooltips_initialize(); }

namespace {
unsigned long ToolkitPixel(long index) { return fl_get_pixel(static_cast<FL_COLOR>(index)); }
}  // namespace

void FarbenEinrichten() {
    PixelermittlungSetzen(ToolkitPixel);
    std::string pfad = Pfade.Verwaltungsverzeichnis + "/standard.col";
    if (!FarbenLesen(pfad.c_str())) FarbenVorgaben();
}

void HauptfensterEinrichten(FL_FORM*) {
    static const char* const tips[5] = {"Fenster : Icons", "Fenster : Maßstab"_l1, "Fenster : Lastfälle"_l1,
                                        "Fenster : Zeichnen", "Fenster : Zeichnen - Einstellungen"};
    for (int i = 0; i < 5; ++i)
        if (Haupt.Fensterknoepfe[i]) Tip(Haupt.Fensterknoepfe[i], tips[i]);
    WerkzeugformenErzeugen();
}

void WerkzeugfensterPlatzieren() {
    WerkzeugformenErzeugen();
    // Side by side over the left of the canvas, each where it can be seen
    // and reached when the first of them is opened.
    FL_FORM* const formen[] = {Icons.Form, Massstabfenster.Form, LastfallfensterForm(), Zeichenauswahl.Form,
                               Zeicheneinstellungen.Form};
    std::vector<Fenstermass> masse;
    for (FL_FORM* f : formen) masse.push_back({static_cast<int>(f->w), static_cast<int>(f->h)});
    const std::vector<Fensterort> orte = NebeneinanderLegen(masse, 30, RAND_OBEN + 35, 10, fl_scrw, fl_scrh);
    for (std::size_t i = 0; i < orte.size(); ++i) fl_set_form_position(formen[i], orte[i].X, orte[i].Y);
    ZeichenauswahlAnfangszustand();
    MassstabfensterAktualisieren();
}

bool WerkzeugfensterUmschalten(int knopf, bool zeigen) {
    WerkzeugformenErzeugen();
    FL_FORM* form = nullptr;
    switch (knopf) {
    case KNOPF_ICONS: form = Icons.Form; break;
    case KNOPF_MASSSTAB: form = Massstabfenster.Form; break;
    case KNOPF_LASTFAELLE: return LastfallfensterUmschalten(zeigen);
    case KNOPF_ZEICHNEN: form = Zeichenauswahl.Form; break;
    case KNOPF_EINSTELLUNGEN: form = Zeicheneinstellungen.Form; break;
    default: return false;
    }
    if (zeigen) WerkzeugformZeigen(form);
    else if (form->visible) fl_hide_form(form);
    return true;
}

namespace {
int gezeigterModus = -1;
}  // namespace

void ModusSetzen(int modus) {
    Programm.Modus = modus;
    ModusAbgleichen();
}

void ModusAbgleichen() {
    const int modus = Programm.Modus;
    if (modus == gezeigterModus) return;
    gezeigterModus = modus;
    if (modus >= 1 && modus <= 3) ZoomknopfLoesen();
    ZeichenflaecheCursor(modus);
}
