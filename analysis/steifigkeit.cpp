#include "analysis/steifigkeit.h"

#include <algorithm>
#include <cmath>

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

void FreiheitsgradeNummerieren(Kernmodell& modell) {
    long index = 0;
    for (Freiheitsgrad* fg : Elemente<Freiheitsgrad>(modell.Modellfreiheitsgrade)) fg->Index = index++;
}

int PrimalDualAufbauen(const Kernmodell& modell, double* u, double* fKnoten, int* zustand, int n,
                       Berichtsempfaenger& bericht) {
    for (int i = 0; i < n; ++i) zustand[i] = STATUS_DUAL;
    for (const Freiheitsgrad* fg : Elemente<Freiheitsgrad>(modell.Modellfreiheitsgrade)) {
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
    const double th0 = e->Winkel - e->Fg[0]->Winkel, th1 = e->Winkel - e->Fg[1]->Winkel;
    const double th3 = e->Winkel - e->Fg[3]->Winkel, th4 = e->Winkel - e->Fg[4]->Winkel;
    t[0][0] = std::cos(th0);
    t[0][1] = -std::sin(th0);
    t[1][0] = std::sin(th1);
    t[1][1] = std::cos(th1);
    t[2][2] = 1.0;
    t[3][3] = std::cos(th3);
    t[3][4] = -std::sin(th3);
    t[4][3] = std::sin(th4);
    t[4][4] = std::cos(th4);
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
    MatrixMultiplizieren(w, t, k);
    for (int i = 0; i < 6; ++i)
        for (int j = 0; j < 6; ++j) tStern[i][j] = t[i][j];
    tStern[0][1] = -t[0][1];
    tStern[1][0] = -t[1][0];
    tStern[3][4] = -t[3][4];
    tStern[4][3] = -t[4][3];
    MatrixMultiplizieren(ke, w, tStern);
    return 1;
}

int SystemsteifigkeitAufbauen(const Kernmodell& modell, PMatrix*& k, const int* erste, int n,
                              const Elementsteifigkeit& elementsteifigkeit, Berichtsempfaenger& bericht) {
    if (!k) {
        k = AllocPMatrix(n, erste);
        if (!k) {
            MeldungAusgeben(bericht, "Speicherfehler !");
            return 0;
        }
    } else {
        std::fill(k->Block, k->Block + k->Eintraege, 0.0);
    }
    for (const Element* e : Elemente<Element>(modell.Elemente)) {
        for (int s = 0; s < 6; ++s)
            if (!e->Fg[s] || e->Fg[s]->Richtung != s % 3 || e->Fg[s]->Index < 0 || e->Fg[s]->Index >= n) {
                MeldungFormatiert(bericht, "Fehler bei Freiheitsgrad %ld", static_cast<long>(s));
                return 0;
            }
        Matrix6 ke;
        elementsteifigkeit(ke, e);
        for (int a = 0; a < 6; ++a) {
            const int ia = static_cast<int>(e->Fg[a]->Index);
            for (int b = 0; b < 6; ++b) {
                const int ib = static_cast<int>(e->Fg[b]->Index);
                if (ia >= ib) (*k)(ia, ib) += ke[a][b];
            }
        }
    }
    for (const Freiheitsgrad* fg : Elemente<Freiheitsgrad>(modell.Modellfreiheitsgrade))
        if (fg->Index >= 0 && fg->Index < n && erste[fg->Index] <= fg->Index)
            (*k)(static_cast<int>(fg->Index), static_cast<int>(fg->Index)) += fg->Feder;
    return 1;
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

void ErsatzlastenBerechnen(const Kernmodell& modell, double* fErsatz, int n) {
    for (int i = 0; i < n; ++i) fErsatz[i] = 0.0;
    for (const Element* e : Elemente<Element>(modell.Elemente)) {
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

void ErgebnisseUebernehmen(Kernmodell& modell, const double* u, const double* fKnoten) {
    for (Freiheitsgrad* fg : Elemente<Freiheitsgrad>(modell.Modellfreiheitsgrade)) {
        const long i = fg->Index;
        fg->Wert = u[i];
        if (fg->Status == STATUS_PRIMAL)
            fg->Reaktion = fKnoten[i];
        else
            fg->Last = fKnoten[i];
        if (fg->Feder != 0.0) fg->Reaktion = fKnoten[i];
    }
}
