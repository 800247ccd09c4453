// A picture of everything a user edits in a System: its records with the
// references between them and its settings, held as plain values so that
// the System can be given back exactly that state later (undo and redo).
//
// Not in the picture: the file name, the change counter and the number of
// the System in this run (they belong to the System's life, not to its
// model), the grid and snap settings (how the System is looked at), the
// marking of bars, and the results of the last analysis (the bars' result
// records, the computed values of the degrees of freedom, the theory and
// critical load factor kept with the System).  Restoring
// keeps those as they are, for every record that is still there.
//
// Pictures of one System taken one after another share every part that did
// not change (points, bars, loads ... each are one block), so a history of
// many small steps costs little more than one copy of the System.
#pragma once

#include <cstddef>
#include <memory>
#include <vector>

#include "core/datenmodell.h"

class Systemabbild {
public:
    // An empty picture (of no System); restoring it is not meaningful.
    Systemabbild() = default;

    // The model of the System now.  Blocks equal to those of `vorgaenger`
    // are shared with it instead of being copied again.  May throw
    // std::bad_alloc; the System is not touched.
    static Systemabbild Aufnehmen(const System& sys, const Systemabbild* vorgaenger = nullptr);

    // Gives the System the records and settings of the picture; the System
    // stays the same object.  Every record is made anew from the picture and
    // every old one is freed, so nothing may keep a pointer to a record
    // across this call.  Bars and degrees of freedom that carry the number of
    // a present one take over its marking and results (result positions move
    // with the bar's start point); the others come back unmarked and without
    // results.
    void Wiederherstellen(System& sys) const;

    // Same model (results and marking do not count).
    bool operator==(const Systemabbild& anderes) const;

    // Bytes held by the blocks of this picture that `anderes` does not share
    // (all of them for null).
    std::size_t Eigengroesse(const Systemabbild* anderes) const;

private:
    struct Stabeintrag {
        Stab Daten;         // pointers cleared, unmarked
        long PunktA, PunktB;  // index in the points, -1 = none
        long Fg[6];           // index in the degrees of freedom, -1 = none
    };
    struct Kombinationseintrag {
        Lastfallkombination Daten;  // Anteile cleared
        bool MitAnteilen;
        std::vector<Anteil> Anteile;
    };
    struct Relationseintrag {
        long Erster, Zweiter;  // index in the degrees of freedom
    };
    template <class T>
    using Block = std::shared_ptr<const std::vector<T>>;

    template <class T>
    static void Teilen(Block<T>& block, const Block<T>& vorher);
    template <class T>
    static bool Gleich(const Block<T>& a, const Block<T>& b);
    template <class T>
    static std::size_t Bytes(const Block<T>& block, const Block<T>& geteilt);

    System kopf_{};         // the settings; chains, file name, counters cleared
    unsigned ketten_ = 0;   // which chains exist (an empty chain is not a missing one)
    Block<Punkt> punkte_;
    Block<Freiheitsgrad> freiheitsgrade_;
    Block<Stabeintrag> staebe_;
    Block<Lastfall> lastfaelle_;
    Block<Punktlast> punktlasten_;
    Block<Streckenlast> streckenlasten_;
    Block<Temperaturlast> temperaturlasten_;
    Block<Kombinationseintrag> kombinationen_;
    Block<Relationseintrag> relationen_;
};
