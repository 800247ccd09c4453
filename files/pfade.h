// The per-user path configuration "$HOME/.velko": six settings, one token
// each, plus the administration directory derived from the first.
#pragma once

#include <string>

struct Pfadeinstellungen {
    std::string Programmverzeichnis;
    std::string Katalogverzeichnis;
    std::string Projektverzeichnis;
    std::string Tempverzeichnis;
    std::string HtmlBetrachter;
    std::string PsBetrachter;
    std::string Verwaltungsverzeichnis;  // "<Programmverzeichnis>/verwaltung"
};

extern Pfadeinstellungen Pfade;
