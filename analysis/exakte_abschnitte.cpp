#include "analysis/exakte_abschnitte.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "analysis/theorie2/stabelement.h"

void ElementdatenEintragen(Stababschnitt::ExaktesElement& k, const StabdatenII& d) {
    k.Laenge = d.Laenge;
    k.EA = d.EA;
    k.EI = d.EI;
    k.N0 = d.N.N0;
    k.N1 = d.N.N1;
    k.N2 = d.N.N2;
    k.qAnfang = d.qAnfang;
    k.qEnde = d.qEnde;
    k.nAnfang = d.nAnfang;
    k.nEnde = d.nEnde;
    k.Dehnung = d.Dehnung;
    k.Kruemmung = d.Kruemmung;
}

StabdatenII ElementdatenAus(const Stababschnitt::ExaktesElement& k) {
    StabdatenII d;
    d.Laenge = k.Laenge;
    d.EA = k.EA;
    d.EI = k.EI;
    d.N = {k.N0, k.N1, k.N2};
    d.qAnfang = k.qAnfang;
    d.qEnde = k.qEnde;
    d.nAnfang = k.nAnfang;
    d.nEnde = k.nEnde;
    d.Dehnung = k.Dehnung;
    d.Kruemmung = k.Kruemmung;
    return d;
}

namespace {

using Element = Stababschnitt::ExaktesElement;

// The element's data without the record's piece of it: equal for all pieces.
bool GleichesElement(const Element& a, const Element& b) {
    Element x = a, y = b;
    x.Anfang = y.Anfang = x.Ende = y.Ende = 0.0;
    return std::memcmp(&x, &y, sizeof x) == 0;
}

// A diagram, a table or an extremum search asks the pieces of one element
// many times in a row, a drawing one quantity of every record after the
// other: the last few elements rebuilt are kept, found by their data.
struct Eintrag {
    bool belegt = false;
    Element element{};
    Stabverlauf verlauf;
    std::array<bool, 5> gesucht{};
    std::array<std::vector<double>, 5> extremstellen;  // x in the element
};

Eintrag& Gebaut(const Stababschnitt* r) {
    static Eintrag eintraege[8];
    static int naechster = 0;
    for (Eintrag& e : eintraege)
        if (e.belegt && GleichesElement(e.element, r->Exaktes)) return e;
    Eintrag& e = eintraege[naechster];
    naechster = (naechster + 1) % 8;
    const Element& el = r->Exaktes;
    e.verlauf = StabelementII(ElementdatenAus(el)).Verlauf(el.Lokal);
    e.element = el;
    e.gesucht = {};
    e.belegt = true;
    return e;
}

double Stelle(const Stababschnitt* r, double xi) {
    return r->Exaktes.Anfang + (1.0 + xi) / 2.0 * (r->Exaktes.Ende - r->Exaktes.Anfang);
}

}  // namespace

bool AbschnittExakt(const Stababschnitt* r) {
    const Element& e = r->Exaktes;
    return r->Exakt == 1 && e.Laenge > 0.0 && e.EI != 0.0 && e.EA != 0.0 && e.Anfang >= 0.0 && e.Ende > e.Anfang &&
           e.Ende <= e.Laenge * (1.0 + 1e-12);
}

double ExakterWert(const Stababschnitt* r, Schnittgroesse g, double xi) {
    return Gebaut(r).verlauf.Wert(g, Stelle(r, xi));
}

std::vector<double> ExakteExtremstellen(const Stababschnitt* r, Schnittgroesse g) {
    Eintrag& e = Gebaut(r);
    const std::size_t k = static_cast<std::size_t>(g);
    if (!e.gesucht[k]) {
        e.extremstellen[k] = e.verlauf.Extremstellen(g);
        e.gesucht[k] = true;
    }
    std::vector<double> stellen;
    const double a = r->Exaktes.Anfang, b = r->Exaktes.Ende;
    for (double x : e.extremstellen[k])
        if (x > a && x < b) stellen.push_back(std::clamp(2.0 * (x - a) / (b - a) - 1.0, -1.0, 1.0));
    return stellen;
}

void ExakteVerformung(const Stababschnitt* r, double xi, double* u, double* v, double* phi) {
    const Stabverlauf& verlauf = Gebaut(r).verlauf;
    const double x = Stelle(r, xi);
    if (u) *u = verlauf.Laengsverschiebung(x);
    if (v) *v = -verlauf.Durchbiegung(x);
    if (phi) *phi = verlauf.Verdrehung(x);
}
