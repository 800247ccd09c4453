// "Belastung editieren": the point, distributed and temperature loads of one
// bar, with a drawing window that shows the bar and the selected load; and
// the window "Last kopieren", which only opens and closes.
//
// The edited bar is kept by its number and its System, never by pointer:
// the bar or the whole System may go away through the main window's menus
// while the editor is open.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/lastverwaltung.h"
#include "core/aenderungen.h"
#include "core/latin1.h"
#include "core/programm.h"
#include "core/systemoperationen.h"
#include "files/farben.h"
#include "files/massstab.h"
#include "files/uebersetzen.h"
#include "gui/auffrischung.h"
#include "gui/geometrie.h"
#include "gui/hauptfenster.h"
#include "gui/lasten.h"
#include "gui/listenauswahl.h"
#include "gui/rueckfragen.h"
#include "gui/rueckgaengig.h"
#include "gui/systeme.h"
#include "gui/werkzeugfenster_intern.h"
#include "gui/xforms.h"
#include "gui/xmaler.h"
#include "gui/zeichenfenster.h"
#include "gui/zeichenflaeche.h"
#include "workspace/eingabetext.h"
#include "workspace/zeichnen.h"

namespace {

enum { TYP_PUNKTLAST = 1, TYP_STRECKENLAST = 2, TYP_TEMPERATUR = 3 };

// A name input: the toolkit drops umlauts set by the program, so the shown
// text is an ASCII form and the original is kept until the user edits it.
struct Namensfeld {
    FL_OBJECT* Eingabe = nullptr;
    std::string Original, Angezeigt;
    void Setzen(const char* text) {
        Original = text ? text : "";
        Angezeigt = Eingabeform(Original);
        fl_set_input(Eingabe, Angezeigt.c_str());
    }
    std::string Lesen() const { return EingabeZurueckgewinnen(Original, Angezeigt, fl_get_input(Eingabe)); }
};

struct {
    FL_FORM* Form = nullptr;
    FL_OBJECT* Nummer = nullptr;
    FL_OBJECT* Laenge = nullptr;
    FL_OBJECT* Projektion = nullptr;
    FL_OBJECT* Lasttyp = nullptr;
    FL_OBJECT* Lastfaelle = nullptr;
    FL_OBJECT* Lasten = nullptr;
    // point load
    FL_OBJECT* PGruppe = nullptr;
    Namensfeld PName;
    FL_OBJECT* Art = nullptr;
    FL_OBJECT* Groesse = nullptr;
    FL_OBJECT* GroesseEinheit = nullptr;
    FL_OBJECT* PWinkel = nullptr;
    FL_OBJECT* PWinkelSystem = nullptr;
    FL_OBJECT* Position = nullptr;
    FL_OBJECT* Positionsbezug = nullptr;
    // distributed load
    FL_OBJECT* SGruppe = nullptr;
    Namensfeld SName;
    FL_OBJECT* GroesseA = nullptr;
    FL_OBJECT* GroesseB = nullptr;
    FL_OBJECT* PositionA = nullptr;
    FL_OBJECT* PositionB = nullptr;
    FL_OBJECT* SWinkel = nullptr;
    FL_OBJECT* SWinkelSystem = nullptr;
    // temperature load
    FL_OBJECT* TGruppe = nullptr;
    Namensfeld TName;
    FL_OBJECT* DeltaT = nullptr;
    FL_OBJECT* DeltaTM = nullptr;
} ed;

struct {
    FL_FORM* Form = nullptr;
} kopieren;

// The sketch window and what it shows.
Zeichenfenster skizze;
constexpr int SKIZZE_X = 380, SKIZZE_Y = 240, SKIZZE_B = 540, SKIZZE_H = 500;

System* bearbeitetesSystem = nullptr;
long stabnummer = -1;

// The edited bar while it and its System still exist.
Stab* Bearbeitet() {
    if (!bearbeitetesSystem || bearbeitetesSystem != Aktuell()) return nullptr;
    return StabSuchen(*Aktuell(), stabnummer);
}

bool Offen() { return ed.Form && ed.Form->visible; }

double Zahl(FL_OBJECT* ob) { return std::atof(fl_get_input(ob)); }

void Zahlsetzen(FL_OBJECT* ob, double wert) { fl_set_input_f(ob, "%.3f", wert); }

// Identifiers of the load cases selected in "Lastfälle", in list order.
std::vector<long> GewaehlteLastfaelle() {
    std::vector<long> kennungen;
    for (int i = 1; i <= fl_get_browser_maxline(ed.Lastfaelle); ++i)
        if (fl_isselected_browser_line(ed.Lastfaelle, i)) {
            const long k = LastfallKennung(*Aktuell(), ZeilenNummer(fl_get_browser_line(ed.Lastfaelle, i)));
            if (k != -1) kennungen.push_back(k);
        }
    return kennungen;
}

// The identifier of the selected load, or -1.
long GewaehlteLast() {
    const int zeile = fl_get_browser(ed.Lasten);
    if (zeile <= 0) return -1;
    return ZeilenNummer(fl_get_browser_line(ed.Lasten, zeile));
}

void Fehler(FL_OBJECT* eingabe, const char* text) {
    if (eingabe) fl_set_input(eingabe, "err");
    WarndialogZeigen(text, 2);
}

// ------------------------------------------------------------ sketch

void SkizzeZeichnen() {
    if (!skizze.Offen()) return;
    Stab* stab = Bearbeitet();
    XMaler maler = skizze.Maler();
    if (!stab) {
        maler.Hintergrund(ROLLE_HINTERGRUND);
        maler.Loeschen();
        maler.Senden();
        return;
    }
    const long kennung = GewaehlteLast();
    const Punktlast* p = kennung == -1 ? nullptr : PunktlastSuchen(*Aktuell(), kennung);
    const Streckenlast* s = kennung == -1 || p ? nullptr : StreckenlastSuchen(*Aktuell(), kennung);
    const Temperaturlast* t = kennung == -1 || p || s ? nullptr : TemperaturlastSuchen(*Aktuell(), kennung);
    LastskizzeZeichnen(maler, SKIZZE_B, SKIZZE_H, stab, p, s, Massstaebe.Streckenlast(),
                       Farben.Index[ROLLE_HINTERGRUND], t);
    maler.Senden();
}

// While the editor is open every event of the sketch window redraws it; the
// canvas gets no events.
int SkizzenEreignis(XEvent* ereignis, void*) {
    if (skizze.Betrifft(ereignis)) {
        if (RueckgaengigTaste(ereignis)) return 0;
        if (ereignis->type == Expose && ereignis->xexpose.count != 0) return 0;
        SkizzeZeichnen();
    }
    return 0;
}

void SkizzeErzeugen() {
    if (!skizze.Oeffnen(ed.Form, SKIZZE_X, SKIZZE_Y, SKIZZE_B, SKIZZE_H)) return;
    fl_set_event_callback(SkizzenEreignis, nullptr);
}

void SkizzeEntfernen() { skizze.Schliessen(); }

// ------------------------------------------------------------ lists and inputs

void KopfZeigen(const Stab& stab) {
    fl_set_object_label_f(ed.Nummer, "Nr.  :  %ld", stab.Nummer);
    fl_set_object_label_f(ed.Laenge, "%s  :  %.3f", Uebersetzen("Länge"_l1), stab.Laenge);
    // A vertical bar's projection is 0, not "-0.000".
    const double projektion = stab.Laenge * stab.Cos;
    fl_set_object_label_f(ed.Projektion, "Projektion  :  %.3f", std::fabs(projektion) < 5e-4 ? 0.0 : projektion);
}

void ArtAnzeigen() {
    const bool kraft = fl_get_choice(ed.Art) != ART_MOMENT;
    fl_set_object_label(ed.GroesseEinheit, kraft ? "[kN]" : "[kNm]");
    for (FL_OBJECT* ob : {ed.PWinkel, ed.PWinkelSystem}) {
        if (kraft) {
            fl_activate_object(ob);
            fl_set_object_lcol(ob, FL_BLACK);
        } else {
            fl_deactivate_object(ob);
            fl_set_object_lcol(ob, FL_INACTIVE);
        }
    }
}

int Lasttyp() {
    const int typ = fl_get_choice(ed.Lasttyp);
    return typ == TYP_STRECKENLAST || typ == TYP_TEMPERATUR ? typ : TYP_PUNKTLAST;
}

void LasttypAnzeigen() {
    const int typ = Lasttyp();
    for (FL_OBJECT* gruppe : {ed.PGruppe, ed.SGruppe, ed.TGruppe}) fl_hide_object(gruppe);
    if (typ == TYP_STRECKENLAST) {
        fl_show_object(ed.SGruppe);
    } else if (typ == TYP_TEMPERATUR) {
        fl_show_object(ed.TGruppe);
    } else {
        fl_show_object(ed.PGruppe);
        ArtAnzeigen();
    }
}

void LastfaelleFuellen() {
    // The selection survives a refill where the load cases still exist.
    std::vector<long> gewaehlt = GewaehlteLastfaelle();
    const bool ersteAuswaehlen = fl_get_browser_maxline(ed.Lastfaelle) == 0;
    fl_freeze_form(ed.Form);
    fl_clear_browser(ed.Lastfaelle);
    if (System* sys = Aktuell()) {
        int zeile = 0;
        for (Lastfall* lf : ElementeRueckwaerts<Lastfall>(sys->Lastfaelle)) {
            fl_add_browser_line(ed.Lastfaelle, LastfallZeile(*lf).c_str());
            ++zeile;
            for (long k : gewaehlt)
                if (k == lf->Kennung) fl_select_browser_line(ed.Lastfaelle, zeile);
        }
    }
    if (ersteAuswaehlen && fl_get_browser_maxline(ed.Lastfaelle) > 0) fl_select_browser_line(ed.Lastfaelle, 1);
    fl_unfreeze_form(ed.Form);
}

void LastenListeFuellen() {
    fl_freeze_form(ed.Form);
    fl_clear_browser(ed.Lasten);
    if (Stab* stab = Bearbeitet())
        for (const std::string& z : LastenZeilen(*Aktuell(), stab->Nummer, GewaehlteLastfaelle()))
            fl_add_browser_line(ed.Lasten, z.c_str());
    fl_unfreeze_form(ed.Form);
}

void LastWaehlen(long kennung) {
    for (int i = 1; i <= fl_get_browser_maxline(ed.Lasten); ++i)
        if (ZeilenNummer(fl_get_browser_line(ed.Lasten, i)) == kennung) {
            fl_select_browser_line(ed.Lasten, i);
            return;
        }
}

void LastAnzeigen() {
    Stab* stab = Bearbeitet();
    const long kennung = GewaehlteLast();
    const Punktlast* p = stab && kennung != -1 ? PunktlastSuchen(*Aktuell(), kennung) : nullptr;
    const Streckenlast* s = stab && kennung != -1 && !p ? StreckenlastSuchen(*Aktuell(), kennung) : nullptr;
    const Temperaturlast* t =
        stab && kennung != -1 && !p && !s ? TemperaturlastSuchen(*Aktuell(), kennung) : nullptr;
    fl_freeze_form(ed.Form);
    if (t) {
        const Temperaturlastwerte w = TemperaturlastWerte(*t);
        fl_set_choice(ed.Lasttyp, TYP_TEMPERATUR);
        ed.TName.Setzen(w.Name.c_str());
        Zahlsetzen(ed.DeltaT, w.DeltaT);
        Zahlsetzen(ed.DeltaTM, w.DeltaTM);
    } else if (s) {
        const Streckenlastwerte w = StreckenlastWerte(*s, *stab);
        fl_set_choice(ed.Lasttyp, TYP_STRECKENLAST);
        ed.SName.Setzen(w.Name.c_str());
        Zahlsetzen(ed.GroesseA, w.GroesseA);
        Zahlsetzen(ed.GroesseB, w.GroesseB);
        Zahlsetzen(ed.PositionA, w.PositionA);
        Zahlsetzen(ed.PositionB, w.PositionB);
        Zahlsetzen(ed.SWinkel, w.Winkel);
        fl_set_choice(ed.SWinkelSystem, w.Koordinatensystem == KOORD_GLOBAL ? 2 : 1);
    } else if (p) {
        const Punktlastwerte w = PunktlastWerte(*p, *stab);
        fl_set_choice(ed.Lasttyp, TYP_PUNKTLAST);
        ed.PName.Setzen(w.Name.c_str());
        Zahlsetzen(ed.Groesse, w.Groesse);
        fl_set_choice(ed.Positionsbezug, w.Positionsbezug == KOORD_GLOBAL ? 2 : 1);
        Zahlsetzen(ed.Position, w.Position);
        Zahlsetzen(ed.PWinkel, w.Winkel);
        fl_set_choice(ed.PWinkelSystem, w.Koordinatensystem == KOORD_GLOBAL ? 2 : 1);
        fl_set_choice(ed.Art, w.Art == ART_MOMENT ? 2 : 1);
    } else {
        ed.PName.Setzen("");
        ed.SName.Setzen("");
        ed.TName.Setzen("");
        for (FL_OBJECT* ob :
             {ed.Groesse, ed.PWinkel, ed.Position, ed.GroesseA, ed.GroesseB, ed.SWinkel, ed.DeltaT, ed.DeltaTM})
            fl_set_input(ob, "");
        fl_set_input(ed.PositionA, "0.00");
        if (stab) Zahlsetzen(ed.PositionB, stab->Laenge);
        else fl_set_input(ed.PositionB, "");
    }
    LasttypAnzeigen();
    fl_unfreeze_form(ed.Form);
    SkizzeZeichnen();
}

Punktlastwerte PunktlastEingaben() {
    Punktlastwerte w;
    w.Name = ed.PName.Lesen();
    w.Art = fl_get_choice(ed.Art) == 2 ? ART_MOMENT : ART_KRAFT;
    w.Groesse = Zahl(ed.Groesse);
    w.Winkel = Zahl(ed.PWinkel);
    w.Koordinatensystem = fl_get_choice(ed.PWinkelSystem) == 2 ? KOORD_GLOBAL : KOORD_LOKAL;
    w.Position = Zahl(ed.Position);
    w.Positionsbezug = fl_get_choice(ed.Positionsbezug) == 2 ? KOORD_GLOBAL : KOORD_LOKAL;
    return w;
}

Streckenlastwerte StreckenlastEingaben() {
    Streckenlastwerte w;
    w.Name = ed.SName.Lesen();
    w.GroesseA = Zahl(ed.GroesseA);
    w.GroesseB = Zahl(ed.GroesseB);
    w.PositionA = Zahl(ed.PositionA);
    w.PositionB = Zahl(ed.PositionB);
    w.Winkel = Zahl(ed.SWinkel);
    w.Koordinatensystem = fl_get_choice(ed.SWinkelSystem) == 2 ? KOORD_GLOBAL : KOORD_LOKAL;
    return w;
}

Temperaturlastwerte TemperaturlastEingaben() {
    Temperaturlastwerte w;
    w.Name = ed.TName.Lesen();
    w.DeltaT = Zahl(ed.DeltaT);
    w.DeltaTM = Zahl(ed.DeltaTM);
    return w;
}

// Shows a refusal at the input it concerns; true when there was none.
bool FehlerZeigen(Lastfehler f, int typ) {
    FL_OBJECT* ob = nullptr;
    switch (f) {
    case Lastfehler::Keiner: return true;
    case Lastfehler::Position: ob = ed.Position; break;
    case Lastfehler::PositionA: ob = ed.PositionA; break;
    case Lastfehler::PositionB:
    case Lastfehler::Reihenfolge: ob = ed.PositionB; break;
    case Lastfehler::Zahl:
        ob = typ == TYP_PUNKTLAST ? ed.Groesse : typ == TYP_STRECKENLAST ? ed.GroesseA : ed.DeltaT;
        break;
    }
    Fehler(ob, LastfehlerText(f));
    return false;
}

// ------------------------------------------------------------ callbacks

void LasttypCB(FL_OBJECT*, long) { LasttypAnzeigen(); }
void ArtCB(FL_OBJECT*, long) { ArtAnzeigen(); }

void LastfaelleCB(FL_OBJECT*, long) {
    LastenListeFuellen();
    LastAnzeigen();
}

void LastenCB(FL_OBJECT*, long) { LastAnzeigen(); }

void EintragenCB(FL_OBJECT*, long) {
    Stab* stab = Bearbeitet();
    if (!stab) return;
    const int typ = Lasttyp();
    const std::vector<long> faelle = GewaehlteLastfaelle();
    std::vector<long> neu;
    AktionBenennen("Last eintragen");
    Lastfehler f;
    if (typ == TYP_TEMPERATUR)
        f = TemperaturlastEintragen(*Aktuell(), *stab, TemperaturlastEingaben(), faelle, &neu);
    else if (typ == TYP_STRECKENLAST)
        f = StreckenlastEintragen(*Aktuell(), *stab, StreckenlastEingaben(), faelle, &neu);
    else
        f = PunktlastEintragen(*Aktuell(), *stab, PunktlastEingaben(), faelle, &neu);
    if (!FehlerZeigen(f, typ)) return;
    LastenListeFuellen();
    // The new load is the one the sketch shows and "Last ändern" changes.
    if (!neu.empty()) LastWaehlen(neu.front());
    SkizzeZeichnen();
    NeuZeichnen();
}

void AendernCB(FL_OBJECT*, long) {
    Stab* stab = Bearbeitet();
    if (!stab) return;
    const long kennung = GewaehlteLast();
    if (kennung == -1) {
        Fehler(nullptr, "keine Last ausgewählt"_l1);
        return;
    }
    const int typ = Lasttyp();
    bool gefunden = false;
    AktionBenennen("Last ändern"_l1);
    Lastfehler f;
    if (typ == TYP_TEMPERATUR)
        f = TemperaturlastAendern(*Aktuell(), kennung, TemperaturlastEingaben(), gefunden);
    else if (typ == TYP_STRECKENLAST)
        f = StreckenlastAendern(*Aktuell(), kennung, *stab, StreckenlastEingaben(), gefunden);
    else
        f = PunktlastAendern(*Aktuell(), kennung, *stab, PunktlastEingaben(), gefunden);
    if (!FehlerZeigen(f, typ) || !gefunden) return;
    LastenListeFuellen();
    LastWaehlen(kennung);
    SkizzeZeichnen();
    NeuZeichnen();
}

void LoeschenCB(FL_OBJECT*, long) {
    const long kennung = GewaehlteLast();
    if (kennung == -1 || !Bearbeitet()) return;
    AktionBenennen("Last löschen"_l1);
    PunktlastLoeschen(*Aktuell(), kennung);
    StreckenlastLoeschen(*Aktuell(), kennung);
    TemperaturlastLoeschen(*Aktuell(), kennung);
    LastenListeFuellen();
    LastAnzeigen();
    NeuZeichnen();
}

// Moving and copying ask for the target load case.
void ZielCB(FL_OBJECT*, long kopieren) {
    const long kennung = GewaehlteLast();
    if (kennung == -1 || !Bearbeitet()) {
        Fehler(nullptr, "keine Last ausgewählt"_l1);
        return;
    }
    const char* antwort =
        Texteingabe(kopieren ? "In welchen Lastfall kopieren ?" : "In welchen Lastfall verschieben ?", "");
    if (!antwort || !Bearbeitet()) return;
    const long nummer = ZeilenNummer(antwort);
    if (nummer < 0 || LastfallKennung(*Aktuell(), nummer) == -1) {
        Fehler(nullptr, "Lastfall existiert nicht !");
        return;
    }
    AktionBenennen(kopieren ? "Last kopieren" : "Last verschieben");
    if (kopieren) LastKopieren(*Aktuell(), kennung, nummer);
    else LastVerschieben(*Aktuell(), kennung, nummer);
    LastenListeFuellen();
    LastAnzeigen();
    NeuZeichnen();
}

// `zeichnen` false while a System is being deleted: its chains are no
// longer fit to be drawn.
void Schliessen(bool zeichnen) {
    SkizzeEntfernen();
    if (ed.Form && ed.Form->visible) fl_hide_form(ed.Form);
    ZeichenflaechenEreignisseEinsetzen();
    bearbeitetesSystem = nullptr;
    stabnummer = -1;
    if (zeichnen) NeuZeichnen();
}

void SchliessenCB(FL_OBJECT*, long) { Schliessen(true); }

int EditorSchliessen(FL_FORM*, void*) {
    Schliessen(true);
    return FL_IGNORE;
}

void KopierenSchliessenCB(FL_OBJECT*, long) {
    fl_hide_form(kopieren.Form);
    NeuZeichnen();
}

int KopierenVerbergen(FL_FORM* form, void*) {
    fl_hide_form(form);
    NeuZeichnen();
    return FL_IGNORE;
}

// ------------------------------------------------------------ forms

FL_OBJECT* Eingabe(int y, const char* text, const char* einheit) {
    FL_OBJECT* ob = fl_add_input(FL_NORMAL_INPUT, 170, y, 125, 28, text);
    if (einheit) fl_add_text(FL_NORMAL_TEXT, 298, y, 70, 28, einheit);
    return ob;
}

FL_OBJECT* Auswahl(int y, const char* text, std::initializer_list<const char*> eintraege, FL_CALLBACKPTR cb) {
    FL_OBJECT* ob = fl_add_choice(FL_NORMAL_CHOICE2, 170, y, 125, 28, text);
    for (const char* e : eintraege) fl_addto_choice(ob, e);
    if (cb) fl_set_object_callback(ob, cb, 0);
    return ob;
}

FL_OBJECT* Knopf(int typ, int x, int y, const char* text, FL_CALLBACKPTR cb, long wert = 0) {
    FL_OBJECT* ob = fl_add_button(typ, x, y, 165, 30, text);
    fl_set_object_callback(ob, cb, wert);
    return ob;
}

void FormenErzeugen() {
    if (ed.Form) return;
    FL_OBJECT* ob;
    ed.Form = fl_bgn_form(FL_UP_BOX, 940, 760);
    ed.Nummer = fl_add_text(FL_NORMAL_TEXT, 20, 10, 150, 25, "");
    ed.Laenge = fl_add_text(FL_NORMAL_TEXT, 180, 10, 190, 25, "");
    ed.Projektion = fl_add_text(FL_NORMAL_TEXT, 20, 35, 350, 25, "");
    ed.Lasttyp = ob = fl_add_choice(FL_NORMAL_CHOICE2, 170, 75, 125, 28, "Lastart");
    fl_addto_choice(ob, "Punktlast");
    fl_addto_choice(ob, "Streckenlast");
    fl_addto_choice(ob, "Temperatur");
    fl_set_object_callback(ob, LasttypCB, 0);
    ed.Lastfaelle = ob = fl_add_browser(FL_MULTI_BROWSER, 380, 30, 260, 190, "Lastfälle"_l1);
    fl_set_object_lalign(ob, FL_ALIGN_TOP);
    ListenRueckrufSetzen(ob, LastfaelleCB, 0);
    fl_set_browser_fontstyle(ob, FL_FIXED_STYLE);
    ed.Lasten = ob = fl_add_browser(FL_HOLD_BROWSER, 660, 30, 260, 190, "Lasten");
    fl_set_object_lalign(ob, FL_ALIGN_TOP);
    ListenRueckrufSetzen(ob, LastenCB, 0);
    fl_set_browser_fontstyle(ob, FL_FIXED_STYLE);

    ed.PGruppe = fl_bgn_group();
    ed.PName.Eingabe = ob = fl_add_input(FL_NORMAL_INPUT, 170, 130, 195, 28, "Name");
    fl_set_input_maxchars(ob, NAME_LANG - 1);
    ed.Art = Auswahl(170, "Art", {"Kraft", "Moment"}, ArtCB);
    ed.Groesse = fl_add_input(FL_NORMAL_INPUT, 170, 210, 125, 28, "Grösse"_l1);
    ed.GroesseEinheit = fl_add_text(FL_NORMAL_TEXT, 298, 210, 70, 28, "[kN]");
    ed.PWinkel = Eingabe(250, "Winkel", "[deg]");
    ed.PWinkelSystem = Auswahl(290, "Koordinatensytem", {"lokal", "global"}, nullptr);
    ed.Position = Eingabe(330, "Position", "[m]");
    ed.Positionsbezug = Auswahl(370, "Koordinatensytem", {"lokal", "global"}, nullptr);
    fl_end_group();

    ed.SGruppe = fl_bgn_group();
    ed.SName.Eingabe = ob = fl_add_input(FL_NORMAL_INPUT, 170, 130, 195, 28, "Name");
    fl_set_input_maxchars(ob, NAME_LANG - 1);
    ed.GroesseA = Eingabe(170, "Grösse Punkt A"_l1, "[kN/m]");
    ed.GroesseB = Eingabe(210, "Grösse Punkt B"_l1, "[kN/m]");
    ed.PositionA = Eingabe(250, "Position A", "[m]");
    ed.PositionB = Eingabe(290, "Position B", "[m]");
    ed.SWinkel = Eingabe(330, "Winkel", "[deg]");
    ed.SWinkelSystem = Auswahl(370, "Koordinatensytem", {"lokal", "global"}, nullptr);
    fl_end_group();

    // Over the whole bar; dT uniform, dTM = T below - T above (below: the
    // side of the dashed line).
    ed.TGruppe = fl_bgn_group();
    ed.TName.Eingabe = ob = fl_add_input(FL_NORMAL_INPUT, 170, 130, 195, 28, "Name");
    fl_set_input_maxchars(ob, NAME_LANG - 1);
    ed.DeltaT = Eingabe(170, "dT", "[K]");
    ed.DeltaTM = Eingabe(210, "dTM", "[K]");
    fl_end_group();

    // Enter enters a load; it must never delete one unasked.
    Knopf(FL_RETURN_BUTTON, 20, 440, "Last eintragen", EintragenCB);
    Knopf(FL_NORMAL_BUTTON, 200, 440, "Last löschen"_l1, LoeschenCB);
    Knopf(FL_NORMAL_BUTTON, 20, 480, "Last ändern"_l1, AendernCB);
    Knopf(FL_NORMAL_BUTTON, 200, 480, "Last verschieben", ZielCB, 0);
    Knopf(FL_NORMAL_BUTTON, 20, 520, "Last kopieren", ZielCB, 1);
    Knopf(FL_NORMAL_BUTTON, 200, 710, "Schließen"_l1, SchliessenCB);
    fl_end_form();
    fl_set_form_atclose(ed.Form, EditorSchliessen, nullptr);
    RueckgaengigTastenEinrichten(ed.Form);
    fl_hide_object(ed.SGruppe);
    fl_hide_object(ed.TGruppe);

    kopieren.Form = fl_bgn_form(FL_UP_BOX, 520, 300);
    ob = fl_add_browser(FL_HOLD_BROWSER, 20, 30, 200, 200, "");
    ob = fl_add_browser(FL_HOLD_BROWSER, 300, 30, 200, 200, "");
    fl_add_button(FL_NORMAL_BUTTON, 240, 110, 40, 30, "@>");
    ob = fl_add_button(FL_NORMAL_BUTTON, 340, 250, 160, 30, "Schließen"_l1);
    fl_set_object_callback(ob, KopierenSchliessenCB, 0);
    fl_end_form();
    fl_set_form_atclose(kopieren.Form, KopierenVerbergen, nullptr);
}

}  // namespace

// ------------------------------------------------------------ entry points

void LasteditorOeffnen(Stab* stab) {
    System* sys = Aktuell();
    if (!stab || !sys) return;
    FormenErzeugen();
    if (Offen()) SkizzeEntfernen();
    for (Stab* s : Elemente<Stab>(sys->Staebe)) s->Markiert = -1;
    stab->Markiert = 1;
    AenderungMelden(sys, AENDERUNG_MARKIERUNG);
    bearbeitetesSystem = sys;
    stabnummer = stab->Nummer;

    KopfZeigen(*stab);
    fl_clear_browser(ed.Lastfaelle);
    LastfaelleFuellen();
    LastenListeFuellen();
    LastAnzeigen();
    if (ed.Form->visible) fl_raise_form(ed.Form);
    else FormZeigen(ed.Form, FL_PLACE_CENTER, FL_TRANSIENT, "Belastung editieren");
    SkizzeErzeugen();
    SkizzeZeichnen();
    NeuZeichnen();
}

void LastKopierenOeffnen(Stab*) {
    FormenErzeugen();
    if (kopieren.Form->visible) fl_raise_form(kopieren.Form);
    else FormZeigen(kopieren.Form, FL_PLACE_CENTER, FL_TRANSIENT, "Last kopieren");
}

void LasteditorSchliessen() {
    if (Offen()) Schliessen(false);
    // Copying works on the edited bar's loads as well.
    if (kopieren.Form && kopieren.Form->visible) fl_hide_form(kopieren.Form);
}

void LasteditorLastfaelleAktualisieren() {
    if (!Offen()) return;
    // Another System became current: its bars are not the edited one.
    if (bearbeitetesSystem != Aktuell()) {
        Schliessen(false);
        return;
    }
    // The selected load stays selected while it is listed.
    const long kennung = GewaehlteLast();
    LastfaelleFuellen();
    LastenListeFuellen();
    if (kennung != -1) LastWaehlen(kennung);
    LastAnzeigen();
}

void LasteditorAuffrischen() {
    if (!Offen()) return;
    // The edited bar is kept by number; it may be gone, or be longer now.
    const Stab* stab = Bearbeitet();
    if (!stab) {
        Schliessen(true);
        return;
    }
    KopfZeigen(*stab);
    LasteditorLastfaelleAktualisieren();
}
