// Bar angle in every direction and the hit test for marking bars.
#include <gtest/gtest.h>

#include <cmath>

#include "core/stabgeometrie.h"
#include "core/datenmodell.h"

namespace {

struct Richtung {
    double dx, dy, winkel;
};

}  // namespace

TEST(StabGeometrie, AngleInEveryDirectionUsesTheRoundedConstants) {
    const double pi = PI_GERUNDET;
    const Richtung faelle[] = {
        {1, 0, 0.0},
        {1, 1, std::atan(1.0)},
        {0, 2, 1.570796327},
        {-1, 1, std::atan(-1.0) + pi},
        {-3, 0, -3.141592654},  // not +pi
        {-1, -1, std::atan(1.0) + pi},
        {0, -2, -1.570796327},
        {2, -1, std::atan(-0.5)},
    };
    for (const Richtung& f : faelle) {
        Punkt a{0, 0, 1.5, -2.0};
        Punkt b{0, 1, 1.5 + f.dx, -2.0 + f.dy};
        Stab s{};
        s.PunktA = &a;
        s.PunktB = &b;
        StabGeometrie(&s);
        EXPECT_DOUBLE_EQ(s.Winkel, f.winkel) << f.dx << "," << f.dy;
        if (f.dy != 0 || f.dx > 0) {
            EXPECT_GT(s.Winkel, -M_PI / 2 - 1e-9);
            EXPECT_LT(s.Winkel, 3 * M_PI / 2);
        }
        EXPECT_DOUBLE_EQ(s.Laenge, std::hypot(f.dx, f.dy));
        EXPECT_DOUBLE_EQ(s.Cos, std::cos(f.winkel));
        EXPECT_DOUBLE_EQ(s.Sin, std::sin(f.winkel));
    }
    EXPECT_NE(RichtungsWinkel(0, 0, -1, 0, 0), -M_PI);
}

TEST(StabGeometrie, CoincidentPointsKeepThePreviousAngle) {
    Punkt a{0, 0, 2, 2};
    Stab s{};
    s.PunktA = &a;
    s.PunktB = &a;
    StabGeometrie(&s);
    EXPECT_EQ(s.Winkel, 0.0);
    EXPECT_EQ(s.Laenge, 0.0);
    s.Winkel = 0.7;
    StabGeometrie(&s);
    EXPECT_EQ(s.Winkel, 0.7);
    EXPECT_DOUBLE_EQ(s.Cos, std::cos(0.7));

    Stab ohnePunkte{};  // must not crash
    StabGeometrie(&ohnePunkte);
    StabGeometrie(nullptr);
    EXPECT_EQ(ohnePunkte.Laenge, 0.0);
}

TEST(PunktAufStab, NearTheAxisAndAwayFromTheEnds) {
    EXPECT_EQ(PunktAufStab(0, 0, 4, 0, 2, 0.02), 1);
    EXPECT_EQ(PunktAufStab(0, 0, 4, 0, 2, -0.02), 1);
    EXPECT_EQ(PunktAufStab(0, 0, 4, 0, 2, 0.04), 0);
    EXPECT_EQ(PunktAufStab(0, 0, 4, 0, 0.02, 0), 0);  // end zone
    EXPECT_EQ(PunktAufStab(0, 0, 4, 0, 3.9, 0), 1);
    EXPECT_EQ(PunktAufStab(0, 0, 4, 0, 5, 0), 0);     // beyond the end
    EXPECT_EQ(PunktAufStab(0, 0, 4, 0, -1, 0), 0);
    // Direction and orientation do not matter.
    EXPECT_EQ(PunktAufStab(4, 0, 0, 0, 2, 0.02), 1);
    EXPECT_EQ(PunktAufStab(1, 1, 1, 5, 1.01, 3), 1);
    EXPECT_EQ(PunktAufStab(1, 1, 1, 5, 1.05, 3), 0);
    EXPECT_EQ(PunktAufStab(0, 0, 3, 4, 1.5, 2.0), 1);
    EXPECT_EQ(PunktAufStab(0, 0, 3, 4, 1.5 + 0.08, 2.0 - 0.06), 0);
}

TEST(PunktAufStab, DegenerateBarsHitNothing) {
    EXPECT_EQ(PunktAufStab(1, 1, 1, 1, 1, 1), 0);
    EXPECT_EQ(PunktAufStab(0, 0, 0, 0, 0.5, 0), 0);
    EXPECT_EQ(PunktAufStab(0, 0, NAN, 0, 0.5, 0), 0);
}
