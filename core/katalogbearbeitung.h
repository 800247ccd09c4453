// Editing the material and cross-section catalogues and giving their entries
// to bars.  The dialogs only read inputs and call these.
//
// Catalogue entries live for the whole run and reach their files at exit;
// a file that could not be read completely is never overwritten (see
// files/kataloge.h), so edits of such a catalogue stay in memory only.
#pragma once

#include <string>
#include <vector>

#include "core/datenmodell.h"

// One list line of a catalogue entry: number right-aligned in ten
// characters, two blanks, the name.
std::string Katalogzeile(long nummer, const char* name);
// The number at the head of a list line (its first ten characters, read as
// by atol); -1 for no line.
long KatalogzeileNummer(const char* zeile);

// New entries get an identifier from KennungVergeben and are entered first.
Material* MaterialNeu(const char* name, double eModul, double querkontraktion, double waermedehnzahl);
Querschnitt* QuerschnittNeu(const char* name, double flaeche, double traegheitsmoment, double maxY);
// Replace name and values of an existing entry; false when there is none.
bool MaterialWerteSetzen(long nummer, const char* name, double eModul, double querkontraktion,
                         double waermedehnzahl);
bool QuerschnittWerteSetzen(long nummer, const char* name, double flaeche, double traegheitsmoment,
                            double maxY);
// Remove and free an entry; bars that use it keep the number.
bool MaterialEntfernen(long nummer);
bool QuerschnittEntfernen(long nummer);

// The bars an assignment works on, kept by number together with their
// System: a bar deleted (or a System closed) while the dialog is open is
// then simply skipped instead of being written through a stale pointer.
struct Stabauswahl {
    long Systemnummer = 0;  // 0 = none (numbers start at 1)
    std::vector<long> Staebe;
};
// Adds a bar of the System to the selection; a selection of another System
// is replaced.
void StabauswahlErgaenzen(Stabauswahl& auswahl, const System& sys, const Stab* stab);
// The marked bars of the System.
Stabauswahl StabauswahlMarkierte(const System& sys);
// Every bar of the System.
Stabauswahl StabauswahlAlle(const System& sys);

// Give a catalogue entry to the bars of a selection.  Nothing happens when
// the entry is not in its catalogue; otherwise the System's Aenderungen
// grows by one.  Returns the number of bars reached, -1 when the entry is
// missing.
long MaterialZuweisen(const Stabauswahl& auswahl, long material);
long QuerschnittZuweisen(const Stabauswahl& auswahl, long querschnitt);

// A value for an input field in the given printf format ("%.3f", "%.3e",
// ...), or with ten significant digits when the short form would read back
// as another number: "Werte übernehmen" writes every field back, and a
// small thermal coefficient shown as "0.000" would otherwise be lost.
std::string KatalogwertText(const char* format, double wert);

// Bars drawn while the assignment dialog is open join its selection, so the
// earlier ones still get their entries; a selection of another System
// replaces it.
void StabauswahlVereinigen(Stabauswahl& ziel, const Stabauswahl& dazu);
