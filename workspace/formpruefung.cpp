#include "workspace/formpruefung.h"

#include <cstdio>

bool Formrechteck::Enthaelt(const Formrechteck& r) const {
    return r.X >= X && r.Y >= Y && r.Rechts() <= Rechts() && r.Unten() <= Unten();
}

bool Formrechteck::Schneidet(const Formrechteck& r) const {
    if (Leer() || r.Leer()) return false;
    return X < r.Rechts() && r.X < Rechts() && Y < r.Unten() && r.Y < Unten();
}

namespace {

std::string Lage(const Formrechteck& r) {
    char text[64];
    std::snprintf(text, sizeof text, "%d..%d x %d..%d", r.X, r.Rechts(), r.Y, r.Unten());
    return text;
}

}  // namespace

std::vector<std::string> FormPruefen(const std::string& form, int breite, int hoehe,
                                     const std::vector<Formtext>& objekte) {
    std::vector<std::string> befunde;
    auto melden = [&](const std::string& text) { befunde.push_back(form + ": " + text); };
    const Formrechteck fenster{0, 0, breite, hoehe};
    for (std::size_t i = 0; i < objekte.size(); ++i) {
        const Formtext& a = objekte[i];
        if (a.Text.Leer()) continue;
        const std::string name = "'" + a.Name + "'";
        if (!a.Raum.Leer() && !a.Raum.Enthaelt(a.Text)) {
            melden(name + " abgeschnitten: Text " + Lage(a.Text) + ", Platz " + Lage(a.Raum));
            continue;
        }
        if (a.Inhalt) continue;
        if (!fenster.Enthaelt(a.Text)) {
            melden(name + " ragt aus dem Fenster: " + Lage(a.Text));
            continue;
        }
        for (std::size_t k = 0; k < objekte.size(); ++k) {
            const Formtext& o = objekte[k];
            if (k == i || o.Inhalt) continue;
            if (o.Objekt.Enthaelt(a.Objekt)) {
                // A frame around the object: its text stays inside as well.
                if (o.Behaelter && !o.Objekt.Enthaelt(a.Text))
                    melden(name + " ragt ueber den Rahmen '" + o.Name + "': " + Lage(a.Text));
                continue;
            }
            if (a.Text.Schneidet(o.Objekt)) melden(name + " liegt auf '" + o.Name + "': " + Lage(a.Text));
        }
        // Two texts need a pixel between them to be read apart.
        for (std::size_t k = i + 1; k < objekte.size(); ++k) {
            const Formtext& o = objekte[k];
            if (o.Inhalt || o.Text.Leer()) continue;
            if (a.Text.Erweitert(1).Schneidet(o.Text))
                melden(name + " beruehrt '" + o.Name + "': " + Lage(a.Text) + " / " + Lage(o.Text));
        }
    }
    return befunde;
}
