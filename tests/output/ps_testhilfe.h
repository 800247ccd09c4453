// Capturing the writer's output in memory, golden files, and Ghostscript.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

// A memory stream the writer can print into; Text() closes it once.
class PsPuffer {
public:
    PsPuffer() : datei_(open_memstream(&daten_, &laenge_)) {}
    ~PsPuffer() {
        if (datei_) std::fclose(datei_);
        std::free(daten_);
    }
    PsPuffer(const PsPuffer&) = delete;
    PsPuffer& operator=(const PsPuffer&) = delete;
    FILE* Datei() { return datei_; }
    std::string Text() {
        if (datei_) {
            std::fclose(datei_);
            datei_ = nullptr;
        }
        return std::string(daten_ ? daten_ : "", laenge_);
    }

private:
    char* daten_ = nullptr;
    std::size_t laenge_ = 0;
    FILE* datei_;
};

inline std::string Quellpfad(const std::string& relativ) {
    const char* q = std::getenv("VELKO_QUELLEN");
    return std::string(q && *q ? q : VELKO_QUELLEN) + "/" + relativ;
}

// Compares with tests/output/daten/<name>.  With VELKO_GOLDEN_NEU=1 set the
// file is (re)written instead, for a deliberate change of the format.
inline void GoldenVergleichen(const std::string& name, const std::string& inhalt) {
    const std::string pfad = Quellpfad("tests/output/daten/" + name);
    if (const char* neu = std::getenv("VELKO_GOLDEN_NEU"); neu && std::string(neu) == "1") {
        std::ofstream(pfad, std::ios::binary) << inhalt;
        return;
    }
    std::ifstream ein(pfad, std::ios::binary);
    ASSERT_TRUE(ein.good()) << "golden file missing: " << pfad;
    std::ostringstream s;
    s << ein.rdbuf();
    EXPECT_EQ(s.str(), inhalt) << "differs from " << pfad;
}

inline bool GhostscriptVorhanden() { return std::system("command -v gs >/dev/null 2>&1") == 0; }

// Runs a shell command; returns its exit status and collects stdout+stderr.
inline int Ausfuehren(const std::string& befehl, std::string* ausgabe) {
    FILE* p = popen((befehl + " 2>&1").c_str(), "r");
    if (!p) return -1;
    char puffer[4096];
    std::size_t n;
    while ((n = std::fread(puffer, 1, sizeof puffer, p)) > 0)
        if (ausgabe) ausgabe->append(puffer, n);
    const int status = pclose(p);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// A binary PPM (P6) image as rendered by Ghostscript's ppmraw device.
struct PpmBild {
    int Breite = 0;
    int Hoehe = 0;
    std::string Pixel;  // RGB, rows from the top
    // Anything that is not white counts as ink.
    bool Tinte(int x, int y) const {
        if (x < 0 || y < 0 || x >= Breite || y >= Hoehe) return false;
        const std::size_t i = 3 * (static_cast<std::size_t>(y) * Breite + x);
        return static_cast<unsigned char>(Pixel[i]) < 250 || static_cast<unsigned char>(Pixel[i + 1]) < 250 ||
               static_cast<unsigned char>(Pixel[i + 2]) < 250;
    }
};

// Reads a P6 file with maximum value 255; false when it is anything else.
inline bool PpmLesen(const std::string& pfad, PpmBild* bild) {
    std::ifstream ein(pfad, std::ios::binary);
    std::string magie;
    ein >> magie;
    if (magie != "P6") return false;
    int werte[3];
    for (int& w : werte) {
        ein >> std::ws;
        while (ein.peek() == '#') {
            std::string kommentar;
            std::getline(ein, kommentar);
            ein >> std::ws;
        }
        if (!(ein >> w)) return false;
    }
    if (werte[2] != 255 || werte[0] <= 0 || werte[1] <= 0) return false;
    ein.get();  // the single blank after the header
    bild->Breite = werte[0];
    bild->Hoehe = werte[1];
    bild->Pixel.resize(3 * static_cast<std::size_t>(werte[0]) * werte[1]);
    ein.read(bild->Pixel.data(), static_cast<std::streamsize>(bild->Pixel.size()));
    return static_cast<std::size_t>(ein.gcount()) == bild->Pixel.size();
}
