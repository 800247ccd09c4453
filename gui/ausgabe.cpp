// The "Exportieren" dialog and the PostScript plot options ("Optionen").
//
// Both forms are created on first use and afterwards only shown and hidden;
// the writing itself is toolkit-free (output/export.h).
#include <cstdio>
#include <string>

#include "core/bericht.h"
#include "core/datenmodell.h"
#include "core/latin1.h"
#include "files/pfade.h"
#include "gui/auffrischung.h"
#include "gui/ausgabe.h"
#include "gui/geometrie.h"
#include "gui/systeme.h"
#include "gui/xforms.h"
#include "gui/zeichenflaeche.h"
#include "output/druckoptionen.h"
#include "output/export.h"

namespace {

void Hinweis(const char* zeile1, const char* zeile2 = "") { fl_show_alert("", zeile1, zeile2, 1); }

// ------------------------------------------------------------ plot options

struct Optionsdialog {
    FL_FORM* Form = nullptr;
    FL_OBJECT* System = nullptr;
    FL_OBJECT* Freiheitsgrade = nullptr;
    FL_OBJECT* Markierte = nullptr;
    FL_OBJECT* Moment = nullptr;
    FL_OBJECT* MomentMassstab = nullptr;
    FL_OBJECT* Querkraft = nullptr;
    FL_OBJECT* QuerkraftMassstab = nullptr;
    FL_OBJECT* Normalkraft = nullptr;
    FL_OBJECT* NormalkraftMassstab = nullptr;
    FL_OBJECT* Verschiebung = nullptr;
    FL_OBJECT* VerschiebungMassstab = nullptr;
    FL_OBJECT* Beschriftung = nullptr;
    FL_OBJECT* Seitenzahlen = nullptr;
    FL_OBJECT* DinA5 = nullptr;
    FL_OBJECT* DinA4 = nullptr;
    FL_OBJECT* Hochformat = nullptr;
    FL_OBJECT* Querformat = nullptr;
} opt;

void MassstabZeigen(FL_OBJECT* eingabe, double wert) {
    char text[64];
    std::snprintf(text, sizeof text, "%g", wert);
    fl_set_input(eingabe, text);
}

// The objects are the settings: every change goes straight into
// Druckeinstellungen, so a plot always uses what the dialog shows.
void OptionenUebernehmen() {
    Druckoptionen& d = Druckeinstellungen;
    d.System = fl_get_button(opt.System);
    d.Freiheitsgrade = fl_get_button(opt.Freiheitsgrade);
    d.MarkierteStaebe = fl_get_button(opt.Markierte);
    d.Moment = fl_get_button(opt.Moment);
    d.Querkraft = fl_get_button(opt.Querkraft);
    d.Normalkraft = fl_get_button(opt.Normalkraft);
    d.Verschiebung = fl_get_button(opt.Verschiebung);
    d.MomentMassstab = PlotmassstabLesen(fl_get_input(opt.MomentMassstab), d.MomentMassstab);
    d.QuerkraftMassstab = PlotmassstabLesen(fl_get_input(opt.QuerkraftMassstab), d.QuerkraftMassstab);
    d.NormalkraftMassstab = PlotmassstabLesen(fl_get_input(opt.NormalkraftMassstab), d.NormalkraftMassstab);
    d.VerschiebungMassstab = PlotmassstabLesen(fl_get_input(opt.VerschiebungMassstab), d.VerschiebungMassstab);
    d.Beschriftung = fl_get_button(opt.Beschriftung);
    d.Seitenzahlen = fl_get_button(opt.Seitenzahlen);
    d.DinA5 = fl_get_button(opt.DinA5);
    d.Querformat = fl_get_button(opt.Querformat);
}

void OptionenZeigen() {
    const Druckoptionen& d = Druckeinstellungen;
    fl_set_button(opt.System, d.System);
    fl_set_button(opt.Freiheitsgrade, d.Freiheitsgrade);
    fl_set_button(opt.Markierte, d.MarkierteStaebe);
    fl_set_button(opt.Moment, d.Moment);
    fl_set_button(opt.Querkraft, d.Querkraft);
    fl_set_button(opt.Normalkraft, d.Normalkraft);
    fl_set_button(opt.Verschiebung, d.Verschiebung);
    MassstabZeigen(opt.MomentMassstab, d.MomentMassstab);
    MassstabZeigen(opt.QuerkraftMassstab, d.QuerkraftMassstab);
    MassstabZeigen(opt.NormalkraftMassstab, d.NormalkraftMassstab);
    MassstabZeigen(opt.VerschiebungMassstab, d.VerschiebungMassstab);
    fl_set_button(opt.Beschriftung, d.Beschriftung);
    fl_set_button(opt.Seitenzahlen, d.Seitenzahlen);
    fl_set_button(opt.DinA5, d.DinA5);
    fl_set_button(opt.DinA4, !d.DinA5);
    fl_set_button(opt.Hochformat, !d.Querformat);
    fl_set_button(opt.Querformat, d.Querformat);
}

void OptionGeaendertCB(FL_OBJECT*, long) { OptionenUebernehmen(); }

void OptionenSchliessenCB(FL_OBJECT*, long) {
    OptionenUebernehmen();
    fl_hide_form(opt.Form);
}

void VorschauCB(FL_OBJECT*, long) {
    OptionenUebernehmen();
    PsVorschau(Aktuell());
}

int OptionenAtclose(FL_FORM* form, void*) {
    OptionenUebernehmen();
    fl_hide_form(form);
    return FL_IGNORE;
}

FL_OBJECT* Knopf(int typ, int x, int y, int b, const char* text) {
    FL_OBJECT* ob = fl_add_checkbutton(typ, x, y, b, 30, text);
    fl_set_object_callback(ob, OptionGeaendertCB, 0);
    return ob;
}

FL_OBJECT* Massstab(int y) {
    fl_add_text(FL_NORMAL_TEXT, 250, y, 90, 30, "Maßstab"_l1);
    FL_OBJECT* ob = fl_add_input(FL_FLOAT_INPUT, 340, y, 120, 30, "");
    fl_set_object_callback(ob, OptionGeaendertCB, 0);
    return ob;
}

void OptionsdialogErzeugen() {
    FL_OBJECT* ob;
    opt.Form = fl_bgn_form(FL_NO_BOX, 560, 480);
    fl_add_box(FL_UP_BOX, 0, 0, 560, 480, "");
    fl_add_frame(FL_ENGRAVED_FRAME, 10, 10, 540, 410, "");
    opt.System = Knopf(FL_PUSH_BUTTON, 30, 20, 200, " System");
    opt.Freiheitsgrade = Knopf(FL_PUSH_BUTTON, 60, 50, 200, " Freiheitsgrade");
    opt.Markierte = Knopf(FL_PUSH_BUTTON, 30, 85, 200, " markierte Stäbe"_l1);
    opt.Moment = Knopf(FL_PUSH_BUTTON, 30, 125, 200, " Moment");
    opt.MomentMassstab = Massstab(125);
    opt.Querkraft = Knopf(FL_PUSH_BUTTON, 30, 160, 200, " Querkraft");
    opt.QuerkraftMassstab = Massstab(160);
    opt.Normalkraft = Knopf(FL_PUSH_BUTTON, 30, 195, 200, " Normalkraft");
    opt.NormalkraftMassstab = Massstab(195);
    opt.Verschiebung = Knopf(FL_PUSH_BUTTON, 30, 230, 200, " Verschiebung");
    opt.VerschiebungMassstab = Massstab(230);
    opt.Beschriftung = Knopf(FL_PUSH_BUTTON, 30, 270, 200, " Beschriftung");
    opt.Seitenzahlen = Knopf(FL_PUSH_BUTTON, 30, 305, 200, " Seitenzahlen");
    fl_bgn_group();
    opt.DinA5 = Knopf(FL_RADIO_BUTTON, 30, 345, 150, "  DIN A5");
    opt.DinA4 = Knopf(FL_RADIO_BUTTON, 30, 375, 150, "  DIN A4");
    fl_end_group();
    fl_bgn_group();
    opt.Hochformat = Knopf(FL_RADIO_BUTTON, 250, 345, 150, "  Hochformat");
    opt.Querformat = Knopf(FL_RADIO_BUTTON, 250, 375, 150, "  Querformat");
    fl_end_group();
    ob = fl_add_button(FL_NORMAL_BUTTON, 400, 435, 140, 30, "OK");
    fl_set_object_callback(ob, OptionenSchliessenCB, 0);
    ob = fl_add_button(FL_NORMAL_BUTTON, 210, 435, 140, 30, "Vorschau");
    fl_set_object_callback(ob, VorschauCB, 0);
    ob = fl_add_button(FL_NORMAL_BUTTON, 20, 435, 140, 30, "Abbruch");
    fl_set_object_callback(ob, OptionenSchliessenCB, 0);
    fl_end_form();
    fl_set_form_atclose(opt.Form, OptionenAtclose, nullptr);
}

void OptionsdialogZeigen() {
    if (!opt.Form) OptionsdialogErzeugen();
    if (opt.Form->visible) {
        fl_raise_form(opt.Form);
        return;
    }
    OptionenZeigen();
    FormZeigen(opt.Form, FL_PLACE_CENTER, FL_FULLBORDER, "Optionen");
}

// ------------------------------------------------------------ export

struct Exportdialog {
    FL_FORM* Form = nullptr;
    FL_OBJECT* Drucker = nullptr;
    FL_OBJECT* Datei = nullptr;
    FL_OBJECT* Kommando = nullptr;
    FL_OBJECT* Dateiname = nullptr;
    FL_OBJECT* Format = nullptr;
    int Formatindex = -1;
} ausg;

void ExportSchliessen() {
    fl_hide_form(ausg.Form);
    NeuZeichnen();
}

void FormatCB(FL_OBJECT* ob, long) { ausg.Formatindex = fl_get_choice(ob) - 1; }

void OptionenCB(FL_OBJECT*, long) {
    if (ausg.Formatindex < 0 || ausg.Formatindex >= ExportformatAnzahl()) {
        MeldungAusgeben("kein Export-Format ausgewählt "_l1);
        return;
    }
    // The listing and the table have no settings of their own.
    if (Exportformate[ausg.Formatindex].HatOptionen) OptionsdialogZeigen();
}

void DateiWaehlenCB(FL_OBJECT*, long) {
    const char* muster = ausg.Formatindex >= 0 && ausg.Formatindex < ExportformatAnzahl()
                             ? Exportformate[ausg.Formatindex].Muster
                             : "*";
    const char* pfad = fl_show_fselector("Datei Name", Pfade.Projektverzeichnis.c_str(), muster, "");
    if (pfad) {
        fl_set_input(ausg.Dateiname, pfad);
        // Choosing a file means writing to it.
        fl_set_button(ausg.Datei, 1);
        fl_set_button(ausg.Drucker, 0);
    }
}

void ExportOkCB(FL_OBJECT*, long) {
    Exportergebnis ergebnis;
    std::string druckfehler;
    if (fl_get_button(ausg.Datei)) {
        ergebnis = InDateiExportieren(Aktuell(), ausg.Formatindex, fl_get_input(ausg.Dateiname));
    } else {
        ergebnis = Drucken(Aktuell(), ausg.Formatindex, fl_get_input(ausg.Kommando), &druckfehler);
    }
    if (ergebnis == Exportergebnis::Druckfehler) {
        // The job failed after the file was written: close like a print.
        Hinweis(druckfehler.c_str());
    } else if (ergebnis != Exportergebnis::Geschrieben) {
        const char* z1;
        const char* z2;
        ExportergebnisText(ergebnis, &z1, &z2);
        Hinweis(z1, z2);
        return;
    }
    ExportSchliessen();
}

void ExportAbbrechenCB(FL_OBJECT*, long) { ExportSchliessen(); }

int ExportAtclose(FL_FORM*, void*) {
    ExportSchliessen();
    return FL_IGNORE;
}

void ExportdialogErzeugen() {
    FL_OBJECT* ob;
    ausg.Form = fl_bgn_form(FL_NO_BOX, 620, 470);
    fl_add_box(FL_UP_BOX, 0, 0, 620, 470, "");
    fl_add_frame(FL_ENGRAVED_FRAME, 10, 10, 600, 390, "");
    fl_bgn_group();
    ausg.Drucker = fl_add_checkbutton(FL_RADIO_BUTTON, 30, 30, 150, 30, "  Drucker");
    ausg.Datei = fl_add_checkbutton(FL_RADIO_BUTTON, 30, 130, 150, 30, "  Datei");
    fl_end_group();
    fl_set_button(ausg.Drucker, 1);
    fl_add_text(FL_NORMAL_TEXT, 60, 70, 160, 30, "Druckkommando");
    ausg.Kommando = fl_add_input(FL_NORMAL_INPUT, 230, 70, 250, 30, "");
    fl_set_input_maxchars(ausg.Kommando, DRUCKKOMMANDO_MAX);
    ob = fl_add_button(FL_NORMAL_BUTTON, 60, 170, 200, 30, "Ausgabedatei wählen"_l1);
    fl_set_object_callback(ob, DateiWaehlenCB, 0);
    ausg.Dateiname = fl_add_input(FL_NORMAL_INPUT, 270, 170, 320, 30, "");
    ausg.Format = fl_add_choice(FL_NORMAL_CHOICE2, 230, 260, 250, 30, "Ausgabe - Format :");
    fl_set_object_callback(ausg.Format, FormatCB, 0);
    ob = fl_add_button(FL_NORMAL_BUTTON, 230, 320, 140, 30, "Optionen");
    fl_set_object_callback(ob, OptionenCB, 0);
    ob = fl_add_button(FL_NORMAL_BUTTON, 460, 420, 140, 30, "OK");
    fl_set_object_callback(ob, ExportOkCB, 0);
    ob = fl_add_button(FL_NORMAL_BUTTON, 20, 420, 140, 30, "Abbrechen");
    fl_set_object_callback(ob, ExportAbbrechenCB, 0);
    fl_end_form();
    fl_set_form_atclose(ausg.Form, ExportAtclose, nullptr);
    for (int i = 0; i < ExportformatAnzahl(); ++i) {
        fl_addto_choice(ausg.Format, Exportformate[i].Name);
    }
    fl_set_choice(ausg.Format, 1);
    ausg.Formatindex = 0;
    fl_set_input(ausg.Kommando, Druckkommando.c_str());
}

}  // namespace

void ExportdialogZeigen() {
    if (!ausg.Form) ExportdialogErzeugen();
    if (ausg.Form->visible) {
        fl_raise_form(ausg.Form);
        return;
    }
    FormZeigen(ausg.Form, FL_PLACE_CENTER, FL_TRANSIENT, "Exportieren");
}
