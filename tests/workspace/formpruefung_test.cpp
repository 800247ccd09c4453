// The layout check of a window's texts: cut, outside, across a frame, over
// another object, touching another text.
#include "workspace/formpruefung.h"

#include <gtest/gtest.h>

namespace {

// An object whose text is drawn inside it, with `rand` pixels kept free.
Formtext Innen(const std::string& name, Formrechteck objekt, int textbreite, int rand = 3) {
    Formtext t;
    t.Name = name;
    t.Objekt = objekt;
    t.Text = {objekt.X + (objekt.B - textbreite) / 2, objekt.Y + 5, textbreite, 16};
    t.Raum = {objekt.X + rand, objekt.Y, objekt.B - 2 * rand, objekt.H};
    return t;
}

// An input with its label left of it.
Formtext Links(const std::string& name, Formrechteck objekt, int textbreite) {
    Formtext t;
    t.Name = name;
    t.Objekt = objekt;
    t.Text = {objekt.X - 5 - textbreite, objekt.Y + 5, textbreite, 16};
    return t;
}

}  // namespace

TEST(Formpruefung, PassendeTexteGebenKeinenBefund) {
    Formtext rahmen;
    rahmen.Name = "Objekt#1";
    rahmen.Objekt = {10, 10, 380, 280};
    rahmen.Behaelter = true;
    const std::vector<Formtext> objekte = {rahmen, Innen("OK", {20, 240, 100, 30}, 20),
                                           Links("Breite", {150, 40, 100, 30}, 60)};
    EXPECT_TRUE(FormPruefen("Dialog", 400, 300, objekte).empty());
}

TEST(Formpruefung, AbgeschnittenUndAusDemFenster) {
    // "Programm" wider than its menu; a label left of an input at the edge.
    const auto befunde = FormPruefen("Velko", 400, 300,
                                     {Innen("Programm", {10, 5, 80, 25}, 95), Links("Anzahl", {40, 40, 100, 30}, 60)});
    ASSERT_EQ(befunde.size(), 2u);
    EXPECT_EQ(befunde[0], "Velko: 'Programm' abgeschnitten: Text 3..98 x 10..26, Platz 13..87 x 5..30");
    EXPECT_EQ(befunde[1], "Velko: 'Anzahl' ragt aus dem Fenster: -25..35 x 45..61");
}

TEST(Formpruefung, UeberRahmenAufObjektenUndAneinander) {
    Formtext rahmen;
    rahmen.Name = "Objekt#1";
    rahmen.Objekt = {10, 10, 200, 100};
    rahmen.Behaelter = true;
    // A check button in the frame whose text runs past the frame's right edge.
    Formtext knopf = Innen("Koordinatensystem", {150, 20, 55, 30}, 55, 0);
    knopf.Raum = {};
    knopf.Text.X = 180;
    // A label that lies on an input, and two labels side by side.
    const Formtext eingabe = Links("Faktor", {300, 150, 80, 30}, 40);
    const Formtext davor = Innen("Wert", {205, 150, 50, 30}, 50, 0);
    auto befunde = FormPruefen("D", 400, 300, {rahmen, knopf, eingabe, davor});
    ASSERT_EQ(befunde.size(), 2u);
    EXPECT_EQ(befunde[0], "D: 'Koordinatensystem' ragt ueber den Rahmen 'Objekt#1': 180..235 x 25..41");
    EXPECT_EQ(befunde[1], "D: 'Faktor' beruehrt 'Wert': 255..295 x 155..171 / 205..255 x 155..171");
    // ... the same texts a pixel further apart are fine; over the object is not.
    Formtext weiter = eingabe;
    weiter.Text.X = 257;
    befunde = FormPruefen("D", 400, 300, {weiter, davor});
    EXPECT_TRUE(befunde.empty());
    weiter.Text.X = 240;
    befunde = FormPruefen("D", 400, 300, {weiter, davor});
    ASSERT_FALSE(befunde.empty());
    EXPECT_EQ(befunde[0], "D: 'Faktor' liegt auf 'Wert': 240..280 x 155..171");
}

TEST(Formpruefung, InhaltNurGegenSeinenPlatz) {
    // A choice entry wider than the choice is cut; entries never collide
    // with the labels around them, which lie on other objects by design.
    Formtext auswahl = Innen("Koord./Punkt-Fang", {20, 140, 180, 30}, 190);
    auswahl.Inhalt = true;
    Formtext nachbar = Innen("kein Fang", {20, 140, 180, 30}, 60);
    nachbar.Inhalt = true;
    const auto befunde = FormPruefen("E", 400, 300, {auswahl, nachbar});
    ASSERT_EQ(befunde.size(), 1u);
    EXPECT_EQ(befunde[0].rfind("E: 'Koord./Punkt-Fang' abgeschnitten", 0), 0u);
}
