#include "analysis/berechnung.h"

#include <ctime>
#include <new>

#include "analysis/endlichkeit.h"
#include "analysis/gleichungsloeser.h"
#include "analysis/nachlauf.h"
#include "analysis/nummerierung.h"
#include "core/aenderungen.h"
#include "core/bericht.h"
#include "core/latin1.h"

namespace {

double Sekunden(std::clock_t von, std::clock_t bis) { return static_cast<double>(bis - von) / 1000000.0; }

}  // namespace

Berechnung::Berechnung(System& system, const Kataloge& kataloge, Berichtsempfaenger& bericht)
    : system_(system), bericht_(bericht), katalog_(kataloge) {}

Berechnung::~Berechnung() {
    FreePMatrix(daten_.k);
    ArbeitsspeicherFreigeben(daten_.gebucht);
}

void Berechnung::Melden(const char* text) { MeldungAusgeben(bericht_, text); }

void Berechnung::Fortschritt(double wert) { bericht_.Fortschritt(wert); }

bool Berechnung::ModellErzeugen() { return KernmodellErzeugen(modell_, system_, bericht_, teilungen_); }

int Berechnung::ModellPruefen() {
    if (KeAnzahl(modell_.Elemente) == 0) {
        Melden("keine Stäbe im System !"_l1);
        return 0;
    }
    for (const Element* e : Elemente<Element>(modell_.Elemente)) {
        const Material* m = katalog_.MaterialZu(e->Material);
        if (!m) {
            Melden("es existieren Stäbe ohne Material !"_l1);
            return 0;
        }
        if (!(m->EModul > 0)) {
            Melden(m->EModul == 0 ? "es existiert Material mit E = 0 !" : "es existiert Material mit E < 0 !");
            return 0;
        }
        const Querschnitt* q = katalog_.QuerschnittZu(e->Querschnitt);
        if (!q) {
            Melden("es existieren Stäbe ohne Querschnitt !"_l1);
            return 0;
        }
        if (!(q->Flaeche > 0)) {
            Melden(q->Flaeche == 0 ? "es existieren Querschnitte mit A = 0 !"
                                   : "es existieren Querschnitte mit A < 0 !");
            return 0;
        }
        if (!(q->Traegheitsmoment > 0)) {
            Melden(q->Traegheitsmoment == 0 ? "es existieren Querschnitte mit Iz = 0 !"
                                            : "es existieren Querschnitte mit Iz < 0 !");
            return 0;
        }
        // An element whose end points coincide has no stiffness matrix (it
        // divides by its length) and would fill every result with NaN.
        if (!(e->Laenge > 0)) {
            Melden("es existieren Stäbe der Länge 0 !"_l1);
            return 0;
        }
    }
    return 1;
}

int Berechnung::Anzahl() const { return static_cast<int>(KeAnzahl(modell_.Modellfreiheitsgrade)); }

bool Berechnung::ArbeitsdatenAnlegen() {
    const int n = Anzahl();
    const std::size_t bytes = static_cast<std::size_t>(n) * (4 * sizeof(double) + 2 * sizeof(int));
    if (!ArbeitsspeicherReservieren(bytes)) return false;
    daten_.gebucht += bytes;
    try {
        daten_.u.assign(static_cast<std::size_t>(n), 0.0);
        daten_.fKnoten.assign(static_cast<std::size_t>(n), 0.0);
        daten_.fErsatz.assign(static_cast<std::size_t>(n), 0.0);
        daten_.fGesamt.assign(static_cast<std::size_t>(n), 0.0);
        daten_.zustand.assign(static_cast<std::size_t>(n), 0);
        daten_.erste.assign(static_cast<std::size_t>(n), 0);
    } catch (const std::bad_alloc&) {
        return false;
    }
    return true;
}

void Berechnung::Nummerieren() {
    FreiheitsgradeNummerieren(modell_);
    FreiheitsgradeUmnummerieren(modell_);
}

void Berechnung::ErsatzlastenBerechnen() { ::ErsatzlastenBerechnen(modell_, daten_.fErsatz.data(), Anzahl()); }

bool Berechnung::PrimalDualAufbauen() {
    return ::PrimalDualAufbauen(modell_, daten_.u.data(), daten_.fKnoten.data(), daten_.zustand.data(), Anzahl(),
                                bericht_) != 0;
}

void Berechnung::ProfilBestimmen() { ::ProfilBestimmen(modell_, daten_.erste.data(), Anzahl()); }

Elementsteifigkeit Berechnung::ElementsteifigkeitErsterOrdnung() {
    return [this](Matrix6 ke, const Element* e) { return ElementsteifigkeitBerechnen(ke, e, katalog_, bericht_); };
}

bool Berechnung::SteifigkeitAufbauen(const Elementsteifigkeit& elementsteifigkeit) {
    return SystemsteifigkeitAufbauen(modell_, daten_.k, daten_.erste.data(), Anzahl(), elementsteifigkeit,
                                     bericht_) != 0;
}

bool Berechnung::Zerlegen(bool mitFortschritt) {
    int singulaer = -1;
    return SystemsteifigkeitZerlegen(Anzahl(), daten_.zustand.data(), daten_.erste.data(), daten_.k, &singulaer,
                                     mitFortschritt ? &bericht_ : nullptr) != -2;
}

long Berechnung::NegativePivots() const {
    long n = 0;
    for (int z : daten_.zustand) n += z == STATUS_NEGATIV;
    return n;
}

void Berechnung::Loesen() {
    const int n = Anzahl();
    for (int i = 0; i < n; ++i) daten_.fGesamt[i] = daten_.fKnoten[i] + daten_.fErsatz[i];
    LoesenMit(daten_.u.data(), daten_.fGesamt.data());
}

void Berechnung::LoesenMit(double* u, double* f) {
    GleichungssystemLoesen(Anzahl(), daten_.zustand.data(), daten_.erste.data(), daten_.k, u, f);
}

void Berechnung::Nachlaufrechnung() {
    KnotenkraefteBerechnen(daten_.k, daten_.erste.data(), daten_.u.data(), daten_.fErsatz.data(),
                           daten_.fKnoten.data(), Anzahl());
    ::ErgebnisseUebernehmen(modell_, daten_.u.data(), daten_.fKnoten.data());
    SchnittkraefteBerechnen(modell_, katalog_);
}

bool Berechnung::ErgebnisseEndlich() { return ::ErgebnisseEndlich(modell_, system_, bericht_); }

void Berechnung::ErgebnisseUebernehmen(long theorie, const Abschnittergaenzung& ergaenzen) {
    ErgebnisseInSystemUebernehmen(modell_, system_, ergaenzen);
    system_.Theorie = theorie;
    // A second-order run sets the critical load factor afterwards.
    system_.Verzweigung = VERZWEIGUNG_KEINE_DRUCKKRAEFTE;
    system_.Verzweigungslastfaktor = 0.0;
    AenderungMelden(&system_, AENDERUNG_ERGEBNISSE);
}

bool Berechnung::TheorieIOrdnung() {
    const std::clock_t t0 = std::clock();

    if (!ModellErzeugen()) {
        Fortschritt(0.0);
        return false;
    }
    Fortschritt(0.1);
    Melden("Kernmodell erstellt ...");
    if (KeAnzahl(modell_.Modellfreiheitsgrade) == 0) {
        Melden("Fehler beim Berechnen ! - keine FG");
        return false;
    }
    if (KeAnzahl(modell_.Elemente) == 0) {
        Melden("Fehler beim Berechnen ! - keine Stäbe"_l1);
        return false;
    }
    MeldungFormatiert(bericht_, "Anzahl Freiheitsgrade : %ld ... ", KeAnzahl(modell_.Modellfreiheitsgrade));
    if (!ModellPruefen()) {
        Fortschritt(0.0);
        return false;
    }

    if (!ArbeitsdatenAnlegen()) {
        bericht_.Ausgeben(Ausgabekanal::Fehler, "Fehler !\n");
        Melden("Fehler beim Berechnen ! - zu wenig Speicher");
        Fortschritt(0.0);
        return false;
    }

    Nummerieren();
    Fortschritt(0.2);
    ErsatzlastenBerechnen();
    Fortschritt(0.3);
    if (!PrimalDualAufbauen()) return false;
    ProfilBestimmen();
    const Elementsteifigkeit steifigkeit = ElementsteifigkeitErsterOrdnung();
    if (!SteifigkeitAufbauen(steifigkeit)) return false;

    Melden("Systemsteifigkeit aufgebaut ...");
    const std::clock_t t1 = std::clock();
    Fortschritt(0.4);
    Melden("Zerlege Systemsteifigkeit ...");
    if (!Zerlegen()) {
        Melden("Fehler beim Zerlegen der SystemSteifigkeit ! System kinematisch !");
        return false;
    }
    Fortschritt(0.7);
    const std::clock_t t2 = std::clock();
    MeldungFormatiert(bericht_, "Gleichungssystem zerlegt [%.2f s] ... ", Sekunden(t1, t2));

    Loesen();
    Fortschritt(0.9);
    Melden("Gleichungssystem gelöst ... "_l1);

    // The decomposition overwrote K; the end forces need the stiffness.
    if (!SteifigkeitAufbauen(steifigkeit)) return false;
    Nachlaufrechnung();
    if (!ErgebnisseEndlich()) return false;
    Melden("Nachlaufrechnung durchgeführt ... "_l1);
    ErgebnisseUebernehmen();

    const std::clock_t t3 = std::clock();
    MeldungFormatiert(bericht_, "Rechenzeit : %.2f s", Sekunden(t0, t3));
    Melden("-> System nach Theorie I.Ordnung berechnet !");
    Fortschritt(1.0);
    FreePMatrix(daten_.k);
    daten_.k = nullptr;
    Fortschritt(0.0);
    return true;
}

bool TheorieIOrdnungBerechnen(System& system, const Kataloge& kataloge, Berichtsempfaenger& bericht) {
    Berechnung berechnung(system, kataloge, bericht);
    return berechnung.TheorieIOrdnung();
}
