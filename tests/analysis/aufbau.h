// Building small structures for the analysis tests through the System's
// own operations.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "core/bericht.h"
#include "core/datenmodell.h"

// A fresh program state with one current System, a material 1 and a
// cross-section 1 in the catalogues, and the messages collected.
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
    bool Rechnen();
    std::vector<std::string> Meldungen() const { return bericht.Texte(); }
    // Model degree of freedom taken over from a bar-end degree of freedom.
    Freiheitsgrad* Modell(const Freiheitsgrad* fg) const;

    System* sys = nullptr;
    SammelBericht bericht;
    double E = 2.1e8, A = 0.01, Iz = 1e-4;
};

// Sums of all support reactions (model degrees of freedom, turned back to
// global axes, moments about the origin) and of all applied loads of the
// current model; equilibrium makes their sum zero.
struct Kraeftebilanz {
    double Fx = 0, Fy = 0, M = 0;
    double Betrag = 0;  // sum of the magnitudes, for a relative test
};
Kraeftebilanz Gleichgewicht();
