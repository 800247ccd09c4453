// The envelope on the canvas: both curves in the diagram's colour, the
// minimum dashed, on the diagram's side, with the extreme labels.
#include "core/aenderungen.h"
#include "core/umhuellende.h"
#include "zeichentestsystem.h"

namespace {

class Huellbild : public Zeichentest {
protected:
    // A bar of 9 m from (0, 0) to (9, 0): the listed positions lie 1 m
    // (50 px) apart.  Max M = 10 * i (combination 3), min M = -i (4).
    void SetUp() override {
        Zeichentest::SetUp();
        stab = Stab_(0, 0, 9, 0);
        auto* h = new Umhuellende{};
        Stabhuelle s;
        s.Stab = stab->Nummer;
        s.Laenge = 9.0;
        for (int i = 0; i < HUELLSTELLEN; ++i)
            for (int g = 0; g < HUELLGROESSEN; ++g) {
                s.Stellen[i].Max[g] = {10.0 * i, 3};
                s.Stellen[i].Min[g] = {-1.0 * i, 4};
            }
        h->Staebe.push_back(s);
        sys->Huelle = h;
        ansicht.Schnittkraftmassstab = 0.01;  // 0.1 m = 5 px per 10 kNm
    }
    Stab* stab = nullptr;
};

}  // namespace

TEST_F(Huellbild, MaximumDurchgezogenMinimumGestricheltAufDerZugseite) {
    Zeichenschalter z = AllesAus();
    z.Moment = true;
    SystemZeichnen(maler, ansicht, z, sys);
    EXPECT_TRUE(maler.Nur(Malart::Linienzug).empty());  // switched off: no envelope
    maler = Aufzeichnungsmaler{};
    z.Umhuellende = true;
    z.SKBeschriften = true;
    SystemZeichnen(maler, ansicht, z, sys);
    auto kurven = maler.Nur(Malart::Linienzug);
    ASSERT_EQ(kurven.size(), 2u);
    for (const auto& k : kurven) {
        EXPECT_TRUE(k.Zustand.IstRolle(ROLLE_MOMENT));
        ASSERT_EQ(k.Punkte.size(), 10u);
        EXPECT_EQ(k.Punkte[9].x, 400 + 450);
    }
    EXPECT_EQ(kurven[0].Zustand.Art, Linienart::Durchgezogen);
    EXPECT_EQ(kurven[1].Zustand.Art, Linienart::Gestrichelt);
    // A positive moment below the bar (tension side), a negative one above.
    EXPECT_EQ(kurven[0].Punkte[9].y, 300 + 45);
    EXPECT_EQ(kurven[1].Punkte[9].y, 295);  // 300 - 4.5, truncated
    auto texte = maler.Nur(Malart::Text);
    ASSERT_EQ(texte.size(), 2u);
    EXPECT_EQ(texte[0].Inhalt, "90.00 (Komb. 3)");
    EXPECT_EQ(texte[1].Inhalt, "-9.00 (Komb. 4)");

    // The shear force: its colour, positive values left of the bar (above).
    maler = Aufzeichnungsmaler{};
    z.Moment = false;
    z.Querkraft = true;
    z.SKBeschriften = false;
    SystemZeichnen(maler, ansicht, z, sys);
    kurven = maler.Nur(Malart::Linienzug);
    ASSERT_EQ(kurven.size(), 2u);
    EXPECT_TRUE(kurven[0].Zustand.IstRolle(ROLLE_QUERKRAFT));
    EXPECT_EQ(kurven[0].Punkte[9].y, 300 - 45);
    EXPECT_TRUE(maler.Nur(Malart::Text).empty());

    // Outdated: a change of the model takes the envelope with it.
    AenderungMelden(sys, AENDERUNG_LASTEN);
    EXPECT_EQ(sys->Huelle, nullptr);
    maler = Aufzeichnungsmaler{};
    SystemZeichnen(maler, ansicht, z, sys);
    EXPECT_TRUE(maler.Nur(Malart::Linienzug).empty());
}
