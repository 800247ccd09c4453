// Chains and stacks: the two containers that carry every collection.
//
// A Kette is a circular doubly linked chain of untyped element pointers with
// a head link whose element is null.  Elements are entered first, so a chain
// runs from the newest element to the oldest; writing a chain to a file and
// reading it back therefore reverses it.  A null Kette means "no chain yet".
//
// A Stapel is a 1-based growable pointer array; slot 0 is the search
// sentinel.  Capacities grow 0, 1, 2, 4, 8, ... and shrink by halves.
// Neither container copies or frees elements unless an operation says so.
#pragma once

#include <cstddef>

struct Glied {
    Glied* prev;
    Glied* next;
    void* element;
};

using Kette = Glied*;

// Comparison: 0 = first argument must come before the second,
// 2 = it must not and the scan may stop, 1 = it must not, scan goes on.
using KeVergleich = int (*)(void* a, void* b);

Kette KetteDefinieren();
void KetteLoeschen(Kette kette);
void KeElementEintragen(void* element, int position, Glied* glied);
void KeGliedEintragen(Glied* neu, int position, Glied* glied);
void* KeElementAustragen(Glied* glied);
void KeGliedAustragen(Glied* glied);
void KeElementEinsortieren(Kette kette, KeVergleich vergleich, void* element);
void KeSchnellSortieren(Kette kette, KeVergleich vergleich);
void KeMSort(Glied* links, Glied* rechts, KeVergleich vergleich);

// Convenience used by every owner: creates the chain on first use and
// enters the element first (KeElementEintragen(element, 0, head)).
void KeVorneEintragen(Kette& kette, void* element);
// Number of elements; 0 for a null chain.  It walks the whole chain.
long KeAnzahl(Kette kette);
// Whether the chain is absent or has no element, without walking it.
inline bool KeLeer(Kette kette) { return !kette || kette->next == kette; }

// Typed traversal of a chain, from the first link to the last
// (for (Punkt* p : Elemente<Punkt>(k))) or backwards (ElementeRueckwaerts).
// The next link is taken before the body runs, so the body may unlink and
// free the current element (but no other).
template <class T, bool Vorwaerts>
class KettenDurchlauf {
public:
    explicit KettenDurchlauf(Kette kette) : kopf_(kette) {}
    class Iter {
    public:
        Iter(Glied* g, Glied* kopf) : g_(g), kopf_(kopf), n_(Folgendes(g)) {}
        T* operator*() const { return static_cast<T*>(g_->element); }
        Iter& operator++() {
            g_ = n_;
            n_ = Folgendes(g_);
            return *this;
        }
        bool operator!=(const Iter& o) const { return g_ != o.g_; }
    private:
        Glied* Folgendes(Glied* g) const {
            if (!g || g == kopf_) return nullptr;
            return Vorwaerts ? g->next : g->prev;
        }
        Glied* g_;
        Glied* kopf_;
        Glied* n_;
    };
    Iter begin() const {
        if (!kopf_) return Iter(nullptr, nullptr);
        return Iter(Vorwaerts ? kopf_->next : kopf_->prev, kopf_);
    }
    Iter end() const { return Iter(kopf_, kopf_); }
private:
    Kette kopf_;
};

template <class T>
using Elemente = KettenDurchlauf<T, true>;
template <class T>
using ElementeRueckwaerts = KettenDurchlauf<T, false>;

// ---------------------------------------------------------------- Stapel

struct Stapel {
    void** items;  // slots 1..top hold elements, slot 0 is the search sentinel
    int capacity;  // the array has capacity + 1 slots
    int top;
};

struct Paar {
    void* first;
    void* second;
};

using StapelPraedikat = int (*)(void* element, void* wert);
using RelationPraedikat = int (*)(void* a, void* b, void* wert);
using Freigabe = void (*)(void* element);

Stapel* StapelAnlegen();
void StapelFreigeben(Stapel* s);
// Frees every element from the top down with `freigabe`, then the Stapel.
void StapelLoeschen(Stapel* s, Freigabe freigabe);
Stapel* StapelKopieren(const Stapel* s);
void StapelEintragen(Stapel* s, void* element);
void* StapelEntnehmen(Stapel* s);
int StapelSuchen(Stapel* s, void* element);
void StapelAufnehmen(Stapel* s, void* element);
void StapelAustragen(Stapel* s, void* element);
int StapelIstTeilmenge(Stapel* a, Stapel* b);
int StapelIstEchteTeilmenge(Stapel* a, Stapel* b);
int StapelGleich(Stapel* a, Stapel* b);
Stapel* StapelSchnitt(Stapel* a, Stapel* b);
Stapel* StapelVereinigung(Stapel* a, Stapel* b);
Stapel* StapelDifferenz(Stapel* a, Stapel* b);
Stapel* StapelAuswaehlen(Stapel* a, StapelPraedikat praedikat, void* wert);

// Relations: Stapel of Paar*, pairs compared by the identity of both values.
int PaarSuchen(Stapel* r, void* first, void* second);
int PaarAufnehmen(Stapel* r, void* first, void* second);
void PaarAustragen(Stapel* r, void* first, void* second);
Stapel* RelationBilden(Stapel* a, Stapel* b, RelationPraedikat praedikat, void* wert);
void RelationReflexiv(Stapel* r);
void RelationSymmetrisch(Stapel* r);
void RelationTransitiv(Stapel* r);
// Frees all pairs and the relation.
void RelationLoeschen(Stapel* r);
