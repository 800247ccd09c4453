// The view: how world coordinates (metres, y upwards) map to canvas pixels,
// derived from the scale window's seven inputs, its positioner and the
// canvas size; snapping of clicked positions; zoom and pan, which work by
// rewriting the scale window's inputs.
#pragma once

#include "core/datenmodell.h"

class Massstabeinstellungen;

struct Ansicht {
    double Verschiebungsmassstab = 20.0;  // magnification of displacements
    double Massstab = 50.0;               // pixels per metre
    double Punktlastmassstab = 0.1;       // metres of arrow per kN ("Punktlast" / 10)
    double Streckenlastmassstab = 0.1;    // metres of arrow per kN/m ("Streckenlast" / 10)
    double Schnittkraftmassstab = 0.01;   // metres of ordinate per kN ("Schnittkraft" / 100)
    double VersatzX = 0.0;
    double VersatzY = 0.0;
    int Breite = 0;  // canvas size in pixels
    int Hoehe = 0;

    // Untruncated pixel position of a world coordinate.
    double BildX(double x) const { return x * Massstab + VersatzX; }
    double BildY(double y) const { return Hoehe - y * Massstab + VersatzY; }
};

// The scale window's positioner (bounds -0.2 .. 1.2 on both axes).
struct Positionierer {
    double X = 0.5;
    double Y = 0.5;
};

// The numbers behind the scale window's inputs, as typed (no division yet).
struct Massstabwerte {
    double System = 50.0;
    double Verschiebung = 20.0;
    double Punktlast = 1.0;
    double Streckenlast = 1.0;
    double Schnittkraft = 1.0;
    double PositionX = 0.0;
    double PositionY = 0.0;
};

// The view from the input values, the positioner and the canvas size.  A
// "System" scale of 0 (or one that is not a finite number) is taken as 1.
Ansicht AnsichtBerechnen(const Massstabwerte& werte, const Positionierer& positionierer, int breite, int hoehe);

// The numbers of the scale window's inputs (text that is no number is 0).
Massstabwerte MassstabwerteLesen(const Massstabeinstellungen& eingaben);

// The view for the next drawing or conversion.  A "System" scale that reads
// as 0 (or as no finite number) is replaced by "1" in the input.
Ansicht AnsichtErmitteln(Massstabeinstellungen& eingaben, const Positionierer& positionierer, int breite, int hoehe);

// The state of the scale window's positioner; the GUI keeps it in step with
// its positioner object in both directions.
extern Positionierer MassstabPositionierer;

// Pixel of a world coordinate, truncated towards zero (and held inside the
// drawable range, see zeichenhilfen.h).
int WeltNachBildX(const Ansicht& ansicht, double x);
int WeltNachBildY(const Ansicht& ansicht, double y);
// World coordinate of a pixel.
double BildNachWeltX(const Ansicht& ansicht, double px);
double BildNachWeltY(const Ansicht& ansicht, double py);

// ------------------------------------------------------------------ snap

// Nearest point of the System closer than `toleranz` metres (strictly), the
// earlier one in chain order on a tie; null if none.
Punkt* NaechsterPunkt(const System* system, double x, double y, double toleranz);

// One coordinate to the snap grid with spacing g: halves go away from zero.
// A spacing that is not a positive finite number leaves the value alone.
double AufRasterFangen(double wert, double g);

// Snaps (x, y) by the System's Fangmodus; returns the point snapped to, or
// null.  Without a System nothing changes.
Punkt* Fangen(const System* system, double& x, double& y);

// ------------------------------------------------------------------ zoom and pan
//
// These compute the new input values; the caller writes them into the scale
// window (each as "%.2f") and redraws.  Every result is already rounded the
// way the "%.2f" text will be read back.

enum class Verschieberichtung { Links, Rechts, Hoch, Runter };

// Fits the bars into the canvas with a 60-pixel margin.  Returns false (and
// changes nothing) when the System has no bars.  A structure without extent
// keeps the old scale and is only centred.
bool ZoomAlles(const System* system, int breite, int hoehe, Massstabwerte& werte, Positionierer& positionierer);
// Zooms by 1.2 in or out about the clicked pixel, which becomes the centre.
void ZoomPunkt(const Ansicht& ansicht, double px, double py, bool hinein, Massstabwerte& werte,
               Positionierer& positionierer);
// Fits the rectangle between two pixel corners with a 5-pixel margin.
void ZoomRechteck(const Ansicht& ansicht, double x1, double y1, double x2, double y2, Massstabwerte& werte,
                  Positionierer& positionierer);
// Moves the drawing 50 pixels in the arrow's direction.
void AnsichtVerschieben(Verschieberichtung richtung, Massstabwerte& werte);

// The same operations on the scale window's inputs: the changed values are
// written back as "%.2f".
bool ZoomAlles(const System* system, int breite, int hoehe, Massstabeinstellungen& eingaben,
               Positionierer& positionierer);
void ZoomPunkt(const Ansicht& ansicht, double px, double py, bool hinein, Massstabeinstellungen& eingaben,
               Positionierer& positionierer);
void ZoomRechteck(const Ansicht& ansicht, double x1, double y1, double x2, double y2,
                  Massstabeinstellungen& eingaben, Positionierer& positionierer);
void AnsichtVerschieben(Verschieberichtung richtung, Massstabeinstellungen& eingaben);

// A number as the scale window shows it after zoom and pan ("%.2f", read back).
double AufZweiStellen(double wert);
