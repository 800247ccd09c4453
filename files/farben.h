// The 18 drawing colours: toolkit colour indices kept in colour files
// ("standard.col" and any "*.col"), one index per line.
//
// Pixel values come from the toolkit; without one installed (tests, the
// batch program) a colour's pixel value is its index.
#pragma once

constexpr int FARBEN_ANZAHL = 18;
// Toolkit colour indices lie below this bound; a file naming another index
// keeps the old colour for that role.
constexpr long FARBINDEX_GRENZE = 1024;

struct Farbeinstellungen {
    long Index[FARBEN_ANZAHL];
    unsigned long Pixel[FARBEN_ANZAHL];
};

// Starts with the defaults.
extern Farbeinstellungen Farben;

// Dialog label and default index of a colour role 0..17 ("" and 0 outside).
const char* FarbBeschriftung(int rolle);
long FarbVorgabe(int rolle);

// Turns a colour index into an X pixel value (the GUI installs the
// toolkit's lookup; null restores the default, pixel = index).  Installing
// recomputes all pixel values.
using Pixelermittlung = unsigned long (*)(long index);
void PixelermittlungSetzen(Pixelermittlung ermittlung);

// Sets one role (an index outside 0..FARBINDEX_GRENZE-1 is ignored) and
// recomputes its pixel value.
void FarbeSetzen(int rolle, long index);
// All 18 defaults with their pixel values.
void FarbenVorgaben();

// Reads up to 18 indices; a short file leaves the remaining roles as they
// were.  Returns false, reporting "Datei %s konnte nicht geöffnet werden !",
// when the file cannot be opened (or is no regular file, or too large), and
// changes nothing, with a message, when a token is no colour index.
bool FarbenLesen(const char* pfad);
// Writes the 18 indices through a temporary file and reports "Farben
// geschrieben."; on failure the old file stays and the same message as for
// reading is given.
bool FarbenSchreiben(const char* pfad);
