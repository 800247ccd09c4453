// Reading a system file, and the decisions of "System sichern".
//
// The file is taken in two passes.  The first reads every token into plain
// records and checks it; nothing of the program state is touched, so a
// damaged or truncated file is refused as a whole.  The second builds the
// System from the checked records through the System operations; it cannot
// fail any more except by running out of memory.
#include "files/systemdatei.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "core/latin1.h"
#include "core/stabgeometrie.h"
#include "core/bericht.h"
#include "core/systemoperationen.h"
#include "files/ausgabepruefung.h"
#include "files/eingabedatei.h"
#include "files/massstab.h"
#include "files/systemdatei_intern.h"

namespace {

// A system file larger than this is certainly not one of ours; reading it
// would only exhaust memory.
constexpr long GROESSTE_DATEI = 64L * 1024 * 1024;
// How much of a stray token is shown in a message.
constexpr int ZITAT_LAENGE = 40;
// No value of ours is longer ("%f" of the largest double has 316
// characters); a longer token is damage, not data.
constexpr std::size_t LAENGSTES_WORT = 400;

// ------------------------------------------------------------ records read

struct PunktSatz {
    long Nummer;
    double X, Y;
};

struct FgSatz {
    long Nummer;
    long Status;
    double Wert;
    double Winkel;
    long Richtung;
    double Feder;
};

struct StabSatz {
    long Nummer;
    long Fg[6];
    long PunktA, PunktB;
    long Material, Querschnitt;
};

struct LastfallSatz {
    long Kennung;
    double Gewicht;
    std::string Name;
    long Aktiv;
};

struct PunktlastSatz {
    long Kennung, Lastfall;
    std::string Name;
    double Groesse;
    long Stab;
    double Winkel;
    long Koordinatensystem, Positionsbezug;
    double Position;
    long Art;
};

struct StreckenlastSatz {
    std::string Name;
    long Kennung, Lastfall;
    double GroesseA, GroesseB, Winkel;
    long Koordinatensystem, Stab;
    double PositionA, PositionB;
};

struct TemperaturlastSatz {
    long Kennung, Lastfall;
    std::string Name;
    long Stab;
    double DeltaT, DeltaTM;
};

struct KombinationSatz {
    long Nummer;
    std::string Name;
    std::vector<Anteil> Anteile;
};

struct Dateiinhalt {
    long SystemID = 0;
    std::vector<PunktSatz> Punkte;
    std::vector<FgSatz> Freiheitsgrade;
    std::vector<StabSatz> Staebe;
    std::vector<std::pair<long, long>> Relationen;
    std::vector<LastfallSatz> Lastfaelle;
    std::vector<PunktlastSatz> Punktlasten;
    std::vector<StreckenlastSatz> Streckenlasten;
    std::vector<KombinationSatz> Kombinationen;
    std::vector<TemperaturlastSatz> Temperaturlasten;
    // Kennung -> Nummer of the load cases, when the file names them.
    std::unordered_map<long, long> Lastfallnummern;
};

// ------------------------------------------------------------ tokens

// Whitespace-separated tokens of the file text, each checked as it is read.
// The first failure is kept in `Fehler`; later reads then fail at once.
class Woerter {
public:
    explicit Woerter(const std::string& text) : text_(text) {}

    bool Wort(std::string_view& wort, const char* was) {
        if (!Fehler.empty()) return false;
        std::size_t i = pos_;
        while (i < text_.size() && IstTrennzeichen(text_[i])) ++i;
        if (i == text_.size()) {
            pos_ = i;
            Fehler = std::string(was) + " fehlt (Datei zu Ende)";
            return false;
        }
        std::size_t anfang = i;
        while (i < text_.size() && !IstTrennzeichen(text_[i])) ++i;
        pos_ = i;
        ++nummer_;
        wort = std::string_view(text_).substr(anfang, i - anfang);
        if (wort.size() > LAENGSTES_WORT) {
            Fehler = std::string(was) + " zu lang: \"" + Zitat(wort) + "\"";
            return false;
        }
        return true;
    }

    bool Ganzzahl(long& wert, const char* was) {
        std::string_view w;
        if (!Wort(w, was)) return false;
        // The token is followed by a blank or the string's terminator, so
        // strtol cannot run past it; an embedded NUL stops it early and is
        // caught by the end check.
        errno = 0;
        char* ende = nullptr;
        long v = std::strtol(w.data(), &ende, 10);
        if (ende != w.data() + w.size() || errno == ERANGE) return Ungueltig(w, was);
        wert = v;
        return true;
    }

    bool NichtNegativ(long& wert, const char* was) {
        if (!Ganzzahl(wert, was)) return false;
        if (wert < 0) return Ungueltig(was, wert);
        return true;
    }

    bool Zahl(double& wert, const char* was) {
        std::string_view w;
        if (!Wort(w, was)) return false;
        char* ende = nullptr;
        double v = std::strtod(w.data(), &ende);
        if (ende != w.data() + w.size() || !std::isfinite(v)) return Ungueltig(w, was);
        wert = v;
        return true;
    }

    bool Name(std::string& wert, const char* was) {
        std::string_view w;
        if (!Wort(w, was)) return false;
        wert.assign(w);
        return true;
    }

    bool Ungueltig(std::string_view w, const char* was) {
        Fehler = std::string(was) + " ungültig: \""_l1 + Zitat(w) + "\"";
        return false;
    }
    bool Ungueltig(const char* was, long wert) {
        Fehler = std::string(was) + " ungültig: "_l1 + std::to_string(wert);
        return false;
    }

    static std::string Zitat(std::string_view w) {
        std::string z;
        for (char c : w.substr(0, ZITAT_LAENGE)) z += (static_cast<unsigned char>(c) < 32) ? '?' : c;
        if (w.size() > ZITAT_LAENGE) z += "...";
        return z;
    }

    // Only blanks are left.
    bool AmEnde() const {
        std::size_t i = pos_;
        while (i < text_.size() && IstTrennzeichen(text_[i])) ++i;
        return i == text_.size();
    }

    long Nummer() const { return nummer_; }
    // At most this many further records of `woerter` tokens each can follow:
    // a bound for reserving, whatever count the file claims.
    std::size_t Hoechstens(long anzahl, std::size_t woerter) const {
        return std::min(static_cast<std::size_t>(anzahl), (text_.size() - pos_) / (2 * woerter));
    }
    std::string Fehler;

private:
    const std::string& text_;
    std::size_t pos_ = 0;
    long nummer_ = 0;
};

// ------------------------------------------------------------ first pass

// A code outside its values or a position off the bar would be computed
// as something the user never entered; the message names the load.
bool LastFehler(Woerter& w, const char* art, long kennung, const std::string& name, const std::string& text) {
    w.Fehler = std::string(art) + " " + std::to_string(kennung) + " \"" + Woerter::Zitat(name) + "\": " + text;
    return false;
}

std::string Zahltext(double x) {
    char puffer[64];
    std::snprintf(puffer, sizeof puffer, "%g", x);
    return puffer;
}

bool Kennziffer(long wert) { return wert == 1 || wert == 2; }
bool AufDemStab(double t) { return t >= 0.0 && t <= 1.0; }

bool PunktlastGueltig(Woerter& w, const PunktlastSatz& p) {
    const char* art = "Punktlast";
    const char* lokalGlobal = " ungültig (1 lokal, 2 global)"_l1;
    if (!Kennziffer(p.Koordinatensystem))
        return LastFehler(w, art, p.Kennung, p.Name,
                          "Koordinatensystem " + std::to_string(p.Koordinatensystem) + lokalGlobal);
    if (!Kennziffer(p.Positionsbezug))
        return LastFehler(w, art, p.Kennung, p.Name, "Positionsbezug " + std::to_string(p.Positionsbezug) + lokalGlobal);
    if (!Kennziffer(p.Art))
        return LastFehler(w, art, p.Kennung, p.Name,
                          "Art " + std::to_string(p.Art) + " ungültig (1 Kraft, 2 Moment)"_l1);
    if (!AufDemStab(p.Position))
        return LastFehler(w, art, p.Kennung, p.Name,
                          "Position " + Zahltext(p.Position) + " liegt nicht auf dem Stab (0 bis 1)");
    return true;
}

bool StreckenlastGueltig(Woerter& w, const StreckenlastSatz& s) {
    const char* art = "Streckenlast";
    if (!Kennziffer(s.Koordinatensystem))
        return LastFehler(w, art, s.Kennung, s.Name,
                          "Koordinatensystem " + std::to_string(s.Koordinatensystem) +
                              " ungültig (1 lokal, 2 global)"_l1);
    if (!AufDemStab(s.PositionA) || !AufDemStab(s.PositionB))
        return LastFehler(w, art, s.Kennung, s.Name,
                          "Position " + Zahltext(s.PositionA) + " bis " + Zahltext(s.PositionB) +
                              " liegt nicht auf dem Stab (0 bis 1)");
    if (s.PositionA > s.PositionB)
        return LastFehler(w, art, s.Kennung, s.Name,
                          "Position A " + Zahltext(s.PositionA) + " hinter Position B " + Zahltext(s.PositionB));
    return true;
}

enum class Ergebnis { Gelesen, KeineSystemdatei, FalscherStatus, Beschaedigt, KeinSpeicher };

// The block of temperature loads after its mark: the count, then per load
// identifier, load case, name, bar, uniform change and difference.
bool TemperaturlastenLesen(Woerter& w, Dateiinhalt& d) {
    long anzahl = 0;
    if (!w.NichtNegativ(anzahl, "Anzahl der Temperaturlasten")) return false;
    d.Temperaturlasten.reserve(w.Hoechstens(anzahl, 6));
    for (long i = 0; i < anzahl; ++i) {
        TemperaturlastSatz t{};
        if (!w.Ganzzahl(t.Kennung, "Kennung der Temperaturlast") || !w.Ganzzahl(t.Lastfall, "Lastfall") ||
            !w.Name(t.Name, "Name der Temperaturlast") || !w.Ganzzahl(t.Stab, "Stab der Temperaturlast") ||
            !w.Zahl(t.DeltaT, "Temperaturänderung"_l1) || !w.Zahl(t.DeltaTM, "Temperaturunterschied"))
            return false;
        d.Temperaturlasten.push_back(std::move(t));
    }
    return true;
}

// Reads the sections after the header.  `status` receives the offending
// letter when a degree of freedom carries an unknown status.
Ergebnis AbschnitteLesen(Woerter& w, Dateiinhalt& d, char& status) {
    long anzahl = 0;

    if (!w.NichtNegativ(anzahl, "Anzahl der Punkte")) return Ergebnis::Beschaedigt;
    d.Punkte.reserve(w.Hoechstens(anzahl, 3));
    for (long i = 0; i < anzahl; ++i) {
        PunktSatz p{};
        if (!w.NichtNegativ(p.Nummer, "Punktnummer") || !w.Zahl(p.X, "x-Koordinate") ||
            !w.Zahl(p.Y, "y-Koordinate"))
            return Ergebnis::Beschaedigt;
        d.Punkte.push_back(p);
    }

    if (!w.NichtNegativ(anzahl, "Anzahl der Freiheitsgrade")) return Ergebnis::Beschaedigt;
    d.Freiheitsgrade.reserve(w.Hoechstens(anzahl, 6));
    for (long i = 0; i < anzahl; ++i) {
        FgSatz f{};
        std::string_view buchstabe;
        if (!w.NichtNegativ(f.Nummer, "Freiheitsgradnummer") ||
            !w.Wort(buchstabe, "Status des Freiheitsgrads"))
            return Ergebnis::Beschaedigt;
        if (buchstabe == "P") {
            f.Status = STATUS_PRIMAL;
        } else if (buchstabe == "D") {
            f.Status = STATUS_DUAL;
        } else {
            status = buchstabe[0];
            return Ergebnis::FalscherStatus;
        }
        double wert = 0;
        if (!w.Zahl(wert, "Verschiebung") || !w.Zahl(f.Winkel, "Winkel des Freiheitsgrads") ||
            !w.Ganzzahl(f.Richtung, "Richtung") || !w.Zahl(f.Feder, "Federkonstante"))
            return Ergebnis::Beschaedigt;
        // The value of a free degree of freedom is a placeholder.
        if (f.Status == STATUS_PRIMAL) f.Wert = wert;
        if (f.Richtung < 0 || f.Richtung > 2) {
            w.Ungueltig("Richtung", f.Richtung);
            return Ergebnis::Beschaedigt;
        }
        d.Freiheitsgrade.push_back(f);
    }

    if (!w.NichtNegativ(anzahl, "Anzahl der Stäbe"_l1)) return Ergebnis::Beschaedigt;
    d.Staebe.reserve(w.Hoechstens(anzahl, 11));
    for (long i = 0; i < anzahl; ++i) {
        StabSatz s{};
        if (!w.NichtNegativ(s.Nummer, "Stabnummer")) return Ergebnis::Beschaedigt;
        for (long& fg : s.Fg)
            if (!w.Ganzzahl(fg, "Freiheitsgrad eines Stabs")) return Ergebnis::Beschaedigt;
        if (!w.Ganzzahl(s.PunktA, "Anfangspunkt") || !w.Ganzzahl(s.PunktB, "Endpunkt") ||
            !w.Ganzzahl(s.Material, "Material") || !w.Ganzzahl(s.Querschnitt, "Querschnitt"))
            return Ergebnis::Beschaedigt;
        d.Staebe.push_back(s);
    }

    if (!w.NichtNegativ(anzahl, "Anzahl der FG-Relationen")) return Ergebnis::Beschaedigt;
    for (long i = 0; i < anzahl; ++i) {
        long a = 0, b = 0;
        if (!w.Ganzzahl(a, "FG-Relation") || !w.Ganzzahl(b, "FG-Relation")) return Ergebnis::Beschaedigt;
        d.Relationen.emplace_back(a, b);
    }

    if (!w.NichtNegativ(anzahl, "Anzahl der Lastfälle"_l1)) return Ergebnis::Beschaedigt;
    for (long i = 0; i < anzahl; ++i) {
        LastfallSatz l{};
        if (!w.Ganzzahl(l.Kennung, "Kennung des Lastfalls") || !w.Zahl(l.Gewicht, "Gewicht") ||
            !w.Name(l.Name, "Name des Lastfalls") || !w.Ganzzahl(l.Aktiv, "Lastfall aktiv"))
            return Ergebnis::Beschaedigt;
        // 1 active; -1 as written, 0 as some older files have it, inactive.
        if (l.Aktiv < -1 || l.Aktiv > 1) return w.Ungueltig("Lastfall aktiv", l.Aktiv), Ergebnis::Beschaedigt;
        d.Lastfaelle.push_back(std::move(l));
    }

    if (!w.NichtNegativ(anzahl, "Anzahl der Punktlasten")) return Ergebnis::Beschaedigt;
    for (long i = 0; i < anzahl; ++i) {
        PunktlastSatz p{};
        if (!w.Ganzzahl(p.Kennung, "Kennung der Punktlast") || !w.Ganzzahl(p.Lastfall, "Lastfall") ||
            !w.Name(p.Name, "Name der Punktlast") || !w.Zahl(p.Groesse, "Größe"_l1) ||
            !w.Ganzzahl(p.Stab, "Stab der Punktlast") || !w.Zahl(p.Winkel, "Winkel") ||
            !w.Ganzzahl(p.Koordinatensystem, "Koordinatensystem") ||
            !w.Ganzzahl(p.Positionsbezug, "Positionsbezug") || !w.Zahl(p.Position, "Position") ||
            !w.Ganzzahl(p.Art, "Art"))
            return Ergebnis::Beschaedigt;
        if (!PunktlastGueltig(w, p)) return Ergebnis::Beschaedigt;
        d.Punktlasten.push_back(std::move(p));
    }

    if (!w.NichtNegativ(anzahl, "Anzahl der Streckenlasten")) return Ergebnis::Beschaedigt;
    for (long i = 0; i < anzahl; ++i) {
        StreckenlastSatz s{};
        if (!w.Name(s.Name, "Name der Streckenlast") || !w.Ganzzahl(s.Kennung, "Kennung der Streckenlast") ||
            !w.Ganzzahl(s.Lastfall, "Lastfall") || !w.Zahl(s.GroesseA, "Größe A"_l1) ||
            !w.Zahl(s.GroesseB, "Größe B"_l1) || !w.Zahl(s.Winkel, "Winkel") ||
            !w.Ganzzahl(s.Koordinatensystem, "Koordinatensystem") ||
            !w.Ganzzahl(s.Stab, "Stab der Streckenlast") || !w.Zahl(s.PositionA, "Position A") ||
            !w.Zahl(s.PositionB, "Position B"))
            return Ergebnis::Beschaedigt;
        if (!StreckenlastGueltig(w, s)) return Ergebnis::Beschaedigt;
        d.Streckenlasten.push_back(std::move(s));
    }

    if (!w.NichtNegativ(anzahl, "Anzahl der Kombinationen")) return Ergebnis::Beschaedigt;
    for (long i = 0; i < anzahl; ++i) {
        KombinationSatz k{};
        long anteile = 0;
        if (!w.NichtNegativ(k.Nummer, "Nummer der Kombination") || !w.Name(k.Name, "Name der Kombination") ||
            !w.NichtNegativ(anteile, "Anzahl der Anteile"))
            return Ergebnis::Beschaedigt;
        for (long j = 0; j < anteile; ++j) {
            Anteil a{};
            if (!w.Ganzzahl(a.Lastfall, "Lastfall des Anteils") || !w.Zahl(a.Faktor, "Faktor"))
                return Ergebnis::Beschaedigt;
            k.Anteile.push_back(a);
        }
        d.Kombinationen.push_back(std::move(k));
    }

    // What follows the last section is not read, except for the blocks that
    // a save leaves there: the temperature loads and the numbers of the load
    // cases, each at most once and in either order.
    bool temperaturGelesen = false, nummernGelesen = false;
    while (!w.AmEnde()) {
        std::string_view marke;
        // Text that is none of ours (even an overlong word) is left alone.
        if (!w.Wort(marke, "Ende der Datei")) {
            w.Fehler.clear();
            return Ergebnis::Gelesen;
        }
        const bool temperatur = marke == TEMPERATUR_MARKE, nummern = marke == LASTFALLNUMMERN_MARKE;
        if (!temperatur && !nummern) return Ergebnis::Gelesen;
        if ((temperatur && temperaturGelesen) || (nummern && nummernGelesen)) {
            w.Fehler = std::string(marke) + " mehrfach vorhanden";
            return Ergebnis::Beschaedigt;
        }
        if (temperatur) {
            temperaturGelesen = true;
            if (!TemperaturlastenLesen(w, d)) return Ergebnis::Beschaedigt;
        } else {
            nummernGelesen = true;
            if (!w.NichtNegativ(anzahl, "Anzahl der Lastfallnummern")) return Ergebnis::Beschaedigt;
            for (long i = 0; i < anzahl; ++i) {
                long kennung = 0, nummer = 0;
                if (!w.Ganzzahl(kennung, "Kennung des Lastfalls") || !w.NichtNegativ(nummer, "Lastfallnummer"))
                    return Ergebnis::Beschaedigt;
                d.Lastfallnummern[kennung] = nummer;
            }
        }
    }
    return Ergebnis::Gelesen;
}

// Numbers that records are looked up by must be unique, else a bar would
// silently be joined to whichever record happens to be found first.
bool NummernEindeutig(const Dateiinhalt& d, std::string& fehler) {
    auto pruefen = [&](const auto& saetze, const char* was) {
        std::unordered_set<long> gesehen;
        for (const auto& s : saetze)
            if (!gesehen.insert(s.Nummer).second) {
                fehler = std::string(was) + " " + std::to_string(s.Nummer) + " mehrfach vorhanden";
                return false;
            }
        return true;
    };
    return pruefen(d.Punkte, "Punkt") && pruefen(d.Freiheitsgrade, "Freiheitsgrad") &&
           pruefen(d.Staebe, "Stab") && pruefen(d.Kombinationen, "Kombination");
}

// A bar slot holds a degree of freedom of its own direction only; the
// editors never produce anything else, and the analysis relies on it.
bool RichtungenPassend(const Dateiinhalt& d, std::string& fehler) {
    std::unordered_map<long, long> richtung;
    for (const FgSatz& f : d.Freiheitsgrade) richtung[f.Nummer] = f.Richtung;
    for (const StabSatz& s : d.Staebe)
        for (int slot = 0; slot < 6; ++slot) {
            auto it = richtung.find(s.Fg[slot]);
            if (it != richtung.end() && it->second != slot % 3) {
                fehler = "Stab " + std::to_string(s.Nummer) + ": Freiheitsgrad " + std::to_string(s.Fg[slot]) +
                         " hat die falsche Richtung";
                return false;
            }
        }
    return true;
}

// ------------------------------------------------------------ second pass

// Records of the System are allocated by operations that end the program
// when memory runs out.  So the memory they will need (record, chain link,
// lookup table, allocator overhead: 256 bytes each is generous) is asked
// for once beforehand; a file that cannot fit is refused instead.
bool SpeicherVorhanden(const Dateiinhalt& d) {
    std::size_t anzahl = d.Punkte.size() + d.Freiheitsgrade.size() + d.Staebe.size() + d.Relationen.size() +
                         d.Lastfaelle.size() + d.Punktlasten.size() + d.Streckenlasten.size() +
                         d.Kombinationen.size() + d.Temperaturlasten.size();
    for (const KombinationSatz& k : d.Kombinationen) anzahl += k.Anteile.size();
    // volatile: the compiler must not drop an allocation that is never used.
    void* volatile probe = std::malloc(anzahl * 256 + 1);
    if (!probe) return false;
    std::free(probe);
    return true;
}

// Records by number: a sorted array takes a fifth of the memory of a hash
// table, which counts for files with millions of records.  Numbers are
// unique (checked in the first pass).
template <class T>
class Nummernindex {
public:
    using Eintrag = std::pair<long, T>;
    explicit Nummernindex(std::size_t anzahl) { eintraege_.reserve(anzahl); }
    void Eintragen(long nummer, T wert) { eintraege_.emplace_back(nummer, wert); }
    void Ordnen() {
        std::sort(eintraege_.begin(), eintraege_.end(), [](const Eintrag& a, const Eintrag& b) { return a.first < b.first; });
    }
    typename std::vector<Eintrag>::const_iterator find(long nummer) const {
        auto it = std::lower_bound(eintraege_.begin(), eintraege_.end(), nummer,
                                   [](const Eintrag& e, long n) { return e.first < n; });
        return it != eintraege_.end() && it->first == nummer ? it : eintraege_.end();
    }
    typename std::vector<Eintrag>::const_iterator end() const { return eintraege_.end(); }
    bool count(long nummer) const { return find(nummer) != end(); }

private:
    std::vector<Eintrag> eintraege_;
};

void SystemAufbauen(System& system, const char* pfad, Dateiinhalt& d) {
    System* sys = &system;
    MassstabLesen(pfad);
    NameSetzen(sys->Dateiname, pfad);
    sys->SystemID = d.SystemID;

    Nummernindex<Punkt*> punkte(d.Punkte.size());
    for (const PunktSatz& p : d.Punkte) punkte.Eintragen(p.Nummer, PunktErzeugen(*sys, p.X, p.Y, p.Nummer));
    punkte.Ordnen();
    std::vector<PunktSatz>().swap(d.Punkte);  // room for the records that follow

    Nummernindex<Freiheitsgrad*> fgs(d.Freiheitsgrade.size());
    for (const FgSatz& f : d.Freiheitsgrade) {
        Freiheitsgrad* fg = NeuerDatensatz<Freiheitsgrad>();
        fg->SystemID = sys->SystemID;
        fg->Nummer = f.Nummer;
        fg->Status = f.Status;
        fg->Wert = f.Wert;
        fg->Winkel = f.Winkel;
        fg->Richtung = f.Richtung;
        fg->Feder = f.Feder;
        KeVorneEintragen(sys->Freiheitsgrade, fg);
        fgs.Eintragen(f.Nummer, fg);
    }
    fgs.Ordnen();
    std::vector<FgSatz>().swap(d.Freiheitsgrade);

    Nummernindex<bool> stabnummern(d.Staebe.size());
    for (const StabSatz& s : d.Staebe) {
        Stab* stab = StabAnlegen(*sys, s.Nummer);
        stabnummern.Eintragen(s.Nummer, true);
        for (int slot = 0; slot < 6; ++slot) {
            auto it = fgs.find(s.Fg[slot]);
            if (it != fgs.end()) {
                stab->Freiheitsgrade[slot] = it->second;
            } else {
                MeldungFormatiert("Stab %ld: Freiheitsgrad %ld existiert nicht !", s.Nummer, s.Fg[slot]);
            }
        }
        auto a = punkte.find(s.PunktA);
        auto b = punkte.find(s.PunktB);
        stab->PunktA = a != punkte.end() ? a->second : nullptr;
        stab->PunktB = b != punkte.end() ? b->second : nullptr;
        if (!stab->PunktA) MeldungFormatiert("Stab %ld: Punkt %ld existiert nicht !", s.Nummer, s.PunktA);
        if (!stab->PunktB) MeldungFormatiert("Stab %ld: Punkt %ld existiert nicht !", s.Nummer, s.PunktB);
        StabGeometrie(stab);
        stab->Material = s.Material;
        stab->Querschnitt = s.Querschnitt;
        if (!MaterialSuchen(s.Material)) MeldungAusgeben("es wurden Stäbe ohne Material geladen !"_l1);
        if (!QuerschnittSuchen(s.Querschnitt)) MeldungAusgeben("es wurden Stäbe ohne Querschnitt geladen !"_l1);
    }

    stabnummern.Ordnen();

    for (const auto& [a, b] : d.Relationen) {
        auto fa = fgs.find(a);
        auto fb = fgs.find(b);
        if (fa != fgs.end() && fb != fgs.end())
            PaarAufnehmen(sys->FgRelationen, fa->second, fb->second);
        else
            MeldungAusgeben("Fehler bei FG Relation");
    }

    for (const LastfallSatz& l : d.Lastfaelle) {
        // Without a number of its own a load case gets the smallest free one,
        // so 0, 1, 2, ... in file order; a number taken twice likewise.
        auto nummer = d.Lastfallnummern.find(l.Kennung);
        Lastfall* lf = LastfallErzeugen(*sys, nummer != d.Lastfallnummern.end() ? nummer->second : 0,
                                        l.Name.c_str(), l.Kennung);
        lf->Gewicht = l.Gewicht;
        lf->Aktiv = l.Aktiv;
    }

    for (const PunktlastSatz& p : d.Punktlasten) {
        if (!stabnummern.count(p.Stab)) {
            MeldungAusgeben("(Lese Punktlast) Stab existiert nicht !");
            continue;
        }
        Punktlast* pl = PunktlastErzeugen(*sys, p.Lastfall, p.Kennung);
        NameSetzen(pl->Name, p.Name.c_str());
        pl->Groesse = p.Groesse;
        pl->Stab = p.Stab;
        pl->Winkel = p.Winkel;
        pl->Koordinatensystem = p.Koordinatensystem;
        pl->Positionsbezug = p.Positionsbezug;
        pl->Position = p.Position;
        pl->Art = p.Art;
    }

    for (const StreckenlastSatz& s : d.Streckenlasten) {
        if (!stabnummern.count(s.Stab)) {
            MeldungAusgeben("Stab existiert nicht !");
            continue;
        }
        Streckenlast* sl = StreckenlastErzeugen(*sys, s.Lastfall, s.Kennung);
        NameSetzen(sl->Name, s.Name.c_str());
        sl->GroesseA = s.GroesseA;
        sl->GroesseB = s.GroesseB;
        sl->Winkel = s.Winkel;
        sl->Koordinatensystem = s.Koordinatensystem;
        sl->Stab = s.Stab;
        sl->PositionA = s.PositionA;
        sl->PositionB = s.PositionB;
    }

    for (const TemperaturlastSatz& t : d.Temperaturlasten) {
        if (!stabnummern.count(t.Stab)) {
            MeldungAusgeben("(Lese Temperaturlast) Stab existiert nicht !");
            continue;
        }
        Temperaturlast* tl = TemperaturlastErzeugen(*sys, t.Lastfall, t.Kennung);
        NameSetzen(tl->Name, t.Name.c_str());
        tl->Stab = t.Stab;
        tl->DeltaT = t.DeltaT;
        tl->DeltaTM = t.DeltaTM;
    }

    for (const KombinationSatz& k : d.Kombinationen) {
        Lastfallkombination* kombi = KombinationErzeugen(*sys, k.Nummer);
        NameSetzen(kombi->Name, k.Name.c_str());
        if (!kombi->Anteile) kombi->Anteile = StapelAnlegen();
        for (const Anteil& a : k.Anteile) {
            Anteil* neu = NeuerDatensatz<Anteil>();
            *neu = a;
            StapelEintragen(kombi->Anteile, neu);
        }
    }
}

void NichtGelesen() { DiagnoseAusgeben("\nDatei nicht gelesen!!!\n"); }

}  // namespace

// ------------------------------------------------------------ reading

System* SystemLesen(const char* pfad) {
    if (!pfad) return nullptr;
    CGebietsschema c;

    std::string text;
    const Einlesen eingelesen = std::strlen(pfad) >= static_cast<std::size_t>(PFAD_LAENGE)
                                    ? Einlesen::NichtLesbar
                                    : DateiEinlesen(pfad, GROESSTE_DATEI, text);
    if (eingelesen != Einlesen::Gelesen) {
        MeldungAusgeben("Fehler beim Oeffnen der Datei !");
        // Only the plain cases speak for themselves.
        if (eingelesen == Einlesen::KeineDatei || eingelesen == Einlesen::ZuGross ||
            eingelesen == Einlesen::KeinSpeicher)
            MeldungFormatiert("Datei %s %s !", pfad, EinlesefehlerText(eingelesen));
        return nullptr;
    }

    Woerter w(text);
    std::string_view marke;
    if (!w.Wort(marke, "Formatkennung") || marke[0] != 'V') {
        MeldungAusgeben("Dies ist keine gültige Velko-Systembeschreibungsdatei."_l1);
        NichtGelesen();
        DiagnoseAusgeben("Der erste String sollte ein V sein ist aber: %s\n", Woerter::Zitat(marke).c_str());
        return nullptr;
    }
    DiagnoseAusgeben("\nAllgemeine Version des Dateiformats: %s\n", Woerter::Zitat(marke).c_str());

    long version = 0;
    if (!w.Ganzzahl(version, "Version") || version != 1) {
        MeldungAusgeben("Dies ist keine gültige Velko-Systembeschreibungsdatei."_l1);
        NichtGelesen();
        if (w.Fehler.empty())
            DiagnoseAusgeben("Es gibt nur V 1 diese Datei aber hat: V %ld\n", version);
        else
            DiagnoseAusgeben("Es gibt nur V 1 diese Datei aber hat: V ?\n");
        return nullptr;
    }
    DiagnoseAusgeben("Version des Dateiformats V: %ld\n", version);

    FehlerAusgeben("read V1\n");
    Dateiinhalt d;
    char status = 0;
    Ergebnis e = Ergebnis::Beschaedigt;
    try {
        if (w.Ganzzahl(d.SystemID, "SystemID")) {
            DiagnoseAusgeben("SystemID: %ld\n", d.SystemID);
            e = AbschnitteLesen(w, d, status);
        }
        if (e == Ergebnis::Gelesen && !NummernEindeutig(d, w.Fehler)) e = Ergebnis::Beschaedigt;
        if (e == Ergebnis::Gelesen && !RichtungenPassend(d, w.Fehler)) e = Ergebnis::Beschaedigt;
    } catch (const std::bad_alloc&) {
        e = Ergebnis::KeinSpeicher;
    }
    // The text is no longer needed; its memory goes to the records.
    std::string().swap(text);
    if (e == Ergebnis::Gelesen && !SpeicherVorhanden(d)) e = Ergebnis::KeinSpeicher;

    if (e == Ergebnis::FalscherStatus) {
        // The status letter is not one of ours: the file is refused as a
        // whole instead of ending the program.
        MeldungAusgeben("Fehler beim Einlesen der Freiheitsgrade !\n");
        MeldungFormatiert("!! FG - Status = %c\n", status);
        MeldungFormatiert("Datei %s nicht gelesen !", pfad);
        NichtGelesen();
        return nullptr;
    }
    if (e == Ergebnis::KeinSpeicher) {
        MeldungFormatiert("Datei %s nicht gelesen: zu wenig Speicher !", pfad);
        NichtGelesen();
        return nullptr;
    }
    if (e != Ergebnis::Gelesen) {
        MeldungFormatiert("Datei %s ist fehlerhaft und wurde nicht gelesen !", pfad);
        MeldungFormatiert("(Wort %ld: %s)", w.Nummer(), w.Fehler.c_str());
        NichtGelesen();
        return nullptr;
    }

    System* sys = SystemErzeugen();
    try {
        SystemAufbauen(*sys, pfad, d);
    } catch (const std::bad_alloc&) {
        // The half-built System goes again; no other System was touched.
        SystemLoeschen(sys);
        MeldungFormatiert("Datei %s nicht gelesen: zu wenig Speicher !", pfad);
        NichtGelesen();
        return nullptr;
    }
    MeldungAusgeben("System geladen !");
    sys->Aenderungen = 0;
    return sys;
}

// ------------------------------------------------------------ saving

Sicherung SicherungEntscheiden(int modus, const System* system, bool als) {
    if (modus == 0 || !system) return Sicherung::Verweigert;
    if (als || system->Dateiname[0] == '\0' || std::strcmp(system->Dateiname, "noname") == 0)
        return Sicherung::NameErfragen;
    return Sicherung::Schreiben;
}

namespace {

bool Sichern(int modus, System* system, const Dateiauswahl& auswahl, bool als) {
    switch (SicherungEntscheiden(modus, system, als)) {
    case Sicherung::Verweigert:
        MeldungAusgeben("System speichern nicht möglich !"_l1);
        return false;
    case Sicherung::Schreiben:
        return SystemSchreiben(*system, std::string(system->Dateiname).c_str());
    case Sicherung::NameErfragen:
        break;
    }
    std::string name = auswahl ? auswahl() : std::string();
    if (name.empty()) return false;
    // A chosen name must not be a catalogue, the path configuration or the
    // file of another open System (which, unchanged, would then be closed
    // without a question while its file holds this System).
    const std::string ziel = SystemdateiPfad(name.c_str());
    const std::string konflikt =
        AusgabenPruefen(GeschuetzteDateien(system), {ziel, MassstabDateiname(ziel.c_str())});
    if (!konflikt.empty()) {
        MeldungAusgeben(konflikt.c_str());
        return false;
    }
    return SystemSchreiben(*system, name.c_str());
}

}  // namespace

bool SystemSichern(int modus, System* system, const Dateiauswahl& auswahl) {
    return Sichern(modus, system, auswahl, false);
}
bool SystemSichernAls(int modus, System* system, const Dateiauswahl& auswahl) {
    return Sichern(modus, system, auswahl, true);
}
