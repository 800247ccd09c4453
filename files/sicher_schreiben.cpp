#include "files/sicher_schreiben.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

}  // namespace

SichereDatei::SichereDatei(std::string ziel) : ziel_(WirklichesZiel(ziel)) {}

SichereDatei::~SichereDatei() { Verwerfen(); }

FILE* SichereDatei::Oeffnen() {
    Verwerfen();
    // O_EXCL with a name of our own: the mode 0666 less the umask is what a
    // plain fopen would have given a new file.
    for (int versuch = 0; versuch < 100; ++versuch) {
        std::string name = ziel_ + ".tmp" + std::to_string(static_cast<long>(getpid())) + "_" +
                           std::to_string(versuch);
        int fd = open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0) {
            if (errno == EEXIST) continue;
            return nullptr;
        }
        // An existing target keeps its permissions.
        struct stat st;
        if (stat(ziel_.c_str(), &st) == 0 && S_ISREG(st.st_mode)) fchmod(fd, st.st_mode & 07777);
        datei_ = fdopen(fd, "w");
        if (!datei_) {
            close(fd);
            unlink(name.c_str());
            return nullptr;
        }
        temp_ = name;
        return datei_;
    }
    return nullptr;
}

bool SichereDatei::Abschliessen() {
    if (!datei_) return false;
    bool gut = !ferror(datei_);
    gut = fflush(datei_) == 0 && gut;
    gut = fsync(fileno(datei_)) == 0 && gut;
    gut = fclose(datei_) == 0 && gut;
    datei_ = nullptr;
    if (gut) gut = rename(temp_.c_str(), ziel_.c_str()) == 0;
    if (!gut) unlink(temp_.c_str());
    temp_.clear();
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
}
