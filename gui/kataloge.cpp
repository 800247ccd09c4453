// The two catalogue editors ("Material", "Querschnitte") and the default
// dialog "Standardwerte Stab erzeugen".
#include "gui/kataloge.h"

#include <cstdio>
#include <cstdlib>
#include <string>

#include "core/bericht.h"
#include "core/latin1.h"
#include "core/programm.h"
#include "core/systemoperationen.h"
#include "files/kataloge.h"
#include "files/pfade.h"
#include "gui/auffrischung.h"
#include "gui/geometrie.h"
#include "gui/kataloge_intern.h"
#include "gui/listenauswahl.h"
#include "gui/xforms.h"
#include "gui/zeichenflaeche.h"
#include "workspace/menues.h"

long ListenauswahlNummer(FL_OBJECT* liste) {
    const int zeile = fl_get_browser(liste);
    if (zeile <= 0) return -1;
    return KatalogzeileNummer(fl_get_browser_line(liste, zeile));
}

FL_OBJECT* KatalogListe(int x, int y, int b, int h, const char* titel) {
    FL_OBJECT* ob = fl_add_browser(FL_HOLD_BROWSER, x, y, b, h, titel);
    fl_set_object_lalign(ob, FL_ALIGN_TOP);
    // The number column must line up; a line never starts with the
    // toolkit's format character, since it starts with the padded number.
    fl_set_browser_fontstyle(ob, FL_FIXED_STYLE);
    return ob;
}

void MaterialienEintragen(FL_OBJECT* liste) {
    fl_freeze_form(liste->form);
    fl_clear_browser(liste);
    for (Material* m : Elemente<Material>(Programm.Materialien))
        fl_add_browser_line(liste, Katalogzeile(m->Nummer, m->Name).c_str());
    fl_unfreeze_form(liste->form);
}

void QuerschnitteEintragen(FL_OBJECT* liste) {
    fl_freeze_form(liste->form);
    fl_clear_browser(liste);
    for (Querschnitt* q : Elemente<Querschnitt>(Programm.Querschnitte))
        fl_add_browser_line(liste, Katalogzeile(q->Nummer, q->Name).c_str());
    fl_unfreeze_form(liste->form);
}

namespace {

// One editor form; the material and the cross-section editor differ only
// in their labels, formats and the catalogue they work on.
struct Katalogeditor {
    bool Material = true;
    FL_FORM* Form = nullptr;
    FL_OBJECT* Liste = nullptr;
    FL_OBJECT* ID = nullptr;
    FL_OBJECT* Bezeichnung = nullptr;
    FL_OBJECT* Wert[3] = {};
};

Katalogeditor Materialeditor;
Katalogeditor Querschnittseditor{false};

const char* const MATERIALFORMATE[3] = {"%.3e", "%.3f", "%.3f"};
const char* const QUERSCHNITTSFORMATE[3] = {"%.3e", "%.3e", "%.3f"};

void Eintragen(Katalogeditor& e) {
    if (e.Material) MaterialienEintragen(e.Liste);
    else QuerschnitteEintragen(e.Liste);
}

void FelderLeeren(Katalogeditor& e, const char* text) {
    fl_set_object_label(e.ID, text);
    fl_set_input(e.Bezeichnung, text);
    for (FL_OBJECT* w : e.Wert) fl_set_input(w, text);
}

void EintragZeigen(Katalogeditor& e, long nummer) {
    char id[32];
    std::snprintf(id, sizeof id, "%ld", nummer);
    const char* const* formate = e.Material ? MATERIALFORMATE : QUERSCHNITTSFORMATE;
    double werte[3];
    const char* name = nullptr;
    if (e.Material) {
        if (Material* m = MaterialSuchen(nummer)) {
            name = m->Name;
            werte[0] = m->EModul, werte[1] = m->Querkontraktion, werte[2] = m->Waermedehnzahl;
        }
    } else if (Querschnitt* q = QuerschnittSuchen(nummer)) {
        name = q->Name;
        werte[0] = q->Flaeche, werte[1] = q->Traegheitsmoment, werte[2] = q->MaxY;
    }
    if (!name) {
        FelderLeeren(e, "###");
        return;
    }
    fl_set_object_label(e.ID, id);
    fl_set_input(e.Bezeichnung, name);
    for (int i = 0; i < 3; ++i) fl_set_input(e.Wert[i], KatalogwertText(formate[i], werte[i]).c_str());
}

void Auffrischen(Katalogeditor& e) {
    Eintragen(e);
    Kette k = e.Material ? Programm.Materialien : Programm.Querschnitte;
    if (KeAnzahl(k) == 0) {
        FelderLeeren(e, "");
        return;
    }
    fl_select_browser_line(e.Liste, 1);
    EintragZeigen(e, KatalogzeileNummer(fl_get_browser_line(e.Liste, 1)));
}

Katalogeditor& EditorVon(FL_OBJECT* ob) { return ob->form == Materialeditor.Form ? Materialeditor : Querschnittseditor; }

void ListeCB(FL_OBJECT* ob, long) {
    Katalogeditor& e = EditorVon(ob);
    const long nummer = ListenauswahlNummer(e.Liste);
    if (nummer != -1 || fl_get_browser(e.Liste) > 0) EintragZeigen(e, nummer);
}

double Eingabe(FL_OBJECT* ob) { return std::atof(fl_get_input(ob)); }

void ErzeugenCB(FL_OBJECT* ob, long) {
    Katalogeditor& e = EditorVon(ob);
    const char* name = fl_get_input(e.Bezeichnung);
    long nummer;
    std::string zeile;
    if (e.Material) {
        Material* m = MaterialNeu(name, Eingabe(e.Wert[0]), Eingabe(e.Wert[1]), Eingabe(e.Wert[2]));
        nummer = m->Nummer;
        zeile = Katalogzeile(m->Nummer, m->Name);
    } else {
        Querschnitt* q = QuerschnittNeu(name, Eingabe(e.Wert[0]), Eingabe(e.Wert[1]), Eingabe(e.Wert[2]));
        std::printf("Name: %s\n", q->Name);
        std::fflush(stdout);
        nummer = q->Nummer;
        zeile = Katalogzeile(q->Nummer, q->Name);
    }
    if (fl_get_browser_maxline(e.Liste) > 0) fl_insert_browser_line(e.Liste, 1, zeile.c_str());
    else fl_add_browser_line(e.Liste, zeile.c_str());
    // The new entry is the shown one, so that "Werte übernehmen" goes to it.
    fl_select_browser_line(e.Liste, 1);
    fl_set_browser_topline(e.Liste, 1);
    EintragZeigen(e, nummer);
}

void UebernehmenCB(FL_OBJECT* ob, long) {
    Katalogeditor& e = EditorVon(ob);
    const int zeile = fl_get_browser(e.Liste);
    const long nummer = ListenauswahlNummer(e.Liste);
    if (zeile <= 0) return;
    const char* name = fl_get_input(e.Bezeichnung);
    bool gefunden = e.Material ? MaterialWerteSetzen(nummer, name, Eingabe(e.Wert[0]), Eingabe(e.Wert[1]), Eingabe(e.Wert[2]))
                               : QuerschnittWerteSetzen(nummer, name, Eingabe(e.Wert[0]), Eingabe(e.Wert[1]),
                                                        Eingabe(e.Wert[2]));
    if (!gefunden) return;
    const char* gespeichert = e.Material ? MaterialSuchen(nummer)->Name : QuerschnittSuchen(nummer)->Name;
    fl_replace_browser_line(e.Liste, zeile, Katalogzeile(nummer, gespeichert).c_str());
    fl_select_browser_line(e.Liste, zeile);
}

void LoeschenCB(FL_OBJECT* ob, long) {
    Katalogeditor& e = EditorVon(ob);
    if (fl_get_browser(e.Liste) <= 0) return;
    const long nummer = ListenauswahlNummer(e.Liste);
    if (e.Material) MaterialEntfernen(nummer);
    else QuerschnittEntfernen(nummer);
    Auffrischen(e);
}

void EditorSchliessenCB(FL_OBJECT* ob, long) {
    fl_hide_form(ob->form);
    NeuZeichnen();
}

int EditorAtclose(FL_FORM* form, void*) {
    fl_hide_form(form);
    NeuZeichnen();
    return FL_IGNORE;
}

FL_OBJECT* Feld(int y, const char* titel, const char* einheit) {
    FL_OBJECT* ob = fl_add_input(FL_FLOAT_INPUT, 190, y, 200, 30, titel);
    fl_add_text(FL_NORMAL_TEXT, 400, y, 140, 30, einheit);
    return ob;
}

void EditorErzeugen(Katalogeditor& e) {
    if (e.Form) return;
    const bool mat = e.Material;
    e.Form = fl_bgn_form(FL_UP_BOX, 560, mat ? 670 : 680);
    FL_OBJECT* kopf = fl_add_text(FL_NORMAL_TEXT, 20, 10, 520, 35, mat ? "Material" : "Querschnitte");
    fl_set_object_lsize(kopf, FL_LARGE_SIZE);
    fl_set_object_lstyle(kopf, FL_BOLD_STYLE);
    fl_set_object_lalign(kopf, FL_ALIGN_CENTER);
    e.Liste = KatalogListe(20, 55, 520, 280, "");
    ListenRueckrufSetzen(e.Liste, ListeCB, 0);
    fl_add_text(FL_NORMAL_TEXT, 20, 350, 160, 30, "ID");
    e.ID = fl_add_box(FL_DOWN_BOX, 190, 350, 200, 30, "");
    e.Bezeichnung = fl_add_input(FL_NORMAL_INPUT, 190, 390, 330, 30, "Bezeichnung");
    if (mat) {
        e.Wert[0] = Feld(430, "E-Modul", "[ kN/m² ]"_l1);
        e.Wert[1] = Feld(470, "Querkontraktion", "[ / ]");
        e.Wert[2] = Feld(510, "Wärmedehnzahl"_l1, "[ / ]");
    } else {
        e.Wert[0] = Feld(430, "Fläche"_l1, "[ m² ]"_l1);
        e.Wert[1] = Feld(470, "Iz", "[ m4 ]");
        e.Wert[2] = Feld(510, "max y-Koordinate", "[ m ]");
    }
    const int y = mat ? 580 : 590;
    FL_OBJECT* ob = fl_add_button(FL_NORMAL_BUTTON, 20, y, 110, 35, "Erzeugen");
    fl_set_object_callback(ob, ErzeugenCB, 0);
    ob = fl_add_button(FL_RETURN_BUTTON, 140, y, 195, 35, "Werte übernehmen"_l1);
    fl_set_object_callback(ob, UebernehmenCB, 0);
    ob = fl_add_button(FL_NORMAL_BUTTON, 345, y, 90, 35, "Löschen"_l1);
    fl_set_object_callback(ob, LoeschenCB, 0);
    ob = fl_add_button(FL_NORMAL_BUTTON, 445, y, 95, 35, "Schließen"_l1);
    fl_set_object_callback(ob, EditorSchliessenCB, 0);
    fl_end_form();
    fl_set_form_atclose(e.Form, EditorAtclose, nullptr);
}

// Edits of a catalogue whose file was not read completely stay in memory:
// the user should know before typing them.
void SchreibbarkeitMelden(const char* datei) {
    const std::string pfad = Pfade.Katalogverzeichnis + "/" + datei;
    if (!KatalogSchreibbar(pfad))
        MeldungFormatiert("Die Datei %s wird nicht überschrieben: Änderungen bleiben ungesichert !"_l1, pfad.c_str());
}

// ------------------------------------------------------------ defaults

struct Standardformular {
    FL_FORM* Form = nullptr;
    FL_OBJECT* Setzen = nullptr;
    FL_OBJECT* Materialliste = nullptr;
    FL_OBJECT* Querschnittsliste = nullptr;
    FL_OBJECT* Materialtext = nullptr;
    FL_OBJECT* Querschnittstext = nullptr;
} Standard;

void StandardtexteZeigen() {
    const Material* m = MaterialSuchen(Programm.StandardMaterial);
    const Querschnitt* q = QuerschnittSuchen(Programm.StandardQuerschnitt);
    fl_set_object_label(Standard.Materialtext, m ? Katalogzeile(m->Nummer, m->Name).c_str() : "");
    fl_set_object_label(Standard.Querschnittstext, q ? Katalogzeile(q->Nummer, q->Name).c_str() : "");
}

void StandardSetzenCB(FL_OBJECT* ob, long) { Programm.StandardwerteSetzen = fl_get_button(ob) != 0; }

void StandardListeCB(FL_OBJECT* ob, long material) {
    const long nummer = ListenauswahlNummer(ob);
    if (material) {
        if (nummer == -1) MeldungAusgeben("kein Material gefunden !");
        Programm.StandardMaterial = nummer;
    } else {
        if (nummer == -1) MeldungAusgeben("keinen Querschnitt gefunden !");
        Programm.StandardQuerschnitt = nummer;
    }
    StandardtexteZeigen();
}

void StandardErzeugen() {
    if (Standard.Form) return;
    Standard.Form = fl_bgn_form(FL_UP_BOX, 510, 570);
    Standard.Setzen = fl_add_checkbutton(FL_PUSH_BUTTON, 20, 15, 250, 30, "Standardwerte setzen");
    fl_set_object_callback(Standard.Setzen, StandardSetzenCB, 0);
    Standard.Materialtext = fl_add_box(FL_DOWN_BOX, 20, 80, 470, 28, "");
    fl_set_object_lalign(Standard.Materialtext, FL_ALIGN_LEFT | FL_ALIGN_INSIDE);
    fl_set_object_lstyle(Standard.Materialtext, FL_FIXED_STYLE);
    fl_set_object_lsize(Standard.Materialtext, FL_NORMAL_SIZE);  // as the list lines below
    Standard.Materialliste = KatalogListe(20, 115, 470, 160, "");
    fl_add_text(FL_NORMAL_TEXT, 20, 50, 200, 28, "Material");
    ListenRueckrufSetzen(Standard.Materialliste, StandardListeCB, 1);
    fl_add_text(FL_NORMAL_TEXT, 20, 285, 200, 28, "Querschnitt");
    Standard.Querschnittstext = fl_add_box(FL_DOWN_BOX, 20, 315, 470, 28, "");
    fl_set_object_lalign(Standard.Querschnittstext, FL_ALIGN_LEFT | FL_ALIGN_INSIDE);
    fl_set_object_lstyle(Standard.Querschnittstext, FL_FIXED_STYLE);
    fl_set_object_lsize(Standard.Querschnittstext, FL_NORMAL_SIZE);  // as the list lines below
    Standard.Querschnittsliste = KatalogListe(20, 350, 470, 160, "");
    ListenRueckrufSetzen(Standard.Querschnittsliste, StandardListeCB, 0);
    FL_OBJECT* ob = fl_add_button(FL_NORMAL_BUTTON, 195, 525, 120, 35, "Schließen"_l1);
    fl_set_object_callback(ob, EditorSchliessenCB, 0);
    fl_end_form();
    fl_set_form_atclose(Standard.Form, EditorAtclose, nullptr);
}

}  // namespace

bool KatalogeditorZeigen(int welcher) {
    if (welcher != menue::Material && welcher != menue::Querschnitte) return false;
    const bool mat = welcher == menue::Material;
    Katalogeditor& e = mat ? Materialeditor : Querschnittseditor;
    EditorErzeugen(e);
    SchreibbarkeitMelden(mat ? "material.dat" : "querschnitte.dat");
    Auffrischen(e);
    if (!e.Form->visible) FormZeigen(e.Form, FL_PLACE_CENTER, FL_TRANSIENT, mat ? "Material" : "Querschnitte");
    else fl_raise_form(e.Form);
    return true;
}

void StandardwertedialogZeigen() {
    StandardErzeugen();
    fl_set_button(Standard.Setzen, Programm.StandardwerteSetzen ? 1 : 0);
    MaterialienEintragen(Standard.Materialliste);
    QuerschnitteEintragen(Standard.Querschnittsliste);
    StandardtexteZeigen();
    if (!Standard.Form->visible)
        FormZeigen(Standard.Form, FL_PLACE_CENTER, FL_TRANSIENT, "Standardwerte Stab erzeugen");
    else fl_raise_form(Standard.Form);
}
