#include "files/kataloge.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <set>

#include "core/bericht.h"
#include "core/latin1.h"
#include "core/programm.h"
#include "core/systemoperationen.h"
#include "files/pfade.h"
#include "files/sicher_schreiben.h"

namespace {

// Catalogue files that were found but not read completely.
std::set<std::string>& GesperrteDateien() {
    static std::set<std::string> gesperrt;
    return gesperrt;
}

std::string Dateipfad(const char* verzeichnis, const char* name) {
    return std::string(verzeichnis ? verzeichnis : Pfade.Katalogverzeichnis.c_str()) + "/" + name;
}

// One blank-separated token; false at the end of the file.  Tokens are cut
// to `max` bytes, the rest of the token is skipped.
bool TokenLesen(FILE* f, std::string& token, size_t max = 255) {
    token.clear();
    int c;
    do c = fgetc(f);
    while (c != EOF && (c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'));
    while (c != EOF && !(c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f')) {
        if (token.size() < max) token.push_back(static_cast<char>(c));
        c = fgetc(f);
    }
    return !token.empty();
}

bool GanzzahlLesen(FILE* f, long& wert) {
    std::string t;
    if (!TokenLesen(f, t)) return false;
    char* ende = nullptr;
    errno = 0;
    long v = strtol(t.c_str(), &ende, 10);
    if (*ende != '\0' || errno == ERANGE) return false;
    wert = v;
    return true;
}

bool ZahlLesen(FILE* f, double& wert) {
    std::string t;
    if (!TokenLesen(f, t)) return false;
    char* ende = nullptr;
    double v = strtod(t.c_str(), &ende);
    if (*ende != '\0' || !std::isfinite(v)) return false;
    wert = v;
    return true;
}

// The name token with '_' standing for a blank, cut to fit the record.
bool NameLesen(FILE* f, char (&name)[NAME_KURZ]) {
    std::string t;
    if (!TokenLesen(f, t, NAME_KURZ - 1)) return false;
    for (char& c : t)
        if (c == '_') c = ' ';
    std::memcpy(name, t.c_str(), t.size() + 1);
    return true;
}

// The name as one token: every kind of blank becomes '_', and an empty
// name is written as "_" so that it still occupies its place in the file.
std::string NameFuerDatei(const char* name) {
    std::string s(name, strnlen(name, NAME_KURZ));
    for (char& c : s)
        if (c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f') c = '_';
    return s.empty() ? "_" : s;
}

// What distinguishes the two catalogues.
struct Katalogart {
    const char* datei;
    Kette* kette;
    long* standard;
    // Reads the three reals of one entry into a new record.
    void* (*EintragLesen)(FILE* f, long nummer, bool& gut);
    void (*EintragSchreiben)(FILE* f, const void* eintrag);
    void (*Freigeben)(void* eintrag);
};

void* MaterialLesen(FILE* f, long nummer, bool& gut) {
    Material m{};
    m.Nummer = nummer;
    gut = NameLesen(f, m.Name) && ZahlLesen(f, m.EModul) && ZahlLesen(f, m.Querkontraktion) &&
          ZahlLesen(f, m.Waermedehnzahl);
    if (!gut) return nullptr;
    Material* neu = NeuerDatensatz<Material>();
    *neu = m;
    return neu;
}

void MaterialSchreiben(FILE* f, const void* eintrag) {
    const Material* m = static_cast<const Material*>(eintrag);
    fprintf(f, "%ld\n", m->Nummer);
    fprintf(f, " %s\n", NameFuerDatei(m->Name).c_str());
    fprintf(f, "%e\n", m->EModul);
    fprintf(f, "%f\n", m->Querkontraktion);
    fprintf(f, "%f\n", m->Waermedehnzahl);
}

void* QuerschnittLesen(FILE* f, long nummer, bool& gut) {
    Querschnitt q{};
    q.Nummer = nummer;
    gut = NameLesen(f, q.Name) && ZahlLesen(f, q.Flaeche) && ZahlLesen(f, q.Traegheitsmoment) &&
          ZahlLesen(f, q.MaxY);
    if (!gut) return nullptr;
    Querschnitt* neu = NeuerDatensatz<Querschnitt>();
    *neu = q;
    return neu;
}

void QuerschnittSchreiben(FILE* f, const void* eintrag) {
    const Querschnitt* q = static_cast<const Querschnitt*>(eintrag);
    fprintf(f, "%ld\n", q->Nummer);
    fprintf(f, " %s\n", NameFuerDatei(q->Name).c_str());
    fprintf(f, "%e\n", q->Flaeche);
    fprintf(f, "%e\n", q->Traegheitsmoment);
    fprintf(f, "%f\n", q->MaxY);
}

const Katalogart MATERIAL = {"material.dat", &Programm.Materialien, &Programm.StandardMaterial, MaterialLesen,
                             MaterialSchreiben, [](void* e) { delete static_cast<Material*>(e); }};
const Katalogart QUERSCHNITT = {"querschnitte.dat", &Programm.Querschnitte, &Programm.StandardQuerschnitt,
                                QuerschnittLesen, QuerschnittSchreiben,
                                [](void* e) { delete static_cast<Querschnitt*>(e); }};

void Leeren(const Katalogart& art) {
    Kette& k = *art.kette;
    if (!k) return;
    while (k->next != k) art.Freigeben(KeElementAustragen(k->next));
}

bool Lesen(const Katalogart& art, const char* verzeichnis) {
    std::string pfad = Dateipfad(verzeichnis, art.datei);
    GesperrteDateien().erase(pfad);
    FILE* f = fopen(pfad.c_str(), "r");
    if (!f) {
        // A file that is there but cannot be read must survive the exit.
        if (errno != ENOENT) GesperrteDateien().insert(pfad);
        MeldungFormatiert("Die Datei %s konnte nicht geöffnet werden !"_l1, pfad.c_str());
        MeldungAusgeben("Überprüfen Sie die Pfadangaben in der Datei .velko"_l1);
        return false;
    }
    Leeren(art);
    long standard = 0, anzahl = 0;
    bool gut = GanzzahlLesen(f, standard) && GanzzahlLesen(f, anzahl) && anzahl >= 0 &&
               anzahl <= KATALOG_MAX_EINTRAEGE;
    if (gut) *art.standard = standard;
    for (long i = 0; gut && i < anzahl; ++i) {
        long nummer = 0;
        void* eintrag = nullptr;
        if (GanzzahlLesen(f, nummer)) eintrag = art.EintragLesen(f, nummer, gut);
        else gut = false;
        if (gut) KeVorneEintragen(*art.kette, eintrag);
    }
    gut = gut && !ferror(f);
    fclose(f);
    if (!gut) {
        GesperrteDateien().insert(pfad);
        MeldungFormatiert("Die Datei %s ist unvollständig und wird nicht überschrieben !"_l1, pfad.c_str());
    }
    return gut;
}

bool Schreiben(const Katalogart& art, const char* verzeichnis) {
    std::string pfad = Dateipfad(verzeichnis, art.datei);
    if (!KatalogSchreibbar(pfad)) {
        MeldungFormatiert("Datei %s konnte nicht geschrieben werden", pfad.c_str());
        return false;
    }
    SichereDatei datei(pfad);
    bool gut = datei.Oeffnen() != nullptr;
    if (gut) {
        FILE* f = datei.Datei();
        fprintf(f, "%ld\n", *art.standard);
        fprintf(f, "%ld\n", KeAnzahl(*art.kette));
        if (*art.kette)
            for (Glied* g = (*art.kette)->next; g != *art.kette; g = g->next) art.EintragSchreiben(f, g->element);
        gut = datei.Abschliessen();
    }
    if (!gut) MeldungFormatiert("Datei %s konnte nicht geschrieben werden", pfad.c_str());
    return gut;
}

}  // namespace

bool MaterialienLesen(const char* verzeichnis) { return Lesen(MATERIAL, verzeichnis); }
bool QuerschnitteLesen(const char* verzeichnis) { return Lesen(QUERSCHNITT, verzeichnis); }
bool MaterialienSchreiben(const char* verzeichnis) { return Schreiben(MATERIAL, verzeichnis); }
bool QuerschnitteSchreiben(const char* verzeichnis) { return Schreiben(QUERSCHNITT, verzeichnis); }

void KatalogeLeeren() {
    Leeren(MATERIAL);
    Leeren(QUERSCHNITT);
}

bool KatalogSchreibbar(const std::string& dateipfad) { return GesperrteDateien().count(dateipfad) == 0; }
