#include "workspace/aufzeichnungsmaler.h"

#include <cstdio>

const char* MalartName(Malart art) {
    static const char* const namen[MALARTEN] = {
        "Loeschen", "Farbe", "Toolkitfarbe", "Hintergrund", "Linie", "Schriftart",
        "Strecke", "Linienzug", "Bogen", "Rechteck", "RechteckFuellen", "Polygon",
        "PolygonFuellen", "Text", "Senden",
    };
    const int i = static_cast<int>(art);
    return i >= 0 && i < MALARTEN ? namen[i] : "?";
}

std::string Malaufruf::Beschreibung() const {
    std::string s = MalartName(Art);
    for (int w : Werte) s += " " + std::to_string(w);
    for (const Bildpunkt& p : Punkte) s += " (" + std::to_string(p.x) + "," + std::to_string(p.y) + ")";
    if (Art == Malart::Text) s += " '" + Inhalt + "'";
    return s;
}

Malaufruf& Aufzeichnungsmaler::Neu(Malart art) {
    Aufrufe.push_back(Malaufruf{art, {}, {}, {}, zustand_});
    return Aufrufe.back();
}

void Aufzeichnungsmaler::Loeschen() { Neu(Malart::Loeschen); }

void Aufzeichnungsmaler::Farbe(Farbrolle rolle) {
    zustand_.Toolkit = false;
    zustand_.Farbe = rolle;
    Neu(Malart::Farbe).Werte = {rolle};
}

void Aufzeichnungsmaler::Toolkitfarbe(long index) {
    zustand_.Toolkit = true;
    zustand_.Farbe = index;
    Neu(Malart::Toolkitfarbe).Werte = {static_cast<int>(index)};
}

void Aufzeichnungsmaler::Hintergrund(Farbrolle rolle) {
    zustand_.Hintergrund = rolle;
    Neu(Malart::Hintergrund).Werte = {rolle};
}

void Aufzeichnungsmaler::Linie(int breite, Linienart art, Linienende ende) {
    zustand_.Breite = breite;
    zustand_.Art = art;
    zustand_.Ende = ende;
    Neu(Malart::Linie).Werte = {breite, static_cast<int>(art), static_cast<int>(ende)};
}

void Aufzeichnungsmaler::Schriftart(Schrift schrift) {
    zustand_.Schriftart = schrift;
    Neu(Malart::Schriftart).Werte = {static_cast<int>(schrift)};
}

void Aufzeichnungsmaler::Strecke(int x1, int y1, int x2, int y2) {
    Neu(Malart::Strecke).Werte = {x1, y1, x2, y2};
}

void Aufzeichnungsmaler::Linienzug(const Bildpunkt* punkte, int anzahl) {
    Neu(Malart::Linienzug).Punkte.assign(punkte, punkte + (anzahl > 0 ? anzahl : 0));
}

void Aufzeichnungsmaler::Bogen(int x, int y, int breite, int hoehe, int winkel1, int winkel2) {
    Neu(Malart::Bogen).Werte = {x, y, breite, hoehe, winkel1, winkel2};
}

void Aufzeichnungsmaler::Rechteck(int x, int y, int breite, int hoehe) {
    Neu(Malart::Rechteck).Werte = {x, y, breite, hoehe};
}

void Aufzeichnungsmaler::RechteckFuellen(int x, int y, int breite, int hoehe) {
    Neu(Malart::RechteckFuellen).Werte = {x, y, breite, hoehe};
}

void Aufzeichnungsmaler::Polygon(const Bildpunkt* punkte, int anzahl) {
    Neu(Malart::Polygon).Punkte.assign(punkte, punkte + (anzahl > 0 ? anzahl : 0));
}

void Aufzeichnungsmaler::PolygonFuellen(const Bildpunkt* punkte, int anzahl) {
    Neu(Malart::PolygonFuellen).Punkte.assign(punkte, punkte + (anzahl > 0 ? anzahl : 0));
}

void Aufzeichnungsmaler::Text(int x, int y, const char* text) {
    Malaufruf& a = Neu(Malart::Text);
    a.Werte = {x, y};
    a.Inhalt = text ? text : "";
}

void Aufzeichnungsmaler::Senden() { Neu(Malart::Senden); }

std::vector<Malaufruf> Aufzeichnungsmaler::Nur(Malart art) const {
    std::vector<Malaufruf> r;
    for (const Malaufruf& a : Aufrufe)
        if (a.Art == art) r.push_back(a);
    return r;
}

std::vector<Malaufruf> Aufzeichnungsmaler::InFarbe(Farbrolle rolle) const {
    std::vector<Malaufruf> r;
    for (const Malaufruf& a : Aufrufe) {
        switch (a.Art) {
        case Malart::Strecke: case Malart::Linienzug: case Malart::Bogen: case Malart::Rechteck:
        case Malart::RechteckFuellen: case Malart::Polygon: case Malart::PolygonFuellen:
        case Malart::Text:
            if (a.Zustand.IstRolle(rolle)) r.push_back(a);
            break;
        default:
            break;
        }
    }
    return r;
}

const Malaufruf* Aufzeichnungsmaler::TextSuchen(const std::string& inhalt) const {
    for (const Malaufruf& a : Aufrufe)
        if (a.Art == Malart::Text && a.Inhalt == inhalt) return &a;
    return nullptr;
}

std::string Aufzeichnungsmaler::Protokoll() const {
    std::string s;
    for (const Malaufruf& a : Aufrufe) s += a.Beschreibung() + "\n";
    return s;
}

long Zaehlmaler::Summe() const {
    long s = 0;
    for (long n : Anzahl) s += n;
    return s;
}

long Zaehlmaler::Zeichenaufrufe() const {
    long s = 0;
    for (Malart a : {Malart::Loeschen, Malart::Strecke, Malart::Linienzug, Malart::Bogen, Malart::Rechteck,
                     Malart::RechteckFuellen, Malart::Polygon, Malart::PolygonFuellen, Malart::Text})
        s += Von(a);
    return s;
}
