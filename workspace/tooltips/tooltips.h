// Pop-up help texts for toolkit objects: the toolkit-free part of the
// tooltips library.
//
// The list of tips, the result codes, the library's state flags, the
// allowed position pairs and the placement of a tip live here, with objects
// and forms as opaque pointers, so that they can be tested without a
// display.  The toolkit glue (gui/tooltips_x.*) creates and shows
// the tip windows and installs the pre-handler; it registers two functions
// here that destroy a node's windows.
#pragma once

// Result codes of the public operations.
enum TooltipsResult : int {
    TOOLTIPS_OK = 0,
    TOOLTIPS_NOT_INITIALIZED = 1,
    TOOLTIPS_ALREADY_INITIALIZED = 2,
    TOOLTIPS_ALREADY_SUSPENDED = 3,
    TOOLTIPS_NOT_SUSPENDED = 4,
    TOOLTIPS_OBJECT_HAS_TIP = 5,
    TOOLTIPS_OBJECT_HAS_NO_TIP = 6,
    TOOLTIPS_FORM_HAS_NO_TIP = 7,
    TOOLTIPS_POSITION_NOT_ALLOWED = 8,
    TOOLTIPS_OUT_OF_MEMORY = 9,
    TOOLTIPS_NULL_ARGUMENT = 10,
    TOOLTIPS_NO_FORM = 11,  // also: the internal state is invalid
};

// Modes of the internal state operations.
enum TooltipsMode : int { TOOLTIPS_SET = 0, TOOLTIPS_CLEAR = 1, TOOLTIPS_QUERY = 2 };
// Mode 1 of tooltips_internal_listhead destroys the whole list.
constexpr int TOOLTIPS_DESTROY = 1;

// Delay between entering an object and showing its tip.
constexpr double TOOLTIPS_DELAY_SECONDS = 0.5;
// The tip background: a free toolkit colour index and its RGB value.
constexpr int TOOLTIPS_COLOR_INDEX = 271;
constexpr int TOOLTIPS_COLOR_RED = 255, TOOLTIPS_COLOR_GREEN = 255, TOOLTIPS_COLOR_BLUE = 204;

struct TipNode {
    void* theObject = nullptr;
    void* theForm = nullptr;
    char* theText = nullptr;         // own copy
    void* theDelayForm = nullptr;    // pending: hidden form with the timer
    void* theTimer = nullptr;
    void* theTipFormPtr = nullptr;   // the tip window while it exists
    int thePositionType = 0;
    int thePositionKind = 0;
    int theEnabled = 1;
    int theShown = 0;
    TipNode* prev = nullptr;
    TipNode* next = nullptr;
};

struct TooltipsStatus {
    int initialized;
    int suspended;
    int tipShown;   // some node has a tip window
    int nodes;
};

// What the toolkit glue does for a node: destroy its tip window (hiding it
// first when shown, theShown <- 0, theTipFormPtr <- null) and destroy its
// pending delay form (theDelayForm, theTimer <- null).  Without glue the
// pointers are only cleared.
using TooltipsWindowDestroyer = void (*)(TipNode* node);
void tooltips_internal_set_window_destroyers(TooltipsWindowDestroyer tip, TooltipsWindowDestroyer delay);

// Flags: 0 sets to 1, 1 sets to 0, 2 only queries; returns the flag.  Any
// other mode stops the program with a message naming the operation.
int tooltips_internal_set_initialize_state(int mode);
int tooltips_internal_set_suspend_mode(int mode);
// 0 sets the head to `node`, 2 returns it, 1 destroys the whole list.
TipNode* tooltips_internal_listhead(TipNode* node, int mode);
void tooltips_internal_hide_all();
TipNode* tooltips_internal_find(const void* object);
// Unlinks and frees the node of the object (its windows destroyed first).
int tooltips_internal_remove_node(const void* object);

// True when type and kind may be used together.
bool tooltips_position_allowed(int type, int kind);

// The node whose object receives an event, or null when the event must be
// ignored (library not initialised, suspended, no tip, tip disabled).
TipNode* tooltips_internal_node_for_event(const void* object);

// Public operations with the object and its form as opaque pointers; the
// glue's operations of the same name (without "core_") pass the toolkit's
// object and its form.
int tooltips_core_initialize();
int tooltips_core_terminate();
int tooltips_core_suspend();
int tooltips_core_resume();
int tooltips_core_get_status(TooltipsStatus* status);
int tooltips_core_set_tip(void* object, void* form, const char* text);
int tooltips_core_remove_tip(const void* object);
int tooltips_core_remove_form_tips(const void* form);
int tooltips_core_remove_all_tips();
int tooltips_core_get_tip(const void* object, char** text);
int tooltips_core_set_tip_position(const void* object, int type, int kind);
int tooltips_core_get_tip_position(const void* object, int* type, int* kind);

// ------------------------------------------------------------------ placement

struct TipRectangle {
    int x, y, w, h;
};

// Where a tip of the given text size goes: its width and height are the
// text's plus 10 and 8 pixels; it starts at the middle of the object, 5
// pixels below it, or 5 pixels above it when it would end below the screen;
// it is pushed right to 0 and left so that it ends at the screen's right
// edge.  Object coordinates are relative to its form.
TipRectangle tooltips_place(int formX, int formY, int objX, int objY, int objW, int objH, int textW, int textH,
                            int screenW, int screenH);
