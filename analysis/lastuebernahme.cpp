#include "analysis/lastuebernahme.h"

#include <cmath>
#include <unordered_map>
#include <vector>

#include "analysis/steifigkeit.h"
#include "core/bericht.h"
#include "core/latin1.h"

namespace {

constexpr double LAGE_TOLERANZ = 0.0001;

// Load case by identifier: the first of the chain, as a chain search finds it.
std::unordered_map<long, const Lastfall*> LastfaelleNachKennung(const System& sys) {
    std::unordered_map<long, const Lastfall*> index;
    for (const Lastfall* lf : Elemente<Lastfall>(sys.Lastfaelle)) index.try_emplace(lf->Kennung, lf);
    return index;
}

// The elements of every bar, in element-chain order.
std::unordered_map<long, std::vector<Element*>> ElementeNachStab(const Kernmodell& modell) {
    std::unordered_map<long, std::vector<Element*>> index;
    for (Element* e : Elemente<Element>(modell.Elemente)) index[e->Stabnummer].push_back(e);
    return index;
}

}  // namespace

void PunktlastenUebernehmen(Kernmodell& modell, const System& sys, const AktiveLastfaelle& aktiv,
                            Berichtsempfaenger& bericht) {
    if (KeLeer(sys.Punktlasten) || KeLeer(modell.Elemente)) return;
    const auto lastfaelle = LastfaelleNachKennung(sys);
    const auto elemente = ElementeNachStab(modell);

    for (const Punktlast* pl : Elemente<Punktlast>(sys.Punktlasten)) {
        if (!aktiv.count(pl->Lastfall)) continue;
        auto lf = lastfaelle.find(pl->Lastfall);
        if (lf == lastfaelle.end()) {
            MeldungAusgeben(bericht, "Fehler : PL kein Lastfall");
            return;
        }
        const double w = lf->second->Gewicht;
        auto stab = elemente.find(pl->Stab);
        if (stab == elemente.end()) continue;

        for (Element* e : stab->second) {
            int erster;  // first slot of the element end that takes the load
            if (std::fabs(e->tAnfang - pl->Position) < LAGE_TOLERANZ)
                erster = 0;
            else if (std::fabs(e->tEnde - pl->Position) < LAGE_TOLERANZ)
                erster = 3;
            else
                continue;
            if (pl->Art == ART_KRAFT) {
                const double psi = pl->Koordinatensystem == KOORD_LOKAL ? pl->Winkel + e->Winkel : pl->Winkel;
                const double theta = psi - e->Fg[erster]->Winkel;
                e->Fg[erster]->Last += w * pl->Groesse * std::sin(theta);
                e->Fg[erster + 1]->Last -= w * pl->Groesse * std::cos(theta);
            } else if (pl->Art == ART_MOMENT) {
                e->Fg[erster + 2]->Last += w * pl->Groesse;
            } else {
                // A damaged file may hold any number here; the load is left
                // out and the run goes on.
                MeldungFormatiert(bericht, "Fehler : Punktlast %ld hat falschen Typ %ld - nicht berücksichtigt !"_l1,
                                  pl->Kennung, pl->Art);
            }
            break;
        }
    }
}

void StreckenlastenUebernehmen(Kernmodell& modell, const System& sys, const AktiveLastfaelle& aktiv,
                               Berichtsempfaenger& bericht) {
    if (KeLeer(sys.Streckenlasten) || KeLeer(modell.Elemente)) return;
    const auto lastfaelle = LastfaelleNachKennung(sys);

    // Active loads by bar, in load-chain order, so that every element adds
    // its loads in the same order as a walk over the whole chain would.
    std::unordered_map<long, std::vector<const Streckenlast*>> lastenJeStab;
    for (const Streckenlast* sl : Elemente<Streckenlast>(sys.Streckenlasten)) {
        if (!aktiv.count(sl->Lastfall)) continue;
        if (!lastfaelle.count(sl->Lastfall)) {
            MeldungAusgeben(bericht, "Fehler : SL kein Lastfall");
            return;
        }
        lastenJeStab[sl->Stab].push_back(sl);
    }

    for (Element* e : Elemente<Element>(modell.Elemente)) {
        auto it = lastenJeStab.find(e->Stabnummer);
        if (it == lastenJeStab.end()) continue;
        for (const Streckenlast* sl : it->second) {
            const double a = sl->PositionA, b = sl->PositionB;
            if (!(e->tEnde > a && b > e->tAnfang)) continue;
            // A load without extent has no resultant (and would divide by 0).
            if (!(b - a > 0.0)) continue;
            const double w = lastfaelle.at(sl->Lastfall)->Gewicht;
            const double f = (e->tAnfang - a) / (b - a);
            const double g = (e->tEnde - a) / (b - a);
            const double gamma = sl->Koordinatensystem == KOORD_LOKAL ? sl->Winkel : sl->Winkel - e->Winkel;
            const double pf = (1 - f) * sl->GroesseA + f * sl->GroesseB;
            const double pe = (1 - g) * sl->GroesseA + g * sl->GroesseB;
            e->qAnfang += w * (-std::cos(gamma)) * pf;
            e->qEnde += w * (-std::cos(gamma)) * pe;
            e->nAnfang += w * std::sin(gamma) * pf;
            e->nEnde += w * std::sin(gamma) * pe;
        }
    }
}

void TemperaturlastenUebernehmen(Kernmodell& modell, const System& sys, const KatalogIndex& katalog) {
    if (KeAnzahl(sys.Temperaturlasten) == 0 || KeAnzahl(modell.Elemente) == 0) return;
    const auto lastfaelle = LastfaelleNachKennung(sys);

    // Weighted temperatures of every bar: uniform change and difference.
    struct Temperaturen {
        double DeltaT = 0.0, DeltaTM = 0.0;
    };
    std::unordered_map<long, Temperaturen> jeStab;
    for (const Temperaturlast* t : Elemente<Temperaturlast>(sys.Temperaturlasten)) {
        auto lf = lastfaelle.find(t->Lastfall);
        if (lf == lastfaelle.end() || lf->second->Aktiv != 1) continue;
        Temperaturen& summe = jeStab[t->Stab];
        summe.DeltaT += lf->second->Gewicht * t->DeltaT;
        summe.DeltaTM += lf->second->Gewicht * t->DeltaTM;
    }
    if (jeStab.empty()) return;

    for (Element* e : Elemente<Element>(modell.Elemente)) {
        auto it = jeStab.find(e->Stabnummer);
        if (it == jeStab.end()) continue;
        const Material* m = katalog.MaterialZu(e->Material);
        const Querschnitt* q = katalog.QuerschnittZu(e->Querschnitt);
        if (!m || !q) continue;
        const double alpha = m->Waermedehnzahl;
        e->Dehnung += alpha * it->second.DeltaT;
        // kappa = alpha dTM / h with the depth h = 2 max y
        if (it->second.DeltaTM != 0.0 && q->MaxY > 0.0)
            e->Kruemmung += alpha * it->second.DeltaTM / (2.0 * q->MaxY);
        e->TemperaturN = -m->EModul * q->Flaeche * e->Dehnung;
        e->TemperaturM = -m->EModul * q->Traegheitsmoment * e->Kruemmung;
    }
}
