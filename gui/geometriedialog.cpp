// The bar geometry dialog "Stab", the point dialog "Punkt erzeugen" and the
// dialog "System verschieben".  Each form is created on first use and then
// only shown and hidden; the callbacks read the inputs afresh every time.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "core/datenmodell.h"
#include "core/kette.h"
#include "core/latin1.h"
#include "core/programm.h"
#include "core/stabgeometrie.h"
#include "core/systemoperationen.h"
#include "gui/auffrischung.h"
#include "gui/bearbeiten.h"
#include "gui/geometrie.h"
#include "gui/rueckgaengig.h"
#include "gui/systeme.h"
#include "gui/werkzeugfenster.h"
#include "gui/xforms.h"
#include "gui/zeichenflaeche.h"
#include "workspace/bearbeitung.h"
#include "workspace/menues.h"

namespace {

double Reell(FL_OBJECT* ob) { return std::atof(fl_get_input(ob)); }
long Ganz(FL_OBJECT* ob) { return std::atol(fl_get_input(ob)); }

// ------------------------------------------------------------ "Stab"

struct Endspalte {
    FL_OBJECT* Neu;
    FL_OBJECT* Nummer;
    FL_OBJECT* X;
    FL_OBJECT* Y;
};

struct {
    FL_FORM* Form = nullptr;
    FL_OBJECT* Stabnummer = nullptr;
    Endspalte Ende[2] = {};
    FL_OBJECT* Winkel = nullptr;
    FL_OBJECT* Laenge = nullptr;
    long StabNr = -1;  // number of the bar shown; looked up at every callback
    long SystemNr = -1;  // and its System, which may have been closed meanwhile
} geo;

Stab* GezeigterStab() {
    System* sys = Aktuell();
    return sys && sys->Systemnummer == geo.SystemNr ? StabSuchen(*Aktuell(), geo.StabNr) : nullptr;
}

void SpalteZeigen(int ende, const Punkt* p) {
    Endspalte& s = geo.Ende[ende];
    if (!p) return;
    fl_set_input_f(s.Nummer, "%ld", p->Nummer);
    fl_set_input_f(s.X, "%.3f", p->X);
    fl_set_input_f(s.Y, "%.3f", p->Y);
}

void WinkelUndLaengeZeigen(const Stab* s) {
    char text[64];
    std::snprintf(text, sizeof text, "%.4f", s->Winkel);
    fl_set_object_label(geo.Winkel, text);
    std::snprintf(text, sizeof text, "%.4f", s->Laenge);
    fl_set_object_label(geo.Laenge, text);
}

void GeometrieVerbergen() {
    if (System* sys = Aktuell())
        for (Stab* s : Elemente<Stab>(sys->Staebe)) StabGeometrie(s);
    fl_hide_form(geo.Form);
    XFlush(fl_get_display());
    NeuZeichnen();
}

void NummerCB(FL_OBJECT*, long ende) {
    Stab* s = GezeigterStab();
    if (!s) return GeometrieVerbergen();
    Endspalte& sp = geo.Ende[ende];
    AktionBenennen("Endpunkt ändern"_l1);
    Punkt* p = EndpunktNummerGeaendert(*Aktuell(), s, static_cast<int>(ende), Ganz(sp.Nummer), Reell(sp.X), Reell(sp.Y));
    // A refused number shows the end's point again.
    SpalteZeigen(static_cast<int>(ende), p ? p : (ende == 0 ? s->PunktA : s->PunktB));
    WinkelUndLaengeZeigen(s);
    NeuZeichnen();
}

void NeuCB(FL_OBJECT*, long ende) {
    Stab* s = GezeigterStab();
    if (!s) return GeometrieVerbergen();
    AktionBenennen("neuer Endpunkt");
    SpalteZeigen(static_cast<int>(ende), EndpunktNeu(*Aktuell(), s, static_cast<int>(ende)));
    WinkelUndLaengeZeigen(s);
    NeuZeichnen();
}

void SchliessenCB(FL_OBJECT*, long) {
    if (Stab* s = GezeigterStab()) {
        const Endspalte& a = geo.Ende[0];
        const Endspalte& b = geo.Ende[1];
        AktionBenennen("Geometrie / Topologie");
        GeometrieUebernehmen(*Aktuell(), s, Ganz(a.Nummer), Reell(a.X), Reell(a.Y), Ganz(b.Nummer), Reell(b.X), Reell(b.Y));
    }
    GeometrieVerbergen();
}

void AbbruchCB(FL_OBJECT*, long) { GeometrieVerbergen(); }

void Spalte(int ende, int x, const char* titel) {
    Endspalte& s = geo.Ende[ende];
    FL_OBJECT* ob = fl_add_text(FL_NORMAL_TEXT, x, 110, 200, 30, titel);
    fl_set_object_lalign(ob, FL_ALIGN_CENTER);
    fl_set_object_lstyle(ob, FL_BOLD_STYLE);
    fl_set_object_lsize(ob, FL_MEDIUM_SIZE);  // as big as the labels around it
    s.Neu = fl_add_button(FL_NORMAL_BUTTON, x + 50, 150, 100, 30, "neu");
    fl_set_object_callback(s.Neu, NeuCB, ende);
    s.Nummer = fl_add_input(FL_INT_INPUT, x + 80, 210, 120, 30, "Punkt Nr.");
    fl_set_object_callback(s.Nummer, NummerCB, ende);
    s.X = fl_add_input(FL_FLOAT_INPUT, x + 80, 260, 120, 30, "X");
    s.Y = fl_add_input(FL_FLOAT_INPUT, x + 80, 300, 120, 30, "Y");
    fl_add_text(FL_NORMAL_TEXT, x + 200, 260, 40, 30, "[m]");
    fl_add_text(FL_NORMAL_TEXT, x + 200, 300, 40, 30, "[m]");
}

void GeometrieformErzeugen() {
    if (geo.Form) return;
    geo.Form = fl_bgn_form(FL_UP_BOX, 560, 580);
    FL_OBJECT* ob = fl_add_text(FL_NORMAL_TEXT, 20, 20, 520, 40, "Geometrie / Topologie ");
    fl_set_object_lalign(ob, FL_ALIGN_CENTER);
    fl_set_object_lsize(ob, FL_LARGE_SIZE);
    fl_add_text(FL_NORMAL_TEXT, 150, 70, 120, 30, "Stabnummer");
    geo.Stabnummer = fl_add_text(FL_NORMAL_TEXT, 280, 70, 120, 30, "");
    fl_set_object_boxtype(geo.Stabnummer, FL_DOWN_BOX);
    Spalte(0, 20, "von");
    Spalte(1, 290, "nach");
    fl_add_text(FL_NORMAL_TEXT, 100, 370, 100, 30, "Winkel");
    geo.Winkel = fl_add_text(FL_NORMAL_TEXT, 210, 370, 140, 30, "");
    fl_set_object_boxtype(geo.Winkel, FL_DOWN_BOX);
    fl_add_text(FL_NORMAL_TEXT, 360, 370, 60, 30, "[rad]");
    fl_add_text(FL_NORMAL_TEXT, 100, 420, 100, 30, "Länge"_l1);
    geo.Laenge = fl_add_text(FL_NORMAL_TEXT, 210, 420, 140, 30, "");
    fl_set_object_boxtype(geo.Laenge, FL_DOWN_BOX);
    fl_add_text(FL_NORMAL_TEXT, 360, 420, 60, 30, "[m]");
    ob = fl_add_button(FL_NORMAL_BUTTON, 110, 510, 140, 40, "Abbruch");
    fl_set_object_callback(ob, AbbruchCB, 0);
    ob = fl_add_button(FL_NORMAL_BUTTON, 310, 510, 140, 40, "Schließen"_l1);
    fl_set_object_callback(ob, SchliessenCB, 0);
    fl_end_form();
    FensterSchliessenEinrichten(geo.Form, Schliessart::Dialog);
    RueckgaengigTastenEinrichten(geo.Form);
}

// ------------------------------------------------------------ "Punkt erzeugen"

struct {
    FL_FORM* Form = nullptr;
    FL_OBJECT* Nummer = nullptr;
    FL_OBJECT* X = nullptr;
    FL_OBJECT* Y = nullptr;
    long Gewaehlt = -1;  // number of the chosen point, -1 = none
} pkt;

bool RelativMarke(const char* text) { return std::strchr(text, 'r') || std::strchr(text, '@'); }

void PunktNummerCB(FL_OBJECT* ob, long) {
    const char* text = fl_get_input(ob);
    if (RelativMarke(text)) return;
    pkt.Gewaehlt = -1;
    System* sys = Aktuell();
    Punkt* p = sys && *text ? PunktSuchen(sys->Punkte, std::atol(text)) : nullptr;
    if (!p) return;
    pkt.Gewaehlt = p->Nummer;
    fl_set_input_f(pkt.X, "%.3f", p->X);
    fl_set_input_f(pkt.Y, "%.3f", p->Y);
}

void PunktdialogVerbergen() {
    pkt.Gewaehlt = -1;
    fl_hide_form(pkt.Form);
    NeuZeichnen();
}

void PunktErzeugenCB(FL_OBJECT*, long) {
    System* sys = Aktuell();
    Punkt* p = sys && pkt.Gewaehlt >= 0 ? PunktSuchen(sys->Punkte, pkt.Gewaehlt) : nullptr;
    double x = Reell(pkt.X), y = Reell(pkt.Y);
    const Punkt* erster = GueltigerErsterPunkt(sys);
    AktionBenennen("Stab erzeugen");
    if (!p && Programm.Modus == 3 && RelativMarke(fl_get_input(pkt.Nummer)) && erster) {
        x += erster->X;
        y += erster->Y;
    }
    if (sys && Programm.Modus == 2)
        ErsterPunkt(*sys, x, y, p);
    else if (sys && Programm.Modus == 3)
        StabFertigstellen(*sys, x, y, p);
    PunktdialogVerbergen();
}

void AbbrechenCB(FL_OBJECT*, long) { PunktdialogVerbergen(); }

void PunktformErzeugen() {
    if (pkt.Form) return;
    pkt.Form = fl_bgn_form(FL_UP_BOX, 370, 110);
    pkt.Nummer = fl_add_input(FL_NORMAL_INPUT, 90, 10, 70, 30, "Punkt Nr.");
    fl_set_object_callback(pkt.Nummer, PunktNummerCB, 0);
    fl_set_input_return(pkt.Nummer, FL_RETURN_CHANGED);
    pkt.X = fl_add_input(FL_FLOAT_INPUT, 190, 10, 70, 30, "X");
    pkt.Y = fl_add_input(FL_FLOAT_INPUT, 290, 10, 70, 30, "Y");
    FL_OBJECT* ob = fl_add_button(FL_RETURN_BUTTON, 40, 60, 140, 35, "Punkt erzeugen");
    fl_set_object_callback(ob, PunktErzeugenCB, 0);
    ob = fl_add_button(FL_NORMAL_BUTTON, 200, 60, 140, 35, "Abbrechen");
    fl_set_object_callback(ob, AbbrechenCB, 0);
    fl_end_form();
    FensterSchliessenEinrichten(pkt.Form, Schliessart::Dialog);
    RueckgaengigTastenEinrichten(pkt.Form);
}

// ------------------------------------------------------------ "System verschieben"

struct {
    FL_FORM* Form = nullptr;
    FL_OBJECT* X = nullptr;
    FL_OBJECT* Y = nullptr;
} vers;

void VerschiebenCB(FL_OBJECT*, long) {
    AktionBenennen("System verschieben");
    SystemVerschieben(Aktuell(), Reell(vers.X), Reell(vers.Y));
    NeuZeichnen();
}

void VerschiebenSchliessenCB(FL_OBJECT*, long) {
    fl_hide_form(vers.Form);
    NeuZeichnen();
}

void VerschiebeformErzeugen() {
    if (vers.Form) return;
    vers.Form = fl_bgn_form(FL_UP_BOX, 250, 110);
    vers.X = fl_add_input(FL_FLOAT_INPUT, 50, 10, 70, 30, "  X  ");
    vers.Y = fl_add_input(FL_FLOAT_INPUT, 170, 10, 70, 30, "  Y  ");
    FL_OBJECT* ob = fl_add_button(FL_RETURN_BUTTON, 15, 60, 100, 35, "OK");
    fl_set_object_callback(ob, VerschiebenCB, 0);
    ob = fl_add_button(FL_NORMAL_BUTTON, 135, 60, 100, 35, "Schließen"_l1);
    fl_set_object_callback(ob, VerschiebenSchliessenCB, 0);
    fl_end_form();
    FensterSchliessenEinrichten(vers.Form, Schliessart::Dialog);
    RueckgaengigTastenEinrichten(vers.Form);
}

}  // namespace

bool GeometriedialogOeffnen(Stab* stab) {
    if (!Aktuell() || !stab || !stab->PunktA || !stab->PunktB) return false;
    GeometrieformErzeugen();
    geo.StabNr = stab->Nummer;
    geo.SystemNr = Aktuell()->Systemnummer;
    char text[32];
    std::snprintf(text, sizeof text, "%ld", stab->Nummer);
    fl_set_object_label(geo.Stabnummer, text);
    SpalteZeigen(0, stab->PunktA);
    SpalteZeigen(1, stab->PunktB);
    WinkelUndLaengeZeigen(stab);
    if (!geo.Form->visible) FormZeigen(geo.Form, FL_PLACE_CENTER, FL_TRANSIENT, "Stab");
    return true;
}

void GeometriedialogSchliessen(const System& system) {
    if (!geo.Form || !geo.Form->visible || geo.SystemNr != system.Systemnummer) return;
    // Nothing is taken over: the bar is gone with its System.
    fl_hide_form(geo.Form);
    geo.SystemNr = -1;
    geo.StabNr = -1;
}

bool StabteilungAusfuehren(int wert) {
    if (wert < menue::Teilen2 || wert > menue::Teilen4 || !Aktuell()) return false;
    AktionBenennen("Stab teilen");
    MarkierteStaebeTeilen(*Aktuell(), 2 + wert - menue::Teilen2);
    NeuZeichnen();
    return true;
}

void PunktdialogZeigen() {
    PunktformErzeugen();
    if (!pkt.Form->visible) FormZeigen(pkt.Form, FL_PLACE_CENTER, FL_TRANSIENT, "Punkt erzeugen");
    XWarpPointer(fl_get_display(), None, pkt.Form->window, 0, 0, 0, 0, 10, 10);
}

bool VerschiebedialogZeigen() {
    if (!Aktuell()) return false;
    VerschiebeformErzeugen();
    if (!vers.Form->visible) FormZeigen(vers.Form, FL_PLACE_CENTER, FL_TRANSIENT, "System verschieben");
    return true;
}

void GeometriedialogAuffrischen() {
    if (!geo.Form || !geo.Form->visible) return;
    const Stab* s = GezeigterStab();
    if (!s || !s->PunktA || !s->PunktB) {
        fl_hide_form(geo.Form);
        return;
    }
    SpalteZeigen(0, s->PunktA);
    SpalteZeigen(1, s->PunktB);
    WinkelUndLaengeZeigen(s);
}
