// Grid, grid coordinate labels and the origin symbol.
#include "workspace/zeichnen.h"

#include <cmath>
#include <cstdio>
#include <cstring>

namespace {

// More grid lines than this in one direction could only fill the canvas
// solidly (the spacing would be a fraction of a pixel); such a grid is left
// out rather than drawn line by line for ever.
constexpr double RASTER_MAX_LINIEN = 10000.0;

// The world values of one direction's grid lines: 0, g, 2g, ... up to `bis`,
// then 0, -g, -2g, ... down to `ab`, each by repeated addition (the line
// at 0 comes twice).  False when the spacing cannot make a grid.
template <class Fn>
bool RasterwerteDurchlaufen(double g, double bis, double ab, Fn&& fn) {
    if (!(g > 0.0) || !std::isfinite(g) || !std::isfinite(bis) || !std::isfinite(ab)) return false;
    const double oben = bis >= 0.0 ? std::floor(bis / g) + 1.0 : 0.0;
    const double unten = ab <= 0.0 ? std::floor(-ab / g) + 1.0 : 0.0;
    if (oben + unten > 2.0 * RASTER_MAX_LINIEN) return false;
    const long grenze = static_cast<long>(oben + unten) + 4;
    long n = 0;
    for (double x = 0.0; x <= bis && n < grenze; x += g, ++n) fn(x);
    for (double x = 0.0; x >= ab && n < grenze; x -= g, ++n) fn(x);
    return true;
}

bool MassstabBrauchbar(const Ansicht& a) { return a.Massstab != 0.0 && std::isfinite(a.Massstab); }

}  // namespace

void RasterZeichnen(Maler& maler, const Ansicht& a, const System& system, bool achsenHervorheben) {
    if (!MassstabBrauchbar(a)) return;
    const double s = a.Massstab, ox = a.VersatzX, oy = a.VersatzY;
    const double W = a.Breite, H = a.Hoehe;
    maler.Farbe(ROLLE_RASTER);
    maler.Linie(0, Linienart::Gestrichelt, Linienende::Stumpf);
    RasterwerteDurchlaufen(system.RasterweiteX, (W - ox) / s, -ox / s, [&](double x) {
        const double px = std::trunc(ox + s * x);
        StreckeZeichnen(maler, px, 0.0, px, H);
    });
    RasterwerteDurchlaufen(system.RasterweiteY, (H + oy) / s, oy / s, [&](double y) {
        const double py = std::trunc(oy + H - s * y);
        StreckeZeichnen(maler, 0.0, py, W, py);
    });
    if (achsenHervorheben) {
        maler.Farbe(ROLLE_VORDERGRUND);
        maler.Linie(2, Linienart::Gestrichelt, Linienende::Stumpf);
        StreckeZeichnen(maler, std::trunc(ox), 0.0, std::trunc(ox), H);
        StreckeZeichnen(maler, 0.0, std::trunc(oy + H), W, std::trunc(oy + H));
    }
}

void AchsenBeschriften(Maler& maler, const Ansicht& a, const System& system) {
    if (!MassstabBrauchbar(a)) return;
    const double s = a.Massstab, ox = a.VersatzX, oy = a.VersatzY;
    const double W = a.Breite, H = a.Hoehe;
    maler.Schriftart(Schrift::Klein);
    maler.Farbe(ROLLE_RASTER);
    maler.Hintergrund(ROLLE_HINTERGRUND);
    char text[64];
    RasterwerteDurchlaufen(system.RasterweiteX, (W - ox) / s, -ox / s, [&](double x) {
        std::snprintf(text, sizeof text, "%.2f", x);
        TextZeichnen(maler, std::trunc(ox + s * x), H - 50.0, text);
    });
    RasterwerteDurchlaufen(system.RasterweiteY, (H + oy) / s, oy / s, [&](double y) {
        std::snprintf(text, sizeof text, "%.2f", y);
        TextZeichnen(maler, W - 6.0 * std::strlen(text) - 50.0, std::trunc(oy + H - s * y), text);
    });
    maler.Schriftart(Schrift::Normal);
}

void UrsprungZeichnen(Maler& maler, const Ansicht& a) {
    const double s = a.Massstab, ox = a.VersatzX, oy = a.VersatzY, H = a.Hoehe;
    maler.Farbe(ROLLE_VORDERGRUND);
    maler.Hintergrund(ROLLE_HINTERGRUND);
    maler.Linie(2, Linienart::Durchgezogen, Linienende::Stumpf);
    const double Ox = std::trunc(ox), Oy = std::trunc(H + oy);
    // One metre along x and along y, and the turning sense about z.
    PfeilZeichnen(maler, Ox, Oy, std::trunc(s + ox), Oy);
    TextZeichnen(maler, s + ox + 10.0, Oy, "X");
    PfeilZeichnen(maler, Ox, Oy, Ox, std::trunc(oy + H - s));
    TextZeichnen(maler, Ox, oy + H - s - 10.0, "Y");
    BogenZeichnen(maler, ox - 0.7 * s, oy + H - 0.7 * s, 1.4 * s, 1.4 * s, 20 * 64, 50 * 64);
    const double ex = ox + 0.7 * s * std::cos(1.222), ey = oy + H - 0.7 * s * std::sin(1.222);
    StreckeZeichnen(maler, ex, ey, ox + 0.6 * s * std::cos(1.0), oy + H - 0.6 * s * std::sin(1.0));
    StreckeZeichnen(maler, ex, ey, ox + 0.78 * s * std::cos(1.0), oy + H - 0.78 * s * std::sin(1.0));
    TextZeichnen(maler, ox + 0.1 * s, oy + H - 0.1 * s, "Z");
}
