// The toolkit (XForms) and Xlib for the whole of gui/: every source gets
// them through this header and no other.
//
// Xlib defines a macro "Status" for its return type, which would rename the
// field Freiheitsgrad::Status wherever the records and Xlib meet.  Every X
// header the program uses is included here, before the macro goes; an X
// header included later would miss it, hence this single place.
#pragma once

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/cursorfont.h>
#include <X11/keysym.h>
#include <forms.h>

#undef Status
