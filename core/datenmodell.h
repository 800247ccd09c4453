// The records of a structural system and of the two program-wide catalogues.
//
// Units: m, kN, kNm, kN/m, kN/m^2; angles in radians.  Relative positions
// along a bar run from 0 (PunktA) to 1 (PunktB).  Records are created
// zero-filled (value-initialised) by the operations in systemoperationen.h
// and freed only by their owner's delete operations.
#pragma once

#include "core/kette.h"

struct Umhuellende;

constexpr int NAME_KURZ = 52;   // load cases, combinations, catalogue entries
constexpr int NAME_LANG = 100;  // loads
constexpr int PFAD_LAENGE = 320;

// Freiheitsgrad.Status
constexpr long STATUS_PRIMAL = -1;   // support: displacement prescribed ("P")
constexpr long STATUS_DUAL = -2;     // free: displacement computed ("D")
constexpr long STATUS_NEGATIV = -3;  // solver only: negative pivot

struct Punkt {
    long SystemID;
    long Nummer;
    double X;
    double Y;
};

struct Freiheitsgrad {
    long SystemID;
    long Nummer;
    double Wert;      // prescribed (support) or computed displacement
    double Last;
    double Reaktion;
    double Feder;     // spring constant, 0 = none
    long Index;       // equation number (model use)
    long Status;      // STATUS_PRIMAL or STATUS_DUAL
    long Richtung;    // 0 = x, 1 = y, 2 = rotation
    double Winkel;    // turn of the x/y directions against the global axes
};

// Slots of Stab::Freiheitsgrade (and of the analysis's elements).
enum FgSlot { FG_AX = 0, FG_AY = 1, FG_AR = 2, FG_BX = 3, FG_BY = 4, FG_BR = 5 };

struct Stab {
    long Nummer;
    long Markiert;  // 1 marked, -1 not marked
    Freiheitsgrad* Freiheitsgrade[6];
    Punkt* PunktA;
    Punkt* PunktB;
    long Material;     // catalogue number (may name a missing entry)
    long Querschnitt;  // catalogue number
    double Winkel;     // derived by StabGeometrie
    double Laenge;
    double Cos;
    double Sin;
    Kette Ergebnisse;  // Stababschnitt records of the last run, owned
};

struct Lastfall {
    long Kennung;
    long Nummer;   // not stored in the file
    long Aktiv;    // 1 active, -1 (or 0) inactive
    double Gewicht;
    char Name[NAME_KURZ];
};

constexpr long KOORD_LOKAL = 1;
constexpr long KOORD_GLOBAL = 2;
constexpr long ART_KRAFT = 1;
constexpr long ART_MOMENT = 2;

struct Punktlast {
    long Kennung;
    long Lastfall;  // Kennung of its load case
    char Name[NAME_LANG];
    double Groesse;
    long Stab;      // bar number
    double Winkel;
    long Koordinatensystem;  // 1 lokal, 2 global
    long Positionsbezug;     // 1 lokal, 2 global
    double Position;
    long Art;                // 1 Kraft, 2 Moment
};

struct Streckenlast {
    long Kennung;
    long Lastfall;
    long Stab;
    char Name[NAME_LANG];
    double GroesseA;
    double GroesseB;
    double Winkel;
    long Koordinatensystem;
    double PositionA;
    double PositionB;
};

// A temperature load acts over the whole bar: a uniform change of
// temperature and a difference across the section.
struct Temperaturlast {
    long Kennung;
    long Lastfall;
    long Stab;
    char Name[NAME_LANG];
    double DeltaT;   // uniform change (K)
    double DeltaTM;  // T_unten - T_oben (K); unten is the local -y side
};

struct Anteil {
    long Lastfall;  // Kennung of a load case
    double Faktor;
};

struct Lastfallkombination {
    long Nummer;
    long Aktiv;
    char Name[NAME_KURZ];
    Stapel* Anteile;  // of Anteil*, owned
};

struct Material {
    long Nummer;
    char Name[NAME_KURZ];
    double EModul;
    double Querkontraktion;
    double Waermedehnzahl;
};

struct Querschnitt {
    long Nummer;
    char Name[NAME_KURZ];
    double Flaeche;
    double Traegheitsmoment;
    double MaxY;
};

// The two catalogues, shared by every System and alive for the whole run.
struct Kataloge {
    Kette Materialien = nullptr;   // of Material
    Kette Querschnitte = nullptr;  // of Querschnitt
};

// ------------------------------------------------ results

// One result record per element of a bar (Stab::Ergebnisse).
struct Stababschnitt {
    double tAnfang, tEnde;
    double xA, xB, yA, yB;
    double qAnfang, qEnde, nAnfang, nEnde;
    double NA, QA, MA;
    double NE, QE, ME;
    double Verschiebungen[6];
    double Laenge;
    double WinkelA, WinkelE;
    double Winkel;
    // A record of an exact run (second-order theory) is a piece of an exact
    // element, whose solution gives the values between its ends; the others
    // are interpolated from the end values (Hermite).
    long Exakt;  // 1: Exaktes holds
    struct ExaktesElement {
        double Laenge;              // m
        double Anfang, Ende;        // the record's piece of it, m from its start
        double EA, EI;
        double N0, N1, N2;          // axial force the bending saw, N0 + N1 x + N2 x^2
        double qAnfang, qEnde;      // its loads, local y and x (kN/m)
        double nAnfang, nEnde;
        double Dehnung, Kruemmung;  // free axial strain and curvature (temperature)
        double Lokal[6];            // its end displacements, its axes: u, v, phi at the start, then the end
    } Exaktes;
};

// How the results in a System's bars were computed (System::Theorie).
constexpr long THEORIE_KEINE = 0;
constexpr long THEORIE_I = 1;
constexpr long THEORIE_II = 2;

// The critical load factor after a second-order run (System::Verzweigung).
constexpr long VERZWEIGUNG_KEINE_DRUCKKRAEFTE = 0;  // no bar in compression
constexpr long VERZWEIGUNG_GEFUNDEN = 1;            // System::Verzweigungslastfaktor holds it
constexpr long VERZWEIGUNG_UNBESTIMMT = 2;          // the search failed

// ------------------------------------------------------------ System

struct System {
    long SystemID;
    char Dateiname[PFAD_LAENGE];
    long RasterAnzeigen;
    double RasterweiteX;
    double RasterweiteY;
    long Fangmodus;  // 0 none, 1 grid, 2 point, 3 point/grid
    double FangrasterX;
    double FangrasterY;
    Kette Punkte;
    Kette Staebe;
    Kette Freiheitsgrade;
    Kette Lastfaelle;
    Kette Punktlasten;
    Kette Streckenlasten;
    Kette Temperaturlasten;
    Kette Kombinationen;
    Stapel* FgRelationen;  // of Paar* (Freiheitsgrad*, Freiheitsgrad*)
    long Aenderungen;
    long Stabteilungen;
    long Systemnummer;
    // The bars and degrees of freedom hold the results of a run: set by
    // the run that wrote them, cleared when they are removed
    // (core/ergebnisstand.h).
    bool Berechnet;
    // The results of the last run: the theory that computed them and, after
    // second-order theory, the critical load factor of the active loads.
    // Removed together with the bars' results.
    long Theorie;
    long Verzweigung;
    double Verzweigungslastfaktor;
    // The envelope of all combinations (core/umhuellende.h), owned; null
    // when there is none.  A result like the bars' own, removed with them.
    Umhuellende* Huelle;
};

// Copies a name into a fixed field, cut to fit and always terminated.
template <int N>
void NameSetzen(char (&ziel)[N], const char* quelle) {
    int i = 0;
    if (quelle)
        for (; i < N - 1 && quelle[i]; ++i) ziel[i] = quelle[i];
    ziel[i] = '\0';
}
