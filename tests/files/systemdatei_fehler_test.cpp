// The system file: refused and damaged files, missing references and failed
// writes.  None of them may end the program, leave a half-read System
// behind or destroy a file.
#include <sys/stat.h>
#include <unistd.h>

#include "core/latin1.h"
#include "tests/files/systemdatei_hilfen.h"

namespace {

// A valid file with one bar (0: points 0-1, degrees of freedom 0..5), one
// load case and one load of each kind; `ersetzen` swaps one piece.
std::string Datei(const std::string& alt = "", const std::string& neu = "") {
    std::string d =
        "V 1\n77\n"
        " 2\n 0 0.0 0.0\n 1 4.0 0.0\n"
        " 6\n"
        "0 P  0.0 0.0 0 0.0\n1 P  0.0 0.0 1 0.0\n2 D  0.0 0.0 2 0.0\n"
        "3 D  0.0 0.0 0 0.0\n4 P  0.0 0.0 1 0.0\n5 D  0.0 0.0 2 0.0\n"
        " 1\n 0\n 0 1 2 3 4 5\n 0  1\n 1\n 1\n"
        "2\n0  1 \n3  4 \n"
        "1\n10000001\n1.0\nLF\n1\n"
        "1\n10000002\n10000001\nP\n5.0\n0\n0.0\n2\n1\n0.5\n1\n"
        "1\nq\n10000003\n10000001\n1.0\n1.0\n0.0\n2\n0\n0.0 1.0\n"
        "1\n0\nK\n1\n10000001 1.0\n";
    if (!alt.empty()) {
        std::size_t i = d.find(alt);
        EXPECT_NE(i, std::string::npos) << alt;
        if (i != std::string::npos) d.replace(i, alt.size(), neu);
    }
    return d;
}

}  // namespace

class SystemdateiFehlerTest : public SystemdateiTest {
protected:
    // Writes `inhalt` and reads it; checks that a refusal leaves the open
    // Systems as they were.
    System* Lesen(const std::string& inhalt) {
        pfad = verzeichnis.Pfad("t.sysdat");
        DateiSchreiben(pfad, inhalt);
        const long vorher = KeAnzahl(Programm.Systeme);
        bericht.Diagnosen.clear();
        System* gelesen = SystemLesen(pfad.c_str());
        ausgabe = bericht.Diagnosen;
        if (!gelesen) {
            EXPECT_EQ(KeAnzahl(Programm.Systeme), vorher);
            EXPECT_FALSE(Gemeldet("System geladen !"));
        }
        return gelesen;
    }
    std::string pfad;
    std::string ausgabe;
};

TEST_F(SystemdateiFehlerTest, GueltigeVorlageWirdGelesen) {
    System* gelesen = Lesen(Datei());
    ASSERT_NE(gelesen, nullptr);
    EXPECT_EQ(KeAnzahl(gelesen->Punktlasten), 1);
    EXPECT_EQ(KeAnzahl(gelesen->Streckenlasten), 1);
}

TEST_F(SystemdateiFehlerTest, KopfWirdGeprueft) {
    EXPECT_EQ(SystemLesen(verzeichnis.Pfad("fehlt.sysdat").c_str()), nullptr);
    EXPECT_EQ(bericht.Texte(), std::vector<std::string>{"Fehler beim Oeffnen der Datei !"});
    EXPECT_EQ(SystemLesen(verzeichnis.Pfad().c_str()), nullptr);  // a directory
    EXPECT_EQ(SystemLesen(nullptr), nullptr);
    EXPECT_EQ(Programm.Systeme, nullptr);

    bericht.Zeilen.clear();
    EXPECT_EQ(Lesen("X 1\n77\n"), nullptr);
    EXPECT_EQ(bericht.Texte(), std::vector<std::string>{"Dies ist keine gültige Velko-Systembeschreibungsdatei."_l1});
    EXPECT_EQ(ausgabe, "\nDatei nicht gelesen!!!\nDer erste String sollte ein V sein ist aber: X\n");
    EXPECT_EQ(Lesen(""), nullptr);
    EXPECT_EQ(Lesen(" \n\t "), nullptr);

    bericht.Zeilen.clear();
    EXPECT_EQ(Lesen(Datei("V 1", "V 2")), nullptr);
    EXPECT_EQ(bericht.Texte(), std::vector<std::string>{"Dies ist keine gültige Velko-Systembeschreibungsdatei."_l1});
    EXPECT_EQ(ausgabe,
              "\nAllgemeine Version des Dateiformats: V\n\nDatei nicht gelesen!!!\n"
              "Es gibt nur V 1 diese Datei aber hat: V 2\n");
    EXPECT_EQ(Lesen("V eins"), nullptr);
}

TEST_F(SystemdateiFehlerTest, FalscherFgStatusBeendetNichtSondernVerweigertDieDatei) {
    System* offen = Anlegen(1);
    EXPECT_EQ(Lesen(Datei("2 D ", "2 X ")), nullptr);
    EXPECT_TRUE(Gemeldet("Fehler beim Einlesen der Freiheitsgrade !\n"));
    EXPECT_TRUE(Gemeldet("!! FG - Status = X\n"));
    EXPECT_TRUE(Gemeldet("Datei " + pfad + " nicht gelesen !"));
    EXPECT_EQ(NeuestesSystem(), offen);
    EXPECT_EQ(KeAnzahl(Programm.Systeme), 1);
}

TEST_F(SystemdateiFehlerTest, BeschaedigteDateiWirdMitDateinamenAbgelehnt) {
    const std::pair<std::string, std::string> faelle[] = {
        {" 1 4.0 0.0", " 1 4,0 0.0"},          // decimal comma
        {" 1 4.0 0.0", " 1 nan 0.0"},          // not finite
        {" 1 4.0 0.0", " 1 1e999 0.0"},        // out of range
        {" 1 4.0 0.0", " 0 4.0 0.0"},          // point number twice
        {"5 D  0.0 0.0 2", "4 D  0.0 0.0 2"},  // degree of freedom twice
        {"5 D  0.0 0.0 2", "5 D  0.0 0.0 7"},  // no such direction
        {"0 1 2 3 4 5", "1 0 2 3 4 5"},        // x record in a y slot
        {" 2\n 0 0.0", " -2\n 0 0.0"},         // negative count
        {" 2\n 0 0.0", " 99999999999999999999\n 0 0.0"},
        {"\n 0  1\n", "\n 0  eins\n"},
        {"10000001 1.0\n", "10000001\n"},  // share without factor
        {"1\n0\nK\n1", "1\n-1\nK\n1"},     // negative combination number
    };
    for (const auto& [alt, neu] : faelle) {
        bericht.Zeilen.clear();
        EXPECT_EQ(Lesen(Datei(alt, neu)), nullptr) << neu;
        EXPECT_TRUE(Gemeldet("Datei " + pfad + " ist fehlerhaft und wurde nicht gelesen !")) << neu;
        EXPECT_TRUE(GemeldetBeginnend("(Wort ")) << neu;
        EXPECT_NE(ausgabe.find("\nDatei nicht gelesen!!!\n"), std::string::npos);
    }
}

TEST_F(SystemdateiFehlerTest, UnzulaessigeKennziffernUndLagenNennenDieLast) {
    const std::string punktlast = "P\n5.0\n0\n0.0\n2\n1\n0.5\n1\n";
    const std::string streckenlast = "0.0\n2\n0\n0.0 1.0";
    const std::string pl = "Punktlast 10000002 \"P\": ", sl = "Streckenlast 10000003 \"q\": ";
    struct Fall {
        std::string alt, neu, meldung;
    };
    const Fall faelle[] = {
        {punktlast, "P\n5.0\n0\n0.0\n7\n1\n0.5\n1\n", pl + "Koordinatensystem 7 "},
        {punktlast, "P\n5.0\n0\n0.0\n2\n9\n0.5\n1\n", pl + "Positionsbezug 9 "},
        {punktlast, "P\n5.0\n0\n0.0\n2\n1\n0.5\n3\n", pl + "Art 3 "},  // neither force nor moment
        {punktlast, "P\n5.0\n0\n0.0\n2\n1\n2.0\n1\n", pl + "Position 2 liegt nicht auf dem Stab"},
        {punktlast, "P\n5.0\n0\n0.0\n2\n1\n-0.1\n1\n", pl + "Position -0.1 liegt"},
        {streckenlast, "0.0\n0\n0\n0.0 1.0", sl + "Koordinatensystem 0 "},
        {streckenlast, "0.0\n2\n0\n0.0 1.5", sl + "Position 0 bis 1.5 liegt nicht"},
        {streckenlast, "0.0\n2\n0\n0.75 0.25", sl + "Position A 0.75 hinter Position B 0.25"},
        {"LF\n1\n", "LF\n5\n", "Lastfall aktiv "},  // 1, 0 or -1
    };
    for (const Fall& f : faelle) {
        bericht.Zeilen.clear();
        EXPECT_EQ(Lesen(Datei(f.alt, f.neu)), nullptr) << f.neu;
        EXPECT_TRUE(Gemeldet("Datei " + pfad + " ist fehlerhaft und wurde nicht gelesen !")) << f.neu;
        bool gefunden = false;
        for (const std::string& t : bericht.Texte()) gefunden |= t.find(f.meldung) != std::string::npos;
        EXPECT_TRUE(gefunden) << f.meldung;
    }
    // The limits themselves are on the bar.
    EXPECT_NE(Lesen(Datei(punktlast, "P\n5.0\n0\n0.0\n1\n2\n1.0\n2\n")), nullptr);
}

TEST_F(SystemdateiFehlerTest, NurGewoehnlicheDateienBegrenzterGroesse) {
    // Neither blocks on a pipe nor reads an endless device.
    const std::string fifo = verzeichnis.Pfad("rohr.sysdat");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    for (const std::string& p : {fifo, std::string("/dev/zero")}) {
        bericht.Zeilen.clear();
        EXPECT_EQ(SystemLesen(p.c_str()), nullptr);
        EXPECT_TRUE(Gemeldet("Datei " + p + " ist keine reguläre Datei !"_l1)) << p;
    }
    // An overlong token is damage, whatever it would have been.
    EXPECT_EQ(Lesen(Datei(" 1 4.0 0.0", " 1 4." + std::string(500, '0') + " 0.0")), nullptr);
    EXPECT_TRUE(GemeldetBeginnend("(Wort 9: x-Koordinate zu lang: "));
    EXPECT_EQ(Programm.Systeme, nullptr);
}

TEST_F(SystemdateiFehlerTest, AbgeschnitteneDateiHinterlaesstNieEinSystem) {
    for (const std::string& vorlage : {Datei(), DateiLesen(Fixture("klein.sysdat"))}) {
        // Where the last token starts: any shorter prefix lacks a value.
        std::size_t letztes = vorlage.find_last_not_of(" \n");
        letztes = vorlage.find_last_of(" \n", letztes) + 1;
        for (std::size_t n = 0; n < vorlage.size(); ++n) {
            System* gelesen = Lesen(vorlage.substr(0, n));
            if (n <= letztes) {
                EXPECT_EQ(gelesen, nullptr) << "prefix " << n;
            }
            if (gelesen) SystemLoeschen(gelesen);
            bericht.Zeilen.clear();
        }
    }
}

TEST_F(SystemdateiFehlerTest, FehlendeBezuegeBleibenLeerUndWerdenGemeldet) {
    // Bar to point 9 and degree of freedom 42, neither of which exists.
    sys = Lesen(Datei(" 0 1 2 3 4 5\n 0  1\n", " 0 1 2 42 4 5\n 0  9\n"));
    ASSERT_NE(sys, nullptr);
    Stab* s = StabSuchen(*sys, 0);
    EXPECT_EQ(s->PunktB, nullptr);
    EXPECT_EQ(s->Freiheitsgrade[FG_BX], nullptr);
    EXPECT_NE(s->Freiheitsgrade[FG_BY], nullptr);
    EXPECT_TRUE(Gemeldet("Stab 0: Punkt 9 existiert nicht !"));
    EXPECT_TRUE(Gemeldet("Stab 0: Freiheitsgrad 42 existiert nicht !"));
    // Empty references are written as -1 and stay empty on the next read.
    const std::string neu = verzeichnis.Pfad("neu.sysdat");
    ASSERT_TRUE(SystemSchreiben(*sys, neu.c_str()));
    EXPECT_NE(DateiLesen(neu).find(" 0 1 2 -1 4 5\n 0  -1\n"), std::string::npos);
    System* wieder = SystemLesen(neu.c_str());
    ASSERT_NE(wieder, nullptr);
    EXPECT_EQ(StabSuchen(*wieder, 0)->PunktB, nullptr);
}

TEST_F(SystemdateiFehlerTest, FehlendeStaebeUndKatalogeintraegeWerdenGemeldet) {
    std::string d = Datei("1\n10000002\n10000001\nP\n5.0\n0\n",
                          "2\n10000002\n10000001\nP\n5.0\n0\n0.0\n2\n1\n0.5\n1\n"
                          "10000005\n10000001\nweg\n5.0\n3\n");
    auto ersetzen = [&d](const std::string& alt, const std::string& neu) { d.replace(d.find(alt), alt.size(), neu); };
    ersetzen("3  4 \n", "3  99 \n");
    ersetzen("0.0\n2\n0\n0.0 1.0", "0.0\n2\n8\n0.0 1.0");
    sys = Lesen(d);
    ASSERT_NE(sys, nullptr);
    EXPECT_TRUE(Gemeldet("(Lese Punktlast) Stab existiert nicht !"));
    EXPECT_TRUE(Gemeldet("Stab existiert nicht !"));
    EXPECT_TRUE(Gemeldet("Fehler bei FG Relation"));
    EXPECT_TRUE(Gemeldet("es wurden Stäbe ohne Material geladen !"_l1));
    EXPECT_TRUE(Gemeldet("es wurden Stäbe ohne Querschnitt geladen !"_l1));
    // The other point load is kept, the distributed load on bar 8 dropped.
    EXPECT_EQ(KeAnzahl(sys->Punktlasten), 1);
    EXPECT_NE(PunktlastSuchen(*sys, 10000002), nullptr);
    EXPECT_EQ(KeAnzahl(sys->Streckenlasten), 0);
    EXPECT_EQ(sys->FgRelationen->top, 1);
    EXPECT_EQ(StabSuchen(*sys, 0)->Material, 1);
}

TEST_F(SystemdateiFehlerTest, UngueltigerStatusBeimSchreibenBeendetNichtUndErhaeltDieDatei) {
    KleinesSystem();
    const std::string ziel = verzeichnis.Pfad("alt.sysdat");
    DateiSchreiben(ziel, "alter Inhalt");
    static_cast<Freiheitsgrad*>(sys->Freiheitsgrade->next->element)->Status = STATUS_NEGATIV;
    EXPECT_FALSE(SystemSchreiben(*sys, ziel.c_str()));
    EXPECT_EQ(bericht.Diagnosen, "Fehler beim Schreiben der Freiheitsgrade !\n");
    EXPECT_TRUE(Gemeldet("Fehler beim Schreiben der Freiheitsgrade !"));
    EXPECT_EQ(DateiLesen(ziel), "alter Inhalt");
    EXPECT_EQ(sys->Aenderungen, 7);
    EXPECT_STREQ(sys->Dateiname, "noname");
}

TEST_F(SystemdateiFehlerTest, FehlgeschlagenesSchreibenLaesstDieAlteDateiStehen) {
    Anlegen(1);
    EXPECT_FALSE(SystemSchreiben(*sys, verzeichnis.Pfad("gibt/es/nicht").c_str()));
    EXPECT_TRUE(Gemeldet("Fehler beim Schreiben !"));
    EXPECT_FALSE(SystemSchreiben(*sys, std::string(400, 'a').c_str()));

    if (geteuid() != 0) {  // root may write anywhere
        const std::string ziel = verzeichnis.Pfad("fest.sysdat");
        DateiSchreiben(ziel, "alt");
        chmod(verzeichnis.Pfad().c_str(), 0555);
        EXPECT_FALSE(SystemSchreiben(*sys, ziel.c_str()));
        chmod(verzeichnis.Pfad().c_str(), 0755);
        EXPECT_EQ(DateiLesen(ziel), "alt");
    }
    EXPECT_STREQ(sys->Dateiname, "noname");
    // No temporary files are left behind.
    int dateien = 0;
    for (auto& e : std::filesystem::directory_iterator(verzeichnis.Pfad())) dateien += e.is_regular_file();
    EXPECT_EQ(dateien, geteuid() != 0 ? 1 : 0);
}
