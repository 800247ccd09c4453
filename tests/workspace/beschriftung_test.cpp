// Labels that would cover each other are moved apart, with exact pixels on
// the default view (origin at (400, 300), 50 px/m).
#include "zeichentestsystem.h"

#include "workspace/beschriftungsplan.h"

namespace {

class Beschriftung : public Zeichentest {
protected:
    // Every pair of text boxes of the drawing is disjoint.
    void KeineUeberdeckung() const {
        auto t = maler.Nur(Malart::Text);
        for (std::size_t i = 0; i < t.size(); ++i)
            for (std::size_t j = i + 1; j < t.size(); ++j) {
                const int xi = t[i].Werte[0], yi = t[i].Werte[1], xj = t[j].Werte[0], yj = t[j].Werte[1];
                const int bi = static_cast<int>(t[i].Inhalt.size()) * ZEICHENBREITE;
                const int bj = static_cast<int>(t[j].Inhalt.size()) * ZEICHENBREITE;
                const bool ueber = xi < xj + bj && xj < xi + bi && yi - OBERLAENGE < yj + UNTERLAENGE &&
                                   yj - OBERLAENGE < yi + UNTERLAENGE;
                EXPECT_FALSE(ueber) << t[i].Beschreibung() << " / " << t[j].Beschreibung();
            }
    }
    Zeichenschalter Momente() const {
        Zeichenschalter z = AllesAus();
        z.Moment = z.SKBeschriften = z.Lagergroessen = true;
        return z;
    }
};

TEST(Beschriftungsplan, FreierPlatzDanebenOderDarueber) {
    Beschriftungsplan plan;
    double x = 100, y = 100;
    ASSERT_TRUE(plan.Platzieren(x, y, Textkasten("12.34"), "12.34"));
    EXPECT_EQ(y, 100);
    // beside it: free
    x = 146, y = 100;
    ASSERT_TRUE(plan.Platzieren(x, y, Textkasten("1"), "1"));
    EXPECT_EQ(y, 100);
    // over both: one line up, then one down, then two up
    for (double erwartet : {85.0, 115.0, 70.0}) {
        x = 120, y = 100;
        ASSERT_TRUE(plan.Platzieren(x, y, Textkasten("5.00"), "5.00 " + std::to_string(erwartet)));
        EXPECT_EQ(y, erwartet);
        EXPECT_EQ(x, 120);
    }
    // the same text within two pixels of where it was asked for stands there already
    x = 101, y = 98;
    EXPECT_FALSE(plan.Platzieren(x, y, Textkasten("12.34"), "12.34"));
    // a symbol in front of the text takes room too
    Beschriftungsplan neu;
    x = 100, y = 100;
    ASSERT_TRUE(neu.Platzieren(x, y, Textkasten("12.34"), "12.34"));
    x = 160;
    ASSERT_TRUE(neu.Platzieren(x, y, Textkasten("9"), "9"));
    EXPECT_EQ(y, 100);
    x = 170, y = 100;
    ASSERT_TRUE(neu.Platzieren(x, y, Textkasten("8", 1, 24), "8"));
    EXPECT_EQ(y, 85);
}

TEST_F(Beschriftung, MomentAmStuetzenfussUndLagermoment) {
    // A column clamped at its foot: the moment label -38.48 and the reaction
    // 38.48 ask for nearly the same place; the reaction gives way.
    Stab* s = Stab_(0, 0, 0, 4);
    for (int slot : {FG_AX, FG_AY, FG_AR}) s->Freiheitsgrade[slot]->Status = STATUS_PRIMAL;
    s->Freiheitsgrade[FG_AX]->Reaktion = -9.62;
    s->Freiheitsgrade[FG_AR]->Reaktion = 38.48;
    Stababschnitt* r = Abschnitt(s);
    r->MA = -38.48;
    r->QA = r->QE = 9.62;
    SystemZeichnen(maler, ansicht, Momente(), sys);
    const Malaufruf* moment = maler.TextSuchen("-38.48");
    const Malaufruf* reaktion = maler.TextSuchen("38.48 kNm");
    ASSERT_TRUE(moment && reaktion);
    // the ordinate 0.3848 m left of the foot, the label 30 right and up
    EXPECT_EQ(W(*moment), (std::vector<int>{410, 270}));
    // asked for at (427, 271); a line up or down it would still touch the
    // moment or the reactions in x (right) and y (above), two lines down
    // the one in x: three lines up is free
    EXPECT_EQ(W(*reaktion), (std::vector<int>{427, 226}));
    EXPECT_NE(maler.TextSuchen("9.62 kN"), nullptr);
    KeineUeberdeckung();
}

TEST_F(Beschriftung, GelenkNullUndMinusNullEinmal) {
    // Two bars meet at a hinge; the round-off leaves +1e-15 on one side and
    // -1e-15 on the other.  Both read 0.00 and the label stands there once.
    Stab* links = Stab_(0, 0, 4, 0);
    Stab* rechts = Stab_(4, 0, 8, 0);
    Stababschnitt* a = Abschnitt(links);
    a->MA = -20;
    a->QA = a->QE = 5;
    a->ME = 1e-15;
    Stababschnitt* b = Abschnitt(rechts);
    b->MA = -1e-15;
    b->QA = b->QE = -5;
    b->ME = -20;
    SystemZeichnen(maler, ansicht, Momente(), sys);
    int amGelenk = 0;
    for (const Malaufruf& t : maler.Nur(Malart::Text)) {
        EXPECT_EQ(t.Inhalt.find("-0.00"), std::string::npos) << t.Beschreibung();
        amGelenk += W(t) == std::vector<int>{630, 270};
    }
    EXPECT_EQ(amGelenk, 1);
    EXPECT_EQ(maler.TextSuchen("0.00")->Werte, (std::vector<int>{630, 270}));
    KeineUeberdeckung();
}

TEST_F(Beschriftung, AlleEbenenEinesRahmensUeberdeckenSichNicht) {
    // A portal with loads, reactions, every diagram and every number: no
    // label covers another.
    Stab* links = Stab_(0, 0, 0, 3);
    Stab* riegel = Stab_(links->PunktB, PunktErzeugen(*sys, 4, 3, -1));
    Biegesteif(links, 1, riegel, 0);
    Stab* rechts = Stab_(riegel->PunktB, PunktErzeugen(*sys, 4, 0, -1));
    Biegesteif(riegel, 1, rechts, 0);
    for (Stab* s : {links, rechts})
        for (int slot : {FG_AX, FG_AY, FG_AR}) {
            s->Freiheitsgrade[slot]->Status = STATUS_PRIMAL;
            s->Freiheitsgrade[slot]->Reaktion = s == links ? 12.5 : -7.25;
        }
    for (Stab* s : {links, riegel, rechts}) {
        Stababschnitt* r = Abschnitt(s);
        r->MA = -12.5;
        r->ME = 7.25;
        r->QA = r->QE = 0.0;
        r->NA = r->NE = -3;
        r->Verschiebungen[1] = 0.001;
    }
    Lastfall* lf = Lastfall_();
    Punktlast* p = PunktlastErzeugen(*sys, lf->Kennung, -1);
    p->Stab = riegel->Nummer;
    p->Position = 0.0;
    p->Groesse = 10;
    p->Art = ART_KRAFT;
    Zeichenschalter z;
    z.Moment = z.Querkraft = z.Normalkraft = z.Verschiebung = true;
    z.SKBeschriften = z.VBeschriften = z.Lagergroessen = z.PLBeschriftung = true;
    z.Punktnummern = z.Stabnummern = true;
    z.Achsenbeschriftung = false;  // grid labels lie under everything
    SystemZeichnen(maler, ansicht, z, sys);
    EXPECT_GT(maler.Nur(Malart::Text).size(), 30u);
    KeineUeberdeckung();
}

}  // namespace
