#include "files/sicher_schreiben.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <cstring>

namespace {

// A symbolic link is replaced by writing beside the file it points to, so
// the link itself survives the rename.
std::string WirklichesZiel(const std::string& ziel) {
    struct stat st;
    if (lstat(ziel.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
        char aufgeloest[PATH_MAX];
        if (realpath(ziel.c_str(), aufgeloest)) return aufgeloest;
    }
    return ziel;
}

bool BeginntMit(const std::string& s, const char* anfang) { return s.rfind(anfang, 0) == 0; }

// ------------------------------------------------ open temporary files
//
// The paths of the temporary files being written, for the signal handler
// and exit(): fixed storage, since a handler may neither allocate nor lock.
// A path is complete before its entry is marked used.

constexpr int PLAETZE = 16;

struct Platz {
    volatile sig_atomic_t belegt;
    char pfad[PATH_MAX];
};

Platz plaetze[PLAETZE];

void AlleEntfernen() {
    for (Platz& p : plaetze)
        if (p.belegt) {
            unlink(p.pfad);
            p.belegt = 0;
        }
}

extern "C" void BeimSignal(int signal) {
    const int fehler = errno;
    AlleEntfernen();
    // Then die of the signal as the program would have without us.
    std::signal(signal, SIG_DFL);
    std::raise(signal);
    errno = fehler;
}

extern "C" void BeimBeenden() { AlleEntfernen(); }

// Installed on the first temporary file.  A signal the program ignores or
// handles itself stays as it is.
void AufraeumenEinrichten() {
    static bool eingerichtet = false;
    if (eingerichtet) return;
    eingerichtet = true;
    std::atexit(BeimBeenden);
    for (int s : {SIGTERM, SIGINT, SIGHUP}) {
        struct sigaction alt {};
        if (sigaction(s, nullptr, &alt) != 0 || alt.sa_handler != SIG_DFL) continue;
        struct sigaction neu {};
        neu.sa_handler = BeimSignal;
        sigemptyset(&neu.sa_mask);
        sigaction(s, &neu, nullptr);
    }
}

int Eintragen(const std::string& pfad) {
    if (pfad.size() >= PATH_MAX) return -1;
    AufraeumenEinrichten();
    for (int i = 0; i < PLAETZE; ++i)
        if (!plaetze[i].belegt) {
            std::memcpy(plaetze[i].pfad, pfad.c_str(), pfad.size() + 1);
            plaetze[i].belegt = 1;
            return i;
        }
    return -1;  // the file is still removed on every ordinary failure
}

void Austragen(int& platz) {
    if (platz >= 0) plaetze[platz].belegt = 0;
    platz = -1;
}

bool NurZiffern(const std::string& s, std::size_t von, std::size_t bis) {
    if (von >= bis) return false;
    for (std::size_t i = von; i < bis; ++i)
        if (s[i] < '0' || s[i] > '9') return false;
    return true;
}

void VerzeichnisSynchronisieren(const std::string& datei) {
    const std::size_t schnitt = datei.rfind('/');
    const std::string verzeichnis = schnitt == std::string::npos ? "." : datei.substr(0, schnitt + 1);
    int fd = open(verzeichnis.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    fsync(fd);  // makes the rename durable; nothing to do when it fails
    close(fd);
}

}  // namespace

bool DirektGeschrieben(const std::string& pfad) {
    if (pfad == "/dev/stdout" || pfad == "/dev/stderr" || BeginntMit(pfad, "/dev/fd/") ||
        BeginntMit(pfad, "/proc/"))
        return true;
    struct stat st;
    return stat(pfad.c_str(), &st) == 0 && !S_ISREG(st.st_mode) && !S_ISDIR(st.st_mode);
}

bool IstTempdateiVon(const std::string& name, const std::string& zielname, long& prozess) {
    if (zielname.empty() || !BeginntMit(name, zielname.c_str())) return false;
    const std::size_t rest = zielname.size();
    std::size_t pid_anfang, pid_ende;
    // "<ziel>.velko-<pid>-<n>.tmp", and "<ziel>.tmp<pid>_<n>" of older versions.
    if (name.compare(rest, 7, ".velko-") == 0 && name.size() > rest + 11 &&
        name.compare(name.size() - 4, 4, ".tmp") == 0) {
        pid_anfang = rest + 7;
        pid_ende = name.find('-', pid_anfang);
        if (pid_ende == std::string::npos || !NurZiffern(name, pid_ende + 1, name.size() - 4)) return false;
    } else if (name.compare(rest, 4, ".tmp") == 0) {
        pid_anfang = rest + 4;
        pid_ende = name.find('_', pid_anfang);
        if (pid_ende == std::string::npos || !NurZiffern(name, pid_ende + 1, name.size())) return false;
    } else {
        return false;
    }
    if (!NurZiffern(name, pid_anfang, pid_ende) || pid_ende - pid_anfang > 9) return false;
    prozess = std::strtol(name.c_str() + pid_anfang, nullptr, 10);
    return true;
}

int VerwaisteTempdateienEntfernen(const std::string& ziel) {
    const std::size_t schnitt = ziel.rfind('/');
    const std::string verzeichnis = schnitt == std::string::npos ? "." : ziel.substr(0, schnitt + 1);
    const std::string zielname = schnitt == std::string::npos ? ziel : ziel.substr(schnitt + 1);
    DIR* d = opendir(verzeichnis.c_str());
    if (!d) return 0;
    int entfernt = 0;
    while (const dirent* e = readdir(d)) {
        long prozess = 0;
        if (!IstTempdateiVon(e->d_name, zielname, prozess) || prozess == static_cast<long>(getpid()))
            continue;
        // Only a writer that is gone: another running program may be
        // writing the same target right now.
        if (prozess > 0 && (kill(static_cast<pid_t>(prozess), 0) == 0 || errno != ESRCH)) continue;
        const std::string pfad = verzeichnis + (verzeichnis.back() == '/' ? "" : "/") + e->d_name;
        struct stat st;
        if (lstat(pfad.c_str(), &st) == 0 && S_ISREG(st.st_mode) && unlink(pfad.c_str()) == 0) ++entfernt;
    }
    closedir(d);
    return entfernt;
}

SichereDatei::SichereDatei(std::string ziel) : ziel_(WirklichesZiel(ziel)) {}

SichereDatei::~SichereDatei() { Verwerfen(); }

FILE* SichereDatei::Oeffnen() {
    Verwerfen();
    direkt_ = DirektGeschrieben(ziel_);
    if (direkt_) {
        // Appending leaves a regular file behind /dev/stdout (the shell's
        // "> datei" or ">> datei") as the shell made it.
        int fd = open(ziel_.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC | O_NOCTTY);
        if (fd < 0) return nullptr;
        datei_ = fdopen(fd, "w");
        if (!datei_) close(fd);
        return datei_;
    }
    VerwaisteTempdateienEntfernen(ziel_);
    // O_EXCL with a name of our own: the mode 0666 less the umask is what a
    // plain fopen would have given a new file.
    const std::string pid = std::to_string(static_cast<long>(getpid()));
    for (int versuch = 0; versuch < 100; ++versuch) {
        std::string name = ziel_ + ".velko-" + pid + "-" + std::to_string(versuch) + ".tmp";
        // Entered before it exists, so that no signal can leave it behind.
        platz_ = Eintragen(name);
        int fd = open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0) {
            const int fehler = errno;
            Austragen(platz_);
            errno = fehler;
            if (errno == EEXIST) continue;
            return nullptr;
        }
        // An existing target keeps its permissions.
        struct stat st;
        if (stat(ziel_.c_str(), &st) == 0 && S_ISREG(st.st_mode)) fchmod(fd, st.st_mode & 07777);
        temp_ = name;
        datei_ = fdopen(fd, "w");
        if (!datei_) {
            const int fehler = errno;
            close(fd);
            Verwerfen();
            errno = fehler;
            return nullptr;
        }
        return datei_;
    }
    return nullptr;
}

bool SichereDatei::Abschliessen() {
    if (!datei_) return false;
    bool gut = !ferror(datei_);
    gut = fflush(datei_) == 0 && gut;
    // A pipe or terminal cannot be synced, and needs not be.
    if (!direkt_) gut = fsync(fileno(datei_)) == 0 && gut;
    gut = fclose(datei_) == 0 && gut;
    datei_ = nullptr;
    if (direkt_) return gut;
    if (gut) gut = rename(temp_.c_str(), ziel_.c_str()) == 0;
    if (gut) VerzeichnisSynchronisieren(ziel_);
    else unlink(temp_.c_str());
    temp_.clear();
    Austragen(platz_);
    return gut;
}

void SichereDatei::Verwerfen() {
    if (datei_) {
        fclose(datei_);
        datei_ = nullptr;
    }
    if (!temp_.empty()) {
        unlink(temp_.c_str());
        temp_.clear();
    }
    Austragen(platz_);
}
