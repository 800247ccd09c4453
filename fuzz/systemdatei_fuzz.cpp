// Fuzz entry for the system file reader: the bytes become a file, the file
// is read, and everything read is freed again.  Built with libFuzzer when
// VELKO_FUZZ is on, and replayed over the corpus by a plain test otherwise.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "core/bericht.h"
#include "core/programm.h"
#include "files/systemdatei.h"

namespace {

// Messages are dropped: a fuzz run produces millions of them.
class StillerBericht : public Berichtsempfaenger {
public:
    void ZeileAnzeigen(const char*) override {}
    void Fortschritt(double) override {}
};

const std::string& Eingabedatei() {
    static const std::string pfad = "/tmp/velko_fuzz_" + std::to_string(static_cast<long>(getpid())) + ".sysdat";
    return pfad;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t laenge) {
    static StillerBericht still;
    BerichtSetzen(&still);
    const std::string& pfad = Eingabedatei();
    FILE* f = std::fopen(pfad.c_str(), "wb");
    if (!f) return 0;
    // An empty input arrives with a null pointer, which fwrite must not see.
    if (laenge > 0) std::fwrite(daten, 1, laenge, f);
    std::fclose(f);

    SystemLesen(pfad.c_str());
    ProgrammZuruecksetzen();
    unlink(pfad.c_str());
    return 0;
}
