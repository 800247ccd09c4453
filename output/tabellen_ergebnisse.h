// Tab-separated result tables for further work in a spreadsheet: the
// envelope of all combinations and the stresses in the extreme fibres.
// ISO 8859-1, lines ending in "\n", numbers in the "C" locale.
#pragma once

#include <cstdio>

struct System;
struct Umhuellende;

// "Stab\tx [m]\tmax M\tKomb\tmin M\tKomb ... min u\tKomb\n", then per bar in
// ascending number and i = 0..9 the bar's number, x = t * Laenge and each
// value ("%.6f") with its combination's number.  Bars the envelope has no
// values for are left out.
void UmhuellendeAusgeben(FILE* datei, const Umhuellende& huelle);

// "Stab\tx [m]\tsigma oben [N/mm2]\tsigma unten [N/mm2]\ttau mittel [N/mm2]\n",
// then per bar in ascending number and i = 0..9 one line.  Bars without
// results or without a usable cross-section are left out.
void SpannungenAusgeben(FILE* datei, const System& system);
