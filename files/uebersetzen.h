// The hook for translated texts: menu entries, tooltips and a few messages
// pass through Uebersetzen before they are shown.
#pragma once

// Returns the text to display for `text`.  The program's texts are German
// and no translation catalogue is selected, so the text comes back
// unchanged (the same pointer).  Null gives "".
const char* Uebersetzen(const char* text);

// The language setting taken from LANG on the first call ("" when unset).
const char* Sprache();
