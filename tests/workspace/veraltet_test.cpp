// Results belong to the model they were computed for: every edit that could
// change them removes them, with one message, while moving the whole
// System, renaming and marking keep them; a run that fails leaves none of
// an earlier run behind.
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "analysis/berechnung.h"
#include "core/aenderungen.h"
#include "core/bericht.h"
#include "core/ergebnisstand.h"
#include "core/freiheitsgradbearbeitung.h"
#include "core/katalogbearbeitung.h"
#include "core/lastverwaltung.h"
#include "core/programm.h"
#include "core/stabgeometrie.h"
#include "core/systemoperationen.h"
#include "core/verlauf.h"
#include "workspace/bearbeitung.h"

namespace {

// A frame: a clamped column 0/0-0/4 (the clamp settles 1 mm), a beam on to
// 5/4 on a roller, a point load on the beam and a distributed load on the
// column in one active load case, and a combination of it.
class Veraltet : public ::testing::Test {
public:
    void SetUp() override {
        vorherBericht_ = BerichtSetzen(&bericht);
        vorherEmpfaenger_ = AenderungsempfaengerSetzen(&aenderungen);
        Aufbauen();
    }
    void TearDown() override {
        ProgrammZuruecksetzen();
        AenderungsempfaengerSetzen(vorherEmpfaenger_);
        BerichtSetzen(vorherBericht_);
    }

    void Aufbauen() {
        ProgrammZuruecksetzen();
        material = MaterialNeu("S235", 2.1e8, 0.3, 1.2e-5);
        querschnitt = QuerschnittNeu("HEB 200", 7.81e-3, 5.7e-5, 0.1);
        anderes = MaterialNeu("C30", 3.2e7, 0.2, 1e-5);
        sys = SystemErzeugen();
        stuetze = Stab_(PunktErzeugen(*sys, 0, 0, -1), PunktErzeugen(*sys, 0, 4, -1));
        riegel = Stab_(stuetze->PunktB, PunktErzeugen(*sys, 5, 4, -1));
        for (int k = 0; k < 3; ++k) riegel->Freiheitsgrade[k] = stuetze->Freiheitsgrade[3 + k];
        for (int k = 0; k < 6; ++k)
            if (!riegel->Freiheitsgrade[k]) FreiheitsgradAnlegen(*sys, riegel, k);
        FgAuflagerSetzen(*sys, stuetze->Freiheitsgrade[FG_AX]->Nummer, 0.0);
        FgAuflagerSetzen(*sys, stuetze->Freiheitsgrade[FG_AY]->Nummer, -0.001);
        FgAuflagerSetzen(*sys, stuetze->Freiheitsgrade[FG_AR]->Nummer, 0.0);
        FgAuflagerSetzen(*sys, riegel->Freiheitsgrade[FG_BY]->Nummer, 0.0);
        MaterialZuweisen(StabauswahlAlle(*sys), material->Nummer);
        QuerschnittZuweisen(StabauswahlAlle(*sys), querschnitt->Nummer);
        lastfall = LastfallErzeugen(*sys, 1, "Wind", -1);
        LastfaelleAktivieren(*sys, {1});
        LastfaelleGewichten(*sys, {1}, 1.0);
        Punktlastwerte p;
        p.Groesse = 20;
        p.Winkel = 90;
        p.Position = 2.5;
        PunktlastEintragen(*sys, *riegel, p, {lastfall->Kennung});
        Streckenlastwerte q;
        q.GroesseA = q.GroesseB = 3;
        q.PositionB = 4;
        StreckenlastEintragen(*sys, *stuetze, q, {lastfall->Kennung});
        kombination = KombinationAusAktiven(*sys, -1);
        ASSERT_TRUE(TheorieIOrdnungBerechnen(*sys, Programm, bericht));
        ASSERT_TRUE(ErgebnisseVorhanden(*sys));
        ASSERT_NE(riegel->Freiheitsgrade[FG_AR]->Wert, 0.0);
        bericht.Zeilen.clear();
        aenderungen.Abholen();
    }

    Stab* Stab_(Punkt* a, Punkt* b) {
        Stab* s = StabAnlegen(*sys);
        s->PunktA = a;
        s->PunktB = b;
        StabGeometrie(s);
        if (!s->Freiheitsgrade[0])
            for (int k = 0; k < 6; ++k) FreiheitsgradAnlegen(*sys, s, k);
        return s;
    }

    long Veraltetmeldungen() const {
        long n = 0;
        for (const std::string& t : bericht.Texte()) n += t == ERGEBNISSE_VERALTET;
        return n;
    }

    // Nothing of the run is left, the input is, and the window was told.
    void ErgebnisseWeg() {
        EXPECT_FALSE(ErgebnisseVorhanden(*sys));
        for (Stab* s : Elemente<Stab>(sys->Staebe)) EXPECT_EQ(KeAnzahl(s->Ergebnisse), 0) << "bar " << s->Nummer;
        for (Freiheitsgrad* fg : Elemente<Freiheitsgrad>(sys->Freiheitsgrade)) {
            EXPECT_EQ(fg->Reaktion, 0.0) << "record " << fg->Nummer;
            if (!IstAuflager(fg)) {
                EXPECT_EQ(fg->Wert, 0.0) << "record " << fg->Nummer;
            }
        }
        EXPECT_EQ(Veraltetmeldungen(), 1);
        EXPECT_TRUE(aenderungen.Abholen().ArtenVon(sys) & AENDERUNG_ERGEBNISSE);
    }

    void ErgebnisseDa() {
        EXPECT_TRUE(ErgebnisseVorhanden(*sys));
        EXPECT_GT(KeAnzahl(riegel->Ergebnisse), 0);
        EXPECT_EQ(Veraltetmeldungen(), 0);
    }

    SammelBericht bericht;
    Aenderungssammler aenderungen;
    System* sys = nullptr;
    Stab* stuetze = nullptr;
    Stab* riegel = nullptr;
    Material* material = nullptr;
    Material* anderes = nullptr;
    Querschnitt* querschnitt = nullptr;
    Lastfall* lastfall = nullptr;
    Lastfallkombination* kombination = nullptr;

private:
    Berichtsempfaenger* vorherBericht_ = nullptr;
    Aenderungsempfaenger* vorherEmpfaenger_ = nullptr;
};

struct Aenderung {
    const char* Was;
    std::function<void(Veraltet&)> Tun;
};

}  // namespace

TEST_F(Veraltet, JedeErgebnisrelevanteAenderungEntferntDieErgebnisse) {
    const std::vector<Aenderung> faelle = {
        {"point moved", [](Veraltet& t) { PunktkoordinateSetzen(*t.sys, t.riegel->PunktB, 0, 6.0); }},
        {"point created", [](Veraltet& t) { PunktErzeugen(*t.sys, 9, 9, -1); }},
        {"bar drawn",
         [](Veraltet& t) {
             Programm.Modus = 1;
             StabErzeugungBeginnen(t.sys);
             ErsterPunkt(*t.sys, 5, 4, t.riegel->PunktB);
             ASSERT_NE(staberzeugen(*t.sys, 5, 0, nullptr), nullptr);
         }},
        {"bar deleted",
         [](Veraltet& t) {
             Stapel* weg = StapelAnlegen();
             StapelEintragen(weg, t.riegel);
             StaebeLoeschen(*t.sys, weg);
             StapelFreigeben(weg);
         }},
        {"bar divided",
         [](Veraltet& t) {
             t.riegel->Markiert = 1;
             MarkierteStaebeTeilen(*t.sys, 2);
         }},
        {"bar geometry", [](Veraltet& t) { GeometrieUebernehmen(*t.sys, t.riegel, 1, 0, 4, 2, 5, 3); }},
        {"bar end to a new point", [](Veraltet& t) { EndpunktNeu(*t.sys, t.riegel, 1); }},
        {"support made", [](Veraltet& t) { FgAuflagerSetzen(*t.sys, t.riegel->Freiheitsgrade[FG_BX]->Nummer, 0); }},
        {"support freed", [](Veraltet& t) { FgEinwirkungSetzen(*t.sys, t.riegel->Freiheitsgrade[FG_BY]->Nummer, 0); }},
        {"settlement", [](Veraltet& t) { FgWertSetzen(*t.sys, t.riegel->Freiheitsgrade[FG_BY]->Nummer, 0.002); }},
        {"spring", [](Veraltet& t) { FgFederSetzen(*t.sys, t.riegel->Freiheitsgrade[FG_BY]->Nummer, 1e4); }},
        {"angle", [](Veraltet& t) { WinkelSetzen(*t.sys, t.riegel->Freiheitsgrade[FG_BX]->Nummer, 0.3); }},
        {"hinge", [](Veraltet& t) { NeuenFgErzeugen(*t.sys, t.riegel, 0, 2, false, 0.0); }},
        {"record number typed",
         [](Veraltet& t) { FgNummerSetzen(*t.sys, t.riegel, 1, 2, t.stuetze->Freiheitsgrade[FG_AR]->Nummer, false, 0); }},
        {"point load added",
         [](Veraltet& t) {
             Punktlastwerte p;
             p.Groesse = 5;
             PunktlastEintragen(*t.sys, *t.stuetze, p, {t.lastfall->Kennung});
         }},
        {"point load changed",
         [](Veraltet& t) {
             Punktlast* l = static_cast<Punktlast*>(t.sys->Punktlasten->next->element);
             Punktlastwerte w = PunktlastWerte(*l, *t.riegel);
             w.Groesse = 30;
             bool gefunden = false;
             PunktlastAendern(*t.sys, l->Kennung, *t.riegel, w, gefunden);
         }},
        {"point load deleted",
         [](Veraltet& t) {
             PunktlastLoeschen(*t.sys, static_cast<Punktlast*>(t.sys->Punktlasten->next->element)->Kennung);
         }},
        {"load moved to a new load case",
         [](Veraltet& t) {
             LastfallErzeugen(*t.sys, 2, "Schnee", -1);
             LastVerschieben(*t.sys, static_cast<Streckenlast*>(t.sys->Streckenlasten->next->element)->Kennung, 2);
         }},
        {"load case deleted", [](Veraltet& t) { LastfallLoeschen(*t.sys, 1); }},
        {"load case weight", [](Veraltet& t) { LastfaelleGewichten(*t.sys, {1}, 1.35); }},
        {"load case inactive", [](Veraltet& t) { LastfaelleAktivieren(*t.sys, {}); }},
        {"combination activated", [](Veraltet& t) { KombinationAktivieren(*t.sys, t.kombination->Nummer); }},
        {"combination deleted", [](Veraltet& t) { KombinationLoeschen(*t.sys, t.kombination->Nummer); }},
        {"material assigned", [](Veraltet& t) { MaterialZuweisen(StabauswahlAlle(*t.sys), t.anderes->Nummer); }},
        {"cross-section assigned",
         [](Veraltet& t) { QuerschnittZuweisen(StabauswahlAlle(*t.sys), t.querschnitt->Nummer); }},
        {"material value",
         [](Veraltet& t) { MaterialWerteSetzen(t.material->Nummer, "S235", 2.0e8, 0.3, 1.2e-5); }},
        {"cross-section value",
         [](Veraltet& t) { QuerschnittWerteSetzen(t.querschnitt->Nummer, "HEB 200", 7.81e-3, 5.7e-5, 0.11); }},
        {"material deleted", [](Veraltet& t) { MaterialEntfernen(t.material->Nummer); }},
        {"divisions", [](Veraltet& t) { StabteilungenSetzen(*t.sys, 4); }},
    };
    for (const Aenderung& fall : faelle) {
        SCOPED_TRACE(fall.Was);
        Aufbauen();
        fall.Tun(*this);
        ErgebnisseWeg();
        // Once outdated, further edits have nothing left to remove.
        LastfaelleGewichten(*sys, {1}, 2.0);
        EXPECT_EQ(Veraltetmeldungen(), 1);
    }
}

TEST_F(Veraltet, VerschiebenBenennenUndMarkierenBehaltenSie) {
    const double xA = static_cast<Stababschnitt*>(riegel->Ergebnisse->next->element)->xA;
    const double reaktion = stuetze->Freiheitsgrade[FG_AY]->Reaktion;
    SystemVerschieben(sys, 2.0, 1.0);
    EXPECT_DOUBLE_EQ(static_cast<Stababschnitt*>(riegel->Ergebnisse->next->element)->xA, xA + 2.0);
    EXPECT_EQ(stuetze->Freiheitsgrade[FG_AY]->Reaktion, reaktion);
    LastfaelleBenennen(*sys, {1}, "Wind links");
    KombinationBenennen(*sys, kombination->Nummer, "GZT");
    // The name of a catalogue entry, an entry no bar uses, and the same
    // number of divisions again change no result.
    MaterialWerteSetzen(material->Nummer, "S 235", 2.1e8, 0.3, 1.2e-5);
    MaterialWerteSetzen(anderes->Nummer, "C35", 3.4e7, 0.2, 1e-5);
    StabteilungenSetzen(*sys, sys->Stabteilungen);
    riegel->Markiert = 1;
    AenderungMelden(sys, AENDERUNG_MARKIERUNG);
    // Typing a displacement for a free record is no input.
    FgWertSetzen(*sys, riegel->Freiheitsgrade[FG_AR]->Nummer, 0.5);
    ErgebnisseDa();
}

TEST_F(Veraltet, KatalogaenderungTrifftNurSystemeDieDenEintragNutzen) {
    System* erstes = sys;
    Stab* ersterRiegel = riegel;
    sys = SystemErzeugen();  // a second open System, computed with the other material
    stuetze = Stab_(PunktErzeugen(*sys, 0, 0, -1), PunktErzeugen(*sys, 3, 0, -1));
    for (int k = 0; k < 3; ++k) FgAuflagerSetzen(*sys, stuetze->Freiheitsgrade[k]->Nummer, 0);
    MaterialZuweisen(StabauswahlAlle(*sys), anderes->Nummer);
    QuerschnittZuweisen(StabauswahlAlle(*sys), querschnitt->Nummer);
    ASSERT_TRUE(TheorieIOrdnungBerechnen(*sys, Programm, bericht));
    bericht.Zeilen.clear();

    MaterialWerteSetzen(material->Nummer, "S235", 1.9e8, 0.3, 1.2e-5);
    EXPECT_FALSE(ErgebnisseVorhanden(*erstes));
    EXPECT_EQ(KeAnzahl(ersterRiegel->Ergebnisse), 0);
    EXPECT_TRUE(ErgebnisseVorhanden(*sys));
    EXPECT_EQ(Veraltetmeldungen(), 1);
    // The cross-section both use: the second one goes too.
    QuerschnittWerteSetzen(querschnitt->Nummer, "HEB 200", 7.0e-3, 5.7e-5, 0.1);
    EXPECT_FALSE(ErgebnisseVorhanden(*sys));
    EXPECT_EQ(Veraltetmeldungen(), 2);
}

TEST_F(Veraltet, GescheiterterLaufHinterlaesstKeineAltenErgebnisse) {
    // A change no operation reported (as a file edited behind the program's
    // back would be): the run itself must not leave the old results.
    material->EModul = 0.0;
    EXPECT_FALSE(TheorieIOrdnungBerechnen(*sys, Programm, bericht));
    EXPECT_FALSE(ErgebnisseVorhanden(*sys));
    for (Stab* s : Elemente<Stab>(sys->Staebe)) EXPECT_EQ(KeAnzahl(s->Ergebnisse), 0);
    for (Freiheitsgrad* fg : Elemente<Freiheitsgrad>(sys->Freiheitsgrade)) EXPECT_EQ(fg->Reaktion, 0.0);
    EXPECT_EQ(stuetze->Freiheitsgrade[FG_AY]->Wert, -0.001) << "a prescribed settlement is input";
    EXPECT_TRUE(aenderungen.Abholen().ArtenVon(sys) & AENDERUNG_ERGEBNISSE) << "the window must redraw";
    EXPECT_EQ(Veraltetmeldungen(), 0) << "the run reports its own failure";
}

TEST_F(Veraltet, NeuesAuflagerIstStarrAusserDerNutzerTipptEinenWert) {
    Freiheitsgrad* fg = riegel->Freiheitsgrade[FG_AR];  // the frame corner's rotation
    ASSERT_FALSE(IstAuflager(fg));
    char gezeigt[32];
    std::snprintf(gezeigt, sizeof gezeigt, "%.4f", fg->Wert);  // as the dialog shows it after the run
    ASSERT_STRNE(gezeigt, "0.0000");

    // Ticking "eingeprägt" with the field as shown: a rigid support.
    EXPECT_TRUE(FgAuflagerSetzen(*sys, fg->Nummer, NeuerAuflagerwert(*fg, gezeigt, gezeigt)));
    EXPECT_TRUE(IstAuflager(fg));
    EXPECT_EQ(fg->Wert, 0.0);
    ErgebnisseWeg();

    // A value typed before ticking is the prescribed one.
    FgEinwirkungSetzen(*sys, fg->Nummer, 0.0);
    EXPECT_EQ(fg->Wert, 0.0);
    EXPECT_EQ(NeuerAuflagerwert(*fg, "0.0000", "0.002"), 0.002);
    // A support keeps what its field holds, typed or not.
    FgAuflagerSetzen(*sys, fg->Nummer, 0.003);
    EXPECT_EQ(NeuerAuflagerwert(*fg, "0.0030", "0.0030"), 0.003);
    EXPECT_EQ(NeuerAuflagerwert(*fg, "0.0030", "abc"), 0.0);
}

TEST_F(Veraltet, RueckgaengigGibtDasAlteModellOhneSeineErgebnisse) {
    Verlauf verlauf(*sys);
    const long nummer = riegel->Nummer;  // undo gives the System new records
    PunktkoordinateSetzen(*sys, riegel->PunktB, 1, 4.5);
    ASSERT_TRUE(verlauf.Schliessen(*sys, AENDERUNG_PUNKTE, "Punkt"));
    ASSERT_TRUE(TheorieIOrdnungBerechnen(*sys, Programm, bericht));
    bericht.Zeilen.clear();
    aenderungen.Abholen();
    // The results belong to the edited model, not to the one undo brings back.
    ASSERT_TRUE(verlauf.Rueckgaengig(*sys));
    riegel = StabSuchen(*sys, nummer);
    ErgebnisseWeg();

    // A shift taken back keeps them.
    ASSERT_TRUE(TheorieIOrdnungBerechnen(*sys, Programm, bericht));
    SystemVerschieben(sys, 1.0, 0.0);
    ASSERT_TRUE(verlauf.Schliessen(*sys, AENDERUNG_LAGE, "System verschieben"));
    bericht.Zeilen.clear();
    ASSERT_TRUE(verlauf.Rueckgaengig(*sys));
    riegel = StabSuchen(*sys, nummer);
    ErgebnisseDa();
}
