// The exact second-order element on its own and in small structures, against
// closed forms and against the first-order element.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <random>

#include "analysis/ergebnisse.h"
#include "analysis/steifigkeit.h"
#include "analysis/theorie2/stabelement.h"
#include "theorie2_aufbau.h"

namespace {

constexpr double EA = 2.1e6, EI = 2.1e4;

StabdatenII Daten(double L, double n0, double qa = 0.0, double qe = 0.0) {
    StabdatenII d;
    d.Laenge = L;
    d.EA = EA;
    d.EI = EI;
    d.N = {n0, 0.0, 0.0};
    d.qAnfang = qa;
    d.qEnde = qe;
    return d;
}

double Rel(double ist, double soll) { return std::fabs(ist - soll) / std::fabs(soll); }

// With N = 0 the element is the first-order one: stiffness, equivalent loads
// and end forces, and along the element the exact polynomials that the
// first-order Hermite functions reproduce for M, Q and N (and for w and u
// without loads).
TEST(StabelementII, OhneNormalkraftErsteOrdnung) {
    const double L = 3.0;
    for (bool mitLasten : {true, false}) {
        StabdatenII d = Daten(L, 0.0, mitLasten ? -5.0 : 0.0, mitLasten ? 2.0 : 0.0);
        if (mitLasten) {
            d.nAnfang = 1.5;
            d.nEnde = -3.0;
        }
        const StabelementII el(d);
        EXPECT_EQ(el.Teilstueckzahl(), 1);
        double k[6][6], k1[6][6], f[6], f1[6];
        el.Steifigkeit(k);
        LokaleSteifigkeit(k1, 2.1e8, EA / 2.1e8, EI / 2.1e8, L);
        Element e{};
        e.Laenge = L;
        e.qAnfang = d.qAnfang;
        e.qEnde = d.qEnde;
        e.nAnfang = d.nAnfang;
        e.nEnde = d.nEnde;
        el.Ersatzlasten(f);
        LokaleErsatzlasten(&e, f1);
        for (int i = 0; i < 6; ++i) {
            EXPECT_NEAR(f[i], f1[i], 1e-13 * 20) << i;
            for (int j = 0; j < 6; ++j) EXPECT_NEAR(k[i][j], k1[i][j], 1e-13 * EA) << i << j;
        }
        const double l[6] = {1e-3, -2e-3, 4e-4, 3e-3, 1e-3, -7e-4};
        double s[6];
        el.Schnittkraefte(l, s);
        double s1[6];
        for (int i = 0; i < 6; ++i) {
            s1[i] = -f1[i];
            for (int j = 0; j < 6; ++j) s1[i] += k1[i][j] * l[j];
        }
        const double erwartet[6] = {-s1[0], s1[1], -s1[2], s1[3], -s1[4], s1[5]};
        for (int i = 0; i < 6; ++i) EXPECT_NEAR(s[i], erwartet[i], 1e-9) << i;
        const Stabverlauf v = el.Verlauf(l);
        for (double xi = -1.0; xi <= 1.0; xi += 0.25) {
            const double x = (xi + 1.0) * L / 2;
            EXPECT_NEAR(v.Moment(x), HermiteWert(s[2], s[1], s[5], s[4], L, xi), 1e-9);
            EXPECT_NEAR(v.Querkraft(x), HermiteWert(s[1], d.qAnfang, s[4], d.qEnde, L, xi), 1e-9);
            EXPECT_NEAR(v.Normalkraft(x), HermiteWert(s[0], -d.nAnfang, s[3], -d.nEnde, L, xi), 1e-9);
            if (!mitLasten) {
                EXPECT_NEAR(v.Durchbiegung(x), -HermiteWert(l[1], l[2], l[4], l[5], L, xi), 1e-15);
                EXPECT_NEAR(v.Laengsverschiebung(x), ((1 - xi) * l[0] + (1 + xi) * l[3]) / 2, 1e-15);
            }
        }
    }
}

// Near N = 0 the stiffness grows linearly with N by the consistent geometric
// stiffness: no loss of digits for small N, tension stiffens.
TEST(StabelementII, KleineNormalkraftGibtGeometrischeSteifigkeit) {
    const double L = 2.0;
    const double n = 1e-4 * EI / (L * L);
    double kp[6][6], km[6][6];
    StabelementII(Daten(L, n)).Steifigkeit(kp);
    StabelementII(Daten(L, -n)).Steifigkeit(km);
    const double g[4][4] = {{36, 3 * L, -36, 3 * L}, {3 * L, 4 * L * L, -3 * L, -L * L},
                            {-36, -3 * L, 36, -3 * L}, {3 * L, -L * L, -3 * L, 4 * L * L}};
    constexpr int B[4] = {1, 2, 4, 5};
    for (int a = 0; a < 4; ++a)
        for (int b = 0; b < 4; ++b)
            EXPECT_NEAR((kp[B[a]][B[b]] - km[B[a]][B[b]]) / (2 * n), g[a][b] / (30 * L), 1e-7) << a << b;
    double k0[6][6];
    StabelementII(Daten(L, 0.0)).Steifigkeit(k0);
    EXPECT_GT(kp[1][1], k0[1][1]);
    EXPECT_LT(km[1][1], k0[1][1]);
}

// Cantilever column, base clamped, with compression P and a transverse tip
// load H: tip deflection H/(P k) (tan kL - kL), base moment H tan(kL)/k; in
// one element and in three.
TEST(StabelementII, KragstuetzeMitDruckUndQuerlast) {
    const double L = 4.0, H = 7.0;
    for (double kl : {0.3, 1.2, 1.5}) {
        const double k = kl / L, P = k * k * EI;
        for (int teile : {1, 3}) {
            // nodes 1..teile, three unknowns each; node 0 clamped
            Kleintragwerk t(3 * teile);
            for (int i = 0; i < teile; ++i) {
                const int a = 3 * (i - 1);
                t.Stab(Daten(L / teile, -P), 0.0, {i ? a : -1, i ? a + 1 : -1, i ? a + 2 : -1, a + 3, a + 4, a + 5});
            }
            t.Lasten[3 * teile - 3] = -P;
            t.Lasten[3 * teile - 2] = H;
            std::vector<double> u;
            ASSERT_TRUE(t.Loesen(u));
            EXPECT_LT(Rel(u[3 * teile - 2], H / (P * k) * (std::tan(kl) - kl)), 1e-9)
                << kl << " " << teile;
            double l[6], s[6];
            t.LokaleVerschiebungen(0, u, l);
            t.Element(0).Schnittkraefte(l, s);
            EXPECT_LT(Rel(s[2], H * std::tan(kl) / k), 1e-9);
            EXPECT_NEAR(s[0], -P, 1e-9 * P);
            EXPECT_LT(Rel(t.Element(0).Verlauf(l).Moment(0.0), H * std::tan(kl) / k), 1e-9);
        }
    }
}

// Simply supported beam-column, uniform load q: midspan moment
// q/k^2 (sec(kL/2) - 1) under compression, q/k^2 (1 - sech(kL/2)) under
// tension, for tension also far beyond any practical kL.
TEST(StabelementII, EinfeldtraegerMitGleichlast) {
    const double L = 6.0, q = 10.0;
    struct Fall {
        double kl;
        bool druck;
    };
    for (Fall f : {Fall{0.8, true}, Fall{2.9, true}, Fall{0.8, false}, Fall{5.0, false}, Fall{60.0, false},
                   Fall{1000.0, false}}) {
        const double k = f.kl / L, P = k * k * EI;
        const double N = f.druck ? -P : P;
        EXPECT_TRUE(StabelementII(Daten(L, N)).Zuverlaessig());
        const double soll = f.druck ? q / (k * k) * (1 / std::cos(f.kl / 2) - 1)
                                    : q / (k * k) * (1 - 1 / std::cosh(f.kl / 2));
        for (int teile : {1, 2}) {
            const double genau = f.kl > 100 ? 1e-9 * f.kl / 10 : 1e-9;  // the moment is a tiny rest of N v
            // unknowns: phi_A, then per further node (u, v, phi); v at B held
            Kleintragwerk t(teile == 1 ? 3 : 6);
            if (teile == 1) {
                t.Stab(Daten(L, N, -q, -q), 0.0, {-1, -1, 0, 1, -1, 2});
                t.Lasten[1] = N;
            } else {
                t.Stab(Daten(L / 2, N, -q, -q), 0.0, {-1, -1, 0, 1, 2, 3});
                t.Stab(Daten(L / 2, N, -q, -q), 0.0, {1, 2, 3, 4, -1, 5});
                t.Lasten[4] = N;
            }
            std::vector<double> u;
            ASSERT_TRUE(t.Loesen(u));
            double l[6];
            t.LokaleVerschiebungen(0, u, l);
            const Stabverlauf v = t.Element(0).Verlauf(l);
            EXPECT_LT(Rel(v.Moment(L / 2), soll), genau) << f.kl << " " << f.druck << " " << teile;
            if (teile == 1) {
                // (under strong tension the moment is flat to round-off
                // over most of the span: any position there will do)
                const auto m = v.Extremstellen(Schnittgroesse::Moment);
                ASSERT_GE(m.size(), 1u);
                for (double x : m) EXPECT_LT(Rel(v.Moment(x), soll), genau);
                if (f.kl < 10) {
                    ASSERT_EQ(m.size(), 1u);
                    EXPECT_NEAR(m[0], L / 2, 1e-9);
                    const auto w = v.Extremstellen(Schnittgroesse::Durchbiegung);
                    ASSERT_EQ(w.size(), 1u);
                    EXPECT_NEAR(w[0], L / 2, 1e-9);
                }
            }
        }
    }
}

// Absurd slenderness is flagged rather than computed into noise.
TEST(StabelementII, UnzuverlaessigJenseitsJederPraxis) {
    EXPECT_FALSE(StabelementII(Daten(6.0, 1e5 * 1e5 / 36 * EI)).Zuverlaessig());
    EXPECT_FALSE(StabelementII(Daten(6.0, std::nan(""))).Zuverlaessig());
}

// Temperature: a free curvature bends a simply supported column under
// compression to w(L/2) = kappa/k^2 (sec(kL/2) - 1); a clamped bar keeps
// straight with M = -EI kappa and N = -EA eps.
TEST(StabelementII, FreieKruemmungUndDehnung) {
    const double L = 5.0, kappa = 2e-3, eps = 3e-5, kl = 2.0, k = kl / L, P = k * k * EI;
    StabdatenII d = Daten(L, -P);
    d.Kruemmung = kappa;
    d.Dehnung = eps;
    Kleintragwerk t(2);  // rotations at both ends; u, v held
    t.Stab(d, 0.0, {-1, -1, 0, -1, -1, 1});
    std::vector<double> u;
    ASSERT_TRUE(t.Loesen(u));
    double l[6];
    t.LokaleVerschiebungen(0, u, l);
    EXPECT_LT(Rel(t.Element(0).Verlauf(l).Durchbiegung(L / 2), kappa / (k * k) * (1 / std::cos(kl / 2) - 1)), 1e-9);
    // the compression acts on the lever of that deflection
    EXPECT_LT(Rel(t.Element(0).Verlauf(l).Moment(L / 2), P * t.Element(0).Verlauf(l).Durchbiegung(L / 2)), 1e-9);

    const double null[6] = {};
    const StabelementII eingespannt(d);
    const Stabverlauf v = eingespannt.Verlauf(null);
    for (double x : {0.0, 1.3, L / 2, L}) {
        EXPECT_LT(Rel(v.Moment(x), -EI * kappa), 1e-9);
        EXPECT_LT(Rel(v.Normalkraft(x), -EA * eps), 1e-12);
        EXPECT_NEAR(v.Durchbiegung(x), 0.0, 1e-15);
        EXPECT_NEAR(v.Laengsverschiebung(x), 0.0, 1e-15);
    }
}

double GaussIntegral(const std::function<double(double)>& f, double L) {
    static const double x5[5] = {0.0, -0.5384693101056831, 0.5384693101056831, -0.9061798459386640, 0.9061798459386640};
    static const double w5[5] = {0.5688888888888889, 0.4786286704993665, 0.4786286704993665, 0.2369268850561891,
                                 0.2369268850561891};
    const int teile = 40;
    const double h = L / teile;
    double summe = 0.0;
    for (int i = 0; i < teile; ++i)
        for (int j = 0; j < 5; ++j) summe += w5[j] * f((i + 0.5 + 0.5 * x5[j]) * h) * h / 2;
    return summe;
}

// Random elements in equilibrium on their deformed shape: the end forces,
// the loads and the axial force acting on the lever of the deflection
// balance; the functions along the element meet the end forces.
TEST(StabelementII, GleichgewichtAmVerformtenStab) {
    std::mt19937 zufall(17);
    std::uniform_real_distribution<double> eins(-1.0, 1.0);
    for (int fall = 0; fall < 20; ++fall) {
        StabdatenII d;
        d.Laenge = 3.0 + eins(zufall);
        d.EA = EA;
        d.EI = EI * (1.5 + eins(zufall));
        d.qAnfang = 10 * eins(zufall);
        d.qEnde = 10 * eins(zufall);
        d.nAnfang = 500 * eins(zufall);
        d.nEnde = 500 * eins(zufall);
        d.Kruemmung = 1e-3 * eins(zufall);
        d.N = NormalkraftAusLasten(8000 * eins(zufall), d.nAnfang, d.nEnde, d.Laenge);
        double l[6];
        for (double& x : l) x = 1e-2 * eins(zufall);
        const StabelementII el(d);
        const Stabverlauf v = el.Verlauf(l);
        const double L = d.Laenge;
        double s[6], schnitt[6];
        el.Endkraefte(l, s);
        el.Schnittkraefte(l, schnitt);
        auto q = [&](double x) { return d.qAnfang + (d.qEnde - d.qAnfang) * x / L; };
        auto n = [&](double x) { return d.nAnfang + (d.nEnde - d.nAnfang) * x / L; };
        const double Fy = s[1] + s[4] + GaussIntegral(q, L);
        const double M = s[2] + s[5] + L * s[4] - (l[4] - l[1]) * d.N.An(L) +
                         GaussIntegral([&](double x) { return x * q(x); }, L) -
                         GaussIntegral([&](double x) { return n(x) * (-v.Durchbiegung(x) - l[1]); }, L);
        const double skala = std::fabs(s[2]) + std::fabs(s[5]) + L * std::fabs(s[4]) + 100;
        EXPECT_NEAR(Fy, 0.0, 1e-10 * skala) << fall;
        EXPECT_NEAR(M, 0.0, 1e-10 * skala) << fall;
        EXPECT_NEAR(v.Moment(0.0), schnitt[2], 1e-10 * skala);
        EXPECT_NEAR(v.Moment(L), schnitt[5], 1e-10 * skala);
        EXPECT_NEAR(v.Querkraft(0.0), schnitt[1], 1e-10 * skala);
        EXPECT_NEAR(v.Querkraft(L), schnitt[4], 1e-10 * skala);
        EXPECT_NEAR(v.Durchbiegung(L), -l[4], 1e-13);
        EXPECT_NEAR(v.Verdrehung(L), l[5], 1e-13);
        EXPECT_NEAR(v.Laengsverschiebung(L), l[3], 1e-13);
    }
}

}  // namespace
