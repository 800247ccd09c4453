// Lists whose callback must see every click on them.
#pragma once

#include "gui/xforms.h"

// Sets the callback of a selecting browser (hold or multi).  The toolkit
// reports a selection when the button goes down; when the press and the
// release reach it together (a quick tap while the program was busy
// drawing) the release overwrites the report and the line is drawn
// selected without the callback ever running.  A list set up here also
// reports the end of a click, and the callback runs then if the click's
// selection was not reported yet: once per click, and never for the end of
// a scroll.
void ListenRueckrufSetzen(FL_OBJECT* liste, FL_CALLBACKPTR rueckruf, long argument);
