// The beam-column equation on a short piece of an element, solved exactly by
// its power series.
//
// Along the undeformed element axis (local x, the piece's own coordinate s
// from 0 to h) the bending state is y = (v, phi, M, V):
//   v    deflection in local y,
//   phi  = v', the rotation,
//   M    bending moment (positive when it puts the local -y side in tension),
//   V    transverse force in the direction of the undeformed local y axis
//        (the shear Q = dM/dx of the deformed bar is V + N phi),
// and on the deformed bar, with small rotations,
//   v' = phi,  phi' = M/EI + kappa,  M' = V + N(s) phi,  V' = q(s),
// i.e. EI v'''' - (N v')' = q with the axial force N (tension positive) and
// the transverse load q (local y) both polynomials, and kappa a free
// curvature (temperature).  Polynomial coefficients make every solution an
// entire function, so the series converges for any s; on a piece with
// sqrt(|N|/EI) * h <= 1 its terms never grow and it is summed to round-off
// in some twenty terms.  N = 0 ends the series after the cubic: the
// first-order element exactly.
#pragma once

// One piece: length, bending stiffness and the polynomials in s.
struct Teilstueck {
    double h = 0.0;
    double EI = 1.0;
    double N0 = 0.0, N1 = 0.0, N2 = 0.0;  // N(s) = N0 + N1 s + N2 s^2
    double q0 = 0.0, q1 = 0.0;            // q(s) = q0 + q1 s
    double Kruemmung = 0.0;               // free curvature kappa

    double NormalkraftAn(double s) const { return N0 + (N1 + N2 * s) * s; }
    double LastAn(double s) const { return q0 + q1 * s; }
};

// Indices into a bending state.
enum Zustandsgroesse { ZV = 0, ZPHI = 1, ZM = 2, ZV_QUER = 3 };

// The state at s from the state y0 at 0, loads and curvature included.
void ZustandFortsetzen(const Teilstueck& t, const double y0[4], double s, double y[4]);

// The transfer over the whole piece: y(h) = phi * y(0) + p, with p the
// state reached from y(0) = 0 under the loads and the curvature.
void Uebertragung(const Teilstueck& t, double phi[4][4], double p[4]);
