// PostScript drawing commands written as text into an open file.
//
// Callers work in millimetres on the page; every point is converted to
// PostScript points and turned by the drawing angle, so a landscape page is
// laid out on portrait paper without a "rotate" around the whole drawing.
// Each operation writes one fixed, complete piece of text; nothing is
// buffered here.  The caller opens and closes the file and checks it.
//
// Numbers that are not finite (a degenerate scale upstream) are never
// written: NaN becomes 0, and magnitudes beyond PS_GROESSTE_ZAHL (infinity
// included) are cut to it, so the document always stays readable.
#pragma once

#include <cstdio>
#include <string>

// Points per millimetre.  1 / 0.3527778, not 72 / 25.4: the drawings of the
// program have always been laid out with this factor.
constexpr double PS_EINHEIT = 2.834645490730993;

// Largest magnitude written for any number (points).
constexpr double PS_GROESSTE_ZAHL = 1.0e6;

// Remembers the file, sets the unit factor, writes "%!PS" and the prolog
// that re-encodes the standard fonts with ISOLatin1Encoding.
void PsBeginn(FILE* datei);
// Remembers the file (the unit factor is left alone) and writes "%!PS"; with
// a proper box (x1 != x2 and y1 != y2) also the bounding-box header with its
// prolog and the first page's comments.  The fonts are re-encoded in either case.
void PsKopfMitRahmen(FILE* datei, long x1, long y1, long x2, long y2);

void PsSeitenanfang();
// The text as it stands followed by a newline (raw PostScript or comment).
void PsZeile(const char* text);
void PsSeitenende();

// Points and lengths in mm.
void PsLinie(double x1, double y1, double x2, double y2);
void PsRechteck(double x, double y, double breite, double hoehe);
void PsKreis(double x, double y, double radius);
// An open circle: filled white, then outlined.
void PsKreisGefuellt(double x, double y, double radius);
// Shaft from tail to tip and two head strokes of a sixth of its length at
// +-30 degrees to it.
void PsPfeil(double x1, double y1, double x2, double y2);
void PsLinienbreite(double breite);
// 1 = short dashes, 2 = dash-gap, anything else = solid.
void PsStrichart(int muster);
void PsSkalieren(double sx, double sy);
// 0 black ... 1 white.
void PsGrau(double grau);
// Size in points (not scaled by the unit factor).
void PsSchrift(const char* name, long groesse);
// ISO 8859-1 text, turned with the page; parentheses, backslashes and
// control characters are escaped, so any text is safe to pass.
void PsText(double x, double y, const char* text);
// More text where the last text ended, in the font set now (a word in
// another font, such as a Greek letter from "Symbol", inside a line).
void PsTextFortsetzen(const char* text);
// Translation in mm, not turned by the drawing angle.
void PsVerschieben(double x, double y);
// Drawing angle in degrees; writes nothing.
void PsDrehung(double grad);

// Page point (mm) to PostScript coordinates (points), turned by the angle.
void PsTransformieren(double x, double y, double* px, double* py);

// The string literal body for a text: "(", ")" and "\" get a backslash,
// control characters become octal escapes, other bytes stay as they are.
std::string PsTextMaskiert(const char* text);
