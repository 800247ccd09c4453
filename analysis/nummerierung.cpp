#include "analysis/nummerierung.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <deque>
#include <limits>
#include <numeric>
#include <queue>

#include "analysis/kernmodell.h"

namespace {

// Model nodes and their neighbourhood; connectivity comes from the elements
// (and from degrees of freedom that couple different nodes).
struct Knotengraph {
    std::vector<const Knoten*> knoten;
    std::vector<int> anfang;   // adjacency in compressed rows
    std::vector<int> nachbarn;
    std::vector<int> knotenVonFg;  // node of every degree of freedom, -1 = none
    std::vector<std::array<int, 6>> elementFg;  // equation numbers of every element
    int Grad(int v) const { return anfang[v + 1] - anfang[v]; }
};

Knotengraph GraphAufbauen(const Kernmodell* sys, int n) {
    Knotengraph g;
    // Nodes numbered in chain order; found by their address through a
    // sorted table, which is much cheaper than a hash map of this size.
    for (const Knoten* k : Elemente<Knoten>(sys->Knoten)) g.knoten.push_back(k);
    std::vector<std::pair<const Knoten*, int>> tafel;
    tafel.reserve(g.knoten.size());
    for (std::size_t i = 0; i < g.knoten.size(); ++i) tafel.emplace_back(g.knoten[i], static_cast<int>(i));
    std::sort(tafel.begin(), tafel.end());
    auto knotenId = [&](const Knoten* k) {
        auto it = std::lower_bound(tafel.begin(), tafel.end(), std::pair<const Knoten*, int>(k, -1));
        if (it != tafel.end() && it->first == k) return it->second;
        // an element node outside the chain: give it a number of its own
        tafel.insert(it, {k, static_cast<int>(g.knoten.size())});
        g.knoten.push_back(k);
        return static_cast<int>(g.knoten.size()) - 1;
    };
    g.knotenVonFg.assign(static_cast<std::size_t>(n), -1);
    std::vector<std::pair<int, int>> kanten;
    for (const Element* e : Elemente<Element>(sys->Elemente)) {
        const int a = knotenId(e->KnotenA), b = knotenId(e->KnotenB);
        int ende[6];
        std::array<int, 6> nummern;
        for (int s = 0; s < 6; ++s) nummern[static_cast<std::size_t>(s)] = static_cast<int>(e->Fg[s]->Index);
        g.elementFg.push_back(nummern);
        for (int s = 0; s < 6; ++s) {
            int& v = g.knotenVonFg[static_cast<std::size_t>(e->Fg[s]->Index)];
            if (v < 0) v = s < 3 ? a : b;
            ende[s] = v;
        }
        // distinct nodes of the element (mostly its two ends)
        int verschieden[6], anzahl = 0;
        for (int v : ende)
            if (std::find(verschieden, verschieden + anzahl, v) == verschieden + anzahl) verschieden[anzahl++] = v;
        for (int s = 0; s < anzahl; ++s)
            for (int t = s + 1; t < anzahl; ++t) {
                kanten.emplace_back(verschieden[s], verschieden[t]);
                kanten.emplace_back(verschieden[t], verschieden[s]);
            }
    }
    std::sort(kanten.begin(), kanten.end());
    kanten.erase(std::unique(kanten.begin(), kanten.end()), kanten.end());
    const int m = static_cast<int>(g.knoten.size());
    g.anfang.assign(static_cast<std::size_t>(m + 1), 0);
    for (auto [a, b] : kanten) ++g.anfang[static_cast<std::size_t>(a + 1)];
    for (int v = 0; v < m; ++v) g.anfang[v + 1] += g.anfang[v];
    g.nachbarn.reserve(kanten.size());
    for (auto [a, b] : kanten) g.nachbarn.push_back(b);
    return g;
}

// Breadth-first levels from a start set; returns the visit order of the
// reached nodes (neighbours by ascending degree: Cuthill-McKee).
std::vector<int> CuthillMcKee(const Knotengraph& g, const std::vector<int>& start, std::vector<char>& besucht) {
    std::vector<int> folge;
    std::deque<int> warteschlange;
    for (int s : start)
        if (!besucht[s]) {
            besucht[s] = 1;
            warteschlange.push_back(s);
        }
    std::vector<int> neue;
    while (!warteschlange.empty()) {
        const int v = warteschlange.front();
        warteschlange.pop_front();
        folge.push_back(v);
        neue.clear();
        for (int i = g.anfang[v]; i < g.anfang[v + 1]; ++i) {
            const int w = g.nachbarn[i];
            if (!besucht[w]) {
                besucht[w] = 1;
                neue.push_back(w);
            }
        }
        // by ascending degree, equal degrees in order of discovery; the lists
        // are short, so a plain insertion sort does without extra storage
        for (std::size_t a = 1; a < neue.size(); ++a) {
            const int w = neue[a];
            std::size_t b = a;
            for (; b > 0 && g.Grad(neue[b - 1]) > g.Grad(w); --b) neue[b] = neue[b - 1];
            neue[b] = w;
        }
        for (int w : neue) warteschlange.push_back(w);
    }
    return folge;
}

// Levels of a breadth-first search from one node within the unvisited
// nodes; `marke` is scratch space of the graph's size, reset by stamps.
struct Suchraum {
    std::vector<int> marke;
    int stempel = 0;
};

std::vector<std::vector<int>> Ebenen(const Knotengraph& g, int start, const std::vector<char>& gesperrt,
                                     Suchraum& raum) {
    ++raum.stempel;
    std::vector<std::vector<int>> ebenen{{start}};
    raum.marke[static_cast<std::size_t>(start)] = raum.stempel;
    while (true) {
        std::vector<int> naechste;
        for (int v : ebenen.back())
            for (int i = g.anfang[v]; i < g.anfang[v + 1]; ++i) {
                const int w = g.nachbarn[i];
                if (!gesperrt[w] && raum.marke[static_cast<std::size_t>(w)] != raum.stempel) {
                    raum.marke[static_cast<std::size_t>(w)] = raum.stempel;
                    naechste.push_back(w);
                }
            }
        if (naechste.empty()) return ebenen;
        ebenen.push_back(std::move(naechste));
    }
}

// A node far from the rest of its component (George and Liu).
int PseudoPeripher(const Knotengraph& g, int start, const std::vector<char>& gesperrt, Suchraum& raum) {
    int r = start;
    auto ebenen = Ebenen(g, r, gesperrt, raum);
    for (int schritt = 0; schritt < 20; ++schritt) {
        int bester = ebenen.back().front();
        for (int v : ebenen.back())
            if (g.Grad(v) < g.Grad(bester)) bester = v;
        auto neu = Ebenen(g, bester, gesperrt, raum);
        if (neu.size() <= ebenen.size()) break;
        ebenen = std::move(neu);
        r = bester;
    }
    return r;
}

// Order of all nodes: the start set first, remaining components from a
// pseudo-peripheral node each.
std::vector<int> Knotenfolge(const Knotengraph& g, const std::vector<int>& start) {
    const int m = static_cast<int>(g.knoten.size());
    std::vector<char> besucht(static_cast<std::size_t>(m), 0);
    std::vector<int> folge = CuthillMcKee(g, start, besucht);
    Suchraum raum;
    raum.marke.assign(g.knoten.size(), 0);
    for (int v = 0; v < m; ++v) {
        if (besucht[v]) continue;
        const int p = PseudoPeripher(g, v, besucht, raum);
        const std::vector<int> teil = CuthillMcKee(g, {p}, besucht);
        folge.insert(folge.end(), teil.begin(), teil.end());
    }
    return folge;
}

// Sloan's profile ordering for the component of `start`: nodes are taken
// by a priority that grows with the distance to the far end of the
// component and falls with the number of nodes a step would newly bring
// into the front.
enum : char { INAKTIV, VORAKTIV, AKTIV, NUMMERIERT };

void SloanKomponente(const Knotengraph& g, int start, std::vector<char>& besucht, Suchraum& raum,
                     std::vector<int>& prioritaet, std::vector<char>& zustand, std::vector<int>& folge) {
    constexpr int W1 = 2, W2 = 1;
    const int s = PseudoPeripher(g, start, besucht, raum);
    const auto ebenenVonS = Ebenen(g, s, besucht, raum);
    int e = ebenenVonS.back().front();
    for (int v : ebenenVonS.back())
        if (g.Grad(v) < g.Grad(e)) e = v;
    const auto ebenenVonE = Ebenen(g, e, besucht, raum);

    for (std::size_t d = 0; d < ebenenVonE.size(); ++d)
        for (int v : ebenenVonE[d]) {
            prioritaet[v] = W1 * static_cast<int>(d) - W2 * (g.Grad(v) + 1);
            zustand[v] = INAKTIV;
        }
    std::priority_queue<std::pair<int, int>> schlange;  // (priority, -node): ties to the smaller node
    auto einreihen = [&](int v) { schlange.emplace(prioritaet[v], -v); };
    zustand[s] = VORAKTIV;
    einreihen(s);
    while (!schlange.empty()) {
        const auto [p, minusV] = schlange.top();
        schlange.pop();
        const int i = -minusV;
        if (zustand[i] == NUMMERIERT || p != prioritaet[i]) continue;  // outdated entry
        if (zustand[i] == VORAKTIV)
            for (int a = g.anfang[i]; a < g.anfang[i + 1]; ++a) {
                const int j = g.nachbarn[a];
                if (besucht[j]) continue;
                prioritaet[j] += W2;
                if (zustand[j] == INAKTIV) zustand[j] = VORAKTIV;
                if (zustand[j] != NUMMERIERT) einreihen(j);
            }
        folge.push_back(i);
        besucht[i] = 1;
        zustand[i] = NUMMERIERT;
        for (int a = g.anfang[i]; a < g.anfang[i + 1]; ++a) {
            const int j = g.nachbarn[a];
            if (besucht[j] || zustand[j] != VORAKTIV) continue;
            zustand[j] = AKTIV;
            prioritaet[j] += W2;
            einreihen(j);
            for (int b = g.anfang[j]; b < g.anfang[j + 1]; ++b) {
                const int k = g.nachbarn[b];
                if (besucht[k] || zustand[k] == NUMMERIERT) continue;
                prioritaet[k] += W2;
                if (zustand[k] == INAKTIV) zustand[k] = VORAKTIV;
                einreihen(k);
            }
        }
    }
}

std::vector<int> Sloan(const Knotengraph& g) {
    const int m = static_cast<int>(g.knoten.size());
    std::vector<char> besucht(static_cast<std::size_t>(m), 0);
    Suchraum raum;
    raum.marke.assign(g.knoten.size(), 0);
    std::vector<int> prioritaet(static_cast<std::size_t>(m), 0), folge;
    std::vector<char> zustand(static_cast<std::size_t>(m), INAKTIV);
    for (int v = 0; v < m; ++v)
        if (!besucht[v]) SloanKomponente(g, v, besucht, raum, prioritaet, zustand, folge);
    return folge;
}

// The nodes on one side of the bounding box (x or y extreme), in order
// along that side.
std::vector<int> Seite(const Knotengraph& g, bool inX, bool maximum) {
    const int m = static_cast<int>(g.knoten.size());
    double extrem = maximum ? -std::numeric_limits<double>::infinity() : std::numeric_limits<double>::infinity();
    double lo = std::numeric_limits<double>::infinity(), hi = -lo;
    for (const Knoten* k : g.knoten) {
        const double c = inX ? k->X : k->Y;
        extrem = maximum ? std::max(extrem, c) : std::min(extrem, c);
        lo = std::min(lo, c);
        hi = std::max(hi, c);
    }
    const double tol = 1e-9 * std::max(1.0, hi - lo);
    std::vector<int> seite;
    for (int v = 0; v < m; ++v) {
        const double c = inX ? g.knoten[v]->X : g.knoten[v]->Y;
        if (std::fabs(c - extrem) <= tol) seite.push_back(v);
    }
    std::stable_sort(seite.begin(), seite.end(), [&](int a, int b) {
        return inX ? g.knoten[a]->Y < g.knoten[b]->Y : g.knoten[a]->X < g.knoten[b]->X;
    });
    return seite;
}

// All nodes swept along one axis, across it in the other: for long frames
// the front then runs across the short side.
std::vector<int> Durchlauf(const Knotengraph& g, bool inX) {
    std::vector<int> folge(g.knoten.size());
    std::iota(folge.begin(), folge.end(), 0);
    std::stable_sort(folge.begin(), folge.end(), [&](int a, int b) {
        const Knoten *ka = g.knoten[static_cast<std::size_t>(a)], *kb = g.knoten[static_cast<std::size_t>(b)];
        const double a1 = inX ? ka->X : ka->Y, b1 = inX ? kb->X : kb->Y;
        if (a1 != b1) return a1 < b1;
        return inX ? ka->Y < kb->Y : ka->X < kb->X;
    });
    return folge;
}

// Equation numbers from a node order: the degrees of freedom of a node
// together, in their given order; those of no element last.
std::vector<int> FgNummerierung(const Knotengraph& g, const std::vector<int>& folge, int n) {
    const std::size_t m = g.knoten.size();
    std::vector<int> anfang(m + 2, 0);  // bucket m holds the unattached ones
    for (int i = 0; i < n; ++i) {
        const int v = g.knotenVonFg[static_cast<std::size_t>(i)];
        ++anfang[(v < 0 ? m : static_cast<std::size_t>(v)) + 1];
    }
    for (std::size_t v = 0; v <= m; ++v) anfang[v + 1] += anfang[v];
    std::vector<int> fgJeKnoten(static_cast<std::size_t>(n));
    std::vector<int> platz(anfang.begin(), anfang.end() - 1);
    for (int i = 0; i < n; ++i) {
        const int v = g.knotenVonFg[static_cast<std::size_t>(i)];
        fgJeKnoten[static_cast<std::size_t>(platz[v < 0 ? m : static_cast<std::size_t>(v)]++)] = i;
    }
    std::vector<int> neu(static_cast<std::size_t>(n));
    int naechste = 0;
    auto vergeben = [&](std::size_t v) {
        for (int k = anfang[v]; k < anfang[v + 1]; ++k) neu[static_cast<std::size_t>(fgJeKnoten[static_cast<std::size_t>(k)])] = naechste++;
    };
    for (int v : folge) vergeben(static_cast<std::size_t>(v));
    vergeben(m);
    return neu;
}

// Profile of the numbering neu[alt] (empty = as given).
std::size_t Profil(const Knotengraph& g, const std::vector<int>& neu, int n) {
    std::vector<int> erste(static_cast<std::size_t>(n));
    std::iota(erste.begin(), erste.end(), 0);  // the diagonal is always stored
    for (const auto& fg : g.elementFg) {
        int nummern[6];
        int m = n;
        for (int s = 0; s < 6; ++s) {
            nummern[s] = neu.empty() ? fg[static_cast<std::size_t>(s)] : neu[static_cast<std::size_t>(fg[static_cast<std::size_t>(s)])];
            m = std::min(m, nummern[s]);
        }
        for (int s = 0; s < 6; ++s) {
            int& ziel = erste[static_cast<std::size_t>(nummern[s])];
            ziel = std::min(ziel, m);
        }
    }
    std::size_t summe = 0;
    for (int i = 0; i < n; ++i) summe += static_cast<std::size_t>(i - erste[static_cast<std::size_t>(i)] + 1);
    return summe;
}

bool IndizesLueckenlos(const Kernmodell* sys, int& n) {
    n = static_cast<int>(KeAnzahl(sys->Modellfreiheitsgrade));
    std::vector<char> gesehen(static_cast<std::size_t>(n), 0);
    for (const Freiheitsgrad* fg : Elemente<Freiheitsgrad>(sys->Modellfreiheitsgrade)) {
        if (fg->Index < 0 || fg->Index >= n || gesehen[static_cast<std::size_t>(fg->Index)]) return false;
        gesehen[static_cast<std::size_t>(fg->Index)] = 1;
    }
    for (const Element* e : Elemente<Element>(sys->Elemente))
        for (const Freiheitsgrad* fg : e->Fg)
            if (!fg || fg->Index < 0 || fg->Index >= n) return false;
    return true;
}

}  // namespace

std::size_t ProfilFuerNummerierung(const Kernmodell& modell, const std::vector<int>& neu) {
    const Kernmodell* sys = &modell;
    const int n = static_cast<int>(KeAnzahl(sys->Modellfreiheitsgrade));
    std::vector<int> erste(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) erste[static_cast<std::size_t>(i)] = i;  // the diagonal is always stored
    auto nummer = [&](const Freiheitsgrad* fg) {
        return neu.empty() ? static_cast<int>(fg->Index) : neu[static_cast<std::size_t>(fg->Index)];
    };
    for (const Element* e : Elemente<Element>(sys->Elemente)) {
        int m = n;
        for (const Freiheitsgrad* fg : e->Fg) m = std::min(m, nummer(fg));
        for (const Freiheitsgrad* fg : e->Fg) {
            int& ziel = erste[static_cast<std::size_t>(nummer(fg))];
            ziel = std::min(ziel, m);
        }
    }
    std::size_t summe = 0;
    for (int i = 0; i < n; ++i) summe += static_cast<std::size_t>(i - erste[static_cast<std::size_t>(i)] + 1);
    return summe;
}

std::vector<int> StrukturNummerierung(const Kernmodell& modell) {
    const Kernmodell* sys = &modell;
    int n = 0;
    if (!IndizesLueckenlos(sys, n) || n == 0) return {};
    const Knotengraph g = GraphAufbauen(sys, n);
    if (g.knoten.empty()) return {};

    std::vector<std::vector<int>> starts;
    {
        std::vector<char> keiner(g.knoten.size(), 0);
        Suchraum raum;
        raum.marke.assign(g.knoten.size(), 0);
        starts.push_back({PseudoPeripher(g, 0, keiner, raum)});
    }
    starts.push_back(Seite(g, true, false));
    starts.push_back(Seite(g, true, true));
    starts.push_back(Seite(g, false, false));
    starts.push_back(Seite(g, false, true));

    std::vector<std::vector<int>> folgen;
    for (const auto& start : starts) folgen.push_back(Knotenfolge(g, start));
    // Sweeps need numbers as coordinates; NaN would break the ordering.
    bool zahlen = true;
    for (const Knoten* k : g.knoten) zahlen = zahlen && !std::isnan(k->X) && !std::isnan(k->Y);
    folgen.push_back(Sloan(g));
    if (zahlen) {
        folgen.push_back(Durchlauf(g, true));
        folgen.push_back(Durchlauf(g, false));
    }

    std::vector<int> beste;  // empty = the given numbering
    std::size_t besterProfil = Profil(g, {}, n);
    for (auto& folge : folgen) {
        for (int umgekehrt = 0; umgekehrt < 2; ++umgekehrt) {
            if (umgekehrt) std::reverse(folge.begin(), folge.end());
            std::vector<int> neu = FgNummerierung(g, folge, n);
            const std::size_t profil = Profil(g, neu, n);
            if (profil < besterProfil) {
                besterProfil = profil;
                beste = std::move(neu);
            }
        }
    }
    if (beste.empty()) {
        beste.resize(static_cast<std::size_t>(n));
        std::iota(beste.begin(), beste.end(), 0);
    }
    return beste;
}

void FreiheitsgradeUmnummerieren(Kernmodell& modell) {
    const std::vector<int> neu = StrukturNummerierung(modell);
    if (neu.empty()) return;
    for (Freiheitsgrad* fg : Elemente<Freiheitsgrad>(modell.Modellfreiheitsgrade))
        fg->Index = neu[static_cast<std::size_t>(fg->Index)];
}
