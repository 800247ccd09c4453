// Anchor points, the choice of bar ends that show their degrees of freedom,
// and the directions of arrows and support symbols.
#include "output/ankerpunkte.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

namespace {

// A small structure built by hand: points, records and bars with their own
// chain, so the geometry is tested without the System operations.
class Gestell {
public:
    ~Gestell() {
        for (Glied* g : glieder_) delete g;
    }
    Punkt* P(double x, double y) {
        punkte_.push_back(std::make_unique<Punkt>());
        punkte_.back()->X = x;
        punkte_.back()->Y = y;
        return punkte_.back().get();
    }
    Freiheitsgrad* Fg(long richtung, double winkel = 0.0) {
        fgs_.push_back(std::make_unique<Freiheitsgrad>());
        fgs_.back()->Richtung = richtung;
        fgs_.back()->Winkel = winkel;
        return fgs_.back().get();
    }
    // A bar with fresh records at both ends.
    Stab* S(Punkt* a, Punkt* b) {
        staebe_.push_back(std::make_unique<Stab>());
        Stab* s = staebe_.back().get();
        s->PunktA = a;
        s->PunktB = b;
        for (int i = 0; i < 6; ++i) s->Freiheitsgrade[i] = Fg(i % 3);
        s->Laenge = std::hypot(b->X - a->X, b->Y - a->Y);
        s->Cos = (b->X - a->X) / s->Laenge;
        s->Sin = (b->Y - a->Y) / s->Laenge;
        return s;
    }
    // The bars as a chain, newest first like the program's chains.
    Kette Kette_() {
        for (Glied* g : glieder_) delete g;
        glieder_.clear();
        Glied* kopf = new Glied{nullptr, nullptr, nullptr};
        glieder_.push_back(kopf);
        kopf->prev = kopf->next = kopf;
        for (auto& s : staebe_) {
            Glied* g = new Glied{kopf, kopf->next, s.get()};
            kopf->next->prev = g;
            kopf->next = g;
            glieder_.push_back(g);
        }
        return kopf;
    }

private:
    std::vector<std::unique_ptr<Punkt>> punkte_;
    std::vector<std::unique_ptr<Freiheitsgrad>> fgs_;
    std::vector<std::unique_ptr<Stab>> staebe_;
    std::vector<Glied*> glieder_;
};

// Joins end `endeB` of bar b rigidly to end `endeA` of bar a (shares all three records).
void Biegesteif(Stab* a, int endeA, Stab* b, int endeB) {
    for (int i = 0; i < 3; ++i) b->Freiheitsgrade[3 * endeB + i] = a->Freiheitsgrade[3 * endeA + i];
}

}  // namespace

TEST(Ankerpunkt, LiegtFuenfzehnProzentVonAUndFuenfundzwanzigVonB) {
    Gestell g;
    Stab* s = g.S(g.P(0, 0), g.P(10, 20));
    Weltpunkt a = Ankerpunkt(s, ENDE_A);
    Weltpunkt b = Ankerpunkt(s, ENDE_B);
    EXPECT_DOUBLE_EQ(a.X, 1.5);
    EXPECT_DOUBLE_EQ(a.Y, 3.0);
    EXPECT_DOUBLE_EQ(b.X, 7.5);
    EXPECT_DOUBLE_EQ(b.Y, 15.0);
    // A reversed bar swaps the ends, so the anchors do not just swap.
    Stab* r = g.S(g.P(10, 20), g.P(0, 0));
    EXPECT_DOUBLE_EQ(Ankerpunkt(r, ENDE_A).X, 8.5);
    EXPECT_DOUBLE_EQ(Ankerpunkt(r, ENDE_B).X, 2.5);
}

TEST(Ankerpunkt, StabOhnePunkteGibtUrsprung) {
    Stab s{};
    Weltpunkt a = Ankerpunkt(&s, ENDE_B);
    EXPECT_EQ(a.X, 0.0);
    EXPECT_EQ(a.Y, 0.0);
    EXPECT_EQ(Ankerpunkt(nullptr, ENDE_A).X, 0.0);
}

TEST(FreiheitsgradAuswahl, EinzelstabUndBiegesteifeEckeZeigenNichts) {
    Gestell g;
    Punkt* a = g.P(0, 0);
    Punkt* b = g.P(4, 0);
    Punkt* c = g.P(4, 3);
    Stab* s1 = g.S(a, b);
    Kette k = g.Kette_();
    EXPECT_EQ(FreiheitsgradeAmPunkt(k, a), 3);
    bool slots[6];
    FreiheitsgradSlotsWaehlen(k, s1, false, slots);
    for (bool x : slots) EXPECT_FALSE(x);

    // A rigid corner: the second bar shares the three records of the first.
    Stab* s2 = g.S(b, c);
    Biegesteif(s1, ENDE_B, s2, ENDE_A);
    k = g.Kette_();
    EXPECT_EQ(FreiheitsgradeAmPunkt(k, b), 3);
    EXPECT_FALSE(StabendeZeigtFreiheitsgrade(k, s1, ENDE_B, false));
    EXPECT_FALSE(StabendeZeigtFreiheitsgrade(k, s2, ENDE_A, false));
    // Switched on, every end shows its records.
    FreiheitsgradSlotsWaehlen(k, s1, true, slots);
    for (bool x : slots) EXPECT_TRUE(x);
}

TEST(FreiheitsgradAuswahl, GelenkZeigtBeideStabendenAmGelenk) {
    Gestell g;
    Punkt* a = g.P(0, 0);
    Punkt* m = g.P(4, 0);
    Punkt* e = g.P(8, 0);
    Stab* s1 = g.S(a, m);
    Stab* s2 = g.S(m, e);
    Biegesteif(s1, ENDE_B, s2, ENDE_A);
    s2->Freiheitsgrade[FG_AR] = g.Fg(2);  // own rotation: a hinge
    Kette k = g.Kette_();
    EXPECT_EQ(FreiheitsgradeAmPunkt(k, m), 4);
    bool slots[6];
    FreiheitsgradSlotsWaehlen(k, s1, false, slots);
    EXPECT_FALSE(slots[0] || slots[1] || slots[2]);
    EXPECT_TRUE(slots[3] && slots[4] && slots[5]);
    FreiheitsgradSlotsWaehlen(k, s2, false, slots);
    EXPECT_TRUE(slots[0] && slots[1] && slots[2]);
    EXPECT_FALSE(slots[3] || slots[4] || slots[5]);
}

TEST(FreiheitsgradAuswahl, ZaehltNurStaebeDerKetteUndKeineLeerenSlots) {
    Gestell g;
    Punkt* a = g.P(0, 0);
    Punkt* b = g.P(1, 0);
    Stab* s1 = g.S(a, b);
    s1->Freiheitsgrade[FG_AY] = nullptr;
    Kette k = g.Kette_();
    EXPECT_EQ(FreiheitsgradeAmPunkt(k, a), 2);
    EXPECT_EQ(FreiheitsgradeAmPunkt(k, nullptr), 0);
    EXPECT_EQ(FreiheitsgradeAmPunkt(nullptr, a), 0);
    // A bar whose two ends sit on one point counts both ends there.
    Stab* s2 = g.S(b, b);
    (void)s2;
    k = g.Kette_();
    EXPECT_EQ(FreiheitsgradeAmPunkt(k, b), 9);
}

TEST(Richtungen, PfeileUndLagersymboleFolgenDemWinkel) {
    Gestell g;
    double dx = 7, dy = 7;
    EXPECT_TRUE(FreiheitsgradRichtung(g.Fg(0, 0.0), &dx, &dy));
    EXPECT_NEAR(dx, 1.0, 1e-12);
    EXPECT_NEAR(dy, 0.0, 1e-12);
    EXPECT_TRUE(FreiheitsgradRichtung(g.Fg(1, 0.0), &dx, &dy));
    EXPECT_NEAR(dx, 0.0, 1e-12);
    EXPECT_NEAR(dy, 1.0, 1e-12);
    EXPECT_TRUE(FreiheitsgradRichtung(g.Fg(0, M_PI / 2), &dx, &dy));
    EXPECT_NEAR(dx, 0.0, 1e-12);
    EXPECT_NEAR(dy, 1.0, 1e-12);
    dx = dy = 7;
    EXPECT_FALSE(FreiheitsgradRichtung(g.Fg(2), &dx, &dy));
    EXPECT_FALSE(FreiheitsgradRichtung(g.Fg(5), &dx, &dy));
    EXPECT_EQ(dx, 7);

    // Pendulum symbols extend along the supported direction.
    for (double w : {0.0, 0.5, -2.0}) {
        for (long r : {0L, 1L}) {
            double px, py, lx, ly;
            ASSERT_TRUE(FreiheitsgradRichtung(g.Fg(r, w), &px, &py));
            ASSERT_TRUE(LagersymbolRichtung(g.Fg(r, w), &lx, &ly));
            EXPECT_NEAR(px, lx, 1e-8);
            EXPECT_NEAR(py, ly, 1e-8);
        }
    }
    EXPECT_FALSE(LagersymbolRichtung(g.Fg(2), &dx, &dy));
    EXPECT_FALSE(LagersymbolRichtung(nullptr, &dx, &dy));
}

TEST(Richtungen, UnterseiteLiegtRechtsDerStabrichtung) {
    Gestell g;
    Stab* rechts = g.S(g.P(0, 0), g.P(2, 0));
    Weltpunkt n = UnterseitenNormale(rechts);
    EXPECT_NEAR(n.X, 0.0, 1e-12);
    EXPECT_NEAR(n.Y, -1.0, 1e-12);
    Stab* hoch = g.S(g.P(0, 0), g.P(0, 2));
    n = UnterseitenNormale(hoch);
    EXPECT_NEAR(n.X, 1.0, 1e-12);
    EXPECT_NEAR(n.Y, 0.0, 1e-12);
    Weltpunkt m = StabpunktAn(rechts, 0.25);
    EXPECT_DOUBLE_EQ(m.X, 0.5);
    EXPECT_DOUBLE_EQ(m.Y, 0.0);
}
