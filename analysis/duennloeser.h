// The sparse equation solver for large models: the symmetric system matrix
// in compressed columns, decomposed by a simplicial LDL^T (CHOLMOD of
// SuiteSparse) after a fill-reducing ordering (AMD).
//
// It answers as the profile solver does: a pivot within +-eps (the same
// eps) is a kinematic system (-2 with the row), a row whose pivot is
// negative becomes -3 in zustand, so that the count of negative pivots (the
// inertia, which does not depend on the ordering) is there for whoever
// needs it; prescribed rows take no part in the decomposition and give the
// reactions (K u)_p - f_p.  Large two-dimensional frames have a profile
// that grows with their width; the sparse factor does not.
#pragma once

#include <array>
#include <cstddef>
#include <vector>

class Berichtsempfaenger;

// Symmetric n x n matrix, lower triangle in compressed columns: column j
// holds the rows Zeilen[Anfang[j]] .. Zeilen[Anfang[j+1]-1], ascending, the
// diagonal first.  Every diagonal entry is stored.
struct DMatrix {
    int n = 0;
    std::vector<std::size_t> Anfang;
    std::vector<int> Zeilen;
    std::vector<double> Werte;
    std::size_t gebucht = 0;  // bytes booked with ArbeitsspeicherReservieren

    // Entry (i, j) with i >= j; null when it lies outside the pattern.
    double* Eintrag(int i, int j);
    double Diagonale(int i) const { return Werte[Anfang[static_cast<std::size_t>(i)]]; }
};

// The pattern of a matrix whose nonzeros are the couplings of elements with
// six equations each (elementFg[e][s], all within 0..n-1) and the diagonal,
// with every value 0.  Null when memory is short (also under the work
// storage limit of gleichungsloeser.h).
DMatrix* DMatrixAnlegen(int n, const std::vector<std::array<int, 6>>& elementFg);
void FreeDMatrix(DMatrix* k);

// y = K x over the full symmetric matrix.
void DMatrixMalVektor(const DMatrix& k, const double* x, double* y);

// The decomposition of the free rows of K; owns the factor.
class DuennZerlegung {
public:
    DuennZerlegung();
    ~DuennZerlegung();
    DuennZerlegung(const DuennZerlegung&) = delete;
    DuennZerlegung& operator=(const DuennZerlegung&) = delete;

    // Ordering and storage of the factor; false when memory is short.
    // `gruppe` (optional) names for every equation its model node (or -1):
    // the nodes are then ordered, which is as good and much cheaper than
    // ordering the equations one by one.
    bool Vorbereiten(const DMatrix& k, const int* zustand, const int* gruppe = nullptr);
    // 0, or -2 with the row (an equation number of K) in `singulaer`; rows
    // with a negative pivot become -3 in zustand.  Progress runs from 0 to 1
    // (to `fortschritt` when one is given).
    // Again and again on the same pattern with new values (K's pattern
    // must stay that of Vorbereiten), which second-order theory needs.
    int Zerlegen(const DMatrix& k, int* zustand, int* singulaer, Berichtsempfaenger* fortschritt = nullptr);
    // On entry u holds the prescribed displacements and f the loads; on
    // return u holds all displacements and f, at prescribed rows, the
    // reactions (K u)_p - f_p.  False when memory is short.
    bool Loesen(const DMatrix& k, const int* zustand, double* u, double* f);

    int NegativePivots() const { return negativ_; }
    std::size_t FaktorEintraege() const;

private:
    bool KnotenOrdnen(const DMatrix& k, const int* gruppe, std::vector<int>& folge) const;
    bool GeordnetAnlegen(const DMatrix& k);
    struct Cholmod;
    Cholmod* c_;
    std::vector<int> freiVonZeile_;  // compact number of a free row, -1 = prescribed
    std::vector<int> zeileVonFrei_;
    std::vector<int> ziel_;  // place of every entry of K in the ordered matrix, -1 = none
    int negativ_ = 0;
    bool zerlegt_ = false;
};

// Whether a model of n equations is decomposed by the sparse solver (the
// profile solver takes the smaller ones, where it is as fast).
bool DuennLoeserFuer(int n);
// Sets the number of equations from which on the sparse solver is used
// (for tests; 0 restores the default).
void DuennLoeserGrenzeSetzen(int n);
