// An analysis run that runs out of memory stops with a message; it never
// ends the program, which would take every open System with it.
#pragma once

#include <functional>

struct System;
class Berichtsempfaenger;

// Runs `lauf`, a whole run on `system`, so that exhausted memory (a record
// that could not be created, or std::bad_alloc from a container) stops the
// run: "Fehler beim Berechnen ! - zu wenig Speicher" is reported, the
// progress goes back to 0 and the System keeps no results at all, neither
// in its bars nor in the reactions and displacements of its degrees of
// freedom (a run cut short while storing them would leave a mixture).
// Everything the run allocated is freed on the way out.  Returns what
// `lauf` returned, false after a failure.
bool BeiSpeichermangelAbbrechen(System& system, Berichtsempfaenger& bericht, const std::function<bool()>& lauf);
