// Building a System in code the way a user draws it: used to generate the
// example systems and by the file tests.
//
// Works on the System it is given, through the System operations.
#pragma once

#include <initializer_list>

#include "core/stabgeometrie.h"
#include "core/systemoperationen.h"

namespace systembau {

// The point at (x, y), created when no point lies there yet.
inline Punkt* PunktBei(System& sys, double x, double y) {
    for (Punkt* p : Elemente<Punkt>(sys.Punkte))
        if (p->X == x && p->Y == y) return p;
    return PunktErzeugen(sys, x, y, -1);
}

// A bar from a to b as drawing it creates one: each end is rigidly joined
// to the oldest bar that already ends at its point (shares its three
// degrees of freedom); every other slot gets a fresh free record; the pairs
// (start x, start y) and (end x, end y) enter the FG relations.
inline Stab* StabZiehen(System& sys, Punkt* a, Punkt* b, long material, long querschnitt) {
    Stab* neu = StabAnlegen(sys);
    neu->Markiert = -1;
    neu->PunktA = a;
    neu->PunktB = b;
    neu->Material = material;
    neu->Querschnitt = querschnitt;
    StabGeometrie(neu);
    for (int ende : {1, 0}) {
        Punkt* p = ende == 0 ? a : b;
        for (Stab* s : Elemente<Stab>(sys.Staebe)) {
            if (s == neu) continue;
            int von = s->PunktA == p ? 0 : s->PunktB == p ? 3 : -1;
            if (von < 0) continue;
            for (int r = 0; r < 3; ++r) neu->Freiheitsgrade[3 * ende + r] = s->Freiheitsgrade[von + r];
        }
    }
    for (int slot = 0; slot < 6; ++slot)
        if (!neu->Freiheitsgrade[slot]) FreiheitsgradAnlegen(sys, neu, slot);
    PaarAufnehmen(sys.FgRelationen, neu->Freiheitsgrade[FG_AX], neu->Freiheitsgrade[FG_AY]);
    PaarAufnehmen(sys.FgRelationen, neu->Freiheitsgrade[FG_BX], neu->Freiheitsgrade[FG_BY]);
    return neu;
}

inline Stab* StabZiehen(System& sys, double xa, double ya, double xb, double yb, long material,
                        long querschnitt) {
    // The end point first, in this order on every compiler: the stored
    // examples and fixtures number their points so.
    Punkt* b = PunktBei(sys, xb, yb);
    Punkt* a = PunktBei(sys, xa, ya);
    return StabZiehen(sys, a, b, material, querschnitt);
}

// A hinge at one end (0 = A, 1 = B): the end gets a rotation record of its
// own, so no moment passes to the bars it shared the old one with.
inline Freiheitsgrad* GelenkSetzen(System& sys, Stab* stab, int ende) {
    const int slot = 3 * ende + 2;
    FreiheitsgradFreigeben(sys, stab->Freiheitsgrade[slot]);
    return FreiheitsgradAnlegen(sys, stab, slot);
}

// The three records of one bar end.
inline Freiheitsgrad* Fg(Stab* stab, int ende, int richtung) { return stab->Freiheitsgrade[3 * ende + richtung]; }

// A support in the given directions (0 x, 1 y, 2 rotation): displacement 0.
inline void Festhalten(Stab* stab, int ende, std::initializer_list<int> richtungen) {
    for (int r : richtungen) {
        Freiheitsgrad* fg = Fg(stab, ende, r);
        fg->Status = STATUS_PRIMAL;
        fg->Wert = 0.0;
    }
}

inline Lastfall* LastfallAnlegen(System& sys, const char* name, double gewicht, long kennung) {
    Lastfall* lf = LastfallErzeugen(sys, 0, name, kennung);
    lf->Gewicht = gewicht;
    lf->Aktiv = 1;
    return lf;
}

// A uniform or linearly varying load on a whole bar, global direction
// `winkel` (0 = downwards, pi/2 = +x).
inline Streckenlast* StreckenlastAufStab(System& sys, Lastfall* lf, Stab* stab, const char* name, double qa,
                                        double qb, double winkel, long kennung) {
    Streckenlast* s = StreckenlastErzeugen(sys, lf->Kennung, kennung);
    NameSetzen(s->Name, name);
    s->Stab = stab->Nummer;
    s->GroesseA = qa;
    s->GroesseB = qb;
    s->Winkel = winkel;
    s->Koordinatensystem = KOORD_GLOBAL;
    s->PositionA = 0.0;
    s->PositionB = 1.0;
    return s;
}

// A force at relative position `t` of a bar, global direction `winkel`.
inline Punktlast* KraftAufStab(System& sys, Lastfall* lf, Stab* stab, const char* name, double groesse,
                               double t, double winkel, long kennung) {
    Punktlast* p = PunktlastErzeugen(sys, lf->Kennung, kennung);
    NameSetzen(p->Name, name);
    p->Groesse = groesse;
    p->Stab = stab->Nummer;
    p->Winkel = winkel;
    p->Koordinatensystem = KOORD_GLOBAL;
    p->Positionsbezug = KOORD_LOKAL;
    p->Position = t;
    p->Art = ART_KRAFT;
    return p;
}

// A temperature load on a whole bar: uniform change dT, difference dTM
// (below minus above, below the local -y side), both in K.
inline Temperaturlast* TemperaturAufStab(System& sys, Lastfall* lf, Stab* stab, const char* name, double dT,
                                         double dTM, long kennung) {
    Temperaturlast* t = TemperaturlastErzeugen(sys, lf->Kennung, kennung);
    NameSetzen(t->Name, name);
    t->Stab = stab->Nummer;
    t->DeltaT = dT;
    t->DeltaTM = dTM;
    return t;
}

}  // namespace systembau
