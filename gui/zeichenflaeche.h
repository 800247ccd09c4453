// The drawing canvas inside the main window.
//
// The main window calls these at start-up and whenever the picture has to
// be renewed; the canvas itself (its window, graphics contexts, cursors,
// fonts and event handler) lives with the drawing code.
#pragma once

#include "core/datenmodell.h"
#include "gui/xforms.h"

// Creates the canvas window inside the main window and registers its event
// handler.  Called once, after the main window is shown.
void ZeichenflaecheErzeugen(FL_FORM* hauptform);
// Clears the canvas and draws every enabled layer of the current System.
void SystemZeichnen();
// Follows a change of the main window's size.
void ZeichenflaecheAnpassen();
