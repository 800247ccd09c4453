// Replays every file of the given directories through the fuzz entry it is
// linked with, so the corpus and all findings stay covered by the ordinary
// test run.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t laenge);

int main(int argc, char** argv) {
    long dateien = 0;
    for (int i = 1; i < argc; ++i) {
        std::error_code ec;
        for (const auto& e : std::filesystem::directory_iterator(argv[i], ec)) {
            if (!e.is_regular_file() || e.path().filename() == ".gitkeep") continue;
            std::ifstream ein(e.path(), std::ios::binary);
            std::vector<char> inhalt((std::istreambuf_iterator<char>(ein)), std::istreambuf_iterator<char>());
            LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(inhalt.data()), inhalt.size());
            ++dateien;
        }
    }
    std::fprintf(stderr, "%ld Dateien nachgespielt\n", dateien);
    return dateien > 0 ? 0 : 1;
}
