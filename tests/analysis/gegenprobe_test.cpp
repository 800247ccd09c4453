// Cross-check against an independent dense solution: random structures with
// hinges, springs, turned supports, settlements and every kind of load are
// computed by the program; the same model is then assembled densely here,
// straight from the element formulas, and solved by Gaussian elimination.
// The internal forces along every bar follow from that solution by
// integrating the loads, and give the extrema the program must report.
#include <algorithm>
#include <cmath>
#include <random>
#include <unordered_map>
#include <vector>

#include "analysis/ergebnisse.h"
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
        // One draw per statement: the order in which a compiler evaluates
        // the arguments of a call is its own, and the systems must be the
        // same with every compiler.
        auto koordinaten = [&] { return eins(zufall) < 0.5 ? KOORD_LOKAL : KOORD_GLOBAL; };
        for (Stab* s : staebe) {
            Lastfall* lf = eins(zufall) < 0.5 ? lf1 : lf2;
            const double a = 0.6 * eins(zufall), b = a + 0.1 + 0.3 * eins(zufall);
            const int streckeKoord = koordinaten();
            const double streckeWinkel = 2 * PI * eins(zufall);
            const double qb = 10 * eins(zufall);
            const double qa = 10 * eins(zufall) - 3;
            Strecke(lf, s, a, b, qa, qb, streckeWinkel, streckeKoord);
            const int kraftKoord = koordinaten();
            const double kraftWinkel = 2 * PI * eins(zufall);
            const double kraft = 20 * eins(zufall);
            const double kraftOrt = eins(zufall);
            Kraft(lf, s, kraftOrt, kraft, kraftWinkel, kraftKoord);
            const double moment = 5 * eins(zufall) - 2.5;
            const double momentOrt = eins(zufall);
            Kraft(lf, s, momentOrt, moment, 0, KOORD_GLOBAL, ART_MOMENT);
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

// The element in local axes: stiffness, the turn into the directions of its
// degrees of freedom, and the equivalent nodal loads of its linear loads.
struct Elementmatrizen {
    double kl[6][6];
    double t[6][6] = {};
    double fl[6];

    Elementmatrizen(const Element* e, double ea0, double ei) {
        const double l = e->Laenge, ea = ea0 / l;
        const double k[6][6] = {
            {ea, 0, 0, -ea, 0, 0},
            {0, 12 * ei / (l * l * l), 6 * ei / (l * l), 0, -12 * ei / (l * l * l), 6 * ei / (l * l)},
            {0, 6 * ei / (l * l), 4 * ei / l, 0, -6 * ei / (l * l), 2 * ei / l},
            {-ea, 0, 0, ea, 0, 0},
            {0, -12 * ei / (l * l * l), -6 * ei / (l * l), 0, 12 * ei / (l * l * l), -6 * ei / (l * l)},
            {0, 6 * ei / (l * l), 2 * ei / l, 0, -6 * ei / (l * l), 4 * ei / l}};
        std::copy(&k[0][0], &k[0][0] + 36, &kl[0][0]);
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
        const double f[6] = {(na / 3 + ne / 6) * l, (7 * qa + 3 * qe) / 20 * l, l * l * (qa / 20 + qe / 30),
                             (na / 6 + ne / 3) * l, (3 * qa + 7 * qe) / 20 * l, -l * l * (qa / 30 + qe / 20)};
        std::copy(f, f + 6, fl);
    }
};

// The model as the run left it, assembled densely and solved here.
struct DichteLoesung {
    std::unordered_map<const Freiheitsgrad*, std::size_t> nr;
    std::vector<const Freiheitsgrad*> fgs;
    std::vector<std::vector<double>> k;
    std::vector<double> f;      // element loads in the directions of the degrees of freedom
    std::vector<std::size_t> frei;
    std::vector<double> x;      // the free values, in the order of `frei`
    std::vector<double> u;      // every value: prescribed or solved

    DichteLoesung(const Kernmodell& modell, double ea, double ei) {
        for (const Freiheitsgrad* fg : Elemente<Freiheitsgrad>(modell.Modellfreiheitsgrade)) {
            nr[fg] = fgs.size();
            fgs.push_back(fg);
        }
        const std::size_t n = fgs.size();
        k.assign(n, std::vector<double>(n, 0.0));
        f.assign(n, 0.0);
        for (const Element* e : Elemente<Element>(modell.Elemente)) {
            const Elementmatrizen m(e, ea, ei);
            for (int a = 0; a < 6; ++a) {
                double fa = 0;
                for (int c = 0; c < 6; ++c) fa += m.t[a][c] * m.fl[c];
                f[nr.at(e->Fg[a])] += fa;
                for (int b = 0; b < 6; ++b) {
                    double s = 0;
                    for (int c = 0; c < 6; ++c)
                        for (int d = 0; d < 6; ++d) s += m.t[a][c] * m.kl[c][d] * m.t[b][d];
                    k[nr.at(e->Fg[a])][nr.at(e->Fg[b])] += s;
                }
            }
        }
        // nodal loads as transferred (Last of a free one is overwritten by the
        // run with the same value recomputed), springs, prescribed values
        u.assign(n, 0.0);
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
        x = Gauss(kff, rechts);
        for (std::size_t a = 0; a < frei.size(); ++a) u[frei[a]] = x[a];
    }
};

TEST_F(Gegenprobe, ZufaelligeSystemeWieDichteLoesung) {
    for (unsigned saat = 1; saat <= 8; ++saat) {
        SCOPED_TRACE(saat);
        TearDown();
        SetUp();
        ZufallsSystem(saat);
        ASSERT_TRUE(Rechnen());

        const DichteLoesung d(M(), E * A, E * Iz);
        double groesste = 0;
        for (double w : d.x) groesste = std::max(groesste, std::fabs(w));
        // Random cuts may leave very short elements, which cost the
        // equations some digits; any error in a formula costs all of them.
        for (std::size_t a = 0; a < d.frei.size(); ++a)
            EXPECT_NEAR(d.fgs[d.frei[a]]->Wert, d.x[a], 1e-7 * groesste) << "Freiheitsgrad " << d.frei[a];
        // reactions: full row of the dense matrix minus the element loads
        for (std::size_t i = 0; i < d.fgs.size(); ++i) {
            if (d.fgs[i]->Status != STATUS_PRIMAL) continue;
            double r = -d.f[i];
            for (std::size_t j = 0; j < d.fgs.size(); ++j) r += d.k[i][j] * d.fgs[j]->Wert;
            EXPECT_NEAR(d.fgs[i]->Reaktion, r, 1e-6 * (1 + std::fabs(r)));
        }
    }
}

// N, Q and M along one element from its start forces by integrating the
// linear loads (dN/dx = -n, dQ/dx = q, dM/dx = Q), x in metres from its start.
struct Schnittgroessen {
    double t0, t1, l;
    double n0, q0, m0;
    double qa, qe, na, ne;

    double N(double x) const { return n0 - na * x - (ne - na) * x * x / (2 * l); }
    double Q(double x) const { return q0 + qa * x + (qe - qa) * x * x / (2 * l); }
    double M(double x) const { return m0 + q0 * x + qa * x * x / 2 + (qe - qa) * x * x * x / (6 * l); }
    double Wert(int art, double x) const { return art == 0 ? M(x) : art == 1 ? Q(x) : N(x); }
    // Places inside the element where the derivative of the quantity vanishes.
    std::vector<double> Stellen(int art) const {
        std::vector<double> s;
        auto linear = [&](double a, double b) {  // a + b x = 0
            if (b != 0) s.push_back(-a / b);
        };
        if (art == 0) {  // Q(x) = 0: a quadratic
            const double c2 = (qe - qa) / (2 * l), c1 = qa, c0 = q0;
            if (std::fabs(c2) < 1e-14 * (std::fabs(c1) + std::fabs(c0))) {
                linear(c0, c1);
            } else {
                const double d = c1 * c1 - 4 * c2 * c0;
                if (d >= 0) {
                    s.push_back((-c1 + std::sqrt(d)) / (2 * c2));
                    s.push_back((-c1 - std::sqrt(d)) / (2 * c2));
                }
            }
        } else if (art == 1) {
            linear(qa, (qe - qa) / l);
        } else {
            linear(na, (ne - na) / l);
        }
        std::vector<double> innen;
        for (double x : s)
            if (x > 0 && x < l) innen.push_back(x);
        return innen;
    }
};

TEST_F(Gegenprobe, ExtremaWieAusDichterLoesung) {
    using Extremfunktion = double (*)(const Stab*, double*);
    using Wertfunktion = double (*)(const Stab*, double);
    const Extremfunktion maxima[3] = {MaxMoment, MaxQuerkraft, MaxNormalkraft};
    const Extremfunktion minima[3] = {MinMoment, MinQuerkraft, MinNormalkraft};
    const Wertfunktion werte[3] = {MomentAn, QuerkraftAn, NormalkraftAn};
    int anSpruengen = 0;  // extrema that a lookup by position sees only from the other side
    for (unsigned saat = 1; saat <= 20; ++saat) {
        SCOPED_TRACE(saat);
        TearDown();
        SetUp();
        ZufallsSystem(saat);
        ASSERT_TRUE(Rechnen());
        const DichteLoesung d(M(), E * A, E * Iz);

        std::unordered_map<long, std::vector<Schnittgroessen>> proStab;
        double skala = 1;
        for (const Element* e : Elemente<Element>(M().Elemente)) {
            const Elementmatrizen m(e, E * A, E * Iz);
            double dl[6], s[6];
            for (int a = 0; a < 6; ++a) {
                dl[a] = 0;
                for (int b = 0; b < 6; ++b) dl[a] += m.t[b][a] * d.u[d.nr.at(e->Fg[b])];
            }
            for (int a = 0; a < 6; ++a) {
                s[a] = -m.fl[a];
                for (int b = 0; b < 6; ++b) s[a] += m.kl[a][b] * dl[b];
            }
            const Schnittgroessen g{e->tAnfang, e->tEnde, e->Laenge, -s[0], s[1], -s[2],
                                    e->qAnfang, e->qEnde, e->nAnfang, e->nEnde};
            // the integrated loads must arrive at the end forces of the other end
            const double bezug = 1 + std::fabs(s[3]) + std::fabs(s[4]) + std::fabs(s[5]);
            EXPECT_NEAR(g.N(g.l), s[3], 1e-6 * bezug);
            EXPECT_NEAR(g.Q(g.l), -s[4], 1e-6 * bezug);
            EXPECT_NEAR(g.M(g.l), s[5], 1e-6 * bezug);
            skala = std::max({skala, std::fabs(s[0]), std::fabs(s[1]), std::fabs(s[2])});
            proStab[e->Stabnummer].push_back(g);
        }
        const double toleranz = 1e-6 * skala;

        for (Stab* stab : Elemente<Stab>(sys->Staebe)) {
            const std::vector<Schnittgroessen>& teile = proStab.at(stab->Nummer);
            for (int art = 0; art < 3; ++art) {
                double groesster = -1e300, kleinster = 1e300;
                for (const Schnittgroessen& g : teile) {
                    std::vector<double> orte = g.Stellen(art);
                    orte.push_back(0);
                    orte.push_back(g.l);
                    for (double x : orte) {
                        groesster = std::max(groesster, g.Wert(art, x));
                        kleinster = std::min(kleinster, g.Wert(art, x));
                    }
                }
                // the value at a relative position, from every element that holds it
                auto wertBei = [&](double t, double v) {
                    double naechster = 1e300;
                    for (const Schnittgroessen& g : teile)
                        if (g.t0 - 1e-12 <= t && t <= g.t1 + 1e-12) {
                            const double x = (t - g.t0) / (g.t1 - g.t0) * g.l;
                            if (std::fabs(g.Wert(art, x) - v) < std::fabs(naechster - v)) naechster = g.Wert(art, x);
                        }
                    return naechster;
                };
                double t = -1;
                const double vmax = maxima[art](stab, &t);
                EXPECT_NEAR(vmax, groesster, toleranz) << "Stab " << stab->Nummer << " Art " << art;
                EXPECT_NEAR(wertBei(t, vmax), vmax, toleranz) << "Stab " << stab->Nummer << " Art " << art;
                anSpruengen += std::fabs(werte[art](stab, t) - vmax) > 1e3 * toleranz;
                const double vmin = minima[art](stab, &t);
                EXPECT_NEAR(vmin, kleinster, toleranz) << "Stab " << stab->Nummer << " Art " << art;
                EXPECT_NEAR(wertBei(t, vmin), vmin, toleranz) << "Stab " << stab->Nummer << " Art " << art;
                anSpruengen += std::fabs(werte[art](stab, t) - vmin) > 1e3 * toleranz;
            }
            // the deflection: the largest of the program's own curve, sampled densely
            double wmax = -1e300, wmin = 1e300;
            for (int i = 0; i <= 4000; ++i) {
                wmax = std::max(wmax, DurchbiegungAn(stab, i / 4000.0));
                wmin = std::min(wmin, DurchbiegungAn(stab, i / 4000.0));
            }
            double t;
            const double wbezug = 1e-6 * std::max(std::fabs(wmax), std::fabs(wmin));
            EXPECT_GE(MaxDurchbiegung(stab, &t), wmax - wbezug);
            EXPECT_NEAR(DurchbiegungAn(stab, t), MaxDurchbiegung(stab, &t), wbezug);
            EXPECT_LE(MinDurchbiegung(stab, &t), wmin + wbezug);
            EXPECT_NEAR(DurchbiegungAn(stab, t), MinDurchbiegung(stab, &t), wbezug);
        }
    }
    // The random loads put some extrema where a jump hides them from one side.
    EXPECT_GT(anSpruengen, 5);
}

}  // namespace
