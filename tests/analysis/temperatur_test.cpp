// Temperature loads: closed forms of single bars and a portal frame against
// a dense solve of its own.
#include <algorithm>
#include <cmath>
#include <vector>

#include "analysis/ergebnisse.h"
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

TEST_F(Temperatur, BeidseitigEingespanntGleichmaessigErwaermt) {
    Stab* s = Beidseitig(P(0, 0), P(6, 0));
    Last(Lastfall_(), s, 30.0, 0.0);
    for (long teilungen : {1L, 3L}) {
        sys->Stabteilungen = teilungen;
        ASSERT_TRUE(Rechnen());
        for (double t : {0.0, 0.4, 1.0}) {
            Nahe(NormalkraftAn(s, t), -E * A * alpha * 30.0, "N");
            EXPECT_NEAR(MomentAn(s, t), 0.0, 1e-9);
            EXPECT_NEAR(DurchbiegungAn(s, t), 0.0, 1e-15);
            EXPECT_NEAR(LaengsverschiebungAn(s, t), 0.0, 1e-15);
        }
        // The supports push the ends back inwards.
        Nahe(s->Freiheitsgrade[FG_AX]->Reaktion, E * A * alpha * 30.0, "Reaktion A");
        Nahe(s->Freiheitsgrade[FG_BX]->Reaktion, -E * A * alpha * 30.0, "Reaktion B");
    }
}

TEST_F(Temperatur, BeidseitigEingespanntMitTemperaturunterschied) {
    // Inclined, so the local axes are not the global ones.
    Stab* s = Beidseitig(P(1, 2), P(4, 6));
    Last(Lastfall_(), s, 0.0, 20.0);
    const double m = -E * Iz * alpha * 20.0 / h();
    for (long teilungen : {1L, 4L}) {
        sys->Stabteilungen = teilungen;
        ASSERT_TRUE(Rechnen());
        for (double t : {0.0, 0.25, 0.5, 1.0}) {
            Nahe(MomentAn(s, t), m, "M");
            EXPECT_NEAR(QuerkraftAn(s, t), 0.0, 1e-9);
            EXPECT_NEAR(NormalkraftAn(s, t), 0.0, 1e-9);
            EXPECT_NEAR(DurchbiegungAn(s, t), 0.0, 1e-15);
        }
    }
}

TEST_F(Temperatur, EinfeldtraegerBiegtSichZurWaermerenSeite) {
    const double l = 5.0;
    Stab* s = Einfeld(l);
    Last(Lastfall_(), s, 0.0, 25.0);
    const double w = alpha * 25.0 * l * l / (8 * h());
    for (long teilungen : {1L, 2L}) {
        sys->Stabteilungen = teilungen;
        ASSERT_TRUE(Rechnen());
        Nahe(DurchbiegungAn(s, 0.5), w, "w Mitte");  // sags like under a positive moment
        Nahe(s->Freiheitsgrade[FG_AR]->Wert, -alpha * 25.0 / h() * l / 2, "Drehung A");
        for (double t : {0.0, 0.5, 1.0}) {
            EXPECT_NEAR(MomentAn(s, t), 0.0, 1e-9);
            EXPECT_NEAR(QuerkraftAn(s, t), 0.0, 1e-9);
            EXPECT_NEAR(NormalkraftAn(s, t), 0.0, 1e-9);
        }
        double stelle = -1;
        Nahe(MaxDurchbiegung(s, &stelle), w, "max w");
        EXPECT_NEAR(stelle, 0.5, 1e-9);
    }
}

TEST_F(Temperatur, LoslagerGibtDieDehnungFrei) {
    const double l = 4.0;
    Stab* s = Einfeld(l);
    Last(Lastfall_(), s, 40.0, 0.0);
    ASSERT_TRUE(Rechnen());
    Nahe(s->Freiheitsgrade[FG_BX]->Wert, alpha * 40.0 * l, "u Ende");
    Nahe(LaengsverschiebungAn(s, 1.0), alpha * 40.0 * l, "u(1)");
    Nahe(LaengsverschiebungAn(s, 0.5), alpha * 40.0 * l / 2, "u(1/2)");
    EXPECT_NEAR(NormalkraftAn(s, 0.5), 0.0, 1e-9);
    EXPECT_NEAR(s->Freiheitsgrade[FG_AX]->Reaktion, 0.0, 1e-9);
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

// A plane frame element from node a to node b with a free strain and a free
// curvature: stiffness and fixed-end forces in global axes.
struct Rahmenstab {
    double xa, ya, xb, yb, dehnung, kruemmung;
    double L() const { return std::hypot(xb - xa, yb - ya); }
    double c() const { return (xb - xa) / L(); }
    double s() const { return (yb - ya) / L(); }
    // Global (ux, uy, phi) of both ends to local (u, v, phi).
    void Drehung(double t[6][6]) const {
        for (int i = 0; i < 6; ++i)
            for (int j = 0; j < 6; ++j) t[i][j] = 0;
        for (int e = 0; e < 2; ++e) {
            t[3 * e][3 * e] = c(), t[3 * e][3 * e + 1] = s();
            t[3 * e + 1][3 * e] = -s(), t[3 * e + 1][3 * e + 1] = c();
            t[3 * e + 2][3 * e + 2] = 1;
        }
    }
    void Lokal(double k[6][6], double ea, double ei) const {
        const double l = L();
        const double w[6][6] = {
            {ea / l, 0, 0, -ea / l, 0, 0},
            {0, 12 * ei / (l * l * l), 6 * ei / (l * l), 0, -12 * ei / (l * l * l), 6 * ei / (l * l)},
            {0, 6 * ei / (l * l), 4 * ei / l, 0, -6 * ei / (l * l), 2 * ei / l},
            {-ea / l, 0, 0, ea / l, 0, 0},
            {0, -12 * ei / (l * l * l), -6 * ei / (l * l), 0, 12 * ei / (l * l * l), -6 * ei / (l * l)},
            {0, 6 * ei / (l * l), 2 * ei / l, 0, -6 * ei / (l * l), 4 * ei / l},
        };
        for (int i = 0; i < 6; ++i)
            for (int j = 0; j < 6; ++j) k[i][j] = w[i][j];
    }
    // Local end forces of the element held at both ends: it pushes its ends
    // apart (strain) and turns them the way a positive moment would bend it.
    void Festhaltekraefte(double f[6], double ea, double ei) const {
        const double n = ea * dehnung, m = ei * kruemmung;
        const double g[6] = {-n, 0, -m, n, 0, m};  // forces on the nodes
        for (int i = 0; i < 6; ++i) f[i] = g[i];
    }
};

TEST_F(Temperatur, RahmenMitErwaermtemRiegelWieEigeneRechnung) {
    // Columns 4 m, beam 7 m, clamped feet; the beam heated and warmer below,
    // the right column warmer on its outer side, in a load case of weight 1.5.
    const double hoehe = 4.0, breite = 7.0;
    Punkt *fussL = P(0, 0), *eckeL = P(0, hoehe), *eckeR = P(breite, hoehe), *fussR = P(breite, 0);
    Stab* links = StabZwischen(fussL, eckeL);
    Stab* riegel = StabAnschliessen(links, eckeR);
    Stab* rechts = StabZwischen(eckeR, fussR, {riegel->Freiheitsgrade[3], riegel->Freiheitsgrade[4],
                                                riegel->Freiheitsgrade[5]});
    for (int r = 0; r < 3; ++r) {
        Festhalten(links->Freiheitsgrade[r]);
        Festhalten(rechts->Freiheitsgrade[3 + r]);
    }
    Lastfall* lf = Lastfall_(1.5);
    Last(lf, riegel, 35.0, 12.0);
    Last(lf, rechts, 0.0, -8.0);

    // The same frame by hand: the six displacements of the two corners.
    const double ea = E * A, ei = E * Iz, w = 1.5;
    const Rahmenstab staebe[3] = {
        {0, 0, 0, hoehe, 0, 0},
        {0, hoehe, breite, hoehe, w * alpha * 35.0, w * alpha * 12.0 / h()},
        {breite, hoehe, breite, 0, 0, w * alpha * -8.0 / h()},
    };
    const int knoten[3][2] = {{-1, 0}, {0, 1}, {1, -1}};  // corner index of each end, -1 = clamped
    std::vector<std::vector<double>> k(6, std::vector<double>(6, 0.0));
    std::vector<double> f(6, 0.0);
    double kg[3][6][6], t[3][6][6], fl[3][6];
    for (int e = 0; e < 3; ++e) {
        double kl[6][6];
        staebe[e].Lokal(kl, ea, ei);
        staebe[e].Drehung(t[e]);
        staebe[e].Festhaltekraefte(fl[e], ea, ei);
        for (int i = 0; i < 6; ++i)
            for (int j = 0; j < 6; ++j) {
                kg[e][i][j] = 0;
                for (int a = 0; a < 6; ++a)
                    for (int b = 0; b < 6; ++b) kg[e][i][j] += t[e][a][i] * kl[a][b] * t[e][b][j];
            }
        for (int i = 0; i < 6; ++i) {
            const int zi = knoten[e][i / 3];
            if (zi < 0) continue;
            for (int a = 0; a < 6; ++a) f[3 * zi + i % 3] += t[e][a][i] * fl[e][a];
            for (int j = 0; j < 6; ++j) {
                const int zj = knoten[e][j / 3];
                if (zj >= 0) k[3 * zi + i % 3][3 * zj + j % 3] += kg[e][i][j];
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
        for (int r = 0; r < 3; ++r) {
            Nahe(riegel->Freiheitsgrade[r]->Wert, u[r], "Ecke links", weg);
            Nahe(riegel->Freiheitsgrade[3 + r]->Wert, u[3 + r], "Ecke rechts", weg);
        }
        // End forces of every bar: S = k l - F in local axes.
        const Stab* stab[3] = {links, riegel, rechts};
        for (int e = 0; e < 3; ++e) {
            double d[6] = {0, 0, 0, 0, 0, 0};
            for (int i = 0; i < 6; ++i)
                if (knoten[e][i / 3] >= 0) d[i] = u[3 * knoten[e][i / 3] + i % 3];
            double kl[6][6], l[6], sEnde[6];
            staebe[e].Lokal(kl, ea, ei);
            for (int a = 0; a < 6; ++a) {
                l[a] = 0;
                for (int b = 0; b < 6; ++b) l[a] += t[e][a][b] * d[b];
            }
            for (int a = 0; a < 6; ++a) {
                sEnde[a] = -fl[e][a];
                for (int b = 0; b < 6; ++b) sEnde[a] += kl[a][b] * l[b];
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

}  // namespace
