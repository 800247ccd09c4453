// The toolkit-free part of the tooltips library: flags, the list of tips,
// the result codes and the placement of a tip window.
#include "workspace/tooltips/tooltips.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>

#include "core/bericht.h"

namespace {

int initialized = 0;
int suspended = 0;
TipNode* head = nullptr;

void ClearTipOnly(TipNode* node) {
    node->theTipFormPtr = nullptr;
    node->theShown = 0;
}
void ClearDelayOnly(TipNode* node) {
    node->theDelayForm = nullptr;
    node->theTimer = nullptr;
}
TooltipsWindowDestroyer destroyTip = ClearTipOnly;
TooltipsWindowDestroyer destroyDelay = ClearDelayOnly;

// An undefined mode is a programming error inside the library: it cannot
// be answered with a result code because the callers expect a flag.
[[noreturn]] void ModeFailure(const char* operation) {
    FehlerAusgeben("tooltips: %s: undefined mode\n", operation);
    std::abort();
}

void DestroyWindows(TipNode* node) {
    if (node->theTipFormPtr) destroyTip(node);
    if (node->theDelayForm) destroyDelay(node);
}

void FreeNode(TipNode* node) {
    DestroyWindows(node);
    std::free(node->theText);
    delete node;
}

void Unlink(TipNode* node) {
    if (node->prev) node->prev->next = node->next;
    else head = node->next;
    if (node->next) node->next->prev = node->prev;
}

bool Initialized() { return tooltips_internal_set_initialize_state(TOOLTIPS_QUERY) == 1; }

}  // namespace

void tooltips_internal_set_window_destroyers(TooltipsWindowDestroyer tip, TooltipsWindowDestroyer delay) {
    destroyTip = tip ? tip : ClearTipOnly;
    destroyDelay = delay ? delay : ClearDelayOnly;
}

int tooltips_internal_set_initialize_state(int mode) {
    switch (mode) {
    case TOOLTIPS_SET: initialized = 1; break;
    case TOOLTIPS_CLEAR: initialized = 0; break;
    case TOOLTIPS_QUERY: break;
    default: ModeFailure("tooltips_internal_set_initialize_state");
    }
    return initialized;
}

int tooltips_internal_set_suspend_mode(int mode) {
    switch (mode) {
    case TOOLTIPS_SET: suspended = 1; break;
    case TOOLTIPS_CLEAR: suspended = 0; break;
    case TOOLTIPS_QUERY: break;
    default: ModeFailure("tooltips_internal_set_suspend_mode");
    }
    return suspended;
}

TipNode* tooltips_internal_listhead(TipNode* node, int mode) {
    switch (mode) {
    case TOOLTIPS_SET: head = node; break;
    case TOOLTIPS_QUERY: break;
    case TOOLTIPS_DESTROY: {
        tooltips_internal_hide_all();
        TipNode* n = head;
        head = nullptr;
        while (n) {
            TipNode* next = n->next;
            FreeNode(n);
            n = next;
        }
        break;
    }
    default: ModeFailure("tooltips_internal_listhead");
    }
    return head;
}

void tooltips_internal_hide_all() {
    for (TipNode* n = head; n; n = n->next) DestroyWindows(n);
}

TipNode* tooltips_internal_find(const void* object) {
    for (TipNode* n = head; n; n = n->next)
        if (n->theObject == object) return n;
    return nullptr;
}

int tooltips_internal_remove_node(const void* object) {
    TipNode* node = tooltips_internal_find(object);
    if (!node) return TOOLTIPS_OBJECT_HAS_NO_TIP;
    Unlink(node);
    FreeNode(node);
    return TOOLTIPS_OK;
}

bool tooltips_position_allowed(int type, int kind) {
    // Bit k set: kind k is allowed with the type.
    static const unsigned allowed[8] = {
        0b11110100,  // type 0: 2, 4, 5, 6, 7
        0b11100000,  // type 1: 5, 6, 7
        0b11101001,  // type 2: 0, 3, 5, 6, 7
        0b10010100,  // type 3: 2, 4, 7
        0b00101001,  // type 4: 0, 3, 5
        0b10010111,  // type 5: 0, 1, 2, 4, 7
        0b00000111,  // type 6: 0, 1, 2
        0b00101111,  // type 7: 0, 1, 2, 3, 5
    };
    if (type < 0 || type > 7 || kind < 0 || kind > 7) return false;
    return (allowed[type] >> kind) & 1u;
}

TipNode* tooltips_internal_node_for_event(const void* object) {
    if (!Initialized() || tooltips_internal_set_suspend_mode(TOOLTIPS_QUERY) == 1) return nullptr;
    TipNode* node = tooltips_internal_find(object);
    if (!node || node->theEnabled == 0) return nullptr;
    return node;
}

int tooltips_core_initialize() {
    if (Initialized()) return TOOLTIPS_ALREADY_INITIALIZED;
    tooltips_internal_set_initialize_state(TOOLTIPS_SET);
    tooltips_internal_set_suspend_mode(TOOLTIPS_CLEAR);
    return TOOLTIPS_OK;
}

int tooltips_core_terminate() {
    if (!Initialized()) return TOOLTIPS_NOT_INITIALIZED;
    tooltips_internal_set_initialize_state(TOOLTIPS_CLEAR);
    tooltips_internal_listhead(nullptr, TOOLTIPS_DESTROY);
    return TOOLTIPS_OK;
}

int tooltips_core_suspend() {
    if (!Initialized()) return TOOLTIPS_NOT_INITIALIZED;
    if (tooltips_internal_set_suspend_mode(TOOLTIPS_QUERY) == 1) return TOOLTIPS_ALREADY_SUSPENDED;
    tooltips_internal_hide_all();
    tooltips_internal_set_suspend_mode(TOOLTIPS_SET);
    return TOOLTIPS_OK;
}

int tooltips_core_resume() {
    if (!Initialized()) return TOOLTIPS_NOT_INITIALIZED;
    if (tooltips_internal_set_suspend_mode(TOOLTIPS_QUERY) == 0) return TOOLTIPS_NOT_SUSPENDED;
    tooltips_internal_set_suspend_mode(TOOLTIPS_CLEAR);
    return TOOLTIPS_OK;
}

int tooltips_core_get_status(TooltipsStatus* status) {
    if (!status) return TOOLTIPS_NULL_ARGUMENT;
    *status = TooltipsStatus{0, 0, 0, 0};
    if (!Initialized()) return TOOLTIPS_NOT_INITIALIZED;
    status->initialized = 1;
    status->suspended = tooltips_internal_set_suspend_mode(TOOLTIPS_QUERY);
    for (TipNode* n = head; n; n = n->next) {
        ++status->nodes;
        if (n->theTipFormPtr) status->tipShown = 1;
    }
    return TOOLTIPS_OK;
}

int tooltips_core_set_tip(void* object, void* form, const char* text) {
    if (!Initialized()) return TOOLTIPS_NOT_INITIALIZED;
    if (!object || !text) return TOOLTIPS_NULL_ARGUMENT;
    if (!form) return TOOLTIPS_NO_FORM;
    if (tooltips_internal_find(object)) return TOOLTIPS_OBJECT_HAS_TIP;
    TipNode* node = new (std::nothrow) TipNode;
    if (!node) return TOOLTIPS_OUT_OF_MEMORY;
    node->theText = strdup(text);
    if (!node->theText) {
        delete node;
        return TOOLTIPS_OUT_OF_MEMORY;
    }
    node->theObject = object;
    node->theForm = form;
    node->next = head;
    if (head) head->prev = node;
    head = node;
    return TOOLTIPS_OK;
}

int tooltips_core_remove_tip(const void* object) {
    if (!Initialized()) return TOOLTIPS_NOT_INITIALIZED;
    if (!object) return TOOLTIPS_NULL_ARGUMENT;
    return tooltips_internal_remove_node(object);
}

int tooltips_core_remove_form_tips(const void* form) {
    if (!Initialized()) return TOOLTIPS_NOT_INITIALIZED;
    if (!form) return TOOLTIPS_NULL_ARGUMENT;
    bool found = false;
    for (TipNode* n = head; n;) {
        TipNode* next = n->next;
        if (n->theForm == form) {
            Unlink(n);
            FreeNode(n);
            found = true;
        }
        n = next;
    }
    return found ? TOOLTIPS_OK : TOOLTIPS_FORM_HAS_NO_TIP;
}

int tooltips_core_remove_all_tips() {
    if (!Initialized()) return TOOLTIPS_NOT_INITIALIZED;
    tooltips_internal_listhead(nullptr, TOOLTIPS_DESTROY);
    return TOOLTIPS_OK;
}

int tooltips_core_get_tip(const void* object, char** text) {
    if (!Initialized()) return TOOLTIPS_NOT_INITIALIZED;
    if (!object || !text) return TOOLTIPS_NULL_ARGUMENT;
    TipNode* node = tooltips_internal_find(object);
    if (!node) return TOOLTIPS_OBJECT_HAS_NO_TIP;
    *text = strdup(node->theText);
    return *text ? TOOLTIPS_OK : TOOLTIPS_OUT_OF_MEMORY;
}

int tooltips_core_set_tip_position(const void* object, int type, int kind) {
    if (!Initialized()) return TOOLTIPS_NOT_INITIALIZED;
    if (!object) return TOOLTIPS_NULL_ARGUMENT;
    TipNode* node = tooltips_internal_find(object);
    if (!node) return TOOLTIPS_OBJECT_HAS_NO_TIP;
    if (!tooltips_position_allowed(type, kind)) return TOOLTIPS_POSITION_NOT_ALLOWED;
    node->thePositionType = type;
    node->thePositionKind = kind;
    return TOOLTIPS_OK;
}

int tooltips_core_get_tip_position(const void* object, int* type, int* kind) {
    if (!Initialized()) return TOOLTIPS_NOT_INITIALIZED;
    if (!object || !type || !kind) return TOOLTIPS_NULL_ARGUMENT;
    TipNode* node = tooltips_internal_find(object);
    if (!node) return TOOLTIPS_OBJECT_HAS_NO_TIP;
    *type = node->thePositionType;
    *kind = node->thePositionKind;
    return TOOLTIPS_OK;
}

TipRectangle tooltips_place(int formX, int formY, int objX, int objY, int objW, int objH, int textW, int textH,
                            int screenW, int screenH) {
    TipRectangle r;
    r.w = textW + 10;
    r.h = textH + 8;
    r.x = formX + objX + objW / 2;
    r.y = formY + objY + objH + 5;
    if (r.y + r.h > screenH) r.y = formY + objY - r.h - 5;
    if (r.x < 0) r.x = 0;
    if (r.x + r.w > screenW) r.x = screenW - r.w;
    return r;
}
