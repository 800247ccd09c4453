// Numbered message lines and the progress value, sent to the installed receiver.
#include "core/bericht.h"

#include <cstdarg>
#include <cstdio>
#include <vector>

namespace {

TerminalBericht standardEmpfaenger;
Berichtsempfaenger* empfaenger = &standardEmpfaenger;

}  // namespace

void TerminalBericht::ZeileAnzeigen(const char* zeile) {
    FILE* datei = datei_ ? static_cast<FILE*>(datei_) : stderr;
    std::fprintf(datei, "%s\n", zeile);
    std::fflush(datei);
}

std::vector<std::string> SammelBericht::Texte() const {
    std::vector<std::string> texte;
    for (const std::string& zeile : Zeilen) {
        // "%4d  %s": skip the padded number, then exactly the two blanks.
        size_t i = 0;
        while (i < zeile.size() && zeile[i] == ' ') ++i;
        while (i < zeile.size() && (zeile[i] == '-' || (zeile[i] >= '0' && zeile[i] <= '9'))) ++i;
        for (int n = 0; n < 2 && i < zeile.size() && zeile[i] == ' '; ++n) ++i;
        texte.push_back(zeile.substr(i));
    }
    return texte;
}

Berichtsempfaenger* BerichtSetzen(Berichtsempfaenger* neu) {
    Berichtsempfaenger* vorher = empfaenger;
    empfaenger = neu ? neu : &standardEmpfaenger;
    return vorher;
}

Berichtsempfaenger* Bericht() { return empfaenger; }

void MeldungAusgeben(const char* text) {
    // snprintf cuts a long text at the end of the line buffer.
    char zeile[MELDUNG_PUFFER];
    std::snprintf(zeile, sizeof zeile, "%4d  %s", empfaenger->Zeilenzahl, text ? text : "");
    ++empfaenger->Zeilenzahl;
    empfaenger->ZeileAnzeigen(zeile);
}

void MeldungFormatiert(const char* format, ...) {
    // Formatted into a buffer larger than a line; MeldungAusgeben cuts it.
    char text[1024] = "";
    if (format) {
        va_list argumente;
        va_start(argumente, format);
        std::vsnprintf(text, sizeof text, format, argumente);
        va_end(argumente);
    }
    MeldungAusgeben(text);
}

void FortschrittSetzen(double wert) { empfaenger->Fortschritt(wert); }
