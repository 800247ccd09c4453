// Undo and redo in the window.
#include "gui/rueckgaengig.h"

#include "core/programm.h"
#include "core/verlauf.h"
#include "gui/auffrischung.h"
#include "gui/bearbeiten.h"
#include "gui/freiheitsgrade.h"
#include "gui/lasten.h"
#include "gui/stabergebnisse.h"
#include "gui/systeme.h"
#include "gui/tabellen.h"
#include "gui/zeichenflaeche.h"
#include "workspace/bearbeitung.h"
#include "workspace/menues.h"

namespace {

FL_OBJECT* bearbeitenMenue = nullptr;
// The text input the user is typing in and has not yet taken (Return, Tab
// or a click elsewhere); the undo keys belong to it meanwhile.
FL_OBJECT* eingabeInArbeit = nullptr;

enum class Taste { Keine, Rueckgaengig, Wiederherstellen };

Taste TasteVon(const XKeyEvent& taste) {
    if (!(taste.state & ControlMask) || (taste.state & Mod1Mask)) return Taste::Keine;
    // By key symbol, so that Z and Y are the letters on any keyboard layout.
    XKeyEvent kopie = taste;
    const KeySym zeichen = XLookupKeysym(&kopie, 0);
    if (zeichen == XK_z || zeichen == XK_Z)
        return taste.state & ShiftMask ? Taste::Wiederherstellen : Taste::Rueckgaengig;
    if (zeichen == XK_y || zeichen == XK_Y) return Taste::Wiederherstellen;
    return Taste::Keine;
}

void Zurueckholen(bool rueckgaengig) {
    System* sys = Aktuell();
    if (!sys) return;
    // A bar half drawn is no step yet; it goes before the last step is
    // taken back, so its start point cannot outlive it.
    if (Programm.Modus == 2 || Programm.Modus == 3) StabErzeugungVerlassen();
    // Drawing only suspended by the zoom: it starts again with point 1.
    else Erzeugung = Staberzeugung{};
    SchritteAbschliessen();
    Verlauf* verlauf = VerlaufVon(sys);
    if (!verlauf) return;
    const bool getan = rueckgaengig ? verlauf->Rueckgaengig(*sys) : verlauf->Wiederherstellen(*sys);
    if (!getan) return;
    eingabeInArbeit = nullptr;
    WiederherstellungMelden();
}

void Ausfuehren(Taste t) { Zurueckholen(t == Taste::Rueckgaengig); }

void BearbeitenCB(FL_OBJECT* ob, long) {
    switch (fl_get_menu(ob)) {
    case menue::Rueckgaengig: Rueckgaengig(); break;
    case menue::Wiederherstellen: Wiederherstellen(); break;
    default: break;
    }
}

int FormTaste(FL_FORM* form, void* xereignis) {
    XEvent* ev = static_cast<XEvent*>(xereignis);
    // A click takes what was typed (or goes elsewhere).
    if (ev->type == ButtonPress) {
        eingabeInArbeit = nullptr;
        return 0;
    }
    if (ev->type != KeyPress) return 0;
    FL_OBJECT* fokus = form->focusobj;
    const bool eingabe = fokus && fokus->objclass == FL_INPUT && fokus->active;
    const Taste t = TasteVon(ev->xkey);
    if (t == Taste::Keine) {
        XKeyEvent kopie = ev->xkey;
        const KeySym zeichen = XLookupKeysym(&kopie, 0);
        if (zeichen == XK_Return || zeichen == XK_KP_Enter || zeichen == XK_Tab || zeichen == XK_ISO_Left_Tab ||
            zeichen == XK_Escape)
            eingabeInArbeit = nullptr;
        else if (eingabe && !IsModifierKey(zeichen))
            eingabeInArbeit = fokus;
        return 0;
    }
    if (eingabe && fokus == eingabeInArbeit) return 0;
    Ausfuehren(t);
    return FL_PREEMPT;
}

}  // namespace

void Rueckgaengig() { Zurueckholen(true); }

void Wiederherstellen() { Zurueckholen(false); }

void BearbeitenMenueAufbauen(FL_OBJECT* menue) {
    bearbeitenMenue = menue;
    if (!menue) return;
    fl_clear_menu(menue);
    for (const Menueeintrag& e : BearbeitenMenue()) fl_addto_menu(menue, Eintragstext(e).c_str());
    fl_set_object_callback(menue, BearbeitenCB, 0);
    BearbeitenMenueAktualisieren();
}

void BearbeitenMenueAktualisieren() {
    if (!bearbeitenMenue) return;
    const Verlauf* verlauf = VerlaufVon(Aktuell());
    const bool zurueck = verlauf && verlauf->KannRueckgaengig();
    const bool vor = verlauf && verlauf->KannWiederherstellen();
    const std::string rueckgaengig = BearbeitenEintrag(menue::Rueckgaengig, zurueck ? verlauf->RueckgaengigAktion() : "");
    const std::string wieder =
        BearbeitenEintrag(menue::Wiederherstellen, vor ? verlauf->WiederherstellenAktion() : "");
    fl_replace_menu_item(bearbeitenMenue, menue::Rueckgaengig, rueckgaengig.c_str());
    fl_replace_menu_item(bearbeitenMenue, menue::Wiederherstellen, wieder.c_str());
    fl_set_menu_item_mode(bearbeitenMenue, menue::Rueckgaengig, zurueck ? FL_PUP_NONE : FL_PUP_GREY);
    fl_set_menu_item_mode(bearbeitenMenue, menue::Wiederherstellen, vor ? FL_PUP_NONE : FL_PUP_GREY);
}

void RueckgaengigTastenEinrichten(FL_FORM* form) {
    if (form) fl_register_raw_callback(form, KeyPressMask | ButtonPressMask, FormTaste);
}

bool RueckgaengigTaste(XEvent* ereignis) {
    if (!ereignis || ereignis->type != KeyPress) return false;
    const Taste t = TasteVon(ereignis->xkey);
    if (t == Taste::Keine) return false;
    Ausfuehren(t);
    return true;
}

void OffeneDialogeAuffrischen() {
    FreiheitsgradeAuffrischen();
    LasteditorAuffrischen();
    GeometriedialogAuffrischen();
    TabellenAuffrischen();
    StabergebnisseAuffrischen();
}
