// The results window: the text listing of all or of the marked bars in an
// editable text field, printed or saved from its print dialog.
//
// Every showing makes a new window; several may be open at once, each with
// at most one print dialog of its own.  Windows are freed once their event
// has been handled, never inside a callback of their own objects.
#include "gui/ergebnisfenster.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "core/bericht.h"
#include "core/datenmodell.h"
#include "core/latin1.h"
#include "files/pfade.h"
#include "files/sicher_schreiben.h"
#include "gui/auffrischung.h"
#include "gui/geometrie.h"
#include "gui/xforms.h"
#include "gui/zeichenflaeche.h"
#include "output/druckauftrag.h"
#include "output/liste.h"
#include "workspace/eingabetext.h"

namespace {

// Program-wide for the run: the print command of listings and the last
// listing file name.
std::string listenDruckkommando = "lpr -Pascii";
std::string letzteListendatei;

struct Druckdialog;

struct Ergebnisfenster {
    FL_FORM* Form = nullptr;
    FL_OBJECT* Text = nullptr;
    Druckdialog* Druck = nullptr;
    // The listing as written and as the text field shows it (see
    // workspace/eingabetext.h): unedited, the listing is printed byte for byte.
    std::string Original;
    std::string Angezeigt;
};

struct Druckdialog {
    FL_FORM* Form = nullptr;
    FL_OBJECT* Kommando = nullptr;
    FL_OBJECT* Drucker = nullptr;
    FL_OBJECT* Datei = nullptr;
    FL_OBJECT* Dateiname = nullptr;
    Ergebnisfenster* Fenster = nullptr;
};

void Hinweis(const char* zeile1, const char* zeile2 = "") { fl_show_alert("", zeile1, zeile2, 1); }

void FormSpaeterFreigeben(FL_FORM* form) {
    fl_hide_form(form);
    fl_add_timeout(0, [](int, void* f) { fl_free_form(static_cast<FL_FORM*>(f)); }, form);
}

void DruckdialogSchliessen(Druckdialog* d) {
    if (!d) return;
    if (d->Fenster) d->Fenster->Druck = nullptr;
    FormSpaeterFreigeben(d->Form);
    delete d;
}

void FensterSchliessen(Ergebnisfenster* f) {
    DruckdialogSchliessen(f->Druck);
    FormSpaeterFreigeben(f->Form);
    delete f;
    NeuZeichnen();
}

Druckdialog* DialogVon(FL_OBJECT* ob) { return static_cast<Druckdialog*>(ob->form->u_vdata); }
Ergebnisfenster* FensterVon(FL_OBJECT* ob) { return static_cast<Ergebnisfenster*>(ob->form->u_vdata); }

// ------------------------------------------------------------ print dialog

void DruckenCB(FL_OBJECT* ob, long) {
    Druckdialog* d = DialogVon(ob);
    Ergebnisfenster* fenster = d->Fenster;
    std::string inhalt = EingabeZurueckgewinnen(fenster->Original, fenster->Angezeigt, fl_get_input(fenster->Text));
    const char* text = inhalt.c_str();
    if (fl_get_button(d->Drucker)) {
        listenDruckkommando = fl_get_input(d->Kommando);
        if (listenDruckkommando.find_first_not_of(' ') == std::string::npos) {
            Hinweis("Geben Sie ein Druckkommando ein");
            return;
        }
        std::string pfad = TempDateipfad(DRUCK_TEMPDATEI);
        FILE* f = std::fopen(pfad.c_str(), "w");
        bool gut = f && std::fwrite(text, 1, inhalt.size(), f) == inhalt.size();
        if (f) gut = std::fclose(f) == 0 && gut;
        if (!gut) {
            Hinweis("Fehler beim Schreiben der temp. Datei !");
            return;
        }
        DruckauftragStarten(pfad.c_str(), listenDruckkommando.c_str());
    } else {
        letzteListendatei = fl_get_input(d->Dateiname);
        if (letzteListendatei.empty()) {
            Hinweis("kein Dateiname augewählt"_l1);
            return;
        }
        // Through a temporary file: a failed write keeps an older listing.
        SichereDatei datei(letzteListendatei);
        FILE* f = datei.Oeffnen();
        bool gut = f && std::fwrite(text, 1, inhalt.size(), f) == inhalt.size() && datei.Abschliessen();
        if (!gut) {
            Hinweis("Ausgabe ist nicht möglich"_l1, "Datei konnte nicht geschrieben werden !");
            return;
        }
        MeldungFormatiert("Datei %s geschrieben ", letzteListendatei.c_str());
    }
    DruckdialogSchliessen(d);
}

void AbbrechenCB(FL_OBJECT* ob, long) { DruckdialogSchliessen(DialogVon(ob)); }

void DateinameCB(FL_OBJECT* ob, long) {
    Druckdialog* d = DialogVon(ob);
    const char* pfad = fl_show_fselector("Datei Name", Pfade.Projektverzeichnis.c_str(), "*.list", "");
    if (pfad) {
        fl_set_input(d->Dateiname, pfad);
        fl_set_button(d->Datei, 1);
        fl_set_button(d->Drucker, 0);
    }
}

int DruckdialogAtclose(FL_FORM* form, void*) {
    DruckdialogSchliessen(static_cast<Druckdialog*>(form->u_vdata));
    return FL_IGNORE;
}

void DruckdialogOeffnen(Ergebnisfenster* f) {
    if (f->Druck) {
        fl_raise_form(f->Druck->Form);
        return;
    }
    Druckdialog* d = new Druckdialog;
    d->Fenster = f;
    f->Druck = d;
    FL_OBJECT* ob;
    d->Form = fl_bgn_form(FL_NO_BOX, 650, 310);
    fl_add_box(FL_UP_BOX, 0, 0, 650, 310, "");
    fl_add_box(FL_FRAME_BOX, 20, 20, 610, 210, "");
    fl_add_frame(FL_ENGRAVED_FRAME, 10, 10, 630, 290, "");
    ob = fl_add_text(FL_NORMAL_TEXT, 40, 80, 160, 30, "Druckkommando");
    d->Kommando = fl_add_input(FL_NORMAL_INPUT, 210, 80, 190, 30, "");
    fl_set_input(d->Kommando, listenDruckkommando.c_str());
    fl_bgn_group();
    d->Drucker = fl_add_checkbutton(FL_RADIO_BUTTON, 40, 40, 130, 30, "Drucker");
    d->Datei = fl_add_checkbutton(FL_RADIO_BUTTON, 40, 130, 130, 30, "Datei");
    fl_end_group();
    fl_set_button(d->Drucker, 1);
    ob = fl_add_button(FL_NORMAL_BUTTON, 40, 170, 160, 30, "Dateiname");
    fl_set_object_callback(ob, DateinameCB, 0);
    d->Dateiname = fl_add_input(FL_NORMAL_INPUT, 210, 170, 400, 30, "");
    fl_set_input(d->Dateiname, letzteListendatei.c_str());
    ob = fl_add_button(FL_NORMAL_BUTTON, 470, 250, 140, 30, "Drucken");
    fl_set_object_callback(ob, DruckenCB, 0);
    ob = fl_add_button(FL_NORMAL_BUTTON, 40, 250, 140, 30, "Abbrechen");
    fl_set_object_callback(ob, AbbrechenCB, 0);
    fl_end_form();
    d->Form->u_vdata = d;
    fl_set_form_atclose(d->Form, DruckdialogAtclose, nullptr);
    FormZeigen(d->Form, FL_PLACE_CENTER, FL_TRANSIENT, "Ergebnisse drucken");
}

// ------------------------------------------------------------ results window

void SchliessenCB(FL_OBJECT* ob, long) { FensterSchliessen(FensterVon(ob)); }
void DruckCB(FL_OBJECT* ob, long) { DruckdialogOeffnen(FensterVon(ob)); }

int FensterAtclose(FL_FORM* form, void*) {
    FensterSchliessen(static_cast<Ergebnisfenster*>(form->u_vdata));
    return FL_IGNORE;
}

}  // namespace

void ErgebnisseZeigen(System& system, Kette staebe) {
    std::string text;
    if (!ListeAlsText(&system, staebe, text)) return;

    Ergebnisfenster* f = new Ergebnisfenster;
    FL_OBJECT* ob;
    f->Form = fl_bgn_form(FL_NO_BOX, 880, 830);
    fl_add_box(FL_UP_BOX, 0, 0, 880, 830, "");
    f->Text = ob = fl_add_input(FL_MULTILINE_INPUT, 20, 20, 840, 740, "");
    fl_set_object_lsize(ob, 14);
    fl_set_object_lstyle(ob, 17);
    fl_set_object_color(ob, 11, 7);
    fl_set_input_maxchars(ob, 0);
    ob = fl_add_button(FL_NORMAL_BUTTON, 670, 780, 180, 30, "Schließen"_l1);
    fl_set_object_lsize(ob, 14);
    fl_set_object_gravity(ob, FL_SouthEast, FL_SouthEast);
    fl_set_object_bw(ob, -2);
    fl_set_object_callback(ob, SchliessenCB, 0);
    ob = fl_add_button(FL_NORMAL_BUTTON, 470, 780, 180, 30, "Drucken");
    fl_set_object_lsize(ob, 14);
    fl_set_object_gravity(ob, FL_SouthEast, FL_SouthEast);
    fl_set_object_callback(ob, DruckCB, 0);
    fl_end_form();
    f->Form->u_vdata = f;
    fl_set_form_atclose(f->Form, FensterAtclose, nullptr);
    f->Original = text;
    f->Angezeigt = Eingabeform(text);
    fl_set_input(f->Text, f->Angezeigt.c_str());
    fl_set_input_cursorpos(f->Text, 0, 1);
    fl_set_form_position(f->Form, 200, 100);
    FormZeigen(f->Form, FL_PLACE_POSITION, FL_TRANSIENT, "Ergebnisse");
}

void DruckauftragStarten(const char* datei, const char* kommando) {
    Druckergebnis ergebnis = DruckauftragAusfuehren(datei, kommando);
    if (ergebnis != Druckergebnis::Gestartet) Hinweis(DruckergebnisText(ergebnis));
}
