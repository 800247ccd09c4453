// The computational model ("Kernmodell") built from a System for every
// analysis run: model nodes (geometry only), straight elements cut at the
// load positions and divided into equal pieces, and model degrees of
// freedom of their own.  All three chains run newest first.  The model
// belongs to the run (analysis/berechnung.h), not to the System; the System
// only receives the results.
#pragma once

#include <unordered_set>

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

// Identifiers (Kennung) of the active load cases of one run.
using AktiveLastfaelle = std::unordered_set<long>;

// Builds the model of the System: cuts, elements, load transfer, division
// into System::Stabteilungen pieces.  Reports "kein System !" for a System
// without bars.  Returns false (after a message) when a bar lacks its
// points or degrees of freedom; the model then stays empty.
// `teilungen` other than -1 divides into that many pieces instead.
bool KernmodellErzeugen(Kernmodell& modell, const System& sys, Berichtsempfaenger& bericht, long teilungen = -1);
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
