// The PostScript plot: pages, fitting, symbols, diagrams, and what
// Ghostscript makes of the result.
#include "core/latin1.h"
#include "output/plot.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

#include "analysis/theorie2ordnung.h"
#include "core/bericht.h"
#include "core/stabgeometrie.h"
#include "core/programm.h"
#include "core/systemoperationen.h"
#include "output/postscript.h"
#include "tests/files/testverzeichnis.h"
#include "tests/output/ps_testhilfe.h"

namespace {

int Vorkommen(const std::string& text, const std::string& teil) {
    int n = 0;
    for (auto pos = text.find(teil); pos != std::string::npos; pos = text.find(teil, pos + teil.size())) ++n;
    return n;
}

class PlotTest : public ::testing::Test {
protected:
    void SetUp() override {
        ProgrammZuruecksetzen();
        system_ = SystemErzeugen();
        NameSetzen(system_->Dateiname, "balken.sysdat");
    }
    void TearDown() override { ProgrammZuruecksetzen(); }

    // A bar with six fresh free degrees of freedom.
    Stab* Stabbauen(Punkt* a, Punkt* b) {
        Stab* s = StabAnlegen(*system_);
        s->PunktA = a;
        s->PunktB = b;
        for (int i = 0; i < 6; ++i) FreiheitsgradAnlegen(*system_, s, i);
        StabGeometrie(s);
        return s;
    }
    static void Lager(Stab* s, int slot) { s->Freiheitsgrade[slot]->Status = STATUS_PRIMAL; }

    // Simply supported beam of 4 m under 10 kN/m downwards, with its one
    // result record: M = 20 x - 5 x^2, largest 20 kNm at midspan.
    Stab* Balken() {
        Stab* s = Stabbauen(PunktErzeugen(*system_, 0, 0, -1), PunktErzeugen(*system_, 4, 0, -1));
        Lager(s, FG_AX);
        Lager(s, FG_AY);
        Lager(s, FG_BY);
        Stababschnitt* r = NeuerDatensatz<Stababschnitt>();
        r->tAnfang = 0;
        r->tEnde = 1;
        r->xB = 4;
        r->qAnfang = r->qEnde = -10;
        r->QA = 20;
        r->QE = -20;
        r->Laenge = 4;
        r->Verschiebungen[2] = -0.001;
        r->Verschiebungen[5] = 0.001;
        KeVorneEintragen(s->Ergebnisse, r);
        return s;
    }

    std::string Plotten(const Druckoptionen& opt, int* seiten = nullptr) {
        PsPuffer p;
        const int n = PlotSchreiben(p.Datei(), system_, opt);
        if (seiten) *seiten = n;
        return p.Text();
    }

    static Druckoptionen NurSeite(int seite) {
        Druckoptionen o;
        o.System = seite == SEITE_SYSTEM;
        o.Moment = seite == SEITE_MOMENT;
        o.Querkraft = seite == SEITE_QUERKRAFT;
        o.Normalkraft = seite == SEITE_NORMALKRAFT;
        o.Verschiebung = seite == SEITE_VERFORMUNG;
        return o;
    }

    System* system_ = nullptr;
};

}  // namespace

TEST(Druckoptionen, VorgabenDerDialogtabelle) {
    Druckoptionen o;
    EXPECT_TRUE(o.System && o.Moment && o.Querkraft && o.Normalkraft && o.Verschiebung && o.Seitenzahlen);
    EXPECT_FALSE(o.Freiheitsgrade || o.MarkierteStaebe || o.Beschriftung || o.Querformat);
    EXPECT_EQ(o.MomentMassstab, 0.1);
    EXPECT_EQ(o.QuerkraftMassstab, 0.1);
    EXPECT_EQ(o.NormalkraftMassstab, 0.1);
    EXPECT_EQ(o.VerschiebungMassstab, 10);
    EXPECT_EQ(GewaehlteSeiten(o), 5);
    o.Querkraft = false;
    EXPECT_EQ(GewaehlteSeiten(o), 4);
    EXPECT_FALSE(SeiteGewaehlt(o, SEITE_QUERKRAFT));
    EXPECT_FALSE(SeiteGewaehlt(o, 7));
}

TEST(PlotEinpassen, ZentriertUndPasstNachDerKnapperenRichtung) {
    const Seitenrahmen hoch = RahmenFuer(false);
    const double breit[4] = {0, 4, 0, 0};
    Seitenabbildung a = PlotEinpassen(breit, hoch);
    EXPECT_DOUBLE_EQ(a.S, 110.0 / 4);
    EXPECT_DOUBLE_EQ(a.S * 0 + a.Ox, 50);   // 30 mm margin inside the frame at x = 20
    EXPECT_DOUBLE_EQ(a.S * 0 + a.Oy, 145);  // vertically centred
    // A single vertical bar fits by its height alone.
    const double senkrecht[4] = {0, 0, 0, 5};
    a = PlotEinpassen(senkrecht, hoch);
    EXPECT_DOUBLE_EQ(a.S, 190.0 / 5);
    EXPECT_DOUBLE_EQ(a.Ox, 105);
    EXPECT_DOUBLE_EQ(a.Oy, 50);
    // Landscape swaps the frame, a negative box is shifted in.
    const double quer[4] = {-10, 10, -1, 1};
    a = PlotEinpassen(quer, RahmenFuer(true));
    EXPECT_DOUBLE_EQ(a.S, 190.0 / 20);
    EXPECT_DOUBLE_EQ(a.S * -10 + a.Ox, 50);
    EXPECT_DOUBLE_EQ(a.S * 0 + a.Oy, 105);
}

TEST(PlotEinpassen, PunktfoermigerStabBekommtEndlichenMassstab) {
    const double punkt[4] = {3, 3, -2, -2};
    const Seitenabbildung a = PlotEinpassen(punkt, RahmenFuer(false));
    EXPECT_TRUE(std::isfinite(a.S) && a.S > 0);
    EXPECT_DOUBLE_EQ(a.S * 3 + a.Ox, 105);
    EXPECT_DOUBLE_EQ(a.S * -2 + a.Oy, 145);
    const double winzig[4] = {0, 1e-300, 0, 0};
    EXPECT_LE(PlotEinpassen(winzig, RahmenFuer(false)).S, PLOT_GROESSTER_MASSSTAB);
}

TEST_F(PlotTest, LeereStabmengeSchreibtGarNichts) {
    int seiten = -1;
    EXPECT_EQ(Plotten(Druckoptionen{}, &seiten), "");
    EXPECT_EQ(seiten, 0);
    Balken();
    Druckoptionen nurMarkierte;
    nurMarkierte.MarkierteStaebe = true;
    EXPECT_EQ(Plotten(nurMarkierte, &seiten), "");
    EXPECT_EQ(seiten, 0);
    PsPuffer p;
    EXPECT_EQ(PlotSchreiben(p.Datei(), nullptr, Druckoptionen{}), 0);
    EXPECT_EQ(p.Text(), "");
}

TEST_F(PlotTest, SystemseiteHochformatWieVereinbart) {
    // A portal frame with a hinge at the top of its right column.
    Punkt* a = PunktErzeugen(*system_, 0, 0, -1);
    Punkt* b = PunktErzeugen(*system_, 0, 3, -1);
    Punkt* c = PunktErzeugen(*system_, 5, 3, -1);
    Punkt* d = PunktErzeugen(*system_, 5, 0, -1);
    Stab* links = Stabbauen(a, b);
    Stab* riegel = Stabbauen(b, c);
    Stab* rechts = Stabbauen(d, c);
    for (int i = 0; i < 3; ++i) {
        riegel->Freiheitsgrade[i] = links->Freiheitsgrade[3 + i];
        if (i < 2) rechts->Freiheitsgrade[3 + i] = riegel->Freiheitsgrade[3 + i];
        Lager(links, i);
    }
    Lager(rechts, FG_AX);
    Lager(rechts, FG_AY);
    rechts->Freiheitsgrade[FG_AX]->Winkel = 0.5;
    NameSetzen(system_->Dateiname, "rahmen.sysdat");
    Druckoptionen o = NurSeite(SEITE_SYSTEM);
    o.Freiheitsgrade = true;
    int seiten = 0;
    const std::string text = Plotten(o, &seiten);
    EXPECT_EQ(seiten, 1);
    EXPECT_EQ(Vorkommen(text, "showpage\n"), 1);
    EXPECT_NE(text.find("(System : rahmen.sysdat) show"), std::string::npos);
    EXPECT_NE(text.find("(- 1 -) show"), std::string::npos);
    EXPECT_NE(text.find("%Pages: 2\n\n"), std::string::npos);
    // Degree-of-freedom numbers only at the hinge: riegel's end, rechts' end.
    EXPECT_EQ(Vorkommen(text, "% <arrow>"), 4);
    // A clamp at a, a pin at d, the hinge at c as an open circle over the bars.
    EXPECT_EQ(Vorkommen(text, "% <Lager>"), 2);
    EXPECT_EQ(Vorkommen(text, "% <Gelenk>"), 1);
    EXPECT_EQ(Vorkommen(text, " 0 360 arc\nclosepath gsave 1 setgray fill grestore stroke"), 1);
    EXPECT_GT(text.find("% <Gelenk>"), text.rfind("% </Lager>"));
    GoldenVergleichen("plot_rahmen_system.ps", text);
}

TEST_F(PlotTest, AlleSeitenDesBalkens) {
    Balken();
    int seiten = 0;
    const std::string text = Plotten(Druckoptionen{}, &seiten);
    EXPECT_EQ(seiten, 5);
    EXPECT_EQ(Vorkommen(text, "showpage\n"), 5);
    for (const char* kopf : {"(System : balken.sysdat)", "(Moment :)", "(Querkraft :)", "(Normalkraft :)",
                             "(Verformung :)", "(- 5 -)"})
        EXPECT_NE(text.find(kopf), std::string::npos) << kopf;
    GoldenVergleichen("plot_balken.ps", text);
}

// Beam at page height 145 mm, 27.5 mm per m; the moment of 20 kNm at
// midspan with 0.1 m per kNm lies 55 mm below it (tension side).
TEST_F(PlotTest, MomentenlinieAufDerZugseiteImMassstab) {
    Balken();
    const std::string text = Plotten(NurSeite(SEITE_MOMENT));
    char erwartet[64];
    std::snprintf(erwartet, sizeof erwartet, "%.3f %.3f lineto", 105 * PS_EINHEIT, 90 * PS_EINHEIT);
    EXPECT_NE(text.find(erwartet), std::string::npos) << erwartet;
    Druckoptionen o = NurSeite(SEITE_MOMENT);
    o.MomentMassstab = 0.05;
    std::snprintf(erwartet, sizeof erwartet, "%.3f %.3f lineto", 105 * PS_EINHEIT, 117.5 * PS_EINHEIT);
    EXPECT_NE(Plotten(o).find(erwartet), std::string::npos) << erwartet;
    // Shear: +20 kN at the start, drawn on the local +y side (up).
    std::snprintf(erwartet, sizeof erwartet, "%.3f %.3f lineto", 50 * PS_EINHEIT, 200 * PS_EINHEIT);
    EXPECT_NE(Plotten(NurSeite(SEITE_QUERKRAFT)).find(erwartet), std::string::npos) << erwartet;
}

TEST_F(PlotTest, BeschriftungenUndSeitenzahlen) {
    Balken();
    Druckoptionen o = NurSeite(SEITE_MOMENT);
    o.Beschriftung = true;
    std::string text = Plotten(o);
    EXPECT_EQ(Vorkommen(text, "(0.00) show"), 3);  // both ends and the minimum at an end
    EXPECT_EQ(Vorkommen(text, "(20.00) show"), 1);
    EXPECT_NE(text.find("(- 1 -) show"), std::string::npos);  // the only page written is page 1
    o = NurSeite(SEITE_VERFORMUNG);
    o.Beschriftung = true;
    text = Plotten(o);
    EXPECT_GE(Vorkommen(text, "(w : "), 2);
    EXPECT_EQ(Vorkommen(text, "(w : "), Vorkommen(text, "(u : "));
    o.Seitenzahlen = false;
    EXPECT_EQ(Plotten(o).find("(- "), std::string::npos);
}

TEST_F(PlotTest, QuerformatDrehtJedeSeite) {
    Balken();
    Druckoptionen o;
    o.Querformat = true;
    const std::string text = Plotten(o);
    EXPECT_EQ(Vorkommen(text, "595.275553 0.000000 translate\n"), 5);
    // Frame 250 x 170 turned by 90 degrees: its first corner (20, 20) mm.
    EXPECT_NE(text.find("-56.693 56.693 moveto\n-56.693 765.354 lineto"), std::string::npos);
    // The module's angle is back to 0 afterwards.
    double x, y;
    PsTransformieren(1, 0, &x, &y);
    EXPECT_DOUBLE_EQ(x, PS_EINHEIT);
}

TEST_F(PlotTest, NurMarkierteStaebe) {
    Balken();
    Stab* zweiter = Stabbauen(PunktErzeugen(*system_, 4, 0, -1), PunktErzeugen(*system_, 8, 0, -1));
    zweiter->Markiert = 1;
    Druckoptionen o = NurSeite(SEITE_SYSTEM);
    o.MarkierteStaebe = true;
    const std::string text = Plotten(o);
    EXPECT_NE(text.find("(1) show"), std::string::npos);
    EXPECT_EQ(text.find("(0) show"), std::string::npos);
    // The marked bar alone is fitted: it spans the full usable width.
    char links[48];
    std::snprintf(links, sizeof links, "%.3f %.3f moveto", 50 * PS_EINHEIT, 145 * PS_EINHEIT);
    EXPECT_NE(text.find(links), std::string::npos);
}

TEST_F(PlotTest, PunktfoermigerStabUndUngueltigeZahlenBleibenEndlich) {
    Punkt* p = PunktErzeugen(*system_, 2, 2, -1);
    Stab* s = Stabbauen(p, p);
    Stababschnitt* r = NeuerDatensatz<Stababschnitt>();
    r->tEnde = 1;
    r->xA = r->xB = r->yA = r->yB = 2;
    r->MA = NAN;
    r->Verschiebungen[1] = INFINITY;
    KeVorneEintragen(s->Ergebnisse, r);
    Druckoptionen o;
    o.Beschriftung = true;
    o.MomentMassstab = INFINITY;
    const std::string text = Plotten(o);
    ASSERT_FALSE(text.empty());
    for (const char* schlecht : {"inf", "nan", "INF", "NAN"}) {
        const auto pos = text.find(schlecht);
        EXPECT_EQ(pos, std::string::npos) << text.substr(pos < 80 ? 0 : pos - 80, 160);
    }
}

TEST_F(PlotTest, DateinameMitKlammernUndUmlautBleibtLesbar) {
    Balken();
    NameSetzen(system_->Dateiname, "Stütze (links).sysdat"_l1);
    const std::string text = Plotten(NurSeite(SEITE_SYSTEM));
    EXPECT_NE(text.find("(System : Stütze \\(links\\).sysdat) show"_l1), std::string::npos);
}

// ------------------------------------------------------------ Ghostscript

namespace {

int SeitenZaehlen(const std::string& verzeichnis, const std::string& praefix) {
    int n = 0;
    for (const auto& e : std::filesystem::directory_iterator(verzeichnis))
        if (e.path().filename().string().rfind(praefix, 0) == 0) ++n;
    return n;
}

}  // namespace

TEST_F(PlotTest, GhostscriptLiestAlleSeitenFehlerfrei) {
    if (!GhostscriptVorhanden()) GTEST_SKIP() << "gs not installed";
    Stab* s = Balken();
    // with the Greek letter of a temperature load's label
    Lastfall* lf = LastfallErzeugen(*system_, 0, "T", -1);
    lf->Aktiv = 1;
    Temperaturlast* t = TemperaturlastErzeugen(*system_, lf->Kennung, -1);
    t->Stab = s->Nummer;
    t->DeltaT = 30.0;
    Testverzeichnis dir;
    for (bool quer : {false, true}) {
        Druckoptionen o;
        o.Querformat = quer;
        o.Beschriftung = true;
        o.Freiheitsgrade = true;
        const std::string ps = dir.Pfad(quer ? "quer.ps" : "hoch.ps");
        DateiSchreiben(ps, Plotten(o));
        std::string aus;
        const std::string praefix = quer ? "seite_q" : "seite_h";
        EXPECT_EQ(Ausfuehren("gs -q -dSAFER -dBATCH -dNOPAUSE -sDEVICE=png16m -r50 -sOutputFile=" +
                                 dir.Pfad(praefix + "%d.png") + " " + ps,
                             &aus),
                  0)
            << aus;
        EXPECT_EQ(aus, "");
        EXPECT_EQ(SeitenZaehlen(dir.Pfad(), praefix), 5);
    }
}

// Ink where the moment diagram must be and nowhere outside the frame apart
// from the heading above it.
TEST_F(PlotTest, TinteNurAmMomentenverlaufUndImRahmen) {
    if (!GhostscriptVorhanden()) GTEST_SKIP() << "gs not installed";
    Balken();
    Druckoptionen o = NurSeite(SEITE_MOMENT);
    o.Seitenzahlen = false;
    Testverzeichnis dir;
    DateiSchreiben(dir.Pfad("m.ps"), Plotten(o));
    std::string aus;
    ASSERT_EQ(Ausfuehren("gs -q -dSAFER -dBATCH -dNOPAUSE -sDEVICE=ppmraw -r72 -sOutputFile=" + dir.Pfad("m.ppm") +
                             " " + dir.Pfad("m.ps"),
                         &aus),
              0)
        << aus;
    PpmBild bild;
    ASSERT_TRUE(PpmLesen(dir.Pfad("m.ppm"), &bild));
    ASSERT_EQ(bild.Breite, 595);
    ASSERT_EQ(bild.Hoehe, 842);
    const double pxProMm = 72 / 25.4;
    auto px = [&](double mm) { return static_cast<int>(std::lround(mm * pxProMm)); };
    auto py = [&](double mm) { return bild.Hoehe - 1 - px(mm); };  // mm from the bottom edge
    // Lowest ink of a column inside the frame, in mm from the bottom edge.
    auto unterkante = [&](double xmm) {
        for (int y = py(21); y >= py(269); --y)
            if (bild.Tinte(px(xmm), y)) return (bild.Hoehe - 1 - y) / pxProMm;
        return -1.0;
    };
    // Midspan: 20 kNm, 55 mm below the beam at 145 mm; quarter span: 15 kNm.
    EXPECT_NEAR(unterkante(105), 90, 1.0);
    EXPECT_NEAR(unterkante(77.5), 103.75, 1.0);
    EXPECT_NEAR(unterkante(132.5), 103.75, 1.0);
    // Nothing above the beam inside the frame, nothing beyond the supports.
    for (int y = py(268); y <= py(147); ++y)
        for (int x = px(22); x <= px(188); ++x) ASSERT_FALSE(bild.Tinte(x, y)) << x << "," << y;
    for (int y = py(268); y <= py(22); ++y) {
        for (double xmm : {30.0, 45.0, 165.0, 180.0}) ASSERT_FALSE(bild.Tinte(px(xmm), y)) << xmm << "," << y;
    }
    // Outside the frame only the heading band above its top left.
    int tinteAussen = 0, kopf = 0;
    for (int y = 0; y < bild.Hoehe; ++y)
        for (int x = 0; x < bild.Breite; ++x) {
            const double xm = x / pxProMm, ym = (bild.Hoehe - 1 - y) / pxProMm;
            const bool imRahmen = xm > 19 && xm < 191 && ym > 19 && ym < 271;
            if (imRahmen || !bild.Tinte(x, y)) continue;
            if (ym >= 271 && ym < 280 && xm < 60)
                ++kopf;
            else
                ++tinteAussen;
        }
    EXPECT_EQ(tinteAussen, 0);
    EXPECT_GT(kopf, 0);
}

// A temperature load of an active load case on the structure page: strokes
// across the whole bar, and with the value labels its temperatures behind
// a Delta of the Symbol font.
TEST_F(PlotTest, TemperaturlastAufDerSystemseite) {
    Stab* s = Balken();
    const Druckoptionen o = NurSeite(SEITE_SYSTEM);
    const std::string ohne = Plotten(o);
    EXPECT_EQ(ohne.find("Symbol"), std::string::npos);

    Lastfall* lf = LastfallErzeugen(*system_, 0, "T", -1);
    Temperaturlast* t = TemperaturlastErzeugen(*system_, lf->Kennung, -1);
    t->Stab = s->Nummer;
    t->DeltaT = 30.0;
    t->DeltaTM = -0.04;
    EXPECT_EQ(Plotten(o), ohne);  // its load case is not active
    lf->Aktiv = 1;
    const std::string mit = Plotten(o);
    // 110 mm of beam on the page: strokes 3 mm apart, 3 mm long.
    EXPECT_EQ(Vorkommen(mit, "stroke"), Vorkommen(ohne, "stroke") + 36);
    EXPECT_EQ(mit.find("Symbol"), std::string::npos);

    Druckoptionen beschriftet = o;
    beschriftet.Beschriftung = true;
    const std::string text = Plotten(beschriftet);
    const std::string label = "/Symbol findfont\n8 scalefont setfont\n";
    const std::size_t delta = text.find(label);
    ASSERT_NE(delta, std::string::npos);
    // One line of text: after the first moveto every piece goes on where
    // the last one ended.
    const std::size_t ende = text.find("(TM=0.0 K) show", delta);  // not "-0.0"
    ASSERT_NE(ende, std::string::npos);
    const std::string zeile = text.substr(delta, ende - delta);
    EXPECT_EQ(Vorkommen(zeile, "moveto"), 1) << zeile;
    EXPECT_LT(zeile.find("(D) show"), zeile.find("(T=30.0 K  ) show"));
    EXPECT_EQ(Vorkommen(zeile, "(D) show"), 2);
    EXPECT_LT(zeile.rfind("/Symbol findfont"), zeile.rfind("(D) show"));
}

// A second-order run: the result pages name the theory, and the moment
// drawn at midspan is the exact one of the beam-column, q/k^2 (sec(kL/2) - 1)
// (with 0.1 m per kNm and 27.5 mm per m below the beam at 145 mm).
TEST_F(PlotTest, TheorieZweiterOrdnung) {
    Material* m = NeuerDatensatz<Material>();
    m->Nummer = 1;
    m->EModul = 2.1e8;
    KeVorneEintragen(Programm.Materialien, m);
    Querschnitt* q = NeuerDatensatz<Querschnitt>();
    q->Nummer = 1;
    q->Flaeche = 0.01;
    q->Traegheitsmoment = 1e-4;
    KeVorneEintragen(Programm.Querschnitte, q);
    Stab* s = Stabbauen(PunktErzeugen(*system_, 0, 0, -1), PunktErzeugen(*system_, 4, 0, -1));
    s->Material = s->Querschnitt = 1;
    Lager(s, FG_AX);
    Lager(s, FG_AY);
    Lager(s, FG_BY);
    Lastfall* lf = LastfallErzeugen(*system_, 0, "LF", -1);
    lf->Aktiv = 1;
    lf->Gewicht = 1.0;
    Streckenlast* sl = StreckenlastErzeugen(*system_, lf->Kennung, -1);
    sl->Stab = s->Nummer;
    sl->PositionB = 1.0;
    sl->GroesseA = sl->GroesseB = 10.0;
    sl->Koordinatensystem = KOORD_GLOBAL;
    Punktlast* pl = PunktlastErzeugen(*system_, lf->Kennung, -1);
    pl->Stab = s->Nummer;
    pl->Position = 1.0;
    pl->Groesse = 4000.0;
    pl->Winkel = -3.14159265358979323846 / 2;  // along -x: compression
    pl->Koordinatensystem = KOORD_GLOBAL;
    pl->Art = ART_KRAFT;
    SammelBericht bericht;
    ASSERT_TRUE(TheorieIIOrdnungBerechnen(*system_, Programm, bericht));

    const double k = std::sqrt(4000.0 / 21000.0), moment = 10.0 / (k * k) * (1 / std::cos(2 * k) - 1);
    const std::string text = Plotten(NurSeite(SEITE_MOMENT));
    EXPECT_NE(text.find("(Moment : Theorie II. Ordnung) show"), std::string::npos);
    // the hatch line at midspan ends on the curve
    char x[32];
    std::snprintf(x, sizeof x, "%.3f ", 105 * PS_EINHEIT);
    double naechste = 1e9;
    for (std::size_t stelle = text.find(x); stelle != std::string::npos; stelle = text.find(x, stelle + 1)) {
        char* ende = nullptr;
        const double y = std::strtod(text.c_str() + stelle + std::strlen(x), &ende);
        if (std::strncmp(ende, " lineto", 7) == 0 && std::fabs(y - 145 * PS_EINHEIT) > 1)
            naechste = std::min(naechste, std::fabs(y - (145 - 2.75 * moment) * PS_EINHEIT));
    }
    EXPECT_LT(naechste, 0.01);
    EXPECT_NE(Plotten(NurSeite(SEITE_VERFORMUNG)).find("(Verformung : Theorie II. Ordnung) show"), std::string::npos);
}
