#include "output/postscript.h"

#include <cmath>

namespace {

struct PsZustand {
    FILE* datei = nullptr;
    double winkel = 0.0;           // radians
    double einheit = PS_EINHEIT;   // points per mm
};

PsZustand ps;

// The standard fonts the program may ask for; each is replaced in the
// document by a copy with ISOLatin1Encoding under its own name, so a later
// "findfont" of that name prints umlauts as written.
const char* const LATIN1_SCHRIFTEN[] = {
    "Times-Roman", "Times-Bold", "Times-Italic", "Helvetica", "Helvetica-Bold", "Courier",
};

double Sicher(double v) {
    if (std::isnan(v)) return 0.0;
    if (v > PS_GROESSTE_ZAHL) return PS_GROESSTE_ZAHL;
    if (v < -PS_GROESSTE_ZAHL) return -PS_GROESSTE_ZAHL;
    return v;
}

void Punkt3(const char* befehl, double x, double y) {
    double px, py;
    PsTransformieren(x, y, &px, &py);
    std::fprintf(ps.datei, "%.3f %.3f %s\n", Sicher(px), Sicher(py), befehl);
}

void Latin1Prolog() {
    std::fputs("/VelkoLatin1 {\n"
               "  dup findfont dup length dict begin\n"
               "  { 1 index /FID ne { def } { pop pop } ifelse } forall\n"
               "  /Encoding ISOLatin1Encoding def\n"
               "  currentdict end definefont pop\n"
               "} bind def\n",
               ps.datei);
    for (const char* name : LATIN1_SCHRIFTEN) std::fprintf(ps.datei, "/%s VelkoLatin1\n", name);
}

}  // namespace

void PsTransformieren(double x, double y, double* px, double* py) {
    const double c = std::cos(ps.winkel);
    const double s = std::sin(ps.winkel);
    *px = (c * x - s * y) * ps.einheit;
    *py = (s * x + c * y) * ps.einheit;
}

void PsBeginn(FILE* datei) {
    ps.datei = datei;
    ps.einheit = PS_EINHEIT;
    if (!datei) return;
    std::fputs("%!PS\n", datei);
    Latin1Prolog();
}

void PsKopfMitRahmen(FILE* datei, long x1, long y1, long x2, long y2) {
    ps.datei = datei;
    if (!datei) return;
    std::fputs("%!PS\n", datei);
    if (x1 == x2 || y1 == y2) {
        Latin1Prolog();
        return;
    }
    std::fprintf(datei, "%%%%BoundingBox: %ld %ld %ld %ld\n", x1, y1, x2, y2);
    std::fputs("%%EndComments\n%%BeginProlog\n", datei);
    Latin1Prolog();
    std::fputs("%%EndProlog\n%%Page: one 1\n%%BeginPageSetup\n%%EndPageSetup\n", datei);
}

void PsSeitenanfang() {}

void PsZeile(const char* text) {
    if (!ps.datei) return;
    std::fprintf(ps.datei, "%s\n", text ? text : "");
}

void PsSeitenende() {
    if (!ps.datei) return;
    std::fputs("stroke\nshowpage\n", ps.datei);
}

void PsLinie(double x1, double y1, double x2, double y2) {
    if (!ps.datei) return;
    Punkt3("moveto", x1, y1);
    Punkt3("lineto", x2, y2);
    std::fputs("stroke\n", ps.datei);
}

void PsRechteck(double x, double y, double breite, double hoehe) {
    if (!ps.datei) return;
    std::fputs("newpath\n", ps.datei);
    Punkt3("moveto", x, y);
    Punkt3("lineto", x + breite, y);
    Punkt3("lineto", x + breite, y + hoehe);
    Punkt3("lineto", x, y + hoehe);
    Punkt3("lineto", x, y);
    std::fputs("closepath stroke\n", ps.datei);
}

void PsKreis(double x, double y, double radius) {
    if (!ps.datei) return;
    double px, py;
    PsTransformieren(x, y, &px, &py);
    std::fprintf(ps.datei, "newpath\n%.3f %.3f %.3f 0 360 arc\nclosepath stroke\n", Sicher(px), Sicher(py),
                 Sicher(radius * ps.einheit));
}

void PsKreisGefuellt(double x, double y, double radius) {
    if (!ps.datei) return;
    double px, py;
    PsTransformieren(x, y, &px, &py);
    std::fprintf(ps.datei, "newpath\n%.3f %.3f %.3f 0 360 arc\nclosepath gsave 1 setgray fill grestore stroke\n",
                 Sicher(px), Sicher(py), Sicher(radius * ps.einheit));
}

void PsPfeil(double x1, double y1, double x2, double y2) {
    if (!ps.datei) return;
    const double pi = 3.141592653589793;
    const double dx = x2 - x1;
    const double dy = y2 - y1;
    const double laenge = std::sqrt(dy * dy + dx * dx);
    double a;
    if (dx == 0.0) {
        a = y2 < y1 ? -pi / 2 : (y2 > y1 ? pi / 2 : 0.0);
    } else {
        a = std::atan(dy / dx);
        if (dy == 0.0 && x2 < x1) a = -pi;
        if (dx < 0.0 && dy > 0.0) a += pi;
        if (dx < 0.0 && dy < 0.0) a += pi;
    }
    const double t = laenge / 6.0;
    std::fputs("% <arrow>\n", ps.datei);
    PsLinie(x1, y1, x2, y2);
    PsLinie(x2, y2, x2 - t * std::cos(a - pi / 6), y2 - t * std::sin(a - pi / 6));
    PsLinie(x2, y2, x2 - t * std::sin(pi / 3 - a), y2 - t * std::cos(pi / 3 - a));
    std::fputs("% </arrow>\n", ps.datei);
}

void PsLinienbreite(double breite) {
    if (!ps.datei) return;
    std::fprintf(ps.datei, "%f setlinewidth\n", Sicher(breite * ps.einheit));
}

void PsStrichart(int muster) {
    if (!ps.datei) return;
    const double f = ps.einheit;
    if (muster == 1)
        std::fprintf(ps.datei, "newpath [%f] 0 setdash\n", 2 * f);
    else if (muster == 2)
        std::fprintf(ps.datei, "newpath [%f %f] 0 setdash\n", 3 * f, 2 * f);
    else
        std::fputs("newpath [] 0 setdash\n", ps.datei);
}

void PsSkalieren(double sx, double sy) {
    if (!ps.datei) return;
    std::fprintf(ps.datei, "%f %f scale\n", Sicher(sx), Sicher(sy));
}

void PsGrau(double grau) {
    if (!ps.datei) return;
    // setgray clips to [0, 1] itself; only a non-number must not get through.
    std::fprintf(ps.datei, "%.2f setgray\n", std::isfinite(grau) ? grau : 0.0);
}

void PsSchrift(const char* name, long groesse) {
    if (!ps.datei) return;
    std::fprintf(ps.datei, "/%s findfont\n%ld scalefont setfont\n", name ? name : "Times-Roman", groesse);
}

std::string PsTextMaskiert(const char* text) {
    std::string ergebnis;
    if (!text) return ergebnis;
    for (const unsigned char* p = reinterpret_cast<const unsigned char*>(text); *p; ++p) {
        const unsigned char c = *p;
        if (c == '(' || c == ')' || c == '\\') {
            ergebnis += '\\';
            ergebnis += static_cast<char>(c);
        } else if (c < 0x20 || c == 0x7f) {
            char oktal[5];
            std::snprintf(oktal, sizeof oktal, "\\%03o", c);
            ergebnis += oktal;
        } else {
            ergebnis += static_cast<char>(c);
        }
    }
    return ergebnis;
}

void PsText(double x, double y, const char* text) {
    if (!ps.datei) return;
    double px, py;
    PsTransformieren(x, y, &px, &py);
    const double grad = ps.winkel * 180.0 / 3.141592653589793;
    std::fprintf(ps.datei, "%f %f moveto \n%f rotate\n(%s) show\n%f rotate\n", Sicher(px), Sicher(py), grad,
                 PsTextMaskiert(text).c_str(), -grad);
}

void PsTextFortsetzen(const char* text) {
    if (!ps.datei) return;
    const double grad = ps.winkel * 180.0 / 3.141592653589793;
    std::fprintf(ps.datei, "%f rotate\n(%s) show\n%f rotate\n", grad, PsTextMaskiert(text).c_str(), -grad);
}

void PsVerschieben(double x, double y) {
    if (!ps.datei) return;
    std::fprintf(ps.datei, "%f %f translate\n", Sicher(x * ps.einheit), Sicher(y * ps.einheit));
}

void PsDrehung(double grad) {
    ps.winkel = std::isfinite(grad) ? grad * 3.141592653589793 / 180.0 : 0.0;
}
