// Temperature loads: closed forms of single bars and a portal frame against
// a dense solve of its own.
#include <algorithm>
#include <cmath>
#include <vector>

#include "analysis/ergebnisse.h"
#include "analysis/theorie2ordnung.h"
#include "aufbau.h"
#include "core/programm.h"
#include "core/systemoperationen.h"

namespace {

class Temperatur : public Analyse {
protected:
    void SetUp() override {
        Analyse::SetUp();
        MaterialSuchen(1)->Waermedehnzahl = alpha;
        QuerschnittSuchen(1)->MaxY = maxY;
    }
    Temperaturlast* Last(Lastfall* lf, Stab* s, double dT, double dTM) {
        Temperaturlast* t = TemperaturlastErzeugen(*sys, lf->Kennung, -1);
        t->Stab = s->Nummer;
        t->DeltaT = dT;
        t->DeltaTM = dTM;
        return t;
    }
    Stab* Beidseitig(Punkt* a, Punkt* b) {
        Stab* s = StabZwischen(a, b);
        for (Freiheitsgrad* fg : s->Freiheitsgrade) Festhalten(fg);
        return s;
    }
    // Pin at the start, roller across the bar at the end (bar along x).
    Stab* Einfeld(double l) {
        Stab* s = StabZwischen(P(0, 0), P(l, 0));
        Festhalten(s->Freiheitsgrade[FG_AX]);
        Festhalten(s->Freiheitsgrade[FG_AY]);
        Festhalten(s->Freiheitsgrade[FG_BY]);
        return s;
    }
    // Within 1e-9 of the value, or of `bezug` where the value is small
    // beside the others of its kind.
    static void Nahe(double ist, double soll, const char* was, double bezug = 0.0) {
        EXPECT_NEAR(ist, soll, 1e-9 * std::max(std::fabs(soll), bezug)) << was;
    }
    double alpha = 1.2e-5, maxY = 0.15;
    double h() const { return 2 * maxY; }
};

TEST_F(Temperatur, BeidseitigEingespanntOhneVerformung) {
    // Inclined, so the local axes are not the global ones.
    Stab* s = Beidseitig(P(1, 2), P(4, 6));
    Last(Lastfall_(), s, 30.0, 20.0);
    const double n = -E * A * alpha * 30.0, m = -E * Iz * alpha * 20.0 / h();
    for (long teilungen : {1L, 4L}) {
        sys->Stabteilungen = teilungen;
        ASSERT_TRUE(Rechnen());
        for (double t : {0.0, 0.25, 1.0}) {
            Nahe(NormalkraftAn(s, t), n, "N");
            Nahe(MomentAn(s, t), m, "M");
            EXPECT_NEAR(QuerkraftAn(s, t), 0.0, 1e-9);
            EXPECT_NEAR(DurchbiegungAn(s, t), 0.0, 1e-15);
            EXPECT_NEAR(LaengsverschiebungAn(s, t), 0.0, 1e-15);
        }
        // The supports push the ends back inwards, along the bar.
        Nahe(s->Freiheitsgrade[FG_AX]->Reaktion, -n * 0.6, "Reaktion A");
        Nahe(s->Freiheitsgrade[FG_BY]->Reaktion, n * 0.8, "Reaktion B");
    }
}

TEST_F(Temperatur, EinfeldtraegerDehntUndBiegtSichOhneSchnittgroessen) {
    const double l = 5.0;
    Stab* s = Einfeld(l);
    Last(Lastfall_(), s, 40.0, 25.0);
    const double w = alpha * 25.0 * l * l / (8 * h());
    for (long teilungen : {1L, 2L}) {
        sys->Stabteilungen = teilungen;
        ASSERT_TRUE(Rechnen());
        // Sags towards the warmer side, like under a positive moment.
        Nahe(DurchbiegungAn(s, 0.5), w, "w Mitte");
        double stelle = -1;
        Nahe(MaxDurchbiegung(s, &stelle), w, "max w");
        EXPECT_NEAR(stelle, 0.5, 1e-9);
        Nahe(s->Freiheitsgrade[FG_AR]->Wert, -alpha * 25.0 / h() * l / 2, "Drehung A");
        // The roller lets it expand.
        Nahe(s->Freiheitsgrade[FG_BX]->Wert, alpha * 40.0 * l, "u Ende");
        Nahe(LaengsverschiebungAn(s, 0.5), alpha * 40.0 * l / 2, "u Mitte");
        for (double t : {0.0, 0.5, 1.0}) {
            EXPECT_NEAR(MomentAn(s, t), 0.0, 1e-9);
            EXPECT_NEAR(QuerkraftAn(s, t), 0.0, 1e-9);
            EXPECT_NEAR(NormalkraftAn(s, t), 0.0, 1e-9);
        }
    }
}

TEST_F(Temperatur, GewichtetUndUeberlagertMitAnderenLasten) {
    Stab* s = Beidseitig(P(0, 0), P(6, 0));
    Lastfall* zweifach = Lastfall_(2.0);
    Lastfall* halb = Lastfall_(0.5);
    Lastfall* aus = Lastfall_(1.0, -1);
    Last(zweifach, s, 10.0, 4.0);
    Last(halb, s, -8.0, 6.0);
    Last(aus, s, 1000.0, 1000.0);
    // A load that cuts the bar: every piece carries the temperature load.
    Kraft(halb, s, 0.3, 0.0, 0.0);
    ASSERT_TRUE(Rechnen());
    const double dT = 2.0 * 10.0 + 0.5 * -8.0, dTM = 2.0 * 4.0 + 0.5 * 6.0;
    for (double t : {0.1, 0.3, 0.9}) {
        Nahe(NormalkraftAn(s, t), -E * A * alpha * dT, "N");
        Nahe(MomentAn(s, t), -E * Iz * alpha * dTM / h(), "M");
    }
}

TEST_F(Temperatur, TemperaturunterschiedBrauchtQuerschnittshoehe) {
    Stab* s = Beidseitig(P(0, 0), P(6, 0));
    Temperaturlast* t = Last(Lastfall_(), s, 10.0, 5.0);
    QuerschnittSuchen(1)->MaxY = 0.0;
    EXPECT_FALSE(Rechnen());
    EXPECT_EQ(Meldungen().back(), "es existieren Querschnitte mit max y = 0 bei Temperaturlasten !");
    QuerschnittSuchen(1)->MaxY = -0.1;
    EXPECT_FALSE(Rechnen());
    EXPECT_EQ(Meldungen().back(), "es existieren Querschnitte mit max y < 0 bei Temperaturlasten !");
    // A uniform change alone needs no depth.
    t->DeltaTM = 0.0;
    EXPECT_TRUE(Rechnen());
    Nahe(NormalkraftAn(s, 0.5), -E * A * alpha * 10.0, "N");
}

// ------------------------------------------------------------ portal frame

// Gaussian elimination with partial pivoting on a dense system.
std::vector<double> Loesen(std::vector<std::vector<double>> k, std::vector<double> f) {
    const std::size_t n = f.size();
    for (std::size_t i = 0; i < n; ++i) {
        std::size_t p = i;
        for (std::size_t r = i + 1; r < n; ++r)
            if (std::fabs(k[r][i]) > std::fabs(k[p][i])) p = r;
        std::swap(k[i], k[p]);
        std::swap(f[i], f[p]);
        for (std::size_t r = i + 1; r < n; ++r) {
            const double m = k[r][i] / k[i][i];
            for (std::size_t c = i; c < n; ++c) k[r][c] -= m * k[i][c];
            f[r] -= m * f[i];
        }
    }
    std::vector<double> u(n);
    for (std::size_t i = n; i-- > 0;) {
        double s = f[i];
        for (std::size_t c = i + 1; c < n; ++c) s -= k[i][c] * u[c];
        u[i] = s / k[i][i];
    }
    return u;
}

// A bar of the frame by hand: from (xa, ya) to (xb, yb), its ends at the
// corners `ecke` (-1 clamped), with a free strain and curvature.  Gives its
// local stiffness k, the turn t from global (ux, uy, phi) of both ends to
// local axes, and the loads f it puts on its nodes when held at both ends:
// it pushes them apart and turns them the way a positive moment bends it.
struct Rahmenstab {
    double xa, ya, xb, yb, dehnung, kruemmung;
    int ecke[2];
    void Lokal(double ea, double ei, double k[6][6], double t[6][6], double f[6]) const {
        const double l = std::hypot(xb - xa, yb - ya), c = (xb - xa) / l, s = (yb - ya) / l;
        const double a = ea / l, b12 = 12 * ei / (l * l * l), b6 = 6 * ei / (l * l), b4 = 4 * ei / l;
        const double w[6][6] = {{a, 0, 0, -a, 0, 0},         {0, b12, b6, 0, -b12, b6},
                                {0, b6, b4, 0, -b6, b4 / 2}, {-a, 0, 0, a, 0, 0},
                                {0, -b12, -b6, 0, b12, -b6}, {0, b6, b4 / 2, 0, -b6, b4}};
        for (int i = 0; i < 6; ++i)
            for (int j = 0; j < 6; ++j) k[i][j] = w[i][j], t[i][j] = 0;
        for (int e = 0; e < 6; e += 3) {
            t[e][e] = t[e + 1][e + 1] = c;
            t[e][e + 1] = s;
            t[e + 1][e] = -s;
            t[e + 2][e + 2] = 1;
        }
        const double n = ea * dehnung, m = ei * kruemmung, g[6] = {-n, 0, -m, n, 0, m};
        for (int i = 0; i < 6; ++i) f[i] = g[i];
    }
};

TEST_F(Temperatur, RahmenMitErwaermtemRiegelWieEigeneRechnung) {
    // Columns 4 m, beam 7 m, clamped feet; the beam heated and warmer below,
    // the right column warmer on its outer side, in a load case of weight 1.5.
    Stab* links = StabZwischen(P(0, 0), P(0, 4));
    Stab* riegel = StabAnschliessen(links, P(7, 4));
    Stab* rechts = StabZwischen(riegel->PunktB, P(7, 0),
                                {riegel->Freiheitsgrade[3], riegel->Freiheitsgrade[4], riegel->Freiheitsgrade[5]});
    for (int r = 0; r < 3; ++r) {
        Festhalten(links->Freiheitsgrade[r]);
        Festhalten(rechts->Freiheitsgrade[3 + r]);
    }
    Lastfall* lf = Lastfall_(1.5);
    Last(lf, riegel, 35.0, 12.0);
    Last(lf, rechts, 0.0, -8.0);

    // The same frame by hand: K u = f for the six displacements of the corners.
    const double ea = E * A, ei = E * Iz, w = 1.5;
    const Rahmenstab staebe[3] = {{0, 0, 0, 4, 0, 0, {-1, 0}},
                                  {0, 4, 7, 4, w * alpha * 35.0, w * alpha * 12.0 / h(), {0, 1}},
                                  {7, 4, 7, 0, 0, w * alpha * -8.0 / h(), {1, -1}}};
    std::vector<std::vector<double>> k(6, std::vector<double>(6, 0.0));
    std::vector<double> f(6, 0.0);
    auto platz = [](const Rahmenstab& st, int i) { return st.ecke[i / 3] < 0 ? -1 : 3 * st.ecke[i / 3] + i % 3; };
    for (const Rahmenstab& st : staebe) {
        double kl[6][6], t[6][6], fl[6];
        st.Lokal(ea, ei, kl, t, fl);
        for (int i = 0; i < 6; ++i) {
            if (platz(st, i) < 0) continue;
            for (int a = 0; a < 6; ++a) {
                f[platz(st, i)] += t[a][i] * fl[a];
                for (int j = 0; j < 6; ++j)
                    for (int b = 0; b < 6; ++b)
                        if (platz(st, j) >= 0) k[platz(st, i)][platz(st, j)] += t[a][i] * kl[a][b] * t[b][j];
            }
        }
    }
    const std::vector<double> u = Loesen(k, f);
    const double kraft = ea * staebe[1].dehnung;  // the scale of the forces
    double weg = 0.0;                              // and of the displacements
    for (double x : u) weg = std::max(weg, std::fabs(x));

    for (long teilungen : {1L, 3L}) {
        sys->Stabteilungen = teilungen;
        ASSERT_TRUE(Rechnen());
        for (int i = 0; i < 6; ++i) Nahe(riegel->Freiheitsgrade[i]->Wert, u[i], "Ecke", weg);
        // End forces of every bar: S = k l - F in local axes.
        const Stab* stab[3] = {links, riegel, rechts};
        for (int e = 0; e < 3; ++e) {
            double kl[6][6], t[6][6], fl[6], sEnde[6];
            staebe[e].Lokal(ea, ei, kl, t, fl);
            for (int a = 0; a < 6; ++a) {
                sEnde[a] = -fl[a];
                for (int b = 0; b < 6; ++b)
                    for (int i = 0; i < 6; ++i)
                        if (platz(staebe[e], i) >= 0) sEnde[a] += kl[a][b] * t[b][i] * u[platz(staebe[e], i)];
            }
            Nahe(NormalkraftAn(stab[e], 0.0), -sEnde[0], "N A", kraft);
            Nahe(MomentAn(stab[e], 0.0), -sEnde[2], "M A", kraft);
            Nahe(MomentAn(stab[e], 1.0), sEnde[5], "M B", kraft);
            Nahe(QuerkraftAn(stab[e], 1.0), -sEnde[4], "Q B", kraft);
        }
        const Kraeftebilanz b = Gleichgewicht(M());
        EXPECT_LT(std::fabs(b.Fx) + std::fabs(b.Fy) + std::fabs(b.M), 1e-9 * b.Betrag);
    }
}

// By second-order theory: held at both ends the bar keeps its restraint
// forces and stays straight; on two supports under an axial compression P
// the free curvature kappa sags it by kappa/k^2 (sec(kL/2) - 1) at midspan,
// where P times that sag is the moment.
TEST_F(Temperatur, TheorieZweiterOrdnung) {
    const double l = 5.0, dT = 30.0, dTM = 20.0, kappa = alpha * dTM / h();
    for (long teilungen : {0L, 3L}) {
        TearDown();
        SetUp();
        sys->Stabteilungen = teilungen;
        Stab* s = Beidseitig(P(0, 0), P(l, 0));
        Last(Lastfall_(), s, dT, dTM);
        ASSERT_TRUE(TheorieIIOrdnungBerechnen(*sys, Programm, bericht));
        for (double t : {0.0, 0.4, 1.0}) {
            Nahe(NormalkraftAn(s, t), -E * A * alpha * dT, "N");
            Nahe(MomentAn(s, t), -E * Iz * kappa, "M");
            EXPECT_NEAR(DurchbiegungAn(s, t), 0.0, 1e-12);
        }

        TearDown();
        SetUp();
        sys->Stabteilungen = teilungen;
        const double druck = 2000.0, k = std::sqrt(druck / (E * Iz));
        s = Einfeld(l);
        Lastfall* lf = Lastfall_();
        Last(lf, s, 0.0, dTM);
        Kraft(lf, s, 1.0, druck, -3.14159265358979323846 / 2);  // along -x
        ASSERT_TRUE(TheorieIIOrdnungBerechnen(*sys, Programm, bericht));
        const double sec = 1 / std::cos(k * l / 2), w = kappa / (k * k) * (sec - 1);
        Nahe(DurchbiegungAn(s, 0.5), w, "w Mitte");
        Nahe(MomentAn(s, 0.5), druck * w, "M Mitte");
        Nahe(NormalkraftAn(s, 0.5), -druck, "N");
    }
}

}  // namespace
