#include "files/kataloge.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>
#include <set>
#include <unordered_set>
#include <vector>

#include "core/bericht.h"
#include "core/latin1.h"
#include "core/programm.h"
#include "core/systemoperationen.h"
#include "files/eingabedatei.h"
#include "files/pfade.h"
#include "files/sicher_schreiben.h"
#include "files/systemdatei_intern.h"

namespace {

// Catalogue files that were found but not read completely.
std::set<std::string>& GesperrteDateien() {
    static std::set<std::string> gesperrt;
    return gesperrt;
}

std::string Dateipfad(const char* verzeichnis, const char* name) {
    return std::string(verzeichnis ? verzeichnis : Pfade.Katalogverzeichnis.c_str()) + "/" + name;
}

// A catalogue of KATALOG_MAX_EINTRAEGE entries fits easily; anything
// larger is not a catalogue.
constexpr std::size_t GROESSTE_KATALOGDATEI = 16u * 1024 * 1024;
// Longest token taken as a value; names are cut to their field.
constexpr std::size_t LAENGSTES_WORT = 400;

// The name token with '_' standing for a blank, cut to fit the record.
bool NameLesen(Wortleser& w, char (&name)[NAME_KURZ]) {
    std::string_view t;
    if (!w.Wort(t)) return false;
    // The name ends at a NUL byte as it would in the record.
    t = t.substr(0, std::min(t.find('\0'), std::size_t{NAME_KURZ - 1}));
    // A lone "_" is how the writer keeps the place of an empty name.
    if (t == "_") t = {};
    std::size_t n = 0;
    for (char c : t) name[n++] = c == '_' ? ' ' : c;
    name[n] = '\0';
    return true;
}

// The shortest text that reads back as the same number: the file's own
// format where it is exact (so ordinary files stay as they are), else as
// many digits as needed.
std::string ZahlFuerDatei(const char* format, double wert) {
    char text[400];
    std::snprintf(text, sizeof text, format, wert);
    if (std::strlen(text) <= 40 && std::strtod(text, nullptr) == wert) return text;
    for (int stellen = 1; stellen <= 17; ++stellen) {
        std::snprintf(text, sizeof text, "%.*g", stellen, wert);
        if (std::strtod(text, nullptr) == wert) break;
    }
    return text;
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
    void* (*EintragLesen)(Wortleser& w, long nummer, bool& gut);
    // Values a bar cannot be computed with, or that are unusual, as a
    // message naming the entry ("" when fine).
    std::string (*EintragPruefen)(const void* eintrag);
    void (*EintragSchreiben)(FILE* f, const void* eintrag);
    void (*Freigeben)(void* eintrag);
};

void* MaterialLesen(Wortleser& w, long nummer, bool& gut) {
    Material m{};
    m.Nummer = nummer;
    gut = NameLesen(w, m.Name) && w.Zahl(m.EModul) && w.Zahl(m.Querkontraktion) && w.Zahl(m.Waermedehnzahl);
    if (!gut) return nullptr;
    Material* neu = new (std::nothrow) Material(m);
    if (!neu) throw std::bad_alloc();
    return neu;
}

std::string MaterialPruefen(const void* eintrag) {
    const Material* m = static_cast<const Material*>(eintrag);
    char text[200] = "";
    if (!(m->EModul > 0))
        std::snprintf(text, sizeof text, "Material %ld hat E = %g !", m->Nummer, m->EModul);
    else if (!(m->Querkontraktion > -1.0 && m->Querkontraktion <= 0.5))
        std::snprintf(text, sizeof text, "Material %ld hat die Querkontraktionszahl %g (nicht zwischen -1 und 0.5) !",
                      m->Nummer, m->Querkontraktion);
    return text;
}

void MaterialSchreiben(FILE* f, const void* eintrag) {
    const Material* m = static_cast<const Material*>(eintrag);
    fprintf(f, "%ld\n", m->Nummer);
    fprintf(f, " %s\n", NameFuerDatei(m->Name).c_str());
    fprintf(f, "%s\n", ZahlFuerDatei("%e", m->EModul).c_str());
    fprintf(f, "%s\n", ZahlFuerDatei("%f", m->Querkontraktion).c_str());
    fprintf(f, "%s\n", ZahlFuerDatei("%f", m->Waermedehnzahl).c_str());
}

void* QuerschnittLesen(Wortleser& w, long nummer, bool& gut) {
    Querschnitt q{};
    q.Nummer = nummer;
    gut = NameLesen(w, q.Name) && w.Zahl(q.Flaeche) && w.Zahl(q.Traegheitsmoment) && w.Zahl(q.MaxY);
    if (!gut) return nullptr;
    Querschnitt* neu = new (std::nothrow) Querschnitt(q);
    if (!neu) throw std::bad_alloc();
    return neu;
}

std::string QuerschnittPruefen(const void* eintrag) {
    const Querschnitt* q = static_cast<const Querschnitt*>(eintrag);
    char text[200] = "";
    if (!(q->Flaeche > 0))
        std::snprintf(text, sizeof text, "Querschnitt %ld hat A = %g !", q->Nummer, q->Flaeche);
    else if (!(q->Traegheitsmoment > 0))
        std::snprintf(text, sizeof text, "Querschnitt %ld hat Iz = %g !", q->Nummer, q->Traegheitsmoment);
    return text;
}

void QuerschnittSchreiben(FILE* f, const void* eintrag) {
    const Querschnitt* q = static_cast<const Querschnitt*>(eintrag);
    fprintf(f, "%ld\n", q->Nummer);
    fprintf(f, " %s\n", NameFuerDatei(q->Name).c_str());
    fprintf(f, "%s\n", ZahlFuerDatei("%e", q->Flaeche).c_str());
    fprintf(f, "%s\n", ZahlFuerDatei("%e", q->Traegheitsmoment).c_str());
    fprintf(f, "%s\n", ZahlFuerDatei("%f", q->MaxY).c_str());
}

const Katalogart MATERIAL = {"material.dat",  &Programm.Materialien,
                             &Programm.StandardMaterial, MaterialLesen,
                             MaterialPruefen, MaterialSchreiben,
                             [](void* e) { delete static_cast<Material*>(e); }};
const Katalogart QUERSCHNITT = {"querschnitte.dat", &Programm.Querschnitte,
                                &Programm.StandardQuerschnitt, QuerschnittLesen,
                                QuerschnittPruefen, QuerschnittSchreiben,
                                [](void* e) { delete static_cast<Querschnitt*>(e); }};

void Leeren(const Katalogart& art) {
    Kette& k = *art.kette;
    if (!k) return;
    while (k->next != k) art.Freigeben(KeElementAustragen(k->next));
}

// "3, 7, 12" and, beyond a few, how many more.
std::string Aufzaehlung(const std::vector<long>& nummern) {
    std::string text;
    for (std::size_t i = 0; i < nummern.size() && i < 10; ++i) text += (i ? ", " : "") + std::to_string(nummern[i]);
    if (nummern.size() > 10) text += " und " + std::to_string(nummern.size() - 10) + " weitere";
    return text;
}

bool Lesen(const Katalogart& art, const char* verzeichnis) {
    std::string pfad = Dateipfad(verzeichnis, art.datei);
    GesperrteDateien().erase(pfad);
    std::string text;
    const Einlesen eingelesen = DateiEinlesen(pfad.c_str(), GROESSTE_KATALOGDATEI, text);
    if (eingelesen != Einlesen::Gelesen) {
        // A file that is there but cannot be read must survive the exit.
        if (eingelesen != Einlesen::Fehlt) GesperrteDateien().insert(pfad);
        MeldungFormatiert("Die Datei %s konnte nicht geöffnet werden !"_l1, pfad.c_str());
        if (eingelesen == Einlesen::Fehlt || eingelesen == Einlesen::NichtLesbar)
            MeldungAusgeben("Überprüfen Sie die Pfadangaben in der Datei .velko"_l1);
        else
            MeldungFormatiert("Die Datei %s %s !", pfad.c_str(), EinlesefehlerText(eingelesen));
        return false;
    }
    CGebietsschema c;
    Leeren(art);
    Wortleser w(text, LAENGSTES_WORT);
    long standard = 0, anzahl = 0;
    bool gut = w.Ganzzahl(standard) && w.Ganzzahl(anzahl) && anzahl >= 0 && anzahl <= KATALOG_MAX_EINTRAEGE;
    if (gut) *art.standard = standard;
    std::unordered_set<long> nummern;
    std::vector<long> doppelt;
    std::vector<std::string> auffaellig;
    bool speicher = true;
    try {
        for (long i = 0; gut && i < anzahl; ++i) {
            long nummer = 0;
            void* eintrag = nullptr;
            if (w.Ganzzahl(nummer)) eintrag = art.EintragLesen(w, nummer, gut);
            else gut = false;
            if (!gut) break;
            // Bars find their entry by number: the first one of a number
            // stays, as the file lists it.
            if (!nummern.insert(nummer).second) {
                doppelt.push_back(nummer);
                art.Freigeben(eintrag);
                continue;
            }
            if (std::string meldung = art.EintragPruefen(eintrag); !meldung.empty())
                auffaellig.push_back(std::move(meldung));
            KeVorneEintragen(*art.kette, eintrag);
        }
    } catch (const std::bad_alloc&) {
        gut = speicher = false;
    }
    if (!gut) {
        GesperrteDateien().insert(pfad);
        if (!speicher) MeldungFormatiert("Die Datei %s passt nicht in den Speicher !", pfad.c_str());
        MeldungFormatiert("Die Datei %s ist unvollständig und wird nicht überschrieben !"_l1, pfad.c_str());
    }
    if (!doppelt.empty())
        MeldungFormatiert("Die Datei %s enthält die Nummern %s mehrfach, es gilt jeweils der erste Eintrag !"_l1,
                          pfad.c_str(), Aufzaehlung(doppelt).c_str());
    for (std::size_t i = 0; i < auffaellig.size() && i < 10; ++i)
        MeldungFormatiert("%s: %s", pfad.c_str(), auffaellig[i].c_str());
    if (auffaellig.size() > 10)
        MeldungFormatiert("%s: %zu weitere Einträge mit solchen Werten"_l1, pfad.c_str(), auffaellig.size() - 10);
    return gut;
}

bool Schreiben(const Katalogart& art, const char* verzeichnis) {
    CGebietsschema c;
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
