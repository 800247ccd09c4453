#include "analysis/theorie2/stabelement.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

// sqrt(|N|/EI) * h stays at most this on every piece: the series terms then
// never exceed the sum, so nothing cancels.
constexpr double MAX_KH = 1.0;
// Beyond this many pieces an element is so far past any buckling load, or
// so slender in tension, that longer pieces are taken; up to k h = 10 their
// series still sum to some 1e-9.
constexpr int MAX_STUECKE = 4096;
constexpr double MAX_KH_NOTFALL = 10.0;

using M2 = double[2][2];

bool Invertieren(const M2 a, M2 inv) {
    const double det = a[0][0] * a[1][1] - a[0][1] * a[1][0];
    inv[0][0] = a[1][1] / det;
    inv[0][1] = -a[0][1] / det;
    inv[1][0] = -a[1][0] / det;
    inv[1][1] = a[0][0] / det;
    return det != 0.0;
}

void Mal(const M2 a, const M2 b, M2 c) {
    for (int i = 0; i < 2; ++i)
        for (int j = 0; j < 2; ++j) c[i][j] = a[i][0] * b[0][j] + a[i][1] * b[1][j];
}

// Negative eigenvalues of a symmetric 2x2 matrix.
int NegativeEigenwerte(double a, double b, double c) {
    const double det = a * c - b * b;
    if (det < 0.0) return 1;
    if (det > 0.0) return a + c < 0.0 ? 2 : 0;
    return a + c < 0.0 ? 1 : 0;
}

// The exact stiffness of one piece from its transfer y(h) = T y(0) + p,
// y = (d, f) with d = (v, phi) and f = (M, V).  The forces on the piece are
// (V_0, -M_0) at its start and (-V_h, M_h) at its end.
void StueckSteifigkeit(const double t[4][4], const double p[4], double a[2][2], double binv[2][2], double pd[2],
                       double k[4][4], double r[4]) {
    double b[2][2], c[2][2], d[2][2];
    for (int i = 0; i < 2; ++i)
        for (int j = 0; j < 2; ++j) {
            a[i][j] = t[i][j];
            b[i][j] = t[i][j + 2];
            c[i][j] = t[i + 2][j];
            d[i][j] = t[i + 2][j + 2];
        }
    pd[0] = p[0];
    pd[1] = p[1];
    Invertieren(b, binv);
    // f_0 = Binv (d_h - A d_0 - pd);  f_h = C d_0 + D f_0 + pf
    double binvA[2][2], dBinv[2][2], dBinvA[2][2];
    Mal(binv, a, binvA);
    Mal(d, binv, dBinv);
    Mal(dBinv, a, dBinvA);
    const double binvPd[2] = {binv[0][0] * pd[0] + binv[0][1] * pd[1], binv[1][0] * pd[0] + binv[1][1] * pd[1]};
    const double dBinvPd[2] = {dBinv[0][0] * pd[0] + dBinv[0][1] * pd[1], dBinv[1][0] * pd[0] + dBinv[1][1] * pd[1]};
    for (int j = 0; j < 2; ++j) {
        // start: (V_0, -M_0) = rows (1, -0) of f_0
        k[0][j] = -binvA[1][j];
        k[1][j] = binvA[0][j];
        k[0][j + 2] = binv[1][j];
        k[1][j + 2] = -binv[0][j];
        // end: (-V_h, M_h) = rows (-1, 0) of f_h
        k[2][j] = -(c[1][j] - dBinvA[1][j]);
        k[3][j] = c[0][j] - dBinvA[0][j];
        k[2][j + 2] = -dBinv[1][j];
        k[3][j + 2] = dBinv[0][j];
    }
    r[0] = -binvPd[1];
    r[1] = binvPd[0];
    r[2] = -(p[3] - dBinvPd[1]);
    r[3] = p[2] - dBinvPd[0];
}

// Bending slots of the local 6-vector.
constexpr int BIEGUNG[4] = {1, 2, 4, 5};

}  // namespace

double Normalkraftverlauf::Betragsmaximum(double laenge) const {
    double m = std::max(std::fabs(An(0.0)), std::fabs(An(laenge)));
    if (N2 != 0.0) {
        const double scheitel = -N1 / (2.0 * N2);
        if (scheitel > 0.0 && scheitel < laenge) m = std::max(m, std::fabs(An(scheitel)));
    }
    return m;
}

Normalkraftverlauf NormalkraftAusLasten(double anfangskraft, double nAnfang, double nEnde, double laenge) {
    return {anfangskraft, -nAnfang, -(nEnde - nAnfang) / (2.0 * laenge)};
}

StabelementII::StabelementII(const StabdatenII& daten) : d_(daten) {
    const double L = d_.Laenge;
    const double kl = L * std::sqrt(d_.N.Betragsmaximum(L) / std::fabs(d_.EI));
    int m = 1;
    if (std::isfinite(kl) && kl > MAX_KH) m = static_cast<int>(std::min<double>(std::ceil(kl / MAX_KH), MAX_STUECKE));
    zuverlaessig_ = std::isfinite(kl) && kl <= MAX_KH_NOTFALL * MAX_STUECKE;
    const double h = L / m;
    const double qSteigung = (d_.qEnde - d_.qAnfang) / L;
    stuecke_.resize(static_cast<std::size_t>(m));
    for (int j = 0; j < m; ++j) {
        // the polynomials of the element moved to the start of the piece
        const double x = j * h;
        Teilstueck& t = stuecke_[static_cast<std::size_t>(j)];
        t.h = h;
        t.EI = d_.EI;
        t.N0 = d_.N.An(x);
        t.N1 = d_.N.N1 + 2.0 * d_.N.N2 * x;
        t.N2 = d_.N.N2;
        t.q0 = d_.qAnfang + qSteigung * x;
        t.q1 = qSteigung;
        t.Kruemmung = d_.Kruemmung;
    }
    Verdichten();
}

// Joins the pieces one after another and eliminates each inner node as soon
// as the next piece is attached: a block elimination of the inner nodes, so
// the negative eigenvalues of the blocks add up to those of the clamped
// element (Sylvester's law of inertia).
void StabelementII::Verdichten() {
    const int m = Teilstueckzahl();
    matrizen_.resize(static_cast<std::size_t>(m));
    rueckgabe_.assign(static_cast<std::size_t>(m - 1), Rueckgabe{});
    eingespannt_ = 0;
    double kc[4][4], rc[4];  // the chain from node 0 to node j
    for (int j = 0; j < m; ++j) {
        double t[4][4], p[4], ks[4][4], rs[4];
        Uebertragung(stuecke_[static_cast<std::size_t>(j)], t, p);
        Stueck& st = matrizen_[static_cast<std::size_t>(j)];
        StueckSteifigkeit(t, p, st.A, st.Binv, st.pd, ks, rs);
        if (j == 0) {
            std::copy(&ks[0][0], &ks[0][0] + 16, &kc[0][0]);
            std::copy(rs, rs + 4, rc);
            continue;
        }
        // G over (d_0, d_j, d_{j+1}); the inner node j has no load of its own.
        double g[6][6] = {}, r[6];
        for (int a = 0; a < 2; ++a) {
            for (int b = 0; b < 2; ++b) {
                g[a][b] = kc[a][b];
                g[a][b + 2] = kc[a][b + 2];
                g[a + 2][b] = kc[a + 2][b];
                g[a + 2][b + 2] = kc[a + 2][b + 2] + ks[a][b];
                g[a + 2][b + 4] = ks[a][b + 2];
                g[a + 4][b + 2] = ks[a + 2][b];
                g[a + 4][b + 4] = ks[a + 2][b + 2];
            }
            r[a] = rc[a];
            r[a + 2] = rc[a + 2] + rs[a];
            r[a + 4] = rs[a + 2];
        }
        const double gjj[2][2] = {{g[2][2], g[2][3]}, {g[3][2], g[3][3]}};
        eingespannt_ += NegativeEigenwerte(gjj[0][0], 0.5 * (gjj[0][1] + gjj[1][0]), gjj[1][1]);
        double ginv[2][2];
        Invertieren(gjj, ginv);
        Rueckgabe& rg = rueckgabe_[static_cast<std::size_t>(j - 1)];
        constexpr int aussen[4] = {0, 1, 4, 5};
        for (int a = 0; a < 2; ++a) {
            for (int b = 0; b < 4; ++b)
                rg.H[a][b] = -(ginv[a][0] * g[2][aussen[b]] + ginv[a][1] * g[3][aussen[b]]);
            rg.h[a] = -(ginv[a][0] * r[2] + ginv[a][1] * r[3]);
        }
        for (int a = 0; a < 4; ++a) {
            for (int b = 0; b < 4; ++b)
                kc[a][b] = g[aussen[a]][aussen[b]] + g[aussen[a]][2] * rg.H[0][b] + g[aussen[a]][3] * rg.H[1][b];
            rc[a] = r[aussen[a]] + g[aussen[a]][2] * rg.h[0] + g[aussen[a]][3] * rg.h[1];
        }
    }
    for (int a = 0; a < 4; ++a) {
        r4_[a] = rc[a];
        for (int b = 0; b < 4; ++b) k4_[a][b] = 0.5 * (kc[a][b] + kc[b][a]);
    }
}

void StabelementII::Steifigkeit(double k[6][6]) const {
    for (int i = 0; i < 6; ++i)
        for (int j = 0; j < 6; ++j) k[i][j] = 0.0;
    const double ea = d_.EA / d_.Laenge;
    k[0][0] = k[3][3] = ea;
    k[0][3] = k[3][0] = -ea;
    for (int a = 0; a < 4; ++a)
        for (int b = 0; b < 4; ++b) k[BIEGUNG[a]][BIEGUNG[b]] = k4_[a][b];
}

void StabelementII::Ersatzlasten(double f[6]) const {
    const double L = d_.Laenge, ea = d_.EA * d_.Dehnung;
    f[0] = (d_.nAnfang / 3 + d_.nEnde / 6) * L - ea;
    f[3] = (d_.nAnfang / 6 + d_.nEnde / 3) * L + ea;
    for (int a = 0; a < 4; ++a) f[BIEGUNG[a]] = -r4_[a];
}

void StabelementII::Endkraefte(const double l[6], double s[6]) const {
    double k[6][6], f[6];
    Steifigkeit(k);
    Ersatzlasten(f);
    for (int i = 0; i < 6; ++i) {
        double summe = 0.0;
        for (int j = 0; j < 6; ++j) summe += k[i][j] * l[j];
        s[i] = summe - f[i];
    }
}

void StabelementII::Schnittkraefte(const double l[6], double schnitt[6]) const {
    double s[6];
    Endkraefte(l, s);
    schnitt[0] = -s[0];
    schnitt[1] = s[1] + d_.N.An(0.0) * l[2];
    schnitt[2] = -s[2];
    schnitt[3] = s[3];
    schnitt[4] = -s[4] + d_.N.An(d_.Laenge) * l[5];
    schnitt[5] = s[5];
}

std::vector<std::array<double, 2>> StabelementII::Knotenverschiebungen(const double l[6]) const {
    const int m = Teilstueckzahl();
    std::vector<std::array<double, 2>> d(static_cast<std::size_t>(m) + 1);
    d[0] = {l[1], l[2]};
    d[static_cast<std::size_t>(m)] = {l[4], l[5]};
    for (int j = m - 1; j >= 1; --j) {
        const Rueckgabe& rg = rueckgabe_[static_cast<std::size_t>(j - 1)];
        const double aussen[4] = {d[0][0], d[0][1], d[static_cast<std::size_t>(j) + 1][0],
                                  d[static_cast<std::size_t>(j) + 1][1]};
        for (int a = 0; a < 2; ++a) {
            double summe = rg.h[a];
            for (int b = 0; b < 4; ++b) summe += rg.H[a][b] * aussen[b];
            d[static_cast<std::size_t>(j)][static_cast<std::size_t>(a)] = summe;
        }
    }
    return d;
}

Stabverlauf StabelementII::Verlauf(const double l[6]) const {
    Stabverlauf v;
    v.laenge_ = d_.Laenge;
    v.stueckLaenge_ = stuecke_.front().h;
    v.stuecke_ = stuecke_;
    const auto d = Knotenverschiebungen(l);
    v.anfang_.resize(stuecke_.size());
    for (std::size_t j = 0; j < stuecke_.size(); ++j) {
        const Stueck& st = matrizen_[j];
        double rest[2];
        for (int a = 0; a < 2; ++a)
            rest[a] = d[j + 1][static_cast<std::size_t>(a)] - st.A[a][0] * d[j][0] - st.A[a][1] * d[j][1] - st.pd[a];
        v.anfang_[j] = {d[j][0], d[j][1], st.Binv[0][0] * rest[0] + st.Binv[0][1] * rest[1],
                        st.Binv[1][0] * rest[0] + st.Binv[1][1] * rest[1]};
    }
    double s[6];
    Endkraefte(l, s);
    v.NA_ = -s[0];
    v.nA_ = d_.nAnfang;
    v.nE_ = d_.nEnde;
    v.EA_ = d_.EA;
    v.dehnung_ = d_.Dehnung;
    v.uA_ = l[0];
    return v;
}
