// Stresses in the extreme fibres against the closed form of a simply
// supported IPE 200 under a uniform load and a tensile force.
#include <cmath>

#include "analysis/ergebnisse.h"
#include "analysis/spannungen.h"
#include "aufbau.h"

namespace {

constexpr double PI = 3.14159265358979323846;

class Spannung : public Analyse {};

TEST_F(Spannung, EinfeldtraegerAusIpe200) {
    // IPE 200: A = 28.5 cm^2, Iz = 1943 cm^4, h/2 = 100 mm.
    const double a = 28.5e-4, iz = 1943e-8, maxy = 0.1;
    Querschnitt* ipe = QuerschnittAnlegen(2, a, iz);
    ipe->MaxY = maxy;
    const double l = 4.0, q = 10.0, zug = 50.0;
    Stab* s = StabZwischen(P(0, 0), P(l, 0));
    s->Querschnitt = 2;
    for (int slot : {FG_AX, FG_AY, FG_BY}) Festhalten(s->Freiheitsgrade[slot]);
    Lastfall* lf = Lastfall_();
    Strecke(lf, s, 0.0, 1.0, q, q, 0.0);
    Kraft(lf, s, 1.0, zug, PI / 2);
    ASSERT_TRUE(Rechnen());

    for (int i = 0; i <= 9; ++i) {
        const double t = i / 9.0, x = t * l;
        const double m = q * x * (l - x) / 2, v = q * (l / 2 - x);
        // kN/m^2 -> N/mm^2
        const double mittel = zug / a / 1000, biegung = m * maxy / iz / 1000;
        Spannungen sp;
        ASSERT_TRUE(SpannungenAn(s, t, sp));
        EXPECT_FALSE(sp.OhneRandabstand);
        // A sagging moment: the lower fibre (local -y) in tension.
        EXPECT_NEAR(sp.SigmaOben, mittel - biegung, 1e-9 * (1 + biegung)) << i;
        EXPECT_NEAR(sp.SigmaUnten, mittel + biegung, 1e-9 * (1 + biegung)) << i;
        EXPECT_NEAR(sp.TauMittel, v / a / 1000, 1e-9) << i;
    }
    // Midspan of the closed form: 20 kNm -> 102.934 N/mm^2 from bending.
    Spannungen mitte;
    ASSERT_TRUE(SpannungenAus(zug, 0.0, 20.0, *ipe, mitte));
    EXPECT_NEAR(mitte.SigmaUnten - zug / a / 1000, 102.934, 5e-4);

    // Without the distance to the extreme fibre only N/A is known.
    ipe->MaxY = 0.0;
    Spannungen ohne;
    ASSERT_TRUE(SpannungenAn(s, 0.5, ohne));
    EXPECT_TRUE(ohne.OhneRandabstand);
    EXPECT_NEAR(ohne.SigmaOben, zug / a / 1000, 1e-9);
    EXPECT_EQ(ohne.SigmaOben, ohne.SigmaUnten);

    // No area, no stress; no results, no stress.
    ipe->Flaeche = 0.0;
    EXPECT_FALSE(SpannungenAn(s, 0.5, ohne));
    ipe->Flaeche = a;
    Stab* ohneErgebnisse = StabZwischen(P(0, 1), P(1, 1));
    EXPECT_FALSE(SpannungenAn(ohneErgebnisse, 0.5, ohne));
}

}  // namespace
