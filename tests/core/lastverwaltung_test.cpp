// Load cases, combinations and the loads of one bar as the dialogs drive them.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>

#include "core/bericht.h"
#include "core/lastverwaltung.h"
#include "core/latin1.h"
#include "core/programm.h"
#include "core/systemoperationen.h"

namespace {

struct Lastfixture : ::testing::Test {
    SammelBericht bericht;
    Berichtsempfaenger* alterBericht = nullptr;
    System* sys = nullptr;
    Stab stab{};

    void SetUp() override {
        ProgrammZuruecksetzen();
        alterBericht = BerichtSetzen(&bericht);
        sys = SystemErzeugen();
        stab.Nummer = 7;
        stab.Laenge = 5.0;
        stab.Cos = 0.8;
    }
    void TearDown() override {
        ProgrammZuruecksetzen();
        BerichtSetzen(alterBericht);
    }
    Lastfall* Fall(long nummer, const char* name, long aktiv = -1, double gewicht = 1.0) {
        Lastfall* lf = LastfallErzeugen(*sys, nummer, name, -1);
        lf->Aktiv = aktiv;
        lf->Gewicht = gewicht;
        return lf;
    }
    long Anzahl(Kette k) { return KeAnzahl(k); }
};

}  // namespace

TEST(Lastzeilen, FormatsAndLeadingNumbers) {
    Lastfall lf{};
    lf.Nummer = 4;
    lf.Gewicht = 1.5;
    NameSetzen(lf.Name, "Wind");
    EXPECT_EQ(LastfallZeile(lf), "  4  1.50 Wind");
    Lastfallkombination k{};
    k.Nummer = 12;
    NameSetzen(k.Name, "Kombination");
    EXPECT_EQ(KombinationZeile(k), " 12  Kombination");
    EXPECT_EQ(ZeilenNummer("  4  1.50 Wind"), 4);
    // Wider than the column: the whole number counts, not its first digits.
    EXPECT_EQ(ZeilenNummer("1234  1.00 x"), 1234);
    EXPECT_EQ(ZeilenNummer("123456789 [PL] LF 0  -"), 123456789);
    EXPECT_EQ(ZeilenNummer("abc"), -1);
    EXPECT_EQ(ZeilenNummer(nullptr), -1);

    double w = -1;
    EXPECT_TRUE(ZahlLesen("1.35", w));
    EXPECT_EQ(w, 1.35);
    EXPECT_TRUE(ZahlLesen("abc", w));
    EXPECT_EQ(w, 0.0);
    EXPECT_FALSE(ZahlLesen("nan", w));
    EXPECT_FALSE(ZahlLesen("-inf", w));
}

TEST(Lastwinkel, NinetyDegreesRoundTripWithTheProgramsPi) {
    EXPECT_NEAR(GradNachBogen(90.0), 1.570796327, 1e-12);
    char text[32];
    std::snprintf(text, sizeof text, "%.3f", BogenNachGrad(GradNachBogen(90.0)));
    EXPECT_STREQ(text, "90.000");
    EXPECT_EQ(GradNachBogen(180.0), LAST_PI);
}

TEST_F(Lastfixture, CopyingActiveCasesNumbersNamesAndCopiesTheirLoads) {
    Fall(0, "Eigengewicht");
    Lastfall* b = Fall(2, "Schnee", 1, 0.5);
    Lastfall* a = Fall(1, "Wind", 1, 2.0);  // newest: first in chain order
    Punktlast* p = PunktlastErzeugen(*sys, a->Kennung, -1);
    p->Groesse = 3.0;
    p->Art = ART_MOMENT;
    Streckenlast* s = StreckenlastErzeugen(*sys, a->Kennung, -1);
    s->PositionB = 0.5;
    PunktlastErzeugen(*sys, b->Kennung, -1);
    const long vorher = sys->Aenderungen;

    auto kopien = AktiveLastfaelleKopieren(*sys);
    ASSERT_EQ(kopien.size(), 2u);
    EXPECT_EQ(kopien[0]->Nummer, 3);
    EXPECT_STREQ(kopien[0]->Name, "Wind(neu)");
    EXPECT_EQ(kopien[0]->Gewicht, 2.0);
    EXPECT_LE(kopien[0]->Aktiv, 0);
    EXPECT_EQ(kopien[1]->Nummer, 4);
    EXPECT_STREQ(kopien[1]->Name, "Schnee(neu)");
    EXPECT_GT(sys->Aenderungen, vorher);

    int punkt = 0, strecke = 0;
    for (Punktlast* l : Elemente<Punktlast>(sys->Punktlasten))
        if (l->Lastfall == kopien[0]->Kennung) {
            ++punkt;
            EXPECT_EQ(l->Groesse, 3.0);
            EXPECT_EQ(l->Art, ART_MOMENT);
            EXPECT_NE(l->Kennung, p->Kennung);
        }
    for (Streckenlast* l : Elemente<Streckenlast>(sys->Streckenlasten))
        if (l->Lastfall == kopien[0]->Kennung) {
            ++strecke;
            EXPECT_EQ(l->PositionB, 0.5);
        }
    EXPECT_EQ(punkt, 1);
    EXPECT_EQ(strecke, 1);
    EXPECT_EQ(Anzahl(sys->Punktlasten), 4);
}

TEST_F(Lastfixture, CopiedLongNameKeepsItsSuffix) {
    Lastfall* a = Fall(0, std::string(60, 'x').c_str());
    Lastfall* k = LastfallKopieren(*sys, a->Kennung);
    ASSERT_NE(k, nullptr);
    EXPECT_EQ(std::strlen(k->Name), size_t(NAME_KURZ - 1));
    EXPECT_EQ(std::string(k->Name).substr(NAME_KURZ - 6), "(neu)");
    EXPECT_EQ(LastfallKopieren(*sys, a->Kennung + 999), nullptr);
}

TEST_F(Lastfixture, ActivationWeightsNamesAndCombinations) {
    Lastfall* a = Fall(0, "G");
    Lastfall* b = Fall(1, "Q");
    Lastfall* c = Fall(2, "W");
    long vorher = sys->Aenderungen;
    LastfaelleAktivieren(*sys, {0, 2});
    EXPECT_EQ(a->Aktiv, 1);
    EXPECT_EQ(b->Aktiv, -1);
    EXPECT_EQ(c->Aktiv, 1);
    EXPECT_GT(sys->Aenderungen, vorher);
    vorher = sys->Aenderungen;
    LastfaelleAktivieren(*sys, {0, 2});  // nothing changes, nothing counted
    EXPECT_EQ(sys->Aenderungen, vorher);

    LastfaelleGewichten(*sys, {2, 99}, 1.35);
    EXPECT_EQ(c->Gewicht, 1.35);
    EXPECT_EQ(a->Gewicht, 1.0);
    LastfaelleBenennen(*sys, {1}, "Verkehr");
    EXPECT_STREQ(b->Name, "Verkehr");
    EXPECT_GT(sys->Aenderungen, vorher);

    Lastfallkombination* k = KombinationAusAktiven(*sys, -1);
    ASSERT_NE(k, nullptr);
    EXPECT_STREQ(k->Name, "Kombination");
    ASSERT_EQ(k->Anteile->top, 2);
    const long nr = k->Nummer;
    KombinationBenennen(*sys, nr, "GZT");

    // Weights change, another case becomes active: applying the combination
    // brings back its set and weights.
    c->Gewicht = 9;
    LastfaelleAktivieren(*sys, {1});
    KombinationAktivieren(*sys, nr);
    EXPECT_EQ(a->Aktiv, 1);
    EXPECT_EQ(b->Aktiv, -1);
    EXPECT_EQ(c->Aktiv, 1);
    EXPECT_EQ(c->Gewicht, 1.35);
    EXPECT_EQ(KombinationSuchen(*sys, nr)->Aktiv, 1);

    // "Ändern" keeps number and name, takes the current set.
    LastfaelleAktivieren(*sys, {1});
    ASSERT_TRUE(KombinationAendern(*sys, nr));
    Lastfallkombination* neu = KombinationSuchen(*sys, nr);
    EXPECT_STREQ(neu->Name, "GZT");
    ASSERT_EQ(neu->Anteile->top, 1);
    EXPECT_EQ(static_cast<Anteil*>(neu->Anteile->items[1])->Lastfall, b->Kennung);
    EXPECT_FALSE(KombinationAendern(*sys, nr + 1));

    // A share whose load case was deleted changes nothing; the rest become inactive.
    LastfallLoeschen(*sys, 1);
    KombinationAktivieren(*sys, nr);
    EXPECT_EQ(a->Aktiv, -1);
    EXPECT_EQ(c->Aktiv, -1);
}

TEST_F(Lastfixture, PositionsAreCheckedAgainstTheBar) {
    Punktlastwerte p;
    double r = -1;
    p.Position = 0;
    EXPECT_EQ(PunktlastPruefen(stab, p, r), Lastfehler::Keiner);
    p.Position = 5.0;
    EXPECT_EQ(PunktlastPruefen(stab, p, r), Lastfehler::Keiner);
    EXPECT_EQ(r, 1.0);
    p.Position = 5.001;
    EXPECT_EQ(PunktlastPruefen(stab, p, r), Lastfehler::Position);
    // Projection: 4 m.
    p.Positionsbezug = KOORD_GLOBAL;
    EXPECT_EQ(PunktlastPruefen(stab, p, r), Lastfehler::Position);
    p.Position = 2.0;
    EXPECT_EQ(PunktlastPruefen(stab, p, r), Lastfehler::Keiner);
    EXPECT_EQ(r, 0.5);
    // A bar running right to left: only negative positions lie on it.
    stab.Cos = -0.8;
    EXPECT_EQ(PunktlastPruefen(stab, p, r), Lastfehler::Position);
    p.Position = -2.0;
    EXPECT_EQ(PunktlastPruefen(stab, p, r), Lastfehler::Keiner);
    // A vertical bar has no projection to refer to; 0 / 0 must not pass.
    stab.Cos = 0;
    p.Position = 0;
    EXPECT_EQ(PunktlastPruefen(stab, p, r), Lastfehler::Position);
    p.Positionsbezug = KOORD_LOKAL;
    p.Groesse = NAN;
    EXPECT_EQ(PunktlastPruefen(stab, p, r), Lastfehler::Zahl);

    Streckenlastwerte s;
    double a, b;
    s.PositionA = -0.1;
    EXPECT_EQ(StreckenlastPruefen(stab, s, a, b), Lastfehler::PositionA);
    s.PositionA = 3;
    s.PositionB = 6;
    EXPECT_EQ(StreckenlastPruefen(stab, s, a, b), Lastfehler::PositionB);
    s.PositionB = 2;
    EXPECT_EQ(StreckenlastPruefen(stab, s, a, b), Lastfehler::Reihenfolge);
    s.PositionB = NAN;
    EXPECT_EQ(StreckenlastPruefen(stab, s, a, b), Lastfehler::PositionB);
    s.PositionB = 5;
    EXPECT_EQ(StreckenlastPruefen(stab, s, a, b), Lastfehler::Keiner);
    EXPECT_DOUBLE_EQ(a, 0.6);
    EXPECT_STREQ(LastfehlerText(Lastfehler::Reihenfolge),
                 "Fehler bei der Lastposition\n Pos_Anfang größer als Pos_Ende !"_l1);
}

TEST_F(Lastfixture, EnteringChangingMovingAndCopyingLoads) {
    Lastfall* a = Fall(0, "A");
    Lastfall* b = Fall(1, "B");
    Lastfall* c = Fall(2, "C");
    Punktlastwerte p;
    p.Groesse = 10;
    p.Winkel = 90;
    p.Position = 2.5;
    std::vector<long> neu;
    // Three cases and one identifier of no case: three loads, each its own.
    EXPECT_EQ(PunktlastEintragen(*sys, stab, p, {a->Kennung, b->Kennung, 4711, c->Kennung}, &neu), Lastfehler::Keiner);
    ASSERT_EQ(neu.size(), 3u);
    EXPECT_NE(neu[0], neu[1]);
    Punktlast* l = PunktlastSuchen(*sys, neu[0]);
    EXPECT_STREQ(l->Name, "-");
    EXPECT_EQ(l->Stab, 7);
    EXPECT_EQ(l->Position, 0.5);
    EXPECT_NEAR(l->Winkel, 1.570796327, 1e-12);
    // Refused: nothing entered; no case selected: nothing entered either.
    p.Position = 6;
    EXPECT_EQ(PunktlastEintragen(*sys, stab, p, {a->Kennung}), Lastfehler::Position);
    EXPECT_EQ(PunktlastEintragen(*sys, stab, Punktlastwerte{}, {}), Lastfehler::Keiner);
    EXPECT_EQ(Anzahl(sys->Punktlasten), 3);

    // Changing: an empty name stays empty for a point load, "-" for a
    // distributed one; a change counts.
    const long vorher = sys->Aenderungen;
    bool gefunden = false;
    p.Position = 1;
    EXPECT_EQ(PunktlastAendern(*sys, neu[0], stab, p, gefunden), Lastfehler::Keiner);
    EXPECT_TRUE(gefunden);
    EXPECT_STREQ(l->Name, "");
    EXPECT_EQ(l->Lastfall, a->Kennung);
    EXPECT_EQ(l->Position, 0.2);
    EXPECT_GT(sys->Aenderungen, vorher);
    EXPECT_DOUBLE_EQ(PunktlastWerte(*l, stab).Position, 1.0);
    EXPECT_NEAR(PunktlastWerte(*l, stab).Winkel, 90.0, 1e-9);

    Streckenlastwerte s;
    s.PositionB = 5;
    s.GroesseA = s.GroesseB = 2;
    neu.clear();
    StreckenlastEintragen(*sys, stab, s, {a->Kennung}, &neu);
    ASSERT_EQ(neu.size(), 1u);
    s.Name = "";
    s.PositionA = 1;
    EXPECT_EQ(StreckenlastAendern(*sys, neu[0], stab, s, gefunden), Lastfehler::Keiner);
    Streckenlast* sl = StreckenlastSuchen(*sys, neu[0]);
    EXPECT_STREQ(sl->Name, "-");
    EXPECT_DOUBLE_EQ(StreckenlastWerte(*sl, stab).PositionA, 1.0);
    // The wrong type for the identifier: nothing is found or changed.
    StreckenlastAendern(*sys, l->Kennung, stab, s, gefunden);
    EXPECT_FALSE(gefunden);

    // Lines: distributed loads first, then point loads; only chosen cases.
    auto zeilen = LastenZeilen(*sys, 7, {a->Kennung});
    ASSERT_EQ(zeilen.size(), 2u);
    EXPECT_EQ(zeilen[0], std::to_string(sl->Kennung) + " [SL] LF 0  -");
    EXPECT_EQ(zeilen[1], std::to_string(l->Kennung) + " [PL] LF 0  ");
    EXPECT_TRUE(LastenZeilen(*sys, 8, {a->Kennung}).empty());

    EXPECT_FALSE(LastVerschieben(*sys, sl->Kennung, 9));
    EXPECT_TRUE(LastVerschieben(*sys, sl->Kennung, 2));
    EXPECT_EQ(sl->Lastfall, c->Kennung);
    EXPECT_TRUE(LastKopieren(*sys, l->Kennung, 1));
    EXPECT_EQ(Anzahl(sys->Punktlasten), 4);
    EXPECT_FALSE(LastKopieren(*sys, l->Kennung, 5));
    EXPECT_EQ(LastenZeilen(*sys, 7, {b->Kennung}).size(), 2u);
}

TEST_F(Lastfixture, TemperaturlastenWieDieAnderenLasten) {
    Lastfall* a = Fall(0, "A");
    Lastfall* b = Fall(1, "B");
    Temperaturlastwerte t;
    t.DeltaT = 30;
    t.DeltaTM = -5;
    std::vector<long> neu;
    EXPECT_EQ(TemperaturlastEintragen(*sys, stab, t, {a->Kennung, 4711, b->Kennung}, &neu), Lastfehler::Keiner);
    ASSERT_EQ(neu.size(), 2u);
    Temperaturlast* l = TemperaturlastSuchen(*sys, neu[0]);
    ASSERT_NE(l, nullptr);
    EXPECT_STREQ(l->Name, "-");
    EXPECT_EQ(l->Stab, 7);
    EXPECT_EQ(l->Lastfall, a->Kennung);
    EXPECT_EQ(l->DeltaTM, -5.0);
    // A value that is no number would poison every result.
    t.DeltaTM = NAN;
    EXPECT_EQ(TemperaturlastEintragen(*sys, stab, t, {a->Kennung}), Lastfehler::Zahl);
    EXPECT_EQ(Anzahl(sys->Temperaturlasten), 2);

    // Changing keeps identifier and load case; an empty name becomes "-".
    const long vorher = sys->Aenderungen;
    bool gefunden = false;
    t.Name = "Sonne";
    t.DeltaTM = 8;
    EXPECT_EQ(TemperaturlastAendern(*sys, neu[0], t, gefunden), Lastfehler::Keiner);
    EXPECT_TRUE(gefunden);
    EXPECT_GT(sys->Aenderungen, vorher);
    EXPECT_EQ(TemperaturlastWerte(*l).Name, "Sonne");
    EXPECT_EQ(TemperaturlastWerte(*l).DeltaT, 30.0);
    EXPECT_EQ(TemperaturlastWerte(*l).DeltaTM, 8.0);
    t.Name.clear();
    TemperaturlastAendern(*sys, neu[1], t, gefunden);
    EXPECT_STREQ(TemperaturlastSuchen(*sys, neu[1])->Name, "-");
    Punktlastwerte p;
    std::vector<long> punkt;
    PunktlastEintragen(*sys, stab, p, {a->Kennung}, &punkt);
    TemperaturlastAendern(*sys, punkt[0], t, gefunden);
    EXPECT_FALSE(gefunden);

    // Listed after the point loads of the bar.
    auto zeilen = LastenZeilen(*sys, 7, {a->Kennung});
    ASSERT_EQ(zeilen.size(), 2u);
    EXPECT_EQ(zeilen[1], std::to_string(l->Kennung) + " [TL] LF 0  Sonne");

    // Moved, copied, and copied with its load case.
    EXPECT_TRUE(LastVerschieben(*sys, l->Kennung, 1));
    EXPECT_EQ(l->Lastfall, b->Kennung);
    EXPECT_TRUE(LastKopieren(*sys, l->Kennung, 0));
    EXPECT_EQ(Anzahl(sys->Temperaturlasten), 3);
    Lastfall* kopie = LastfallKopieren(*sys, b->Kennung);
    int kopiert = 0;
    for (Temperaturlast* k : Elemente<Temperaturlast>(sys->Temperaturlasten))
        if (k->Lastfall == kopie->Kennung) {
            ++kopiert;
            EXPECT_EQ(k->Stab, 7);
        }
    EXPECT_EQ(kopiert, 2);

    // Deleting the load case takes its temperature loads, and only those.
    LastfallLoeschen(*sys, kopie->Nummer);
    EXPECT_EQ(Anzahl(sys->Temperaturlasten), 3);
    LastfallLoeschen(*sys, b->Nummer);
    EXPECT_EQ(Anzahl(sys->Temperaturlasten), 1);
    TemperaturlastLoeschen(*sys, neu[0]);  // moved to b and gone with it: nothing happens
    EXPECT_EQ(Anzahl(sys->Temperaturlasten), 1);
}
