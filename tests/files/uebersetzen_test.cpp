// Texts pass through the translation hook unchanged, whatever LANG says.
#include "core/latin1.h"
#include "files/uebersetzen.h"

#include <gtest/gtest.h>

#include <cstdlib>

TEST(Uebersetzen, TexteBleibenUnveraendert) {
    setenv("LANG", "en_GB.UTF-8", 1);
    const char* text = "System öffnen"_l1;
    EXPECT_EQ(Uebersetzen(text), text);
    // LANG is read once; changing it later changes nothing
    unsetenv("LANG");
    EXPECT_STREQ(Uebersetzen("Beenden"), "Beenden");
    EXPECT_STREQ(Uebersetzen(nullptr), "");
    EXPECT_STREQ(Sprache(), "en_GB.UTF-8");
}
