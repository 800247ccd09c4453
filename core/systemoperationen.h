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
Temperaturlast* TemperaturlastErzeugen(System& sys, long lastfall, long kennung);
Lastfallkombination* KombinationErzeugen(System& sys, long nummer);
long KennungVergeben();

// The number of pieces every bar is divided into for the analysis;
// reported only when it changes.
void StabteilungenSetzen(System& sys, long anzahl);

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
Temperaturlast* TemperaturlastSuchen(const System& sys, long kennung);
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
void TemperaturlastLoeschen(System& sys, long kennung);
void KombinationLoeschen(System& sys, long nummer);
// Frees the result records of a bar (links and records).
void ErgebnisseLoeschen(Stab* stab);

// Exhausted memory while creating a record: ends the program ("Velko :
// MemFault"), or, inside a SpeicherfehlerAbfangen, throws std::bad_alloc.
[[noreturn]] void Speicherfehler();

// While one exists, Speicherfehler throws std::bad_alloc instead of ending
// the program, so that an analysis run can stop with a message and leave
// every open System intact.  Code inside must free what it allocated when
// the exception passes (owners, or records entered in their chain at once).
class SpeicherfehlerAbfangen {
public:
    SpeicherfehlerAbfangen();
    ~SpeicherfehlerAbfangen();
    SpeicherfehlerAbfangen(const SpeicherfehlerAbfangen&) = delete;
    SpeicherfehlerAbfangen& operator=(const SpeicherfehlerAbfangen&) = delete;
};

// For tests of the failure paths: the n-th allocation of a record or chain
// link from now on fails as if memory were exhausted; 0 = none.
void ZuteilungsfehlerNach(long n);
// Whether the allocation about to be made is the one to fail (counts it).
bool ZuteilungVersagt();

// A zero-filled record; Speicherfehler() when memory is exhausted.
template <class T>
T* NeuerDatensatz() {
    T* p = ZuteilungVersagt() ? nullptr : new (std::nothrow) T{};
    if (!p) Speicherfehler();
    return p;
}
