// The painter on an X window: every request becomes one Xlib call on the
// window's graphics context.
#pragma once

#include "gui/xforms.h"
#include "workspace/maler.h"

// The three X fonts of the drawing, loaded once ("fixed" stands in for a
// font the server lacks).
XFontStruct* XSchrift(Display* anzeige, Schrift schrift);

class XMaler : public Maler {
public:
    XMaler(Display* anzeige, Drawable ziel, GC gc) : anzeige_(anzeige), ziel_(ziel), gc_(gc) {}

    void Loeschen() override;
    void Farbe(Farbrolle rolle) override;
    void Toolkitfarbe(long index) override;
    void Hintergrund(Farbrolle rolle) override;
    void Linie(int breite, Linienart art, Linienende ende) override;
    void Schriftart(Schrift schrift) override;
    void Strecke(int x1, int y1, int x2, int y2) override;
    void Linienzug(const Bildpunkt* punkte, int anzahl) override;
    void Bogen(int x, int y, int breite, int hoehe, int winkel1, int winkel2) override;
    void Rechteck(int x, int y, int breite, int hoehe) override;
    void RechteckFuellen(int x, int y, int breite, int hoehe) override;
    void Polygon(const Bildpunkt* punkte, int anzahl) override;
    void PolygonFuellen(const Bildpunkt* punkte, int anzahl) override;
    void Text(int x, int y, const char* text) override;
    void Senden() override;

private:
    Display* anzeige_;
    Drawable ziel_;
    GC gc_;
};
