// Latin-1 literals: umlauts become one byte each, ASCII stays as it is.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "core/latin1.h"

TEST(Latin1Literal, UmlautsBecomeSingleBytes) {
    EXPECT_EQ(std::string("Größe Übergang äöüÄÖÜß °²"_l1),
              std::string("Gr\xf6\xdf" "e \xdc" "bergang \xe4\xf6\xfc\xc4\xd6\xdc\xdf \xb0\xb2"));
    EXPECT_STREQ("Stab %ld : N = %.3f kN"_l1, "Stab %ld : N = %.3f kN");
    EXPECT_EQ(std::strlen(""_l1), 0u);
}
