#include "theorie2_gegenrechnung.h"

#include <algorithm>
#include <cmath>

namespace gegenrechnung {

namespace {

using Z = std::array<double, 6>;  // u, N, v, phi, M, V along the piece
enum { ZU = 0, ZN, ZV, ZPHI, ZM, ZVQ };
constexpr int D_[3] = {ZU, ZV, ZPHI};   // displacements
constexpr int F_[3] = {ZN, ZM, ZVQ};    // forces

// The axial force that bends a piece: N0 at its start, then minus the axial
// load, scaled by lambda for the buckling search.
struct Biegekraft {
    double N0 = 0.0, N1 = 0.0, N2 = 0.0;
    double An(double x) const { return N0 + N1 * x + N2 * x * x; }
};

struct Stueckrechnung {
    const Loesung::Stueck& p;
    Biegekraft nb;

    double q(double x) const { return p.qA + (p.qB - p.qA) * x / p.laenge; }
    double n(double x) const { return p.nA + (p.nB - p.nA) * x / p.laenge; }

    Z Ableitung(double x, const Z& z, bool lasten) const {
        return {z[ZN] / p.EA, lasten ? -n(x) : 0.0, z[ZPHI], z[ZM] / p.EI, z[ZVQ] + nb.An(x) * z[ZPHI],
                lasten ? q(x) : 0.0};
    }

    int Schritte(double x) const {
        const double nmax =
            std::max({std::fabs(nb.An(0)), std::fabs(nb.An(p.laenge)), std::fabs(nb.An(0.5 * p.laenge))});
        const double kl = x * std::sqrt(nmax / p.EI);
        return static_cast<int>(std::clamp(std::ceil(kl / 0.004), 400.0, 200000.0));
    }

    // Classical Runge-Kutta from 0 to x.
    Z Integrieren(Z z, double x, bool lasten) const {
        const int schritte = Schritte(x);
        const double h = x / schritte;
        for (int i = 0; i < schritte; ++i) {
            const double a = i * h;
            auto plus = [](const Z& y, const Z& k, double f) {
                Z r;
                for (int j = 0; j < 6; ++j) r[j] = y[j] + f * k[j];
                return r;
            };
            const Z k1 = Ableitung(a, z, lasten);
            const Z k2 = Ableitung(a + h / 2, plus(z, k1, h / 2), lasten);
            const Z k3 = Ableitung(a + h / 2, plus(z, k2, h / 2), lasten);
            const Z k4 = Ableitung(a + h, plus(z, k3, h), lasten);
            for (int j = 0; j < 6; ++j) z[j] += h / 6 * (k1[j] + 2 * k2[j] + 2 * k3[j] + k4[j]);
        }
        return z;
    }
};

// Solves a x = b (n x n) by Gaussian elimination with partial pivoting;
// false when a pivot vanishes.
bool Gauss(std::vector<std::vector<double>> a, std::vector<double>& b) {
    const std::size_t n = b.size();
    for (std::size_t k = 0; k < n; ++k) {
        std::size_t p = k;
        for (std::size_t i = k + 1; i < n; ++i)
            if (std::fabs(a[i][k]) > std::fabs(a[p][k])) p = i;
        if (a[p][k] == 0.0) return false;
        std::swap(a[k], a[p]);
        std::swap(b[k], b[p]);
        for (std::size_t i = k + 1; i < n; ++i) {
            const double m = a[i][k] / a[k][k];
            for (std::size_t j = k; j < n; ++j) a[i][j] -= m * a[k][j];
            b[i] -= m * b[k];
        }
    }
    for (std::size_t k = n; k-- > 0;) {
        for (std::size_t j = k + 1; j < n; ++j) b[k] -= a[k][j] * b[j];
        b[k] /= a[k][k];
    }
    return true;
}

// Transfer of a piece: z(L) = T z(0) + p.
struct Transfer {
    double T[6][6];
    Z p;
    double B[3][3], Binv[3][3];

    explicit Transfer(const Stueckrechnung& r) {
        for (int j = 0; j < 6; ++j) {
            Z e{};
            e[j] = 1.0;
            const Z z = r.Integrieren(e, r.p.laenge, false);
            for (int i = 0; i < 6; ++i) T[i][j] = z[i];
        }
        p = r.Integrieren(Z{}, r.p.laenge, true);
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 3; ++j) B[i][j] = T[D_[i]][F_[j]];
        for (int j = 0; j < 3; ++j) {
            std::vector<double> e(3, 0.0);
            e[j] = 1.0;
            std::vector<std::vector<double>> b(3, std::vector<double>(3));
            for (int i = 0; i < 3; ++i)
                for (int k = 0; k < 3; ++k) b[i][k] = B[i][k];
            Gauss(b, e);
            for (int i = 0; i < 3; ++i) Binv[i][j] = e[i];
        }
    }

    // The bending part of B: singular at a clamped buckling load of the piece.
    double BiegeDeterminante() const { return B[1][1] * B[2][2] - B[1][2] * B[2][1]; }

    // The forces at the start (N, M, V) from the local end displacements.
    std::array<double, 3> Anfangskraefte(const double l[6]) const {
        double rest[3];
        for (int i = 0; i < 3; ++i) {
            rest[i] = l[3 + i] - p[D_[i]];
            for (int j = 0; j < 3; ++j) rest[i] -= T[D_[i]][D_[j]] * l[j];
        }
        std::array<double, 3> f{};
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 3; ++j) f[i] += Binv[i][j] * rest[j];
        return f;
    }

    // Forces of the nodes on the piece, local slot order.
    std::array<double, 6> Endkraefte(const double l[6]) const {
        const auto f0 = Anfangskraefte(l);
        Z z0{};
        for (int i = 0; i < 3; ++i) {
            z0[D_[i]] = l[i];
            z0[F_[i]] = f0[i];
        }
        Z zh = p;
        for (int i = 0; i < 6; ++i)
            for (int j = 0; j < 6; ++j) zh[i] += T[i][j] * z0[j];
        return {-z0[ZN], z0[ZVQ], -z0[ZM], zh[ZN], -zh[ZVQ], zh[ZM]};
    }
};

struct Modell {
    std::vector<Loesung::Stueck> stuecke;
    std::vector<Biegekraft> biegung;  // per piece
    int n = 0;                        // degrees of freedom
    std::vector<bool> fest;
    std::vector<double> wert, feder, last;
};

Modell Aufbauen(const Rahmen& r) {
    Modell m;
    const int knoten = static_cast<int>(r.knoten.size());
    m.n = 3 * knoten;
    auto neu = [&m]() { return m.n++; };
    for (int s = 0; s < static_cast<int>(r.staebe.size()); ++s) {
        const Stab& st = r.staebe[s];
        const Knoten& a = r.knoten[st.a];
        const Knoten& b = r.knoten[st.b];
        std::vector<double> schnitte{0.0, 1.0};
        for (const Einzellast& e : r.einzellasten)
            if (e.stab == s) schnitte.push_back(e.t);
        for (const Streckenlast& e : r.streckenlasten)
            if (e.stab == s) {
                schnitte.push_back(e.ta);
                schnitte.push_back(e.tb);
            }
        std::sort(schnitte.begin(), schnitte.end());
        schnitte.erase(std::unique(schnitte.begin(), schnitte.end(),
                                   [](double x, double y) { return std::fabs(x - y) < 1e-12; }),
                       schnitte.end());
        const double dx = b.x - a.x, dy = b.y - a.y, L = std::hypot(dx, dy);
        std::array<int, 3> vorne = {3 * st.a, 3 * st.a + 1, st.gelenkA ? neu() : 3 * st.a + 2};
        const std::array<int, 3> hinten = {3 * st.b, 3 * st.b + 1, st.gelenkB ? neu() : 3 * st.b + 2};
        for (std::size_t i = 0; i + 1 < schnitte.size(); ++i) {
            Loesung::Stueck p;
            p.stab = s;
            p.t0 = schnitte[i];
            p.t1 = schnitte[i + 1];
            p.laenge = (p.t1 - p.t0) * L;
            p.c = dx / L;
            p.s = dy / L;
            p.EA = st.EA;
            p.EI = st.EI;
            const bool letztes = i + 2 == schnitte.size();
            const std::array<int, 3> ende = letztes ? hinten : std::array<int, 3>{neu(), neu(), neu()};
            p.fg = {vorne[0], vorne[1], vorne[2], ende[0], ende[1], ende[2]};
            for (const Streckenlast& e : r.streckenlasten) {
                if (e.stab != s || p.t1 <= e.ta + 1e-12 || p.t0 >= e.tb - 1e-12) continue;
                const double fa = (p.t0 - e.ta) / (e.tb - e.ta), fe = (p.t1 - e.ta) / (e.tb - e.ta);
                p.qA += (1 - fa) * e.qA + fa * e.qB;
                p.qB += (1 - fe) * e.qA + fe * e.qB;
                p.nA += (1 - fa) * e.nA + fa * e.nB;
                p.nB += (1 - fe) * e.nA + fe * e.nB;
            }
            m.stuecke.push_back(p);
            vorne = ende;
        }
    }
    m.biegung.assign(m.stuecke.size(), Biegekraft{});
    m.fest.assign(static_cast<std::size_t>(m.n), false);
    m.wert.assign(static_cast<std::size_t>(m.n), 0.0);
    m.feder.assign(static_cast<std::size_t>(m.n), 0.0);
    m.last.assign(static_cast<std::size_t>(m.n), 0.0);
    for (int k = 0; k < knoten; ++k)
        for (int d = 0; d < 3; ++d) {
            const Knoten& kn = r.knoten[k];
            const std::size_t i = static_cast<std::size_t>(3 * k + d);
            m.fest[i] = kn.fest[d];
            m.wert[i] = kn.wert[d];
            m.feder[i] = kn.feder[d];
            m.last[i] = kn.last[d];
        }
    for (const Einzellast& e : r.einzellasten) {
        // onto the degrees of freedom of the cut at t (first piece that has it)
        for (const Loesung::Stueck& p : m.stuecke) {
            if (p.stab != e.stab) continue;
            int basis = -1;
            if (std::fabs(p.t0 - e.t) < 1e-12) basis = 0;
            else if (std::fabs(p.t1 - e.t) < 1e-12) basis = 3;
            if (basis < 0) continue;
            m.last[p.fg[basis]] += e.Fx;
            m.last[p.fg[basis + 1]] += e.Fy;
            m.last[p.fg[basis + 2]] += e.M;
            break;
        }
    }
    return m;
}

void Lokal(const Loesung::Stueck& p, const std::vector<double>& u, double l[6]) {
    for (int e = 0; e < 2; ++e) {
        const double gx = u[p.fg[3 * e]];
        const double gy = u[p.fg[3 * e + 1]];
        l[3 * e] = p.c * gx + p.s * gy;
        l[3 * e + 1] = -p.s * gx + p.c * gy;
        l[3 * e + 2] = u[p.fg[3 * e + 2]];
    }
}

// Global stiffness (springs included) and the forces of the clamped pieces.
void Steifigkeit(const Modell& m, const std::vector<Transfer>& tr, std::vector<std::vector<double>>& k,
                 std::vector<double>& r0) {
    const std::size_t n = static_cast<std::size_t>(m.n);
    k.assign(n, std::vector<double>(n, 0.0));
    r0.assign(n, 0.0);
    for (std::size_t i = 0; i < n; ++i) k[i][i] += m.feder[i];
    for (std::size_t e = 0; e < m.stuecke.size(); ++e) {
        const Loesung::Stueck& p = m.stuecke[e];
        // global -> local for one end: rows of the rotation
        double t[6][6] = {};
        for (int b = 0; b < 2; ++b) {
            t[3 * b][3 * b] = p.c;
            t[3 * b][3 * b + 1] = p.s;
            t[3 * b + 1][3 * b] = -p.s;
            t[3 * b + 1][3 * b + 1] = p.c;
            t[3 * b + 2][3 * b + 2] = 1.0;
        }
        const double null[6] = {};
        const auto s0 = tr[e].Endkraefte(null);
        double kl[6][6];
        for (int j = 0; j < 6; ++j) {
            double d[6] = {};
            d[j] = 1.0;
            const auto s = tr[e].Endkraefte(d);
            for (int i = 0; i < 6; ++i) kl[i][j] = s[i] - s0[i];
        }
        for (int a = 0; a < 6; ++a) {
            const std::size_t ia = static_cast<std::size_t>(p.fg[a]);
            for (int i = 0; i < 6; ++i) r0[ia] += t[i][a] * s0[i];
            for (int b = 0; b < 6; ++b) {
                double summe = 0.0;
                for (int i = 0; i < 6; ++i)
                    for (int j = 0; j < 6; ++j) summe += t[i][a] * kl[i][j] * t[j][b];
                k[ia][p.fg[b]] += summe;
            }
        }
    }
}

std::vector<Transfer> Transfers(const Modell& m) {
    std::vector<Transfer> tr;
    for (std::size_t e = 0; e < m.stuecke.size(); ++e) tr.emplace_back(Stueckrechnung{m.stuecke[e], m.biegung[e]});
    return tr;
}

// One linear solve with the bending forces in m; the displacements or empty.
std::vector<double> Loesen(const Modell& m, const std::vector<Transfer>& tr, std::vector<std::vector<double>>& k,
                           std::vector<double>& r0) {
    Steifigkeit(m, tr, k, r0);
    std::vector<std::size_t> frei;
    for (std::size_t i = 0; i < static_cast<std::size_t>(m.n); ++i)
        if (!m.fest[i]) frei.push_back(i);
    std::vector<std::vector<double>> a(frei.size(), std::vector<double>(frei.size()));
    std::vector<double> b(frei.size());
    for (std::size_t i = 0; i < frei.size(); ++i) {
        b[i] = m.last[frei[i]] - r0[frei[i]];
        for (std::size_t j = 0; j < static_cast<std::size_t>(m.n); ++j)
            if (m.fest[j]) b[i] -= k[frei[i]][j] * m.wert[j];
        for (std::size_t j = 0; j < frei.size(); ++j) a[i][j] = k[frei[i]][frei[j]];
    }
    if (!Gauss(a, b)) return {};
    std::vector<double> u = m.wert;
    for (std::size_t i = 0; i < frei.size(); ++i) u[frei[i]] = b[i];
    return u;
}

Biegekraft AusAnfangskraft(const Loesung::Stueck& p, double na) {
    return {na, -p.nA, -(p.nB - p.nA) / (2.0 * p.laenge)};
}

double Betragsmaximum(const Biegekraft& b, double L) {
    double m = std::max(std::fabs(b.An(0)), std::fabs(b.An(L)));
    if (b.N2 != 0.0) {
        const double x = -b.N1 / (2 * b.N2);
        if (x > 0 && x < L) m = std::max(m, std::fabs(b.An(x)));
    }
    return m;
}

double Minimum(const Biegekraft& b, double L) {
    double m = std::min(b.An(0), b.An(L));
    if (b.N2 != 0.0) {
        const double x = -b.N1 / (2 * b.N2);
        if (x > 0 && x < L) m = std::min(m, b.An(x));
    }
    return m;
}

}  // namespace

double Loesung::Wert(int s, double t, int groesse) const {
    for (const Stueck& p : stuecke) {
        if (p.stab != s || t < p.t0 - 1e-12 || t > p.t1 + 1e-12) continue;
        const Biegekraft nb = AusAnfangskraft(p, p.N0);
        const Stueckrechnung r{p, nb};
        const double x = std::clamp((t - p.t0) / (p.t1 - p.t0), 0.0, 1.0) * p.laenge;
        const Z z = r.Integrieren(p.anfang, x, true);
        switch (groesse) {
        case 0: return z[ZN];
        case 1: return z[ZM];
        case 2: return z[ZVQ] + nb.An(x) * z[ZPHI];
        case 3: return -z[ZV];
        default: return z[ZU];
        }
    }
    return 0.0;
}

Loesung Rechnen(const Rahmen& rahmen, bool zweiteOrdnung) {
    Modell m = Aufbauen(rahmen);
    Loesung l;
    std::vector<std::vector<double>> k;
    std::vector<double> r0, u;
    double kleinste = INFINITY;
    int seitKleinster = 0;
    for (int iteration = 1; iteration <= 500; ++iteration) {
        const std::vector<Transfer> tr = Transfers(m);
        u = Loesen(m, tr, k, r0);
        if (u.empty()) return l;
        l.Iterationen = iteration;
        double aenderung = 0.0, groesste = 0.0;
        for (std::size_t e = 0; e < m.stuecke.size(); ++e) {
            Loesung::Stueck& p = m.stuecke[e];
            double lok[6];
            Lokal(p, u, lok);
            const auto f0 = tr[e].Anfangskraefte(lok);
            p.anfang = {lok[0], f0[0], lok[1], lok[2], f0[1], f0[2]};
            aenderung = std::max(aenderung, std::fabs(f0[0] - m.biegung[e].N0));
            groesste = std::max(groesste, std::fabs(f0[0]));
            p.N0 = zweiteOrdnung ? m.biegung[e].N0 : 0.0;
            if (zweiteOrdnung) m.biegung[e] = AusAnfangskraft(p, f0[0]);
        }
        // Frames with axial forces of some thousand kN settle at a few 1e-12
        // of them, some at 1e-10: the integration and the dense elimination
        // go no further.  Five steps without a new smallest change below
        // 1e-9 end the iteration too.
        if (aenderung < kleinste) {
            kleinste = aenderung;
            seitKleinster = 0;
        } else {
            ++seitKleinster;
        }
        const bool stillstand = seitKleinster >= 5 && aenderung <= 1e-9 * (groesste + 1.0);
        if (!zweiteOrdnung || (iteration > 1 && (aenderung <= 1e-11 * (groesste + 1.0) || stillstand))) {
            l.Gueltig = true;
            break;
        }
    }
    if (!l.Gueltig) return l;
    l.stuecke = m.stuecke;
    const std::size_t knoten = rahmen.knoten.size();
    l.Verschiebung.resize(knoten);
    l.Reaktion.resize(knoten);
    for (std::size_t kn = 0; kn < knoten; ++kn)
        for (std::size_t d = 0; d < 3; ++d) {
            const std::size_t i = 3 * kn + d;
            l.Verschiebung[kn][d] = u[i];
            double summe = r0[i] - m.last[i];
            for (std::size_t j = 0; j < u.size(); ++j) summe += k[i][j] * u[j];
            l.Reaktion[kn][d] = summe;
        }
    return l;
}

double Verzweigungsfaktor(const Rahmen& rahmen) {
    const Loesung erste = Rechnen(rahmen, false);
    if (!erste.Gueltig) return 0.0;
    Modell m = Aufbauen(rahmen);
    std::vector<Biegekraft> nI;
    double c = 0.0;  // k L of the piece that bends most, at lambda = 1
    bool druck = false;
    for (std::size_t e = 0; e < m.stuecke.size(); ++e) {
        const Loesung::Stueck& p = m.stuecke[e];
        nI.push_back(AusAnfangskraft(p, erste.stuecke[e].anfang[ZN]));
        const double nmax = Betragsmaximum(nI.back(), p.laenge);
        c = std::max(c, p.laenge * std::sqrt(nmax / p.EI));
        druck = druck || Minimum(nI.back(), p.laenge) < -1e-12 * (nmax + 1.0);
    }
    if (!druck) return 0.0;
    std::vector<double> vorzeichen;  // of each piece's bending determinant without load
    auto stabil = [&](double lambda) {
        for (std::size_t e = 0; e < m.stuecke.size(); ++e)
            m.biegung[e] = {lambda * nI[e].N0, lambda * nI[e].N1, lambda * nI[e].N2};
        const std::vector<Transfer> tr = Transfers(m);
        if (vorzeichen.empty())
            for (const Transfer& t : tr) vorzeichen.push_back(t.BiegeDeterminante() < 0 ? -1.0 : 1.0);
        for (std::size_t e = 0; e < tr.size(); ++e)
            if (tr[e].BiegeDeterminante() * vorzeichen[e] <= 0.0) return false;
        std::vector<std::vector<double>> k;
        std::vector<double> r0;
        Steifigkeit(m, tr, k, r0);
        // Cholesky of the free part: positive definite or not
        std::vector<std::size_t> frei;
        for (std::size_t i = 0; i < static_cast<std::size_t>(m.n); ++i)
            if (!m.fest[i]) frei.push_back(i);
        const std::size_t n = frei.size();
        std::vector<std::vector<double>> a(n, std::vector<double>(n));
        for (std::size_t i = 0; i < n; ++i)
            for (std::size_t j = 0; j < n; ++j) a[i][j] = k[frei[i]][frei[j]];
        for (std::size_t j = 0; j < n; ++j) {
            double d = a[j][j];
            for (std::size_t q = 0; q < j; ++q) d -= a[j][q] * a[j][q];
            if (!(d > 0.0)) return false;
            a[j][j] = std::sqrt(d);
            for (std::size_t i = j + 1; i < n; ++i) {
                double s = a[i][j];
                for (std::size_t q = 0; q < j; ++q) s -= a[i][q] * a[j][q];
                a[i][j] = s / a[j][j];
            }
        }
        return true;
    };
    stabil(0.0);
    // scan in steps of 0.05 in k L of the most bent piece, then bisect
    double unten = 0.0, oben = 0.0;
    for (int i = 1;; ++i) {
        const double w = 0.05 * i / c;
        if (w * c > 100.0) return 0.0;
        if (!stabil(w * w)) {
            oben = w * w;
            break;
        }
        unten = w * w;
    }
    while (oben - unten > 1e-13 * oben) {
        const double mitte = 0.5 * (unten + oben);
        (stabil(mitte) ? unten : oben) = mitte;
    }
    return 0.5 * (unten + oben);
}

}  // namespace gegenrechnung
