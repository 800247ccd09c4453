// The results window ("Ergebnisse") with the text listing of bars, and its
// print dialog.
#pragma once

#include "core/datenmodell.h"

// Writes the listing of these bars of the System into the temporary file,
// reads it back and shows it in a new results window.
void ErgebnisseZeigen(System& system, Kette staebe);
// Closes the results windows of this System (it is being closed).
void ErgebnisfensterSchliessen(const System& system);
// Frees every results window at once (the program ends; no callback of a
// results window is running).
void ErgebnisfensterFreigeben();

// Starts the print command on a file; failures are shown as alerts.
void DruckauftragStarten(const char* datei, const char* kommando);
