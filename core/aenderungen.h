// What the operations changed: the one way news travels from the model to
// whoever shows or keeps it.
//
// Every operation that changes a System or the catalogues reports it here
// with the kinds of change; nothing in the model calls the user interface.
// The program installs one receiver.  The window's receiver collects the
// reports of one user action into one change set (an Aenderungssatz) and
// acts on it once, when the toolkit is idle again: it redraws, refills the
// lists, and is the single place that learns whether results became
// outdated and where an undo step would end.
#pragma once

#include <utility>
#include <vector>

struct System;

// Kinds of change, as bits of one word.
enum Aenderungsart : unsigned {
    AENDERUNG_PUNKTE = 1u << 0,          // points created, deleted, moved one by one
    AENDERUNG_STAEBE = 1u << 1,          // bars created, deleted, reconnected
    AENDERUNG_FREIHEITSGRADE = 1u << 2,  // supports, springs, couplings, prescribed values, angles
    AENDERUNG_LASTFAELLE = 1u << 3,      // load cases created or deleted, weights, activity
    AENDERUNG_LASTEN = 1u << 4,          // point and distributed loads
    AENDERUNG_KOMBINATIONEN = 1u << 5,   // load-case combinations and their shares
    AENDERUNG_ZUORDNUNG = 1u << 6,       // material or cross-section of bars
    AENDERUNG_KATALOG = 1u << 7,         // catalogue entries (program-wide)
    AENDERUNG_TEILUNG = 1u << 8,         // Stabteilungen
    AENDERUNG_NAMEN = 1u << 9,           // names of load cases and combinations
    AENDERUNG_LAGE = 1u << 10,           // "System verschieben": every point and result moved alike
    AENDERUNG_RASTER = 1u << 11,         // grid and snap settings
    AENDERUNG_MARKIERUNG = 1u << 12,     // marked bars
    AENDERUNG_ERGEBNISSE = 1u << 13,     // an analysis wrote new results
    AENDERUNG_DATEI = 1u << 14,          // file name or saved state
    AENDERUNG_SYSTEME = 1u << 15,        // a System created, read or deleted
    AENDERUNG_MASSSTAB = 1u << 16,       // the drawing scales (program-wide, read with a System)
};

// The kinds that make the results of the last analysis invalid.  Moving the
// whole System keeps them (the results move along), names, grid, marking
// and the file do not touch them.
constexpr unsigned ERGEBNISRELEVANT = AENDERUNG_PUNKTE | AENDERUNG_STAEBE | AENDERUNG_FREIHEITSGRADE |
                                      AENDERUNG_LASTFAELLE | AENDERUNG_LASTEN | AENDERUNG_KOMBINATIONEN |
                                      AENDERUNG_ZUORDNUNG | AENDERUNG_KATALOG | AENDERUNG_TEILUNG;

// The kinds that a user would take back as an edit: everything of the
// model and its settings, not the marking, new results or saving, and not
// the grid and snap, which say how the System is looked at and drawn on,
// like the zoom.
constexpr unsigned BEARBEITUNG = ERGEBNISRELEVANT | AENDERUNG_NAMEN | AENDERUNG_LAGE;

// The changes of one user action, by System.  A catalogue change names no
// System (it concerns every System whose bars use the entry).
class Aenderungssatz {
public:
    void Hinzufuegen(const System* system, unsigned arten);
    // A deleted System leaves the set: nobody may look at it afterwards.
    void SystemEntfernen(const System* system);

    bool Leer() const { return alle_ == 0; }
    // Every kind reported, over all Systems.
    unsigned Arten() const { return alle_; }
    // The kinds reported for this System, plus the program-wide ones.
    unsigned ArtenVon(const System* system) const;
    bool ErgebnisseBetroffen() const { return (alle_ & ERGEBNISRELEVANT) != 0; }
    // The Systems named, in the order of their first report.
    const std::vector<std::pair<const System*, unsigned>>& Systeme() const { return systeme_; }

private:
    unsigned alle_ = 0;
    unsigned programmweit_ = 0;
    std::vector<std::pair<const System*, unsigned>> systeme_;
};

class Aenderungsempfaenger {
public:
    virtual ~Aenderungsempfaenger() = default;
    // `system` is null for a program-wide change.
    virtual void Geaendert(const System* system, unsigned arten) = 0;
    // The System is about to be freed; nothing may keep pointing at it.
    virtual void SystemGeloescht(const System* system) = 0;
};

// Collects reports until they are taken; for the window and for tests.
class Aenderungssammler : public Aenderungsempfaenger {
public:
    void Geaendert(const System* system, unsigned arten) override;
    void SystemGeloescht(const System* system) override { satz_.SystemEntfernen(system); }
    // The set collected so far; the collector starts empty again.
    Aenderungssatz Abholen();
    const Aenderungssatz& Satz() const { return satz_; }

private:
    Aenderungssatz satz_;
};

// Installs the receiver (null = none, reports are dropped).  Returns the
// previous one.
Aenderungsempfaenger* AenderungsempfaengerSetzen(Aenderungsempfaenger* empfaenger);

// Called by every operation that changed something.
void AenderungMelden(const System* system, unsigned arten);
// Called by SystemLoeschen before the System is freed (counts as
// AENDERUNG_SYSTEME).
void SystemGeloeschtMelden(const System* system);
