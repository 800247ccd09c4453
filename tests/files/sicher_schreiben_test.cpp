// Replacing a file through a temporary file: the old copy must survive every
// failure, and no temporary file may be left behind.
#include "files/sicher_schreiben.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

#include "tests/files/testverzeichnis.h"

namespace {

int DateienIn(const std::string& verzeichnis) {
    int n = 0;
    for ([[maybe_unused]] auto& e : std::filesystem::directory_iterator(verzeichnis)) ++n;
    return n;
}

}  // namespace

TEST(SichereDatei, ErsetztDasZielUndHinterlaesstNichts) {
    Testverzeichnis tv;
    std::string ziel = tv.Pfad("a.txt");
    DateiSchreiben(ziel, "alt\n");
    chmod(ziel.c_str(), 0640);
    SichereDatei d(ziel);
    FILE* f = d.Oeffnen();
    ASSERT_NE(f, nullptr);
    fprintf(f, "neu\n");
    EXPECT_EQ(DateiLesen(ziel), "alt\n");  // untouched until the end
    EXPECT_TRUE(d.Abschliessen());
    EXPECT_EQ(DateiLesen(ziel), "neu\n");
    EXPECT_EQ(DateienIn(tv.Pfad()), 1);
    struct stat st;
    ASSERT_EQ(stat(ziel.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);  // the old permissions are kept
}

TEST(SichereDatei, VerworfenOderAbgebrochenBleibtDieAlteDatei) {
    Testverzeichnis tv;
    std::string ziel = tv.Pfad("a.txt");
    DateiSchreiben(ziel, "alt\n");
    {
        SichereDatei d(ziel);
        ASSERT_NE(d.Oeffnen(), nullptr);
        fprintf(d.Datei(), "halb");
        // destroyed without Abschliessen, as on an early return
    }
    EXPECT_EQ(DateiLesen(ziel), "alt\n");
    EXPECT_EQ(DateienIn(tv.Pfad()), 1);
}

TEST(SichereDatei, UnerreichbaresZielMeldetFehler) {
    Testverzeichnis tv;
    // a parent that is a regular file blocks even for root
    DateiSchreiben(tv.Pfad("datei"), "x");
    SichereDatei d(tv.Pfad("datei/a.txt"));
    EXPECT_EQ(d.Oeffnen(), nullptr);
    EXPECT_FALSE(d.Abschliessen());
}

TEST(SichereDatei, SchreibfehlerWirdErkannt) {
    // A disk-full or I/O error shows only as the stream's error flag; the
    // flag alone must be enough to keep the old file.
    Testverzeichnis tv;
    std::string ziel = tv.Pfad("a.txt");
    DateiSchreiben(ziel, "alt\n");
    SichereDatei d(ziel);
    FILE* f = d.Oeffnen();
    ASSERT_NE(f, nullptr);
    fputc('x', f);
    // Reading from a write-only stream sets its error flag.
    fgetc(f);
    ASSERT_TRUE(ferror(f));
    EXPECT_FALSE(d.Abschliessen());
    EXPECT_EQ(DateiLesen(ziel), "alt\n");
    EXPECT_EQ(DateienIn(tv.Pfad()), 1);
}

TEST(SichereDatei, SymbolischerLinkBleibtErhalten) {
    Testverzeichnis tv;
    std::string echt = tv.Pfad("echt.txt");
    std::string link = tv.Pfad("link.txt");
    DateiSchreiben(echt, "alt\n");
    ASSERT_EQ(symlink(echt.c_str(), link.c_str()), 0);
    SichereDatei d(link);
    ASSERT_NE(d.Oeffnen(), nullptr);
    fprintf(d.Datei(), "neu\n");
    ASSERT_TRUE(d.Abschliessen());
    struct stat st;
    ASSERT_EQ(lstat(link.c_str(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode));
    EXPECT_EQ(DateiLesen(echt), "neu\n");
}
