// Values of the result records of an exact run (Stababschnitt::Exakt): each
// record is a piece [Anfang, Ende] of an exact element, whose solution is
// rebuilt from the record's data when asked (a few microseconds) and kept
// for the next questions; the pieces of one element share it.
#pragma once

#include <vector>

#include "analysis/theorie2/stabelement.h"
#include "analysis/theorie2/stabverlauf.h"
#include "core/datenmodell.h"

// The exact element as a record keeps it, and back: one place for its
// fields, so that neither direction forgets one.  The piece [Anfang, Ende]
// and the local end displacements are the record's own.
void ElementdatenEintragen(Stababschnitt::ExaktesElement& element, const StabdatenII& daten);
StabdatenII ElementdatenAus(const Stababschnitt::ExaktesElement& element);

// True when the record carries a usable exact element.
bool AbschnittExakt(const Stababschnitt* abschnitt);
// The value at xi (-1 the record's start, 1 its end).
double ExakterWert(const Stababschnitt* abschnitt, Schnittgroesse groesse, double xi);
// The places xi strictly inside the record where the quantity has a local
// extremum (its ends are not included).
std::vector<double> ExakteExtremstellen(const Stababschnitt* abschnitt, Schnittgroesse groesse);
// Axial and transverse displacement and rotation at xi, in the element's axes.
void ExakteVerformung(const Stababschnitt* abschnitt, double xi, double* u, double* v, double* phi);
