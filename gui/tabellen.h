// The point and bar tables of the menu "Tabellen".
#pragma once

struct System;

// Shows the table menue::Staebe or menue::Punkte of the current System
// (nothing without one); false for another value.  The table keeps working
// on that System while another one is current.
bool TabelleZeigen(int welche);
// Closes the tables that show this System (it is being closed).
void TabellenSchliessen(const System& system);
