// The envelope of all combinations against every combination computed on
// its own, the load cases put back, and the refusals.
#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "analysis/ergebnisse.h"
#include "analysis/theorie2ordnung.h"
#include "analysis/umhuellende.h"
#include "aufbau.h"
#include "core/aenderungen.h"
#include "core/ergebnisstand.h"
#include "core/lastverwaltung.h"
#include "core/programm.h"
#include "core/systemoperationen.h"

namespace {

class Huelle : public Analyse {
protected:
    // A two-span beam 9 m + 4 m: a point load on the first span at 3 m
    // (t = 3/9, a listed position: the shear force jumps there), a uniform
    // load on both spans, a horizontal load for N and u.  Combinations
    // numbered 5, 2 and 7, created in that order.
    void Aufbauen() {
        Punkt* a = P(0, 0);
        Punkt* b = P(9, 0);
        Punkt* c = P(13, 0);
        feld1 = StabZwischen(a, b);
        feld2 = StabAnschliessen(feld1, c);
        Festhalten(feld1->Freiheitsgrade[FG_AX]);
        Festhalten(feld1->Freiheitsgrade[FG_AY]);
        Festhalten(feld1->Freiheitsgrade[FG_BY]);
        Festhalten(feld2->Freiheitsgrade[FG_BY]);
        eigen = Lastfall_(1.0, 1);
        Strecke(eigen, feld1, 0.0, 1.0, 5.0, 5.0, 0.0);
        Strecke(eigen, feld2, 0.0, 1.0, 5.0, 5.0, 0.0);
        verkehr = Lastfall_(1.0, -1);
        Kraft(verkehr, feld1, 3.0 / 9.0, 40.0, 0.0);
        Strecke(verkehr, feld2, 0.0, 1.0, 12.0, 12.0, 0.0);
        wind = Lastfall_(1.0, -1);
        Kraft(wind, feld2, 1.0, 20.0, -PI_HALBE);  // along the beam at its end
        Anlegen(5, {{eigen, 1.35}, {verkehr, 1.5}});
        Anlegen(2, {{eigen, 1.0}});
        Anlegen(7, {{eigen, 1.0}, {verkehr, 1.0}, {wind, -1.5}});
        // What the user had active before: not a combination.
        LastfaelleAktivieren(*sys, {eigen->Nummer, wind->Nummer});
        eigen->Gewicht = 0.8;
        wind->Gewicht = 2.0;
    }
    void Anlegen(long nummer, std::vector<std::pair<Lastfall*, double>> anteile) {
        for (Lastfall* lf : Elemente<Lastfall>(sys->Lastfaelle)) lf->Aktiv = -1;
        for (auto [lf, faktor] : anteile) {
            lf->Aktiv = 1;
            lf->Gewicht = faktor;
        }
        KombinationAusAktiven(*sys, nummer);
    }
    static constexpr double PI_HALBE = 1.5707963267948966;
    Stab *feld1 = nullptr, *feld2 = nullptr;
    Lastfall *eigen = nullptr, *verkehr = nullptr, *wind = nullptr;
};

bool ZaehlLauf(System& s, const Kataloge& k, Berichtsempfaenger& b);
int laeufe = 0;
bool ZaehlLauf(System& s, const Kataloge& k, Berichtsempfaenger& b) {
    ++laeufe;
    return TheorieIOrdnungBerechnen(s, k, b);
}

TEST_F(Huelle, JedeKombinationFuerSichGerechnetGibtDieselbenWerte) {
    Aufbauen();
    sys->Stabteilungen = 3;
    const long aenderungen = sys->Aenderungen;
    ASSERT_TRUE(UmhuellendeBerechnen(*sys, Programm, bericht, TheorieIOrdnungBerechnen));
    ASSERT_NE(sys->Huelle, nullptr);
    const Umhuellende huelle = *sys->Huelle;
    EXPECT_EQ(huelle.Kombinationen, 3);
    ASSERT_EQ(huelle.Staebe.size(), 2u);
    EXPECT_EQ(huelle.Staebe[0].Stab, feld1->Nummer);

    // The load cases as before, nothing counted as an edit, no results of
    // a single combination left in the bars.
    EXPECT_EQ(eigen->Aktiv, 1);
    EXPECT_EQ(verkehr->Aktiv, -1);
    EXPECT_EQ(wind->Aktiv, 1);
    EXPECT_EQ(eigen->Gewicht, 0.8);
    EXPECT_EQ(verkehr->Gewicht, 1.0);
    EXPECT_EQ(wind->Gewicht, 2.0);
    for (Lastfallkombination* k : Elemente<Lastfallkombination>(sys->Kombinationen)) EXPECT_EQ(k->Aktiv, 0);
    EXPECT_EQ(sys->Aenderungen, aenderungen);
    EXPECT_FALSE(ErgebnisseVorhanden(*sys));
    EXPECT_TRUE(KeLeer(feld1->Ergebnisse));

    // One line per combination, in ascending number; the progress moves on.
    std::vector<std::string> kombinationen;
    for (const std::string& t : Meldungen())
        if (t.rfind("Kombination ", 0) == 0) kombinationen.push_back(t);
    EXPECT_EQ(kombinationen, (std::vector<std::string>{"Kombination 2 (Kombination) ...",
                                                       "Kombination 5 (Kombination) ...",
                                                       "Kombination 7 (Kombination) ..."}));
    ASSERT_FALSE(bericht.Werte.empty());
    EXPECT_EQ(bericht.Werte.back(), 0.0);
    EXPECT_NEAR(*std::max_element(bericht.Werte.begin(), bericht.Werte.end()), 1.0, 1e-12);

    // Each combination on its own, both sides of a point found just before
    // and after it.
    const long nummern[] = {2, 5, 7};
    struct Seiten {
        double max = -1e300, min = 1e300;
    };
    Seiten werte[3][2][HUELLSTELLEN][HUELLGROESSEN];
    for (int k = 0; k < 3; ++k) {
        KombinationAktivieren(*sys, nummern[k]);
        ASSERT_TRUE(Rechnen());
        const Stab* staebe[] = {feld1, feld2};
        for (int s = 0; s < 2; ++s)
            for (int i = 0; i < HUELLSTELLEN; ++i)
                for (int g = 0; g < HUELLGROESSEN; ++g) {
                    double (*f)(const Stab*, double) = g == HUELLE_M   ? MomentAn
                                                       : g == HUELLE_Q ? QuerkraftAn
                                                       : g == HUELLE_N ? NormalkraftAn
                                                       : g == HUELLE_W ? DurchbiegungAn
                                                                       : LaengsverschiebungAn;
                    Seiten& w = werte[k][s][i][g];
                    for (double d : {-1e-9, 0.0, 1e-9}) {
                        const double v = f(staebe[s], std::clamp(i / 9.0 + d, 0.0, 1.0));
                        w.max = std::max(w.max, v);
                        w.min = std::min(w.min, v);
                    }
                }
    }
    int spruenge = 0;
    for (int s = 0; s < 2; ++s)
        for (int i = 0; i < HUELLSTELLEN; ++i)
            for (int g = 0; g < HUELLGROESSEN; ++g) {
                const Huellstelle& h = huelle.Staebe[s].Stellen[i];
                // Round-off is judged against the quantity along the whole bar.
                double skala = 0.0;
                for (int k = 0; k < 3; ++k)
                    for (int j = 0; j < HUELLSTELLEN; ++j)
                        skala = std::max({skala, std::fabs(werte[k][s][j][g].max), std::fabs(werte[k][s][j][g].min)});
                // The winner where it is clear; a tie may go to either.
                for (bool maximum : {true, false}) {
                    std::vector<std::pair<double, long>> rang;
                    for (int k = 0; k < 3; ++k)
                        rang.emplace_back(maximum ? werte[k][s][i][g].max : -werte[k][s][i][g].min, nummern[k]);
                    std::sort(rang.rbegin(), rang.rend());
                    const Huellwert& w = maximum ? h.Max[g] : h.Min[g];
                    EXPECT_NEAR(maximum ? w.Wert : -w.Wert, rang[0].first, 1e-7 * skala) << s << i << g;
                    if (rang[0].first - rang[1].first > 1e-6 * skala) {
                        EXPECT_EQ(w.Kombination, rang[0].second) << s << i << g;
                    }
                }
                if (s == 0 && i == 3 && g == HUELLE_Q) spruenge += h.Max[g].Wert - h.Min[g].Wert > 30.0;
            }
    // At the point load the shear force of combination 5 jumps by 1.5 * 40:
    // max and min at the same position lie that far apart.
    EXPECT_EQ(spruenge, 1);
}

TEST_F(Huelle, EineAenderungEntferntSie) {
    Aufbauen();
    ASSERT_TRUE(UmhuellendeBerechnen(*sys, Programm, bericht, TheorieIOrdnungBerechnen));
    ASSERT_NE(sys->Huelle, nullptr);
    // A run of its own replaces it, like any earlier results.
    ASSERT_TRUE(Rechnen());
    EXPECT_EQ(sys->Huelle, nullptr);
    ASSERT_TRUE(UmhuellendeBerechnen(*sys, Programm, bericht, TheorieIOrdnungBerechnen));
    KombinationAktivieren(*sys, 2);
    EXPECT_EQ(sys->Huelle, nullptr);
    EXPECT_EQ(Meldungen().back(), ERGEBNISSE_VERALTET);
    // Moving the whole System keeps it, as it keeps results.
    ASSERT_TRUE(UmhuellendeBerechnen(*sys, Programm, bericht, TheorieIOrdnungBerechnen));
    AenderungMelden(sys, AENDERUNG_LAGE | AENDERUNG_MARKIERUNG);
    EXPECT_NE(sys->Huelle, nullptr);
}

TEST_F(Huelle, OhneKombinationenWirdNichtsGerechnet) {
    Stab* s = StabZwischen(P(0, 0), P(4, 0));
    for (int slot : {FG_AX, FG_AY, FG_BY}) Festhalten(s->Freiheitsgrade[slot]);
    Strecke(Lastfall_(), s, 0.0, 1.0, 10.0, 10.0, 0.0);
    ASSERT_TRUE(Rechnen());
    laeufe = 0;
    EXPECT_FALSE(UmhuellendeBerechnen(*sys, Programm, bericht, ZaehlLauf));
    EXPECT_EQ(laeufe, 0);
    EXPECT_EQ(Meldungen().back(), "keine Lastfallkombinationen !");
    EXPECT_EQ(sys->Huelle, nullptr);
    // Nothing computed: the results shown before stay.
    EXPECT_TRUE(ErgebnisseVorhanden(*sys));
}

TEST_F(Huelle, KinematischeKombinationBrichtAb) {
    // A beam on a single hinge: kinematic under every combination.
    Aufbauen();
    feld1->Freiheitsgrade[FG_BY]->Status = STATUS_DUAL;
    feld2->Freiheitsgrade[FG_BY]->Status = STATUS_DUAL;
    laeufe = 0;
    EXPECT_FALSE(UmhuellendeBerechnen(*sys, Programm, bericht, ZaehlLauf));
    EXPECT_EQ(laeufe, 1);
    EXPECT_EQ(sys->Huelle, nullptr);
    const std::vector<std::string> m = Meldungen();
    ASSERT_GE(m.size(), 2u);
    EXPECT_EQ(m[m.size() - 2], "Fehler beim Zerlegen der SystemSteifigkeit ! System kinematisch !");
    EXPECT_EQ(m.back(), "Umh\xfcllende bei Kombination 2 abgebrochen !");
    EXPECT_EQ(eigen->Aktiv, 1);
    EXPECT_EQ(eigen->Gewicht, 0.8);
    EXPECT_EQ(verkehr->Aktiv, -1);
    EXPECT_EQ(wind->Gewicht, 2.0);
    EXPECT_EQ(bericht.Werte.back(), 0.0);
}

}  // namespace

namespace {

TEST_F(Huelle, NachTheorieZweiterOrdnungWieJedeKombinationFuerSich) {
    // A cantilever column 4 m high under a compressive force and a
    // horizontal one at its head: second-order theory increases the moment
    // at the foot.
    Stab* s = StabZwischen(P(0, 0), P(0, 4));
    for (int slot : {FG_AX, FG_AY, FG_AR}) Festhalten(s->Freiheitsgrade[slot]);
    Lastfall* druck = Lastfall_(1.0, 1);
    Kraft(druck, s, 1.0, 200.0, 0.0);  // downwards
    Lastfall* seite = Lastfall_(1.0, 1);
    Kraft(seite, s, 1.0, 10.0, PI_HALBE);
    KombinationAusAktiven(*sys, 1);
    seite->Gewicht = -1.0;
    KombinationAusAktiven(*sys, 3);
    ASSERT_TRUE(UmhuellendeBerechnen(*sys, Programm, bericht, TheorieIIOrdnungBerechnen, true));
    const Umhuellende huelle = *sys->Huelle;
    EXPECT_TRUE(huelle.TheorieII);
    const Huellstelle& fuss = huelle.Staebe[0].Stellen[0];
    double m[2];
    for (int k = 0; k < 2; ++k) {
        KombinationAktivieren(*sys, k == 0 ? 1 : 3);
        ASSERT_TRUE(TheorieIIOrdnungBerechnen(*sys, Programm, bericht));
        m[k] = MomentAn(s, 0.0);
    }
    EXPECT_NEAR(fuss.Max[HUELLE_M].Wert, std::max(m[0], m[1]), 1e-9 * std::fabs(m[0]));
    EXPECT_NEAR(fuss.Min[HUELLE_M].Wert, std::min(m[0], m[1]), 1e-9 * std::fabs(m[0]));
    // More than the first-order 10 kN * 4 m.
    EXPECT_GT(std::fabs(m[0]), 40.0 * 1.01);
}

}  // namespace
