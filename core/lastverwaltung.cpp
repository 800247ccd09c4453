#include "core/lastverwaltung.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "core/aenderungen.h"
#include "core/latin1.h"
#include "core/systemoperationen.h"

namespace {

bool Enthalten(const std::vector<long>& werte, long wert) {
    return std::find(werte.begin(), werte.end(), wert) != werte.end();
}

std::string Formatiert(const char* format, long zahl, double wert, const char* text) {
    char puffer[256];
    std::snprintf(puffer, sizeof puffer, format, zahl, wert, text);
    return puffer;
}

std::string Lastzeile(const System& sys, const char* art, long kennung, long lastfall, const char* name) {
    char puffer[200];
    std::snprintf(puffer, sizeof puffer, "%ld [%s] LF %ld  %s", kennung, art, LastfallNummer(sys, lastfall), name);
    return puffer;
}

// Relative position x / laenge, or false when it lies off the bar or is no
// number at all.
bool Relativ(double x, double laenge, double& relativ) {
    if (laenge == 0.0 || !std::isfinite(x) || !std::isfinite(laenge)) return false;
    relativ = x / laenge;
    return relativ >= 0.0 && relativ <= 1.0;
}

bool Endlich(std::initializer_list<double> werte) {
    for (double w : werte)
        if (!std::isfinite(w)) return false;
    return true;
}

void Zuweisen(Punktlast& l, const Stab& stab, const Punktlastwerte& w, double relativ) {
    l.Groesse = w.Groesse;
    l.Stab = stab.Nummer;
    l.Winkel = GradNachBogen(w.Winkel);
    l.Koordinatensystem = w.Koordinatensystem;
    l.Position = relativ;
    l.Positionsbezug = w.Positionsbezug;
    l.Art = w.Art;
}

void Zuweisen(Streckenlast& l, const Stab& stab, const Streckenlastwerte& w, double a, double b) {
    NameSetzen(l.Name, w.Name.empty() ? "-" : w.Name.c_str());
    l.GroesseA = w.GroesseA;
    l.GroesseB = w.GroesseB;
    l.Stab = stab.Nummer;
    l.Winkel = GradNachBogen(w.Winkel);
    l.Koordinatensystem = w.Koordinatensystem;
    l.PositionA = a;
    l.PositionB = b;
}

namespace {

// The values of `q` in the new load `l`, which keeps its own identifier and
// belongs to `lastfall`.
template <class Last>
Last* Uebertragen(Last* l, const Last& q, long lastfall) {
    const long kennung = l->Kennung;
    *l = q;
    l->Kennung = kennung;
    l->Lastfall = lastfall;
    return l;
}

}  // namespace

Punktlast* PunktlastKopie(System& sys, const Punktlast& q, long lastfall) {
    return Uebertragen(PunktlastErzeugen(sys, lastfall, -1), q, lastfall);
}

Streckenlast* StreckenlastKopie(System& sys, const Streckenlast& q, long lastfall) {
    return Uebertragen(StreckenlastErzeugen(sys, lastfall, -1), q, lastfall);
}

Temperaturlast* TemperaturlastKopie(System& sys, const Temperaturlast& q, long lastfall) {
    return Uebertragen(TemperaturlastErzeugen(sys, lastfall, -1), q, lastfall);
}

void Zuweisen(Temperaturlast& l, const Stab& stab, const Temperaturlastwerte& w) {
    NameSetzen(l.Name, w.Name.empty() ? "-" : w.Name.c_str());
    l.Stab = stab.Nummer;
    l.DeltaT = w.DeltaT;
    l.DeltaTM = w.DeltaTM;
}

// One counted change of the System, reported with its kinds.
void Aendern(System& sys, unsigned arten) {
    ++sys.Aenderungen;
    AenderungMelden(&sys, arten);
}

}  // namespace

// ------------------------------------------------------------ list lines

std::string LastfallZeile(const Lastfall& lf) { return Formatiert("%3ld %5.2f %s", lf.Nummer, lf.Gewicht, lf.Name); }

std::string KombinationZeile(const Lastfallkombination& k) {
    char puffer[100];
    std::snprintf(puffer, sizeof puffer, "%3ld  %s", k.Nummer, k.Name);
    return puffer;
}

std::string StreckenlastZeile(const System& sys, const Streckenlast& l) {
    return Lastzeile(sys, "SL", l.Kennung, l.Lastfall, l.Name);
}
std::string PunktlastZeile(const System& sys, const Punktlast& l) {
    return Lastzeile(sys, "PL", l.Kennung, l.Lastfall, l.Name);
}
std::string TemperaturlastZeile(const System& sys, const Temperaturlast& l) {
    return Lastzeile(sys, "TL", l.Kennung, l.Lastfall, l.Name);
}

long ZeilenNummer(const char* zeile) {
    if (!zeile) return -1;
    char* ende = nullptr;
    long n = std::strtol(zeile, &ende, 10);
    return ende == zeile ? -1 : n;
}

bool ZahlLesen(const char* text, double& wert) {
    wert = text ? std::atof(text) : 0.0;
    return std::isfinite(wert);
}

// ------------------------------------------------------------ load cases

void LastfaelleAktivieren(System& sys, const std::vector<long>& aktiveNummern) {
    bool geaendert = false;
    for (Lastfall* lf : Elemente<Lastfall>(sys.Lastfaelle)) {
        const long aktiv = Enthalten(aktiveNummern, lf->Nummer) ? 1 : -1;
        if (lf->Aktiv != aktiv) geaendert = true;
        lf->Aktiv = aktiv;
    }
    if (geaendert) Aendern(sys, AENDERUNG_LASTFAELLE);
}

void LastfaelleGewichten(System& sys, const std::vector<long>& nummern, double gewicht) {
    bool gefunden = false;
    for (Lastfall* lf : Elemente<Lastfall>(sys.Lastfaelle))
        if (Enthalten(nummern, lf->Nummer)) {
            lf->Gewicht = gewicht;
            gefunden = true;
        }
    if (gefunden) Aendern(sys, AENDERUNG_LASTFAELLE);
}

void LastfaelleBenennen(System& sys, const std::vector<long>& nummern, const char* name) {
    bool gefunden = false;
    for (Lastfall* lf : Elemente<Lastfall>(sys.Lastfaelle))
        if (Enthalten(nummern, lf->Nummer)) {
            NameSetzen(lf->Name, name);
            gefunden = true;
        }
    if (gefunden) Aendern(sys, AENDERUNG_NAMEN);
}

Lastfall* LastfallKopieren(System& sys, long kennung) {
    Lastfall* quelle = LastfallSuchen(sys, kennung);
    if (!quelle) return nullptr;
    // The suffix must survive the cut to the field's size, or the copy could
    // not be told from its source.
    static const char zusatz[] = "(neu)";
    std::string name(quelle->Name, strnlen(quelle->Name, NAME_KURZ - 1));
    const size_t platz = NAME_KURZ - 1 - (sizeof zusatz - 1);
    if (name.size() > platz) name.resize(platz);
    name += zusatz;
    Lastfall* kopie = LastfallErzeugen(sys, 0, name.c_str(), -1);
    kopie->Gewicht = quelle->Gewicht;
    for (Streckenlast* l : Elemente<Streckenlast>(sys.Streckenlasten))
        if (l->Lastfall == kennung) StreckenlastKopie(sys, *l, kopie->Kennung);
    for (Punktlast* l : Elemente<Punktlast>(sys.Punktlasten))
        if (l->Lastfall == kennung) PunktlastKopie(sys, *l, kopie->Kennung);
    for (Temperaturlast* l : Elemente<Temperaturlast>(sys.Temperaturlasten))
        if (l->Lastfall == kennung) TemperaturlastKopie(sys, *l, kopie->Kennung);
    return kopie;
}

std::vector<Lastfall*> AktiveLastfaelleKopieren(System& sys) {
    std::vector<Lastfall*> kopien;
    // Copies enter the chain first; collect the sources before copying.
    std::vector<long> quellen;
    for (Lastfall* lf : Elemente<Lastfall>(sys.Lastfaelle))
        if (lf->Aktiv == 1) quellen.push_back(lf->Kennung);
    for (long k : quellen) kopien.push_back(LastfallKopieren(sys, k));
    return kopien;
}

// ------------------------------------------------------------ combinations

namespace {

void AnteileAusAktiven(const System& sys, Lastfallkombination* k) {
    for (Lastfall* lf : Elemente<Lastfall>(sys.Lastfaelle))
        if (lf->Aktiv == 1) {
            Anteil* a = NeuerDatensatz<Anteil>();
            a->Lastfall = lf->Kennung;
            a->Faktor = lf->Gewicht;
            StapelEintragen(k->Anteile, a);
        }
}

}  // namespace

Lastfallkombination* KombinationAusAktiven(System& sys, long nummer) {
    Lastfallkombination* k = KombinationErzeugen(sys, nummer);
    AnteileAusAktiven(sys, k);
    Aendern(sys, AENDERUNG_KOMBINATIONEN);
    return k;
}

bool KombinationAendern(System& sys, long nummer) {
    Lastfallkombination* alt = KombinationSuchen(sys, nummer);
    if (!alt) return false;
    char name[NAME_KURZ];
    NameSetzen(name, alt->Name);
    KombinationLoeschen(sys, nummer);
    Lastfallkombination* k = KombinationErzeugen(sys, nummer);
    NameSetzen(k->Name, name);
    AnteileAusAktiven(sys, k);
    Aendern(sys, AENDERUNG_KOMBINATIONEN);
    return true;
}

bool KombinationBenennen(System& sys, long nummer, const char* name) {
    Lastfallkombination* k = KombinationSuchen(sys, nummer);
    if (!k) return false;
    NameSetzen(k->Name, name);
    Aendern(sys, AENDERUNG_NAMEN);
    return true;
}

void KombinationAktivieren(System& sys, long nummer) {
    KombinationAnwenden(sys, nummer);
    Aendern(sys, AENDERUNG_LASTFAELLE | AENDERUNG_KOMBINATIONEN);
}

void KombinationAnwenden(System& sys, long nummer) {
    for (Lastfall* lf : Elemente<Lastfall>(sys.Lastfaelle)) lf->Aktiv = -1;
    for (Lastfallkombination* k : ElementeRueckwaerts<Lastfallkombination>(sys.Kombinationen)) {
        if (k->Nummer != nummer) {
            k->Aktiv = 0;
            continue;
        }
        k->Aktiv = 1;
        for (int i = 1; k->Anteile && i <= k->Anteile->top; ++i) {
            const Anteil* a = static_cast<const Anteil*>(k->Anteile->items[i]);
            if (Lastfall* lf = LastfallSuchen(sys, a->Lastfall)) {
                lf->Aktiv = 1;
                lf->Gewicht = a->Faktor;
            }
        }
    }
}

// ------------------------------------------------------------ loads of a bar

double GradNachBogen(double grad) { return grad * LAST_PI / 180.0; }
double BogenNachGrad(double bogen) { return bogen * 180.0 / LAST_PI; }

double Bezugslaenge(const Stab& stab, long positionsbezug) {
    return positionsbezug == KOORD_GLOBAL ? stab.Laenge * stab.Cos : stab.Laenge;
}

const char* LastfehlerText(Lastfehler fehler) {
    switch (fehler) {
    case Lastfehler::Keiner: return "";
    case Lastfehler::Position: return "Fehler bei der Lastposition\n Last außerhalb des Stabes !"_l1;
    case Lastfehler::PositionA: return "Fehler bei der Lastposition Anfang.\n Last außerhalb des Stabes !"_l1;
    case Lastfehler::PositionB: return "Fehler bei der Lastposition Ende.\n Last außerhalb des Stabes !"_l1;
    case Lastfehler::Reihenfolge: return "Fehler bei der Lastposition\n Pos_Anfang größer als Pos_Ende !"_l1;
    case Lastfehler::Zahl: return "Fehler bei der Eingabe\n Wert ist keine Zahl !";
    }
    return "";
}

Lastfehler PunktlastPruefen(const Stab& stab, const Punktlastwerte& w, double& relativ) {
    if (!Relativ(w.Position, Bezugslaenge(stab, w.Positionsbezug), relativ)) return Lastfehler::Position;
    if (!Endlich({w.Groesse, w.Winkel})) return Lastfehler::Zahl;
    return Lastfehler::Keiner;
}

Lastfehler StreckenlastPruefen(const Stab& stab, const Streckenlastwerte& w, double& a, double& b) {
    if (!Relativ(w.PositionA, stab.Laenge, a)) return Lastfehler::PositionA;
    if (!Relativ(w.PositionB, stab.Laenge, b)) return Lastfehler::PositionB;
    if (w.PositionA > w.PositionB) return Lastfehler::Reihenfolge;
    if (!Endlich({w.GroesseA, w.GroesseB, w.Winkel})) return Lastfehler::Zahl;
    return Lastfehler::Keiner;
}

Lastfehler TemperaturlastPruefen(const Temperaturlastwerte& w) {
    return Endlich({w.DeltaT, w.DeltaTM}) ? Lastfehler::Keiner : Lastfehler::Zahl;
}

Lastfehler PunktlastEintragen(System& sys, const Stab& stab, const Punktlastwerte& w,
                              const std::vector<long>& lastfaelle, std::vector<long>* neu) {
    double relativ = 0;
    const Lastfehler f = PunktlastPruefen(stab, w, relativ);
    if (f != Lastfehler::Keiner) return f;
    for (long lastfall : lastfaelle) {
        if (!LastfallSuchen(sys, lastfall)) continue;
        Punktlast* l = PunktlastErzeugen(sys, lastfall, -1);
        NameSetzen(l->Name, w.Name.empty() ? "-" : w.Name.c_str());
        Zuweisen(*l, stab, w, relativ);
        if (neu) neu->push_back(l->Kennung);
    }
    return Lastfehler::Keiner;
}

Lastfehler StreckenlastEintragen(System& sys, const Stab& stab, const Streckenlastwerte& w,
                                 const std::vector<long>& lastfaelle, std::vector<long>* neu) {
    double a = 0, b = 0;
    const Lastfehler f = StreckenlastPruefen(stab, w, a, b);
    if (f != Lastfehler::Keiner) return f;
    for (long lastfall : lastfaelle) {
        if (!LastfallSuchen(sys, lastfall)) continue;
        Streckenlast* l = StreckenlastErzeugen(sys, lastfall, -1);
        Zuweisen(*l, stab, w, a, b);
        if (neu) neu->push_back(l->Kennung);
    }
    return Lastfehler::Keiner;
}

Lastfehler TemperaturlastEintragen(System& sys, const Stab& stab, const Temperaturlastwerte& w,
                                   const std::vector<long>& lastfaelle, std::vector<long>* neu) {
    const Lastfehler f = TemperaturlastPruefen(w);
    if (f != Lastfehler::Keiner) return f;
    for (long lastfall : lastfaelle) {
        if (!LastfallSuchen(sys, lastfall)) continue;
        Temperaturlast* l = TemperaturlastErzeugen(sys, lastfall, -1);
        Zuweisen(*l, stab, w);
        if (neu) neu->push_back(l->Kennung);
    }
    return Lastfehler::Keiner;
}

Lastfehler PunktlastAendern(System& sys, long kennung, const Stab& stab, const Punktlastwerte& w,
                            bool& gefunden) {
    Punktlast* l = PunktlastSuchen(sys, kennung);
    gefunden = l != nullptr;
    double relativ = 0;
    const Lastfehler f = PunktlastPruefen(stab, w, relativ);
    if (f != Lastfehler::Keiner || !l) return f;
    NameSetzen(l->Name, w.Name.c_str());
    Zuweisen(*l, stab, w, relativ);
    // A changed load must not be lost silently when the System is closed.
    Aendern(sys, AENDERUNG_LASTEN);
    return Lastfehler::Keiner;
}

Lastfehler StreckenlastAendern(System& sys, long kennung, const Stab& stab, const Streckenlastwerte& w,
                               bool& gefunden) {
    Streckenlast* l = StreckenlastSuchen(sys, kennung);
    gefunden = l != nullptr;
    double a = 0, b = 0;
    const Lastfehler f = StreckenlastPruefen(stab, w, a, b);
    if (f != Lastfehler::Keiner || !l) return f;
    Zuweisen(*l, stab, w, a, b);
    Aendern(sys, AENDERUNG_LASTEN);
    return Lastfehler::Keiner;
}

Lastfehler TemperaturlastAendern(System& sys, long kennung, const Temperaturlastwerte& w, bool& gefunden) {
    Temperaturlast* l = TemperaturlastSuchen(sys, kennung);
    gefunden = l != nullptr;
    const Lastfehler f = TemperaturlastPruefen(w);
    if (f != Lastfehler::Keiner || !l) return f;
    NameSetzen(l->Name, w.Name.empty() ? "-" : w.Name.c_str());
    l->DeltaT = w.DeltaT;
    l->DeltaTM = w.DeltaTM;
    Aendern(sys, AENDERUNG_LASTEN);
    return Lastfehler::Keiner;
}

Punktlastwerte PunktlastWerte(const Punktlast& l, const Stab& stab) {
    Punktlastwerte w;
    w.Name = l.Name;
    w.Art = l.Art;
    w.Groesse = l.Groesse;
    w.Winkel = BogenNachGrad(l.Winkel);
    w.Koordinatensystem = l.Koordinatensystem;
    w.Positionsbezug = l.Positionsbezug;
    w.Position = l.Position * Bezugslaenge(stab, l.Positionsbezug);
    return w;
}

Streckenlastwerte StreckenlastWerte(const Streckenlast& l, const Stab& stab) {
    Streckenlastwerte w;
    w.Name = l.Name;
    w.GroesseA = l.GroesseA;
    w.GroesseB = l.GroesseB;
    w.PositionA = l.PositionA * stab.Laenge;
    w.PositionB = l.PositionB * stab.Laenge;
    w.Winkel = BogenNachGrad(l.Winkel);
    w.Koordinatensystem = l.Koordinatensystem;
    return w;
}

Temperaturlastwerte TemperaturlastWerte(const Temperaturlast& l) {
    Temperaturlastwerte w;
    w.Name = l.Name;
    w.DeltaT = l.DeltaT;
    w.DeltaTM = l.DeltaTM;
    return w;
}

bool LastVerschieben(System& sys, long kennung, long lastfallnummer) {
    const long ziel = LastfallKennung(sys, lastfallnummer);
    if (ziel == -1) return false;
    if (Punktlast* p = PunktlastSuchen(sys, kennung)) p->Lastfall = ziel;
    else if (Streckenlast* s = StreckenlastSuchen(sys, kennung)) s->Lastfall = ziel;
    else if (Temperaturlast* t = TemperaturlastSuchen(sys, kennung)) t->Lastfall = ziel;
    else return false;
    Aendern(sys, AENDERUNG_LASTEN);
    return true;
}

bool LastKopieren(System& sys, long kennung, long lastfallnummer) {
    const long ziel = LastfallKennung(sys, lastfallnummer);
    if (ziel == -1) return false;
    if (Punktlast* p = PunktlastSuchen(sys, kennung)) return PunktlastKopie(sys, *p, ziel) != nullptr;
    if (Streckenlast* s = StreckenlastSuchen(sys, kennung)) return StreckenlastKopie(sys, *s, ziel) != nullptr;
    if (Temperaturlast* t = TemperaturlastSuchen(sys, kennung)) return TemperaturlastKopie(sys, *t, ziel) != nullptr;
    return false;
}

std::vector<std::string> LastenZeilen(const System& sys, long stabnummer, const std::vector<long>& lastfaelle) {
    std::vector<std::string> zeilen;
    for (Streckenlast* l : Elemente<Streckenlast>(sys.Streckenlasten))
        if (l->Stab == stabnummer && Enthalten(lastfaelle, l->Lastfall)) zeilen.push_back(StreckenlastZeile(sys, *l));
    for (Punktlast* l : Elemente<Punktlast>(sys.Punktlasten))
        if (l->Stab == stabnummer && Enthalten(lastfaelle, l->Lastfall)) zeilen.push_back(PunktlastZeile(sys, *l));
    for (Temperaturlast* l : Elemente<Temperaturlast>(sys.Temperaturlasten))
        if (l->Stab == stabnummer && Enthalten(lastfaelle, l->Lastfall))
            zeilen.push_back(TemperaturlastZeile(sys, *l));
    return zeilen;
}
