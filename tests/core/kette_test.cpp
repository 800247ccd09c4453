// Chains: order of entry, unlinking, sorting and the handling of null links.
#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <random>
#include <vector>

#include "core/kette.h"

namespace {

std::vector<int> Inhalt(Kette k) {
    std::vector<int> werte;
    for (int* w : Elemente<int>(k)) werte.push_back(*w);
    return werte;
}

std::vector<int> InhaltRueckwaerts(Kette k) {
    std::vector<int> werte;
    for (int* w : ElementeRueckwaerts<int>(k)) werte.push_back(*w);
    return werte;
}

// The program's comparisons: 0 = a goes before b, 2 = it does not (stop).
int KleinerGleich(void* a, void* b) { return *static_cast<int*>(a) <= *static_cast<int*>(b) ? 0 : 2; }
// A comparison that never stops the scan.
int KleinerOhneHalt(void* a, void* b) { return *static_cast<int*>(a) < *static_cast<int*>(b) ? 0 : 1; }

struct Kettenfixture : ::testing::Test {
    Kette k = KetteDefinieren();
    std::vector<int> werte;
    void Fuellen(const std::vector<int>& w) {
        werte = w;
        for (int& x : werte) KeElementEintragen(&x, 0, k);
    }
    void TearDown() override { KetteLoeschen(k); }
};

}  // namespace

TEST_F(Kettenfixture, NewElementsComeFirst) {
    Fuellen({1, 2, 3});
    EXPECT_EQ(Inhalt(k), (std::vector<int>{3, 2, 1}));
    EXPECT_EQ(InhaltRueckwaerts(k), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(KeAnzahl(k), 3);

    int vier = 4;
    KeElementEintragen(&vier, 1, k);  // before the head = at the end
    EXPECT_EQ(Inhalt(k), (std::vector<int>{3, 2, 1, 4}));
}

TEST_F(Kettenfixture, UnlinkingKeepsTheRestAndRefusesTheEmptyHead) {
    EXPECT_EQ(KeElementAustragen(k), nullptr);
    EXPECT_EQ(k->next, k);
    EXPECT_EQ(k->prev, k);

    Fuellen({1, 2, 3});
    EXPECT_EQ(*static_cast<int*>(KeElementAustragen(k->next->next)), 2);
    EXPECT_EQ(Inhalt(k), (std::vector<int>{3, 1}));
    EXPECT_EQ(InhaltRueckwaerts(k), (std::vector<int>{1, 3}));

    Glied* erstes = k->next;
    KeGliedAustragen(erstes);
    KeGliedEintragen(erstes, 1, k);  // move the link to the end
    EXPECT_EQ(Inhalt(k), (std::vector<int>{1, 3}));
}

TEST_F(Kettenfixture, TraversalMayDeleteTheCurrentElement) {
    Fuellen({1, 2, 3, 4});
    for (Glied* g = k->next; g != k;) {
        Glied* weiter = g->next;
        if (*static_cast<int*>(g->element) % 2 == 0) KeElementAustragen(g);
        g = weiter;
    }
    EXPECT_EQ(Inhalt(k), (std::vector<int>{3, 1}));
    Kette leer = nullptr;
    EXPECT_EQ(KeAnzahl(leer), 0);
    int n = 0;
    for (int* w : Elemente<int>(leer)) n += *w;
    EXPECT_EQ(n, 0);
}

TEST(Kette, FrontEntryCreatesTheChain) {
    Kette k = nullptr;
    int a = 1, b = 2;
    KeVorneEintragen(k, &a);
    ASSERT_NE(k, nullptr);
    KeVorneEintragen(k, &b);
    EXPECT_EQ(Inhalt(k), (std::vector<int>{2, 1}));
    KetteLoeschen(k);
}

TEST(Kette, NullArgumentsAreReportedAndChangeNothing) {
    const char* namen[] = {"KetteLoeschen", "KeElementEintragen", "KeGliedEintragen", "KeElementAustragen",
                           "KeGliedAustragen", "KeElementEinsortieren", "KeSchnellSortieren", "KeMSort"};
    int x = 0;
    for (int fall = 0; fall < 8; ++fall) {
        errno = 0;
        ::testing::internal::CaptureStderr();
        switch (fall) {
            case 0: KetteLoeschen(nullptr); break;
            case 1: KeElementEintragen(&x, 0, nullptr); break;
            case 2: KeGliedEintragen(nullptr, 0, nullptr); break;
            case 3: EXPECT_EQ(KeElementAustragen(nullptr), nullptr); break;
            case 4: KeGliedAustragen(nullptr); break;
            case 5: KeElementEinsortieren(nullptr, KleinerGleich, &x); break;
            case 6: KeSchnellSortieren(nullptr, KleinerGleich); break;
            case 7: KeMSort(nullptr, nullptr, KleinerGleich); break;
        }
        std::string ausgabe = ::testing::internal::GetCapturedStderr();
        EXPECT_EQ(ausgabe, std::string("Fehler in ") + namen[fall] +
                               " aufgetreten.\nEs wurde ein NULL-Zeiger uebergeben.\n");
        EXPECT_EQ(errno, ENOMEM) << namen[fall];
    }
    Kette k = KetteDefinieren();
    errno = ENOMEM;
    KetteLoeschen(k);
    EXPECT_EQ(errno, 0);
}

TEST_F(Kettenfixture, SortingEmptyAndSingleChainsChangesNothing) {
    KeSchnellSortieren(k, KleinerGleich);
    EXPECT_EQ(k->next, k);
    EXPECT_EQ(k->prev, k);
    Fuellen({7});
    Glied* einziges = k->next;
    KeSchnellSortieren(k, KleinerGleich);
    EXPECT_EQ(k->next, einziges);
    EXPECT_EQ(einziges->next, k);
    EXPECT_EQ(k->prev, einziges);
}

TEST(Kette, MergeSortOfRandomChainsWithEqualKeys) {
    std::mt19937 zufall(4711);
    for (KeVergleich vergleich : {KleinerGleich, KleinerOhneHalt}) {
        for (int n = 0; n <= 40; ++n) {
            std::vector<int> werte(static_cast<size_t>(n));
            for (int& w : werte) w = static_cast<int>(zufall() % 6);  // many equal keys
            Kette k = KetteDefinieren();
            for (int& w : werte) KeElementEintragen(&w, 0, k);
            KeSchnellSortieren(k, vergleich);

            std::vector<int> erwartet = werte;
            std::sort(erwartet.begin(), erwartet.end());
            EXPECT_EQ(Inhalt(k), erwartet) << "n = " << n;
            std::reverse(erwartet.begin(), erwartet.end());
            EXPECT_EQ(InhaltRueckwaerts(k), erwartet) << "links consistent, n = " << n;
            KetteLoeschen(k);
        }
    }
}

TEST_F(Kettenfixture, SortingASubChainLeavesItsBoundsAlone) {
    Fuellen({1, 9, 5, 7, 3, 0});  // chain: 0 3 7 5 9 1
    Glied* links = k->next;        // 0
    Glied* rechts = k->prev;       // 1
    KeMSort(links, rechts, KleinerGleich);
    EXPECT_EQ(Inhalt(k), (std::vector<int>{0, 3, 5, 7, 9, 1}));
}

TEST_F(Kettenfixture, SortedInsertionKeepsOrder) {
    werte = {5, 1, 4, 1, 9, 2, 6};
    for (int& w : werte) KeElementEinsortieren(k, KleinerGleich, &w);
    EXPECT_EQ(Inhalt(k), (std::vector<int>{1, 1, 2, 4, 5, 6, 9}));
}
