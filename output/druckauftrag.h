// Starting outside programs: the print command, the PostScript viewer and
// the HTML browser.
//
// Programs run as child processes the program does not wait for.  Whether
// the program could be executed at all is known to the parent before the
// start returns (a close-on-exec pipe carries a failed exec's errno back), so
// the parent reports it; the child itself never touches the X connection.
// Finished children are reaped by KinderEinsammeln.
#pragma once

#include <string>
#include <vector>

// The argument list of a print job: the blank-separated words of the
// command, then the file.  Runs of blanks separate like one blank; leading
// and trailing blanks add no empty arguments.  A command without any word
// prints with "lpr".
std::vector<std::string> DruckargumenteBilden(const std::string& kommando, const std::string& datei);

enum class Startergebnis {
    Gestartet,       // the program runs
    KeinProzess,     // fork failed
    NichtAusfuehrbar // exec failed (not found, no permission, ...)
};

// Starts argumente[0] (searched along PATH) with the whole list as its
// argument vector.  `fehlernummer` receives errno of a failure.
Startergebnis ProgrammStarten(const std::vector<std::string>& argumente, int* fehlernummer = nullptr);

// Runs argumente[0] (searched along PATH) with standard input and output
// taken from the descriptors `eingabe` and `ausgabe` (-1 = the program's
// own) and waits for it to end.  `status` receives its exit status, or -1
// when it did not end normally.
Startergebnis ProgrammAusfuehren(const std::vector<std::string>& argumente, int eingabe, int ausgabe,
                                 int* status, int* fehlernummer = nullptr);

// Reaps every child started by ProgrammStarten that has ended, without
// waiting; other children of the process are left alone.  Returns the
// number still running.
int KinderEinsammeln();

enum class Druckergebnis { Gestartet, KeinKommando, KeinProzess, Fehler };

// The print job without its alerts: reports "Drucke ...", refuses an empty
// command, then starts the command on the file.
Druckergebnis DruckauftragAusfuehren(const char* datei, const char* kommando);

// The alert text belonging to a result (empty for Gestartet).
const char* DruckergebnisText(Druckergebnis ergebnis);

// "Hilfe" of the program menu: starts the HTML browser of the path settings
// on "<Programmverzeichnis>/hilfe/hilfe.html", reporting in the message list.
void HilfeAnzeigen();
