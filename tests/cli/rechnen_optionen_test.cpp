#include "cli/rechnen_optionen.h"
#include "core/latin1.h"

#include <gtest/gtest.h>

#include <initializer_list>

namespace {

struct Aufruf {
    RechnenAuftrag auftrag;
    std::string fehler;
    bool gelungen = false;
};

Aufruf Lesen(std::initializer_list<const char*> args) {
    std::vector<const char*> argv{"velko-rechnen"};
    argv.insert(argv.end(), args);
    Aufruf a;
    a.gelungen = RechnenOptionenLesen(static_cast<int>(argv.size()), argv.data(), a.auftrag, a.fehler);
    return a;
}

TEST(RechnenOptionen, NimmtWerteGetrenntOderMitGleichheitszeichen) {
    Aufruf a = Lesen({"--liste", "a.list", "--tabelle=b.tab", "--katalog", "/k", "--stabteilungen=10",
                      "rahmen.sysdat"});
    ASSERT_TRUE(a.gelungen) << a.fehler;
    EXPECT_EQ(a.auftrag.Systemdatei, "rahmen.sysdat");
    EXPECT_EQ(a.auftrag.Liste, "a.list");
    EXPECT_EQ(a.auftrag.Tabelle, "b.tab");
    EXPECT_EQ(a.auftrag.Katalog, "/k");
    EXPECT_EQ(a.auftrag.Stabteilungen, 10);
    EXPECT_FALSE(a.auftrag.Hilfe);

    // Without options: listing to standard output, divisions as stored.
    Aufruf b = Lesen({"x.sysdat"});
    ASSERT_TRUE(b.gelungen);
    EXPECT_TRUE(b.auftrag.Liste.empty());
    EXPECT_EQ(b.auftrag.Stabteilungen, 0);

    // "--" lets a file name begin with a dash; "-" alone is a name too.
    Aufruf c = Lesen({"--liste", "-", "--", "-seltsam.sysdat"});
    ASSERT_TRUE(c.gelungen) << c.fehler;
    EXPECT_EQ(c.auftrag.Systemdatei, "-seltsam.sysdat");
    EXPECT_EQ(c.auftrag.Liste, "-");
}

TEST(RechnenOptionen, HilfeBrauchtKeineSystemdatei) {
    for (const char* name : {"--hilfe", "--help"}) {
        Aufruf a = Lesen({name});
        ASSERT_TRUE(a.gelungen) << name << ": " << a.fehler;
        EXPECT_TRUE(a.auftrag.Hilfe);
    }
    EXPECT_FALSE(Lesen({"--hilfe=ja"}).gelungen);
}

TEST(RechnenOptionen, WeistFehlerhafteAufrufeMitMeldungZurueck) {
    struct Fall {
        std::initializer_list<const char*> args;
        const char* teil;  // part of the expected message
    };
    const Fall faelle[] = {
        {{}, "keine Systemdatei"},
        {{"--liste", "a.list"}, "keine Systemdatei"},
        {{"a.sysdat", "b.sysdat"}, "mehr als eine Systemdatei"},
        {{"--plot", "a.sysdat"}, "unbekannte Option '--plot'"},
        {{"-x", "a.sysdat"}, "unbekannte Option"},
        {{"a.sysdat", "--liste"}, "--liste erwartet DATEI"},
        {{"--liste=", "a.sysdat"}, "erwartet einen Dateinamen"},
        {{"--stabteilungen", "0", "a.sysdat"}, "--stabteilungen"},
        {{"--stabteilungen", "-3", "a.sysdat"}, "--stabteilungen"},
        {{"--stabteilungen", "2.5", "a.sysdat"}, "--stabteilungen"},
        {{"--stabteilungen", "zehn", "a.sysdat"}, "--stabteilungen"},
        {{"--stabteilungen", "", "a.sysdat"}, "--stabteilungen"},
        {{"--stabteilungen", "99999999999999999999", "a.sysdat"}, "--stabteilungen"},
        {{"--stabteilungen", "1001", "a.sysdat"}, "1000"},
        {{"--liste", "x", "--tabelle", "x", "a.sysdat"}, "dieselbe Datei"},
        // Only one of the two may go to standard output.
        {{"--tabelle", "-", "a.sysdat"}, "Standardausgabe"},
        {{"--liste", "-", "--tabelle", "-", "a.sysdat"}, "Standardausgabe"},
        // The critical load factor alone has no listing, table or plot.
        {{"--verzweigungslast", "--liste", "a.list", "a.sysdat"}, "--verzweigungslast"},
        {{"--verzweigungslast", "--ps", "a.ps", "a.sysdat"}, "--verzweigungslast"},
        {{"--theorie2=ja", "a.sysdat"}, "erwartet keinen Wert"},
    };
    for (const Fall& f : faelle) {
        Aufruf a = Lesen(f.args);
        EXPECT_FALSE(a.gelungen) << f.teil;
        EXPECT_NE(a.fehler.find(f.teil), std::string::npos) << a.fehler;
    }
    // The limits themselves are accepted.
    EXPECT_TRUE(Lesen({"--stabteilungen", "1", "a.sysdat"}).gelungen);
    EXPECT_TRUE(Lesen({"--stabteilungen", "1000", "a.sysdat"}).gelungen);
    EXPECT_TRUE(Lesen({"--liste", "a.list", "--tabelle", "-", "a.sysdat"}).gelungen);
    const Aufruf zweite = Lesen({"--theorie2", "--verzweigungslast", "a.sysdat"});
    EXPECT_TRUE(zweite.gelungen);
    EXPECT_TRUE(zweite.auftrag.TheorieII);
    EXPECT_TRUE(zweite.auftrag.NurVerzweigung);
}

TEST(RechnenOptionen, HilfeNenntJedeOptionDerTabelle) {
    std::string hilfe = RechnenHilfe("velko-rechnen");
    EXPECT_EQ(hilfe.rfind("Aufruf: velko-rechnen [Optionen] SYSTEMDATEI", 0), 0u);
    for (const RechnenOption& o : RechnenOptionen()) {
        EXPECT_NE(hilfe.find(o.Name), std::string::npos) << o.Name;
        EXPECT_NE(hilfe.find(o.Beschreibung), std::string::npos) << o.Name;
        if (o.Argument) {
            EXPECT_NE(hilfe.find(std::string(o.Name) + " " + o.Argument), std::string::npos);
        }
    }
    EXPECT_NE(hilfe.find("Rückgabewert"_l1), std::string::npos);
}

}  // namespace

namespace {

TEST(RechnenOptionen, UmhuellendeUndSpannungenNurEineAufDieStandardausgabe) {
    Aufruf a = Lesen({"--umhuellende", "h.tab", "--spannungen=s.tab", "x.sysdat"});
    ASSERT_TRUE(a.gelungen) << a.fehler;
    EXPECT_EQ(a.auftrag.Umhuellende, "h.tab");
    EXPECT_EQ(a.auftrag.Spannungen, "s.tab");
    // Standard output carries the listing unless it goes to a file, and
    // then at most one table.
    EXPECT_FALSE(Lesen({"--umhuellende", "-", "x.sysdat"}).gelungen);
    EXPECT_TRUE(Lesen({"--liste", "a.list", "--umhuellende", "-", "x.sysdat"}).gelungen);
    EXPECT_FALSE(Lesen({"--liste", "a.list", "--umhuellende", "-", "--spannungen", "-", "x.sysdat"}).gelungen);
    EXPECT_FALSE(Lesen({"--umhuellende", "", "x.sysdat"}).gelungen);
}

}  // namespace
