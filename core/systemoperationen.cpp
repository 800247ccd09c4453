// Creation, lookup, numbering and deletion of Systems and their records.
#include "core/systemoperationen.h"

#include <ctime>
#include <vector>

#include "core/aenderungen.h"
#include "core/bericht.h"
#include "core/latin1.h"
#include "core/programm.h"
#include "core/verlauf.h"

namespace {

// Unlinks the link that carries `element`; false if the chain has none.
bool AusKetteEntfernen(Kette kette, const void* element) {
    if (!kette) return false;
    for (Glied* g = kette->next; g != kette; g = g->next)
        if (g->element == element) {
            KeElementAustragen(g);
            return true;
        }
    return false;
}

bool InKette(Kette kette, const void* element) {
    if (!kette) return false;
    for (Glied* g = kette->next; g != kette; g = g->next)
        if (g->element == element) return true;
    return false;
}

// Smallest number >= 0 that no record of the chain holds.  Among n records
// one of 0..n is always free, so a table of n + 1 flags suffices.
template <class T>
long KleinsteFreieNummer(Kette kette) {
    const long anzahl = KeAnzahl(kette);
    std::vector<char> belegt(static_cast<size_t>(anzahl) + 1, 0);
    for (T* t : Elemente<T>(kette))
        if (t->Nummer >= 0 && t->Nummer <= anzahl) belegt[static_cast<size_t>(t->Nummer)] = 1;
    long nummer = 0;
    while (belegt[static_cast<size_t>(nummer)]) ++nummer;
    return nummer;
}

template <class T>
T* NachNummer(Kette kette, long nummer) {
    for (T* t : Elemente<T>(kette))
        if (t->Nummer == nummer) return t;
    return nullptr;
}

// Deletes every record of the chain, then the chain itself.
template <class T>
void KetteMitInhaltLoeschen(Kette& kette) {
    if (!kette) return;
    for (T* t : Elemente<T>(kette)) delete t;
    KetteLoeschen(kette);
    kette = nullptr;
}

void AnteilFreigeben(void* anteil) { delete static_cast<Anteil*>(anteil); }

void KombinationFreigeben(Lastfallkombination* k) {
    StapelLoeschen(k->Anteile, AnteilFreigeben);
    delete k;
}

// Removes every relation pair that holds the degree of freedom.
void FgRelationenBereinigen(System* sys, Freiheitsgrad* fg) {
    Stapel* r = sys->FgRelationen;
    if (!r) return;
    for (int i = r->top; i >= 1; --i) {
        Paar* p = static_cast<Paar*>(r->items[i]);
        if (p->first == fg || p->second == fg) PaarAustragen(r, p->first, p->second);
    }
}

// Unlinks and frees a degree of freedom together with its relation pairs.
void FreiheitsgradEntfernen(System* sys, Freiheitsgrad* fg) {
    FgRelationenBereinigen(sys, fg);
    AusKetteEntfernen(sys->Freiheitsgrade, fg);
    delete fg;
}

long StaebeMitPunkt(System* sys, const Punkt* p) {
    long n = 0;
    for (Stab* s : Elemente<Stab>(sys->Staebe))
        if (s->PunktA == p || s->PunktB == p) ++n;
    return n;
}

long StaebeMitFreiheitsgrad(System* sys, const Freiheitsgrad* fg) {
    long n = 0;
    for (Stab* s : Elemente<Stab>(sys->Staebe))
        for (Freiheitsgrad* f : s->Freiheitsgrade)
            if (f == fg) {
                ++n;
                break;
            }
    return n;
}

void LastenDesStabsLoeschen(System* sys, long stabnummer) {
    for (Punktlast* l : Elemente<Punktlast>(sys->Punktlasten))
        if (l->Stab == stabnummer) {
            AusKetteEntfernen(sys->Punktlasten, l);
            delete l;
        }
    for (Streckenlast* l : Elemente<Streckenlast>(sys->Streckenlasten))
        if (l->Stab == stabnummer) {
            AusKetteEntfernen(sys->Streckenlasten, l);
            delete l;
        }
}

void ErgebnisKetteLoeschen(Kette& ergebnisse) { KetteMitInhaltLoeschen<Stababschnitt>(ergebnisse); }

}  // namespace

[[noreturn]] void Speicherfehler() { FehlerBeenden("Velko : MemFault\n"); }

// ------------------------------------------------------------ creation

System* SystemErzeugen() {
    System* sys = NeuerDatensatz<System>();
    sys->SystemID = static_cast<long>(std::time(nullptr));
    NameSetzen(sys->Dateiname, "noname");
    sys->RasterAnzeigen = 1;
    sys->RasterweiteX = 1.0;
    sys->RasterweiteY = 1.0;
    sys->Fangmodus = 3;
    sys->FangrasterX = 0.5;
    sys->FangrasterY = 0.5;
    sys->FgRelationen = StapelAnlegen();
    sys->Aenderungen = 0;
    sys->Stabteilungen = 2;
    sys->Systemnummer = ++Programm.Systemzaehler;
    KeVorneEintragen(Programm.Systeme, sys);
    MeldungAusgeben("System erzeugt.");
    AenderungMelden(sys, AENDERUNG_SYSTEME);
    return sys;
}

Punkt* PunktErzeugen(System& sys, double x, double y, long nummer) {
    Punkt* p = NeuerDatensatz<Punkt>();
    p->SystemID = sys.SystemID;
    p->Nummer = nummer == -1 ? FreiePunktnummer(sys) : nummer;
    p->X = x;
    p->Y = y;
    KeVorneEintragen(sys.Punkte, p);
    AenderungMelden(&sys, AENDERUNG_PUNKTE);
    return p;
}

Stab* StabAnlegen(System& sys, long nummer) {
    Stab* s = NeuerDatensatz<Stab>();
    s->Nummer = nummer;
    s->Markiert = -1;
    KeVorneEintragen(sys.Staebe, s);
    AenderungMelden(&sys, AENDERUNG_STAEBE);
    return s;
}

Stab* StabAnlegen(System& sys) { return StabAnlegen(sys, FreieStabnummer(sys)); }

bool StandardwerteAnwendbar() {
    return Programm.StandardwerteSetzen && MaterialSuchen(Programm.StandardMaterial) &&
           QuerschnittSuchen(Programm.StandardQuerschnitt);
}

Stab* StabErzeugen(System& sys) {
    Stab* s = StabAnlegen(sys);
    ++sys.Aenderungen;
    if (StandardwerteAnwendbar()) {
        s->Material = Programm.StandardMaterial;
        s->Querschnitt = Programm.StandardQuerschnitt;
    } else {
        s->Markiert = 1;
    }
    AenderungMelden(&sys, AENDERUNG_ZUORDNUNG | AENDERUNG_MARKIERUNG);
    return s;
}

Freiheitsgrad* FreiheitsgradAnlegen(System& sys, Stab* stab, int slot) {
    if (!stab || slot < 0 || slot > 5) return nullptr;
    Freiheitsgrad* fg = NeuerDatensatz<Freiheitsgrad>();
    fg->SystemID = sys.SystemID;
    fg->Nummer = FreieFreiheitsgradnummer(sys);
    fg->Status = STATUS_DUAL;
    fg->Richtung = slot % 3;
    stab->Freiheitsgrade[slot] = fg;
    KeVorneEintragen(sys.Freiheitsgrade, fg);
    AenderungMelden(&sys, AENDERUNG_FREIHEITSGRADE);
    return fg;
}

long KennungVergeben() {
    if (Programm.Kennungszaehler == 0)
        Programm.Kennungszaehler = static_cast<long>(std::time(nullptr)) % 90000000 + 10000000;
    else
        ++Programm.Kennungszaehler;
    return Programm.Kennungszaehler;
}

Lastfall* LastfallErzeugen(System& sys, long nummer, const char* name, long kennung) {
    Lastfall* lf = NeuerDatensatz<Lastfall>();
    lf->Kennung = kennung == -1 ? KennungVergeben() : kennung;
    // Numbers are never negative; a taken or negative request gets a free one.
    const bool frei = nummer >= 0 && !NachNummer<Lastfall>(sys.Lastfaelle, nummer);
    lf->Nummer = frei ? nummer : FreieLastfallnummer(sys);
    NameSetzen(lf->Name, name && *name ? name : "unbenannt");
    KeVorneEintragen(sys.Lastfaelle, lf);
    ++sys.Aenderungen;
    AenderungMelden(&sys, AENDERUNG_LASTFAELLE);
    return lf;
}

Punktlast* PunktlastErzeugen(System& sys, long lastfall, long kennung) {
    Punktlast* l = NeuerDatensatz<Punktlast>();
    l->Lastfall = lastfall;
    l->Kennung = kennung == -1 ? KennungVergeben() : kennung;
    KeVorneEintragen(sys.Punktlasten, l);
    ++sys.Aenderungen;
    AenderungMelden(&sys, AENDERUNG_LASTEN);
    return l;
}

Streckenlast* StreckenlastErzeugen(System& sys, long lastfall, long kennung) {
    Streckenlast* l = NeuerDatensatz<Streckenlast>();
    l->Lastfall = lastfall;
    l->Kennung = kennung == -1 ? KennungVergeben() : kennung;
    KeVorneEintragen(sys.Streckenlasten, l);
    ++sys.Aenderungen;
    AenderungMelden(&sys, AENDERUNG_LASTEN);
    return l;
}

Lastfallkombination* KombinationErzeugen(System& sys, long nummer) {
    Lastfallkombination* k = NeuerDatensatz<Lastfallkombination>();
    k->Nummer = nummer == -1 ? FreieKombinationsnummer(sys) : nummer;
    k->Aktiv = 0;
    NameSetzen(k->Name, "Kombination");
    k->Anteile = StapelAnlegen();
    KeVorneEintragen(sys.Kombinationen, k);
    AenderungMelden(&sys, AENDERUNG_KOMBINATIONEN);
    return k;
}

// ------------------------------------------------------------ lookup

Punkt* PunktSuchen(Kette punkte, long nummer) { return NachNummer<Punkt>(punkte, nummer); }

Freiheitsgrad* FreiheitsgradSuchen(Kette freiheitsgrade, long nummer) {
    return NachNummer<Freiheitsgrad>(freiheitsgrade, nummer);
}

Stab* StabSuchen(const System& sys, long nummer) { return NachNummer<Stab>(sys.Staebe, nummer); }

Material* MaterialSuchen(long nummer) { return NachNummer<Material>(Programm.Materialien, nummer); }

Querschnitt* QuerschnittSuchen(long nummer) { return NachNummer<Querschnitt>(Programm.Querschnitte, nummer); }

Lastfall* LastfallSuchen(const System& sys, long kennung) {
    for (Lastfall* lf : Elemente<Lastfall>(sys.Lastfaelle))
        if (lf->Kennung == kennung) return lf;
    return nullptr;
}

Punktlast* PunktlastSuchen(const System& sys, long kennung) {
    for (Punktlast* l : Elemente<Punktlast>(sys.Punktlasten))
        if (l->Kennung == kennung) return l;
    return nullptr;
}

Streckenlast* StreckenlastSuchen(const System& sys, long kennung) {
    for (Streckenlast* l : Elemente<Streckenlast>(sys.Streckenlasten))
        if (l->Kennung == kennung) return l;
    return nullptr;
}

long LastfallKennung(const System& sys, long nummer) {
    for (Lastfall* lf : ElementeRueckwaerts<Lastfall>(sys.Lastfaelle))
        if (lf->Nummer == nummer) return lf->Kennung;
    return -1;
}

long LastfallNummer(const System& sys, long kennung) {
    for (Lastfall* lf : ElementeRueckwaerts<Lastfall>(sys.Lastfaelle))
        if (lf->Kennung == kennung) return lf->Nummer;
    return -1;
}

Lastfallkombination* KombinationSuchen(const System& sys, long nummer) {
    for (Lastfallkombination* k : ElementeRueckwaerts<Lastfallkombination>(sys.Kombinationen))
        if (k->Nummer == nummer) return k;
    return nullptr;
}

System* SystemMitNummer(long systemnummer) {
    for (System* s : Elemente<System>(Programm.Systeme))
        if (s->Systemnummer == systemnummer) return s;
    return nullptr;
}

System* NeuestesSystem() {
    if (!Programm.Systeme || Programm.Systeme->next == Programm.Systeme) return nullptr;
    return static_cast<System*>(Programm.Systeme->next->element);
}

long FreiePunktnummer(const System& sys) { return KleinsteFreieNummer<Punkt>(sys.Punkte); }
long FreieStabnummer(const System& sys) { return KleinsteFreieNummer<Stab>(sys.Staebe); }
long FreieLastfallnummer(const System& sys) { return KleinsteFreieNummer<Lastfall>(sys.Lastfaelle); }
long FreieKombinationsnummer(const System& sys) {
    return KleinsteFreieNummer<Lastfallkombination>(sys.Kombinationen);
}
long FreieFreiheitsgradnummer(const System& sys) { return KleinsteFreieNummer<Freiheitsgrad>(sys.Freiheitsgrade); }

// ------------------------------------------------------------ deletion

void ErgebnisseLoeschen(Stab* stab) {
    if (stab) ErgebnisKetteLoeschen(stab->Ergebnisse);
}

void SystemergebnisseLoeschen(System& sys) {
    for (Stab* s : Elemente<Stab>(sys.Staebe)) ErgebnisseLoeschen(s);
    sys.Theorie = THEORIE_KEINE;
    sys.Verzweigung = VERZWEIGUNG_KEINE_DRUCKKRAEFTE;
    sys.Verzweigungslastfaktor = 0.0;
}

void SystemLoeschen(System* sys) {
    if (!sys) return;
    for (Stab* s : Elemente<Stab>(sys->Staebe)) ErgebnisseLoeschen(s);
    KetteMitInhaltLoeschen<Stab>(sys->Staebe);
    KetteMitInhaltLoeschen<Punkt>(sys->Punkte);
    KetteMitInhaltLoeschen<Freiheitsgrad>(sys->Freiheitsgrade);
    KetteMitInhaltLoeschen<Punktlast>(sys->Punktlasten);
    KetteMitInhaltLoeschen<Streckenlast>(sys->Streckenlasten);
    KetteMitInhaltLoeschen<Lastfall>(sys->Lastfaelle);
    RelationLoeschen(sys->FgRelationen);
    sys->FgRelationen = nullptr;
    if (sys->Kombinationen) {
        for (Lastfallkombination* k : Elemente<Lastfallkombination>(sys->Kombinationen)) KombinationFreigeben(k);
        KetteLoeschen(sys->Kombinationen);
        sys->Kombinationen = nullptr;
    }

    SystemGeloeschtMelden(sys);
    // Its history must not outlive it: a new System at the same address
    // would otherwise inherit it.
    VerlaufBeenden(sys);
    AusKetteEntfernen(Programm.Systeme, sys);
    delete sys;
    MeldungAusgeben("System und Belastung gelöscht "_l1);
}

void PunktFreigeben(System& sys, Punkt* punkt) {
    if (!punkt) return;
    if (StaebeMitPunkt(&sys, punkt) >= 2) return;
    if (AusKetteEntfernen(sys.Punkte, punkt)) {
        delete punkt;
        AenderungMelden(&sys, AENDERUNG_PUNKTE);
    }
}

int FreiheitsgradFreigeben(System& sys, Freiheitsgrad* fg) {
    if (!fg) return 0;
    if (StaebeMitFreiheitsgrad(&sys, fg) != 1) return 0;
    if (!InKette(sys.Freiheitsgrade, fg)) return 0;
    FreiheitsgradEntfernen(&sys, fg);
    AenderungMelden(&sys, AENDERUNG_FREIHEITSGRADE);
    return 1;
}

void StaebeLoeschen(System& sys, Stapel* staebe) {
    if (!staebe) return;
    for (int i = 1; i <= staebe->top; ++i) {
        Stab* stab = static_cast<Stab*>(staebe->items[i]);
        // A bar listed twice, or not of this System, must not be touched.
        if (!InKette(sys.Staebe, stab)) continue;
        LastenDesStabsLoeschen(&sys, stab->Nummer);
        PunktFreigeben(sys, stab->PunktA);
        if (stab->PunktB != stab->PunktA) PunktFreigeben(sys, stab->PunktB);
        for (int slot = 0; slot < 6; ++slot) {
            Freiheitsgrad* fg = stab->Freiheitsgrade[slot];
            bool schonGesehen = false;
            for (int frueher = 0; frueher < slot; ++frueher)
                if (stab->Freiheitsgrade[frueher] == fg) schonGesehen = true;
            if (fg && !schonGesehen) FreiheitsgradFreigeben(sys, fg);
        }
        ErgebnisseLoeschen(stab);
        AusKetteEntfernen(sys.Staebe, stab);
        delete stab;
        ++sys.Aenderungen;
        AenderungMelden(&sys, AENDERUNG_STAEBE | AENDERUNG_LASTEN);
    }
}

void FreiheitsgradLoeschen(System& sys, long nummer) {
    Freiheitsgrad* fg = FreiheitsgradSuchen(sys.Freiheitsgrade, nummer);
    if (!fg) return;
    // No bar may keep pointing at the freed record.
    for (Stab* s : Elemente<Stab>(sys.Staebe))
        for (Freiheitsgrad*& f : s->Freiheitsgrade)
            if (f == fg) f = nullptr;
    FreiheitsgradEntfernen(&sys, fg);
    AenderungMelden(&sys, AENDERUNG_FREIHEITSGRADE);
}

void LastfallLoeschen(System& sys, long nummer) {
    Lastfall* lf = NachNummer<Lastfall>(sys.Lastfaelle, nummer);
    if (!lf) return;
    const long kennung = lf->Kennung;
    for (Punktlast* l : Elemente<Punktlast>(sys.Punktlasten))
        if (l->Lastfall == kennung) {
            AusKetteEntfernen(sys.Punktlasten, l);
            delete l;
        }
    for (Streckenlast* l : Elemente<Streckenlast>(sys.Streckenlasten))
        if (l->Lastfall == kennung) {
            AusKetteEntfernen(sys.Streckenlasten, l);
            delete l;
        }
    AusKetteEntfernen(sys.Lastfaelle, lf);
    delete lf;
    ++sys.Aenderungen;
    AenderungMelden(&sys, AENDERUNG_LASTFAELLE | AENDERUNG_LASTEN);
}

void PunktlastLoeschen(System& sys, long kennung) {
    Punktlast* l = PunktlastSuchen(sys, kennung);
    if (!l) return;
    AusKetteEntfernen(sys.Punktlasten, l);
    delete l;
    ++sys.Aenderungen;
    AenderungMelden(&sys, AENDERUNG_LASTEN);
}

void StreckenlastLoeschen(System& sys, long kennung) {
    Streckenlast* l = StreckenlastSuchen(sys, kennung);
    if (!l) return;
    AusKetteEntfernen(sys.Streckenlasten, l);
    delete l;
    // Counted like every other load change, so closing asks before losing it.
    ++sys.Aenderungen;
    AenderungMelden(&sys, AENDERUNG_LASTEN);
}

void KombinationLoeschen(System& sys, long nummer) {
    Lastfallkombination* k = KombinationSuchen(sys, nummer);
    if (!k) return;
    AusKetteEntfernen(sys.Kombinationen, k);
    KombinationFreigeben(k);
    AenderungMelden(&sys, AENDERUNG_KOMBINATIONEN);
}
