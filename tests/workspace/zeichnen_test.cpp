// The redraw driver, the grid and origin, the arrow and the clipping of
// coordinates to the 16-bit range.
#include "zeichentestsystem.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

bool AlleImBereich(const Aufzeichnungsmaler& m) {
    for (const Malaufruf& a : m.Aufrufe) {
        if (a.Art == Malart::Strecke || a.Art == Malart::Bogen || a.Art == Malart::Rechteck ||
            a.Art == Malart::Text)
            for (int i = 0; i < 2 && i < static_cast<int>(a.Werte.size()); ++i)
                if (std::abs(a.Werte[i]) > 30000) return false;
        if (a.Art == Malart::Strecke && (std::abs(a.Werte[2]) > 30000 || std::abs(a.Werte[3]) > 30000)) return false;
    }
    return true;
}

}  // namespace

TEST(Pfeil, KopfAusZweiLinienVonEinemSechstel) {
    Aufzeichnungsmaler m;
    PfeilZeichnen(m, 0, 0, 60, 0);
    auto s = m.Nur(Malart::Strecke);
    ASSERT_EQ(s.size(), 3u);
    EXPECT_EQ(W(s[0]), (std::vector<int>{0, 0, 60, 0}));
    // 10 sin 30 degrees is a hair below 5 in doubles: truncation gives 4.
    EXPECT_EQ(W(s[1]), (std::vector<int>{60, 0, 51, 4}));
    EXPECT_EQ(W(s[2]), (std::vector<int>{60, 0, 51, -4}));

    // Pointing left (dy = 0, dx < 0) and down (dx = 0).
    m.Leeren();
    PfeilZeichnen(m, 60, 0, 0, 0);
    s = m.Nur(Malart::Strecke);
    EXPECT_EQ(W(s[1]), (std::vector<int>{0, 0, 8, -4}));
    EXPECT_EQ(W(s[2]), (std::vector<int>{0, 0, 8, 4}));
    m.Leeren();
    PfeilZeichnen(m, 0, 0, 0, 60);
    s = m.Nur(Malart::Strecke);
    EXPECT_EQ(W(s[1]), (std::vector<int>{0, 60, -4, 51}));
    EXPECT_EQ(W(s[2]), (std::vector<int>{0, 60, 4, 51}));

    // Up and to the left: the quadrant correction turns the head round.
    m.Leeren();
    PfeilZeichnen(m, 60, 60, 0, 0);
    s = m.Nur(Malart::Strecke);
    for (int i = 1; i < 3; ++i) {
        EXPECT_GT(s[i].Werte[2], 0) << s[i].Beschreibung();
        EXPECT_GT(s[i].Werte[3], 0) << s[i].Beschreibung();
    }

    // A zero-length arrow is a dot, not a failure.
    m.Leeren();
    PfeilZeichnen(m, 5, 5, 5, 5);
    for (const Malaufruf& a : m.Nur(Malart::Strecke)) EXPECT_EQ(W(a), (std::vector<int>{5, 5, 5, 5}));
}

TEST(Beschneiden, StreckenBleibenImSechzehnBitBereich) {
    Aufzeichnungsmaler m;
    StreckeZeichnen(m, -1e6, 10.7, 1e6, 10.7);
    StreckeZeichnen(m, 0, 0, 1e9, 1e9);            // diagonal out of range
    StreckeZeichnen(m, 40000, 0, 50000, 10);       // wholly outside
    StreckeZeichnen(m, 0, 0, std::numeric_limits<double>::infinity(), 0);
    StreckeZeichnen(m, std::nan(""), 0, 1, 1);
    StreckeZeichnen(m, -3.7, 2.9, 100.2, -0.5);   // inside: only truncated
    auto s = m.Nur(Malart::Strecke);
    ASSERT_EQ(s.size(), 3u);
    EXPECT_EQ(W(s[0]), (std::vector<int>{-30000, 10, 30000, 10}));
    EXPECT_EQ(W(s[1]), (std::vector<int>{0, 0, 30000, 30000}));
    EXPECT_EQ(W(s[2]), (std::vector<int>{-3, 2, 100, 0}));
}

TEST(Beschneiden, LinienzugUndKleineDinge) {
    Aufzeichnungsmaler m;
    const double x[3] = {0, 100, 200}, y[3] = {0, 70000, 0};
    LinienzugZeichnen(m, x, y, 3);
    // Not one wrapped polyline but two clipped segments.
    EXPECT_TRUE(m.Nur(Malart::Linienzug).empty());
    ASSERT_EQ(m.Nur(Malart::Strecke).size(), 2u);
    EXPECT_TRUE(AlleImBereich(m));
    m.Leeren();
    const double y2[3] = {0, 70, -0.5};
    LinienzugZeichnen(m, x, y2, 3);
    auto z = m.Nur(Malart::Linienzug);
    ASSERT_EQ(z.size(), 1u);
    ASSERT_EQ(z[0].Punkte.size(), 3u);
    EXPECT_EQ(z[0].Punkte[1].y, 70);
    EXPECT_EQ(z[0].Punkte[2].y, 0);

    // Texts, arcs and rectangles outside are left out, not wrapped.
    m.Leeren();
    TextZeichnen(m, 40000, 5, "x");
    TextZeichnen(m, std::nan(""), 5, "x");
    BogenZeichnen(m, -10, -10, 70000, 70000, 0, 64);
    RechteckZeichnen(m, 29995, 0, 12, 12);
    KreisZeichnen(m, 10, 10, 8);
    ASSERT_EQ(m.Aufrufe.size(), 1u);
    EXPECT_EQ(W(m.Aufrufe[0]), (std::vector<int>{6, 6, 8, 8, 0, 360 * 64}));
}

// ------------------------------------------------------------------ grid and origin

class Raster : public Zeichentest {};

TEST_F(Raster, LinienUndBeschriftungImMeterabstand) {
    RasterZeichnen(maler, ansicht, *sys, false);
    auto s = maler.Nur(Malart::Strecke);
    // 9 + 9 vertical lines (x = 0..8 and 0..-8), 7 + 7 horizontal ones.
    ASSERT_EQ(s.size(), 32u);
    EXPECT_EQ(W(s[0]), (std::vector<int>{400, 0, 400, 600}));
    EXPECT_EQ(W(s[8]), (std::vector<int>{800, 0, 800, 600}));
    EXPECT_EQ(W(s[9]), (std::vector<int>{400, 0, 400, 600}));
    EXPECT_EQ(W(s[17]), (std::vector<int>{0, 0, 0, 600}));
    EXPECT_EQ(W(s[18]), (std::vector<int>{0, 300, 800, 300}));
    EXPECT_EQ(W(s[19]), (std::vector<int>{0, 250, 800, 250}));
    for (const Malaufruf& a : s) {
        EXPECT_TRUE(a.Zustand.IstRolle(ROLLE_RASTER));
        EXPECT_EQ(a.Zustand.Breite, 0);
        EXPECT_EQ(a.Zustand.Art, Linienart::Gestrichelt);
    }

    maler.Leeren();
    AchsenBeschriften(maler, ansicht, *sys);
    const Malaufruf* t = maler.TextSuchen("-3.00");
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(W(*t), (std::vector<int>{250, 550}));
    EXPECT_EQ(t->Zustand.Schriftart, Schrift::Klein);
    EXPECT_EQ(t->Zustand.Hintergrund, ROLLE_HINTERGRUND);
    // y labels right-aligned by six pixels per character.
    t = maler.TextSuchen("2.00");
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(W(*t), (std::vector<int>{500, 550}));
    bool gefunden = false;
    for (const Malaufruf& a : maler.Nur(Malart::Text))
        if (a.Inhalt == "2.00" && a.Werte[1] == 200) {
            EXPECT_EQ(a.Werte[0], 800 - 24 - 50);
            gefunden = true;
        }
    EXPECT_TRUE(gefunden);
    EXPECT_EQ(maler.Aufrufe.back().Art, Malart::Schriftart);
    EXPECT_EQ(maler.Aufrufe.back().Zustand.Schriftart, Schrift::Normal);
}

TEST_F(Raster, AchsenHervorgehoben) {
    RasterZeichnen(maler, ansicht, *sys, true);
    auto v = maler.InFarbe(ROLLE_VORDERGRUND);
    ASSERT_EQ(v.size(), 2u);
    EXPECT_EQ(W(v[0]), (std::vector<int>{400, 0, 400, 600}));
    EXPECT_EQ(W(v[1]), (std::vector<int>{0, 300, 800, 300}));
    EXPECT_EQ(v[0].Zustand.Breite, 2);
}

TEST_F(Raster, UnbrauchbareWeitenLassenNurDieseRichtungWeg) {
    for (double weite : {0.0, -1.0, 1e-12, std::nan("")}) {
        sys->RasterweiteX = weite;
        maler.Leeren();
        RasterZeichnen(maler, ansicht, *sys, false);
        AchsenBeschriften(maler, ansicht, *sys);
        // Only the 14 horizontal lines and their 14 labels remain.
        EXPECT_EQ(maler.Nur(Malart::Strecke).size(), 14u) << weite;
        EXPECT_EQ(maler.Nur(Malart::Text).size(), 14u) << weite;
    }
    sys->RasterweiteY = 0.0;
    maler.Leeren();
    RasterZeichnen(maler, ansicht, *sys, false);
    EXPECT_TRUE(maler.Nur(Malart::Strecke).empty());
}

TEST_F(Raster, UrsprungInDerMitte) {
    UrsprungZeichnen(maler, ansicht);
    auto s = maler.Nur(Malart::Strecke);
    ASSERT_EQ(s.size(), 8u);
    EXPECT_EQ(W(s[0]), (std::vector<int>{400, 300, 450, 300}));  // one metre along x
    EXPECT_EQ(W(s[3]), (std::vector<int>{400, 300, 400, 250}));  // and along y
    EXPECT_EQ(W(*maler.TextSuchen("X")), (std::vector<int>{460, 300}));
    EXPECT_EQ(W(*maler.TextSuchen("Y")), (std::vector<int>{400, 240}));
    EXPECT_EQ(W(*maler.TextSuchen("Z")), (std::vector<int>{405, 295}));
    auto b = maler.Nur(Malart::Bogen);
    ASSERT_EQ(b.size(), 1u);
    EXPECT_EQ(W(b[0]), (std::vector<int>{365, 265, 70, 70, 20 * 64, 50 * 64}));
    for (const Malaufruf& a : s) {
        EXPECT_TRUE(a.Zustand.IstRolle(ROLLE_VORDERGRUND));
        EXPECT_EQ(a.Zustand.Breite, 2);
    }
    // At an enormous scale the arc would not fit: left out, nothing wraps.
    maler.Leeren();
    ansicht.Massstab = 1e6;
    UrsprungZeichnen(maler, ansicht);
    EXPECT_TRUE(maler.Nur(Malart::Bogen).empty());
    EXPECT_TRUE(AlleImBereich(maler));
}

// ------------------------------------------------------------------ driver

class Neuzeichnen : public Zeichentest {};

TEST_F(Neuzeichnen, OhneSystemNurLoeschen) {
    SystemZeichnen(maler, ansicht, Zeichenschalter{}, nullptr);
    EXPECT_EQ(maler.Nur(Malart::Loeschen).size(), 1u);
    EXPECT_EQ(maler.Nur(Malart::Strecke).size(), 0u);
    EXPECT_EQ(maler.Aufrufe.back().Art, Malart::Senden);
}

TEST_F(Neuzeichnen, EbenenInFesterReihenfolge) {
    Stab* s = Stab_(0, 0, 4, 0);
    Stab* t = Stab_(s->PunktB, PunktErzeugen(*sys, 4, 3, -1));
    t->Freiheitsgrade[FG_AX] = s->Freiheitsgrade[FG_BX];
    t->Freiheitsgrade[FG_AY] = s->Freiheitsgrade[FG_BY];  // a hinge: arrows show
    s->Freiheitsgrade[FG_AY]->Status = STATUS_PRIMAL;
    Lastfall* lf = Lastfall_();
    Punktlast* pl = PunktlastErzeugen(*sys, lf->Kennung, -1);
    pl->Stab = s->Nummer;
    pl->Art = ART_KRAFT;
    pl->Groesse = 10;
    pl->Position = 0.5;
    Streckenlast* sl = StreckenlastErzeugen(*sys, lf->Kennung, -1);
    sl->Stab = s->Nummer;
    sl->GroesseA = sl->GroesseB = 5;
    sl->PositionB = 1;
    Abschnitt(s)->MA = 5;
    Abschnitt(t)->NA = 1;

    Zeichenschalter alle;
    for (bool* b : {&alle.Verschiebung, &alle.VBeschriften, &alle.Moment, &alle.Querkraft, &alle.Normalkraft,
                    &alle.SKBeschriften, &alle.Lagergroessen, &alle.PLBeschriftung, &alle.SLBeschriftung,
                    &alle.Punktnummern, &alle.Stabnummern, &alle.Freiheitsgrade, &alle.Ursprung,
                    &alle.AchsenHervorheben})
        *b = true;
    SystemZeichnen(maler, ansicht, alle, sys);
    ASSERT_EQ(maler.Aufrufe[1].Art, Malart::Loeschen);

    auto erstes = [&](Farbrolle r) {
        for (size_t i = 0; i < maler.Aufrufe.size(); ++i)
            if (maler.Aufrufe[i].Art == Malart::Farbe && maler.Aufrufe[i].Werte[0] == r) return i;
        return maler.Aufrufe.size();
    };
    const Farbrolle reihe[] = {ROLLE_RASTER, ROLLE_VORDERGRUND, ROLLE_STAB, ROLLE_LAGER, ROLLE_FG_DUAL,
                               ROLLE_PUNKTLAST, ROLLE_STRECKENLAST, ROLLE_VERSCHIEBUNG, ROLLE_NORMALKRAFT,
                               ROLLE_QUERKRAFT, ROLLE_MOMENT, ROLLE_PUNKT, ROLLE_PUNKTNUMMER, ROLLE_STABNUMMER};
    for (size_t i = 0; i + 1 < std::size(reihe); ++i)
        EXPECT_LT(erstes(reihe[i]), erstes(reihe[i + 1])) << reihe[i] << " vor " << reihe[i + 1];
    // The support reactions come last.
    EXPECT_TRUE(maler.Aufrufe[maler.Aufrufe.size() - 3].Zustand.IstRolle(ROLLE_FG_PRIMAL));
    EXPECT_EQ(maler.Aufrufe.back().Art, Malart::Senden);
}

TEST_F(Neuzeichnen, SchalterWaehlenDieEbenen) {
    Stab_(0, 0, 4, 0);
    Zeichenschalter z;
    z.System = false;  // points and reference fibres stay
    sys->RasterAnzeigen = 0;
    z.Achsenbeschriftung = false;
    SystemZeichnen(maler, ansicht, z, sys);
    auto stab = maler.InFarbe(ROLLE_STAB);
    ASSERT_EQ(stab.size(), 1u);
    EXPECT_EQ(stab[0].Zustand.Art, Linienart::Gestrichelt);
    EXPECT_EQ(maler.InFarbe(ROLLE_PUNKT).size(), 2u);
    EXPECT_TRUE(maler.InFarbe(ROLLE_RASTER).empty());

    maler.Leeren();
    SystemZeichnen(maler, ansicht, AllesAus(), sys);
    EXPECT_TRUE(maler.Nur(Malart::Strecke).empty());
    EXPECT_TRUE(maler.Nur(Malart::Rechteck).empty());
}

TEST_F(Neuzeichnen, MarkierterStabUeberLastenUndLinien) {
    Stab* s = Stab_(0, 0, 4, 0);
    s->Markiert = 1;
    Stab_(0, 0, 0, 3);  // unmarked
    Lastfall* lf = Lastfall_();
    Streckenlast* sl = StreckenlastErzeugen(*sys, lf->Kennung, -1);
    sl->Stab = s->Nummer;
    sl->GroesseA = sl->GroesseB = 0;  // its outline lies on the bar
    sl->PositionB = 1;
    Abschnitt(s)->MA = 5;
    Zeichenschalter z = AllesAus();
    z.Streckenlasten = z.Moment = true;  // the bars themselves switched off
    SystemZeichnen(maler, ansicht, z, sys);
    // after the load and the moment diagram, three strokes along the marked
    // bar: a margin of background, the bar, a dark core
    std::vector<const Malaufruf*> zuege;
    size_t letzteLinie = 0;
    for (size_t i = 0; i < maler.Aufrufe.size(); ++i) {
        const Malaufruf& a = maler.Aufrufe[i];
        if (a.Zustand.IstRolle(ROLLE_STRECKENLAST) || a.Zustand.IstRolle(ROLLE_MOMENT))
            if (a.Art == Malart::Strecke || a.Art == Malart::Linienzug) letzteLinie = i;
        if (a.Art == Malart::Strecke && W(a) == std::vector<int>{400, 300, 600, 300} &&
            !a.Zustand.IstRolle(ROLLE_STRECKENLAST) && !a.Zustand.IstRolle(ROLLE_MOMENT)) {
            EXPECT_GT(i, letzteLinie) << a.Beschreibung();
            zuege.push_back(&a);
        }
    }
    ASSERT_EQ(zuege.size(), 3u);
    EXPECT_TRUE(zuege[0]->Zustand.IstRolle(ROLLE_HINTERGRUND));
    EXPECT_EQ(zuege[0]->Zustand.Breite, 9);
    EXPECT_TRUE(zuege[1]->Zustand.IstRolle(ROLLE_SELEKTIERTER_STAB));
    EXPECT_EQ(zuege[1]->Zustand.Breite, 5);
    EXPECT_TRUE(zuege[2]->Zustand.IstRolle(ROLLE_HINTERGRUND));
    EXPECT_EQ(zuege[2]->Zustand.Breite, 1);
    EXPECT_TRUE(maler.InFarbe(ROLLE_STAB).empty());  // the unmarked bar stays off
}
