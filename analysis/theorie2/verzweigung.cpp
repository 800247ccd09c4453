#include "analysis/theorie2/verzweigung.h"

#include <algorithm>
#include <cmath>

namespace {

// The probe with its bookkeeping.  A factorisation that meets a zero pivot
// is repeated a little beside lambda, never further than `spielraum`
// (relative), so that a probe stays inside the bracket it is meant to split.
class Sonde {
public:
    explicit Sonde(const Verzweigungstest& probe) : probe_(probe) {}

    bool Pruefen(double lambda, double spielraum, Verzweigungsprobe& ergebnis, double& geprueft) {
        static constexpr double SCHUB[] = {0.0, 1e-9, -1e-9, 1e-7, -1e-7, 1e-5, -1e-5};
        for (double schub : SCHUB) {
            if (std::fabs(schub) > spielraum) continue;
            geprueft = lambda * (1.0 + schub);
            ++Auswertungen;
            ergebnis = probe_(geprueft);
            if (ergebnis.Zerlegt) {
                const bool passt = (ergebnis.Eigenwerte == 0) == (ergebnis.Kennwert > 0.0);
                if (!std::isfinite(ergebnis.Kennwert) || !passt)
                    ergebnis.Kennwert = std::numeric_limits<double>::quiet_NaN();
                return true;
            }
        }
        return false;
    }

    int Auswertungen = 0;

private:
    const Verzweigungstest& probe_;
};

// Where a line through (a, fa) and (b, fb) crosses zero; NaN if it does not.
double Nullstelle(double a, double fa, double b, double fb) {
    if (!std::isfinite(fa) || !std::isfinite(fb) || fa == fb) return std::numeric_limits<double>::quiet_NaN();
    return (a * fb - b * fa) / (fb - fa);
}

}  // namespace

Verzweigungsergebnis VerzweigungslastfaktorSuchen(const Verzweigungstest& probe, const Verzweigungsoptionen& optionen) {
    constexpr double NAN_ = std::numeric_limits<double>::quiet_NaN();
    Sonde sonde(probe);
    Verzweigungsergebnis ergebnis;
    auto ende = [&](Verzweigungsstatus status, double faktor) {
        ergebnis.Status = status;
        ergebnis.Faktor = faktor;
        ergebnis.Auswertungen = sonde.Auswertungen;
        return ergebnis;
    };
    const double tol = optionen.Genauigkeit;
    const double start = optionen.Startwert;

    // 1. Bracket: J(unten) = 0 < J(oben).
    Verzweigungsprobe p;
    double geprueft;
    if (!sonde.Pruefen(start, 1e-5, p, geprueft)) return ende(Verzweigungsstatus::Fehlgeschlagen, 0.0);
    double unten = 0.0, fUnten = NAN_, oben = 0.0, fOben = NAN_;
    if (p.Eigenwerte == 0) {
        unten = geprueft;
        fUnten = p.Kennwert;
        double vorher = NAN_, fVorher = NAN_;  // the probe below, for extrapolation
        for (;;) {
            // Double, or go to just past where the Kennwert points: a
            // bracket that is narrow from the start.
            double naechster = 2.0 * unten;
            const double ziel = Nullstelle(vorher, fVorher, unten, fUnten);
            if (ziel > unten) naechster = std::clamp(ziel * 1.02, 1.25 * unten, 8.0 * unten);
            if (naechster > optionen.Obergrenze * start) return ende(Verzweigungsstatus::KeineVerzweigung, 0.0);
            if (!sonde.Pruefen(naechster, 1e-5, p, geprueft)) return ende(Verzweigungsstatus::Fehlgeschlagen, 0.0);
            if (p.Eigenwerte > 0) {
                oben = geprueft;
                fOben = p.Kennwert;
                break;
            }
            vorher = unten;
            fVorher = fUnten;
            unten = geprueft;
            fUnten = p.Kennwert;
        }
    } else {
        oben = geprueft;
        fOben = p.Kennwert;
        for (;;) {
            const double naechster = 0.5 * oben;
            if (naechster < optionen.Untergrenze * start) return ende(Verzweigungsstatus::SchonInstabil, 0.0);
            if (!sonde.Pruefen(naechster, 1e-5, p, geprueft)) return ende(Verzweigungsstatus::Fehlgeschlagen, 0.0);
            if (p.Eigenwerte == 0) {
                unten = geprueft;
                fUnten = p.Kennwert;
                break;
            }
            oben = geprueft;
            fOben = p.Kennwert;
        }
    }

    // 2. Narrow the bracket.  Regula falsi on the Kennwert with the Illinois
    // step where the Kennwert is known on both sides, else bisection; a
    // proposal closer to an end than half the tolerance is moved to that
    // distance, so that a good guess closes the bracket at once.
    int seite = 0;          // which end the last probe replaced: -1 lower, +1 upper
    int ohneHalbierung = 0;  // probes since the bracket last shrank by half
    double breiteVorher = oben - unten;
    while (oben - unten > tol * unten) {
        double c = Nullstelle(unten, fUnten, oben, fOben);
        if (!(fUnten > 0.0 && fOben < 0.0) || !(c > unten && c < oben) || ohneHalbierung >= 3) c = 0.5 * (unten + oben);
        const double rand = 0.5 * tol * unten;
        if (c - unten < rand) c = unten + rand;
        if (oben - c < rand) c = oben - rand;
        const double spielraum = 0.25 * std::min(c - unten, oben - c) / c;
        if (!sonde.Pruefen(c, spielraum, p, geprueft)) {
            // Singular within round-off right beside c: the structure, or
            // one with some degrees of freedom held (a leading block of the
            // matrix), buckles there, and holding degrees of freedom only
            // raises a buckling load.  So the critical factor is not above c.
            geprueft = c;
            p.Eigenwerte = 1;
            p.Kennwert = NAN_;
        }
        if (p.Eigenwerte == 0) {
            unten = geprueft;
            fUnten = p.Kennwert;
            if (seite == -1) fOben *= 0.5;
            seite = -1;
        } else {
            oben = geprueft;
            fOben = p.Kennwert;
            if (seite == 1) fUnten *= 0.5;
            seite = 1;
        }
        if (oben - unten <= 0.5 * breiteVorher) {
            breiteVorher = oben - unten;
            ohneHalbierung = 0;
        } else {
            ++ohneHalbierung;
        }
    }
    return ende(Verzweigungsstatus::Gefunden, 0.5 * (unten + oben));
}

double RayleighKennwert(std::vector<double>& x, const std::function<void(std::vector<double>&)>& loesen,
                        int schritte) {
    double kennwert = std::numeric_limits<double>::quiet_NaN();
    for (int schritt = 0; schritt < schritte; ++schritt) {
        std::vector<double> y = x;
        loesen(y);
        double xx = 0.0, xy = 0.0, yy = 0.0;
        for (std::size_t i = 0; i < x.size(); ++i) {
            xx += x[i] * x[i];
            xy += x[i] * y[i];
            yy += y[i] * y[i];
        }
        if (xx == 0.0 || xy == 0.0 || !std::isfinite(xy) || !std::isfinite(yy) || yy == 0.0)
            return std::numeric_limits<double>::quiet_NaN();
        const double norm = std::sqrt(yy);
        for (std::size_t i = 0; i < x.size(); ++i) x[i] = y[i] / norm;
        kennwert = xx / xy;
    }
    return kennwert;
}
