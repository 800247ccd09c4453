// Cross-check against an independent dense solution: random structures with
// hinges, springs, turned supports, settlements and every kind of load are
// computed by the program; the same model is then assembled densely here,
// straight from the element formulas, and solved by Gaussian elimination.
#include <cmath>
#include <random>
#include <unordered_map>
#include <vector>

#include "aufbau.h"
#include "core/programm.h"

namespace {

constexpr double PI = 3.14159265358979323846;

class Gegenprobe : public Analyse {
protected:
    void ZufallsSystem(unsigned saat) {
        std::mt19937 zufall(saat);
        std::uniform_real_distribution<double> eins(0.0, 1.0);
        // a chain of bars zig-zagging over a few supports, with branches
        std::vector<Punkt*> punkte;
        for (int i = 0; i < 6; ++i) punkte.push_back(P(3.0 * i, (i % 2) * (1.0 + eins(zufall))));
        std::vector<Stab*> staebe;
        Stab* vorher = nullptr;
        for (int i = 0; i + 1 < 6; ++i) {
            std::array<Freiheitsgrad*, 6> gemeinsam{};
            if (vorher) {
                gemeinsam = {vorher->Freiheitsgrade[3], vorher->Freiheitsgrade[4], nullptr};
                if (eins(zufall) < 0.7) gemeinsam[2] = vorher->Freiheitsgrade[5];  // else a hinge
            }
            vorher = StabZwischen(punkte[i], punkte[i + 1], gemeinsam);
            staebe.push_back(vorher);
        }
        // a column under the third point, rigidly joined
        Stab* stuetze = StabZwischen(P(6.0, -4.0), punkte[2],
                                     {nullptr, nullptr, nullptr, staebe[2]->Freiheitsgrade[0],
                                      staebe[2]->Freiheitsgrade[1], staebe[2]->Freiheitsgrade[2]});
        for (int r = 0; r < 3; ++r) Festhalten(stuetze->Freiheitsgrade[r]);
        // supports: pin at the start, a turned roller with settlement at the end, a spring
        Festhalten(staebe[0]->Freiheitsgrade[0]);
        Festhalten(staebe[0]->Freiheitsgrade[1], -0.001);
        Freiheitsgrad* rx = staebe.back()->Freiheitsgrade[3];
        Freiheitsgrad* ry = staebe.back()->Freiheitsgrade[4];
        rx->Winkel = ry->Winkel = 0.5 * eins(zufall);
        Festhalten(ry, 0.002 * eins(zufall));
        staebe[3]->Freiheitsgrade[4]->Feder = 1000 + 5000 * eins(zufall);
        staebe[1]->Freiheitsgrade[5]->Feder = 300 * eins(zufall);

        Lastfall* lf1 = Lastfall_(1.35);
        Lastfall* lf2 = Lastfall_(0.5);
        Lastfall_(1.0, -1);
        for (Stab* s : staebe) {
            Lastfall* lf = eins(zufall) < 0.5 ? lf1 : lf2;
            const double a = 0.6 * eins(zufall), b = a + 0.1 + 0.3 * eins(zufall);
            Strecke(lf, s, a, b, 10 * eins(zufall) - 3, 10 * eins(zufall), 2 * PI * eins(zufall),
                    eins(zufall) < 0.5 ? KOORD_LOKAL : KOORD_GLOBAL);
            Kraft(lf, s, eins(zufall), 20 * eins(zufall), 2 * PI * eins(zufall),
                  eins(zufall) < 0.5 ? KOORD_LOKAL : KOORD_GLOBAL);
            Kraft(lf, s, eins(zufall), 5 * eins(zufall) - 2.5, 0, KOORD_GLOBAL, ART_MOMENT);
        }
        sys->Stabteilungen = 1 + saat % 4;
    }
};

// Solves A x = b by Gaussian elimination with partial pivoting.
std::vector<double> Gauss(std::vector<std::vector<double>> a, std::vector<double> b) {
    const std::size_t n = b.size();
    for (std::size_t k = 0; k < n; ++k) {
        std::size_t p = k;
        for (std::size_t i = k + 1; i < n; ++i)
            if (std::fabs(a[i][k]) > std::fabs(a[p][k])) p = i;
        std::swap(a[k], a[p]);
        std::swap(b[k], b[p]);
        for (std::size_t i = k + 1; i < n; ++i) {
            const double m = a[i][k] / a[k][k];
            for (std::size_t j = k; j < n; ++j) a[i][j] -= m * a[k][j];
            b[i] -= m * b[k];
        }
    }
    std::vector<double> x(n);
    for (std::size_t k = n; k-- > 0;) {
        double s = b[k];
        for (std::size_t j = k + 1; j < n; ++j) s -= a[k][j] * x[j];
        x[k] = s / a[k][k];
    }
    return x;
}

TEST_F(Gegenprobe, ZufaelligeSystemeWieDichteLoesung) {
    for (unsigned saat = 1; saat <= 8; ++saat) {
        SCOPED_TRACE(saat);
        TearDown();
        SetUp();
        ZufallsSystem(saat);
        ASSERT_TRUE(Rechnen());

        // the model as the run left it: number its degrees of freedom afresh
        std::unordered_map<const Freiheitsgrad*, std::size_t> nr;
        std::vector<const Freiheitsgrad*> fgs;
        for (const Freiheitsgrad* fg : Elemente<Freiheitsgrad>(M().Modellfreiheitsgrade)) {
            nr[fg] = fgs.size();
            fgs.push_back(fg);
        }
        const std::size_t n = fgs.size();
        std::vector<std::vector<double>> k(n, std::vector<double>(n, 0.0));
        std::vector<double> f(n, 0.0);
        for (const Element* e : Elemente<Element>(M().Elemente)) {
            const double l = e->Laenge, ea = E * A / l, ei = E * Iz;
            const double kl[6][6] = {
                {ea, 0, 0, -ea, 0, 0},
                {0, 12 * ei / (l * l * l), 6 * ei / (l * l), 0, -12 * ei / (l * l * l), 6 * ei / (l * l)},
                {0, 6 * ei / (l * l), 4 * ei / l, 0, -6 * ei / (l * l), 2 * ei / l},
                {-ea, 0, 0, ea, 0, 0},
                {0, -12 * ei / (l * l * l), -6 * ei / (l * l), 0, 12 * ei / (l * l * l), -6 * ei / (l * l)},
                {0, 6 * ei / (l * l), 2 * ei / l, 0, -6 * ei / (l * l), 4 * ei / l}};
            // local element axes into the directions of each end's degrees of freedom
            double t[6][6] = {};
            for (int ende = 0; ende < 2; ++ende) {
                const double th = e->Winkel - e->Fg[3 * ende]->Winkel;
                const int o = 3 * ende;
                t[o][o] = std::cos(th);
                t[o][o + 1] = -std::sin(th);
                t[o + 1][o] = std::sin(th);
                t[o + 1][o + 1] = std::cos(th);
                t[o + 2][o + 2] = 1;
            }
            const double qa = e->qAnfang, qe = e->qEnde, na = e->nAnfang, ne = e->nEnde;
            const double fl[6] = {(na / 3 + ne / 6) * l, (7 * qa + 3 * qe) / 20 * l, l * l * (qa / 20 + qe / 30),
                                  (na / 6 + ne / 3) * l, (3 * qa + 7 * qe) / 20 * l, -l * l * (qa / 30 + qe / 20)};
            for (int a = 0; a < 6; ++a) {
                double fa = 0;
                for (int c = 0; c < 6; ++c) fa += t[a][c] * fl[c];
                f[nr.at(e->Fg[a])] += fa;
                for (int b = 0; b < 6; ++b) {
                    double s = 0;
                    for (int c = 0; c < 6; ++c)
                        for (int d = 0; d < 6; ++d) s += t[a][c] * kl[c][d] * t[b][d];
                    k[nr.at(e->Fg[a])][nr.at(e->Fg[b])] += s;
                }
            }
        }
        // nodal loads as transferred (Last of a free one is overwritten by the
        // run with the same value recomputed), springs, prescribed values
        std::vector<std::size_t> frei;
        std::vector<double> u(n, 0.0);
        for (std::size_t i = 0; i < n; ++i) {
            k[i][i] += fgs[i]->Feder;
            if (fgs[i]->Status == STATUS_PRIMAL)
                u[i] = fgs[i]->Wert;
            else
                frei.push_back(i);
        }
        std::vector<std::vector<double>> kff(frei.size(), std::vector<double>(frei.size()));
        std::vector<double> rechts(frei.size());
        for (std::size_t a = 0; a < frei.size(); ++a) {
            rechts[a] = f[frei[a]] + fgs[frei[a]]->Last;
            for (std::size_t j = 0; j < n; ++j)
                if (fgs[j]->Status == STATUS_PRIMAL) rechts[a] -= k[frei[a]][j] * u[j];
            for (std::size_t b = 0; b < frei.size(); ++b) kff[a][b] = k[frei[a]][frei[b]];
        }
        const std::vector<double> x = Gauss(kff, rechts);
        double groesste = 0;
        for (double w : x) groesste = std::max(groesste, std::fabs(w));
        // Random cuts may leave very short elements, which cost the
        // equations some digits; any error in a formula costs all of them.
        for (std::size_t a = 0; a < frei.size(); ++a)
            EXPECT_NEAR(fgs[frei[a]]->Wert, x[a], 1e-7 * groesste) << "Freiheitsgrad " << frei[a];
        // reactions: full row of the dense matrix minus the element loads
        for (std::size_t i = 0; i < n; ++i) {
            if (fgs[i]->Status != STATUS_PRIMAL) continue;
            double r = -f[i];
            for (std::size_t j = 0; j < n; ++j) r += k[i][j] * fgs[j]->Wert;
            EXPECT_NEAR(fgs[i]->Reaktion, r, 1e-6 * (1 + std::fabs(r)));
        }
    }
}

}  // namespace
