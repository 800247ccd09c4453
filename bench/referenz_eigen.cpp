// referenz-eigen FELDER GESCHOSSE TEILUNGEN: the yardstick for the analysis
// time of velko-rechnen.  It builds the same rectangular frame as
// bench/rahmen.h (bay 5 m, storey 3 m, fixed column bases, rigid joints,
// 10 kN/m on every beam, 5 kN horizontally per storey, every bar divided
// into TEILUNGEN elements), assembles the stiffness of the free degrees of
// freedom with Eigen, factorises it by Eigen's sparse LDL^T with AMD
// ordering and solves for the displacements.  It prints one line
//
//   gleichungen=N frei=F nnz_l=L aufbau_s=A zerlegung_s=Z loesung_s=S summe_s=T
//
// where N counts all degrees of freedom as velko-rechnen reports them
// (supports included), F the equations actually solved, L the entries of
// the factor, and T = A + Z + S in wall time.  The frame generation is not
// timed.  Only the benchmark uses Eigen; the program never links it.

#include <Eigen/OrderingMethods>
#include <Eigen/SparseCholesky>
#include <Eigen/SparseCore>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

using Uhr = std::chrono::steady_clock;
double Seit(Uhr::time_point t) { return std::chrono::duration<double>(Uhr::now() - t).count(); }

constexpr double E = 2.1e8, A = 0.01, IZ = 2e-4;
constexpr double FELDWEITE = 5.0, GESCHOSSHOEHE = 3.0, RIEGELLAST = 10.0, HORIZONTALLAST = 5.0;

struct Stueck {
    double x1, y1, x2, y2;
    int fg[6];     // equation numbers, -1 = fixed
    double q;      // uniform transverse load in global -y (beams)
};

struct Rahmen {
    std::vector<Stueck> stuecke;
    std::vector<double> last;  // nodal loads by equation
    int frei = 0;
    long alle = 0;  // all degrees of freedom, fixed ones included
};

Rahmen RahmenBauen(int felder, int geschosse, int teilungen) {
    Rahmen r;
    const int spalten = felder + 1, ebenen = geschosse + 1;
    // Equation numbers of the joints; the bases are fixed.
    std::vector<int> knotenFg(static_cast<std::size_t>(3 * spalten * ebenen), -1);
    for (int j = 1; j < ebenen; ++j)
        for (int i = 0; i < spalten; ++i)
            for (int k = 0; k < 3; ++k) knotenFg[static_cast<std::size_t>(3 * (j * spalten + i) + k)] = r.frei++;
    r.alle = 3L * spalten * ebenen;
    auto stab = [&](int ia, int ja, int ib, int jb, double q) {
        const double xa = ia * FELDWEITE, ya = ja * GESCHOSSHOEHE;
        const double xb = ib * FELDWEITE, yb = jb * GESCHOSSHOEHE;
        int vorher[3];
        for (int k = 0; k < 3; ++k) vorher[k] = knotenFg[static_cast<std::size_t>(3 * (ja * spalten + ia) + k)];
        for (int s = 0; s < teilungen; ++s) {
            Stueck st;
            const double a = static_cast<double>(s) / teilungen, b = static_cast<double>(s + 1) / teilungen;
            st.x1 = xa + a * (xb - xa);
            st.y1 = ya + a * (yb - ya);
            st.x2 = xa + b * (xb - xa);
            st.y2 = ya + b * (yb - ya);
            st.q = q;
            for (int k = 0; k < 3; ++k) st.fg[k] = vorher[k];
            for (int k = 0; k < 3; ++k) {
                if (s + 1 == teilungen) {
                    st.fg[3 + k] = knotenFg[static_cast<std::size_t>(3 * (jb * spalten + ib) + k)];
                } else {
                    st.fg[3 + k] = r.frei++;
                    r.alle += 1;
                }
                vorher[k] = st.fg[3 + k];
            }
            r.stuecke.push_back(st);
        }
    };
    for (int j = 1; j < ebenen; ++j) {
        for (int i = 0; i < spalten; ++i) stab(i, j - 1, i, j, 0.0);
        for (int i = 1; i < spalten; ++i) stab(i - 1, j, i, j, RIEGELLAST);
    }
    r.last.assign(static_cast<std::size_t>(r.frei), 0.0);
    for (int j = 1; j < ebenen; ++j) r.last[static_cast<std::size_t>(knotenFg[static_cast<std::size_t>(3 * (j * spalten))])] += HORIZONTALLAST;
    return r;
}

// Element stiffness and load vector in global axes.
void Element(const Stueck& st, double ke[6][6], double fe[6]) {
    const double dx = st.x2 - st.x1, dy = st.y2 - st.y1, l = std::sqrt(dx * dx + dy * dy);
    const double c = dx / l, s = dy / l;
    double k[6][6] = {};
    const double ea = E * A / l, b12 = 12 * E * IZ / (l * l * l), b6 = 6 * E * IZ / (l * l);
    const double b4 = 4 * E * IZ / l, b2 = 2 * E * IZ / l;
    k[0][0] = k[3][3] = ea;
    k[0][3] = k[3][0] = -ea;
    k[1][1] = k[4][4] = b12;
    k[1][4] = k[4][1] = -b12;
    k[1][2] = k[2][1] = k[1][5] = k[5][1] = b6;
    k[2][4] = k[4][2] = k[4][5] = k[5][4] = -b6;
    k[2][2] = k[5][5] = b4;
    k[2][5] = k[5][2] = b2;
    double t[6][6] = {};
    for (int n = 0; n < 2; ++n) {
        t[3 * n][3 * n] = c;
        t[3 * n][3 * n + 1] = -s;
        t[3 * n + 1][3 * n] = s;
        t[3 * n + 1][3 * n + 1] = c;
        t[3 * n + 2][3 * n + 2] = 1;
    }
    for (int i = 0; i < 6; ++i)
        for (int j = 0; j < 6; ++j) {
            double summe = 0;
            for (int a = 0; a < 6; ++a)
                for (int b = 0; b < 6; ++b) summe += t[i][a] * k[a][b] * t[j][b];
            ke[i][j] = summe;
        }
    // Uniform load q downwards on a horizontal beam: fixed-end forces.
    const double q = st.q;
    fe[0] = fe[3] = 0;
    fe[1] = fe[4] = -q * l / 2;
    fe[2] = -q * l * l / 12;
    fe[5] = q * l * l / 12;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4 || std::atoi(argv[1]) < 1 || std::atoi(argv[2]) < 1 || std::atoi(argv[3]) < 1) {
        std::fprintf(stderr, "Aufruf: referenz-eigen FELDER GESCHOSSE TEILUNGEN\n");
        return 2;
    }
    const Rahmen r = RahmenBauen(std::atoi(argv[1]), std::atoi(argv[2]), std::atoi(argv[3]));

    auto t = Uhr::now();
    std::vector<Eigen::Triplet<double>> eintraege;
    eintraege.reserve(r.stuecke.size() * 21);
    Eigen::VectorXd f = Eigen::Map<const Eigen::VectorXd>(r.last.data(), r.frei);
    for (const Stueck& st : r.stuecke) {
        double ke[6][6], fe[6];
        Element(st, ke, fe);
        for (int a = 0; a < 6; ++a) {
            if (st.fg[a] < 0) continue;
            f[st.fg[a]] += fe[a];
            for (int b = 0; b < 6; ++b)
                if (st.fg[b] >= 0 && st.fg[a] >= st.fg[b]) eintraege.emplace_back(st.fg[a], st.fg[b], ke[a][b]);
        }
    }
    Eigen::SparseMatrix<double> k(r.frei, r.frei);
    k.setFromTriplets(eintraege.begin(), eintraege.end());
    const double aufbau = Seit(t);

    t = Uhr::now();
    Eigen::SimplicialLDLT<Eigen::SparseMatrix<double>, Eigen::Lower, Eigen::AMDOrdering<int>> ldlt;
    ldlt.compute(k);
    const double zerlegung = Seit(t);
    if (ldlt.info() != Eigen::Success) {
        std::fprintf(stderr, "referenz-eigen: Zerlegung gescheitert\n");
        return 1;
    }

    t = Uhr::now();
    const Eigen::VectorXd u = ldlt.solve(f);
    const double loesung = Seit(t);
    // A wrong solve must not pass for a fast one.
    const double rest = (k.selfadjointView<Eigen::Lower>() * u - f).norm() / f.norm();
    if (!(rest < 1e-8)) {
        std::fprintf(stderr, "referenz-eigen: Residuum %g\n", rest);
        return 1;
    }
    std::printf("gleichungen=%ld frei=%d nnz_l=%ld aufbau_s=%.4f zerlegung_s=%.4f loesung_s=%.4f summe_s=%.4f\n",
                r.alle, r.frei, static_cast<long>(ldlt.matrixL().nestedExpression().nonZeros()), aufbau,
                zerlegung, loesung, aufbau + zerlegung + loesung);
    return 0;
}
