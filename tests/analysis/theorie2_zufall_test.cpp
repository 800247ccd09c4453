// Random frames by second-order theory through the whole program path:
// against the independent solve of theorie2_gegenrechnung.h, in
// equilibrium on the deformed structure, the same with 0, 2 and 10
// divisions, and first-order theory in the limit of vanishing load.
//
// Every bar runs to +x (a bar towards -x or a vertical one takes its angle
// from the rounded constants of the bar geometry, which the independent
// solve does not share).  The loads are scaled so that the critical load
// factor is 2.5: the second-order effects are large.
#include <algorithm>
#include <array>
#include <cmath>
#include <random>
#include <vector>

#include "analysis/ergebnisse.h"
#include "analysis/theorie2ordnung.h"
#include "aufbau.h"
#include "core/programm.h"
#include "core/systemoperationen.h"
#include "theorie2_gegenrechnung.h"

namespace {

constexpr double PI = 3.14159265358979323846;
constexpr double ZIEL = 8.0;  // the critical load factor of every frame

// One random frame, built both as a System and for the independent solve.
class Zufallsrahmen : public Analyse {
protected:
    struct Gebaut {
        std::vector<Stab*> staebe;
        Lastfall* lf = nullptr;
        gegenrechnung::Rahmen rahmen;
    };

    // `gewicht` 0: the weight that gives the critical load factor ZIEL.
    Gebaut Bauen(unsigned saat, double gewicht = 0.0) {
        std::mt19937 zufall(saat);
        auto gleich = [&](double a, double b) { return std::uniform_real_distribution<double>(a, b)(zufall); };
        Gebaut g;
        gegenrechnung::Rahmen& r = g.rahmen;
        const int knoten = 4 + static_cast<int>(zufall() % 3);
        std::vector<Punkt*> punkte;
        std::vector<std::array<Freiheitsgrad*, 3>> fg(static_cast<std::size_t>(knoten));
        for (int k = 0; k < knoten; ++k) {
            gegenrechnung::Knoten kn;
            kn.x = 3.0 * k + gleich(-0.8, 0.8);
            kn.y = gleich(0.0, 4.0);
            r.knoten.push_back(kn);
            punkte.push_back(P(kn.x, kn.y));
        }
        // A chain from node 0 to the last, and a brace from some node to
        // the one after the next.
        std::vector<std::pair<int, int>> verbindungen;
        for (int k = 0; k + 1 < knoten; ++k) verbindungen.push_back({k, k + 1});
        const int brace = static_cast<int>(zufall() % static_cast<unsigned>(knoten - 2));
        verbindungen.push_back({brace, brace + 2});
        // One hinge, at the start of a chain bar whose node has another bar.
        const int gelenk = 1 + static_cast<int>(zufall() % static_cast<unsigned>(knoten - 2));

        for (std::size_t i = 0; i < verbindungen.size(); ++i) {
            const auto [a, b] = verbindungen[i];
            const bool gelenkA = static_cast<int>(i) == gelenk;
            std::array<Freiheitsgrad*, 6> gemeinsam{};
            for (int s = 0; s < 3; ++s) {
                gemeinsam[static_cast<std::size_t>(s)] = fg[static_cast<std::size_t>(a)][static_cast<std::size_t>(s)];
                gemeinsam[static_cast<std::size_t>(3 + s)] =
                    fg[static_cast<std::size_t>(b)][static_cast<std::size_t>(s)];
            }
            if (gelenkA) gemeinsam[2] = nullptr;
            Stab* s = StabZwischen(punkte[static_cast<std::size_t>(a)], punkte[static_cast<std::size_t>(b)], gemeinsam);
            for (int j = 0; j < 3; ++j) {
                if (!fg[static_cast<std::size_t>(a)][static_cast<std::size_t>(j)] && !(gelenkA && j == 2))
                    fg[static_cast<std::size_t>(a)][static_cast<std::size_t>(j)] = s->Freiheitsgrade[j];
                if (!fg[static_cast<std::size_t>(b)][static_cast<std::size_t>(j)])
                    fg[static_cast<std::size_t>(b)][static_cast<std::size_t>(j)] = s->Freiheitsgrade[3 + j];
            }
            g.staebe.push_back(s);
            gegenrechnung::Stab gs;
            gs.a = a;
            gs.b = b;
            gs.EA = E * A;
            gs.EI = E * Iz;
            gs.gelenkA = gelenkA;
            r.staebe.push_back(gs);
        }
        // Clamped at node 0, on a roller at the last (a frame, not an arch
        // whose thrust would change with every deflection), a rotational
        // spring at node 1.
        for (int j = 0; j < 3; ++j) {
            Festhalten(fg[0][static_cast<std::size_t>(j)]);
            r.knoten[0].fest[static_cast<std::size_t>(j)] = true;
        }
        Festhalten(fg[static_cast<std::size_t>(knoten - 1)][1]);
        r.knoten[static_cast<std::size_t>(knoten - 1)].fest[1] = true;
        const double feder = gleich(1e3, 1e4);
        fg[1][2]->Feder = feder;
        r.knoten[1].feder[2] = feder;

        g.lf = Lastfall_();
        // Loads at the free nodes (on the chain bar that ends there); at
        // node 1 one pushes along the clamped bar, which then is surely in
        // compression.
        for (int k = 1; k + 1 < knoten; ++k) {
            double fx = gleich(-20.0, 20.0);
            double fy = -gleich(100.0, 400.0);
            if (k == 1) {
                const double druck = gleich(200.0, 600.0), l = std::hypot(r.knoten[1].x - r.knoten[0].x,
                                                                           r.knoten[1].y - r.knoten[0].y);
                fx -= druck * (r.knoten[1].x - r.knoten[0].x) / l;
                fy -= druck * (r.knoten[1].y - r.knoten[0].y) / l;
            }
            Kraft(g.lf, g.staebe[static_cast<std::size_t>(k - 1)], 1.0, std::hypot(fx, fy), std::atan2(fx, -fy));
            r.knoten[static_cast<std::size_t>(k)].last = {fx, fy, 0.0};
        }
        // A force and a moment inside random bars, away from the listed points.
        for (int j = 0; j < 2; ++j) {
            const int s = static_cast<int>(zufall() % verbindungen.size());
            double t = gleich(0.15, 0.85);
            if (std::fabs(t * 9 - std::round(t * 9)) < 0.1) t += 0.03;
            const double fx = gleich(-30.0, 30.0), fy = gleich(-60.0, 20.0), m = gleich(-20.0, 20.0);
            Kraft(g.lf, g.staebe[static_cast<std::size_t>(s)], t, std::hypot(fx, fy), std::atan2(fx, -fy));
            Kraft(g.lf, g.staebe[static_cast<std::size_t>(s)], t, m, 0.0, KOORD_GLOBAL, ART_MOMENT);
            r.einzellasten.push_back({s, t, fx, fy, m});
        }
        // Transverse loads over part of every bar, axial ones over the whole.
        for (std::size_t s = 0; s < g.staebe.size(); ++s) {
            double ta = gleich(0.0, 0.4), tb = gleich(0.6, 1.0);
            if (zufall() % 2) ta = 0.0;
            const double pa = gleich(-15.0, 15.0), pb = gleich(-15.0, 15.0);
            Strecke(g.lf, g.staebe[s], ta, tb, pa, pb, 0.0, KOORD_LOKAL);  // q = -p
            const double na = gleich(-10.0, 5.0), nb = gleich(-10.0, 5.0);
            Strecke(g.lf, g.staebe[s], 0.0, 1.0, na, nb, PI / 2, KOORD_LOKAL);  // n = p
            r.streckenlasten.push_back({static_cast<int>(s), ta, tb, -pa, -pb, 0.0, 0.0});
            r.streckenlasten.push_back({static_cast<int>(s), 0.0, 1.0, 0.0, 0.0, na, nb});
        }

        // The weight of the load case makes the critical load factor ZIEL;
        // a frame that hangs in tension under the loads stands in
        // compression under the reversed ones.
        if (gewicht == 0.0) {
            Verzweigungslast v;
            EXPECT_TRUE(VerzweigungslastfaktorBerechnen(*sys, Programm, bericht, v)) << saat;
            double richtung = 1.0;
            if (v.Status != VERZWEIGUNG_GEFUNDEN) {
                richtung = g.lf->Gewicht = -1.0;
                EXPECT_TRUE(VerzweigungslastfaktorBerechnen(*sys, Programm, bericht, v)) << saat;
            }
            EXPECT_EQ(v.Status, VERZWEIGUNG_GEFUNDEN) << saat;
            gewicht = richtung * v.Faktor / ZIEL;
        }
        g.lf->Gewicht = gewicht;
        for (auto& k : r.knoten)
            for (double& l : k.last) l *= gewicht;
        for (auto& e : r.einzellasten) {
            e.Fx *= gewicht;
            e.Fy *= gewicht;
            e.M *= gewicht;
        }
        for (auto& s : r.streckenlasten) {
            s.qA *= gewicht;
            s.qB *= gewicht;
            s.nA *= gewicht;
            s.nB *= gewicht;
        }
        return g;
    }

    bool Rechnen2() { return TheorieIIOrdnungBerechnen(*sys, Programm, bericht); }

    using Wertfunktion = double (*)(const Stab*, double);
    static constexpr Wertfunktion WERTE[5] = {MomentAn, QuerkraftAn, NormalkraftAn, DurchbiegungAn,
                                                 LaengsverschiebungAn};

    // The five quantities at the ten listed points of every bar.
    static std::vector<std::array<double, 5>> Gelistet(const std::vector<Stab*>& staebe) {
        std::vector<std::array<double, 5>> w;
        for (const Stab* s : staebe)
            for (int i = 0; i <= 9; ++i) {
                std::array<double, 5> z;
                for (int g = 0; g < 5; ++g) z[static_cast<std::size_t>(g)] = WERTE[g](s, i / 9.0);
                w.push_back(z);
            }
        return w;
    }
    // The largest magnitude of each quantity, the scale of the comparisons.
    static std::array<double, 5> Skalen(const std::vector<std::array<double, 5>>& w) {
        std::array<double, 5> s{};
        for (const auto& z : w)
            for (std::size_t g = 0; g < 5; ++g) s[g] = std::max(s[g], std::fabs(z[g]));
        return s;
    }
};

TEST_F(Zufallsrahmen, GegenDieUnabhaengigeRechnung) {
    for (unsigned saat = 1; saat <= 3; ++saat) {
        TearDown();
        SetUp();
        const Gebaut g = Bauen(saat);
        const bool ok = Rechnen2();
        ASSERT_TRUE(ok) << saat;
        EXPECT_LT(std::fabs(sys->Verzweigungslastfaktor - ZIEL), 1e-6 * ZIEL) << saat;
        const gegenrechnung::Loesung l = gegenrechnung::Rechnen(g.rahmen);
        ASSERT_TRUE(l.Gueltig) << saat;
        const auto programm = Gelistet(g.staebe);
        const auto skala = Skalen(programm);
        std::size_t zeile = 0;
        for (std::size_t s = 0; s < g.staebe.size(); ++s)
            for (int i = 0; i <= 9; ++i, ++zeile) {
                const double t = i / 9.0;
                const int st = static_cast<int>(s);
                const double gegen[5] = {l.M(st, t), l.Q(st, t), l.N(st, t), l.w(st, t), l.u(st, t)};
                for (std::size_t q = 0; q < 5; ++q)
                    EXPECT_NEAR(programm[zeile][q], gegen[q], 1e-8 * skala[q])
                        << "Rahmen " << saat << " Stab " << s << " t " << t << " Groesse " << q;
            }
        EXPECT_LT(std::fabs(gegenrechnung::Verzweigungsfaktor(g.rahmen) - ZIEL), 1e-6 * ZIEL) << saat;
    }
}

// Every record in equilibrium in its deformed position (small rotations):
// along its axis, across it, and in moments about its start, with the
// axial force acting on the deflection.  And every joint in equilibrium
// under the end forces of its bars, loads, reactions and springs.
TEST_F(Zufallsrahmen, GleichgewichtAmVerformtenSystem) {
    for (unsigned saat = 11; saat <= 16; ++saat) {
        TearDown();
        SetUp();
        const Gebaut g = Bauen(saat);
        ASSERT_TRUE(Rechnen2()) << saat << ": " << Meldungen().back();
        double skalaK = 0.0, skalaM = 0.0;
        for (const Stab* s : g.staebe)
            for (const Stababschnitt* r : Elemente<Stababschnitt>(s->Ergebnisse)) {
                skalaK = std::max({skalaK, std::fabs(r->NA), std::fabs(r->QA), std::fabs(r->NE), std::fabs(r->QE)});
                skalaM = std::max({skalaM, std::fabs(r->MA), std::fabs(r->ME)});
            }
        // Joint sums per degree of freedom of the System: what the bars and
        // loads do to it, in its direction (none of them is turned here).
        std::vector<std::pair<const Freiheitsgrad*, double>> summen;
        auto hinzu = [&](const Freiheitsgrad* fg, double wert) {
            for (auto& [f, s] : summen)
                if (f == fg) {
                    s += wert;
                    return;
                }
            summen.push_back({fg, wert});
        };
        for (const Stab* s : g.staebe) {
            for (const Stababschnitt* r : Elemente<Stababschnitt>(s->Ergebnisse)) {
                ASSERT_EQ(r->Exakt, 1);
                const double L = r->Laenge;
                const double qa = r->qAnfang, qe = r->qEnde, na = r->nAnfang, ne = r->nEnde;
                double wA, wE, phiA, phiE;  // transverse displacement (local +y) and rotation at the ends
                ASSERT_TRUE(AbschnittVerformung(r, -1.0, nullptr, &wA, &phiA));
                ASSERT_TRUE(AbschnittVerformung(r, 1.0, nullptr, &wE, &phiE));
                const double vA = r->QA - r->NA * phiA, vE = r->QE - r->NE * phiE;
                // integral of n w over the record (5-point Gauss; w is smooth)
                static const double X[5] = {-0.9061798459386640, -0.5384693101056831, 0.0, 0.5384693101056831,
                                            0.9061798459386640};
                static const double G[5] = {0.2369268850561891, 0.4786286704993665, 0.5688888888888889,
                                            0.4786286704993665, 0.2369268850561891};
                double nv = 0.0;
                for (int k = 0; k < 5; ++k) {
                    const double x = (1 + X[k]) / 2 * L;
                    const double v = -AbschnittWert(s, r, Schnittgroesse::Durchbiegung, X[k]);
                    nv += G[k] * L / 2 * (na + (ne - na) * x / L) * v;
                }
                const double qL = (qa + qe) / 2 * L, nL = (na + ne) / 2 * L;
                const double qMoment = L * L * (qa / 3 + qe / 6);  // integral of (L - x) q
                EXPECT_NEAR(r->NE - r->NA + nL, 0.0, 1e-8 * skalaK) << saat;
                EXPECT_NEAR(vE - vA - qL, 0.0, 1e-8 * skalaK) << saat;
                EXPECT_NEAR(r->ME - r->MA - vA * L - qMoment - (r->NE * wE - r->NA * wA) - nv, 0.0,
                            1e-8 * skalaM)
                    << saat;
                // forces of the record on the joints at the bar ends
                const double c = std::cos(r->Winkel), sn = std::sin(r->Winkel);
                auto anKnoten = [&](int ende, double n, double v, double m) {
                    // what the element pulls on its end node: -S, turned into x and y
                    const double sx = ende == 0 ? -n : n, sv = ende == 0 ? v : -v, sm = ende == 0 ? -m : m;
                    const int s0 = 3 * ende;
                    hinzu(s->Freiheitsgrade[s0], -(c * sx - sn * sv));
                    hinzu(s->Freiheitsgrade[s0 + 1], -(sn * sx + c * sv));
                    hinzu(s->Freiheitsgrade[s0 + 2], -sm);
                };
                if (r->tAnfang == 0.0) anKnoten(0, r->NA, vA, r->MA);
                if (r->tEnde == 1.0) anKnoten(1, r->NE, vE, r->ME);
            }
        }
        for (const Punktlast* p : Elemente<Punktlast>(sys->Punktlasten)) {
            if (p->Position != 0.0 && p->Position != 1.0) continue;
            const Stab* s = nullptr;
            for (const Stab* t : g.staebe)
                if (t->Nummer == p->Stab) s = t;
            const int s0 = p->Position == 0.0 ? 0 : 3;
            const double w = g.lf->Gewicht;
            if (p->Art == ART_KRAFT) {
                hinzu(s->Freiheitsgrade[s0], w * p->Groesse * std::sin(p->Winkel));
                hinzu(s->Freiheitsgrade[s0 + 1], -w * p->Groesse * std::cos(p->Winkel));
            } else {
                hinzu(s->Freiheitsgrade[s0 + 2], w * p->Groesse);
            }
        }
        for (const auto& [fg, summe] : summen) {
            const double rest = summe + (fg->Status == STATUS_PRIMAL ? fg->Reaktion : 0.0) - fg->Feder * fg->Wert;
            EXPECT_NEAR(rest, 0.0, 1e-8 * (fg->Richtung == 2 ? skalaM : skalaK)) << saat << " FG " << fg->Nummer;
        }
    }
}

// With 0, 2 and 10 divisions every listed value is the same, and in the
// limit of a vanishing load (the axial forces with it) the results are
// those of first-order theory: M, Q, N everywhere, w and u at the bar ends
// (first order interpolates them between its division points).
TEST_F(Zufallsrahmen, TeilungenUndGrenzfallErsterOrdnung) {
    for (unsigned saat = 21; saat <= 24; ++saat) {
        std::vector<std::array<double, 5>> ungeteilt;
        double gewicht = 0.0;
        for (long teilungen : {0L, 2L, 10L}) {
            TearDown();
            SetUp();
            const Gebaut g = Bauen(saat, gewicht);
            gewicht = g.lf->Gewicht;
            sys->Stabteilungen = teilungen;
            ASSERT_TRUE(Rechnen2()) << saat << ": " << Meldungen().back();
            const auto w = Gelistet(g.staebe);
            if (teilungen == 0) {
                ungeteilt = w;
                continue;
            }
            const auto skala = Skalen(ungeteilt);
            for (std::size_t i = 0; i < w.size(); ++i)
                for (std::size_t q = 0; q < 5; ++q)
                    EXPECT_NEAR(w[i][q], ungeteilt[i][q], 1e-9 * skala[q]) << saat << " " << teilungen;
        }

        TearDown();
        SetUp();
        const Gebaut g = Bauen(saat, 1e-7 * gewicht);
        sys->Stabteilungen = 2;
        ASSERT_TRUE(Rechnen2());
        const auto zweite = Gelistet(g.staebe);
        ASSERT_TRUE(Rechnen());
        const auto erste = Gelistet(g.staebe);
        const auto skala = Skalen(erste);
        for (std::size_t i = 0; i < erste.size(); ++i) {
            const bool stabende = i % 10 == 0 || i % 10 == 9;
            for (std::size_t q = 0; q < (stabende ? 5u : 3u); ++q)
                EXPECT_NEAR(zweite[i][q], erste[i][q], 1e-6 * skala[q]) << saat << " " << i;
        }
    }
}

}  // namespace
