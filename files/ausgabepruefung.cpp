#include "files/ausgabepruefung.h"

#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdio>

#include "core/latin1.h"

namespace {

struct Kennung {
    dev_t geraet = 0;
    ino_t inode = 0;
    std::string name;  // empty for an existing file
    bool regulaer = false;
};

bool Gleich(const Kennung& a, const Kennung& b) {
    return a.geraet == b.geraet && a.inode == b.inode && a.name == b.name;
}

// A path that does not exist: a dangling symbolic link is followed to the
// name it would create; then the directory is resolved and the last
// component kept.  Gives up on link loops like the kernel does.
bool Ermitteln(std::string pfad, Kennung& k) {
    struct stat st;
    if (stat(pfad.c_str(), &st) == 0) {
        k = {st.st_dev, st.st_ino, "", S_ISREG(st.st_mode)};
        return true;
    }
    for (int schritte = 0; schritte < 40; ++schritte) {
        if (lstat(pfad.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) break;
        char ziel[PATH_MAX];
        const ssize_t n = readlink(pfad.c_str(), ziel, sizeof ziel - 1);
        if (n <= 0) return false;
        ziel[n] = '\0';
        if (ziel[0] == '/') {
            pfad = ziel;
        } else {
            const std::size_t schnitt = pfad.rfind('/');
            pfad = (schnitt == std::string::npos ? std::string() : pfad.substr(0, schnitt + 1)) + ziel;
        }
        if (stat(pfad.c_str(), &st) == 0) {
            k = {st.st_dev, st.st_ino, "", S_ISREG(st.st_mode)};
            return true;
        }
    }
    while (pfad.size() > 1 && pfad.back() == '/') pfad.pop_back();
    const std::size_t schnitt = pfad.rfind('/');
    const std::string verzeichnis = schnitt == std::string::npos ? "." : schnitt == 0 ? "/" : pfad.substr(0, schnitt);
    const std::string name = schnitt == std::string::npos ? pfad : pfad.substr(schnitt + 1);
    if (name.empty() || stat(verzeichnis.c_str(), &st) != 0) return false;
    // A new file becomes a regular one.
    k = {st.st_dev, st.st_ino, name, true};
    return true;
}

bool Uebergehen(const std::string& pfad) { return pfad.empty() || pfad == "-"; }

std::string Formatiert(const char* format, const std::string& a, const std::string& b = "") {
    char puffer[2 * PATH_MAX + 200];
    std::snprintf(puffer, sizeof puffer, format, a.c_str(), b.c_str());
    return puffer;
}

}  // namespace

bool DieselbeDatei(const std::string& a, const std::string& b) {
    Kennung ka, kb;
    return Ermitteln(a, ka) && Ermitteln(b, kb) && Gleich(ka, kb);
}

std::string AusgabenPruefen(const std::vector<std::string>& eingaben, const std::vector<std::string>& ausgaben) {
    std::vector<Kennung> ein(eingaben.size());
    std::vector<bool> einBekannt(eingaben.size());
    for (std::size_t i = 0; i < eingaben.size(); ++i)
        einBekannt[i] = !Uebergehen(eingaben[i]) && Ermitteln(eingaben[i], ein[i]) && ein[i].name.empty();

    std::vector<Kennung> aus(ausgaben.size());
    std::vector<bool> ausBekannt(ausgaben.size());
    for (std::size_t i = 0; i < ausgaben.size(); ++i) {
        if (Uebergehen(ausgaben[i])) continue;
        // An output whose directory is missing fails when it is opened.
        ausBekannt[i] = Ermitteln(ausgaben[i], aus[i]);
        if (!ausBekannt[i]) continue;
        for (std::size_t j = 0; j < eingaben.size(); ++j)
            if (einBekannt[j] && Gleich(aus[i], ein[j]))
                return Formatiert("Ausgabe %s würde die Eingabe %s überschreiben !"_l1, ausgaben[i], eingaben[j]);
        for (std::size_t j = 0; j < i; ++j)
            if (ausBekannt[j] && aus[i].regulaer && Gleich(aus[i], aus[j]))
                return Formatiert("%s ist zweimal als Ausgabe angegeben !", ausgaben[i]);
    }
    return "";
}
