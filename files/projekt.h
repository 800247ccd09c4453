// "neues Projekt": a directory of that name below the project directory.
#pragma once

// Creates "<Projektverzeichnis>/<name>"; an existing directory of that name
// counts as created.  Returns false for an empty name and (after reporting)
// when the directory cannot be made, so the input dialog stays open for
// another name.
bool ProjektErzeugen(const char* name);
