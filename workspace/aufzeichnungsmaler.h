// Painters that draw nothing: one records every request with the drawing
// state in force (for tests that check exact pixels), one only counts them
// (for measuring how many X requests a redraw costs).
#pragma once

#include "workspace/maler.h"

#include <array>
#include <string>
#include <vector>

enum class Malart {
    Loeschen, Farbe, Toolkitfarbe, Hintergrund, Linie, Schriftart,
    Strecke, Linienzug, Bogen, Rechteck, RechteckFuellen, Polygon, PolygonFuellen,
    Text, Senden,
};
constexpr int MALARTEN = 15;

// Colour, line and font set at the moment of a request.
struct Malzustand {
    bool Toolkit = false;  // Farbe is a toolkit index, not a role
    long Farbe = -1;       // -1: not set yet
    int Hintergrund = -1;
    int Breite = 0;
    Linienart Art = Linienart::Durchgezogen;
    Linienende Ende = Linienende::Stumpf;
    Schrift Schriftart = Schrift::Normal;

    bool IstRolle(Farbrolle r) const { return !Toolkit && Farbe == r; }
    bool IstToolkit(long index) const { return Toolkit && Farbe == index; }
};

struct Malaufruf {
    Malart Art;
    std::vector<int> Werte;         // coordinates (and angles) in call order
    std::vector<Bildpunkt> Punkte;  // Linienzug and polygons
    std::string Inhalt;             // Text
    Malzustand Zustand;             // after the call

    // "Strecke 1 2 3 4", "Text 5 6 'abc'", ... for messages of failing tests.
    std::string Beschreibung() const;
};

class Aufzeichnungsmaler : public Maler {
public:
    void Loeschen() override;
    void Farbe(Farbrolle rolle) override;
    void Toolkitfarbe(long index) override;
    void Hintergrund(Farbrolle rolle) override;
    void Linie(int breite, Linienart art, Linienende ende) override;
    void Schriftart(Schrift schrift) override;
    void Strecke(int x1, int y1, int x2, int y2) override;
    void Linienzug(const Bildpunkt* punkte, int anzahl) override;
    void Bogen(int x, int y, int breite, int hoehe, int winkel1, int winkel2) override;
    void Rechteck(int x, int y, int breite, int hoehe) override;
    void RechteckFuellen(int x, int y, int breite, int hoehe) override;
    void Polygon(const Bildpunkt* punkte, int anzahl) override;
    void PolygonFuellen(const Bildpunkt* punkte, int anzahl) override;
    void Text(int x, int y, const char* text) override;
    void Senden() override;

    std::vector<Malaufruf> Aufrufe;

    // The requests of one kind, in order.
    std::vector<Malaufruf> Nur(Malart art) const;
    // Drawing requests (lines, arcs, rectangles, polygons, texts) whose
    // foreground is the role.
    std::vector<Malaufruf> InFarbe(Farbrolle rolle) const;
    // The first text request with exactly this content, or null.
    const Malaufruf* TextSuchen(const std::string& inhalt) const;
    // All requests, one Beschreibung per line.
    std::string Protokoll() const;
    void Leeren() { Aufrufe.clear(); zustand_ = Malzustand{}; }

private:
    Malaufruf& Neu(Malart art);
    Malzustand zustand_;
};

class Zaehlmaler : public Maler {
public:
    void Loeschen() override { ++Anzahl[static_cast<int>(Malart::Loeschen)]; }
    void Farbe(Farbrolle) override { ++Anzahl[static_cast<int>(Malart::Farbe)]; }
    void Toolkitfarbe(long) override { ++Anzahl[static_cast<int>(Malart::Toolkitfarbe)]; }
    void Hintergrund(Farbrolle) override { ++Anzahl[static_cast<int>(Malart::Hintergrund)]; }
    void Linie(int, Linienart, Linienende) override { ++Anzahl[static_cast<int>(Malart::Linie)]; }
    void Schriftart(Schrift) override { ++Anzahl[static_cast<int>(Malart::Schriftart)]; }
    void Strecke(int, int, int, int) override { ++Anzahl[static_cast<int>(Malart::Strecke)]; }
    void Linienzug(const Bildpunkt*, int n) override {
        ++Anzahl[static_cast<int>(Malart::Linienzug)];
        Linienzugpunkte += n;
    }
    void Bogen(int, int, int, int, int, int) override { ++Anzahl[static_cast<int>(Malart::Bogen)]; }
    void Rechteck(int, int, int, int) override { ++Anzahl[static_cast<int>(Malart::Rechteck)]; }
    void RechteckFuellen(int, int, int, int) override { ++Anzahl[static_cast<int>(Malart::RechteckFuellen)]; }
    void Polygon(const Bildpunkt*, int) override { ++Anzahl[static_cast<int>(Malart::Polygon)]; }
    void PolygonFuellen(const Bildpunkt*, int) override { ++Anzahl[static_cast<int>(Malart::PolygonFuellen)]; }
    void Text(int, int, const char*) override { ++Anzahl[static_cast<int>(Malart::Text)]; }
    void Senden() override { ++Anzahl[static_cast<int>(Malart::Senden)]; }

    long Von(Malart art) const { return Anzahl[static_cast<int>(art)]; }
    long Summe() const;
    // Requests that put something on the screen (no state changes).
    long Zeichenaufrufe() const;

    std::array<long, MALARTEN> Anzahl{};
    long Linienzugpunkte = 0;
};

const char* MalartName(Malart art);
