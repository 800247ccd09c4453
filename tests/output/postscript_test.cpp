// Exact output of every drawing primitive.
#include "core/latin1.h"
#include "output/postscript.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstring>
#include <limits>

#include "tests/files/testverzeichnis.h"
#include "tests/output/ps_testhilfe.h"

namespace {

// Everything written after the prolog of PsBeginn.
std::string OhneProlog(const std::string& text) {
    const std::string marke = "/Courier VelkoLatin1\n";
    const auto pos = text.find(marke);
    return pos == std::string::npos ? text : text.substr(pos + marke.size());
}

// Output of `zeichnen` on a fresh document at the given drawing angle.
template <class F>
std::string Schreiben(double winkel, F zeichnen) {
    PsPuffer p;
    PsBeginn(p.Datei());
    PsDrehung(winkel);
    zeichnen();
    PsDrehung(0);
    return OhneProlog(p.Text());
}

}  // namespace

TEST(PsPrimitive, LinieInPunktenMitUnverfaelschtemEinheitsfaktor) {
    EXPECT_EQ(Schreiben(0, [] { PsLinie(0, 0, 10, 0); }), "0.000 0.000 moveto\n28.346 0.000 lineto\nstroke\n");
    // 1 / 0.3527778 points per mm, visibly different from 72 / 25.4 at 1 m.
    EXPECT_EQ(Schreiben(0, [] { PsLinie(0, 0, 0, 1000); }),
              "0.000 0.000 moveto\n0.000 2834.645 lineto\nstroke\n");
    EXPECT_EQ(Schreiben(0, [] { PsVerschieben(210, 0); }), "595.275553 0.000000 translate\n");
    EXPECT_EQ(Schreiben(0, [] { PsLinienbreite(0.1); }), "0.283465 setlinewidth\n");
}

TEST(PsPrimitive, DrehungUmNeunzigGradDrehtPunkteAberNichtVerschiebung) {
    EXPECT_EQ(Schreiben(90, [] { PsLinie(0, 0, 10, 0); }), "0.000 0.000 moveto\n0.000 28.346 lineto\nstroke\n");
    EXPECT_EQ(Schreiben(90, [] { PsVerschieben(210, 0); }), "595.275553 0.000000 translate\n");
    // The text is turned with the page and the turn is undone afterwards.
    EXPECT_EQ(Schreiben(90, [] { PsText(10, 0, "a"); }),
              "0.000000 28.346455 moveto \n90.000000 rotate\n(a) show\n-90.000000 rotate\n");
    double x, y;
    PsDrehung(90);
    PsTransformieren(0, 10, &x, &y);
    PsDrehung(0);
    EXPECT_NEAR(x, -28.34645490730993, 1e-12);
    EXPECT_NEAR(y, 0.0, 1e-12);
}

TEST(PsPrimitive, PfeilUndStrichmuster) {
    // Zero length: shaft and both head strokes, all of length 0.
    const std::string null = "7.000 7.000 moveto\n7.000 7.000 lineto\nstroke\n";
    EXPECT_EQ(Schreiben(0, [] { PsPfeil(7 / PS_EINHEIT, 7 / PS_EINHEIT, 7 / PS_EINHEIT, 7 / PS_EINHEIT); }),
              "% <arrow>\n" + null + null + null + "% </arrow>\n");
    EXPECT_EQ(Schreiben(0, [] { PsStrichart(0); }), "newpath [] 0 setdash\n");
    EXPECT_EQ(Schreiben(0, [] { PsStrichart(7); }), "newpath [] 0 setdash\n");
    EXPECT_EQ(Schreiben(0, [] { PsStrichart(1); }), "newpath [5.669291] 0 setdash\n");
    EXPECT_EQ(Schreiben(0, [] { PsStrichart(2); }), "newpath [8.503936 5.669291] 0 setdash\n");
}

// The head strokes make +-30 degrees with the shaft and are a sixth of its
// length, whichever quadrant the arrow points into.
TEST(PsPrimitive, PfeilspitzeInJederRichtung) {
    for (double grad = -180; grad < 180; grad += 45) {
        const double w = grad * M_PI / 180;
        const double x2 = 60 * std::cos(w), y2 = 60 * std::sin(w);
        const std::string text = Schreiben(0, [&] { PsPfeil(0, 0, x2, y2); });
        double k[12];
        int n = 0;
        const char* p = text.c_str();
        while (n < 12 && (p = std::strpbrk(p, "-0123456789"))) {
            char* ende;
            k[n++] = std::strtod(p, &ende);
            p = ende;
        }
        ASSERT_EQ(n, 12) << text;
        for (int strich = 0; strich < 2; ++strich) {
            const double hx = k[4 + 4 * strich + 2] - k[4 + 4 * strich];
            const double hy = k[4 + 4 * strich + 3] - k[4 + 4 * strich + 1];
            EXPECT_NEAR(std::hypot(hx, hy), 10 * PS_EINHEIT, 0.01) << grad;
            // The stroke points back along the shaft: angle to -direction is 30 degrees.
            const double cosinus = -(hx * std::cos(w) + hy * std::sin(w)) / std::hypot(hx, hy);
            EXPECT_NEAR(cosinus, std::cos(M_PI / 6), 1e-3) << grad;
        }
    }
}

TEST(PsPrimitive, AlleGrundformenWieVereinbart) {
    PsPuffer p;
    PsBeginn(p.Datei());
    PsDrehung(0);
    PsSeitenanfang();
    PsZeile("%Pages: 2\n");
    PsLinienbreite(0.4);
    PsStrichart(1);
    PsStrichart(2);
    PsStrichart(0);
    PsGrau(0.6);
    PsGrau(0);
    PsLinie(1, 2, 3, 4);
    PsRechteck(20, 20, 170, 250);
    PsKreis(5, 6, 0.6);
    PsPfeil(0, 0, 12, 0);
    PsPfeil(0, 0, -12, 0);
    PsPfeil(0, 0, 0, -12);
    PsPfeil(0, 0, -5, 5);
    PsSkalieren(0.5, 2);
    PsSchrift("Times-Roman", 12);
    PsText(20, 272, "System : haus.sysdat");
    PsVerschieben(0, 0);
    PsSeitenende();
    GoldenVergleichen("primitive.ps", p.Text());
}

TEST(PsPrimitive, QuerformatSeiteGedreht) {
    PsPuffer p;
    PsBeginn(p.Datei());
    PsDrehung(90);
    PsVerschieben(210, 0);
    PsRechteck(20, 20, 250, 170);
    PsKreis(30, 40, 1);
    PsPfeil(30, 40, 38, 40);
    PsText(20, 192, "Moment :");
    PsSeitenende();
    PsDrehung(0);
    GoldenVergleichen("primitive_querformat.ps", p.Text());
}

TEST(PsKopf, RahmenkopfNurBeiEchtemRahmen) {
    {
        PsPuffer p;
        PsKopfMitRahmen(p.Datei(), 0, 0, 595, 842);
        GoldenVergleichen("kopf_rahmen.ps", p.Text());
    }
    for (auto [x1, y1, x2, y2] : {std::array<long, 4>{5, 0, 5, 842}, std::array<long, 4>{0, 9, 595, 9}}) {
        PsPuffer p;
        PsKopfMitRahmen(p.Datei(), x1, y1, x2, y2);
        const std::string text = p.Text();
        EXPECT_EQ(text.rfind("%!PS\n", 0), 0u);
        EXPECT_EQ(text.find("%%"), std::string::npos) << text;
    }
}

// Texts reach the document unchanged except for the characters that would
// end or break the string literal.
TEST(PsText, KlammernRueckstricheUndSteuerzeichenMaskiert) {
    EXPECT_EQ(PsTextMaskiert("Stütze (links)"_l1), "Stütze \\(links\\)"_l1);
    EXPECT_EQ(PsTextMaskiert("a\\b)"), "a\\\\b\\)");
    EXPECT_EQ(PsTextMaskiert("x\ny\tz"), "x\\012y\\011z");
    EXPECT_EQ(PsTextMaskiert("äöüßÄÖÜ"_l1), "äöüßÄÖÜ"_l1);
    EXPECT_EQ(PsTextMaskiert(nullptr), "");
    EXPECT_EQ(Schreiben(0, [] { PsText(0, 0, "(("); }),
              "0.000000 0.000000 moveto \n0.000000 rotate\n(\\(\\() show\n-0.000000 rotate\n");
}

TEST(PsText, NieInfOderNanImDokument) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const std::string text = Schreiben(0, [&] {
        PsLinie(nan, inf, -inf, 1e300);
        PsLinie(0, 0, 1e300, -1e300);
        PsRechteck(inf, 0, nan, 1);
        PsKreis(nan, nan, inf);
        PsPfeil(0, 0, inf, nan);
        PsText(inf, nan, "x");
        PsVerschieben(nan, -inf);
        PsLinienbreite(inf);
        PsGrau(nan);
        PsSkalieren(inf, nan);
    });
    for (const char* schlecht : {"inf", "nan", "INF", "NAN", "e+"}) EXPECT_EQ(text.find(schlecht), std::string::npos) << text;
    EXPECT_NE(text.find("1000000.000 -1000000.000 lineto"), std::string::npos) << text;
    PsDrehung(nan);
    double x, y;
    PsTransformieren(1, 0, &x, &y);
    PsDrehung(0);
    EXPECT_TRUE(std::isfinite(x) && std::isfinite(y));
}

// Without a file nothing is written, also not into the file of the
// document before (which its caller may close at any time).
TEST(PsText, OhneDateiWirdNichtsGeschrieben) {
    PsPuffer vorher;
    PsBeginn(vorher.Datei());
    PsLinie(0, 0, 1, 1);
    std::fflush(vorher.Datei());
    const long laenge = std::ftell(vorher.Datei());
    PsBeginn(nullptr);
    PsLinie(0, 0, 1, 1);
    PsText(0, 0, "x");
    PsSeitenende();
    std::fflush(vorher.Datei());
    EXPECT_EQ(std::ftell(vorher.Datei()), laenge);
    EXPECT_GT(laenge, 0);
}

// The prolog replaces the standard fonts by ISO 8859-1 encoded copies, so the
// byte 0xF6 of "ö" selects the glyph odieresis.
TEST(PsSchrift, UmlauteNachNeukodierungImProlog) {
    if (!GhostscriptVorhanden()) GTEST_SKIP() << "gs not installed";
    Testverzeichnis dir;
    const std::string ps = dir.Pfad("kodierung.ps");
    {
        FILE* f = std::fopen(ps.c_str(), "w");
        ASSERT_TRUE(f);
        PsBeginn(f);
        PsZeile("/Times-Roman findfont /Encoding get 246 get ==");
        PsZeile("/Helvetica findfont /Encoding get 223 get ==");
        std::fclose(f);
    }
    std::string aus;
    ASSERT_EQ(Ausfuehren("gs -q -dSAFER -dBATCH -dNOPAUSE -dNODISPLAY " + ps, &aus), 0) << aus;
    EXPECT_NE(aus.find("/odieresis"), std::string::npos) << aus;
    EXPECT_NE(aus.find("/germandbls"), std::string::npos) << aus;
}
