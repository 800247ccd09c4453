// Point and distributed loads on the canvas, and the load editor's sketch.
#include "zeichentestsystem.h"

#include <cmath>

class Lasten : public Zeichentest {
protected:
    void SetUp() override {
        Zeichentest::SetUp();
        stab = Stab_(0, 0, 4, 0);
        lf = Lastfall_(true, 1.0);
    }
    Punktlast* Kraft(double f, double pos, long stabnummer, long koord = KOORD_GLOBAL) {
        Punktlast* l = PunktlastErzeugen(*sys, lf->Kennung, -1);
        l->Art = ART_KRAFT;
        l->Groesse = f;
        l->Position = pos;
        l->Stab = stabnummer;
        l->Koordinatensystem = koord;
        return l;
    }
    Stab* stab = nullptr;
    Lastfall* lf = nullptr;
};

TEST_F(Lasten, ZehnKilonewtonAlsFuenfzigPixelPfeilAufDenStab) {
    Kraft(10, 0.5, stab->Nummer);
    PunktlastenZeichnen(maler, ansicht, *sys, false);
    auto l = maler.Nur(Malart::Strecke);
    ASSERT_EQ(l.size(), 3u);
    EXPECT_EQ(W(l[0]), (std::vector<int>{500, 250, 500, 300}));  // from above onto the bar
    EXPECT_EQ(W(l[1]), (std::vector<int>{500, 300, 495, 292}));
    EXPECT_EQ(W(l[2]), (std::vector<int>{500, 300, 504, 292}));
    EXPECT_TRUE(l[0].Zustand.IstRolle(ROLLE_PUNKTLAST));
    EXPECT_EQ(l[0].Zustand.Breite, 4);
    // The "Punktlast" input scales the arrow.
    maler.Leeren();
    ansicht.Punktlastmassstab = 0.2;
    PunktlastenZeichnen(maler, ansicht, *sys, false);
    EXPECT_EQ(W(maler.Nur(Malart::Strecke)[0]), (std::vector<int>{500, 200, 500, 300}));
}

TEST_F(Lasten, LokaleKraftDrehtSichMitDemStab) {
    Stab* schraeg = Stab_(0, 0, 4 * std::cos(M_PI / 6), 4 * std::sin(M_PI / 6));
    Kraft(10, 0.5, schraeg->Nummer, KOORD_LOKAL);
    PunktlastenZeichnen(maler, ansicht, *sys, false);
    const auto s = maler.Nur(Malart::Strecke)[0].Werte;
    const double dx = s[2] - s[0], dy = s[3] - s[1];
    // 50 pixels long, perpendicular to the bar (screen direction (cos 30, -sin 30)).
    EXPECT_NEAR(std::hypot(dx, dy), 50.0, 1.5);
    EXPECT_NEAR(dx * std::cos(M_PI / 6) - dy * std::sin(M_PI / 6), 0.0, 1.5);
    EXPECT_GT(dy, 0);  // still from above
    EXPECT_GT(dx, 0);
}

TEST_F(Lasten, MomentAlsBogenMitKopf) {
    Punktlast* m = Kraft(10, 0.5, stab->Nummer);
    m->Art = ART_MOMENT;
    PunktlastenZeichnen(maler, ansicht, *sys, false);
    auto b = maler.Nur(Malart::Bogen);
    ASSERT_EQ(b.size(), 2u);
    EXPECT_EQ(W(b[0]), (std::vector<int>{498, 298, 4, 4, 0, 360 * 64}));
    EXPECT_EQ(W(b[1]), (std::vector<int>{470, 270, 60, 60, 0, 12 * 64}));  // 12 degrees counter-clockwise
    auto l = maler.Nur(Malart::Strecke);
    ASSERT_EQ(l.size(), 2u);
    EXPECT_EQ(W(l[0]), (std::vector<int>{529, 293, 525, 300}));
    EXPECT_EQ(W(l[1]), (std::vector<int>{529, 293, 535, 300}));

    // Clockwise: the arc runs the other way and the head points back up.
    m->Groesse = -10;
    maler.Leeren();
    PunktlastenZeichnen(maler, ansicht, *sys, false);
    EXPECT_EQ(maler.Nur(Malart::Bogen)[1].Werte[5], -12 * 64);
    l = maler.Nur(Malart::Strecke);
    EXPECT_EQ(W(l[0]), (std::vector<int>{529, 306, 525, 300}));
    // An absurd moment gives at most a full turn instead of an overflow.
    m->Groesse = 1e30;
    maler.Leeren();
    PunktlastenZeichnen(maler, ansicht, *sys, false);
    EXPECT_EQ(maler.Nur(Malart::Bogen)[1].Werte[5], 360 * 64);
}

TEST_F(Lasten, BeschriftungMitGewichtUndGroesse) {
    lf->Gewicht = 1.35;
    Kraft(10, 0.5, stab->Nummer);
    PunktlastenZeichnen(maler, ansicht, *sys, true);
    const Malaufruf* t = maler.TextSuchen("1.35x10.00");
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(W(*t), (std::vector<int>{530, 270}));
    auto l = maler.Nur(Malart::Strecke);
    EXPECT_EQ(W(l[3]), (std::vector<int>{500, 300, 530, 270}));
    EXPECT_EQ(l[3].Zustand.Breite, 1);
}

TEST_F(Lasten, InaktiveUndVerwaisteLastenFehlen) {
    Kraft(10, 0.5, stab->Nummer + 99);  // names no bar: skipped
    Kraft(10, 0.25, stab->Nummer);
    Streckenlast* sl = StreckenlastErzeugen(*sys, lf->Kennung, -1);
    sl->Stab = 4711;
    sl->GroesseA = sl->GroesseB = 5;
    sl->PositionB = 1;
    bericht.Zeilen.clear();
    PunktlastenZeichnen(maler, ansicht, *sys, true);
    StreckenlastenZeichnen(maler, ansicht, *sys, true);
    ASSERT_EQ(maler.Nur(Malart::Strecke).size(), 4u);
    EXPECT_EQ(maler.Nur(Malart::Strecke)[0].Werte[0], 450);
    EXPECT_TRUE(bericht.Zeilen.empty());

    lf->Aktiv = -1;  // hidden, not deleted
    maler.Leeren();
    PunktlastenZeichnen(maler, ansicht, *sys, true);
    EXPECT_TRUE(maler.Nur(Malart::Strecke).empty());
    EXPECT_EQ(KeAnzahl(sys->Punktlasten), 2);
    // A load of a load case that does not exist is never drawn.
    lf->Aktiv = 1;
    Punktlast* fremd = Kraft(10, 0.5, stab->Nummer);
    fremd->Lastfall = 12345;
    maler.Leeren();
    PunktlastenZeichnen(maler, ansicht, *sys, false);
    EXPECT_EQ(maler.Nur(Malart::Strecke).size(), 3u);
}

TEST_F(Lasten, StreckenlastVonNullAufZehnUeberDieZweiteHaelfte) {
    Streckenlast* sl = StreckenlastErzeugen(*sys, lf->Kennung, -1);
    sl->Stab = stab->Nummer;
    sl->GroesseA = 0;
    sl->GroesseB = 10;
    sl->PositionA = 0.5;
    sl->PositionB = 1.0;
    sl->Koordinatensystem = KOORD_GLOBAL;
    StreckenlastenZeichnen(maler, ansicht, *sys, true);
    auto l = maler.InFarbe(ROLLE_STRECKENLAST);
    // Ten arrows of three lines, the outline, two leaders.
    ASSERT_EQ(l.size(), 10u * 3 + 1 + 2 + 2);
    EXPECT_EQ(W(l[0]), (std::vector<int>{500, 300, 500, 300}));  // a dot at zero intensity
    EXPECT_EQ(l[0].Zustand.Breite, 3);
    EXPECT_EQ(W(l[27]), (std::vector<int>{600, 250, 600, 300}));  // full length at the end
    EXPECT_EQ(W(l[30]), (std::vector<int>{500, 300, 600, 250}));  // sloped outline
    for (int i = 1; i < 9; ++i) {
        const int laenge = l[3 * i].Werte[3] - l[3 * i].Werte[1];
        EXPECT_NEAR(laenge, 50.0 * i / 9, 1.0) << i;
        EXPECT_NEAR(l[3 * i].Werte[0], 500 + 100.0 * i / 9, 1.0) << i;
    }
    const Malaufruf* ta = maler.TextSuchen("1.00x0.00");
    const Malaufruf* tb = maler.TextSuchen("1.00x10.00");
    ASSERT_TRUE(ta && tb);
    EXPECT_EQ(W(*ta), (std::vector<int>{440, 270}));
    EXPECT_EQ(W(*tb), (std::vector<int>{630, 270}));
    EXPECT_EQ(maler.Aufrufe.back().Art, Malart::Linie);
    EXPECT_EQ(maler.Aufrufe.back().Zustand.Breite, 3);
}

// ------------------------------------------------------------------ sketch windows

TEST_F(Lasten, SkizzePasstDenStabEinUndZeichntDieLast) {
    Punktlast* pl = Kraft(10, 0.5, stab->Nummer);
    LastskizzeZeichnen(maler, 540, 500, stab, pl, nullptr, 1.0, 0);
    ASSERT_GE(maler.Aufrufe.size(), 2u);
    EXPECT_EQ(maler.Aufrufe[1].Art, Malart::Loeschen);
    // The 4 m bar spans half the 540-pixel window, centred: 135 to 405.
    auto stabl = maler.InFarbe(ROLLE_STAB);
    ASSERT_EQ(stabl.size(), 2u);
    EXPECT_EQ(W(stabl[0]), (std::vector<int>{135, 250, 405, 250}));
    EXPECT_EQ(W(stabl[1]), (std::vector<int>{135, 254, 405, 254}));
    EXPECT_EQ(stabl[1].Zustand.Art, Linienart::Gestrichelt);
    const Malaufruf* a = maler.TextSuchen("A");
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(W(*a), (std::vector<int>{115, 270}));
    EXPECT_EQ(a->Zustand.Schriftart, Schrift::Gross);
    EXPECT_EQ(W(*maler.TextSuchen("B")), (std::vector<int>{415, 240}));
    // The force: c = 10 x input pixels per kN, independent of the sketch scale.
    auto last = maler.InFarbe(ROLLE_PUNKTLAST);
    ASSERT_EQ(last.size(), 3u);
    EXPECT_EQ(W(last[0]), (std::vector<int>{270, 150, 270, 250}));
    EXPECT_EQ(last[0].Zustand.Breite, 2);
    EXPECT_EQ(maler.Aufrufe.back().Art, Malart::Senden);

    // No bar: nothing at all.
    maler.Leeren();
    LastskizzeZeichnen(maler, 540, 500, nullptr, pl, nullptr, 1.0, 0);
    EXPECT_TRUE(maler.Aufrufe.empty());
}

TEST_F(Lasten, SkizzeStreckenlastUmFuenfPixelVersetzt) {
    Streckenlast* sl = StreckenlastErzeugen(*sys, lf->Kennung, -1);
    sl->Stab = stab->Nummer;
    sl->GroesseA = sl->GroesseB = 2;
    sl->PositionB = 1.0;
    LastskizzeZeichnen(maler, 540, 500, stab, nullptr, sl, 1.0, 0);
    auto l = maler.InFarbe(ROLLE_STRECKENLAST);
    ASSERT_EQ(l.size(), 30u);  // no outline, no labels
    // d = 0.5 m per kN/m: 1 m at 67.5 px/m above the bar, then 5 px up.
    EXPECT_EQ(W(l[0]), (std::vector<int>{135, 177, 135, 245}));
    sl->GroesseA = sl->GroesseB = -2;
    maler.Leeren();
    LastskizzeZeichnen(maler, 540, 500, stab, nullptr, sl, 1.0, 0);
    EXPECT_EQ(W(maler.InFarbe(ROLLE_STRECKENLAST)[0]), (std::vector<int>{135, 322, 135, 255}));
}

TEST_F(Lasten, SkizzeEinesStabsOhneLaengeTeiltNichtDurchNull) {
    Punkt* p = PunktErzeugen(*sys, 1, 1, -1);
    Stab* null = Stab_(p, p);
    const Ansicht k = SkizzenAnsicht(*null, 400, 400);
    EXPECT_DOUBLE_EQ(k.Massstab, 1.0);
    EXPECT_EQ(WeltNachBildX(k, 1.0), 200);
    EXPECT_EQ(WeltNachBildY(k, 1.0), 200);
    // A vertical bar is fitted by its height alone.
    const Ansicht h = SkizzenAnsicht(*Stab_(0, 0, 0, 2), 400, 400);
    EXPECT_DOUBLE_EQ(h.Massstab, 100.0);
}

TEST_F(Lasten, AchsenlegendeFarbeNachHintergrund) {
    AchsenlegendeZeichnen(maler, 500, 1.0, 0.0, 0);
    auto l = maler.Nur(Malart::Strecke);
    EXPECT_EQ(W(l[0]), (std::vector<int>{20, 20, 20, 90}));
    EXPECT_EQ(W(l[3]), (std::vector<int>{20, 20, 90, 20}));
    EXPECT_EQ(W(*maler.TextSuchen("phi")), (std::vector<int>{25, 35}));
    auto b = maler.Nur(Malart::Bogen);
    ASSERT_EQ(b.size(), 1u);
    EXPECT_EQ(W(b[0]), (std::vector<int>{-20, -20, 80, 80, 290 * 64, 50 * 64}));
    // Local axes of a horizontal bar at the bottom left, white on black.
    const Malaufruf* xu = maler.TextSuchen("X,u");
    ASSERT_NE(xu, nullptr);
    EXPECT_EQ(W(*xu), (std::vector<int>{105, 395}));
    EXPECT_TRUE(xu->Zustand.IstToolkit(TOOLKIT_WEISS));
    EXPECT_EQ(W(*maler.TextSuchen("Z,w")), (std::vector<int>{15, 485}));
    maler.Leeren();
    AchsenlegendeZeichnen(maler, 500, 1.0, 0.0, TOOLKIT_WEISS);
    EXPECT_TRUE(maler.TextSuchen("X,u")->Zustand.IstToolkit(TOOLKIT_BLAU));
}

// ------------------------------------------------------------------ temperature loads

class Temperaturlasten : public Lasten {
protected:
    Temperaturlast* Last(double dT, double dTM) {
        Temperaturlast* t = TemperaturlastErzeugen(*sys, lf->Kennung, -1);
        t->Stab = stab->Nummer;
        t->DeltaT = dT;
        t->DeltaTM = dTM;
        return t;
    }
};

TEST_F(Temperaturlasten, StricheQuerUeberDenGanzenStabMitDenStreckenlasten) {
    Temperaturlast* t = Last(30, -5);
    Zeichenschalter z = AllesAus();
    SystemZeichnen(maler, ansicht, z, sys);
    EXPECT_TRUE(maler.InFarbe(ROLLE_STRECKENLAST).empty());
    z.Streckenlasten = true;
    maler.Leeren();
    SystemZeichnen(maler, ansicht, z, sys);
    // 200 pixels of bar: 16 strokes 12.5 pixels apart, 8 pixels to either side.
    auto l = maler.InFarbe(ROLLE_STRECKENLAST);
    ASSERT_EQ(l.size(), 16u);
    EXPECT_EQ(W(l[0]), (std::vector<int>{406, 292, 406, 308}));
    EXPECT_EQ(W(l[15]), (std::vector<int>{593, 292, 593, 308}));
    EXPECT_EQ(l[0].Zustand.Breite, 2);
    // The same size at every scale: zoomed in, only more strokes.
    maler.Leeren();
    ansicht.Massstab *= 3;
    TemperaturlastenZeichnen(maler, ansicht, *sys, false);
    l = maler.Nur(Malart::Strecke);
    EXPECT_EQ(l.size(), 50u);
    EXPECT_EQ(l[0].Werte[3] - l[0].Werte[1], 16);
    // Neither an inactive load case nor a bar that is gone.
    for (int fall = 0; fall < 2; ++fall) {
        lf->Aktiv = fall == 0 ? -1 : 1;
        t->Stab = fall == 0 ? stab->Nummer : 99;
        maler.Leeren();
        TemperaturlastenZeichnen(maler, ansicht, *sys, true);
        EXPECT_TRUE(maler.Nur(Malart::Strecke).empty());
    }
}

TEST_F(Temperaturlasten, BeschriftungMitDreieckenAlsDelta) {
    Last(30, -5);
    TemperaturlastenZeichnen(maler, ansicht, *sys, true);
    auto t = maler.Nur(Malart::Text);
    ASSERT_EQ(t.size(), 1u);
    // "dT=30.0 K  dTM=-5.0 K" below the middle of the bar, a blank where
    // each Delta goes.
    EXPECT_EQ(W(t[0]), (std::vector<int>{520, 335}));
    EXPECT_EQ(t[0].Inhalt, " T=30.0 K   TM=-5.0 K");
    auto l = maler.Nur(Malart::Strecke);
    ASSERT_EQ(l.size(), 16u + 1 + 6);
    EXPECT_EQ(W(l[16]), (std::vector<int>{500, 300, 520, 335}));  // leader
    EXPECT_EQ(l[16].Zustand.Breite, 1);
    // Two triangles on the baseline of their character cells, after the text.
    const std::vector<std::vector<int>> dreiecke = {
        {521, 335, 528, 335}, {521, 335, 524, 325}, {528, 335, 524, 325},
        {620, 335, 627, 335}, {620, 335, 623, 325}, {627, 335, 623, 325},
    };
    for (int i = 0; i < 6; ++i) EXPECT_EQ(W(l[17 + i]), dreiecke[i]) << i;
    EXPECT_EQ(TemperaturlastText(-0.01, 12.25), " T=0.0 K   TM=12.2 K");
}

TEST_F(Temperaturlasten, SkizzeZeigtDieGewaehlteLast) {
    Temperaturlast* t = Last(12, 3);
    LastskizzeZeichnen(maler, 540, 500, stab, nullptr, nullptr, 1.0, 0, t);
    // 270 pixels of bar in the sketch: 22 strokes, and the label.
    EXPECT_EQ(maler.InFarbe(ROLLE_STRECKENLAST).size(), 22u + 1 + 6 + 1);
    const Malaufruf* text = maler.TextSuchen(" T=12.0 K   TM=3.0 K");
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(W(*text), (std::vector<int>{290, 285}));
}
