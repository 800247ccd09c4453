// The System the user works on: the window's choice among the open Systems.
//
// Creating, opening, choosing and closing Systems as the menus, the icon
// bar and the systems choice ask for it.  The model operations never look
// at which System is current; these do, and the refresh makes the window
// follow (gui/auffrischung.h).
#pragma once

struct System;

struct Stab;

// The current System, or null.
System* Aktuell();
// The first marked bar of the current System, or null.
Stab* MarkierterStab();

// "neues System": a new System becomes current, mode 1.
System* NeuesSystem();
// Reads a system file into a new System and makes it current (mode 1);
// null (after the reader's messages) when it could not be read, and the
// current System stays.
System* SystemOeffnen(const char* pfad);
// Makes the open System with this number current; false when there is none.
bool SystemAuswaehlen(long systemnummer);
// "System schließen": deletes the current System; the newest remaining one
// (or none, mode 0) becomes current.
void AktuellesSystemSchliessen();
// Rebuilds the entries of the systems choice ("%3ld %s") from the open
// Systems, oldest first, and selects the current one.
void SystemauswahlAufbauen();
