// System operations: numbering, identifiers, deletion with dependants and the
// System list.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

#include "core/bericht.h"
#include "core/latin1.h"
#include "core/programm.h"
#include "core/systemoperationen.h"
#include "tests/core/systemtest.h"

namespace {

struct Systemfixture : SystemTest {
    void Loeschen(Stab* s) {
        Stapel* st = StapelAnlegen();
        StapelEintragen(st, s);
        StaebeLoeschen(*sys, st);
        StapelFreigeben(st);
    }
};

std::vector<long> Nummern(Kette k) {
    std::vector<long> n;
    for (Punkt* p : Elemente<Punkt>(k)) n.push_back(p->Nummer);
    return n;
}

}  // namespace

TEST_F(Systemfixture, NewSystemHasItsDefaults) {
    EXPECT_STREQ(sys->Dateiname, "noname");
    EXPECT_EQ(sys->RasterAnzeigen, 1);
    EXPECT_EQ(sys->RasterweiteX, 1.0);
    EXPECT_EQ(sys->FangrasterY, 0.5);
    EXPECT_EQ(sys->Fangmodus, 3);
    EXPECT_EQ(sys->Stabteilungen, 2);
    EXPECT_EQ(sys->Systemnummer, 1);
    ASSERT_NE(sys->FgRelationen, nullptr);
    EXPECT_EQ(sys->FgRelationen->top, 0);
    EXPECT_LE(std::labs(sys->SystemID - static_cast<long>(std::time(nullptr))), 5);
    EXPECT_EQ(sys->Aenderungen, 0);
    EXPECT_EQ(bericht.Texte(), (std::vector<std::string>{"System erzeugt."}));
    EXPECT_EQ(Programm.AktuellesSystem, nullptr) << "which System is current is the window's choice";
    System* zweites = SystemErzeugen();
    EXPECT_EQ(aenderungen.Abholen().ArtenVon(zweites), AENDERUNG_SYSTEME);
}

TEST_F(Systemfixture, FreedNumbersAreReused) {
    Punkt* p0 = PunktErzeugen(*sys, 0, 0, -1);
    Punkt* p1 = PunktErzeugen(*sys, 1, 0, -1);
    Punkt* p2 = PunktErzeugen(*sys, 2, 0, -1);
    EXPECT_EQ(Nummern(sys->Punkte), (std::vector<long>{2, 1, 0}));
    EXPECT_EQ(p0->SystemID, sys->SystemID);
    PunktFreigeben(*sys, p1);  // no bar uses it
    EXPECT_EQ(PunktErzeugen(*sys, 3, 0, -1)->Nummer, 1);
    EXPECT_EQ(PunktErzeugen(*sys, 4, 0, 7)->Nummer, 7);
    EXPECT_EQ(FreiePunktnummer(*sys), 3);
    EXPECT_EQ(PunktSuchen(sys->Punkte, 2), p2);
    EXPECT_EQ(PunktSuchen(sys->Punkte, 5), nullptr);

    EXPECT_EQ(KombinationErzeugen(*sys, -1)->Nummer, 0);
    EXPECT_EQ(KombinationErzeugen(*sys, -1)->Nummer, 1);
    KombinationLoeschen(*sys, 0);
    KombinationLoeschen(*sys, 42);
    Lastfallkombination* k = KombinationErzeugen(*sys, -1);
    EXPECT_EQ(k->Nummer, 0);
    EXPECT_STREQ(k->Name, "Kombination");
    ASSERT_NE(k->Anteile, nullptr);
    StapelEintragen(k->Anteile, NeuerDatensatz<Anteil>());  // freed with the System
}

TEST_F(Systemfixture, LoadCaseNumbersAndIdentifiers) {
    Lastfall* a = LastfallErzeugen(*sys, 0, "Eigengewicht", -1);
    Lastfall* b = LastfallErzeugen(*sys, 0, "", -1);
    Lastfall* c = LastfallErzeugen(*sys, 5, nullptr, 123);
    Lastfall* d = LastfallErzeugen(*sys, -1, "x", -1);
    EXPECT_EQ(a->Nummer, 0);
    EXPECT_EQ(b->Nummer, 1);  // 0 is taken: the smallest free number
    EXPECT_EQ(c->Nummer, 5);
    EXPECT_EQ(d->Nummer, 2);
    EXPECT_STREQ(b->Name, "unbenannt");
    EXPECT_STREQ(c->Name, "unbenannt");
    EXPECT_EQ(c->Kennung, 123);
    EXPECT_EQ(b->Kennung, a->Kennung + 1);
    EXPECT_EQ(d->Kennung, a->Kennung + 2);
    EXPECT_EQ(sys->Aenderungen, 4);

    EXPECT_EQ(LastfallKennung(*sys, 5), 123);
    EXPECT_EQ(LastfallKennung(*sys, 9), -1);
    EXPECT_EQ(LastfallNummer(*sys, 123), 5);
    EXPECT_EQ(LastfallNummer(*sys, 1), -1);
    EXPECT_EQ(LastfallSuchen(*sys, a->Kennung), a);

    std::string lang(200, 'n');
    EXPECT_EQ(std::string(LastfallErzeugen(*sys, 0, lang.c_str(), -1)->Name), std::string(NAME_KURZ - 1, 'n'));
}

TEST_F(Systemfixture, IdentifierCounterStartsFromTheClock) {
    const long vorher = static_cast<long>(std::time(nullptr)) % 90000000 + 10000000;
    const long erste = KennungVergeben();
    const long nachher = static_cast<long>(std::time(nullptr)) % 90000000 + 10000000;
    EXPECT_GE(erste, 10000000);
    EXPECT_LT(erste, 100000000);
    EXPECT_TRUE(erste == vorher || erste == nachher);
    EXPECT_EQ(KennungVergeben(), erste + 1);
    EXPECT_EQ(Programm.Kennungszaehler, erste + 1);
    // Given identifiers do not move the counter.
    PunktlastErzeugen(*sys, 1, 555);
    EXPECT_EQ(KennungVergeben(), erste + 2);
}

TEST_F(Systemfixture, DeletingALoadCaseRemovesExactlyItsLoads) {
    Lastfall* eins = LastfallErzeugen(*sys, 0, "eins", -1);
    Lastfall* zwei = LastfallErzeugen(*sys, 1, "zwei", -1);
    PunktlastErzeugen(*sys, eins->Kennung, -1);
    Punktlast* bleibt = PunktlastErzeugen(*sys, zwei->Kennung, -1);
    StreckenlastErzeugen(*sys, eins->Kennung, -1);
    StreckenlastErzeugen(*sys, eins->Kennung, -1);
    Streckenlast* bleibtAuch = StreckenlastErzeugen(*sys, zwei->Kennung, -1);
    Punktlast* verwaist = PunktlastErzeugen(*sys, 999, -1);  // belongs to no case
    const long zweiKennung = zwei->Kennung;
    const long aenderungen = sys->Aenderungen;

    LastfallLoeschen(*sys, 0);
    EXPECT_EQ(sys->Aenderungen, aenderungen + 1);
    EXPECT_EQ(KeAnzahl(sys->Lastfaelle), 1);
    EXPECT_EQ(LastfallSuchen(*sys, zweiKennung), zwei);
    EXPECT_EQ(KeAnzahl(sys->Punktlasten), 2);
    EXPECT_EQ(PunktlastSuchen(*sys, bleibt->Kennung), bleibt);
    EXPECT_EQ(PunktlastSuchen(*sys, verwaist->Kennung), verwaist);
    EXPECT_EQ(KeAnzahl(sys->Streckenlasten), 1);
    EXPECT_EQ(StreckenlastSuchen(*sys, bleibtAuch->Kennung), bleibtAuch);

    LastfallLoeschen(*sys, 7);  // no such case: nothing changes
    EXPECT_EQ(sys->Aenderungen, aenderungen + 1);

    PunktlastLoeschen(*sys, bleibt->Kennung);
    StreckenlastLoeschen(*sys, bleibtAuch->Kennung);
    EXPECT_EQ(sys->Aenderungen, aenderungen + 3);  // both kinds of load count
    EXPECT_EQ(KeAnzahl(sys->Punktlasten), 1);
    EXPECT_EQ(KeAnzahl(sys->Streckenlasten), 0);
}

TEST_F(Systemfixture, DeletingABarKeepsSharedPointsAndDegreesOfFreedom) {
    Punkt* a = PunktErzeugen(*sys, 0, 0, -1);
    Punkt* b = PunktErzeugen(*sys, 4, 0, -1);
    Punkt* c = PunktErzeugen(*sys, 4, 3, -1);
    Stab* s0 = Stabzwischen(a, b);
    Stab* s1 = Stabzwischen(b, c);
    // Couple the two bars at b in x: s1's start x becomes s0's end x.
    Freiheitsgrad* eigenes = s1->Freiheitsgrade[FG_AX];
    Freiheitsgrad* geteilt = s0->Freiheitsgrade[FG_BX];
    s1->Freiheitsgrade[FG_AX] = geteilt;
    FreiheitsgradLoeschen(*sys, eigenes->Nummer);
    EXPECT_EQ(KeAnzahl(sys->Freiheitsgrade), 11);
    EXPECT_EQ(sys->FgRelationen->top, 3);  // s1's start pair went with its record

    Lastfall* lf = LastfallErzeugen(*sys, 0, "", -1);
    PunktlastErzeugen(*sys, lf->Kennung, -1)->Stab = s0->Nummer;
    Punktlast* aufS1 = PunktlastErzeugen(*sys, lf->Kennung, -1);
    aufS1->Stab = s1->Nummer;
    StreckenlastErzeugen(*sys, lf->Kennung, -1)->Stab = s0->Nummer;
    TemperaturlastErzeugen(*sys, lf->Kennung, -1)->Stab = s0->Nummer;
    Temperaturlast* warmS1 = TemperaturlastErzeugen(*sys, lf->Kennung, -1);
    warmS1->Stab = s1->Nummer;
    KeVorneEintragen(s0->Ergebnisse, NeuerDatensatz<Stababschnitt>());
    const long aenderungen = sys->Aenderungen;

    Loeschen(s0);
    EXPECT_GT(sys->Aenderungen, aenderungen);
    EXPECT_EQ(KeAnzahl(sys->Staebe), 1);
    EXPECT_EQ(Nummern(sys->Punkte), (std::vector<long>{2, 1}));  // a gone, b kept
    EXPECT_EQ(KeAnzahl(sys->Freiheitsgrade), 6);                 // s1's five + the shared one
    bool gefunden = false;
    for (Freiheitsgrad* f : Elemente<Freiheitsgrad>(sys->Freiheitsgrade)) gefunden |= f == geteilt;
    EXPECT_TRUE(gefunden);
    // Only s1's end pair is left: every pair of a freed record went with it.
    ASSERT_EQ(sys->FgRelationen->top, 1);
    Paar* p = static_cast<Paar*>(sys->FgRelationen->items[1]);
    EXPECT_EQ(p->first, s1->Freiheitsgrade[FG_BX]);
    EXPECT_EQ(KeAnzahl(sys->Punktlasten), 1);
    EXPECT_EQ(PunktlastSuchen(*sys, aufS1->Kennung), aufS1);
    EXPECT_EQ(KeAnzahl(sys->Streckenlasten), 0);
    EXPECT_EQ(KeAnzahl(sys->Temperaturlasten), 1);
    EXPECT_EQ(TemperaturlastSuchen(*sys, warmS1->Kennung), warmS1);
    EXPECT_EQ(FreieStabnummer(*sys), 0);

    // Now the last bar: everything goes.
    Loeschen(s1);
    EXPECT_EQ(KeAnzahl(sys->Punkte), 0);
    EXPECT_EQ(KeAnzahl(sys->Freiheitsgrade), 0);
    EXPECT_EQ(sys->FgRelationen->top, 0);
}

TEST_F(Systemfixture, OddBarListsAreHandledSafely) {
    Punkt* a = PunktErzeugen(*sys, 0, 0, -1);
    Stab* s = Stabzwischen(a, a);  // both ends on one point
    s->Freiheitsgrade[FG_BR] = s->Freiheitsgrade[FG_AR];  // one record in two slots
    Stapel* st = StapelAnlegen();
    StapelEintragen(st, s);
    StapelEintragen(st, s);  // listed twice
    StaebeLoeschen(*sys, st);
    StapelFreigeben(st);
    EXPECT_EQ(KeAnzahl(sys->Staebe), 0);
    EXPECT_EQ(KeAnzahl(sys->Punkte), 0);
    EXPECT_EQ(KeAnzahl(sys->Freiheitsgrade), 1);  // the orphaned end rotation stays listed
}

TEST_F(Systemfixture, FreeingADegreeOfFreedomNeedsExactlyOneBar) {
    Punkt* a = PunktErzeugen(*sys, 0, 0, -1);
    Punkt* b = PunktErzeugen(*sys, 1, 0, -1);
    Stab* s0 = Stabzwischen(a, b);
    Stab* s1 = Stabzwischen(b, a);
    Freiheitsgrad* fg = s0->Freiheitsgrade[FG_AR];
    EXPECT_EQ(fg->Status, STATUS_DUAL);
    EXPECT_EQ(fg->Richtung, 2);
    EXPECT_EQ(s0->Freiheitsgrade[FG_BY]->Richtung, 1);
    s1->Freiheitsgrade[FG_BR] = fg;
    EXPECT_EQ(FreiheitsgradFreigeben(*sys, fg), 0);
    s1->Freiheitsgrade[FG_BR] = nullptr;
    EXPECT_EQ(FreiheitsgradFreigeben(*sys, fg), 1);
    s0->Freiheitsgrade[FG_AR] = nullptr;
    EXPECT_EQ(FreiheitsgradSuchen(sys->Freiheitsgrade, 2), nullptr);
    EXPECT_EQ(FreieFreiheitsgradnummer(*sys), 2);

    // Deleting by number clears the bars that still point at the record.
    Freiheitsgrad* ax = s0->Freiheitsgrade[FG_AX];
    FreiheitsgradLoeschen(*sys, ax->Nummer);
    EXPECT_EQ(s0->Freiheitsgrade[FG_AX], nullptr);
    FreiheitsgradLoeschen(*sys, 999);
}

TEST_F(Systemfixture, InteractiveBarsGetDefaultsOrTheAssignmentDialog) {
    Stab* ohne = StabErzeugen(*sys);
    EXPECT_EQ(ohne->Markiert, 1);
    EXPECT_FALSE(StandardwerteAnwendbar()) << "the window opens the assignment dialog";
    EXPECT_EQ(sys->Aenderungen, 1);

    Material* m = NeuerDatensatz<Material>();
    m->Nummer = 3;
    KeVorneEintragen(Programm.Materialien, m);
    Querschnitt* q = NeuerDatensatz<Querschnitt>();
    q->Nummer = 4;
    KeVorneEintragen(Programm.Querschnitte, q);
    Programm.StandardMaterial = 3;
    Programm.StandardQuerschnitt = 4;
    Programm.StandardwerteSetzen = true;
    EXPECT_TRUE(StandardwerteAnwendbar());
    Stab* mit = StabErzeugen(*sys);
    EXPECT_EQ(mit->Nummer, 1);
    EXPECT_EQ(mit->Markiert, -1);
    EXPECT_EQ(mit->Material, 3);
    EXPECT_EQ(mit->Querschnitt, 4);

    Programm.StandardQuerschnitt = 5;  // not in the catalogue
    EXPECT_EQ(StabErzeugen(*sys)->Markiert, 1);
    EXPECT_EQ(MaterialSuchen(3), m);
    EXPECT_EQ(QuerschnittSuchen(5), nullptr);

    Stab* gelesen = StabAnlegen(*sys, 10);
    EXPECT_EQ(gelesen->Material, 0);
    EXPECT_EQ(StabSuchen(*sys, 10), gelesen);
    EXPECT_EQ(sys->Aenderungen, 3);
}

TEST_F(Systemfixture, DeletedSystemsLeaveTheListAndTheirNumbersStayUsed) {
    System* zweites = SystemErzeugen();
    System* drittes = SystemErzeugen();
    EXPECT_EQ(drittes->Systemnummer, 3);
    EXPECT_EQ(SystemMitNummer(2), zweites);
    EXPECT_EQ(SystemMitNummer(9), nullptr);
    EXPECT_EQ(NeuestesSystem(), drittes);

    // Fill the System so that deleting it has work to do.
    Punkt* a = PunktErzeugen(*zweites, 0, 0, -1);
    Stab* s = StabAnlegen(*zweites);
    s->PunktA = a;
    s->PunktB = PunktErzeugen(*zweites, 1, 1, -1);
    for (int slot = 0; slot < 6; ++slot) FreiheitsgradAnlegen(*zweites, s, slot);
    PaarAufnehmen(zweites->FgRelationen, s->Freiheitsgrade[FG_AX], s->Freiheitsgrade[FG_AY]);
    KeVorneEintragen(s->Ergebnisse, NeuerDatensatz<Stababschnitt>());
    LastfallErzeugen(*zweites, 0, "", -1);
    KombinationErzeugen(*zweites, -1);

    bericht.Zeilen.clear();
    aenderungen.Abholen();
    SystemLoeschen(zweites);
    EXPECT_EQ(KeAnzahl(Programm.Systeme), 2);
    EXPECT_EQ(SystemMitNummer(2), nullptr);
    EXPECT_EQ(bericht.Texte(), (std::vector<std::string>{"System und Belastung gelöscht "_l1}));
    // The receiver heard of it, and the change set no longer names it.
    Aenderungssatz satz = aenderungen.Abholen();
    EXPECT_TRUE(satz.Arten() & AENDERUNG_SYSTEME);
    for (const auto& eintrag : satz.Systeme()) EXPECT_NE(eintrag.first, zweites);

    SystemLoeschen(drittes);
    EXPECT_EQ(NeuestesSystem(), sys);
    SystemLoeschen(sys);
    sys = nullptr;
    EXPECT_EQ(NeuestesSystem(), nullptr);
    EXPECT_EQ(SystemErzeugen()->Systemnummer, 4);
}

