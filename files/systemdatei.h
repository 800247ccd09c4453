// The system file "*.sysdat" (format version 1) and its scale file
// "%s.massdat" beside it.
//
// The file is plain text in the "C" numeric locale, one value per token;
// names are written with every blank replaced by '_' and read back with the
// '_'.  Chains are written from first to last link and entered first again on
// reading, so every save and re-read reverses their order.
//
// Reading is all or nothing: the whole file is checked before the System is
// built, so a damaged file leaves no half-read System behind and never ends
// the program.  Writing goes to a temporary file beside the target that
// replaces it only after a complete, checked write.
#pragma once

#include <functional>
#include <string>

struct System;

constexpr const char* SYSTEMDATEI_ENDUNG = ".sysdat";

// Reads a system file into a new System (entered in Programm.Systeme, with
// no changes counted) and reads its scale file.  Returns the System, or
// null (after reporting) when the file cannot be read or is damaged; then
// no System was created.  No other System is touched: which System the user
// works on is the caller's choice.  A null path returns null: asking for a
// file is the GUI's part.
System* SystemLesen(const char* pfad);

// Writes the System to `pfad` (".sysdat" appended unless present), then the
// scale file; sets Dateiname and resets Aenderungen.  Returns false (after
// reporting) when nothing was written; an existing file then stays as it
// was.
bool SystemSchreiben(System& system, const char* pfad);

// The bytes SystemSchreiben would write, without a file and without
// touching the System (its file name and change counter stay).
std::string SystemdateiInhalt(const System& system);

// The path the System is written to: `pfad` with ".sysdat" appended unless
// it already ends in it.
std::string SystemdateiPfad(const char* pfad);

// What "System sichern" and "System sichern als ..." have to do next.
enum class Sicherung {
    Verweigert,    // Modus 0 or no current System: nothing to save
    Schreiben,     // write to the System's Dateiname
    NameErfragen,  // ask for a file name first
};

// Decides without side effects; `als` is true for "System sichern als ...".
Sicherung SicherungEntscheiden(int modus, const System* system, bool als);

// Asks the user for a file name; an empty result means cancelled.
using Dateiauswahl = std::function<std::string()>;

// "System sichern" / "System sichern als ..." of the System the user works
// on (null for none) in interaction mode `modus`: refuses with "System
// speichern nicht möglich !", writes to Dateiname or asks with `auswahl`.
// Returns true when a file was written.
bool SystemSichern(int modus, System* system, const Dateiauswahl& auswahl);
bool SystemSichernAls(int modus, System* system, const Dateiauswahl& auswahl);
