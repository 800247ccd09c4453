// The values typed into the grid and snap settings, checked before a
// System takes them.
#pragma once

// A grid or snap spacing from an input text (read like atof).  Only a
// positive finite number is taken: a spacing of 0 or less would make the
// grid endless and the snap divide by zero.  Returns false and leaves
// `wert` alone otherwise.
bool RasterabstandLesen(const char* text, double& wert);

// The snap mode of a choice item (1 to 4), or -1 for any other item.
int FangmodusAusAuswahl(int eintrag);

// "%.3f", the way the settings show a spacing.
void RasterabstandText(double wert, char (&text)[32]);
