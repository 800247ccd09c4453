#include "files/eingabedatei.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <new>

#include "core/latin1.h"
#include "files/systemdatei_intern.h"

Einlesen DateiEinlesen(const char* pfad, std::size_t groesste, std::string& text) {
    text.clear();
    if (!pfad || !*pfad) return Einlesen::Fehlt;
    // O_NONBLOCK: a FIFO must not hold the program until someone writes.
    const int fd = open(pfad, O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) return errno == ENOENT || errno == ENOTDIR ? Einlesen::Fehlt : Einlesen::NichtLesbar;
    struct stat st {};
    Einlesen e = Einlesen::Gelesen;
    if (fstat(fd, &st) != 0) e = Einlesen::NichtLesbar;
    else if (!S_ISREG(st.st_mode)) e = Einlesen::KeineDatei;
    else if (st.st_size < 0 || static_cast<unsigned long long>(st.st_size) > groesste) e = Einlesen::ZuGross;
    if (e == Einlesen::Gelesen) {
        try {
            text.resize(static_cast<std::size_t>(st.st_size));
            // A file that grew meanwhile is read only to the size it had;
            // one that shrank, as far as it goes.
            std::size_t gelesen = 0;
            while (gelesen < text.size()) {
                const ssize_t n = read(fd, text.data() + gelesen, text.size() - gelesen);
                if (n < 0 && errno == EINTR) continue;
                if (n < 0) {
                    e = Einlesen::NichtLesbar;
                    break;
                }
                if (n == 0) break;
                gelesen += static_cast<std::size_t>(n);
            }
            text.resize(gelesen);
        } catch (const std::bad_alloc&) {
            e = Einlesen::KeinSpeicher;
        }
    }
    close(fd);
    if (e != Einlesen::Gelesen) std::string().swap(text);
    return e;
}

const char* EinlesefehlerText(Einlesen ergebnis) {
    switch (ergebnis) {
    case Einlesen::Gelesen: return "";
    case Einlesen::Fehlt: return "existiert nicht";
    case Einlesen::NichtLesbar: return "ist nicht lesbar";
    case Einlesen::KeineDatei: return "ist keine reguläre Datei"_l1;
    case Einlesen::ZuGross: return "ist zu groß"_l1;
    case Einlesen::KeinSpeicher: return "passt nicht in den Speicher";
    }
    return "";
}

bool GanzzahlAusWort(std::string_view wort, long& wert) {
    // strtol needs a terminated string; a number has few digits.
    char puffer[32];
    if (wort.empty() || wort.size() >= sizeof puffer) return false;
    wort.copy(puffer, wort.size());
    puffer[wort.size()] = '\0';
    errno = 0;
    char* ende = nullptr;
    const long v = std::strtol(puffer, &ende, 10);
    if (ende != puffer + wort.size() || errno == ERANGE) return false;
    wert = v;
    return true;
}

bool ZahlAusWort(std::string_view wort, double& wert) {
    // "%f" of the largest double has 316 characters.
    char puffer[400];
    if (wort.empty() || wort.size() >= sizeof puffer) return false;
    wort.copy(puffer, wort.size());
    puffer[wort.size()] = '\0';
    char* ende = nullptr;
    const double v = std::strtod(puffer, &ende);
    // Also refuses "inf", "nan" and anything that overflows to them.
    if (ende != puffer + wort.size() || !std::isfinite(v)) return false;
    wert = v;
    return true;
}

bool Wortleser::Wort(std::string_view& wort) {
    std::size_t i = pos_;
    while (i < text_.size() && IstTrennzeichen(static_cast<unsigned char>(text_[i]))) ++i;
    if (i == text_.size()) {
        pos_ = i;
        return false;
    }
    const std::size_t anfang = i;
    while (i < text_.size() && !IstTrennzeichen(static_cast<unsigned char>(text_[i]))) ++i;
    pos_ = i;
    ++nummer_;
    wort = text_.substr(anfang, i - anfang);
    zulang_ = wort.size() > laengstes_;
    if (zulang_) wort = wort.substr(0, laengstes_);
    letztes_ = wort;
    return true;
}

bool Wortleser::Ganzzahl(long& wert) {
    std::string_view w;
    return Wort(w) && !zulang_ && GanzzahlAusWort(w, wert);
}

bool Wortleser::Zahl(double& wert) {
    std::string_view w;
    return Wort(w) && !zulang_ && ZahlAusWort(w, wert);
}
