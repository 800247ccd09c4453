// A drawing window inside a dialog: an Xlib child window of the form's
// window with its graphics context, for an XMaler.
//
// The dialogs of the degrees of freedom, the loads and the per-bar results
// draw their sketches into one.  It is opened when the dialog shows and
// closed before the form is hidden (hiding destroys the form's window with
// its children).  The object owns the window and the graphics context and
// frees both when it is closed or destroyed.
#pragma once

#include "gui/xforms.h"
#include "gui/xmaler.h"

class Zeichenfenster {
public:
    Zeichenfenster() = default;
    ~Zeichenfenster();
    Zeichenfenster(const Zeichenfenster&) = delete;
    Zeichenfenster& operator=(const Zeichenfenster&) = delete;

    // A child of the form's window at (x, y), b x h pixels with a black
    // border of 2 pixels on the drawing's background, reporting exposure,
    // button and key presses.  Does nothing when it is open already or the
    // form has no window yet; false then.
    bool Oeffnen(FL_FORM* form, int x, int y, int b, int h);
    void Schliessen();

    bool Offen() const { return fenster_ != 0; }
    // Whether the event belongs to this window.
    bool Betrifft(const XEvent* ereignis) const { return ereignis && fenster_ && ereignis->xany.window == fenster_; }
    // Its size now; false when it is not open.
    bool Groesse(int& breite, int& hoehe) const;
    XMaler Maler() const { return XMaler(anzeige_, fenster_, gc_); }
    Display* Anzeige() const { return anzeige_; }
    GC Gc() const { return gc_; }

private:
    Display* anzeige_ = nullptr;
    Window fenster_ = 0;
    GC gc_ = nullptr;
};
