#include "files/projekt.h"

#include <sys/stat.h>
#include <sys/types.h>

#include <cerrno>
#include <string>

#include "core/bericht.h"
#include "files/pfade.h"

bool ProjektErzeugen(const char* name) {
    if (!name || !*name) return false;
    const std::string pfad = Pfade.Projektverzeichnis + "/" + name;
    if (mkdir(pfad.c_str(), 0777) != 0) {
        // An existing directory is fine; anything else is a failure that the
        // user must see.
        struct stat info;
        if (!(errno == EEXIST && stat(pfad.c_str(), &info) == 0 && S_ISDIR(info.st_mode))) {
            MeldungFormatiert("Projekt %s konnte nicht erzeugt werden. ", pfad.c_str());
            return false;
        }
    }
    MeldungFormatiert("Projekt %s erzeugt. ", pfad.c_str());
    return true;
}
