// The scale window "Maßstab": five scale inputs, the position of the
// drawing, the positioner and the four pan arrows.  Its inputs show the
// values of Massstaebe, which the drawing reads and the scale file stores.
#include <cstdio>

#include "core/datenmodell.h"
#include "core/latin1.h"
#include "core/programm.h"
#include "files/massstab.h"
#include "gui/auffrischung.h"
#include "gui/werkzeugfenster.h"
#include "gui/werkzeugfenster_intern.h"
#include "gui/zeichenflaeche.h"
#include "workspace/ansicht.h"

Massstabformular Massstabfenster;

namespace {

void EingabeCB(FL_OBJECT* ob, long feld) {
    Massstaebe.Setzen(static_cast<int>(feld), fl_get_input(ob));
    // The stored text may differ from the typed one (cut at a blank).
    if (Massstaebe.Text(static_cast<int>(feld)) != fl_get_input(ob))
        fl_set_input(ob, Massstaebe.Text(static_cast<int>(feld)).c_str());
    NeuZeichnen();
}

void PositioniererCB(FL_OBJECT* ob, long) {
    MassstabPositionierer.X = fl_get_positioner_xvalue(ob);
    MassstabPositionierer.Y = fl_get_positioner_yvalue(ob);
    NeuZeichnen();
}

void PfeilCB(FL_OBJECT*, long richtung) {
    AnsichtVerschieben(static_cast<Verschieberichtung>(richtung), Massstaebe);
    MassstabfensterAktualisieren();
    NeuZeichnen();
}

void SchliessenCB(FL_OBJECT* ob, long) {
    FensterknopfLoesen(KNOPF_MASSSTAB);
    fl_hide_form(ob->form);
    NeuZeichnen();
}

FL_OBJECT* Eingabe(int feld, int x, int y, int w, int h) {
    FL_OBJECT* ob = fl_add_input(FL_FLOAT_INPUT, x, y, w, h, "");
    fl_set_object_callback(ob, EingabeCB, feld);
    // Reported when the user leaves the input or presses Return: a scale
    // read while it is half typed (an empty "System") would be replaced.
    fl_set_input_return(ob, FL_RETURN_END_CHANGED);
    return ob;
}

void Beschriftung(int y, const char* text) {
    FL_OBJECT* ob = fl_add_text(FL_NORMAL_TEXT, 15, y, 100, 20, text);
    fl_set_object_lalign(ob, FL_ALIGN_LEFT | FL_ALIGN_INSIDE);
}

}  // namespace

void MassstabfensterErzeugen() {
    Massstabformular& m = Massstabfenster;
    m.Form = fl_bgn_form(FL_UP_BOX, 130, 620);
    FL_OBJECT* titel = fl_add_text(FL_NORMAL_TEXT, 10, 10, 110, 30, "Maßstab"_l1);
    fl_set_object_lsize(titel, FL_MEDIUM_SIZE);
    fl_set_object_lalign(titel, FL_ALIGN_CENTER | FL_ALIGN_INSIDE);

    struct { int feld, y; } skalen[] = {{MASSSTAB_SCHNITTKRAFT, 80}, {MASSSTAB_STRECKENLAST, 150},
                                         {MASSSTAB_PUNKTLAST, 220}, {MASSSTAB_VERSCHIEBUNG, 290},
                                         {MASSSTAB_SYSTEM, 360}};
    for (auto s : skalen) {
        Beschriftung(s.y - 22, MassstabBeschriftung(s.feld));
        m.Eingaben[s.feld] = Eingabe(s.feld, 20, s.y, 90, 30);
    }
    Beschriftung(408, "Position");
    m.Eingaben[MASSSTAB_POSITION_X] = Eingabe(MASSSTAB_POSITION_X, 20, 430, 45, 25);
    m.Eingaben[MASSSTAB_POSITION_Y] = Eingabe(MASSSTAB_POSITION_Y, 65, 430, 45, 25);

    m.Positionierer = fl_add_positioner(FL_NORMAL_POSITIONER, 30, 490, 70, 50, "");
    fl_set_positioner_xbounds(m.Positionierer, -0.2, 1.2);
    fl_set_positioner_ybounds(m.Positionierer, -0.2, 1.2);
    fl_set_positioner_xvalue(m.Positionierer, 0.5);
    fl_set_positioner_yvalue(m.Positionierer, 0.5);
    fl_set_positioner_return(m.Positionierer, 0);
    fl_set_object_callback(m.Positionierer, PositioniererCB, 0);

    struct { int x, y, w, h; const char* label; Verschieberichtung r; } pfeile[] = {
        {15, 490, 15, 50, "@4>", Verschieberichtung::Links},
        {30, 470, 70, 20, "@8>", Verschieberichtung::Hoch},
        {30, 540, 70, 20, "@2>", Verschieberichtung::Runter},
        {100, 490, 15, 50, "@>", Verschieberichtung::Rechts},
    };
    for (auto& p : pfeile) {
        FL_OBJECT* ob = fl_add_button(FL_NORMAL_BUTTON, p.x, p.y, p.w, p.h, p.label);
        fl_set_object_callback(ob, PfeilCB, static_cast<long>(p.r));
    }
    FL_OBJECT* ob = fl_add_button(FL_NORMAL_BUTTON, 10, 580, 110, 30, "Schließen"_l1);
    fl_set_object_callback(ob, SchliessenCB, 0);
    fl_end_form();
    FensterSchliessenEinrichten(m.Form, Schliessart::Werkzeug, KNOPF_MASSSTAB);

    MassstabfensterAktualisieren();
}

void MassstabfensterAktualisieren() {
    Massstabformular& m = Massstabfenster;
    if (!m.Form) return;
    for (int feld = 0; feld < MASSSTAB_FELDER; ++feld)
        if (m.Eingaben[feld] && Massstaebe.Text(feld) != fl_get_input(m.Eingaben[feld]))
            fl_set_input(m.Eingaben[feld], Massstaebe.Text(feld).c_str());
    fl_set_positioner_xvalue(m.Positionierer, MassstabPositionierer.X);
    fl_set_positioner_yvalue(m.Positionierer, MassstabPositionierer.Y);
}
