// The point and bar tables of the menu "Tabellen".
#pragma once

// Shows the table menue::Staebe or menue::Punkte of the current System
// (nothing without one); false for another value.
bool TabelleZeigen(int welche);
// The open tables show the current System's points and bars afresh.
void TabellenAuffrischen();
