// Second-order runs through the whole program path: closed forms along the
// bars and of the critical load factor, the messages and progress of a run,
// instability, and the results' independence of the bar division.
//
// Bars in the closed forms run along +x: a vertical bar or one pointing to
// -x gets its angle from the rounded constants of the bar geometry
// (1.570796327 for pi/2), which tilts it by 2e-10 and turns a little of a
// large axial load across it, more than the 1e-9 these tests ask.
#include <algorithm>
#include <cmath>
#include <regex>

#include "analysis/ergebnisse.h"
#include "analysis/theorie2ordnung.h"
#include "analysis/gleichungsloeser.h"
#include "aufbau.h"
#include "core/aenderungen.h"
#include "core/programm.h"

namespace {

constexpr double PI = 3.14159265358979323846;

double Rel(double ist, double soll) { return std::fabs(ist - soll) / std::fabs(soll); }

class TheorieII : public Analyse {
protected:
    bool Rechnen2() {
        bericht.Zeilen.clear();
        bericht.Werte.clear();
        return TheorieIIOrdnungBerechnen(*sys, Programm, bericht);
    }
    // A bar from (0, 0) to (L, 0) with the given end A and B supports
    // (x, y, rotation held), loaded at B by P along -x (compression for
    // P > 0) and H across (+y).
    Stab* Stuetze(double L, std::array<bool, 3> a, std::array<bool, 3> b, double P, double H) {
        Stab* s = StabZwischen(this->P(0, 0), this->P(L, 0));
        for (int r = 0; r < 3; ++r) {
            if (a[r]) Festhalten(s->Freiheitsgrade[r]);
            if (b[r]) Festhalten(s->Freiheitsgrade[3 + r]);
        }
        lf = Lastfall_();
        if (P != 0.0) Kraft(lf, s, 1.0, P, -PI / 2);
        if (H != 0.0) Kraft(lf, s, 1.0, H, PI);
        return s;
    }
    Lastfall* lf = nullptr;
    const double EI = E * Iz;
};

// The cantilever with P and H (tip deflection, clamping moment) and the
// beam-column on two supports under uniform load, in compression and in
// tension (midspan moment inside the element), with 0, 2 and 10 divisions.
TEST_F(TheorieII, GeschlosseneFormen) {
    const double L = 4.0, P = 2000.0, H = 7.0, k = std::sqrt(P / EI);
    for (long teilungen : {0L, 2L, 10L}) {
        TearDown();
        SetUp();
        sys->Stabteilungen = teilungen;
        Stab* s = Stuetze(L, {true, true, true}, {false, false, false}, P, H);
        ASSERT_TRUE(Rechnen2());
        EXPECT_LT(Rel(s->Freiheitsgrade[4]->Wert, H / (P * k) * (std::tan(k * L) - k * L)), 1e-9) << teilungen;
        EXPECT_LT(Rel(MomentAn(s, 0.0), H * std::tan(k * L) / k), 1e-9) << teilungen;
        EXPECT_LT(Rel(NormalkraftAn(s, 0.3), -P), 1e-12);
        EXPECT_EQ(sys->Theorie, THEORIE_II);
        EXPECT_EQ(sys->Verzweigung, VERZWEIGUNG_GEFUNDEN);
        EXPECT_LT(Rel(sys->Verzweigungslastfaktor, PI * PI * EI / (4 * L * L * P)), 1e-6);
    }
    const double q = 12.0;
    for (double vorzeichen : {1.0, -1.0}) {  // compression, tension
        for (long teilungen : {0L, 2L, 10L}) {
            TearDown();
            SetUp();
            sys->Stabteilungen = teilungen;
            Stab* s = Stuetze(L, {true, true, false}, {false, true, false}, vorzeichen * P, 0.0);
            Strecke(lf, s, 0.0, 1.0, q, q, 0.0);
            ASSERT_TRUE(Rechnen2());
            const double u = k * L / 2;
            const double mitte = vorzeichen > 0 ? q / (k * k) * (1 / std::cos(u) - 1) : q / (k * k) * (1 - 1 / std::cosh(u));
            EXPECT_LT(Rel(MomentAn(s, 0.5), mitte), 1e-9) << vorzeichen << " " << teilungen;
            double t;
            EXPECT_LT(Rel(MaxMoment(s, &t), mitte), 1e-9);
            EXPECT_NEAR(t, 0.5, 1e-6);
            if (vorzeichen < 0) {
                EXPECT_EQ(sys->Verzweigung, VERZWEIGUNG_KEINE_DRUCKKRAEFTE);
            }
        }
    }
}

// Critical load factors of single columns (the fixed-fixed one in a single
// element buckles inside it) and of a portal frame, whose sway mode solves
// tan z = -z EI_c / (h c) with z = h sqrt(P / EI_c) and c the beam's
// restraint of a joint.
TEST_F(TheorieII, Verzweigungslastfaktoren) {
    const double L = 5.0, P = 300.0;
    struct Fall {
        std::array<bool, 3> a, b;
        double faktor;
    };
    for (const Fall& f : {Fall{{true, true, true}, {false, false, false}, 0.25},
                          Fall{{true, true, false}, {false, true, false}, 1.0},
                          Fall{{true, true, true}, {false, true, true}, 4.0}}) {
        for (long teilungen : {0L, 3L}) {
            TearDown();
            SetUp();
            sys->Stabteilungen = teilungen;
            Stuetze(L, f.a, f.b, P, 0.0);
            Verzweigungslast v;
            ASSERT_TRUE(VerzweigungslastfaktorBerechnen(*sys, Programm, bericht, v));
            ASSERT_EQ(v.Status, VERZWEIGUNG_GEFUNDEN);
            EXPECT_LT(Rel(v.Faktor, f.faktor * PI * PI * EI / (L * L * P)), 1e-6) << f.faktor << " " << teilungen;
            EXPECT_EQ(sys->Theorie, THEORIE_KEINE);  // the factor alone leaves no results
        }
    }

    TearDown();
    SetUp();
    const double h = 4.0, b = 6.0, IzRiegel = 3 * Iz;
    QuerschnittAnlegen(2, A, IzRiegel);
    Stab* links = StabZwischen(this->P(0, 0), this->P(0, h));
    Stab* riegel = StabAnschliessen(links, this->P(b, h));
    Stab* rechts = StabZwischen(this->P(b, 0), riegel->PunktB,
                                {nullptr, nullptr, nullptr, riegel->Freiheitsgrade[3], riegel->Freiheitsgrade[4],
                                 riegel->Freiheitsgrade[5]});
    riegel->Querschnitt = 2;
    for (int r = 0; r < 3; ++r) {
        Festhalten(links->Freiheitsgrade[r]);
        Festhalten(rechts->Freiheitsgrade[r]);
    }
    Lastfall* last = Lastfall_();
    Kraft(last, links, 1.0, P, 0.0);
    Kraft(last, rechts, 1.0, P, 0.0);
    // The beam's end shears lengthen one column and shorten the other,
    // which turns the beam's chord: its restraint of the joints becomes
    // 6 EI_b / b - (12 EI_b / b^2)^2 / (24 EI_b / b^3 + EA / h).
    const double eiRiegel = E * IzRiegel;
    const double einspannung = 6 * eiRiegel / b - std::pow(12 * eiRiegel / (b * b), 2) /
                                                       (24 * eiRiegel / (b * b * b) + E * A / h);
    const double c = EI / (h * einspannung);  // tan z = -c z
    double unten = PI / 2 + 1e-12, oben = PI - 1e-12;  // tan z + c z changes sign once
    for (int i = 0; i < 200; ++i) {
        const double z = 0.5 * (unten + oben);
        (std::tan(z) + c * z < 0 ? unten : oben) = z;
    }
    const double z = 0.5 * (unten + oben);
    Verzweigungslast v;
    ASSERT_TRUE(VerzweigungslastfaktorBerechnen(*sys, Programm, bericht, v));
    EXPECT_LT(Rel(v.Faktor, EI * z * z / (h * h * P)), 1e-6);
}

// The messages of a run that iterates, the progress moving across the
// iterations, the factor kept with the results.
TEST_F(TheorieII, MeldungenUndFortschritt) {
    sys->Stabteilungen = 2;
    const double h = 4.0, b = 6.0;
    Stab* links = StabZwischen(P(0, 0), P(0, h));
    Stab* riegel = StabAnschliessen(links, P(b, h));
    Stab* rechts = StabZwischen(P(b, 0), riegel->PunktB,
                                {nullptr, nullptr, nullptr, riegel->Freiheitsgrade[3], riegel->Freiheitsgrade[4],
                                 riegel->Freiheitsgrade[5]});
    for (int r = 0; r < 3; ++r) {
        Festhalten(links->Freiheitsgrade[r]);
        Festhalten(rechts->Freiheitsgrade[r]);
    }
    Lastfall* last = Lastfall_();
    Kraft(last, links, 1.0, 800.0, 0.0);
    Kraft(last, links, 1.0, 40.0, PI / 2);
    Strecke(last, riegel, 0.0, 1.0, 30.0, 30.0, 0.0);
    Aenderungssammler aenderungen;
    Aenderungsempfaenger* vorher = AenderungsempfaengerSetzen(&aenderungen);
    ASSERT_TRUE(Rechnen2());
    AenderungsempfaengerSetzen(vorher);
    EXPECT_TRUE(aenderungen.Abholen().ArtenVon(sys) & AENDERUNG_ERGEBNISSE);

    const std::vector<std::string> m = Meldungen();
    ASSERT_GE(m.size(), 13u);
    const std::vector<std::string> anfang = {"Kernmodell erstellt ...", "Anzahl Freiheitsgrade : 21 ... ",
                                             "Systemsteifigkeit aufgebaut ...", "Zerlege Systemsteifigkeit ..."};
    for (std::size_t i = 0; i < anfang.size(); ++i) EXPECT_EQ(m[i], anfang[i]);
    EXPECT_TRUE(std::regex_match(m[4], std::regex(R"(Gleichungssystem zerlegt \[\d+\.\d\d s\] \.\.\. )"))) << m[4];
    EXPECT_EQ(m[5], "Gleichungssystem gel\xF6st ... ");
    const std::regex iteration("Iteration (\\d+) : max\\. \xC4nderung der Normalkr\xE4" "fte \\d\\.\\d{3}e[-+]\\d\\d");
    std::size_t i = 6;
    for (; i < m.size() && std::regex_match(m[i], iteration); ++i)
        EXPECT_EQ(m[i].substr(10, std::to_string(i - 5).size() + 1), std::to_string(i - 5) + " ");
    const std::size_t iterationen = i - 6;
    EXPECT_GE(iterationen, 3u);
    ASSERT_EQ(m.size(), i + 4);
    EXPECT_EQ(m[i], "Nachlaufrechnung durchgef\xFChrt ... ");
    EXPECT_TRUE(std::regex_match(m[i + 1], std::regex(R"(Rechenzeit : \d+\.\d\d s)"))) << m[i + 1];
    EXPECT_EQ(m[i + 2], "Verzweigungslastfaktor : " + VerzweigungslastText(*sys));
    EXPECT_TRUE(std::regex_match(m[i + 2], std::regex(R"(Verzweigungslastfaktor : \d+\.\d{3})"))) << m[i + 2];
    EXPECT_EQ(m[i + 3], "-> System nach Theorie II.Ordnung berechnet !");

    // The bar moves: never back once the first solution stands, several
    // values between it and the search, and ends at 1, then 0.
    const std::vector<double>& w = bericht.Werte;
    const std::vector<double> zerlegtGeloest = {0.7, 0.75};
    const auto nachLoesung = std::search(w.begin(), w.end(), zerlegtGeloest.begin(), zerlegtGeloest.end());
    ASSERT_NE(nachLoesung, w.end());
    EXPECT_TRUE(std::is_sorted(nachLoesung, w.end() - 1));
    EXPECT_GE(std::count_if(nachLoesung, w.end(), [](double x) { return x > 0.75 && x < 0.9; }), 2);
    EXPECT_EQ(w[w.size() - 2], 1.0);
    EXPECT_EQ(w.back(), 0.0);
}

// Above the critical load: the message, the factor that says how far, no
// results kept (also none of an earlier run), and the change reported.
TEST_F(TheorieII, UeberDerVerzweigungslast) {
    const double L = 4.0, kritisch = PI * PI * EI / (4 * L * L);
    Stab* s = Stuetze(L, {true, true, true}, {false, false, false}, 1.25 * kritisch, 1.0);
    ASSERT_TRUE(Rechnen());  // first order has results
    ASSERT_TRUE(s->Ergebnisse && KeAnzahl(s->Ergebnisse) > 0);
    Aenderungssammler aenderungen;
    Aenderungsempfaenger* vorher = AenderungsempfaengerSetzen(&aenderungen);
    EXPECT_FALSE(Rechnen2());
    AenderungsempfaengerSetzen(vorher);
    const std::vector<std::string> m = Meldungen();
    ASSERT_GE(m.size(), 2u);
    EXPECT_EQ(m[m.size() - 2], "Verzweigungslastfaktor : 0.800");
    EXPECT_EQ(m.back(), "Fehler beim Berechnen ! - System instabil (Belastung \xFC\x62\x65r der Verzweigungslast) !");
    EXPECT_EQ(KeAnzahl(s->Ergebnisse), 0);
    EXPECT_EQ(sys->Theorie, THEORIE_KEINE);
    EXPECT_TRUE(aenderungen.Abholen().ArtenVon(sys) & AENDERUNG_ERGEBNISSE);
    EXPECT_EQ(bericht.Werte.back(), 0.0);

    // Just below, the iteration converges; the factor alone is the same.
    TearDown();
    SetUp();
    Stuetze(L, {true, true, true}, {false, false, false}, 0.99 * kritisch, 1.0);
    EXPECT_TRUE(Rechnen2());
    Verzweigungslast v;
    ASSERT_TRUE(VerzweigungslastfaktorBerechnen(*sys, Programm, bericht, v));
    EXPECT_LT(Rel(v.Faktor, 1 / 0.99), 1e-6);
    EXPECT_EQ(VerzweigungslastText(v), "1.010");
}

// No compression anywhere (a beam under transverse load), and a structure
// that first-order theory computes but that has no stable state at all (a
// negative spring).
TEST_F(TheorieII, KeineDruckkraefteUndInstabilOhneLast) {
    Stab* s = Stuetze(5.0, {true, true, false}, {false, true, false}, 0.0, 0.0);
    Strecke(lf, s, 0.0, 1.0, 10.0, 10.0, 0.0);
    ASSERT_TRUE(Rechnen2());
    EXPECT_EQ(Meldungen()[Meldungen().size() - 2], "Verzweigungslastfaktor : keine Druckkr\xE4\x66te");
    EXPECT_EQ(sys->Verzweigung, VERZWEIGUNG_KEINE_DRUCKKRAEFTE);

    s->Freiheitsgrade[5]->Feder = -1e9;
    EXPECT_TRUE(Rechnen());
    EXPECT_FALSE(Rechnen2());
    EXPECT_EQ(Meldungen().back(), "Fehler beim Berechnen ! - System instabil (Belastung \xFC\x62\x65r der Verzweigungslast) !");
}

// Short of memory for the work data or the matrix: the messages of the
// first-order run, and no results left of an earlier run.
TEST_F(TheorieII, ZuWenigSpeicher) {
    Stab* s = Stuetze(4.0, {true, true, true}, {false, false, false}, 100.0, 1.0);
    ASSERT_TRUE(Rechnen());
    ArbeitsspeicherGrenzeSetzen(10);
    EXPECT_FALSE(Rechnen2());
    EXPECT_EQ(Meldungen().back(), "Fehler beim Berechnen ! - zu wenig Speicher");
    ArbeitsspeicherGrenzeSetzen(9 * 40 + 9 * 8);
    EXPECT_FALSE(Rechnen2());
    EXPECT_EQ(Meldungen().back(), "Speicherfehler !");
    ArbeitsspeicherGrenzeSetzen(0);
    // A failed run leaves no results of the earlier one behind.
    EXPECT_EQ(KeAnzahl(s->Ergebnisse), 0);
    EXPECT_EQ(sys->Theorie, THEORIE_KEINE);
}

}  // namespace
