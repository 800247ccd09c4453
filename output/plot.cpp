#include "output/plot.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <unordered_map>
#include <unordered_set>

#include "analysis/ergebnisse.h"
#include "core/bericht.h"
#include "core/zahltext.h"
#include "output/postscript.h"
#include "output/ankerpunkte.h"
#include "output/lagersymbole.h"

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

// Symbol units on paper: a support's triangle is 4.2 mm high.
constexpr double SYMBOLEINHEIT = 0.21;

// Outlines of a symbol at page point P: strokes 0.3 mm, hatching 0.15 mm.
void FormPlotten(const Seitenpunkt& p, const Symbolform& form) {
    double breite = -1;
    for (const Symbolzug& zug : form.Zuege) {
        const double b = zug.Fein ? 0.15 : 0.3;
        if (b != breite) PsLinienbreite(b);
        breite = b;
        const std::size_t n = zug.Punkte.size();
        for (std::size_t i = 0; i + 1 < n + (zug.Geschlossen ? 1 : 0); ++i) {
            const Weltpunkt& u = zug.Punkte[i];
            const Weltpunkt& v = zug.Punkte[(i + 1) % n];
            PsLinie(p.X + SYMBOLEINHEIT * u.X, p.Y + SYMBOLEINHEIT * u.Y, p.X + SYMBOLEINHEIT * v.X,
                    p.Y + SYMBOLEINHEIT * v.Y);
        }
    }
    PsLinienbreite(0.3);
    for (const Symbolkreis& k : form.Kreise)
        PsKreisGefuellt(p.X + SYMBOLEINHEIT * k.Mitte.X, p.Y + SYMBOLEINHEIT * k.Mitte.Y, SYMBOLEINHEIT * k.Radius);
}

// Supports and springs, drawn before the bars, which end on them.
void LagerPlotten(const Plot& plot, const Symbole& symbole) {
    PsStrichart(0);
    PsGrau(0);
    for (const Lagersymbol& l : symbole.Lager) {
        PsZeile("% <Lager>");
        FormPlotten(plot.Seite(l.Ort), LagerForm(l));
        PsZeile("% </Lager>");
    }
    for (const Federsymbol& f : symbole.Federn) {
        PsZeile("% <Feder>");
        FormPlotten(plot.Seite(f.Ort), FederForm(f));
        PsZeile("% </Feder>");
    }
}

// Hinges over the bars, so that a bar ends at its circle.
void GelenkePlotten(const Plot& plot, const Symbole& symbole) {
    PsStrichart(0);
    PsGrau(0);
    for (const Gelenksymbol& g : symbole.Gelenke) {
        PsZeile("% <Gelenk>");
        FormPlotten(plot.Seite(g.Ort), GelenkForm(g));
        PsZeile("% </Gelenk>");
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

// Temperature loads of the active load cases: strokes 1.5 mm to either side
// across the whole bar, about 3 mm apart, and with the value labels on,
// "dT=... K  dTM=... K" below the bar's middle with the deltas from the
// Symbol font.
void TemperaturlastenPlotten(const Plot& plot, const System* system) {
    if (KeAnzahl(system->Temperaturlasten) == 0) return;
    std::unordered_set<long> aktiv;
    for (const Lastfall* lf : Elemente<Lastfall>(system->Lastfaelle))
        if (lf->Aktiv == 1) aktiv.insert(lf->Kennung);
    std::unordered_map<long, const Stab*> staebe;  // the bars drawn, first of a number
    for (const Stab* s : Elemente<Stab>(plot.staebe)) staebe.try_emplace(s->Nummer, s);
    bool erste = true;
    for (const Temperaturlast* t : Elemente<Temperaturlast>(system->Temperaturlasten)) {
        auto it = staebe.find(t->Stab);
        if (!aktiv.count(t->Lastfall) || it == staebe.end()) continue;
        if (erste) PsStrichart(0);
        erste = false;
        const Stab* s = it->second;
        const Seitenpunkt a = plot.Seite(s->PunktA), b = plot.Seite(s->PunktB);
        const double dx = b.X - a.X, dy = b.Y - a.Y, laenge = std::hypot(dx, dy);
        const double nx = laenge > 0 ? -dy / laenge : 0.0, ny = laenge > 0 ? dx / laenge : 1.0;
        const int striche = std::clamp(static_cast<int>(laenge / 3.0), 1, 400);
        PsGrau(0.4);
        PsLinienbreite(0.2);
        for (int i = 0; i < striche; ++i) {
            const double f = (i + 0.5) / striche, x = a.X + f * dx, y = a.Y + f * dy;
            PsLinie(x - 1.5 * nx, y - 1.5 * ny, x + 1.5 * nx, y + 1.5 * ny);
        }
        if (!plot.opt->Beschriftung) continue;
        const double mx = (a.X + b.X) / 2, my = (a.Y + b.Y) / 2;
        PsGrau(0);
        PsLinie(mx, my, mx + 8, my - 8);
        char text[64];
        PsSchrift("Symbol", 8);
        PsText(mx + 8, my - 8, "D");
        PsSchrift("Times-Roman", 8);
        std::snprintf(text, sizeof text, "T=%.1f K  ", t->DeltaT);
        MinusNullEntfernen(text);
        PsTextFortsetzen(text);
        PsSchrift("Symbol", 8);
        PsTextFortsetzen("D");
        PsSchrift("Times-Roman", 8);
        std::snprintf(text, sizeof text, "TM=%.1f K", t->DeltaTM);
        MinusNullEntfernen(text);
        PsTextFortsetzen(text);
    }
}

void SystemseitePlotten(const Plot& plot, const System* system) {
    // Symbols of the bars drawn; whether an end is a hinge depends on the
    // bars drawn alone, as everything else on the page.
    const Symbole symbole = SymboleErmitteln(plot.staebe);
    LagerPlotten(plot, symbole);
    if (plot.opt->Freiheitsgrade) FgNummernPlotten(plot);
    StabnummernPlotten(plot);
    StaebePlotten(plot, 0);
    GelenkePlotten(plot, symbole);
    PsGrau(0);
    UnterseitenPlotten(plot);
    TemperaturlastenPlotten(plot, system);
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
        case SEITE_SYSTEM: SystemseitePlotten(plot, system); break;
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
