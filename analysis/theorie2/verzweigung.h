// The critical load factor: the smallest lambda > 0 at which the structure
// with the axial forces lambda * N_I becomes singular.
//
// The caller supplies a probe that, for one lambda, builds every element
// with N = lambda * N_I (StabelementII), assembles and factors the exact
// stiffness and reports
//   J(lambda) = negative pivots + sum of the elements' EingespannteEigenwerte,
// the number of buckling loads below lambda (Wittrick and Williams).  The
// element count J0 matters: a mode inside one element (a fixed-fixed column
// of one element, say) leaves every pivot positive.  J(0) = 0 for a
// structure that is stable in first order.
//
// The search brackets the first jump of J by doubling (or halving), then
// narrows the bracket.  Only J decides which side of a probe the critical
// factor lies on (a probe that cannot be factored, even a little beside,
// counts as lying above it once the bracket stands).  An optional Kennwert,
// a continuous function of lambda that changes sign at the critical factor
// (positive below), only proposes where to probe next and saves most of the
// factorisations; RayleighKennwert gives one from solves with the factored
// matrix.  Without it the search bisects: some 25 probes for 1e-6.
#pragma once

#include <functional>
#include <limits>
#include <vector>

struct Verzweigungsprobe {
    // False when the factorisation met a zero pivot: lambda lies on (or
    // within round-off of) a singular point, the count is not known.
    bool Zerlegt = true;
    long Eigenwerte = 0;  // J(lambda)
    double Kennwert = std::numeric_limits<double>::quiet_NaN();
};

using Verzweigungstest = std::function<Verzweigungsprobe(double lambda)>;

enum class Verzweigungsstatus {
    Gefunden,
    KeineVerzweigung,  // J stayed 0 up to the upper limit
    SchonInstabil,     // J > 0 down to the lower limit: unstable without load
    Fehlgeschlagen,    // probes that could not be factored, again and again
};

struct Verzweigungsergebnis {
    Verzweigungsstatus Status = Verzweigungsstatus::Fehlgeschlagen;
    double Faktor = 0.0;   // the critical factor, relative error <= Genauigkeit / 2
    int Auswertungen = 0;  // probes made
};

struct Verzweigungsoptionen {
    double Startwert = 1.0;
    double Genauigkeit = 1e-6;  // relative width of the final bracket
    double Untergrenze = 1e-9;  // relative to Startwert
    double Obergrenze = 1e12;   // relative to Startwert
};

Verzweigungsergebnis VerzweigungslastfaktorSuchen(const Verzweigungstest& probe,
                                                  const Verzweigungsoptionen& optionen = {});

// Steps of inverse iteration as a Kennwert: with `loesen` solving K y = x in
// place for the factored K, each step takes y, normalised, as the next x;
// returns x.x / x.y of the last step (near a singular point about the
// eigenvalue of K nearest zero, with its sign) and leaves the vector in x for
// the next probe.  A solve costs little beside the factorisation, and the
// first Kennwerte, while x still carries other modes, point the search in
// the wrong direction: hence a few steps.  Start x with a vector that is not
// orthogonal to the buckling mode: uneven values, since all ones is
// orthogonal to the antisymmetric modes of symmetric structures.  NaN when
// x.y = 0 or x is zero.
double RayleighKennwert(std::vector<double>& x, const std::function<void(std::vector<double>&)>& loesen,
                        int schritte = 3);
