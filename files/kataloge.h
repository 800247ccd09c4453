// The material and cross-section catalogues: "material.dat" and
// "querschnitte.dat" in the catalogue directory.
//
// Layout, one value per line: the default number, the count, then per entry
// the number, the name (leading blank, blanks as '_') and three reals.
// Every entry read is entered first, so the order in the file reverses with
// every read and write cycle.
#pragma once

#include <string>

// Largest count a catalogue file may announce; anything above is treated as
// a damaged file.
constexpr long KATALOG_MAX_EINTRAEGE = 100000;

// Read the file of the catalogue directory (null = Pfade.Katalogverzeichnis)
// into the catalogue, replacing what it held (a file that cannot be opened
// leaves the catalogue as it was).  Return true when the file was read
// completely.  A file that exists but could not be read completely
// (short, damaged, unreadable) is remembered and not overwritten by the
// writers below, so the entries the program could not read are not lost.
bool MaterialienLesen(const char* verzeichnis = nullptr);
bool QuerschnitteLesen(const char* verzeichnis = nullptr);

// Write the catalogue to the file of the catalogue directory through a
// temporary file.  Return true when the file was replaced.
bool MaterialienSchreiben(const char* verzeichnis = nullptr);
bool QuerschnitteSchreiben(const char* verzeichnis = nullptr);

// Frees every entry of both catalogues.
void KatalogeLeeren();

// Whether the writer may replace this catalogue file (false after an
// incomplete read of that very file).
bool KatalogSchreibbar(const std::string& dateipfad);
