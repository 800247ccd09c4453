// The manual page of velko-rechnen keeps up with the option table.
#include <gtest/gtest.h>

#include <cctype>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "cli/rechnen_optionen.h"

namespace {

std::string Handbuchseite(const char* name) {
    const char* quellen = std::getenv("VELKO_QUELLEN");
    std::ifstream ein(std::string(quellen ? quellen : ".") + "/daten/man/" + name);
    std::ostringstream text;
    text << ein.rdbuf();
    return text.str();
}

// "--pdf" as roff writes it ("\-\-pdf"), as a whole word: "--ps" must not be
// found inside "--pseudo".
bool NenntOption(const std::string& seite, const std::string& option) {
    std::string roff;
    for (char c : option) roff += c == '-' ? std::string("\\-") : std::string(1, c);
    for (size_t pos = seite.find(roff); pos != std::string::npos; pos = seite.find(roff, pos + 1)) {
        size_t ende = pos + roff.size();
        if (ende == seite.size() || !(std::isalnum(static_cast<unsigned char>(seite[ende])) || seite[ende] == '\\'))
            return true;
    }
    return false;
}

}  // namespace

TEST(Handbuch, VelkoRechnenNenntJedeOption) {
    const std::string seite = Handbuchseite("velko-rechnen.1");
    ASSERT_FALSE(seite.empty());
    for (const RechnenOption& o : RechnenOptionen()) {
        EXPECT_TRUE(NenntOption(seite, o.Name)) << o.Name;
        if (o.Alias) {
            EXPECT_TRUE(NenntOption(seite, o.Alias)) << o.Alias;
        }
    }
    EXPECT_FALSE(NenntOption(seite, "--gibt-es-nicht"));
}
