// Command line of the batch program velko-rechnen.
//
// Every option is one row of a table; parsing and the usage text are both
// driven by it, so a new option is one field in RechnenAuftrag and one row.
#pragma once

#include <string>
#include <vector>

#include "output/druckoptionen.h"

// What one call of the program is to do.
struct RechnenAuftrag {
    std::string Systemdatei;
    std::string Liste;         // empty or "-" = standard output
    std::string Tabelle;       // empty = no table, "-" = standard output
    std::string Umhuellende;   // empty = no envelope, "-" = standard output
    std::string Spannungen;    // empty = no stress table, "-" = standard output
    std::string Katalog;       // empty = catalogue directory of ~/.velko
    long Stabteilungen = 0;    // 0 = as stored in the System
    bool TheorieII = false;    // second-order theory instead of first order
    bool NurVerzweigung = false;  // only the critical load factor, to standard output
    bool Hilfe = false;
    std::string Postscript;    // empty = no plot
    std::string Pdf;           // empty = no plot as PDF
    Druckoptionen Plot;        // settings of the plot, defaults as in the dialog
    bool PlotoptionGenannt = false;  // a plot setting was given (needs --ps or --pdf)
};

struct RechnenOption {
    const char* Name;          // "--liste"
    const char* Alias;         // another spelling or null
    const char* Argument;      // "DATEI", or null for a switch
    const char* Beschreibung;  // one line for the usage text
    // Takes the value (null for a switch) into the order; false with a
    // message in `fehler` when the value is unusable.
    bool (*Setzen)(RechnenAuftrag& auftrag, const char* wert, std::string& fehler);
};

constexpr long STABTEILUNGEN_MAX = 1000;

const std::vector<RechnenOption>& RechnenOptionen();

// Parses argv[1..argc-1].  Options take their value as the next argument or
// after "=" ("--liste=a.list"); "--" ends the options.  Returns false with a
// German message in `fehler` on unknown options, missing or bad values, a
// missing or second system file.  With --hilfe no system file is needed.
bool RechnenOptionenLesen(int argc, const char* const argv[], RechnenAuftrag& auftrag,
                          std::string& fehler);

// The usage text, generated from the option table.
std::string RechnenHilfe(const char* programm);
