// The profile solver on small matrices with known solutions.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "analysis/gleichungsloeser.h"
#include "core/bericht.h"
#include "core/datenmodell.h"

namespace {

// Profile matrix from a full symmetric matrix and its profile.
struct Profilmatrix {
    Profilmatrix(const std::vector<std::vector<double>>& voll, std::vector<int> e) : erste(std::move(e)) {
        n = static_cast<int>(voll.size());
        k = AllocPMatrix(n, erste.data());
        for (int i = 0; i < n; ++i)
            for (int j = erste[i]; j <= i; ++j) (*k)(i, j) = voll[i][j];
    }
    ~Profilmatrix() { FreePMatrix(k); }
    int n;
    std::vector<int> erste;
    PMatrix* k;
};

struct Ergebnis {
    int rc;
    int singulaer = -1;
    std::vector<double> u, f;
    std::vector<int> zustand;
};

Ergebnis Loesen(const std::vector<std::vector<double>>& voll, std::vector<int> erste, std::vector<int> zustand,
                std::vector<double> u, std::vector<double> f) {
    Profilmatrix m(voll, std::move(erste));
    Ergebnis e;
    e.rc = SystemsteifigkeitZerlegen(m.n, zustand.data(), m.erste.data(), m.k, &e.singulaer);
    if (e.rc == 0) GleichungssystemLoesen(m.n, zustand.data(), m.erste.data(), m.k, u.data(), f.data());
    e.u = u;
    e.f = f;
    e.zustand = zustand;
    return e;
}

constexpr int D = STATUS_DUAL, P = STATUS_PRIMAL;

TEST(Profilspeicher, ZeilenLiegenHintereinander) {
    std::vector<int> erste{0, 0, 1, 3};
    EXPECT_EQ(ProfilGroesse(erste.data(), 4), 1u + 2u + 2u + 1u);
    PMatrix* k = AllocPMatrix(4, erste.data());
    ASSERT_NE(k, nullptr);
    EXPECT_EQ(&(*k)(1, 0), k->Block + 1);
    EXPECT_EQ(&(*k)(2, 1), k->Block + 3);
    EXPECT_EQ(&(*k)(3, 3), k->Block + 5);
    for (std::size_t i = 0; i < k->Eintraege; ++i) EXPECT_EQ(k->Block[i], 0.0);
    FreePMatrix(k);
    // a profile that reaches beyond the diagonal is refused
    std::vector<int> falsch{0, 2};
    testing::internal::CaptureStderr();
    EXPECT_EQ(AllocPMatrix(2, falsch.data()), nullptr);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "# AllocPMatrix() Mem-Fault \n");
}

TEST(Profilspeicher, GrenzeDesArbeitsspeichersWirdEingehalten) {
    std::vector<int> erste(100, 0);
    ArbeitsspeicherGrenzeSetzen(1000);
    testing::internal::CaptureStderr();
    EXPECT_EQ(AllocPMatrix(100, erste.data()), nullptr);
    testing::internal::GetCapturedStderr();
    ArbeitsspeicherGrenzeSetzen(0);
    PMatrix* k = AllocPMatrix(100, erste.data());
    EXPECT_NE(k, nullptr);
    FreePMatrix(k);
}

TEST(Zerlegung, EinMalEinsPositivUndNegativ) {
    Ergebnis pos = Loesen({{4.0}}, {0}, {D}, {0.0}, {8.0});
    EXPECT_EQ(pos.rc, 0);
    EXPECT_DOUBLE_EQ(pos.u[0], 2.0);
    EXPECT_EQ(pos.zustand[0], D);
    Ergebnis neg = Loesen({{-4.0}}, {0}, {D}, {0.0}, {8.0});
    EXPECT_EQ(neg.rc, 0);
    EXPECT_DOUBLE_EQ(neg.u[0], -2.0);
    EXPECT_EQ(neg.zustand[0], STATUS_NEGATIV);
}

TEST(Zerlegung, NurVorgegebeneVerschiebungenGebenReaktionen) {
    Ergebnis e = Loesen({{2, -1}, {-1, 2}}, {0, 0}, {P, P}, {0.1, 0.2}, {1.0, 1.0});
    EXPECT_EQ(e.rc, 0);
    EXPECT_DOUBLE_EQ(e.u[0], 0.1);
    EXPECT_DOUBLE_EQ(e.u[1], 0.2);
    EXPECT_NEAR(e.f[0], 2 * 0.1 - 0.2 - 1.0, 1e-15);
    EXPECT_NEAR(e.f[1], -0.1 + 2 * 0.2 - 1.0, 1e-15);
}

TEST(Zerlegung, GemischtWieDichteLoesung) {
    // 4 x 4 with a gap in the profile; row 1 prescribed.
    const std::vector<std::vector<double>> k{{10, 2, 0, 0}, {2, 8, 1, 0}, {0, 1, 6, -2}, {0, 0, -2, 5}};
    const double u1 = 0.5;
    const std::vector<double> f{1, 99, 2, 3};
    Ergebnis e = Loesen(k, {0, 0, 1, 2}, {D, P, D, D}, {0, u1, 0, 0}, f);
    ASSERT_EQ(e.rc, 0);
    // reduced system of rows 0, 2, 3 with u1 moved to the right-hand side
    const double a[3][3] = {{10, 0, 0}, {0, 6, -2}, {0, -2, 5}};
    const double b[3] = {1 - 2 * u1, 2 - 1 * u1, 3};
    const double u0 = b[0] / a[0][0];
    const double det = 6 * 5 - 4;
    const double u2 = (b[1] * 5 + 2 * b[2]) / det, u3 = (6 * b[2] + 2 * b[1]) / det;
    EXPECT_NEAR(e.u[0], u0, 1e-14);
    EXPECT_NEAR(e.u[1], u1, 0);
    EXPECT_NEAR(e.u[2], u2, 1e-14);
    EXPECT_NEAR(e.u[3], u3, 1e-14);
    EXPECT_NEAR(e.f[1], 2 * u0 + 8 * u1 + 1 * u2 - f[1], 1e-13);
}

TEST(Zerlegung, IndefiniteMatrixZerlegtMitVorzeichen) {
    const std::vector<std::vector<double>> k{{1, 2}, {2, 1}};  // eigenvalues 3 and -1
    Ergebnis e = Loesen(k, {0, 0}, {D, D}, {0, 0}, {3, 3});
    ASSERT_EQ(e.rc, 0);
    EXPECT_EQ(e.zustand[1], STATUS_NEGATIV);
    EXPECT_NEAR(e.u[0], 1.0, 1e-15);
    EXPECT_NEAR(e.u[1], 1.0, 1e-15);
}

TEST(Zerlegung, PivotGleichEpsWirdAngenommenDarunterNicht) {
    // eps = 1e-12 / 2 * (a + b) is exactly 1 for these numbers
    const double a = 2e12 - 1;
    Ergebnis genau = Loesen({{a, 0}, {0, 1.0}}, {0, 1}, {D, D}, {0, 0}, {0, 1});
    EXPECT_EQ(genau.rc, 0);
    Ergebnis negativ = Loesen({{a, 0}, {0, -1.0}}, {0, 1}, {D, D}, {0, 0}, {0, 1});
    EXPECT_EQ(negativ.rc, 0);
    Ergebnis darunter = Loesen({{a, 0}, {0, std::nextafter(1.0, 0.0)}}, {0, 1}, {D, D}, {0, 0}, {0, 1});
    EXPECT_EQ(darunter.rc, -2);
    EXPECT_EQ(darunter.singulaer, 1);
}

TEST(Zerlegung, FreierStabOhneLagerIstKinematisch) {
    // axial bar without supports: singular in the second row
    Ergebnis e = Loesen({{1, -1}, {-1, 1}}, {0, 0}, {D, D}, {0, 0}, {1, 0});
    EXPECT_EQ(e.rc, -2);
    EXPECT_EQ(e.singulaer, 1);
}

TEST(Zerlegung, FortschrittEinmalJeZeile) {
    SammelBericht bericht;
    const int n = 1000;
    std::vector<int> erste(n), zustand(n, D);
    for (int i = 0; i < n; ++i) erste[i] = i;
    PMatrix* k = AllocPMatrix(n, erste.data());
    for (int i = 0; i < n; ++i) (*k)(i, i) = 1.0 + i;
    int singulaer = -1;
    EXPECT_EQ(SystemsteifigkeitZerlegen(n, zustand.data(), erste.data(), k, &singulaer, &bericht), 0);
    FreePMatrix(k);
    ASSERT_EQ(bericht.Werte.size(), static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) EXPECT_DOUBLE_EQ(bericht.Werte[i], i / 1000.0);
}

TEST(Dichtematrix, NullGefuellt) {
    Matrix* m = AllocMatrix(3, 4);
    ASSERT_NE(m, nullptr);
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 4; ++j) EXPECT_EQ((*m)[i][j], 0.0);
    (*m)[2][3] = 7;
    EXPECT_EQ(m->Block[11], 7.0);
    FreeMatrix(m);
}

}  // namespace
