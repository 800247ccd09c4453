// Painter requests as Xlib calls.
#include "gui/xmaler.h"

#include <cstring>
#include <vector>

#include "core/datenmodell.h"
#include "files/farben.h"
#include "gui/xforms.h"

namespace {

unsigned long RollenPixel(Farbrolle rolle) {
    if (rolle < 0 || rolle >= FARBROLLEN) return 0;
    return Farben.Pixel[rolle];
}

std::vector<XPoint> AlsXPunkte(const Bildpunkt* punkte, int anzahl, bool schliessen) {
    std::vector<XPoint> p;
    p.reserve(static_cast<size_t>(anzahl) + 1);
    for (int i = 0; i < anzahl; ++i) p.push_back(XPoint{punkte[i].x, punkte[i].y});
    if (schliessen && anzahl > 0) p.push_back(p.front());
    return p;
}

}  // namespace

XFontStruct* XSchrift(Display* anzeige, Schrift schrift) {
    static XFontStruct* geladen[3] = {};
    static const char* const namen[3] = {"9x15", "8x13", "10x20"};
    int i = schrift == Schrift::Normal ? 0 : schrift == Schrift::Klein ? 1 : 2;
    if (!geladen[i]) {
        geladen[i] = XLoadQueryFont(anzeige, namen[i]);
        if (!geladen[i]) geladen[i] = XLoadQueryFont(anzeige, "fixed");
    }
    return geladen[i];
}

void XMaler::Loeschen() {
    XSetWindowBackground(anzeige_, ziel_, RollenPixel(ROLLE_HINTERGRUND));
    XClearWindow(anzeige_, ziel_);
}

void XMaler::Farbe(Farbrolle rolle) { XSetForeground(anzeige_, gc_, RollenPixel(rolle)); }

void XMaler::Toolkitfarbe(long index) {
    XSetForeground(anzeige_, gc_, fl_get_pixel(static_cast<FL_COLOR>(index)));
}

void XMaler::Hintergrund(Farbrolle rolle) { XSetBackground(anzeige_, gc_, RollenPixel(rolle)); }

void XMaler::Linie(int breite, Linienart art, Linienende ende) {
    int stil = art == Linienart::Gestrichelt ? LineOnOffDash : LineSolid;
    int kappe = ende == Linienende::Rund ? CapRound : ende == Linienende::Vorstehend ? CapProjecting : CapButt;
    XSetLineAttributes(anzeige_, gc_, static_cast<unsigned>(breite < 0 ? 0 : breite), stil, kappe, JoinMiter);
}

void XMaler::Schriftart(Schrift schrift) {
    if (XFontStruct* f = XSchrift(anzeige_, schrift)) XSetFont(anzeige_, gc_, f->fid);
}

void XMaler::Strecke(int x1, int y1, int x2, int y2) { XDrawLine(anzeige_, ziel_, gc_, x1, y1, x2, y2); }

void XMaler::Linienzug(const Bildpunkt* punkte, int anzahl) {
    if (anzahl < 2) return;
    std::vector<XPoint> p = AlsXPunkte(punkte, anzahl, false);
    XDrawLines(anzeige_, ziel_, gc_, p.data(), anzahl, CoordModeOrigin);
}

void XMaler::Bogen(int x, int y, int breite, int hoehe, int winkel1, int winkel2) {
    if (breite < 0 || hoehe < 0) return;
    XDrawArc(anzeige_, ziel_, gc_, x, y, static_cast<unsigned>(breite), static_cast<unsigned>(hoehe), winkel1,
             winkel2);
}

void XMaler::Rechteck(int x, int y, int breite, int hoehe) {
    if (breite < 0 || hoehe < 0) return;
    XDrawRectangle(anzeige_, ziel_, gc_, x, y, static_cast<unsigned>(breite), static_cast<unsigned>(hoehe));
}

void XMaler::RechteckFuellen(int x, int y, int breite, int hoehe) {
    if (breite <= 0 || hoehe <= 0) return;
    XFillRectangle(anzeige_, ziel_, gc_, x, y, static_cast<unsigned>(breite), static_cast<unsigned>(hoehe));
}

void XMaler::Polygon(const Bildpunkt* punkte, int anzahl) {
    if (anzahl < 2) return;
    std::vector<XPoint> p = AlsXPunkte(punkte, anzahl, true);
    XDrawLines(anzeige_, ziel_, gc_, p.data(), static_cast<int>(p.size()), CoordModeOrigin);
}

void XMaler::PolygonFuellen(const Bildpunkt* punkte, int anzahl) {
    if (anzahl < 3) return;
    std::vector<XPoint> p = AlsXPunkte(punkte, anzahl, false);
    XFillPolygon(anzeige_, ziel_, gc_, p.data(), anzahl, Complex, CoordModeOrigin);
}

void XMaler::Text(int x, int y, const char* text) {
    if (!text) return;
    XDrawImageString(anzeige_, ziel_, gc_, x, y, text, static_cast<int>(std::strlen(text)));
}

void XMaler::Senden() { XFlush(anzeige_); }
