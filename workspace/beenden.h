// The decisions of "Beenden": which modified Systems to ask about, what each
// answer does, and whether the program may end.
//
// The toolkit-bound parts (the question, the file selector behind saving,
// writing the catalogues) come in as functions, so the sequence can be
// checked without a display.
#pragma once

#include <functional>

struct System;

// The answers of the exit question, in the order of its buttons.
enum class Beendenantwort { SpeichernUndBeenden = 1, Beenden = 2, Abbruch = 3 };

struct Beendenablauf {
    // Writes the cross-section and the material catalogue.
    std::function<void()> KatalogeSchreiben;
    // Makes the System current before it is asked about (and saved).
    std::function<void(System*)> Aktivieren;
    // Asks about the current, modified System.
    std::function<Beendenantwort(System*)> Fragen;
    // Saves the current System; false when nothing was written (a failed
    // write or a cancelled file selector).
    std::function<bool(System*)> Sichern;
};

// Runs the exit sequence up to the point of ending the program.  Returns
// true when the program may end, false when it has to keep running: the
// user cancelled, or a save that was asked for failed (ending then would
// lose the changes).  Systems without changes are not asked about.
bool BeendenPruefen(const Beendenablauf& ablauf);

// "System schließen" of a modified System asks the same way before the
// changes are thrown away.  True when the System may be closed: it has no
// changes, the user agreed to drop them, or it was saved.
bool SchliessenPruefen(System* system, const std::function<Beendenantwort(System*)>& fragen,
                       const std::function<bool(System*)>& sichern);
