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
