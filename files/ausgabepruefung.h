// Whether two paths name the same file, and whether a set of outputs may be
// written without destroying an input or one another.
//
// Files are compared by device and inode after following every symbolic
// link, so "a.list", "./a.list", a hard link and a symbolic link to it are
// all the same file.  A path that does not exist yet is identified by its
// (resolved) directory and its name.
#pragma once

#include <string>
#include <vector>

// True when both paths name the same file (existing or still to be created).
// False when either path cannot be resolved at all.
bool DieselbeDatei(const std::string& a, const std::string& b);

// Checks outputs before anything is written.  Empty paths and "-" (standard
// output) are skipped.  Returns "" when every output may be written, else
// the message: "Ausgabe %s würde die Eingabe %s überschreiben !" when an
// output is an input, "%s ist zweimal als Ausgabe angegeben !" when the
// same regular file (or new name) is given twice.  A device, FIFO or stream
// may receive several outputs one after the other.
std::string AusgabenPruefen(const std::vector<std::string>& eingaben, const std::vector<std::string>& ausgaben);
