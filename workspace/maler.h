// The painter: the few drawing requests the canvas, the sketch windows and
// the result windows need, in the shape of the Xlib calls behind them.
//
// Coordinates are int pixels of the target window (x to the right, y
// downwards).  Callers truncate towards zero and keep every coordinate inside
// the 16-bit range of the X protocol before they call (see zeichenhilfen.h);
// an implementation passes the values on unchanged.  Colours are either one
// of the 18 colour roles of the drawing (the colour table's slots) or, for
// the few symbols that use a fixed toolkit colour, a toolkit colour index.
#pragma once

// Colour roles: slots of the colour table, in its order.
enum Farbrolle : int {
    ROLLE_HINTERGRUND = 0,
    ROLLE_VORDERGRUND = 1,
    ROLLE_PUNKT = 2,
    ROLLE_PUNKTNUMMER = 3,
    ROLLE_STAB = 4,
    ROLLE_SELEKTIERTER_STAB = 5,
    ROLLE_STABNUMMER = 6,
    ROLLE_FG_DUAL = 7,
    ROLLE_FG_PRIMAL = 8,
    ROLLE_STRECKENLAST = 9,
    ROLLE_PUNKTLAST = 10,
    ROLLE_LAGER = 11,
    ROLLE_NORMALKRAFT = 12,
    ROLLE_QUERKRAFT = 13,
    ROLLE_MOMENT = 14,
    ROLLE_RASTER = 15,
    ROLLE_VERSCHIEBUNG = 16,
    ROLLE_FEDER = 17,
};
constexpr int FARBROLLEN = 18;

// Toolkit colour indices used directly by some symbols.
constexpr long TOOLKIT_ROT = 1;        // FL_RED
constexpr long TOOLKIT_BLAU = 4;       // FL_BLUE
constexpr long TOOLKIT_WEISS = 7;      // FL_WHITE
constexpr long TOOLKIT_INDISCHROT = 9; // FL_INDIANRED
constexpr long TOOLKIT_BLASSGRUEN = 18; // FL_PALEGREEN

enum class Linienart { Durchgezogen, Gestrichelt };  // LineSolid, LineOnOffDash
enum class Linienende { Stumpf, Rund, Vorstehend };   // CapButt, CapRound, CapProjecting

// The three X fonts of the drawing: "9x15" (default), "8x13" (grid labels),
// "10x20" (the letters of the sketch windows).
enum class Schrift { Normal, Klein, Gross };

// One point of a polyline; 16-bit like the X protocol's point.
struct Bildpunkt {
    short x;
    short y;
};

class Maler {
public:
    virtual ~Maler() = default;

    // Fills the whole window with the background colour ("Hintergrund").
    virtual void Loeschen() = 0;
    // Foreground colour for lines and text.
    virtual void Farbe(Farbrolle rolle) = 0;
    virtual void Toolkitfarbe(long index) = 0;
    // Background colour for image strings.
    virtual void Hintergrund(Farbrolle rolle) = 0;
    // Line width (0 = thin), style and cap; joins are always mitred.
    virtual void Linie(int breite, Linienart art, Linienende ende) = 0;
    virtual void Schriftart(Schrift schrift) = 0;

    virtual void Strecke(int x1, int y1, int x2, int y2) = 0;
    // Connected lines through the points (coordinates relative to the origin).
    virtual void Linienzug(const Bildpunkt* punkte, int anzahl) = 0;
    // Arc of the ellipse in the bounding box; angles in 1/64 degree,
    // counter-clockwise from 3 o'clock, as XDrawArc.
    virtual void Bogen(int x, int y, int breite, int hoehe, int winkel1, int winkel2) = 0;
    virtual void Rechteck(int x, int y, int breite, int hoehe) = 0;
    virtual void RechteckFuellen(int x, int y, int breite, int hoehe) = 0;
    virtual void Polygon(const Bildpunkt* punkte, int anzahl) = 0;
    virtual void PolygonFuellen(const Bildpunkt* punkte, int anzahl) = 0;
    // Image string: the text on a box of the background colour; (x, y) is
    // the left end of the baseline.
    virtual void Text(int x, int y, const char* text) = 0;
    // Sends what has been drawn (XFlush).
    virtual void Senden() = 0;
};
