#include "output/druckoptionen.h"

Druckoptionen Druckeinstellungen;

bool SeiteGewaehlt(const Druckoptionen& optionen, int seite) {
    switch (seite) {
    case SEITE_SYSTEM: return optionen.System;
    case SEITE_MOMENT: return optionen.Moment;
    case SEITE_QUERKRAFT: return optionen.Querkraft;
    case SEITE_NORMALKRAFT: return optionen.Normalkraft;
    case SEITE_VERFORMUNG: return optionen.Verschiebung;
    default: return false;
    }
}

int GewaehlteSeiten(const Druckoptionen& optionen) {
    int n = 0;
    for (int i = 0; i < PLOT_SEITEN; ++i) n += SeiteGewaehlt(optionen, i) ? 1 : 0;
    return n;
}
