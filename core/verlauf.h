// Undo and redo: the history of the edits of one System.
//
// A step is whatever one user action changed, however many records that
// was.  The window closes a step once the change set of an event is
// complete (gui/auffrischung.cpp) and names it after the action
// ("Stab löschen"); the history keeps a picture of the System after every
// step (core/systemabbild.h), so undoing gives the System the picture before
// the step back.  Actions that end in the same model as before leave no
// step.  New edits after an undo drop the steps that could be redone.
//
// The history holds the last 200 steps, fewer when their pictures need
// more than 64 MB.  Creating, opening, closing or reading a System starts a
// new, empty one; the catalogues (program-wide) are no part of it.
#pragma once

#include <cstddef>
#include <deque>
#include <string>

#include "core/systemabbild.h"

class Verlauf {
public:
    static constexpr std::size_t SCHRITTE = 200;
    static constexpr std::size_t SPEICHER = 64u << 20;

    // An empty history starting from the System as it is now.
    explicit Verlauf(const System& sys, std::size_t schritte = SCHRITTE, std::size_t speicher = SPEICHER);

    // The open step changed these kinds (core/aenderungen.h); the first name
    // given to an open step stays its name.  The step stays open.
    void Vormerken(unsigned arten, const std::string& aktion);
    // Closes the open step: when the System's model differs from the state
    // after the last step, the change becomes a step (the redo steps go).
    // Returns true when a step was recorded.
    bool Schliessen(const System& sys, unsigned arten = 0, const std::string& aktion = "");

    // Takes the last step back / makes the last undone step again: the
    // System gets the model before / after it, the change counter grows,
    // the step's kinds of change are reported and "Rückgängig: <Aktion>" /
    // "Wiederhergestellt: <Aktion>" goes to the messages.  An open step is
    // closed first.  False when there is nothing to undo / redo.
    bool Rueckgaengig(System& sys);
    bool Wiederherstellen(System& sys);

    // Whether changes were noted (Vormerken) that no step holds yet.
    bool SchrittOffen() const { return offeneArten_ != 0; }
    bool KannRueckgaengig() const { return !zurueck_.empty(); }
    bool KannWiederherstellen() const { return !vor_.empty(); }
    // The action the next undo / redo would take back / make again ("" if none).
    std::string RueckgaengigAktion() const;
    std::string WiederherstellenAktion() const;
    std::size_t Rueckgaengigschritte() const { return zurueck_.size(); }
    std::size_t Wiederholschritte() const { return vor_.size(); }
    // Bytes the kept steps hold beyond the present state (an estimate from
    // above: parts shared between steps are counted once at least).
    std::size_t Belegt() const { return belegt_; }

private:
    struct Schritt {
        Systemabbild Zustand;  // undo: the model before the step; redo: after it
        std::string Aktion;
        unsigned Arten;
        std::size_t Kosten;
    };

    void Begrenzen();
    void Verwerfen(const System& sys);
    bool Zurueckholen(System& sys, std::deque<Schritt>& von, std::deque<Schritt>& nach, bool rueckgaengig);

    std::size_t maxSchritte_, maxSpeicher_;
    Systemabbild basis_;  // the model after the last step
    bool basisGueltig_ = false;
    std::deque<Schritt> zurueck_;  // oldest first
    std::deque<Schritt> vor_;      // the next to redo last
    std::size_t belegt_ = 0;
    unsigned offeneArten_ = 0;
    std::string offeneAktion_;
};

// The name of a step that no action named, from its kinds of change.
std::string AktionAusArten(unsigned arten);

// ------------------------------------------------------------ per System
// The histories of the open Systems.  SystemLoeschen ends a System's
// history; nothing else has to.
Verlauf& VerlaufBeginnen(const System& sys);
// The System's history, or null when none was begun.
Verlauf* VerlaufVon(const System* sys);
void VerlaufBeenden(const System* sys);
