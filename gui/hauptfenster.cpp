// The main window: menu bar, systems choice, window toggle buttons,
// progress slider and message list, and the bar pop-up menu of the canvas.
#include "gui/hauptfenster.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

#include "analysis/berechnung.h"
#include "analysis/theorie2ordnung.h"
#include "analysis/umhuellende.h"
#include "core/bericht.h"
#include "core/katalogbearbeitung.h"
#include "core/latin1.h"
#include "core/programm.h"
#include "core/systemoperationen.h"
#include "files/pfade.h"
#include "files/systemdatei.h"
#include "gui/auffrischung.h"
#include "gui/ausgabe.h"
#include "gui/bearbeiten.h"
#include "gui/ergebnisfenster.h"
#include "gui/freiheitsgrade.h"
#include "gui/geometrie.h"
#include "gui/kataloge.h"
#include "gui/lasten.h"
#include "gui/rueckfragen.h"
#include "gui/rueckgaengig.h"
#include "gui/stabergebnisse.h"
#include "gui/systeme.h"
#include "gui/tabellen.h"
#include "gui/werkzeugfenster.h"
#include "gui/zeichenflaeche.h"
#include "output/druckauftrag.h"
#include "workspace/auswahl.h"
#include "workspace/menues.h"
#include "workspace/systemauswahl.h"

Hauptfenster Haupt;

namespace {

int einstellungenPopup = -1;
int stabPopup = -1;
int loeschenPopup = -1;  // the submenu "Löschen" of the bar menu
int letzteBreite = 0, letzteHoehe = 0;

void Festhalten(FL_OBJECT* ob) {
    // The main window grows with the screen; its controls keep their place
    // and size in the top left corner, the canvas takes the rest.
    fl_set_object_gravity(ob, FL_NorthWest, FL_NorthWest);
    fl_set_object_resize(ob, FL_RESIZE_NONE);
}

int PopupAusTabelle(const std::vector<Menueeintrag>& tabelle, int untermenue = -1) {
    int pup = fl_newpup(Haupt.Form && Haupt.Form->window ? Haupt.Form->window : 0);
    for (const Menueeintrag& e : tabelle) {
        std::string text = Eintragstext(e);
        if (text.find("%m") != std::string::npos) fl_addtopup(pup, text.c_str(), untermenue);
        else fl_addtopup(pup, text.c_str());
    }
    return pup;
}

std::string DateiErfragen() {
    const char* pfad = DateiWaehlen(Pfade.Projektverzeichnis.c_str(), "*.sysdat");
    return pfad ? pfad : "";
}

// ---------------------------------------------------------------- menus

void ProgrammCB(FL_OBJECT* ob, long) {
    switch (fl_get_menu(ob)) {
    case menue::Info: InfoZeigen(); break;
    case menue::Hilfe: HilfeAnzeigen(); break;
    case menue::Beenden: ProgrammBeenden(); break;
    default: break;
    }
}

void DatenbankCB(FL_OBJECT* ob, long) {
    switch (fl_get_menu(ob)) {
    case menue::NeuesProjekt:
        EingabedialogOeffnen(EINGABE_PROJEKT, "Projektbezeichnung ", "Projekt erzeugen");
        break;
    case menue::Material:
        if (!KatalogeditorZeigen(menue::Material)) NichtImplementiert();
        break;
    case menue::Querschnitte:
        if (!KatalogeditorZeigen(menue::Querschnitte)) NichtImplementiert();
        break;
    case menue::NeuesSystem: NeuesSystem(); break;
    case menue::SystemOeffnen: {
        std::string pfad = DateiErfragen();
        if (!pfad.empty()) SystemOeffnen(pfad.c_str());
        break;
    }
    case menue::SystemSichern: SystemSichern(Programm.Modus, Aktuell(), DateiErfragen); break;
    case menue::SystemSichernAls: SystemSichernAls(Programm.Modus, Aktuell(), DateiErfragen); break;
    case menue::SystemSchliessen:
        if (!SchliessenBestaetigen()) break;
        AktuellesSystemSchliessen();
        break;
    default: break;
    }
}

void BerechnenCB(FL_OBJECT* ob, long) {
    int wert = fl_get_menu(ob);
    System* sys = Aktuell();
    if (!sys) return;
    if (wert == menue::TheorieI) TheorieIOrdnungBerechnen(*sys, Programm, Meldungsliste());
    else if (wert == menue::TheorieII) TheorieIIOrdnungBerechnen(*sys, Programm, Meldungsliste());
    else if (wert == menue::Umhuellende) UmhuellendeBerechnen(*sys, Programm, Meldungsliste(), TheorieIOrdnungBerechnen);
    else if (wert == menue::UmhuellendeII)
        UmhuellendeBerechnen(*sys, Programm, Meldungsliste(), TheorieIIOrdnungBerechnen, true);
}

void TabellenCB(FL_OBJECT* ob, long) {
    int wert = fl_get_menu(ob);
    if (wert == menue::Staebe || wert == menue::Punkte)
        if (!TabelleZeigen(wert)) NichtImplementiert();
}

void AusgabeCB(FL_OBJECT* ob, long) {
    int wert = fl_get_menu(ob);
    System* sys = Aktuell();
    if (!sys) return;
    switch (wert) {
    case menue::BildschirmAlle: ErgebnisseZeigen(*sys, sys->Staebe); break;
    case menue::BildschirmMarkierte: {
        Kette markierte = nullptr;
        // Entered first one by one: the same order as a chain the program
        // builds anywhere else; the listing sorts by number anyway.
        for (Stab* s : ElementeRueckwaerts<Stab>(sys->Staebe))
            if (s->Markiert == 1) KeVorneEintragen(markierte, s);
        if (markierte) {
            ErgebnisseZeigen(*sys, markierte);
            KetteLoeschen(markierte);
        }
        break;
    }
    case menue::Exportieren:
        ExportdialogZeigen();
        break;
    default: break;
    }
}

void EinstellungenCB(FL_OBJECT* ob, long) {
    switch (fl_get_menu(ob)) {
    case menue::RasterFang:
        RasterdialogZeigen();
        break;
    case menue::StabErzeugen:
        StandardwertedialogZeigen();
        break;
    case menue::Pfade: PfadedialogZeigen(); break;
    case menue::FgBiegesteif: NeuZeichnen(); break;
    case menue::Prozessor: StabteilungenZeigen(); break;
    default: break;
    }
}

void SystemauswahlCB(FL_OBJECT* ob, long) {
    long nummer = SystemauswahlNummer(fl_get_choice_text(ob));
    if (nummer >= 0 && SystemAuswaehlen(nummer)) return;
    SystemauswahlAbgleichen();
}

void FensterknopfCB(FL_OBJECT* ob, long knopf) {
    bool gedrueckt = fl_get_button(ob) != 0;
    if (knopf == 3 && gedrueckt && Programm.Modus == 0) {
        MeldungAusgeben("kein System definiert !");
        fl_set_button(ob, 0);
        return;
    }
    if (!WerkzeugfensterUmschalten(static_cast<int>(knopf), gedrueckt)) {
        fl_set_button(ob, 0);
        if (gedrueckt) NichtImplementiert();
        return;
    }
    if (!gedrueckt) NeuZeichnen();
}

// An invisible object over the whole window notices when the window's size
// changed (it is redrawn then) and lets the canvas follow.
int GroessenwaechterHandler(FL_OBJECT* ob, int ereignis, FL_Coord, FL_Coord, int, void*) {
    if (ereignis == FL_DRAW && ob->form) {
        int b = ob->form->w, h = ob->form->h;
        if (b != letzteBreite || h != letzteHoehe) {
            bool erstesMal = letzteBreite == 0;
            letzteBreite = b;
            letzteHoehe = h;
            if (!erstesMal) ZeichenflaecheAnpassen();
        }
    }
    return 0;
}

}  // namespace

void HauptformErzeugen() {
    FL_OBJECT* ob;
    Haupt.Form = fl_bgn_form(FL_NO_BOX, 1087, 827);
    fl_add_box(FL_FLAT_BOX, 0, 0, 1087, 827, "");
    ob = fl_add_free(FL_INACTIVE_FREE, 0, 0, 1087, 827, "", GroessenwaechterHandler);
    fl_set_object_boxtype(ob, FL_NO_BOX);
    ob = fl_add_box(FL_UP_BOX, 0, 0, 1250, 35, "");
    Festhalten(ob);

    struct {
        FL_OBJECT** ziel;
        const char* titel;
        FL_CALLBACKPTR cb;
    } menues[] = {
        {&Haupt.Programm, "Programm", ProgrammCB},
        {&Haupt.Datenbank, "Datenbank", DatenbankCB},
        {&Haupt.Bearbeiten, "Bearbeiten", nullptr},
        {&Haupt.Berechnen, "Berechnen", BerechnenCB},
        {&Haupt.Tabellen, "Tabellen", TabellenCB},
        {&Haupt.Ausgabe, "Ausgabe", AusgabeCB},
        {&Haupt.Einstellungen, "Einstellungen", EinstellungenCB},
    };
    // Each menu as wide as its title with room on both sides, whatever the
    // font; the systems choice takes the rest of the bar.
    int x = 10;
    for (auto& m : menues) {
        const int breite = fl_get_string_width(FL_NORMAL_STYLE, FL_NORMAL_SIZE, m.titel,
                                               static_cast<int>(std::strlen(m.titel))) + 24;
        ob = *m.ziel = fl_add_menu(FL_PULLDOWN_MENU, x, 5, breite, 25, m.titel);
        fl_set_object_boxtype(ob, FL_FLAT_BOX);
        fl_set_object_lsize(ob, FL_NORMAL_SIZE);
        fl_set_object_callback(ob, m.cb, 0);
        Festhalten(ob);
        x += breite + 4;
    }

    x = std::max(x + 11, 610);
    ob = Haupt.Systemauswahl = fl_add_choice(FL_DROPLIST_CHOICE, x, 5, 1085 - x, 25, "");
    fl_set_object_callback(ob, SystemauswahlCB, 0);
    Festhalten(ob);

    for (int i = 0; i < 5; ++i) {
        ob = Haupt.Fensterknoepfe[i] = fl_add_pixmapbutton(FL_PUSH_BUTTON, 10 + 40 * i, 42, 36, 36, "");
        fl_set_object_callback(ob, FensterknopfCB, i + 1);
        Festhalten(ob);
    }

    ob = Haupt.Fortschritt = fl_add_slider(FL_HOR_FILL_SLIDER, 10, 90, 260, 10, "");
    fl_set_slider_value(ob, 0.0);
    fl_set_object_color(ob, FL_COL1, FL_SLATEBLUE);
    // Shows progress only; the user cannot move it.
    fl_deactivate_object(ob);
    Festhalten(ob);

    // Eight lines and more of the messages of a run.
    ob = Haupt.Meldungen = fl_add_browser(FL_NORMAL_BROWSER, 285, 40, 800, RAND_OBEN - 48, "");
    fl_set_browser_fontstyle(ob, FL_FIXED_STYLE);
    Festhalten(ob);
    fl_end_form();
    RueckgaengigTastenEinrichten(Haupt.Form);
}

void HauptfensterZeigen() {
    static const char* const bilder[5] = {"pick_3d.xpm", "rulers_3d.xpm", "checklist4_3d.xpm",
                                          "Drawing.xpm", "Drawing2.xpm"};
    for (int i = 0; i < 5; ++i) {
        std::string pfad = Pfade.Verwaltungsverzeichnis + "/" + bilder[i];
        if (FILE* f = std::fopen(pfad.c_str(), "r")) {
            std::fclose(f);
            fl_set_pixmapbutton_file(Haupt.Fensterknoepfe[i], pfad.c_str());
        } else {
            fl_set_object_label(Haupt.Fensterknoepfe[i], std::to_string(i + 1).c_str());
        }
    }
    int breite = fl_scrw - 150, hoehe = fl_scrh - 250;
    if (breite < 640) breite = 640;
    if (hoehe < 480) hoehe = 480;
    fl_set_form_geometry(Haupt.Form, 5, 5, breite, hoehe);
    std::string titel = Fenstertitel();
    // Dialogs and questions centre on it.
    fl_set_app_mainform(Haupt.Form);
    FormZeigen(Haupt.Form, FL_PLACE_GEOMETRY, FL_FULLBORDER, titel.c_str());
}

void MenuesAufbauen() {
    fl_set_menu_popup(Haupt.Programm, PopupAusTabelle(ProgrammMenue()));

    int system = PopupAusTabelle(SystemUntermenue());
    int datenbank = PopupAusTabelle(DatenbankMenue(), system);
    for (int pup : {system, datenbank}) {
        fl_setpup_bw(pup, -2);
        fl_setpup_shadow(pup, 0);
    }
    fl_set_menu_popup(Haupt.Datenbank, datenbank);
    BearbeitenMenueAufbauen(Haupt.Bearbeiten);

    fl_set_menu_popup(Haupt.Berechnen, PopupAusTabelle(BerechnenMenue()));
    fl_set_menu_popup(Haupt.Tabellen, PopupAusTabelle(TabellenMenue()));
    fl_set_menu_popup(Haupt.Ausgabe, PopupAusTabelle(AusgabeMenue()));
    einstellungenPopup = PopupAusTabelle(EinstellungenMenue());
    fl_setpup_mode(einstellungenPopup, menue::FgBiegesteif, FL_PUP_BOX);
    fl_set_menu_popup(Haupt.Einstellungen, einstellungenPopup);

    int teilen = PopupAusTabelle(StabTeilenUntermenue());
    loeschenPopup = PopupAusTabelle(LoeschenUntermenue());
    const int loeschen = loeschenPopup;
    // The bar menu has two submenus; PopupAusTabelle hands one to every
    // "%m" entry, so this one is built by hand.
    stabPopup = fl_newpup(Haupt.Form->window);
    for (const Menueeintrag& e : StabMenue()) {
        std::string text = Eintragstext(e);
        if (e.Wert == menue::Teilen) fl_addtopup(stabPopup, text.c_str(), teilen);
        else if (e.Wert == menue::Loeschen) fl_addtopup(stabPopup, text.c_str(), loeschen);
        else fl_addtopup(stabPopup, text.c_str());
    }
    fl_setpup_mode(stabPopup, menue::Titel, FL_PUP_GREY);
}

void StabmenueEintraegeSperren(bool mehrereStaebe) {
    if (stabPopup < 0) return;
    // These entries act on one bar; with several marked they are greyed.
    for (int wert : {menue::Geometrie, menue::Ergebnisse, menue::Freiheitsgrade, menue::Belastung,
                     menue::BelastungKopieren})
        fl_setpup_mode(stabPopup, wert, mehrereStaebe ? FL_PUP_GREY : FL_PUP_NONE);
}

bool FgAnBiegesteifenVerbindungen() {
    if (einstellungenPopup < 0) return false;
    return (fl_getpup_mode(einstellungenPopup, menue::FgBiegesteif) & FL_PUP_CHECK) != 0;
}

void StabmenueOeffnen(Stab* stab) {
    if (stabPopup < 0) return;
    // "Löschen" asks with the number and the numbers of the bars that go.
    if (loeschenPopup >= 0) fl_setpup_title(loeschenPopup, LoeschfrageText(Aktuell()).c_str());
    int wert = fl_dopup(stabPopup);
    System* sys = Aktuell();
    if (!sys) return;
    switch (wert) {
    case menue::LoeschenQuittieren: {
        Stapel* markierte = StapelAnlegen();
        for (Stab* s : Elemente<Stab>(sys->Staebe))
            if (s->Markiert == 1) StapelEintragen(markierte, s);
        AktionBenennen(markierte->top > 1 ? "Stäbe löschen"_l1 : "Stab löschen"_l1);
        StaebeLoeschen(*sys, markierte);
        StapelFreigeben(markierte);
        break;
    }
    case menue::Zuordnung: {
        Stabauswahl markiert = StabauswahlMarkierte(*sys);
        if (markiert.Staebe.empty()) StabauswahlErgaenzen(markiert, *sys, stab);
        MaterialZuweisen(markiert);
        break;
    }
    case menue::Ergebnisse: StabergebnisseZeigen(stab); break;
    case menue::Freiheitsgrade: FreiheitsgradeBearbeiten(); break;
    case menue::Geometrie: GeometriedialogOeffnen(stab); break;
    case menue::Teilen2: case menue::Teilen3: case menue::Teilen4: StabteilungAusfuehren(wert); break;
    case menue::Belastung: LasteditorOeffnen(stab); break;
    case menue::BelastungKopieren: LastKopierenOeffnen(stab); break;
    default: break;  // title, "Abbruch", or nothing chosen
    }
    NeuZeichnen();
}

void SystemauswahlAbgleichen() {
    FL_OBJECT* ob = Haupt.Systemauswahl;
    if (!ob) return;
    System* sys = Aktuell();
    int n = fl_get_choice_maxitems(ob);
    for (int i = 1; i <= n; ++i)
        if (sys && SystemauswahlNummer(fl_get_choice_item_text(ob, i)) == sys->Systemnummer) {
            fl_set_choice(ob, i);
            return;
        }
    if (n > 0) fl_set_choice(ob, 0);
}
