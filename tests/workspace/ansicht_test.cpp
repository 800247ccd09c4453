// The view transform, snapping, zoom and pan.
#include "zeichentestsystem.h"

#include "files/massstab.h"

#include <cmath>
#include <limits>

TEST(Ansicht, VorgabenLegenDenUrsprungInDieMitte) {
    Massstabeinstellungen e;
    Positionierer p;
    const Ansicht a = AnsichtErmitteln(e, p, 800, 600);
    EXPECT_EQ(WeltNachBildX(a, 0.0), 400);
    EXPECT_EQ(WeltNachBildY(a, 0.0), 300);
    // One metre is 50 pixels, and y grows upwards on screen.
    EXPECT_EQ(WeltNachBildX(a, 1.0), 450);
    EXPECT_EQ(WeltNachBildY(a, 1.0), 250);
    EXPECT_DOUBLE_EQ(BildNachWeltX(a, 450), 1.0);
    EXPECT_DOUBLE_EQ(BildNachWeltY(a, 250), 1.0);
    EXPECT_DOUBLE_EQ(a.Punktlastmassstab, 0.1);
    EXPECT_DOUBLE_EQ(a.Streckenlastmassstab, 0.1);
    EXPECT_DOUBLE_EQ(a.Schnittkraftmassstab, 0.01);
    EXPECT_DOUBLE_EQ(a.Verschiebungsmassstab, 20.0);
}

TEST(Ansicht, PositionUndPositioniererVerschiebenDasBild) {
    Massstabwerte w;
    w.PositionX = 2.0;
    w.PositionY = -1.0;
    const Ansicht a = AnsichtBerechnen(w, Positionierer{0.25, 0.75}, 800, 600);
    EXPECT_DOUBLE_EQ(a.VersatzX, 0.25 * 800 + 2.0 * 50);
    EXPECT_DOUBLE_EQ(a.VersatzY, -0.75 * 600 + 1.0 * 50);
    EXPECT_EQ(WeltNachBildX(a, -2.0), 200);
    EXPECT_EQ(WeltNachBildY(a, 1.0), 150);
}

TEST(Ansicht, PixelWerdenZurNullHinAbgeschnitten) {
    Ansicht a = AnsichtBerechnen(Massstabwerte{}, Positionierer{0.0, 0.0}, 800, 600);
    // -0.3 m is -15 px, -0.019 m is -0.95 px: truncation gives 0, not -1.
    EXPECT_EQ(WeltNachBildX(a, -0.3), -15);
    EXPECT_EQ(WeltNachBildX(a, -0.019), 0);
    EXPECT_EQ(WeltNachBildX(a, 0.019), 0);
}

TEST(Ansicht, FerneKoordinatenWerdenBegrenztNichtUmgebrochen) {
    const Ansicht a = AnsichtBerechnen(Massstabwerte{}, Positionierer{}, 800, 600);
    EXPECT_EQ(WeltNachBildX(a, 1e6), 30000);
    EXPECT_EQ(WeltNachBildX(a, -1e6), -30000);
    EXPECT_EQ(WeltNachBildY(a, 1e6), -30000);
    EXPECT_EQ(WeltNachBildX(a, std::numeric_limits<double>::infinity()), 30000);
    EXPECT_EQ(WeltNachBildX(a, std::nan("")), 0);
}

TEST(Ansicht, SystemmassstabNullWirdEins) {
    for (const char* text : {"0", "abc", "", "nan", "inf"}) {
        Massstabeinstellungen e;
        e.Setzen(MASSSTAB_SYSTEM, text);
        const Ansicht a = AnsichtErmitteln(e, Positionierer{}, 800, 600);
        EXPECT_EQ(e.Text(MASSSTAB_SYSTEM), "1") << text;
        EXPECT_DOUBLE_EQ(a.Massstab, 1.0) << text;
        EXPECT_TRUE(std::isfinite(BildNachWeltX(a, 10))) << text;
    }
    // Other inputs are read by their leading number.
    Massstabeinstellungen e;
    e.Setzen(MASSSTAB_SCHNITTKRAFT, "2.5kN");
    e.Setzen(MASSSTAB_SYSTEM, "25");
    const Ansicht a = AnsichtErmitteln(e, Positionierer{}, 800, 600);
    EXPECT_DOUBLE_EQ(a.Schnittkraftmassstab, 0.025);
    EXPECT_DOUBLE_EQ(a.Massstab, 25.0);
    EXPECT_EQ(e.Text(MASSSTAB_SYSTEM), "25");
}

// ------------------------------------------------------------------ snap

TEST(Fangen, RasterRundetHalbeVonNullWeg) {
    EXPECT_DOUBLE_EQ(AufRasterFangen(0.74, 0.5), 0.5);
    EXPECT_DOUBLE_EQ(AufRasterFangen(0.75, 0.5), 1.0);
    EXPECT_DOUBLE_EQ(AufRasterFangen(-0.75, 0.5), -1.0);
    EXPECT_DOUBLE_EQ(AufRasterFangen(-0.74, 0.5), -0.5);
    EXPECT_DOUBLE_EQ(AufRasterFangen(0.2, 0.5), 0.0);
    EXPECT_DOUBLE_EQ(AufRasterFangen(3.1, 1.0), 3.0);
    EXPECT_DOUBLE_EQ(AufRasterFangen(1e300, 0.5), 1e300);
}

TEST(Fangen, RasterweiteNullOderNegativLaesstDenWert) {
    EXPECT_DOUBLE_EQ(AufRasterFangen(0.74, 0.0), 0.74);
    EXPECT_DOUBLE_EQ(AufRasterFangen(0.74, -0.5), 0.74);
    EXPECT_DOUBLE_EQ(AufRasterFangen(0.74, std::nan("")), 0.74);
    EXPECT_DOUBLE_EQ(AufRasterFangen(0.74, std::numeric_limits<double>::infinity()), 0.74);
}

class FangenMitSystem : public Zeichentest {};

TEST_F(FangenMitSystem, VierModi) {
    PunktErzeugen(*sys, 1.0, 1.0, -1);
    double x = 1.19, y = 1.0;
    sys->Fangmodus = 0;
    EXPECT_EQ(Fangen(sys, x, y), nullptr);
    EXPECT_DOUBLE_EQ(x, 1.19);

    sys->Fangmodus = 1;
    EXPECT_EQ(Fangen(sys, x, y), nullptr);
    EXPECT_DOUBLE_EQ(x, 1.0);

    // Point snap: 0.19 m away is caught, 0.2 m is not.
    sys->Fangmodus = 2;
    x = 1.19;
    y = 1.0;
    Punkt* p = Fangen(sys, x, y);
    ASSERT_NE(p, nullptr);
    EXPECT_DOUBLE_EQ(x, 1.0);
    Punkt* q = PunktErzeugen(*sys, -5.0, 0.0, -1);
    x = -4.8;  // exactly 0.2 m from q
    y = 0.0;
    EXPECT_EQ(Fangen(sys, x, y), nullptr);
    EXPECT_DOUBLE_EQ(x, -4.8);
    x = -4.81;
    EXPECT_EQ(Fangen(sys, x, y), q);

    // Point and grid: no point near, so the grid decides.
    sys->Fangmodus = 3;
    x = 1.24;
    y = 0.74;
    EXPECT_EQ(Fangen(sys, x, y), nullptr);
    EXPECT_DOUBLE_EQ(x, 1.0);
    EXPECT_DOUBLE_EQ(y, 0.5);
    x = 1.1;
    y = 0.95;
    EXPECT_EQ(Fangen(sys, x, y), p);
    EXPECT_DOUBLE_EQ(y, 1.0);
}

TEST_F(FangenMitSystem, FangrasterNullLaesstNurDieseKoordinate) {
    sys->Fangmodus = 1;
    sys->FangrasterX = 0.0;
    double x = 0.74, y = 0.74;
    Fangen(sys, x, y);
    EXPECT_DOUBLE_EQ(x, 0.74);
    EXPECT_DOUBLE_EQ(y, 0.5);
    EXPECT_EQ(Fangen(nullptr, x, y), nullptr);
}

TEST_F(FangenMitSystem, GleichWeitEntferntGewinntDerFruehereDerKette) {
    Punkt* aelter = PunktErzeugen(*sys, 0.0, 0.0, -1);
    Punkt* neuer = PunktErzeugen(*sys, 0.2, 0.0, -1);
    // New points are entered first, so the newer one comes first in the chain.
    EXPECT_EQ(NaechsterPunkt(sys, 0.1, 0.0, 0.2), neuer);
    EXPECT_EQ(NaechsterPunkt(sys, 0.09, 0.0, 0.2), aelter);
    EXPECT_EQ(NaechsterPunkt(sys, 5.0, 0.0, 0.2), nullptr);
    EXPECT_EQ(NaechsterPunkt(sys, 0.0005, 0.0, 0.001), aelter);
}

// ------------------------------------------------------------------ zoom and pan

class Zoom : public Zeichentest {
protected:
    Massstabeinstellungen e;
    Positionierer pos{0.1, 0.9};
};

TEST_F(Zoom, AllesPasstDieStaebeMitRandEin) {
    Stab_(0.0, 2.0, 10.0, 2.0);  // horizontal: the width decides
    ASSERT_TRUE(ZoomAlles(sys, 800, 600, e, pos));
    EXPECT_EQ(e.Text(MASSSTAB_SYSTEM), "68.00");
    EXPECT_EQ(e.Text(MASSSTAB_POSITION_X), "-5.00");
    EXPECT_EQ(e.Text(MASSSTAB_POSITION_Y), "-2.00");
    EXPECT_DOUBLE_EQ(pos.X, 0.5);
    EXPECT_DOUBLE_EQ(pos.Y, 0.5);
    const Ansicht a = AnsichtErmitteln(e, pos, 800, 600);
    EXPECT_EQ(WeltNachBildX(a, 0.0), 60);
    EXPECT_EQ(WeltNachBildX(a, 10.0), 740);
    EXPECT_EQ(WeltNachBildY(a, 2.0), 300);

    // A tall structure: the height decides, rounded to two decimals.
    Stab_(0.0, 2.0, 0.0, 9.0);
    ASSERT_TRUE(ZoomAlles(sys, 800, 600, e, pos));
    EXPECT_EQ(e.Text(MASSSTAB_SYSTEM), "68.00");
    Stab_(0.0, 2.0, 0.0, 30.0);
    ASSERT_TRUE(ZoomAlles(sys, 800, 600, e, pos));
    EXPECT_EQ(e.Text(MASSSTAB_SYSTEM), "17.14");
    EXPECT_EQ(e.Text(MASSSTAB_POSITION_Y), "-16.00");
}

TEST_F(Zoom, AllesOhneStaebeMeldetUndLaesstAlles) {
    PunktErzeugen(*sys, 3.0, 3.0, -1);  // points without bars do not count
    EXPECT_FALSE(ZoomAlles(sys, 800, 600, e, pos));
    EXPECT_EQ(bericht.Texte().back(), "kein System !");
    EXPECT_EQ(e.Text(MASSSTAB_SYSTEM), "50");
    EXPECT_DOUBLE_EQ(pos.X, 0.1);
    EXPECT_FALSE(ZoomAlles(nullptr, 800, 600, e, pos));
}

TEST_F(Zoom, AllesOhneAusdehnungBehaeltDenMassstab) {
    Punkt* p = PunktErzeugen(*sys, 3.0, -4.0, -1);
    Stab_(p, p);
    ASSERT_TRUE(ZoomAlles(sys, 800, 600, e, pos));
    EXPECT_EQ(e.Text(MASSSTAB_SYSTEM), "50");
    EXPECT_EQ(e.Text(MASSSTAB_POSITION_X), "-3.00");
    EXPECT_EQ(e.Text(MASSSTAB_POSITION_Y), "4.00");
    // A canvas smaller than the margins gives no usable scale either.
    Stab_(0.0, 0.0, 10.0, 0.0);
    ASSERT_TRUE(ZoomAlles(sys, 100, 100, e, pos));
    EXPECT_EQ(e.Text(MASSSTAB_SYSTEM), "50");
    // Nor does a structure so large that the scale would read back as 0.
    Stab_(0.0, 0.0, 1e6, 0.0);
    ASSERT_TRUE(ZoomAlles(sys, 800, 600, e, pos));
    EXPECT_EQ(e.Text(MASSSTAB_SYSTEM), "50");
}

TEST_F(Zoom, PunktWirdZurMitte) {
    const Ansicht a = AnsichtErmitteln(e, Positionierer{}, 800, 600);
    ZoomPunkt(a, 500, 200, true, e, pos);  // world (2, 2)
    EXPECT_EQ(e.Text(MASSSTAB_SYSTEM), "60.00");
    EXPECT_EQ(e.Text(MASSSTAB_POSITION_X), "-2.00");
    EXPECT_EQ(e.Text(MASSSTAB_POSITION_Y), "-2.00");
    EXPECT_DOUBLE_EQ(pos.X, 0.5);
    const Ansicht b = AnsichtErmitteln(e, pos, 800, 600);
    EXPECT_EQ(WeltNachBildX(b, 2.0), 400);
    EXPECT_EQ(WeltNachBildY(b, 2.0), 300);
    ZoomPunkt(b, 400, 300, false, e, pos);
    EXPECT_EQ(e.Text(MASSSTAB_SYSTEM), "50.00");
}

TEST_F(Zoom, RechteckFuelltDieFlaeche) {
    const Ansicht a = AnsichtErmitteln(e, Positionierer{}, 800, 600);
    // World (0, 0) to (4, -2): 790/4 = 197.5 is smaller than 590/2.
    ZoomRechteck(a, 400, 300, 600, 400, e, pos);
    EXPECT_EQ(e.Text(MASSSTAB_SYSTEM), "197.50");
    EXPECT_EQ(e.Text(MASSSTAB_POSITION_X), "-2.00");
    EXPECT_EQ(e.Text(MASSSTAB_POSITION_Y), "1.00");
    const Ansicht b = AnsichtErmitteln(e, pos, 800, 600);
    EXPECT_EQ(WeltNachBildX(b, 0.0), 5);
    EXPECT_EQ(WeltNachBildX(b, 4.0), 795);
    // A rectangle without extent keeps the scale.
    ZoomRechteck(b, 100, 100, 100, 100, e, pos);
    EXPECT_EQ(e.Text(MASSSTAB_SYSTEM), "197.50");
}

TEST_F(Zoom, VerschiebenUmFuenfzigPixel) {
    Positionierer mitte;
    auto ursprung = [&] {
        const Ansicht a = AnsichtErmitteln(e, mitte, 800, 600);
        return std::pair<int, int>(WeltNachBildX(a, 0.0), WeltNachBildY(a, 0.0));
    };
    EXPECT_EQ(ursprung(), std::make_pair(400, 300));
    AnsichtVerschieben(Verschieberichtung::Rechts, e);
    EXPECT_EQ(e.Text(MASSSTAB_POSITION_X), "1.00");
    EXPECT_EQ(ursprung(), std::make_pair(450, 300));
    AnsichtVerschieben(Verschieberichtung::Hoch, e);
    EXPECT_EQ(ursprung(), std::make_pair(450, 250));
    AnsichtVerschieben(Verschieberichtung::Links, e);
    AnsichtVerschieben(Verschieberichtung::Runter, e);
    AnsichtVerschieben(Verschieberichtung::Runter, e);
    EXPECT_EQ(ursprung(), std::make_pair(400, 350));
    // At 30 px/m the step is written as 1.67 m: 50.1 pixels.
    e.Setzen(MASSSTAB_SYSTEM, "30");
    e.Setzen(MASSSTAB_POSITION_Y, "0");
    AnsichtVerschieben(Verschieberichtung::Links, e);
    EXPECT_EQ(e.Text(MASSSTAB_POSITION_X), "-1.67");
    EXPECT_EQ(ursprung().first, 349);
    // A zero scale moves as the view draws it: by 1 px/m.
    e.Setzen(MASSSTAB_SYSTEM, "0");
    e.Setzen(MASSSTAB_POSITION_X, "0");
    AnsichtVerschieben(Verschieberichtung::Rechts, e);
    EXPECT_EQ(e.Text(MASSSTAB_POSITION_X), "50.00");
}
