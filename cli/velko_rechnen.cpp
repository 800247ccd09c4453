// velko-rechnen: computes a system file by first-order theory (or by
// second-order theory) without a display and writes the listing of all bars
// (and optionally the bar table), or only the critical load factor.
//
// Standard output carries nothing but the listing: the numbered messages
// of the run and the diagnostics of reading the file go to standard error.

#include <cerrno>
#include <fcntl.h>
#include <clocale>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <memory>
#include <new>
#include <string>
#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>
#include <vector>

#include "analysis/berechnung.h"
#include "analysis/theorie2ordnung.h"
#include "analysis/umhuellende.h"
#include "cli/rechnen_optionen.h"
#include "core/bericht.h"
#include "core/latin1.h"
#include "core/programm.h"
#include "files/ausgabepruefung.h"
#include "files/installation.h"
#include "files/kataloge.h"
#include "files/massstab.h"
#include "files/pfade.h"
#include "files/sicher_schreiben.h"
#include "files/systemdatei.h"
#include "output/liste.h"
#include "output/pdf.h"
#include "output/plot.h"
#include "output/tabellen_ergebnisse.h"

namespace {

const char* const PROGRAMM = "velko-rechnen";

// Built with AddressSanitizer: its allocator is the one in charge, and it
// must see every record freed, so that a leak still shows.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool MIT_SANITIZER = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool MIT_SANITIZER = true;
#else
constexpr bool MIT_SANITIZER = false;
#endif
#else
constexpr bool MIT_SANITIZER = false;
#endif

// Whether the model is freed before the program ends.  Freeing a large
// frame record by record takes longer than writing its listing, and the
// system takes the memory back at once.
constexpr bool AM_ENDE_FREIGEBEN = MIT_SANITIZER;

// A large frame fills the heap with hundreds of thousands of small records,
// and every fresh 4 KB page costs a fault, which on a virtual machine takes
// longer than filling the page.  The heap is grown once by far more than a
// run needs (address space only, nothing is touched) and handed to
// transparent huge pages, so that it is faulted in 2 MB at a time; blocks
// up to 32 MB come from it too.  Should the system refuse so much address
// space, the heap just grows as usual.  Not under the sanitizers, whose
// allocator is another.
void HeapVorbereiten() {
    if (MIT_SANITIZER) return;
    constexpr std::size_t VORRAT = std::size_t{1} << 30, SEITE = std::size_t{2} << 20;
    constexpr int UEBLICHER_ZUSCHLAG = 128 * 1024;  // M_TOP_PAD as glibc sets it
    // The grown heap is never given back while the program runs.
    if (!mallopt(M_TRIM_THRESHOLD, std::numeric_limits<int>::max()) || !mallopt(M_MMAP_THRESHOLD, 32 << 20))
        return;
    const auto vorher = reinterpret_cast<std::uintptr_t>(sbrk(0));
    if (mallopt(M_TOP_PAD, static_cast<int>(VORRAT))) {
        void* volatile block = malloc(SEITE);  // grows the heap by the pad
        free(block);
        mallopt(M_TOP_PAD, UEBLICHER_ZUSCHLAG);
    }
    const auto nachher = reinterpret_cast<std::uintptr_t>(sbrk(0));
    const std::uintptr_t von = (vorher + SEITE - 1) & ~(SEITE - 1), bis = nachher & ~(SEITE - 1);
    if (bis > von) madvise(reinterpret_cast<void*>(von), bis - von, MADV_HUGEPAGE);
}

enum Rueckgabe { ERFOLG = 0, ABGEBROCHEN = 1, UNGUELTIG = 2 };

void Fehler(const std::string& text) { fprintf(stderr, "%s: %s\n", PROGRAMM, text.c_str()); }
void Hinweis(const std::string& text) { Fehler(text); }

// Without blocking on a FIFO: the reader refuses anything but a regular file.
bool Lesbar(const std::string& pfad) {
    int fd = open(pfad.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return false;
    close(fd);
    return true;
}

const char* const KATALOGDATEIEN[] = {"material.dat", "querschnitte.dat"};

// Takes the catalogue directory from --katalog, ~/.velko or, for a user who
// never started the window program, the installation.
bool KatalogverzeichnisBestimmen(const RechnenAuftrag& auftrag) {
    if (!auftrag.Katalog.empty()) {
        Pfade.Katalogverzeichnis = auftrag.Katalog;
        return true;
    }
    if (PfadeLesen()) return true;
    const std::string daten = InstallierteDaten();
    if (daten.empty()) {
        Fehler("keine Pfadeinstellungen in " + HomeVerzeichnis() +
               "/.velko; das Katalogverzeichnis mit --katalog VERZEICHNIS angeben");
        return false;
    }
    Pfade.Katalogverzeichnis = VerwaltungsverzeichnisVon(daten);
    // Said once, so that results computed with the installed catalogues are
    // not mistaken for results with the user's own.
    Hinweis("keine Pfadeinstellungen in " + HomeVerzeichnis() + "/.velko, die Kataloge kommen aus '" +
            Pfade.Katalogverzeichnis + "'");
    return true;
}

// Reads both catalogues; a missing catalogue is a missing input file, not a
// failed run.
bool KatalogeLaden() {
    bool (*const lesen[])(const char*) = {MaterialienLesen, QuerschnitteLesen};
    for (int i = 0; i < 2; ++i) {
        std::string pfad = Pfade.Katalogverzeichnis + "/" + KATALOGDATEIEN[i];
        if (!Lesbar(pfad)) {
            Fehler("der Katalog '" + pfad + "' ist nicht lesbar: " + strerror(errno));
            return false;
        }
        if (!lesen[i](Pfade.Katalogverzeichnis.c_str())) {
            Fehler("der Katalog '" + pfad + "' ist beschädigt oder unvollständig"_l1);
            return false;
        }
    }
    return true;
}

// Every file the run reads: none of them may be overwritten by an output.
std::vector<std::string> Eingaben(const RechnenAuftrag& auftrag) {
    std::vector<std::string> e = {auftrag.Systemdatei, MassstabDateiname(auftrag.Systemdatei.c_str())};
    for (const char* datei : KATALOGDATEIEN) e.push_back(Pfade.Katalogverzeichnis + "/" + datei);
    if (auftrag.Katalog.empty()) e.push_back(HomeVerzeichnis() + "/.velko");
    return e;
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
    Fehler("'" + datei.Ziel() + "' konnte nicht vollständig geschrieben werden"_l1);
    return false;
}

int Rechnen(const RechnenAuftrag& auftrag, Berichtsempfaenger& bericht, FILE* standardausgabe) {
    if (!KatalogverzeichnisBestimmen(auftrag)) return UNGUELTIG;

    // Before anything is written: an output must neither replace an input
    // nor be given twice, under whatever name.
    const bool listeInDatei = !auftrag.Liste.empty() && auftrag.Liste != "-";
    const bool tabelleInDatei = !auftrag.Tabelle.empty() && auftrag.Tabelle != "-";
    const std::string konflikt =
        AusgabenPruefen(Eingaben(auftrag), {auftrag.Liste, auftrag.Tabelle, auftrag.Postscript, auftrag.Pdf,
                                            auftrag.Umhuellende, auftrag.Spannungen});
    if (!konflikt.empty()) {
        Fehler(konflikt);
        return UNGUELTIG;
    }

    // Outputs are opened before the run, so that an unwritable name costs
    // no computing.
    std::unique_ptr<SichereDatei> liste, tabelle, plot, huelleDatei, spannungen;
    if (listeInDatei && !(liste = AusgabeOeffnen(auftrag.Liste))) return UNGUELTIG;
    if (tabelleInDatei && !(tabelle = AusgabeOeffnen(auftrag.Tabelle))) return UNGUELTIG;
    auto inDatei = [](const std::string& pfad) { return !pfad.empty() && pfad != "-"; };
    if (inDatei(auftrag.Umhuellende) && !(huelleDatei = AusgabeOeffnen(auftrag.Umhuellende))) return UNGUELTIG;
    if (inDatei(auftrag.Spannungen) && !(spannungen = AusgabeOeffnen(auftrag.Spannungen))) return UNGUELTIG;
    if (!auftrag.Postscript.empty() && !(plot = AusgabeOeffnen(auftrag.Postscript))) return UNGUELTIG;
    std::unique_ptr<SichereDatei> pdf;
    if (!auftrag.Pdf.empty()) {
        // Known before the run: without Ghostscript there will be no PDF.
        if (ImSuchpfad(GHOSTSCRIPT, getenv("PATH")).empty()) {
            Fehler(PdfErgebnisText(PdfErgebnis::KeinGhostscript));
            return UNGUELTIG;
        }
        if (!(pdf = AusgabeOeffnen(auftrag.Pdf))) return UNGUELTIG;
    }

    if (!KatalogeLaden()) return UNGUELTIG;

    System* system = SystemLesen(auftrag.Systemdatei.c_str());
    if (!system) {
        Fehler("die Systemdatei '" + auftrag.Systemdatei +
               "' ist nicht lesbar oder keine gültige Systembeschreibung"_l1);
        return UNGUELTIG;
    }
    if (auftrag.Stabteilungen > 0) system->Stabteilungen = auftrag.Stabteilungen;

    if (auftrag.NurVerzweigung) {
        Verzweigungslast v;
        if (!VerzweigungslastfaktorBerechnen(*system, Programm, bericht, v)) {
            Fehler("Berechnung abgebrochen, kein Verzweigungslastfaktor");
            return ABGEBROCHEN;
        }
        if (v.Status == VERZWEIGUNG_GEFUNDEN)
            fprintf(standardausgabe, "%.6f\n", v.Faktor);
        else
            fputs("keine Druckkräfte\n"_l1, standardausgabe);
        if (fflush(standardausgabe) != 0 || ferror(standardausgabe)) {
            Fehler(std::string("die Standardausgabe konnte nicht geschrieben werden: ") + strerror(errno));
            return UNGUELTIG;
        }
        return ERFOLG;
    }
    // The envelope first: it ends with the load cases as they were, and a
    // combination that cannot be computed stops the program before any
    // output is written.
    std::unique_ptr<Umhuellende> huelle;
    if (!auftrag.Umhuellende.empty()) {
        huelle = UmhuellendeErmitteln(*system, Programm, bericht,
                                      auftrag.TheorieII ? TheorieIIOrdnungBerechnen : TheorieIOrdnungBerechnen,
                                      auftrag.TheorieII);
        if (!huelle) {
            Fehler("Umhüllende abgebrochen, keine Ergebnisse geschrieben"_l1);
            return ABGEBROCHEN;
        }
    }

    const bool berechnet = auftrag.TheorieII ? TheorieIIOrdnungBerechnen(*system, Programm, bericht)
                                             : TheorieIOrdnungBerechnen(*system, Programm, bericht);
    if (!berechnet) {
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
    if (huelleDatei) {
        UmhuellendeAusgeben(huelleDatei->Datei(), *huelle);
        if (!AusgabeAbschliessen(*huelleDatei)) return UNGUELTIG;
    } else if (huelle) {
        UmhuellendeAusgeben(standardausgabe, *huelle);
    }
    if (spannungen) {
        SpannungenAusgeben(spannungen->Datei(), *system);
        if (!AusgabeAbschliessen(*spannungen)) return UNGUELTIG;
    } else if (auftrag.Spannungen == "-") {
        SpannungenAusgeben(standardausgabe, *system);
    }
    if (fflush(standardausgabe) != 0 || ferror(standardausgabe)) {
        Fehler(std::string("die Standardausgabe konnte nicht geschrieben werden: ") +
               strerror(errno));
        return UNGUELTIG;
    }
    if (plot) {
        // Without bars to draw the plot stays empty, as in the program.
        if (PlotSchreiben(plot->Datei(), system, auftrag.Plot) == 0)
            Fehler("keine Stäbe zu zeichnen, '"_l1 + auftrag.Postscript + "' bleibt leer");
        if (!AusgabeAbschliessen(*plot)) return UNGUELTIG;
    }
    if (pdf) {
        PdfErgebnis e = PdfSchreiben(*pdf, [&](FILE* ps) { return PlotSchreiben(ps, system, auftrag.Plot); });
        if (e == PdfErgebnis::KeineSeiten) {
            Fehler("keine Stäbe zu zeichnen, '"_l1 + auftrag.Pdf + "' bleibt leer");
        } else if (e != PdfErgebnis::Geschrieben) {
            Fehler(PdfErgebnisText(e));
            return UNGUELTIG;
        }
        if (!AusgabeAbschliessen(*pdf)) return UNGUELTIG;
    }
    return ERFOLG;
}

}  // namespace

int main(int argc, char** argv) {
    HeapVorbereiten();
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

    // The listing leaves in large blocks; the messages are written line by line.
    static char puffer[1 << 20];
    setvbuf(stdout, puffer, _IOFBF, sizeof puffer);
    TerminalBericht bericht(stderr, stderr);
    BerichtSetzen(&bericht);
    int rueckgabe = ABGEBROCHEN;
    try {
        rueckgabe = Rechnen(auftrag, bericht, stdout);
    } catch (const std::bad_alloc&) {
        // Outside the run itself (which stops on its own): the outputs
        // opened were discarded on the way out.
        Fehler("zu wenig Speicher, keine Ergebnisse geschrieben");
    }
    if (AM_ENDE_FREIGEBEN) {
        // Freeing the System at the end is no news to the user.
        SammelBericht still;
        BerichtSetzen(&still);
        ProgrammZuruecksetzen();
    }
    BerichtSetzen(nullptr);
    if (fflush(stdout) != 0 && rueckgabe == ERFOLG) rueckgabe = UNGUELTIG;
    return rueckgabe;
}
