// Equation numbering, load vectors, profile and assembly of the system
// stiffness of plane frame elements (axial and Euler-Bernoulli bending
// stiffness), and the hand-back of the solution to the model.
#pragma once

#include <functional>
#include <unordered_map>

#include "analysis/gleichungsloeser.h"
#include "analysis/kernmodell.h"

class Berichtsempfaenger;

// Catalogue lookup by number with the result of a chain search (the first
// entry with that number), built once per run instead of walking the
// catalogues for every element.
class KatalogIndex {
public:
    explicit KatalogIndex(const Kataloge& kataloge);
    const Material* MaterialZu(long nummer) const;
    const Querschnitt* QuerschnittZu(long nummer) const;
private:
    std::unordered_map<long, const Material*> materialien_;
    std::unordered_map<long, const Querschnitt*> querschnitte_;
};

using Matrix6 = double[6][6];

// The 6x6 stiffness of an element in the directions of its degrees of
// freedom; first-order theory uses ElementsteifigkeitBerechnen, another
// theory brings its own.  Returns 0 when the element has none.
using Elementsteifigkeit = std::function<int(Matrix6 ke, const Element* e)>;

// Index = 0, 1, 2, ... along the model degrees of freedom, chain order.
void FreiheitsgradeNummerieren(Kernmodell& modell);
int PrimalDualAufbauen(const Kernmodell& modell, double* u, double* fKnoten, int* zustand, int n,
                       Berichtsempfaenger& bericht);
void ProfilBestimmen(const Kernmodell& modell, int* erste, int n);
// Allocates K on first use, else clears it; assembles all elements and
// springs.  1 on success, 0 after a message.
int SystemsteifigkeitAufbauen(const Kernmodell& modell, PMatrix*& k, const int* erste, int n,
                              const Elementsteifigkeit& elementsteifigkeit, Berichtsempfaenger& bericht);

// Local element stiffness for E, A, Iz and length L.
void LokaleSteifigkeit(Matrix6 k, double e, double a, double iz, double l);
// From local element axes to the directions of the slot degrees of freedom.
int TransformationsmatrixBerechnen(Matrix6 t, const Element* e);
void MatrixMultiplizieren(Matrix6 z, const Matrix6 x, const Matrix6 y);
// 6x6 in degree-of-freedom directions; 0 (Ke all zero, message) without
// material or cross-section.
int ElementsteifigkeitBerechnen(Matrix6 ke, const Element* e, const KatalogIndex& katalog,
                                Berichtsempfaenger& bericht);
// Local equivalent nodal loads of the element's linear loads.
void LokaleErsatzlasten(const Element* e, double f[6]);
void ErsatzlastenBerechnen(const Kernmodell& modell, double* fErsatz, int n);

// fKnoten = K u - fErsatz over the full symmetric matrix.
void KnotenkraefteBerechnen(const PMatrix* k, const int* erste, const double* u, const double* fErsatz,
                            double* fKnoten, int n);
// Displacements, reactions and forces of the solution into the model
// degrees of freedom.
void ErgebnisseUebernehmen(Kernmodell& modell, const double* u, const double* fKnoten);
