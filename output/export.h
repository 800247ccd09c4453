// Export of a System: the PostScript plot, the tab-delimited bar table, the
// listing of all bars, the plot as PDF or the envelope of all combinations
// (output/tabellen_ergebnisse.h), written to a chosen file or,
// through a temporary file, to a print command; and the PostScript preview.
//
// Toolkit-free: the "Exportieren" dialog only reads its objects, calls these
// and shows the returned text as an alert.
#pragma once

#include <cstdio>
#include <string>

struct System;

struct Exportformat {
    void (*Schreiber)(FILE* datei, System& system);
    const char* Name;                // text of the format choice
    const char* Muster;              // pattern of the file selector
    bool HatOptionen;                // "Optionen" opens the plot options
    bool AlsPdf = false;             // the PostScript of Schreiber goes through Ghostscript
    bool BrauchtUmhuellende = false; // writes the System's envelope, refused without one
};

// In the order of the format choice, ended by a record with an empty name.
extern const Exportformat Exportformate[];
int ExportformatAnzahl();

// The print command of the export dialog, updated on every print.  Longer
// commands are cut to DRUCKKOMMANDO_MAX characters by the dialog's input.
extern std::string Druckkommando;
constexpr int DRUCKKOMMANDO_MAX = 127;

enum class Exportergebnis {
    Geschrieben,
    KeinFormat,      // no valid format index
    KeinSystem,      // nothing to export
    KeinDateiname,
    DateiFehler,     // the chosen file could not be written
    TempFehler,      // the temporary print file could not be written
    Druckfehler,     // the temporary file was written, the print job failed
    KeinGhostscript, // PDF: gs is not installed; nothing written
    PdfFehler,       // PDF: gs made no PDF; nothing written
    Ueberschreibt,   // the file is a catalogue, ~/.velko or an open System's file
    KeineUmhuellende // the format writes the envelope, which is not computed
};

// Writes format `format` of the System (null: none, refused) into `pfad`
// through a temporary file beside it: a failed write keeps an older file of
// that name.  A file the program must not replace (see GeschuetzteDateien in
// files/ausgabepruefung.h; the System's own file included) is refused before
// anything is written, with the message of AusgabenPruefen in `konflikt`.
Exportergebnis InDateiExportieren(System* system, int format, const char* pfad, std::string* konflikt = nullptr);

// Writes the format into "<Tempverzeichnis>/tmp" and starts `kommando` on it
// (reporting "Drucke ..."); `Druckkommando` takes the command.  An empty
// command is refused after the file was written.  `druckfehler` receives the
// alert text of a failed print job.
Exportergebnis Drucken(System* system, int format, const char* kommando, std::string* druckfehler = nullptr);

// The alert text of a result, one or two lines (zeile2 may stay empty).
void ExportergebnisText(Exportergebnis ergebnis, const char** zeile1, const char** zeile2);

// "Vorschau" of the plot options: writes the plot of the System
// into "<Tempverzeichnis>/tmp.ps" and starts the PostScript viewer on it
// without waiting; every failure goes to the message list.  True when the
// viewer runs.
bool PsVorschau(System* system);

// A diagram scale typed into the plot options: read as by atof (text that
// is no number counts as 0), but a value that is no finite number keeps
// `bisher`, since it would put "nan" or "inf" into the PostScript file.
double PlotmassstabLesen(const char* text, double bisher);
