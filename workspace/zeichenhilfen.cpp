#include "workspace/zeichenhilfen.h"

#include <cmath>
#include <string>

#include "core/zahltext.h"

int Pixel(double v) {
    if (std::isnan(v)) return 0;
    if (v > BILDGRENZE) return static_cast<int>(BILDGRENZE);
    if (v < -BILDGRENZE) return -static_cast<int>(BILDGRENZE);
    return static_cast<int>(std::trunc(v));
}

bool ImBildbereich(double x, double y) {
    return x >= -BILDGRENZE && x <= BILDGRENZE && y >= -BILDGRENZE && y <= BILDGRENZE;
}

bool StreckeBeschneiden(double& x1, double& y1, double& x2, double& y2) {
    if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) || !std::isfinite(y2)) return false;
    if (ImBildbereich(x1, y1) && ImBildbereich(x2, y2)) return true;
    const double dx = x2 - x1, dy = y2 - y1;
    double t0 = 0.0, t1 = 1.0;
    // Each edge: p * t <= q keeps the part on the inner side.
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {x1 + BILDGRENZE, BILDGRENZE - x1, y1 + BILDGRENZE, BILDGRENZE - y1};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0.0) {
            if (q[i] < 0.0) return false;
            continue;
        }
        const double r = q[i] / p[i];
        if (p[i] < 0.0) {
            if (r > t1) return false;
            if (r > t0) t0 = r;
        } else {
            if (r < t0) return false;
            if (r < t1) t1 = r;
        }
    }
    const double ax = x1 + t0 * dx, ay = y1 + t0 * dy;
    const double bx = x1 + t1 * dx, by = y1 + t1 * dy;
    x1 = ax;
    y1 = ay;
    x2 = bx;
    y2 = by;
    return true;
}

void StreckeZeichnen(Maler& maler, double x1, double y1, double x2, double y2) {
    if (!StreckeBeschneiden(x1, y1, x2, y2)) return;
    maler.Strecke(Pixel(x1), Pixel(y1), Pixel(x2), Pixel(y2));
}

void LinienzugZeichnen(Maler& maler, const double* x, const double* y, int anzahl) {
    if (anzahl <= 0) return;
    bool innen = true;
    for (int i = 0; i < anzahl && innen; ++i) innen = ImBildbereich(x[i], y[i]);
    if (innen) {
        // Small arrays (11 or 5 points) live on the stack.
        Bildpunkt vorrat[16];
        Bildpunkt* punkte = anzahl <= 16 ? vorrat : new Bildpunkt[anzahl];
        for (int i = 0; i < anzahl; ++i)
            punkte[i] = Bildpunkt{static_cast<short>(Pixel(x[i])), static_cast<short>(Pixel(y[i]))};
        maler.Linienzug(punkte, anzahl);
        if (punkte != vorrat) delete[] punkte;
        return;
    }
    for (int i = 0; i + 1 < anzahl; ++i) StreckeZeichnen(maler, x[i], y[i], x[i + 1], y[i + 1]);
}

void TextZeichnen(Maler& maler, double x, double y, const char* text) {
    if (!ImBildbereich(x, y) || !text) return;  // also rejects NaN
    // No drawn number reads "-0.00".
    std::string lesbar(text);
    MinusNullEntfernen(lesbar.data());
    maler.Text(Pixel(x), Pixel(y), lesbar.c_str());
}

namespace {
bool BoxPasst(double x, double y, double breite, double hoehe) {
    return ImBildbereich(x, y) && ImBildbereich(x + breite, y + hoehe) && breite >= 0.0 && hoehe >= 0.0;
}
}  // namespace

void BogenZeichnen(Maler& maler, double x, double y, double breite, double hoehe, int winkel1, int winkel2) {
    if (!BoxPasst(x, y, breite, hoehe)) return;
    maler.Bogen(Pixel(x), Pixel(y), Pixel(breite), Pixel(hoehe), winkel1, winkel2);
}

void RechteckZeichnen(Maler& maler, double x, double y, double breite, double hoehe) {
    if (!BoxPasst(x, y, breite, hoehe)) return;
    maler.Rechteck(Pixel(x), Pixel(y), Pixel(breite), Pixel(hoehe));
}

void KreisZeichnen(Maler& maler, double x, double y, double durchmesser) {
    BogenZeichnen(maler, x - durchmesser / 2.0, y - durchmesser / 2.0, durchmesser, durchmesser, 0, 360 * 64);
}

void PfeilZeichnen(Maler& maler, double x1, double y1, double x2, double y2) {
    StreckeZeichnen(maler, x1, y1, x2, y2);
    const double dx = x2 - x1, dy = y2 - y1;
    const double laenge = std::sqrt(dx * dx + dy * dy);
    if (!std::isfinite(laenge)) return;
    // Direction by the program's quadrant rule (atan with corrections), the
    // same as for bar angles; atan2 would differ only in the branch chosen.
    double a;
    if (dx == 0.0) {
        a = y2 < y1 ? -M_PI / 2.0 : (y2 > y1 ? M_PI / 2.0 : 0.0);
    } else {
        a = std::atan(dy / dx);
        if (dy == 0.0 && x2 < x1) a = -M_PI;
        else if (dx < 0.0) a += M_PI;
    }
    const double kopf = laenge / 6.0;
    const double tx = std::trunc(x2), ty = std::trunc(y2);
    StreckeZeichnen(maler, tx, ty, x2 - kopf * std::cos(a - M_PI / 6.0), y2 - kopf * std::sin(a - M_PI / 6.0));
    StreckeZeichnen(maler, tx, ty, x2 - kopf * std::cos(a + M_PI / 6.0), y2 - kopf * std::sin(a + M_PI / 6.0));
}
