#include "files/uebersetzen.h"

#include <cstdlib>
#include <string>

namespace {

// 0 = not yet initialised, 1 = texts as written.  A catalogue lookup would
// be a further state; no LANG value selects one yet.
int zustand = 0;
std::string sprache;

void Initialisieren() {
    if (zustand != 0) return;
    const char* lang = std::getenv("LANG");
    sprache = lang ? lang : "";
    zustand = 1;
}

}  // namespace

const char* Uebersetzen(const char* text) {
    Initialisieren();
    return text ? text : "";
}

const char* Sprache() {
    Initialisieren();
    return sprache.c_str();
}
