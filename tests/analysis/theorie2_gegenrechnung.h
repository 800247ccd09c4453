// An independent second-order solve of small plane frames, for checking the
// analysis against: every bar piece is integrated with the classical
// Runge-Kutta method into a transfer matrix of the full state
// (u, N, v, phi, M, V), turned into a stiffness, assembled densely in global
// axes and solved by Gaussian elimination; the axial forces are iterated to
// convergence.  The critical load factor comes from scanning lambda upward
// until the stiffness stops being positive definite or a piece passes its
// own clamped buckling load, then bisecting.  It shares no code with the
// analysis.
//
// Signs as in the program: local x from a to b, local y turned +90 degrees;
// N tension positive, M positive with the local -y side in tension,
// Q = dM/dx, w positive towards local -y, loads per unit length of the bar.
#pragma once

#include <array>
#include <vector>

namespace gegenrechnung {

struct Knoten {
    double x = 0.0, y = 0.0;
    std::array<bool, 3> fest{};        // x, y, rotation held
    std::array<double, 3> wert{};      // prescribed displacement where held
    std::array<double, 3> feder{};     // spring stiffness where free
    std::array<double, 3> last{};      // Fx, Fy (global), moment
};

struct Stab {
    int a = 0, b = 0;  // node indices
    double EA = 1.0, EI = 1.0;
    bool gelenkA = false, gelenkB = false;  // moment hinge at the bar end
};

// A force (global components) or moment at relative position t of a bar.
struct Einzellast {
    int stab = 0;
    double t = 0.5;
    double Fx = 0.0, Fy = 0.0, M = 0.0;
};

// Linear between relative positions ta and tb; q transverse (local y), n
// axial (local x), in kN per metre of the bar.
struct Streckenlast {
    int stab = 0;
    double ta = 0.0, tb = 1.0;
    double qA = 0.0, qB = 0.0, nA = 0.0, nB = 0.0;
};

struct Rahmen {
    std::vector<Knoten> knoten;
    std::vector<Stab> staebe;
    std::vector<Einzellast> einzellasten;
    std::vector<Streckenlast> streckenlasten;
};

class Loesung {
public:
    bool Gueltig = false;  // solved (and, in second order, converged)
    int Iterationen = 0;
    std::vector<std::array<double, 3>> Verschiebung;  // per node, global
    std::vector<std::array<double, 3>> Reaktion;      // per node: K u - f, the reaction where held
    // Along bar s at relative position t (0 = a, 1 = b).
    double N(int s, double t) const { return Wert(s, t, 0); }
    double M(int s, double t) const { return Wert(s, t, 1); }
    double Q(int s, double t) const { return Wert(s, t, 2); }
    double w(int s, double t) const { return Wert(s, t, 3); }
    double u(int s, double t) const { return Wert(s, t, 4); }

    struct Stueck;  // a piece of a bar between cuts
    std::vector<Stueck> stuecke;

private:
    double Wert(int s, double t, int groesse) const;
};

struct Loesung::Stueck {
    int stab = 0;
    double t0 = 0.0, t1 = 1.0, laenge = 0.0, c = 1.0, s = 0.0;
    double EA = 1.0, EI = 1.0;
    double qA = 0.0, qB = 0.0, nA = 0.0, nB = 0.0;
    double N0 = 0.0;  // axial force at the start that bends the piece
    std::array<int, 6> fg{};
    std::array<double, 6> anfang{};  // state at the start after the solve
};

// By second-order theory (or first order: the axial force is not fed back).
Loesung Rechnen(const Rahmen& rahmen, bool zweiteOrdnung = true);
// The critical load factor for the first-order axial forces; 0 when no
// piece is in compression.
double Verzweigungsfaktor(const Rahmen& rahmen);

}  // namespace gegenrechnung
