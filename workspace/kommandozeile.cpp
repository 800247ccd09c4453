// The command line after the toolkit's options.
#include "workspace/kommandozeile.h"

#include <cstring>

Kommandozeile KommandozeileAuswerten(int argc, char** argv) {
    Kommandozeile k;
    if (!argv) return k;
    int i = 1;
    if (i < argc && argv[i] && std::strcmp(argv[i], "--") == 0) ++i;
    for (; i < argc; ++i) {
        if (!argv[i] || !*argv[i]) continue;  // an empty argument names no file
        if (!k.Systemdatei) k.Systemdatei = argv[i];
        else ++k.Ueberzaehlig;
    }
    return k;
}
