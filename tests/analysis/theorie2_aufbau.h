// Small structures of second-order elements, assembled straight in the tests
// (global degrees of freedom numbered by hand) and factored with the
// program's profile solver, as the analysis will do it.
#pragma once

#include <array>
#include <vector>

#include "analysis/theorie2/stabelement.h"
#include "analysis/theorie2/verzweigung.h"

class Kleintragwerk {
public:
    explicit Kleintragwerk(int freiheitsgrade)
        : n_(freiheitsgrade), Lasten(static_cast<std::size_t>(freiheitsgrade)), Federn(Lasten.size()) {}

    // An element at angle `winkel`; fg: the global index of each slot, -1
    // for a slot held at zero.  Returns its index.
    int Stab(const StabdatenII& daten, double winkel, std::array<int, 6> fg);
    // The axial force of every element scaled by lambda (for the buckling search).
    void NormalkraefteSetzen(const std::vector<Normalkraftverlauf>& n, double lambda);
    // Solves with the elements' current data; false when the factorisation fails.
    bool Loesen(std::vector<double>& u) const;
    // Second-order theory: solves again and again with the axial force of
    // the last solve until it changes no more.  Iterations, or 0.
    int Iterieren(std::vector<double>& u);
    // J(lambda) and the Rayleigh Kennwert of the current elements.
    Verzweigungsprobe Probe(std::vector<double>& vektor) const;
    // A probe for VerzweigungslastfaktorSuchen with axial forces lambda * nI.
    Verzweigungstest Test(std::vector<Normalkraftverlauf> nI, bool mitKennwert = true);

    StabelementII Element(int i) const { return StabelementII(staebe_[i].daten); }
    void LokaleVerschiebungen(int i, const std::vector<double>& u, double l[6]) const;

private:
    struct Eintrag {
        StabdatenII daten;
        double c, s;
        std::array<int, 6> fg;
    };
    // The stiffness in global directions with the springs; adds the
    // equivalent loads to *f and the elements' own buckling modes to
    // *eingespannt where given.
    std::vector<std::vector<double>> Aufbauen(std::vector<double>* f, long* eingespannt) const;

    int n_;
    std::vector<Eintrag> staebe_;
    std::vector<double> vektor_;  // inverse-iteration vector of Test

public:
    std::vector<double> Lasten;  // nodal loads in global directions
    std::vector<double> Federn;  // spring stiffness per degree of freedom
};
