#include "theorie2_aufbau.h"

#include <algorithm>
#include <cmath>

#include "analysis/gleichungsloeser.h"
#include "core/datenmodell.h"

namespace {

// A full-profile matrix with every row free, factored by the profile solver.
struct Faktor {
    std::vector<int> erste, zustand;
    PMatrix* k = nullptr;
    bool zerlegt = false;
    explicit Faktor(const std::vector<std::vector<double>>& voll) {
        const int n = static_cast<int>(voll.size());
        erste.assign(static_cast<std::size_t>(n), 0);
        zustand.assign(static_cast<std::size_t>(n), static_cast<int>(STATUS_DUAL));
        k = AllocPMatrix(n, erste.data());
        for (int i = 0; i < n; ++i)
            for (int j = 0; j <= i; ++j) (*k)(i, j) = voll[i][j];
        int singulaer = -1;
        zerlegt = n == 0 || SystemsteifigkeitZerlegen(n, zustand.data(), erste.data(), k, &singulaer) == 0;
    }
    ~Faktor() { FreePMatrix(k); }
    long Negative() const {
        long z = 0;
        for (int s : zustand) z += s == STATUS_NEGATIV;
        return z;
    }
    void Loesen(std::vector<double>& x) const {
        std::vector<double> u(x.size(), 0.0);
        GleichungssystemLoesen(static_cast<int>(x.size()), zustand.data(), erste.data(), k, u.data(), x.data());
        x = u;
    }
};

}  // namespace

int Kleintragwerk::Stab(const StabdatenII& daten, double winkel, std::array<int, 6> fg) {
    staebe_.push_back({daten, std::cos(winkel), std::sin(winkel), fg});
    return static_cast<int>(staebe_.size()) - 1;
}

void Kleintragwerk::NormalkraefteSetzen(const std::vector<Normalkraftverlauf>& n, double lambda) {
    for (std::size_t i = 0; i < staebe_.size(); ++i) staebe_[i].daten.N = n[i].Mal(lambda);
}

namespace {

// Element matrix in global directions: T^T k T with T the rotation per node.
void Global(const double k[6][6], double c, double s, double kg[6][6]) {
    double t[6][6] = {};
    for (int b = 0; b < 2; ++b) {
        t[3 * b][3 * b] = c;
        t[3 * b][3 * b + 1] = s;
        t[3 * b + 1][3 * b] = -s;
        t[3 * b + 1][3 * b + 1] = c;
        t[3 * b + 2][3 * b + 2] = 1.0;
    }
    for (int a = 0; a < 6; ++a)
        for (int b = 0; b < 6; ++b) {
            double summe = 0.0;
            for (int i = 0; i < 6; ++i)
                for (int j = 0; j < 6; ++j) summe += t[i][a] * k[i][j] * t[j][b];
            kg[a][b] = summe;
        }
}

}  // namespace

std::vector<std::vector<double>> Kleintragwerk::Aufbauen(std::vector<double>* f, long* eingespannt) const {
    const std::size_t n = static_cast<std::size_t>(n_);
    std::vector<std::vector<double>> k(n, std::vector<double>(n, 0.0));
    for (std::size_t i = 0; i < n; ++i) k[i][i] += Federn[i];
    for (const Eintrag& e : staebe_) {
        const StabelementII el(e.daten);
        if (eingespannt) *eingespannt += el.EingespannteEigenwerte();
        double kl[6][6], kg[6][6], fl[6];
        el.Steifigkeit(kl);
        el.Ersatzlasten(fl);
        Global(kl, e.c, e.s, kg);
        const double fg[6] = {e.c * fl[0] - e.s * fl[1], e.s * fl[0] + e.c * fl[1], fl[2],
                              e.c * fl[3] - e.s * fl[4], e.s * fl[3] + e.c * fl[4], fl[5]};
        for (int a = 0; a < 6; ++a) {
            if (e.fg[a] < 0) continue;
            if (f) (*f)[e.fg[a]] += fg[a];
            for (int b = 0; b < 6; ++b)
                if (e.fg[b] >= 0) k[e.fg[a]][e.fg[b]] += kg[a][b];
        }
    }
    return k;
}

bool Kleintragwerk::Loesen(std::vector<double>& u) const {
    std::vector<double> f = Lasten;
    const Faktor faktor(Aufbauen(&f, nullptr));
    if (!faktor.zerlegt) return false;
    faktor.Loesen(f);
    u = f;
    return true;
}

int Kleintragwerk::Iterieren(std::vector<double>& u) {
    for (int iteration = 1; iteration <= 100; ++iteration) {
        if (!Loesen(u)) return 0;
        double aenderung = 0.0, groesste = 0.0;
        for (int i = 0; i < static_cast<int>(staebe_.size()); ++i) {
            StabdatenII& d = staebe_[i].daten;
            double l[6], s[6];
            LokaleVerschiebungen(i, u, l);
            StabelementII(d).Schnittkraefte(l, s);
            aenderung = std::max(aenderung, std::fabs(s[0] - d.N.N0));
            groesste = std::max(groesste, std::fabs(s[0]));
            d.N = NormalkraftAusLasten(s[0], d.nAnfang, d.nEnde, d.Laenge);
        }
        if (aenderung <= 1e-12 * (groesste + 1.0)) return iteration;
    }
    return 0;
}

Verzweigungsprobe Kleintragwerk::Probe(std::vector<double>& vektor) const {
    Verzweigungsprobe p;
    const Faktor faktor(Aufbauen(nullptr, &p.Eigenwerte));
    p.Zerlegt = faktor.zerlegt;
    if (!p.Zerlegt) return p;
    p.Eigenwerte += faktor.Negative();
    if (!vektor.empty()) p.Kennwert = RayleighKennwert(vektor, [&](std::vector<double>& x) { faktor.Loesen(x); });
    return p;
}

Verzweigungstest Kleintragwerk::Test(std::vector<Normalkraftverlauf> nI, bool mitKennwert) {
    // uneven, so that no symmetric structure has its mode orthogonal to it
    vektor_.clear();
    if (mitKennwert)
        for (int i = 0; i < n_; ++i) vektor_.push_back(1.0 + 0.5 * std::sin(1.7 * i + 0.3));
    return [this, nI](double lambda) {
        NormalkraefteSetzen(nI, lambda);
        return Probe(vektor_);
    };
}

void Kleintragwerk::LokaleVerschiebungen(int i, const std::vector<double>& u, double l[6]) const {
    const Eintrag& e = staebe_[i];
    double g[6];
    for (int a = 0; a < 6; ++a) g[a] = e.fg[a] < 0 ? 0.0 : u[e.fg[a]];
    for (int b = 0; b < 2; ++b) {
        l[3 * b] = e.c * g[3 * b] + e.s * g[3 * b + 1];
        l[3 * b + 1] = -e.s * g[3 * b] + e.c * g[3 * b + 1];
        l[3 * b + 2] = g[3 * b + 2];
    }
}
