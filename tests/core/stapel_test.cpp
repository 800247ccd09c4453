// Stacks as arrays, sets and relations.
#include <gtest/gtest.h>

#include <random>
#include <set>
#include <utility>
#include <vector>

#include "core/kette.h"

namespace {

int werte[10] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
void* W(int i) { return &werte[i]; }

Stapel* Aus(std::initializer_list<int> liste) {
    Stapel* s = StapelAnlegen();
    for (int i : liste) StapelEintragen(s, W(i));
    return s;
}

std::vector<int> Inhalt(const Stapel* s) {
    std::vector<int> v;
    for (int i = 1; i <= s->top; ++i) v.push_back(*static_cast<int*>(s->items[i]));
    return v;
}

std::set<std::pair<int, int>> Paare(const Stapel* r) {
    std::set<std::pair<int, int>> menge;
    for (int i = 1; i <= r->top; ++i) {
        Paar* p = static_cast<Paar*>(r->items[i]);
        menge.insert({*static_cast<int*>(p->first), *static_cast<int*>(p->second)});
    }
    return menge;
}

}  // namespace

TEST(Stapel, CapacityDoublesAndHalves) {
    Stapel* s = StapelAnlegen();
    EXPECT_EQ(s->top, 0);
    EXPECT_EQ(s->capacity, 0);
    std::vector<int> kapazitaeten;
    for (int i = 1; i <= 5; ++i) {
        StapelEintragen(s, W(i));
        kapazitaeten.push_back(s->capacity);
    }
    EXPECT_EQ(kapazitaeten, (std::vector<int>{1, 2, 4, 4, 8}));
    EXPECT_EQ(Inhalt(s), (std::vector<int>{1, 2, 3, 4, 5}));

    std::vector<int> entnommen;
    kapazitaeten.clear();
    for (int i = 0; i < 5; ++i) {
        entnommen.push_back(*static_cast<int*>(StapelEntnehmen(s)));
        kapazitaeten.push_back(s->capacity);
    }
    EXPECT_EQ(entnommen, (std::vector<int>{5, 4, 3, 2, 1}));
    EXPECT_EQ(kapazitaeten, (std::vector<int>{8, 4, 4, 2, 1}));
    EXPECT_EQ(s->top, 0);
    StapelFreigeben(s);
}

TEST(Stapel, EmptyRemovalReturnsTheSentinel) {
    Stapel* s = StapelAnlegen();
    EXPECT_EQ(StapelSuchen(s, W(7)), 0);
    EXPECT_EQ(StapelEntnehmen(s), W(7));
    EXPECT_EQ(s->top, 0);
    StapelFreigeben(s);
}

TEST(Stapel, SearchFindsTheHighestIndexAndSetsStayUnique) {
    Stapel* s = Aus({1, 2, 1, 3});
    EXPECT_EQ(StapelSuchen(s, W(1)), 3);
    EXPECT_EQ(StapelSuchen(s, W(9)), 0);
    StapelAufnehmen(s, W(2));
    StapelAufnehmen(s, W(4));
    EXPECT_EQ(Inhalt(s), (std::vector<int>{1, 2, 1, 3, 4}));
    StapelAustragen(s, W(2));  // the top element moves into the gap
    EXPECT_EQ(Inhalt(s), (std::vector<int>{1, 4, 1, 3}));
    StapelAustragen(s, W(9));
    EXPECT_EQ(s->top, 4);
    StapelFreigeben(s);
}

TEST(Stapel, CopyIsIndependent) {
    Stapel* a = Aus({1, 2, 3});
    Stapel* b = StapelKopieren(a);
    EXPECT_EQ(b->capacity, a->capacity);
    StapelEintragen(b, W(4));
    EXPECT_EQ(Inhalt(a), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(Inhalt(b), (std::vector<int>{1, 2, 3, 4}));
    StapelFreigeben(a);
    StapelFreigeben(b);
}

TEST(Stapel, SetOperations) {
    Stapel* a = Aus({1, 2, 3});
    Stapel* b = Aus({3, 4, 2, 1});
    Stapel* c = Aus({2, 3, 1});
    Stapel* leer = StapelAnlegen();
    EXPECT_EQ(StapelIstTeilmenge(a, b), 1);
    EXPECT_EQ(StapelIstTeilmenge(b, a), 0);
    EXPECT_EQ(StapelIstTeilmenge(leer, a), 1);
    EXPECT_EQ(StapelIstEchteTeilmenge(a, b), 1);
    EXPECT_EQ(StapelIstEchteTeilmenge(a, c), 0);
    EXPECT_EQ(StapelGleich(a, c), 1);
    EXPECT_EQ(StapelGleich(a, b), 0);

    Stapel* d = Aus({5, 3, 1});
    Stapel* schnitt = StapelSchnitt(b, d);
    Stapel* vereinigung = StapelVereinigung(a, d);
    Stapel* differenz = StapelDifferenz(b, d);
    EXPECT_EQ(Inhalt(schnitt), (std::vector<int>{3, 1}));
    EXPECT_EQ(Inhalt(vereinigung), (std::vector<int>{1, 2, 3, 5}));
    EXPECT_EQ(Inhalt(differenz), (std::vector<int>{4, 2}));

    Stapel* gerade = StapelAuswaehlen(b, [](void* e, void* w) -> int {
        return *static_cast<int*>(e) % *static_cast<int*>(w) == 0;
    }, W(2));
    EXPECT_EQ(Inhalt(gerade), (std::vector<int>{4, 2}));

    for (Stapel* s : {a, b, c, d, leer, schnitt, vereinigung, differenz, gerade}) StapelFreigeben(s);
}

TEST(Stapel, DeletionFreesElementsFromTheTopDown) {
    static std::vector<int> reihenfolge;
    reihenfolge.clear();
    Stapel* s = StapelAnlegen();
    for (int i = 1; i <= 3; ++i) StapelEintragen(s, new int(i));
    StapelLoeschen(s, [](void* e) {
        reihenfolge.push_back(*static_cast<int*>(e));
        delete static_cast<int*>(e);
    });
    EXPECT_EQ(reihenfolge, (std::vector<int>{3, 2, 1}));
}

TEST(Relation, PairsAreHeldOnce) {
    Stapel* r = StapelAnlegen();
    EXPECT_EQ(PaarAufnehmen(r, W(1), W(2)), 1);
    EXPECT_EQ(PaarAufnehmen(r, W(2), W(3)), 2);
    EXPECT_EQ(PaarAufnehmen(r, W(1), W(2)), 1);
    EXPECT_EQ(PaarSuchen(r, W(2), W(1)), 0);
    EXPECT_EQ(PaarSuchen(r, W(2), W(3)), 2);
    PaarAustragen(r, W(1), W(2));
    PaarAustragen(r, W(7), W(7));
    EXPECT_EQ(Paare(r), (std::set<std::pair<int, int>>{{2, 3}}));
    EXPECT_EQ(PaarSuchen(r, W(2), W(3)), 1);
    RelationLoeschen(r);
}

TEST(Relation, ReflexiveSymmetricAndBuiltFromPredicate) {
    Stapel* r = StapelAnlegen();
    PaarAufnehmen(r, W(1), W(2));
    PaarAufnehmen(r, W(2), W(3));
    RelationSymmetrisch(r);
    EXPECT_EQ(Paare(r), (std::set<std::pair<int, int>>{{1, 2}, {2, 1}, {2, 3}, {3, 2}}));
    RelationReflexiv(r);
    EXPECT_EQ(r->top, 7);
    EXPECT_EQ(PaarSuchen(r, W(3), W(3)) != 0, true);
    RelationLoeschen(r);

    Stapel* a = Aus({1, 2, 3});
    Stapel* b = Aus({2, 4});
    Stapel* kleiner = RelationBilden(a, b, [](void* x, void* y, void*) -> int {
        return *static_cast<int*>(x) < *static_cast<int*>(y);
    }, nullptr);
    EXPECT_EQ(Paare(kleiner), (std::set<std::pair<int, int>>{{1, 2}, {1, 4}, {2, 4}, {3, 4}}));
    RelationLoeschen(kleiner);
    StapelFreigeben(a);
    StapelFreigeben(b);
}

TEST(Relation, TransitiveClosureMatchesWarshall) {
    std::mt19937 zufall(17);
    for (int runde = 0; runde < 30; ++runde) {
        bool erreicht[10][10] = {};
        Stapel* r = StapelAnlegen();
        for (int n = 0; n < 8; ++n) {
            int a = static_cast<int>(zufall() % 10), b = static_cast<int>(zufall() % 10);
            erreicht[a][b] = true;
            PaarAufnehmen(r, W(a), W(b));
        }
        for (int m = 0; m < 10; ++m)
            for (int i = 0; i < 10; ++i)
                for (int j = 0; j < 10; ++j)
                    if (erreicht[i][m] && erreicht[m][j]) erreicht[i][j] = true;
        std::set<std::pair<int, int>> erwartet;
        for (int i = 0; i < 10; ++i)
            for (int j = 0; j < 10; ++j)
                if (erreicht[i][j]) erwartet.insert({i, j});

        RelationTransitiv(r);
        EXPECT_EQ(Paare(r), erwartet) << "round " << runde;
        EXPECT_EQ(static_cast<size_t>(r->top), erwartet.size()) << "no pair twice";
        RelationLoeschen(r);
    }
}
