// Child processes for printing, preview and help.
#include "output/druckauftrag.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>

#include "core/bericht.h"
#include "core/latin1.h"
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

Startergebnis ProgrammStarten(const std::vector<std::string>& argumente, int* fehlernummer) {
    if (fehlernummer) *fehlernummer = 0;
    KinderEinsammeln();
    if (argumente.empty() || argumente[0].empty()) {
        if (fehlernummer) *fehlernummer = ENOENT;
        return Startergebnis::NichtAusfuehrbar;
    }
    // Everything the child needs is prepared before the fork: after it, the
    // child only calls exec, write and _exit.
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
        execvp(argv[0], argv.data());
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
    Kinder().push_back(pid);
    return Startergebnis::Gestartet;
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

void HilfeAnzeigen() {
    std::string pfad = Pfade.Programmverzeichnis + "/hilfe/hilfe.html";
    MeldungAusgeben("Lade Hilfe ...");
    if (Pfade.HtmlBetrachter.empty()) {
        MeldungAusgeben("Hilfe konnte nicht geladen werden ! Kein HTML-Browser angegeben.");
        return;
    }
    switch (ProgrammStarten({Pfade.HtmlBetrachter, pfad})) {
    case Startergebnis::Gestartet: break;
    case Startergebnis::KeinProzess: MeldungAusgeben("fork error !"); break;
    case Startergebnis::NichtAusfuehrbar:
        // Said rather than passed over: the user would otherwise wait for a
        // browser that never comes.
        MeldungFormatiert("Hilfe konnte nicht geladen werden ! '%s' ist nicht ausführbar."_l1,
                          Pfade.HtmlBetrachter.c_str());
        break;
    }
}
