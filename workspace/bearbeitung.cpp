#include "workspace/bearbeitung.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "analysis/ergebnisse.h"
#include "core/latin1.h"
#include "core/stabgeometrie.h"
#include "core/bericht.h"
#include "core/aenderungen.h"
#include "core/kette.h"
#include "core/programm.h"
#include "core/systemoperationen.h"
#include "core/zahltext.h"
#include "files/uebersetzen.h"
#include "workspace/ansicht.h"

Staberzeugung Erzeugung;

namespace {

bool PunktGehoertZu(const System* sys, const Punkt* p) {
    if (!sys || !p) return false;
    for (Punkt* q : Elemente<Punkt>(sys->Punkte))
        if (q == p) return true;
    return false;
}

void FgPaareEintragen(System* sys, Stab* s, int ersterSlot) {
    if (!sys->FgRelationen) sys->FgRelationen = StapelAnlegen();
    PaarAufnehmen(sys->FgRelationen, s->Freiheitsgrade[ersterSlot], s->Freiheitsgrade[ersterSlot + 1]);
}

Punkt*& Ende(Stab* s, int ende) { return ende == 0 ? s->PunktA : s->PunktB; }

// Takes the point out of the System when no bar end refers to it any more
// (the end being changed already refers to its new point).
void PunktAufgebenWennFrei(System* sys, const Punkt* p) {
    if (!p || StabendenAnPunkt(sys, p) > 0) return;
    for (Glied* g = sys->Punkte ? sys->Punkte->next : nullptr; g && g != sys->Punkte; g = g->next)
        if (g->element == p) {
            delete static_cast<Punkt*>(KeElementAustragen(g));
            return;
        }
}

// Releases the three records of one end where no other bar (nor the other
// end of this bar) holds them, and clears the slots.
void EndrecordsFreigeben(System& sys, Stab* stab, int ende) {
    for (int k = 0; k < 3; ++k) {
        Freiheitsgrad*& fg = stab->Freiheitsgrade[3 * ende + k];
        bool auchAmAnderenEnde = false;
        for (int j = 0; j < 3; ++j)
            if (stab->Freiheitsgrade[3 * (1 - ende) + j] == fg) auchAmAnderenEnde = true;
        if (fg && !auchAmAnderenEnde) FreiheitsgradFreigeben(sys, fg);
        fg = nullptr;
    }
}

// An end that leaves a point where other bars go on sharing its records
// gets records of its own: otherwise it would stay joined to them from a
// different place.  Records only this bar holds (its supports) stay.
void EndeLoesen(System* sys, Stab* stab, int ende) {
    bool neu = false;
    for (int k = 0; k < 3; ++k) {
        Freiheitsgrad* fg = stab->Freiheitsgrade[3 * ende + k];
        bool geteilt = false;
        for (Stab* t : Elemente<Stab>(sys->Staebe))
            if (t != stab)
                for (Freiheitsgrad* f : t->Freiheitsgrade) geteilt |= f == fg;
        if (fg && !geteilt) continue;
        FreiheitsgradAnlegen(*sys, stab, 3 * ende + k);
        neu = true;
    }
    if (neu) FgPaareEintragen(sys, stab, 3 * ende);
}

}  // namespace

// ------------------------------------------------------------ new bars

Punkt* GueltigerErsterPunkt(const System* sys) {
    return sys && Erzeugung.Besitzer == sys && PunktGehoertZu(sys, Erzeugung.ErsterPunkt) ? Erzeugung.ErsterPunkt
                                                                                          : nullptr;
}

bool StabErzeugungBeginnen(const System* sys) {
    if (Programm.Modus != 1 || !sys) return false;
    Erzeugung = Staberzeugung{};
    MeldungAusgeben("Punkt 1 festlegen !");
    Programm.Modus = 2;
    return true;
}

Punkt* ErsterPunkt(System& system, double x, double y, Punkt* p) {
    System* sys = &system;
    if (!p || !PunktGehoertZu(sys, p)) p = NaechsterPunkt(sys, x, y, 0.001);
    const bool neu = !p;
    if (neu) p = PunktErzeugen(system, x, y, -1);
    Erzeugung.ErsterPunkt = p;
    Erzeugung.ErsterPunktNeu = neu;
    Erzeugung.Besitzer = sys;
    MeldungAusgeben("Punkt 2 festlegen");
    Programm.Modus = 3;
    return p;
}

bool StabErzeugungAbbrechen(System* sys) {
    if (Programm.Modus != 2 && Programm.Modus != 3) return false;
    // Nothing may stay behind of a bar that was not made: its start point
    // goes if it was made for it and no bar has taken it up since.
    Punkt* p = GueltigerErsterPunkt(sys);
    if (p && Erzeugung.ErsterPunktNeu && StabendenAnPunkt(sys, p) == 0) PunktFreigeben(*sys, p);
    Erzeugung = Staberzeugung{};
    MeldungAusgeben("Stab erzeugen abgebrochen");
    Programm.Modus = 1;
    return true;
}

Stab* staberzeugen(System& system, double x, double y, Punkt* p, Punkt** endpunkt) {
    if (endpunkt) *endpunkt = nullptr;
    System* sys = &system;
    Punkt* a = Erzeugung.ErsterPunkt;
    // The start point may have been deleted (or another System made
    // current) while the bar was drawn: start again with point 1.
    if (Erzeugung.Besitzer != sys || !PunktGehoertZu(sys, a)) {
        Erzeugung = Staberzeugung{};
        MeldungAusgeben("Punkt 1 festlegen !");
        Programm.Modus = 2;
        return nullptr;
    }
    Punkt* b = (p && PunktGehoertZu(sys, p)) ? p : NaechsterPunkt(sys, x, y, 0.001);
    const double bx = b ? b->X : x, by = b ? b->Y : y;
    if (bx == a->X && by == a->Y) {
        MeldungAusgeben("Punkt 1 und Punkt 2 haben gleiche Koordinaten !!");
        MeldungAusgeben("Punkt 2 erneut festlegen");
        return nullptr;
    }
    if (!b) b = PunktErzeugen(system, x, y, -1);
    if (endpunkt) *endpunkt = b;
    Stab* s = StabErzeugen(system);
    s->PunktA = a;
    s->PunktB = b;
    StabGeometrie(s);
    // Each new end is joined rigidly to the oldest bar already there.
    for (int ende : {1, 0}) {
        const Punkt* q = ende == 0 ? a : b;
        for (Stab* t : Elemente<Stab>(sys->Staebe)) {
            if (t->PunktA == q)
                for (int k = 0; k < 3; ++k) s->Freiheitsgrade[3 * ende + k] = t->Freiheitsgrade[k];
            if (t->PunktB == q)
                for (int k = 0; k < 3; ++k) s->Freiheitsgrade[3 * ende + k] = t->Freiheitsgrade[3 + k];
        }
    }
    for (int slot = 0; slot < 6; ++slot)
        if (!s->Freiheitsgrade[slot]) FreiheitsgradAnlegen(system, s, slot);
    FgPaareEintragen(sys, s, 0);
    FgPaareEintragen(sys, s, 3);
    Erzeugung = Staberzeugung{};
    Programm.Modus = 1;
    MeldungAusgeben("ok");
    AenderungMelden(sys, AENDERUNG_STAEBE);
    return s;
}

void PositionsanzeigeText(char* text, std::size_t groesse, double x, double y, const Punkt* p) {
    x = OhneMinusNull(x, 2);
    y = OhneMinusNull(y, 2);
    if (p)
        std::snprintf(text, groesse, "%s [ %ld ] : %.2f/%.2f            ", Uebersetzen("Punkt"), p->Nummer, x, y);
    else
        std::snprintf(text, groesse, "%.2f/%.2f                     ", x, y);
}

void LaengenanzeigeText(char* text, std::size_t groesse, double x, double y, const Punkt* p, double laenge) {
    x = OhneMinusNull(x, 2);
    y = OhneMinusNull(y, 2);
    if (p)
        std::snprintf(text, groesse, "%s [ %ld ] : %.2f/%.2f %s : %.2f              ", Uebersetzen("Punkt"),
                      p->Nummer, x, y, Uebersetzen("Länge"_l1), laenge);
    else
        std::snprintf(text, groesse, "%.2f/%.2f %s : %.2f             ", x, y, Uebersetzen("Länge"_l1), laenge);
}

// ------------------------------------------------------------ bar ends

long StabendenAnPunkt(const System* sys, const Punkt* p) {
    long n = 0;
    if (!sys || !p) return 0;
    for (Stab* s : Elemente<Stab>(sys->Staebe)) n += (s->PunktA == p) + (s->PunktB == p);
    return n;
}

Punkt* EndpunktNummerGeaendert(System& system, Stab* stab, int ende, long nummer, double x, double y) {
    System* sys = &system;
    if (!stab || (ende != 0 && ende != 1)) return nullptr;
    Punkt*& punkt = Ende(stab, ende);
    Punkt* anderes = Ende(stab, 1 - ende);
    Punkt* ziel = PunktSuchen(sys->Punkte, nummer);
    if (ziel && ziel == punkt) return punkt;  // the same point: nothing to join
    // A bar from a point to itself has no length and no stiffness.
    if (ziel && ziel == anderes) return nullptr;
    Punkt* alt = punkt;
    if (ziel) {
        // The other bar end whose records this end takes over (the last in
        // chain order wins).
        Stab* quelle = nullptr;
        int quellende = 0;
        for (Stab* t : Elemente<Stab>(sys->Staebe)) {
            if (t == stab) continue;
            if (t->PunktA == ziel) quelle = t, quellende = 0;
            if (t->PunktB == ziel) quelle = t, quellende = 1;
        }
        // Without a bar end there the end keeps its records: releasing them
        // would leave the slots empty.
        if (quelle) {
            EndrecordsFreigeben(system, stab, ende);
            for (int k = 0; k < 3; ++k) stab->Freiheitsgrade[3 * ende + k] = quelle->Freiheitsgrade[3 * quellende + k];
        } else {
            EndeLoesen(sys, stab, ende);
        }
        punkt = ziel;
    } else {
        EndeLoesen(sys, stab, ende);
        punkt = PunktErzeugen(system, x, y, nummer);
    }
    PunktAufgebenWennFrei(sys, alt);
    StabGeometrie(stab);
    ++sys->Aenderungen;
    AenderungMelden(sys, AENDERUNG_PUNKTE | AENDERUNG_STAEBE);
    return punkt;
}

Punkt* EndpunktNeu(System& system, Stab* stab, int ende) {
    System* sys = &system;
    if (!stab || (ende != 0 && ende != 1)) return nullptr;
    Punkt*& punkt = Ende(stab, ende);
    const double x = punkt ? punkt->X : 0.0, y = punkt ? punkt->Y : 0.0;
    Punkt* alt = punkt;
    punkt = PunktErzeugen(system, x + 0.5, y + 0.5, -1);
    PunktAufgebenWennFrei(sys, alt);
    // The old records stay with the bars still at the old point; those that
    // no other bar holds would be left behind unreferenced.
    EndrecordsFreigeben(system, stab, ende);
    for (int k = 0; k < 3; ++k) FreiheitsgradAnlegen(system, stab, 3 * ende + k);
    StabGeometrie(stab);
    ++sys->Aenderungen;
    AenderungMelden(sys, AENDERUNG_PUNKTE | AENDERUNG_STAEBE);
    return punkt;
}

void GeometrieUebernehmen(System& system, Stab* stab, long nummerA, double xA, double yA, long nummerB, double xB,
                          double yB) {
    System* sys = &system;
    if (!stab) return;
    Punkt* altA = stab->PunktA;
    Punkt* altB = stab->PunktB;
    for (Punkt* p : Elemente<Punkt>(sys->Punkte)) {
        if (p->Nummer == nummerA && p != stab->PunktB) {
            p->X = xA;
            p->Y = yA;
            stab->PunktA = p;
        }
        if (p->Nummer == nummerB && p != stab->PunktA) {
            p->X = xB;
            p->Y = yB;
            stab->PunktB = p;
        }
    }
    // An end moved to another point must not leave its old one behind unused.
    if (altA != stab->PunktA) {
        EndeLoesen(sys, stab, 0);
        PunktAufgebenWennFrei(sys, altA);
    }
    if (altB != stab->PunktB) {
        EndeLoesen(sys, stab, 1);
        PunktAufgebenWennFrei(sys, altB);
    }
    for (Stab* s : Elemente<Stab>(sys->Staebe)) StabGeometrie(s);
    ++sys->Aenderungen;
    AenderungMelden(sys, AENDERUNG_PUNKTE | AENDERUNG_STAEBE);
}

// ------------------------------------------------------------ whole System

void SystemVerschieben(System* sys, double dx, double dy) {
    if (!sys || !std::isfinite(dx) || !std::isfinite(dy)) return;
    for (Punkt* p : Elemente<Punkt>(sys->Punkte)) {
        p->X += dx;
        p->Y += dy;
    }
    // The result diagrams are drawn from world positions kept with them.
    for (Stab* s : Elemente<Stab>(sys->Staebe))
        for (Stababschnitt* r : Elemente<Stababschnitt>(s->Ergebnisse)) {
            r->xA += dx;
            r->xB += dx;
            r->yA += dy;
            r->yB += dy;
        }
    if (dx != 0.0 || dy != 0.0) {
        ++sys->Aenderungen;
        AenderungMelden(sys, AENDERUNG_LAGE);
    }
}

void PunktkoordinateSetzen(System& system, Punkt* p, int achse, double wert) {
    System* sys = &system;
    if (!p || !std::isfinite(wert)) return;
    (achse == 0 ? p->X : p->Y) = wert;
    // Angles and lengths follow the point, or the analysis would use stale ones.
    for (Stab* s : Elemente<Stab>(sys->Staebe))
        if (s->PunktA == p || s->PunktB == p) StabGeometrie(s);
    ++sys->Aenderungen;
    AenderungMelden(sys, AENDERUNG_PUNKTE);
}

// ------------------------------------------------------------ dividing bars

namespace {

void StabTeilen(System* sys, Stab* s, int n) {
    Stab* stuecke[4] = {s};
    Punkt* punkte[5] = {s->PunktA};
    punkte[n] = s->PunktB;
    for (int j = 1; j < n; ++j) {
        // New pieces take the material of the bar: no assignment dialog.
        stuecke[j] = StabAnlegen(*sys);
        ++sys->Aenderungen;
        const double xi = -1.0 + 2.0 * j / n;
        punkte[j] = PunktErzeugen(*sys, ((1 - xi) * s->PunktA->X + (1 + xi) * s->PunktB->X) / 2,
                                  ((1 - xi) * s->PunktA->Y + (1 + xi) * s->PunktB->Y) / 2, -1);
    }
    Stab* letzter = stuecke[n - 1];
    for (int k = 0; k < 3; ++k) letzter->Freiheitsgrade[3 + k] = s->Freiheitsgrade[3 + k];
    for (int j = 0; j < n - 1; ++j) {
        for (int k = 0; k < 3; ++k) FreiheitsgradAnlegen(*sys, stuecke[j], 3 + k);
        FgPaareEintragen(sys, stuecke[j], 3);
        for (int k = 0; k < 3; ++k) stuecke[j + 1]->Freiheitsgrade[k] = stuecke[j]->Freiheitsgrade[3 + k];
    }
    for (int j = 0; j < n; ++j) {
        stuecke[j]->PunktA = punkte[j];
        stuecke[j]->PunktB = punkte[j + 1];
        StabGeometrie(stuecke[j]);
        stuecke[j]->Material = s->Material;
        stuecke[j]->Querschnitt = s->Querschnitt;
    }
    // The results belonged to the whole bar.
    ErgebnisseLoeschen(s);

    const long nummer = s->Nummer;
    for (Punktlast* l : Elemente<Punktlast>(sys->Punktlasten)) {
        if (l->Stab != nummer) continue;
        const double p = l->Position;
        int i = static_cast<int>(std::floor(n * p));
        if (i > n - 1) i = n - 1;  // p = 1 stays at the end of the last piece
        if (i < 0) i = 0;
        l->Stab = stuecke[i]->Nummer;
        double neu = (p - static_cast<double>(i) / n) * n;
        // Round-off must not push a load just outside its piece.
        if (p >= 0.0 && p <= 1.0) neu = std::clamp(neu, 0.0, 1.0);
        l->Position = neu;
    }
    // New loads are entered first: collect the bar's loads before creating any.
    Stapel* alte = StapelAnlegen();
    for (Streckenlast* l : Elemente<Streckenlast>(sys->Streckenlasten))
        if (l->Stab == nummer) StapelEintragen(alte, l);
    for (int k = 1; k <= alte->top; ++k) {
        Streckenlast* q = static_cast<Streckenlast*>(alte->items[k]);
        double a = q->PositionA, b = q->PositionB, ga = q->GroesseA, gb = q->GroesseB;
        if (a > b) {  // the same load, given from its end
            std::swap(a, b);
            std::swap(ga, gb);
        }
        auto groesse = [&](double t) { return b > a ? ga + (gb - ga) * (t - a) / (b - a) : ga; };
        int von = static_cast<int>(std::floor(n * a)), bis = static_cast<int>(std::floor(n * b));
        if (bis > n - 1) bis = n - 1;
        if (von > n - 1) von = n - 1;
        if (von < 0) von = 0;
        for (int m = von; m <= bis; ++m) {
            Streckenlast* neu = StreckenlastErzeugen(*sys, q->Lastfall, -1);
            char name[NAME_LANG + 16];
            std::snprintf(name, sizeof name, "%s_%d", q->Name, m);
            NameSetzen(neu->Name, name);
            neu->Winkel = q->Winkel;
            neu->Koordinatensystem = q->Koordinatensystem;
            neu->Stab = stuecke[m]->Nummer;
            const double anfang = static_cast<double>(m) / n;
            neu->PositionA = std::max(0.0, (a - anfang) * n);
            neu->PositionB = std::min(1.0, (b - anfang) * n);
            neu->GroesseA = groesse(anfang + neu->PositionA / n);
            neu->GroesseB = groesse(anfang + neu->PositionB / n);
        }
        StreckenlastLoeschen(*sys, q->Kennung);
    }
    StapelFreigeben(alte);
    // A temperature load acts on the whole bar, so every piece carries it:
    // the load stays on the first piece and each further one gets a copy.
    std::vector<Temperaturlast*> temperaturen;
    for (Temperaturlast* l : Elemente<Temperaturlast>(sys->Temperaturlasten))
        if (l->Stab == nummer) temperaturen.push_back(l);
    for (const Temperaturlast* q : temperaturen)
        for (int m = 1; m < n; ++m) {
            Temperaturlast* neu = TemperaturlastErzeugen(*sys, q->Lastfall, -1);
            NameSetzen(neu->Name, q->Name);
            neu->Stab = stuecke[m]->Nummer;
            neu->DeltaT = q->DeltaT;
            neu->DeltaTM = q->DeltaTM;
        }
}

}  // namespace

void StaebeTeilen(System& system, Stapel* staebe, int n) {
    System* sys = &system;
    if (!staebe || n <= 1) return;
    if (n > 4) n = 4;
    FortschrittSetzen(0);
    for (int k = 1; k <= staebe->top; ++k) {
        FortschrittSetzen(static_cast<double>(k) / staebe->top);
        Stab* s = static_cast<Stab*>(staebe->items[k]);
        bool imSystem = false;
        for (Stab* t : Elemente<Stab>(sys->Staebe)) imSystem |= t == s;
        if (imSystem && s->PunktA && s->PunktB) StabTeilen(sys, s, n);
    }
    ++sys->Aenderungen;
    AenderungMelden(sys, AENDERUNG_STAEBE | AENDERUNG_LASTEN);
}

void MarkierteStaebeTeilen(System& sys, int n) {
    Stapel* markierte = StapelAnlegen();
    for (Stab* s : Elemente<Stab>(sys.Staebe))
        if (s->Markiert == 1) StapelEintragen(markierte, s);
    StaebeTeilen(sys, markierte, n);
    StapelFreigeben(markierte);
}

// ------------------------------------------------------------ table lines

void PunktZeile(char* text, std::size_t groesse, const Punkt* p) {
    std::snprintf(text, groesse, "%4ld   %10.4f   %10.4f ", p->Nummer, OhneMinusNull(p->X, 4), OhneMinusNull(p->Y, 4));
}

void StabZeile(char* text, std::size_t groesse, const Stab* s) {
    const Punkt* a = s->PunktA;
    const Punkt* b = s->PunktB;
    double pos = 0.0;
    // Without results the columns say so: a 0.000 would read as computed.
    if (!s->Ergebnisse || s->Ergebnisse->next == s->Ergebnisse) {
        std::snprintf(text, groesse, "%3ld   (%5.2f/%5.2f)-(%5.2f/%5.2f) \t max M %8s  max Q %8s max N %8s",
                      s->Nummer, a ? a->X : 0.0, a ? a->Y : 0.0, b ? b->X : 0.0, b ? b->Y : 0.0, "---", "---", "---");
        return;
    }
    std::snprintf(text, groesse, "%3ld   (%5.2f/%5.2f)-(%5.2f/%5.2f) \t max M %8.3f  max Q %8.3f max N %8.3f",
                  s->Nummer, a ? a->X : 0.0, a ? a->Y : 0.0, b ? b->X : 0.0, b ? b->Y : 0.0, MaxMoment(s, &pos),
                  MaxQuerkraft(s, &pos), MaxNormalkraft(s, &pos));
}

long ZeilenNummer(const char* zeile, int breite) {
    if (!zeile) return -1;
    char kopf[16] = {};
    int i = 0;
    for (; i < breite && i < 15 && zeile[i]; ++i) kopf[i] = zeile[i];
    char* ende = nullptr;
    long n = std::strtol(kopf, &ende, 10);
    return ende == kopf ? -1 : n;
}

void ExtremZeile(char* text, std::size_t groesse, bool moment, long stab, double wert, double position) {
    if (moment)
        std::snprintf(text, groesse, "Nr.: [ %ld ]       %.3f kNm         Pos.: %.3f m ", stab, wert, position);
    else
        std::snprintf(text, groesse, "Nr.: [ %ld ]       %.3f kN          Pos.: %.3f m ", stab, wert, position);
}
