// Creation, lookup, numbering and deletion of Systems and their records.
//
// Every operation works on Programm.AktuellesSystem unless it names a System.
// New records are entered first in their chain; numbers are the smallest
// free number >= 0 of their chain unless one is given.
#pragma once

#include <new>

#include "core/datenmodell.h"

// ------------------------------------------------------------ creation
System* SystemErzeugen();                       // "System erzeugt."
Punkt* PunktErzeugen(double x, double y, long nummer);  // nummer -1 = free number
Stab* StabErzeugen();    // interactive creation: Aenderungen + 1, defaults or dialog
Stab* StabAnlegen();     // for the file reader
Stab* StabAnlegen(long nummer);  // with a given number (file reader)
Freiheitsgrad* FreiheitsgradAnlegen(Stab* stab, int slot);
Lastfall* LastfallErzeugen(long nummer, const char* name, long kennung);
Punktlast* PunktlastErzeugen(long lastfall, long kennung);
Streckenlast* StreckenlastErzeugen(long lastfall, long kennung);
Lastfallkombination* KombinationErzeugen(long nummer);
long KennungVergeben();

// ------------------------------------------------------------ lookup
Punkt* PunktSuchen(Kette punkte, long nummer);
Freiheitsgrad* FreiheitsgradSuchen(Kette freiheitsgrade, long nummer);
Stab* StabSuchen(long nummer);
Material* MaterialSuchen(long nummer);
Querschnitt* QuerschnittSuchen(long nummer);
Lastfall* LastfallSuchen(long kennung);
Punktlast* PunktlastSuchen(long kennung);
Streckenlast* StreckenlastSuchen(long kennung);
long LastfallKennung(long nummer);  // -1 if none
long LastfallNummer(long kennung);  // -1 if none
Lastfallkombination* KombinationSuchen(long nummer);

long FreiePunktnummer();
long FreieStabnummer();
long FreieLastfallnummer();
long FreieKombinationsnummer();
long FreieFreiheitsgradnummer();

// ------------------------------------------------------------ deletion
void SystemLoeschen(System* system);  // "System und Belastung gelöscht "
void StaebeLoeschen(Stapel* staebe);  // Stapel of Stab*
void PunktFreigeben(Punkt* punkt);
int FreiheitsgradFreigeben(Freiheitsgrad* fg);
void FreiheitsgradLoeschen(long nummer);
void LastfallLoeschen(long nummer);
void PunktlastLoeschen(long kennung);
void StreckenlastLoeschen(long kennung);
void KombinationLoeschen(long nummer);
// Frees the result records of a bar (links and records).
void ErgebnisseLoeschen(Stab* stab);

// ------------------------------------------------------------ menu actions
// "neues System": create, make current, enter in the choice, Modus 1.
System* NeuesSystem();
// "System schließen": removes the current System; afterwards another open
// System (the newest) or none is current.
void AktuellesSystemSchliessen();
// Makes the System with this Systemnummer current (systems choice).
bool SystemAuswaehlen(long systemnummer);

// Allocation that ends the program on exhaustion ("Velko : MemFault").
[[noreturn]] void Speicherfehler();

// A zero-filled record; ends the program when memory is exhausted.
template <class T>
T* NeuerDatensatz() {
    T* p = new (std::nothrow) T{};
    if (!p) Speicherfehler();
    return p;
}
