// The critical load factor of a run: the first-order axial forces N_I
// scaled by lambda, every probe a build of the exact elements, an assembly
// and a decomposition that counts the buckling modes below lambda (negative
// pivots and the modes inside the elements, Wittrick and Williams), with
// steps of inverse iteration as a guide to the next probe.
#include <algorithm>
#include <cmath>

#include "analysis/theorie2/verzweigung.h"
#include "analysis/theorie2lauf.h"

namespace {

// An axial force counts as compression when it exceeds round-off of the
// largest end force of the first-order solution by this much: a beam whose
// axial force is 1e-14 of its shear has none.
constexpr double DRUCK_SCHWELLE = 1e-9;

}  // namespace

Verzweigungslast ZweiteOrdnung::VerzweigungSuchen(double fortschrittVon, double fortschrittBis) {
    Verzweigungslast ergebnis;
    // Compression beyond round-off anywhere?
    double druck = 0.0;
    for (const Elementdaten& ed : daten_) druck = std::max(druck, -Kleinstwert(ed.nErsterOrdnung, ed.d.Laenge));
    if (!(druck > DRUCK_SCHWELLE * skala_)) return ergebnis;

    const int n = b_.Anzahl();
    std::vector<double> vektor(static_cast<std::size_t>(n), 0.0);
    // Uneven values: a vector of ones is orthogonal to the antisymmetric
    // modes of symmetric structures.
    for (int i = 0; i < n; ++i)
        if (zustand0_[static_cast<std::size_t>(i)] != STATUS_PRIMAL)
            vektor[static_cast<std::size_t>(i)] = 1.0 + 0.5 * std::sin(1.0 + 2.3 * i);
    std::vector<double> u(static_cast<std::size_t>(n)), f(static_cast<std::size_t>(n));
    auto loesen = [&](std::vector<double>& x) {
        for (int i = 0; i < n; ++i) {
            const bool frei = zustand0_[static_cast<std::size_t>(i)] != STATUS_PRIMAL;
            u[static_cast<std::size_t>(i)] = 0.0;
            f[static_cast<std::size_t>(i)] = frei ? x[static_cast<std::size_t>(i)] : 0.0;
        }
        b_.LoesenMit(u.data(), f.data());
        for (int i = 0; i < n; ++i)
            x[static_cast<std::size_t>(i)] =
                zustand0_[static_cast<std::size_t>(i)] != STATUS_PRIMAL ? u[static_cast<std::size_t>(i)] : 0.0;
    };
    // The stiffness alone decides: the transverse loads (and free
    // curvatures) only cost their series in every probe.
    struct Quer {
        double qAnfang, qEnde, Kruemmung;
    };
    std::vector<Quer> quer;
    quer.reserve(daten_.size());
    for (Elementdaten& ed : daten_) {
        quer.push_back({ed.d.qAnfang, ed.d.qEnde, ed.d.Kruemmung});
        ed.d.qAnfang = ed.d.qEnde = ed.d.Kruemmung = 0.0;
    }
    int proben = 0;
    auto probe = [&](double lambda) {
        Verzweigungsprobe p;
        for (Elementdaten& ed : daten_) ed.d.N = ed.nErsterOrdnung.Mal(lambda);
        long eingespannt = 0;
        ++proben;
        fortschritt_ = std::max(fortschritt_, fortschrittVon + (fortschrittBis - fortschrittVon) *
                                                                 std::min(1.0, proben / 16.0));
        bericht_.Fortschritt(fortschritt_);
        if (!ElementeBauen(&eingespannt) || !Aufbauen() || !b_.Zerlegen(false)) {
            p.Zerlegt = false;
            return p;
        }
        p.Eigenwerte = b_.NegativePivots() + eingespannt;
        p.Kennwert = RayleighKennwert(vektor, loesen);
        return p;
    };
    const Verzweigungsergebnis suche = VerzweigungslastfaktorSuchen(probe);
    for (std::size_t i = 0; i < daten_.size(); ++i) {
        daten_[i].d.qAnfang = quer[i].qAnfang;
        daten_[i].d.qEnde = quer[i].qEnde;
        daten_[i].d.Kruemmung = quer[i].Kruemmung;
    }
    switch (suche.Status) {
    case Verzweigungsstatus::Gefunden:
        ergebnis.Status = VERZWEIGUNG_GEFUNDEN;
        ergebnis.Faktor = suche.Faktor;
        break;
    // Compression so small that no load a million million times larger
    // buckles the structure is no compression worth the name.
    case Verzweigungsstatus::KeineVerzweigung: break;
    case Verzweigungsstatus::SchonInstabil:
    case Verzweigungsstatus::Fehlgeschlagen: ergebnis.Status = VERZWEIGUNG_UNBESTIMMT; break;
    }
    return ergebnis;
}

