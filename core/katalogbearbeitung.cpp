#include "core/katalogbearbeitung.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "core/aenderungen.h"
#include "core/kette.h"
#include "core/programm.h"
#include "core/systemoperationen.h"

std::string Katalogzeile(long nummer, const char* name) {
    char kopf[32];
    std::snprintf(kopf, sizeof kopf, "%10ld  ", nummer);
    return std::string(kopf) + (name ? name : "");
}

long KatalogzeileNummer(const char* zeile) {
    if (!zeile) return -1;
    char kopf[11] = {};
    std::strncpy(kopf, zeile, 10);
    return std::atol(kopf);
}

Material* MaterialNeu(const char* name, double eModul, double querkontraktion, double waermedehnzahl) {
    Material* m = NeuerDatensatz<Material>();
    m->Nummer = KennungVergeben();
    NameSetzen(m->Name, name);
    m->EModul = eModul;
    m->Querkontraktion = querkontraktion;
    m->Waermedehnzahl = waermedehnzahl;
    KeVorneEintragen(Programm.Materialien, m);
    AenderungMelden(nullptr, AENDERUNG_KATALOG);
    return m;
}

Querschnitt* QuerschnittNeu(const char* name, double flaeche, double traegheitsmoment, double maxY) {
    Querschnitt* q = NeuerDatensatz<Querschnitt>();
    q->Nummer = KennungVergeben();
    NameSetzen(q->Name, name);
    q->Flaeche = flaeche;
    q->Traegheitsmoment = traegheitsmoment;
    q->MaxY = maxY;
    KeVorneEintragen(Programm.Querschnitte, q);
    AenderungMelden(nullptr, AENDERUNG_KATALOG);
    return q;
}

bool MaterialWerteSetzen(long nummer, const char* name, double eModul, double querkontraktion,
                         double waermedehnzahl) {
    Material* m = MaterialSuchen(nummer);
    if (!m) return false;
    NameSetzen(m->Name, name);
    m->EModul = eModul;
    m->Querkontraktion = querkontraktion;
    m->Waermedehnzahl = waermedehnzahl;
    AenderungMelden(nullptr, AENDERUNG_KATALOG);
    return true;
}

bool QuerschnittWerteSetzen(long nummer, const char* name, double flaeche, double traegheitsmoment,
                            double maxY) {
    Querschnitt* q = QuerschnittSuchen(nummer);
    if (!q) return false;
    NameSetzen(q->Name, name);
    q->Flaeche = flaeche;
    q->Traegheitsmoment = traegheitsmoment;
    q->MaxY = maxY;
    AenderungMelden(nullptr, AENDERUNG_KATALOG);
    return true;
}

namespace {

template <class T>
bool Entfernen(Kette kette, long nummer) {
    if (!kette) return false;
    for (Glied* g = kette->next; g != kette; g = g->next) {
        T* t = static_cast<T*>(g->element);
        if (t->Nummer != nummer) continue;
        KeElementAustragen(g);
        delete t;
        AenderungMelden(nullptr, AENDERUNG_KATALOG);
        return true;
    }
    return false;
}

// The bars of the selection that still exist, in the System they belong to.
template <class F>
long FuerAlle(const Stabauswahl& auswahl, F tun) {
    System* sys = SystemMitNummer(auswahl.Systemnummer);
    if (!sys) return 0;
    long n = 0;
    for (long nummer : auswahl.Staebe)
        for (Stab* s : Elemente<Stab>(sys->Staebe))
            if (s->Nummer == nummer) {
                tun(s);
                ++n;
                break;
            }
    if (n > 0) {
        ++sys->Aenderungen;
        AenderungMelden(sys, AENDERUNG_ZUORDNUNG);
    }
    return n;
}

}  // namespace

bool MaterialEntfernen(long nummer) { return Entfernen<Material>(Programm.Materialien, nummer); }
bool QuerschnittEntfernen(long nummer) { return Entfernen<Querschnitt>(Programm.Querschnitte, nummer); }

void StabauswahlErgaenzen(Stabauswahl& auswahl, const System& sys, const Stab* stab) {
    if (!stab) return;
    if (auswahl.Systemnummer != sys.Systemnummer) {
        auswahl.Systemnummer = sys.Systemnummer;
        auswahl.Staebe.clear();
    }
    for (long n : auswahl.Staebe)
        if (n == stab->Nummer) return;
    auswahl.Staebe.push_back(stab->Nummer);
}

Stabauswahl StabauswahlMarkierte(const System& sys) {
    Stabauswahl a;
    a.Systemnummer = sys.Systemnummer;
    for (Stab* s : Elemente<Stab>(sys.Staebe))
        if (s->Markiert == 1) a.Staebe.push_back(s->Nummer);
    return a;
}

Stabauswahl StabauswahlAlle(const System& sys) {
    Stabauswahl a;
    a.Systemnummer = sys.Systemnummer;
    for (Stab* s : Elemente<Stab>(sys.Staebe)) a.Staebe.push_back(s->Nummer);
    return a;
}

long MaterialZuweisen(const Stabauswahl& auswahl, long material) {
    if (!MaterialSuchen(material)) return -1;
    return FuerAlle(auswahl, [material](Stab* s) { s->Material = material; });
}

long QuerschnittZuweisen(const Stabauswahl& auswahl, long querschnitt) {
    if (!QuerschnittSuchen(querschnitt)) return -1;
    return FuerAlle(auswahl, [querschnitt](Stab* s) { s->Querschnitt = querschnitt; });
}

std::string KatalogwertText(const char* format, double wert) {
    char text[64];
    std::snprintf(text, sizeof text, format, wert);
    const double zurueck = std::atof(text);
    // Equal up to round-off of the last printed digit of a long value.
    const double toleranz = 1e-9 * (wert < 0 ? -wert : wert);
    const double diff = zurueck - wert;
    if (diff > toleranz || -diff > toleranz) std::snprintf(text, sizeof text, "%.10g", wert);
    return text;
}

void StabauswahlVereinigen(Stabauswahl& ziel, const Stabauswahl& dazu) {
    if (ziel.Systemnummer != dazu.Systemnummer) {
        ziel = dazu;
        return;
    }
    for (long n : dazu.Staebe) {
        bool da = false;
        for (long m : ziel.Staebe) da = da || m == n;
        if (!da) ziel.Staebe.push_back(n);
    }
}
