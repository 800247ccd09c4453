// The system file: exact layout, round trips and what a read System holds.
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sstream>

#include "core/latin1.h"
#include "tests/files/systemdatei_hilfen.h"

namespace {

// Rewrites a golden file instead of comparing when VELKO_GOLDEN_NEU is set.
void MitFixtureVergleichen(const std::string& erzeugt, const std::string& fixture) {
    if (std::getenv("VELKO_GOLDEN_NEU")) DateiSchreiben(fixture, erzeugt);
    EXPECT_EQ(erzeugt, DateiLesen(fixture)) << "golden file " << fixture;
}

// The lines of the point section: from the line after the point count up to
// the blank line that ends the section.
std::vector<std::string> Punktzeilen(const std::string& datei) {
    std::istringstream ein(datei);
    std::string zeile;
    std::vector<std::string> z;
    for (int i = 0; i < 8 && std::getline(ein, zeile); ++i) {}
    while (std::getline(ein, zeile) && !zeile.empty()) z.push_back(zeile);
    return z;
}

}  // namespace

TEST_F(SystemdateiTest, KleinesSystemEntsprichtDerFixtureByteFuerByte) {
    KleinesSystem();
    const std::string pfad = verzeichnis.Pfad("klein.sysdat");
    const std::string inhalt = SystemdateiInhalt(*sys);
    ASSERT_TRUE(SystemSchreiben(*sys, pfad.c_str()));
    // The bytes without a file are the bytes of the file.
    EXPECT_EQ(inhalt, DateiLesen(pfad));
    MitFixtureVergleichen(DateiLesen(pfad), Fixture("klein.sysdat"));
    EXPECT_TRUE(Gemeldet(pfad + " geschrieben !"));
    EXPECT_STREQ(sys->Dateiname, pfad.c_str());
    EXPECT_EQ(sys->Aenderungen, 0);
}

TEST_F(SystemdateiTest, LeeresSystemSchreibtAlleAnzahlenNullUndOhneLastfallketteNurEineNull) {
    Anlegen(42);
    const std::string pfad = verzeichnis.Pfad("leer");
    ASSERT_TRUE(SystemSchreiben(*sys, pfad.c_str()));
    // No load-case chain: " 0\n" directly followed by the point-load count.
    const std::string erwartet =
        "V 1\n42\n\n\n\n\n"
        " 0\n\n\n\n\n\n"
        " 0\n\n\n\n\n\n\n"
        " 0\n\n\n\n\n\n\n"
        "0\n\n\n\n\n\n\n"
        " 0\n"
        "0\n\n\n\n"
        "0\n\n\n\n\n\n"
        "0\n\n";
    EXPECT_EQ(DateiLesen(pfad + ".sysdat"), erwartet);

    // A chain that exists but is empty again writes its full section.
    LastfallErzeugen(*sys, 0, "weg", 10000009);
    LastfallLoeschen(*sys, 0);
    ASSERT_TRUE(SystemSchreiben(*sys, pfad.c_str()));
    const std::string datei = DateiLesen(pfad + ".sysdat");
    EXPECT_NE(datei.find("\n\n\n\n\n\n0\n\n\n\n\n\n\n0\n\n\n\n0\n"), std::string::npos) << datei;
    System* gelesen = SystemLesen((pfad + ".sysdat").c_str());
    ASSERT_NE(gelesen, nullptr);
    EXPECT_EQ(KeAnzahl(gelesen->Lastfaelle), 0);
}

// Every list of a System as the numbers (or identifiers) of its records,
// in chain order, and the number of every load case.
std::vector<std::vector<long>> Reihenfolgen(const System* sys) {
    std::vector<std::vector<long>> r(9);
    for (Punkt* p : Elemente<Punkt>(sys->Punkte)) r[0].push_back(p->Nummer);
    for (Freiheitsgrad* f : Elemente<Freiheitsgrad>(sys->Freiheitsgrade)) r[1].push_back(f->Nummer);
    for (Stab* s : Elemente<Stab>(sys->Staebe)) r[2].push_back(s->Nummer);
    for (Lastfall* l : Elemente<Lastfall>(sys->Lastfaelle)) r[3].push_back(l->Kennung), r[4].push_back(l->Nummer);
    for (Punktlast* p : Elemente<Punktlast>(sys->Punktlasten)) r[5].push_back(p->Kennung);
    for (Streckenlast* s : Elemente<Streckenlast>(sys->Streckenlasten)) r[6].push_back(s->Kennung);
    for (Lastfallkombination* k : Elemente<Lastfallkombination>(sys->Kombinationen)) r[7].push_back(k->Nummer);
    for (int i = 1; sys->FgRelationen && i <= sys->FgRelationen->top; ++i)
        r[8].push_back(static_cast<Freiheitsgrad*>(static_cast<Paar*>(sys->FgRelationen->items[i])->first)->Nummer);
    return r;
}

TEST_F(SystemdateiTest, SichernUndLesenBehaeltNummernUndReihenfolgen) {
    KleinesSystem();
    // numbers the user chose, not those a reader would give in file order
    LastfallSuchen(*sys, 10000001)->Nummer = 2;
    LastfallSuchen(*sys, 10000002)->Nummer = 1;
    systembau::LastfallAnlegen(*sys, "Schnee", 1.5, 10000007)->Nummer = 7;
    Lastfallkombination* k = KombinationErzeugen(*sys, 4);
    NameSetzen(k->Name, "leer");
    const auto vorher = Reihenfolgen(sys);
    std::string datei[3];
    for (int i = 0; i < 3; ++i) {
        const std::string pfad = verzeichnis.Pfad("runde" + std::to_string(i) + ".sysdat");
        ASSERT_TRUE(SystemSchreiben(*sys, pfad.c_str()));
        datei[i] = DateiLesen(pfad);
        sys = SystemLesen(pfad.c_str());
        ASSERT_NE(sys, nullptr) << i;
        EXPECT_EQ(Reihenfolgen(sys), vorher) << i;
    }
    EXPECT_EQ(datei[0], datei[1]);
    EXPECT_EQ(datei[1], datei[2]);
    // oldest first: the reverse of the chain
    std::vector<std::string> punkte;
    for (Punkt* p : ElementeRueckwaerts<Punkt>(sys->Punkte)) {
        char zeile[64];
        std::snprintf(zeile, sizeof zeile, " %ld %f %f", p->Nummer, p->X, p->Y);
        punkte.push_back(zeile);
    }
    EXPECT_EQ(Punktzeilen(datei[0]), punkte);
    // the numbers follow the last section
    const std::string ende = "\nLastfallnummern\n3\n10000001 2\n10000002 1\n10000007 7\n";
    EXPECT_EQ(datei[0].substr(datei[0].size() - ende.size()), ende);
    // Three Systems read, plus the one built.
    EXPECT_EQ(KeAnzahl(Programm.Systeme), 4);
}

TEST_F(SystemdateiTest, LastfallnummernFehlenOderDoppeltOderBeschaedigt) {
    KleinesSystem();
    LastfallSuchen(*sys, 10000001)->Nummer = 5;
    const std::string pfad = verzeichnis.Pfad("nummern.sysdat");
    ASSERT_TRUE(SystemSchreiben(*sys, pfad.c_str()));
    const std::string datei = DateiLesen(pfad);
    const std::size_t marke = datei.find("\nLastfallnummern\n");
    ASSERT_NE(marke, std::string::npos);

    // a file without them (as every file of earlier versions): 0, 1, ... in file order
    DateiSchreiben(pfad, datei.substr(0, marke));
    System* gelesen = SystemLesen(pfad.c_str());
    ASSERT_NE(gelesen, nullptr);
    EXPECT_EQ(LastfallSuchen(*gelesen, 10000001)->Nummer, 0);
    EXPECT_EQ(LastfallSuchen(*gelesen, 10000002)->Nummer, 1);
    // a number given twice goes to the first; the second gets the smallest free one
    DateiSchreiben(pfad, datei.substr(0, marke) + "\nLastfallnummern\n2\n10000001 3\n10000002 3\n");
    gelesen = SystemLesen(pfad.c_str());
    ASSERT_NE(gelesen, nullptr);
    EXPECT_EQ(LastfallSuchen(*gelesen, 10000001)->Nummer, 3);
    EXPECT_EQ(LastfallSuchen(*gelesen, 10000002)->Nummer, 0);
    // other text after the last section is not read, as before
    DateiSchreiben(pfad, datei.substr(0, marke) + "\nirgendwas 1 2\n");
    gelesen = SystemLesen(pfad.c_str());
    ASSERT_NE(gelesen, nullptr);
    EXPECT_EQ(LastfallSuchen(*gelesen, 10000001)->Nummer, 0);
    // cut short: the file is damaged and refused as a whole
    const long systeme = KeAnzahl(Programm.Systeme);
    DateiSchreiben(pfad, datei.substr(0, datei.size() - 4));
    EXPECT_EQ(SystemLesen(pfad.c_str()), nullptr);
    EXPECT_EQ(KeAnzahl(Programm.Systeme), systeme);
}

TEST_F(SystemdateiTest, GelesenesSystemHaeltAlleGespeichertenWerte) {
    KleinesSystem();
    const std::string pfad = verzeichnis.Pfad("werte.sysdat");
    ASSERT_TRUE(SystemSchreiben(*sys, pfad.c_str()));
    bericht.Zeilen.clear();
    sys = SystemLesen(pfad.c_str());
    ASSERT_NE(sys, nullptr);
    // The diagnostics of reading, which the window program writes to
    // standard output.
    EXPECT_EQ(bericht.Diagnosen,
              "\nAllgemeine Version des Dateiformats: V\nVersion des Dateiformats V: 1\nSystemID: 987654321\n");

    EXPECT_EQ(Programm.AktuellesSystem, nullptr) << "reading makes no System current";
    EXPECT_EQ(sys->Aenderungen, 0);
    EXPECT_STREQ(sys->Dateiname, pfad.c_str());
    EXPECT_EQ(sys->SystemID, 987654321);
    EXPECT_EQ(sys->Stabteilungen, 2);
    EXPECT_TRUE(Gemeldet("System erzeugt."));
    EXPECT_EQ(bericht.Texte().back(), "System geladen !");

    Stab* s1 = StabSuchen(*sys, 1);
    ASSERT_NE(s1, nullptr);
    ASSERT_NE(s1->PunktA, nullptr);
    EXPECT_DOUBLE_EQ(s1->PunktA->X, 3.0);
    EXPECT_DOUBLE_EQ(s1->Laenge, 2.0);  // geometry computed on reading
    EXPECT_EQ(s1->Material, 1);
    Freiheitsgrad* lager = s1->Freiheitsgrade[FG_BY];
    EXPECT_EQ(lager->Status, STATUS_PRIMAL);
    EXPECT_DOUBLE_EQ(lager->Wert, 0.01);
    EXPECT_DOUBLE_EQ(lager->Winkel, 0.5);
    EXPECT_EQ(lager->SystemID, 987654321);
    EXPECT_DOUBLE_EQ(s1->Freiheitsgrade[FG_BR]->Feder, 2500.0);
    // Shared joint: x and y shared with bar 0, rotation separate (hinge).
    Stab* s0 = StabSuchen(*sys, 0);
    EXPECT_EQ(s0->Freiheitsgrade[FG_BX], s1->Freiheitsgrade[FG_AX]);
    EXPECT_EQ(s0->Freiheitsgrade[FG_BY], s1->Freiheitsgrade[FG_AY]);
    EXPECT_NE(s0->Freiheitsgrade[FG_BR], s1->Freiheitsgrade[FG_AR]);
    EXPECT_EQ(sys->FgRelationen->top, 3);
    EXPECT_TRUE(PaarSuchen(sys->FgRelationen, s1->Freiheitsgrade[FG_BX], s1->Freiheitsgrade[FG_BY]));

    // Load cases numbered in file order (oldest written first), names keep '_'.
    Lastfall* g = LastfallSuchen(*sys, 10000001);
    Lastfall* w = LastfallSuchen(*sys, 10000002);
    ASSERT_TRUE(g && w);
    EXPECT_STREQ(g->Name, "Eigen_gewicht");
    EXPECT_EQ(g->Nummer, 0);
    EXPECT_EQ(w->Nummer, 1);
    EXPECT_EQ(g->Aktiv, 1);
    EXPECT_EQ(w->Aktiv, -1);
    EXPECT_DOUBLE_EQ(g->Gewicht, 1.35);
    Streckenlast* sl = StreckenlastSuchen(*sys, 10000003);
    ASSERT_NE(sl, nullptr);
    EXPECT_STREQ(sl->Name, "Ausbau_last");
    EXPECT_DOUBLE_EQ(sl->GroesseB, 4.0);
    Punktlast* m = PunktlastSuchen(*sys, 10000005);
    ASSERT_NE(m, nullptr);
    EXPECT_EQ(m->Art, ART_MOMENT);
    EXPECT_EQ(m->Positionsbezug, KOORD_LOKAL);
    Lastfallkombination* k = KombinationSuchen(*sys, 0);
    ASSERT_NE(k, nullptr);
    EXPECT_STREQ(k->Name, "G_plus_W");
    ASSERT_EQ(k->Anteile->top, 2);
    EXPECT_EQ(static_cast<Anteil*>(k->Anteile->items[2])->Lastfall, 10000002);
}

TEST_F(SystemdateiTest, NamenWerdenAlsEinWortGeschriebenUndSicherGekuerzt) {
    Anlegen(1);
    Lastfall* lf = LastfallErzeugen(*sys, 0, "Temperatur Wärme\tinnen"_l1, 10000001);
    Punktlast* p = PunktlastErzeugen(*sys, lf->Kennung, 10000002);  // empty name
    Stab* s = systembau::StabZiehen(*sys, 0, 0, 1, 0, 1, 1);
    p->Stab = s->Nummer;
    p->Art = ART_KRAFT;
    p->Koordinatensystem = KOORD_LOKAL;
    p->Positionsbezug = KOORD_LOKAL;
    const std::string pfad = verzeichnis.Pfad("namen.sysdat");
    ASSERT_TRUE(SystemSchreiben(*sys, pfad.c_str()));
    const std::string datei = DateiLesen(pfad);
    // The umlaut is the single ISO 8859-1 byte 0xE4.
    EXPECT_NE(datei.find("\nTemperatur_W\xE4rme_innen\n"), std::string::npos);
    EXPECT_EQ(datei.find('\xC3'), std::string::npos);
    // An empty name would let the reader take the next value for it.
    EXPECT_NE(datei.find("\n10000001\n-\n"), std::string::npos);
    System* gelesen = SystemLesen(pfad.c_str());
    ASSERT_NE(gelesen, nullptr);
    EXPECT_STREQ(PunktlastSuchen(*gelesen, 10000002)->Name, "-");
    EXPECT_EQ(PunktlastSuchen(*gelesen, 10000002)->Lastfall, 10000001);

    // Names longer than their fields are cut, never overrun.
    std::string lang(300, 'x');
    std::string text = DateiLesen(pfad);
    text.replace(text.find("Temperatur_W\xE4rme_innen"), std::strlen("Temperatur_W\xE4rme_innen"), lang);
    text.replace(text.find("\n-\n"), 3, "\n" + lang + "\n");
    DateiSchreiben(pfad, text);
    gelesen = SystemLesen(pfad.c_str());
    ASSERT_NE(gelesen, nullptr);
    EXPECT_EQ(std::strlen(LastfallSuchen(*gelesen, 10000001)->Name), static_cast<std::size_t>(NAME_KURZ - 1));
    EXPECT_EQ(std::strlen(PunktlastSuchen(*gelesen, 10000002)->Name), static_cast<std::size_t>(NAME_LANG - 1));
}

TEST_F(SystemdateiTest, EndungWirdNurAngehaengtWennSieFehlt) {
    EXPECT_EQ(SystemdateiPfad("/a/b"), "/a/b.sysdat");
    EXPECT_EQ(SystemdateiPfad("/a/b.sysdat"), "/a/b.sysdat");
    EXPECT_EQ(SystemdateiPfad("b.sysdat.alt"), "b.sysdat.alt.sysdat");
    Anlegen(5);
    ASSERT_TRUE(SystemSchreiben(*sys, verzeichnis.Pfad("a").c_str()));
    ASSERT_TRUE(SystemSchreiben(*sys, verzeichnis.Pfad("a.sysdat").c_str()));
    EXPECT_TRUE(Existiert(verzeichnis.Pfad("a.sysdat")));
    EXPECT_FALSE(Existiert(verzeichnis.Pfad("a.sysdat.sysdat")));
}

TEST_F(SystemdateiTest, ZahlenImmerMitDezimalpunkt) {
    const char* vorher = std::setlocale(LC_NUMERIC, nullptr);
    std::string alt = vorher ? vorher : "C";
    if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8") && !std::setlocale(LC_NUMERIC, "de_DE"))
        GTEST_SKIP() << "no German locale installed";
    KleinesSystem();
    const std::string pfad = verzeichnis.Pfad("komma.sysdat");
    bool geschrieben = SystemSchreiben(*sys, pfad.c_str());
    System* gelesen = geschrieben ? SystemLesen(pfad.c_str()) : nullptr;
    std::setlocale(LC_NUMERIC, alt.c_str());
    ASSERT_TRUE(geschrieben);
    EXPECT_EQ(DateiLesen(pfad), DateiLesen(Fixture("klein.sysdat")));
    ASSERT_NE(gelesen, nullptr);
    EXPECT_DOUBLE_EQ(LastfallSuchen(*gelesen, 10000001)->Gewicht, 1.35);
}

// ------------------------------------------------------------ saving

TEST_F(SystemdateiTest, SichernEntscheidetNachModusUndDateiname) {
    Anlegen(3);
    EXPECT_EQ(SicherungEntscheiden(0, sys, false), Sicherung::Verweigert);
    EXPECT_EQ(SicherungEntscheiden(1, nullptr, false), Sicherung::Verweigert);
    EXPECT_EQ(SicherungEntscheiden(1, sys, false), Sicherung::NameErfragen);  // "noname"
    NameSetzen(sys->Dateiname, "/x/y.sysdat");
    EXPECT_EQ(SicherungEntscheiden(1, sys, false), Sicherung::Schreiben);
    EXPECT_EQ(SicherungEntscheiden(4, sys, true), Sicherung::NameErfragen);
    EXPECT_EQ(SicherungEntscheiden(0, sys, true), Sicherung::Verweigert);
}

TEST_F(SystemdateiTest, SichernVerweigertFragtUndSchreibt) {
    Anlegen(3);
    int gefragt = 0;
    const std::string ziel = verzeichnis.Pfad("gesichert");
    auto auswahl = [&] {
        ++gefragt;
        return ziel;
    };

    bericht.Zeilen.clear();
    EXPECT_FALSE(SystemSichern(0, sys, auswahl));
    EXPECT_FALSE(SystemSichernAls(0, sys, auswahl));
    EXPECT_EQ(bericht.Texte(), (std::vector<std::string>{"System speichern nicht möglich !"_l1,
                                                         "System speichern nicht möglich !"_l1}));
    EXPECT_EQ(gefragt, 0);

    EXPECT_FALSE(SystemSichern(1, sys, [] { return std::string(); }));  // cancelled
    EXPECT_FALSE(Existiert(verzeichnis.Pfad("noname.sysdat")));
    EXPECT_TRUE(SystemSichern(1, sys, auswahl));
    EXPECT_EQ(gefragt, 1);
    EXPECT_STREQ(sys->Dateiname, (ziel + ".sysdat").c_str());
    sys->SystemID = 4;
    EXPECT_TRUE(SystemSichern(1, sys, auswahl));  // now writes to Dateiname without asking
    EXPECT_EQ(gefragt, 1);
    EXPECT_EQ(DateiLesen(ziel + ".sysdat").substr(0, 6), "V 1\n4\n");
    EXPECT_TRUE(SystemSichernAls(1, sys, auswahl));
    EXPECT_EQ(gefragt, 2);
}
