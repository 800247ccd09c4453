// The tables of the menu "Tabellen": points ("Punkte") with their
// coordinates, editable, and bars ("Stäbe") with their largest internal
// forces, whose lines mark and unmark the bars.
//
// A table belongs to the System it was filled from: its lines are that
// System's records, so its callbacks work on that System (found again by
// its number) and it closes when that System is closed.
#include "gui/tabellen.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "analysis/ergebnisse.h"
#include "core/aenderungen.h"
#include "core/datenmodell.h"
#include "core/kette.h"
#include "core/latin1.h"
#include "core/programm.h"
#include "core/systemoperationen.h"
#include "core/zahltext.h"
#include "gui/auffrischung.h"
#include "gui/geometrie.h"
#include "gui/listenauswahl.h"
#include "gui/rueckgaengig.h"
#include "gui/systeme.h"
#include "gui/werkzeugfenster.h"
#include "gui/zeichenflaeche.h"
#include "workspace/auswahl.h"
#include "workspace/bearbeitung.h"
#include "workspace/menues.h"

namespace {

// The records in the order of their numbers; the System's chains keep
// their order, which decides how new bar ends are joined.
template <class T>
std::vector<T*> NachNummer(Kette kette) {
    std::vector<T*> v;
    for (T* t : Elemente<T>(kette)) v.push_back(t);
    std::stable_sort(v.begin(), v.end(), [](const T* a, const T* b) { return a->Nummer < b->Nummer; });
    return v;
}

// ------------------------------------------------------------ points

// The System a table shows, or null once it is gone.
System* TabellenSystem(long systemnummer) { return systemnummer > 0 ? SystemMitNummer(systemnummer) : nullptr; }

struct {
    FL_FORM* Form = nullptr;
    FL_OBJECT* Liste = nullptr;
    FL_OBJECT* Nummer = nullptr;
    FL_OBJECT* X = nullptr;
    FL_OBJECT* Y = nullptr;
    long Systemnummer = 0;  // of the System shown
} pt;

void PunktlisteFuellen() {
    int oben = fl_get_browser_topline(pt.Liste);
    fl_freeze_form(pt.Form);
    fl_clear_browser(pt.Liste);
    if (System* sys = TabellenSystem(pt.Systemnummer))
        for (Punkt* p : NachNummer<Punkt>(sys->Punkte)) {
            char zeile[96];
            PunktZeile(zeile, sizeof zeile, p);
            fl_add_browser_line(pt.Liste, zeile);
        }
    if (oben > 0) fl_set_browser_topline(pt.Liste, oben);
    fl_unfreeze_form(pt.Form);
}

void KoordinatenZeigen(const Punkt* p) {
    char text[64];
    std::snprintf(text, sizeof text, "%.4f", p ? OhneMinusNull(p->X, 4) : 0.0);
    fl_set_input(pt.X, p ? text : "");
    std::snprintf(text, sizeof text, "%.4f", p ? OhneMinusNull(p->Y, 4) : 0.0);
    fl_set_input(pt.Y, p ? text : "");
}

Punkt* PunktDerNummer() {
    System* sys = TabellenSystem(pt.Systemnummer);
    long n = ZeilenNummer(fl_get_input(pt.Nummer), 4);
    return sys && n >= 0 ? PunktSuchen(sys->Punkte, n) : nullptr;
}

void PunktzeileCB(FL_OBJECT* ob, long) {
    int zeile = fl_get_browser(ob);
    if (zeile <= 0) return;
    System* sys = TabellenSystem(pt.Systemnummer);
    long n = ZeilenNummer(fl_get_browser_line(ob, zeile), 4);
    Punkt* p = sys && n >= 0 ? PunktSuchen(sys->Punkte, n) : nullptr;
    if (!p) return;
    char text[32];
    std::snprintf(text, sizeof text, "%4ld", p->Nummer);
    fl_set_input(pt.Nummer, text);
    KoordinatenZeigen(p);
}

void PunktnummerCB(FL_OBJECT*, long) { KoordinatenZeigen(PunktDerNummer()); }

void KoordinateCB(FL_OBJECT* ob, long achse) {
    Punkt* p = PunktDerNummer();
    if (!p) return;
    char aktion[64];
    std::snprintf(aktion, sizeof aktion, "Punkt %ld verschieben", p->Nummer);
    AktionBenennen(aktion);
    PunktkoordinateSetzen(*TabellenSystem(pt.Systemnummer), p, static_cast<int>(achse), std::atof(fl_get_input(ob)));
    PunktlisteFuellen();
}

void TabelleSchliessenCB(FL_OBJECT* ob, long) {
    fl_hide_form(ob->form);
    NeuZeichnen();
}

void PunkttabelleErzeugen() {
    if (pt.Form) return;
    pt.Form = fl_bgn_form(FL_UP_BOX, 370, 490);
    fl_add_text(FL_NORMAL_TEXT, 10, 10, 350, 25, "   Nr.                         X                       Y");
    pt.Liste = fl_add_browser(FL_HOLD_BROWSER, 10, 35, 350, 320, "");
    fl_set_browser_fontstyle(pt.Liste, FL_FIXED_STYLE);
    ListenRueckrufSetzen(pt.Liste, PunktzeileCB, 0);
    pt.Nummer = fl_add_input(FL_INT_INPUT, 10, 385, 80, 30, "Nr.");
    fl_set_object_lalign(pt.Nummer, FL_ALIGN_TOP);
    fl_set_object_callback(pt.Nummer, PunktnummerCB, 0);
    pt.X = fl_add_input(FL_FLOAT_INPUT, 110, 385, 115, 30, "X");
    fl_set_object_lalign(pt.X, FL_ALIGN_TOP);
    fl_set_object_callback(pt.X, KoordinateCB, 0);
    pt.Y = fl_add_input(FL_FLOAT_INPUT, 245, 385, 115, 30, "Y");
    fl_set_object_lalign(pt.Y, FL_ALIGN_TOP);
    fl_set_object_callback(pt.Y, KoordinateCB, 1);
    FL_OBJECT* ob = fl_add_button(FL_NORMAL_BUTTON, 125, 440, 120, 35, "Schließen"_l1);
    fl_set_object_callback(ob, TabelleSchliessenCB, 0);
    fl_end_form();
    FensterSchliessenEinrichten(pt.Form, Schliessart::Dialog);
    RueckgaengigTastenEinrichten(pt.Form);
}

// ------------------------------------------------------------ bars

struct {
    FL_FORM* Form = nullptr;
    FL_OBJECT* Liste = nullptr;
    FL_OBJECT* Werte[3] = {};  // M, Q, N
    long Systemnummer = 0;     // of the System shown
} st;

void StablisteFuellen() {
    const int oben = fl_get_browser_topline(st.Liste);
    fl_freeze_form(st.Form);
    fl_clear_browser(st.Liste);
    if (System* sys = TabellenSystem(st.Systemnummer)) {
        int zeile = 0;
        for (Stab* s : NachNummer<Stab>(sys->Staebe)) {
            char text[200];
            StabZeile(text, sizeof text, s);
            fl_add_browser_line(st.Liste, text);
            ++zeile;
            if (s->Markiert == 1) fl_select_browser_line(st.Liste, zeile);
        }
    }
    if (oben > 0) fl_set_browser_topline(st.Liste, oben);
    fl_unfreeze_form(st.Form);
}

void StabzeileCB(FL_OBJECT* ob, long) {
    int zeile = fl_get_browser(ob);
    if (zeile == 0) return;
    System* sys = TabellenSystem(st.Systemnummer);
    long n = ZeilenNummer(fl_get_browser_line(ob, zeile < 0 ? -zeile : zeile), 3);
    Stab* s = sys && n >= 0 ? StabSuchen(*sys, n) : nullptr;
    if (s) {
        s->Markiert = zeile > 0 ? 1 : -1;
        AenderungMelden(sys, AENDERUNG_MARKIERUNG);
    }
    NeuZeichnen();
}

void AlleCB(FL_OBJECT*, long wert) {
    System* sys = TabellenSystem(st.Systemnummer);
    if (!sys) return;
    for (Stab* s : Elemente<Stab>(sys->Staebe)) s->Markiert = wert == 2 ? -s->Markiert : wert;
    AenderungMelden(sys, AENDERUNG_MARKIERUNG);
    StablisteFuellen();
    NeuZeichnen();
}

void ExtremaCB(FL_OBJECT*, long maximum) {
    System* sys = TabellenSystem(st.Systemnummer);
    Kette markierte = sys ? MarkierteStaebe(sys) : nullptr;
    if (!markierte) {
        for (FL_OBJECT* w : st.Werte) fl_set_object_label(w, "");
        return;
    }
    using Extremum = double (*)(Kette, Stab**, double*);
    const Extremum funktionen[2][3] = {{SystemMinMoment, SystemMinQuerkraft, SystemMinNormalkraft},
                                       {SystemMaxMoment, SystemMaxQuerkraft, SystemMaxNormalkraft}};
    for (int i = 0; i < 3; ++i) {
        Stab* stab = nullptr;
        double position = 0.0;
        const double wert = funktionen[maximum][i](markierte, &stab, &position);
        // Position -1: none of the marked bars has results yet.
        char text[160] = "";
        if (stab && position >= 0.0) ExtremZeile(text, sizeof text, i == 0, stab->Nummer, wert, position * stab->Laenge);
        fl_set_object_label(st.Werte[i], text);
    }
    KetteLoeschen(markierte);
}

void StabtabelleErzeugen() {
    if (st.Form) return;
    st.Form = fl_bgn_form(FL_UP_BOX, 760, 590);
    st.Liste = fl_add_browser(FL_MULTI_BROWSER, 10, 10, 740, 370, "");
    fl_set_browser_fontstyle(st.Liste, FL_FIXED_STYLE);
    ListenRueckrufSetzen(st.Liste, StabzeileCB, 0);
    fl_set_object_gravity(st.Liste, FL_NorthWest, FL_SouthEast);
    const char* knoepfe[3] = {"alle auswählen"_l1, "alle abwählen"_l1, "inverse Auswahl"};
    const long werte[3] = {1, -1, 2};
    for (int i = 0; i < 3; ++i) {
        FL_OBJECT* ob = fl_add_button(FL_NORMAL_BUTTON, 10 + 170 * i, 390, 160, 30, knoepfe[i]);
        fl_set_object_callback(ob, AlleCB, werte[i]);
        fl_set_object_gravity(ob, FL_SouthWest, FL_SouthWest);
    }
    const char* zeilen[3] = {"M", "Q", "N"};
    for (int i = 0; i < 3; ++i) {
        FL_OBJECT* ob = fl_add_text(FL_NORMAL_TEXT, 10, 435 + 40 * i, 30, 30, zeilen[i]);
        fl_set_object_gravity(ob, FL_SouthWest, FL_SouthWest);
        st.Werte[i] = fl_add_text(FL_NORMAL_TEXT, 45, 435 + 40 * i, 500, 30, "");
        fl_set_object_boxtype(st.Werte[i], FL_DOWN_BOX);
        fl_set_object_gravity(st.Werte[i], FL_SouthWest, FL_SouthWest);
    }
    FL_OBJECT* ob = fl_add_button(FL_NORMAL_BUTTON, 570, 435, 80, 30, "Max");
    fl_set_object_callback(ob, ExtremaCB, 1);
    fl_set_object_gravity(ob, FL_SouthWest, FL_SouthWest);
    ob = fl_add_button(FL_NORMAL_BUTTON, 660, 435, 80, 30, "Min");
    fl_set_object_callback(ob, ExtremaCB, 0);
    fl_set_object_gravity(ob, FL_SouthWest, FL_SouthWest);
    ob = fl_add_button(FL_NORMAL_BUTTON, 620, 540, 120, 35, "Schließen"_l1);
    fl_set_object_callback(ob, TabelleSchliessenCB, 0);
    fl_set_object_gravity(ob, FL_SouthEast, FL_SouthEast);
    fl_end_form();
    FensterSchliessenEinrichten(st.Form, Schliessart::Dialog);
    RueckgaengigTastenEinrichten(st.Form);
}

}  // namespace

void TabellenAktualisieren(unsigned arten, bool wechsel) {
    if (pt.Form && pt.Form->visible && (wechsel || (arten & (AENDERUNG_PUNKTE | AENDERUNG_LAGE)))) {
        PunktlisteFuellen();
        KoordinatenZeigen(PunktDerNummer());
    }
    if (st.Form && st.Form->visible &&
        (wechsel || (arten & (AENDERUNG_ERGEBNISSE | AENDERUNG_STAEBE | AENDERUNG_PUNKTE | AENDERUNG_LAGE |
                              AENDERUNG_MARKIERUNG)))) {
        StablisteFuellen();
        // The extremes shown belong to results that are gone or replaced.
        if (wechsel || (arten & AENDERUNG_ERGEBNISSE))
            for (FL_OBJECT* w : st.Werte) fl_set_object_label(w, "");
    }
}

bool TabelleZeigen(int welche) {
    if (!Aktuell()) return true;  // nothing to list
    if (welche == menue::Punkte) {
        PunkttabelleErzeugen();
        pt.Systemnummer = Aktuell()->Systemnummer;
        PunktlisteFuellen();
        if (!pt.Form->visible) FormZeigen(pt.Form, FL_PLACE_CENTER, FL_TRANSIENT, "Punkte");
        return true;
    }
    if (welche == menue::Staebe) {
        StabtabelleErzeugen();
        st.Systemnummer = Aktuell()->Systemnummer;
        StablisteFuellen();
        if (!st.Form->visible) FormZeigen(st.Form, FL_PLACE_CENTER | FL_FREE_SIZE, FL_TRANSIENT, "Stäbe"_l1);
        return true;
    }
    return false;
}

void TabellenAuffrischen() {
    if (pt.Form && pt.Form->visible) {
        PunktlisteFuellen();
        KoordinatenZeigen(PunktDerNummer());
    }
    if (st.Form && st.Form->visible) StablisteFuellen();
}

void TabellenSchliessen(const System& system) {
    if (pt.Form && pt.Systemnummer == system.Systemnummer) {
        if (pt.Form->visible) fl_hide_form(pt.Form);
        fl_clear_browser(pt.Liste);
        pt.Systemnummer = 0;
    }
    if (st.Form && st.Systemnummer == system.Systemnummer) {
        if (st.Form->visible) fl_hide_form(st.Form);
        fl_clear_browser(st.Liste);
        for (FL_OBJECT* w : st.Werte) fl_set_object_label(w, "");
        st.Systemnummer = 0;
    }
}
