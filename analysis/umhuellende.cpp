#include "analysis/umhuellende.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <new>
#include <string>
#include <utility>
#include <vector>

#include "analysis/ergebnisse.h"
#include "core/aenderungen.h"
#include "core/bericht.h"
#include "core/ergebnisstand.h"
#include "core/latin1.h"
#include "core/lastverwaltung.h"

namespace {

// The activity and weights of the load cases and the state of the
// combinations, put back when the envelope ends, however it ends.
class Lastzustand {
public:
    explicit Lastzustand(System& sys) {
        for (Lastfall* lf : Elemente<Lastfall>(sys.Lastfaelle)) lastfaelle_.push_back({lf, lf->Aktiv, lf->Gewicht});
        for (Lastfallkombination* k : Elemente<Lastfallkombination>(sys.Kombinationen))
            kombinationen_.emplace_back(k, k->Aktiv);
    }
    ~Lastzustand() {
        // The runs create and delete no load case or combination: the
        // records are those seen at the start.
        for (const Eintrag& e : lastfaelle_) {
            e.Fall->Aktiv = e.Aktiv;
            e.Fall->Gewicht = e.Gewicht;
        }
        for (auto& [k, aktiv] : kombinationen_) k->Aktiv = aktiv;
    }
    Lastzustand(const Lastzustand&) = delete;
    Lastzustand& operator=(const Lastzustand&) = delete;

private:
    struct Eintrag {
        Lastfall* Fall;
        long Aktiv;
        double Gewicht;
    };
    std::vector<Eintrag> lastfaelle_;
    std::vector<std::pair<Lastfallkombination*, long>> kombinationen_;
};

// Passes the progress of one run on as its share of the whole envelope and
// keeps its messages back: they go out only when the run fails.
class Einzelbericht : public Berichtsempfaenger {
public:
    Einzelbericht(Berichtsempfaenger& ziel, double von, double bis) : ziel_(ziel), von_(von), bis_(bis) {}
    void ZeileAnzeigen(const char* zeile) override {
        // Without the number "%4d  " it was given here: the receiver numbers
        // the lines it passes on in its own count.
        char nummer[32];
        const int laenge = std::snprintf(nummer, sizeof nummer, "%4d  ", Zeilenzahl);
        const std::string z = zeile ? zeile : "";
        zeilen_.push_back(laenge > 0 && z.size() >= static_cast<std::size_t>(laenge) ? z.substr(laenge) : z);
    }
    void Fortschritt(double wert) override {
        // A run ends by setting 0 again; the envelope's bar does not go back.
        if (wert > 0.0) ziel_.Fortschritt(von_ + (bis_ - von_) * wert);
    }
    void Ausgeben(Ausgabekanal kanal, const char* text) override { ziel_.Ausgeben(kanal, text); }
    // The messages kept back, numbered afresh by the receiver.
    void Weitergeben() {
        for (const std::string& z : zeilen_) MeldungAusgeben(ziel_, z.c_str());
    }

private:
    Berichtsempfaenger& ziel_;
    double von_, bis_;
    std::vector<std::string> zeilen_;
};

std::vector<long> Kombinationsnummern(const System& sys) {
    std::vector<long> nummern;
    for (const Lastfallkombination* k : Elemente<Lastfallkombination>(sys.Kombinationen)) nummern.push_back(k->Nummer);
    std::sort(nummern.begin(), nummern.end());
    nummern.erase(std::unique(nummern.begin(), nummern.end()), nummern.end());
    return nummern;
}

const char* KombinationName(const System& sys, long nummer) {
    for (const Lastfallkombination* k : ElementeRueckwaerts<Lastfallkombination>(sys.Kombinationen))
        if (k->Nummer == nummer) return k->Name;
    return "";
}

// Values that differ by round-off only are the same: the earlier
// combination keeps a tie (a support's zero moment is no one combination's).
void Aufnehmen(Huellwert& hoch, Huellwert& tief, double min, double max, double rundung, long kombination) {
    if (hoch.Kombination < 0 || max > hoch.Wert + rundung) hoch = {max, kombination};
    if (tief.Kombination < 0 || min < tief.Wert - rundung) tief = {min, kombination};
}

// Relative difference below which two results are the same value (that of
// the extrema in analysis/ergebnisse.cpp).
constexpr double GLEICH_RELATIV = 1e-9;

}  // namespace

void HuelleErweitern(Umhuellende& huelle, const System& sys, long kombination) {
    if (huelle.Staebe.empty()) {
        for (const Stab* s : Elemente<Stab>(sys.Staebe)) {
            Stabhuelle h;
            h.Stab = s->Nummer;
            h.Laenge = s->Laenge;
            huelle.Staebe.push_back(h);
        }
        std::sort(huelle.Staebe.begin(), huelle.Staebe.end(),
                  [](const Stabhuelle& a, const Stabhuelle& b) { return a.Stab < b.Stab; });
    }
    const Schnittgroesse groessen[HUELLGROESSEN] = {Schnittgroesse::Moment, Schnittgroesse::Querkraft,
                                                    Schnittgroesse::Normalkraft, Schnittgroesse::Durchbiegung,
                                                    Schnittgroesse::Laengsverschiebung};
    for (const Stab* s : Elemente<Stab>(sys.Staebe)) {
        if (!s->Ergebnisse || s->Ergebnisse->next == s->Ergebnisse) continue;
        Stabhuelle* h = const_cast<Stabhuelle*>(StabhuelleZu(huelle, s->Nummer));
        if (!h) continue;
        for (int g = 0; g < HUELLGROESSEN; ++g) {
            Wertspanne werte[HUELLSTELLEN];
            double skala = 0.0;
            for (int i = 0; i < HUELLSTELLEN; ++i) {
                const double t = HuellStelle(i);
                if (g <= HUELLE_N) {
                    werte[i] = SpanneAn(s, groessen[g], t);
                } else {
                    // The values the listing prints, from the first record.
                    const double v = g == HUELLE_W ? DurchbiegungAn(s, t) : LaengsverschiebungAn(s, t);
                    werte[i] = {v, v, true};
                }
                const Huellstelle& st = h->Stellen[i];
                skala = std::max({skala, std::fabs(werte[i].Min), std::fabs(werte[i].Max), std::fabs(st.Max[g].Wert),
                                  std::fabs(st.Min[g].Wert)});
            }
            for (int i = 0; i < HUELLSTELLEN; ++i)
                if (werte[i].Gefunden)
                    Aufnehmen(h->Stellen[i].Max[g], h->Stellen[i].Min[g], werte[i].Min, werte[i].Max,
                              GLEICH_RELATIV * skala, kombination);
        }
    }
}

std::unique_ptr<Umhuellende> UmhuellendeErmitteln(System& sys, const Kataloge& kataloge,
                                                  Berichtsempfaenger& bericht, Einzelrechnung lauf,
                                                  bool theorieII) {
    std::unique_ptr<Umhuellende> huelle;
    try {
        // Nothing computed, nothing lost: the results shown stay.
        const std::vector<long> nummern = Kombinationsnummern(sys);
        if (nummern.empty()) {
            MeldungAusgeben(bericht, KEINE_KOMBINATIONEN);
            return nullptr;
        }
        // Whatever is shown belongs to the last run; from here on nothing does.
        if (ErgebnisseEntfernen(sys)) AenderungMelden(&sys, AENDERUNG_ERGEBNISSE);
        MeldungFormatiert(bericht, "Umhüllende über %zu Kombinationen nach Theorie %s. Ordnung ..."_l1, nummern.size(),
                          theorieII ? "II" : "I");
        huelle = std::make_unique<Umhuellende>();
        huelle->TheorieII = theorieII;
        Lastzustand zustand(sys);
        const double anzahl = static_cast<double>(nummern.size());
        for (std::size_t i = 0; i < nummern.size(); ++i) {
            const long nummer = nummern[i];
            MeldungFormatiert(bericht, "Kombination %ld (%s) ...", nummer, KombinationName(sys, nummer));
            KombinationAnwenden(sys, nummer);
            Einzelbericht einzel(bericht, i / anzahl, (i + 1) / anzahl);
            if (!lauf(sys, kataloge, einzel)) {
                einzel.Weitergeben();
                MeldungFormatiert(bericht, "Umhüllende bei Kombination %ld abgebrochen !"_l1, nummer);
                bericht.Fortschritt(0.0);
                if (ErgebnisseEntfernen(sys)) AenderungMelden(&sys, AENDERUNG_ERGEBNISSE);
                return nullptr;
            }
            HuelleErweitern(*huelle, sys, nummer);
            ++huelle->Kombinationen;
            bericht.Fortschritt((i + 1) / anzahl);
        }
    } catch (const std::bad_alloc&) {
        MeldungAusgeben(bericht, "Fehler beim Berechnen ! - zu wenig Speicher");
        huelle.reset();
    }
    // The bars hold the last combination's results, which are not those of
    // the load cases now active again.
    if (ErgebnisseEntfernen(sys)) AenderungMelden(&sys, AENDERUNG_ERGEBNISSE);
    bericht.Fortschritt(0.0);
    if (huelle)
        MeldungAusgeben(bericht, "-> Umhüllende aller Kombinationen berechnet !"_l1);
    return huelle;
}

bool UmhuellendeBerechnen(System& sys, const Kataloge& kataloge, Berichtsempfaenger& bericht,
                          Einzelrechnung lauf, bool theorieII) {
    std::unique_ptr<Umhuellende> huelle = UmhuellendeErmitteln(sys, kataloge, bericht, lauf, theorieII);
    if (!huelle) return false;
    delete sys.Huelle;
    sys.Huelle = huelle.release();
    AenderungMelden(&sys, AENDERUNG_ERGEBNISSE);
    return true;
}
