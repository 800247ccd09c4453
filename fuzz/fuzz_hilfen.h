// What every fuzz entry shares: silence, and a scratch directory in memory.
//
// The entries hand their bytes to the readers as files, since reading the
// file is part of what is tested.  Creating and deleting a file on a disk
// file system for every input cost most of the time of a run, so the files
// live in /dev/shm where there is one and are only truncated between
// inputs; the directory goes at exit.
#pragma once

#include <fcntl.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "core/bericht.h"

namespace fuzz {

// Messages and the readers' diagnostics are dropped: a fuzz run produces
// millions of them.
class StillerBericht : public Berichtsempfaenger {
public:
    void ZeileAnzeigen(const char*) override {}
    void Fortschritt(double) override {}
};

inline void Ruhe() {
    static StillerBericht still;
    BerichtSetzen(&still);
}

// A directory of this process, removed at exit.  The string is never
// destroyed: the exit handler still needs it after static destructors ran.
inline const std::string& Arbeitsverzeichnis() {
    static const std::string* pfad = [] {
        const char* basis = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
        auto* p = new std::string(std::string(basis) + "/velko_fuzz_" + std::to_string(static_cast<long>(getpid())));
        std::filesystem::create_directories(*p);
        std::atexit([] {
            std::error_code ec;
            std::filesystem::remove_all(Arbeitsverzeichnis(), ec);
        });
        return p;
    }();
    return *pfad;
}

inline std::string Pfad(const std::string& name) { return Arbeitsverzeichnis() + "/" + name; }

// Puts the bytes into the file, replacing what it held.
inline void Belegen(const std::string& pfad, const uint8_t* daten, size_t laenge) {
    int fd = open(pfad.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0) std::abort();
    size_t geschrieben = 0;
    while (geschrieben < laenge) {
        ssize_t n = write(fd, daten + geschrieben, laenge - geschrieben);
        if (n <= 0) std::abort();
        geschrieben += static_cast<size_t>(n);
    }
    close(fd);
}

// A property the readers promise was broken: the fuzzer keeps the input.
[[noreturn]] inline void Verletzt(const char* was) {
    std::fprintf(stderr, "Eigenschaft verletzt: %s\n", was);
    std::abort();
}

}  // namespace fuzz
