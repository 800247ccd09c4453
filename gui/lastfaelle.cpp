// "Lastfälle": the active load cases, their weights and names, and the
// load-case combinations, with the small dialog "Lastfall erzeugen".
// The window is the third tool window of the main window.
#include <cstdlib>
#include <string>
#include <vector>

#include "core/lastverwaltung.h"
#include "core/latin1.h"
#include "core/programm.h"
#include "core/systemoperationen.h"
#include "gui/auffrischung.h"
#include "gui/geometrie.h"
#include "gui/hauptfenster.h"
#include "gui/lasten.h"
#include "gui/listenauswahl.h"
#include "gui/rueckgaengig.h"
#include "gui/systeme.h"
#include "gui/werkzeugfenster.h"
#include "gui/zeichenflaeche.h"

namespace {

struct {
    FL_FORM* Form = nullptr;
    FL_OBJECT* Lastfaelle = nullptr;
    FL_OBJECT* Kombinationen = nullptr;
} dialog;

struct {
    FL_FORM* Form = nullptr;
    FL_OBJECT* Nummer = nullptr;
    FL_OBJECT* Bezeichnung = nullptr;
    FL_OBJECT* Gewicht = nullptr;
} erzeugen;

// Numbers of the selected lines of a browser, in list order.
std::vector<long> GewaehlteNummern(FL_OBJECT* liste) {
    std::vector<long> nummern;
    if (!liste) return nummern;
    for (int i = 1; i <= fl_get_browser_maxline(liste); ++i)
        if (fl_isselected_browser_line(liste, i)) nummern.push_back(ZeilenNummer(fl_get_browser_line(liste, i)));
    return nummern;
}

// The number of the first selected line, or -1.
long ErsteGewaehlteNummer(FL_OBJECT* liste) {
    std::vector<long> n = GewaehlteNummern(liste);
    return n.empty() ? -1 : n.front();
}

void Anzeigen();

// ------------------------------------------------------------ callbacks

void LastfaelleCB(FL_OBJECT*, long) {
    if (!Aktuell()) return;
    AktionBenennen("Lastfälle aktivieren"_l1);
    LastfaelleAktivieren(*Aktuell(), GewaehlteNummern(dialog.Lastfaelle));
    LasteditorLastfaelleAktualisieren();
    NeuZeichnen();
}

void ErzeugenCB(FL_OBJECT*, long) {
    if (!Aktuell()) return;
    if (erzeugen.Form->visible) {
        fl_raise_form(erzeugen.Form);
    } else {
        FormZeigen(erzeugen.Form, FL_PLACE_CENTER, FL_TRANSIENT, "Lastfall erzeugen");
    }
    fl_set_focus_object(erzeugen.Form, erzeugen.Bezeichnung);
}

void KopierenCB(FL_OBJECT*, long) {
    if (!Aktuell()) return;
    AktionBenennen("Lastfälle kopieren"_l1);
    AktiveLastfaelleKopieren(*Aktuell());
    LastfalllisteFuellen();
    LasteditorLastfaelleAktualisieren();
}

void EntfernenCB(FL_OBJECT*, long) {
    if (!Aktuell()) return;
    AktionBenennen("Lastfall entfernen");
    for (long nummer : GewaehlteNummern(dialog.Lastfaelle)) LastfallLoeschen(*Aktuell(), nummer);
    LastfalllisteFuellen();
    LasteditorLastfaelleAktualisieren();
    NeuZeichnen();
}

void NameCB(FL_OBJECT*, long modus) {
    if (!Aktuell()) return;
    EingabedialogOeffnen(static_cast<int>(modus), modus == EINGABE_GEWICHT ? "Gewicht" : "Name",
                         modus == EINGABE_GEWICHT ? "Lastfall gewichten" : "Name ändern"_l1);
}

void PfeilCB(FL_OBJECT*, long) {
    if (!Aktuell()) return;
    AktionBenennen("Kombination erzeugen");
    KombinationAusAktiven(*Aktuell(), -1);
    KombinationslisteFuellen();
}

void KombinationenCB(FL_OBJECT*, long) {
    if (!Aktuell()) return;
    const long nummer = ErsteGewaehlteNummer(dialog.Kombinationen);
    if (nummer < 0 || !KombinationSuchen(*Aktuell(), nummer)) return;
    AktionBenennen("Kombination anwenden");
    KombinationAktivieren(*Aktuell(), nummer);
    LastfalllisteFuellen();
    LasteditorLastfaelleAktualisieren();
    NeuZeichnen();
}

void KombinationEntfernenCB(FL_OBJECT*, long) {
    if (!Aktuell()) return;
    const long nummer = ErsteGewaehlteNummer(dialog.Kombinationen);
    if (nummer < 0 || !KombinationSuchen(*Aktuell(), nummer)) return;
    AktionBenennen("Kombination entfernen");
    KombinationLoeschen(*Aktuell(), nummer);
    ++Aktuell()->Aenderungen;
    KombinationslisteFuellen();
}

void KombinationAendernCB(FL_OBJECT*, long) {
    if (!Aktuell()) return;
    const long nummer = ErsteGewaehlteNummer(dialog.Kombinationen);
    if (nummer < 0) return;
    AktionBenennen("Kombination ändern"_l1);
    KombinationAendern(*Aktuell(), nummer);
    KombinationslisteFuellen();
}

void SchliessenCB(FL_OBJECT*, long) {
    FensterknopfLoesen(KNOPF_LASTFAELLE);
    if (dialog.Form->visible) fl_hide_form(dialog.Form);
    NeuZeichnen();
}

// "Lastfall erzeugen"
void NummerVergebenCB(FL_OBJECT*, long) {
    if (Aktuell()) fl_set_input_f(erzeugen.Nummer, "%ld", FreieLastfallnummer(*Aktuell()));
}

void LastfallErzeugenCB(FL_OBJECT*, long) {
    if (!Aktuell()) return;
    const long nummer = std::atol(fl_get_input(erzeugen.Nummer));
    double gewicht = 0;
    if (!ZahlLesen(fl_get_input(erzeugen.Gewicht), gewicht)) {
        fl_set_input(erzeugen.Gewicht, "err");
        return;
    }
    AktionBenennen("Lastfall erzeugen");
    Lastfall* lf = LastfallErzeugen(*Aktuell(), nummer, fl_get_input(erzeugen.Bezeichnung), -1);
    if (!lf) return;
    lf->Gewicht = gewicht;
    if (dialog.Lastfaelle) fl_addto_browser(dialog.Lastfaelle, LastfallZeile(*lf).c_str());
    fl_set_input(erzeugen.Nummer, "");
    fl_set_input(erzeugen.Bezeichnung, "");
    fl_set_focus_object(erzeugen.Form, erzeugen.Bezeichnung);
    LasteditorLastfaelleAktualisieren();
}

void ErzeugenSchliessenCB(FL_OBJECT*, long) { fl_hide_form(erzeugen.Form); }

int Verbergen(FL_FORM* form, void*) {
    fl_hide_form(form);
    return FL_IGNORE;
}

// ------------------------------------------------------------ forms

FL_OBJECT* Knopf(int x, int y, int b, const char* text, FL_CALLBACKPTR cb, long wert = 0) {
    FL_OBJECT* ob = fl_add_button(FL_NORMAL_BUTTON, x, y, b, 24, text);
    fl_set_object_callback(ob, cb, wert);
    return ob;
}

void FormenErzeugen() {
    if (dialog.Form) return;
    FL_OBJECT* ob;
    dialog.Form = fl_bgn_form(FL_UP_BOX, 560, 320);
    dialog.Lastfaelle = ob = fl_add_browser(FL_MULTI_BROWSER, 20, 30, 230, 190, "aktive Lastfälle"_l1);
    fl_set_object_lalign(ob, FL_ALIGN_TOP);
    ListenRueckrufSetzen(ob, LastfaelleCB, 0);
    fl_set_browser_fontstyle(ob, FL_FIXED_STYLE);
    Knopf(20, 228, 110, "Erzeugen", ErzeugenCB);
    Knopf(140, 228, 110, "Kopieren", KopierenCB);
    Knopf(20, 256, 110, "Entfernen", EntfernenCB);
    Knopf(140, 256, 110, "Gewichten", NameCB, EINGABE_GEWICHT);
    Knopf(20, 284, 115, "Name ändern"_l1, NameCB, EINGABE_LASTFALLNAME);
    ob = fl_add_button(FL_NORMAL_BUTTON, 260, 110, 40, 30, "@>");
    fl_set_object_callback(ob, PfeilCB, 0);
    dialog.Kombinationen = ob = fl_add_browser(FL_HOLD_BROWSER, 310, 30, 230, 190, "Lastfallkombinationen");
    fl_set_object_lalign(ob, FL_ALIGN_TOP);
    ListenRueckrufSetzen(ob, KombinationenCB, 0);
    fl_set_browser_fontstyle(ob, FL_FIXED_STYLE);
    Knopf(310, 228, 110, "Entfernen", KombinationEntfernenCB);
    Knopf(430, 228, 110, "Ändern"_l1, KombinationAendernCB);
    Knopf(310, 256, 115, "Name ändern"_l1, NameCB, EINGABE_KOMBINATIONSNAME);
    Knopf(430, 284, 110, "Schließen"_l1, SchliessenCB);
    fl_end_form();
    FensterSchliessenEinrichten(dialog.Form, Schliessart::Werkzeug, KNOPF_LASTFAELLE);
    RueckgaengigTastenEinrichten(dialog.Form);

    erzeugen.Form = fl_bgn_form(FL_UP_BOX, 500, 270);
    erzeugen.Nummer = fl_add_input(FL_INT_INPUT, 150, 30, 120, 30, "Nummer");
    Knopf(290, 33, 180, "Nummer vergeben", NummerVergebenCB);
    erzeugen.Bezeichnung = ob = fl_add_input(FL_NORMAL_INPUT, 150, 80, 320, 30, "Bezeichnung");
    fl_set_input_maxchars(ob, NAME_KURZ - 1);
    erzeugen.Gewicht = fl_add_input(FL_NORMAL_INPUT, 150, 130, 120, 30, "Gewicht");
    fl_set_input(erzeugen.Gewicht, "1");
    ob = fl_add_button(FL_RETURN_BUTTON, 290, 210, 180, 30, "Lastfall erzeugen");
    fl_set_object_callback(ob, LastfallErzeugenCB, 0);
    ob = fl_add_button(FL_NORMAL_BUTTON, 30, 210, 180, 30, "Schließen"_l1);
    fl_set_object_callback(ob, ErzeugenSchliessenCB, 0);
    fl_end_form();
    fl_set_form_atclose(erzeugen.Form, Verbergen, nullptr);
    RueckgaengigTastenEinrichten(erzeugen.Form);
}

void Anzeigen() {
    FormenErzeugen();
    LastfalllisteFuellen();
    KombinationslisteFuellen();
    if (dialog.Form->visible) {
        fl_raise_form(dialog.Form);
        return;
    }
    FormZeigen(dialog.Form, FL_PLACE_GEOMETRY, FL_TRANSIENT, "Lastfälle"_l1);
}

}  // namespace

// ------------------------------------------------------------ main-window hooks

FL_FORM* LastfallfensterForm() {
    FormenErzeugen();
    return dialog.Form;
}

bool LastfallfensterUmschalten(bool zeigen) {
    FormenErzeugen();
    if (zeigen) {
        if (!Aktuell()) return false;
        Anzeigen();
    } else {
        if (dialog.Form->visible) fl_hide_form(dialog.Form);
        if (erzeugen.Form->visible) fl_hide_form(erzeugen.Form);
    }
    return true;
}

void LastfalllistenLeeren() {
    // The System the load editor works on is going away.
    LasteditorSchliessen();
    if (!dialog.Form) return;
    fl_clear_browser(dialog.Lastfaelle);
    fl_clear_browser(dialog.Kombinationen);
}

void LastfalllisteFuellen() {
    if (!dialog.Form) return;
    fl_freeze_form(dialog.Form);
    fl_clear_browser(dialog.Lastfaelle);
    if (System* sys = Aktuell()) {
        int zeile = 0;
        for (Lastfall* lf : ElementeRueckwaerts<Lastfall>(sys->Lastfaelle)) {
            fl_add_browser_line(dialog.Lastfaelle, LastfallZeile(*lf).c_str());
            ++zeile;
            if (lf->Aktiv == 1) fl_select_browser_line(dialog.Lastfaelle, zeile);
        }
    }
    fl_unfreeze_form(dialog.Form);
    LasteditorLastfaelleAktualisieren();
}

void KombinationslisteFuellen() {
    if (!dialog.Form) return;
    fl_freeze_form(dialog.Form);
    fl_clear_browser(dialog.Kombinationen);
    if (System* sys = Aktuell())
        for (Lastfallkombination* k : ElementeRueckwaerts<Lastfallkombination>(sys->Kombinationen))
            fl_add_browser_line(dialog.Kombinationen, KombinationZeile(*k).c_str());
    fl_unfreeze_form(dialog.Form);
}

bool EingabeUebernehmen(int modus, const char* text) {
    if (!text) text = "";
    switch (modus) {
    case EINGABE_GEWICHT: {
        double gewicht = 0;
        AktionBenennen("Lastfall gewichten");
        if (ZahlLesen(text, gewicht) && Aktuell())
            LastfaelleGewichten(*Aktuell(), GewaehlteNummern(dialog.Lastfaelle), gewicht);
        LastfalllisteFuellen();
        EingabedialogVerbergen();
        return true;
    }
    case EINGABE_LASTFALLNAME:
        AktionBenennen("Name ändern"_l1);
        if (Aktuell()) LastfaelleBenennen(*Aktuell(), GewaehlteNummern(dialog.Lastfaelle), text);
        LastfalllisteFuellen();
        EingabedialogVerbergen();
        return true;
    case EINGABE_KOMBINATIONSNAME: {
        EingabedialogVerbergen();
        const long nummer = ErsteGewaehlteNummer(dialog.Kombinationen);
        AktionBenennen("Name ändern"_l1);
        if (nummer >= 0 && Aktuell() && KombinationBenennen(*Aktuell(), nummer, text)) KombinationslisteFuellen();
        return true;
    }
    default: return false;
    }
}
