// The point and bar tables of the menu "Tabellen".
#pragma once

struct System;

// Shows the table menue::Staebe or menue::Punkte of the current System
// (nothing without one); false for another value.  The table keeps working
// on that System while another one is current.
bool TabelleZeigen(int welche);
// The open tables follow the current System after a change of the kinds
// `arten` (core/aenderungen.h); `wechsel`: another System became current.
void TabellenAktualisieren(unsigned arten, bool wechsel);
// The open tables show the current System's points and bars afresh.
void TabellenAuffrischen();
// Closes the tables that show this System (it is being closed).
void TabellenSchliessen(const System& system);
