// Derived geometry of a bar and the hit test used to mark bars.
#pragma once

struct Stab;

constexpr double PI_GERUNDET = 3.141592654;
constexpr double PI_HALBE_GERUNDET = 1.570796327;

// Angle of the segment (x1,y1)-(x2,y2) by the program's rule; `vorher` is
// kept when both points coincide.  Result in (-pi/2, 3pi/2), except for a
// segment pointing in -x, which gets -PI_GERUNDET.
double RichtungsWinkel(double x1, double y1, double x2, double y2, double vorher);
// Sets Winkel, Laenge, Cos, Sin of a bar from its points (no-op without points).
void StabGeometrie(Stab* stab);
// 1 when (x, y) lies on the segment, away from its end zones; else 0.
int PunktAufStab(double x1, double y1, double x2, double y2, double x, double y);
