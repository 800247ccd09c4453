// The settings of a PostScript plot ("Druckoptionen Postscript"): which pages
// are written, the diagram scales, labels, page numbers and orientation.
// Toolkit-free, so the batch program and the tests set them directly; the
// dialog copies its objects into `Druckeinstellungen` before a plot.
#pragma once

// Pages of a plot in the order they are written.
enum Plotseite { SEITE_SYSTEM = 0, SEITE_MOMENT, SEITE_QUERKRAFT, SEITE_NORMALKRAFT, SEITE_VERFORMUNG };
constexpr int PLOT_SEITEN = 5;

struct Druckoptionen {
    bool System = true;            // page of the structure
    bool Freiheitsgrade = false;   // numbers of the degrees of freedom on it
    bool MarkierteStaebe = false;  // only bars with Markiert = 1
    bool Moment = true;
    double MomentMassstab = 0.1;       // m per kNm
    bool Querkraft = true;
    double QuerkraftMassstab = 0.1;    // m per kN
    bool Normalkraft = true;
    double NormalkraftMassstab = 0.1;  // m per kN
    bool Verschiebung = true;          // page "Verformung"
    double VerschiebungMassstab = 10;  // magnification of displacements
    bool Beschriftung = false;         // value labels on the result pages
    bool Seitenzahlen = true;
    // The dialog offers A5 beside A4; pages are always laid out for A4, so
    // the choice is kept (for the dialog) but has no effect.
    bool DinA5 = true;
    bool Querformat = false;       // landscape instead of portrait
};

// The program's current settings (defaults until the dialog changes them).
extern Druckoptionen Druckeinstellungen;

// Whether a page is switched on.
bool SeiteGewaehlt(const Druckoptionen& optionen, int seite);
// Number of pages switched on (the pages a plot of a non-empty bar set writes).
int GewaehlteSeiten(const Druckoptionen& optionen);
