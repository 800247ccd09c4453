#include "aufbau.h"

#include <cmath>
#include <unordered_map>

#include "analysis/berechnung.h"
#include "core/stabgeometrie.h"
#include "core/programm.h"
#include "core/systemoperationen.h"

void Analyse::SetUp() {
    ProgrammZuruecksetzen();
    BerichtSetzen(&bericht);
    sys = SystemErzeugen();
    bericht.Zeilen.clear();
    bericht.Werte.clear();
    MaterialAnlegen(1, E);
    QuerschnittAnlegen(1, A, Iz);
}

void Analyse::TearDown() {
    berechnung.reset();
    KernmodellLeeren(modell);
    ProgrammZuruecksetzen();
    BerichtSetzen(nullptr);
}

Material* Analyse::MaterialAnlegen(long nummer, double e) {
    Material* m = new Material{};
    m->Nummer = nummer;
    m->EModul = e;
    KeVorneEintragen(Programm.Materialien, m);
    katalog = KatalogIndex(Programm);
    return m;
}

Querschnitt* Analyse::QuerschnittAnlegen(long nummer, double a, double iz) {
    Querschnitt* q = new Querschnitt{};
    q->Nummer = nummer;
    q->Flaeche = a;
    q->Traegheitsmoment = iz;
    KeVorneEintragen(Programm.Querschnitte, q);
    katalog = KatalogIndex(Programm);
    return q;
}

Punkt* Analyse::P(double x, double y) { return PunktErzeugen(*sys, x, y, -1); }

Stab* Analyse::StabZwischen(Punkt* a, Punkt* b, std::array<Freiheitsgrad*, 6> gemeinsam) {
    Stab* s = StabAnlegen(*sys);
    s->PunktA = a;
    s->PunktB = b;
    s->Material = 1;
    s->Querschnitt = 1;
    for (int slot = 0; slot < 6; ++slot) {
        if (gemeinsam[slot])
            s->Freiheitsgrade[slot] = gemeinsam[slot];
        else
            FreiheitsgradAnlegen(*sys, s, slot);
    }
    StabGeometrie(s);
    return s;
}

Stab* Analyse::StabAnschliessen(Stab* vorher, Punkt* b) {
    return StabZwischen(vorher->PunktB, b,
                        {vorher->Freiheitsgrade[3], vorher->Freiheitsgrade[4], vorher->Freiheitsgrade[5]});
}

void Analyse::Festhalten(Freiheitsgrad* fg, double wert) {
    fg->Status = STATUS_PRIMAL;
    fg->Wert = wert;
}

Lastfall* Analyse::Lastfall_(double gewicht, long aktiv) {
    Lastfall* lf = LastfallErzeugen(*sys, 0, "test", -1);
    lf->Gewicht = gewicht;
    lf->Aktiv = aktiv;
    return lf;
}

Punktlast* Analyse::Kraft(Lastfall* lf, Stab* s, double position, double groesse, double winkel, long koordinaten,
                          long art) {
    Punktlast* l = PunktlastErzeugen(*sys, lf->Kennung, -1);
    l->Stab = s->Nummer;
    l->Position = position;
    l->Groesse = groesse;
    l->Winkel = winkel;
    l->Koordinatensystem = koordinaten;
    l->Positionsbezug = 1;
    l->Art = art;
    return l;
}

Streckenlast* Analyse::Strecke(Lastfall* lf, Stab* s, double a, double b, double pa, double pb, double winkel,
                               long koordinaten) {
    Streckenlast* l = StreckenlastErzeugen(*sys, lf->Kennung, -1);
    l->Stab = s->Nummer;
    l->PositionA = a;
    l->PositionB = b;
    l->GroesseA = pa;
    l->GroesseB = pb;
    l->Winkel = winkel;
    l->Koordinatensystem = koordinaten;
    return l;
}

bool Analyse::Rechnen() {
    berechnung = std::make_unique<Berechnung>(*sys, Programm, bericht);
    return berechnung->TheorieIOrdnung();
}

bool Analyse::ModellAufbauen() { return KernmodellErzeugen(modell, *sys, bericht); }

Freiheitsgrad* Analyse::Modell(const Freiheitsgrad* fg) {
    for (Freiheitsgrad* m : Elemente<Freiheitsgrad>(M().Modellfreiheitsgrade))
        if (m->Nummer == fg->Nummer) return m;
    return nullptr;
}

Kraeftebilanz Gleichgewicht(const Kernmodell& modell) {
    const Kernmodell* sys = &modell;
    Kraeftebilanz b;
    auto kraft = [&](double fx, double fy, double x, double y) {
        b.Fx += fx;
        b.Fy += fy;
        b.M += x * fy - y * fx;
        b.Betrag += std::fabs(fx) + std::fabs(fy);
    };
    // Position of every model degree of freedom: the node of an element end.
    std::unordered_map<const Freiheitsgrad*, const Knoten*> ort;
    for (const Element* e : Elemente<Element>(sys->Elemente))
        for (int s = 0; s < 6; ++s) ort.try_emplace(e->Fg[s], s < 3 ? e->KnotenA : e->KnotenB);

    // Element loads: resultant of the linear loads in local axes.
    for (const Element* e : Elemente<Element>(sys->Elemente)) {
        const double l = e->Laenge, c = e->Cos, s = e->Sin;
        const double ax = e->KnotenA->X, ay = e->KnotenA->Y;
        const double q = (e->qAnfang + e->qEnde) / 2 * l, n = (e->nAnfang + e->nEnde) / 2 * l;
        // centroid of the trapezoids along the element
        const double dq = e->qAnfang + e->qEnde, dn = e->nAnfang + e->nEnde;
        const double xq = dq != 0 ? l * (e->qAnfang + 2 * e->qEnde) / (3 * dq) : l / 2;
        const double xn = dn != 0 ? l * (e->nAnfang + 2 * e->nEnde) / (3 * dn) : l / 2;
        kraft(-s * q, c * q, ax + c * xq, ay + s * xq);
        kraft(c * n, s * n, ax + c * xn, ay + s * xn);
    }
    for (const Freiheitsgrad* fg : Elemente<Freiheitsgrad>(sys->Modellfreiheitsgrade)) {
        const Knoten* k = ort.at(fg);
        // Support reactions and applied nodal loads both act on the structure;
        // a spring pushes back with -c u.
        double wert = 0.0;
        if (fg->Status == STATUS_PRIMAL)
            wert = fg->Reaktion;
        else
            wert = fg->Last - fg->Feder * fg->Wert;
        if (fg->Status == STATUS_PRIMAL && fg->Feder != 0.0) wert -= fg->Feder * fg->Wert;
        if (fg->Richtung == 2) {
            b.M += wert;
            b.Betrag += std::fabs(wert);
        } else {
            const double cb = std::cos(fg->Winkel), sb = std::sin(fg->Winkel);
            if (fg->Richtung == 0)
                kraft(wert * cb, wert * sb, k->X, k->Y);
            else
                kraft(-wert * sb, wert * cb, k->X, k->Y);
        }
    }
    return b;
}
