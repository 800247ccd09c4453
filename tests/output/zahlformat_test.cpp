// The listing's number formatting must give printf's bytes for every value:
// the reference listings and every listing written before depend on it.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "output/zahlformat.h"

namespace {

std::string Printf(const char* format, double wert, int breite, int stellen) {
    char zeile[1024];
    std::snprintf(zeile, sizeof zeile, format, breite, stellen, wert);
    return zeile;
}

std::vector<double> Pruefwerte() {
    std::vector<double> werte{0.0, -0.0, 1.0, -1.0, 0.5, 0.125, 0.0625, -0.0625, 2.5, 0.0005, -0.0005, 0.00049999,
                              1e-7, -1e-7, 12345.6785, 999.9995, 9.9999995, 1e15, 1e22, -1e300, 1.7976931348623157e308,
                              5e-324, std::numeric_limits<double>::infinity(),
                              -std::numeric_limits<double>::infinity(), std::nan("")};
    // Halfway cases of the binary value: k / 2^m lies exactly between two
    // decimals, where printf rounds to even.
    for (int k = 1; k < 64; k += 2)
        for (int m = 1; m <= 8; ++m) werte.push_back(std::ldexp(k, -m));
    std::mt19937_64 zufall(7);
    std::uniform_real_distribution<double> exponent(-12, 12), mantisse(-1, 1);
    for (int i = 0; i < 3000; ++i) werte.push_back(mantisse(zufall) * std::pow(10.0, exponent(zufall)));
    return werte;
}

TEST(Zahlformat, WiePrintf) {
    for (double wert : Pruefwerte())
        for (int stellen : {2, 3, 4, 5, 6})
            for (int breite : {0, 4, 8, 11}) {
                std::string fest;
                FestAnhaengen(fest, wert, breite, stellen);
                ASSERT_EQ(fest, Printf("%*.*f", wert, breite, stellen)) << wert;
                std::string exponent;
                ExponentAnhaengen(exponent, wert, stellen);
                ASSERT_EQ(exponent, Printf("%*.*e", wert, 0, stellen)) << wert;
            }
    for (long wert : {0L, 7L, -7L, 104L, std::numeric_limits<long>::min(), std::numeric_limits<long>::max()})
        for (int breite : {0, 2, 3}) {
            std::string ganz = "x";
            GanzAnhaengen(ganz, wert, breite);
            char zeile[64];
            std::snprintf(zeile, sizeof zeile, "x%*ld", breite, wert);
            EXPECT_EQ(ganz, zeile);
        }
}

}  // namespace
