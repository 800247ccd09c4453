// A fresh temporary directory per test, removed with everything in it, and
// small helpers to put files there and read them back.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

class Testverzeichnis {
public:
    Testverzeichnis() {
        std::string muster = (std::filesystem::temp_directory_path() / "velko_test_XXXXXX").string();
        char* ergebnis = mkdtemp(muster.data());
        pfad_ = ergebnis ? ergebnis : "";
    }
    ~Testverzeichnis() {
        std::error_code ec;
        if (!pfad_.empty()) std::filesystem::remove_all(pfad_, ec);
    }
    Testverzeichnis(const Testverzeichnis&) = delete;
    Testverzeichnis& operator=(const Testverzeichnis&) = delete;
    std::string Pfad(const std::string& name = "") const { return name.empty() ? pfad_ : pfad_ + "/" + name; }

private:
    std::string pfad_;
};

inline void DateiSchreiben(const std::string& pfad, const std::string& inhalt) {
    std::ofstream(pfad, std::ios::binary) << inhalt;
}

inline std::string DateiLesen(const std::string& pfad) {
    std::ifstream ein(pfad, std::ios::binary);
    std::ostringstream s;
    s << ein.rdbuf();
    return s.str();
}

inline bool Existiert(const std::string& pfad) { return std::filesystem::exists(pfad); }
