// The analysis run as a whole: its messages, progress values and failure
// paths, the repeatable assembly and the renumbering of the equations.
#include <algorithm>
#include <cmath>
#include <cstring>
#include <numeric>
#include <vector>

#include "analysis/berechnung.h"
#include "analysis/ergebnisse.h"
#include "analysis/gleichungsloeser.h"
#include "analysis/kernmodell.h"
#include "analysis/nachlauf.h"
#include "analysis/nummerierung.h"
#include "analysis/steifigkeit.h"
#include "aufbau.h"
#include "bench/rahmen.h"
#include "core/aenderungen.h"
#include "core/programm.h"

namespace {

// True when `text` is `vorn`, a number with two decimals, then `hinten`.
bool ZeitMeldung(const std::string& text, const std::string& vorn, const std::string& hinten) {
    if (text.size() < vorn.size() + hinten.size() + 4) return false;
    if (text.compare(0, vorn.size(), vorn) != 0) return false;
    if (text.compare(text.size() - hinten.size(), hinten.size(), hinten) != 0) return false;
    const std::string zahl = text.substr(vorn.size(), text.size() - vorn.size() - hinten.size());
    const std::size_t punkt = zahl.find('.');
    if (punkt == std::string::npos || punkt == 0 || zahl.size() - punkt != 3) return false;
    return std::all_of(zahl.begin(), zahl.end(), [](char c) { return c == '.' || (c >= '0' && c <= '9'); });
}

class Ablauf : public Analyse {
protected:
    void SetUp() override {
        Analyse::SetUp();
        vorher = AenderungsempfaengerSetzen(&aenderungen);
    }
    void TearDown() override {
        AenderungsempfaengerSetzen(vorher);
        ArbeitsspeicherGrenzeSetzen(0);
        Analyse::TearDown();
    }
    // Whether a run reported new results (on which the window redraws).
    bool ErgebnisseGemeldet() { return aenderungen.Abholen().ArtenVon(sys) & AENDERUNG_ERGEBNISSE; }
    Stab* Kragarm() {
        Stab* s = StabZwischen(P(0, 0), P(3, 0));
        for (int r = 0; r < 3; ++r) Festhalten(s->Freiheitsgrade[r]);
        Kraft(Lastfall_(), s, 1.0, 10, 0);
        return s;
    }
    Aenderungssammler aenderungen;
    Aenderungsempfaenger* vorher = nullptr;
};

TEST_F(Ablauf, ErfolgreicherLaufMeldetJedenSchritt) {
    sys->Stabteilungen = 1;
    Kragarm();
    ASSERT_TRUE(Rechnen());
    const std::vector<std::string> m = Meldungen();
    ASSERT_EQ(m.size(), 9u);
    EXPECT_EQ(m[0], "Kernmodell erstellt ...");
    EXPECT_EQ(m[1], "Anzahl Freiheitsgrade : 6 ... ");
    EXPECT_EQ(m[2], "Systemsteifigkeit aufgebaut ...");
    EXPECT_EQ(m[3], "Zerlege Systemsteifigkeit ...");
    EXPECT_TRUE(ZeitMeldung(m[4], "Gleichungssystem zerlegt [", " s] ... ")) << m[4];
    EXPECT_EQ(m[5], "Gleichungssystem gel\xF6st ... ");
    EXPECT_EQ(m[6], "Nachlaufrechnung durchgef\xFChrt ... ");
    EXPECT_TRUE(ZeitMeldung(m[7], "Rechenzeit : ", " s")) << m[7];
    EXPECT_EQ(m[8], "-> System nach Theorie I.Ordnung berechnet !");
    EXPECT_EQ(bericht.Zeilen[0].substr(4), "  Kernmodell erstellt ...");
    EXPECT_TRUE(ErgebnisseGemeldet());
    // 0.1, 0.2, 0.3, 0.4, one value per row (0, 1/6, ...), 0.7, 0.9, 1, 0
    const std::vector<double> erwartet{0.1, 0.2, 0.3, 0.4, 0.0, 1 / 6.0, 2 / 6.0, 3 / 6.0, 4 / 6.0, 5 / 6.0,
                                       0.7, 0.9, 1.0, 0.0};
    ASSERT_EQ(bericht.Werte.size(), erwartet.size());
    for (std::size_t i = 0; i < erwartet.size(); ++i) EXPECT_DOUBLE_EQ(bericht.Werte[i], erwartet[i]) << i;
}

TEST_F(Ablauf, OhneStaebe) {
    EXPECT_FALSE(Rechnen());
    EXPECT_EQ(Meldungen(), (std::vector<std::string>{"kein System !", "Kernmodell erstellt ...",
                                                    "Fehler beim Berechnen ! - keine FG"}));
    EXPECT_EQ(bericht.Werte.back(), 0.1);
    EXPECT_FALSE(ErgebnisseGemeldet());
}

TEST_F(Ablauf, ModellpruefungMeldetDenErstenFehler) {
    Stab* s = Kragarm();
    struct Fall {
        long material, querschnitt;
        const char* meldung;
    };
    MaterialAnlegen(2, 0.0);
    MaterialAnlegen(3, -2.1e8);
    QuerschnittAnlegen(2, 0.0, 1.0);
    QuerschnittAnlegen(3, 1.0, 0.0);
    QuerschnittAnlegen(4, -0.1, 1.0);
    QuerschnittAnlegen(5, 1.0, -1e-4);
    const Fall faelle[] = {{9, 1, "es existieren St\xE4""be ohne Material !"},
                           {2, 1, "es existiert Material mit E = 0 !"},
                           {1, 9, "es existieren St\xE4""be ohne Querschnitt !"},
                           {1, 2, "es existieren Querschnitte mit A = 0 !"},
                           {1, 3, "es existieren Querschnitte mit Iz = 0 !"},
                           {3, 1, "es existiert Material mit E < 0 !"},
                           {1, 4, "es existieren Querschnitte mit A < 0 !"},
                           {1, 5, "es existieren Querschnitte mit Iz < 0 !"},
                           {9, 9, "es existieren St\xE4""be ohne Material !"}};
    for (const Fall& f : faelle) {
        s->Material = f.material;
        s->Querschnitt = f.querschnitt;
        bericht.Zeilen.clear();
        bericht.Werte.clear();
        EXPECT_FALSE(Rechnen());
        const std::vector<std::string> m = Meldungen();
        ASSERT_EQ(m.size(), 3u);
        EXPECT_EQ(m[1], "Anzahl Freiheitsgrade : 9 ... ");
        EXPECT_EQ(m[2], f.meldung);
        EXPECT_EQ(bericht.Werte.back(), 0.0);
    }
    Berechnung pruefung(*sys, Programm, bericht);
    ASSERT_TRUE(pruefung.ModellErzeugen());
    EXPECT_EQ(pruefung.ModellPruefen(), 0);
}

TEST_F(Ablauf, StabDerLaengeNullWirdNichtGerechnet) {
    Punkt* p = P(1, 1);
    StabZwischen(p, p);
    EXPECT_FALSE(Rechnen());
    EXPECT_EQ(Meldungen().back(), "es existieren St\xE4""be der L\xE4nge 0 !");
}

TEST_F(Ablauf, NichtEndlicheErgebnisseWerdenNichtGezeigt) {
    // Finite input whose results overflow: no "nan" may be listed as a
    // result, and none of the earlier run may stay.
    Stab* s = Kragarm();
    ASSERT_TRUE(Rechnen());
    ASSERT_GT(KeAnzahl(s->Ergebnisse), 0);
    Kraft(Lastfall_(), s, 0.5, 1e308, 0.3);
    Kraft(Lastfall_(), s, 0.7, 1e308, 0.3);
    bericht.Zeilen.clear();
    EXPECT_FALSE(Rechnen());
    EXPECT_EQ(Meldungen().back(), "Fehler beim Berechnen ! - Ergebnisse nicht endlich, Eingabewerte pr\xFC" "fen !");
    EXPECT_EQ(KeAnzahl(s->Ergebnisse), 0);
    EXPECT_EQ(bericht.Werte.back(), 0.0);
}

TEST_F(Ablauf, KinematischesSystem) {
    // a beam on two rollers, free to slide along its axis
    Stab* s = StabZwischen(P(0, 0), P(4, 0));
    Festhalten(s->Freiheitsgrade[FG_AY]);
    Festhalten(s->Freiheitsgrade[FG_BY]);
    Kraft(Lastfall_(), s, 0.5, 1, 0);
    EXPECT_FALSE(Rechnen());
    EXPECT_EQ(Meldungen().back(), "Fehler beim Zerlegen der SystemSteifigkeit ! System kinematisch !");
    EXPECT_EQ(Meldungen()[Meldungen().size() - 2], "Zerlege Systemsteifigkeit ...");
    EXPECT_EQ(KeAnzahl(s->Ergebnisse), 0);
}

TEST_F(Ablauf, FehlendeArbeitsvektorenBeendenDenLaufSauber) {
    Kragarm();
    ArbeitsspeicherGrenzeSetzen(10);
    EXPECT_FALSE(Rechnen());
    EXPECT_EQ(bericht.Fehler, "Fehler !\n");
    EXPECT_EQ(Meldungen().back(), "Fehler beim Berechnen ! - zu wenig Speicher");
    EXPECT_EQ(bericht.Werte.back(), 0.0);
    // room for the vectors, not for the matrix
    ArbeitsspeicherGrenzeSetzen(9 * 40 + 9 * 8);
    bericht.Zeilen.clear();
    bericht.Fehler.clear();
    EXPECT_FALSE(Rechnen());
    EXPECT_EQ(bericht.Fehler, "# AllocPMatrix() Mem-Fault \n");
    EXPECT_EQ(Meldungen().back(), "Speicherfehler !");
    ArbeitsspeicherGrenzeSetzen(0);
    EXPECT_TRUE(Rechnen());
}

TEST_F(Ablauf, UnvollstaendigerStabMitMeldungUndOhneAbsturz) {
    Stab* s = Kragarm();
    Freiheitsgrad* fg = s->Freiheitsgrade[FG_AR];
    s->Freiheitsgrade[FG_AR] = nullptr;
    EXPECT_FALSE(Rechnen());
    ASSERT_EQ(Meldungen().size(), 1u);
    EXPECT_EQ(bericht.Werte.back(), 0.0);
    s->Freiheitsgrade[FG_AR] = fg;
}

TEST_F(Ablauf, FreiheitsgradInFalscherRichtung) {
    Stab* s = Kragarm();
    s->Freiheitsgrade[FG_BY]->Richtung = 0;
    EXPECT_FALSE(Rechnen());
    EXPECT_EQ(Meldungen().back(), "Fehler bei Freiheitsgrad 4");
}

TEST_F(Ablauf, BeschaedigterStatusUndZuGrosserIndex) {
    Stab* s = Kragarm();
    s->Freiheitsgrade[FG_BY]->Status = 7;
    EXPECT_FALSE(Rechnen());
    EXPECT_EQ(Meldungen().back(), "Fehler beim Aufbau Primal/Dual !");
    EXPECT_EQ(bericht.Werte.back(), 0.3);
    s->Freiheitsgrade[FG_BY]->Status = STATUS_DUAL;
    // an index beyond the dimension
    ModellAufbauen();
    FreiheitsgradeNummerieren(M());
    std::vector<double> u(3), f(3);
    std::vector<int> zustand(3);
    bericht.Zeilen.clear();
    EXPECT_EQ(PrimalDualAufbauen(M(), u.data(), f.data(), zustand.data(), 3, bericht), 0);
    EXPECT_EQ(Meldungen().back(), "Fehler ! Index eines Freiheitsgrades groesser als SystemDimension ");
}

TEST_F(Ablauf, InaktiverLastfallBelastetNicht) {
    Stab* s = StabZwischen(P(0, 0), P(3, 0));
    for (int r = 0; r < 3; ++r) Festhalten(s->Freiheitsgrade[r]);
    Kraft(Lastfall_(1.0, -1), s, 0.5, 10, 0);
    ASSERT_TRUE(Rechnen());
    EXPECT_EQ(KeAnzahl(M().Elemente), 2);  // no cut at 0.5
    EXPECT_EQ(s->Freiheitsgrade[FG_BY]->Wert, 0.0);
    double stelle;
    EXPECT_EQ(MaxMoment(s, &stelle), 0.0);
}

TEST_F(Ablauf, ErgebnisseJeElementUndNeuerLaufErsetztSie) {
    Stab* s = Kragarm();
    sys->Stabteilungen = 3;
    ASSERT_TRUE(Rechnen());
    ASSERT_EQ(KeAnzahl(s->Ergebnisse), 3);
    // reverse of the element chain: ascending along the bar here
    std::vector<double> anfaenge;
    for (Stababschnitt* r : Elemente<Stababschnitt>(s->Ergebnisse)) anfaenge.push_back(r->tAnfang);
    EXPECT_DOUBLE_EQ(anfaenge[0], 0.0);
    EXPECT_DOUBLE_EQ(anfaenge[1], 1.0 / 3);
    EXPECT_DOUBLE_EQ(anfaenge[2], 2.0 / 3);
    const Stababschnitt* erster = static_cast<Stababschnitt*>(s->Ergebnisse->next->element);
    EXPECT_DOUBLE_EQ(erster->xB, 1.0);
    EXPECT_DOUBLE_EQ(erster->Laenge, 1.0);
    EXPECT_NEAR(erster->MA, -30.0, 1e-9);
    sys->Stabteilungen = 1;
    ASSERT_TRUE(Rechnen());
    EXPECT_EQ(KeAnzahl(s->Ergebnisse), 1);
}

// ---------------------------------------------------------------- assembly

class Aufbau : public Ablauf {
protected:
    int Vorbereiten(std::vector<int>& erste) {
        ModellAufbauen();
        const int n = static_cast<int>(KeAnzahl(M().Modellfreiheitsgrade));
        FreiheitsgradeNummerieren(M());
        FreiheitsgradeUmnummerieren(M());
        erste.assign(n, 0);
        ProfilBestimmen(M(), erste.data(), n);
        return n;
    }
};

TEST_F(Aufbau, ZweiterAufbauGleichtDemErstenAufsBit) {
    Rahmenmasse masse;
    masse.Felder = 3;
    masse.Geschosse = 2;
    sys = RahmenErzeugen(masse);
    std::vector<int> erste;
    const int n = Vorbereiten(erste);
    PMatrix* k = nullptr;
    ASSERT_EQ(SystemsteifigkeitAufbauen(M(), k, erste.data(), n, Steifigkeit(), bericht), 1);
    std::vector<double> erster(k->Block, k->Block + k->Eintraege);
    std::vector<int> zustand(n, STATUS_DUAL);
    int singulaer;
    std::vector<double> u(n), f(n);
    ASSERT_EQ(PrimalDualAufbauen(M(), u.data(), f.data(), zustand.data(), n, bericht), 1);
    ASSERT_EQ(SystemsteifigkeitZerlegen(n, zustand.data(), erste.data(), k, &singulaer), 0);
    ASSERT_EQ(SystemsteifigkeitAufbauen(M(), k, erste.data(), n, Steifigkeit(), bericht), 1);
    ASSERT_EQ(k->Eintraege, erster.size());
    EXPECT_EQ(std::memcmp(k->Block, erster.data(), erster.size() * sizeof(double)), 0);
    // symmetric and positive on the diagonal
    for (int i = 0; i < n; ++i) EXPECT_GT((*k)(i, i), 0.0);
    FreePMatrix(k);
}

TEST_F(Aufbau, ElementsteifigkeitGedrehtWieTransformiert) {
    Stab* s = StabZwischen(P(0, 0), P(3, 4));
    s->Freiheitsgrade[FG_BX]->Winkel = s->Freiheitsgrade[FG_BY]->Winkel = 0.3;
    sys->Stabteilungen = 1;
    ModellAufbauen();
    const Element* e = static_cast<Element*>(M().Elemente->next->element);
    Matrix6 ke, k, t;
    ASSERT_EQ(ElementsteifigkeitBerechnen(ke, e, katalog, bericht), 1);
    LokaleSteifigkeit(k, E, A, Iz, 5.0);
    TransformationsmatrixBerechnen(t, e);
    // Ke = T k T^T when both slots of an end share their angle
    for (int i = 0; i < 6; ++i)
        for (int j = 0; j < 6; ++j) {
            double summe = 0;
            for (int a = 0; a < 6; ++a)
                for (int b = 0; b < 6; ++b) summe += t[i][a] * k[a][b] * t[j][b];
            EXPECT_NEAR(ke[i][j], summe, 1e-6 * E * A / 5) << i << "," << j;
            EXPECT_NEAR(ke[i][j], ke[j][i], 1e-6 * E * A / 5);
        }
    EXPECT_NEAR(k[0][0], E * A / 5, 1e-6);
    EXPECT_NEAR(k[1][1], 12 * E * Iz / 125, 1e-9);
}

TEST_F(Aufbau, ErsatzlastenDerGleichlast) {
    Stab* s = StabZwischen(P(0, 0), P(4, 0));
    Strecke(Lastfall_(), s, 0, 1, -5, -5, 0);  // 5 kN/m upwards = q +5 in local y
    sys->Stabteilungen = 1;
    ModellAufbauen();
    const Element* e = static_cast<Element*>(M().Elemente->next->element);
    double f[6];
    LokaleErsatzlasten(e, f);
    EXPECT_DOUBLE_EQ(f[1], 5 * 4 / 2.0);
    EXPECT_DOUBLE_EQ(f[4], 5 * 4 / 2.0);
    EXPECT_DOUBLE_EQ(f[2], 5 * 16 / 12.0);
    EXPECT_DOUBLE_EQ(f[5], -5 * 16 / 12.0);
}

TEST_F(Aufbau, FederAufDerDiagonalen) {
    Stab* s = Kragarm();
    s->Freiheitsgrade[FG_BX]->Feder = 123.0;
    std::vector<int> erste;
    const int n = Vorbereiten(erste);
    PMatrix* ohne = nullptr;
    PMatrix* mit = nullptr;
    s->Freiheitsgrade[FG_BX]->Feder = 0;
    Modell(s->Freiheitsgrade[FG_BX])->Feder = 0;
    SystemsteifigkeitAufbauen(M(), ohne, erste.data(), n, Steifigkeit(), bericht);
    Modell(s->Freiheitsgrade[FG_BX])->Feder = 123.0;
    SystemsteifigkeitAufbauen(M(), mit, erste.data(), n, Steifigkeit(), bericht);
    const int i = static_cast<int>(Modell(s->Freiheitsgrade[FG_BX])->Index);
    EXPECT_DOUBLE_EQ((*mit)(i, i) - (*ohne)(i, i), 123.0);
    FreePMatrix(ohne);
    FreePMatrix(mit);
}

// ------------------------------------------------------------ renumbering

TEST_F(Aufbau, NummerierungIstPermutationMitKleineremProfil) {
    Rahmenmasse masse;
    masse.Felder = 10;
    masse.Geschosse = 5;
    masse.Stabteilungen = 2;
    sys = RahmenErzeugen(masse);
    ModellAufbauen();
    FreiheitsgradeNummerieren(M());
    const int n = static_cast<int>(KeAnzahl(M().Modellfreiheitsgrade));
    const std::vector<int> neu = StrukturNummerierung(M());
    ASSERT_EQ(neu.size(), static_cast<std::size_t>(n));
    std::vector<int> sortiert = neu;
    std::sort(sortiert.begin(), sortiert.end());
    std::vector<int> folge(n);
    std::iota(folge.begin(), folge.end(), 0);
    EXPECT_EQ(sortiert, folge);
    const std::size_t vorher = ProfilFuerNummerierung(M(), {});
    const std::size_t nachher = ProfilFuerNummerierung(M(), neu);
    EXPECT_LT(nachher * 5, vorher);
    // the three degrees of freedom of a joint stay together
    for (const Element* e : Elemente<Element>(M().Elemente)) {
        const int x = neu[e->Fg[0]->Index], y = neu[e->Fg[1]->Index], r = neu[e->Fg[2]->Index];
        EXPECT_LE(std::max({x, y, r}) - std::min({x, y, r}), 2);
    }
    FreiheitsgradeUmnummerieren(M());
    std::vector<int> erste(n);
    ProfilBestimmen(M(), erste.data(), n);
    EXPECT_EQ(ProfilGroesse(erste.data(), n), nachher);
}

TEST_F(Aufbau, NummerierungAendertDieErgebnisseNicht) {
    // the run with renumbering against the same model solved in chain order
    Rahmenmasse masse;
    masse.Felder = 4;
    masse.Geschosse = 3;
    masse.Stabteilungen = 3;
    sys = RahmenErzeugen(masse);
    ASSERT_TRUE(Rechnen());
    std::vector<double> mitNummerierung;
    for (const Freiheitsgrad* fg : Elemente<Freiheitsgrad>(M().Modellfreiheitsgrade))
        mitNummerierung.push_back(fg->Wert);

    ModellAufbauen();
    FreiheitsgradeNummerieren(M());
    const int n = static_cast<int>(KeAnzahl(M().Modellfreiheitsgrade));
    std::vector<double> u(n), fK(n), fE(n), fG(n);
    std::vector<int> zustand(n), erste(n);
    ErsatzlastenBerechnen(M(), fE.data(), n);
    ASSERT_EQ(PrimalDualAufbauen(M(), u.data(), fK.data(), zustand.data(), n, bericht), 1);
    ProfilBestimmen(M(), erste.data(), n);
    PMatrix* k = nullptr;
    ASSERT_EQ(SystemsteifigkeitAufbauen(M(), k, erste.data(), n, Steifigkeit(), bericht), 1);
    int singulaer;
    ASSERT_EQ(SystemsteifigkeitZerlegen(n, zustand.data(), erste.data(), k, &singulaer), 0);
    for (int i = 0; i < n; ++i) fG[i] = fK[i] + fE[i];
    GleichungssystemLoesen(n, zustand.data(), erste.data(), k, u.data(), fG.data());
    FreePMatrix(k);
    double groesste = 0;
    for (double w : mitNummerierung) groesste = std::max(groesste, std::fabs(w));
    std::size_t i = 0;
    for (const Freiheitsgrad* fg : Elemente<Freiheitsgrad>(M().Modellfreiheitsgrade))
        EXPECT_NEAR(u[fg->Index], mitNummerierung[i++], 1e-10 * groesste);
}

TEST_F(Aufbau, RahmenIstImGleichgewicht) {
    Rahmenmasse masse;
    masse.Felder = 5;
    masse.Geschosse = 4;
    masse.Stabteilungen = 2;
    sys = RahmenErzeugen(masse);
    ASSERT_TRUE(Rechnen());
    const Kraeftebilanz b = Gleichgewicht(M());
    EXPECT_LT(std::fabs(b.Fx) / b.Betrag, 1e-9);
    EXPECT_LT(std::fabs(b.Fy) / b.Betrag, 1e-9);
    EXPECT_LT(std::fabs(b.M) / b.Betrag, 1e-9);
}

}  // namespace
