// Internal forces and displacements anywhere along a second-order element,
// exact (no interpolation): the bending state is carried by the power series
// from the start of the piece that holds the position.
//
// Positions x are in metres from the element start (0 .. length).  Signs as
// in first order: N tension positive, parallel to the undeformed axis; M
// positive when the local -y side is in tension; Q = dM/dx (the shear normal
// to the deformed axis); w positive towards the local -y side; u along the
// element axis.
#pragma once

#include <array>
#include <vector>

#include "analysis/theorie2/potenzreihe.h"

enum class Schnittgroesse { Normalkraft, Querkraft, Moment, Durchbiegung, Laengsverschiebung };

class Stabverlauf {
public:
    double Laenge() const { return laenge_; }
    double Normalkraft(double x) const;
    double Querkraft(double x) const;
    double Moment(double x) const;
    double Durchbiegung(double x) const;
    double Verdrehung(double x) const;  // phi = v', counter-clockwise positive
    double Laengsverschiebung(double x) const;
    double Wert(Schnittgroesse g, double x) const;
    double Ableitung(Schnittgroesse g, double x) const;  // d/dx of Wert

    // The interior positions (ascending) where the quantity has a local
    // extremum: where its derivative changes sign.  The ends are not
    // included; a search for extrema evaluates them besides.  Where the
    // quantity is flat to round-off (a bar under strong tension) several
    // positions may come back, each with the extreme value to round-off.
    std::vector<double> Extremstellen(Schnittgroesse g) const;

private:
    friend class StabelementII;
    // Bending state (v, phi, M, V) at x, and the piece that holds it.
    void ZustandAn(double x, double y[4], const Teilstueck** stueck = nullptr, double* s = nullptr) const;

    double laenge_ = 0.0;
    double stueckLaenge_ = 0.0;
    std::vector<Teilstueck> stuecke_;
    std::vector<std::array<double, 4>> anfang_;  // state at the start of each piece
    // Axial part: N(x) = NA - nA x - (nE - nA) x^2 / (2 L), u' = N/EA + eps.
    double NA_ = 0.0, nA_ = 0.0, nE_ = 0.0, EA_ = 1.0, dehnung_ = 0.0, uA_ = 0.0;
};
