// Reporting: numbered lines for the message list and the progress value.
//
// The same code reports to the main window, a terminal or a test: whoever
// runs the program installs a Berichtsempfaenger.  Lines are numbered from 0
// as "%4d  %s" and cut to the 216-byte line buffer.
#pragma once

#include <string>
#include <vector>

class Berichtsempfaenger {
public:
    virtual ~Berichtsempfaenger() = default;
    // A finished line "%4d  %s", at most 215 bytes.
    virtual void ZeileAnzeigen(const char* zeile) = 0;
    virtual void Fortschritt(double wert) = 0;
    int Zeilenzahl = 0;
};

// Writes lines to a stdio stream (stderr by default); ignores progress.
class TerminalBericht : public Berichtsempfaenger {
public:
    explicit TerminalBericht(void* datei = nullptr) : datei_(datei) {}
    void ZeileAnzeigen(const char* zeile) override;
    void Fortschritt(double) override {}
private:
    void* datei_;  // FILE*, null = stderr
};

// Keeps every line and progress value, for tests.
class SammelBericht : public Berichtsempfaenger {
public:
    void ZeileAnzeigen(const char* zeile) override { Zeilen.emplace_back(zeile); }
    void Fortschritt(double wert) override { Werte.push_back(wert); }
    // The message texts without their "%4d  " prefix.
    std::vector<std::string> Texte() const;
    std::vector<std::string> Zeilen;
    std::vector<double> Werte;
};

constexpr int MELDUNG_PUFFER = 216;

// Installs the receiver (null = the default terminal receiver on stderr).
// Returns the previous one.
Berichtsempfaenger* BerichtSetzen(Berichtsempfaenger* empfaenger);
Berichtsempfaenger* Bericht();

void MeldungAusgeben(const char* text);
void MeldungFormatiert(const char* format, ...) __attribute__((format(printf, 1, 2)));
void FortschrittSetzen(double wert);
