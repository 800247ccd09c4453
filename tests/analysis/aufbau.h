// Building small structures for the analysis tests through the System's
// own operations.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "analysis/berechnung.h"
#include "analysis/kernmodell.h"
#include "core/bericht.h"
#include "core/datenmodell.h"

// A fresh program state with one System, a material 1 and a cross-section 1
// in the catalogues, and the messages collected.
class Analyse : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    Material* MaterialAnlegen(long nummer, double e);
    Querschnitt* QuerschnittAnlegen(long nummer, double a, double iz);
    Punkt* P(double x, double y);
    // A bar from a to b; the slots given in `gemeinsam` (non-null) share
    // those degrees of freedom, the others get new ones.
    Stab* StabZwischen(Punkt* a, Punkt* b, std::array<Freiheitsgrad*, 6> gemeinsam = {});
    // A bar continuing rigidly from the end of `vorher`.
    Stab* StabAnschliessen(Stab* vorher, Punkt* b);
    // Support: displacement prescribed.
    static void Festhalten(Freiheitsgrad* fg, double wert = 0.0);
    Lastfall* Lastfall_(double gewicht = 1.0, long aktiv = 1);
    Punktlast* Kraft(Lastfall* lf, Stab* s, double position, double groesse, double winkel,
                     long koordinaten = KOORD_GLOBAL, long art = ART_KRAFT);
    Streckenlast* Strecke(Lastfall* lf, Stab* s, double a, double b, double pa, double pb, double winkel,
                          long koordinaten = KOORD_GLOBAL);
    // A whole run by first-order theory; its model stays in `berechnung`.
    bool Rechnen();
    // Builds `modell` alone, for the tests of single steps.
    bool ModellAufbauen();
    // The model of the last run, else `modell`.
    Kernmodell& M() { return berechnung ? berechnung->Modell() : modell; }
    std::vector<std::string> Meldungen() const { return bericht.Texte(); }
    // Model degree of freedom taken over from a bar-end degree of freedom.
    Freiheitsgrad* Modell(const Freiheitsgrad* fg);
    // The element stiffness of first-order theory with the test catalogues.
    Elementsteifigkeit Steifigkeit() {
        return [this](Matrix6 ke, const Element* e) { return ElementsteifigkeitBerechnen(ke, e, katalog, bericht); };
    }

    System* sys = nullptr;
    SammelBericht bericht;
    Kernmodell modell;
    std::unique_ptr<Berechnung> berechnung;
    KatalogIndex katalog{Kataloge{}};  // of the test catalogues after SetUp
    double E = 2.1e8, A = 0.01, Iz = 1e-4;
};

// Sums of all support reactions (model degrees of freedom, turned back to
// global axes, moments about the origin) and of all applied loads of a
// computed model; equilibrium makes their sum zero.
struct Kraeftebilanz {
    double Fx = 0, Fy = 0, M = 0;
    double Betrag = 0;  // sum of the magnitudes, for a relative test
};
Kraeftebilanz Gleichgewicht(const Kernmodell& modell);
