// Drawing a new bar on the canvas: the first point (mode 2), then the
// second with a rubber band from the first (mode 3), both with the snapped
// pointer position read out in the canvas's top left corner.
#include <cmath>
#include <cstring>

#include "core/datenmodell.h"
#include "core/programm.h"
#include "core/systemoperationen.h"
#include "files/farben.h"
#include "files/massstab.h"
#include "gui/auffrischung.h"
#include "gui/bearbeiten.h"
#include "gui/kataloge.h"
#include "gui/systeme.h"
#include "gui/werkzeugfenster.h"
#include "gui/werkzeugfenster_intern.h"
#include "gui/xforms.h"
#include "gui/xmaler.h"
#include "workspace/ansicht.h"
#include "workspace/bearbeitung.h"

namespace {

Display* anzeige = nullptr;
Window fenster = 0;
GC zeichenGC = nullptr;
GC xorGC = nullptr;
// Last drawn end of the rubber band; -1 while none is drawn.
int gummiX = -1, gummiY = -1;

bool GrafikEinrichten(Window w) {
    if (!w) return false;
    if (zeichenGC && fenster == w) return true;
    anzeige = fl_get_display();
    if (zeichenGC) {
        XFreeGC(anzeige, zeichenGC);
        XFreeGC(anzeige, xorGC);
    }
    fenster = w;
    zeichenGC = XCreateGC(anzeige, w, 0, nullptr);
    xorGC = XCreateGC(anzeige, w, 0, nullptr);
    XSetFunction(anzeige, xorGC, GXxor);
    XSetForeground(anzeige, xorGC, fl_get_pixel(FL_WHITE));
    XSetLineAttributes(anzeige, xorGC, 2, LineSolid, CapButt, JoinMiter);
    if (XFontStruct* f = XSchrift(anzeige, Schrift::Normal)) XSetFont(anzeige, zeichenGC, f->fid);
    return true;
}

Ansicht AktuelleAnsicht() {
    int b = 0, h = 0;
    ZeichenflaecheGroesse(b, h);
    return AnsichtErmitteln(Massstaebe, MassstabPositionierer, b, h);
}

void Anzeigen(const char* text) {
    XSetForeground(anzeige, zeichenGC, fl_get_pixel(FL_INDIANRED));
    XSetBackground(anzeige, zeichenGC, Farben.Pixel[ROLLE_HINTERGRUND]);
    XDrawImageString(anzeige, fenster, zeichenGC, 10, 15, text, static_cast<int>(std::strlen(text)));
}

void MarkeZeichnen(const Ansicht& ansicht, const Punkt* p) {
    if (!p) return;
    XSetForeground(anzeige, zeichenGC, fl_get_pixel(FL_INDIANRED));
    XSetLineAttributes(anzeige, zeichenGC, 2, LineSolid, CapButt, JoinMiter);
    XDrawRectangle(anzeige, fenster, zeichenGC, WeltNachBildX(ansicht, p->X) - 5, WeltNachBildY(ansicht, p->Y) - 5,
                   10, 10);
}

void GummibandLoeschen() {
    const Punkt* a = GueltigerErsterPunkt(Aktuell());
    if (gummiX > 0 && gummiY > 0 && a) {
        Ansicht ansicht = AktuelleAnsicht();
        XDrawLine(anzeige, fenster, xorGC, WeltNachBildX(ansicht, a->X), WeltNachBildY(ansicht, a->Y), gummiX,
                  gummiY);
    }
    gummiX = gummiY = -1;
}

bool Position(XEvent* ev, int& x, int& y) {
    switch (ev->type) {
    case MotionNotify: x = ev->xmotion.x, y = ev->xmotion.y; return true;
    case ButtonPress:
    case ButtonRelease: x = ev->xbutton.x, y = ev->xbutton.y; return true;
    case KeyPress: x = ev->xkey.x, y = ev->xkey.y; return true;
    default: return false;
    }
}

// The K key opens the point dialog for typed coordinates.
bool PunkttasteGedrueckt(XEvent* ev) {
    if (ev->type != KeyPress) return false;
    KeySym taste = XLookupKeysym(&ev->xkey, 0);
    return taste == XK_k || taste == XK_K;
}

}  // namespace

void StabErzeugungVerlassen() {
    if (Programm.Modus != 2 && Programm.Modus != 3) return;
    GummibandLoeschen();
    StabErzeugungAbbrechen(Aktuell());
    ModusAbgleichen();
    // The mark of the first point goes with the old picture.
    NeuZeichnen();
}

void StabErzeugenStarten() {
    // The icon pressed again while a bar is being drawn leaves bar drawing.
    if (Programm.Modus == 2 || Programm.Modus == 3) {
        StabErzeugungVerlassen();
        return;
    }
    gummiX = gummiY = -1;
    StabErzeugungBeginnen(Aktuell());
    ModusAbgleichen();
}

void ErsterPunktZeichnen() {
    const Punkt* a = GueltigerErsterPunkt(Aktuell());
    Window w = ZeichenflaecheFenster();
    if (!a || !GrafikEinrichten(w)) return;
    MarkeZeichnen(AktuelleAnsicht(), a);
    // The rubber band went with the old picture.
    gummiX = gummiY = -1;
}

Stab* StabFertigstellen(System& sys, double x, double y, Punkt* p) {
    AktionBenennen("Stab erzeugen");
    Stab* s = staberzeugen(sys, x, y, p);
    if (s && !StandardwerteAnwendbar()) ZuordnungsdialogOeffnen(s);
    return s;
}

void StabErzeugungEreignis(XEvent* ev) {
    System* sys = Aktuell();
    int px = 0, py = 0;
    if (!sys || !ev || !Position(ev, px, py) || !GrafikEinrichten(ev->xany.window)) return;
    // Escape leaves bar drawing without a bar.
    if (ev->type == KeyPress && XLookupKeysym(&ev->xkey, 0) == XK_Escape) {
        GummibandLoeschen();
        StabErzeugungAbbrechen(sys);
        NeuZeichnen();
        XFlush(anzeige);
        return;
    }
    Ansicht ansicht = AktuelleAnsicht();
    double x = BildNachWeltX(ansicht, px), y = BildNachWeltY(ansicht, py);
    Punkt* p = Fangen(sys, x, y);
    char text[200];

    if (Programm.Modus == 2) {
        PositionsanzeigeText(text, sizeof text, x, y, p);
        Anzeigen(text);
        Erzeugung.LetztX = x;
        Erzeugung.LetztY = y;
        if (PunkttasteGedrueckt(ev)) {
            PunktdialogZeigen();
        } else if (ev->type == ButtonRelease && ev->xbutton.button == Button1) {
            AktionBenennen("Stab erzeugen");
            MarkeZeichnen(ansicht, ErsterPunkt(*sys, x, y, p));
        }
        XFlush(anzeige);
        return;
    }

    // Mode 3: the rubber band from the first point.
    const Punkt* a = GueltigerErsterPunkt(sys);
    if (a) {
        GummibandLoeschen();
        const int qx = WeltNachBildX(ansicht, x), qy = WeltNachBildY(ansicht, y);
        XDrawLine(anzeige, fenster, xorGC, WeltNachBildX(ansicht, a->X), WeltNachBildY(ansicht, a->Y), qx, qy);
        gummiX = qx;
        gummiY = qy;
        LaengenanzeigeText(text, sizeof text, x, y, p, std::hypot(x - a->X, y - a->Y));
        Anzeigen(text);
    }
    Erzeugung.LetztX = x;
    Erzeugung.LetztY = y;
    if (PunkttasteGedrueckt(ev)) {
        GummibandLoeschen();
        PunktdialogZeigen();
    } else if (ev->type == ButtonRelease) {
        GummibandLoeschen();
        Stab* s = StabFertigstellen(*sys, x, y, p);
        if (!s && Programm.Modus == 3) MarkeZeichnen(ansicht, GueltigerErsterPunkt(sys));
    }
    XFlush(anzeige);
}
