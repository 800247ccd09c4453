// The main window and the small dialogs that belong to it.
//
// Every form is created once at start-up and afterwards only shown and
// hidden.  Strings handed to the toolkit are ISO 8859-1 bytes (literals
// with umlauts carry the suffix _l1 of core/latin1.h).
#pragma once

#include "core/datenmodell.h"
#include "gui/xforms.h"

class Berichtsempfaenger;

struct Hauptfenster {
    FL_FORM* Form = nullptr;
    FL_OBJECT* Programm = nullptr;
    FL_OBJECT* Datenbank = nullptr;
    FL_OBJECT* Bearbeiten = nullptr;
    FL_OBJECT* Berechnen = nullptr;
    FL_OBJECT* Tabellen = nullptr;
    FL_OBJECT* Ausgabe = nullptr;
    FL_OBJECT* Einstellungen = nullptr;
    FL_OBJECT* Systemauswahl = nullptr;
    FL_OBJECT* Fensterknoepfe[5] = {};
    FL_OBJECT* Fortschritt = nullptr;
    FL_OBJECT* Meldungen = nullptr;
};

extern Hauptfenster Haupt;

// Canvas margins inside the main window, in pixels.
inline constexpr int RAND_LINKS = 10, RAND_OBEN = 105, RAND_RECHTS = 10, RAND_UNTEN = 10;

// --- main window (hauptfenster.cpp)
void HauptformErzeugen();
void HauptfensterZeigen();
void MenuesAufbauen();
// Opens the bar pop-up menu for a bar of the canvas and carries out the
// chosen entry; the canvas is redrawn afterwards.
void StabmenueOeffnen(Stab* stab);
// State of "FG auch an biegesteifen Verbindungen" in the settings menu.
bool FgAnBiegesteifenVerbindungen();
// Selects the systems-choice entry of the current System.
void SystemauswahlAbgleichen();
// Greys the bar pop-up menu's entries that serve one bar only
// ("Geometrie / Topologie", "Schnittkräfte / Verschiebungen",
// "Freiheitsgrade", "Belastung", "Belastung kopieren") when more than one
// bar is marked, and enables them otherwise.
void StabmenueEintraegeSperren(bool mehrereStaebe);
// Writes the current System's settings into every dialog that shows them:
// bar divisions, load-case and combination lists, grid and snap, the
// systems choice.
void SystemdialogeAktualisieren();

// --- message list and progress (meldungsliste.cpp)
// Installs the message list as the receiver of every report.
void MeldungslisteAnschliessen();
// The message list and progress slider, for the analysis.
Berichtsempfaenger& Meldungsliste();

// --- small dialogs (dialoge.cpp)
void NichtImplementiert();
void DialogeErzeugen();
void InfoZeigen();
void InfoEinrichten();
// The warning dialog: "OK" hides it in mode 2 only, "Abbruch" hides it and
// redraws.
void WarndialogZeigen(const char* text, int modus);
int WarndialogModus();

// Modes of the shared one-line input dialog.
enum Eingabemodus { EINGABE_PROJEKT = 1, EINGABE_GEWICHT = 2, EINGABE_LASTFALLNAME = 3,
                    EINGABE_KOMBINATIONSNAME = 4 };
void EingabedialogOeffnen(int modus, const char* beschriftung, const char* titel);
void EingabedialogVerbergen();
void StabteilungenZeigen();
void StabteilungenAktualisieren();

// --- path settings (pfade_dialoge.cpp)
// Runs the first-run dialog; returns when the user confirmed and the set-up
// is done (ends the program on "Abbrechen").
void ErststartDialog();
void PfadedialogZeigen();

// --- exit (beenden_x.cpp)
void ProgrammBeenden();
// Asks before "System schließen" drops unsaved changes of the current
// System; true when it may be closed.
bool SchliessenBestaetigen();
