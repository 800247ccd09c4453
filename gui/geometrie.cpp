// The geometry log of the window tests.
#include "gui/geometrie.h"

#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>

#include "workspace/ansicht.h"

namespace {

std::FILE* Protokoll() {
    const char* pfad = std::getenv("VELKO_GEOMETRIEPROTOKOLL");
    return pfad && *pfad ? std::fopen(pfad, "a") : nullptr;
}

const char* Klasse(int objclass) {
    switch (objclass) {
    case FL_INPUT: return "Eingabe";
    case FL_BROWSER: return "Liste";
    case FL_BUTTON: case FL_LIGHTBUTTON: case FL_ROUNDBUTTON: case FL_CHECKBUTTON: case FL_PIXMAPBUTTON:
        return "Knopf";
    case FL_CHOICE: case FL_MENU: return "Auswahl";
    default: return "Objekt";
    }
}

void FormProtokollieren(FL_FORM* form, const char* name_der_form) {
    std::FILE* f = Protokoll();
    if (!f) return;
    if (!name_der_form) name_der_form = "";
    std::fprintf(f, "zeige\t%s\n", name_der_form);
    std::map<std::string, int> nummern;
    for (FL_OBJECT* ob = form->first; ob; ob = ob->next) {
        std::string name = ob->label ? ob->label : "";
        if (name.empty()) name = std::string(Klasse(ob->objclass)) + "#" + std::to_string(++nummern[Klasse(ob->objclass)]);
        // One record per line: line breaks of a label become blanks.
        for (char& c : name)
            if (c == '\n' || c == '\t') c = ' ';
        std::fprintf(f, "form\t%s\t%s\t%d %d %d %d\n", name_der_form, name.c_str(), static_cast<int>(ob->x),
                     static_cast<int>(ob->y), static_cast<int>(ob->w), static_cast<int>(ob->h));
    }
    std::fclose(f);
}

}  // namespace

void FormZeigen(FL_FORM* form, int platz, int rand, const char* titel, const char* protokollname) {
    // Written before the window maps: a test that sees the window finds its
    // objects in the log.
    FormProtokollieren(form, protokollname ? protokollname : titel);
    fl_show_form(form, platz, rand, titel);
}

void FensterProtokollieren(const char* form, const char* name, int x, int y, int breite, int hoehe) {
    std::FILE* f = Protokoll();
    if (!f) return;
    std::fprintf(f, "form\t%s\t%s\t%d %d %d %d\n", form ? form : "", name ? name : "", x, y, breite, hoehe);
    std::fclose(f);
}

void ZeichenflaecheProtokollieren(int x, int y, int breite, int hoehe, const Ansicht& ansicht) {
    std::FILE* f = Protokoll();
    if (!f) return;
    std::fprintf(f, "leinwand\t%d %d %d %d\t%.6f %.6f %.6f\n", x, y, breite, hoehe, ansicht.Massstab, ansicht.VersatzX,
                 ansicht.Hoehe + ansicht.VersatzY);
    std::fclose(f);
}
