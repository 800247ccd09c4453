#include "analysis/theorie2/stabverlauf.h"

#include <algorithm>
#include <cmath>

void Stabverlauf::ZustandAn(double x, double y[4], const Teilstueck** stueck, double* s) const {
    x = std::clamp(x, 0.0, laenge_);
    const int m = static_cast<int>(stuecke_.size());
    int j = static_cast<int>(x / stueckLaenge_);
    j = std::clamp(j, 0, m - 1);
    const double lokal = x - j * stueckLaenge_;
    const Teilstueck& t = stuecke_[static_cast<std::size_t>(j)];
    ZustandFortsetzen(t, anfang_[static_cast<std::size_t>(j)].data(), lokal, y);
    if (stueck) *stueck = &t;
    if (s) *s = lokal;
}

double Stabverlauf::Normalkraft(double x) const {
    return NA_ - nA_ * x - (nE_ - nA_) * x * x / (2.0 * laenge_);
}

double Stabverlauf::Querkraft(double x) const {
    double y[4], s;
    const Teilstueck* t;
    ZustandAn(x, y, &t, &s);
    return y[ZV_QUER] + t->NormalkraftAn(s) * y[ZPHI];
}

double Stabverlauf::Moment(double x) const {
    double y[4];
    ZustandAn(x, y);
    return y[ZM];
}

double Stabverlauf::Durchbiegung(double x) const {
    double y[4];
    ZustandAn(x, y);
    return -y[ZV];
}

double Stabverlauf::Verdrehung(double x) const {
    double y[4];
    ZustandAn(x, y);
    return y[ZPHI];
}

double Stabverlauf::Laengsverschiebung(double x) const {
    const double integral = NA_ * x - nA_ * x * x / 2.0 - (nE_ - nA_) * x * x * x / (6.0 * laenge_);
    return uA_ + integral / EA_ + dehnung_ * x;
}

double Stabverlauf::Wert(Schnittgroesse g, double x) const {
    switch (g) {
    case Schnittgroesse::Normalkraft: return Normalkraft(x);
    case Schnittgroesse::Querkraft: return Querkraft(x);
    case Schnittgroesse::Moment: return Moment(x);
    case Schnittgroesse::Durchbiegung: return Durchbiegung(x);
    case Schnittgroesse::Laengsverschiebung: return Laengsverschiebung(x);
    }
    return 0.0;
}

double Stabverlauf::Ableitung(Schnittgroesse g, double x) const {
    switch (g) {
    case Schnittgroesse::Normalkraft: return -(nA_ + (nE_ - nA_) * x / laenge_);
    case Schnittgroesse::Laengsverschiebung: return Normalkraft(x) / EA_ + dehnung_;
    default: break;
    }
    double y[4], s;
    const Teilstueck* t;
    ZustandAn(x, y, &t, &s);
    const double n = t->NormalkraftAn(s);
    switch (g) {
    case Schnittgroesse::Moment: return y[ZV_QUER] + n * y[ZPHI];
    // (V + N phi)' = q + N' phi + N (M/EI + kappa)
    case Schnittgroesse::Querkraft:
        return t->LastAn(s) + (t->N1 + 2.0 * t->N2 * s) * y[ZPHI] + n * (y[ZM] / t->EI + t->Kruemmung);
    case Schnittgroesse::Durchbiegung: return -y[ZPHI];
    default: return 0.0;
    }
}

std::vector<double> Stabverlauf::Extremstellen(Schnittgroesse g) const {
    // The derivative is sampled finely enough for the few sign changes a
    // bar below its buckling load can have, each one then closed in by
    // regula falsi with the Illinois step (bisection when that stalls).
    const int proben = std::max(32, 8 * static_cast<int>(stuecke_.size()));
    std::vector<double> stellen;
    double xa = 0.0, fa = Ableitung(g, 0.0);
    for (int i = 1; i <= proben; ++i) {
        const double xb = laenge_ * i / proben;
        const double fb = Ableitung(g, xb);
        if (fb == 0.0 && i < proben) {
            // an exact zero on a sample is an extremum only if the sign changes across it
            const double xc = laenge_ * (i + 1) / proben, fc = Ableitung(g, xc);
            if (fa * fc < 0.0) stellen.push_back(xb);
            xa = xc;
            fa = fc;
            ++i;
            continue;
        }
        if (fa * fb < 0.0) {
            double a = xa, b = xb, ga = fa, gb = fb;
            int seite = 0;
            for (int schritt = 0; schritt < 200 && b - a > 1e-14 * laenge_; ++schritt) {
                double c = (a * gb - b * ga) / (gb - ga);
                if (!(c > a && c < b) || schritt % 8 == 7) c = 0.5 * (a + b);
                const double gc = Ableitung(g, c);
                if (gc == 0.0) {
                    a = b = c;
                    break;
                }
                if ((gc < 0.0) == (ga < 0.0)) {
                    a = c;
                    ga = gc;
                    if (seite == -1) gb *= 0.5;
                    seite = -1;
                } else {
                    b = c;
                    gb = gc;
                    if (seite == 1) ga *= 0.5;
                    seite = 1;
                }
            }
            stellen.push_back(0.5 * (a + b));
        }
        xa = xb;
        fa = fb;
    }
    return stellen;
}
