// The computational model ("Kernmodell") built from a System for every
// analysis run: model nodes (geometry only), straight elements cut at the
// load positions and divided into equal pieces, and model degrees of
// freedom of their own.  All three chains run newest first.  The model
// belongs to the run (analysis/berechnung.h), not to the System; the System
// only receives the results.
#pragma once

#include <unordered_set>
#include <vector>

#include "core/datenmodell.h"

class Berichtsempfaenger;

struct Knoten {
    double X;
    double Y;
};

// Model degrees of freedom are Freiheitsgrad records of their own.
struct Element {
    long Stabnummer;
    double tAnfang;
    double tEnde;
    Freiheitsgrad* Fg[6];
    Knoten* KnotenA;
    Knoten* KnotenB;
    double qAnfang;
    double qEnde;
    double nAnfang;
    double nEnde;
    // Temperature loads, weighted and summed: the free strain and curvature
    // (positive like a positive moment's; the second-order element takes
    // them as StabdatenII::Dehnung and Kruemmung), and the normal force and
    // moment they cause in the element held at both ends (-EA Dehnung,
    // -EI Kruemmung), which first order adds to its equivalent loads.
    double Dehnung;
    double Kruemmung;
    double TemperaturN;
    double TemperaturM;
    long Material;
    long Querschnitt;
    double Winkel;
    double Laenge;
    double Cos;
    double Sin;
    double Schnittkraefte[6];  // N, Q, M at start, then at end
};

// Owns its records: the destructor frees every node, element and model
// degree of freedom.
struct Kernmodell {
    long SystemID = 0;  // of the System it was built from
    Kette Knoten = nullptr;
    Kette Elemente = nullptr;
    Kette Modellfreiheitsgrade = nullptr;

    Kernmodell() = default;
    ~Kernmodell();
    Kernmodell(const Kernmodell&) = delete;
    Kernmodell& operator=(const Kernmodell&) = delete;
};

// The model's elements and degrees of freedom in chain order, gathered
// once per run.  Every link of a long chain costs a cache miss, and a run
// goes over both chains many times; the phases that take a Modellfolge go
// over it instead (without one, they walk the chains themselves).
struct Modellfolge {
    std::vector<Element*> Elemente;
    std::vector<Freiheitsgrad*> Freiheitsgrade;
};
Modellfolge ModellfolgeSammeln(const Kernmodell& modell);
// `folge` itself, or the model's chains gathered into `ersatz`.
const Modellfolge& ModellfolgeVon(const Kernmodell& modell, const Modellfolge* folge, Modellfolge& ersatz);

// Identifiers (Kennung) of the active load cases of one run.
using AktiveLastfaelle = std::unordered_set<long>;

// Builds the model of the System: cuts, elements, load transfer, division
// into System::Stabteilungen pieces.  Reports "kein System !" for a System
// without bars.  Returns false (after a message) when a bar lacks its
// points or degrees of freedom; the model then stays empty.  With `folge`,
// its elements and degrees of freedom in chain order come along without a
// walk over the chains.  `teilungen` other than -1 divides into that many
// pieces instead of System::Stabteilungen.
bool KernmodellErzeugen(Kernmodell& modell, const System& sys, Berichtsempfaenger& bericht,
                        Modellfolge* folge = nullptr, long teilungen = -1);
// Frees every node, element and model degree of freedom; the chain heads stay.
void KernmodellLeeren(Kernmodell& modell);

// The first node at exactly (x, y), or a new one.  Inside KernmodellErzeugen
// the search goes through a hash index with the same result.
Knoten* KnotenSuchenOderAnlegen(Kernmodell& modell, double x, double y);
// For a number other than -1 the first model degree of freedom with that
// Nummer (any Richtung); else, and when none exists, a new one.
Freiheitsgrad* FreiheitsgradSuchenOderAnlegen(Kernmodell& modell, int richtung, long nummer);
// Angle, length, cos and sin from the element's nodes.
void ElementGeometrie(Element* e);
// Divides every element into `teilungen` equal pieces.
void ElementeUnterteilen(Kernmodell& modell, long teilungen);
