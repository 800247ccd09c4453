#include "workspace/ansicht.h"

#include "analysis/ergebnisse.h"
#include "core/bericht.h"
#include "files/massstab.h"
#include "workspace/zeichenhilfen.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

Ansicht AnsichtBerechnen(const Massstabwerte& werte, const Positionierer& positionierer, int breite, int hoehe) {
    Ansicht a;
    a.Verschiebungsmassstab = werte.Verschiebung;
    a.Massstab = (werte.System == 0.0 || !std::isfinite(werte.System)) ? 1.0 : werte.System;
    a.Punktlastmassstab = werte.Punktlast / 10.0;
    a.Streckenlastmassstab = werte.Streckenlast / 10.0;
    a.Schnittkraftmassstab = werte.Schnittkraft / 100.0;
    a.Breite = breite;
    a.Hoehe = hoehe;
    a.VersatzX = positionierer.X * breite + werte.PositionX * a.Massstab;
    a.VersatzY = -positionierer.Y * hoehe - werte.PositionY * a.Massstab;
    return a;
}

Positionierer MassstabPositionierer;

Massstabwerte MassstabwerteLesen(const Massstabeinstellungen& e) {
    Massstabwerte w;
    w.System = e.System();
    w.Verschiebung = e.Verschiebung();
    w.Punktlast = e.Punktlast();
    w.Streckenlast = e.Streckenlast();
    w.Schnittkraft = e.Schnittkraft();
    w.PositionX = e.PositionX();
    w.PositionY = e.PositionY();
    return w;
}

Ansicht AnsichtErmitteln(Massstabeinstellungen& eingaben, const Positionierer& positionierer, int breite, int hoehe) {
    const double s = eingaben.System();
    if (s == 0.0 || !std::isfinite(s)) eingaben.Setzen(MASSSTAB_SYSTEM, "1");
    return AnsichtBerechnen(MassstabwerteLesen(eingaben), positionierer, breite, hoehe);
}

int WeltNachBildX(const Ansicht& ansicht, double x) { return Pixel(ansicht.BildX(x)); }
int WeltNachBildY(const Ansicht& ansicht, double y) { return Pixel(ansicht.BildY(y)); }

double BildNachWeltX(const Ansicht& ansicht, double px) { return (px - ansicht.VersatzX) / ansicht.Massstab; }
double BildNachWeltY(const Ansicht& ansicht, double py) {
    return (ansicht.Hoehe + ansicht.VersatzY - py) / ansicht.Massstab;
}

// ------------------------------------------------------------------ snap

Punkt* NaechsterPunkt(const System* system, double x, double y, double toleranz) {
    if (!system) return nullptr;
    Punkt* bester = nullptr;
    double abstand = toleranz;
    for (Punkt* p : Elemente<Punkt>(system->Punkte)) {
        const double d = std::sqrt((p->X - x) * (p->X - x) + (p->Y - y) * (p->Y - y));
        if (d < abstand) {
            abstand = d;
            bester = p;
        }
    }
    return bester;
}

double AufRasterFangen(double wert, double g) {
    // A zero, negative or unusable spacing would divide by zero; such a grid
    // does not exist, so the value stays where it is.
    if (!(g > 0.0) || !std::isfinite(g) || !std::isfinite(wert)) return wert;
    const double basis = std::trunc(wert / g) * g;
    const double rest = wert - basis;
    if (std::fabs(rest) >= g / 2.0) return basis + (rest > 0.0 ? g : -g);
    return basis;
}

Punkt* Fangen(const System* system, double& x, double& y) {
    if (!system) return nullptr;
    const long modus = system->Fangmodus;
    if (modus == 2 || modus == 3) {
        if (Punkt* p = NaechsterPunkt(system, x, y, 0.2)) {
            x = p->X;
            y = p->Y;
            return p;
        }
    }
    if (modus == 1 || modus == 3) {
        x = AufRasterFangen(x, system->FangrasterX);
        y = AufRasterFangen(y, system->FangrasterY);
    }
    return nullptr;
}

// ------------------------------------------------------------------ zoom and pan

double AufZweiStellen(double wert) {
    if (!std::isfinite(wert)) return wert;
    char text[400];
    std::snprintf(text, sizeof text, "%.2f", wert);
    return std::strtod(text, nullptr);
}

namespace {

// Pixels per metre that fit dx by dy metres into the free width and height;
// a side without extent does not limit.  0 when nothing usable results.
double PassenderMassstab(double dx, double dy, double frei_breite, double frei_hoehe) {
    const double unendlich = std::numeric_limits<double>::infinity();
    const double sx = dx > 0.0 ? frei_breite / dx : unendlich;
    const double sy = dy > 0.0 ? frei_hoehe / dy : unendlich;
    const double s = (sy > sx) ? sx : sy;
    if (!std::isfinite(s) || s <= 0.0) return 0.0;
    // The scale goes through its "%.2f" text; a value that reads back as 0
    // would only be replaced by 1.
    if (AufZweiStellen(s) <= 0.0) return 0.0;
    return s;
}

void Einpassen(double xmin, double xmax, double ymin, double ymax, double frei_breite, double frei_hoehe,
               Massstabwerte& werte, Positionierer& positionierer) {
    const double s = PassenderMassstab(std::fabs(xmax - xmin), std::fabs(ymax - ymin), frei_breite, frei_hoehe);
    if (s > 0.0) werte.System = AufZweiStellen(s);
    werte.PositionX = AufZweiStellen(-(xmin + xmax) / 2.0);
    werte.PositionY = AufZweiStellen(-(ymin + ymax) / 2.0);
    positionierer = Positionierer{};
}

}  // namespace

bool ZoomAlles(const System* system, int breite, int hoehe, Massstabwerte& werte, Positionierer& positionierer) {
    double* grenzen = system ? Systemgrenzen(system->Staebe) : nullptr;
    if (!grenzen) {
        MeldungAusgeben("kein System !");
        return false;
    }
    Einpassen(grenzen[0], grenzen[1], grenzen[2], grenzen[3], breite - 120.0, hoehe - 120.0, werte, positionierer);
    delete[] grenzen;
    return true;
}

void ZoomPunkt(const Ansicht& ansicht, double px, double py, bool hinein, Massstabwerte& werte,
               Positionierer& positionierer) {
    const double x = BildNachWeltX(ansicht, px);
    const double y = BildNachWeltY(ansicht, py);
    positionierer = Positionierer{};
    const double s = hinein ? ansicht.Massstab * 1.2 : ansicht.Massstab / 1.2;
    if (AufZweiStellen(s) > 0.0 && std::isfinite(s)) werte.System = AufZweiStellen(s);
    werte.PositionX = AufZweiStellen(-x);
    werte.PositionY = AufZweiStellen(-y);
}

void ZoomRechteck(const Ansicht& ansicht, double x1, double y1, double x2, double y2, Massstabwerte& werte,
                  Positionierer& positionierer) {
    const double wx1 = BildNachWeltX(ansicht, x1), wy1 = BildNachWeltY(ansicht, y1);
    const double wx2 = BildNachWeltX(ansicht, x2), wy2 = BildNachWeltY(ansicht, y2);
    Einpassen(std::fmin(wx1, wx2), std::fmax(wx1, wx2), std::fmin(wy1, wy2), std::fmax(wy1, wy2),
              ansicht.Breite - 10.0, ansicht.Hoehe - 10.0, werte, positionierer);
}

void AnsichtVerschieben(Verschieberichtung richtung, Massstabwerte& werte) {
    // The same scale the view uses, so the step is 50 pixels on screen.
    const double s = (werte.System == 0.0 || !std::isfinite(werte.System)) ? 1.0 : werte.System;
    const double schritt = 50.0 / s;
    switch (richtung) {
    case Verschieberichtung::Rechts: werte.PositionX = AufZweiStellen(werte.PositionX + schritt); break;
    case Verschieberichtung::Links: werte.PositionX = AufZweiStellen(werte.PositionX - schritt); break;
    case Verschieberichtung::Hoch: werte.PositionY = AufZweiStellen(werte.PositionY + schritt); break;
    case Verschieberichtung::Runter: werte.PositionY = AufZweiStellen(werte.PositionY - schritt); break;
    }
}

// ------------------------------------------------------------------ on the inputs

namespace {

// Writes the values a zoom or pan changed.
void Zurueckschreiben(const Massstabwerte& vorher, const Massstabwerte& nachher, Massstabeinstellungen& e) {
    if (nachher.System != vorher.System) e.ZahlSetzen(MASSSTAB_SYSTEM, nachher.System);
    if (nachher.PositionX != vorher.PositionX) e.ZahlSetzen(MASSSTAB_POSITION_X, nachher.PositionX);
    if (nachher.PositionY != vorher.PositionY) e.ZahlSetzen(MASSSTAB_POSITION_Y, nachher.PositionY);
}

}  // namespace

bool ZoomAlles(const System* system, int breite, int hoehe, Massstabeinstellungen& eingaben,
               Positionierer& positionierer) {
    const Massstabwerte vorher = MassstabwerteLesen(eingaben);
    Massstabwerte w = vorher;
    if (!ZoomAlles(system, breite, hoehe, w, positionierer)) return false;
    Zurueckschreiben(vorher, w, eingaben);
    return true;
}

void ZoomPunkt(const Ansicht& ansicht, double px, double py, bool hinein, Massstabeinstellungen& eingaben,
               Positionierer& positionierer) {
    const Massstabwerte vorher = MassstabwerteLesen(eingaben);
    Massstabwerte w = vorher;
    ZoomPunkt(ansicht, px, py, hinein, w, positionierer);
    Zurueckschreiben(vorher, w, eingaben);
}

void ZoomRechteck(const Ansicht& ansicht, double x1, double y1, double x2, double y2,
                  Massstabeinstellungen& eingaben, Positionierer& positionierer) {
    const Massstabwerte vorher = MassstabwerteLesen(eingaben);
    Massstabwerte w = vorher;
    ZoomRechteck(ansicht, x1, y1, x2, y2, w, positionierer);
    Zurueckschreiben(vorher, w, eingaben);
}

void AnsichtVerschieben(Verschieberichtung richtung, Massstabeinstellungen& eingaben) {
    const Massstabwerte vorher = MassstabwerteLesen(eingaben);
    Massstabwerte w = vorher;
    AnsichtVerschieben(richtung, w);
    Zurueckschreiben(vorher, w, eingaben);
}
