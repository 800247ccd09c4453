#include "analysis/theorie2ordnung.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <new>

#include "analysis/endlichkeit.h"
#include "analysis/theorie2lauf.h"
#include "core/aenderungen.h"
#include "core/ergebnisstand.h"
#include "core/bericht.h"
#include "core/latin1.h"
#include "core/systemoperationen.h"

namespace {

constexpr int MAX_ITERATIONEN = 100;
constexpr double NORMALKRAFT_GENAUIGKEIT = 1e-10;

const char* const INSTABIL = "Fehler beim Berechnen ! - System instabil (Belastung über der Verzweigungslast) !"_l1;

double Sekunden(std::clock_t von, std::clock_t bis) { return static_cast<double>(bis - von) / 1000000.0; }

void Multiplizieren(const double a[6][6], const double b[6][6], double c[6][6]) {
    for (int i = 0; i < 6; ++i)
        for (int j = 0; j < 6; ++j) {
            double s = 0.0;
            for (int m = 0; m < 6; ++m) s += a[i][m] * b[m][j];
            c[i][j] = s;
        }
}

}  // namespace

double Kleinstwert(const Normalkraftverlauf& n, double laenge) {
    double m = std::min(n.An(0.0), n.An(laenge));
    if (n.N2 != 0.0) {
        const double scheitel = -n.N1 / (2.0 * n.N2);
        if (scheitel > 0.0 && scheitel < laenge) m = std::min(m, n.An(scheitel));
    }
    return m;
}

void Freiheitsgradrichtungen(const Elementdaten& ed, const StabelementII& element, double ke[6][6]) {
    double k[6][6], w[6][6];
    element.Steifigkeit(k);
    Multiplizieren(ed.t, k, w);
    Multiplizieren(w, ed.tStern, ke);
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
    Nachverbessern();
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
        // Temperature loads: the free strain and curvature of the element.
        ed.d.Dehnung = e->Dehnung;
        ed.d.Kruemmung = e->Kruemmung;
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
        Freiheitsgradrichtungen(daten_[it->second], elemente_[it->second], ke);
        return 1;
    });
}

ZweiteOrdnung::Ausgang ZweiteOrdnung::Durchgang() {
    long eingespannt = 0;
    if (!ElementeBauen(&eingespannt) || !Aufbauen()) return Ausgang::Gemeldet;
    // An element in compression so far past its buckling load that its
    // series cannot be summed lies far above the critical load anyway.
    for (std::size_t i = 0; i < elemente_.size(); ++i)
        if (!elemente_[i].Zuverlaessig())
            return Kleinstwert(daten_[i].d.N, daten_[i].d.Laenge) < 0.0 ? Ausgang::Instabil : Ausgang::Ungenau;
    // A zero pivot now is a buckling load met exactly.
    if (!b_.Zerlegen(false)) return Ausgang::Instabil;
    if (b_.NegativePivots() + eingespannt > 0) return Ausgang::Instabil;
    b_.Loesen();
    Nachverbessern();
    return Ausgang::Gut;
}

// The solution once more from its residual, summed in extended precision:
// the axial forces come from differences of displacements, and without the
// correction their round-off can stay above what the iteration asks of them.
void ZweiteOrdnung::Nachverbessern() {
    Berechnung::Arbeitsdaten& a = b_.Daten();
    const std::size_t n = static_cast<std::size_t>(b_.Anzahl());
    std::vector<long double> ku;
    SteifigkeitMal(a.u, ku);
    std::vector<double> d(n, 0.0), r(n, 0.0);
    for (std::size_t i = 0; i < n; ++i)
        if (zustand0_[i] != STATUS_PRIMAL)
            r[i] = static_cast<double>(static_cast<long double>(a.fKnoten[i]) + a.fErsatz[i] - ku[i]);
    b_.LoesenMit(d.data(), r.data());
    for (std::size_t i = 0; i < n; ++i)
        if (zustand0_[i] != STATUS_PRIMAL) a.u[i] += d[i];
}

void ZweiteOrdnung::SteifigkeitMal(const std::vector<double>& u, std::vector<long double>& ku) const {
    ku.assign(u.size(), 0.0L);
    for (std::size_t i = 0; i < daten_.size(); ++i) {
        const Elementdaten& ed = daten_[i];
        double ke[6][6];
        Freiheitsgradrichtungen(ed, elemente_[i], ke);
        for (int p = 0; p < 6; ++p) {
            long double summe = 0.0L;
            for (int q = 0; q < 6; ++q)
                summe += static_cast<long double>(ke[p][q]) * u[static_cast<std::size_t>(ed.e->Fg[q]->Index)];
            ku[static_cast<std::size_t>(ed.e->Fg[p]->Index)] += summe;
        }
    }
    for (const Freiheitsgrad* fg : Elemente<Freiheitsgrad>(b_.Modell().Modellfreiheitsgrade))
        if (fg->Index >= 0 && static_cast<std::size_t>(fg->Index) < u.size())
            ku[static_cast<std::size_t>(fg->Index)] +=
                static_cast<long double>(fg->Feder) * u[static_cast<std::size_t>(fg->Index)];
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

// The axial forces N of the elements are a fixed point of N -> F(N), the
// axial forces of the solution with the elements under N.  The plain
// iteration N <- F(N) settles slowly, or not at all, where the forces of a
// frame depend strongly on its deflection; each step is therefore taken
// with the secant of the last two (Anderson's mixing of depth one), which
// leaves the result as it is: the run ends only when the forces of a
// solution and the forces its elements were built with agree.  A step that
// overshoots into instability is taken again plainly.
ZweiteOrdnung::Ausgang ZweiteOrdnung::Iterieren() {
    ErsteOrdnungFesthalten();
    const std::size_t m = daten_.size();
    std::vector<double> benutzt(m), ergebnis, restVorher(m), ergebnisVorher(m), naechste(m);
    bool gedaechtnis = false;  // restVorher and ergebnisVorher hold the last pass
    double ersteAenderung = 0.0, betrag = 0.0;
    auto setzen = [this](const std::vector<double>& anfang) {
        for (std::size_t i = 0; i < daten_.size(); ++i) {
            Elementdaten& ed = daten_[i];
            ed.d.N = NormalkraftAusLasten(anfang[i], ed.d.nAnfang, ed.d.nEnde, ed.d.Laenge);
        }
    };
    bool beschleunigt = false;
    for (int iteration = 1; iteration <= MAX_ITERATIONEN; ++iteration) {
        for (std::size_t i = 0; i < m; ++i) benutzt[i] = daten_[i].d.N.N0;
        Ausgang a = Durchgang();
        if (a == Ausgang::Instabil && beschleunigt) {
            setzen(ergebnisVorher);
            benutzt = ergebnisVorher;
            gedaechtnis = false;
            a = Durchgang();
        }
        if (a != Ausgang::Gut) return a;
        const double aenderung = NormalkraefteAktualisieren(ergebnis, &betrag);
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

        // g = F(N) - N; the secant step F - gamma (F - F_prev) with gamma
        // from the least change of g, unless g grew (then a plain step).
        double gg = 0.0, gd = 0.0, dd = 0.0, vorher = 0.0;
        for (std::size_t i = 0; i < m; ++i) {
            const double g = ergebnis[i] - benutzt[i], d = g - restVorher[i];
            gg += g * g;
            gd += g * d;
            dd += d * d;
            vorher += restVorher[i] * restVorher[i];
        }
        beschleunigt = gedaechtnis && dd > 0.0 && gg < vorher;
        const double gamma = beschleunigt ? gd / dd : 0.0;
        for (std::size_t i = 0; i < m; ++i) {
            naechste[i] = ergebnis[i] - gamma * (ergebnis[i] - ergebnisVorher[i]);
            restVorher[i] = ergebnis[i] - benutzt[i];
        }
        ergebnisVorher = ergebnis;
        gedaechtnis = true;
        setzen(naechste);
    }
    return Ausgang::Instabil;
}

void ZweiteOrdnung::Scheitern(Ausgang ausgang) {
    if (ausgang == Ausgang::Gemeldet) return;
    Melden(ausgang == Ausgang::Instabil
               ? INSTABIL
               : "Fehler beim Berechnen ! - Ergebnisse nicht endlich, Eingabewerte prüfen !"_l1);
    if (ergebnisseLoeschen_) {
        if (ErgebnisseEntfernen(system_)) AenderungMelden(&system_, AENDERUNG_ERGEBNISSE);
    }
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
    ergebnisseLoeschen_ = false;
    if (!ErsterOrdnungLoesen()) return false;
    ErsteOrdnungFesthalten();
    ergebnis = VerzweigungSuchen(0.75, 1.0);
    Melden(("Verzweigungslastfaktor : " + VerzweigungslastText(ergebnis)).c_str());
    bericht_.Fortschritt(0.0);
    return ergebnis.Status != VERZWEIGUNG_UNBESTIMMT;
}

namespace {

// A run that finds the memory short stops with the message of the
// first-order run; the System's results are written only at its very end.
template <class Lauf>
bool MitSpeicherpruefung(Berichtsempfaenger& bericht, Lauf lauf) {
    try {
        return lauf();
    } catch (const std::bad_alloc&) {
        bericht.Ausgeben(Ausgabekanal::Fehler, "Fehler !\n");
        MeldungAusgeben(bericht, "Fehler beim Berechnen ! - zu wenig Speicher");
        bericht.Fortschritt(0.0);
        return false;
    }
}

}  // namespace

bool TheorieIIOrdnungBerechnen(System& system, const Kataloge& kataloge, Berichtsempfaenger& bericht) {
    return MitSpeicherpruefung(bericht, [&] {
        ZweiteOrdnung lauf(system, kataloge, bericht);
        return lauf.Rechnen();
    });
}

bool VerzweigungslastfaktorBerechnen(System& system, const Kataloge& kataloge, Berichtsempfaenger& bericht,
                                     Verzweigungslast& ergebnis) {
    ergebnis = Verzweigungslast{};
    return MitSpeicherpruefung(bericht, [&] {
        ZweiteOrdnung lauf(system, kataloge, bericht);
        return lauf.NurVerzweigung(ergebnis);
    });
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
