#include "files/pfade.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include "core/bericht.h"
#include "files/eingabedatei.h"
#include "files/sicher_schreiben.h"

Pfadeinstellungen Pfade;

namespace {

std::string* Einstellung(Pfadeinstellungen& p, int i) {
    std::string* felder[] = {&p.Programmverzeichnis, &p.Katalogverzeichnis, &p.Projektverzeichnis,
                             &p.Tempverzeichnis,     &p.HtmlBetrachter,     &p.PsBetrachter};
    return felder[i];
}

constexpr int EINSTELLUNGEN = 6;
// Six lines of at most a few hundred characters.
constexpr std::size_t GROESSTE_PFADDATEI = 64 * 1024;

std::string Home(const char* home) { return home ? std::string(home) : HomeVerzeichnis(); }

bool IstVerzeichnis(const std::string& pfad) {
    struct stat st;
    return stat(pfad.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool DieselbeDatei(const std::string& a, const std::string& b) {
    struct stat sa, sb;
    return stat(a.c_str(), &sa) == 0 && stat(b.c_str(), &sb) == 0 && sa.st_dev == sb.st_dev &&
           sa.st_ino == sb.st_ino;
}

// Copies one installation file.  A file the user already has there is
// kept: it may hold entries of their own.
bool DateiKopieren(const std::string& quelle, const std::string& ziel) {
    if (access(ziel.c_str(), F_OK) == 0 || DieselbeDatei(quelle, ziel)) return true;
    FILE* ein = fopen(quelle.c_str(), "rb");
    if (!ein) {
        MeldungFormatiert(">> Fehler beim Kopieren von '%s'!", quelle.c_str());
        return false;
    }
    SichereDatei aus(ziel);
    bool gut = aus.Oeffnen() != nullptr;
    char puffer[8192];
    size_t n;
    while (gut && (n = fread(puffer, 1, sizeof puffer, ein)) > 0)
        gut = fwrite(puffer, 1, n, aus.Datei()) == n;
    gut = gut && !ferror(ein);
    fclose(ein);
    gut = gut && aus.Abschliessen();
    if (!gut) MeldungFormatiert(">> Fehler beim Kopieren von '%s'!", quelle.c_str());
    return gut;
}

bool KatalogdateiKopieren(const std::string& name) {
    return DateiKopieren(Pfade.Verwaltungsverzeichnis + "/" + name, Pfade.Katalogverzeichnis + "/" + name);
}

// The example systems of the installation, copied into "beispiele" of the
// projects directory so that they open from the file selector and can be
// changed and saved.  Only when that folder does not exist yet: examples
// the user has changed or removed are not brought back.
bool BeispieleKopieren() {
    const std::string quelle = Pfade.Programmverzeichnis + "/beispiele";
    const std::string ziel = Pfade.Projektverzeichnis + "/beispiele";
    DIR* verzeichnis = opendir(quelle.c_str());
    if (!verzeichnis) return true;  // an installation without examples
    if (IstVerzeichnis(ziel) || !VerzeichnisAnlegen(ziel)) {
        closedir(verzeichnis);
        return IstVerzeichnis(ziel);
    }
    bool gut = true;
    while (const dirent* eintrag = readdir(verzeichnis)) {
        std::string name = eintrag->d_name;
        auto endetMit = [&](const std::string& endung) {
            return name.size() > endung.size() && name.compare(name.size() - endung.size(), endung.size(), endung) == 0;
        };
        if (endetMit(".sysdat") || endetMit(".massdat"))
            gut = DateiKopieren(quelle + "/" + name, ziel + "/" + name) && gut;
    }
    closedir(verzeichnis);
    return gut;
}

}  // namespace

std::string HomeVerzeichnis() {
    const char* home = getenv("HOME");
    if (home && *home) return home;
    if (const passwd* pw = getpwuid(getuid()); pw && pw->pw_dir) return pw->pw_dir;
    return "";
}

std::string VerwaltungsverzeichnisVon(const std::string& programmverzeichnis) {
    return programmverzeichnis + "/verwaltung";
}

Pfadeinstellungen PfadeVorgaben(const std::string& home) {
    Pfadeinstellungen p;
    p.Programmverzeichnis = PfadBereinigen(home + "/Velko");
    p.Katalogverzeichnis = PfadBereinigen(home + "/Velko/verwaltung");
    p.Projektverzeichnis = PfadBereinigen(home + "/Velko/projekte");
    p.Tempverzeichnis = PfadBereinigen(home + "/Velko");
    p.HtmlBetrachter = "xdg-open";
    p.PsBetrachter = "gv";
    p.Verwaltungsverzeichnis = VerwaltungsverzeichnisVon(p.Programmverzeichnis);
    return p;
}

std::string PfadBereinigen(const std::string& wert) {
    // A line break would split the value over two lines of the file and
    // shift every later setting.
    std::string s = wert.substr(0, wert.find_first_of("\r\n"));
    const char* leer = " \t\v\f";
    size_t anfang = s.find_first_not_of(leer);
    if (anfang == std::string::npos) return "";
    s = s.substr(anfang, PFAD_EINSTELLUNG_MAX);
    // Trimmed after cutting, so that cleaning a cleaned value changes nothing.
    s.resize(s.find_last_not_of(leer) + 1);
    return s;
}

void PfadeUebernehmen(const Pfadeinstellungen& einstellungen) {
    Pfadeinstellungen neu = einstellungen;
    for (int i = 0; i < EINSTELLUNGEN; ++i) *Einstellung(Pfade, i) = PfadBereinigen(*Einstellung(neu, i));
}

bool PfadeLesen(const char* home) {
    std::string datei = Home(home) + "/.velko";
    std::string text;
    const Einlesen e = DateiEinlesen(datei.c_str(), GROESSTE_PFADDATEI, text);
    if (e != Einlesen::Gelesen) {
        // A missing file is the first run; anything else is worth a word.
        if (e != Einlesen::Fehlt) MeldungFormatiert("Die Datei %s %s !", datei.c_str(), EinlesefehlerText(e));
        return false;
    }
    // One setting per line.  Reading lines rather than blank-separated
    // tokens keeps an empty setting (written as an empty line) from moving
    // every later setting up by one.
    Pfadeinstellungen gelesen;
    std::size_t anfang = 0;
    for (int i = 0; i < EINSTELLUNGEN && anfang < text.size(); ++i) {
        std::size_t ende = text.find('\n', anfang);
        if (ende == std::string::npos) ende = text.size();
        // The rest of an overlong line is dropped.
        const std::size_t laenge = std::min(ende - anfang, PFAD_EINSTELLUNG_MAX + 64);
        *Einstellung(gelesen, i) = PfadBereinigen(text.substr(anfang, laenge));
        anfang = ende + 1;
    }
    for (int k = 0; k < EINSTELLUNGEN; ++k) *Einstellung(Pfade, k) = *Einstellung(gelesen, k);
    Pfade.Verwaltungsverzeichnis = VerwaltungsverzeichnisVon(Pfade.Programmverzeichnis);
    return true;
}

bool PfadeSchreiben(const char* home) {
    std::string h = Home(home);
    SichereDatei datei(h + "/.velko");
    bool geschrieben = datei.Oeffnen() != nullptr;
    if (geschrieben) {
        for (int i = 0; i < EINSTELLUNGEN; ++i)
            fprintf(datei.Datei(), "%s\n", PfadBereinigen(*Einstellung(Pfade, i)).c_str());
        geschrieben = datei.Abschliessen();
    }
    if (!geschrieben) {
        MeldungFormatiert(">> Fehler beim Schreiben von '.velko' in '%s'!\n", h.c_str());
        return false;
    }
    // Every directory is attempted even when an earlier one failed.
    bool alle = VerzeichnisAnlegen(Pfade.Katalogverzeichnis);
    alle = VerzeichnisAnlegen(Pfade.Projektverzeichnis) && alle;
    alle = VerzeichnisAnlegen(Pfade.Tempverzeichnis) && alle;
    // Claiming the directories were created after one of them failed would
    // contradict the error just reported.
    MeldungAusgeben(alle ? "Pfade geschrieben und Verzeichnisse erstellt" : "Pfade geschrieben");
    return alle;
}

bool VerzeichnisAnlegen(const std::string& pfad) {
    // Every prefix that ends with a '/' and then the whole path; no limit on
    // the length of the path.
    for (size_t pos = 0;; ++pos) {
        pos = pfad.find('/', pos);
        std::string teil = pos == std::string::npos ? pfad : pfad.substr(0, pos + 1);
        if (!IstVerzeichnis(teil)) {
            errno = 0;
            // A directory that appeared meanwhile (EEXIST) is as good as one we made.
            if (mkdir(teil.c_str(), 0777) != 0 && !(errno == EEXIST && IstVerzeichnis(teil))) {
                const int fehler = errno;
                FehlerAusgeben("Versuch %s zu erstellen\n  Fehlermeldung: %s\n", teil.c_str(), strerror(fehler));
                MeldungFormatiert(">> Fehler beim Erstellen von '%s'!\n!", teil.c_str());
                return false;
            }
        }
        if (pos == std::string::npos) return true;
    }
}

bool ErststartAbschliessen(const Pfadeinstellungen& einstellungen, const char* home) {
    PfadeUebernehmen(einstellungen);
    Pfade.Verwaltungsverzeichnis = VerwaltungsverzeichnisVon(Pfade.Programmverzeichnis);
    bool gut = PfadeSchreiben(home);
    for (const char* name : {"material.dat", "querschnitte.dat", "standard.col"})
        gut = KatalogdateiKopieren(name) && gut;
    return BeispieleKopieren() && gut;
}
