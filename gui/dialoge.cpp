// The small dialogs of the main window: the not-implemented alert, info and
// credits, the warning dialog, the shared one-line input dialog and the
// number of bar divisions.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "core/bericht.h"
#include "core/aenderungen.h"
#include "core/latin1.h"
#include "core/programm.h"
#include "core/systemoperationen.h"
#include "files/pfade.h"
#include "files/projekt.h"
#include "gui/auffrischung.h"
#include "gui/geometrie.h"
#include "gui/hauptfenster.h"
#include "gui/lasten.h"
#include "gui/systeme.h"
#include "gui/zeichenflaeche.h"
#include "workspace/menues.h"

namespace {

struct {
    FL_FORM* Form = nullptr;
    FL_OBJECT* Logo = nullptr;
    FL_OBJECT* Linux = nullptr;
    FL_OBJECT* Version = nullptr;
    FL_OBJECT* Credits = nullptr;
} info;

struct {
    FL_FORM* Form = nullptr;
    FL_OBJECT* Text = nullptr;
    int Modus = 0;
} warnung;

struct {
    FL_FORM* Form = nullptr;
    FL_OBJECT* Beschriftung = nullptr;
    FL_OBJECT* Eingabe = nullptr;
    int Modus = 0;
} eingabe;

struct {
    FL_FORM* Form = nullptr;
    FL_OBJECT* Anzahl = nullptr;
} teilungen;

// Larger counts would build a model too big to compute in reasonable time
// or memory; the analysis of such a System could only end in a memory fault.
constexpr long STABTEILUNGEN_MAX = 1000;

int Verbergen(FL_FORM* form, void*) {
    fl_hide_form(form);
    return FL_IGNORE;
}

void Zeigen(FL_FORM* form, int platz, int rand, const char* titel) {
    if (form->visible) {
        fl_raise_form(form);
        return;
    }
    FormZeigen(form, platz, rand, titel);
}

// ------------------------------------------------------------ info

void InfoSchliessenCB(FL_OBJECT*, long) {
    fl_hide_form(info.Form);
    NeuZeichnen();
}

void InfoErzeugen() {
    FL_OBJECT* ob;
    info.Form = fl_bgn_form(FL_NO_BOX, 640, 600);
    fl_add_box(FL_UP_BOX, 0, 0, 640, 600, "");
    info.Logo = fl_add_pixmap(FL_NORMAL_PIXMAP, 20, 15, 400, 110, "");
    info.Linux = fl_add_pixmap(FL_NORMAL_PIXMAP, 480, 15, 140, 110, "");
    info.Version = ob = fl_add_text(FL_NORMAL_TEXT, 20, 135, 600, 25, "");
    fl_set_object_lalign(ob, FL_ALIGN_CENTER);
    fl_set_object_lsize(ob, FL_MEDIUM_SIZE);
    ob = fl_add_text(FL_NORMAL_TEXT, 20, 165, 600, 30, "Programm zur Berechnung ebener Stabwerke");
    fl_set_object_lalign(ob, FL_ALIGN_CENTER);
    fl_set_object_lsize(ob, FL_LARGE_SIZE);
    fl_set_object_lstyle(ob, FL_BOLD_STYLE);
    ob = fl_add_text(FL_NORMAL_TEXT, 20, 200, 600, 45,
                     "Die Autoren der Versionen 1.2 und 1.3.0 und alle, die dazu beigetragen\n"
                     "haben, nennt die Liste unten.");
    fl_set_object_lalign(ob, FL_ALIGN_CENTER);
    info.Credits = ob = fl_add_browser(FL_NORMAL_BROWSER, 20, 275, 600, 255, "Credits");
    fl_set_object_lalign(ob, FL_ALIGN_TOP_LEFT);
    ob = fl_add_button(FL_NORMAL_BUTTON, 470, 550, 150, 30, "Schließen"_l1);
    fl_set_object_callback(ob, InfoSchliessenCB, 0);
    fl_end_form();
    fl_set_form_atclose(info.Form, Verbergen, nullptr);
}

// ------------------------------------------------------------ warning

void WarnungOkCB(FL_OBJECT*, long) {
    if (warnung.Modus == 2) fl_hide_form(warnung.Form);
}

void WarnungAbbruchCB(FL_OBJECT*, long) {
    fl_hide_form(warnung.Form);
    NeuZeichnen();
}

void WarnungErzeugen() {
    FL_OBJECT* ob;
    warnung.Form = fl_bgn_form(FL_NO_BOX, 470, 250);
    fl_add_box(FL_UP_BOX, 0, 0, 470, 250, "");
    ob = fl_add_text(FL_NORMAL_TEXT, 30, 20, 410, 40, "Warnung !");
    fl_set_object_lsize(ob, FL_HUGE_SIZE);
    fl_set_object_lstyle(ob, FL_BOLD_STYLE);
    fl_set_object_lalign(ob, FL_ALIGN_CENTER);
    warnung.Text = ob = fl_add_text(FL_NORMAL_TEXT, 30, 70, 410, 110, "");
    fl_set_object_lalign(ob, FL_ALIGN_CENTER);
    fl_set_object_lsize(ob, FL_MEDIUM_SIZE);
    ob = fl_add_button(FL_RETURN_BUTTON, 280, 200, 160, 30, "OK");
    fl_set_object_callback(ob, WarnungOkCB, 0);
    ob = fl_add_button(FL_NORMAL_BUTTON, 30, 200, 160, 30, "Abbruch");
    fl_set_object_callback(ob, WarnungAbbruchCB, 0);
    fl_end_form();
    fl_set_form_atclose(warnung.Form, Verbergen, nullptr);
}

// ------------------------------------------------------------ input

void EingabeOkCB(FL_OBJECT*, long) {
    const char* text = fl_get_input(eingabe.Eingabe);
    if (eingabe.Modus == EINGABE_PROJEKT) {
        // An empty name or a failure leaves the dialog open for another name.
        if (ProjektErzeugen(text)) fl_hide_form(eingabe.Form);
        return;
    }
    if (!EingabeUebernehmen(eingabe.Modus, text)) {
        fl_hide_form(eingabe.Form);
        NichtImplementiert();
    }
}

void EingabeAbbruchCB(FL_OBJECT*, long) { fl_hide_form(eingabe.Form); }

void EingabeErzeugen() {
    FL_OBJECT* ob;
    eingabe.Form = fl_bgn_form(FL_NO_BOX, 510, 200);
    fl_add_box(FL_UP_BOX, 0, 0, 510, 200, "");
    eingabe.Beschriftung = ob = fl_add_text(FL_NORMAL_TEXT, 30, 30, 450, 30, "");
    fl_set_object_lsize(ob, FL_MEDIUM_SIZE);
    eingabe.Eingabe = ob = fl_add_input(FL_NORMAL_INPUT, 30, 70, 450, 30, "");
    fl_set_object_lsize(ob, FL_MEDIUM_SIZE);
    fl_set_input_maxchars(ob, 255);
    ob = fl_add_button(FL_RETURN_BUTTON, 330, 140, 150, 30, "OK");
    fl_set_object_callback(ob, EingabeOkCB, 0);
    ob = fl_add_button(FL_NORMAL_BUTTON, 30, 140, 150, 30, "Abbruch");
    fl_set_object_callback(ob, EingabeAbbruchCB, 0);
    fl_end_form();
    fl_set_form_atclose(eingabe.Form, Verbergen, nullptr);
}

// ------------------------------------------------------------ bar divisions

void TeilungenSchliessenCB(FL_OBJECT*, long) {
    if (System* sys = Aktuell()) {
        long n = std::atol(fl_get_input(teilungen.Anzahl));
        if (n < 0) n = 0;
        if (n > STABTEILUNGEN_MAX) {
            MeldungFormatiert("Anzahl Stabteilungen auf %ld begrenzt !", STABTEILUNGEN_MAX);
            n = STABTEILUNGEN_MAX;
        }
        AktionBenennen("Stabteilungen");
        sys->Stabteilungen = n;
        AenderungMelden(sys, AENDERUNG_TEILUNG);
    }
    fl_hide_form(teilungen.Form);
    NeuZeichnen();
}

void TeilungenErzeugen() {
    FL_OBJECT* ob;
    teilungen.Form = fl_bgn_form(FL_NO_BOX, 370, 140);
    fl_add_box(FL_UP_BOX, 0, 0, 370, 140, "");
    ob = fl_add_text(FL_NORMAL_TEXT, 30, 30, 170, 30, "Anzahl Stabteilungen");
    fl_set_object_lsize(ob, 14);
    teilungen.Anzahl = ob = fl_add_input(FL_INT_INPUT, 210, 30, 130, 30, "");
    ob = fl_add_button(FL_RETURN_BUTTON, 190, 90, 150, 30, "Schließen"_l1);
    fl_set_object_lsize(ob, 14);
    fl_set_object_callback(ob, TeilungenSchliessenCB, 0);
    fl_end_form();
    fl_set_form_atclose(teilungen.Form, Verbergen, nullptr);
}

}  // namespace

void NichtImplementiert() { fl_show_alert("Funktion noch nicht implementiert !", "", "", 1); }

void DialogeErzeugen() {
    InfoErzeugen();
    EingabeErzeugen();
    WarnungErzeugen();
    TeilungenErzeugen();
}

void InfoEinrichten() {
    fl_set_object_label(info.Version, Versionstext().c_str());
    std::string logo = Pfade.Verwaltungsverzeichnis + "/velko_logo.xpm";
    std::string linux = Pfade.Verwaltungsverzeichnis + "/linux.xpm";
    // A missing picture leaves its place empty.
    if (FILE* f = std::fopen(logo.c_str(), "r")) {
        std::fclose(f);
        fl_set_pixmap_file(info.Logo, logo.c_str());
    }
    if (FILE* f = std::fopen(linux.c_str(), "r")) {
        std::fclose(f);
        fl_set_pixmap_file(info.Linux, linux.c_str());
    }
}

void InfoZeigen() {
    std::string credits = Pfade.Verwaltungsverzeichnis + "/credits";
    if (!fl_load_browser(info.Credits, credits.c_str())) fl_clear_browser(info.Credits);
    Zeigen(info.Form, FL_PLACE_CENTER, FL_NOBORDER, "Info");
}

void WarndialogZeigen(const char* text, int modus) {
    warnung.Modus = modus;
    fl_set_object_label(warnung.Text, text ? text : "");
    Zeigen(warnung.Form, FL_PLACE_CENTER, FL_TRANSIENT, "Warnung !");
}

int WarndialogModus() { return warnung.Modus; }

void EingabedialogOeffnen(int modus, const char* beschriftung, const char* titel) {
    eingabe.Modus = modus;
    fl_set_object_label(eingabe.Beschriftung, beschriftung ? beschriftung : "");
    fl_set_input(eingabe.Eingabe, "");
    if (eingabe.Form->visible) {
        fl_set_form_title(eingabe.Form, titel ? titel : "");
        fl_raise_form(eingabe.Form);
    } else {
        FormZeigen(eingabe.Form, FL_PLACE_CENTER, FL_TRANSIENT, titel ? titel : "");
    }
    fl_set_focus_object(eingabe.Form, eingabe.Eingabe);
}

void EingabedialogVerbergen() {
    if (eingabe.Form && eingabe.Form->visible) fl_hide_form(eingabe.Form);
}

void StabteilungenAktualisieren() {
    if (!teilungen.Anzahl) return;
    if (System* sys = Aktuell()) fl_set_input_f(teilungen.Anzahl, "%ld", sys->Stabteilungen);
}

void StabteilungenZeigen() {
    StabteilungenAktualisieren();
    Zeigen(teilungen.Form, FL_PLACE_CENTER, FL_FULLBORDER, "Prozessor");
}
