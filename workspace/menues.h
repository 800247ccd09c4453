// The entries of the main window's menus and of the bar pop-up menu.
//
// Each entry is a format applied to its text (translated first where the
// entry says so).  In the resulting string the toolkit reads "%l" as a line
// under the entry, "%xN" as the value N and "%m" as a submenu; an entry
// without "%x" takes its position as value.  The tables are kept free of the
// toolkit so that texts and values can be checked without a display.
#pragma once

#include <string>
#include <vector>

#include "version.h"

struct Menueeintrag {
    const char* Format;   // null = the text alone
    const char* Text;
    bool Uebersetzt;      // the text passes through Uebersetzen
    int Wert;             // the value the toolkit reports for the entry
};

// Values of the menus, used by the callbacks.
namespace menue {
enum Programm { Info = 1, Hilfe = 2, Beenden = 3 };
enum Datenbank {
    System = 1, Material = 3, NeuesProjekt = 4, Querschnitte = 5,
    NeuesSystem = 10, SystemOeffnen = 11, SystemSichern = 12, SystemSichernAls = 13,
    SystemSchliessen = 14,
};
enum Bearbeiten { Rueckgaengig = 1, Wiederherstellen = 2 };
enum Berechnen { TheorieI = 1, TheorieII = 2, Umhuellende = 3, UmhuellendeII = 4 };
enum Tabellen { Staebe = 1, Punkte = 2 };
enum Ausgabe { BildschirmAlle = 1, BildschirmMarkierte = 2, Exportieren = 3 };
enum Einstellungen {
    RasterFang = 1, StabErzeugen = 2, Pfade = 3, FgBiegesteif = 4, Prozessor = 5,
};
enum Stabmenue {
    Titel = 1, Geometrie = 2, Zuordnung = 3, Ergebnisse = 4, Freiheitsgrade = 5,
    Belastung = 6, BelastungKopieren = 7, Teilen = 8, Loeschen = 9,
    Teilen2 = 20, Teilen3 = 21, Teilen4 = 22, LoeschenQuittieren = 30, LoeschenAbbruch = 31,
};
}  // namespace menue

const std::vector<Menueeintrag>& ProgrammMenue();
const std::vector<Menueeintrag>& DatenbankMenue();
const std::vector<Menueeintrag>& SystemUntermenue();
const std::vector<Menueeintrag>& BearbeitenMenue();
const std::vector<Menueeintrag>& BerechnenMenue();
const std::vector<Menueeintrag>& TabellenMenue();
const std::vector<Menueeintrag>& AusgabeMenue();
const std::vector<Menueeintrag>& EinstellungenMenue();
const std::vector<Menueeintrag>& StabMenue();
const std::vector<Menueeintrag>& StabTeilenUntermenue();
const std::vector<Menueeintrag>& LoeschenUntermenue();

// The string handed to the toolkit: the format applied to the (translated)
// text.  A '%' inside the text itself is doubled so that the toolkit shows
// it instead of reading it as a flag.
std::string Eintragstext(const Menueeintrag& eintrag);

// An entry of the menu "Bearbeiten" with the action it would take back or
// make again: "Rückgängig: Stab löschen", or the bare entry when there is
// none (the entry is greyed then).
std::string BearbeitenEintrag(int wert, const std::string& aktion);

// The window title "Velko %s" and the version of the info dialog, with
// PROGRAMMVERSION from the generated version.h.
std::string Fenstertitel();
std::string Versionstext();
