// Drawing bars point by point, reconnecting bar ends, moving the System,
// dividing bars with their loads, and the table lines.
#include "core/latin1.h"
#include "zeichentestsystem.h"

#include "core/aenderungen.h"
#include "core/kette.h"
#include "workspace/bearbeitung.h"

#include <cmath>
#include <cstring>

namespace {

class Bearbeitung : public Zeichentest {
protected:
    bool Gemeldet(const char* text) const {
        for (const auto& z : bericht.Zeilen)
            if (z.find(text) != std::string::npos) return true;
        return false;
    }
    long Anzahl(Kette k) const { return KeAnzahl(k); }
    long StreckenlastenAuf(long stab) const {
        long n = 0;
        for (Streckenlast* l : Elemente<Streckenlast>(sys->Streckenlasten)) n += l->Stab == stab;
        return n;
    }
    Streckenlast* Streckenlast_(const char* name) const {
        for (Streckenlast* l : Elemente<Streckenlast>(sys->Streckenlasten))
            if (std::strcmp(l->Name, name) == 0) return l;
        return nullptr;
    }
};

TEST_F(Bearbeitung, StabZeichnenVomErstenBisZumZweitenPunkt) {
    EXPECT_TRUE(StabErzeugungBeginnen(sys));
    EXPECT_EQ(Programm.Modus, 2);
    EXPECT_FALSE(StabErzeugungBeginnen(sys));  // only from mode 1
    Punkt* a = ErsterPunkt(*sys, 1.0, 2.0, nullptr);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(Programm.Modus, 3);
    // The same position again is refused and the mode stays.
    EXPECT_EQ(staberzeugen(*sys, 1.0, 2.0, nullptr), nullptr);
    EXPECT_TRUE(Gemeldet("Punkt 1 und Punkt 2 haben gleiche Koordinaten !!"));
    EXPECT_EQ(Programm.Modus, 3);
    EXPECT_EQ(Anzahl(sys->Punkte), 1);
    Punkt* b = nullptr;
    Stab* s = staberzeugen(*sys, 4.0, 6.0, nullptr, &b);
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(Programm.Modus, 1);
    EXPECT_EQ(s->PunktA, a);
    EXPECT_EQ(s->PunktB, b);
    EXPECT_DOUBLE_EQ(s->Laenge, 5.0);
    for (Freiheitsgrad* fg : s->Freiheitsgrade) ASSERT_NE(fg, nullptr);
    EXPECT_EQ(sys->FgRelationen->top, 2);
    EXPECT_GT(sys->Aenderungen, 0);
}

TEST_F(Bearbeitung, AbbrechenLaesstNichtsZurueck) {
    Stab* alt = Stab_(0, 0, 3, 0);
    Programm.Modus = 1;
    EXPECT_FALSE(StabErzeugungAbbrechen(sys));  // nothing to leave
    // before the first point
    ASSERT_TRUE(StabErzeugungBeginnen(sys));
    EXPECT_TRUE(StabErzeugungAbbrechen(sys));
    EXPECT_EQ(Programm.Modus, 1);
    EXPECT_TRUE(Gemeldet("Stab erzeugen abgebrochen"));
    // after a first point in free space: the point goes again
    const long aenderungen = sys->Aenderungen;
    ASSERT_TRUE(StabErzeugungBeginnen(sys));
    ErsterPunkt(*sys, 7.0, 7.0, nullptr);
    EXPECT_EQ(Anzahl(sys->Punkte), 3);
    EXPECT_TRUE(StabErzeugungAbbrechen(sys));
    EXPECT_EQ(Programm.Modus, 1);
    EXPECT_EQ(Anzahl(sys->Punkte), 2);
    EXPECT_EQ(Anzahl(sys->Staebe), 1);
    EXPECT_EQ(Anzahl(sys->Freiheitsgrade), 6);
    EXPECT_EQ(sys->Aenderungen, aenderungen);
    EXPECT_EQ(GueltigerErsterPunkt(sys), nullptr);
    // a first point that was there already stays
    ASSERT_TRUE(StabErzeugungBeginnen(sys));
    EXPECT_EQ(ErsterPunkt(*sys, 3.0, 0.0, nullptr), alt->PunktB);
    EXPECT_TRUE(StabErzeugungAbbrechen(sys));
    EXPECT_EQ(Anzahl(sys->Punkte), 2);
    EXPECT_EQ(alt->PunktB->X, 3.0);
    // and a new bar can be drawn afterwards
    ASSERT_TRUE(StabErzeugungBeginnen(sys));
    ErsterPunkt(*sys, 3.0, 0.0, nullptr);
    EXPECT_NE(staberzeugen(*sys, 3.0, 3.0, nullptr), nullptr);
}

TEST_F(Bearbeitung, NeuerStabWirdAnVorhandenePunkteBiegesteifAngeschlossen) {
    Stab* alt = Stab_(0, 0, 3, 0);
    Programm.Modus = 1;
    StabErzeugungBeginnen(sys);
    // Within 1 mm of the old end point: the same point, the same records.
    ErsterPunkt(*sys, 3.0004, 0.0, nullptr);
    Stab* s = staberzeugen(*sys, 3.0, 4.0, nullptr);
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->PunktA, alt->PunktB);
    for (int k = 0; k < 3; ++k) EXPECT_EQ(s->Freiheitsgrade[k], alt->Freiheitsgrade[3 + k]);
    EXPECT_NE(s->Freiheitsgrade[3], nullptr);
    EXPECT_EQ(Anzahl(sys->Punkte), 3);
}

TEST_F(Bearbeitung, VerlorenerErsterPunktBeginntVonVorn) {
    Programm.Modus = 1;
    StabErzeugungBeginnen(sys);
    ErsterPunkt(*sys, 1.0, 1.0, nullptr);
    // Another System becomes the one drawn on while the bar is drawn.
    System* anderes = SystemErzeugen();
    Programm.Modus = 3;
    EXPECT_EQ(GueltigerErsterPunkt(anderes), nullptr);
    EXPECT_EQ(staberzeugen(*anderes, 2.0, 2.0, nullptr), nullptr);
    EXPECT_EQ(Programm.Modus, 2);
    EXPECT_EQ(anderes->Staebe ? KeAnzahl(anderes->Staebe) : 0, 0);
}

TEST_F(Bearbeitung, AnzeigetexteDerPosition) {
    char t[160];
    Punkt p{0, 7, 1.0, 2.0};
    PositionsanzeigeText(t, sizeof t, 1.0, 2.0, &p);
    EXPECT_STREQ(t, "Punkt [ 7 ] : 1.00/2.00            ");
    LaengenanzeigeText(t, sizeof t, 0.5, -1.25, nullptr, 3.14159);
    EXPECT_STREQ(t, "0.50/-1.25 Länge : 3.14             "_l1);
    // a pointer just left of or below an axis reads 0.00, never -0.00
    PositionsanzeigeText(t, sizeof t, -0.001, -0.0049, nullptr);
    EXPECT_STREQ(t, "0.00/0.00                     ");
    LaengenanzeigeText(t, sizeof t, -0.001, 1.0, &p, 1.0);
    EXPECT_STREQ(t, "Punkt [ 7 ] : 0.00/1.00 Länge : 1.00              "_l1);
}

TEST_F(Bearbeitung, EndeAnPunktEinesAnderenStabsAnschliessen) {
    Stab* alt = Stab_(0, 0, 3, 0);
    Stab* frei = Stab_(5, 5, 6, 5);
    const long punkte = Anzahl(sys->Punkte), fgs = Anzahl(sys->Freiheitsgrade);
    Punkt* p = EndpunktNummerGeaendert(*sys, frei, 0, alt->PunktB->Nummer, 0, 0);
    EXPECT_EQ(p, alt->PunktB);
    EXPECT_EQ(frei->PunktA, alt->PunktB);
    for (int k = 0; k < 3; ++k) EXPECT_EQ(frei->Freiheitsgrade[k], alt->Freiheitsgrade[3 + k]);
    // The old point and the three released records are gone.
    EXPECT_EQ(Anzahl(sys->Punkte), punkte - 1);
    EXPECT_EQ(Anzahl(sys->Freiheitsgrade), fgs - 3);
    EXPECT_EQ(PunktSuchen(sys->Punkte, 99), nullptr);
    EXPECT_DOUBLE_EQ(frei->Laenge, 5.0 * std::sqrt(1.0 + 0.36));
    // The bar's other end is refused: the bar would have no length.
    EXPECT_EQ(EndpunktNummerGeaendert(*sys, frei, 1, frei->PunktA->Nummer, 0, 0), nullptr);
    EXPECT_NE(frei->PunktA, frei->PunktB);
}

TEST_F(Bearbeitung, UnbekannteNummerErzeugtPunktUndBehaeltFreiheitsgrade) {
    Stab* s = Stab_(0, 0, 3, 0);
    Freiheitsgrad* vorher = s->Freiheitsgrade[3];
    Punkt* p = EndpunktNummerGeaendert(*sys, s, 1, 42, 3.0, 4.0);
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p->Nummer, 42);
    EXPECT_EQ(s->Freiheitsgrade[3], vorher);
    EXPECT_EQ(Anzahl(sys->Punkte), 2);
    EXPECT_DOUBLE_EQ(s->Laenge, 5.0);
}

TEST_F(Bearbeitung, EndeVerlaesstGemeinsamenPunktMitEigenenFreiheitsgraden) {
    Stab* a = Stab_(0, 0, 2, 0);
    Stab* b = Stab_(a->PunktB, PunktErzeugen(*sys, 2, 3, -1));
    Biegesteif(a, 1, b, 0);
    Freiheitsgrad* lager = b->Freiheitsgrade[3];
    // To a new number: the joint with a stays at the old point.
    EndpunktNummerGeaendert(*sys, b, 0, 77, 5.0, 5.0);
    for (int k = 0; k < 3; ++k) {
        ASSERT_NE(b->Freiheitsgrade[k], nullptr);
        EXPECT_NE(b->Freiheitsgrade[k], a->Freiheitsgrade[3 + k]);
    }
    // To a loose point by the geometry columns: the same, and the other
    // end, held by b alone, keeps its records.
    Stab* c = Stab_(a->PunktA, PunktErzeugen(*sys, 0, 4, -1));
    Biegesteif(a, 0, c, 0);
    PunktErzeugen(*sys, -3, 0, 60);
    GeometrieUebernehmen(*sys, c, 60, -3, 0, c->PunktB->Nummer, 0, 4);
    EXPECT_NE(c->Freiheitsgrade[0], a->Freiheitsgrade[0]);
    EXPECT_EQ(b->Freiheitsgrade[3], lager);
}

TEST_F(Bearbeitung, NeuerEndpunktLaesstGemeinsamenPunktStehen) {
    Stab* a = Stab_(0, 0, 2, 0);
    Stab* b = Stab_(a->PunktB, PunktErzeugen(*sys, 2, 3, -1));
    Biegesteif(a, 1, b, 0);
    Punkt* geteilt = a->PunktB;
    Freiheitsgrad* gemeinsam = a->Freiheitsgrade[3];
    Punkt* neu = EndpunktNeu(*sys, b, 0);
    EXPECT_EQ(a->PunktB, geteilt);
    EXPECT_DOUBLE_EQ(neu->X, 2.5);
    EXPECT_DOUBLE_EQ(neu->Y, 0.5);
    EXPECT_EQ(a->Freiheitsgrade[3], gemeinsam);
    EXPECT_NE(b->Freiheitsgrade[0], gemeinsam);
    ASSERT_NE(b->Freiheitsgrade[0], nullptr);
    // An unshared end loses its point and its records are not left behind.
    const long fgs = Anzahl(sys->Freiheitsgrade), punkte = Anzahl(sys->Punkte);
    EndpunktNeu(*sys, b, 1);
    EXPECT_EQ(Anzahl(sys->Freiheitsgrade), fgs);
    EXPECT_EQ(Anzahl(sys->Punkte), punkte);
}

TEST_F(Bearbeitung, GeometrieUebernehmenVerschiebtPunktFuerAlleStaebe) {
    Stab* a = Stab_(0, 0, 2, 0);
    Stab* b = Stab_(a->PunktA, PunktErzeugen(*sys, 0, 3, -1));
    GeometrieUebernehmen(*sys, a, a->PunktA->Nummer, 1.0, 0.0, a->PunktB->Nummer, 2.0, 0.0);
    EXPECT_DOUBLE_EQ(a->Laenge, 1.0);
    EXPECT_DOUBLE_EQ(b->Laenge, std::sqrt(10.0));
    // Naming the other end's point in a column does not fold the bar.
    GeometrieUebernehmen(*sys, a, a->PunktB->Nummer, 7.0, 7.0, a->PunktB->Nummer, 2.0, 0.0);
    EXPECT_NE(a->PunktA, a->PunktB);
    // An end moved to a loose point: the old point stays only while used.
    Punkt* lose = PunktErzeugen(*sys, 9, 9, 50);
    Punkt* gemeinsam = a->PunktA;
    GeometrieUebernehmen(*sys, a, 50, 9, 9, a->PunktB->Nummer, 2.0, 0.0);
    EXPECT_EQ(a->PunktA, lose);
    EXPECT_EQ(b->PunktA, gemeinsam);
    const long altB = b->PunktB->Nummer;
    const long punkte = Anzahl(sys->Punkte);
    GeometrieUebernehmen(*sys, b, b->PunktA->Nummer, 1, 0, 50, 9, 9);
    EXPECT_EQ(Anzahl(sys->Punkte), punkte - 1);
    EXPECT_EQ(PunktSuchen(sys->Punkte, altB), nullptr);
}

TEST_F(Bearbeitung, SystemVerschiebenUndPunktkoordinate) {
    Aenderungssammler gemeldet;
    Aenderungsempfaenger* alt = AenderungsempfaengerSetzen(&gemeldet);
    Stab* s = Stab_(0, 0, 3, 4);
    Stababschnitt* r = Abschnitt(s);
    const long vorher = sys->Aenderungen;
    gemeldet.Abholen();
    SystemVerschieben(sys, 1.5, -2.0);
    EXPECT_DOUBLE_EQ(s->PunktA->X, 1.5);
    EXPECT_DOUBLE_EQ(s->PunktB->Y, 2.0);
    EXPECT_DOUBLE_EQ(r->xB, 4.5);
    EXPECT_DOUBLE_EQ(s->Laenge, 5.0);
    EXPECT_GT(sys->Aenderungen, vorher);
    // The results moved along: they stay valid, an undo would take it back.
    Aenderungssatz satz = gemeldet.Abholen();
    EXPECT_EQ(satz.ArtenVon(sys), AENDERUNG_LAGE);
    EXPECT_FALSE(satz.ErgebnisseBetroffen());
    PunktkoordinateSetzen(*sys, s->PunktB, 1, -2.0);
    EXPECT_DOUBLE_EQ(s->Laenge, 3.0);
    EXPECT_TRUE(gemeldet.Abholen().ErgebnisseBetroffen());
    AenderungsempfaengerSetzen(alt);
}

TEST_F(Bearbeitung, TeilenVerteiltPunktUndStreckenlasten) {
    Stab* s = Stab_(0, 0, 6, 0);
    s->Material = 3;
    s->Querschnitt = 4;
    Lastfall* lf = Lastfall_();
    Punktlast* mitte = PunktlastErzeugen(*sys, lf->Kennung, -1);
    mitte->Stab = s->Nummer;
    mitte->Position = 0.5;
    Punktlast* ende = PunktlastErzeugen(*sys, lf->Kennung, -1);
    ende->Stab = s->Nummer;
    ende->Position = 1.0;
    Streckenlast* linear = StreckenlastErzeugen(*sys, lf->Kennung, -1);
    linear->Stab = s->Nummer;
    std::strcpy(linear->Name, "q");
    linear->PositionA = 0.0;
    linear->PositionB = 1.0;
    linear->GroesseA = 0.0;
    linear->GroesseB = 10.0;
    Streckenlast* halb = StreckenlastErzeugen(*sys, lf->Kennung, -1);
    halb->Stab = s->Nummer;
    std::strcpy(halb->Name, "h");
    halb->PositionA = 0.0;
    halb->PositionB = 0.5;
    halb->GroesseA = halb->GroesseB = 2.0;
    Abschnitt(s);
    const long kennung = linear->Kennung;

    Stapel* st = StapelAnlegen();
    StapelEintragen(st, s);
    StaebeTeilen(*sys, st, 2);
    StapelFreigeben(st);

    ASSERT_EQ(Anzahl(sys->Staebe), 2);
    Stab* zweiter = StabSuchen(*sys, 1);
    ASSERT_NE(zweiter, nullptr);
    EXPECT_EQ(s->Nummer, 0);
    EXPECT_DOUBLE_EQ(s->Laenge, 3.0);
    EXPECT_DOUBLE_EQ(zweiter->PunktA->X, 3.0);
    EXPECT_EQ(zweiter->Material, 3);
    EXPECT_EQ(zweiter->Querschnitt, 4);
    for (int k = 0; k < 3; ++k) EXPECT_EQ(zweiter->Freiheitsgrade[k], s->Freiheitsgrade[3 + k]);
    EXPECT_NE(s->Freiheitsgrade[3], zweiter->Freiheitsgrade[3]);
    EXPECT_EQ(KeAnzahl(s->Ergebnisse), 0);
    // Point loads: a division point goes to the later piece, the end stays at 1.
    EXPECT_EQ(mitte->Stab, 1);
    EXPECT_DOUBLE_EQ(mitte->Position, 0.0);
    EXPECT_EQ(ende->Stab, 1);
    EXPECT_DOUBLE_EQ(ende->Position, 1.0);
    // 0..10 becomes 0..5 and 5..10; the load ending at the division point
    // leaves one of zero length at the start of the second piece.
    EXPECT_EQ(StreckenlastenAuf(0), 2);
    EXPECT_EQ(StreckenlastenAuf(1), 2);
    Streckenlast* q0 = Streckenlast_("q_0");
    Streckenlast* q1 = Streckenlast_("q_1");
    Streckenlast* h1 = Streckenlast_("h_1");
    ASSERT_TRUE(q0 && q1 && h1);
    EXPECT_EQ(q0->Stab, 0);
    EXPECT_DOUBLE_EQ(q0->GroesseB, 5.0);
    EXPECT_EQ(q1->Stab, 1);
    EXPECT_DOUBLE_EQ(q1->GroesseA, 5.0);
    EXPECT_DOUBLE_EQ(q1->GroesseB, 10.0);
    EXPECT_EQ(h1->Stab, 1);
    EXPECT_DOUBLE_EQ(h1->PositionA, 0.0);
    EXPECT_DOUBLE_EQ(h1->PositionB, 0.0);
    EXPECT_DOUBLE_EQ(h1->GroesseA, 2.0);
    EXPECT_EQ(StreckenlastSuchen(*sys, kennung), nullptr);
}

TEST_F(Bearbeitung, DreiteilungUndLeereAuswahl) {
    Stab* s = Stab_(0, 0, 0, 9);
    Lastfall* lf = Lastfall_();
    Streckenlast* q = StreckenlastErzeugen(*sys, lf->Kennung, -1);
    q->Stab = s->Nummer;
    q->PositionB = 1.0;
    q->GroesseA = q->GroesseB = 4.0;
    Temperaturlast* t = TemperaturlastErzeugen(*sys, lf->Kennung, -1);
    t->Stab = s->Nummer;
    std::strcpy(t->Name, "Sonne");
    t->DeltaT = 20.0;
    t->DeltaTM = -3.0;
    const long kennung = t->Kennung;
    // Nothing marked: nothing but the counter changes.
    const long vorher = sys->Aenderungen;
    MarkierteStaebeTeilen(*sys, 3);
    EXPECT_EQ(Anzahl(sys->Staebe), 1);
    EXPECT_EQ(sys->Aenderungen, vorher + 1);
    s->Markiert = 1;
    MarkierteStaebeTeilen(*sys, 3);
    ASSERT_EQ(Anzahl(sys->Staebe), 3);
    EXPECT_EQ(Anzahl(sys->Streckenlasten), 3);
    for (Streckenlast* l : Elemente<Streckenlast>(sys->Streckenlasten)) {
        EXPECT_DOUBLE_EQ(l->PositionA, 0.0);
        EXPECT_DOUBLE_EQ(l->PositionB, 1.0);
        EXPECT_DOUBLE_EQ(l->GroesseA, 4.0);
        Stab* t = StabSuchen(*sys, l->Stab);
        ASSERT_NE(t, nullptr);
        EXPECT_NEAR(t->Laenge, 3.0, 1e-12);
    }
    // The middle piece is joined to both neighbours.
    Stab* m = StabSuchen(*sys, 1);
    Stab* l = StabSuchen(*sys, 2);
    EXPECT_EQ(m->Freiheitsgrade[0], s->Freiheitsgrade[3]);
    EXPECT_EQ(l->Freiheitsgrade[0], m->Freiheitsgrade[3]);
    EXPECT_NEAR(m->PunktB->Y, 6.0, 1e-12);
    // The temperature load acts on every piece alike; the first keeps it.
    ASSERT_EQ(Anzahl(sys->Temperaturlasten), 3);
    EXPECT_EQ(TemperaturlastSuchen(*sys, kennung)->Stab, s->Nummer);
    long stuecke = 0;
    for (Temperaturlast* k : Elemente<Temperaturlast>(sys->Temperaturlasten)) {
        stuecke |= 1L << k->Stab;
        EXPECT_STREQ(k->Name, "Sonne");
        EXPECT_EQ(k->Lastfall, lf->Kennung);
        EXPECT_EQ(k->DeltaT, 20.0);
        EXPECT_EQ(k->DeltaTM, -3.0);
    }
    EXPECT_EQ(stuecke, 0b111);
}

TEST(Tabellenzeilen, FormateUndNummern) {
    char t[200];
    Punkt p{0, 12, 1.5, -2.25};
    PunktZeile(t, sizeof t, &p);
    EXPECT_STREQ(t, "  12       1.5000      -2.2500 ");
    EXPECT_EQ(ZeilenNummer(t, 4), 12);
    Punkt fast{0, 3, -0.00001, -1e-12};
    PunktZeile(t, sizeof t, &fast);
    EXPECT_STREQ(t, "   3       0.0000       0.0000 ");
    Punkt a{0, 0, 0, 0}, b{0, 1, 3, 4};
    Stab s{};
    s.Nummer = 5;
    s.PunktA = &a;
    s.PunktB = &b;
    StabZeile(t, sizeof t, &s);
    // Not computed yet: no number that would read as a result.
    EXPECT_STREQ(t, "  5   ( 0.00/ 0.00)-( 3.00/ 4.00) \t max M      ---  max Q      --- max N      ---");
    EXPECT_EQ(ZeilenNummer(t, 3), 5);
    EXPECT_EQ(ZeilenNummer("   ", 3), -1);
    EXPECT_EQ(ZeilenNummer(nullptr, 3), -1);
    ExtremZeile(t, sizeof t, true, 3, -1.5, 2.0);
    EXPECT_STREQ(t, "Nr.: [ 3 ]       -1.500 kNm         Pos.: 2.000 m ");
}

}  // namespace
