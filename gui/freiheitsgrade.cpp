// The dialog "Freiheitsgrade": the six degrees of freedom of the first
// marked bar, with a drawing window of the bar, its record numbers and its
// supports.  While it is open the drawing window takes over the event
// handler, so the canvas does not react; closing gives it back.
//
// No bar pointer is kept: every callback looks up the first marked bar
// again, since the main window's menus can close or reload the System
// while the dialog is open.
#include "gui/freiheitsgrade.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "core/datenmodell.h"
#include "core/ergebnisstand.h"
#include "core/freiheitsgradbearbeitung.h"
#include "core/latin1.h"
#include "core/programm.h"
#include "core/systemoperationen.h"
#include "files/farben.h"
#include "gui/auffrischung.h"
#include "gui/geometrie.h"
#include "gui/rueckgaengig.h"
#include "gui/systeme.h"
#include "gui/werkzeugfenster_intern.h"
#include "gui/xforms.h"
#include "gui/xmaler.h"
#include "gui/zeichenfenster.h"
#include "gui/zeichenflaeche.h"
#include "workspace/zeichnen.h"

namespace {

struct Richtungsblock {
    FL_OBJECT* Nummer = nullptr;
    FL_OBJECT* Verschiebung = nullptr;
    FL_OBJECT* Eingepraegt = nullptr;   // support
    FL_OBJECT* Feder = nullptr;
    FL_OBJECT* Titel = nullptr;         // "Einwirkung" / "Auflager"
    FL_OBJECT* Wert = nullptr;          // Last or Reaktion
    FL_OBJECT* Frei = nullptr;          // second-row "eingeprägt": free
    // What the dialog last wrote into the displacement field: a text that
    // differs from it was typed by the user.
    std::string Gezeigt;
};

struct Fgformular {
    FL_FORM* Form = nullptr;
    FL_OBJECT* EndeA = nullptr;
    FL_OBJECT* EndeB = nullptr;
    Richtungsblock Richtung[3];
    FL_OBJECT* Global = nullptr;
    FL_OBJECT* Lokal = nullptr;
    FL_OBJECT* Zeichnen = nullptr;
} Dialog;

Zeichenfenster detail;
constexpr int DETAIL_X = 540, DETAIL_Y = 260, DETAIL_GROESSE = 400;

int Ende() { return fl_get_button(Dialog.EndeB) ? 1 : 0; }

void Zweitzeile(Richtungsblock& r, const Freiheitsgrad* fg) {
    const bool auflager = IstAuflager(fg);
    fl_set_object_label(r.Titel, auflager ? "Auflager" : "Einwirkung");
    char text[64] = "";
    // A reaction exists only as the result of a run.
    const System* sys = Aktuell();
    if (fg && (!auflager || (sys && ErgebnisseVorhanden(*sys))))
        std::snprintf(text, sizeof text, "%.4f", auflager ? fg->Reaktion : fg->Last);
    fl_set_object_label(r.Wert, text);
}

void VerschiebungZeigen(Richtungsblock& r, const char* text) {
    fl_set_input(r.Verschiebung, text);
    r.Gezeigt = fl_get_input(r.Verschiebung);
}

bool VerschiebungGetippt(const Richtungsblock& r) { return r.Gezeigt != fl_get_input(r.Verschiebung); }

long EingabeNummer(int richtung) { return std::atol(fl_get_input(Dialog.Richtung[richtung].Nummer)); }
double Eingabe(FL_OBJECT* ob) { return std::atof(fl_get_input(ob)); }

bool MenuepunktGesetzt(int punkt) {
    return (fl_get_menu_item_mode(Dialog.Zeichnen, punkt) & FL_PUP_CHECK) != 0;
}

// ------------------------------------------------------------ drawing window

void DetailfensterZeichnen() {
    Stab* stab = MarkierterStab();
    int breite = 0, hoehe = 0;
    if (!stab || !stab->PunktA || !stab->PunktB || !detail.Groesse(breite, hoehe)) return;
    XMaler maler = detail.Maler();
    maler.Loeschen();
    const Ansicht skizze = SkizzenAnsicht(*stab, breite, hoehe);
    SkizzenstabZeichnen(maler, skizze, *stab);

    if (MenuepunktGesetzt(1)) {
        maler.Schriftart(Schrift::Normal);
        maler.Hintergrund(ROLLE_HINTERGRUND);
        maler.Linie(2, Linienart::Durchgezogen, Linienende::Stumpf);
        const double ax = skizze.BildX(stab->PunktA->X), ay = skizze.BildY(stab->PunktA->Y);
        const double bx = skizze.BildX(stab->PunktB->X), by = skizze.BildY(stab->PunktB->Y);
        for (int slot = 0; slot < 6; ++slot) {
            const Freiheitsgrad* fg = stab->Freiheitsgrade[slot];
            if (!fg) continue;
            const double f = slot < 3 ? 0.175 : 0.725;
            const double px = (1 - f) * ax + f * bx, py = (1 - f) * ay + f * by;
            char text[32];
            std::snprintf(text, sizeof text, "%ld", fg->Nummer);
            const bool primal = IstAuflager(fg);
            maler.Farbe(ROLLE_FG_DUAL);
            if (slot % 3 == 2) {
                BogenZeichnen(maler, px - 32, py - 32, 64, 64, 20 * 64, 50 * 64);
                if (primal) maler.Toolkitfarbe(TOOLKIT_BLASSGRUEN);
                TextZeichnen(maler, px + 40 / 1.3, py - 40 / 1.3, text);
                continue;
            }
            const double w = fg->Winkel + (slot % 3 == 1 ? M_PI / 2 : 0.0);
            const double tx = px + 40 * std::cos(w), ty = py - 40 * std::sin(w);
            PfeilZeichnen(maler, px, py, tx, ty);
            if (primal) maler.Farbe(ROLLE_FG_PRIMAL);
            if (slot % 3 == 0) TextZeichnen(maler, tx + 5 * std::cos(w), ty - 5 * std::sin(w), text);
            else TextZeichnen(maler, tx, ty - 5, text);
        }
    }
    if (MenuepunktGesetzt(2)) {
        // The support symbols of the canvas, for this one bar.
        System nurDieser{};
        KeVorneEintragen(nurDieser.Staebe, stab);
        LagerZeichnen(maler, skizze, nurDieser);
        KetteLoeschen(nurDieser.Staebe);
    }
    maler.Senden();
}

// Any event of the drawing window redraws it; every other raw event
// (the canvas among them) is ignored while the dialog is open.
int DetailEreignis(XEvent* ev, void*) {
    if (detail.Betrifft(ev)) {
        if (RueckgaengigTaste(ev)) return 0;
        if (ev->type != Expose || ev->xexpose.count == 0) DetailfensterZeichnen();
    }
    return 0;
}

void DetailfensterErzeugen() {
    if (detail.Offen() || !detail.Oeffnen(Dialog.Form, DETAIL_X, DETAIL_Y, DETAIL_GROESSE, DETAIL_GROESSE)) return;
    fl_set_event_callback(DetailEreignis, nullptr);
}

void Schliessen() {
    // The drawing window is a child of the form, and hiding the form
    // destroys the form's window with its children: it goes first.
    detail.Schliessen();
    fl_hide_form(Dialog.Form);
    ZeichenflaechenEreignisseEinsetzen();
    NeuZeichnen();
}

// ------------------------------------------------------------ showing an end

// `getipptBehalten`: a displacement the user typed and that no record took
// yet (a free record's, see NeuerAuflagerwert) stays in its field.
void StabendeAnzeigen(int ende, bool getipptBehalten = false) {
    Stab* stab = MarkierterStab();
    if (ende > 1 || ende < 0 || !stab) return;
    const Freiheitsgrad* x = stab->Freiheitsgrade[3 * ende];
    const double winkel = x ? x->Winkel : 0.0;
    fl_set_input_f(Dialog.Global, "%.2f", winkel);
    fl_set_input_f(Dialog.Lokal, "%.2f", winkel - stab->Winkel);
    for (int d = 0; d < 3; ++d) {
        Richtungsblock& r = Dialog.Richtung[d];
        const Freiheitsgrad* fg = stab->Freiheitsgrade[3 * ende + d];
        const bool behalten = getipptBehalten && VerschiebungGetippt(r);
        if (fg) {
            fl_set_input_f(r.Nummer, "%ld", fg->Nummer);
            char text[64];
            std::snprintf(text, sizeof text, "%.4f", fg->Wert);
            if (!behalten) VerschiebungZeigen(r, text);
            fl_set_input_f(r.Feder, "%.4e", fg->Feder);
        } else {
            fl_set_input(r.Nummer, "");
            if (!behalten) VerschiebungZeigen(r, "");
            fl_set_input(r.Feder, "");
        }
        const bool auflager = IstAuflager(fg);
        fl_set_button(r.Eingepraegt, auflager ? 1 : 0);
        fl_set_button(r.Frei, auflager ? 0 : 1);
        Zweitzeile(r, fg);
    }
}

void NeuAnzeigen(int d, const Freiheitsgrad* fg) {
    if (!fg) return;
    Richtungsblock& r = Dialog.Richtung[d];
    VerschiebungZeigen(r, "0");
    fl_set_object_label(r.Wert, "0");
    fl_set_input_f(r.Nummer, "%ld", fg->Nummer);
    DetailfensterZeichnen();
}

// ------------------------------------------------------------ callbacks

void EndeCB(FL_OBJECT*, long ende) {
    StabendeAnzeigen(static_cast<int>(ende));
    DetailfensterZeichnen();
}

void VerschiebungCB(FL_OBJECT* ob, long d) {
    AktionBenennen("Verschiebung ändern"_l1);
    if (System* sys = Aktuell()) FgWertSetzen(*sys, EingabeNummer(static_cast<int>(d)), Eingabe(ob));
}
void FederCB(FL_OBJECT* ob, long d) {
    AktionBenennen("Federkonstante ändern"_l1);
    if (System* sys = Aktuell()) FgFederSetzen(*sys, EingabeNummer(static_cast<int>(d)), Eingabe(ob));
}

void AuflagerCB(FL_OBJECT*, long d) {
    Richtungsblock& r = Dialog.Richtung[d];
    const long n = EingabeNummer(static_cast<int>(d));
    System* sys = Aktuell();
    AktionBenennen("Auflager setzen");
    const Freiheitsgrad* fg = sys ? FreiheitsgradSuchen(sys->Freiheitsgrade, n) : nullptr;
    if (!fg) return;
    // After a run the field shows the computed displacement, which must not
    // become a prescribed one.
    const double wert = NeuerAuflagerwert(*fg, r.Gezeigt.c_str(), fl_get_input(r.Verschiebung));
    if (!FgAuflagerSetzen(*sys, n, wert)) return;
    char text[64];
    std::snprintf(text, sizeof text, "%.4f", fg->Wert);
    VerschiebungZeigen(r, text);
    Zweitzeile(r, fg);
    DetailfensterZeichnen();
}

void FreiCB(FL_OBJECT*, long d) {
    Richtungsblock& r = Dialog.Richtung[d];
    const long n = EingabeNummer(static_cast<int>(d));
    System* sys = Aktuell();
    AktionBenennen("Einwirkung setzen");
    if (!sys || !FgEinwirkungSetzen(*sys, n, Eingabe(r.Feder))) return;
    const Freiheitsgrad* fg = FreiheitsgradSuchen(sys->Freiheitsgrade, n);
    char text[64];
    std::snprintf(text, sizeof text, "%.4f", fg->Wert);
    VerschiebungZeigen(r, text);
    Zweitzeile(r, fg);
    DetailfensterZeichnen();
}

void GlobalCB(FL_OBJECT* ob, long) {
    Stab* stab = MarkierterStab();
    if (!stab) return;
    const double w = Eingabe(ob);
    AktionBenennen("Drehung ändern"_l1);
    WinkelSetzen(*Aktuell(), EingabeNummer(0), w);
    fl_set_input_f(Dialog.Lokal, "%.2f", w - stab->Winkel);
    DetailfensterZeichnen();
}

void LokalCB(FL_OBJECT* ob, long) {
    Stab* stab = MarkierterStab();
    if (!stab) return;
    const double w = Eingabe(ob) + stab->Winkel;
    AktionBenennen("Drehung ändern"_l1);
    WinkelSetzen(*Aktuell(), EingabeNummer(0), w);
    fl_set_input_f(Dialog.Global, "%.2f", w);
    DetailfensterZeichnen();
}

void NummerCB(FL_OBJECT* ob, long d) {
    Stab* stab = MarkierterStab();
    if (!stab) return;
    const int ende = Ende(), r = static_cast<int>(d);
    AktionBenennen("FG Nummer ändern"_l1);
    switch (FgNummerSetzen(*Aktuell(), stab, ende, r, std::atol(fl_get_input(ob)), fl_get_button(Dialog.Richtung[r].Eingepraegt),
                           Eingabe(Dialog.Global))) {
    case FgNummerFolge::Verbunden:
        DetailfensterZeichnen();
        StabendeAnzeigen(ende);
        break;
    case FgNummerFolge::AndereRichtung:
    case FgNummerFolge::Unveraendert: StabendeAnzeigen(ende); break;
    case FgNummerFolge::Neu: NeuAnzeigen(r, stab->Freiheitsgrade[3 * ende + r]); break;
    }
}

void NeuCB(FL_OBJECT*, long d) {
    Stab* stab = MarkierterStab();
    if (!stab) return;
    const int r = static_cast<int>(d);
    AktionBenennen("neuen FG erzeugen");
    NeuAnzeigen(r, NeuenFgErzeugen(*Aktuell(), stab, Ende(), r, fl_get_button(Dialog.Richtung[r].Eingepraegt),
                                   Eingabe(Dialog.Global)));
}

void ZeichnenCB(FL_OBJECT*, long) { DetailfensterZeichnen(); }
void SchliessenCB(FL_OBJECT*, long) { Schliessen(); }
int FgAtclose(FL_FORM*, void*) {
    Schliessen();
    return FL_IGNORE;
}

// ------------------------------------------------------------ the form

FL_OBJECT* Beschriftung(int x, int y, int b, int h, const char* text) {
    FL_OBJECT* ob = fl_add_text(FL_NORMAL_TEXT, x, y, b, h, text);
    fl_set_object_lalign(ob, FL_ALIGN_LEFT | FL_ALIGN_INSIDE);
    return ob;
}

FL_OBJECT* Eingabefeld(int typ, int x, int y, const char* titel, FL_CALLBACKPTR cb, long d) {
    FL_OBJECT* ob = fl_add_input(typ, x, y, 110, 28, titel);
    fl_set_object_callback(ob, cb, d);
    return ob;
}

void FormErzeugen() {
    if (Dialog.Form) return;
    Dialog.Form = fl_bgn_form(FL_UP_BOX, 980, 760);
    fl_bgn_group();
    Dialog.EndeA = fl_add_checkbutton(FL_RADIO_BUTTON, 20, 5, 70, 40, " A");
    Dialog.EndeB = fl_add_checkbutton(FL_RADIO_BUTTON, 100, 5, 70, 40, " B");
    fl_end_group();
    for (FL_OBJECT* ob : {Dialog.EndeA, Dialog.EndeB}) fl_set_object_lsize(ob, 24);
    fl_set_object_callback(Dialog.EndeA, EndeCB, 0);
    fl_set_object_callback(Dialog.EndeB, EndeCB, 1);

    Beschriftung(300, 10, 90, 28, "Drehung");
    Dialog.Global = Eingabefeld(FL_FLOAT_INPUT, 470, 10, "global", GlobalCB, 0);
    Beschriftung(585, 10, 50, 28, "[rad]");
    Dialog.Lokal = Eingabefeld(FL_FLOAT_INPUT, 720, 10, "lokal", LokalCB, 0);
    Beschriftung(835, 10, 50, 28, "[rad]");

    const char* buchstaben[3] = {"X", "Y", "Z"};
    for (int d = 0; d < 3; ++d) {
        Richtungsblock& r = Dialog.Richtung[d];
        const int x0 = 20 + 320 * d, y2 = 290 + 70 * d;
        FL_OBJECT* kopf = Beschriftung(x0, 50, 40, 35, buchstaben[d]);
        fl_set_object_lsize(kopf, FL_HUGE_SIZE);
        fl_set_object_lstyle(kopf, FL_BOLD_STYLE);
        r.Nummer = Eingabefeld(FL_INT_INPUT, x0 + 170, 55, "FG Nummer", NummerCB, d);
        FL_OBJECT* ob = fl_add_button(FL_NORMAL_BUTTON, x0 + 50, 90, 230, 30, "neuen FG erzeugen");
        fl_set_object_callback(ob, NeuCB, d);
        r.Verschiebung =
            Eingabefeld(FL_FLOAT_INPUT, x0 + 130, 130, d == 2 ? "Verdrehung" : "Verschiebung", VerschiebungCB, d);
        Beschriftung(x0 + 245, 130, 60, 28, d == 2 ? "[ / ]" : "[m]");
        r.Feder = Eingabefeld(FL_FLOAT_INPUT, x0 + 130, 200, "Federkonstante", FederCB, d);
        Beschriftung(x0 + 245, 200, 60, 28, d == 2 ? "[kNm]" : "[kN/m]");

        // Second row, left of the drawing window.
        FL_OBJECT* zeile = Beschriftung(20, y2, 30, 30, buchstaben[d]);
        fl_set_object_lstyle(zeile, FL_BOLD_STYLE);
        fl_set_object_lsize(zeile, FL_MEDIUM_SIZE);  // as big as the labels beside it
        r.Titel = Beschriftung(55, y2, 110, 30, "Einwirkung");
        r.Wert = fl_add_box(FL_DOWN_BOX, 170, y2, 130, 30, "");
        fl_set_object_lalign(r.Wert, FL_ALIGN_RIGHT | FL_ALIGN_INSIDE);
        Beschriftung(305, y2, 60, 30, d == 2 ? "[kNm]" : "[kN]");

        // The two "eingeprägt" buttons of a direction form one radio group.
        fl_bgn_group();
        r.Eingepraegt = fl_add_checkbutton(FL_RADIO_BUTTON, x0 + 130, 163, 150, 28, "eingeprägt"_l1);
        r.Frei = fl_add_checkbutton(FL_RADIO_BUTTON, 370, y2, 150, 30, "eingeprägt"_l1);
        fl_end_group();
        fl_set_object_callback(r.Eingepraegt, AuflagerCB, d);
        fl_set_object_callback(r.Frei, FreiCB, d);
    }
    Dialog.Zeichnen = fl_add_menu(FL_PULLDOWN_MENU, 20, 520, 120, 30, "Zeichnen");
    fl_set_object_boxtype(Dialog.Zeichnen, FL_UP_BOX);
    fl_addto_menu(Dialog.Zeichnen, "FG Nummern|Lager");
    fl_set_menu_item_mode(Dialog.Zeichnen, 1, FL_PUP_BOX | FL_PUP_CHECK);
    fl_set_menu_item_mode(Dialog.Zeichnen, 2, FL_PUP_BOX | FL_PUP_CHECK);
    fl_set_object_callback(Dialog.Zeichnen, ZeichnenCB, 0);
    FL_OBJECT* ob = fl_add_button(FL_NORMAL_BUTTON, 790, 705, 150, 35, "Schließen"_l1);
    fl_set_object_callback(ob, SchliessenCB, 0);
    fl_end_form();
    fl_set_form_atclose(Dialog.Form, FgAtclose, nullptr);
    RueckgaengigTastenEinrichten(Dialog.Form);
}

}  // namespace

void FreiheitsgradeAktualisieren() {
    if (!Dialog.Form || !Dialog.Form->visible) return;
    StabendeAnzeigen(Ende(), true);
    DetailfensterZeichnen();
}

void FreiheitsgradeBearbeiten() {
    if (!MarkierterStab()) return;
    FormErzeugen();
    fl_set_button(Dialog.EndeA, 1);
    fl_set_button(Dialog.EndeB, 0);
    StabendeAnzeigen(0);
    if (!Dialog.Form->visible) FormZeigen(Dialog.Form, FL_PLACE_CENTER, FL_TRANSIENT, "Freiheitsgrade");
    else fl_raise_form(Dialog.Form);
    DetailfensterErzeugen();
    XSync(fl_get_display(), False);
    DetailfensterZeichnen();
}

void FreiheitsgradeAuffrischen() {
    if (!Dialog.Form || !Dialog.Form->visible) return;
    // The bar whose records it showed may be gone: with no marked bar left
    // there is nothing to show.
    if (!MarkierterStab()) {
        Schliessen();
        return;
    }
    StabendeAnzeigen(Ende());
    DetailfensterZeichnen();
}

void FreiheitsgradeSchliessen() {
    if (Dialog.Form && Dialog.Form->visible) Schliessen();
}
