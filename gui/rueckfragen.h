// Notices, questions and the file selector, in German and in the middle of
// the main window.
//
// The toolkit's own alert, choice and input boxes place themselves under
// the mouse (over the menu bar when a menu asked) and size their buttons
// for English; these are built to fit their texts.  Each waits for its
// answer with every other window inactive.
#pragma once

#include "gui/xforms.h"

// A notice with "OK" (Return); title "Hinweis".
void Hinweisfenster(const char* zeile1, const char* zeile2 = "");

// A question with two or three answers side by side; title "Auswahl".
// Returns the number of the answer chosen (1 to `anzahl`); Return chooses
// `standard`, Escape and closing the window the last answer.
int Auswahlfrage(const char* frage, int anzahl, const char* antwort1, const char* antwort2, const char* antwort3,
                 int standard);

// A line of text with "OK" (Return) and "Abbrechen" (Escape); title
// "Eingabe".  The text typed (valid until the next call), or null when
// cancelled.
const char* Texteingabe(const char* frage, const char* vorgabe);

// The toolkit's file selector with German buttons, centred on the main
// window: the path chosen, or null.
const char* DateiWaehlen(const char* verzeichnis, const char* muster);

// The file selector's form with its German labels, for the check of the
// window texts.
FL_FORM* DateiauswahlForm();
