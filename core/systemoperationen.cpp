// Creation, lookup, numbering and deletion of Systems and their records.
#include "core/systemoperationen.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

#include "core/bericht.h"
#include "core/latin1.h"
#include "core/oberflaeche.h"
#include "core/programm.h"

namespace {

System* Aktuell() { return Programm.AktuellesSystem; }

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

[[noreturn]] void Speicherfehler() {
    std::fputs("Velko : MemFault\n", stderr);
    std::exit(1);
}

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
    return sys;
}

Punkt* PunktErzeugen(double x, double y, long nummer) {
    System* sys = Aktuell();
    if (!sys) return nullptr;
    Punkt* p = NeuerDatensatz<Punkt>();
    p->SystemID = sys->SystemID;
    p->Nummer = nummer == -1 ? FreiePunktnummer() : nummer;
    p->X = x;
    p->Y = y;
    KeVorneEintragen(sys->Punkte, p);
    return p;
}

Stab* StabAnlegen(long nummer) {
    System* sys = Aktuell();
    if (!sys) return nullptr;
    Stab* s = NeuerDatensatz<Stab>();
    s->Nummer = nummer;
    s->Markiert = -1;
    KeVorneEintragen(sys->Staebe, s);
    return s;
}

Stab* StabAnlegen() { return Aktuell() ? StabAnlegen(FreieStabnummer()) : nullptr; }

Stab* StabErzeugen() {
    Stab* s = StabAnlegen();
    if (!s) return nullptr;
    ++Aktuell()->Aenderungen;
    if (Programm.StandardwerteSetzen && MaterialSuchen(Programm.StandardMaterial) &&
        QuerschnittSuchen(Programm.StandardQuerschnitt)) {
        s->Material = Programm.StandardMaterial;
        s->Querschnitt = Programm.StandardQuerschnitt;
    } else {
        s->Markiert = 1;
        Ui()->ZuordnungsdialogOeffnen(s);
    }
    return s;
}

Freiheitsgrad* FreiheitsgradAnlegen(Stab* stab, int slot) {
    System* sys = Aktuell();
    if (!sys || !stab || slot < 0 || slot > 5) return nullptr;
    Freiheitsgrad* fg = NeuerDatensatz<Freiheitsgrad>();
    fg->SystemID = sys->SystemID;
    fg->Nummer = FreieFreiheitsgradnummer();
    fg->Status = STATUS_DUAL;
    fg->Richtung = slot % 3;
    stab->Freiheitsgrade[slot] = fg;
    KeVorneEintragen(sys->Freiheitsgrade, fg);
    return fg;
}

long KennungVergeben() {
    if (Programm.Kennungszaehler == 0)
        Programm.Kennungszaehler = static_cast<long>(std::time(nullptr)) % 90000000 + 10000000;
    else
        ++Programm.Kennungszaehler;
    return Programm.Kennungszaehler;
}

Lastfall* LastfallErzeugen(long nummer, const char* name, long kennung) {
    System* sys = Aktuell();
    if (!sys) return nullptr;
    Lastfall* lf = NeuerDatensatz<Lastfall>();
    lf->Kennung = kennung == -1 ? KennungVergeben() : kennung;
    // Numbers are never negative; a taken or negative request gets a free one.
    const bool frei = nummer >= 0 && !NachNummer<Lastfall>(sys->Lastfaelle, nummer);
    lf->Nummer = frei ? nummer : FreieLastfallnummer();
    NameSetzen(lf->Name, name && *name ? name : "unbenannt");
    KeVorneEintragen(sys->Lastfaelle, lf);
    ++sys->Aenderungen;
    return lf;
}

Punktlast* PunktlastErzeugen(long lastfall, long kennung) {
    System* sys = Aktuell();
    if (!sys) return nullptr;
    Punktlast* l = NeuerDatensatz<Punktlast>();
    l->Lastfall = lastfall;
    l->Kennung = kennung == -1 ? KennungVergeben() : kennung;
    KeVorneEintragen(sys->Punktlasten, l);
    ++sys->Aenderungen;
    return l;
}

Streckenlast* StreckenlastErzeugen(long lastfall, long kennung) {
    System* sys = Aktuell();
    if (!sys) return nullptr;
    Streckenlast* l = NeuerDatensatz<Streckenlast>();
    l->Lastfall = lastfall;
    l->Kennung = kennung == -1 ? KennungVergeben() : kennung;
    KeVorneEintragen(sys->Streckenlasten, l);
    ++sys->Aenderungen;
    return l;
}

Lastfallkombination* KombinationErzeugen(long nummer) {
    System* sys = Aktuell();
    if (!sys) return nullptr;
    Lastfallkombination* k = NeuerDatensatz<Lastfallkombination>();
    k->Nummer = nummer == -1 ? FreieKombinationsnummer() : nummer;
    k->Aktiv = 0;
    NameSetzen(k->Name, "Kombination");
    k->Anteile = StapelAnlegen();
    KeVorneEintragen(sys->Kombinationen, k);
    return k;
}

// ------------------------------------------------------------ lookup

Punkt* PunktSuchen(Kette punkte, long nummer) { return NachNummer<Punkt>(punkte, nummer); }

Freiheitsgrad* FreiheitsgradSuchen(Kette freiheitsgrade, long nummer) {
    return NachNummer<Freiheitsgrad>(freiheitsgrade, nummer);
}

Stab* StabSuchen(long nummer) { return Aktuell() ? NachNummer<Stab>(Aktuell()->Staebe, nummer) : nullptr; }

Material* MaterialSuchen(long nummer) { return NachNummer<Material>(Programm.Materialien, nummer); }

Querschnitt* QuerschnittSuchen(long nummer) { return NachNummer<Querschnitt>(Programm.Querschnitte, nummer); }

Lastfall* LastfallSuchen(long kennung) {
    if (!Aktuell()) return nullptr;
    for (Lastfall* lf : Elemente<Lastfall>(Aktuell()->Lastfaelle))
        if (lf->Kennung == kennung) return lf;
    return nullptr;
}

Punktlast* PunktlastSuchen(long kennung) {
    if (!Aktuell()) return nullptr;
    for (Punktlast* l : Elemente<Punktlast>(Aktuell()->Punktlasten))
        if (l->Kennung == kennung) return l;
    return nullptr;
}

Streckenlast* StreckenlastSuchen(long kennung) {
    if (!Aktuell()) return nullptr;
    for (Streckenlast* l : Elemente<Streckenlast>(Aktuell()->Streckenlasten))
        if (l->Kennung == kennung) return l;
    return nullptr;
}

long LastfallKennung(long nummer) {
    if (!Aktuell()) return -1;
    for (Lastfall* lf : ElementeRueckwaerts<Lastfall>(Aktuell()->Lastfaelle))
        if (lf->Nummer == nummer) return lf->Kennung;
    return -1;
}

long LastfallNummer(long kennung) {
    if (!Aktuell()) return -1;
    for (Lastfall* lf : ElementeRueckwaerts<Lastfall>(Aktuell()->Lastfaelle))
        if (lf->Kennung == kennung) return lf->Nummer;
    return -1;
}

Lastfallkombination* KombinationSuchen(long nummer) {
    if (!Aktuell()) return nullptr;
    for (Lastfallkombination* k : ElementeRueckwaerts<Lastfallkombination>(Aktuell()->Kombinationen))
        if (k->Nummer == nummer) return k;
    return nullptr;
}

long FreiePunktnummer() { return Aktuell() ? KleinsteFreieNummer<Punkt>(Aktuell()->Punkte) : 0; }
long FreieStabnummer() { return Aktuell() ? KleinsteFreieNummer<Stab>(Aktuell()->Staebe) : 0; }
long FreieLastfallnummer() { return Aktuell() ? KleinsteFreieNummer<Lastfall>(Aktuell()->Lastfaelle) : 0; }
long FreieKombinationsnummer() {
    return Aktuell() ? KleinsteFreieNummer<Lastfallkombination>(Aktuell()->Kombinationen) : 0;
}
long FreieFreiheitsgradnummer() {
    return Aktuell() ? KleinsteFreieNummer<Freiheitsgrad>(Aktuell()->Freiheitsgrade) : 0;
}

// ------------------------------------------------------------ deletion

void ErgebnisseLoeschen(Stab* stab) {
    if (stab) ErgebnisKetteLoeschen(stab->Ergebnisse);
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
    // The computational model of the last run.
    KetteMitInhaltLoeschen<Element>(sys->Elemente);
    KetteMitInhaltLoeschen<Knoten>(sys->Knoten);
    KetteMitInhaltLoeschen<Freiheitsgrad>(sys->Modellfreiheitsgrade);

    Ui()->LastfalllistenLeeren();
    AusKetteEntfernen(Programm.Systeme, sys);
    if (Programm.AktuellesSystem == sys) Programm.AktuellesSystem = nullptr;
    delete sys;
    MeldungAusgeben("System und Belastung gelöscht "_l1);
}

void PunktFreigeben(Punkt* punkt) {
    System* sys = Aktuell();
    if (!sys || !punkt) return;
    if (StaebeMitPunkt(sys, punkt) >= 2) return;
    if (AusKetteEntfernen(sys->Punkte, punkt)) delete punkt;
}

int FreiheitsgradFreigeben(Freiheitsgrad* fg) {
    System* sys = Aktuell();
    if (!sys || !fg) return 0;
    if (StaebeMitFreiheitsgrad(sys, fg) != 1) return 0;
    if (!InKette(sys->Freiheitsgrade, fg)) return 0;
    FreiheitsgradEntfernen(sys, fg);
    return 1;
}

void StaebeLoeschen(Stapel* staebe) {
    System* sys = Aktuell();
    if (!sys || !staebe) return;
    for (int i = 1; i <= staebe->top; ++i) {
        Stab* stab = static_cast<Stab*>(staebe->items[i]);
        // A bar listed twice, or not of this System, must not be touched.
        if (!InKette(sys->Staebe, stab)) continue;
        LastenDesStabsLoeschen(sys, stab->Nummer);
        PunktFreigeben(stab->PunktA);
        if (stab->PunktB != stab->PunktA) PunktFreigeben(stab->PunktB);
        for (int slot = 0; slot < 6; ++slot) {
            Freiheitsgrad* fg = stab->Freiheitsgrade[slot];
            bool schonGesehen = false;
            for (int frueher = 0; frueher < slot; ++frueher)
                if (stab->Freiheitsgrade[frueher] == fg) schonGesehen = true;
            if (fg && !schonGesehen) FreiheitsgradFreigeben(fg);
        }
        ErgebnisseLoeschen(stab);
        AusKetteEntfernen(sys->Staebe, stab);
        delete stab;
        ++sys->Aenderungen;
    }
}

void FreiheitsgradLoeschen(long nummer) {
    System* sys = Aktuell();
    if (!sys) return;
    Freiheitsgrad* fg = FreiheitsgradSuchen(sys->Freiheitsgrade, nummer);
    if (!fg) return;
    // No bar may keep pointing at the freed record.
    for (Stab* s : Elemente<Stab>(sys->Staebe))
        for (Freiheitsgrad*& f : s->Freiheitsgrade)
            if (f == fg) f = nullptr;
    FreiheitsgradEntfernen(sys, fg);
}

void LastfallLoeschen(long nummer) {
    System* sys = Aktuell();
    if (!sys) return;
    Lastfall* lf = NachNummer<Lastfall>(sys->Lastfaelle, nummer);
    if (!lf) return;
    const long kennung = lf->Kennung;
    for (Punktlast* l : Elemente<Punktlast>(sys->Punktlasten))
        if (l->Lastfall == kennung) {
            AusKetteEntfernen(sys->Punktlasten, l);
            delete l;
        }
    for (Streckenlast* l : Elemente<Streckenlast>(sys->Streckenlasten))
        if (l->Lastfall == kennung) {
            AusKetteEntfernen(sys->Streckenlasten, l);
            delete l;
        }
    AusKetteEntfernen(sys->Lastfaelle, lf);
    delete lf;
    ++sys->Aenderungen;
}

void PunktlastLoeschen(long kennung) {
    Punktlast* l = PunktlastSuchen(kennung);
    if (!l) return;
    AusKetteEntfernen(Aktuell()->Punktlasten, l);
    delete l;
    ++Aktuell()->Aenderungen;
}

void StreckenlastLoeschen(long kennung) {
    Streckenlast* l = StreckenlastSuchen(kennung);
    if (!l) return;
    AusKetteEntfernen(Aktuell()->Streckenlasten, l);
    delete l;
    // Counted like every other load change, so closing asks before losing it.
    ++Aktuell()->Aenderungen;
}

void KombinationLoeschen(long nummer) {
    Lastfallkombination* k = KombinationSuchen(nummer);
    if (!k) return;
    AusKetteEntfernen(Aktuell()->Kombinationen, k);
    KombinationFreigeben(k);
}

// ------------------------------------------------------------ menu actions

System* NeuesSystem() {
    System* sys = SystemErzeugen();
    Programm.AktuellesSystem = sys;
    Ui()->SystemEintragen(sys);
    Ui()->ModusSetzen(1);
    sys->Aenderungen = 0;
    Ui()->SystemdialogeAktualisieren();
    Ui()->SystemZeichnen();
    return sys;
}

void AktuellesSystemSchliessen() {
    System* sys = Aktuell();
    if (!sys) return;
    Ui()->SystemAustragen(sys);
    SystemLoeschen(sys);
    // The newest remaining System takes over; without one there is nothing
    // to edit and the canvas goes back to mode 0.
    System* naechstes = nullptr;
    if (Programm.Systeme && Programm.Systeme->next != Programm.Systeme)
        naechstes = static_cast<System*>(Programm.Systeme->next->element);
    Programm.AktuellesSystem = naechstes;
    Ui()->SystemAuswahlZeigen(naechstes);
    if (!naechstes)
        Ui()->ModusSetzen(0);
    else if (Programm.Modus == 0)
        Ui()->ModusSetzen(1);
    Ui()->SystemdialogeAktualisieren();
    Ui()->SystemZeichnen();
}

bool SystemAuswaehlen(long systemnummer) {
    for (System* sys : Elemente<System>(Programm.Systeme))
        if (sys->Systemnummer == systemnummer) {
            Programm.AktuellesSystem = sys;
            Ui()->SystemdialogeAktualisieren();
            Ui()->SystemZeichnen();
            return true;
        }
    return false;
}
