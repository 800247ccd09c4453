#include "analysis/theorie2/potenzreihe.h"

#include <cmath>

namespace {

// Past this many terms the sum has long reached round-off on any piece the
// element makes (there some twenty suffice); it only bounds the loop.
constexpr int MAX_GLIEDER = 600;

// Size of a state in units of the piece: v, phi s, M s^2/EI and V s^3/EI are
// all lengths, so one tolerance fits every component.
double Betrag(const double y[4], double s, double ei) {
    return std::fabs(y[ZV]) + std::fabs(y[ZPHI]) * s +
           (std::fabs(y[ZM]) * s * s + std::fabs(y[ZV_QUER]) * s * s * s) / ei;
}

// Sums y(s) = sum_j T_j with T_j = c_j s^j, the terms built by the
// recurrence of the coefficients; `mitLasten` adds q and kappa.
void Summieren(const Teilstueck& t, const double y0[4], bool mitLasten, double s, double y[4]) {
    const double ei = std::fabs(t.EI);
    double glied[4] = {y0[0], y0[1], y0[2], y0[3]};
    double summe[4] = {y0[0], y0[1], y0[2], y0[3]};
    double phiVor1 = 0.0, phiVor2 = 0.0;  // T_{j-1}[phi] and T_{j-2}[phi]
    int klein = 0;
    for (int j = 0; j < MAX_GLIEDER; ++j) {
        const double f = s / (j + 1);
        double neu[4];
        neu[ZV] = f * glied[ZPHI];
        neu[ZPHI] = f * (glied[ZM] / t.EI + (mitLasten && j == 0 ? t.Kruemmung : 0.0));
        neu[ZM] = f * (glied[ZV_QUER] + t.N0 * glied[ZPHI] + t.N1 * s * phiVor1 + t.N2 * s * s * phiVor2);
        double last = 0.0;
        if (mitLasten) last = j == 0 ? t.q0 : (j == 1 ? t.q1 * s : 0.0);
        neu[ZV_QUER] = f * last;
        phiVor2 = phiVor1;
        phiVor1 = glied[ZPHI];
        for (int i = 0; i < 4; ++i) {
            glied[i] = neu[i];
            summe[i] += neu[i];
        }
        // Three small terms in a row: the convolution with N looks two
        // terms back, so after three zero terms all later ones are zero too.
        if (j >= 3 && Betrag(glied, s, ei) <= 1e-17 * Betrag(summe, s, ei)) {
            if (++klein == 3) break;
        } else {
            klein = 0;
        }
    }
    for (int i = 0; i < 4; ++i) y[i] = summe[i];
}

}  // namespace

void ZustandFortsetzen(const Teilstueck& t, const double y0[4], double s, double y[4]) {
    Summieren(t, y0, true, s, y);
}

void Uebertragung(const Teilstueck& t, double phi[4][4], double p[4]) {
    for (int spalte = 0; spalte < 4; ++spalte) {
        double einheit[4] = {0.0, 0.0, 0.0, 0.0};
        einheit[spalte] = 1.0;
        double y[4];
        Summieren(t, einheit, false, t.h, y);
        for (int i = 0; i < 4; ++i) phi[i][spalte] = y[i];
    }
    const double null[4] = {0.0, 0.0, 0.0, 0.0};
    Summieren(t, null, true, t.h, p);
}
