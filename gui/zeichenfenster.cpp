// The drawing windows of the dialogs.
#include "gui/zeichenfenster.h"

#include "files/farben.h"
#include "gui/geometrie.h"

Zeichenfenster::~Zeichenfenster() {
    // At the end of the program the connection may be closed already; the
    // server then has freed both with it.
    if (fl_get_display() == anzeige_) Schliessen();
}

bool Zeichenfenster::Oeffnen(FL_FORM* form, int x, int y, int b, int h) {
    if (fenster_ || !form || !form->window) return false;
    anzeige_ = fl_get_display();
    if (!anzeige_) return false;
    fenster_ = XCreateSimpleWindow(anzeige_, form->window, x, y, b, h, 2, fl_get_pixel(FL_BLACK),
                                   Farben.Pixel[ROLLE_HINTERGRUND]);
    XSelectInput(anzeige_, fenster_, KeyPressMask | ButtonPressMask | ExposureMask);
    XMapRaised(anzeige_, fenster_);
    gc_ = XCreateGC(anzeige_, fenster_, 0, nullptr);
    if (XFontStruct* f = XSchrift(anzeige_, Schrift::Normal)) XSetFont(anzeige_, gc_, f->fid);
    FensterProtokollieren(form->label, "Zeichenfenster", x, y, b, h);
    return true;
}

void Zeichenfenster::Schliessen() {
    if (!anzeige_) return;
    if (gc_) XFreeGC(anzeige_, gc_);
    if (fenster_) XDestroyWindow(anzeige_, fenster_);
    gc_ = nullptr;
    fenster_ = 0;
}

bool Zeichenfenster::Groesse(int& breite, int& hoehe) const {
    if (!fenster_) return false;
    XWindowAttributes a;
    if (!XGetWindowAttributes(anzeige_, fenster_, &a)) return false;
    breite = a.width;
    hoehe = a.height;
    return true;
}
