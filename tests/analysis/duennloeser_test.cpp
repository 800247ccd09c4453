// The sparse solver against the profile solver: the same matrices, the same
// runs, the same answers to round-off, the same count of negative pivots,
// the same messages.
#include <algorithm>
#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "analysis/duennloeser.h"
#include "analysis/gleichungsloeser.h"
#include "aufbau.h"
#include "bench/rahmen.h"
#include "core/programm.h"

namespace {

// A random symmetric matrix made of 6 x 6 element blocks on random
// equations, strictly diagonally dominant with diagonal signs of our
// choosing: its inertia is the signs of its diagonal, whatever the order of
// elimination.
struct Zufallsmatrix {
    int n;
    std::vector<std::array<int, 6>> elemente;
    std::vector<std::vector<double>> voll;

    Zufallsmatrix(int groesse, int anzahl, double anteilNegativ, unsigned saat) : n(groesse) {
        std::mt19937 zufall(saat);
        std::uniform_real_distribution<double> wert(-1.0, 1.0);
        std::uniform_int_distribution<int> gleichung(0, n - 1);
        voll.assign(static_cast<std::size_t>(n), std::vector<double>(static_cast<std::size_t>(n), 0.0));
        for (int e = 0; e < anzahl; ++e) {
            std::array<int, 6> fg;
            for (int& i : fg) i = gleichung(zufall);
            elemente.push_back(fg);
            for (int a = 0; a < 6; ++a)
                for (int b = 0; b < a; ++b)
                    if (fg[a] != fg[b]) {
                        const double w = wert(zufall);
                        voll[fg[a]][fg[b]] += w;
                        voll[fg[b]][fg[a]] += w;
                    }
        }
        for (int i = 0; i < n; ++i) {
            double summe = 1.0;
            for (int j = 0; j < n; ++j)
                if (j != i) summe += std::fabs(voll[i][j]);
            voll[i][i] = (std::uniform_real_distribution<double>(0, 1)(zufall) < anteilNegativ ? -1 : 1) * summe;
        }
    }
    DMatrix* Duenn() const {
        DMatrix* k = DMatrixAnlegen(n, elemente);
        for (int j = 0; j < n; ++j)
            for (int i = j; i < n; ++i)
                if (double* p = k->Eintrag(i, j)) *p = voll[i][j];
        return k;
    }
};

int NegativeZeilen(const std::vector<int>& zustand) {
    return static_cast<int>(std::count(zustand.begin(), zustand.end(), static_cast<int>(STATUS_NEGATIV)));
}

TEST(Duennloeser, WieProfilloeserMitVorgabenUndNegativenPivots) {
    for (unsigned saat = 1; saat <= 12; ++saat) {
        SCOPED_TRACE(saat);
        const int n = 40;
        const Zufallsmatrix m(n, 25, saat % 3 == 0 ? 0.0 : 0.3, saat);
        std::mt19937 zufall(saat + 100);
        std::uniform_real_distribution<double> wert(-1.0, 1.0);
        std::vector<int> zustand(n, STATUS_DUAL);
        std::vector<double> u(n, 0.0), f(n);
        for (int i = 0; i < n; ++i) {
            f[i] = wert(zufall);
            if (i % 7 == 3) {  // prescribed, with a settlement
                zustand[i] = STATUS_PRIMAL;
                u[i] = 0.01 * wert(zufall);
            }
        }
        int negativGefordert = 0;
        for (int i = 0; i < n; ++i) negativGefordert += zustand[i] == STATUS_DUAL && m.voll[i][i] < 0;

        // the profile solver on the full lower triangle
        std::vector<int> erste(n, 0);
        PMatrix* p = AllocPMatrix(n, erste.data());
        for (int i = 0; i < n; ++i)
            for (int j = 0; j <= i; ++j) (*p)(i, j) = m.voll[i][j];
        std::vector<int> zustandProfil = zustand;
        std::vector<double> uProfil = u, fProfil = f;
        int singulaer = -1;
        ASSERT_EQ(SystemsteifigkeitZerlegen(n, zustandProfil.data(), erste.data(), p, &singulaer), 0);
        GleichungssystemLoesen(n, zustandProfil.data(), erste.data(), p, uProfil.data(), fProfil.data());
        FreePMatrix(p);

        DMatrix* k = m.Duenn();
        DuennZerlegung z;
        std::vector<int> zustandDuenn = zustand;
        ASSERT_TRUE(z.Vorbereiten(*k, zustandDuenn.data()));
        ASSERT_EQ(z.Zerlegen(*k, zustandDuenn.data(), &singulaer), 0);
        ASSERT_TRUE(z.Loesen(*k, zustandDuenn.data(), u.data(), f.data()));
        FreeDMatrix(k);

        EXPECT_EQ(z.NegativePivots(), negativGefordert);
        EXPECT_EQ(NegativeZeilen(zustandDuenn), negativGefordert);
        EXPECT_EQ(NegativeZeilen(zustandProfil), negativGefordert);
        for (int i = 0; i < n; ++i) {
            EXPECT_NEAR(u[i], uProfil[i], 1e-12 * (1 + std::fabs(uProfil[i]))) << i;
            if (zustand[i] == STATUS_PRIMAL) {
                EXPECT_NEAR(f[i], fProfil[i], 1e-11 * (1 + std::fabs(fProfil[i]))) << i;
            }
        }
    }
}

TEST(Duennloeser, NeueWerteImSelbenMusterNeuZerlegt) {
    // the same pattern decomposed again with new values, as a search along a
    // load factor does: the answers follow the values, not the first ones
    const Zufallsmatrix m(30, 20, 0.2, 5);
    DMatrix* k = m.Duenn();
    std::vector<int> zustand(30, STATUS_DUAL);
    DuennZerlegung z;
    ASSERT_TRUE(z.Vorbereiten(*k, zustand.data()));
    int singulaer = -1;
    std::vector<double> u1(30, 0.0), f1(30, 1.0);
    ASSERT_EQ(z.Zerlegen(*k, zustand.data(), &singulaer), 0);
    ASSERT_TRUE(z.Loesen(*k, zustand.data(), u1.data(), f1.data()));
    const int negativ = z.NegativePivots();
    for (double& w : k->Werte) w *= -4.0;  // every sign turns; the marks of the first stay
    std::vector<double> u2(30, 0.0), f2(30, 1.0);
    ASSERT_EQ(z.Zerlegen(*k, zustand.data(), &singulaer), 0);
    ASSERT_TRUE(z.Loesen(*k, zustand.data(), u2.data(), f2.data()));
    EXPECT_EQ(z.NegativePivots(), 30 - negativ);
    EXPECT_EQ(NegativeZeilen(zustand), 30 - negativ);
    for (int i = 0; i < 30; ++i) EXPECT_NEAR(u2[i], -u1[i] / 4, 1e-12 * (1 + std::fabs(u1[i])));
    FreeDMatrix(k);
}

TEST(Duennloeser, NurVorgabenUndSingulaereMatrix) {
    // everything prescribed: nothing to decompose, the reactions K u - f
    const std::vector<std::array<int, 6>> elemente{{0, 1, 2, 0, 1, 2}};
    DMatrix* k = DMatrixAnlegen(3, elemente);
    *k->Eintrag(0, 0) = 2;
    *k->Eintrag(1, 0) = 1;
    *k->Eintrag(1, 1) = 3;
    *k->Eintrag(2, 2) = 1;
    std::vector<int> zustand(3, STATUS_PRIMAL);
    std::vector<double> u{1, 2, 3}, f{1, 1, 1};
    DuennZerlegung z;
    ASSERT_TRUE(z.Vorbereiten(*k, zustand.data()));
    int singulaer = -1;
    ASSERT_EQ(z.Zerlegen(*k, zustand.data(), &singulaer), 0);
    ASSERT_TRUE(z.Loesen(*k, zustand.data(), u.data(), f.data()));
    EXPECT_EQ(f, (std::vector<double>{2 + 2 - 1, 1 + 6 - 1, 3 - 1}));

    // a free pair whose rows are equal: kinematic, the row named
    *k->Eintrag(1, 0) = 2;
    *k->Eintrag(1, 1) = 2;
    zustand = {STATUS_DUAL, STATUS_DUAL, STATUS_PRIMAL};
    DuennZerlegung singulaerZerlegung;
    ASSERT_TRUE(singulaerZerlegung.Vorbereiten(*k, zustand.data()));
    EXPECT_EQ(singulaerZerlegung.Zerlegen(*k, zustand.data(), &singulaer), -2);
    EXPECT_TRUE(singulaer == 0 || singulaer == 1) << singulaer;
    FreeDMatrix(k);
}

// Whole runs on both solvers.
class DuennerLauf : public Analyse {
protected:
    void TearDown() override {
        DuennLoeserGrenzeSetzen(0);
        ArbeitsspeicherGrenzeSetzen(0);
        Analyse::TearDown();
    }
    // A frame with a settlement, a spring and a turned support, divided.
    void Rahmen() {
        Rahmenmasse masse;
        masse.Felder = 4;
        masse.Geschosse = 3;
        masse.Stabteilungen = 3;
        sys = RahmenErzeugen(masse);
        for (Stab* s : Elemente<Stab>(sys->Staebe)) {
            if (s->PunktA->Y == 0 && s->PunktA->X == 0) s->Freiheitsgrade[FG_AY]->Wert = -0.01;
            if (s->PunktA->Y == 0 && s->PunktA->X == 5) {
                s->Freiheitsgrade[FG_AX]->Status = STATUS_DUAL;
                s->Freiheitsgrade[FG_AX]->Feder = 5e4;
            }
            if (s->PunktA->Y == 0 && s->PunktA->X == 10) {
                s->Freiheitsgrade[FG_AX]->Winkel = s->Freiheitsgrade[FG_AY]->Winkel = 0.3;
            }
        }
    }
    struct Stand {
        bool gerechnet = false;
        std::vector<std::string> meldungen;
        std::vector<double> werte;  // displacements, reactions, end forces
    };
    Stand Rechnen(int grenze) {
        DuennLoeserGrenzeSetzen(grenze);
        bericht.Zeilen.clear();
        bericht.Werte.clear();
        Stand s;
        s.gerechnet = Analyse::Rechnen();
        for (const std::string& m : Meldungen())
            if (m.find(" s]") == std::string::npos && m.rfind("Rechenzeit", 0) != 0) s.meldungen.push_back(m);
        for (const Freiheitsgrad* fg : Elemente<Freiheitsgrad>(sys->Freiheitsgrade)) {
            s.werte.push_back(fg->Wert);
            s.werte.push_back(fg->Reaktion);
        }
        for (const Stab* st : Elemente<Stab>(sys->Staebe))
            for (const Stababschnitt* r : Elemente<Stababschnitt>(st->Ergebnisse))
                for (double w : {r->NA, r->QA, r->MA, r->NE, r->QE, r->ME}) s.werte.push_back(w);
        return s;
    }
};

TEST_F(DuennerLauf, ErgebnisseUndMeldungenWieMitDemProfilloeser) {
    Rahmen();
    const Stand profil = Rechnen(1 << 30);
    const Stand duenn = Rechnen(1);
    ASSERT_TRUE(profil.gerechnet && duenn.gerechnet);
    EXPECT_EQ(duenn.meldungen, profil.meldungen);
    ASSERT_EQ(duenn.werte.size(), profil.werte.size());
    double skala = 0;
    for (double w : profil.werte) skala = std::max(skala, std::fabs(w));
    for (std::size_t i = 0; i < profil.werte.size(); ++i) EXPECT_NEAR(duenn.werte[i], profil.werte[i], 1e-10 * skala) << i;
    const Kraeftebilanz b = Gleichgewicht(M());
    EXPECT_NEAR(b.Fx, 0, 1e-9 * b.Betrag);
    EXPECT_NEAR(b.Fy, 0, 1e-9 * b.Betrag);
}

TEST_F(DuennerLauf, FortschrittLaeuftWaehrendDerZerlegung) {
    Rahmen();
    ASSERT_TRUE(Rechnen(1).gerechnet);
    const auto anfang = std::find(bericht.Werte.begin(), bericht.Werte.end(), 0.4);
    const auto ende = std::find(anfang, bericht.Werte.end(), 0.7);
    ASSERT_NE(ende, bericht.Werte.end());
    EXPECT_GT(ende - anfang, 20);  // many steps between 0.4 and 0.7
    EXPECT_TRUE(std::is_sorted(anfang + 1, ende));
    EXPECT_EQ(*(anfang + 1), 0.0);
    EXPECT_LT(*(ende - 1), 1.0);
    EXPECT_EQ(bericht.Werte.back(), 0.0);
}

TEST_F(DuennerLauf, UeberlaufWieMitDemProfilloeser) {
    // a modulus near the largest double: pivots beyond any number, and the
    // run must end with the check of the results, as on the profile solver
    Stab* s = StabZwischen(P(0, 0), P(4, 0));
    for (int r = 0; r < 3; ++r) Festhalten(s->Freiheitsgrade[r]);
    Kraft(Lastfall_(), s, 1.0, 10, 0);
    MaterialAnlegen(2, 1e308);
    s->Material = 2;
    for (int grenze : {1 << 30, 1}) {
        Rechnen(grenze);
        EXPECT_EQ(Meldungen().back(), "Fehler beim Berechnen ! - Ergebnisse nicht endlich, Eingabewerte pr\xFC"
                                      "fen !")
            << grenze;
    }
}

TEST_F(DuennerLauf, KinematischUndSpeicherfehler) {
    // a beam on two rollers, free to slide along its axis
    Stab* s = StabZwischen(P(0, 0), P(4, 0));
    Festhalten(s->Freiheitsgrade[FG_AY]);
    Festhalten(s->Freiheitsgrade[FG_BY]);
    Kraft(Lastfall_(), s, 0.5, 1, 0);
    DuennLoeserGrenzeSetzen(1);
    EXPECT_FALSE(Analyse::Rechnen());
    EXPECT_EQ(Meldungen().back(), "Fehler beim Zerlegen der SystemSteifigkeit ! System kinematisch !");
    EXPECT_EQ(KeAnzahl(s->Ergebnisse), 0);

    // room for the work vectors, not for the matrix
    Festhalten(s->Freiheitsgrade[FG_AX]);
    sys->Stabteilungen = 1;
    ArbeitsspeicherGrenzeSetzen(9 * 40 + 9 * 8);
    EXPECT_FALSE(Analyse::Rechnen());
    EXPECT_EQ(Meldungen().back(), "Speicherfehler !");
    ArbeitsspeicherGrenzeSetzen(0);
    EXPECT_TRUE(Analyse::Rechnen());
}

}  // namespace
