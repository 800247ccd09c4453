// The tooltips library on toolkit objects: a light-yellow borderless window
// with the object's help text opens half a second after the pointer entered
// the object and closes when it leaves or a button is pressed.  Result
// codes: workspace/tooltips/tooltips.h.
#pragma once

#include "gui/xforms.h"
#include "workspace/tooltips/tooltips.h"

int tooltips_initialize();
int tooltips_terminate();
int tooltips_suspend();
int tooltips_resume();
int tooltips_get_status(TooltipsStatus* status);
int tooltips_set_tip(FL_OBJECT* object, const char* text);
int tooltips_remove_tip(FL_OBJECT* object);
int tooltips_remove_form_tips(FL_FORM* form);
int tooltips_remove_all_tips();
// The text as a new copy that the caller frees with free().
int tooltips_get_tip(FL_OBJECT* object, char** text);
int tooltips_set_tip_position(FL_OBJECT* object, int type, int kind);
int tooltips_get_tip_position(FL_OBJECT* object, int* type, int* kind);

// The object's pre-handler; always lets the object handle the event too.
int tooltips_internal_pre_handler(FL_OBJECT* object, int event, FL_Coord mx, FL_Coord my, int key, void* xev);
