// Reporting: numbered lines for the message list, the progress value, and
// the unnumbered diagnostics and fatal lines that the program writes to its
// standard streams.
//
// The same code reports to the main window, a terminal or a test: whoever
// runs the program installs a Berichtsempfaenger and decides where each
// kind of text goes.  Library code never writes to stdout or stderr itself.
// Lines are numbered from 0 as "%4d  %s" and cut to the 216-byte line buffer.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

// Texts that are no numbered message.
enum class Ausgabekanal {
    Diagnose,  // notes of reading files and editing (standard output in the window program)
    Fehler,    // fatal conditions and misuse of an operation (standard error)
};

class Berichtsempfaenger {
public:
    virtual ~Berichtsempfaenger() = default;
    // A finished line "%4d  %s", at most 215 bytes.
    virtual void ZeileAnzeigen(const char* zeile) = 0;
    virtual void Fortschritt(double wert) = 0;
    // Unnumbered text as the caller formed it (line breaks included); a
    // receiver that has no place for it drops it.
    virtual void Ausgeben(Ausgabekanal, const char*) {}
    int Zeilenzahl = 0;
};

// Writes lines and diagnostics to one stdio stream and fatal lines to
// another (both standard error by default); ignores progress.
class TerminalBericht : public Berichtsempfaenger {
public:
    explicit TerminalBericht(std::FILE* datei = nullptr, std::FILE* fehler = nullptr)
        : datei_(datei), fehler_(fehler) {}
    void ZeileAnzeigen(const char* zeile) override;
    void Fortschritt(double) override {}
    void Ausgeben(Ausgabekanal kanal, const char* text) override;
private:
    std::FILE* datei_;   // null = stderr
    std::FILE* fehler_;  // null = stderr
};

// Keeps every line, progress value and diagnostic, for tests.
class SammelBericht : public Berichtsempfaenger {
public:
    void ZeileAnzeigen(const char* zeile) override { Zeilen.emplace_back(zeile); }
    void Fortschritt(double wert) override { Werte.push_back(wert); }
    void Ausgeben(Ausgabekanal kanal, const char* text) override {
        (kanal == Ausgabekanal::Diagnose ? Diagnosen : Fehler) += text ? text : "";
    }
    // The message texts without their "%4d  " prefix.
    std::vector<std::string> Texte() const;
    std::vector<std::string> Zeilen;
    std::vector<double> Werte;
    std::string Diagnosen;
    std::string Fehler;
};

constexpr int MELDUNG_PUFFER = 216;

// Installs the receiver (null = the default terminal receiver on stderr).
// Returns the previous one.
Berichtsempfaenger* BerichtSetzen(Berichtsempfaenger* empfaenger);
Berichtsempfaenger* Bericht();

// Through the installed receiver.
void MeldungAusgeben(const char* text);
void MeldungFormatiert(const char* format, ...) __attribute__((format(printf, 1, 2)));
void FortschrittSetzen(double wert);
void DiagnoseAusgeben(const char* format, ...) __attribute__((format(printf, 1, 2)));
void FehlerAusgeben(const char* format, ...) __attribute__((format(printf, 1, 2)));
// Reports a fatal condition and ends the program with status 1.
[[noreturn]] void FehlerBeenden(const char* text);

// Through a receiver given by the caller (the analysis reports to the
// receiver it was handed).
void MeldungAusgeben(Berichtsempfaenger& an, const char* text);
void MeldungFormatiert(Berichtsempfaenger& an, const char* format, ...) __attribute__((format(printf, 2, 3)));
