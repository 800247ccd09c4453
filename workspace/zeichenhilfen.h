// From double pixel positions to the painter's int coordinates.
//
// Every conversion truncates towards zero.  The X protocol carries 16-bit
// coordinates, so a value far outside the window would wrap round and land
// somewhere on the canvas; instead, lines are clipped to a safe square
// around the window before they are truncated, and small items (texts,
// symbols) that lie outside it are left out.
#pragma once

#include "workspace/maler.h"

// Half the side of the square that drawn coordinates stay inside; well within
// the 16-bit range, with room for the few pixels that symbols add.
constexpr double BILDGRENZE = 30000.0;

// trunc(v) as int, held inside [-BILDGRENZE, BILDGRENZE]; NaN gives 0.
int Pixel(double v);
bool ImBildbereich(double x, double y);

// Clips the segment to the safe square (Liang-Barsky); false when nothing of
// it is left or a coordinate is not finite.  A segment inside is unchanged.
bool StreckeBeschneiden(double& x1, double& y1, double& x2, double& y2);

// The line, clipped, its ends truncated.
void StreckeZeichnen(Maler& maler, double x1, double y1, double x2, double y2);
// Connected lines: one polyline request when every point is inside the safe
// square, else clipped single segments.
void LinienzugZeichnen(Maler& maler, const double* x, const double* y, int anzahl);
// Image string at the truncated position; left out when outside.
void TextZeichnen(Maler& maler, double x, double y, const char* text);
// Arc and rectangle outline with the box truncated; left out when the box
// does not fit the safe square.  Angles in 1/64 degree.
void BogenZeichnen(Maler& maler, double x, double y, double breite, double hoehe, int winkel1, int winkel2);
void RechteckZeichnen(Maler& maler, double x, double y, double breite, double hoehe);
// Full circle of the given diameter centred on (x, y); box at trunc(x - d/2).
void KreisZeichnen(Maler& maler, double x, double y, double durchmesser);

// The arrow from P1 to P2 (pixels): the shaft and two head lines from the
// tip, each a sixth of the arrow long and 30 degrees off the shaft.
void PfeilZeichnen(Maler& maler, double x1, double y1, double x2, double y2);
