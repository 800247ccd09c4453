// The run by second-order theory, inside the analysis: one object per run,
// its steps in three files (theorie2ordnung.cpp: the run, its messages and
// the iteration; theorie2verzweigung.cpp: the critical load factor;
// theorie2ergebnisse.cpp: end forces and the results of the bars).
#pragma once

#include <unordered_map>
#include <vector>

#include "analysis/berechnung.h"
#include "analysis/theorie2/stabelement.h"
#include "analysis/theorie2ordnung.h"
#include "core/bericht.h"

// What a model element keeps through the passes: the data of its exact
// element (the axial force changes from pass to pass) and its turn into the
// directions of its degrees of freedom.
struct Elementdaten {
    Element* e = nullptr;
    StabdatenII d;
    Normalkraftverlauf nErsterOrdnung;  // N_I, for the critical load factor
    double t[6][6];       // local -> degree-of-freedom directions
    double tStern[6][6];  // the stiffness is t k tStern (slots may be turned)
};

// The smallest value of an axial force along [0, laenge].
double Kleinstwert(const Normalkraftverlauf& n, double laenge);

class ZweiteOrdnung {
public:
    ZweiteOrdnung(System& system, const Kataloge& kataloge, Berichtsempfaenger& bericht)
        : system_(system), bericht_(bericht), b_(system, kataloge, bericht) {}

    // The whole run; true when the results are in the System.
    bool Rechnen();
    // The critical load factor alone; false after a message.
    bool NurVerzweigung(Verzweigungslast& ergebnis);

private:
    // Gemeldet: the failure has been reported where it happened (a
    // kinematic structure, memory); Ungenau: an element in tension so
    // slender that its solution cannot be summed reliably.
    enum class Ausgang { Gut, Gemeldet, Instabil, Ungenau };

    void Melden(const char* text) { MeldungAusgeben(bericht_, text); }
    // The steps of the first-order run up to its solution (the first pass,
    // without axial forces in the bending); false after a message.
    bool ErsterOrdnungLoesen();
    void ElementeAnlegen();
    // Builds every element under its axial force d.N.
    bool ElementeBauen(long* eingespannt);
    // Stiffness and equivalent loads of the elements as built.
    bool Aufbauen();
    // One pass under the axial forces in d.N: assembly, decomposition, the
    // count of buckling modes, solution.
    Ausgang Durchgang();
    // One step of iterative refinement of the solution in u.
    void Nachverbessern();
    // K u of the elements as built and the springs, summed in long double.
    void SteifigkeitMal(const std::vector<double>& u, std::vector<long double>& ku) const;
    void LokaleVerschiebungen(const Element* e, double l[6]) const;
    // The axial force at every element start from the last solution, and
    // its largest change against d.N; `groesste` gets the largest |N|.
    double NormalkraefteAktualisieren(std::vector<double>& anfang, double* groesste) const;
    // N_I from the first-order solution, and the scale that tells
    // compression from round-off.
    void ErsteOrdnungFesthalten();
    Ausgang Iterieren();
    void Scheitern(Ausgang ausgang);

    Verzweigungslast VerzweigungSuchen(double fortschrittVon, double fortschrittBis);

    // End forces and reactions of the last pass into the solved model.
    void Nachlauf();
    // The values of the solved elements at the ends of their children, the
    // elements of the model with the System's divisions, and the data of
    // the children's exact elements.
    void ErgebnisseVerteilen();
    void ErgebnisseUebernehmen(const Verzweigungslast& verzweigung);

    System& system_;
    Berichtsempfaenger& bericht_;
    // The model with the System's divisions, whose elements become the
    // records of the bars.  The exact elements need no division points (a
    // chain of them is the exact element of the whole), so the run solves
    // the model without divisions (b_) and takes the values at the division
    // points from its solution.
    Kernmodell ausgabe_;
    std::unordered_map<const Element*, Stababschnitt::ExaktesElement> kinder_;
    Berechnung b_;
    std::vector<Elementdaten> daten_;
    std::vector<StabelementII> elemente_;
    std::unordered_map<const Element*, std::size_t> index_;
    std::vector<int> zustand0_;  // free and prescribed rows before any decomposition
    bool ergebnisseLoeschen_ = true;  // a failed run removes the System's results
    double fortschritt_ = 0.0;
    double skala_ = 0.0;  // largest |N| or |Q| of the first-order solution
};

// The element stiffness in the directions of its degrees of freedom.
void Freiheitsgradrichtungen(const Elementdaten& ed, const StabelementII& element, double ke[6][6]);
