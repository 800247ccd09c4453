// Child processes for printing, preview and help.
#include "output/druckauftrag.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>

#include "core/bericht.h"
#include "core/latin1.h"
#include "files/installation.h"
#include "files/pfade.h"

namespace {

std::vector<pid_t>& Kinder() {
    static std::vector<pid_t> kinder;
    return kinder;
}

}  // namespace

std::vector<std::string> DruckargumenteBilden(const std::string& kommando, const std::string& datei) {
    std::vector<std::string> argumente;
    std::string wort;
    bool imWort = false;
    for (char c : kommando) {
        if (c == ' ' || c == '\t' || c == '\n' || c == '\r') {
            if (imWort) argumente.push_back(wort);
            wort.clear();
            imWort = false;
        } else {
            wort += c;
            imWort = true;
        }
    }
    if (imWort) argumente.push_back(wort);
    if (argumente.empty()) argumente.push_back("lpr");
    argumente.push_back(datei);
    return argumente;
}

namespace {

// Starts the program with standard input and output from the descriptors
// (-1 = inherited).  Whether the exec itself failed is known before this
// returns: a close-on-exec pipe carries the child's errno back.
Startergebnis Starten(const std::vector<std::string>& argumente, int eingabe, int ausgabe, pid_t* kind,
                      int* fehlernummer) {
    if (fehlernummer) *fehlernummer = 0;
    if (argumente.empty() || argumente[0].empty()) {
        if (fehlernummer) *fehlernummer = ENOENT;
        return Startergebnis::NichtAusfuehrbar;
    }
    // Everything the child needs is prepared before the fork: after it, the
    // child only calls dup2, exec, write and _exit.
    std::vector<char*> argv;
    for (const std::string& a : argumente) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);

    int rohr[2];
    if (pipe2(rohr, O_CLOEXEC) != 0) {
        if (fehlernummer) *fehlernummer = errno;
        return Startergebnis::KeinProzess;
    }
    pid_t pid = fork();
    if (pid < 0) {
        int e = errno;
        close(rohr[0]);
        close(rohr[1]);
        if (fehlernummer) *fehlernummer = e;
        return Startergebnis::KeinProzess;
    }
    if (pid == 0) {
        close(rohr[0]);
        bool umgelenkt = (eingabe < 0 || dup2(eingabe, STDIN_FILENO) >= 0) &&
                         (ausgabe < 0 || dup2(ausgabe, STDOUT_FILENO) >= 0);
        if (umgelenkt) execvp(argv[0], argv.data());
        int e = errno;
        ssize_t geschrieben = write(rohr[1], &e, sizeof e);
        (void)geschrieben;
        _exit(127);
    }
    close(rohr[1]);
    // The write end closes on a successful exec: then read sees the end.
    int e = 0;
    ssize_t n;
    do {
        n = read(rohr[0], &e, sizeof e);
    } while (n < 0 && errno == EINTR);
    close(rohr[0]);
    if (n == static_cast<ssize_t>(sizeof e)) {
        // The child ends at once; collect it now.
        while (waitpid(pid, nullptr, 0) < 0 && errno == EINTR) {}
        if (fehlernummer) *fehlernummer = e;
        return Startergebnis::NichtAusfuehrbar;
    }
    *kind = pid;
    return Startergebnis::Gestartet;
}

}  // namespace

Startergebnis ProgrammStarten(const std::vector<std::string>& argumente, int* fehlernummer) {
    KinderEinsammeln();
    pid_t pid = 0;
    Startergebnis ergebnis = Starten(argumente, -1, -1, &pid, fehlernummer);
    if (ergebnis == Startergebnis::Gestartet) Kinder().push_back(pid);
    return ergebnis;
}

Startergebnis ProgrammAusfuehren(const std::vector<std::string>& argumente, int eingabe, int ausgabe,
                                 int* status, int* fehlernummer) {
    if (status) *status = -1;
    pid_t pid = 0;
    Startergebnis ergebnis = Starten(argumente, eingabe, ausgabe, &pid, fehlernummer);
    if (ergebnis != Startergebnis::Gestartet) return ergebnis;
    int s = 0;
    pid_t r;
    do {
        r = waitpid(pid, &s, 0);
    } while (r < 0 && errno == EINTR);
    if (status && r == pid && WIFEXITED(s)) *status = WEXITSTATUS(s);
    return ergebnis;
}

int KinderEinsammeln() {
    std::vector<pid_t>& kinder = Kinder();
    kinder.erase(std::remove_if(kinder.begin(), kinder.end(),
                                [](pid_t pid) {
                                    pid_t r = waitpid(pid, nullptr, WNOHANG);
                                    // Ended (r == pid) or not ours any more (error).
                                    return r != 0;
                                }),
                 kinder.end());
    return static_cast<int>(kinder.size());
}

Druckergebnis DruckauftragAusfuehren(const char* datei, const char* kommando) {
    MeldungAusgeben("Drucke ...");
    std::string k = kommando ? kommando : "";
    if (k.find_first_not_of(" \t\r\n") == std::string::npos) return Druckergebnis::KeinKommando;
    switch (ProgrammStarten(DruckargumenteBilden(k, datei ? datei : ""))) {
    case Startergebnis::Gestartet: return Druckergebnis::Gestartet;
    case Startergebnis::KeinProzess: return Druckergebnis::KeinProzess;
    case Startergebnis::NichtAusfuehrbar: break;
    }
    return Druckergebnis::Fehler;
}

const char* DruckergebnisText(Druckergebnis ergebnis) {
    switch (ergebnis) {
    case Druckergebnis::Gestartet: return "";
    case Druckergebnis::KeinKommando: return "Geben Sie ein Druckkommando ein";
    case Druckergebnis::KeinProzess: return "Druckprozeß konnte nicht gestartet werden !"_l1;
    case Druckergebnis::Fehler: return "Fehler beim Drucken !";
    }
    return "";
}

namespace {

// The help of the configured program directory; when that has none (a
// .velko from an older installation), the help of this installation.
std::string Hilfeseite() {
    std::string pfad = Pfade.Programmverzeichnis + "/hilfe/hilfe.html";
    if (access(pfad.c_str(), R_OK) == 0) return pfad;
    std::string daten = InstallierteDaten();
    std::string installiert = daten + "/hilfe/hilfe.html";
    if (!daten.empty() && access(installiert.c_str(), R_OK) == 0) return installiert;
    return pfad;
}

}  // namespace

void HilfeAnzeigen() {
    const std::string pfad = Hilfeseite();
    MeldungAusgeben("Lade Hilfe ...");
    if (Pfade.HtmlBetrachter.empty()) {
        MeldungAusgeben("Hilfe konnte nicht geladen werden ! Kein HTML-Browser angegeben.");
        return;
    }
    switch (ProgrammStarten({Pfade.HtmlBetrachter, pfad})) {
    case Startergebnis::Gestartet: return;
    case Startergebnis::KeinProzess: MeldungAusgeben("fork error !"); return;
    case Startergebnis::NichtAusfuehrbar: break;
    }
    // A browser named in an old .velko ("mozilla") may be long gone: the
    // browser the desktop offers stands in, and the message says so.
    const std::string ersatz = HtmlBetrachterVorschlagen(getenv("PATH"));
    if (ersatz != Pfade.HtmlBetrachter && !ImSuchpfad(ersatz, getenv("PATH")).empty() &&
        ProgrammStarten({ersatz, pfad}) == Startergebnis::Gestartet) {
        MeldungFormatiert("'%s' ist nicht ausführbar, die Hilfe öffnet '%s' (Einstellungen, Pfade)."_l1,
                          Pfade.HtmlBetrachter.c_str(), ersatz.c_str());
        return;
    }
    // Said rather than passed over: the user would otherwise wait for a
    // browser that never comes.
    MeldungFormatiert("Hilfe konnte nicht geladen werden ! '%s' ist nicht ausführbar."_l1,
                      Pfade.HtmlBetrachter.c_str());
}
