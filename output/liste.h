// The text listing of a computed System and the tab-delimited bar table.
//
// Both writers are free of the toolkit: the results window, the print dialog,
// the export dialog and the batch program call them with a stdio stream or a
// path.  All text is ISO 8859-1; most lines end in "\n\r" (line feed, then
// carriage return), which printers of the listing expect.
#pragma once

#include <cstdio>
#include <string>

#include "core/datenmodell.h"

// Writes the listing of the given bars of `system`: the active load cases,
// the extrema over these bars, then every bar in ascending number (the chain
// itself is reordered) with geometry, cross-section, material, loads,
// internal forces and displacements at ten points and its extrema.  An
// absent or empty chain writes nothing.
void ListeAusgeben(FILE* datei, System* system, Kette staebe);

// The "Tab Delimited" export: end coordinates of every bar of `system` in
// chain order.
void TabelleAusgeben(FILE* datei, const System* system);

// Write to a path through a temporary file beside it, so that a failure
// never destroys an older file of that name.  False when the file could not
// be written completely.
bool ListeSchreiben(const char* pfad, System* system, Kette staebe);
bool TabelleSchreiben(const char* pfad, const System* system);

// ------------------------------------------------- temporary files
// The results window shows the listing by way of a file in the temporary
// directory of the path settings; printing writes the (edited) text to a
// second one.
inline constexpr const char* LISTE_TEMPDATEI = "tmp_datei";
inline constexpr const char* DRUCK_TEMPDATEI = "tmp_datei2";

// "<Tempverzeichnis>/<name>" of the path settings.
std::string TempDateipfad(const char* name);

// Writes the listing of `staebe` of `system` into the temporary file
// LISTE_TEMPDATEI and reads it back completely into `text`.  On failure
// reports "Ausgabe ist nicht möglich. Temp. Datei konnte nicht geschrieben
// werden !" or "... geöffnet werden !" and returns false.
bool ListeAlsText(System* system, Kette staebe, std::string& text);
