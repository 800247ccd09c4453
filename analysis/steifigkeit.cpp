#include "analysis/steifigkeit.h"

#include <algorithm>
#include <cmath>
#include <new>

#include "analysis/drehung.h"
#include "core/bericht.h"
#include "core/latin1.h"

KatalogIndex::KatalogIndex(const Kataloge& kataloge) {
    for (const Material* m : Elemente<Material>(kataloge.Materialien)) materialien_.try_emplace(m->Nummer, m);
    for (const Querschnitt* q : Elemente<Querschnitt>(kataloge.Querschnitte))
        querschnitte_.try_emplace(q->Nummer, q);
}

const Material* KatalogIndex::MaterialZu(long nummer) const {
    auto it = materialien_.find(nummer);
    return it == materialien_.end() ? nullptr : it->second;
}

const Querschnitt* KatalogIndex::QuerschnittZu(long nummer) const {
    auto it = querschnitte_.find(nummer);
    return it == querschnitte_.end() ? nullptr : it->second;
}

namespace {

// The columns T (and T*) may hold in row (column) i: the x/y pair of an
// end, or the rotation alone.
constexpr int BLOCK_ANFANG[6] = {0, 0, 2, 3, 3, 5};
constexpr int BLOCK_ENDE[6] = {2, 2, 3, 5, 5, 6};

// Slot s must hold a degree of freedom of direction s mod 3 with an
// equation number; else the message and false.
bool SlotsPruefen(const Element* e, int n, Berichtsempfaenger& bericht) {
    for (int s = 0; s < 6; ++s)
        if (!e->Fg[s] || e->Fg[s]->Richtung != s % 3 || e->Fg[s]->Index < 0 || e->Fg[s]->Index >= n) {
            MeldungFormatiert(bericht, "Fehler bei Freiheitsgrad %ld", static_cast<long>(s));
            return false;
        }
    return true;
}

std::array<int, 6> Gleichungen(const Element* e) {
    std::array<int, 6> nummern;
    for (int s = 0; s < 6; ++s) nummern[static_cast<std::size_t>(s)] = static_cast<int>(e->Fg[s]->Index);
    return nummern;
}

}  // namespace

void FreiheitsgradeNummerieren(Kernmodell& modell, const Modellfolge* folge) {
    Modellfolge eigene;
    long index = 0;
    for (Freiheitsgrad* fg : ModellfolgeVon(modell, folge, eigene).Freiheitsgrade) fg->Index = index++;
}

int PrimalDualAufbauen(const Kernmodell& modell, double* u, double* fKnoten, int* zustand, int n,
                       Berichtsempfaenger& bericht, const Modellfolge* folge) {
    for (int i = 0; i < n; ++i) zustand[i] = STATUS_DUAL;
    Modellfolge eigene;
    for (const Freiheitsgrad* fg : ModellfolgeVon(modell, folge, eigene).Freiheitsgrade) {
        const long i = fg->Index;
        if (i >= n || i < 0) {
            MeldungAusgeben(bericht, "Fehler ! Index eines Freiheitsgrades groesser als SystemDimension ");
            return 0;
        }
        zustand[i] = static_cast<int>(fg->Status);
        if (fg->Status == STATUS_DUAL)
            fKnoten[i] = fg->Last;
        else if (fg->Status == STATUS_PRIMAL)
            u[i] = fg->Wert;
        else {
            MeldungAusgeben(bericht, "Fehler beim Aufbau Primal/Dual !");
            return 0;
        }
    }
    return 1;
}

void ProfilBestimmen(const Kernmodell& modell, int* erste, int n) {
    for (int i = 0; i < n; ++i) erste[i] = n;
    for (const Element* e : Elemente<Element>(modell.Elemente)) {
        long m = n;
        for (const Freiheitsgrad* fg : e->Fg)
            if (fg) m = std::min(m, fg->Index);
        for (const Freiheitsgrad* fg : e->Fg)
            if (fg && fg->Index >= 0 && fg->Index < n)
                erste[fg->Index] = std::min(erste[fg->Index], static_cast<int>(m));
    }
}

void LokaleSteifigkeit(Matrix6 k, double e, double a, double iz, double l) {
    for (int i = 0; i < 6; ++i)
        for (int j = 0; j < 6; ++j) k[i][j] = 0.0;
    const double ea = e * a / l;
    const double b12 = 12 * e * iz / (l * l * l), b6 = 6 * e * iz / (l * l);
    const double b4 = 4 * e * iz / l, b2 = 2 * e * iz / l;
    k[0][0] = ea;   k[0][3] = -ea;
    k[3][0] = -ea;  k[3][3] = ea;
    k[1][1] = b12;  k[1][2] = b6;   k[1][4] = -b12; k[1][5] = b6;
    k[2][1] = b6;   k[2][2] = b4;   k[2][4] = -b6;  k[2][5] = b2;
    k[4][1] = -b12; k[4][2] = -b6;  k[4][4] = b12;  k[4][5] = -b6;
    k[5][1] = b6;   k[5][2] = b2;   k[5][4] = -b6;  k[5][5] = b4;
}

int TransformationsmatrixBerechnen(Matrix6 t, const Element* e) {
    for (int i = 0; i < 6; ++i)
        for (int j = 0; j < 6; ++j) t[i][j] = 0.0;
    const Drehung d0 = DrehungZu(e->Winkel - e->Fg[0]->Winkel), d1 = DrehungZu(e->Winkel - e->Fg[1]->Winkel);
    const Drehung d3 = DrehungZu(e->Winkel - e->Fg[3]->Winkel), d4 = DrehungZu(e->Winkel - e->Fg[4]->Winkel);
    t[0][0] = d0.c;
    t[0][1] = -d0.s;
    t[1][0] = d1.s;
    t[1][1] = d1.c;
    t[2][2] = 1.0;
    t[3][3] = d3.c;
    t[3][4] = -d3.s;
    t[4][3] = d4.s;
    t[4][4] = d4.c;
    t[5][5] = 1.0;
    return 1;
}

void MatrixMultiplizieren(Matrix6 z, const Matrix6 x, const Matrix6 y) {
    for (int i = 0; i < 6; ++i)
        for (int j = 0; j < 6; ++j) {
            double s = 0.0;
            for (int m = 0; m < 6; ++m) s += x[i][m] * y[m][j];
            z[i][j] = s;
        }
}

int ElementsteifigkeitBerechnen(Matrix6 ke, const Element* e, const KatalogIndex& katalog,
                                Berichtsempfaenger& bericht) {
    for (int i = 0; i < 6; ++i)
        for (int j = 0; j < 6; ++j) ke[i][j] = 0.0;
    const Material* m = katalog.MaterialZu(e->Material);
    if (!m) {
        MeldungAusgeben(bericht, "es existieren Stäbe ohne Material !"_l1);
        return 0;
    }
    const Querschnitt* q = katalog.QuerschnittZu(e->Querschnitt);
    if (!q) {
        MeldungAusgeben(bericht, "es existieren Stäbe ohne Querschnitt !"_l1);
        return 0;
    }
    Matrix6 k, t, w, tStern;
    LokaleSteifigkeit(k, m->EModul, q->Flaeche, q->Traegheitsmoment, e->Laenge);
    TransformationsmatrixBerechnen(t, e);
    for (int i = 0; i < 6; ++i)
        for (int j = 0; j < 6; ++j) tStern[i][j] = t[i][j];
    tStern[0][1] = -t[0][1];
    tStern[1][0] = -t[1][0];
    tStern[3][4] = -t[3][4];
    tStern[4][3] = -t[4][3];
    // W = T k and Ke = W T* as MatrixMultiplizieren forms them, over the
    // entries T and T* can hold only: every sum keeps its order, and the
    // products left out are exact zeros, so the result is the same to the
    // last bit at a third of the work.
    for (int i = 0; i < 6; ++i)
        for (int j = 0; j < 6; ++j) {
            double s = 0.0;
            for (int x = BLOCK_ANFANG[i]; x < BLOCK_ENDE[i]; ++x) s += t[i][x] * k[x][j];
            w[i][j] = s;
        }
    for (int i = 0; i < 6; ++i)
        for (int j = 0; j < 6; ++j) {
            double s = 0.0;
            for (int x = BLOCK_ANFANG[j]; x < BLOCK_ENDE[j]; ++x) s += w[i][x] * tStern[x][j];
            ke[i][j] = s;
        }
    return 1;
}

int SystemsteifigkeitAufbauen(const Kernmodell& modell, PMatrix*& k, const int* erste, int n,
                              const Elementsteifigkeit& elementsteifigkeit, Berichtsempfaenger& bericht,
                              Elementmatrizen* behalten, const Modellfolge* folge) {
    if (!k) {
        k = AllocPMatrix(n, erste);
        if (!k) {
            MeldungAusgeben(bericht, "Speicherfehler !");
            return 0;
        }
    } else {
        std::fill(k->Block, k->Block + k->Eintraege, 0.0);
    }
    Modellfolge eigene;
    const Modellfolge& m = ModellfolgeVon(modell, folge, eigene);
    if (behalten) {
        behalten->Fg.clear();
        behalten->Ke.clear();
        try {
            behalten->Fg.reserve(m.Elemente.size());
            behalten->Ke.reserve(m.Elemente.size());
        } catch (const std::bad_alloc&) {
            MeldungAusgeben(bericht, "Speicherfehler !");
            return 0;
        }
    }
    for (const Element* e : m.Elemente) {
        if (!SlotsPruefen(e, n, bericht)) return 0;
        Matrix6 ke;
        elementsteifigkeit(ke, e);
        const std::array<int, 6> nummern = Gleichungen(e);
        for (int a = 0; a < 6; ++a) {
            const int ia = nummern[static_cast<std::size_t>(a)];
            double* zeile = k->Zeile(ia);
            for (int b = 0; b < 6; ++b) {
                const int ib = nummern[static_cast<std::size_t>(b)];
                if (ia >= ib) zeile[ib] += ke[a][b];
            }
        }
        if (behalten) {
            behalten->Fg.push_back(nummern);
            std::array<double, 36> kopie;
            for (int a = 0; a < 6; ++a)
                for (int b = 0; b < 6; ++b) kopie[static_cast<std::size_t>(6 * a + b)] = ke[a][b];
            behalten->Ke.push_back(kopie);
        }
    }
    for (const Freiheitsgrad* fg : m.Freiheitsgrade)
        if (fg->Index >= 0 && fg->Index < n && erste[fg->Index] <= fg->Index)
            (*k)(static_cast<int>(fg->Index), static_cast<int>(fg->Index)) += fg->Feder;
    return 1;
}

int SystemsteifigkeitAufbauen(const Kernmodell& modell, DMatrix*& k, int n,
                              const Elementsteifigkeit& elementsteifigkeit, Berichtsempfaenger& bericht,
                              const Modellfolge* folge) {
    Modellfolge eigene;
    const Modellfolge& m = ModellfolgeVon(modell, folge, eigene);
    std::vector<std::array<int, 6>> nummern;
    try {
        nummern.reserve(m.Elemente.size());
        for (const Element* e : m.Elemente) {
            if (!SlotsPruefen(e, n, bericht)) return 0;
            nummern.push_back(Gleichungen(e));
        }
    } catch (const std::bad_alloc&) {
        MeldungAusgeben(bericht, "Speicherfehler !");
        return 0;
    }
    if (k)
        std::fill(k->Werte.begin(), k->Werte.end(), 0.0);  // the pattern of the first assembly
    else
        k = DMatrixAnlegen(n, nummern);
    if (!k) {
        MeldungAusgeben(bericht, "Speicherfehler !");
        return 0;
    }
    std::size_t nr = 0;
    for (const Element* e : m.Elemente) {
        Matrix6 ke;
        elementsteifigkeit(ke, e);
        const std::array<int, 6>& fg = nummern[nr++];
        for (int a = 0; a < 6; ++a)
            for (int b = 0; b < 6; ++b)
                if (fg[static_cast<std::size_t>(a)] >= fg[static_cast<std::size_t>(b)])
                    *k->Eintrag(fg[static_cast<std::size_t>(a)], fg[static_cast<std::size_t>(b)]) += ke[a][b];
    }
    for (const Freiheitsgrad* fg : m.Freiheitsgrade)
        if (fg->Index >= 0 && fg->Index < n)
            *k->Eintrag(static_cast<int>(fg->Index), static_cast<int>(fg->Index)) += fg->Feder;
    return 1;
}

std::vector<int> Knotengruppen(const Kernmodell& modell, int n, const Modellfolge* folge) {
    std::vector<int> gruppe(static_cast<std::size_t>(n), -1);
    Modellfolge eigene;
    for (const Element* e : ModellfolgeVon(modell, folge, eigene).Elemente)
        for (int s = 0; s < 6; ++s) {
            const long i = e->Fg[s]->Index, x = e->Fg[s < 3 ? 0 : 3]->Index;
            if (i >= 0 && i < n && gruppe[static_cast<std::size_t>(i)] < 0)
                gruppe[static_cast<std::size_t>(i)] = static_cast<int>(x);
        }
    return gruppe;
}

void LokaleErsatzlasten(const Element* e, double f[6]) {
    const double qa = e->qAnfang, qe = e->qEnde, na = e->nAnfang, ne = e->nEnde, l = e->Laenge;
    f[0] = (na / 3 + ne / 6) * l;
    f[1] = (7 * qa / 20 + 3 * qe / 20) * l;
    f[2] = l * l * (qa / 20 + qe / 30);
    f[3] = (na / 6 + ne / 3) * l;
    f[4] = (3 * qa / 20 + 7 * qe / 20) * l;
    f[5] = -l * l * (qa / 30 + qe / 20);
    // Held at both ends, the element carries the normal force TemperaturN
    // and the moment TemperaturM of its temperature loads; its end forces
    // then are -F.
    f[0] += e->TemperaturN;
    f[3] -= e->TemperaturN;
    f[2] += e->TemperaturM;
    f[5] -= e->TemperaturM;
}

void ErsatzlastenBerechnen(const Kernmodell& modell, double* fErsatz, int n, const Modellfolge* folge) {
    for (int i = 0; i < n; ++i) fErsatz[i] = 0.0;
    Modellfolge eigene;
    for (const Element* e : ModellfolgeVon(modell, folge, eigene).Elemente) {
        double f[6];
        LokaleErsatzlasten(e, f);
        Matrix6 t;
        TransformationsmatrixBerechnen(t, e);
        for (int p = 0; p < 6; ++p) {
            double s = 0.0;
            for (int q = 0; q < 6; ++q) s += t[p][q] * f[q];
            const long i = e->Fg[p]->Index;
            if (i >= 0 && i < n) fErsatz[i] += s;
        }
    }
}

void KnotenkraefteBerechnen(const PMatrix* k, const int* erste, const double* u, const double* fErsatz,
                            double* fKnoten, int n) {
    // Row by row: the stored part of row i first, then the mirrored entries
    // K[j][i] of the later rows j in ascending order, as a sweep over the
    // full matrix row would add them, without visiting columns outside the
    // profile.
    for (int i = 0; i < n; ++i) {
        double s = 0.0;
        for (int j = erste[i]; j <= i; ++j) s += (*k)(i, j) * u[j];
        fKnoten[i] = s;
        for (int j = erste[i]; j < i; ++j) fKnoten[j] += (*k)(i, j) * u[i];
    }
    for (int i = 0; i < n; ++i) fKnoten[i] -= fErsatz[i];
}

void KnotenkraefteBerechnen(const Kernmodell& modell, const Elementmatrizen& ke, const double* u,
                            const double* fErsatz, double* fKnoten, int n, const Modellfolge* folge) {
    for (int i = 0; i < n; ++i) fKnoten[i] = 0.0;
    for (std::size_t e = 0; e < ke.Fg.size(); ++e) {
        const std::array<int, 6>& fg = ke.Fg[e];
        const std::array<double, 36>& m = ke.Ke[e];
        for (int a = 0; a < 6; ++a) {
            const int ia = fg[static_cast<std::size_t>(a)];
            for (int b = 0; b < 6; ++b) {
                const int ib = fg[static_cast<std::size_t>(b)];
                if (ia < ib) continue;
                const double kab = m[static_cast<std::size_t>(6 * a + b)];
                fKnoten[ia] += kab * u[ib];
                if (ia != ib) fKnoten[ib] += kab * u[ia];
            }
        }
    }
    Modellfolge eigene;
    for (const Freiheitsgrad* fg : ModellfolgeVon(modell, folge, eigene).Freiheitsgrade)
        if (fg->Index >= 0 && fg->Index < n) fKnoten[fg->Index] += fg->Feder * u[fg->Index];
    for (int i = 0; i < n; ++i) fKnoten[i] -= fErsatz[i];
}

void KnotenkraefteBerechnen(const DMatrix& k, const double* u, const double* fErsatz, double* fKnoten) {
    DMatrixMalVektor(k, u, fKnoten);
    for (int i = 0; i < k.n; ++i) fKnoten[i] -= fErsatz[i];
}

void ErgebnisseUebernehmen(Kernmodell& modell, const double* u, const double* fKnoten, const Modellfolge* folge) {
    Modellfolge eigene;
    for (Freiheitsgrad* fg : ModellfolgeVon(modell, folge, eigene).Freiheitsgrade) {
        const long i = fg->Index;
        fg->Wert = u[i];
        if (fg->Status == STATUS_PRIMAL)
            fg->Reaktion = fKnoten[i];
        else
            fg->Last = fKnoten[i];
        if (fg->Feder != 0.0) fg->Reaktion = fKnoten[i];
    }
}
