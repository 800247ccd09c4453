// velko-rechnen: computes a system file by first-order theory without a
// display and writes the listing of all bars (and optionally the bar table).
//
// Standard output carries nothing but the listing: whatever the libraries
// print to it while reading files or computing is sent to standard error,
// beside the numbered messages of the run.

#include <cerrno>
#include <clocale>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <unistd.h>

#include "analysis/berechnung.h"
#include "cli/rechnen_optionen.h"
#include "core/bericht.h"
#include "core/programm.h"
#include "files/kataloge.h"
#include "files/pfade.h"
#include "files/sicher_schreiben.h"
#include "files/systemdatei.h"
#include "output/liste.h"
#include "output/plot.h"

namespace {

const char* const PROGRAMM = "velko-rechnen";

// Whether the model is freed before the program ends.  Freeing a large
// frame record by record takes longer than writing its listing, and the
// system takes the memory back at once; the sanitizer builds free
// everything, so that a leak still shows.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool AM_ENDE_FREIGEBEN = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool AM_ENDE_FREIGEBEN = true;
#else
constexpr bool AM_ENDE_FREIGEBEN = false;
#endif
#else
constexpr bool AM_ENDE_FREIGEBEN = false;
#endif

enum Rueckgabe { ERFOLG = 0, ABGEBROCHEN = 1, UNGUELTIG = 2 };

void Fehler(const std::string& text) { fprintf(stderr, "%s: %s\n", PROGRAMM, text.c_str()); }

// The real standard output, kept for the listing, while file descriptor 1
// itself points at standard error.
FILE* StandardausgabeSichern() {
    fflush(stdout);
    int fd = dup(STDOUT_FILENO);
    if (fd < 0) return nullptr;
    FILE* f = fdopen(fd, "w");
    if (!f) {
        close(fd);
        return nullptr;
    }
    dup2(STDERR_FILENO, STDOUT_FILENO);
    // Line by line, so that these lines keep their place among the messages.
    setvbuf(stdout, nullptr, _IOLBF, 0);
    static char puffer[1 << 20];
    setvbuf(f, puffer, _IOFBF, sizeof puffer);
    return f;
}

bool Lesbar(const std::string& pfad) {
    FILE* f = fopen(pfad.c_str(), "r");
    if (!f) return false;
    fclose(f);
    return true;
}

// Takes the catalogue directory from --katalog or ~/.velko and reads both
// catalogues; a missing catalogue is a missing input file, not a failed run.
bool KatalogeLaden(const RechnenAuftrag& auftrag) {
    if (!auftrag.Katalog.empty()) {
        Pfade.Katalogverzeichnis = auftrag.Katalog;
    } else if (!PfadeLesen()) {
        Fehler("keine Pfadeinstellungen in " + HomeVerzeichnis() +
               "/.velko; das Katalogverzeichnis mit --katalog VERZEICHNIS angeben");
        return false;
    }
    struct Katalog {
        const char* datei;
        bool (*lesen)(const char*);
    };
    for (const Katalog& k : {Katalog{"material.dat", MaterialienLesen},
                             Katalog{"querschnitte.dat", QuerschnitteLesen}}) {
        std::string pfad = Pfade.Katalogverzeichnis + "/" + k.datei;
        if (!Lesbar(pfad)) {
            Fehler("der Katalog '" + pfad + "' ist nicht lesbar: " + strerror(errno));
            return false;
        }
        if (!k.lesen(Pfade.Katalogverzeichnis.c_str())) {
            Fehler("der Katalog '" + pfad + "' ist beschädigt oder unvollständig");
            return false;
        }
    }
    return true;
}

// An output file, opened before the run so that an unwritable name is
// refused before any time is spent computing.
std::unique_ptr<SichereDatei> AusgabeOeffnen(const std::string& pfad) {
    auto datei = std::make_unique<SichereDatei>(pfad);
    if (!datei->Oeffnen()) {
        Fehler("'" + pfad + "' kann nicht geschrieben werden: " + strerror(errno));
        return nullptr;
    }
    return datei;
}

bool AusgabeAbschliessen(SichereDatei& datei) {
    if (datei.Abschliessen()) return true;
    Fehler("'" + datei.Ziel() + "' konnte nicht vollständig geschrieben werden");
    return false;
}

int Rechnen(const RechnenAuftrag& auftrag, FILE* standardausgabe) {
    if (!KatalogeLaden(auftrag)) return UNGUELTIG;

    const bool listeInDatei = !auftrag.Liste.empty() && auftrag.Liste != "-";
    std::unique_ptr<SichereDatei> liste, tabelle, plot;
    if (listeInDatei && !(liste = AusgabeOeffnen(auftrag.Liste))) return UNGUELTIG;
    const bool tabelleInDatei = !auftrag.Tabelle.empty() && auftrag.Tabelle != "-";
    if (tabelleInDatei && !(tabelle = AusgabeOeffnen(auftrag.Tabelle))) return UNGUELTIG;
    if (!auftrag.Postscript.empty() && !(plot = AusgabeOeffnen(auftrag.Postscript))) return UNGUELTIG;

    System* system = SystemLesen(auftrag.Systemdatei.c_str());
    if (!system) {
        Fehler("die Systemdatei '" + auftrag.Systemdatei +
               "' ist nicht lesbar oder keine gültige Systembeschreibung");
        return UNGUELTIG;
    }
    if (auftrag.Stabteilungen > 0) system->Stabteilungen = auftrag.Stabteilungen;

    if (!TheorieIOrdnungBerechnen()) {
        Fehler("Berechnung abgebrochen, keine Ergebnisse geschrieben");
        return ABGEBROCHEN;
    }

    if (liste) {
        ListeAusgeben(liste->Datei(), system, system->Staebe);
        if (!AusgabeAbschliessen(*liste)) return UNGUELTIG;
    } else {
        ListeAusgeben(standardausgabe, system, system->Staebe);
    }
    if (tabelle) {
        TabelleAusgeben(tabelle->Datei(), system);
        if (!AusgabeAbschliessen(*tabelle)) return UNGUELTIG;
    } else if (auftrag.Tabelle == "-") {
        TabelleAusgeben(standardausgabe, system);
    }
    if (fflush(standardausgabe) != 0 || ferror(standardausgabe)) {
        Fehler(std::string("die Standardausgabe konnte nicht geschrieben werden: ") +
               strerror(errno));
        return UNGUELTIG;
    }
    if (plot) {
        // Without bars to draw the plot stays empty, as in the program.
        if (PlotSchreiben(plot->Datei(), system, auftrag.Plot) == 0)
            Fehler("keine Stäbe zu zeichnen, '" + auftrag.Postscript + "' bleibt leer");
        if (!AusgabeAbschliessen(*plot)) return UNGUELTIG;
    }
    return ERFOLG;
}

}  // namespace

int main(int argc, char** argv) {
    setlocale(LC_NUMERIC, "C");

    RechnenAuftrag auftrag;
    std::string fehler;
    if (!RechnenOptionenLesen(argc, argv, auftrag, fehler)) {
        Fehler(fehler);
        fprintf(stderr, "Aufruf: %s [Optionen] SYSTEMDATEI  (mehr mit --hilfe)\n", PROGRAMM);
        return UNGUELTIG;
    }
    if (auftrag.Hilfe) {
        fputs(RechnenHilfe(PROGRAMM).c_str(), stdout);
        return fflush(stdout) == 0 ? ERFOLG : UNGUELTIG;
    }

    FILE* standardausgabe = StandardausgabeSichern();
    if (!standardausgabe) {
        Fehler("die Standardausgabe ist nicht verfügbar");
        return UNGUELTIG;
    }
    TerminalBericht bericht(stderr);
    BerichtSetzen(&bericht);
    int rueckgabe = Rechnen(auftrag, standardausgabe);
    if (AM_ENDE_FREIGEBEN) {
        // Freeing the System at the end is no news to the user.
        SammelBericht still;
        BerichtSetzen(&still);
        ProgrammZuruecksetzen();
    }
    BerichtSetzen(nullptr);
    if (fclose(standardausgabe) != 0 && rueckgabe == ERFOLG) rueckgabe = UNGUELTIG;
    return rueckgabe;
}
