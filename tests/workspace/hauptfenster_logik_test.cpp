// Logic behind the main window's widgets: systems choice lines, the exit
// sequence, the command line and the progress filter.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <vector>

#include "core/latin1.h"
#include "workspace/beenden.h"
#include "core/bericht.h"
#include "workspace/eingabetext.h"
#include "workspace/fortschritt.h"
#include "workspace/kommandozeile.h"
#include "core/programm.h"
#include "workspace/systemauswahl.h"
#include "core/systemoperationen.h"

TEST(Systemauswahl, ZeilenformatUndNoname) {
    EXPECT_EQ(SystemauswahlZeile(7, "/home/u/a.sysdat"), "  7 /home/u/a.sysdat");
    EXPECT_EQ(SystemauswahlZeile(12, ""), " 12 noname");
    EXPECT_EQ(SystemauswahlZeile(3, nullptr), "  3 noname");
    EXPECT_EQ(SystemauswahlZeile(1234, "x"), "1234 x");
}

TEST(Systemauswahl, NummerZurueckLesen) {
    EXPECT_EQ(SystemauswahlNummer("  7 /home/u/a.sysdat"), 7);
    EXPECT_EQ(SystemauswahlNummer(" 12 noname"), 12);
    // A file name starting with digits must not run into the number.
    EXPECT_EQ(SystemauswahlNummer("  5 123.sysdat"), 5);
    // Beyond three digits the whole number counts, not its first three.
    EXPECT_EQ(SystemauswahlNummer("1234 x"), 1234);
    EXPECT_EQ(SystemauswahlNummer("999"), 999);
    EXPECT_EQ(SystemauswahlNummer(""), -1);
    EXPECT_EQ(SystemauswahlNummer(nullptr), -1);
    EXPECT_EQ(SystemauswahlNummer("abc"), -1);
    EXPECT_EQ(SystemauswahlNummer(" 1x2 a"), -1);
    for (long n : {0L, 1L, 99L, 999L, 1000L, 123456L})
        EXPECT_EQ(SystemauswahlNummer(SystemauswahlZeile(n, "7 d").c_str()), n);
}

TEST(Systemauswahl, SonderzeichenDerAuswahlGeschuetzt) {
    EXPECT_EQ(FuerAuswahlSchuetzen("  1 /a%b|c|d"), "  1 /a%b/c/d");
    EXPECT_EQ(FuerAuswahlSchuetzen("  2 noname"), "  2 noname");
}

// ------------------------------------------------------------ exit

class Beenden : public ::testing::Test {
protected:
    void SetUp() override {
        vorher_ = BerichtSetzen(&bericht_);
        ProgrammZuruecksetzen();
    }
    void TearDown() override {
        ProgrammZuruecksetzen();
        BerichtSetzen(vorher_);
    }
    SammelBericht bericht_;
    Berichtsempfaenger* vorher_ = nullptr;

    System* Neu(long aenderungen) {
        System* s = SystemErzeugen();
        s->Aenderungen = aenderungen;
        return s;
    }

    // Answers in order; records whom it asked and whom it saved.
    Beendenablauf Ablauf(std::vector<Beendenantwort> antworten, bool sichernGelingt = true) {
        antworten_ = std::move(antworten);
        Beendenablauf a;
        a.KatalogeSchreiben = [this] { ++katalogeGeschrieben; };
        a.Aktivieren = [this](System* s) { aktiviert = s; };
        a.Fragen = [this](System* s) {
            EXPECT_EQ(aktiviert, s) << "shown before it is asked about";
            gefragt.push_back(s);
            Beendenantwort r = antworten_.empty() ? Beendenantwort::Abbruch : antworten_.front();
            if (!antworten_.empty()) antworten_.erase(antworten_.begin());
            return r;
        };
        a.Sichern = [this, sichernGelingt](System* s) {
            gesichert.push_back(s);
            if (sichernGelingt) s->Aenderungen = 0;
            return sichernGelingt;
        };
        return a;
    }

    int katalogeGeschrieben = 0;
    System* aktiviert = nullptr;
    std::vector<System*> gefragt, gesichert;
    std::vector<Beendenantwort> antworten_;
};

TEST_F(Beenden, OhneSystemOhneFrage) {
    EXPECT_TRUE(BeendenPruefen(Ablauf({})));
    EXPECT_EQ(katalogeGeschrieben, 1);
    EXPECT_TRUE(gefragt.empty());
}

TEST_F(Beenden, UnveraenderteSystemeOhneFrage) {
    Neu(0);
    Neu(0);
    EXPECT_TRUE(BeendenPruefen(Ablauf({})));
    EXPECT_TRUE(gefragt.empty());
}

TEST_F(Beenden, ZweiMalFragenUndZweitesMalAbbrechen) {
    System* a = Neu(1);
    System* b = Neu(2);
    EXPECT_FALSE(BeendenPruefen(Ablauf({Beendenantwort::Beenden, Beendenantwort::Abbruch})));
    ASSERT_EQ(gefragt.size(), 2u);
    EXPECT_TRUE(gesichert.empty());
    // The last System asked about stays shown; catalogues were written.
    EXPECT_EQ(aktiviert, gefragt.back());
    EXPECT_EQ(katalogeGeschrieben, 1);
    EXPECT_TRUE((gefragt[0] == a && gefragt[1] == b) || (gefragt[0] == b && gefragt[1] == a));
}

TEST_F(Beenden, NurVeraenderteWerdenGefragt) {
    Neu(0);
    System* b = Neu(5);
    Neu(0);
    EXPECT_TRUE(BeendenPruefen(Ablauf({Beendenantwort::Beenden})));
    EXPECT_EQ(gefragt, std::vector<System*>{b});
}

TEST_F(Beenden, SpeichernUndBeenden) {
    System* a = Neu(1);
    EXPECT_TRUE(BeendenPruefen(Ablauf({Beendenantwort::SpeichernUndBeenden})));
    EXPECT_EQ(gesichert, std::vector<System*>{a});
}

TEST_F(Beenden, FehlgeschlagenesSpeichernBeendetNicht) {
    Neu(1);
    Neu(1);
    EXPECT_FALSE(BeendenPruefen(Ablauf({Beendenantwort::SpeichernUndBeenden, Beendenantwort::Beenden},
                                       false)));
    // Stopped at the first failed save: the second System was not asked.
    EXPECT_EQ(gefragt.size(), 1u);
    EXPECT_EQ(gesichert.size(), 1u);
}

TEST_F(Beenden, SchliessenFragtNurBeiAenderungen) {
    System* s = Neu(0);
    int gefragt = 0, gesichert = 0;
    auto fragen = [&](Beendenantwort a) {
        return [&gefragt, a](System*) { ++gefragt; return a; };
    };
    auto sichern = [&](bool gelingt) {
        return [&gesichert, gelingt](System*) { ++gesichert; return gelingt; };
    };
    EXPECT_TRUE(SchliessenPruefen(s, fragen(Beendenantwort::Abbruch), sichern(true)));
    EXPECT_EQ(gefragt, 0);
    s->Aenderungen = 3;
    EXPECT_FALSE(SchliessenPruefen(s, fragen(Beendenantwort::Abbruch), sichern(true)));
    EXPECT_TRUE(SchliessenPruefen(s, fragen(Beendenantwort::Beenden), sichern(true)));
    EXPECT_EQ(gesichert, 0);
    EXPECT_TRUE(SchliessenPruefen(s, fragen(Beendenantwort::SpeichernUndBeenden), sichern(true)));
    // A failed save keeps the System open.
    EXPECT_FALSE(SchliessenPruefen(s, fragen(Beendenantwort::SpeichernUndBeenden), sichern(false)));
    EXPECT_EQ(gefragt, 4);
    EXPECT_EQ(gesichert, 2);
    EXPECT_TRUE(SchliessenPruefen(nullptr, nullptr, nullptr));
}

// ------------------------------------------------------------ command line

TEST(Kommandozeile, ErstesUebrigesArgumentIstDieDatei) {
    char p[] = "velko", d[] = "/tmp/a.sysdat", e[] = "b.sysdat", leer[] = "", ende[] = "--",
         strich[] = "-seltsam.sysdat";
    {
        char* argv[] = {p, nullptr};
        Kommandozeile k = KommandozeileAuswerten(1, argv);
        EXPECT_EQ(k.Systemdatei, nullptr);
    }
    {
        char* argv[] = {p, d, e, nullptr};
        Kommandozeile k = KommandozeileAuswerten(3, argv);
        EXPECT_STREQ(k.Systemdatei, d);
        EXPECT_EQ(k.Ueberzaehlig, 1);
    }
    {
        char* argv[] = {p, leer, d, nullptr};
        EXPECT_STREQ(KommandozeileAuswerten(3, argv).Systemdatei, d);
    }
    {
        char* argv[] = {p, ende, strich, nullptr};
        EXPECT_STREQ(KommandozeileAuswerten(3, argv).Systemdatei, strich);
    }
    EXPECT_EQ(KommandozeileAuswerten(0, nullptr).Systemdatei, nullptr);
}

// ------------------------------------------------------------ progress

TEST(Fortschritt, NurBeiNeuerPixelpositionZeichnen) {
    Fortschrittsfilter f(256);
    EXPECT_TRUE(f.Aendern(0.0));
    EXPECT_FALSE(f.Aendern(0.0));
    EXPECT_FALSE(f.Aendern(1.0 / 512));  // still pixel 0
    EXPECT_TRUE(f.Aendern(1.0 / 256));
    EXPECT_TRUE(f.Aendern(1.0));
    EXPECT_FALSE(f.Aendern(7.0));  // clamped
    EXPECT_TRUE(f.Aendern(std::nan("")));
    EXPECT_EQ(f.Pixel(-3), 0);
    f.Zuruecksetzen();
    EXPECT_TRUE(f.Aendern(0.0));
}

TEST(Fortschritt, HunderttausendeZeilenWenigeZeichnungen) {
    Fortschrittsfilter f(256);
    int gezeichnet = 0;
    const int zeilen = 300000;
    for (int i = 0; i <= zeilen; ++i) gezeichnet += f.Aendern(static_cast<double>(i) / zeilen);
    EXPECT_EQ(gezeichnet, 257);
}

// ------------------------------------------------------------ input fields

TEST(Eingabetext, UmlauteLesbarSteuerzeichenWeg) {
    EXPECT_EQ(Eingabeform("  Länge : 4.000 m\n\r"_l1), "  Laenge : 4.000 m\n");
    EXPECT_EQ(Eingabeform("Größe Übergang Ärger Öl süß"_l1), "Groesse Uebergang Aerger Oel suess");
    EXPECT_EQ(Eingabeform("A : 0.0078 m²\n\r\f"_l1), "A : 0.0078 m2\n");
    EXPECT_EQ(Eingabeform("a\tb\x01" "c\xA9"), "abc?");
    EXPECT_EQ(Eingabeform(""), "");
}

TEST(Eingabetext, UnveraendertGiltDasOriginal) {
    std::string original = "  Länge\n\r\f"_l1;
    std::string angezeigt = Eingabeform(original);
    EXPECT_EQ(EingabeZurueckgewinnen(original, angezeigt, angezeigt), original);
    // Once edited, the field's text counts, also with typed umlauts.
    EXPECT_EQ(EingabeZurueckgewinnen(original, angezeigt, "  Länge neu\n"_l1), "  Länge neu\n"_l1);
    EXPECT_EQ(EingabeZurueckgewinnen(original, angezeigt, ""), "");
}
