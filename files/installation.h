// Where an installed copy of the program keeps its data, and which outside
// programs a fresh set-up proposes.
//
// `cmake --install` puts the programs into "<prefix>/bin" and the data
// (administration directory with catalogues, colours and icons, the help
// pages, the examples) into "<prefix>/share/velko".  The programs find that
// directory from their own location, so a prefix moved as a whole keeps
// working and nothing of the prefix is compiled in.
#pragma once

#include <string>
#include <vector>

#include "files/pfade.h"

// The data directory below the prefix; the programs lie in "<prefix>/bin".
constexpr const char* DATEN_UNTER_PREFIX = "share/velko";

// The directory of the running program, from /proc/self/exe (symbolic
// links resolved); "" when it cannot be read.
std::string EigenesVerzeichnis();

// "<prefix>/share/velko" for the program directory "<prefix>/bin", when that
// directory holds an administration directory; "" otherwise (a program
// started from its build tree, or an incomplete installation).
std::string InstallierteDatenVon(const std::string& programmverzeichnis);

// The data of the running program's installation, or "".
std::string InstallierteDaten();

// The path of the first executable file `name` along `suchpfad` (directories
// separated by ':', an empty entry meaning the current directory, as in
// PATH); "" when there is none.  A name with a '/' is taken as it is.
std::string ImSuchpfad(const std::string& name, const char* suchpfad);

// The programs that open an HTML page in the user's browser, in the order
// they are tried.
const std::vector<std::string>& HtmlBetrachterKandidaten();

// The first of HtmlBetrachterKandidaten() found along `suchpfad`; the first
// candidate when none is there (its name is the one to install).
std::string HtmlBetrachterVorschlagen(const char* suchpfad);

// What the first-run dialog proposes: the data of this installation as
// program directory (the home-directory default when the program is not
// installed), the per-user directories below "<home>/Velko", and the help
// browser found along PATH.
Pfadeinstellungen ErststartVorgaben(const std::string& home);
