// Load cases, combinations and the loads of one bar: the operations behind
// the "Lastfälle" dialog and the load editor, without the toolkit.
//
// Every operation works on the System it is given.  The dialogs identify
// records through their list lines; the helpers here write those lines and
// read the number back.
#pragma once

#include <string>
#include <vector>

#include "core/datenmodell.h"

// ------------------------------------------------------------ list lines
std::string LastfallZeile(const Lastfall& lf);                 // "%3ld %5.2f %s"
std::string KombinationZeile(const Lastfallkombination& k);    // "%3ld  %s"
std::string StreckenlastZeile(const System& sys, const Streckenlast& l);          // "%ld [SL] LF %ld  %s"
std::string PunktlastZeile(const System& sys, const Punktlast& l);                // "%ld [PL] LF %ld  %s"
std::string TemperaturlastZeile(const System& sys, const Temperaturlast& l);      // "%ld [TL] LF %ld  %s"
// The number a list line begins with.  The whole leading number is read,
// not a fixed count of characters: numbers of four digits and identifiers
// of nine would otherwise be cut and name another record.  -1 when the
// line does not begin with a number.
long ZeilenNummer(const char* zeile);

// A typed real value as by atof (text that is no number counts as 0);
// false for "nan" and "inf", which would poison every result.
bool ZahlLesen(const char* text, double& wert);

// ------------------------------------------------------------ load cases
// Sets Aktiv of every load case: 1 when its number is in `aktiveNummern`,
// else -1.  Counts as one change when any load case changed.
void LastfaelleAktivieren(System& sys, const std::vector<long>& aktiveNummern);
// Gewicht or Name of every load case with one of these numbers; counts as a
// change when one was found.
void LastfaelleGewichten(System& sys, const std::vector<long>& nummern, double gewicht);
void LastfaelleBenennen(System& sys, const std::vector<long>& nummern, const char* name);
// A copy of the load case with this identifier and of all its loads, with
// the smallest free number and the name followed by "(neu)" (the source
// name is shortened so that the suffix still fits).  Null if there is none.
Lastfall* LastfallKopieren(System& sys, long kennung);
// Copies every active load case, in chain order; returns the copies.
std::vector<Lastfall*> AktiveLastfaelleKopieren(System& sys);

// ------------------------------------------------------------ combinations
// A new combination (nummer -1 = the smallest free one) whose shares are the
// active load cases with their weights, in chain order.  Counts as a change.
Lastfallkombination* KombinationAusAktiven(System& sys, long nummer);
// Replaces the shares of a combination by the active load cases, keeping
// number and name.  False when there is no such combination.
bool KombinationAendern(System& sys, long nummer);
bool KombinationBenennen(System& sys, long nummer, const char* name);
// Makes exactly the load cases of this combination active, with the
// combination's factors as weights; the others become inactive.
void KombinationAktivieren(System& sys, long nummer);
// The same without a change report: for a run that computes combination by
// combination and puts the load cases back itself before it returns.
void KombinationAnwenden(System& sys, long nummer);

// ------------------------------------------------------------ loads of a bar
// Angles are typed in degrees and stored in radians, with this value of pi
// so that stored files keep the values they always had.
constexpr double LAST_PI = 3.141592654;
double GradNachBogen(double grad);
double BogenNachGrad(double bogen);
// The length a point-load position refers to: the bar length (lokal) or
// its horizontal projection (global, may be negative or 0).
double Bezugslaenge(const Stab& stab, long positionsbezug);

// What the input groups hold: positions in metres, angles in degrees.
struct Punktlastwerte {
    std::string Name;
    long Art = ART_KRAFT;
    double Groesse = 0;
    double Winkel = 0;
    long Koordinatensystem = KOORD_LOKAL;
    double Position = 0;
    long Positionsbezug = KOORD_LOKAL;
};
struct Streckenlastwerte {
    std::string Name;
    double GroesseA = 0, GroesseB = 0;
    double PositionA = 0, PositionB = 0;
    double Winkel = 0;
    long Koordinatensystem = KOORD_LOKAL;
};
// Temperatures in K; a temperature load always acts over the whole bar.
struct Temperaturlastwerte {
    std::string Name;
    double DeltaT = 0, DeltaTM = 0;
};

// Which input a refused entry blames.
enum class Lastfehler { Keiner, Position, PositionA, PositionB, Reihenfolge, Zahl };
// The message of a refusal ("" for Keiner).
const char* LastfehlerText(Lastfehler fehler);

// Checks the values and gives the relative positions.  A reference length
// of 0 and values that are no finite number are refused: they would put
// "nan" into the System.
Lastfehler PunktlastPruefen(const Stab& stab, const Punktlastwerte& w, double& relativ);
Lastfehler StreckenlastPruefen(const Stab& stab, const Streckenlastwerte& w, double& a, double& b);
Lastfehler TemperaturlastPruefen(const Temperaturlastwerte& w);

// Enters the load once per load case (identifiers), in that order; an
// identifier that names no load case is skipped.  An empty name becomes "-".
Lastfehler PunktlastEintragen(System& sys, const Stab& stab, const Punktlastwerte& w, const std::vector<long>& lastfaelle,
                              std::vector<long>* neu = nullptr);
Lastfehler StreckenlastEintragen(System& sys, const Stab& stab, const Streckenlastwerte& w,
                                 const std::vector<long>& lastfaelle, std::vector<long>* neu = nullptr);
Lastfehler TemperaturlastEintragen(System& sys, const Stab& stab, const Temperaturlastwerte& w,
                                   const std::vector<long>& lastfaelle, std::vector<long>* neu = nullptr);
// Overwrites the load with this identifier (its load case and identifier
// stay).  A point load keeps an empty name as typed, a distributed or
// temperature load gets "-".  False in `gefunden` when there is no such load
// of that type.
Lastfehler PunktlastAendern(System& sys, long kennung, const Stab& stab, const Punktlastwerte& w, bool& gefunden);
Lastfehler StreckenlastAendern(System& sys, long kennung, const Stab& stab, const Streckenlastwerte& w, bool& gefunden);
Lastfehler TemperaturlastAendern(System& sys, long kennung, const Temperaturlastwerte& w, bool& gefunden);
// The input values of a stored load (inverse of the above).
Punktlastwerte PunktlastWerte(const Punktlast& l, const Stab& stab);
Streckenlastwerte StreckenlastWerte(const Streckenlast& l, const Stab& stab);
Temperaturlastwerte TemperaturlastWerte(const Temperaturlast& l);

// Moves or copies the load with this identifier (a point load first, else a
// distributed load, else a temperature load) into the load case with this
// number.  False when no load case has that number or there is no such load.
bool LastVerschieben(System& sys, long kennung, long lastfallnummer);
bool LastKopieren(System& sys, long kennung, long lastfallnummer);

// The list lines of the loads of a bar in the given load cases
// (identifiers): distributed loads first, then point loads, then
// temperature loads, chain order.
std::vector<std::string> LastenZeilen(const System& sys, long stabnummer, const std::vector<long>& lastfaelle);
