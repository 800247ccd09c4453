// The computational model: cuts, elements, shared degrees of freedom,
// division, and the transfer of the loads onto it.
#include <cmath>
#include <vector>

#include "analysis/kernmodell.h"
#include "core/stabgeometrie.h"
#include "aufbau.h"
#include "core/programm.h"
#include "core/systemoperationen.h"

namespace {

constexpr double PI = 3.14159265358979323846;

class Modellaufbau : public Analyse {
protected:
    std::vector<Element*> ElementeVon(const Stab* s) {
        std::vector<Element*> v;
        for (Element* e : Elemente<Element>(M().Elemente))
            if (e->Stabnummer == s->Nummer) v.push_back(e);
        return v;
    }
    bool Erzeugen(long teilungen = 1) {
        sys->Stabteilungen = teilungen;
        return ModellAufbauen();
    }
};

TEST_F(Modellaufbau, StabOhneLastenGibtEinElementMitSeinenFreiheitsgraden) {
    Stab* s = StabZwischen(P(0, 0), P(4, 0));
    Festhalten(s->Freiheitsgrade[FG_AY], 0.25);
    s->Freiheitsgrade[FG_BR]->Feder = 7;
    s->Freiheitsgrade[FG_BX]->Winkel = 0.5;
    ASSERT_TRUE(Erzeugen());
    ASSERT_EQ(KeAnzahl(M().Elemente), 1);
    EXPECT_EQ(KeAnzahl(M().Modellfreiheitsgrade), 6);
    EXPECT_EQ(KeAnzahl(M().Knoten), 2);
    Element* e = ElementeVon(s)[0];
    for (int slot = 0; slot < 6; ++slot) {
        EXPECT_EQ(e->Fg[slot]->Nummer, s->Freiheitsgrade[slot]->Nummer);
        EXPECT_EQ(e->Fg[slot]->Richtung, slot % 3);
    }
    EXPECT_EQ(e->Fg[FG_AY]->Status, STATUS_PRIMAL);
    EXPECT_EQ(e->Fg[FG_AY]->Wert, 0.25);
    EXPECT_EQ(e->Fg[FG_BR]->Feder, 7);
    EXPECT_EQ(e->Fg[FG_BX]->Winkel, 0.5);
    EXPECT_EQ(e->tAnfang, 0.0);
    EXPECT_EQ(e->tEnde, 1.0);
    EXPECT_EQ(e->Laenge, 4.0);
    EXPECT_EQ(e->Material, 1);
}

TEST_F(Modellaufbau, SchnitteAnLaststellenMitToleranz) {
    Stab* s = StabZwischen(P(0, 0), P(1, 0));
    Lastfall* lf = Lastfall_();
    Kraft(lf, s, 0.00005, 1, 0);  // within 0.0001 of the start: no cut
    Kraft(lf, s, 0.5, 1, 0);
    Kraft(lf, s, 0.50009, 1, 0);  // within 0.0001 of 0.5
    Kraft(lf, s, 1.0, 1, 0);
    Strecke(lf, s, 0.0, 0.25, 1, 1, 0);
    Lastfall* aus = Lastfall_(1.0, -1);
    Kraft(aus, s, 0.75, 1, 0);  // inactive: no cut
    ASSERT_TRUE(Erzeugen());
    std::vector<Element*> el = ElementeVon(s);
    ASSERT_EQ(el.size(), 3u);
    // newest first: the last piece heads the chain; of the two loads near
    // 0.5 the newer one comes first in its chain and makes the cut
    EXPECT_EQ(el[0]->tAnfang, 0.50009);
    EXPECT_EQ(el[1]->tAnfang, 0.25);
    EXPECT_EQ(el[2]->tAnfang, 0.0);
    EXPECT_EQ(el[2]->tEnde, 0.25);
    // consecutive pieces share three new degrees of freedom
    for (int r = 0; r < 3; ++r) {
        EXPECT_EQ(el[2]->Fg[3 + r], el[1]->Fg[r]);
        EXPECT_EQ(el[1]->Fg[3 + r], el[0]->Fg[r]);
        EXPECT_EQ(el[1]->Fg[r]->Nummer, -1);
        EXPECT_EQ(el[1]->Fg[r]->Status, STATUS_DUAL);
    }
    EXPECT_EQ(KeAnzahl(M().Modellfreiheitsgrade), 12);
    EXPECT_EQ(KeAnzahl(M().Knoten), 4);
}

TEST_F(Modellaufbau, LastenAusserhalbDesStabesSchneidenNicht) {
    Stab* s = StabZwischen(P(0, 0), P(2, 0));
    Lastfall* lf = Lastfall_();
    Kraft(lf, s, 1.5, 1, 0);
    Kraft(lf, s, -0.2, 1, 0);
    Kraft(lf, s, std::nan(""), 1, 0);
    Strecke(lf, s, -0.5, 0.5, 2, 2, 0);
    ASSERT_TRUE(Erzeugen());
    std::vector<Element*> el = ElementeVon(s);
    ASSERT_EQ(el.size(), 2u);
    EXPECT_EQ(el[1]->tAnfang, 0.0);
    EXPECT_EQ(el[1]->tEnde, 0.5);
    // the element inside the load gets its share of the line through both ends
    EXPECT_DOUBLE_EQ(el[1]->qAnfang, -2.0);
    EXPECT_DOUBLE_EQ(el[1]->qEnde, -2.0);
    EXPECT_EQ(el[0]->qAnfang, 0.0);
}

TEST_F(Modellaufbau, GemeinsameFreiheitsgradeVerbindenGleicheKnotenNicht) {
    Punkt* mitte = P(2, 0);
    Stab* a = StabZwischen(P(0, 0), mitte);
    Stab* b = StabZwischen(mitte, P(4, 0), {a->Freiheitsgrade[FG_BX], a->Freiheitsgrade[FG_BY]});
    Punkt* zwilling = P(2, 0);  // same place, no shared degrees of freedom
    Stab* c = StabZwischen(zwilling, P(2, 3));
    ASSERT_TRUE(Erzeugen());
    Element* ea = ElementeVon(a)[0];
    Element* eb = ElementeVon(b)[0];
    Element* ec = ElementeVon(c)[0];
    EXPECT_EQ(ea->Fg[FG_BX], eb->Fg[FG_AX]);
    EXPECT_EQ(ea->Fg[FG_BY], eb->Fg[FG_AY]);
    EXPECT_NE(ea->Fg[FG_BR], eb->Fg[FG_AR]);  // hinge
    EXPECT_EQ(ea->KnotenB, ec->KnotenA);      // one node ...
    for (int s = 0; s < 3; ++s) EXPECT_NE(ec->Fg[s], ea->Fg[3 + s]);  // ... but not connected
    EXPECT_EQ(KeAnzahl(M().Knoten), 4);
    EXPECT_EQ(KeAnzahl(M().Modellfreiheitsgrade), 6 + 4 + 6);
}

TEST_F(Modellaufbau, UnterteilungInGleicheStuecke) {
    Stab* s = StabZwischen(P(0, 0), P(2, 0));
    Strecke(Lastfall_(), s, 0.0, 1.0, 2.0, 6.0, 0.0);
    ASSERT_TRUE(Erzeugen(4));
    std::vector<Element*> el = ElementeVon(s);
    ASSERT_EQ(el.size(), 4u);
    // pieces 1..3 were made after the original, which is now piece 0
    EXPECT_EQ(el[3]->tAnfang, 0.0);
    EXPECT_EQ(el[3]->tEnde, 0.25);
    EXPECT_EQ(el[3]->Fg[FG_AX]->Nummer, s->Freiheitsgrade[FG_AX]->Nummer);
    EXPECT_EQ(el[0]->Fg[FG_BX]->Nummer, s->Freiheitsgrade[FG_BX]->Nummer);
    EXPECT_EQ(el[0]->tEnde, 1.0);
    for (Element* e : el) EXPECT_DOUBLE_EQ(e->Laenge, 0.5);
    // loads interpolated: q runs from -2 to -6 along the bar
    EXPECT_DOUBLE_EQ(el[3]->qAnfang, -2.0);
    EXPECT_DOUBLE_EQ(el[3]->qEnde, -3.0);
    EXPECT_DOUBLE_EQ(el[2]->qAnfang, -3.0);
    EXPECT_DOUBLE_EQ(el[0]->qEnde, -6.0);
    EXPECT_DOUBLE_EQ(el[2]->KnotenA->X, 0.5);
    EXPECT_EQ(el[2]->Fg[FG_AX], el[3]->Fg[FG_BX]);
    EXPECT_EQ(KeAnzahl(M().Knoten), 5);
}

TEST_F(Modellaufbau, UnterteilungBeiKurzenElementen) {
    Stab* kurz = StabZwischen(P(0, 0), P(0.2, 0));
    Stab* winzig = StabZwischen(P(5, 0), P(5.04, 0));
    ASSERT_TRUE(Erzeugen(100));
    EXPECT_EQ(ElementeVon(kurz).size(), 40u);
    EXPECT_EQ(ElementeVon(winzig).size(), 1u);
    ProgrammZuruecksetzen();
    SetUp();
    StabZwischen(P(0, 0), P(4, 0));
    ASSERT_TRUE(Erzeugen(0));
    EXPECT_EQ(KeAnzahl(M().Elemente), 1);
}

TEST_F(Modellaufbau, ElementwinkelNachDerStabregel) {
    Stab* runter = StabZwischen(P(0, 0), P(0, -3));
    Stab* links = StabZwischen(P(2, 1), P(0, 1));
    Stab* schraeg = StabZwischen(P(10, 10), P(9, 9));
    ASSERT_TRUE(Erzeugen());
    EXPECT_EQ(ElementeVon(runter)[0]->Winkel, -1.570796327);
    EXPECT_EQ(ElementeVon(links)[0]->Winkel, -3.141592654);
    EXPECT_EQ(ElementeVon(schraeg)[0]->Winkel, std::atan(1.0) + 3.141592654);
}

TEST_F(Modellaufbau, NeuerLaufErsetztDasAlteModell) {
    Stab* s = StabZwischen(P(0, 0), P(4, 0));
    ASSERT_TRUE(Erzeugen(3));
    EXPECT_EQ(KeAnzahl(M().Elemente), 3);
    ASSERT_TRUE(Erzeugen(1));
    EXPECT_EQ(KeAnzahl(M().Elemente), 1);
    EXPECT_EQ(KeAnzahl(M().Knoten), 2);
    // once every bar is gone the old model must not survive either
    Stapel* weg = StapelAnlegen();
    StapelEintragen(weg, s);
    StaebeLoeschen(*sys, weg);
    StapelFreigeben(weg);
    bericht.Zeilen.clear();
    ModellAufbauen();
    EXPECT_EQ(Meldungen(), std::vector<std::string>{"kein System !"});
    EXPECT_EQ(KeAnzahl(M().Elemente), 0);
    EXPECT_EQ(KeAnzahl(M().Modellfreiheitsgrade), 0);
}

TEST_F(Modellaufbau, UnvollstaendigerStabBeendetDenAufbauSauber) {
    Stab* s = StabZwischen(P(0, 0), P(4, 0));
    Freiheitsgrad* fg = s->Freiheitsgrade[FG_BY];
    s->Freiheitsgrade[FG_BY] = nullptr;
    EXPECT_FALSE(Erzeugen());
    ASSERT_EQ(Meldungen().size(), 1u);
    EXPECT_NE(Meldungen()[0].find("Stab 0"), std::string::npos);
    EXPECT_EQ(KeAnzahl(M().Elemente), 0);
    s->Freiheitsgrade[FG_BY] = fg;
    Punkt* a = s->PunktA;
    s->PunktA = nullptr;
    EXPECT_FALSE(Erzeugen());
    s->PunktA = a;
    EXPECT_TRUE(Erzeugen());
}

TEST_F(Modellaufbau, KnotenSucheOhneUndMitIndexGleich) {
    // outside a model build the search walks the chain
    Knoten* k = KnotenSuchenOderAnlegen(M(), 1.0, 2.0);
    EXPECT_EQ(KnotenSuchenOderAnlegen(M(), 1.0, 2.0), k);
    EXPECT_EQ(KnotenSuchenOderAnlegen(M(), 1.0, -0.0 + 2.0), k);
    EXPECT_NE(KnotenSuchenOderAnlegen(M(), 1.0, 2.0000001), k);
    Knoten* null = KnotenSuchenOderAnlegen(M(), 0.0, 0.0);
    EXPECT_EQ(KnotenSuchenOderAnlegen(M(), -0.0, 0.0), null);
    // inside, -0.0 and 0.0 must meet as well
    StabZwischen(P(-0.0, 0), P(1, 0));
    StabZwischen(P(0.0, 0), P(0, 1));
    ASSERT_TRUE(Erzeugen());
    EXPECT_EQ(KeAnzahl(M().Knoten), 3);
    Freiheitsgrad* fg = FreiheitsgradSuchenOderAnlegen(M(), 1, 4711);
    EXPECT_EQ(FreiheitsgradSuchenOderAnlegen(M(), 0, 4711), fg);
    EXPECT_NE(FreiheitsgradSuchenOderAnlegen(M(), 0, -1), FreiheitsgradSuchenOderAnlegen(M(), 0, -1));
}

TEST_F(Modellaufbau, FolgeDesAufbausIstDieKettenfolge) {
    // cuts at loads, shared joints, a hinge and divisions: the arrays the
    // build hands over hold the chains' records in the chains' order
    Stab* a = StabZwischen(P(0, 0), P(4, 0));
    Stab* b = StabZwischen(P(4, 0), P(4, 3), {a->Freiheitsgrade[3], a->Freiheitsgrade[4]});
    Strecke(Lastfall_(), a, 0.25, 0.75, 2, 4, 0);
    Kraft(Lastfall_(), b, 0.5, 10, 0);
    sys->Stabteilungen = 3;
    Modellfolge folge;
    ASSERT_TRUE(KernmodellErzeugen(modell, *sys, bericht, &folge));
    const Modellfolge gewandert = ModellfolgeSammeln(modell);
    EXPECT_EQ(folge.Elemente, gewandert.Elemente);
    EXPECT_EQ(folge.Freiheitsgrade, gewandert.Freiheitsgrade);
    EXPECT_EQ(folge.Elemente.size(), (3u + 2u) * 3u);  // pieces between the cuts, divided
}

// ------------------------------------------------------------ load transfer

class Lastuebernahme : public Modellaufbau {};

TEST_F(Lastuebernahme, KraftGlobalUndLokal) {
    Stab* waagrecht = StabZwischen(P(0, 0), P(4, 0));
    Stab* senkrecht = StabZwischen(P(10, 0), P(10, 4));
    Lastfall* lf = Lastfall_(2.0);
    Kraft(lf, waagrecht, 1.0, 10, 0.0);
    Kraft(lf, senkrecht, 1.0, 10, 0.0, KOORD_LOKAL);
    ASSERT_TRUE(Erzeugen());
    Element* w = ElementeVon(waagrecht)[0];
    EXPECT_DOUBLE_EQ(w->Fg[FG_BY]->Last, -20.0);
    EXPECT_DOUBLE_EQ(w->Fg[FG_BX]->Last, 0.0);
    Element* s = ElementeVon(senkrecht)[0];
    EXPECT_NEAR(s->Fg[FG_BX]->Last, 20.0, 1e-8);
    EXPECT_NEAR(s->Fg[FG_BY]->Last, 0.0, 1e-8);
}

TEST_F(Lastuebernahme, MomentUndGewichte) {
    Stab* s = StabZwischen(P(0, 0), P(4, 0));
    Kraft(Lastfall_(1.5), s, 0.0, 4, 0, KOORD_GLOBAL, ART_MOMENT);
    Kraft(Lastfall_(0.0), s, 0.0, 100, 0, KOORD_GLOBAL, ART_MOMENT);
    Kraft(Lastfall_(1.0, 0), s, 0.0, 100, 0, KOORD_GLOBAL, ART_MOMENT);  // Aktiv 0 counts as inactive
    ASSERT_TRUE(Erzeugen());
    EXPECT_DOUBLE_EQ(ElementeVon(s)[0]->Fg[FG_AR]->Last, 6.0);
}

TEST_F(Lastuebernahme, FalscherTypWirdGemeldetUndUebergangen) {
    Stab* s = StabZwischen(P(0, 0), P(4, 0));
    Lastfall* lf = Lastfall_();
    Punktlast* falsch = Kraft(lf, s, 1.0, 10, 0.0, KOORD_GLOBAL, 3);
    Kraft(lf, s, 1.0, 10, 0.0);
    ASSERT_TRUE(Erzeugen());
    const Element* e = ElementeVon(s)[0];
    EXPECT_DOUBLE_EQ(e->Fg[FG_BY]->Last, -10.0);
    ASSERT_EQ(Meldungen().size(), 1u);
    EXPECT_NE(Meldungen()[0].find(std::to_string(falsch->Kennung)), std::string::npos);
}

TEST_F(Lastuebernahme, KraftAufGedrehtemLagerUndGemeinsamerFreiheitsgrad) {
    Stab* a = StabZwischen(P(0, 0), P(4, 0));
    Stab* b = StabAnschliessen(a, P(8, 0));
    b->Freiheitsgrade[FG_AX]->Winkel = PI / 6;
    b->Freiheitsgrade[FG_AY]->Winkel = PI / 6;
    Kraft(Lastfall_(), b, 0.0, 10, 0.0);
    ASSERT_TRUE(Erzeugen());
    const Element* e = ElementeVon(a)[0];
    EXPECT_NEAR(e->Fg[FG_BX]->Last, 10 * std::sin(-PI / 6), 1e-12);
    EXPECT_NEAR(e->Fg[FG_BY]->Last, -10 * std::cos(-PI / 6), 1e-12);
}

TEST_F(Lastuebernahme, TeilstreckenlastAufDasMittlereElement) {
    Stab* s = StabZwischen(P(0, 0), P(4, 0));
    Strecke(Lastfall_(), s, 0.25, 0.75, 2, 4, 0.0);
    ASSERT_TRUE(Erzeugen());
    std::vector<Element*> el = ElementeVon(s);
    ASSERT_EQ(el.size(), 3u);
    EXPECT_DOUBLE_EQ(el[1]->qAnfang, -2.0);
    EXPECT_DOUBLE_EQ(el[1]->qEnde, -4.0);
    EXPECT_EQ(el[1]->nAnfang, 0.0);
    EXPECT_EQ(el[0]->qAnfang, 0.0);
    EXPECT_EQ(el[2]->qEnde, 0.0);
}

TEST_F(Lastuebernahme, StreckenlastLokalUndGlobalAufSchraegemStab) {
    Stab* s = StabZwischen(P(0, 0), P(3, 4));
    Lastfall* lf = Lastfall_();
    Strecke(lf, s, 0, 1, 1, 1, 0.0);             // global, downwards
    Strecke(lf, s, 0, 1, 2, 2, PI / 2, KOORD_LOKAL);  // along the bar
    ASSERT_TRUE(Erzeugen());
    const Element* e = ElementeVon(s)[0];
    const double alpha = std::atan(4.0 / 3.0);
    EXPECT_NEAR(e->qAnfang, -std::cos(-alpha), 1e-12);
    EXPECT_NEAR(e->nAnfang, std::sin(-alpha) + 2, 1e-12);
    // a load without extent is left out instead of dividing by zero
    Strecke(lf, s, 0.5, 0.5, 1, 1, 0.0);
    ASSERT_TRUE(Erzeugen());
    for (Element* x : ElementeVon(s)) EXPECT_TRUE(std::isfinite(x->qAnfang) && std::isfinite(x->qEnde));
}

}  // namespace
