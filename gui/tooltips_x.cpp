// Tip windows, the delay and the pre-handler of the tooltips library.
#include "gui/tooltips_x.h"

#include "gui/geometrie.h"

#include <cstdint>
#include <cstring>

namespace {

struct TipForm {
    FL_FORM* form;
    FL_OBJECT* text;
};

void DestroyTipForm(TipNode* node) {
    auto* tip = static_cast<TipForm*>(node->theTipFormPtr);
    if (tip) {
        if (node->theShown && tip->form->visible) fl_hide_form(tip->form);
        fl_free_form(tip->form);
        delete tip;
    }
    node->theTipFormPtr = nullptr;
    node->theShown = 0;
}

// The delay runs as a toolkit timeout; the node holds its id while the tip
// is pending (theDelayForm marks the pending state).
void DestroyDelay(TipNode* node) {
    if (node->theDelayForm) fl_remove_timeout(static_cast<int>(reinterpret_cast<intptr_t>(node->theTimer)));
    node->theDelayForm = nullptr;
    node->theTimer = nullptr;
}

TipForm* tooltips_internal_create_tip_form(const char* text) {
    auto* tip = new TipForm;
    tip->form = fl_bgn_form(FL_BORDER_BOX, 40, 20);
    tip->text = fl_add_text(FL_NORMAL_TEXT, 0, 0, 40, 20, "");
    fl_set_object_boxtype(tip->text, FL_BORDER_BOX);
    fl_set_object_lsize(tip->text, 14);
    fl_set_object_lalign(tip->text, FL_ALIGN_CENTER | FL_ALIGN_INSIDE);
    fl_set_object_color(tip->text, TOOLTIPS_COLOR_INDEX, TOOLTIPS_COLOR_INDEX);
    fl_set_object_label(tip->text, text);
    fl_end_form();
    return tip;
}

void tooltips_internal_timer_callback(int, void* data) {
    TipNode* node = tooltips_internal_find(data);
    if (!node) return;
    // The timeout has fired and is gone; only the pending mark remains.
    node->theDelayForm = nullptr;
    node->theTimer = nullptr;
    auto* tip = static_cast<TipForm*>(node->theTipFormPtr);
    if (!tip) return;
    FormZeigen(tip->form, FL_PLACE_GEOMETRY, FL_NOBORDER, "", "Tip");
    node->theShown = 1;
}

void StartPendingTip(TipNode* node, FL_OBJECT* ob) {
    TipForm* tip = tooltips_internal_create_tip_form(node->theText);
    int w = 0, h = 0;
    fl_get_string_dimension(tip->text->lstyle, tip->text->lsize, node->theText,
                            static_cast<int>(std::strlen(node->theText)), &w, &h);
    FL_FORM* form = ob->form;
    TipRectangle r = tooltips_place(form->x, form->y, ob->x, ob->y, ob->w, ob->h, w, h, fl_scrw, fl_scrh);
    fl_set_form_geometry(tip->form, r.x, r.y, r.w, r.h);
    fl_set_object_geometry(tip->text, 0, 0, r.w, r.h);
    node->theTipFormPtr = tip;
    int id = fl_add_timeout(TOOLTIPS_DELAY_SECONDS * 1000.0, tooltips_internal_timer_callback, ob);
    node->theTimer = reinterpret_cast<void*>(static_cast<intptr_t>(id));
    node->theDelayForm = node;
}

}  // namespace

int tooltips_internal_pre_handler(FL_OBJECT* ob, int event, FL_Coord, FL_Coord, int, void*) {
    if (event == FL_FREEMEM) {
        tooltips_internal_remove_node(ob);
        return 0;
    }
    TipNode* node = tooltips_internal_node_for_event(ob);
    if (!node) return 0;
    switch (event) {
    case FL_ENTER:
        if (!node->theTipFormPtr && !node->theDelayForm && ob->form) StartPendingTip(node, ob);
        break;
    case FL_LEAVE:
    case FL_PUSH:
        // The tip first, then the delay: a pending tip is never shown.
        if (node->theTipFormPtr) DestroyTipForm(node);
        if (node->theDelayForm) DestroyDelay(node);
        break;
    default: break;
    }
    return 0;
}

int tooltips_initialize() {
    int r = tooltips_core_initialize();
    if (r != TOOLTIPS_OK) return r;
    tooltips_internal_set_window_destroyers(DestroyTipForm, DestroyDelay);
    fl_mapcolor(TOOLTIPS_COLOR_INDEX, TOOLTIPS_COLOR_RED, TOOLTIPS_COLOR_GREEN, TOOLTIPS_COLOR_BLUE);
    return TOOLTIPS_OK;
}

int tooltips_terminate() { return tooltips_core_terminate(); }
int tooltips_suspend() { return tooltips_core_suspend(); }
int tooltips_resume() { return tooltips_core_resume(); }
int tooltips_get_status(TooltipsStatus* status) { return tooltips_core_get_status(status); }

int tooltips_set_tip(FL_OBJECT* ob, const char* text) {
    int r = tooltips_core_set_tip(ob, ob ? ob->form : nullptr, text);
    if (r == TOOLTIPS_OK) fl_set_object_prehandler(ob, tooltips_internal_pre_handler);
    return r;
}

int tooltips_remove_tip(FL_OBJECT* ob) { return tooltips_core_remove_tip(ob); }
int tooltips_remove_form_tips(FL_FORM* form) { return tooltips_core_remove_form_tips(form); }
int tooltips_remove_all_tips() { return tooltips_core_remove_all_tips(); }
int tooltips_get_tip(FL_OBJECT* ob, char** text) { return tooltips_core_get_tip(ob, text); }
int tooltips_set_tip_position(FL_OBJECT* ob, int type, int kind) {
    return tooltips_core_set_tip_position(ob, type, kind);
}
int tooltips_get_tip_position(FL_OBJECT* ob, int* type, int* kind) {
    return tooltips_core_get_tip_position(ob, type, kind);
}
