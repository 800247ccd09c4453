// Creation, lookup, numbering and deletion of Systems and their records.
//
// Every operation names the System it works on; which System the user sees
// is the window's business.  New records are entered first in their chain;
// numbers are the smallest free number >= 0 of their chain unless one is
// given.  Every change is reported (core/aenderungen.h).
#pragma once

#include <new>

#include "core/datenmodell.h"

// ------------------------------------------------------------ creation
// A new System with the default settings, entered in Programm.Systeme
// with the next Systemnummer; "System erzeugt.".
System* SystemErzeugen();
Punkt* PunktErzeugen(System& sys, double x, double y, long nummer);  // nummer -1 = free number
// Interactive creation: Aenderungen + 1; the default material and
// cross-section when they are set and in the catalogues, else the bar
// comes back marked and without them, for the user to choose.
Stab* StabErzeugen(System& sys);
// Whether StabErzeugen gives new bars the defaults.
bool StandardwerteAnwendbar();
Stab* StabAnlegen(System& sys);               // for the file reader
Stab* StabAnlegen(System& sys, long nummer);  // with a given number (file reader)
Freiheitsgrad* FreiheitsgradAnlegen(System& sys, Stab* stab, int slot);
Lastfall* LastfallErzeugen(System& sys, long nummer, const char* name, long kennung);
Punktlast* PunktlastErzeugen(System& sys, long lastfall, long kennung);
Streckenlast* StreckenlastErzeugen(System& sys, long lastfall, long kennung);
Lastfallkombination* KombinationErzeugen(System& sys, long nummer);
long KennungVergeben();

// ------------------------------------------------------------ lookup
Punkt* PunktSuchen(Kette punkte, long nummer);
Freiheitsgrad* FreiheitsgradSuchen(Kette freiheitsgrade, long nummer);
Stab* StabSuchen(const System& sys, long nummer);
// In the program's catalogues.
Material* MaterialSuchen(long nummer);
Querschnitt* QuerschnittSuchen(long nummer);
Lastfall* LastfallSuchen(const System& sys, long kennung);
Punktlast* PunktlastSuchen(const System& sys, long kennung);
Streckenlast* StreckenlastSuchen(const System& sys, long kennung);
long LastfallKennung(const System& sys, long nummer);  // -1 if none
long LastfallNummer(const System& sys, long kennung);  // -1 if none
Lastfallkombination* KombinationSuchen(const System& sys, long nummer);
// The open System with this Systemnummer, or null.
System* SystemMitNummer(long systemnummer);
// The newest open System, or null.
System* NeuestesSystem();

long FreiePunktnummer(const System& sys);
long FreieStabnummer(const System& sys);
long FreieLastfallnummer(const System& sys);
long FreieKombinationsnummer(const System& sys);
long FreieFreiheitsgradnummer(const System& sys);

// ------------------------------------------------------------ deletion
// Frees the System with everything it owns and takes it out of
// Programm.Systeme; "System und Belastung gelöscht ".
void SystemLoeschen(System* system);
void StaebeLoeschen(System& sys, Stapel* staebe);  // Stapel of Stab*
void PunktFreigeben(System& sys, Punkt* punkt);
int FreiheitsgradFreigeben(System& sys, Freiheitsgrad* fg);
void FreiheitsgradLoeschen(System& sys, long nummer);
void LastfallLoeschen(System& sys, long nummer);
void PunktlastLoeschen(System& sys, long kennung);
void StreckenlastLoeschen(System& sys, long kennung);
void KombinationLoeschen(System& sys, long nummer);
// Frees the result records of a bar (links and records).
void ErgebnisseLoeschen(Stab* stab);
// Removes every result of the System: the records of all bars and what the
// run kept of the System as a whole (its theory, the critical load factor).
void SystemergebnisseLoeschen(System& sys);

// Allocation that ends the program on exhaustion ("Velko : MemFault").
[[noreturn]] void Speicherfehler();

// A zero-filled record; ends the program when memory is exhausted.
template <class T>
T* NeuerDatensatz() {
    T* p = new (std::nothrow) T{};
    if (!p) Speicherfehler();
    return p;
}
