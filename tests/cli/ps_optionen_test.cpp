// The plot options of velko-rechnen: defaults of the dialog, every setting
// reachable, and mistakes refused before any computing.
#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

#include "cli/rechnen_optionen.h"

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

}  // namespace

TEST(PsOptionen, OhneAngabenGeltenDieVorgabenDesDialogs) {
    Aufruf a = Lesen({"--ps", "r.ps", "r.sysdat"});
    ASSERT_TRUE(a.gelungen) << a.fehler;
    EXPECT_EQ(a.auftrag.Postscript, "r.ps");
    const Druckoptionen& p = a.auftrag.Plot;
    EXPECT_TRUE(p.System && p.Moment && p.Querkraft && p.Normalkraft && p.Verschiebung && p.Seitenzahlen);
    EXPECT_FALSE(p.Beschriftung || p.Freiheitsgrade || p.MarkierteStaebe || p.Querformat);
    EXPECT_EQ(p.MomentMassstab, 0.1);
    EXPECT_EQ(p.VerschiebungMassstab, 10);
    EXPECT_TRUE(Lesen({"r.sysdat"}).auftrag.Postscript.empty());
}

TEST(PsOptionen, JedeEinstellungErreichbar) {
    Aufruf a = Lesen({"--ps=r.ps", "--seiten", "moment,verformung", "--momentenmassstab", "0.02",
                      "--querkraftmassstab=0.05", "--normalkraftmassstab", "-0.5", "--verschiebungsmassstab",
                      "100", "--beschriftung", "--ohne-seitenzahlen", "--markierte-staebe", "--freiheitsgrade",
                      "--querformat", "r.sysdat"});
    ASSERT_TRUE(a.gelungen) << a.fehler;
    const Druckoptionen& p = a.auftrag.Plot;
    EXPECT_FALSE(p.System || p.Querkraft || p.Normalkraft);
    EXPECT_TRUE(p.Moment && p.Verschiebung);
    EXPECT_EQ(p.MomentMassstab, 0.02);
    EXPECT_EQ(p.QuerkraftMassstab, 0.05);
    EXPECT_EQ(p.NormalkraftMassstab, -0.5);
    EXPECT_EQ(p.VerschiebungMassstab, 100);
    EXPECT_TRUE(p.Beschriftung && p.MarkierteStaebe && p.Freiheitsgrade && p.Querformat);
    EXPECT_FALSE(p.Seitenzahlen);
    // Every option is in the usage text.
    const std::string hilfe = RechnenHilfe("velko-rechnen");
    for (const char* o : {"--ps DATEI", "--seiten LISTE", "--momentenmassstab X", "--querkraftmassstab X",
                          "--normalkraftmassstab X", "--verschiebungsmassstab X", "--beschriftung",
                          "--ohne-seitenzahlen", "--markierte-staebe", "--freiheitsgrade", "--querformat"})
        EXPECT_NE(hilfe.find(o), std::string::npos) << o;
}

TEST(PsOptionen, FehlerWerdenVorDemRechnenAbgewiesen) {
    struct Fall {
        std::initializer_list<const char*> args;
        const char* meldung;
    };
    const Fall faelle[] = {
        {{"--ps", "r.ps", "--seiten", "moment,grundriss", "r.sysdat"}, "grundriss"},
        {{"--ps", "r.ps", "--seiten", "", "r.sysdat"}, "--seiten"},
        {{"--ps", "r.ps", "--seiten", "moment,", "r.sysdat"}, "--seiten"},
        {{"--ps", "r.ps", "--momentenmassstab", "0,1", "r.sysdat"}, "--momentenmassstab"},
        {{"--ps", "r.ps", "--verschiebungsmassstab", "inf", "r.sysdat"}, "--verschiebungsmassstab"},
        {{"--ps", "r.ps", "--querkraftmassstab", "1e999", "r.sysdat"}, "--querkraftmassstab"},
        {{"--ps", "", "r.sysdat"}, "--ps"},
        {{"--ps", "a.list", "--liste", "a.list", "r.sysdat"}, "dieselbe Datei"},
        {{"--querformat", "r.sysdat"}, "--ps"},
        {{"--momentenmassstab", "0.2", "r.sysdat"}, "--ps"},
        {{"--beschriftung=ja", "--ps", "r.ps", "r.sysdat"}, "keinen Wert"},
        {{"--pdf", "", "r.sysdat"}, "--pdf"},
        {{"--pdf", "r.ps", "--ps", "r.ps", "r.sysdat"}, "dieselbe Datei"},
        {{"--pdf", "r.list", "--liste", "r.list", "r.sysdat"}, "dieselbe Datei"},
    };
    for (const Fall& f : faelle) {
        Aufruf a = Lesen(f.args);
        EXPECT_FALSE(a.gelungen) << *f.args.begin();
        EXPECT_NE(a.fehler.find(f.meldung), std::string::npos) << a.fehler;
    }
}

TEST(PsOptionen, PdfNimmtDieselbenPlotoptionen) {
    Aufruf a = Lesen({"--pdf", "r.pdf", "--seiten", "moment", "--querformat", "r.sysdat"});
    ASSERT_TRUE(a.gelungen) << a.fehler;
    EXPECT_EQ(a.auftrag.Pdf, "r.pdf");
    EXPECT_TRUE(a.auftrag.Postscript.empty());
    EXPECT_TRUE(a.auftrag.Plot.Moment && a.auftrag.Plot.Querformat);
    EXPECT_FALSE(a.auftrag.Plot.System);
    Aufruf beide = Lesen({"--ps", "r.ps", "--pdf=r.pdf", "r.sysdat"});
    ASSERT_TRUE(beide.gelungen) << beide.fehler;
    EXPECT_EQ(beide.auftrag.Postscript, "r.ps");
    EXPECT_EQ(beide.auftrag.Pdf, "r.pdf");
}
