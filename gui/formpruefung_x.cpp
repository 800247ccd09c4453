// The check of the window texts (see formpruefung_x.h).
#include "gui/formpruefung_x.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <set>

#include "analysis/berechnung.h"
#include "core/katalogbearbeitung.h"
#include "core/latin1.h"
#include "core/programm.h"
#include "core/systemoperationen.h"
#include "gui/ausgabe.h"
#include "gui/bearbeiten.h"
#include "gui/ergebnisfenster.h"
#include "gui/freiheitsgrade.h"
#include "gui/geometrie.h"
#include "gui/hauptfenster.h"
#include "gui/kataloge.h"
#include "gui/lasten.h"
#include "gui/rueckfragen.h"
#include "gui/stabergebnisse.h"
#include "gui/systeme.h"
#include "gui/tabellen.h"
#include "gui/werkzeugfenster.h"
#include "gui/werkzeugfenster_intern.h"
#include "workspace/formpruefung.h"
#include "workspace/menues.h"

namespace {

const char* befunddatei = nullptr;
std::vector<std::string> befunde;
std::set<std::string> bekannt;       // a form shown twice reports once
std::vector<FL_FORM*> gezeigt;       // forms shown by the tour, hidden after each step
FL_FORM* zuletztGezeigt = nullptr;
std::set<FL_OBJECT*> freitext;       // labels and content of free text (paths, messages)

void Befund(const std::string& text) {
    if (bekannt.insert(text).second) befunde.push_back(text);
}

struct Masse {
    int B = 0, H = 0;
};

Masse Textmasse(int stil, int groesse, const char* text) {
    Masse m;
    fl_get_string_dimension(stil, groesse, text, static_cast<int>(std::strlen(text)), &m.B, &m.H);
    return m;
}

bool IstKnopfMitMarke(const FL_OBJECT* ob) {
    return ob->objclass == FL_CHECKBUTTON || ob->objclass == FL_ROUNDBUTTON || ob->objclass == FL_ROUND3DBUTTON ||
           ob->objclass == FL_LIGHTBUTTON;
}

// Where the toolkit draws the label of an object, and the room it has there
// (measured against the toolkit under Xvfb: texts inside start bw + 4 from
// the edge, texts beside an object keep 5 pixels to it and 3 above it).
void Beschriftung(const FL_OBJECT* ob, Formtext& t) {
    const Masse m = Textmasse(ob->lstyle, ob->lsize, ob->label);
    const int bw = std::abs(static_cast<int>(ob->bw));
    const int x = ob->x, y = ob->y, w = ob->w, h = ob->h;
    const int lage = ob->align & ~(FL_ALIGN_INSIDE | FL_ALIGN_VERT);
    const bool innen = (ob->align & FL_ALIGN_INSIDE) || lage == FL_ALIGN_CENTER;
    if (ob->objclass == FL_LABELFRAME && lage == FL_ALIGN_TOP_LEFT) {
        // On the frame's top line.
        t.Text = {x + 18, y - m.H / 2, m.B, m.H};
        return;
    }
    if (innen && IstKnopfMitMarke(ob) && lage == FL_ALIGN_CENTER) {
        // Right of the check mark; it should end on its button.
        t.Text = {x + static_cast<int>(0.6 * std::min(w, h)) + 9, y + (h - m.H) / 2, m.B, m.H};
        t.Raum = {x, y, w, h};
        return;
    }
    if (innen) {
        // A return button keeps its right end for the return symbol.
        const int breite = ob->objclass == FL_BUTTON && ob->type == FL_RETURN_BUTTON ? w - h * 85 / 100 : w;
        int tx = x + (breite - m.B) / 2;
        if (lage & FL_ALIGN_LEFT) tx = x + bw + 4;
        else if (lage & FL_ALIGN_RIGHT) tx = x + breite - bw - 4 - m.B;
        int ty = y + (h - m.H) / 2;
        if (lage & FL_ALIGN_TOP) ty = y + bw + 2;
        else if (lage & FL_ALIGN_BOTTOM) ty = y + h - bw - 2 - m.H;
        t.Text = {tx, ty, m.B, m.H};
        t.Raum = {x + bw + 1, y + bw, breite - 2 * bw - 2, h - 2 * bw};
        return;
    }
    int tx = x + (w - m.B) / 2, ty = y + (h - m.H) / 2;
    if (lage == FL_ALIGN_LEFT) tx = x - 5 - m.B;
    else if (lage == FL_ALIGN_RIGHT) tx = x + w + 5;
    else {
        if (lage & FL_ALIGN_TOP) ty = y - 3 - m.H;
        if (lage & FL_ALIGN_BOTTOM) ty = y + h + 1;
        if (lage & FL_ALIGN_LEFT) tx = x;
        if (lage & FL_ALIGN_RIGHT) tx = x + w - m.B;
    }
    t.Text = {tx, ty, m.B, m.H};
}

// The entries of a choice, each centred in the choice left of its arrow.
void Auswahleintraege(const FL_OBJECT* ob, const std::string& name, std::vector<Formtext>& objekte) {
    FL_OBJECT* auswahl = const_cast<FL_OBJECT*>(ob);
    const int bw = std::abs(static_cast<int>(ob->bw));
    const Formrechteck raum{ob->x + bw + 2, ob->y, ob->w - 2 * bw - 4 - ob->h * 3 / 4, ob->h};
    for (int i = 1; i <= fl_get_choice_maxitems(auswahl); ++i) {
        const char* eintrag = fl_get_choice_item_text(auswahl, i);
        if (!eintrag || !*eintrag) continue;
        const Masse m = Textmasse(FL_NORMAL_STYLE, FL_DEFAULT_SIZE, eintrag);
        Formtext t;
        t.Name = name + ": " + eintrag;
        t.Objekt = {ob->x, ob->y, ob->w, ob->h};
        t.Text = {raum.X + (raum.B - m.B) / 2, ob->y + (ob->h - m.H) / 2, m.B, m.H};
        t.Raum = raum;
        t.Inhalt = true;
        objekte.push_back(t);
    }
}

// The lines of a list: the toolkit scrolls sideways by as much as the
// widest line is wider than the list.
void Listenzeilen(FL_OBJECT* ob, const std::string& name, std::vector<Formtext>& objekte) {
    if (fl_get_browser_maxline(ob) == 0) return;
    FL_Coord x, y, w, h;
    fl_get_browser_dimension(ob, &x, &y, &w, &h);
    const FL_Coord vorher = fl_get_browser_xoffset(ob);
    fl_set_browser_rel_xoffset(ob, 1.0);
    const int mehr = fl_get_browser_xoffset(ob);
    fl_set_browser_xoffset(ob, vorher);
    Formtext t;
    t.Name = name + ": breiteste Zeile";
    t.Objekt = {ob->x, ob->y, ob->w, ob->h};
    t.Raum = {x, y, w, h};
    t.Text = {x, y, w + std::max(0, mehr), h};
    t.Inhalt = true;
    objekte.push_back(t);
}

void Beobachten(FL_FORM* form, const char* name) {
    zuletztGezeigt = form;
    if (std::find(gezeigt.begin(), gezeigt.end(), form) == gezeigt.end()) gezeigt.push_back(form);
    for (const std::string& b : FormtextePruefen(form, name)) Befund(b);
}

// --- the tour

// Closes what the last step opened as the window manager would, so that
// windows with a drawing window of their own let go of it.
void AlleVerbergen() {
    for (FL_FORM* f : gezeigt) {
        if (f == Haupt.Form || !f->visible) continue;
        if (f->close_callback) f->close_callback(f, f->close_data);
        if (f->visible) fl_hide_form(f);
    }
    gezeigt.clear();
    fl_check_forms();
}

// Presses the button labelled `marke` of the form last shown.
void Druecken(const char* marke) {
    if (!zuletztGezeigt) return;
    for (FL_OBJECT* ob = zuletztGezeigt->first; ob; ob = ob->next)
        if (ob->objclass == FL_BUTTON && ob->visible && ob->label && std::strcmp(ob->label, marke) == 0) {
            // The toolkit calls the button's callback from its loop.
            fl_trigger_object(ob);
            fl_check_forms();
            return;
        }
    Befund(std::string("Pruefung: kein Knopf '") + marke + "'");
}

// A question waits for its answer; this answers it with its last button
// (the file selector with its cancel button) once it is shown.
void Beantworten(int, void*) {
    FD_FSELECTOR* fs = fl_get_fselector_fdstruct();
    if (fs && zuletztGezeigt == fs->fselect) {
        fl_trigger_object(fs->cancel);
        return;
    }
    FL_OBJECT* letzter = nullptr;
    if (zuletztGezeigt)
        for (FL_OBJECT* ob = zuletztGezeigt->first; ob; ob = ob->next)
            if (ob->objclass == FL_BUTTON && ob->visible) letzter = ob;
    if (letzter) fl_trigger_object(letzter);
}

void Fragen() {
    // The box follows its text: a short one first, then a long one.
    fl_add_timeout(0, Beantworten, nullptr);
    Hinweisfenster("Funktion noch nicht implementiert !");
    fl_add_timeout(0, Beantworten, nullptr);
    Hinweisfenster("Ausgabe ist nicht möglich"_l1, "Datei /home/benutzer/Velko/projekte/beispiele/"
                                                   "stockwerkrahmen.list konnte nicht geschrieben werden !");
    fl_add_timeout(0, Beantworten, nullptr);
    Auswahlfrage("Einige Änderungen wurden \n nicht gesichert !\n Wirklich Beenden ?"_l1, 3,
                 "Speichern und\nBeenden", "Beenden", "Abbruch", 1);
    fl_add_timeout(0, Beantworten, nullptr);
    Auswahlfrage("Einige Änderungen wurden \n nicht gesichert !\n Wirklich schließen ?"_l1, 3,
                 "Speichern und\nschließen"_l1, "Schließen"_l1, "Abbruch", 1);
    fl_add_timeout(0, Beantworten, nullptr);
    Texteingabe("In welchen Lastfall verschieben ?", "");
    // The file selector shows itself: the observer does not see it.  Its
    // directory button shows the directory, a path of any length.
    if (FL_FORM* f = DateiauswahlForm()) {
        freitext.insert(fl_get_fselector_fdstruct()->dirbutt);
        fl_add_timeout(0, Beantworten, nullptr);
        zuletztGezeigt = f;
        DateiWaehlen(".", "*.sysdat");
        for (const std::string& b : FormtextePruefen(f, "Dateiauswahl")) Befund(b);
    }
}

void Rundgang(System& system, Stab* stab) {
    for (int knopf = KNOPF_ICONS; knopf <= KNOPF_EINSTELLUNGEN; ++knopf) {
        WerkzeugfensterUmschalten(knopf, true);
        if (knopf == KNOPF_LASTFAELLE) Druecken("Erzeugen");
        if (knopf == KNOPF_EINSTELLUNGEN) Druecken("Farben");
    }
    AlleVerbergen();
    InfoZeigen();
    RasterdialogZeigen();
    StabteilungenZeigen();
    PfadedialogZeigen();
    AlleVerbergen();
    EingabedialogOeffnen(EINGABE_PROJEKT, "Projektbezeichnung ", "Projekt erzeugen");
    WarndialogZeigen("keine Last ausgewählt"_l1, 1);
    AlleVerbergen();
    KatalogeditorZeigen(menue::Material);
    AlleVerbergen();
    KatalogeditorZeigen(menue::Querschnitte);
    StandardwertedialogZeigen();
    AlleVerbergen();
    MaterialZuweisen(StabauswahlMarkierte(system));
    AlleVerbergen();
    GeometriedialogOeffnen(stab);
    PunktdialogZeigen();
    VerschiebedialogZeigen();
    AlleVerbergen();
    FreiheitsgradeBearbeiten();
    AlleVerbergen();
    LasteditorOeffnen(stab);
    AlleVerbergen();
    LastKopierenOeffnen(stab);
    AlleVerbergen();
    StabergebnisseZeigen(stab);
    AlleVerbergen();
    TabelleZeigen(menue::Staebe);
    TabelleZeigen(menue::Punkte);
    AlleVerbergen();
    ExportdialogZeigen();
    Druecken("Optionen");
    AlleVerbergen();
    {
        // The listing names the file of the System: a path as long as a
        // user's, not the test's temporary one.
        const std::string datei = system.Dateiname;
        NameSetzen(system.Dateiname, "/home/benutzer/Velko/projekte/beispiele/rahmen.sysdat");
        ErgebnisseZeigen(system, system.Staebe);
        NameSetzen(system.Dateiname, datei.c_str());
    }
    Druecken("Drucken");
    AlleVerbergen();
    Fragen();
}

// The tool windows stand side by side on the screen.
void WerkzeugfensterLagePruefen() {
    struct {
        FL_FORM* form;
        const char* name;
    } const fenster[] = {{Icons.Form, "Icons"},
                         {Massstabfenster.Form, "Massstab"},
                         {LastfallfensterForm(), "Lastfaelle"},
                         {Zeichenauswahl.Form, "Zeichnen"},
                         {Zeicheneinstellungen.Form, "Zeichnen - Einstellungen"}};
    const std::size_t n = sizeof fenster / sizeof fenster[0];
    for (std::size_t i = 0; i < n; ++i) {
        const FL_FORM* a = fenster[i].form;
        if (!a) continue;
        const Formrechteck ra{static_cast<int>(a->x), static_cast<int>(a->y), static_cast<int>(a->w),
                              static_cast<int>(a->h)};
        if (!Formrechteck{0, 0, fl_scrw, fl_scrh}.Enthaelt(ra))
            Befund(std::string("Werkzeugfenster '") + fenster[i].name + "' liegt nicht auf dem Bildschirm");
        for (std::size_t k = i + 1; k < n; ++k) {
            const FL_FORM* b = fenster[k].form;
            if (b && ra.Schneidet({static_cast<int>(b->x), static_cast<int>(b->y), static_cast<int>(b->w),
                                   static_cast<int>(b->h)}))
                Befund(std::string("Werkzeugfenster '") + fenster[i].name + "' liegt auf '" + fenster[k].name + "'");
        }
    }
}

}  // namespace

std::vector<std::string> FormtextePruefen(FL_FORM* form, const char* name) {
    std::vector<Formtext> objekte;
    int nummer = 0;
    for (FL_OBJECT* ob = form ? form->first : nullptr; ob; ob = ob->next) {
        ++nummer;
        // Parts of composite objects (scroll bars) and hidden objects draw
        // nothing of their own here.
        if (ob->parent || !ob->visible || ob->objclass == FL_BEGIN_GROUP || ob->objclass == FL_END_GROUP) continue;
        // An invisible box without a label draws nothing at all.
        if (ob->objclass == FL_BOX && ob->boxtype == FL_NO_BOX && (!ob->label || !*ob->label)) continue;
        Formtext t;
        std::string marke = ob->label ? ob->label : "";
        std::replace(marke.begin(), marke.end(), '\n', ' ');
        t.Name = marke.empty() ? "Objekt#" + std::to_string(nummer) : marke;
        t.Objekt = {static_cast<int>(ob->x), static_cast<int>(ob->y), static_cast<int>(ob->w),
                    static_cast<int>(ob->h)};
        t.Behaelter = ob->objclass == FL_BOX || ob->objclass == FL_FRAME || ob->objclass == FL_LABELFRAME;
        const bool frei = freitext.count(ob) > 0;
        // A label of "@..." is a symbol scaled to its object.
        if (!frei && !marke.empty() && marke[0] != '@') Beschriftung(ob, t);
        objekte.push_back(t);
        if (frei) continue;
        if (ob->objclass == FL_CHOICE) Auswahleintraege(ob, t.Name, objekte);
        if (ob->objclass == FL_BROWSER) Listenzeilen(ob, t.Name, objekte);
    }
    return FormPruefen(name ? name : "", form ? form->w : 0, form ? form->h : 0, objekte);
}

bool FormpruefungBeginnen() {
    befunddatei = std::getenv("VELKO_FORMPRUEFUNG");
    if (!befunddatei || !*befunddatei) return false;
    ZeigebeobachterSetzen(Beobachten);
    return true;
}

int FormpruefungAbschliessen() {
    const std::string haupttitel = Haupt.Form && Haupt.Form->label ? Haupt.Form->label : "Velko";
    // Messages and the paths of Systems are free text of any length.
    freitext = {Haupt.Meldungen, Haupt.Systemauswahl};
    for (const std::string& b : FormtextePruefen(Haupt.Form, haupttitel.c_str())) Befund(b);
    WerkzeugfensterLagePruefen();
    System* system = Aktuell();
    Stab* stab = system ? StabSuchen(*system, 1) : nullptr;
    // Forms shown before the tour were checked when they showed; the
    // first-run dialog among them is freed by now.
    gezeigt.clear();
    zuletztGezeigt = nullptr;
    if (system && stab) {
        TheorieIOrdnungBerechnen(*system, Programm, Meldungsliste());
        stab->Markiert = 1;
        Rundgang(*system, stab);
    } else {
        Befund("Pruefung: kein System mit Stab 1 (Systemdatei angeben)");
    }
    // After the run there are more messages than the list can show.
    fl_check_forms();
    if (fl_get_browser_maxline(Haupt.Meldungen) < 8 || fl_get_browser_screenlines(Haupt.Meldungen) < 8)
        Befund("Meldungsliste zeigt " + std::to_string(fl_get_browser_screenlines(Haupt.Meldungen)) + " Zeilen");
    std::FILE* f = std::fopen(befunddatei, "w");
    if (!f) return 1;
    for (const std::string& b : befunde) std::fprintf(f, "%s\n", b.c_str());
    return std::fclose(f) == 0 ? 0 : 1;
}
