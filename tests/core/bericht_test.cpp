// Message numbering, cutting of long lines and the receivers.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "core/bericht.h"
#include "core/latin1.h"

namespace {

struct Berichtfixture : ::testing::Test {
    SammelBericht sammler;
    Berichtsempfaenger* vorher = nullptr;
    void SetUp() override { vorher = BerichtSetzen(&sammler); }
    void TearDown() override { BerichtSetzen(vorher); }
};

}  // namespace

TEST_F(Berichtfixture, LinesAreNumberedFromZero) {
    MeldungAusgeben("System erzeugt.");
    MeldungFormatiert("Projekt %s erzeugt. ", "/tmp/p");
    MeldungAusgeben(nullptr);
    ASSERT_EQ(sammler.Zeilen.size(), 3u);
    EXPECT_EQ(sammler.Zeilen[0], "   0  System erzeugt.");
    EXPECT_EQ(sammler.Zeilen[1], "   1  Projekt /tmp/p erzeugt. ");
    EXPECT_EQ(sammler.Zeilen[2], "   2  ");
    EXPECT_EQ(sammler.Texte(), (std::vector<std::string>{"System erzeugt.", "Projekt /tmp/p erzeugt. ", ""}));
}

TEST_F(Berichtfixture, NumbersContinueFromTheReceiversCount) {
    sammler.Zeilenzahl = 12345;
    MeldungAusgeben("  eingerückt"_l1);
    EXPECT_EQ(sammler.Zeilen[0], std::string("12345    eingerückt"_l1));
    EXPECT_EQ(sammler.Texte()[0], "  eingerückt"_l1);
    EXPECT_EQ(sammler.Zeilenzahl, 12346);
}

TEST_F(Berichtfixture, LongMessagesAreCutToTheLineBuffer) {
    std::string lang(1000, 'x');
    MeldungAusgeben(lang.c_str());
    MeldungFormatiert("%s%s", lang.c_str(), lang.c_str());
    ASSERT_EQ(sammler.Zeilen.size(), 2u);
    for (const std::string& zeile : sammler.Zeilen) {
        EXPECT_EQ(zeile.size(), static_cast<size_t>(MELDUNG_PUFFER - 1));
        EXPECT_EQ(zeile.substr(6), std::string(MELDUNG_PUFFER - 7, 'x'));
    }
}

TEST_F(Berichtfixture, ProgressGoesToTheReceiver) {
    FortschrittSetzen(0.25);
    FortschrittSetzen(1.0);
    EXPECT_EQ(sammler.Werte, (std::vector<double>{0.25, 1.0}));
}

TEST(Bericht, TerminalReceiverWritesLinesAndNullRestoresTheDefault) {
    std::FILE* datei = std::tmpfile();
    ASSERT_NE(datei, nullptr);
    TerminalBericht terminal(datei);
    Berichtsempfaenger* vorher = BerichtSetzen(&terminal);
    MeldungAusgeben("eins");
    MeldungAusgeben("zwei");
    EXPECT_EQ(BerichtSetzen(nullptr), &terminal);
    EXPECT_NE(Bericht(), &terminal);
    std::rewind(datei);
    char puffer[100] = {};
    size_t n = std::fread(puffer, 1, sizeof puffer - 1, datei);
    EXPECT_EQ(std::string(puffer, n), "   0  eins\n   1  zwei\n");
    std::fclose(datei);
    BerichtSetzen(vorher);
}

// Unnumbered texts keep their place: diagnostics and fatal lines reach the
// receiver's channels, never the message list.
TEST_F(Berichtfixture, DiagnosenUndFehlerGehenAnIhrenKanal) {
    DiagnoseAusgeben("Version des Dateiformats V: %ld\n", 1L);
    FehlerAusgeben("read V1\n");
    EXPECT_EQ(sammler.Diagnosen, "Version des Dateiformats V: 1\n");
    EXPECT_EQ(sammler.Fehler, "read V1\n");
    EXPECT_TRUE(sammler.Zeilen.empty());
    EXPECT_EQ(sammler.Zeilenzahl, 0);
}

TEST(Bericht, TerminalSchreibtFehlerInIhrenEigenenStrom) {
    std::FILE* zeilen = std::tmpfile();
    std::FILE* fehler = std::tmpfile();
    ASSERT_TRUE(zeilen && fehler);
    TerminalBericht terminal(zeilen, fehler);
    Berichtsempfaenger* vorher = BerichtSetzen(&terminal);
    MeldungAusgeben("eins");
    DiagnoseAusgeben("SystemID: 7\n");
    FehlerAusgeben("Velko : MemFault\n");
    BerichtSetzen(vorher);
    auto lesen = [](std::FILE* f) {
        std::rewind(f);
        char puffer[200] = {};
        return std::string(puffer, std::fread(puffer, 1, sizeof puffer - 1, f));
    };
    EXPECT_EQ(lesen(zeilen), "   0  eins\nSystemID: 7\n");
    EXPECT_EQ(lesen(fehler), "Velko : MemFault\n");
    std::fclose(zeilen);
    std::fclose(fehler);
}

TEST(BerichtDeathTest, FehlerBeendenEndetMitStatusEins) {
    EXPECT_EXIT(FehlerBeenden("Velko : MemFault\n"), ::testing::ExitedWithCode(1), "Velko : MemFault");
}
