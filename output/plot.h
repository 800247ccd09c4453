// The PostScript plot of a System: up to five A4 pages (structure, moment,
// shear force, normal force, deformed shape), drawn through the primitive
// writer in output/postscript.h with values from the result functions.
#pragma once

#include <cstdio>

#include "output/druckoptionen.h"

struct System;

// Page frame in mm on the (turned) page; the structure is fitted inside it
// leaving `Rand` on each side.
struct Seitenrahmen {
    double X = 20;
    double Y = 20;
    double Breite = 170;
    double Hoehe = 250;
    double Rand = 30;
};

// Portrait 170 x 250 mm, landscape 250 x 170 mm, on A4 paper.
Seitenrahmen RahmenFuer(bool querformat);

// Structure (m) to page (mm): X = s x + ox, Y = s y + oy.
struct Seitenabbildung {
    double S;
    double Ox;
    double Oy;
};

// Largest fitting scale, used when the structure has (almost) no extent.
constexpr double PLOT_GROESSTER_MASSSTAB = 1.0e6;

// Fits the bounding box (x min, x max, y min, y max) centred into the frame.
// A box without extent in one direction fits by the other; a box without any
// extent (a point-like structure) gets the finite scale 1 mm per m, and the
// scale never exceeds PLOT_GROESSTER_MASSSTAB, so no inf or nan comes out.
Seitenabbildung PlotEinpassen(const double grenzen[4], const Seitenrahmen& rahmen);

// Writes the plot of `system` with `optionen` into the open file.  Returns
// the number of pages written; 0 (and the file stays empty) when there is no
// bar to draw.  The caller opens, checks and closes the file.
int PlotSchreiben(FILE* datei, System* system, const Druckoptionen& optionen);
