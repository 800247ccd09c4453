// The results of the last run kept in a System, and their removal.
//
// Results belong to the model they were computed for.  When a change that
// affects them is reported (core/aenderungen.h, the kinds in
// ERGEBNISRELEVANT), the reporting removes them and says once
// ERGEBNISSE_VERALTET; every display then shows its state without results.
// A run removes the results of the previous one before it starts, so a
// failed run leaves none behind.
//
// Whatever a run stores in a System goes in ErgebnisseEntfernen: results
// that outlive a change of their model would be shown as if they belonged
// to it.
#pragma once

#include "core/datenmodell.h"

inline constexpr const char* ERGEBNISSE_VERALTET = "Ergebnisse veraltet - System neu berechnen";

// Whether the System holds the results of a run.
bool ErgebnisseVorhanden(const System& sys);

// Called by the run that has just written its results into the System.
void ErgebnisseEingetragen(System& sys);

// Removes the results of the last run: the result records of every bar, the
// computed displacements of the free degrees of freedom, every reaction, and
// the theory and critical load factor they were computed with, and the
// envelope of all combinations (System::Huelle).  Prescribed
// displacements of supports stay (they are input).  True when there were
// results; reports nothing itself.
bool ErgebnisseEntfernen(System& sys);
