// The tool windows side by side on the first start.
#include "workspace/fensterlage.h"

#include <gtest/gtest.h>

namespace {
bool Ueberlappen(Fensterort a, Fenstermass ma, Fensterort b, Fenstermass mb) {
    return a.X < b.X + mb.B && b.X < a.X + ma.B && a.Y < b.Y + mb.H && b.Y < a.Y + ma.H;
}
}  // namespace

TEST(Fensterlage, NebeneinanderUndUmbrechenAufDemBildschirm) {
    // The four tool windows on a screen of 1280 x 1024: one row.
    const std::vector<Fenstermass> werkzeuge = {{110, 290}, {130, 620}, {180, 640}, {220, 410}};
    auto orte = NebeneinanderLegen(werkzeuge, 30, 210, 10, 1280, 1024);
    ASSERT_EQ(orte.size(), 4u);
    EXPECT_EQ(orte[0].X, 30);
    EXPECT_EQ(orte[1].X, 150);
    EXPECT_EQ(orte[2].X, 290);
    EXPECT_EQ(orte[3].X, 480);
    for (const Fensterort& o : orte) EXPECT_EQ(o.Y, 210);

    // On 640 x 768 the row breaks, and tall windows move up to stay on it.
    orte = NebeneinanderLegen(werkzeuge, 30, 210, 10, 640, 768);
    for (std::size_t i = 0; i < orte.size(); ++i) {
        EXPECT_GE(orte[i].Y, 0);
        EXPECT_LE(orte[i].X + werkzeuge[i].B, 640);
        EXPECT_LE(orte[i].Y + werkzeuge[i].H, 768);
    }
    EXPECT_EQ(orte[3].X, 30);  // a second row
    EXPECT_EQ(orte[2].Y, 768 - 640);
    for (std::size_t i = 0; i + 1 < orte.size(); ++i)
        EXPECT_FALSE(Ueberlappen(orte[i], werkzeuge[i], orte[i + 1], werkzeuge[i + 1])) << i;
}
