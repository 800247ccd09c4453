// Bars, reference fibres, points, numbers, supports and springs, degrees of
// freedom and support reactions.
#include "core/bericht.h"
#include "output/ankerpunkte.h"
#include "workspace/zeichnen_intern.h"

#include <cmath>
#include <cstdio>

void StaebeZeichnen(Maler& maler, const Ansicht& a, const System& system) {
    for (Stab* s : Elemente<Stab>(system.Staebe)) {
        if (!StabHatPunkte(s)) continue;
        if (s->Markiert == 1) {
            maler.Farbe(ROLLE_SELEKTIERTER_STAB);
            maler.Linie(5, Linienart::Durchgezogen, Linienende::Stumpf);
        } else {
            maler.Farbe(ROLLE_STAB);
            maler.Linie(3, Linienart::Durchgezogen, Linienende::Stumpf);
        }
        StreckeZeichnen(maler, BildXT(a, s->PunktA->X), BildYT(a, s->PunktA->Y), BildXT(a, s->PunktB->X),
                        BildYT(a, s->PunktB->Y));
    }
}

void MarkierteStaebeZeichnen(Maler& maler, const Ansicht& a, const System& system) {
    // Drawn over loads and diagrams in a style nothing else has: a margin of
    // background round the bar and a dark core, so a marked bar stays
    // visible and distinct whatever the colours.
    const struct {
        Farbrolle rolle;
        int breite;
    } zuege[] = {{ROLLE_HINTERGRUND, 9}, {ROLLE_SELEKTIERTER_STAB, 5}, {ROLLE_HINTERGRUND, 1}};
    for (const auto& zug : zuege) {
        bool gesetzt = false;
        for (Stab* s : Elemente<Stab>(system.Staebe)) {
            if (s->Markiert != 1 || !StabHatPunkte(s)) continue;
            if (!gesetzt) {
                maler.Farbe(zug.rolle);
                maler.Linie(zug.breite, Linienart::Durchgezogen, Linienende::Stumpf);
                gesetzt = true;
            }
            StreckeZeichnen(maler, BildXT(a, s->PunktA->X), BildYT(a, s->PunktA->Y), BildXT(a, s->PunktB->X),
                            BildYT(a, s->PunktB->Y));
        }
    }
}

void BezugsfaserZeichnen(Maler& maler, const Ansicht& a, const System& system) {
    if (!system.Staebe) return;
    maler.Farbe(ROLLE_STAB);
    maler.Linie(2, Linienart::Gestrichelt, Linienende::Stumpf);
    for (Stab* s : Elemente<Stab>(system.Staebe)) {
        if (!StabHatPunkte(s)) continue;
        // 7 pixels to the right of the bar's direction: its lower side.
        const double dx = 7.0 * s->Sin, dy = 7.0 * s->Cos;
        StreckeZeichnen(maler, BildXT(a, s->PunktA->X) + dx, BildYT(a, s->PunktA->Y) + dy,
                        BildXT(a, s->PunktB->X) + dx, BildYT(a, s->PunktB->Y) + dy);
    }
}

void PunkteZeichnen(Maler& maler, const Ansicht& a, const System& system) {
    if (!system.Punkte) return;
    maler.Farbe(ROLLE_PUNKT);
    maler.Linie(3, Linienart::Durchgezogen, Linienende::Stumpf);
    for (Punkt* p : Elemente<Punkt>(system.Punkte))
        RechteckZeichnen(maler, BildXT(a, p->X) - 2.0, BildYT(a, p->Y) - 2.0, 4.0, 4.0);
}

void PunktnummernZeichnen(Maler& maler, const Ansicht& a, const System& system, Beschriftungsplan* plan) {
    if (!system.Punkte) return;
    maler.Farbe(ROLLE_PUNKTNUMMER);
    maler.Hintergrund(ROLLE_HINTERGRUND);
    maler.Linie(3, Linienart::Durchgezogen, Linienende::Stumpf);
    Beschriftungsplan eigener;  // the labels of this call alone
    Beschriftungsplan& beschriftungen = plan ? *plan : eigener;
    char text[32];
    for (Punkt* p : Elemente<Punkt>(system.Punkte)) {
        std::snprintf(text, sizeof text, "%ld", p->Nummer);
        BeschriftungSetzen(maler, beschriftungen, std::trunc(a.BildX(p->X) + 10.0), std::trunc(a.BildY(p->Y) - 10.0),
                           text);
    }
}

void StabnummernZeichnen(Maler& maler, const Ansicht& a, const System& system, Beschriftungsplan* plan) {
    if (!system.Staebe) return;
    maler.Farbe(ROLLE_STABNUMMER);
    maler.Hintergrund(ROLLE_HINTERGRUND);
    Beschriftungsplan eigener;  // the labels of this call alone
    Beschriftungsplan& beschriftungen = plan ? *plan : eigener;
    char text[32];
    for (Stab* s : Elemente<Stab>(system.Staebe)) {
        if (!StabHatPunkte(s)) continue;
        const double xm = (s->PunktA->X + s->PunktB->X) / 2.0, ym = (s->PunktA->Y + s->PunktB->Y) / 2.0;
        std::snprintf(text, sizeof text, "%ld", s->Nummer);
        BeschriftungSetzen(maler, beschriftungen, std::trunc(a.BildX(xm) + 10.0), std::trunc(a.BildY(ym) - 10.0), text);
    }
}

// ------------------------------------------------------------------ symbols

void PendelZeichnen(Maler& maler, int px, int py, double m) {
    const double rx = -std::sin(m), ry = -std::cos(m);
    maler.Linie(3, Linienart::Durchgezogen, Linienende::Stumpf);
    KreisZeichnen(maler, px + 10.0 * rx, py + 10.0 * ry, 8.0);
    KreisZeichnen(maler, px + 30.0 * rx, py + 30.0 * ry, 8.0);
    StreckeZeichnen(maler, px + 10.0 * rx, py + 10.0 * ry, px + 30.0 * rx, py + 30.0 * ry);
}

void FederZeichnen(Maler& maler, int px, int py, double m) {
    const double rx = -std::sin(m), ry = -std::cos(m);
    maler.Linie(3, Linienart::Gestrichelt, Linienende::Stumpf);
    KreisZeichnen(maler, px + 10.0 * rx, py + 10.0 * ry, 12.0);
    KreisZeichnen(maler, px + 40.0 * rx, py + 40.0 * ry, 12.0);
    StreckeZeichnen(maler, px + 10.0 * rx, py + 10.0 * ry, px + 40.0 * rx, py + 40.0 * ry);
}

void EinspannungZeichnen(Maler& maler, int px, int py) {
    maler.Linie(3, Linienart::Durchgezogen, Linienende::Stumpf);
    RechteckZeichnen(maler, px - 6.0, py - 6.0, 12.0, 12.0);
}

void DrehfederZeichnen(Maler& maler, int px, int py) {
    maler.Linie(3, Linienart::Gestrichelt, Linienende::Stumpf);
    KreisZeichnen(maler, px, py, 30.0);
}

namespace {

// Pixel of the point at the end of a slot.
void EndpunktPixel(const Ansicht& a, const Stab& s, int slot, int& px, int& py) {
    const Punkt* p = slot < 3 ? s.PunktA : s.PunktB;
    px = WeltNachBildX(a, p->X);
    py = WeltNachBildY(a, p->Y);
}

// A spring of an x or y record turned by m, or the rotation spring.
void FederSymbol(Maler& maler, int px, int py, long richtung, double mX, double mY) {
    if (richtung == 0) FederZeichnen(maler, px, py, mX);
    else if (richtung == 1) FederZeichnen(maler, px, py, mY);
    else if (richtung == 2) DrehfederZeichnen(maler, px, py);
}

}  // namespace

void LagerZeichnen(Maler& maler, const Ansicht& a, const System& system) {
    if (!system.Staebe) return;
    for (Stab* s : Elemente<Stab>(system.Staebe)) {
        if (!StabHatPunkte(s)) continue;
        for (int slot = 0; slot < 6; ++slot) {
            const Freiheitsgrad* f = s->Freiheitsgrade[slot];
            if (!f) continue;
            const double phi = f->Winkel;
            int px, py;
            EndpunktPixel(a, *s, slot, px, py);
            if (f->Status == STATUS_PRIMAL) {
                // A prescribed displacement shows in red whatever the colours.
                if (f->Wert == 0.0) maler.Farbe(ROLLE_LAGER);
                else maler.Toolkitfarbe(TOOLKIT_ROT);
                if (f->Richtung == 0) PendelZeichnen(maler, px, py, phi - M_PI / 2.0);
                else if (f->Richtung == 1) PendelZeichnen(maler, px, py, phi);
                else if (f->Richtung == 2) EinspannungZeichnen(maler, px, py);
                if (f->Feder != 0.0) FederSymbol(maler, px, py, f->Richtung, phi - M_PI - M_PI / 2.0, phi - M_PI);
            } else if (f->Feder != 0.0) {
                maler.Farbe(ROLLE_FEDER);
                FederSymbol(maler, px, py, f->Richtung, phi - M_PI / 2.0, phi);
            }
        }
    }
    maler.Senden();
}

void FreiheitsgradeZeichnen(Maler& maler, const Ansicht& a, const System& system, bool alleZeigen) {
    if (!system.Staebe) return;
    maler.Linie(2, Linienart::Durchgezogen, Linienende::Stumpf);
    maler.Hintergrund(ROLLE_HINTERGRUND);
    // Whether a point shows its bar ends' records depends only on the point;
    // each point is counted once per redraw instead of once per bar end.
    std::unordered_map<const Punkt*, bool> zeigt;
    auto zeigtEnde = [&](const Stab* s, int ende) {
        const Punkt* p = ende == ENDE_A ? s->PunktA : s->PunktB;
        auto it = zeigt.find(p);
        if (it != zeigt.end()) return it->second;
        const bool z = StabendeZeigtFreiheitsgrade(system.Staebe, s, ende, alleZeigen);
        zeigt.emplace(p, z);
        return z;
    };
    char text[32];
    for (Stab* s : Elemente<Stab>(system.Staebe)) {
        if (!StabHatPunkte(s)) continue;
        const bool ende[2] = {zeigtEnde(s, ENDE_A), zeigtEnde(s, ENDE_B)};
        for (int slot = 0; slot < 6; ++slot) {
            const Freiheitsgrad* f = s->Freiheitsgrade[slot];
            if (!f || !ende[EndeVonSlot(slot)]) continue;
            const Weltpunkt anker = Ankerpunkt(s, EndeVonSlot(slot));
            const double ax = BildXT(a, anker.X), ay = BildYT(a, anker.Y);
            const double phi = f->Winkel;
            double tx, ty;  // where the number goes
            maler.Farbe(ROLLE_FG_DUAL);
            switch (f->Richtung) {
            case 0: {
                const double sx = ax + 40.0 * std::cos(phi), sy = ay - 40.0 * std::sin(phi);
                PfeilZeichnen(maler, ax, ay, sx, sy);
                tx = sx + 5.0;
                ty = sy;
                break;
            }
            case 1: {
                const double sx = ax - 40.0 * std::sin(phi), sy = ay - 40.0 * std::cos(phi);
                PfeilZeichnen(maler, ax, ay, sx, sy);
                tx = sx;
                ty = sy - 5.0;
                break;
            }
            case 2:
                BogenZeichnen(maler, ax - 32.0, ay - 32.0, 64.0, 64.0, 20 * 64, 50 * 64);
                tx = ax + 40.0 / 1.3;
                ty = ay - 40.0 / 1.3;
                break;
            default:
                DiagnoseAusgeben("Fehler bei FreiGrad - Art !\n");
                continue;
            }
            if (f->Status == STATUS_PRIMAL) maler.Farbe(ROLLE_FG_PRIMAL);
            else if (f->Feder != 0.0) maler.Farbe(ROLLE_FEDER);
            std::snprintf(text, sizeof text, "%ld", f->Nummer);
            TextZeichnen(maler, tx, ty, text);
        }
    }
}

namespace {

// Two head lines 6 pixels long, 30 degrees off the direction (dx, dy) (a
// unit vector on the screen) at the tip.
void Pfeilspitze(Maler& maler, double x, double y, double dx, double dy) {
    for (double w : {5.0 * M_PI / 6.0, -5.0 * M_PI / 6.0}) {
        const double c = std::cos(w), s = std::sin(w);
        StreckeZeichnen(maler, x, y, x + 6.0 * (c * dx - s * dy), y + 6.0 * (s * dx + c * dy));
    }
}

// Room in front of a reaction's text for its arrow, and the arrow's centre
// relative to the text's anchor (half way up the digits).
constexpr int PFEILRAUM = 24;
constexpr double PFEILMITTE_X = -13.0, PFEILMITTE_Y = -5.0;

// A force: a straight arrow 18 pixels long through the centre, pointing
// along the screen direction (dx, dy).
void Kraftpfeil(Maler& maler, double cx, double cy, double dx, double dy) {
    const double x1 = cx - 9.0 * dx, y1 = cy - 9.0 * dy, x2 = cx + 9.0 * dx, y2 = cy + 9.0 * dy;
    StreckeZeichnen(maler, x1, y1, x2, y2);
    Pfeilspitze(maler, x2, y2, dx, dy);
}

// A moment: three quarters of a circle of radius 7 around the centre with
// a head at its end, counter-clockwise or clockwise.
void Momentpfeil(Maler& maler, double cx, double cy, bool gegenUhrzeiger) {
    const double r = 7.0;
    const int anfang = gegenUhrzeiger ? 45 : 135, umfang = gegenUhrzeiger ? 270 : -270;
    BogenZeichnen(maler, cx - r, cy - r, 2 * r, 2 * r, anfang * 64, umfang * 64);
    const double ende = (anfang + umfang) * M_PI / 180.0;
    const double ex = cx + r * std::cos(ende), ey = cy - r * std::sin(ende);
    // the way the arc runs at its end, on the screen (y downwards)
    const double dx = gegenUhrzeiger ? -std::sin(ende) : std::sin(ende);
    const double dy = gegenUhrzeiger ? -std::cos(ende) : std::cos(ende);
    Pfeilspitze(maler, ex, ey, dx, dy);
}

}  // namespace

void LagergroessenZeichnen(Maler& maler, const Ansicht& a, const System& system, Beschriftungsplan* plan) {
    if (!system.Staebe) return;
    maler.Farbe(ROLLE_FG_PRIMAL);
    maler.Hintergrund(ROLLE_HINTERGRUND);
    maler.Linie(1, Linienart::Durchgezogen, Linienende::Stumpf);
    Beschriftungsplan eigener;  // the labels of this call alone
    Beschriftungsplan& beschriftungen = plan ? *plan : eigener;
    char text[64];
    for (Stab* s : Elemente<Stab>(system.Staebe)) {
        if (!StabHatPunkte(s)) continue;
        for (int slot = 0; slot < 6; ++slot) {
            const Freiheitsgrad* f = s->Freiheitsgrade[slot];
            if (!f || f->Status != STATUS_PRIMAL) continue;
            int px, py;
            EndpunktPixel(a, *s, slot, px, py);
            const double phi = f->Winkel;
            double x, y;
            double ex = 0.0, ey = 0.0;  // the positive direction of the record on the screen
            if (f->Richtung == 0) {
                ex = std::cos(phi);
                ey = -std::sin(phi);
                x = px + 50.0 * ex;
                y = py + 50.0 * ey;
            } else if (f->Richtung == 1) {
                ex = -std::sin(phi);
                ey = -std::cos(phi);
                x = px + 50.0 * ex;
                y = py + 50.0 * ey;
            } else if (f->Richtung == 2) {
                x = px + 40.0 * std::cos(phi + 0.8);
                y = py - 40.0 * std::sin(phi + 0.8);
            } else {
                continue;
            }
            // The arrow shows which way the support pushes, so the number is
            // the magnitude; a reaction that prints as zero has no direction.
            std::snprintf(text, sizeof text, f->Richtung == 2 ? "%.2f kNm" : "%.2f kN", std::fabs(f->Reaktion));
            // A record shared by several bar ends stands there once.
            char schluessel[96];
            std::snprintf(schluessel, sizeof schluessel, "%s %ld %d %g", text, f->Richtung, f->Reaktion > 0.0, phi);
            if (!beschriftungen.Platzieren(x, y, Textkasten(text, 1, PFEILRAUM), schluessel)) continue;
            x = std::trunc(x);
            y = std::trunc(y);
            TextZeichnen(maler, x, y, text);
            if (std::fabs(f->Reaktion) < 0.005) continue;
            const double cx = x + PFEILMITTE_X, cy = y + PFEILMITTE_Y;
            const double vorzeichen = f->Reaktion > 0.0 ? 1.0 : -1.0;
            if (f->Richtung == 2) Momentpfeil(maler, cx, cy, f->Reaktion > 0.0);
            else Kraftpfeil(maler, cx, cy, vorzeichen * ex, vorzeichen * ey);
        }
    }
    maler.Senden();
}
