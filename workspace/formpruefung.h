// Whether the texts of a window can be read: no label cut off by its
// object, none running out of the window, across a frame that holds its
// object, over another object or into another label.
//
// The window side measures each label with the fonts the server delivers and
// places it as the toolkit draws it; what is checked here is geometry only,
// so the rules are tested without a display.
#pragma once

#include <string>
#include <vector>

struct Formrechteck {
    int X = 0, Y = 0, B = 0, H = 0;  // left, top, width, height; B or H 0: empty

    bool Leer() const { return B <= 0 || H <= 0; }
    int Rechts() const { return X + B; }
    int Unten() const { return Y + H; }
    bool Enthaelt(const Formrechteck& r) const;
    bool Schneidet(const Formrechteck& r) const;
    Formrechteck Erweitert(int rand) const { return {X - rand, Y - rand, B + 2 * rand, H + 2 * rand}; }
};

struct Formtext {
    std::string Name;     // for the report: the object's label, or its class and number
    Formrechteck Objekt;  // the object's box
    // Where its text is drawn (empty: no text) and, for a text drawn inside
    // its object, where it must stay (empty for a text beside its object).
    Formrechteck Text;
    Formrechteck Raum;
    // A frame or box other objects lie in; texts of objects it holds must
    // stay inside it.
    bool Behaelter = false;
    // Content drawn inside the object (a choice's entries, a list's lines):
    // only checked against its room.
    bool Inhalt = false;
};

// One line per fault, "<window>: <what>", empty when the window reads well.
// `breite` and `hoehe` are the window's size.
std::vector<std::string> FormPruefen(const std::string& form, int breite, int hoehe,
                                     const std::vector<Formtext>& objekte);
