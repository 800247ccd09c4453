// What the program takes from its command line once the toolkit has
// consumed its own X options: at most the path of a system file to open.
#pragma once

struct Kommandozeile {
    const char* Systemdatei = nullptr;  // null = start without a System
    int Ueberzaehlig = 0;               // further arguments, ignored
};

// `argc`/`argv` as the toolkit left them (argv[0] is the program).  The
// first remaining argument is the system file; "--" ends the options, so a
// file whose name starts with '-' can be given after it.
Kommandozeile KommandozeileAuswerten(int argc, char** argv);
