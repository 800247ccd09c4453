// The independent second-order solve against closed forms, and the exact
// element against it where no closed form exists: an axial force that varies
// along the bar, and a frame with a hinge, a spring and loads between the
// joints.
#include <gtest/gtest.h>

#include <cmath>

#include "theorie2_aufbau.h"
#include "theorie2_gegenrechnung.h"

namespace {

constexpr double PI = 3.14159265358979323846;
constexpr double EA = 2.1e6, EI = 2.1e4;

double Rel(double ist, double soll) { return std::fabs(ist - soll) / std::fabs(soll); }

gegenrechnung::Knoten Knoten(double x, double y, bool fx = false, bool fy = false, bool fr = false) {
    gegenrechnung::Knoten k;
    k.x = x;
    k.y = y;
    k.fest = {fx, fy, fr};
    return k;
}

// Cantilever column with P and H (tip deflection and base moment), the
// critical factors of the cantilever and the pinned column, and a clamped
// beam with a settlement, -6 EI d / L^2 at the end that stays.
TEST(Gegenrechnung, GeschlosseneFormen) {
    const double L = 4.0, P = 2000.0, H = 7.0, k = std::sqrt(P / EI);
    gegenrechnung::Rahmen r;
    r.knoten = {Knoten(0, 0, true, true, true), Knoten(0, L)};
    r.knoten[1].last = {H, -P, 0.0};
    r.staebe = {{0, 1, EA, EI}};
    const gegenrechnung::Loesung l = gegenrechnung::Rechnen(r);
    ASSERT_TRUE(l.Gueltig);
    EXPECT_LT(Rel(l.Verschiebung[1][0], H / (P * k) * (std::tan(k * L) - k * L)), 1e-9);
    // H to the right bends the column's local -y side (its right) into tension
    EXPECT_LT(Rel(l.M(0, 0.0), -H * std::tan(k * L) / k), 1e-9);
    EXPECT_LT(Rel(l.N(0, 0.5), -P), 1e-12);
    EXPECT_LT(Rel(gegenrechnung::Verzweigungsfaktor(r), PI * PI * EI / (4 * L * L * P)), 1e-9);

    r.knoten[0].fest = {true, true, false};
    r.knoten[1].fest = {true, false, false};
    EXPECT_LT(Rel(gegenrechnung::Verzweigungsfaktor(r), PI * PI * EI / (L * L * P)), 1e-9);

    gegenrechnung::Rahmen s;
    s.knoten = {Knoten(0, 0, true, true, true), Knoten(L, 0, true, true, true)};
    s.knoten[1].wert = {0.0, -0.01, 0.0};
    s.staebe = {{0, 1, EA, EI}};
    const gegenrechnung::Loesung m = gegenrechnung::Rechnen(s);
    ASSERT_TRUE(m.Gueltig);
    EXPECT_LT(Rel(m.M(0, 0.0), -6 * EI * 0.01 / (L * L)), 1e-9);  // hogging at the held end
    EXPECT_EQ(gegenrechnung::Verzweigungsfaktor(s), 0.0);  // nothing in compression
}

// A column with a linearly varying axial load (N quadratic along it),
// transverse load, and P and H at its head: the exact element against the
// Runge-Kutta integration, along the whole column.
TEST(Gegenrechnung, NormalkraftVeraenderlich) {
    const double L = 5.0, P = 800.0, H = 6.0, nA = -300.0, nE = -100.0, qA = 4.0, qE = -2.0;
    gegenrechnung::Rahmen r;
    r.knoten = {Knoten(0, 0, true, true, true), Knoten(0, L)};
    r.knoten[1].last = {H, -P, 0.0};
    r.staebe = {{0, 1, EA, EI}};
    r.streckenlasten = {{0, 0.0, 1.0, qA, qE, nA, nE}};
    const gegenrechnung::Loesung l = gegenrechnung::Rechnen(r);
    ASSERT_TRUE(l.Gueltig);

    StabdatenII d;
    d.Laenge = L;
    d.EA = EA;
    d.EI = EI;
    d.qAnfang = qA;
    d.qEnde = qE;
    d.nAnfang = nA;
    d.nEnde = nE;
    d.N = NormalkraftAusLasten(-P + (nA + nE) * L / 2, nA, nE, L);  // N(L) = -P
    Kleintragwerk t(3);
    t.Stab(d, PI / 2, {-1, -1, -1, 0, 1, 2});
    t.Lasten = {H, -P, 0.0};
    std::vector<double> u;
    ASSERT_TRUE(t.Loesen(u));
    for (int i = 0; i < 3; ++i) EXPECT_LT(Rel(u[i], l.Verschiebung[1][i]), 1e-9) << i;
    double lok[6];
    t.LokaleVerschiebungen(0, u, lok);
    const Stabverlauf v = t.Element(0).Verlauf(lok);
    for (double x : {0.0, 0.7, 2.5, 4.1, 5.0}) {
        const double tt = x / L;
        EXPECT_NEAR(v.Moment(x), l.M(0, tt), 1e-9 * std::fabs(l.M(0, 0.0))) << x;
        EXPECT_NEAR(v.Querkraft(x), l.Q(0, tt), 1e-9 * std::fabs(l.Q(0, 0.0))) << x;
        EXPECT_NEAR(v.Normalkraft(x), l.N(0, tt), 1e-9 * P) << x;
        EXPECT_NEAR(v.Durchbiegung(x), l.w(0, tt), 1e-9 * std::fabs(l.w(0, 1.0))) << x;
        EXPECT_NEAR(v.Laengsverschiebung(x), l.u(0, tt), 1e-9 * std::fabs(l.u(0, 1.0))) << x;
    }
}

// A column clamped at both ends under its own weight and a head load: the
// axial force varies along it, and in one element only the element's own
// count of clamped modes sees the buckling.
TEST(Gegenrechnung, EingespannteStuetzeMitEigengewicht) {
    const double L = 6.0, P = 500.0, n = -200.0;
    gegenrechnung::Rahmen r;
    r.knoten = {Knoten(0, 0, true, true, true), Knoten(0, L, true, false, true)};
    r.knoten[1].last = {0.0, -P, 0.0};
    r.staebe = {{0, 1, EA, EI}};
    r.streckenlasten = {{0, 0.0, 1.0, 0.0, 0.0, n, n}};
    StabdatenII d;
    d.Laenge = L;
    d.EA = EA;
    d.EI = EI;
    d.nAnfang = d.nEnde = n;
    Kleintragwerk t(1);
    t.Stab(d, PI / 2, {-1, -1, -1, -1, 0, -1});
    const std::vector<Normalkraftverlauf> nI = {NormalkraftAusLasten(-P + n * L, n, n, L)};
    Verzweigungsoptionen fein;
    fein.Genauigkeit = 1e-10;
    const Verzweigungsergebnis e = VerzweigungslastfaktorSuchen(t.Test(nI), fein);
    ASSERT_EQ(e.Status, Verzweigungsstatus::Gefunden);
    EXPECT_LT(Rel(e.Faktor, gegenrechnung::Verzweigungsfaktor(r)), 1e-9);
}

// A portal: clamped foot, pinned foot with a rotational spring, a hinge
// between beam and right column, axial load on the left column, uniform
// and point load on the beam, sway load.  Iterated to convergence both ways.
TEST(Gegenrechnung, RahmenMitGelenkUndFeder) {
    const double h = 4.0, b = 6.0, P = 400.0, H = 25.0, q = -10.0, F = -50.0, c = 5000.0;
    gegenrechnung::Rahmen r;
    r.knoten = {Knoten(0, 0, true, true, true), Knoten(0, h), Knoten(b, h), Knoten(b, 0, true, true)};
    r.knoten[3].feder = {0.0, 0.0, c};
    r.knoten[1].last = {H, -P, 0.0};
    r.knoten[2].last = {0.0, -P, 0.0};
    r.staebe = {{0, 1, EA, EI}, {1, 2, EA, 2 * EI, false, true}, {3, 2, EA, EI}};
    r.einzellasten = {{1, 0.3, 0.0, F, 0.0}};
    r.streckenlasten = {{1, 0.0, 1.0, q, q, 0.0, 0.0}, {0, 0.0, 1.0, 0.0, 0.0, -3.0, -3.0}};
    const gegenrechnung::Loesung l = gegenrechnung::Rechnen(r);
    ASSERT_TRUE(l.Gueltig);

    // unknowns: head 1 (0-2), beam cut at 0.3 (3-5), head 2 (6-8), beam end
    // rotation at the hinge (9), foot 2 rotation (10)
    Kleintragwerk t(11);
    auto daten = [](double L, double ei, double qq, double n) {
        StabdatenII d;
        d.Laenge = L;
        d.EA = EA;
        d.EI = ei;
        d.qAnfang = d.qEnde = qq;
        d.nAnfang = d.nEnde = n;
        return d;
    };
    t.Stab(daten(h, EI, 0.0, -3.0), PI / 2, {-1, -1, -1, 0, 1, 2});
    t.Stab(daten(0.3 * b, 2 * EI, q, 0.0), 0.0, {0, 1, 2, 3, 4, 5});
    t.Stab(daten(0.7 * b, 2 * EI, q, 0.0), 0.0, {3, 4, 5, 6, 7, 9});
    t.Stab(daten(h, EI, 0.0, 0.0), PI / 2, {-1, -1, 10, 6, 7, 8});
    t.Lasten[0] = H;
    t.Lasten[1] = -P;
    t.Lasten[4] = F;
    t.Lasten[7] = -P;
    t.Federn[10] = c;
    std::vector<double> u;
    ASSERT_GT(t.Iterieren(u), 2);

    const double skalaU = std::fabs(u[0]);
    for (int i = 0; i < 3; ++i) {
        EXPECT_NEAR(u[i], l.Verschiebung[1][i], 1e-9 * skalaU);
        EXPECT_NEAR(u[6 + i], l.Verschiebung[2][i], 1e-9 * skalaU);
    }
    EXPECT_NEAR(u[10], l.Verschiebung[3][2], 1e-9 * skalaU);
    struct Stelle {
        int element, stab;
        double x, t;
    };
    const double mSkala = std::fabs(l.M(0, 0.0));
    for (Stelle s : {Stelle{0, 0, 0.0, 0.0}, Stelle{0, 0, 2.0, 0.5}, Stelle{1, 1, 0.9, 0.15}, Stelle{2, 1, 2.1, 0.65},
                     Stelle{2, 1, 4.2, 1.0}, Stelle{3, 2, 1.0, 0.25}}) {
        double lok[6];
        t.LokaleVerschiebungen(s.element, u, lok);
        const Stabverlauf v = t.Element(s.element).Verlauf(lok);
        EXPECT_NEAR(v.Moment(s.x), l.M(s.stab, s.t), 1e-9 * mSkala) << s.element << " " << s.x;
        EXPECT_NEAR(v.Querkraft(s.x), l.Q(s.stab, s.t), 1e-9 * mSkala) << s.element << " " << s.x;
        EXPECT_NEAR(v.Normalkraft(s.x), l.N(s.stab, s.t), 1e-9 * P) << s.element << " " << s.x;
        EXPECT_NEAR(v.Durchbiegung(s.x), l.w(s.stab, s.t), 1e-9 * skalaU) << s.element << " " << s.x;
        EXPECT_NEAR(v.Laengsverschiebung(s.x), l.u(s.stab, s.t), 1e-9 * skalaU) << s.element << " " << s.x;
    }
    EXPECT_NEAR(l.M(1, 1.0), 0.0, 1e-9 * mSkala);  // the hinge

    // and the critical factor of the same frame, from the first-order axial forces
    std::vector<Normalkraftverlauf> nI(4);
    t.NormalkraefteSetzen(nI, 0.0);
    ASSERT_TRUE(t.Loesen(u));
    for (int i = 0; i < 4; ++i) {
        double lok[6], schnitt[6];
        t.LokaleVerschiebungen(i, u, lok);
        const StabelementII el = t.Element(i);
        el.Schnittkraefte(lok, schnitt);
        nI[i] = NormalkraftAusLasten(schnitt[0], el.Daten().nAnfang, el.Daten().nEnde, el.Daten().Laenge);
    }
    Verzweigungsoptionen fein;
    fein.Genauigkeit = 1e-10;
    const Verzweigungsergebnis e = VerzweigungslastfaktorSuchen(t.Test(nI), fein);
    ASSERT_EQ(e.Status, Verzweigungsstatus::Gefunden);
    EXPECT_LT(Rel(e.Faktor, gegenrechnung::Verzweigungsfaktor(r)), 1e-9);
}

}  // namespace
