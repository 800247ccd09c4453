#include "analysis/theorie2ordnung.h"

#include <algorithm>
#include <array>
#include <memory>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <new>
#include <unordered_map>
#include <vector>

#include "analysis/berechnung.h"
#include "analysis/endlichkeit.h"
#include "analysis/nachlauf.h"
#include "analysis/theorie2/stabelement.h"
#include "analysis/theorie2/verzweigung.h"
#include "core/aenderungen.h"
#include "core/bericht.h"
#include "core/latin1.h"
#include "core/systemoperationen.h"

namespace {

constexpr int MAX_ITERATIONEN = 100;
constexpr double NORMALKRAFT_GENAUIGKEIT = 1e-10;
// An axial force counts as compression when it exceeds round-off of the
// largest end force of the first-order solution by this much: a beam whose
// axial force is 1e-14 of its shear has none.
constexpr double DRUCK_SCHWELLE = 1e-9;

const char* const INSTABIL = "Fehler beim Berechnen ! - System instabil (Belastung über der Verzweigungslast) !"_l1;

double Sekunden(std::clock_t von, std::clock_t bis) { return static_cast<double>(bis - von) / 1000000.0; }

// What a model element keeps through the passes: its data for the exact
// element (the axial force changes from pass to pass) and its turn into the
// directions of its degrees of freedom.
struct Elementdaten {
    Element* e = nullptr;
    StabdatenII d;
    Normalkraftverlauf nErsterOrdnung;  // N_I, for the critical load factor
    double t[6][6];      // local -> degree-of-freedom directions
    double tStern[6][6];  // the stiffness is t k tStern (slots may be turned)
};

class ZweiteOrdnung {
public:
    ZweiteOrdnung(System& system, const Kataloge& kataloge, Berichtsempfaenger& bericht)
        : system_(system), bericht_(bericht), b_(system, kataloge, bericht) {}

    bool Rechnen();
    bool NurVerzweigung(Verzweigungslast& ergebnis);

private:
    // Kinematisch: reported where it happened; Ungenau: an element in
    // tension so slender that its solution cannot be summed reliably.
    enum class Ausgang { Gut, Kinematisch, Instabil, Ungenau };

    void Melden(const char* text) { MeldungAusgeben(bericht_, text); }
    // The steps of the first-order run up to the first solution; false after
    // its message.
    bool ErsterOrdnungLoesen();
    void ElementeAnlegen();
    // Builds every element under its axial force d.N.
    bool ElementeBauen(long* eingespannt);
    bool Aufbauen();
    // One pass under the axial forces in d.N: assembly, decomposition, the
    // count of buckling modes, solution.
    Ausgang Durchgang(bool mitFortschritt);
    void LokaleVerschiebungen(const Element* e, double l[6]) const;
    // The new axial force at every element start from the last solution,
    // and its largest change.
    double NormalkraefteAktualisieren(std::vector<double>& anfang, double* groesste) const;
    // N_I from the first-order solution, and the scale that tells
    // compression from round-off.
    void ErsteOrdnungFesthalten();
    Ausgang Iterieren();
    void Nachlauf();
    Verzweigungslast VerzweigungSuchen(double fortschrittVon, double fortschrittBis);
    void Scheitern(Ausgang ausgang);

    // The children of the solved elements, the elements of the model with
    // the System's divisions: their end values, and their exact elements.
    void ErgebnisseVerteilen();
    void ErgebnisseUebernehmen(const Verzweigungslast& verzweigung);

    System& system_;
    Berichtsempfaenger& bericht_;
    // The model with the System's divisions, whose elements become the
    // records of the bars.  The exact elements need no division points: a
    // chain of them is the exact element of the whole, so the run solves
    // the model without divisions (b_) and takes the values at the division
    // points from its solution.
    Kernmodell ausgabe_;
    struct Kind {
        StabdatenII daten;
        double lokal[6];
    };
    std::unordered_map<const Element*, Kind> kinder_;
    Berechnung b_;
    std::vector<Elementdaten> daten_;
    std::vector<StabelementII> elemente_;
    std::vector<StabdatenII> ergebnis_;  // the elements of the results, kept through the search
    std::vector<std::array<double, 6>> ergebnisLokal_;  // and their end displacements
    std::unordered_map<const Element*, std::size_t> index_;
    std::vector<int> zustand0_;  // free and prescribed rows before any decomposition
    double fortschritt_ = 0.0;
    double skala_ = 0.0;  // largest |N| or |Q| of the first-order solution
};

void Multiplizieren(const double a[6][6], const double b[6][6], double c[6][6]) {
    for (int i = 0; i < 6; ++i)
        for (int j = 0; j < 6; ++j) {
            double s = 0.0;
            for (int m = 0; m < 6; ++m) s += a[i][m] * b[m][j];
            c[i][j] = s;
        }
}

bool ZweiteOrdnung::ErsterOrdnungLoesen() {
    if (!KernmodellErzeugen(ausgabe_, system_, bericht_)) {
        bericht_.Fortschritt(0.0);
        return false;
    }
    bericht_.Fortschritt(0.1);
    Melden("Kernmodell erstellt ...");
    if (KeAnzahl(ausgabe_.Modellfreiheitsgrade) == 0) {
        Melden("Fehler beim Berechnen ! - keine FG");
        return false;
    }
    if (KeAnzahl(ausgabe_.Elemente) == 0) {
        Melden("Fehler beim Berechnen ! - keine Stäbe"_l1);
        return false;
    }
    MeldungFormatiert(bericht_, "Anzahl Freiheitsgrade : %ld ... ", KeAnzahl(ausgabe_.Modellfreiheitsgrade));
    // The same System, the same cuts: this succeeds where the first did.
    b_.TeilungenVorgeben(0);
    if (!b_.ModellErzeugen() || !b_.ModellPruefen()) {
        bericht_.Fortschritt(0.0);
        return false;
    }
    bool angelegt = b_.ArbeitsdatenAnlegen();
    if (angelegt) {
        try {
            ElementeAnlegen();
        } catch (const std::bad_alloc&) {
            angelegt = false;
        }
    }
    if (!angelegt) {
        bericht_.Ausgeben(Ausgabekanal::Fehler, "Fehler !\n");
        Melden("Fehler beim Berechnen ! - zu wenig Speicher");
        bericht_.Fortschritt(0.0);
        return false;
    }
    b_.Nummerieren();
    bericht_.Fortschritt(0.2);
    bericht_.Fortschritt(0.3);
    if (!b_.PrimalDualAufbauen()) return false;
    zustand0_ = b_.Daten().zustand;
    b_.ProfilBestimmen();
    long eingespannt = 0;
    if (!ElementeBauen(&eingespannt) || !Aufbauen()) return false;

    Melden("Systemsteifigkeit aufgebaut ...");
    const std::clock_t t1 = std::clock();
    bericht_.Fortschritt(0.4);
    Melden("Zerlege Systemsteifigkeit ...");
    if (!b_.Zerlegen(true)) {
        Melden("Fehler beim Zerlegen der SystemSteifigkeit ! System kinematisch !");
        return false;
    }
    bericht_.Fortschritt(0.7);
    const std::clock_t t2 = std::clock();
    MeldungFormatiert(bericht_, "Gleichungssystem zerlegt [%.2f s] ... ", Sekunden(t1, t2));
    // Without axial forces in the bending nothing but a negative spring
    // makes the stiffness indefinite; then there is no stable state at all.
    if (b_.NegativePivots() + eingespannt > 0) {
        Scheitern(Ausgang::Instabil);
        return false;
    }
    b_.Loesen();
    fortschritt_ = 0.75;
    bericht_.Fortschritt(fortschritt_);
    Melden("Gleichungssystem gelöst ... "_l1);
    return true;
}

void ZweiteOrdnung::ElementeAnlegen() {
    const KatalogIndex& katalog = b_.Katalog();
    for (Element* e : Elemente<Element>(b_.Modell().Elemente)) {
        Elementdaten ed;
        ed.e = e;
        const Material* m = katalog.MaterialZu(e->Material);
        const Querschnitt* q = katalog.QuerschnittZu(e->Querschnitt);
        // The model check has found both.
        ed.d.Laenge = e->Laenge;
        ed.d.EA = m->EModul * q->Flaeche;
        ed.d.EI = m->EModul * q->Traegheitsmoment;
        ed.d.qAnfang = e->qAnfang;
        ed.d.qEnde = e->qEnde;
        ed.d.nAnfang = e->nAnfang;
        ed.d.nEnde = e->nEnde;
        ed.d.N = NormalkraftAusLasten(0.0, 0.0, 0.0, e->Laenge);  // the first pass: first order
        TransformationsmatrixBerechnen(ed.t, e);
        for (int i = 0; i < 6; ++i)
            for (int j = 0; j < 6; ++j) ed.tStern[i][j] = ed.t[i][j];
        ed.tStern[0][1] = -ed.t[0][1];
        ed.tStern[1][0] = -ed.t[1][0];
        ed.tStern[3][4] = -ed.t[3][4];
        ed.tStern[4][3] = -ed.t[4][3];
        index_.emplace(e, daten_.size());
        daten_.push_back(ed);
    }
}

bool ZweiteOrdnung::ElementeBauen(long* eingespannt) {
    *eingespannt = 0;
    try {
        elemente_.clear();
        elemente_.reserve(daten_.size());
        for (const Elementdaten& ed : daten_) {
            elemente_.emplace_back(ed.d);
            *eingespannt += elemente_.back().EingespannteEigenwerte();
        }
    } catch (const std::bad_alloc&) {
        Melden("Fehler beim Berechnen ! - zu wenig Speicher");
        bericht_.Fortschritt(0.0);
        return false;
    }
    return true;
}

// The stiffness and the equivalent loads of the elements as built.
bool ZweiteOrdnung::Aufbauen() {
    Berechnung::Arbeitsdaten& a = b_.Daten();
    const int n = b_.Anzahl();
    std::fill(a.fErsatz.begin(), a.fErsatz.end(), 0.0);
    for (std::size_t i = 0; i < daten_.size(); ++i) {
        const Elementdaten& ed = daten_[i];
        double f[6];
        elemente_[i].Ersatzlasten(f);
        for (int p = 0; p < 6; ++p) {
            double s = 0.0;
            for (int q = 0; q < 6; ++q) s += ed.t[p][q] * f[q];
            const long zeile = ed.e->Fg[p]->Index;
            if (zeile >= 0 && zeile < n) a.fErsatz[static_cast<std::size_t>(zeile)] += s;
        }
    }
    a.zustand = zustand0_;
    return b_.SteifigkeitAufbauen([this](Matrix6 ke, const Element* e) {
        const auto it = index_.find(e);
        if (it == index_.end()) return 0;
        const Elementdaten& ed = daten_[it->second];
        double k[6][6], w[6][6];
        elemente_[it->second].Steifigkeit(k);
        Multiplizieren(ed.t, k, w);
        Multiplizieren(w, ed.tStern, ke);
        return 1;
    });
}

ZweiteOrdnung::Ausgang ZweiteOrdnung::Durchgang(bool mitFortschritt) {
    long eingespannt = 0;
    if (!ElementeBauen(&eingespannt) || !Aufbauen()) return Ausgang::Kinematisch;
    // An element in compression so far past its buckling load that its
    // series cannot be summed lies far above the critical load anyway.
    for (std::size_t i = 0; i < elemente_.size(); ++i)
        if (!elemente_[i].Zuverlaessig()) {
            const Normalkraftverlauf& n = daten_[i].d.N;
            const double l = daten_[i].d.Laenge;
            const bool druck = n.An(0.0) < 0.0 || n.An(l) < 0.0 || n.Betragsmaximum(l) > std::max(n.An(0.0), n.An(l));
            return druck ? Ausgang::Instabil : Ausgang::Ungenau;
        }
    if (!b_.Zerlegen(mitFortschritt)) return Ausgang::Instabil;
    if (b_.NegativePivots() + eingespannt > 0) return Ausgang::Instabil;
    b_.Loesen();
    return Ausgang::Gut;
}

// As the first-order end forces take them: the y slots turned like the x
// slots of the same end.
void ZweiteOrdnung::LokaleVerschiebungen(const Element* e, double l[6]) const {
    const std::vector<double>& u = b_.Daten().u;
    double d[6];
    for (int s = 0; s < 6; ++s) d[s] = u[static_cast<std::size_t>(e->Fg[s]->Index)];
    const double a0 = e->Winkel - e->Fg[0]->Winkel, a3 = e->Winkel - e->Fg[3]->Winkel;
    l[0] = std::cos(a0) * d[0] + std::sin(a0) * d[1];
    l[1] = -std::sin(a0) * d[0] + std::cos(a0) * d[1];
    l[2] = d[2];
    l[3] = std::cos(a3) * d[3] + std::sin(a3) * d[4];
    l[4] = -std::sin(a3) * d[3] + std::cos(a3) * d[4];
    l[5] = d[5];
}

double ZweiteOrdnung::NormalkraefteAktualisieren(std::vector<double>& anfang, double* groesste) const {
    double aenderung = 0.0, betrag = 0.0;
    anfang.resize(daten_.size());
    for (std::size_t i = 0; i < daten_.size(); ++i) {
        double l[6], s[6];
        LokaleVerschiebungen(daten_[i].e, l);
        elemente_[i].Schnittkraefte(l, s);
        aenderung = std::max(aenderung, std::fabs(s[0] - daten_[i].d.N.N0));
        anfang[i] = s[0];
        const Elementdaten& ed = daten_[i];
        betrag = std::max(betrag, NormalkraftAusLasten(s[0], ed.d.nAnfang, ed.d.nEnde, ed.d.Laenge)
                                      .Betragsmaximum(ed.d.Laenge));
    }
    if (groesste) *groesste = betrag;
    return aenderung;
}

void ZweiteOrdnung::ErsteOrdnungFesthalten() {
    skala_ = 0.0;
    for (std::size_t i = 0; i < daten_.size(); ++i) {
        Elementdaten& ed = daten_[i];
        double l[6], s[6];
        LokaleVerschiebungen(ed.e, l);
        elemente_[i].Schnittkraefte(l, s);
        ed.d.N = NormalkraftAusLasten(s[0], ed.d.nAnfang, ed.d.nEnde, ed.d.Laenge);
        ed.nErsterOrdnung = ed.d.N;
        skala_ = std::max({skala_, ed.d.N.Betragsmaximum(ed.d.Laenge), std::fabs(s[1]), std::fabs(s[4])});
    }
}

ZweiteOrdnung::Ausgang ZweiteOrdnung::Iterieren() {
    std::vector<double> anfang;
    double betrag = 0.0;
    ErsteOrdnungFesthalten();
    double ersteAenderung = 0.0;
    for (int iteration = 1; iteration <= MAX_ITERATIONEN; ++iteration) {
        const Ausgang a = Durchgang(false);
        if (a != Ausgang::Gut) return a;
        const double aenderung = NormalkraefteAktualisieren(anfang, &betrag);
        char text[96];
        std::snprintf(text, sizeof text, "Iteration %d : max. Änderung der Normalkräfte %.3e"_l1, iteration,
                      aenderung);
        Melden(text);
        const double grenze = NORMALKRAFT_GENAUIGKEIT * (betrag + 1.0);
        if (!std::isfinite(aenderung)) return Ausgang::Instabil;
        if (aenderung <= grenze) return Ausgang::Gut;
        // The bar moves with the digits the iteration has gained.
        if (iteration == 1) ersteAenderung = aenderung;
        if (ersteAenderung > grenze && aenderung < ersteAenderung) {
            const double anteil = std::log(ersteAenderung / aenderung) / std::log(ersteAenderung / grenze);
            fortschritt_ = std::max(fortschritt_, 0.75 + 0.15 * std::min(anteil, 1.0));
            bericht_.Fortschritt(fortschritt_);
        }
        if (iteration == MAX_ITERATIONEN) break;
        for (std::size_t i = 0; i < daten_.size(); ++i) {
            Elementdaten& ed = daten_[i];
            ed.d.N = NormalkraftAusLasten(anfang[i], ed.d.nAnfang, ed.d.nEnde, ed.d.Laenge);
        }
    }
    return Ausgang::Instabil;
}

// End forces and reactions of the elements of the last pass: K u - f from
// the element matrices, as the full symmetric system matrix gives it.
void ZweiteOrdnung::Nachlauf() {
    Berechnung::Arbeitsdaten& a = b_.Daten();
    const int n = b_.Anzahl();
    std::vector<double>& fKnoten = a.fKnoten;
    std::fill(fKnoten.begin(), fKnoten.end(), 0.0);
    for (std::size_t i = 0; i < daten_.size(); ++i) {
        const Elementdaten& ed = daten_[i];
        double k[6][6], w[6][6], ke[6][6];
        elemente_[i].Steifigkeit(k);
        Multiplizieren(ed.t, k, w);
        Multiplizieren(w, ed.tStern, ke);
        for (int p = 0; p < 6; ++p) {
            double s = 0.0;
            for (int q = 0; q < 6; ++q) s += ke[p][q] * a.u[static_cast<std::size_t>(ed.e->Fg[q]->Index)];
            fKnoten[static_cast<std::size_t>(ed.e->Fg[p]->Index)] += s;
        }
        double l[6];
        LokaleVerschiebungen(ed.e, l);
        elemente_[i].Schnittkraefte(l, ed.e->Schnittkraefte);
    }
    for (const Freiheitsgrad* fg : Elemente<Freiheitsgrad>(b_.Modell().Modellfreiheitsgrade))
        if (fg->Index >= 0 && fg->Index < n)
            fKnoten[static_cast<std::size_t>(fg->Index)] += fg->Feder * a.u[static_cast<std::size_t>(fg->Index)];
    for (int i = 0; i < n; ++i) fKnoten[static_cast<std::size_t>(i)] -= a.fErsatz[static_cast<std::size_t>(i)];
    ::ErgebnisseUebernehmen(b_.Modell(), a.u.data(), fKnoten.data());
    ergebnis_.clear();
    ergebnisLokal_.clear();
    for (std::size_t i = 0; i < elemente_.size(); ++i) {
        ergebnis_.push_back(elemente_[i].Daten());
        std::array<double, 6> l;
        LokaleVerschiebungen(daten_[i].e, l.data());
        ergebnisLokal_.push_back(l);
    }
}

Verzweigungslast ZweiteOrdnung::VerzweigungSuchen(double fortschrittVon, double fortschrittBis) {
    Verzweigungslast ergebnis;
    // Compression beyond round-off anywhere?
    double druck = 0.0;
    for (const Elementdaten& ed : daten_) {
        const Normalkraftverlauf& n = ed.nErsterOrdnung;
        druck = std::max({druck, -n.An(0.0), -n.An(ed.d.Laenge)});
        if (n.N2 != 0.0) {
            const double scheitel = -n.N1 / (2.0 * n.N2);
            if (scheitel > 0.0 && scheitel < ed.d.Laenge) druck = std::max(druck, -n.An(scheitel));
        }
    }
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
        const StabdatenII& d = ergebnis_[i];
        const std::array<double, 6>& l = ergebnisLokal_[i];
        if (!verlaeufe[i]) verlaeufe[i] = std::make_unique<Stabverlauf>(elemente_[i].Verlauf(l.data()));
        const Stabverlauf& verlauf = *verlaeufe[i];

        Kind k;
        const double breite = e->tEnde - e->tAnfang;
        // Each end of the child: where the element's own end is, its values
        // as solved; inside, those of the exact solution there.
        for (int ende = 0; ende < 2; ++ende) {
            const double t = ende == 0 ? kind->tAnfang : kind->tEnde;
            const int s0 = 3 * ende;
            const bool amAnfang = t == e->tAnfang, amEnde = t == e->tEnde;
            if (amAnfang || amEnde) {
                const int q0 = amAnfang ? 0 : 3;
                for (int j = 0; j < 3; ++j) {
                    k.lokal[s0 + j] = l[static_cast<std::size_t>(q0 + j)];
                    kind->Schnittkraefte[s0 + j] = e->Schnittkraefte[q0 + j];
                    kind->Fg[s0 + j]->Wert = e->Fg[q0 + j]->Wert;
                    kind->Fg[s0 + j]->Reaktion = e->Fg[q0 + j]->Reaktion;
                }
                continue;
            }
            const double x = breite > 0.0 ? (t - e->tAnfang) / breite * d.Laenge : 0.0;
            const double u = verlauf.Laengsverschiebung(x), v = -verlauf.Durchbiegung(x);
            k.lokal[s0] = u;
            k.lokal[s0 + 1] = v;
            k.lokal[s0 + 2] = verlauf.Verdrehung(x);
            kind->Schnittkraefte[s0] = verlauf.Normalkraft(x);
            kind->Schnittkraefte[s0 + 1] = verlauf.Querkraft(x);
            kind->Schnittkraefte[s0 + 2] = verlauf.Moment(x);
            // Into the directions of the child's degrees of freedom.
            const double theta = e->Winkel - kind->Fg[s0]->Winkel;
            kind->Fg[s0]->Wert = std::cos(theta) * u - std::sin(theta) * v;
            kind->Fg[s0 + 1]->Wert = std::sin(theta) * u + std::cos(theta) * v;
            kind->Fg[s0 + 2]->Wert = k.lokal[s0 + 2];
            for (int j = 0; j < 3; ++j) kind->Fg[s0 + j]->Reaktion = 0.0;
        }
        k.daten = d;
        const double xa = breite > 0.0 ? (kind->tAnfang - e->tAnfang) / breite * d.Laenge : 0.0;
        k.daten.Laenge = kind->Laenge;
        k.daten.N = {d.N.An(xa), d.N.N1 + 2.0 * d.N.N2 * xa, d.N.N2};
        k.daten.qAnfang = kind->qAnfang;
        k.daten.qEnde = kind->qEnde;
        k.daten.nAnfang = kind->nAnfang;
        k.daten.nEnde = kind->nEnde;
        kinder_[kind] = k;
    }
}

void ZweiteOrdnung::ErgebnisseUebernehmen(const Verzweigungslast& verzweigung) {
    ErgebnisseInSystemUebernehmen(ausgabe_, system_, [this](const Element& e, Stababschnitt& r) {
        const auto it = kinder_.find(&e);
        if (it == kinder_.end()) return;
        const Kind& k = it->second;
        r.Exakt = 1;
        r.EA = k.daten.EA;
        r.EI = k.daten.EI;
        r.N0 = k.daten.N.N0;
        r.N1 = k.daten.N.N1;
        r.N2 = k.daten.N.N2;
        r.Dehnung = k.daten.Dehnung;
        r.Kruemmung = k.daten.Kruemmung;
        std::copy(k.lokal, k.lokal + 6, r.Lokal);
    });
    system_.Theorie = THEORIE_II;
    system_.Verzweigung = verzweigung.Status;
    system_.Verzweigungslastfaktor = verzweigung.Faktor;
    AenderungMelden(&system_, AENDERUNG_ERGEBNISSE);
}

void ZweiteOrdnung::Scheitern(Ausgang ausgang) {
    if (ausgang == Ausgang::Kinematisch) return;
    Melden(ausgang == Ausgang::Instabil
               ? INSTABIL
               : "Fehler beim Berechnen ! - Ergebnisse nicht endlich, Eingabewerte prüfen !"_l1);
    SystemergebnisseLoeschen(system_);
    AenderungMelden(&system_, AENDERUNG_ERGEBNISSE);
    bericht_.Fortschritt(0.0);
}

bool ZweiteOrdnung::Rechnen() {
    const std::clock_t t0 = std::clock();
    if (!ErsterOrdnungLoesen()) return false;
    const Ausgang a = Iterieren();
    if (a != Ausgang::Gut) {
        // How far the load lies above the critical load is what the user
        // wants to know next.
        if (a == Ausgang::Instabil) {
            const Verzweigungslast v = VerzweigungSuchen(fortschritt_, 0.95);
            if (v.Status == VERZWEIGUNG_GEFUNDEN)
                MeldungFormatiert(bericht_, "Verzweigungslastfaktor : %.3f", v.Faktor);
        }
        Scheitern(a);
        return false;
    }
    fortschritt_ = std::max(fortschritt_, 0.9);
    bericht_.Fortschritt(fortschritt_);
    Nachlauf();
    ErgebnisseVerteilen();
    if (!ErgebnisseEndlich(ausgabe_, system_, bericht_)) return false;
    Melden("Nachlaufrechnung durchgeführt ... "_l1);

    // The results are in the model with the divisions; the search changes
    // only the elements and the matrix of the solved one.
    const Verzweigungslast v = VerzweigungSuchen(0.9, 1.0);
    ErgebnisseUebernehmen(v);

    const std::clock_t t3 = std::clock();
    MeldungFormatiert(bericht_, "Rechenzeit : %.2f s", Sekunden(t0, t3));
    Melden(("Verzweigungslastfaktor : " + VerzweigungslastText(v)).c_str());
    Melden("-> System nach Theorie II.Ordnung berechnet !");
    bericht_.Fortschritt(1.0);
    bericht_.Fortschritt(0.0);
    return true;
}

bool ZweiteOrdnung::NurVerzweigung(Verzweigungslast& ergebnis) {
    if (!ErsterOrdnungLoesen()) return false;
    ErsteOrdnungFesthalten();
    ergebnis = VerzweigungSuchen(0.75, 1.0);
    Melden(("Verzweigungslastfaktor : " + VerzweigungslastText(ergebnis)).c_str());
    bericht_.Fortschritt(0.0);
    return ergebnis.Status != VERZWEIGUNG_UNBESTIMMT;
}

}  // namespace

bool TheorieIIOrdnungBerechnen(System& system, const Kataloge& kataloge, Berichtsempfaenger& bericht) {
    ZweiteOrdnung lauf(system, kataloge, bericht);
    return lauf.Rechnen();
}

bool VerzweigungslastfaktorBerechnen(System& system, const Kataloge& kataloge, Berichtsempfaenger& bericht,
                                     Verzweigungslast& ergebnis) {
    ZweiteOrdnung lauf(system, kataloge, bericht);
    ergebnis = Verzweigungslast{};
    return lauf.NurVerzweigung(ergebnis);
}

std::string VerzweigungslastText(const Verzweigungslast& v) {
    if (v.Status == VERZWEIGUNG_GEFUNDEN) {
        char text[64];
        std::snprintf(text, sizeof text, "%.3f", v.Faktor);
        return text;
    }
    if (v.Status == VERZWEIGUNG_UNBESTIMMT) return "nicht bestimmbar";
    return "keine Druckkräfte"_l1;
}

std::string VerzweigungslastText(const System& system) {
    return VerzweigungslastText(Verzweigungslast{system.Verzweigung, system.Verzweigungslastfaktor});
}
