#include "analysis/duennloeser.h"

#include <algorithm>
#include <cmath>
#include <new>

#include <amd.h>
#include <cholmod.h>

#include "analysis/gleichungsloeser.h"
#include "core/bericht.h"
#include "core/datenmodell.h"

namespace {

constexpr int GRENZE_VORGABE = 20000;
int grenze = GRENZE_VORGABE;

bool IstFrei(int z) { return z == STATUS_DUAL || z == STATUS_NEGATIV; }

// Row slices of the factorisation between two progress reports.
constexpr int FORTSCHRITT_SCHRITTE = 200;

}  // namespace

bool DuennLoeserFuer(int n) { return n >= grenze; }
void DuennLoeserGrenzeSetzen(int n) { grenze = n > 0 ? n : GRENZE_VORGABE; }

double* DMatrix::Eintrag(int i, int j) {
    const std::size_t ende = Anfang[static_cast<std::size_t>(j) + 1];
    for (std::size_t p = Anfang[static_cast<std::size_t>(j)]; p < ende; ++p)
        if (Zeilen[p] == i) return &Werte[p];
    return nullptr;
}

DMatrix* DMatrixAnlegen(int n, const std::vector<std::array<int, 6>>& elementFg) {
    DMatrix* k = new (std::nothrow) DMatrix;
    if (!k) return nullptr;
    try {
        k->n = n;
        const std::size_t spalten = static_cast<std::size_t>(n);
        // Each column's rows, duplicates and all, by a counting sort over
        // the couplings of every element; then sorted and made unique.
        std::vector<std::size_t> zahl(spalten + 1, 0);
        for (std::size_t j = 0; j < spalten; ++j) zahl[j + 1] = 1;  // the diagonal
        for (const auto& fg : elementFg)
            for (int a = 0; a < 6; ++a)
                for (int b = 0; b < 6; ++b)
                    if (fg[a] > fg[b]) ++zahl[static_cast<std::size_t>(fg[b]) + 1];
        for (std::size_t j = 0; j < spalten; ++j) zahl[j + 1] += zahl[j];
        const std::size_t roh = zahl[spalten];
        const std::size_t bytes = roh * (sizeof(int) + sizeof(double)) + (spalten + 1) * sizeof(std::size_t);
        if (!ArbeitsspeicherReservieren(bytes)) {
            delete k;
            return nullptr;
        }
        k->gebucht = bytes;
        std::vector<int> zeilen(roh);
        std::vector<std::size_t> platz(zahl.begin(), zahl.end() - 1);
        for (std::size_t j = 0; j < spalten; ++j) zeilen[platz[j]++] = static_cast<int>(j);
        for (const auto& fg : elementFg)
            for (int a = 0; a < 6; ++a)
                for (int b = 0; b < 6; ++b)
                    if (fg[a] > fg[b]) zeilen[platz[static_cast<std::size_t>(fg[b])]++] = fg[a];
        k->Anfang.assign(spalten + 1, 0);
        std::size_t ziel = 0;
        for (std::size_t j = 0; j < spalten; ++j) {
            auto von = zeilen.begin() + static_cast<std::ptrdiff_t>(zahl[j]);
            auto bis = zeilen.begin() + static_cast<std::ptrdiff_t>(zahl[j + 1]);
            std::sort(von, bis);  // the diagonal, the smallest row, comes first
            bis = std::unique(von, bis);
            for (auto it = von; it != bis; ++it) zeilen[ziel++] = *it;
            k->Anfang[j + 1] = ziel;
        }
        zeilen.resize(ziel);
        zeilen.shrink_to_fit();
        k->Zeilen = std::move(zeilen);
        k->Werte.assign(ziel, 0.0);
    } catch (const std::bad_alloc&) {
        FreeDMatrix(k);
        return nullptr;
    }
    return k;
}

void FreeDMatrix(DMatrix* k) {
    if (!k) return;
    ArbeitsspeicherFreigeben(k->gebucht);
    delete k;
}

void DMatrixMalVektor(const DMatrix& k, const double* x, double* y) {
    for (int i = 0; i < k.n; ++i) y[i] = 0.0;
    for (int j = 0; j < k.n; ++j) {
        std::size_t p = k.Anfang[static_cast<std::size_t>(j)];
        const std::size_t ende = k.Anfang[static_cast<std::size_t>(j) + 1];
        double s = k.Werte[p] * x[j];
        const double xj = x[j];
        for (++p; p < ende; ++p) {
            const int i = k.Zeilen[p];
            s += k.Werte[p] * x[i];
            y[i] += k.Werte[p] * xj;
        }
        y[j] += s;
    }
}

// CHOLMOD's work space, the ordered pattern of the free rows and the factor.
struct DuennZerlegung::Cholmod {
    cholmod_common common;
    cholmod_factor* faktor = nullptr;
    cholmod_sparse* geordnet = nullptr;  // P K_ff P^T, upper triangle
    std::vector<int> anfang, zeilen;      // pattern of K_ff, lower triangle, compressed columns
    std::size_t gebucht = 0;
};

DuennZerlegung::DuennZerlegung() : c_(new (std::nothrow) Cholmod) {
    if (!c_) return;
    cholmod_start(&c_->common);
    c_->common.print = 0;  // failures are reported by the caller
    c_->common.nmethods = 1;
    c_->common.method[0].ordering = CHOLMOD_AMD;
    c_->common.postorder = 1;
    c_->common.supernodal = CHOLMOD_SIMPLICIAL;  // LDL^T: the signs of the pivots stay visible
    c_->common.final_ll = 0;
}

DuennZerlegung::~DuennZerlegung() {
    if (!c_) return;
    cholmod_free_sparse(&c_->geordnet, &c_->common);
    cholmod_free_factor(&c_->faktor, &c_->common);
    cholmod_finish(&c_->common);
    ArbeitsspeicherFreigeben(c_->gebucht);
    delete c_;
}

std::size_t DuennZerlegung::FaktorEintraege() const {
    if (!c_ || !c_->faktor || c_->faktor->xtype == CHOLMOD_PATTERN) return 0;
    const cholmod_factor* l = c_->faktor;
    const int* nz = static_cast<const int*>(l->nz);
    std::size_t summe = 0;
    for (std::size_t k = 0; k < l->n; ++k) summe += static_cast<std::size_t>(nz[k]);
    return summe;
}

// A fill-reducing order of the free equations from an AMD order of the
// groups (model nodes) they belong to, the equations of a group together.
bool DuennZerlegung::KnotenOrdnen(const DMatrix& k, const int* gruppe, std::vector<int>& folge) const {
    const std::size_t m = zeileVonFrei_.size();
    // Groups numbered 0..g-1 in order of first appearance; an equation of
    // no group is a group of its own.
    std::vector<int> nummer(static_cast<std::size_t>(k.n), -1), gruppeVonFrei(m);
    int g = 0;
    for (std::size_t f = 0; f < m; ++f) {
        const int alt = gruppe[zeileVonFrei_[f]];
        if (alt < 0 || alt >= k.n) {
            gruppeVonFrei[f] = g++;
        } else {
            int& neu = nummer[static_cast<std::size_t>(alt)];
            if (neu < 0) neu = g++;
            gruppeVonFrei[f] = neu;
        }
    }
    // The graph of the groups, one triangle, each edge once per column.
    std::vector<int> anfang(static_cast<std::size_t>(g) + 1, 0), zeilen, marke(static_cast<std::size_t>(g), -1);
    std::vector<int> anfangFrei(static_cast<std::size_t>(g) + 1, 0), freie(m);
    for (std::size_t f = 0; f < m; ++f) ++anfangFrei[static_cast<std::size_t>(gruppeVonFrei[f]) + 1];
    for (int a = 0; a < g; ++a) anfangFrei[static_cast<std::size_t>(a) + 1] += anfangFrei[static_cast<std::size_t>(a)];
    {
        std::vector<int> platz(anfangFrei.begin(), anfangFrei.end() - 1);
        for (std::size_t f = 0; f < m; ++f) freie[static_cast<std::size_t>(platz[static_cast<std::size_t>(gruppeVonFrei[f])]++)] = static_cast<int>(f);
    }
    zeilen.reserve(m * 3);
    for (int a = 0; a < g; ++a) {
        for (int q = anfangFrei[static_cast<std::size_t>(a)]; q < anfangFrei[static_cast<std::size_t>(a) + 1]; ++q) {
            const int j = zeileVonFrei_[static_cast<std::size_t>(freie[static_cast<std::size_t>(q)])];
            for (std::size_t p = k.Anfang[static_cast<std::size_t>(j)]; p < k.Anfang[static_cast<std::size_t>(j) + 1]; ++p) {
                const int f = freiVonZeile_[static_cast<std::size_t>(k.Zeilen[p])];
                if (f < 0) continue;
                const int b = gruppeVonFrei[static_cast<std::size_t>(f)];
                if (b == a || marke[static_cast<std::size_t>(b)] == a) continue;
                marke[static_cast<std::size_t>(b)] = a;
                zeilen.push_back(b);
            }
        }
        anfang[static_cast<std::size_t>(a) + 1] = static_cast<int>(zeilen.size());
    }
    std::vector<int> gruppenfolge(static_cast<std::size_t>(g));
    const int status = amd_order(g, anfang.data(), zeilen.data(), gruppenfolge.data(), nullptr, nullptr);
    if (status != AMD_OK && status != AMD_OK_BUT_JUMBLED) return false;
    folge.clear();
    folge.reserve(m);
    for (int a : gruppenfolge)
        for (int q = anfangFrei[static_cast<std::size_t>(a)]; q < anfangFrei[static_cast<std::size_t>(a) + 1]; ++q)
            folge.push_back(freie[static_cast<std::size_t>(q)]);
    return true;
}

bool DuennZerlegung::Vorbereiten(const DMatrix& k, const int* zustand, const int* gruppe) {
    if (!c_) return false;
    try {
        // The free rows in their order, numbered 0..m-1.
        freiVonZeile_.assign(static_cast<std::size_t>(k.n), -1);
        zeileVonFrei_.clear();
        for (int i = 0; i < k.n; ++i)
            if (IstFrei(zustand[i])) {
                freiVonZeile_[static_cast<std::size_t>(i)] = static_cast<int>(zeileVonFrei_.size());
                zeileVonFrei_.push_back(i);
            }
        const std::size_t m = zeileVonFrei_.size();
        c_->anfang.assign(m + 1, 0);
        c_->zeilen.clear();
        c_->zeilen.reserve(k.Zeilen.size());
        for (std::size_t f = 0; f < m; ++f) {
            const int j = zeileVonFrei_[f];
            for (std::size_t p = k.Anfang[static_cast<std::size_t>(j)]; p < k.Anfang[static_cast<std::size_t>(j) + 1]; ++p) {
                const int frei = freiVonZeile_[static_cast<std::size_t>(k.Zeilen[p])];
                if (frei >= 0) c_->zeilen.push_back(frei);
            }
            c_->anfang[f + 1] = static_cast<int>(c_->zeilen.size());
        }
    } catch (const std::bad_alloc&) {
        return false;
    }
    if (zeileVonFrei_.empty()) return true;  // everything prescribed: nothing to decompose
    cholmod_sparse a = {};
    a.nrow = a.ncol = zeileVonFrei_.size();
    a.nzmax = c_->zeilen.size();
    a.p = c_->anfang.data();
    a.i = c_->zeilen.data();
    a.stype = -1;
    a.itype = CHOLMOD_INT;
    a.xtype = CHOLMOD_PATTERN;  // the ordering needs no values
    a.dtype = CHOLMOD_DOUBLE;
    a.sorted = 1;
    a.packed = 1;
    std::vector<int> folge;
    bool geordnet = false;
    try {
        geordnet = gruppe && KnotenOrdnen(k, gruppe, folge);
    } catch (const std::bad_alloc&) {
        return false;
    }
    if (geordnet) {
        c_->common.method[0].ordering = CHOLMOD_GIVEN;
        c_->faktor = cholmod_analyze_p(&a, folge.data(), nullptr, 0, &c_->common);
    } else {
        c_->common.method[0].ordering = CHOLMOD_AMD;
        c_->faktor = cholmod_analyze(&a, &c_->common);
    }
    if (!c_->faktor) return false;
    // Storage of the factor, booked like the profile of the other solver.
    const std::size_t bytes = static_cast<std::size_t>(c_->common.lnz) * (sizeof(double) + sizeof(int)) +
                              a.nrow * 6 * sizeof(int);
    if (!ArbeitsspeicherReservieren(bytes)) return false;
    c_->gebucht = bytes;
    // Numeric storage now, so that a shortage shows before the decomposition.
    if (!cholmod_change_factor(CHOLMOD_REAL, 0, 0, 0, 1, c_->faktor, &c_->common)) return false;
    try {
        return GeordnetAnlegen(k);
    } catch (const std::bad_alloc&) {
        return false;
    }
}

// The pattern of P K_ff P^T as its upper triangle (the form the row-by-row
// factorisation reads; it gathers every column into a dense work vector,
// so the rows of a column may come in any order) and for every entry of K
// the place its value goes to, -1 for the couplings of prescribed rows.
// The values then need one pass, also for a second decomposition of the
// same pattern.
bool DuennZerlegung::GeordnetAnlegen(const DMatrix& k) {
    const std::size_t m = zeileVonFrei_.size();
    const int* perm = static_cast<const int*>(c_->faktor->Perm);
    std::vector<int> stelle(m);
    for (std::size_t r = 0; r < m; ++r) stelle[static_cast<std::size_t>(perm[r])] = static_cast<int>(r);
    // Row and column in the ordered upper triangle of entry p of column j.
    auto ort = [&](int j, std::size_t p, int& zeile, int& spalte) {
        const int f = freiVonZeile_[static_cast<std::size_t>(k.Zeilen[p])];
        if (f < 0) return false;
        const int a = stelle[static_cast<std::size_t>(f)];
        const int b = stelle[static_cast<std::size_t>(freiVonZeile_[static_cast<std::size_t>(j)])];
        zeile = std::min(a, b);
        spalte = std::max(a, b);
        return true;
    };
    std::vector<int> platz(m + 1, 0);
    for (int j : zeileVonFrei_)
        for (std::size_t p = k.Anfang[static_cast<std::size_t>(j)]; p < k.Anfang[static_cast<std::size_t>(j) + 1]; ++p) {
            int zeile = 0, spalte = 0;
            if (ort(j, p, zeile, spalte)) ++platz[static_cast<std::size_t>(spalte) + 1];
        }
    for (std::size_t r = 0; r < m; ++r) platz[r + 1] += platz[r];
    cholmod_free_sparse(&c_->geordnet, &c_->common);
    c_->geordnet = cholmod_allocate_sparse(m, m, static_cast<std::size_t>(platz[m]), 0, 1, 1, CHOLMOD_REAL,
                                           &c_->common);
    if (!c_->geordnet) return false;
    int* sp = static_cast<int*>(c_->geordnet->p);
    int* si = static_cast<int*>(c_->geordnet->i);
    for (std::size_t r = 0; r <= m; ++r) sp[r] = platz[r];
    ziel_.assign(k.Zeilen.size(), -1);
    for (int j : zeileVonFrei_)
        for (std::size_t p = k.Anfang[static_cast<std::size_t>(j)]; p < k.Anfang[static_cast<std::size_t>(j) + 1]; ++p) {
            int zeile = 0, spalte = 0;
            if (!ort(j, p, zeile, spalte)) continue;
            const int q = platz[static_cast<std::size_t>(spalte)]++;
            si[q] = zeile;
            ziel_[p] = q;
        }
    // The copy of K_ff's pattern served the ordering only.
    std::vector<int>().swap(c_->anfang);
    std::vector<int>().swap(c_->zeilen);
    return true;
}

int DuennZerlegung::Zerlegen(const DMatrix& k, int* zustand, int* singulaer, Berichtsempfaenger* fortschritt) {
    double s = 0.0;
    for (int i = 0; i < k.n; ++i) s += std::fabs(k.Diagonale(i));
    const double eps = (1e-12 / k.n) * s;
    negativ_ = 0;
    if (zeileVonFrei_.empty()) return 0;

    // The values of K_ff into the ordered pattern of Vorbereiten.
    double* sx = static_cast<double*>(c_->geordnet->x);
    for (std::size_t p = 0; p < ziel_.size(); ++p)
        if (ziel_[p] >= 0) sx[ziel_[p]] = k.Werte[p];
    cholmod_factor* l = c_->faktor;

    const int m = static_cast<int>(zeileVonFrei_.size());
    const int* perm = static_cast<const int*>(l->Perm);
    const int* lp = static_cast<const int*>(l->p);
    if (zerlegt_) {
        // The row-by-row factorisation starts from L = I, D = I: a second
        // decomposition of the same pattern (new values) empties the
        // columns of the first.
        int* nz = static_cast<int*>(l->nz);
        double* lx = static_cast<double*>(l->x);
        for (int r = 0; r < m; ++r) {
            nz[r] = 1;
            lx[lp[r]] = 1.0;
        }
        l->minor = static_cast<std::size_t>(m);
    }
    zerlegt_ = true;
    double beta[2] = {0.0, 0.0};
    const int schritt = std::max(1, m / FORTSCHRITT_SCHRITTE);
    for (int von = 0; von < m; von += schritt) {
        if (fortschritt) fortschritt->Fortschritt(static_cast<double>(von) / m);
        const int bis = std::min(m, von + schritt);
        c_->common.status = CHOLMOD_OK;
        cholmod_rowfac(c_->geordnet, nullptr, beta, static_cast<std::size_t>(von), static_cast<std::size_t>(bis), l,
                       &c_->common);
        if (c_->common.status < CHOLMOD_OK) return -1;
        for (int r = von; r < bis; ++r) {
            const double d = static_cast<const double*>(l->x)[lp[r]];
            const int zeile = zeileVonFrei_[static_cast<std::size_t>(perm[r])];
            // The test of the profile solver, strict on both sides; a pivot
            // that is no number goes on to the check of the results there too.
            if (-eps < d && d < eps) {
                if (singulaer) *singulaer = zeile;
                return -2;
            }
            // Set afresh, so that a repeated decomposition leaves no mark
            // of an earlier one.
            zustand[zeile] = static_cast<int>(d < 0 ? STATUS_NEGATIV : STATUS_DUAL);
            if (d < 0) ++negativ_;
        }
    }
    return 0;
}

bool DuennZerlegung::Loesen(const DMatrix& k, const int* zustand, double* u, double* f) {
    const std::size_t n = static_cast<std::size_t>(k.n);
    std::vector<double> y;
    cholmod_dense* b = nullptr;
    try {
        y.assign(n, 0.0);
    } catch (const std::bad_alloc&) {
        return false;
    }
    // The prescribed displacements move to the right-hand side.
    std::vector<double>& vorgabe = y;  // reused below for K u
    std::vector<double> up;
    try {
        up.assign(u, u + n);
    } catch (const std::bad_alloc&) {
        return false;
    }
    for (std::size_t i = 0; i < n; ++i)
        if (IstFrei(zustand[i])) up[i] = 0.0;
    DMatrixMalVektor(k, up.data(), vorgabe.data());
    const std::size_t m = zeileVonFrei_.size();
    if (m == 0) {
        for (std::size_t i = 0; i < n; ++i) f[i] = vorgabe[i] - f[i];
        return true;
    }
    b = cholmod_allocate_dense(m, 1, m, CHOLMOD_REAL, &c_->common);
    if (!b) return false;
    double* bx = static_cast<double*>(b->x);
    for (std::size_t r = 0; r < m; ++r) {
        const int i = zeileVonFrei_[r];
        bx[r] = f[i] - vorgabe[static_cast<std::size_t>(i)];
    }
    cholmod_dense* x = cholmod_solve(CHOLMOD_A, c_->faktor, b, &c_->common);
    cholmod_free_dense(&b, &c_->common);
    if (!x) return false;
    const double* xx = static_cast<const double*>(x->x);
    for (std::size_t r = 0; r < m; ++r) u[zeileVonFrei_[r]] = xx[r];
    cholmod_free_dense(&x, &c_->common);
    // Reactions from the full rows of the prescribed equations.
    DMatrixMalVektor(k, u, y.data());
    for (std::size_t i = 0; i < n; ++i)
        if (!IstFrei(zustand[i])) f[i] = y[i] - f[i];
    return true;
}
