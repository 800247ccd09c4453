// Writing a system file.
//
// The layout below is the file format byte for byte; the reader takes it as
// whitespace-separated tokens, so only the order of the values matters to
// it, but other programs and the example files compare bytes.
//
// Chains are written from their last record to their first, that is in the
// order the records were made.  The reader enters every record at the head
// of its chain, so a file read back gives every list in its old order, and
// saving it again writes the same bytes.
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "core/aenderungen.h"
#include "core/bericht.h"
#include "core/datenmodell.h"
#include "files/massstab.h"
#include "files/sicher_schreiben.h"
#include "files/systemdatei.h"
#include "files/systemdatei_intern.h"

namespace {

// fprintf into a stream that remembers whether any write failed.
class Ausgabe {
public:
    explicit Ausgabe(FILE* f) : f_(f) {}
    void operator()(const char* format, ...) __attribute__((format(printf, 2, 3))) {
        va_list args;
        va_start(args, format);
        if (std::vfprintf(f_, format, args) < 0) fehler_ = true;
        va_end(args);
    }
    bool Fehlerfrei() const { return !fehler_ && !std::ferror(f_); }

private:
    FILE* f_;
    bool fehler_ = false;
};

// A name as one token: every blank becomes '_' (other whitespace too, which
// would split the token just the same), and an empty name is written as "-"
// so that the reader does not take the next value for it.
std::string NameAlsWort(const char* name) {
    std::string w(name ? name : "");
    for (char& c : w)
        if (IstTrennzeichen(static_cast<unsigned char>(c))) c = '_';
    if (w.empty()) w.push_back('-');
    return w;
}

long FgNummer(const Freiheitsgrad* fg) { return fg ? fg->Nummer : -1; }
long PunktNummer(const Punkt* p) { return p ? p->Nummer : -1; }

// The numbers of the load cases are no part of the format: the reader
// numbers them 0, 1, 2, ... in file order.  Where the user chose other
// numbers they follow the last section, where a reader of the format stops
// reading, so that the "LF" numbers of a printout stay those of the file.
void LastfallnummernSchreiben(Ausgabe& out, const System* sys) {
    long i = 0;
    bool wieGelesen = true;
    for (Lastfall* l : ElementeRueckwaerts<Lastfall>(sys->Lastfaelle)) wieGelesen &= l->Nummer == i++;
    if (wieGelesen) return;
    out("\n%s\n%ld\n", LASTFALLNUMMERN_MARKE, KeAnzahl(sys->Lastfaelle));
    for (Lastfall* l : ElementeRueckwaerts<Lastfall>(sys->Lastfaelle)) out("%ld %ld\n", l->Kennung, l->Nummer);
}

void Abschnitte(Ausgabe& out, const System* sys) {
    out("V 1\n");
    out("%ld\n", sys->SystemID);
    out("\n\n\n\n");

    out(" %ld\n", KeAnzahl(sys->Punkte));
    out("\n");
    for (Punkt* p : ElementeRueckwaerts<Punkt>(sys->Punkte)) {
        out(" %ld", p->Nummer);
        out(" %f %f\n", p->X, p->Y);
    }
    out("\n\n\n\n");

    out(" %ld\n", KeAnzahl(sys->Freiheitsgrade));
    out("\n");
    for (Freiheitsgrad* fg : ElementeRueckwaerts<Freiheitsgrad>(sys->Freiheitsgrade)) {
        out("%ld", fg->Nummer);
        if (fg->Status == STATUS_PRIMAL) {
            out(" %s", "P ");
            out(" %f", fg->Wert);
        } else {
            out(" %s", "D ");
            out(" %f", 0.0);
        }
        out(" %f\n", fg->Winkel);
        out(" %ld\n", fg->Richtung);
        out(" %f\n", fg->Feder);
    }
    out("\n\n\n\n\n");

    out(" %ld\n", KeAnzahl(sys->Staebe));
    out("\n");
    for (Stab* s : ElementeRueckwaerts<Stab>(sys->Staebe)) {
        out(" %ld\n", s->Nummer);
        for (const Freiheitsgrad* fg : s->Freiheitsgrade) out(" %ld", FgNummer(fg));
        out("\n");
        out(" %ld ", PunktNummer(s->PunktA));
        out(" %ld\n", PunktNummer(s->PunktB));
        out(" %ld\n", s->Material);
        out(" %ld\n", s->Querschnitt);
    }
    out("\n\n\n\n\n");

    const Stapel* rel = sys->FgRelationen;
    out("%d\n", rel ? rel->top : 0);
    out("\n");
    for (int i = 1; rel && i <= rel->top; ++i) {
        const Paar* paar = static_cast<const Paar*>(rel->items[i]);
        out("%ld ", FgNummer(static_cast<const Freiheitsgrad*>(paar->first)));
        out(" %ld \n", FgNummer(static_cast<const Freiheitsgrad*>(paar->second)));
    }
    out("\n\n\n\n\n");

    if (!sys->Lastfaelle) {
        out(" 0\n");
    } else {
        out("%ld\n", KeAnzahl(sys->Lastfaelle));
        out("\n");
        for (Lastfall* l : ElementeRueckwaerts<Lastfall>(sys->Lastfaelle)) {
            out("%ld\n", l->Kennung);
            out("%f\n", l->Gewicht);
            out("%s\n", NameAlsWort(l->Name).c_str());
            out(l->Aktiv == 1 ? "1\n" : "-1\n");
        }
        out("\n\n\n\n\n");
    }

    out("%ld\n", KeAnzahl(sys->Punktlasten));
    out("\n");
    for (Punktlast* p : ElementeRueckwaerts<Punktlast>(sys->Punktlasten)) {
        out("%ld\n", p->Kennung);
        out("%ld\n", p->Lastfall);
        out("%s\n", NameAlsWort(p->Name).c_str());
        out("%f\n", p->Groesse);
        out("%ld\n", p->Stab);
        out("%f\n", p->Winkel);
        out("%ld\n", p->Koordinatensystem);
        out("%ld\n", p->Positionsbezug);
        out("%f\n", p->Position);
        out("%ld\n", p->Art);
        out("\n");
    }
    out("\n\n");

    out("%ld\n", KeAnzahl(sys->Streckenlasten));
    out("\n");
    for (Streckenlast* s : ElementeRueckwaerts<Streckenlast>(sys->Streckenlasten)) {
        out("%s\n", NameAlsWort(s->Name).c_str());
        out("%ld\n", s->Kennung);
        out("%ld\n", s->Lastfall);
        out("%f\n", s->GroesseA);
        out("%f\n", s->GroesseB);
        out("%f\n", s->Winkel);
        out("%ld\n", s->Koordinatensystem);
        out("%ld\n", s->Stab);
        out("%f %f\n", s->PositionA, s->PositionB);
        out("\n");
    }
    out("\n\n\n\n");

    out("%ld\n\n", KeAnzahl(sys->Kombinationen));
    for (Lastfallkombination* k : ElementeRueckwaerts<Lastfallkombination>(sys->Kombinationen)) {
        out("%ld\n", k->Nummer);
        out("%s\n", NameAlsWort(k->Name).c_str());
        const Stapel* anteile = k->Anteile;
        out("%d\n", anteile ? anteile->top : 0);
        for (int i = 1; anteile && i <= anteile->top; ++i) {
            const Anteil* a = static_cast<const Anteil*>(anteile->items[i]);
            out("%ld %f\n", a->Lastfall, a->Faktor);
        }
    }
    LastfallnummernSchreiben(out, sys);
}

// The status of every degree of freedom must be one the file can express;
// anything else is refused before a byte is written.
bool StatusGueltig(const System* sys) {
    for (Freiheitsgrad* fg : Elemente<Freiheitsgrad>(sys->Freiheitsgrade))
        if (fg->Status != STATUS_PRIMAL && fg->Status != STATUS_DUAL) {
            DiagnoseAusgeben("Fehler beim Schreiben der Freiheitsgrade !\n");
            MeldungAusgeben("Fehler beim Schreiben der Freiheitsgrade !");
            MeldungFormatiert("Freiheitsgrad %ld hat den Status %ld", fg->Nummer, fg->Status);
            return false;
        }
    return true;
}

// Writes beside the target and replaces it only after everything was
// written and the file closed without error.
bool SicherSchreiben(const std::string& ziel, const System* sys) {
    SichereDatei datei(ziel);
    FILE* f = datei.Oeffnen();
    if (!f) return false;
    Ausgabe out(f);
    Abschnitte(out, sys);
    if (!out.Fehlerfrei()) return false;  // the destructor discards the file
    return datei.Abschliessen();
}

}  // namespace

std::string SystemdateiInhalt(const System& system) {
    char* puffer = nullptr;
    std::size_t laenge = 0;
    FILE* f = open_memstream(&puffer, &laenge);
    if (!f) return "";
    {
        CGebietsschema c;
        Ausgabe out(f);
        Abschnitte(out, &system);
    }
    std::fclose(f);
    std::string inhalt(puffer ? puffer : "", laenge);
    std::free(puffer);
    return inhalt;
}

std::string SystemdateiPfad(const char* pfad) {
    std::string p(pfad ? pfad : "");
    const std::size_t n = std::strlen(SYSTEMDATEI_ENDUNG);
    if (p.size() < n || p.compare(p.size() - n, n, SYSTEMDATEI_ENDUNG) != 0) p += SYSTEMDATEI_ENDUNG;
    return p;
}

bool SystemSchreiben(System& system, const char* pfad) {
    System* sys = &system;
    if (!pfad || !*pfad) {
        MeldungAusgeben("Fehler beim Schreiben !");
        return false;
    }
    const std::string ziel = SystemdateiPfad(pfad);
    if (ziel.size() >= static_cast<std::size_t>(PFAD_LAENGE)) {
        // Dateiname could not hold it, and the next save would go elsewhere.
        MeldungAusgeben("Fehler beim Schreiben !");
        MeldungAusgeben("Der Dateiname ist zu lang.");
        return false;
    }
    if (!StatusGueltig(sys)) return false;

    CGebietsschema c;
    if (!SicherSchreiben(ziel, sys)) {
        MeldungAusgeben("Fehler beim Schreiben !");
        return false;
    }
    NameSetzen(sys->Dateiname, ziel.c_str());
    MeldungFormatiert("%s geschrieben !", ziel.c_str());
    MassstabSchreiben(ziel.c_str());
    sys->Aenderungen = 0;
    AenderungMelden(sys, AENDERUNG_DATEI);
    return true;
}
