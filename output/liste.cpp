#include "output/liste.h"

#include <algorithm>
#include <unordered_map>
#include <vector>

#include "analysis/ergebnisse.h"
#include "analysis/theorie2ordnung.h"
#include "core/bericht.h"
#include "core/latin1.h"
#include "core/programm.h"
#include "core/systemoperationen.h"
#include "files/pfade.h"
#include "files/sicher_schreiben.h"

namespace {

const char* const LINIE_LANG =
    "  -----------------------------------------------------------------------\n\r";
const char* const LINIE_STAB = "  ----------------------------------------";

// Names are fixed fields; printing at most their size keeps a record that
// somehow lost its terminator from running on into the next field.
template <int N>
int Laenge(const char (&)[N]) {
    return N - 1;
}

// Orders the links of the chain by bar number without moving the links
// themselves: the bars are collected once, sorted and written back, so a
// listing of thousands of bars stays fast.
std::vector<Stab*> NachNummerOrdnen(Kette staebe) {
    std::vector<Stab*> folge;
    for (Stab* s : Elemente<Stab>(staebe)) folge.push_back(s);
    std::stable_sort(folge.begin(), folge.end(),
                     [](const Stab* a, const Stab* b) { return a->Nummer < b->Nummer; });
    Glied* g = staebe->next;
    for (Stab* s : folge) {
        g->element = s;
        g = g->next;
    }
    return folge;
}

// The loads of the active load cases, gathered once per listing and kept per
// bar in chain order; a bar's block then costs only its own loads.
struct Lastverzeichnis {
    std::unordered_map<long, const Lastfall*> aktiveFaelle;  // by Kennung
    std::unordered_map<long, std::vector<const Streckenlast*>> strecken;  // by bar number
    std::unordered_map<long, std::vector<const Punktlast*>> punkte;

    explicit Lastverzeichnis(const System* system) {
        // A Kennung names the first load case that carries it.
        std::unordered_map<long, const Lastfall*> faelle;
        for (Lastfall* lf : Elemente<Lastfall>(system->Lastfaelle)) faelle.emplace(lf->Kennung, lf);
        for (auto& [kennung, lf] : faelle)
            if (lf->Aktiv == 1) aktiveFaelle.emplace(kennung, lf);
        for (Streckenlast* sl : Elemente<Streckenlast>(system->Streckenlasten))
            if (aktiveFaelle.count(sl->Lastfall)) strecken[sl->Stab].push_back(sl);
        for (Punktlast* pl : Elemente<Punktlast>(system->Punktlasten))
            if (aktiveFaelle.count(pl->Lastfall)) punkte[pl->Stab].push_back(pl);
    }

    long Fallnummer(long kennung) const { return aktiveFaelle.at(kennung)->Nummer; }
};

void KopfSchreiben(FILE* f, const System* system) {
    fputs(LINIE_LANG, f);
    fprintf(f, "   System : %.*s\n\r", Laenge(system->Dateiname), system->Dateiname);
    fputs(LINIE_LANG, f);
    fputs("\n\r", f);

    fputs("  aktive Lastfälle : \n\r"_l1, f);
    fputs("\n\r", f);
    for (Lastfall* lf : Elemente<Lastfall>(system->Lastfaelle))
        if (lf->Aktiv == 1)
            fprintf(f, "  Nr.:  %ld  %.2f x %.*s\n\r", lf->Nummer, lf->Gewicht, Laenge(lf->Name),
                    lf->Name);
    // Results of first-order theory say nothing of it, as they always did.
    if (system->Theorie == THEORIE_II) {
        fputs("\n\r", f);
        fputs("  Berechnung nach Theorie II. Ordnung\n\r", f);
        fprintf(f, "  Verzweigungslastfaktor : %s\n\r", VerzweigungslastText(*system).c_str());
    }
}

using SystemExtremum = double (*)(Kette, Stab**, double*);

void SystemExtremumSchreiben(FILE* f, Kette staebe, SystemExtremum funktion, const char* format) {
    Stab* stab = nullptr;
    double t = 0.0;
    double wert = funktion(staebe, &stab, &t);
    // The chain is never empty here; a missing bar would only mean a result
    // function that found nothing, printed as bar 0 at 0 m.
    fprintf(f, format, stab ? stab->Nummer : 0L, wert, stab ? t * stab->Laenge : 0.0);
}

void SystemExtremaSchreiben(FILE* f, Kette staebe) {
    fputs("\n\r", f);
    fputs("  Extrema im System :\n\r", f);
    fputs("\n\r", f);
    SystemExtremumSchreiben(f, staebe, SystemMaxMoment,
                            "  Stab Nr : %3ld   max M : %8.2f kNm [ %5.2f m ]\n\r");
    SystemExtremumSchreiben(f, staebe, SystemMaxQuerkraft,
                            "  Stab Nr : %3ld   max Q : %8.2f kN  [ %5.2f m ]\n\r");
    SystemExtremumSchreiben(f, staebe, SystemMaxNormalkraft,
                            "  Stab Nr : %3ld   max N : %8.2f kN  [ %5.2f m ]\n\r");
    fputs("\n\r", f);
    SystemExtremumSchreiben(f, staebe, SystemMinMoment,
                            "  Stab Nr : %3ld   min M : %8.2f kNm [ %5.2f m ]\n\r");
    SystemExtremumSchreiben(f, staebe, SystemMinQuerkraft,
                            "  Stab Nr : %3ld   min Q : %8.2f kN  [ %5.2f m ]\n\r");
    SystemExtremumSchreiben(f, staebe, SystemMinNormalkraft,
                            "  Stab Nr : %3ld   min N : %8.2f kN  [ %5.2f m ]\n\r");
    fputs("\n\r", f);
}

// A bar read from a damaged file may lack a point; it is listed with
// dashes instead of taking the listing down.
void PunktSchreiben(FILE* f, const char* format, const char* ersatz, const Punkt* p) {
    if (p)
        fprintf(f, format, p->Nummer, p->X, p->Y);
    else
        fputs(ersatz, f);
}

void GeometrieSchreiben(FILE* f, const Stab* s) {
    fputs("  Geometrie :\n\r", f);
    PunktSchreiben(f, "     Von  Punkt : [%2ld] (%.2f/%.2f) \n\r",
                   "     Von  Punkt : [--] (---/---) \n\r", s->PunktA);
    PunktSchreiben(f, "     Nach Punkt : [%2ld] (%.2f/%.2f)\n\r",
                   "     Nach Punkt : [--] (---/---)\n\r", s->PunktB);
    fprintf(f, "     Länge : %8.3f m   Winkel : %8.3f rad \n\r"_l1, s->Laenge, s->Winkel);
    fputs("\n\r", f);
}

void KatalogSchreiben(FILE* f, const Stab* s) {
    if (const Querschnitt* q = QuerschnittSuchen(s->Querschnitt)) {
        fprintf(f, "  Querschnitt : %.*s\n\r", Laenge(q->Name), q->Name);
        fprintf(f, "     Iz : %.6f m^4  A : %.4f m²\n\r"_l1, q->Traegheitsmoment, q->Flaeche);
    } else {
        fputs("  Querschnitt : kein Querschnitt !\n\r", f);
        fputs("     Iz : ---  m^4  A : --- m²\n\r"_l1, f);
    }
    fputs("\n\r", f);
    if (const Material* m = MaterialSuchen(s->Material)) {
        fprintf(f, "  Material :    %.*s\n\r", Laenge(m->Name), m->Name);
        fprintf(f, "     E : %.4e kN/m²\n\r"_l1, m->EModul);
    } else {
        fputs("  Material :    kein Material ! \n\r", f);
        fputs("     E : -----  kN/m²\n\r"_l1, f);
    }
    fputs("\n\r", f);
}

void LastenSchreiben(FILE* f, const Stab* s, const Lastverzeichnis& lasten) {
    fputs("  Lasten :    \n\r", f);
    if (auto it = lasten.strecken.find(s->Nummer); it != lasten.strecken.end())
        for (const Streckenlast* sl : it->second) {
            fprintf(f, "   [SL] LF %ld  %.*s\n\r", lasten.Fallnummer(sl->Lastfall), Laenge(sl->Name),
                    sl->Name);
            fprintf(f, "     A : %.3f kN/m  B : %.3f kN/m   Position : von %.2f m bis %.2f m\n\r",
                    sl->GroesseA, sl->GroesseB, sl->PositionA * s->Laenge,
                    sl->PositionB * s->Laenge);
        }
    if (auto it = lasten.punkte.find(s->Nummer); it != lasten.punkte.end())
        for (const Punktlast* pl : it->second) {
            fprintf(f, "   [PL] LF %ld  %.*s\n\r", lasten.Fallnummer(pl->Lastfall), Laenge(pl->Name),
                    pl->Name);
            fprintf(f, "    Größe : %.3f %s  Position %.2f\n\r"_l1, pl->Groesse,
                    pl->Art == ART_KRAFT ? "kN" : "kNm", pl->Position * s->Laenge);
        }
}

using Verlauf = double (*)(const Stab*, double);

void VerlaufSchreiben(FILE* f, const Stab* s, const char* titel, Verlauf funktion,
                      const char* zahl) {
    fputs(titel, f);
    for (int zeile = 0; zeile < 2; ++zeile) {
        fputs("    ", f);
        for (int i = 5 * zeile; i < 5 * zeile + 5; ++i) fprintf(f, zahl, funktion(s, i / 9.0));
        fputs(zeile == 0 ? "\n\r" : "\n\n\r", f);
    }
}

using StabExtremum = double (*)(const Stab*, double*);

void ExtremumSchreiben(FILE* f, const Stab* s, StabExtremum max, StabExtremum min,
                       const char* maxFormat, const char* minFormat) {
    double tMax = 0.0, tMin = 0.0;
    double wMax = max(s, &tMax);
    double wMin = min(s, &tMin);
    fputs("  ", f);
    fprintf(f, maxFormat, wMax, tMax * s->Laenge);
    fputs("  ", f);
    fprintf(f, minFormat, wMin, tMin * s->Laenge);
}

void SchnittgroessenSchreiben(FILE* f, const Stab* s) {
    fputs("\n\n\r", f);
    fputs("  Schnittgrößen :    \n\r"_l1, f);
    VerlaufSchreiben(f, s, "  - Moment [kNm] - \n\r", MomentAn, " %11.3f ");
    VerlaufSchreiben(f, s, "  - Querkraft [kN] - \n\r", QuerkraftAn, " %11.3f ");
    VerlaufSchreiben(f, s, "  - Normalkraft [kN] - \n\r", NormalkraftAn, " %11.3f ");
    VerlaufSchreiben(f, s, "  - Verschiebungen senkrecht zur Stabachse [m] - \n\r", DurchbiegungAn,
                     " %11.5f ");
    VerlaufSchreiben(f, s, "  - Verschiebungen in Stabachse [m] - \n\r", LaengsverschiebungAn,
                     " %11.5f ");

    fputs("  - Extrema : \n\r", f);
    ExtremumSchreiben(f, s, MaxMoment, MinMoment, "  M  max = %11.3f kNm [ %4.2f m ]",
                      "  min = %11.3f kNm [ %4.2f m ]\n\r");
    ExtremumSchreiben(f, s, MaxQuerkraft, MinQuerkraft, "  Q  max = %11.3f kN  [ %4.2f m ]",
                      "  min = %11.3f kN  [ %4.2f m ]\n\r");
    ExtremumSchreiben(f, s, MaxNormalkraft, MinNormalkraft, "  N  max = %11.3f kN  [ %4.2f m ]",
                      "  min = %11.3f kN  [ %4.2f m ]\n\r");
    ExtremumSchreiben(f, s, MaxDurchbiegung, MinDurchbiegung, "  w  max = %11.5f m   [ %4.2f m ]",
                      "  min = %11.5f m   [ %4.2f m ]\n\r");
    ExtremumSchreiben(f, s, MaxLaengsverschiebung, MinLaengsverschiebung,
                      "  u  max = %11.5f m   [ %4.2f m ]", "  min = %11.5f m   [ %4.2f m ]\n\r");
    fputs("\n\n\r", f);
}

void StabSchreiben(FILE* f, const Stab* s, const Lastverzeichnis& lasten) {
    fprintf(f, "%s\n\n\r", LINIE_STAB);
    fprintf(f, "   Nummer : %ld  \n\n\r", s->Nummer);
    fprintf(f, "%s\n\r", LINIE_STAB);
    fputs("\n\r", f);
    GeometrieSchreiben(f, s);
    KatalogSchreiben(f, s);
    LastenSchreiben(f, s, lasten);
    SchnittgroessenSchreiben(f, s);
}

}  // namespace

void ListeAusgeben(FILE* datei, System* system, Kette staebe) {
    if (!datei || !system || KeAnzahl(staebe) == 0) return;
    KopfSchreiben(datei, system);
    // The extrema come before the sorting: on equal values the earlier bar
    // of the chain is the one named.
    SystemExtremaSchreiben(datei, staebe);
    std::vector<Stab*> folge = NachNummerOrdnen(staebe);
    Lastverzeichnis lasten(system);
    for (const Stab* s : folge) StabSchreiben(datei, s, lasten);
    fputs("\f", datei);
}

void TabelleAusgeben(FILE* datei, const System* system) {
    if (!datei) return;
    fputs("Projektname\n\r", datei);
    fputs("Nr.\tX1\tY1\tX2\tY2\tSchnittgrößen\n\r"_l1, datei);
    if (system)
        for (const Stab* s : Elemente<Stab>(system->Staebe)) {
            fprintf(datei, "%ld", s->Nummer);
            // Missing points leave their cells empty rather than invent values.
            for (const Punkt* p : {s->PunktA, s->PunktB}) {
                if (p)
                    fprintf(datei, "\t%.2f\t%.2f", p->X, p->Y);
                else
                    fputs("\t\t", datei);
            }
            fputs("\n", datei);
        }
    fputs("\f", datei);
}

bool ListeSchreiben(const char* pfad, System* system, Kette staebe) {
    SichereDatei datei(pfad);
    FILE* f = datei.Oeffnen();
    if (!f) return false;
    ListeAusgeben(f, system, staebe);
    return datei.Abschliessen();
}

bool TabelleSchreiben(const char* pfad, const System* system) {
    SichereDatei datei(pfad);
    FILE* f = datei.Oeffnen();
    if (!f) return false;
    TabelleAusgeben(f, system);
    return datei.Abschliessen();
}

std::string TempDateipfad(const char* name) { return Pfade.Tempverzeichnis + "/" + name; }

bool ListeAlsText(System* system, Kette staebe, std::string& text) {
    text.clear();
    const std::string pfad = TempDateipfad(LISTE_TEMPDATEI);
    FILE* f = fopen(pfad.c_str(), "w");
    if (!f) {
        MeldungAusgeben("Ausgabe ist nicht möglich. Temp. Datei konnte nicht geschrieben werden !"_l1);
        return false;
    }
    ListeAusgeben(f, system, staebe);
    bool geschrieben = !ferror(f);
    geschrieben = fclose(f) == 0 && geschrieben;
    if (!geschrieben) {
        MeldungAusgeben("Ausgabe ist nicht möglich. Temp. Datei konnte nicht geschrieben werden !"_l1);
        return false;
    }
    f = fopen(pfad.c_str(), "rb");
    if (!f) {
        MeldungAusgeben("Ausgabe ist nicht möglich. Temp. Datei konnte nicht geöffnet werden !"_l1);
        return false;
    }
    // Every byte is read: 0xFF is "ÿ" in ISO 8859-1, not the end of the file.
    char puffer[65536];
    size_t n;
    while ((n = fread(puffer, 1, sizeof puffer, f)) > 0) text.append(puffer, n);
    fclose(f);
    return true;
}
