// The profile equation solver: a symmetric matrix stored as its lower
// triangle inside the profile, decomposed in place by a Cholesky
// decomposition with signs (K = L S L^T, S = diag(+-1)).  Only the free
// ("dual") rows are decomposed; prescribed ("primal") rows keep the stiffness
// so that the support reactions can be formed from them afterwards.
#pragma once

#include <cstddef>

class Berichtsempfaenger;

// Symmetric n x n matrix, lower triangle; row i holds columns erste[i]..i.
struct PMatrix {
    int n = 0;
    std::size_t Eintraege = 0;  // stored doubles
    double* Block = nullptr;          // all rows one after another
    std::ptrdiff_t* Basis = nullptr;  // entry (i, j) is Block[Basis[i] + j]
    bool Abgebildet = false;          // Block mapped from the system (large)
    double& operator()(int i, int j) { return Block[Basis[i] + j]; }
    double operator()(int i, int j) const { return Block[Basis[i] + j]; }
    double* Zeile(int i) { return Block + Basis[i]; }  // index with the column
    const double* Zeile(int i) const { return Block + Basis[i]; }
};

// Number of stored entries of a profile (sum of i - erste[i] + 1).
std::size_t ProfilGroesse(const int* erste, int n);

// Zero-filled profile matrix, or null ("# AllocPMatrix() Mem-Fault \n" on
// the error channel of the report) when memory is short or erste[i] > i.
PMatrix* AllocPMatrix(int n, const int* erste);
void FreePMatrix(PMatrix* k);

// Dense zero-filled matrix, rows one after another.
struct Matrix {
    int Zeilen = 0;
    int Spalten = 0;
    double* Block = nullptr;
    double* operator[](int i) { return Block + static_cast<std::ptrdiff_t>(i) * Spalten; }
    const double* operator[](int i) const { return Block + static_cast<std::ptrdiff_t>(i) * Spalten; }
};
// Null ("Fehler beim allokieren !" as a diagnostic) when memory is short.
Matrix* AllocMatrix(int zeilen, int spalten);
void FreeMatrix(Matrix* m);

// Decomposes the dual rows (zustand -2; rows with a negative pivot become
// -3).  Returns 0, or -2 with the row in `singulaer` when a pivot lies
// within +-eps (a kinematic system).  Reports progress i/n for every row to
// `fortschritt` when one is given.
int SystemsteifigkeitZerlegen(int n, int* zustand, const int* erste, PMatrix* k, int* singulaer,
                              Berichtsempfaenger* fortschritt = nullptr);

// On entry u holds the prescribed displacements (primal rows) and f the
// loads; on return u holds all displacements and f, at primal rows, the
// reactions (K u)_p - f_p.
void GleichungssystemLoesen(int n, const int* zustand, const int* erste, const PMatrix* k,
                            double* u, double* f);

// Upper bound in bytes for the work storage of one run (vectors and the
// profile matrix); 0 = unlimited.  Lets tests provoke the failure paths.
void ArbeitsspeicherGrenzeSetzen(std::size_t bytes);
// True when `bytes` more may be taken under the limit; books them.
bool ArbeitsspeicherReservieren(std::size_t bytes);
void ArbeitsspeicherFreigeben(std::size_t bytes);
