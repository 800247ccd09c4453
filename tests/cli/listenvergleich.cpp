// listenvergleich ERWARTET GESCHRIEBEN: compares a listing with its expected
// copy, forgiving round-off in the last printed digit.  Exit 0 when they
// match; otherwise names the first difference.  With VELKO_GOLDEN_SCHREIBEN
// set, copies the written listing over the expected one instead.

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "tests/output/zahlenvergleich.h"

namespace {

bool Lesen(const char* pfad, std::string& text) {
    std::ifstream ein(pfad, std::ios::binary);
    if (!ein) return false;
    std::stringstream s;
    s << ein.rdbuf();
    text = s.str();
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        fprintf(stderr, "Aufruf: listenvergleich ERWARTET GESCHRIEBEN\n");
        return 2;
    }
    std::string soll, ist, unterschied;
    if (!Lesen(argv[2], ist)) {
        fprintf(stderr, "%s nicht lesbar\n", argv[2]);
        return 2;
    }
    if (std::getenv("VELKO_GOLDEN_SCHREIBEN")) {
        std::ofstream(argv[1], std::ios::binary) << ist;
        return 0;
    }
    if (!Lesen(argv[1], soll)) {
        fprintf(stderr, "%s nicht lesbar\n", argv[1]);
        return 2;
    }
    if (zahlenvergleich::Gleich(soll, ist, unterschied)) return 0;
    fprintf(stderr, "%s: %s\n", argv[2], unterschied.c_str());
    return 1;
}
