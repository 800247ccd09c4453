#include "output/pdf.h"

#include <sys/stat.h>
#include <string>
#include <unistd.h>
#include <vector>

#include "core/latin1.h"
#include "files/sicher_schreiben.h"
#include "output/druckauftrag.h"

namespace {

// An empty output is no PDF, whatever gs returned.  (The temporary file is
// open for writing only, so its head cannot be read back here.)
bool HatInhalt(int fd) {
    struct stat st;
    return fstat(fd, &st) == 0 && st.st_size > 0;
}

}  // namespace

PdfErgebnis PdfSchreiben(SichereDatei& ziel, const std::function<int(FILE*)>& postscript,
                         const char* ghostscript) {
    FILE* aus = ziel.Datei();
    if (!aus) return PdfErgebnis::Dateifehler;
    FILE* ps = tmpfile();
    if (!ps) return PdfErgebnis::Dateifehler;
    const int seiten = postscript(ps);
    if (fflush(ps) != 0 || ferror(ps) || fseek(ps, 0, SEEK_SET) != 0) {
        fclose(ps);
        return PdfErgebnis::Dateifehler;
    }
    if (seiten == 0) {
        fclose(ps);
        return PdfErgebnis::KeineSeiten;
    }
    // The pages are A4 whatever gs's default paper is; -sstdout keeps gs's
    // own messages off the PDF.
    const std::vector<std::string> argumente = {
        ghostscript,       "-q",           "-dSAFER",         "-dBATCH",          "-dNOPAUSE",
        "-sDEVICE=pdfwrite", "-sPAPERSIZE=a4", "-dFIXEDMEDIA", "-sstdout=%stderr", "-sOutputFile=-",
        "-"};
    fflush(aus);
    int status = -1;
    Startergebnis start = ProgrammAusfuehren(argumente, fileno(ps), fileno(aus), &status);
    fclose(ps);
    if (start == Startergebnis::NichtAusfuehrbar) return PdfErgebnis::KeinGhostscript;
    // A pipe or device written in place has no size to look at.
    if (start != Startergebnis::Gestartet || status != 0 || (!ziel.Direkt() && !HatInhalt(fileno(aus))))
        return PdfErgebnis::Umwandlungsfehler;
    return PdfErgebnis::Geschrieben;
}

const char* PdfErgebnisText(PdfErgebnis ergebnis) {
    switch (ergebnis) {
    case PdfErgebnis::Geschrieben: return "";
    case PdfErgebnis::KeineSeiten: return "keine Stäbe zu zeichnen, PDF bleibt leer"_l1;
    case PdfErgebnis::KeinGhostscript: return "Ghostscript (gs) nicht gefunden, PDF nicht erzeugt !";
    case PdfErgebnis::Umwandlungsfehler: return "Ghostscript konnte die Zeichnung nicht umwandeln, PDF nicht erzeugt !";
    case PdfErgebnis::Dateifehler: return "temporäre PostScript-Datei nicht schreibbar, PDF nicht erzeugt !"_l1;
    }
    return "";
}
