// The per-bar results window "Schnittgrößen / Verschiebungen ...": the
// first marked bar with its diagrams in a drawing window, a table at eleven
// points, the extremes and the values at a typed position.
//
// Like the degree-of-freedom editor it keeps no bar pointer: every redraw
// takes the first marked bar of the current System afresh.
#include "gui/stabergebnisse.h"

#include <cstdio>
#include <cstdlib>
#include <string>

#include "analysis/ergebnisse.h"
#include "core/datenmodell.h"
#include "core/freiheitsgradbearbeitung.h"
#include "core/latin1.h"
#include "files/farben.h"
#include "files/massstab.h"
#include "gui/auffrischung.h"
#include "gui/geometrie.h"
#include "gui/systeme.h"
#include "gui/werkzeugfenster_intern.h"
#include "gui/xforms.h"
#include "gui/xmaler.h"
#include "gui/zeichenfenster.h"
#include "gui/zeichenflaeche.h"
#include "workspace/ansicht.h"
#include "workspace/beschriftungsplan.h"
#include "workspace/stabergebnistabelle.h"
#include "workspace/zeichnen.h"

namespace {

struct Ergebnisformular {
    FL_FORM* Form = nullptr;
    FL_OBJECT* Nummer = nullptr;
    FL_OBJECT* Moment = nullptr;
    FL_OBJECT* Querkraft = nullptr;
    FL_OBJECT* Normalkraft = nullptr;
    FL_OBJECT* Verschiebung = nullptr;
    FL_OBJECT* Beschriftung = nullptr;
    FL_OBJECT* Koordinatensystem = nullptr;
    FL_OBJECT* Extrem[5][4] = {};  // per row: max, position, min, position
    FL_OBJECT* Auswahl = nullptr;
    FL_OBJECT* Laenge = nullptr;
    FL_OBJECT* Stellen = nullptr;
    FL_OBJECT* Stelle = nullptr;
    FL_OBJECT* ZeilenTitel[3] = {};
    FL_OBJECT* Zeilen[3] = {};
    FL_OBJECT* Werte[3] = {};
    FL_OBJECT* Einheiten[3] = {};
} E;

Zeichenfenster fenster;

bool An(FL_OBJECT* ob) { return fl_get_button(ob) != 0; }

Stabtabelle Tabellenart() {
    switch (fl_get_choice(E.Auswahl)) {
    case 2: return Stabtabelle::Verschiebungen;
    case 3:
    case 4: return Stabtabelle::Spannungen;
    default: return Stabtabelle::Schnittkraefte;
    }
}

void TabelleFuellen(const Stab* stab) {
    const Stabtabelleninhalt t = StabergebnisTabelle(*stab, Tabellenart());
    fl_set_object_label(E.Stellen, t.Stellen.c_str());
    for (int i = 0; i < 3; ++i) {
        fl_set_object_label(E.Werte[i], "");
        if (Tabellenart() == Stabtabelle::Spannungen) {
            fl_set_object_label(E.Zeilen[i], "");
            continue;
        }
        fl_set_object_label(E.ZeilenTitel[i], t.Titel[i].c_str());
        fl_set_object_label(E.Einheiten[i], t.Einheiten[i].c_str());
        fl_set_object_label(E.Zeilen[i], t.Zeilen[i].c_str());
    }
    for (int r = 0; r < 5; ++r)
        for (int k = 0; k < 4; ++k) fl_set_object_label(E.Extrem[r][k], t.Extreme[r][k].c_str());
}

void Zeichnen() {
    Stab* stab = MarkierterStab();
    if (!stab || !E.Form) return;
    char text[32];
    std::snprintf(text, sizeof text, "%ld", stab->Nummer);
    fl_set_object_label(E.Nummer, text);
    std::snprintf(text, sizeof text, "%.3f", stab->Laenge);
    fl_set_object_label(E.Laenge, text);
    int breite = 0, hoehe = 0;
    if (fenster.Groesse(breite, hoehe) && stab->PunktA && stab->PunktB) {
        XMaler maler = fenster.Maler();
        maler.Loeschen();
        Ansicht skizze = SkizzenAnsicht(*stab, breite, hoehe);
        // The diagram scales of the canvas (Schnittkraft / 100 among them).
        const Ansicht leinwand = AnsichtErmitteln(Massstaebe, MassstabPositionierer, breite, hoehe);
        skizze.Schnittkraftmassstab = leinwand.Schnittkraftmassstab;
        skizze.Verschiebungsmassstab = leinwand.Verschiebungsmassstab;
        SkizzenstabZeichnen(maler, skizze, *stab);
        System nurDieser{};
        KeVorneEintragen(nurDieser.Staebe, stab);
        const bool beschriften = An(E.Beschriftung);
        maler.Schriftart(Schrift::Normal);
        maler.Hintergrund(ROLLE_HINTERGRUND);
        Beschriftungsplan plan;  // the labels of all four diagrams apart
        if (An(E.Moment)) SchnittkraefteZeichnen(maler, skizze, nurDieser, MOMENT, beschriften, &plan);
        if (An(E.Querkraft)) SchnittkraefteZeichnen(maler, skizze, nurDieser, QUERKRAFT, beschriften, &plan);
        if (An(E.Normalkraft)) SchnittkraefteZeichnen(maler, skizze, nurDieser, NORMALKRAFT, beschriften, &plan);
        if (An(E.Verschiebung)) VerschiebungenZeichnen(maler, skizze, nurDieser, beschriften, &plan);
        KetteLoeschen(nurDieser.Staebe);
        if (An(E.Koordinatensystem))
            AchsenlegendeZeichnen(maler, hoehe, stab->Cos, stab->Sin, Farben.Index[ROLLE_HINTERGRUND]);
        maler.Senden();
    }
    TabelleFuellen(stab);
}

void WertAnStelle() {
    const Stab* stab = MarkierterStab();
    if (!stab) return;
    const Stellenwerte w = WerteAnStelle(*stab, Tabellenart(), std::atof(fl_get_input(E.Stelle)));
    if (!w.Aendern) return;
    for (int i = 0; i < 3; ++i) fl_set_object_label(E.Werte[i], w.Text[i].c_str());
}

int FensterEreignis(XEvent* ev, void*) {
    if (fenster.Betrifft(ev) && (ev->type != Expose || ev->xexpose.count == 0)) Zeichnen();
    return 0;
}

void Schliessen() {
    // The drawing window is a child of the form, and hiding the form
    // destroys the form's window with its children: it goes first.
    fenster.Schliessen();
    fl_hide_form(E.Form);
    ZeichenflaechenEreignisseEinsetzen();
    NeuZeichnen();
}

void KnopfCB(FL_OBJECT*, long) { Zeichnen(); }
void AuswahlCB(FL_OBJECT*, long) {
    if (const Stab* stab = MarkierterStab()) TabelleFuellen(stab);
}
void StelleCB(FL_OBJECT*, long) { WertAnStelle(); }
void SchliessenCB(FL_OBJECT*, long) { Schliessen(); }
int ErgebnisAtclose(FL_FORM*, void*) {
    Schliessen();
    return FL_IGNORE;
}

FL_OBJECT* Feld(int x, int y, int b, int h, const char* text = "") {
    FL_OBJECT* ob = fl_add_text(FL_NORMAL_TEXT, x, y, b, h, text);
    fl_set_object_boxtype(ob, FL_DOWN_BOX);
    fl_set_object_color(ob, 14, 16);
    fl_set_object_lsize(ob, 14);
    fl_set_object_lalign(ob, FL_ALIGN_CENTER | FL_ALIGN_INSIDE);
    return ob;
}

FL_OBJECT* Zeile(int x, int y, int b) {
    FL_OBJECT* ob = Feld(x, y, b, 30);
    fl_set_object_lalign(ob, FL_ALIGN_LEFT | FL_ALIGN_INSIDE);
    fl_set_object_lstyle(ob, FL_FIXED_STYLE);  // 18 in the toolkit's numbering
    // Small enough for the eleven columns to fit the row.
    fl_set_object_lsize(ob, FL_TINY_SIZE);
    return ob;
}

FL_OBJECT* Knopf(int x, int y, int b, const char* text, bool an) {
    FL_OBJECT* ob = fl_add_checkbutton(FL_PUSH_BUTTON, x, y, b, 30, text);
    fl_set_button(ob, an ? 1 : 0);
    fl_set_object_callback(ob, KnopfCB, 0);
    return ob;
}

void FormErzeugen() {
    if (E.Form) return;
    E.Form = fl_bgn_form(FL_UP_BOX, 1060, 760);
    fl_set_object_lstyle(Feld(690, 40, 170, 30, "Stabnummer"), FL_BOLD_STYLE);
    E.Nummer = Feld(870, 40, 70, 30);
    fl_set_object_lstyle(E.Nummer, FL_BOLD_STYLE);
    fl_add_labelframe(FL_ENGRAVED_FRAME, 690, 90, 345, 150, "  Zeichne  ");
    E.Moment = Knopf(710, 110, 150, "  Moment", true);
    E.Querkraft = Knopf(710, 150, 150, "  Querkraft", false);
    E.Normalkraft = Knopf(710, 190, 150, "  Normalkraft", false);
    E.Verschiebung = Knopf(860, 110, 160, "  Verschiebung", false);
    E.Beschriftung = Knopf(860, 150, 160, "  Beschriftung", false);
    E.Koordinatensystem = Knopf(860, 190, 170, "  Koordinatensystem", true);
    Feld(690, 260, 170, 30, "max");
    Feld(865, 260, 170, 30, "min");
    const char* zeilen[5] = {"M", "Q", "N", "w", "u"};
    const int ys[5] = {295, 330, 365, 405, 440};
    for (int r = 0; r < 5; ++r) {
        Feld(640, ys[r], 45, 30, zeilen[r]);
        E.Extrem[r][0] = Feld(690, ys[r], 100, 30);
        E.Extrem[r][1] = Feld(795, ys[r], 65, 30);
        E.Extrem[r][2] = Feld(865, ys[r], 100, 30);
        E.Extrem[r][3] = Feld(970, ys[r], 65, 30);
    }
    E.Auswahl = fl_add_choice(FL_NORMAL_CHOICE, 70, 500, 210, 30, "");
    fl_addto_choice(E.Auswahl, "Schnittkräfte|Verschiebungen|Normalspannungen|Schubspannungen"_l1);
    fl_set_object_callback(E.Auswahl, AuswahlCB, 0);
    Feld(760, 500, 100, 30, "Länge"_l1);
    E.Laenge = Feld(865, 500, 100, 30);
    fl_add_text(FL_NORMAL_TEXT, 970, 500, 65, 30, "m");
    E.Stellen = Zeile(70, 540, 790);
    E.Stelle = fl_add_input(FL_FLOAT_INPUT, 865, 540, 100, 30, "");
    fl_set_object_callback(E.Stelle, StelleCB, 0);
    fl_add_text(FL_NORMAL_TEXT, 970, 540, 65, 30, "m");
    const char* titel[3] = {"M", "Q", "N"};
    const char* einheiten[3] = {"[ kNm ]", "[ kN ]", "[ kN ]"};
    for (int i = 0; i < 3; ++i) {
        const int y = 575 + 35 * i;
        E.ZeilenTitel[i] = fl_add_text(FL_NORMAL_TEXT, 20, y, 45, 30, titel[i]);
        E.Zeilen[i] = Zeile(70, y, 790);
        E.Werte[i] = Feld(865, y, 100, 30);
        E.Einheiten[i] = fl_add_text(FL_NORMAL_TEXT, 970, y, 65, 30, einheiten[i]);
    }
    FL_OBJECT* ob = fl_add_button(FL_NORMAL_BUTTON, 860, 700, 160, 30, "Schließen"_l1);
    fl_set_object_callback(ob, SchliessenCB, 0);
    fl_end_form();
    fl_set_form_atclose(E.Form, ErgebnisAtclose, nullptr);
}

}  // namespace

void StabergebnisseZeigen(Stab*) {
    FormErzeugen();
    for (FL_OBJECT* w : E.Werte) fl_set_object_label(w, "");
    if (!E.Form->visible)
        FormZeigen(E.Form, FL_PLACE_CENTER, FL_TRANSIENT, "Schnittgrößen / Verschiebungen ..."_l1);
    else fl_raise_form(E.Form);
    // A child of the form, in the space the form leaves for it, so the
    // drawing stays with the window when it is moved.
    fenster.Oeffnen(E.Form, 30, 30, 580, 450);
    fl_set_event_callback(FensterEreignis, nullptr);
    XSync(fl_get_display(), False);
    Zeichnen();
}

void StabergebnisseAuffrischen() {
    if (!E.Form || !E.Form->visible) return;
    if (!MarkierterStab()) {
        Schliessen();
        return;
    }
    Zeichnen();
}
