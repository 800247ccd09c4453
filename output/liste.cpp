#include "output/liste.h"

#include <algorithm>
#include <cstring>
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
#include "output/zahlformat.h"

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
// Returns the new order as positions in the old chain order.
std::vector<std::size_t> NachNummerOrdnen(Kette staebe, const std::vector<Stab*>& kettenfolge) {
    std::vector<std::size_t> folge(kettenfolge.size());
    for (std::size_t i = 0; i < folge.size(); ++i) folge[i] = i;
    std::stable_sort(folge.begin(), folge.end(), [&](std::size_t a, std::size_t b) {
        return kettenfolge[a]->Nummer < kettenfolge[b]->Nummer;
    });
    Glied* g = staebe->next;
    for (std::size_t i : folge) {
        g->element = kettenfolge[i];
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
    std::unordered_map<long, std::vector<const Temperaturlast*>> temperaturen;

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
        for (Temperaturlast* tl : Elemente<Temperaturlast>(system->Temperaturlasten))
            if (aktiveFaelle.count(tl->Lastfall)) temperaturen[tl->Stab].push_back(tl);
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

// The ten extrema of a bar (maximum and minimum of M, Q, N, w, u) with
// their relative positions.  Each is found once: the extrema of the whole
// System come from the same values as the bars' own blocks.
enum Groesse { MOMENT, QUERKRAFT, NORMALKRAFT, DURCHBIEGUNG, LAENGSVERSCHIEBUNG, GROESSEN };
struct StabExtrema {
    double Max[GROESSEN], MaxStelle[GROESSEN], Min[GROESSEN], MinStelle[GROESSEN];
};

StabExtrema ExtremaBerechnen(const Stab* s) {
    using Suche = StabExtremwerte (*)(const Stab*);
    static const Suche suchen[GROESSEN] = {MomentExtrema, QuerkraftExtrema, NormalkraftExtrema, DurchbiegungExtrema,
                                           LaengsverschiebungExtrema};
    StabExtrema e;
    for (int g = 0; g < GROESSEN; ++g) {
        const StabExtremwerte w = suchen[g](s);
        e.Max[g] = w.Max;
        e.MaxStelle[g] = w.MaxStelle;
        e.Min[g] = w.Min;
        e.MinStelle[g] = w.MinStelle;
    }
    return e;
}

void SystemExtremumSchreiben(FILE* f, const std::vector<Stab*>& staebe, const std::vector<StabExtrema>& extrema,
                             Groesse g, bool maximum, const char* format) {
    std::vector<double> werte(staebe.size());
    for (std::size_t i = 0; i < staebe.size(); ++i) werte[i] = maximum ? extrema[i].Max[g] : extrema[i].Min[g];
    const std::size_t bester = SystemExtremumWaehlen(werte.data(), werte.size(), maximum);
    const double t = maximum ? extrema[bester].MaxStelle[g] : extrema[bester].MinStelle[g];
    const Stab* stab = staebe[bester];
    fprintf(f, format, stab->Nummer, werte[bester], t * stab->Laenge);
}

// Over the bars in chain order: on equal values the earlier bar of the
// chain is the one named.
void SystemExtremaSchreiben(FILE* f, const std::vector<Stab*>& staebe, const std::vector<StabExtrema>& extrema) {
    fputs("\n\r", f);
    fputs("  Extrema im System :\n\r", f);
    fputs("\n\r", f);
    SystemExtremumSchreiben(f, staebe, extrema, MOMENT, true,
                            "  Stab Nr : %3ld   max M : %8.2f kNm [ %5.2f m ]\n\r");
    SystemExtremumSchreiben(f, staebe, extrema, QUERKRAFT, true,
                            "  Stab Nr : %3ld   max Q : %8.2f kN  [ %5.2f m ]\n\r");
    SystemExtremumSchreiben(f, staebe, extrema, NORMALKRAFT, true,
                            "  Stab Nr : %3ld   max N : %8.2f kN  [ %5.2f m ]\n\r");
    fputs("\n\r", f);
    SystemExtremumSchreiben(f, staebe, extrema, MOMENT, false,
                            "  Stab Nr : %3ld   min M : %8.2f kNm [ %5.2f m ]\n\r");
    SystemExtremumSchreiben(f, staebe, extrema, QUERKRAFT, false,
                            "  Stab Nr : %3ld   min Q : %8.2f kN  [ %5.2f m ]\n\r");
    SystemExtremumSchreiben(f, staebe, extrema, NORMALKRAFT, false,
                            "  Stab Nr : %3ld   min N : %8.2f kN  [ %5.2f m ]\n\r");
    fputs("\n\r", f);
}

// One bar's block is put together in memory and written in one piece.
class Block {
public:
    void Text(const char* s) { text_ += s; }
    // At most `laenge` characters, like "%.*s".
    void Name(const char* s, int laenge) { text_.append(s, strnlen(s, static_cast<std::size_t>(laenge))); }
    void Fest(double v, int breite, int stellen) { FestAnhaengen(text_, v, breite, stellen); }
    void Exponent(double v, int stellen) { ExponentAnhaengen(text_, v, stellen); }
    void Ganz(long v, int breite) { GanzAnhaengen(text_, v, breite); }
    std::size_t Groesse() const { return text_.size(); }
    void Schreiben(FILE* f) {
        fwrite(text_.data(), 1, text_.size(), f);
        text_.clear();
    }

private:
    std::string text_;
};

constexpr std::size_t BLOCK_SCHREIBEN = std::size_t{1} << 18;

// A bar read from a damaged file may lack a point; it is listed with
// dashes instead of taking the listing down.
void PunktSchreiben(Block& b, const char* titel, const char* ende, const Punkt* p) {
    b.Text(titel);
    if (p) {
        b.Text("[");
        b.Ganz(p->Nummer, 2);
        b.Text("] (");
        b.Fest(p->X, 0, 2);
        b.Text("/");
        b.Fest(p->Y, 0, 2);
        b.Text(")");
    } else {
        b.Text("[--] (---/---)");
    }
    b.Text(ende);
}

void GeometrieSchreiben(Block& b, const Stab* s) {
    b.Text("  Geometrie :\n\r");
    PunktSchreiben(b, "     Von  Punkt : ", " \n\r", s->PunktA);
    PunktSchreiben(b, "     Nach Punkt : ", "\n\r", s->PunktB);
    b.Text("     Länge : "_l1);
    b.Fest(s->Laenge, 8, 3);
    b.Text(" m   Winkel : ");
    b.Fest(s->Winkel, 8, 3);
    b.Text(" rad \n\r");
    b.Text("\n\r");
}

void KatalogSchreiben(Block& b, const Stab* s) {
    if (const Querschnitt* q = QuerschnittSuchen(s->Querschnitt)) {
        b.Text("  Querschnitt : ");
        b.Name(q->Name, Laenge(q->Name));
        b.Text("\n\r     Iz : ");
        b.Fest(q->Traegheitsmoment, 0, 6);
        b.Text(" m^4  A : ");
        b.Fest(q->Flaeche, 0, 4);
        b.Text(" m²\n\r"_l1);
    } else {
        b.Text("  Querschnitt : kein Querschnitt !\n\r");
        b.Text("     Iz : ---  m^4  A : --- m²\n\r"_l1);
    }
    b.Text("\n\r");
    if (const Material* m = MaterialSuchen(s->Material)) {
        b.Text("  Material :    ");
        b.Name(m->Name, Laenge(m->Name));
        b.Text("\n\r     E : ");
        b.Exponent(m->EModul, 4);
        b.Text(" kN/m²\n\r"_l1);
    } else {
        b.Text("  Material :    kein Material ! \n\r");
        b.Text("     E : -----  kN/m²\n\r"_l1);
    }
    b.Text("\n\r");
}

void LastenSchreiben(Block& b, const Stab* s, const Lastverzeichnis& lasten) {
    b.Text("  Lasten :    \n\r");
    // "   [SL] LF 2  Name": the kind, the load case's number and the name.
    const auto kopf = [&](const char* art, long lastfall, const auto& name) {
        b.Text(art);
        b.Ganz(lasten.Fallnummer(lastfall), 0);
        b.Text("  ");
        b.Name(name, Laenge(name));
    };
    if (auto it = lasten.strecken.find(s->Nummer); it != lasten.strecken.end())
        for (const Streckenlast* sl : it->second) {
            kopf("   [SL] LF ", sl->Lastfall, sl->Name);
            b.Text("\n\r     A : ");
            b.Fest(sl->GroesseA, 0, 3);
            b.Text(" kN/m  B : ");
            b.Fest(sl->GroesseB, 0, 3);
            b.Text(" kN/m   Position : von ");
            b.Fest(sl->PositionA * s->Laenge, 0, 2);
            b.Text(" m bis ");
            b.Fest(sl->PositionB * s->Laenge, 0, 2);
            b.Text(" m\n\r");
        }
    if (auto it = lasten.punkte.find(s->Nummer); it != lasten.punkte.end())
        for (const Punktlast* pl : it->second) {
            kopf("   [PL] LF ", pl->Lastfall, pl->Name);
            b.Text("\n\r    Größe : "_l1);
            b.Fest(pl->Groesse, 0, 3);
            b.Text(pl->Art == ART_KRAFT ? " kN" : " kNm");
            b.Text("  Position ");
            b.Fest(pl->Position * s->Laenge, 0, 2);
            b.Text("\n\r");
        }
    if (auto it = lasten.temperaturen.find(s->Nummer); it != lasten.temperaturen.end())
        for (const Temperaturlast* tl : it->second) {
            kopf("   [TL] LF ", tl->Lastfall, tl->Name);
            b.Text("\n\r     dT : ");
            b.Fest(tl->DeltaT, 0, 2);
            b.Text(" K  dTM : ");
            b.Fest(tl->DeltaTM, 0, 2);
            b.Text(" K\n\r");
        }
}

using Verlauf = double (*)(const Stab*, double);

// Ten values at t = i/9, five to a row, each as " %11.<stellen>f ".
void VerlaufSchreiben(Block& b, const Stab* s, const char* titel, Verlauf funktion, int stellen) {
    b.Text(titel);
    for (int zeile = 0; zeile < 2; ++zeile) {
        b.Text("    ");
        for (int i = 5 * zeile; i < 5 * zeile + 5; ++i) {
            b.Text(" ");
            b.Fest(funktion(s, i / 9.0), 11, stellen);
            b.Text(" ");
        }
        b.Text(zeile == 0 ? "\n\r" : "\n\n\r");
    }
}

// "  <name>  max = %11.<stellen>f <einheit>[ %4.2f m ]  min = ...\n\r"
void ExtremumSchreiben(Block& b, const Stab* s, const StabExtrema& e, Groesse g, const char* name,
                       const char* einheit, int stellen) {
    b.Text("    ");
    b.Text(name);
    b.Text("  max = ");
    b.Fest(e.Max[g], 11, stellen);
    b.Text(einheit);
    b.Text("[ ");
    b.Fest(e.MaxStelle[g] * s->Laenge, 4, 2);
    b.Text(" m ]    min = ");
    b.Fest(e.Min[g], 11, stellen);
    b.Text(einheit);
    b.Text("[ ");
    b.Fest(e.MinStelle[g] * s->Laenge, 4, 2);
    b.Text(" m ]\n\r");
}

void SchnittgroessenSchreiben(Block& b, const Stab* s, const StabExtrema& e) {
    b.Text("\n\n\r");
    b.Text("  Schnittgrößen :    \n\r"_l1);
    VerlaufSchreiben(b, s, "  - Moment [kNm] - \n\r", MomentAn, 3);
    VerlaufSchreiben(b, s, "  - Querkraft [kN] - \n\r", QuerkraftAn, 3);
    VerlaufSchreiben(b, s, "  - Normalkraft [kN] - \n\r", NormalkraftAn, 3);
    VerlaufSchreiben(b, s, "  - Verschiebungen senkrecht zur Stabachse [m] - \n\r", DurchbiegungAn, 5);
    VerlaufSchreiben(b, s, "  - Verschiebungen in Stabachse [m] - \n\r", LaengsverschiebungAn, 5);

    b.Text("  - Extrema : \n\r");
    ExtremumSchreiben(b, s, e, MOMENT, "M", " kNm ", 3);
    ExtremumSchreiben(b, s, e, QUERKRAFT, "Q", " kN  ", 3);
    ExtremumSchreiben(b, s, e, NORMALKRAFT, "N", " kN  ", 3);
    ExtremumSchreiben(b, s, e, DURCHBIEGUNG, "w", " m   ", 5);
    ExtremumSchreiben(b, s, e, LAENGSVERSCHIEBUNG, "u", " m   ", 5);
    b.Text("\n\n\r");
}

void StabSchreiben(Block& b, const Stab* s, const StabExtrema& e, const Lastverzeichnis& lasten) {
    b.Text(LINIE_STAB);
    b.Text("\n\n\r   Nummer : ");
    b.Ganz(s->Nummer, 0);
    b.Text("  \n\n\r");
    b.Text(LINIE_STAB);
    b.Text("\n\r");
    b.Text("\n\r");
    GeometrieSchreiben(b, s);
    KatalogSchreiben(b, s);
    LastenSchreiben(b, s, lasten);
    SchnittgroessenSchreiben(b, s, e);
}

}  // namespace

void ListeAusgeben(FILE* datei, System* system, Kette staebe) {
    if (!datei || !system || KeLeer(staebe)) return;
    KopfSchreiben(datei, system);
    std::vector<Stab*> kettenfolge;
    std::vector<StabExtrema> extrema;
    for (Stab* s : Elemente<Stab>(staebe)) {
        kettenfolge.push_back(s);
        extrema.push_back(ExtremaBerechnen(s));
    }
    // The extrema come before the sorting: on equal values the earlier bar
    // of the chain is the one named.
    SystemExtremaSchreiben(datei, kettenfolge, extrema);
    const std::vector<std::size_t> folge = NachNummerOrdnen(staebe, kettenfolge);
    Lastverzeichnis lasten(system);
    Block block;
    for (std::size_t i : folge) {
        StabSchreiben(block, kettenfolge[i], extrema[i], lasten);
        // Written in large pieces, which pass the stream's buffer.
        if (block.Groesse() >= BLOCK_SCHREIBEN) block.Schreiben(datei);
    }
    block.Schreiben(datei);
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
