#include "workspace/rasterwerte.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

bool RasterabstandLesen(const char* text, double& wert) {
    if (!text) return false;
    double v = std::atof(text);
    if (!std::isfinite(v) || v <= 0.0) return false;
    wert = v;
    return true;
}

int FangmodusAusAuswahl(int eintrag) { return eintrag >= 1 && eintrag <= 4 ? eintrag - 1 : -1; }

void RasterabstandText(double wert, char (&text)[32]) { std::snprintf(text, sizeof text, "%.3f", wert); }
