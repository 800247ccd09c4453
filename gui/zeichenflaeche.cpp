// The canvas: an Xlib child window of the main window with its graphics
// contexts and cursors, the redraw driver and the mouse and key handling
// of the selection (mode 1) and zoom (mode 4) modes.
#include "gui/zeichenflaeche.h"

#include "core/bericht.h"
#include "core/datenmodell.h"
#include "core/kette.h"
#include "core/programm.h"
#include "files/farben.h"
#include "files/massstab.h"
#include "gui/auffrischung.h"
#include "gui/geometrie.h"
#include "gui/hauptfenster.h"
#include "gui/rueckgaengig.h"
#include "gui/systeme.h"
#include "gui/werkzeugfenster.h"
#include "gui/werkzeugfenster_intern.h"
#include "gui/xforms.h"
#include "gui/xmaler.h"
#include "workspace/ansicht.h"
#include "workspace/auswahl.h"
#include "workspace/zeichnen.h"

namespace {

Display* anzeige = nullptr;
FL_FORM* hauptform = nullptr;
Window zeichenflaeche = 0;
GC zeichenGC = nullptr;
GC xorGC = nullptr;
Cursor punktCursor = 0;
Cursor zoomCursor = 0;

Gummirechteck auswahlrechteck;
Gummirechteck zoomrechteck;

// Mode 1: marking bars, the bar pop-up menu, starting a new bar.
void AuswahlBearbeiten(XEvent* ev) {
    System* sys = Aktuell();
    if (ev->type == KeyPress) {
        // The S key (key code 39 on a PC keyboard) starts a new bar.
        KeySym taste = XLookupKeysym(&ev->xkey, 0);
        if (taste == XK_s || taste == XK_S) StabErzeugenStarten();
        return;
    }
    int x = 0, y = 0;
    unsigned zustand = 0;
    if (ev->type == MotionNotify) {
        x = ev->xmotion.x;
        y = ev->xmotion.y;
        zustand = ev->xmotion.state;
    } else if (ev->type == ButtonPress || ev->type == ButtonRelease) {
        x = ev->xbutton.x;
        y = ev->xbutton.y;
        zustand = ev->xbutton.state;
    } else {
        return;
    }
    const unsigned knoepfe = Button1Mask | Button2Mask | Button3Mask | Button4Mask | Button5Mask;
    unsigned relevant = zustand & (knoepfe | ShiftMask | ControlMask | Mod1Mask);
    XMaler xorMaler(anzeige, zeichenflaeche, xorGC);
    if (relevant == Button1Mask || relevant == (Button1Mask | ShiftMask)) auswahlrechteck.Ziehen(xorMaler, x, y);

    if (ev->type == ButtonRelease) {
        if (RechteckAuswahlBeiLoslassen(auswahlrechteck, x, y)) {
            int b = 0, h = 0;
            ZeichenflaecheGroesse(b, h);
            Ansicht ansicht = AnsichtErmitteln(Massstaebe, MassstabPositionierer, b, h);
            StaebeImRechteckMarkieren(sys, ansicht, auswahlrechteck.StartX, auswahlrechteck.StartY, x, y);
            auswahlrechteck.Entfernen(xorMaler);
        }
        auswahlrechteck.Zuruecksetzen();
        NeuZeichnen();
        return;
    }
    if (ev->type != ButtonPress) return;
    switch (ev->xbutton.button) {
    case Button1: {
        auswahlrechteck.Beginnen(x, y);
        if ((zustand & (knoepfe | ShiftMask | ControlMask | Mod1Mask)) == 0) AlleStaebeDemarkieren(sys);
        int b = 0, h = 0;
        ZeichenflaecheGroesse(b, h);
        Ansicht ansicht = AnsichtErmitteln(Massstaebe, MassstabPositionierer, b, h);
        StabMarkierenUmschalten(sys, ansicht, x, y);
        break;
    }
    case Button2: StabErzeugenStarten(); break;
    case Button3: {
        int b = 0, h = 0;
        ZeichenflaecheGroesse(b, h);
        Ansicht ansicht = AnsichtErmitteln(Massstaebe, MassstabPositionierer, b, h);
        // The menu acts on the bar pointed at, shown marked before it opens.
        // The pop-up is modal: the picture is drawn now, not when idle.
        if (StabUnterZeigerWaehlen(sys, ansicht, x, y)) ZeichenflaecheZeichnen();
        Kette markierte = MarkierteStaebe(sys);
        if (!markierte) {
            MeldungAusgeben("kein Stab markiert !");
            break;
        }
        bool mehrere = KeAnzahl(markierte) > 1;
        Stab* erster = *Elemente<Stab>(markierte).begin();
        KetteLoeschen(markierte);
        StabmenueEintraegeSperren(mehrere);
        StabmenueOeffnen(erster);
        break;
    }
    default: break;
    }
}

// Mode 4: a click zooms about the pointer, a drag to the rectangle.
void ZoomBearbeiten(XEvent* ev) {
    if (ev->type == ButtonPress && ev->xbutton.button == Button1) zoomrechteck.Beginnen(ev->xbutton.x, ev->xbutton.y);
    if (ev->type != MotionNotify && ev->type != ButtonRelease) return;
    int x = ev->type == MotionNotify ? ev->xmotion.x : ev->xbutton.x;
    int y = ev->type == MotionNotify ? ev->xmotion.y : ev->xbutton.y;
    unsigned zustand = ev->type == MotionNotify ? ev->xmotion.state : ev->xbutton.state;
    const unsigned knoepfe = Button1Mask | Button2Mask | Button3Mask | Button4Mask | Button5Mask;
    XMaler xorMaler(anzeige, zeichenflaeche, xorGC);
    if ((zustand & (knoepfe | ShiftMask | ControlMask | Mod1Mask)) == Button1Mask) zoomrechteck.Ziehen(xorMaler, x, y);
    if (ev->type != ButtonRelease) return;

    int b = 0, h = 0;
    ZeichenflaecheGroesse(b, h);
    Ansicht ansicht = AnsichtErmitteln(Massstaebe, MassstabPositionierer, b, h);
    switch (ZoomgesteBeiLoslassen(zoomrechteck, static_cast<int>(ev->xbutton.button))) {
    case Zoomgeste::Hinein: ZoomPunkt(ansicht, x, y, true, Massstaebe, MassstabPositionierer); break;
    case Zoomgeste::Heraus: ZoomPunkt(ansicht, x, y, false, Massstaebe, MassstabPositionierer); break;
    case Zoomgeste::Rechteck:
        ZoomRechteck(ansicht, zoomrechteck.StartX, zoomrechteck.StartY, zoomrechteck.LetztX, zoomrechteck.LetztY,
                     Massstaebe, MassstabPositionierer);
        break;
    case Zoomgeste::Keine:
        zoomrechteck.Entfernen(xorMaler);
        zoomrechteck.Zuruecksetzen();
        return;
    }
    zoomrechteck.Zuruecksetzen();
    MassstabfensterAktualisieren();
    NeuZeichnen();
}

int ZeichenflaecheEreignis(XEvent* ev, void*) {
    if (!ev || ev->xany.window != zeichenflaeche || zeichenflaeche == 0) return 0;
    // The server asks for the picture again (another window was moved away).
    if (ev->type == Expose) {
        if (ev->xexpose.count == 0) NeuZeichnen();
        return 0;
    }
    // Ctrl+Z and Ctrl+Y in every mode; a bar half drawn is given up first.
    if (RueckgaengigTaste(ev)) {
        ModusAbgleichen();
        return 0;
    }
    switch (Programm.Modus) {
    case 0:
        if (ev->type == ButtonRelease) MeldungAusgeben("kein System definiert !");
        break;
    case 1: AuswahlBearbeiten(ev); break;
    case 2:
    case 3: StabErzeugungEreignis(ev); break;
    case 4: ZoomBearbeiten(ev); break;
    default: break;
    }
    // Drawing a bar moves through the modes by itself; the cursor follows.
    ModusAbgleichen();
    return 0;
}

}  // namespace

// ---------------------------------------------------------------- canvas

void ZeichenflaecheErzeugen(FL_FORM* form) {
    if (zeichenflaeche || !form || !form->window) return;
    hauptform = form;
    anzeige = fl_get_display();
    WerkzeugformenErzeugen();
    int b = form->w - RAND_LINKS - RAND_RECHTS, h = form->h - RAND_OBEN - RAND_UNTEN;
    zeichenflaeche = XCreateSimpleWindow(anzeige, form->window, RAND_LINKS, RAND_OBEN, b > 1 ? b : 1, h > 1 ? h : 1,
                                         2, fl_get_pixel(FL_INACTIVE), Farben.Pixel[ROLLE_HINTERGRUND]);
    XSelectInput(anzeige, zeichenflaeche,
                 KeyPressMask | ButtonPressMask | ButtonReleaseMask | PointerMotionMask | ButtonMotionMask |
                     ExposureMask);
    XMapRaised(anzeige, zeichenflaeche);

    zeichenGC = XCreateGC(anzeige, zeichenflaeche, 0, nullptr);
    xorGC = XCreateGC(anzeige, zeichenflaeche, 0, nullptr);
    XSetFunction(anzeige, xorGC, GXxor);
    XSetForeground(anzeige, xorGC, fl_get_pixel(FL_WHITE));
    if (XFontStruct* f = XSchrift(anzeige, Schrift::Normal)) {
        XSetFont(anzeige, zeichenGC, f->fid);
        XSetFont(anzeige, xorGC, f->fid);
    }
    XSchrift(anzeige, Schrift::Klein);
    XSchrift(anzeige, Schrift::Gross);
    punktCursor = XCreateFontCursor(anzeige, XC_dotbox);
    zoomCursor = XCreateFontCursor(anzeige, XC_circle);
    ZeichenflaechenEreignisseEinsetzen();
    XFlush(anzeige);
}

void ZeichenflaechenEreignisseEinsetzen() { fl_set_event_callback(ZeichenflaecheEreignis, nullptr); }

Window ZeichenflaecheFenster() { return zeichenflaeche; }

bool ZeichenflaecheGroesse(int& breite, int& hoehe) {
    if (!zeichenflaeche) return false;
    XWindowAttributes a;
    if (!XGetWindowAttributes(anzeige, zeichenflaeche, &a)) return false;
    breite = a.width;
    hoehe = a.height;
    return true;
}

void ZeichenflaecheAnpassen() {
    if (!zeichenflaeche || !hauptform) return;
    int b = hauptform->w - RAND_LINKS - RAND_RECHTS, h = hauptform->h - RAND_OBEN - RAND_UNTEN;
    XMoveResizeWindow(anzeige, zeichenflaeche, RAND_LINKS, RAND_OBEN, b > 1 ? b : 1, h > 1 ? h : 1);
    XSetWindowBackground(anzeige, zeichenflaeche, Farben.Pixel[ROLLE_HINTERGRUND]);
}

void ZeichenflaecheZeichnen() {
    ZeichenflaecheAnpassen();
    if (!zeichenflaeche) return;
    System* sys = Aktuell();
    if (!sys) {
        XClearWindow(anzeige, zeichenflaeche);
        XFlush(anzeige);
        return;
    }
    int b = 0, h = 0;
    if (!ZeichenflaecheGroesse(b, h)) return;
    Ansicht ansicht = AnsichtErmitteln(Massstaebe, MassstabPositionierer, b, h);
    // A "System" scale of 0 was replaced by "1": the input shows it.
    MassstabfensterAktualisieren();
    ZeichenschalterLesen();
    XMaler maler(anzeige, zeichenflaeche, zeichenGC);
    SystemZeichnen(maler, ansicht, Schalter, sys);
    XWindowAttributes lage;
    if (XGetWindowAttributes(anzeige, zeichenflaeche, &lage))
        ZeichenflaecheProtokollieren(lage.x + lage.border_width, lage.y + lage.border_width, b, h, ansicht);
    maler.Schriftart(Schrift::Normal);
    // The first point of a bar being drawn stays marked over the new picture.
    if (Programm.Modus == 3) ErsterPunktZeichnen();
    XFlush(anzeige);
}

void ZeichenflaecheCursor(int modus) {
    if (!zeichenflaeche) return;
    switch (modus) {
    case 0:
    case 1: XUndefineCursor(anzeige, zeichenflaeche); break;
    case 2:
    case 3: XDefineCursor(anzeige, zeichenflaeche, punktCursor); break;
    case 4: XDefineCursor(anzeige, zeichenflaeche, zoomCursor); break;
    default: break;
    }
    XFlush(anzeige);
}

