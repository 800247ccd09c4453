// Numbered message lines, progress values and diagnostics, sent to the
// installed receiver.
#include "core/bericht.h"

#include <cstdarg>
#include <cstdlib>
#include <vector>

namespace {

TerminalBericht standardEmpfaenger;
Berichtsempfaenger* empfaenger = &standardEmpfaenger;

// A formatted text, cut to the buffer (a message line is cut further).
void Formatieren(char (&text)[1024], const char* format, va_list argumente) {
    text[0] = '\0';
    if (format) std::vsnprintf(text, sizeof text, format, argumente);
}

}  // namespace

void TerminalBericht::ZeileAnzeigen(const char* zeile) {
    std::FILE* datei = datei_ ? datei_ : stderr;
    std::fprintf(datei, "%s\n", zeile);
    std::fflush(datei);
}

void TerminalBericht::Ausgeben(Ausgabekanal kanal, const char* text) {
    std::FILE* datei = kanal == Ausgabekanal::Fehler ? (fehler_ ? fehler_ : stderr) : (datei_ ? datei_ : stderr);
    std::fputs(text ? text : "", datei);
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

void MeldungAusgeben(Berichtsempfaenger& an, const char* text) {
    // snprintf cuts a long text at the end of the line buffer.
    char zeile[MELDUNG_PUFFER];
    std::snprintf(zeile, sizeof zeile, "%4d  %s", an.Zeilenzahl, text ? text : "");
    ++an.Zeilenzahl;
    an.ZeileAnzeigen(zeile);
}

void MeldungFormatiert(Berichtsempfaenger& an, const char* format, ...) {
    // Formatted into a buffer larger than a line; MeldungAusgeben cuts it.
    char text[1024];
    va_list argumente;
    va_start(argumente, format);
    Formatieren(text, format, argumente);
    va_end(argumente);
    MeldungAusgeben(an, text);
}

void MeldungAusgeben(const char* text) { MeldungAusgeben(*empfaenger, text); }

void MeldungFormatiert(const char* format, ...) {
    char text[1024];
    va_list argumente;
    va_start(argumente, format);
    Formatieren(text, format, argumente);
    va_end(argumente);
    MeldungAusgeben(*empfaenger, text);
}

void FortschrittSetzen(double wert) { empfaenger->Fortschritt(wert); }

void DiagnoseAusgeben(const char* format, ...) {
    char text[1024];
    va_list argumente;
    va_start(argumente, format);
    Formatieren(text, format, argumente);
    va_end(argumente);
    empfaenger->Ausgeben(Ausgabekanal::Diagnose, text);
}

void FehlerAusgeben(const char* format, ...) {
    char text[1024];
    va_list argumente;
    va_start(argumente, format);
    Formatieren(text, format, argumente);
    va_end(argumente);
    empfaenger->Ausgeben(Ausgabekanal::Fehler, text);
}

void FehlerBeenden(const char* text) {
    empfaenger->Ausgeben(Ausgabekanal::Fehler, text);
    std::exit(1);
}
