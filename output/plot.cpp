#include "output/plot.h"

#include <cmath>
#include <cstdio>

#include "analysis/ergebnisse.h"
#include "core/bericht.h"
#include "output/postscript.h"
#include "output/ankerpunkte.h"

Seitenrahmen RahmenFuer(bool querformat) {
    Seitenrahmen r;
    if (querformat) {
        r.Breite = 250;
        r.Hoehe = 170;
    }
    return r;
}

Seitenabbildung PlotEinpassen(const double grenzen[4], const Seitenrahmen& rahmen) {
    const double xmin = grenzen[0], xmax = grenzen[1];
    const double ymin = grenzen[2], ymax = grenzen[3];
    const double bx = std::fabs(xmax - xmin);
    const double by = std::fabs(ymax - ymin);
    // A zero extent gives an infinite candidate, so the other one wins.
    const double inf = INFINITY;
    const double sy = by > 0 ? (rahmen.Hoehe - 2 * rahmen.Rand) / by : inf;
    const double sx = bx > 0 ? (rahmen.Breite - 2 * rahmen.Rand) / bx : inf;
    double s = sy < sx ? sy : sx;
    // A point-like structure has no extent to fit; any finite scale centres it.
    if (!std::isfinite(s) || s <= 0) s = 1.0;
    if (s > PLOT_GROESSTER_MASSSTAB) s = PLOT_GROESSTER_MASSSTAB;
    Seitenabbildung a;
    a.S = s;
    a.Oy = rahmen.Y + (rahmen.Hoehe - by * s) / 2 - ymin * s;
    a.Ox = rahmen.X + (rahmen.Breite - bx * s) / 2 - xmin * s;
    return a;
}

namespace {

// Quantity of a diagram page.
enum Groesse { MOMENT, QUERKRAFT, NORMALKRAFT };

struct Seitenpunkt {
    double X;
    double Y;
};

// Everything one page draws with.
struct Plot {
    Kette staebe;           // bars drawn
    Kette alleStaebe;       // all bars of the System (joints count all of them)
    Seitenabbildung abb;
    const Druckoptionen* opt;

    Seitenpunkt Seite(double x, double y) const { return {abb.S * x + abb.Ox, abb.S * y + abb.Oy}; }
    Seitenpunkt Seite(const Weltpunkt& p) const { return Seite(p.X, p.Y); }
    Seitenpunkt Seite(const Punkt* p) const { return Seite(p->X, p->Y); }
};

bool HatErgebnisse(const Stab* s) { return s->Ergebnisse && KeAnzahl(s->Ergebnisse) > 0; }

// A value label; a value that is no number (a failed run) shows as "?"
// rather than as "nan" or "inf".
void Text(double x, double y, const char* format, double wert) {
    char puffer[64];
    if (std::isfinite(wert))
        std::snprintf(puffer, sizeof puffer, format, wert);
    else
        std::snprintf(puffer, sizeof puffer, "?");
    PsText(x, y, puffer);
}

void Zahl(double x, double y, long nummer) {
    char puffer[32];
    std::snprintf(puffer, sizeof puffer, "%ld", nummer);
    PsText(x, y, puffer);
}

// Bars as lines with small squares at their ends.
void StaebePlotten(const Plot& plot, double grau) {
    PsLinienbreite(0.4);
    PsStrichart(0);
    for (Stab* s : Elemente<Stab>(plot.staebe)) {
        const Seitenpunkt a = plot.Seite(s->PunktA);
        const Seitenpunkt b = plot.Seite(s->PunktB);
        PsGrau(grau);
        PsLinie(a.X, a.Y, b.X, b.Y);
        PsGrau(0.7);
        PsRechteck(a.X - 0.3, a.Y - 0.3, 0.6, 0.6);
        PsRechteck(b.X - 0.3, b.Y - 0.3, 0.6, 0.6);
    }
}

// A dashed line 0.7 mm to the lower side of every bar, where positive
// moments are drawn.
void UnterseitenPlotten(const Plot& plot) {
    PsLinienbreite(0.1);
    PsStrichart(1);
    for (Stab* s : Elemente<Stab>(plot.staebe)) {
        const Weltpunkt n = UnterseitenNormale(s);
        const Seitenpunkt a = plot.Seite(s->PunktA);
        const Seitenpunkt b = plot.Seite(s->PunktB);
        PsLinie(a.X + 0.7 * n.X, a.Y + 0.7 * n.Y, b.X + 0.7 * n.X, b.Y + 0.7 * n.Y);
    }
}

void StabnummernPlotten(const Plot& plot) {
    PsSchrift("Times-Roman", 12);
    for (Stab* s : Elemente<Stab>(plot.staebe)) {
        const Seitenpunkt m = plot.Seite(StabpunktAn(s, 0.5));
        const double tx = m.X + 2, ty = m.Y + 2;
        PsGrau(0);
        Zahl(tx, ty, s->Nummer);
        PsGrau(0.3);
        PsLinienbreite(0.2);
        PsRechteck(tx - 4, ty - 4, 10, 10);
    }
}

// Links of 4 mm for supported x and y records, a square for a clamped rotation.
void LagerPlotten(const Plot& plot) {
    PsLinienbreite(0.3);
    PsStrichart(0);
    PsGrau(0.5);
    for (Stab* s : Elemente<Stab>(plot.staebe)) {
        for (int slot = 0; slot < 6; ++slot) {
            const Freiheitsgrad* fg = s->Freiheitsgrade[slot];
            if (!fg || fg->Status != STATUS_PRIMAL) continue;
            const Seitenpunkt p = plot.Seite(EndeVonSlot(slot) == ENDE_A ? s->PunktA : s->PunktB);
            double dx, dy;
            if (LagersymbolRichtung(fg, &dx, &dy)) {
                PsKreis(p.X + 2 * dx, p.Y + 2 * dy, 0.6);
                PsKreis(p.X + 6 * dx, p.Y + 6 * dy, 0.6);
                PsLinie(p.X + 2 * dx, p.Y + 2 * dy, p.X + 6 * dx, p.Y + 6 * dy);
            } else if (fg->Richtung == 2) {
                PsRechteck(p.X - 1.2, p.Y - 1.2, 2.4, 2.4);
            }
        }
    }
}

void FgNummernPlotten(const Plot& plot) {
    PsGrau(0.3);
    PsLinienbreite(0.5);
    PsSchrift("Times-Roman", 8);
    for (Stab* s : Elemente<Stab>(plot.staebe)) {
        bool slots[6];
        // On paper the ends of rigid joints never show their records.
        FreiheitsgradSlotsWaehlen(plot.alleStaebe, s, false, slots);
        for (int slot = 0; slot < 6; ++slot) {
            const Freiheitsgrad* fg = s->Freiheitsgrade[slot];
            if (!slots[slot] || !fg) continue;
            const Seitenpunkt a = plot.Seite(Ankerpunkt(s, EndeVonSlot(slot)));
            double dx, dy;
            if (FreiheitsgradRichtung(fg, &dx, &dy)) {
                const double sx = a.X + 8 * dx, sy = a.Y + 8 * dy;
                PsPfeil(a.X, a.Y, sx, sy);
                if (fg->Richtung == 0)
                    Zahl(sx + 1.3, sy + 0.3, fg->Nummer);
                else
                    Zahl(sx + 1.3, sy + 1.3, fg->Nummer);
            } else if (fg->Richtung == 2) {
                Zahl(a.X + 8.0 / 3, a.Y + 8.0 / 3, fg->Nummer);
            } else {
                FehlerAusgeben("Fehler bei FreiGrad - Art !\n");
            }
        }
    }
}

// End values and slopes of a quantity's Hermite polynomial in one record; the
// moment is drawn with reversed sign, on the tension side.
void Hermitedaten(const Stababschnitt* r, Groesse g, double d[4]) {
    switch (g) {
    case NORMALKRAFT:
        d[0] = r->NA, d[1] = -r->nAnfang, d[2] = r->NE, d[3] = -r->nEnde;
        break;
    case QUERKRAFT:
        d[0] = r->QA, d[1] = r->qAnfang, d[2] = r->QE, d[3] = r->qEnde;
        break;
    case MOMENT:
        d[0] = -r->MA, d[1] = -r->QA, d[2] = -r->ME, d[3] = -r->QE;
        break;
    }
}

// Hatching from the axis to the ordinates and the outline through them.
void VerlaufPlotten(const Plot& plot, const Stababschnitt* r, Groesse g, double k) {
    double exakt[11];
    double* y = exakt;
    if (r->Exakt) {
        static const Schnittgroesse GROESSE[] = {Schnittgroesse::Moment, Schnittgroesse::Querkraft,
                                                 Schnittgroesse::Normalkraft};
        AbschnittStuetzwerte(nullptr, r, GROESSE[g], 11, exakt);
        if (g == MOMENT)
            for (double& v : exakt) v = -v;
    } else {
        double d[4];
        Hermitedaten(r, g, d);
        y = HermiteStuetzwerte(d[0], d[1], d[2], d[3], r->Laenge, 11);
        if (!y) return;
    }
    const double nx = -std::sin(r->Winkel), ny = std::cos(r->Winkel);
    Seitenpunkt linie[11];
    for (int i = 0; i <= 10; ++i) {
        const double xi = -1 + 0.2 * i;
        const double ax = ((1 - xi) * r->xA + (1 + xi) * r->xB) / 2;
        const double ay = ((1 - xi) * r->yA + (1 + xi) * r->yB) / 2;
        const Seitenpunkt a = plot.Seite(ax, ay);
        linie[i] = plot.Seite(ax + k * y[i] * nx, ay + k * y[i] * ny);
        PsLinie(a.X, a.Y, linie[i].X, linie[i].Y);
    }
    for (int i = 0; i < 10; ++i) PsLinie(linie[i].X, linie[i].Y, linie[i + 1].X, linie[i + 1].Y);
    if (y != exakt) delete[] y;
}

// Values at both ends and at the extremes, each with a leader of 8 mm.
void VerlaufBeschriften(const Plot& plot, const Stab* s, Groesse g, double k) {
    PsSchrift("Times-Roman", 8);
    double t[4] = {0.0, 1.0, 0.0, 0.0};
    double v[4];
    switch (g) {
    case NORMALKRAFT:
        v[0] = NormalkraftAn(s, 0), v[1] = NormalkraftAn(s, 1);
        v[2] = MaxNormalkraft(s, &t[2]), v[3] = MinNormalkraft(s, &t[3]);
        break;
    case QUERKRAFT:
        v[0] = QuerkraftAn(s, 0), v[1] = QuerkraftAn(s, 1);
        v[2] = MaxQuerkraft(s, &t[2]), v[3] = MinQuerkraft(s, &t[3]);
        break;
    case MOMENT:
        v[0] = MomentAn(s, 0), v[1] = MomentAn(s, 1);
        v[2] = MaxMoment(s, &t[2]), v[3] = MinMoment(s, &t[3]);
        break;
    }
    const double nx = -std::sin(s->Winkel), ny = std::cos(s->Winkel);
    for (int i = 0; i < 4; ++i) {
        const double vz = g == MOMENT ? -v[i] : v[i];
        const Weltpunkt b = StabpunktAn(s, t[i]);
        const Seitenpunkt p = plot.Seite(b.X + k * vz * nx, b.Y + k * vz * ny);
        PsLinie(p.X, p.Y, p.X + 8, p.Y + 8);
        Text(p.X + 8, p.Y + 8, "%.2f", v[i]);
    }
}

// Axial and transverse end displacements of a record in its own axes,
// magnified by k: u, w, phi at the start, then at the end.
void Endverschiebungen(const Stababschnitt* r, double k, double e[6]) {
    const double* d = r->Verschiebungen;
    const double ca = std::cos(r->Winkel - r->WinkelA), sa = std::sin(r->Winkel - r->WinkelA);
    const double ce = std::cos(r->Winkel - r->WinkelE), se = std::sin(r->Winkel - r->WinkelE);
    e[0] = k * (ca * d[0] + sa * d[1]);
    e[1] = k * (-sa * d[0] + ca * d[1]);
    e[2] = k * d[2];
    e[3] = k * (ce * d[3] + se * d[4]);
    e[4] = k * (-se * d[3] + ce * d[4]);
    e[5] = k * d[5];
}

void BiegelinieStabPlotten(const Plot& plot, const Stababschnitt* r, double k) {
    PsLinienbreite(0.7);
    double e[6];
    Endverschiebungen(r, k, e);
    const double c = std::cos(r->Winkel), s = std::sin(r->Winkel);
    Seitenpunkt p[5];
    for (int i = 0; i < 5; ++i) {
        const double xi = -1 + 0.5 * i;
        double sigma = ((1 - xi) * e[0] + (1 + xi) * (r->Laenge + e[3])) / 2;
        double w = HermiteWert(e[1], e[2], e[4], e[5], r->Laenge, xi);
        double u, v;
        if (AbschnittVerformung(r, xi, &u, &v)) {
            sigma = (1 + xi) / 2 * r->Laenge + k * u;
            w = k * v;
        }
        p[i] = plot.Seite(r->xA + c * sigma - s * w, r->yA + s * sigma + c * w);
    }
    for (int i = 0; i < 4; ++i) PsLinie(p[i].X, p[i].Y, p[i + 1].X, p[i + 1].Y);
}

void BiegelinieBeschriften(const Plot& plot, const Stab* s, double k) {
    PsLinienbreite(0.2);
    PsSchrift("Times-Roman", 8);
    struct Marke {
        double t, w, hx, hy;
    };
    Marke marken[4];
    int n = 0;
    marken[n++] = {0.0, DurchbiegungAn(s, 0), 8, 8};
    marken[n++] = {1.0, DurchbiegungAn(s, 1), -8, -8};
    double t;
    double w = MaxDurchbiegung(s, &t);
    // Extremes at an end are labelled there already.
    if (t > 1e-10 && t < 0.9999999999) marken[n++] = {t, w, 8, 8};
    w = MinDurchbiegung(s, &t);
    if (t > 1e-10 && t < 0.9999999999) marken[n++] = {t, w, 8, 8};
    const double c = std::cos(s->Winkel), sn = std::sin(s->Winkel);
    for (int i = 0; i < n; ++i) {
        const Marke& m = marken[i];
        const double u = LaengsverschiebungAn(s, m.t);
        const Weltpunkt b = StabpunktAn(s, m.t);
        const Seitenpunkt p = plot.Seite(b.X + k * (c * u + sn * m.w), b.Y + k * (sn * u - c * m.w));
        const double lx = p.X + m.hx, ly = p.Y + m.hy;
        PsLinie(p.X, p.Y, lx, ly);
        Text(lx, ly, "w : %.4f", m.w);
        Text(lx, ly + 3, "u : %.4f", u);
    }
}

void DiagrammseitePlotten(const Plot& plot, Groesse g, double k) {
    StaebePlotten(plot, 0.6);
    UnterseitenPlotten(plot);
    PsGrau(0);
    PsStrichart(0);
    for (Stab* s : Elemente<Stab>(plot.staebe)) {
        if (!HatErgebnisse(s)) continue;
        for (Stababschnitt* r : Elemente<Stababschnitt>(s->Ergebnisse)) VerlaufPlotten(plot, r, g, k);
        if (plot.opt->Beschriftung) VerlaufBeschriften(plot, s, g, k);
    }
}

void VerformungsseitePlotten(const Plot& plot, double k) {
    StaebePlotten(plot, 0.6);
    UnterseitenPlotten(plot);
    PsGrau(0);
    PsStrichart(0);
    for (Stab* s : Elemente<Stab>(plot.staebe)) {
        if (!HatErgebnisse(s)) continue;
        for (Stababschnitt* r : Elemente<Stababschnitt>(s->Ergebnisse)) BiegelinieStabPlotten(plot, r, k);
        if (plot.opt->Beschriftung) BiegelinieBeschriften(plot, s, k);
    }
}

void SystemseitePlotten(const Plot& plot) {
    LagerPlotten(plot);
    if (plot.opt->Freiheitsgrade) FgNummernPlotten(plot);
    StabnummernPlotten(plot);
    StaebePlotten(plot, 0);
    PsGrau(0);
    UnterseitenPlotten(plot);
}

void SeitenkopfSchreiben(const Seitenrahmen& rahmen, int seite, const System* system) {
    static const char* const KOPF[PLOT_SEITEN] = {"System : ", "Moment :", "Querkraft :", "Normalkraft :",
                                                   "Verformung :"};
    PsGrau(0);
    PsSchrift("Times-Roman", 12);
    char text[PFAD_LAENGE + 16];
    // The result pages of second-order results name their theory; those of
    // first-order theory stay as they always were.
    const char* zusatz = seite == SEITE_SYSTEM              ? system->Dateiname
                         : system->Theorie == THEORIE_II ? " Theorie II. Ordnung"
                                                          : "";
    std::snprintf(text, sizeof text, "%s%s", KOPF[seite], zusatz);
    PsText(rahmen.X, rahmen.Y + rahmen.Hoehe + 2, text);
}

// The bars to draw, in the order of the System's chain: only marked ones when
// asked, and never one without both points (it has no place on the page).
Kette PlotstaebeWaehlen(const System* system, bool nurMarkierte) {
    Kette auswahl = nullptr;
    for (Stab* s : ElementeRueckwaerts<Stab>(system->Staebe)) {
        if (!s || !s->PunktA || !s->PunktB) continue;
        if (nurMarkierte && s->Markiert != 1) continue;
        KeVorneEintragen(auswahl, s);
    }
    return auswahl;
}

}  // namespace

int PlotSchreiben(FILE* datei, System* system, const Druckoptionen& optionen) {
    if (!datei || !system) return 0;
    Kette staebe = PlotstaebeWaehlen(system, optionen.MarkierteStaebe);
    if (!staebe) return 0;
    double* grenzen = Systemgrenzen(staebe);
    if (!grenzen) {
        KetteLoeschen(staebe);
        return 0;
    }
    const Seitenrahmen rahmen = RahmenFuer(optionen.Querformat);
    Plot plot{staebe, system->Staebe, PlotEinpassen(grenzen, rahmen), &optionen};
    delete[] grenzen;

    PsBeginn(datei);
    // A plain comment (one "%"), kept as the plot has always written it.
    char zeile[32];
    std::snprintf(zeile, sizeof zeile, "%%Pages: %ld\n", 2L);
    PsZeile(zeile);

    int seiten = 0;
    for (int seite = 0; seite < PLOT_SEITEN; ++seite) {
        if (!SeiteGewaehlt(optionen, seite)) continue;
        PsSeitenanfang();
        ++seiten;
        if (optionen.Querformat) {
            PsDrehung(90);
            PsVerschieben(210, 0);
        } else {
            PsDrehung(0);
            PsVerschieben(0, 0);
        }
        PsLinienbreite(0.1);
        PsRechteck(rahmen.X, rahmen.Y, rahmen.Breite, rahmen.Hoehe);
        SeitenkopfSchreiben(rahmen, seite, system);
        switch (seite) {
        case SEITE_SYSTEM: SystemseitePlotten(plot); break;
        case SEITE_MOMENT: DiagrammseitePlotten(plot, MOMENT, optionen.MomentMassstab); break;
        case SEITE_QUERKRAFT: DiagrammseitePlotten(plot, QUERKRAFT, optionen.QuerkraftMassstab); break;
        case SEITE_NORMALKRAFT: DiagrammseitePlotten(plot, NORMALKRAFT, optionen.NormalkraftMassstab); break;
        case SEITE_VERFORMUNG: VerformungsseitePlotten(plot, optionen.VerschiebungMassstab); break;
        }
        if (optionen.Seitenzahlen) {
            PsGrau(0);
            PsSchrift("Times-Roman", 12);
            char nummer[32];
            std::snprintf(nummer, sizeof nummer, "- %d -", seiten);
            PsText(rahmen.X + rahmen.Breite / 2, 12, nummer);
        }
        PsSeitenende();
    }
    PsDrehung(0);
    KetteLoeschen(staebe);
    return seiten;
}
