// Grid and snap values typed into the settings.
#include "workspace/rasterwerte.h"

#include <gtest/gtest.h>

TEST(Rasterwerte, OnlyPositiveFiniteSpacingsAreTaken) {
    double w = 1.0;
    EXPECT_TRUE(RasterabstandLesen("0.25", w));
    EXPECT_DOUBLE_EQ(w, 0.25);
    EXPECT_TRUE(RasterabstandLesen("2m", w)) << "read by the leading number";
    EXPECT_DOUBLE_EQ(w, 2.0);
    for (const char* schlecht : {"0", "-1", "", "abc", "1e999", "nan", "-0.0"}) {
        EXPECT_FALSE(RasterabstandLesen(schlecht, w)) << schlecht;
        EXPECT_DOUBLE_EQ(w, 2.0) << "the old spacing stays for " << schlecht;
    }
    EXPECT_FALSE(RasterabstandLesen(nullptr, w));
}

TEST(Rasterwerte, ChoiceItemsMapToSnapModes) {
    EXPECT_EQ(FangmodusAusAuswahl(1), 0);
    EXPECT_EQ(FangmodusAusAuswahl(4), 3);
    EXPECT_EQ(FangmodusAusAuswahl(0), -1);
    EXPECT_EQ(FangmodusAusAuswahl(5), -1);
    char t[32];
    RasterabstandText(0.5, t);
    EXPECT_STREQ(t, "0.500");
}
