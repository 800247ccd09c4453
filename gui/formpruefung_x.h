// The check of the window texts on a real X server: every label measured
// with the fonts the server delivers, placed as the toolkit draws it, and
// checked by workspace/formpruefung.h.
//
// With VELKO_FORMPRUEFUNG naming a file, the program checks every form it
// shows from its start on (the first-run dialog too); after start-up it
// opens every window once, writes one line per fault into the file (an
// empty file: every window reads well) and ends.
#pragma once

#include <string>
#include <vector>

#include "gui/xforms.h"

// The faults of the texts of a shown form.
std::vector<std::string> FormtextePruefen(FL_FORM* form, const char* name);

// True when VELKO_FORMPRUEFUNG is set; from then on every form shown is
// checked.  Called first thing after the toolkit starts.
bool FormpruefungBeginnen();

// Opens every window of the program once with the current System (its
// first bar), checks the main window, the message list and where the tool
// windows stand, and writes the faults into the file.  Returns the exit
// status: 0 when the file was written.
int FormpruefungAbschliessen();
