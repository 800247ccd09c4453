// Which support, spring and hinge symbols stand where, which way they are
// turned, and their outlines.
#include "output/lagersymbole.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core/programm.h"
#include "core/stabgeometrie.h"
#include "core/systemoperationen.h"

namespace {

class Lagersymbole : public ::testing::Test {
protected:
    void SetUp() override { sys = SystemErzeugen(); }
    void TearDown() override { ProgrammZuruecksetzen(); }

    // A bar with six fresh free records.
    Stab* S(double x1, double y1, double x2, double y2) {
        return S(PunktErzeugen(*sys, x1, y1, -1), PunktErzeugen(*sys, x2, y2, -1));
    }
    Stab* S(Punkt* a, Punkt* b) {
        Stab* s = StabAnlegen(*sys);
        s->PunktA = a;
        s->PunktB = b;
        for (int i = 0; i < 6; ++i) FreiheitsgradAnlegen(*sys, s, i);
        StabGeometrie(s);
        return s;
    }
    static void Stuetzen(Stab* s, std::initializer_list<int> slots) {
        for (int slot : slots) s->Freiheitsgrade[slot]->Status = STATUS_PRIMAL;
    }
    Symbole Ermitteln() const { return SymboleErmitteln(sys->Staebe); }

    System* sys = nullptr;
};

void Normale(const Weltpunkt& n, double x, double y) {
    EXPECT_NEAR(n.X, x, 1e-9);
    EXPECT_NEAR(n.Y, y, 1e-9);
}

const Lagersymbol* LagerAn(const Symbole& s, const Punkt* p) {
    for (const Lagersymbol& l : s.Lager)
        if (l.Ort == p) return &l;
    return nullptr;
}

}  // namespace

TEST_F(Lagersymbole, EinfeldtraegerFestUndLos) {
    Stab* s = S(0, 0, 4, 0);
    Stuetzen(s, {FG_AX, FG_AY, FG_BY});
    const Symbole sym = Ermitteln();
    ASSERT_EQ(sym.Lager.size(), 2u);
    const Lagersymbol* a = LagerAn(sym, s->PunktA);
    const Lagersymbol* b = LagerAn(sym, s->PunktB);
    ASSERT_TRUE(a && b);
    EXPECT_EQ(a->Art, Lagerart::Festlager);
    EXPECT_EQ(b->Art, Lagerart::Loslager);
    Normale(a->Normale, 0, 1);  // under the beam
    Normale(b->Normale, 0, 1);
    EXPECT_FALSE(a->Vorgeschrieben);
    EXPECT_TRUE(sym.Federn.empty());
    EXPECT_TRUE(sym.Gelenke.empty());

    // A prescribed settlement anywhere at the point marks its symbol.
    s->Freiheitsgrade[FG_BY]->Wert = 0.01;
    EXPECT_TRUE(LagerAn(Ermitteln(), s->PunktB)->Vorgeschrieben);
}

TEST_F(Lagersymbole, EinspannungQuerZumGehaltenenStab) {
    Stab* stuetze = S(0, 0, 0, 3);
    Stab* kragarm = S(10, 0, 14, 0);
    Stuetzen(stuetze, {FG_AX, FG_AY, FG_AR});
    Stuetzen(kragarm, {FG_BX, FG_BY, FG_BR});
    const Symbole sym = Ermitteln();
    ASSERT_EQ(LagerAn(sym, stuetze->PunktA)->Art, Lagerart::Einspannung);
    Normale(LagerAn(sym, stuetze->PunktA)->Normale, 0, 1);  // ground below the column
    Normale(LagerAn(sym, kragarm->PunktB)->Normale, -1, 0);  // wall right of the cantilever
    // A clamp of a bar of no length follows its y record.
    Stab* punkt = S(20, 0, 20, 0);
    Stuetzen(punkt, {FG_AX, FG_AY, FG_AR});
    punkt->Freiheitsgrade[FG_AY]->Winkel = M_PI / 2;
    Normale(LagerAn(Ermitteln(), punkt->PunktA)->Normale, -1, 0);
}

TEST_F(Lagersymbole, LagerZeigenVomStabWegUndDrehenMit) {
    // A column hanging from its top, held in y there: the triangle above it.
    Stab* haenger = S(0, 0, 0, 3);
    Stuetzen(haenger, {FG_BX, FG_BY});
    // A beam held only in x at its right end: the roller stands right of it.
    Stab* balken = S(10, 0, 14, 0);
    Stuetzen(balken, {FG_BX});
    // A beam on a turned roller: still under the beam, turned by 0.3.
    Stab* schraeg = S(20, 0, 24, 0);
    Stuetzen(schraeg, {FG_AY});
    schraeg->Freiheitsgrade[FG_AY]->Winkel = 0.3;
    const Symbole sym = Ermitteln();
    Normale(LagerAn(sym, haenger->PunktB)->Normale, 0, -1);
    EXPECT_EQ(LagerAn(sym, balken->PunktB)->Art, Lagerart::Loslager);
    Normale(LagerAn(sym, balken->PunktB)->Normale, -1, 0);
    Normale(LagerAn(sym, schraeg->PunktA)->Normale, -std::sin(0.3), std::cos(0.3));
}

TEST_F(Lagersymbole, ParallelfuehrungUndDrehsperre) {
    Stab* s = S(0, 0, 4, 0);
    Stuetzen(s, {FG_AY, FG_AR, FG_BR});
    const Symbole sym = Ermitteln();
    EXPECT_EQ(LagerAn(sym, s->PunktA)->Art, Lagerart::Parallelfuehrung);
    Normale(LagerAn(sym, s->PunktA)->Normale, 0, 1);
    EXPECT_EQ(LagerAn(sym, s->PunktB)->Art, Lagerart::Drehsperre);
}

TEST_F(Lagersymbole, FedernFreiUndAmLager) {
    Stab* s = S(0, 0, 4, 0);
    Stuetzen(s, {FG_AX, FG_AY});
    s->Freiheitsgrade[FG_AR]->Feder = 100;  // rotation spring at the pin
    s->Freiheitsgrade[FG_AX]->Feder = 5;    // spring on a support record
    s->Freiheitsgrade[FG_BY]->Feder = 1000;  // a free spring
    const Symbole sym = Ermitteln();
    ASSERT_EQ(sym.Federn.size(), 3u);
    // Records in the order of the bar's slots.
    const Federsymbol& amLager = sym.Federn[0];
    EXPECT_FALSE(amLager.Drehfeder);
    EXPECT_TRUE(amLager.Gestuetzt);
    Normale(amLager.Normale, 1, 0);  // left of the pin, away from the bar
    const Federsymbol& dreh = sym.Federn[1];
    EXPECT_TRUE(dreh.Drehfeder);
    Normale(dreh.Normale, 1, 0);  // beside the pin, not into it
    const Federsymbol& frei = sym.Federn[2];
    EXPECT_FALSE(frei.Gestuetzt || frei.Drehfeder);
    Normale(frei.Normale, 0, 1);

    // A spring on the line of a roller's symbol goes to its other side.
    s->Freiheitsgrade[FG_BY]->Status = STATUS_PRIMAL;
    Normale(Ermitteln().Federn[2].Normale, 0, -1);
}

TEST_F(Lagersymbole, GelenkeAnStabendenOhneGemeinsameVerdrehung) {
    // Two bars with a hinge between them: one circle on the point.
    Stab* links = S(0, 0, 4, 0);
    Stab* rechts = S(links->PunktB, PunktErzeugen(*sys, 8, 0, -1));
    rechts->Freiheitsgrade[FG_AX] = links->Freiheitsgrade[FG_BX];
    rechts->Freiheitsgrade[FG_AY] = links->Freiheitsgrade[FG_BY];
    Symbole sym = Ermitteln();
    ASSERT_EQ(sym.Gelenke.size(), 1u);
    EXPECT_EQ(sym.Gelenke[0].Ort, links->PunktB);
    Normale(sym.Gelenke[0].Richtung, 0, 0);

    // A third bar joined rigidly to the right one: now the left bar alone is
    // hinged, its circle on its own end.
    Stab* oben = S(links->PunktB, PunktErzeugen(*sys, 4, 3, -1));
    for (int i = 0; i < 3; ++i) oben->Freiheitsgrade[i] = rechts->Freiheitsgrade[i];
    sym = Ermitteln();
    ASSERT_EQ(sym.Gelenke.size(), 1u);
    Normale(sym.Gelenke[0].Richtung, -1, 0);

    // Rigid everywhere: no hinge; a lone bar end is none either.
    rechts->Freiheitsgrade[FG_AR] = links->Freiheitsgrade[FG_BR];
    for (int i = 0; i < 3; ++i) oben->Freiheitsgrade[i] = links->Freiheitsgrade[FG_BX + i];
    EXPECT_TRUE(Ermitteln().Gelenke.empty());
}

TEST(Symbolformen, FestlagerDreieckUndBoden) {
    const Symbolform f = LagerForm({nullptr, Lagerart::Festlager, {0, 1}, false});
    ASSERT_GE(f.Zuege.size(), 2u);
    const Symbolzug& dreieck = f.Zuege[0];
    EXPECT_TRUE(dreieck.Geschlossen);
    ASSERT_EQ(dreieck.Punkte.size(), 3u);
    Normale(dreieck.Punkte[0], 0, 0);
    Normale(dreieck.Punkte[1], -SYMBOL_DREIECK_HALBBREITE, -SYMBOL_DREIECK_HOEHE);
    Normale(dreieck.Punkte[2], SYMBOL_DREIECK_HALBBREITE, -SYMBOL_DREIECK_HOEHE);
    // The ground on the triangle's base, hatched below it.
    EXPECT_FALSE(f.Zuege[1].Fein);
    EXPECT_NEAR(f.Zuege[1].Punkte[0].Y, -SYMBOL_DREIECK_HOEHE, 1e-12);
    for (std::size_t i = 2; i < f.Zuege.size(); ++i) {
        EXPECT_TRUE(f.Zuege[i].Fein);
        EXPECT_LT(f.Zuege[i].Punkte[1].Y, -SYMBOL_DREIECK_HOEHE);
    }
    // A roller's ground lies apart from its triangle.
    const Symbolform los = LagerForm({nullptr, Lagerart::Loslager, {0, 1}, false});
    EXPECT_LT(los.Zuege[1].Punkte[0].Y, -SYMBOL_DREIECK_HOEHE - 1);
}

TEST(Symbolformen, GedrehteSymboleSindGedreht) {
    // With the normal turned by 90 degrees (ground left of the point) every
    // outline point is the upright one turned by 90 degrees.
    const auto vergleichen = [](const Symbolform& aufrecht, const Symbolform& gedreht) {
        ASSERT_EQ(aufrecht.Zuege.size(), gedreht.Zuege.size());
        for (std::size_t i = 0; i < aufrecht.Zuege.size(); ++i) {
            ASSERT_EQ(aufrecht.Zuege[i].Punkte.size(), gedreht.Zuege[i].Punkte.size());
            for (std::size_t k = 0; k < aufrecht.Zuege[i].Punkte.size(); ++k) {
                const Weltpunkt p = aufrecht.Zuege[i].Punkte[k];
                Normale(gedreht.Zuege[i].Punkte[k], p.Y, -p.X);
            }
        }
    };
    for (Lagerart art : {Lagerart::Festlager, Lagerart::Loslager, Lagerart::Einspannung, Lagerart::Parallelfuehrung,
                         Lagerart::Drehsperre})
        vergleichen(LagerForm({nullptr, art, {0, 1}, false}), LagerForm({nullptr, art, {1, 0}, false}));
    for (bool dreh : {false, true})
        vergleichen(FederForm({nullptr, dreh, {0, 1}, false, false}), FederForm({nullptr, dreh, {1, 0}, false, false}));
}

TEST(Symbolformen, GelenkkreisBeruehrtDenPunkt) {
    const Symbolform amStab = GelenkForm({nullptr, {0, -1}});
    ASSERT_EQ(amStab.Kreise.size(), 1u);
    Normale(amStab.Kreise[0].Mitte, 0, -SYMBOL_GELENK_RADIUS);
    EXPECT_EQ(amStab.Kreise[0].Radius, SYMBOL_GELENK_RADIUS);
    Normale(GelenkForm({nullptr, {0, 0}}).Kreise[0].Mitte, 0, 0);
    EXPECT_TRUE(amStab.Zuege.empty());
}
