// Renumbering of the equations on structures that are not frames: parts
// without connection, couplings between distant points, a long beam.
#include <algorithm>
#include <numeric>

#include "analysis/kernmodell.h"
#include "analysis/nummerierung.h"
#include "analysis/steifigkeit.h"
#include "aufbau.h"

namespace {

class Nummerierung : public Analyse {
protected:
    std::vector<int> Pruefen() {
        ModellAufbauen();
        FreiheitsgradeNummerieren(M());
        const int n = static_cast<int>(KeAnzahl(M().Modellfreiheitsgrade));
        std::vector<int> neu = StrukturNummerierung(M());
        EXPECT_EQ(neu.size(), static_cast<std::size_t>(n));
        std::vector<int> sortiert = neu, folge(n);
        std::sort(sortiert.begin(), sortiert.end());
        std::iota(folge.begin(), folge.end(), 0);
        EXPECT_EQ(sortiert, folge);
        EXPECT_LE(ProfilFuerNummerierung(M(), neu), ProfilFuerNummerierung(M(), {}));
        return neu;
    }
};

TEST_F(Nummerierung, GetrenntTeileUndFerneKopplung) {
    Stab* a = StabZwischen(P(0, 0), P(4, 0));
    Stab* b = StabZwischen(P(10, 5), P(14, 5));
    StabZwischen(P(20, 0), P(20, 3));
    // the end of a and the start of b move together in y, far apart
    b->Freiheitsgrade[FG_AY] = a->Freiheitsgrade[FG_BY];
    sys->Stabteilungen = 3;
    Pruefen();
    // and the renumbered system still solves like the given one
    for (int r = 0; r < 3; ++r) Festhalten(a->Freiheitsgrade[r]);
    EXPECT_FALSE(Rechnen());  // the other two parts float: kinematic
}

TEST_F(Nummerierung, LangerTraegerBleibtSchmal) {
    Stab* s = StabZwischen(P(0, 0), P(50, 0));
    // loads in the middle give cut degrees of freedom that the chain puts first
    Lastfall* lf = Lastfall_();
    for (int i = 1; i < 10; ++i) Kraft(lf, s, i / 10.0, 1, 0);
    sys->Stabteilungen = 5;
    const std::vector<int> neu = Pruefen();
    const std::size_t n = neu.size();
    // one element couples two neighbouring nodes: at most 6 entries a row
    EXPECT_LE(ProfilFuerNummerierung(M(), neu), 6 * n);
    EXPECT_GT(ProfilFuerNummerierung(M(), {}), 6 * n);
}

TEST_F(Nummerierung, KeinModellKeineNummerierung) {
    EXPECT_TRUE(StrukturNummerierung(M()).empty());
    StabZwischen(P(0, 0), P(1, 0));
    ModellAufbauen();
    // numbers not yet given (all 0): left alone
    EXPECT_TRUE(StrukturNummerierung(M()).empty());
}

}  // namespace
