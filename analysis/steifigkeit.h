// Equation numbering, load vectors, profile and assembly of the system
// stiffness of plane frame elements (axial and Euler-Bernoulli bending
// stiffness), and the hand-back of the solution to the model.
#pragma once

#include <array>
#include <functional>
#include <unordered_map>
#include <vector>

#include "analysis/duennloeser.h"
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

// The phases below walk the model's chains, or the Modellfolge given
// (kernmodell.h), which holds the same records in the same order.

// Index = 0, 1, 2, ... along the model degrees of freedom, chain order.
void FreiheitsgradeNummerieren(Kernmodell& modell, const Modellfolge* folge = nullptr);
int PrimalDualAufbauen(const Kernmodell& modell, double* u, double* fKnoten, int* zustand, int n,
                       Berichtsempfaenger& bericht, const Modellfolge* folge = nullptr);
void ProfilBestimmen(const Kernmodell& modell, int* erste, int n);

// The element matrices of one assembly, kept for the end forces: the
// decomposition overwrites the profile matrix, and assembling it a second
// time would cost as much as the first.
struct Elementmatrizen {
    std::vector<std::array<int, 6>> Fg;  // equation numbers, slot order
    std::vector<std::array<double, 36>> Ke;
};

// Allocates K on first use, else clears it; assembles all elements and
// springs.  1 on success, 0 after a message.  With `behalten` the element
// matrices are kept there.
int SystemsteifigkeitAufbauen(const Kernmodell& modell, PMatrix*& k, const int* erste, int n,
                              const Elementsteifigkeit& elementsteifigkeit, Berichtsempfaenger& bericht,
                              Elementmatrizen* behalten = nullptr, const Modellfolge* folge = nullptr);
// The same into a sparse matrix, whose pattern is made on first use;
// "Speicherfehler !" when memory is short.
int SystemsteifigkeitAufbauen(const Kernmodell& modell, DMatrix*& k, int n,
                              const Elementsteifigkeit& elementsteifigkeit, Berichtsempfaenger& bericht,
                              const Modellfolge* folge = nullptr);
// For every equation the equation of the x degree of freedom at the
// element end where it first occurs (-1 for none): the equations of one
// model node share it, which lets the sparse solver order the nodes.
std::vector<int> Knotengruppen(const Kernmodell& modell, int n, const Modellfolge* folge = nullptr);

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
void ErsatzlastenBerechnen(const Kernmodell& modell, double* fErsatz, int n, const Modellfolge* folge = nullptr);

// fKnoten = K u - fErsatz over the full symmetric matrix.
void KnotenkraefteBerechnen(const PMatrix* k, const int* erste, const double* u, const double* fErsatz,
                            double* fKnoten, int n);
// The same product from the kept element matrices and the springs (the
// lower triangle of every element mirrored, as the profile holds it).
void KnotenkraefteBerechnen(const Kernmodell& modell, const Elementmatrizen& ke, const double* u,
                            const double* fErsatz, double* fKnoten, int n, const Modellfolge* folge = nullptr);
void KnotenkraefteBerechnen(const DMatrix& k, const double* u, const double* fErsatz, double* fKnoten);
// Displacements, reactions and forces of the solution into the model
// degrees of freedom.
void ErgebnisseUebernehmen(Kernmodell& modell, const double* u, const double* fKnoten,
                           const Modellfolge* folge = nullptr);
