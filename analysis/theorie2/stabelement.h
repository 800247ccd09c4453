// The exact plane beam-column element of second-order theory.
//
// An Euler-Bernoulli element of length L with axial stiffness EA and bending
// stiffness EI carries a given axial force N(x) (tension positive, a
// polynomial of degree two at most: linear n(x) makes it quadratic) and
// linearly varying loads q(x) (local y) and n(x) (local x).  The bending
// equation EI w'''' - (N w')' = q is solved exactly: the element is cut into
// pieces short enough for the power series of each to be summed to round-off
// (see potenzreihe.h), the transfer of every piece is turned into an exact
// stiffness, and the inner nodes are condensed out.  That is exact for any
// N, compression and tension, small or large, and for N = 0 it is the
// first-order element.  The axial part is the first-order one (linear strain).
// A free strain and a free curvature (temperature) enter both parts.
//
// Local vectors run in slot order (u_A, v_A, phi_A, u_B, v_B, phi_B) like the
// first-order element, and S = k l - F are the forces the nodes exert on the
// element; they are the forces of second-order equilibrium, the transverse
// ones in the direction of the undeformed local y axis.
//
// Use by the analysis (all toolkit-free, no global state):
// - Second-order run: per iteration build one StabelementII per model
//   element (EA, EI, length, loads of the element, N from the last
//   iteration: NormalkraftAusLasten(N at the start, nAnfang, nEnde, L), zero
//   in the first), assemble Steifigkeit and Ersatzlasten after the same
//   transformation as in first order, factor, solve, and take the new N at
//   the start from Schnittkraefte()[0].  Any negative pivot, or any element
//   with EingespannteEigenwerte() > 0, means the load is above the critical
//   load.
// - Results: Schnittkraefte gives N, Q, M at the element ends; Verlauf(l)
//   gives them, w and u anywhere, exactly.  Keep the StabdatenII and l of an
//   element to rebuild it later: building takes a few microseconds.
// - Critical load factor: elements with N = lambda * N_I, see verzweigung.h.
// Preconditions: L > 0, EI != 0 (the model checks ensure both).
#pragma once

#include <array>
#include <vector>

#include "analysis/theorie2/potenzreihe.h"
#include "analysis/theorie2/stabverlauf.h"

// N(x) = N0 + N1 x + N2 x^2 from the element start.
struct Normalkraftverlauf {
    double N0 = 0.0, N1 = 0.0, N2 = 0.0;
    double An(double x) const { return N0 + (N1 + N2 * x) * x; }
    double Betragsmaximum(double laenge) const;  // max |N| over [0, laenge]
    Normalkraftverlauf Mal(double faktor) const { return {N0 * faktor, N1 * faktor, N2 * faktor}; }
};

// The axial force from its value at the start and the axial load intensities
// at the ends (dN/dx = -n).
Normalkraftverlauf NormalkraftAusLasten(double anfangskraft, double nAnfang, double nEnde, double laenge);

struct StabdatenII {
    double Laenge = 1.0;
    double EA = 1.0, EI = 1.0;
    Normalkraftverlauf N;             // the axial force the bending sees
    double qAnfang = 0.0, qEnde = 0.0;  // transverse load, local y (kN/m)
    double nAnfang = 0.0, nEnde = 0.0;  // axial load, local x (kN/m)
    double Dehnung = 0.0;             // free axial strain
    double Kruemmung = 0.0;           // free curvature, positive like a positive moment's
};

class StabelementII {
public:
    explicit StabelementII(const StabdatenII& daten);

    const StabdatenII& Daten() const { return d_; }
    // Local 6x6 stiffness, symmetric.
    void Steifigkeit(double k[6][6]) const;
    // Local equivalent loads F: the end forces of the clamped element are -F.
    void Ersatzlasten(double f[6]) const;
    // S = k l - F for the local end displacements l.
    void Endkraefte(const double l[6], double s[6]) const;
    // N, Q, M at the start, then at the end, in the internal-force signs
    // (N from the axial displacements, Q = dM/dx).
    void Schnittkraefte(const double l[6], double schnitt[6]) const;
    // Buckling modes of the element clamped at both ends below its axial
    // force: the J0 of the Wittrick-Williams count.
    int EingespannteEigenwerte() const { return eingespannt_; }
    int Teilstueckzahl() const { return static_cast<int>(stuecke_.size()); }
    // False when |N| L^2 / EI is so large (k L beyond some 40000, a wire
    // under a load it could never carry) that the pieces had to be longer
    // than the series can sum without cancellation, or not finite: the
    // results are then not to be shown.
    bool Zuverlaessig() const { return zuverlaessig_; }
    Stabverlauf Verlauf(const double l[6]) const;

private:
    // Transfer of one piece as a stiffness of its four end displacements
    // (v, phi at the start, then at the end) and what gives back the state.
    struct Stueck {
        double A[2][2], Binv[2][2], pd[2];  // d_h = A d_0 + B f_0 + pd
    };
    // An inner node in terms of the element start and the next node:
    // d_j = H (d_0, d_{j+1}) + h.
    struct Rueckgabe {
        double H[2][4];
        double h[2];
    };
    void Verdichten();
    // Bending displacements of every node 0 .. m from the element's ends.
    std::vector<std::array<double, 2>> Knotenverschiebungen(const double l[6]) const;

    StabdatenII d_;
    std::vector<Teilstueck> stuecke_;
    std::vector<Stueck> matrizen_;
    std::vector<Rueckgabe> rueckgabe_;  // index j - 1 for inner node j
    double k4_[4][4] = {};             // bending stiffness (v_A, phi_A, v_B, phi_B)
    double r4_[4] = {};                // bending end forces of the clamped element
    int eingespannt_ = 0;
    bool zuverlaessig_ = true;
};
