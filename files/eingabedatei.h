// Taking in a whole input file at once, safely.
//
// Every reader of the program (system file, catalogues, colours, scales,
// ~/.velko) gets its file through here: only a regular file is read (a FIFO
// would block, a device such as /dev/zero never ends), and only up to a size
// that the reader names.  The text is then parsed from memory in
// whitespace-separated tokens of bounded length.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

enum class Einlesen {
    Gelesen,
    Fehlt,           // no such file
    NichtLesbar,     // cannot be opened or read (permissions, I/O error)
    KeineDatei,      // a directory, device, FIFO or socket
    ZuGross,         // larger than the reader's limit
    KeinSpeicher,    // memory exhausted while reading
};

// Reads the file at `pfad` into `text`.  Opening never blocks.
Einlesen DateiEinlesen(const char* pfad, std::size_t groesste, std::string& text);

// What went wrong, as a short German phrase for messages ("ist keine
// reguläre Datei", "ist zu groß", ...); "" for Gelesen.
const char* EinlesefehlerText(Einlesen ergebnis);

// Tokens of a text, separated by the blanks of the "C" locale.
class Wortleser {
public:
    Wortleser(std::string_view text, std::size_t laengstesWort) : text_(text), laengstes_(laengstesWort) {}
    // The next token; false at the end of the text.  A token longer than the
    // limit is returned as far as the limit, and `Zulang` tells so until the
    // next token is read.
    bool Wort(std::string_view& wort);
    // The next token as a whole number ("%ld") or a finite real; false at
    // the end, on an overlong token or when it is no such number (which is
    // then in `Letztes`).
    bool Ganzzahl(long& wert);
    bool Zahl(double& wert);

    bool Zulang() const { return zulang_; }
    std::string_view Letztes() const { return letztes_; }
    long Nummer() const { return nummer_; }  // tokens read so far

private:
    std::string_view text_;
    std::size_t laengstes_;
    std::size_t pos_ = 0;
    long nummer_ = 0;
    bool zulang_ = false;
    std::string_view letztes_;
};

// Parsing of a single token, also for readers that keep their own loop.
bool GanzzahlAusWort(std::string_view wort, long& wert);
bool ZahlAusWort(std::string_view wort, double& wert);
