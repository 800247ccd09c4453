// Lines of the systems choice on the main window: "%3ld %s" with the
// System's number and file name ("noname" when the name is empty).  The
// choice callback finds the System again by the number at the start of the
// line.
#pragma once

#include <string>

struct System;

std::string SystemauswahlZeile(long systemnummer, const char* dateiname);
std::string SystemauswahlZeile(const System* system);

// The System number a line starts with, or -1 when it does not start with
// a number.  The whole leading number is read, so numbers beyond three
// digits (which "%3ld" writes in full) are found as well.
long SystemauswahlNummer(const char* zeile);

// The toolkit splits a choice entry at every '|' into several entries; a
// file name may contain one.  (The number at the start stays intact.)
std::string FuerAuswahlSchuetzen(const std::string& zeile);
