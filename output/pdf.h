// The plot as PDF: the PostScript pages are converted by Ghostscript ("gs"),
// run as a child process with an argument vector (no shell).
//
// gs reads the PostScript from an anonymous temporary file on its standard
// input and writes the PDF to its standard output, which is the caller's
// temporary file of a SichereDatei: no file name ever reaches gs, so names
// with '%' (a page template to gs) or a leading '-' need no care, and a
// failed conversion leaves an older file of the target name as it was.
#pragma once

#include <cstdio>
#include <functional>

class SichereDatei;

enum class PdfErgebnis {
    Geschrieben,
    KeineSeiten,       // nothing to draw: the file stays empty, as a PostScript plot would
    KeinGhostscript,   // gs is not installed (not found along PATH)
    Umwandlungsfehler, // gs ran but made no PDF
    Dateifehler        // the PostScript could not be written to a temporary file
};

// The Ghostscript program used by default.
constexpr const char* GHOSTSCRIPT = "gs";

// Writes the PDF into the opened `ziel` (nothing written to it yet); the
// caller finishes it with Abschliessen when the result is Geschrieben or
// KeineSeiten, and discards it otherwise.  `postscript` writes the
// PostScript into the file it is given and returns the number of pages.
PdfErgebnis PdfSchreiben(SichereDatei& ziel, const std::function<int(FILE*)>& postscript,
                         const char* ghostscript = GHOSTSCRIPT);

// The message for a result ("" for Geschrieben).
const char* PdfErgebnisText(PdfErgebnis ergebnis);
