// The tooltips library without a display: result codes, the list of tips,
// suspend and resume, the allowed position pairs and the placement rules.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "core/latin1.h"
#include "workspace/tooltips/tooltips.h"

namespace {

int tipWindowsDestroyed = 0;
int delayFormsDestroyed = 0;

void CountTip(TipNode* n) {
    ++tipWindowsDestroyed;
    n->theTipFormPtr = nullptr;
    n->theShown = 0;
}
void CountDelay(TipNode* n) {
    ++delayFormsDestroyed;
    n->theDelayForm = nullptr;
    n->theTimer = nullptr;
}

class Tooltips : public ::testing::Test {
protected:
    void SetUp() override {
        tooltips_core_terminate();
        tipWindowsDestroyed = delayFormsDestroyed = 0;
        tooltips_internal_set_window_destroyers(CountTip, CountDelay);
        ASSERT_EQ(tooltips_core_initialize(), TOOLTIPS_OK);
    }
    void TearDown() override {
        tooltips_core_terminate();
        tooltips_internal_set_window_destroyers(nullptr, nullptr);
    }
    // Stand-ins for toolkit objects and forms: only their addresses count.
    int button1 = 0, button2 = 0, button3 = 0;
    int form1 = 0, form2 = 0;
};

TEST_F(Tooltips, EveryOperationAnswersOneBeforeInitialisation) {
    ASSERT_EQ(tooltips_core_terminate(), TOOLTIPS_OK);
    EXPECT_EQ(tooltips_core_terminate(), TOOLTIPS_NOT_INITIALIZED);
    EXPECT_EQ(tooltips_core_suspend(), TOOLTIPS_NOT_INITIALIZED);
    EXPECT_EQ(tooltips_core_resume(), TOOLTIPS_NOT_INITIALIZED);
    EXPECT_EQ(tooltips_core_set_tip(&button1, &form1, "x"), TOOLTIPS_NOT_INITIALIZED);
    EXPECT_EQ(tooltips_core_remove_tip(&button1), TOOLTIPS_NOT_INITIALIZED);
    EXPECT_EQ(tooltips_core_remove_form_tips(&form1), TOOLTIPS_NOT_INITIALIZED);
    EXPECT_EQ(tooltips_core_remove_all_tips(), TOOLTIPS_NOT_INITIALIZED);
    char* text = nullptr;
    EXPECT_EQ(tooltips_core_get_tip(&button1, &text), TOOLTIPS_NOT_INITIALIZED);
    int type = -1, kind = -1;
    EXPECT_EQ(tooltips_core_set_tip_position(&button1, 0, 2), TOOLTIPS_NOT_INITIALIZED);
    EXPECT_EQ(tooltips_core_get_tip_position(&button1, &type, &kind), TOOLTIPS_NOT_INITIALIZED);
    TooltipsStatus st{9, 9, 9, 9};
    EXPECT_EQ(tooltips_core_get_status(&st), TOOLTIPS_NOT_INITIALIZED);
    EXPECT_EQ(st.initialized + st.suspended + st.tipShown + st.nodes, 0);
    EXPECT_EQ(tooltips_internal_node_for_event(&button1), nullptr);

    EXPECT_EQ(tooltips_core_initialize(), TOOLTIPS_OK);
    EXPECT_EQ(tooltips_core_initialize(), TOOLTIPS_ALREADY_INITIALIZED);
}

TEST_F(Tooltips, SuspendAndResumeAreCountedOnceAndSilenceEvents) {
    ASSERT_EQ(tooltips_core_set_tip(&button1, &form1, "System öffnen"_l1), TOOLTIPS_OK);
    EXPECT_NE(tooltips_internal_node_for_event(&button1), nullptr);

    TipNode* node = tooltips_internal_find(&button1);
    node->theTipFormPtr = &form2;  // a tip is showing
    node->theShown = 1;
    node->theDelayForm = &form2;
    EXPECT_EQ(tooltips_core_suspend(), TOOLTIPS_OK);
    EXPECT_EQ(tipWindowsDestroyed, 1) << "suspending hides the tips that are up";
    EXPECT_EQ(delayFormsDestroyed, 1);
    EXPECT_EQ(node->theShown, 0);
    EXPECT_EQ(tooltips_core_suspend(), TOOLTIPS_ALREADY_SUSPENDED);
    EXPECT_EQ(tooltips_internal_node_for_event(&button1), nullptr);
    TooltipsStatus st{};
    EXPECT_EQ(tooltips_core_get_status(&st), TOOLTIPS_OK);
    EXPECT_EQ(st.suspended, 1);

    EXPECT_EQ(tooltips_core_resume(), TOOLTIPS_OK);
    EXPECT_EQ(tooltips_core_resume(), TOOLTIPS_NOT_SUSPENDED);
    EXPECT_EQ(tooltips_internal_node_for_event(&button1), node);

    node->theEnabled = 0;
    EXPECT_EQ(tooltips_internal_node_for_event(&button1), nullptr) << "disabled tips stay hidden";
    EXPECT_EQ(tooltips_internal_node_for_event(&button2), nullptr) << "objects without a tip";
}

TEST_F(Tooltips, RegisteringCopiesTheTextAndRefusesASecondTip) {
    std::string text = "Zoom alles";
    ASSERT_EQ(tooltips_core_set_tip(&button1, &form1, text.c_str()), TOOLTIPS_OK);
    text = "überschrieben"_l1;
    EXPECT_EQ(tooltips_core_set_tip(&button1, &form1, "zweiter Tip"), TOOLTIPS_OBJECT_HAS_TIP);

    char* kopie = nullptr;
    ASSERT_EQ(tooltips_core_get_tip(&button1, &kopie), TOOLTIPS_OK);
    EXPECT_STREQ(kopie, "Zoom alles") << "the first text stays, held as the library's own copy";
    std::free(kopie);

    EXPECT_EQ(tooltips_core_set_tip(nullptr, &form1, "x"), TOOLTIPS_NULL_ARGUMENT);
    EXPECT_EQ(tooltips_core_set_tip(&button2, &form1, nullptr), TOOLTIPS_NULL_ARGUMENT);
    EXPECT_EQ(tooltips_core_set_tip(&button2, nullptr, "x"), TOOLTIPS_NO_FORM);
    EXPECT_EQ(tooltips_core_get_tip(&button2, &kopie), TOOLTIPS_OBJECT_HAS_NO_TIP);
    EXPECT_EQ(tooltips_core_get_tip(&button1, nullptr), TOOLTIPS_NULL_ARGUMENT);

    TooltipsStatus st{};
    ASSERT_EQ(tooltips_core_get_status(&st), TOOLTIPS_OK);
    EXPECT_EQ(st.initialized, 1);
    EXPECT_EQ(st.nodes, 1);
    EXPECT_EQ(st.tipShown, 0);
    EXPECT_EQ(tooltips_core_get_status(nullptr), TOOLTIPS_NULL_ARGUMENT);
}

TEST_F(Tooltips, RemovingRelinksTheListInEveryPosition) {
    ASSERT_EQ(tooltips_core_set_tip(&button1, &form1, "a"), TOOLTIPS_OK);
    ASSERT_EQ(tooltips_core_set_tip(&button2, &form2, "b"), TOOLTIPS_OK);
    ASSERT_EQ(tooltips_core_set_tip(&button3, &form1, "c"), TOOLTIPS_OK);
    // New nodes go to the head: c, b, a.
    TipNode* h = tooltips_internal_listhead(nullptr, TOOLTIPS_QUERY);
    ASSERT_NE(h, nullptr);
    EXPECT_EQ(h->theObject, &button3);
    EXPECT_EQ(h->next->theObject, &button2);
    EXPECT_EQ(h->next->next->theObject, &button1);

    // The middle one, then the head; the links must stay consistent.
    tooltips_internal_find(&button2)->theDelayForm = &form2;
    EXPECT_EQ(tooltips_core_remove_tip(&button2), TOOLTIPS_OK);
    EXPECT_EQ(delayFormsDestroyed, 1) << "a pending tip goes with its node";
    EXPECT_EQ(tooltips_core_remove_tip(&button2), TOOLTIPS_OBJECT_HAS_NO_TIP);
    h = tooltips_internal_listhead(nullptr, TOOLTIPS_QUERY);
    EXPECT_EQ(h->next->theObject, &button1);
    EXPECT_EQ(h->next->prev, h);

    EXPECT_EQ(tooltips_core_remove_form_tips(&form2), TOOLTIPS_FORM_HAS_NO_TIP);
    EXPECT_EQ(tooltips_core_remove_form_tips(&form1), TOOLTIPS_OK) << "both remaining tips are on form1";
    EXPECT_EQ(tooltips_internal_listhead(nullptr, TOOLTIPS_QUERY), nullptr);
    EXPECT_EQ(tooltips_core_remove_form_tips(nullptr), TOOLTIPS_NULL_ARGUMENT);
    EXPECT_EQ(tooltips_core_remove_tip(nullptr), TOOLTIPS_NULL_ARGUMENT);

    ASSERT_EQ(tooltips_core_set_tip(&button1, &form1, "a"), TOOLTIPS_OK);
    tooltips_internal_find(&button1)->theTipFormPtr = &form1;
    tooltips_internal_find(&button1)->theShown = 1;
    EXPECT_EQ(tooltips_core_remove_all_tips(), TOOLTIPS_OK);
    EXPECT_EQ(tipWindowsDestroyed, 1);
    TooltipsStatus st{};
    tooltips_core_get_status(&st);
    EXPECT_EQ(st.nodes, 0);
    // The list can be filled again afterwards.
    EXPECT_EQ(tooltips_core_set_tip(&button1, &form1, "a"), TOOLTIPS_OK);
}

TEST_F(Tooltips, PositionPairsFollowTheTable) {
    ASSERT_EQ(tooltips_core_set_tip(&button1, &form1, "a"), TOOLTIPS_OK);
    int type = -1, kind = -1;
    ASSERT_EQ(tooltips_core_get_tip_position(&button1, &type, &kind), TOOLTIPS_OK);
    EXPECT_EQ(type, 0);
    EXPECT_EQ(kind, 0);

    EXPECT_EQ(tooltips_core_set_tip_position(&button1, 3, 3), TOOLTIPS_POSITION_NOT_ALLOWED);
    EXPECT_EQ(tooltips_core_set_tip_position(&button1, 3, 4), TOOLTIPS_OK);
    tooltips_core_get_tip_position(&button1, &type, &kind);
    EXPECT_EQ(type, 3);
    EXPECT_EQ(kind, 4);
    EXPECT_EQ(tooltips_core_set_tip_position(&button1, 0, 0), TOOLTIPS_POSITION_NOT_ALLOWED);
    tooltips_core_get_tip_position(&button1, &type, &kind);
    EXPECT_EQ(kind, 4) << "a refused pair keeps the stored one";
    EXPECT_EQ(tooltips_core_set_tip_position(&button2, 0, 2), TOOLTIPS_OBJECT_HAS_NO_TIP);
    EXPECT_EQ(tooltips_core_get_tip_position(&button1, nullptr, &kind), TOOLTIPS_NULL_ARGUMENT);

    const int allowedCount[8] = {5, 3, 5, 3, 3, 5, 3, 5};
    for (int t = 0; t < 8; ++t) {
        int count = 0;
        for (int k = 0; k < 8; ++k) count += tooltips_position_allowed(t, k);
        EXPECT_EQ(count, allowedCount[t]) << "type " << t;
    }
    struct Pair { int type, kind; };
    for (Pair p : {Pair{0, 2}, Pair{0, 7}, Pair{1, 5}, Pair{2, 0}, Pair{2, 3}, Pair{3, 2}, Pair{3, 7},
                   Pair{4, 0}, Pair{4, 3}, Pair{4, 5}, Pair{5, 1}, Pair{5, 4}, Pair{6, 2}, Pair{7, 3},
                   Pair{7, 5}})
        EXPECT_TRUE(tooltips_position_allowed(p.type, p.kind)) << p.type << "," << p.kind;
    for (Pair p : {Pair{0, 0}, Pair{0, 3}, Pair{1, 4}, Pair{2, 1}, Pair{3, 3}, Pair{4, 4}, Pair{5, 3},
                   Pair{6, 3}, Pair{7, 4}, Pair{7, 7}, Pair{-1, 0}, Pair{8, 0}, Pair{0, 8}})
        EXPECT_FALSE(tooltips_position_allowed(p.type, p.kind)) << p.type << "," << p.kind;
}

TEST(TooltipsPlacement, BelowTheObjectStartingAtItsMiddle) {
    // Form at (100, 200), button at (15, 60) of 40 x 40, text 80 x 14.
    TipRectangle r = tooltips_place(100, 200, 15, 60, 40, 40, 80, 14, 1280, 1024);
    EXPECT_EQ(r.w, 90);
    EXPECT_EQ(r.h, 22);
    EXPECT_EQ(r.x, 135);
    EXPECT_EQ(r.y, 305);
}

TEST(TooltipsPlacement, AboveTheObjectNearTheBottomAndLeftAtTheRightEdge) {
    // The tip would end at 1000 + 40 + 5 + 22 = 1067 > 1024: it goes above.
    TipRectangle r = tooltips_place(0, 1000, 10, 0, 20, 40, 80, 14, 1280, 1024);
    EXPECT_EQ(r.y, 1000 - 22 - 5);
    // Ending exactly at the bottom still fits below.
    r = tooltips_place(0, 0, 0, 0, 20, 994 - 5 - 22 + 30, 80, 14, 1280, 1024);
    EXPECT_EQ(r.y + r.h, 1024);

    r = tooltips_place(1250, 100, 0, 0, 20, 20, 80, 14, 1280, 1024);
    EXPECT_EQ(r.x, 1280 - 90) << "moved left so that it ends at the edge";
    r = tooltips_place(-50, 100, 0, 0, 20, 20, 80, 14, 1280, 1024);
    EXPECT_EQ(r.x, 0) << "never left of the screen";
}

TEST(TooltipsDeathTest, UndefinedModesStopTheProgramNamingTheOperation) {
    EXPECT_DEATH(tooltips_internal_set_initialize_state(3), "tooltips.*tooltips_internal_set_initialize_state");
    EXPECT_DEATH(tooltips_internal_set_suspend_mode(-1), "tooltips_internal_set_suspend_mode");
    EXPECT_DEATH(tooltips_internal_listhead(nullptr, 7), "tooltips_internal_listhead");
}

}  // namespace
