// No number reads "-0.00".
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "core/zahltext.h"

namespace {

std::string Bereinigt(std::string s) {
    MinusNullEntfernen(s.data());
    return s.c_str();
}

TEST(Zahltext, MinusNullVerschwindetSonstNichts) {
    EXPECT_EQ(Bereinigt("-0.00"), "0.00");
    EXPECT_EQ(Bereinigt("w:-0.0000"), "w:0.0000");
    EXPECT_EQ(Bereinigt("1.00x-0.00"), "1.00x0.00");
    EXPECT_EQ(Bereinigt("Punkt [ 3 ] : -0.00/-0.00"), "Punkt [ 3 ] : 0.00/0.00");
    EXPECT_EQ(Bereinigt("-0.01 -10.00 -0"), "-0.01 -10.00 0");
    EXPECT_EQ(Bereinigt("- -. 1e-00 -0.0e+01"), "- -. 1e-00 -0.0e+01");
    EXPECT_EQ(Bereinigt(""), "");

    EXPECT_EQ(OhneMinusNull(-0.004, 2), 0.0);
    EXPECT_FALSE(std::signbit(OhneMinusNull(-0.0, 2)));
    EXPECT_EQ(OhneMinusNull(-0.006, 2), -0.006);
    EXPECT_EQ(OhneMinusNull(-0.00004, 4), 0.0);
    EXPECT_EQ(OhneMinusNull(-0.0004, 4), -0.0004);
}

}  // namespace
