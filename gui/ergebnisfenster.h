// The results window ("Ergebnisse") with the text listing of bars, and its
// print dialog.
#pragma once

#include "core/datenmodell.h"

// Writes the listing of these bars of the System into the temporary file,
// reads it back and shows it in a new results window.
void ErgebnisseZeigen(System& system, Kette staebe);

// Starts the print command on a file; failures are shown as alerts.
void DruckauftragStarten(const char* datei, const char* kommando);
