// The plot as PDF through Ghostscript: what reaches the target and what
// stays when Ghostscript is missing or fails.
#include "output/pdf.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "files/installation.h"
#include "files/sicher_schreiben.h"
#include "tests/files/testverzeichnis.h"

namespace {

bool GhostscriptDa() { return !ImSuchpfad(GHOSTSCRIPT, getenv("PATH")).empty(); }

// One A4 page with a line: the smallest plot.
int EineSeite(FILE* f) {
    fputs("%!PS\n100 100 moveto 300 300 lineto stroke showpage\n", f);
    return 1;
}

// Converts into `pfad` as the callers do: finish on success, else discard.
PdfErgebnis Schreiben(const std::string& pfad, int (*postscript)(FILE*), const char* gs = GHOSTSCRIPT) {
    SichereDatei ziel(pfad);
    if (!ziel.Oeffnen()) return PdfErgebnis::Dateifehler;
    PdfErgebnis e = PdfSchreiben(ziel, postscript, gs);
    if (e == PdfErgebnis::Geschrieben || e == PdfErgebnis::KeineSeiten) {
        if (!ziel.Abschliessen()) return PdfErgebnis::Dateifehler;
    } else {
        ziel.Verwerfen();
    }
    return e;
}

}  // namespace

TEST(Pdf, DateinamenErreichenGhostscriptNie) {
    if (!GhostscriptDa()) GTEST_SKIP() << "gs fehlt";
    Testverzeichnis t;
    // '%d' would be a page template and a leading '-' an option to gs.
    const std::string pfad = t.Pfad("-seite %d.pdf");
    ASSERT_EQ(Schreiben(pfad, EineSeite), PdfErgebnis::Geschrieben);
    const std::string inhalt = DateiLesen(pfad);
    EXPECT_EQ(inhalt.rfind("%PDF-", 0), 0u);
    EXPECT_NE(inhalt.find("/Count 1"), std::string::npos);
    EXPECT_NE(inhalt.find("/MediaBox [0 0 595 842]"), std::string::npos);  // A4, whatever gs's default
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(t.Pfad()), {}), 1);
    // A device is written in place; it has no size to check.
    EXPECT_EQ(Schreiben("/dev/null", EineSeite), PdfErgebnis::Geschrieben);
}

TEST(Pdf, FehlschlagBehaeltDieAlteDatei) {
    Testverzeichnis t;
    const std::string pfad = t.Pfad("plot.pdf");
    DateiSchreiben(pfad, "alt");
    EXPECT_EQ(Schreiben(pfad, EineSeite, "velko-gs-gibt-es-nicht"), PdfErgebnis::KeinGhostscript);
    EXPECT_EQ(DateiLesen(pfad), "alt");
    EXPECT_STREQ(PdfErgebnisText(PdfErgebnis::KeinGhostscript),
                 "Ghostscript (gs) nicht gefunden, PDF nicht erzeugt !");
    if (GhostscriptDa()) {
        auto kaputt = [](FILE* f) {
            fputs("%!PS\nkein_postscript_befehl\n", f);
            return 1;
        };
        EXPECT_EQ(Schreiben(pfad, kaputt), PdfErgebnis::Umwandlungsfehler);
        EXPECT_EQ(DateiLesen(pfad), "alt");
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(t.Pfad()), {}), 1);
}

TEST(Pdf, OhneSeitenBleibtDieDateiLeerWieBeimPostscript) {
    Testverzeichnis t;
    const std::string pfad = t.Pfad("leer.pdf");
    // Ghostscript is not even needed for nothing.
    EXPECT_EQ(Schreiben(pfad, [](FILE*) { return 0; }, "velko-gs-gibt-es-nicht"), PdfErgebnis::KeineSeiten);
    EXPECT_TRUE(Existiert(pfad));
    EXPECT_EQ(DateiLesen(pfad), "");
}
