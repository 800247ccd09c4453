#include "files/installation.h"

#include <climits>
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool IstVerzeichnis(const std::string& pfad) {
    struct stat st;
    return stat(pfad.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool IstAusfuehrbar(const std::string& pfad) {
    struct stat st;
    return stat(pfad.c_str(), &st) == 0 && S_ISREG(st.st_mode) && access(pfad.c_str(), X_OK) == 0;
}

// "<prefix>/bin" -> "<prefix>/share/velko", without "..": the paths shown
// in the first-run dialog and written to .velko read better that way.
std::string DatenNeben(const std::string& programmverzeichnis) {
    std::string d = programmverzeichnis;
    while (d.size() > 1 && d.back() == '/') d.pop_back();
    size_t schnitt = d.find_last_of('/');
    std::string prefix = schnitt == std::string::npos ? "." : d.substr(0, schnitt);
    return prefix + "/" + DATEN_UNTER_PREFIX;
}

}  // namespace

std::string EigenesVerzeichnis() {
    char pfad[PATH_MAX];
    ssize_t n = readlink("/proc/self/exe", pfad, sizeof pfad - 1);
    if (n <= 0) return "";
    std::string p(pfad, static_cast<size_t>(n));
    size_t schnitt = p.find_last_of('/');
    if (schnitt == std::string::npos) return "";
    return schnitt == 0 ? "/" : p.substr(0, schnitt);
}

std::string InstallierteDatenVon(const std::string& programmverzeichnis) {
    if (programmverzeichnis.empty()) return "";
    std::string daten = DatenNeben(programmverzeichnis);
    return IstVerzeichnis(VerwaltungsverzeichnisVon(daten)) ? daten : "";
}

std::string InstallierteDaten() { return InstallierteDatenVon(EigenesVerzeichnis()); }

std::string ImSuchpfad(const std::string& name, const char* suchpfad) {
    if (name.empty()) return "";
    if (name.find('/') != std::string::npos) return IstAusfuehrbar(name) ? name : "";
    std::string pfade = suchpfad ? suchpfad : "";
    size_t anfang = 0;
    for (;;) {
        size_t ende = pfade.find(':', anfang);
        std::string verzeichnis = pfade.substr(anfang, ende == std::string::npos ? std::string::npos : ende - anfang);
        std::string kandidat = (verzeichnis.empty() ? std::string(".") : verzeichnis) + "/" + name;
        if (IstAusfuehrbar(kandidat)) return kandidat;
        if (ende == std::string::npos) return "";
        anfang = ende + 1;
    }
}

const std::vector<std::string>& HtmlBetrachterKandidaten() {
    // xdg-open follows the desktop's choice; the other two are Debian's
    // alternatives for "the" browser.
    static const std::vector<std::string> kandidaten = {"xdg-open", "sensible-browser", "x-www-browser"};
    return kandidaten;
}

std::string HtmlBetrachterVorschlagen(const char* suchpfad) {
    for (const std::string& k : HtmlBetrachterKandidaten())
        if (!ImSuchpfad(k, suchpfad).empty()) return k;
    return HtmlBetrachterKandidaten().front();
}

Pfadeinstellungen ErststartVorgaben(const std::string& home) {
    Pfadeinstellungen p = PfadeVorgaben(home);
    if (std::string daten = InstallierteDaten(); !daten.empty()) {
        p.Programmverzeichnis = PfadBereinigen(daten);
        p.Verwaltungsverzeichnis = VerwaltungsverzeichnisVon(p.Programmverzeichnis);
    }
    p.HtmlBetrachter = HtmlBetrachterVorschlagen(getenv("PATH"));
    return p;
}
