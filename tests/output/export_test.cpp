// Export to files and print commands, the PostScript preview and the scale
// inputs of the plot options.
#include "core/latin1.h"
#include "output/export.h"
#include "output/tabellen_ergebnisse.h"
#include "core/umhuellende.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <functional>

#include "core/stabgeometrie.h"
#include "core/bericht.h"
#include "core/programm.h"
#include "core/systemoperationen.h"
#include "files/installation.h"
#include "files/pfade.h"
#include "output/druckauftrag.h"
#include "output/liste.h"
#include "output/pdf.h"
#include "output/plot.h"
#include "tests/files/testverzeichnis.h"

namespace {

class Export : public ::testing::Test {
protected:
    void SetUp() override {
        ProgrammZuruecksetzen();
        vorher_ = BerichtSetzen(&bericht);
        sys = SystemErzeugen();
        NameSetzen(sys->Dateiname, "halle.sysdat");
        Stab* s = StabAnlegen(*sys);
        s->PunktA = PunktErzeugen(*sys, 0, 0, -1);
        s->PunktB = PunktErzeugen(*sys, 4, 0, -1);
        for (int i = 0; i < 6; ++i) FreiheitsgradAnlegen(*sys, s, i);
        StabGeometrie(s);
        Pfade.Tempverzeichnis = temp.Pfad();
        Pfade.PsBetrachter.clear();
    }
    void TearDown() override {
        // Reap the children the tests started ("true" ends at once).
        for (int i = 0; i < 200 && KinderEinsammeln() > 0; ++i) usleep(10000);
        BerichtSetzen(vorher_);
        ProgrammZuruecksetzen();
    }
    // What a writer puts into a file of its own.
    static std::string Erwartet(const std::function<void(FILE*)>& schreiber) {
        char* puffer = nullptr;
        size_t laenge = 0;
        FILE* f = open_memstream(&puffer, &laenge);
        schreiber(f);
        fclose(f);
        std::string text(puffer, laenge);
        free(puffer);
        return text;
    }

    Testverzeichnis temp;
    SammelBericht bericht;
    Berichtsempfaenger* vorher_ = nullptr;
    System* sys = nullptr;
};

const char* Zeile1(Exportergebnis e) {
    const char *z1, *z2;
    ExportergebnisText(e, &z1, &z2);
    return z1;
}

}  // namespace

TEST(Exportformate, FuenfFormateInDerReihenfolgeDerAuswahl) {
    ASSERT_EQ(ExportformatAnzahl(), 5);
    EXPECT_STREQ(Exportformate[0].Name, "PostScript");
    EXPECT_STREQ(Exportformate[0].Muster, "*.ps");
    EXPECT_TRUE(Exportformate[0].HatOptionen);
    EXPECT_STREQ(Exportformate[1].Name, "Tab Delimited");
    EXPECT_STREQ(Exportformate[1].Muster, "*.tab");
    EXPECT_STREQ(Exportformate[2].Name, "Liste aller Stäbe"_l1);
    EXPECT_STREQ(Exportformate[2].Muster, "*.list");
    EXPECT_STREQ(Exportformate[3].Name, "PDF");
    EXPECT_STREQ(Exportformate[3].Muster, "*.pdf");
    EXPECT_TRUE(Exportformate[3].HatOptionen);
    EXPECT_STREQ(Exportformate[4].Name, "Umhüllende"_l1);
    EXPECT_EQ(std::string(Exportformate[4].Name).find("\xFC"), 3u);  // one byte in ISO 8859-1
    EXPECT_TRUE(Exportformate[4].BrauchtUmhuellende);
    EXPECT_STREQ(Exportformate[5].Name, "");
    EXPECT_EQ(Druckkommando, "lpr");
}

TEST_F(Export, InDateiSchreibtDasGewaehlteFormatOderNichts) {
    const std::string ps = temp.Pfad("halle.ps"), tab = temp.Pfad("halle.tab");
    ASSERT_EQ(InDateiExportieren(sys, 0, ps.c_str()), Exportergebnis::Geschrieben);
    EXPECT_EQ(DateiLesen(ps), Erwartet([this](FILE* f) { PlotSchreiben(f, sys, Druckeinstellungen); }));
    EXPECT_NE(DateiLesen(ps).find("showpage"), std::string::npos);
    ASSERT_EQ(InDateiExportieren(sys, 1, tab.c_str()), Exportergebnis::Geschrieben);
    EXPECT_EQ(DateiLesen(tab), Erwartet([this](FILE* f) { TabelleAusgeben(f, sys); }));
    EXPECT_EQ(bericht.Texte().back(), "Datei " + tab + " geschrieben ");

    // Refusals write nothing, in the order the dialog checks them.
    EXPECT_EQ(InDateiExportieren(sys, -1, ""), Exportergebnis::KeinFormat);
    EXPECT_EQ(InDateiExportieren(sys, 5, ps.c_str()), Exportergebnis::KeinFormat);
    // The envelope before it was computed: refused, nothing written.
    const std::string huelle = temp.Pfad("halle_huelle.tab");
    EXPECT_EQ(InDateiExportieren(sys, 4, huelle.c_str()), Exportergebnis::KeineUmhuellende);
    EXPECT_FALSE(Existiert(huelle));
    EXPECT_STREQ(Zeile1(Exportergebnis::KeineUmhuellende), "keine Umhüllende berechnet !"_l1);
    sys->Huelle = new Umhuellende{};
    ASSERT_EQ(InDateiExportieren(sys, 4, huelle.c_str()), Exportergebnis::Geschrieben);
    EXPECT_EQ(DateiLesen(huelle), Erwartet([this](FILE* f) { UmhuellendeAusgeben(f, *sys->Huelle); }));
    EXPECT_EQ(InDateiExportieren(sys, 2, ""), Exportergebnis::KeinDateiname);
    EXPECT_STREQ(Zeile1(Exportergebnis::KeinDateiname), "kein Dateiname zum");
    EXPECT_EQ(InDateiExportieren(sys, 2, temp.Pfad("fehlt/x.list").c_str()), Exportergebnis::DateiFehler);
    EXPECT_STREQ(Zeile1(Exportergebnis::DateiFehler), "Fehler beim Öffnen der Datei"_l1);
    EXPECT_FALSE(Existiert(temp.Pfad("fehlt")));

    // The System closed while the dialog stayed open.
    SystemLoeschen(sys);
    sys = nullptr;
    const std::string alt = DateiLesen(ps);
    EXPECT_EQ(InDateiExportieren(nullptr, 0, ps.c_str()), Exportergebnis::KeinSystem);
    EXPECT_EQ(DateiLesen(ps), alt);
}

TEST_F(Export, DateienDesProgrammsUndOffenerSystemeWerdenNichtUeberschrieben) {
    // The exported System's own file and scale file, another open System's
    // file, a catalogue: each refused with the reason, nothing written.
    NameSetzen(sys->Dateiname, temp.Pfad("halle.sysdat").c_str());
    DateiSchreiben(temp.Pfad("halle.sysdat"), "V 1 halle\n");
    DateiSchreiben(temp.Pfad("halle.massdat"), "1 1\n");
    System* anderes = SystemErzeugen();
    NameSetzen(anderes->Dateiname, temp.Pfad("lager.sysdat").c_str());
    DateiSchreiben(temp.Pfad("lager.sysdat"), "V 1 lager\n");
    const Pfadeinstellungen vorher = Pfade;
    Pfade.Katalogverzeichnis = temp.Pfad();
    DateiSchreiben(temp.Pfad("material.dat"), "Katalog\n");
    for (const char* name : {"halle.sysdat", "halle.massdat", "lager.sysdat", "material.dat"}) {
        const std::string pfad = temp.Pfad(name);
        const std::string alt = DateiLesen(pfad);
        std::string konflikt;
        EXPECT_EQ(InDateiExportieren(sys, 2, pfad.c_str(), &konflikt), Exportergebnis::Ueberschreibt) << name;
        EXPECT_EQ(konflikt, "Ausgabe " + pfad + " w\xFCrde die Eingabe " + pfad + " \xFC" "berschreiben !");
        EXPECT_EQ(DateiLesen(pfad), alt);
    }
    EXPECT_STREQ(Zeile1(Exportergebnis::Ueberschreibt), "Die Datei darf nicht");
    EXPECT_EQ(InDateiExportieren(sys, 2, temp.Pfad("halle.list").c_str()), Exportergebnis::Geschrieben);
    Pfade = vorher;
}

TEST_F(Export, PdfHatDieSeitenDesPostscriptPlots) {
    if (ImSuchpfad(GHOSTSCRIPT, getenv("PATH")).empty()) GTEST_SKIP() << "gs fehlt";
    const std::string pdf = temp.Pfad("halle.pdf");
    ASSERT_EQ(InDateiExportieren(sys, 3, pdf.c_str()), Exportergebnis::Geschrieben);
    const std::string inhalt = DateiLesen(pdf);
    EXPECT_EQ(inhalt.rfind("%PDF-", 0), 0u);
    const std::string ps = Erwartet([this](FILE* f) { PlotSchreiben(f, sys, Druckeinstellungen); });
    size_t seiten = 0;
    for (size_t p = ps.find("showpage"); p != std::string::npos; p = ps.find("showpage", p + 1)) ++seiten;
    EXPECT_NE(inhalt.find("/Count " + std::to_string(seiten)), std::string::npos) << seiten << " Seiten";
    EXPECT_EQ(bericht.Texte().back(), "Datei " + pdf + " geschrieben ");

    // Printing a PDF hands the print command the PDF.
    EXPECT_EQ(Drucken(sys, 3, "true"), Exportergebnis::Geschrieben);
    EXPECT_EQ(DateiLesen(temp.Pfad("tmp")).rfind("%PDF-", 0), 0u);
}

TEST_F(Export, PdfOhneGhostscriptBehaeltDieAlteDatei) {
    const std::string pdf = temp.Pfad("halle.pdf");
    DateiSchreiben(pdf, "alt");
    const char* pfad = getenv("PATH");
    const std::string gesichert = pfad ? pfad : "";
    setenv("PATH", temp.Pfad().c_str(), 1);
    Exportergebnis e = InDateiExportieren(sys, 3, pdf.c_str());
    setenv("PATH", gesichert.c_str(), 1);
    EXPECT_EQ(e, Exportergebnis::KeinGhostscript);
    EXPECT_STREQ(Zeile1(e), "Ghostscript (gs) nicht gefunden, PDF nicht erzeugt !");
    EXPECT_EQ(DateiLesen(pdf), "alt");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(temp.Pfad()), {}), 1);  // no temporary left
}

TEST_F(Export, DruckenSchreibtErstDieTempdateiDannStartetDasKommando) {
    const std::string tmp = temp.Pfad("tmp");
    EXPECT_EQ(Drucken(sys, 2, "true  -x"), Exportergebnis::Geschrieben);
    EXPECT_EQ(Druckkommando, "true  -x");
    EXPECT_FALSE(DateiLesen(tmp).empty());
    EXPECT_EQ(bericht.Texte().back(), "Drucke ...");

    // An empty command is refused only after the file was written.
    std::remove(tmp.c_str());
    std::string fehler;
    EXPECT_EQ(Drucken(sys, 1, "  ", &fehler), Exportergebnis::Druckfehler);
    EXPECT_EQ(fehler, "Geben Sie ein Druckkommando ein");
    EXPECT_TRUE(Existiert(tmp));
    EXPECT_EQ(Drucken(sys, 1, "velko-gibt-es-nicht", &fehler), Exportergebnis::Druckfehler);
    EXPECT_EQ(fehler, "Fehler beim Drucken !");

    const std::string lang(300, 'x');
    Drucken(sys, 1, lang.c_str(), &fehler);
    EXPECT_EQ(Druckkommando.size(), static_cast<size_t>(DRUCKKOMMANDO_MAX));

    Pfade.Tempverzeichnis = temp.Pfad("fehlt");
    EXPECT_EQ(Drucken(sys, 0, "true"), Exportergebnis::TempFehler);
    EXPECT_STREQ(Zeile1(Exportergebnis::TempFehler), "Fehler beim Öffnen der tmp. Datei"_l1);
}

TEST_F(Export, VorschauSchreibtTmpPsUndMeldetJedenFehler) {
    EXPECT_FALSE(PsVorschau(sys));
    EXPECT_EQ(DateiLesen(temp.Pfad("tmp.ps")), Erwartet([this](FILE* f) { PlotSchreiben(f, sys, Druckeinstellungen); }));
    auto texte = bericht.Texte();
    ASSERT_GE(texte.size(), 2u);
    EXPECT_EQ(texte[texte.size() - 2], "Vorschau ...");
    EXPECT_EQ(texte.back(), "PS - Viewer konnte nicht geladen werden ! ");

    Pfade.PsBetrachter = "true";
    EXPECT_TRUE(PsVorschau(sys));
    Pfade.PsBetrachter = "velko-gibt-es-nicht";
    EXPECT_FALSE(PsVorschau(sys));
    EXPECT_EQ(bericht.Texte().back().rfind("PS - Viewer konnte nicht geladen werden ! ", 0), 0u);

    Pfade.Tempverzeichnis = temp.Pfad("fehlt");
    EXPECT_FALSE(PsVorschau(sys));
    EXPECT_EQ(bericht.Texte().back(), "Temporäre PS-Datei konnte nicht geschrieben werden ! "_l1);
}

TEST(Plotmassstab, ZahlenWieAtofAberNurEndliche) {
    EXPECT_DOUBLE_EQ(PlotmassstabLesen("0.25", 1), 0.25);
    EXPECT_DOUBLE_EQ(PlotmassstabLesen("abc", 1), 0);
    EXPECT_DOUBLE_EQ(PlotmassstabLesen("", 1), 0);
    EXPECT_DOUBLE_EQ(PlotmassstabLesen(nullptr, 1), 0);
    EXPECT_DOUBLE_EQ(PlotmassstabLesen("nan", 0.1), 0.1);
    EXPECT_DOUBLE_EQ(PlotmassstabLesen("-inf", 0.1), 0.1);
    EXPECT_DOUBLE_EQ(PlotmassstabLesen("1e999", 10), 10);
}
