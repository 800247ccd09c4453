#include "cli/rechnen_optionen.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <utility>
#include "core/latin1.h"

namespace {

bool TextSetzen(std::string& ziel, const char* wert, const char* option, std::string& fehler) {
    if (!*wert) {
        fehler = std::string("Option ") + option + " erwartet einen Dateinamen";
        return false;
    }
    ziel = wert;
    return true;
}

bool StabteilungenSetzen(RechnenAuftrag& a, const char* wert, std::string& fehler) {
    errno = 0;
    char* ende = nullptr;
    long n = std::strtol(wert, &ende, 10);
    if (!*wert || *ende || errno == ERANGE || n < 1 || n > STABTEILUNGEN_MAX) {
        fehler = std::string("--stabteilungen erwartet eine ganze Zahl von 1 bis ") +
                 std::to_string(STABTEILUNGEN_MAX) + ", nicht '" + wert + "'";
        return false;
    }
    a.Stabteilungen = n;
    return true;
}

// A diagram scale: any finite number, as the dialog's input takes it.
bool MassstabSetzen(double& ziel, const char* wert, const char* option, std::string& fehler) {
    errno = 0;
    char* ende = nullptr;
    double x = std::strtod(wert, &ende);
    if (!*wert || *ende || errno == ERANGE || !std::isfinite(x)) {
        fehler = std::string(option) + " erwartet eine Zahl, nicht '" + wert + "'";
        return false;
    }
    ziel = x;
    return true;
}

// A plot switch: sets the field and remembers that a plot setting was given.
template <bool Druckoptionen::*Feld, bool Wert>
bool PlotSchalter(RechnenAuftrag& a, const char*, std::string&) {
    a.Plot.*Feld = Wert;
    a.PlotoptionGenannt = true;
    return true;
}

// "--seiten system,moment,...": exactly the pages named are written.
bool SeitenSetzen(RechnenAuftrag& a, const char* wert, std::string& fehler) {
    static const char* const NAMEN[PLOT_SEITEN] = {"system", "moment", "querkraft", "normalkraft",
                                                   "verformung"};
    bool gewaehlt[PLOT_SEITEN] = {};
    std::string liste = wert;
    size_t anfang = 0;
    while (anfang <= liste.size()) {
        size_t ende = liste.find(',', anfang);
        if (ende == std::string::npos) ende = liste.size();
        const std::string name = liste.substr(anfang, ende - anfang);
        int i = 0;
        while (i < PLOT_SEITEN && name != NAMEN[i]) ++i;
        if (i == PLOT_SEITEN) {
            fehler = "--seiten kennt die Seite '" + name +
                     "' nicht (system, moment, querkraft, normalkraft, verformung)";
            return false;
        }
        gewaehlt[i] = true;
        anfang = ende + 1;
    }
    a.Plot.System = gewaehlt[SEITE_SYSTEM];
    a.Plot.Moment = gewaehlt[SEITE_MOMENT];
    a.Plot.Querkraft = gewaehlt[SEITE_QUERKRAFT];
    a.Plot.Normalkraft = gewaehlt[SEITE_NORMALKRAFT];
    a.Plot.Verschiebung = gewaehlt[SEITE_VERFORMUNG];
    a.PlotoptionGenannt = true;
    return true;
}

const RechnenOption* OptionSuchen(const std::string& name) {
    for (const RechnenOption& o : RechnenOptionen())
        if (name == o.Name || (o.Alias && name == o.Alias)) return &o;
    return nullptr;
}

}  // namespace

const std::vector<RechnenOption>& RechnenOptionen() {
    static const std::vector<RechnenOption> tabelle = {
        {"--liste", nullptr, "DATEI",
         "Ergebnisliste in DATEI statt auf die Standardausgabe (-) schreiben",
         [](RechnenAuftrag& a, const char* w, std::string& f) {
             return TextSetzen(a.Liste, w, "--liste", f);
         }},
        {"--tabelle", nullptr, "DATEI",
         "Stabtabelle (Tab Delimited) zusätzlich in DATEI schreiben (- = Standardausgabe)"_l1,
         [](RechnenAuftrag& a, const char* w, std::string& f) {
             return TextSetzen(a.Tabelle, w, "--tabelle", f);
         }},
        {"--umhuellende", nullptr, "DATEI",
         "Umhüllende aller Lastfallkombinationen (Tab Delimited) in DATEI schreiben (- = Standardausgabe)"_l1,
         [](RechnenAuftrag& a, const char* w, std::string& f) {
             return TextSetzen(a.Umhuellende, w, "--umhuellende", f);
         }},
        {"--spannungen", nullptr, "DATEI",
         "Randspannungen und mittlere Schubspannung (Tab Delimited) in DATEI schreiben (- = Standardausgabe)",
         [](RechnenAuftrag& a, const char* w, std::string& f) {
             return TextSetzen(a.Spannungen, w, "--spannungen", f);
         }},
        {"--katalog", nullptr, "VERZEICHNIS",
         "material.dat und querschnitte.dat aus VERZEICHNIS lesen",
         [](RechnenAuftrag& a, const char* w, std::string& f) {
             return TextSetzen(a.Katalog, w, "--katalog", f);
         }},
        {"--stabteilungen", nullptr, "N",
         "jedes Element in N gleiche Teile teilen (statt der Angabe des Systems)",
         StabteilungenSetzen},
        {"--theorie2", nullptr, nullptr, "nach Theorie II. Ordnung berechnen (Gleichgewicht am verformten System)",
         [](RechnenAuftrag& a, const char*, std::string&) {
             a.TheorieII = true;
             return true;
         }},
        {"--verzweigungslast", nullptr, nullptr,
         "nur den Verzweigungslastfaktor der aktiven Lasten auf die Standardausgabe schreiben",
         [](RechnenAuftrag& a, const char*, std::string&) {
             a.NurVerzweigung = true;
             return true;
         }},
        {"--ps", nullptr, "DATEI", "PostScript-Plot (A4-Seiten) in DATEI schreiben",
         [](RechnenAuftrag& a, const char* w, std::string& f) {
             return TextSetzen(a.Postscript, w, "--ps", f);
         }},
        {"--pdf", nullptr, "DATEI", "den Plot als PDF in DATEI schreiben (mit Ghostscript, gs)",
         [](RechnenAuftrag& a, const char* w, std::string& f) {
             return TextSetzen(a.Pdf, w, "--pdf", f);
         }},
        {"--seiten", nullptr, "LISTE",
         "nur diese Plotseiten: system,moment,querkraft,normalkraft,verformung",
         SeitenSetzen},
        {"--momentenmassstab", nullptr, "X", "Maßstab der Momentenlinie in m je kNm (Vorgabe 0.1)"_l1,
         [](RechnenAuftrag& a, const char* w, std::string& f) {
             a.PlotoptionGenannt = true;
             return MassstabSetzen(a.Plot.MomentMassstab, w, "--momentenmassstab", f);
         }},
        {"--querkraftmassstab", nullptr, "X", "Maßstab der Querkraftlinie in m je kN (Vorgabe 0.1)"_l1,
         [](RechnenAuftrag& a, const char* w, std::string& f) {
             a.PlotoptionGenannt = true;
             return MassstabSetzen(a.Plot.QuerkraftMassstab, w, "--querkraftmassstab", f);
         }},
        {"--normalkraftmassstab", nullptr, "X", "Maßstab der Normalkraftlinie in m je kN (Vorgabe 0.1)"_l1,
         [](RechnenAuftrag& a, const char* w, std::string& f) {
             a.PlotoptionGenannt = true;
             return MassstabSetzen(a.Plot.NormalkraftMassstab, w, "--normalkraftmassstab", f);
         }},
        {"--verschiebungsmassstab", nullptr, "X", "Überhöhung der Verformungsfigur (Vorgabe 10)"_l1,
         [](RechnenAuftrag& a, const char* w, std::string& f) {
             a.PlotoptionGenannt = true;
             return MassstabSetzen(a.Plot.VerschiebungMassstab, w, "--verschiebungsmassstab", f);
         }},
        {"--beschriftung", nullptr, nullptr, "Werte an Schnittkraft- und Verformungslinien schreiben",
         PlotSchalter<&Druckoptionen::Beschriftung, true>},
        {"--ohne-seitenzahlen", nullptr, nullptr, "keine Seitenzahlen",
         PlotSchalter<&Druckoptionen::Seitenzahlen, false>},
        {"--markierte-staebe", nullptr, nullptr, "nur die markierten Stäbe zeichnen"_l1,
         PlotSchalter<&Druckoptionen::MarkierteStaebe, true>},
        {"--freiheitsgrade", nullptr, nullptr, "Nummern der Freiheitsgrade auf der Systemseite",
         PlotSchalter<&Druckoptionen::Freiheitsgrade, true>},
        {"--querformat", nullptr, nullptr, "Seiten im Querformat (Vorgabe: Hochformat)",
         PlotSchalter<&Druckoptionen::Querformat, true>},
        {"--hilfe", "--help", nullptr, "diese Hilfe zeigen",
         [](RechnenAuftrag& a, const char*, std::string&) {
             a.Hilfe = true;
             return true;
         }},
    };
    return tabelle;
}

bool RechnenOptionenLesen(int argc, const char* const argv[], RechnenAuftrag& auftrag,
                          std::string& fehler) {
    bool optionenZuEnde = false;
    bool dateiGenannt = false;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (!optionenZuEnde && arg == "--") {
            optionenZuEnde = true;
            continue;
        }
        if (optionenZuEnde || arg.size() < 2 || arg[0] != '-') {
            if (dateiGenannt) {
                fehler = "mehr als eine Systemdatei angegeben ('" + auftrag.Systemdatei +
                         "' und '" + arg + "')";
                return false;
            }
            auftrag.Systemdatei = arg;
            dateiGenannt = true;
            continue;
        }
        std::string name = arg;
        const char* wert = nullptr;
        std::string angehaengt;
        if (size_t gleich = arg.find('='); gleich != std::string::npos) {
            name = arg.substr(0, gleich);
            angehaengt = arg.substr(gleich + 1);
            wert = angehaengt.c_str();
        }
        const RechnenOption* option = OptionSuchen(name);
        if (!option) {
            fehler = "unbekannte Option '" + name + "'";
            return false;
        }
        if (!option->Argument && wert) {
            fehler = "Option " + name + " erwartet keinen Wert";
            return false;
        }
        if (option->Argument && !wert) {
            if (i + 1 >= argc) {
                fehler = "Option " + name + " erwartet " + option->Argument;
                return false;
            }
            wert = argv[++i];
        }
        if (!option->Setzen(auftrag, wert, fehler)) return false;
    }
    if (auftrag.Hilfe) return true;
    if (!dateiGenannt || auftrag.Systemdatei.empty()) {
        fehler = "keine Systemdatei angegeben";
        return false;
    }
    auto istDatei = [](const std::string& s) { return !s.empty() && s != "-"; };
    if (auftrag.Tabelle == "-" && !istDatei(auftrag.Liste)) {
        fehler = "die Tabelle kann nur auf die Standardausgabe, wenn die Liste mit --liste in "
                 "eine Datei geht";
        return false;
    }
    for (const auto& [wert, name] : {std::pair{&auftrag.Umhuellende, "--umhuellende"},
                                     std::pair{&auftrag.Spannungen, "--spannungen"}}) {
        if (*wert == "-" && !istDatei(auftrag.Liste)) {
            fehler = std::string(name) + " - geht nur, wenn die Liste mit --liste in eine Datei geht";
            return false;
        }
    }
    const int aufStandardausgabe = (auftrag.Tabelle == "-") + (auftrag.Umhuellende == "-") + (auftrag.Spannungen == "-");
    if (aufStandardausgabe > 1) {
        fehler = "nur eine der Ausgaben kann auf die Standardausgabe gehen";
        return false;
    }
    if (istDatei(auftrag.Liste) && auftrag.Liste == auftrag.Tabelle) {
        fehler = "--liste und --tabelle nennen dieselbe Datei '" + auftrag.Liste + "'";
        return false;
    }
    if (!auftrag.Postscript.empty() &&
        (auftrag.Postscript == auftrag.Liste || auftrag.Postscript == auftrag.Tabelle)) {
        fehler = "--ps nennt dieselbe Datei wie --liste oder --tabelle: '" + auftrag.Postscript + "'";
        return false;
    }
    if (!auftrag.Pdf.empty() && (auftrag.Pdf == auftrag.Liste || auftrag.Pdf == auftrag.Tabelle ||
                                 auftrag.Pdf == auftrag.Postscript)) {
        fehler = "--pdf nennt dieselbe Datei wie --liste, --tabelle oder --ps: '" + auftrag.Pdf + "'";
        return false;
    }
    if (auftrag.NurVerzweigung && (!auftrag.Liste.empty() || !auftrag.Tabelle.empty() ||
                                   !auftrag.Postscript.empty() || !auftrag.Pdf.empty() ||
                                   !auftrag.Umhuellende.empty() || !auftrag.Spannungen.empty())) {
        fehler = "--verzweigungslast schreibt nur den Verzweigungslastfaktor, ohne --liste, --tabelle, --ps, "
                 "--pdf, --umhuellende und --spannungen";
        return false;
    }
    if (auftrag.Postscript.empty() && auftrag.Pdf.empty() && auftrag.PlotoptionGenannt) {
        fehler = "Plotoptionen wirken nur zusammen mit --ps DATEI oder --pdf DATEI";
        return false;
    }
    return true;
}

std::string RechnenHilfe(const char* programm) {
    std::string text = std::string("Aufruf: ") + programm + " [Optionen] SYSTEMDATEI\n\n";
    text +=
        "Berechnet das ebene Stabwerk der Systemdatei (*.sysdat) nach Theorie I. Ordnung\n"
        "(mit --theorie2 nach Theorie II. Ordnung) mit den aktiven Lastfällen und schreibt\n"_l1
        "die Ergebnisliste aller Stäbe (ISO 8859-1, Zeilenenden \"\\n\\r\") auf die\n"_l1
        "Standardausgabe.  Mit --ps zeichnet es außerdem System und Ergebnisse als\n"_l1
        "PostScript-Seiten (Vorgabe: alle fünf Seiten), mit --pdf dieselben Seiten als PDF\n"_l1
        "(mit Ghostscript, gs).  Mit --verzweigungslast schreibt es nur den\n"
        "Verzweigungslastfaktor (\"%.6f\" oder \"keine Druckkräfte\").  Mit --umhuellende\n"_l1
        "rechnet es vorher jede Lastfallkombination für sich (nach aufsteigender Nummer,\n"_l1
        "mit --theorie2 nach Theorie II. Ordnung) und schreibt je Stab und Listenstelle\n"
        "die größten und kleinsten Werte mit ihrer Kombination.\n\n"_l1
        "Optionen:\n";
    size_t breite = 0;
    auto kopf = [](const RechnenOption& o) {
        std::string k = o.Name;
        if (o.Alias) k += std::string(", ") + o.Alias;
        if (o.Argument) k += std::string(" ") + o.Argument;
        return k;
    };
    for (const RechnenOption& o : RechnenOptionen()) breite = std::max(breite, kopf(o).size());
    for (const RechnenOption& o : RechnenOptionen()) {
        std::string k = kopf(o);
        text += "  " + k + std::string(breite - k.size() + 3, ' ') + o.Beschreibung + "\n";
    }
    text +=
        "\nDie Meldungen der Berechnung erscheinen nummeriert auf der Standardfehlerausgabe.\n"
        "Ohne --katalog kommen Material- und Querschnittskatalog aus dem\n"
        "Katalogverzeichnis der Datei ~/.velko; ohne diese Datei aus der Installation\n"
        "(PREFIX/share/velko/verwaltung neben PREFIX/bin).\n\n"
        "Rückgabewert:\n"_l1
        "  0   berechnet, Ergebnisse geschrieben\n"
        "  1   Berechnung abgebrochen (Modellprüfung, kinematisches System,\n"_l1
        "      zu wenig Speicher, nach Theorie II. Ordnung: Belastung über der\n"_l1
        "      Verzweigungslast; mit --umhuellende: keine Lastfallkombinationen)\n"_l1
        "  2   Datei nicht lesbar oder ungültig, Ausgabe nicht schreibbar,\n"_l1
        "      fehlerhafte Aufrufargumente\n";
    return text;
}
