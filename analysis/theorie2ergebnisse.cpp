// The results of a second-order run: end forces and reactions of the
// solved model, then the values at the division points and the exact
// elements of the records of every bar.
#include <algorithm>
#include <array>
#include <cmath>
#include <memory>

#include "analysis/exakte_abschnitte.h"
#include "analysis/nachlauf.h"
#include "analysis/theorie2lauf.h"
#include "core/aenderungen.h"

// End forces and reactions of the elements of the last pass: K u - f from
// the element matrices, as the full symmetric system matrix gives it.
void ZweiteOrdnung::Nachlauf() {
    Berechnung::Arbeitsdaten& a = b_.Daten();
    std::vector<long double> ku;
    SteifigkeitMal(a.u, ku);
    for (std::size_t i = 0; i < ku.size(); ++i) a.fKnoten[i] = static_cast<double>(ku[i] - a.fErsatz[i]);
    for (std::size_t i = 0; i < daten_.size(); ++i) {
        double l[6];
        LokaleVerschiebungen(daten_[i].e, l);
        elemente_[i].Schnittkraefte(l, daten_[i].e->Schnittkraefte);
        }
    ::ErgebnisseUebernehmen(b_.Modell(), a.u.data(), a.fKnoten.data());
}

void ZweiteOrdnung::ErgebnisseVerteilen() {
    // The solved elements of every bar, in the order along it.
    std::unordered_map<long, std::vector<std::size_t>> jeStab;
    for (std::size_t i = 0; i < daten_.size(); ++i) jeStab[daten_[i].e->Stabnummer].push_back(i);
    for (auto& [nummer, liste] : jeStab)
        std::sort(liste.begin(), liste.end(),
                  [this](std::size_t a, std::size_t b) { return daten_[a].e->tAnfang < daten_[b].e->tAnfang; });
    std::vector<std::unique_ptr<Stabverlauf>> verlaeufe(daten_.size());

    kinder_.clear();
    for (Element* kind : Elemente<Element>(ausgabe_.Elemente)) {
        const auto stab = jeStab.find(kind->Stabnummer);
        if (stab == jeStab.end()) continue;
        const double mitte = 0.5 * (kind->tAnfang + kind->tEnde);
        const auto eltern = std::find_if(stab->second.begin(), stab->second.end(), [&](std::size_t i) {
            return daten_[i].e->tAnfang <= mitte && mitte <= daten_[i].e->tEnde;
        });
        if (eltern == stab->second.end()) continue;
        const std::size_t i = *eltern;
        const Element* e = daten_[i].e;
        const StabdatenII& d = elemente_[i].Daten();
        std::array<double, 6> l;
        LokaleVerschiebungen(e, l.data());
        if (!verlaeufe[i]) verlaeufe[i] = std::make_unique<Stabverlauf>(elemente_[i].Verlauf(l.data()));
        const Stabverlauf& verlauf = *verlaeufe[i];

        // The child is its piece of the solved element.
        Stababschnitt::ExaktesElement k{};
        const double breite = e->tEnde - e->tAnfang;
        auto stelle = [&](double t) { return breite > 0.0 ? (t - e->tAnfang) / breite * d.Laenge : 0.0; };
        ElementdatenEintragen(k, d);
        k.Anfang = kind->tAnfang == e->tAnfang ? 0.0 : stelle(kind->tAnfang);
        k.Ende = kind->tEnde == e->tEnde ? d.Laenge : stelle(kind->tEnde);
        std::copy(l.begin(), l.end(), k.Lokal);
        // Each end of the child: where the element's own end is, its values
        // as solved; inside, those of the exact solution there.
        for (int ende = 0; ende < 2; ++ende) {
            const double t = ende == 0 ? kind->tAnfang : kind->tEnde;
            const int s0 = 3 * ende;
            const bool amAnfang = t == e->tAnfang, amEnde = t == e->tEnde;
            if (amAnfang || amEnde) {
                const int q0 = amAnfang ? 0 : 3;
                for (int j = 0; j < 3; ++j) {
                    kind->Schnittkraefte[s0 + j] = e->Schnittkraefte[q0 + j];
                    kind->Fg[s0 + j]->Wert = e->Fg[q0 + j]->Wert;
                    kind->Fg[s0 + j]->Reaktion = e->Fg[q0 + j]->Reaktion;
                }
                continue;
            }
            const double x = ende == 0 ? k.Anfang : k.Ende;
            const double u = verlauf.Laengsverschiebung(x), v = -verlauf.Durchbiegung(x);
            kind->Schnittkraefte[s0] = verlauf.Normalkraft(x);
            kind->Schnittkraefte[s0 + 1] = verlauf.Querkraft(x);
            kind->Schnittkraefte[s0 + 2] = verlauf.Moment(x);
            // Into the directions of the child's degrees of freedom.
            const double theta = e->Winkel - kind->Fg[s0]->Winkel;
            kind->Fg[s0]->Wert = std::cos(theta) * u - std::sin(theta) * v;
            kind->Fg[s0 + 1]->Wert = std::sin(theta) * u + std::cos(theta) * v;
            kind->Fg[s0 + 2]->Wert = verlauf.Verdrehung(x);
            for (int j = 0; j < 3; ++j) kind->Fg[s0 + j]->Reaktion = 0.0;
        }
        kinder_[kind] = k;
    }
}

void ZweiteOrdnung::ErgebnisseUebernehmen(const Verzweigungslast& verzweigung) {
    ErgebnisseInSystemUebernehmen(ausgabe_, system_, nullptr, [this](const Element& e, Stababschnitt& r) {
        const auto it = kinder_.find(&e);
        if (it == kinder_.end()) return;
        r.Exakt = 1;
        r.Exaktes = it->second;
    });
    system_.Theorie = THEORIE_II;
    system_.Verzweigung = verzweigung.Status;
    system_.Verzweigungslastfaktor = verzweigung.Faktor;
    AenderungMelden(&system_, AENDERUNG_ERGEBNISSE);
}

