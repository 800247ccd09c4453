#include "analysis/gleichungsloeser.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sys/mman.h>
#include <new>
#include <vector>

#include "core/bericht.h"
#include "core/datenmodell.h"

namespace {

std::size_t speicherGrenze = 0;
std::size_t speicherBelegt = 0;

bool IstDual(int z) { return z == STATUS_DUAL || z == STATUS_NEGATIV; }

// Sums of x[m] * y[m] (weighted by w[m]) over von <= m < bis.  The inner
// products carry almost all the work of the decomposition; they run on
// four-wide vectors with two accumulators, and on x86 in an AVX2 variant
// where the processor has it.
typedef double V4 __attribute__((vector_size(32)));
// The same, for loads from any double in the profile.
typedef double V4Ungerichtet __attribute__((vector_size(32), aligned(8), may_alias));
#define Laden(p) (*reinterpret_cast<const V4Ungerichtet*>(p))

#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__)
#define VELKO_VARIANTEN __attribute__((target_clones("avx2", "default")))
#else
#define VELKO_VARIANTEN
#endif

VELKO_VARIANTEN
double Skalarprodukt(const double* x, const double* y, int von, int bis) {
    V4 a0 = {0, 0, 0, 0}, a1 = {0, 0, 0, 0};
    int m = von;
    for (; m + 7 < bis; m += 8) {
        a0 += Laden(x + m) * Laden(y + m);
        a1 += Laden(x + m + 4) * Laden(y + m + 4);
    }
    for (; m + 3 < bis; m += 4) a0 += Laden(x + m) * Laden(y + m);
    const V4 a = a0 + a1;
    double s = (a[0] + a[1]) + (a[2] + a[3]);
    for (; m < bis; ++m) s += x[m] * y[m];
    return s;
}

VELKO_VARIANTEN
double GewichtetesProdukt(const double* w, const double* x, const double* y, int von, int bis) {
    V4 a0 = {0, 0, 0, 0}, a1 = {0, 0, 0, 0};
    int m = von;
    for (; m + 7 < bis; m += 8) {
        a0 += Laden(w + m) * Laden(x + m) * Laden(y + m);
        a1 += Laden(w + m + 4) * Laden(x + m + 4) * Laden(y + m + 4);
    }
    for (; m + 3 < bis; m += 4) a0 += Laden(w + m) * Laden(x + m) * Laden(y + m);
    const V4 a = a0 + a1;
    double s = (a[0] + a[1]) + (a[2] + a[3]);
    for (; m < bis; ++m) s += w[m] * x[m] * y[m];
    return s;
}

// Zero-filled storage for the matrix.  Large blocks come straight from the
// system as fresh zero pages, in huge pages where the system allows, so
// that neither zero-filling nor hundreds of thousands of page faults cost
// time; small ones from the heap.
constexpr std::size_t GROSSER_BLOCK = std::size_t{4} << 20;

double* NullBlock(std::size_t eintraege, bool& abgebildet) {
    const std::size_t bytes = (eintraege > 0 ? eintraege : 1) * sizeof(double);
    abgebildet = bytes >= GROSSER_BLOCK;
    if (!abgebildet) return static_cast<double*>(std::calloc(1, bytes));
    void* p = mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (p == MAP_FAILED) return nullptr;
#ifdef MADV_HUGEPAGE
    madvise(p, bytes, MADV_HUGEPAGE);
#endif
    return static_cast<double*>(p);
}

void BlockFreigeben(double* block, std::size_t eintraege, bool abgebildet) {
    if (!block) return;
    if (abgebildet)
        munmap(block, (eintraege > 0 ? eintraege : 1) * sizeof(double));
    else
        std::free(block);
}

}  // namespace

void ArbeitsspeicherGrenzeSetzen(std::size_t bytes) {
    speicherGrenze = bytes;
    speicherBelegt = 0;
}

bool ArbeitsspeicherReservieren(std::size_t bytes) {
    if (speicherGrenze != 0 && (bytes > speicherGrenze || speicherBelegt > speicherGrenze - bytes))
        return false;
    speicherBelegt += bytes;
    return true;
}

void ArbeitsspeicherFreigeben(std::size_t bytes) {
    speicherBelegt = bytes > speicherBelegt ? 0 : speicherBelegt - bytes;
}

std::size_t ProfilGroesse(const int* erste, int n) {
    std::size_t summe = 0;
    for (int i = 0; i < n; ++i) summe += static_cast<std::size_t>(i - erste[i] + 1);
    return summe;
}

PMatrix* AllocPMatrix(int n, const int* erste) {
    bool gueltig = n >= 0;
    for (int i = 0; gueltig && i < n; ++i) gueltig = erste[i] >= 0 && erste[i] <= i;
    std::size_t eintraege = gueltig ? ProfilGroesse(erste, n) : 0;
    std::size_t bytes = eintraege * sizeof(double) + static_cast<std::size_t>(n) * sizeof(std::ptrdiff_t);
    PMatrix* k = nullptr;
    if (gueltig && ArbeitsspeicherReservieren(bytes)) {
        k = new (std::nothrow) PMatrix;
        if (k) {
            k->n = n;
            k->Eintraege = eintraege;
            k->Block = NullBlock(eintraege, k->Abgebildet);
            k->Basis = new (std::nothrow) std::ptrdiff_t[n > 0 ? n : 1];
            if (!k->Block || !k->Basis) {
                FreePMatrix(k);
                k = nullptr;
            }
        } else {
            ArbeitsspeicherFreigeben(bytes);
        }
    }
    if (!k) {
        FehlerAusgeben("# AllocPMatrix() Mem-Fault \n");
        return nullptr;
    }
    // Row i begins right after row i-1; entry (i, j) lies j - erste[i] into it.
    std::ptrdiff_t anfang = 0;
    for (int i = 0; i < n; ++i) {
        k->Basis[i] = anfang - erste[i];
        anfang += i - erste[i] + 1;
    }
    return k;
}

void FreePMatrix(PMatrix* k) {
    if (!k) return;
    ArbeitsspeicherFreigeben(k->Eintraege * sizeof(double) + static_cast<std::size_t>(k->n) * sizeof(std::ptrdiff_t));
    BlockFreigeben(k->Block, k->Eintraege, k->Abgebildet);
    delete[] k->Basis;
    delete k;
}

Matrix* AllocMatrix(int zeilen, int spalten) {
    Matrix* m = nullptr;
    if (zeilen >= 0 && spalten >= 0) {
        m = new (std::nothrow) Matrix;
        if (m) {
            m->Zeilen = zeilen;
            m->Spalten = spalten;
            std::size_t anzahl = static_cast<std::size_t>(zeilen) * static_cast<std::size_t>(spalten);
            m->Block = new (std::nothrow) double[anzahl > 0 ? anzahl : 1]();
            if (!m->Block) {
                delete m;
                m = nullptr;
            }
        }
    }
    if (!m) DiagnoseAusgeben("Fehler beim allokieren !");
    return m;
}

void FreeMatrix(Matrix* m) {
    if (!m) return;
    delete[] m->Block;
    delete m;
}

int SystemsteifigkeitZerlegen(int n, int* zustand, const int* erste, PMatrix* k, int* singulaer,
                              Berichtsempfaenger* fortschritt) {
    double s = 0.0;
    for (int i = 0; i < n; ++i) s += std::fabs((*k)(i, i));
    const double eps = (1e-12 / n) * s;

    // Weight of column k in the inner products: +1 for a positive pivot,
    // -1 for a negative one, 0 for a prescribed row (which takes no part).
    // `abweichend` counts the rows before k whose weight is not +1, so that
    // a stretch of plain positive rows can use the plain inner product.
    std::vector<double> vorzeichen(static_cast<std::size_t>(n), 0.0);
    std::vector<int> abweichend(static_cast<std::size_t>(n) + 1, 0);
    for (int i = 0; i < n; ++i) {
        if (fortschritt) fortschritt->Fortschritt(static_cast<double>(i) / n);
        if (zustand[i] != STATUS_DUAL) {
            abweichend[i + 1] = abweichend[i] + 1;
            continue;
        }
        double* zi = k->Zeile(i);
        for (int j = erste[i]; j < i; ++j) {
            if (!IstDual(zustand[j])) continue;  // stays as it is
            const double* zj = k->Zeile(j);
            double a = zi[j];
            const int von = std::max(erste[i], erste[j]);
            a -= abweichend[j] == abweichend[von] ? Skalarprodukt(zj, zi, von, j)
                                                 : GewichtetesProdukt(vorzeichen.data(), zj, zi, von, j);
            if (zustand[j] == STATUS_DUAL) {
                a = zj[j] * a;
                zi[i] -= a * a;
            } else {
                a = -zj[j] * a;
                zi[i] += a * a;
            }
            zi[j] = a;
        }
        double p = zi[i];
        if (-eps < p && p < eps) {
            if (singulaer) *singulaer = i;
            return -2;
        }
        if (p < 0) {
            zustand[i] = STATUS_NEGATIV;
            p = -p;
        }
        vorzeichen[static_cast<std::size_t>(i)] = zustand[i] == STATUS_DUAL ? 1.0 : -1.0;
        abweichend[i + 1] = abweichend[i] + (zustand[i] == STATUS_DUAL ? 0 : 1);
        zi[i] = 1.0 / std::sqrt(p);
    }
    return 0;
}

void GleichungssystemLoesen(int n, const int* zustand, const int* erste, const PMatrix* k,
                            double* u, double* f) {
    // primalVor[i]: prescribed rows before row i; rows whose profile holds
    // no prescribed column skip every test for one.
    std::vector<int> primalVor(static_cast<std::size_t>(n) + 1, 0);
    for (int i = 0; i < n; ++i) primalVor[i + 1] = primalVor[i] + (IstDual(zustand[i]) ? 0 : 1);
    auto ohnePrimal = [&](int i) { return primalVor[i] == primalVor[erste[i]]; };

    // 1. free rows start from their loads
    for (int i = 0; i < n; ++i)
        if (IstDual(zustand[i])) u[i] = f[i];
    // 2./3. move the prescribed displacements to the right-hand side
    for (int i = 0; i < n; ++i) {
        if (IstDual(zustand[i])) continue;
        const double* zi = k->Zeile(i);
        for (int j = erste[i]; j < i; ++j)
            if (IstDual(zustand[j])) u[j] -= u[i] * zi[j];
    }
    for (int i = 0; i < n; ++i) {
        if (!IstDual(zustand[i]) || ohnePrimal(i)) continue;
        const double* zi = k->Zeile(i);
        for (int j = erste[i]; j < i; ++j)
            if (!IstDual(zustand[j])) u[i] -= u[j] * zi[j];
    }
    // 4. forward substitution
    for (int i = 0; i < n; ++i) {
        if (!IstDual(zustand[i])) continue;
        const double* zi = k->Zeile(i);
        if (ohnePrimal(i)) {
            u[i] -= Skalarprodukt(u, zi, erste[i], i);
        } else {
            for (int j = erste[i]; j < i; ++j)
                if (IstDual(zustand[j])) u[i] -= u[j] * zi[j];
        }
        u[i] = u[i] * zi[i];
    }
    // 5. the signs of the diagonal
    for (int i = 0; i < n; ++i)
        if (zustand[i] == STATUS_NEGATIV) u[i] = -u[i];
    // 6. back substitution
    for (int i = n - 1; i >= 0; --i) {
        if (!IstDual(zustand[i])) continue;
        const double* zi = k->Zeile(i);
        u[i] = zi[i] * u[i];
        const double ui = u[i];
        if (ohnePrimal(i)) {
            for (int j = erste[i]; j < i; ++j) u[j] -= ui * zi[j];
        } else {
            for (int j = erste[i]; j < i; ++j)
                if (IstDual(zustand[j])) u[j] -= ui * zi[j];
        }
    }
    // 7.-9. reactions (K u)_p - f_p from the untouched primal rows and columns
    for (int i = 0; i < n; ++i)
        if (!IstDual(zustand[i])) f[i] = -f[i];
    for (int i = 0; i < n; ++i) {
        if (IstDual(zustand[i]) && ohnePrimal(i)) continue;
        const double* zi = k->Zeile(i);
        for (int j = erste[i]; j <= i; ++j)
            if (!IstDual(zustand[j])) f[j] += u[i] * zi[j];
    }
    for (int i = 0; i < n; ++i) {
        if (IstDual(zustand[i])) continue;
        const double* zi = k->Zeile(i);
        for (int j = erste[i]; j < i; ++j) f[i] += u[j] * zi[j];
    }
}
