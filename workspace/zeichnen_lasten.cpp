// Point loads (forces as arrows, moments as arcs), distributed loads and
// temperature loads.
#include "core/bericht.h"
#include "core/zahltext.h"
#include "output/ankerpunkte.h"
#include "workspace/zeichnen_intern.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

std::vector<long> AktiveLastfaelle(const System& system) {
    std::vector<long> aktiv;
    for (Lastfall* l : Elemente<Lastfall>(system.Lastfaelle))
        if (l->Aktiv == 1) aktiv.push_back(l->Kennung);
    return aktiv;
}

bool Enthalten(const std::vector<long>& menge, long kennung) {
    for (long k : menge)
        if (k == kennung) return true;
    return false;
}

// Direction of a load: its own angle, turned with the bar unless global.
double Lastrichtung(double winkel, long koordinatensystem, const Stab& stab) {
    return winkel + (koordinatensystem != KOORD_GLOBAL ? stab.Winkel : 0.0);
}

// An arc extent in 1/64 degree; a full turn shows everything a larger
// value could, and keeps the conversion to int defined.
int Bogenumfang(double winkel64) {
    if (!std::isfinite(winkel64)) return 0;
    if (winkel64 > 360.0 * 64.0) return 360 * 64;
    if (winkel64 < -360.0 * 64.0) return -360 * 64;
    return static_cast<int>(std::trunc(winkel64));
}

constexpr const char* KEIN_LASTFALL = "Fehler : PL zeichnen kein Lastfall\n";

}  // namespace

// The moment symbol shared by the canvas and the load sketch: a small
// circle at the point, an arc of radius 30 from 3 o'clock over 10 degrees
// per unit of m*u, and a head 12 degrees back along the arc.
// `rueckwaerts` turns the head for a clockwise arc.
static void MomentSymbol(Maler& maler, int px, int py, double m, double u, double kreis, bool rueckwaerts) {
    const double q = rueckwaerts ? 1.2 : -1.2;
    const double theta = m * u * M_PI / 18.0;
    const double theta2 = (m * u + q) * M_PI / 18.0;
    KreisZeichnen(maler, px, py, kreis);
    BogenZeichnen(maler, px - 30.0, py - 30.0, 60.0, 60.0, 0, Bogenumfang(m * u * 640.0));
    const double ex = px + 30.0 * std::cos(theta), ey = py - 30.0 * std::sin(theta);
    StreckeZeichnen(maler, ex, ey, px + 25.0 * std::cos(theta2), py - 25.0 * std::sin(theta2));
    StreckeZeichnen(maler, ex, ey, px + 35.0 * std::cos(theta2), py - 35.0 * std::sin(theta2));
}

void PunktlastenZeichnen(Maler& maler, const Ansicht& a, const System& system, bool beschriften,
                         Beschriftungsplan* plan) {
    if (!system.Punktlasten) return;
    const std::vector<long> aktiv = AktiveLastfaelle(system);
    const Stabverzeichnis staebe(system.Staebe);
    const double s = a.Massstab, uP = a.Punktlastmassstab;
    maler.Farbe(ROLLE_PUNKTLAST);
    Beschriftungsplan eigener;  // the labels of this call alone
    Beschriftungsplan& beschriftungen = plan ? *plan : eigener;
    char text[128];
    for (Punktlast* l : Elemente<Punktlast>(system.Punktlasten)) {
        if (!Enthalten(aktiv, l->Lastfall)) continue;
        // A load whose bar is gone has nowhere to be drawn.
        const Stab* stab = staebe.Suchen(l->Stab);
        if (!StabHatPunkte(stab)) continue;
        const Weltpunkt p = StabpunktAn(stab, l->Position);
        const int px = WeltNachBildX(a, p.X), py = WeltNachBildY(a, p.Y);
        const double phi = Lastrichtung(l->Winkel, l->Koordinatensystem, *stab);
        maler.Linie(4, Linienart::Durchgezogen, Linienende::Stumpf);
        if (l->Art == ART_MOMENT) {
            MomentSymbol(maler, px, py, l->Groesse, 1.2 * uP, 4.0, uP * l->Groesse < 0.0);
        } else if (l->Art == ART_KRAFT) {
            const double f = l->Groesse;
            PfeilZeichnen(maler, std::trunc(px - uP * s * f * std::sin(phi)),
                          std::trunc(py - uP * s * f * std::cos(phi)), px, py);
        }
        if (beschriften) {
            maler.Linie(1, Linienart::Durchgezogen, Linienende::Stumpf);
            const Lastfall* lf = LastfallIn(system, l->Lastfall);
            if (!lf) {
                MeldungAusgeben(KEIN_LASTFALL);
                return;
            }
            std::snprintf(text, sizeof text, "%.2fx%.2f", lf->Gewicht, l->Groesse);
            BeschriftungSetzen(maler, beschriftungen, px + 30.0, py - 30.0, text, true, px, py);
        }
    }
}

void StreckenlastenZeichnen(Maler& maler, const Ansicht& a, const System& system, bool beschriften,
                            Beschriftungsplan* plan) {
    if (!system.Streckenlasten) return;
    const std::vector<long> aktiv = AktiveLastfaelle(system);
    const Stabverzeichnis staebe(system.Staebe);
    const double uS = a.Streckenlastmassstab;
    maler.Farbe(ROLLE_STRECKENLAST);
    maler.Linie(3, Linienart::Durchgezogen, Linienende::Stumpf);
    Beschriftungsplan eigener;  // the labels of this call alone
    Beschriftungsplan& beschriftungen = plan ? *plan : eigener;
    char text[128];
    for (Streckenlast* l : Elemente<Streckenlast>(system.Streckenlasten)) {
        if (!Enthalten(aktiv, l->Lastfall)) continue;
        const Stab* stab = staebe.Suchen(l->Stab);
        if (!StabHatPunkte(stab)) continue;
        const double phi = Lastrichtung(l->Winkel, l->Koordinatensystem, *stab);
        const double nx = -std::sin(phi), ny = std::cos(phi);  // from the bar to the tails
        const double pa = l->PositionA, pb = l->PositionB;
        auto schwanz = [&](double t, double g) {
            const Weltpunkt p = StabpunktAn(stab, t);
            return Weltpunkt{p.X + uS * g * nx, p.Y + uS * g * ny};
        };
        // Ten arrows, positions and weights by repeated addition.
        double t = pa, lambda = 0.0;
        const double dt = (pb - pa) / 9.0;
        for (int i = 0; i < 10; ++i) {
            const Weltpunkt p = StabpunktAn(stab, t);
            const Weltpunkt q = schwanz(t, (1.0 - lambda) * l->GroesseA + lambda * l->GroesseB);
            PfeilZeichnen(maler, BildXT(a, q.X), BildYT(a, q.Y), BildXT(a, p.X), BildYT(a, p.Y));
            t += dt;
            lambda += 1.0 / 9.0;
        }
        const Weltpunkt qa = schwanz(pa, l->GroesseA), qb = schwanz(pb, l->GroesseB);
        StreckeZeichnen(maler, BildXT(a, qa.X), BildYT(a, qa.Y), BildXT(a, qb.X), BildYT(a, qb.Y));
        if (beschriften) {
            maler.Linie(1, Linienart::Durchgezogen, Linienende::Stumpf);
            const Lastfall* lf = LastfallIn(system, l->Lastfall);
            if (!lf) {
                MeldungAusgeben(KEIN_LASTFALL);
                return;
            }
            const Weltpunkt ba = StabpunktAn(stab, pa), bb = StabpunktAn(stab, pb);
            const double xa = BildXT(a, ba.X), ya = BildYT(a, ba.Y);
            std::snprintf(text, sizeof text, "%.2fx%.2f", lf->Gewicht, l->GroesseA);
            BeschriftungSetzen(maler, beschriftungen, xa - 60.0, ya - 30.0, text, true, xa, ya);
            const double xb = BildXT(a, bb.X), yb = BildYT(a, bb.Y);
            std::snprintf(text, sizeof text, "%.2fx%.2f", lf->Gewicht, l->GroesseB);
            BeschriftungSetzen(maler, beschriftungen, xb + 30.0, yb - 30.0, text, true, xb, yb);
            maler.Linie(3, Linienart::Durchgezogen, Linienende::Stumpf);
        }
    }
}

// ------------------------------------------------------------------ temperature loads

namespace {

// Strokes across the bar from pixel A to pixel B, TEMPERATUR_STRICH on either
// side of it and about TEMPERATUR_ABSTAND apart: a hatch along the whole
// bar, the same size at every scale.
constexpr double TEMPERATUR_STRICH = 8.0;
constexpr double TEMPERATUR_ABSTAND = 12.0;
constexpr int TEMPERATUR_STRICHE_HOECHSTENS = 400;

void TemperaturschraffurZeichnen(Maler& maler, double ax, double ay, double bx, double by) {
    const double dx = bx - ax, dy = by - ay, laenge = std::hypot(dx, dy);
    if (!std::isfinite(laenge)) return;
    double nx = 0.0, ny = -1.0;  // a bar of no length on screen gets an upright stroke
    if (laenge > 0.0) nx = -dy / laenge, ny = dx / laenge;
    const int anzahl = std::clamp(static_cast<int>(laenge / TEMPERATUR_ABSTAND), 1, TEMPERATUR_STRICHE_HOECHSTENS);
    for (int i = 0; i < anzahl; ++i) {
        const double t = (i + 0.5) / anzahl;
        const double x = ax + t * dx, y = ay + t * dy;
        StreckeZeichnen(maler, x - TEMPERATUR_STRICH * nx, y - TEMPERATUR_STRICH * ny, x + TEMPERATUR_STRICH * nx,
                        y + TEMPERATUR_STRICH * ny);
    }
}

// The Greek capital Delta in the character cell whose baseline starts at
// (x, y): the fonts of the canvas carry no Greek letters.
void DeltaZeichnen(Maler& maler, double x, double y) {
    const double links = x + 1.0, rechts = x + ZEICHENBREITE - 1.0, spitze = y - (OBERLAENGE - 2.0);
    const double mitte = (links + rechts) / 2.0;
    StreckeZeichnen(maler, links, y, rechts, y);
    StreckeZeichnen(maler, links, y, mitte, spitze);
    StreckeZeichnen(maler, rechts, y, mitte, spitze);
}

}  // namespace

std::string TemperaturlastText(double deltaT, double deltaTM, std::size_t* zweitesDelta) {
    char erster[64], zweiter[64];
    std::snprintf(erster, sizeof erster, " T=%.1f K  ", deltaT);
    std::snprintf(zweiter, sizeof zweiter, " TM=%.1f K", deltaTM);
    MinusNullEntfernen(erster);
    MinusNullEntfernen(zweiter);
    if (zweitesDelta) *zweitesDelta = std::strlen(erster);
    return std::string(erster) + zweiter;
}

void TemperaturlastBeschriften(Maler& maler, Beschriftungsplan& plan, double x, double y, double vonX, double vonY,
                               double deltaT, double deltaTM) {
    std::size_t zweites = 0;
    const std::string text = TemperaturlastText(deltaT, deltaTM, &zweites);
    if (!plan.Platzieren(x, y, Textkasten(text.c_str()), text)) return;
    if (!ImBildbereich(x, y)) return;
    StreckeZeichnen(maler, vonX, vonY, x, y);
    TextZeichnen(maler, x, y, text.c_str());
    // Over the blanks the text keeps for them, on the truncated cells.
    const double tx = std::trunc(x), ty = std::trunc(y);
    DeltaZeichnen(maler, tx, ty);
    DeltaZeichnen(maler, tx + static_cast<double>(zweites) * ZEICHENBREITE, ty);
}

void TemperaturlastenZeichnen(Maler& maler, const Ansicht& a, const System& system, bool beschriften,
                              Beschriftungsplan* plan) {
    if (!system.Temperaturlasten) return;
    const std::vector<long> aktiv = AktiveLastfaelle(system);
    const Stabverzeichnis staebe(system.Staebe);
    maler.Farbe(ROLLE_STRECKENLAST);
    maler.Hintergrund(ROLLE_HINTERGRUND);
    Beschriftungsplan eigener;  // the labels of this call alone
    Beschriftungsplan& beschriftungen = plan ? *plan : eigener;
    for (Temperaturlast* l : Elemente<Temperaturlast>(system.Temperaturlasten)) {
        if (!Enthalten(aktiv, l->Lastfall)) continue;
        const Stab* stab = staebe.Suchen(l->Stab);
        if (!StabHatPunkte(stab)) continue;
        maler.Linie(2, Linienart::Durchgezogen, Linienende::Stumpf);
        const double ax = BildXT(a, stab->PunktA->X), ay = BildYT(a, stab->PunktA->Y);
        const double bx = BildXT(a, stab->PunktB->X), by = BildYT(a, stab->PunktB->Y);
        TemperaturschraffurZeichnen(maler, ax, ay, bx, by);
        if (beschriften) {
            maler.Linie(1, Linienart::Durchgezogen, Linienende::Stumpf);
            const double mx = std::trunc((ax + bx) / 2.0), my = std::trunc((ay + by) / 2.0);
            TemperaturlastBeschriften(maler, beschriftungen, mx + 20.0, my + 35.0, mx, my, l->DeltaT, l->DeltaTM);
        }
    }
}

// ------------------------------------------------------------------ sketch windows

Ansicht SkizzenAnsicht(const Stab& stab, int breite, int hoehe) {
    Ansicht a;
    a.Breite = breite;
    a.Hoehe = hoehe;
    if (!StabHatPunkte(&stab)) return a;
    const double xA = stab.PunktA->X, yA = stab.PunktA->Y, xB = stab.PunktB->X, yB = stab.PunktB->Y;
    const double dx = std::fabs(xA - xB), dy = std::fabs(yA - yB);
    double k = 0.0;
    if (dx != 0.0) k = breite / (2.0 * dx);
    if (dy != 0.0 && (k == 0.0 || hoehe / (2.0 * dy) < k)) k = hoehe / (2.0 * dy);
    // A bar without extent would need an infinite scale.
    if (!(k > 0.0) || !std::isfinite(k)) k = 1.0;
    a.Massstab = k;
    a.VersatzX = (breite - (xA + xB) * k) / 2.0;
    a.VersatzY = -(hoehe - (yA + yB) * k) / 2.0;
    return a;
}

void SkizzenstabZeichnen(Maler& maler, const Ansicht& k, const Stab& stab) {
    if (!StabHatPunkte(&stab)) return;
    const double ax = BildXT(k, stab.PunktA->X), ay = BildYT(k, stab.PunktA->Y);
    const double bx = BildXT(k, stab.PunktB->X), by = BildYT(k, stab.PunktB->Y);
    maler.Farbe(ROLLE_STAB);
    maler.Linie(2, Linienart::Durchgezogen, Linienende::Stumpf);
    StreckeZeichnen(maler, ax, ay, bx, by);
    maler.Linie(2, Linienart::Gestrichelt, Linienende::Stumpf);
    const double dx = 4.0 * stab.Sin, dy = 4.0 * stab.Cos;
    StreckeZeichnen(maler, ax + dx, ay + dy, bx + dx, by + dy);
    maler.Farbe(ROLLE_PUNKTNUMMER);
    maler.Hintergrund(ROLLE_HINTERGRUND);
    maler.Schriftart(Schrift::Gross);
    TextZeichnen(maler, ax - 20.0, ay + 20.0, "A");
    TextZeichnen(maler, bx + 10.0, by - 10.0, "B");
    maler.Schriftart(Schrift::Normal);
    maler.Farbe(ROLLE_PUNKT);
    maler.Linie(3, Linienart::Durchgezogen, Linienende::Stumpf);
    RechteckZeichnen(maler, ax - 2.0, ay - 2.0, 4.0, 4.0);
    RechteckZeichnen(maler, bx - 2.0, by - 2.0, 4.0, 4.0);
}

void AchsenlegendeZeichnen(Maler& maler, int hoehe, double c, double s, long hintergrundIndex) {
    maler.Farbe(ROLLE_VORDERGRUND);
    maler.Hintergrund(ROLLE_HINTERGRUND);
    maler.Linie(0, Linienart::Durchgezogen, Linienende::Stumpf);
    // Global axes, y downwards as on paper, and the sense of phi.
    PfeilZeichnen(maler, 20, 20, 20, 90);
    PfeilZeichnen(maler, 20, 20, 90, 20);
    TextZeichnen(maler, 100, 20, "X");
    TextZeichnen(maler, 20, 110, "Z");
    BogenZeichnen(maler, 20 - 40, 20 - 40, 80, 80, 290 * 64, 50 * 64);
    TextZeichnen(maler, 25, 35, "phi");
    const double ex = 20.0 + 40.0 * std::cos(0.349), ey = 20.0 + 40.0 * std::sin(0.349);
    StreckeZeichnen(maler, ex, ey, 20.0 + 35.0 * std::cos(0.524), 20.0 + 35.0 * std::sin(0.524));
    StreckeZeichnen(maler, ex, ey, 20.0 + 45.0 * std::cos(0.524), 20.0 + 45.0 * std::sin(0.524));
    // Local axes of the bar, turned with it, at the bottom left.
    maler.Toolkitfarbe(hintergrundIndex == TOOLKIT_WEISS ? TOOLKIT_BLAU : TOOLKIT_WEISS);
    auto lx = [&](double u, double v) { return 60.0 + c * u - s * v; };
    auto ly = [&](double u, double v) { return (hoehe - 60.0) - (s * u + c * v); };
    PfeilZeichnen(maler, lx(-35, 35), ly(-35, 35), lx(35, 35), ly(35, 35));
    TextZeichnen(maler, lx(45, 45), ly(45, 45), "X,u");
    PfeilZeichnen(maler, lx(-35, 35), ly(-35, 35), lx(-35, -35), ly(-35, -35));
    TextZeichnen(maler, lx(-45, -45), ly(-45, -45), "Z,w");
}

void LastskizzeZeichnen(Maler& maler, int breite, int hoehe, const Stab* stab, const Punktlast* punktlast,
                        const Streckenlast* streckenlast, double streckenlastEingabe, long hintergrundIndex,
                        const Temperaturlast* temperaturlast) {
    if (!StabHatPunkte(stab)) return;
    maler.Hintergrund(ROLLE_HINTERGRUND);
    maler.Loeschen();
    AchsenlegendeZeichnen(maler, hoehe, stab->Cos, stab->Sin, hintergrundIndex);
    const Ansicht k = SkizzenAnsicht(*stab, breite, hoehe);
    SkizzenstabZeichnen(maler, k, *stab);
    if (streckenlast) {
        const Streckenlast& l = *streckenlast;
        maler.Farbe(ROLLE_STRECKENLAST);
        maler.Linie(2, Linienart::Durchgezogen, Linienende::Stumpf);
        const double d = streckenlastEingabe / 2.0;
        const double phi = Lastrichtung(l.Winkel, l.Koordinatensystem, *stab);
        const double nx = -std::sin(phi), ny = std::cos(phi);
        double t = l.PositionA, lambda = 0.0;
        const double dt = (l.PositionB - l.PositionA) / 9.0;
        for (int i = 0; i < 10; ++i) {
            const double g = d * ((1.0 - lambda) * l.GroesseA + lambda * l.GroesseB);
            const Weltpunkt p = StabpunktAn(stab, t);
            const Weltpunkt q{p.X + g * nx, p.Y + g * ny};
            // Off the bar line by 5 pixels, to the side the arrow comes from.
            const double v = g > 0.0 ? 5.0 : -5.0;
            const double vx = -v * stab->Sin, vy = -v * stab->Cos;
            PfeilZeichnen(maler, BildXT(k, q.X) + vx, BildYT(k, q.Y) + vy, BildXT(k, p.X) + vx,
                          BildYT(k, p.Y) + vy);
            t += dt;
            lambda += 1.0 / 9.0;
        }
    } else if (punktlast) {
        const Punktlast& l = *punktlast;
        maler.Farbe(ROLLE_PUNKTLAST);
        maler.Linie(2, Linienart::Durchgezogen, Linienende::Stumpf);
        const double c = 10.0 * streckenlastEingabe;
        const Weltpunkt p = StabpunktAn(stab, l.Position);
        const int px = WeltNachBildX(k, p.X), py = WeltNachBildY(k, p.Y);
        const double phi = Lastrichtung(l.Winkel, l.Koordinatensystem, *stab);
        if (l.Art == ART_KRAFT) {
            const double f = l.Groesse;
            PfeilZeichnen(maler, px - c * f * std::sin(phi), py - c * f * std::cos(phi), px, py);
        } else if (l.Art == ART_MOMENT) {
            MomentSymbol(maler, px, py, l.Groesse, 0.2 * c, 6.0, l.Groesse < 0.0);
        }
    } else if (temperaturlast) {
        maler.Farbe(ROLLE_STRECKENLAST);
        maler.Linie(2, Linienart::Durchgezogen, Linienende::Stumpf);
        const double ax = BildXT(k, stab->PunktA->X), ay = BildYT(k, stab->PunktA->Y);
        const double bx = BildXT(k, stab->PunktB->X), by = BildYT(k, stab->PunktB->Y);
        TemperaturschraffurZeichnen(maler, ax, ay, bx, by);
        maler.Linie(1, Linienart::Durchgezogen, Linienende::Stumpf);
        Beschriftungsplan plan;
        const double mx = std::trunc((ax + bx) / 2.0), my = std::trunc((ay + by) / 2.0);
        TemperaturlastBeschriften(maler, plan, mx + 20.0, my + 35.0, mx, my, temperaturlast->DeltaT,
                                  temperaturlast->DeltaTM);
    }
    maler.Senden();
}
