// The computational model ("Kernmodell") built from the current System for
// every analysis run: model nodes (geometry only), straight elements cut at
// the load positions and divided into equal pieces, and model degrees of
// freedom of their own.  All three chains run newest first.
#pragma once

#include <unordered_set>
#include <vector>

#include "core/datenmodell.h"

// Identifiers (Kennung) of the active load cases of one run.
using AktiveLastfaelle = std::unordered_set<long>;

// The model's elements and degrees of freedom in chain order, gathered
// once per run.  Every link of a long chain costs a cache miss, and a run
// goes over both chains many times; the phases that take a Modellfolge go
// over it instead (without one, they walk the chains themselves).
struct Modellfolge {
    std::vector<Element*> Elemente;
    std::vector<Freiheitsgrad*> Freiheitsgrade;
};
Modellfolge ModellfolgeSammeln(const System* sys);
// `folge` itself, or the current System's chains gathered into `ersatz`.
const Modellfolge& ModellfolgeVon(const Modellfolge* folge, Modellfolge& ersatz);

// Builds the model of the current System: cuts, elements, load transfer,
// division.  Reports "kein System !" for a System without bars.  Returns
// false (after a message) when a bar lacks its points or degrees of freedom;
// the model then stays empty.
// With `folge`, its elements and degrees of freedom in chain order come
// along without a walk over the chains.
bool KernmodellErzeugen(Modellfolge* folge = nullptr);
// Frees every node, element and model degree of freedom; the chain heads stay.
void KernmodellLeeren();
void KernmodellLeeren(System* sys);

// The first node at exactly (x, y), or a new one.  Inside KernmodellErzeugen
// the search goes through a hash index with the same result.
Knoten* KnotenSuchenOderAnlegen(double x, double y);
// For a number other than -1 the first model degree of freedom with that
// Nummer (any Richtung); else, and when none exists, a new one.
Freiheitsgrad* FreiheitsgradSuchenOderAnlegen(int richtung, long nummer);
// Angle, length, cos and sin from the element's nodes.
void ElementGeometrie(Element* e);
// Divides every element into System::Stabteilungen equal pieces.
void ElementeUnterteilen();
