// Outputs that would destroy an input or one another are found under every
// name: relative, through links, not yet existing.
#include "files/ausgabepruefung.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include "tests/files/testverzeichnis.h"

TEST(Ausgabepruefung, DieselbeDateiUnterAllenNamen) {
    Testverzeichnis tv;
    const std::string a = tv.Pfad("a.list");
    DateiSchreiben(a, "x");
    ASSERT_EQ(link(a.c_str(), tv.Pfad("hart").c_str()), 0);
    ASSERT_EQ(symlink("a.list", tv.Pfad("weich").c_str()), 0);
    ASSERT_EQ(mkdir(tv.Pfad("u").c_str(), 0755), 0);
    EXPECT_TRUE(DieselbeDatei(a, tv.Pfad("u/../a.list")));
    EXPECT_TRUE(DieselbeDatei(a, tv.Pfad("hart")));
    EXPECT_TRUE(DieselbeDatei(a, tv.Pfad("weich")));
    EXPECT_FALSE(DieselbeDatei(a, tv.Pfad("b.list")));
    // Names still to be created: by directory and name, also through a
    // link that points to nothing yet.
    ASSERT_EQ(symlink("neu.list", tv.Pfad("zeiger").c_str()), 0);
    EXPECT_TRUE(DieselbeDatei(tv.Pfad("neu.list"), tv.Pfad("u/../neu.list")));
    EXPECT_TRUE(DieselbeDatei(tv.Pfad("zeiger"), tv.Pfad("neu.list")));
    EXPECT_FALSE(DieselbeDatei(tv.Pfad("neu.list"), tv.Pfad("u/neu.list")));
    EXPECT_FALSE(DieselbeDatei(tv.Pfad("fehlt/x"), tv.Pfad("fehlt/x")));
}

TEST(Ausgabepruefung, EingabeUndDoppelteAusgabeWerdenVerweigert) {
    Testverzeichnis tv;
    const std::string sys = tv.Pfad("r.sysdat");
    DateiSchreiben(sys, "V 1");
    ASSERT_EQ(symlink("r.sysdat", tv.Pfad("r.list").c_str()), 0);
    EXPECT_EQ(AusgabenPruefen({sys}, {tv.Pfad("r.list")}),
              "Ausgabe " + tv.Pfad("r.list") + " w\xFCrde die Eingabe " + sys + " \xFC" "berschreiben !");
    EXPECT_EQ(AusgabenPruefen({sys}, {tv.Pfad("a.list"), "-", "", tv.Pfad("./a.list")}),
              tv.Pfad("./a.list") + " ist zweimal als Ausgabe angegeben !");
    EXPECT_EQ(AusgabenPruefen({sys, tv.Pfad("fehlt.massdat")}, {tv.Pfad("a.list"), tv.Pfad("a.tab"), "-", "-"}),
              "");
    // A device may take several outputs one after the other.
    EXPECT_EQ(AusgabenPruefen({sys}, {"/dev/null", "/dev/null"}), "");
}
