// Chains (Kette) and stacks (Stapel).
#include "core/kette.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <new>

#include "core/bericht.h"
#include "core/systemoperationen.h"

namespace {

// A null chain or link is a programming error of the caller; it is reported
// and the operation does nothing, so the program keeps running.
void NullZeigerMelden(const char* operation) {
    FehlerAusgeben("Fehler in %s aufgetreten.\nEs wurde ein NULL-Zeiger uebergeben.\n", operation);
    errno = ENOMEM;
}

void AllocFehlerMelden(const char* operation) {
    FehlerAusgeben("\a\a Fehler Nr. %ld bei Alloc\n%s\nFehlercode ist in /usr/include/sys/errno.h definiert.\n",
                   static_cast<long>(errno), operation);
}

Glied* NeuesGlied(void* element) {
    Glied* g = new (std::nothrow) Glied{nullptr, nullptr, element};
    if (!g) errno = ENOMEM;
    return g;
}

// Links `neu` after `glied` (position 0) or before it.
void Einhaengen(Glied* neu, int position, Glied* glied) {
    if (position != 0) glied = glied->prev;
    neu->prev = glied;
    neu->next = glied->next;
    glied->next->prev = neu;
    glied->next = neu;
}

void Aushaengen(Glied* glied) {
    glied->prev->next = glied->next;
    glied->next->prev = glied->prev;
    glied->prev = glied->next = glied;
}

}  // namespace

// ---------------------------------------------------------------- Kette

Kette KetteDefinieren() {
    Glied* kopf = NeuesGlied(nullptr);
    if (!kopf) {
        AllocFehlerMelden("KetteDefinieren");
        return nullptr;
    }
    kopf->prev = kopf->next = kopf;
    return kopf;
}

void KetteLoeschen(Kette kette) {
    if (!kette) {
        NullZeigerMelden("KetteLoeschen");
        return;
    }
    Glied* g = kette->next;
    while (g != kette) {
        Glied* weiter = g->next;
        delete g;
        g = weiter;
    }
    delete kette;
    errno = 0;
}

void KeElementEintragen(void* element, int position, Glied* glied) {
    if (!glied) {
        NullZeigerMelden("KeElementEintragen");
        return;
    }
    Glied* neu = NeuesGlied(element);
    if (!neu) {
        AllocFehlerMelden("KeElementEintragen");
        return;
    }
    Einhaengen(neu, position, glied);
}

void KeGliedEintragen(Glied* neu, int position, Glied* glied) {
    if (!neu || !glied) {
        NullZeigerMelden("KeGliedEintragen");
        return;
    }
    Einhaengen(neu, position, glied);
}

void* KeElementAustragen(Glied* glied) {
    if (!glied) {
        NullZeigerMelden("KeElementAustragen");
        return nullptr;
    }
    // The head of an empty chain is its own neighbour: freeing it would
    // destroy the chain.
    if (glied->next == glied) return nullptr;
    void* element = glied->element;
    Aushaengen(glied);
    delete glied;
    return element;
}

void KeGliedAustragen(Glied* glied) {
    if (!glied) {
        NullZeigerMelden("KeGliedAustragen");
        return;
    }
    Aushaengen(glied);
}

void KeElementEinsortieren(Kette kette, KeVergleich vergleich, void* element) {
    if (!kette || !vergleich) {
        NullZeigerMelden("KeElementEinsortieren");
        return;
    }
    Glied* g = kette->next;
    while (g != kette && vergleich(element, g->element) != 0) g = g->next;
    KeElementEintragen(element, 1, g);
}

void KeSchnellSortieren(Kette kette, KeVergleich vergleich) {
    if (!kette || !vergleich) {
        NullZeigerMelden("KeSchnellSortieren");
        return;
    }
    KeMSort(kette, kette, vergleich);
}

void KeMSort(Glied* links, Glied* rechts, KeVergleich vergleich) {
    if (!links || !rechts || !vergleich) {
        NullZeigerMelden("KeMSort");
        return;
    }
    Glied* a = links->next;
    if (a == rechts || rechts->prev == a) return;  // nothing or one link

    // Middle: walk inwards from both ends until the walkers meet.
    Glied* b = rechts->prev;
    while (a->next != b) {
        b = b->prev;
        a = a->next;
        if (a == b) break;
    }

    Glied* marke = NeuesGlied(nullptr);
    if (!marke) {
        AllocFehlerMelden("KeMSort");
        return;
    }
    Einhaengen(marke, 0, a);
    KeMSort(links, marke, vergleich);
    KeMSort(marke, rechts, vergleich);

    // Merge: links of the right run that must precede `l` move in before it;
    // the left run grows by them and the scan of `l` goes on behind them.
    for (Glied* l = links->next; l != marke; l = l->next) {
        Glied* r = marke->next;
        while (r != rechts) {
            int ergebnis = vergleich(r->element, l->element);
            if (ergebnis == 0) {
                Glied* weiter = r->next;
                Aushaengen(r);
                Einhaengen(r, 1, l);
                r = weiter;
            } else if (ergebnis == 2) {
                break;
            } else {
                r = r->next;
            }
        }
    }
    Aushaengen(marke);
    delete marke;
}

void KeVorneEintragen(Kette& kette, void* element) {
    if (!kette) {
        kette = KetteDefinieren();
        if (!kette) Speicherfehler();
    }
    Glied* neu = NeuesGlied(element);
    if (!neu) Speicherfehler();
    Einhaengen(neu, 0, kette);
}

long KeAnzahl(Kette kette) {
    if (!kette) return 0;
    long n = 0;
    for (Glied* g = kette->next; g != kette; g = g->next) ++n;
    return n;
}

// ---------------------------------------------------------------- Stapel

namespace {

void** SlotsAnpassen(void** items, int capacity) {
    void** neu = static_cast<void**>(std::realloc(items, sizeof(void*) * (static_cast<size_t>(capacity) + 1)));
    if (!neu) Speicherfehler();
    return neu;
}

}  // namespace

Stapel* StapelAnlegen() {
    Stapel* s = new (std::nothrow) Stapel{nullptr, 0, 0};
    if (!s) Speicherfehler();
    s->items = SlotsAnpassen(nullptr, 0);
    s->items[0] = nullptr;
    return s;
}

void StapelFreigeben(Stapel* s) {
    if (!s) return;
    std::free(s->items);
    delete s;
}

void StapelLoeschen(Stapel* s, Freigabe freigabe) {
    if (!s) return;
    if (freigabe)
        for (int i = s->top; i >= 1; --i) freigabe(s->items[i]);
    StapelFreigeben(s);
}

Stapel* StapelKopieren(const Stapel* s) {
    Stapel* k = new (std::nothrow) Stapel{nullptr, s->capacity, s->top};
    if (!k) Speicherfehler();
    k->items = SlotsAnpassen(nullptr, s->capacity);
    for (int i = 0; i <= s->top; ++i) k->items[i] = s->items[i];
    return k;
}

void StapelEintragen(Stapel* s, void* element) {
    if (s->top == s->capacity) {
        s->capacity = s->capacity == 0 ? 1 : 2 * s->capacity;
        s->items = SlotsAnpassen(s->items, s->capacity);
    }
    s->items[++s->top] = element;
}

void* StapelEntnehmen(Stapel* s) {
    void* element = s->items[s->top];
    if (s->top > 0) --s->top;
    if (s->top < s->capacity / 2) {
        s->capacity /= 2;
        s->items = SlotsAnpassen(s->items, s->capacity);
    }
    return element;
}

int StapelSuchen(Stapel* s, void* element) {
    s->items[0] = element;
    int i = s->top;
    while (s->items[i] != element) --i;
    return i;
}

void StapelAufnehmen(Stapel* s, void* element) {
    if (StapelSuchen(s, element) == 0) StapelEintragen(s, element);
}

void StapelAustragen(Stapel* s, void* element) {
    int i = StapelSuchen(s, element);
    if (i == 0) return;
    s->items[i] = s->items[s->top];
    StapelEntnehmen(s);
}

namespace {

bool AlleEnthalten(Stapel* a, Stapel* b) {
    for (int i = 1; i <= a->top; ++i)
        if (StapelSuchen(b, a->items[i]) == 0) return false;
    return true;
}

}  // namespace

int StapelIstTeilmenge(Stapel* a, Stapel* b) {
    if (b->top < a->top) return 0;
    return AlleEnthalten(a, b) ? 1 : 0;
}

int StapelIstEchteTeilmenge(Stapel* a, Stapel* b) {
    if (a->top >= b->top) return 0;
    return AlleEnthalten(a, b) ? 1 : 0;
}

int StapelGleich(Stapel* a, Stapel* b) {
    if (a->top != b->top) return 0;
    return AlleEnthalten(a, b) ? 1 : 0;
}

Stapel* StapelSchnitt(Stapel* a, Stapel* b) {
    Stapel* s = StapelAnlegen();
    for (int i = 1; i <= a->top; ++i)
        if (StapelSuchen(b, a->items[i]) != 0) StapelEintragen(s, a->items[i]);
    return s;
}

Stapel* StapelVereinigung(Stapel* a, Stapel* b) {
    Stapel* s = StapelKopieren(a);
    for (int i = 1; i <= b->top; ++i)
        if (StapelSuchen(a, b->items[i]) == 0) StapelEintragen(s, b->items[i]);
    return s;
}

Stapel* StapelDifferenz(Stapel* a, Stapel* b) {
    Stapel* s = StapelAnlegen();
    for (int i = 1; i <= a->top; ++i)
        if (StapelSuchen(b, a->items[i]) == 0) StapelEintragen(s, a->items[i]);
    return s;
}

Stapel* StapelAuswaehlen(Stapel* a, StapelPraedikat praedikat, void* wert) {
    Stapel* s = StapelAnlegen();
    for (int i = 1; i <= a->top; ++i)
        if (praedikat(a->items[i], wert) != 0) StapelEintragen(s, a->items[i]);
    return s;
}

// ---------------------------------------------------------------- relations

namespace {

Paar* PaarAn(Stapel* r, int i) { return static_cast<Paar*>(r->items[i]); }

}  // namespace

int PaarSuchen(Stapel* r, void* first, void* second) {
    // The sentinel in slot 0 is a pair on the stack of this call; it is
    // overwritten by the next search before anyone could read it again.
    Paar waechter{first, second};
    r->items[0] = &waechter;
    int i = r->top;
    while (PaarAn(r, i)->first != first || PaarAn(r, i)->second != second) --i;
    r->items[0] = nullptr;
    return i;
}

int PaarAufnehmen(Stapel* r, void* first, void* second) {
    int i = PaarSuchen(r, first, second);
    if (i != 0) return i;
    Paar* p = new (std::nothrow) Paar{first, second};
    if (!p) Speicherfehler();
    StapelEintragen(r, p);
    return r->top;
}

void PaarAustragen(Stapel* r, void* first, void* second) {
    int i = PaarSuchen(r, first, second);
    if (i == 0) return;
    delete PaarAn(r, i);
    r->items[i] = r->items[r->top];
    StapelEntnehmen(r);
}

Stapel* RelationBilden(Stapel* a, Stapel* b, RelationPraedikat praedikat, void* wert) {
    Stapel* r = StapelAnlegen();
    for (int i = 1; i <= a->top; ++i)
        for (int j = 1; j <= b->top; ++j)
            if (praedikat(a->items[i], b->items[j], wert) != 0) PaarAufnehmen(r, a->items[i], b->items[j]);
    return r;
}

void RelationReflexiv(Stapel* r) {
    for (int i = r->top; i >= 1; --i) {
        void* a = PaarAn(r, i)->first;
        void* b = PaarAn(r, i)->second;
        PaarAufnehmen(r, a, a);
        PaarAufnehmen(r, b, b);
    }
}

void RelationSymmetrisch(Stapel* r) {
    for (int i = r->top; i >= 1; --i) {
        void* a = PaarAn(r, i)->first;
        void* b = PaarAn(r, i)->second;
        PaarAufnehmen(r, b, a);
    }
}

void RelationTransitiv(Stapel* r) {
    const int anfang = r->top;
    // New pairs are appended and composed in turn, so every path ends up as a
    // pair; PaarAufnehmen keeps each pair once, which ends the loop on cycles.
    for (int i = 1; i <= r->top; ++i)
        for (int j = 1; j <= anfang; ++j)
            if (PaarAn(r, j)->first == PaarAn(r, i)->second)
                PaarAufnehmen(r, PaarAn(r, i)->first, PaarAn(r, j)->second);
}

void RelationLoeschen(Stapel* r) {
    if (!r) return;
    for (int i = r->top; i >= 1; --i) delete PaarAn(r, i);
    StapelFreigeben(r);
}
