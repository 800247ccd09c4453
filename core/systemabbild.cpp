// Pictures of a System's model for undo and redo.
#include "core/systemabbild.h"

#include <cstring>
#include <type_traits>
#include <unordered_map>

#include "core/kette.h"
#include "core/systemoperationen.h"

// The records are copied byte for byte and their pointers replaced by
// positions.  A new field holding a pointer (or a new chain of the System)
// would be copied as a stale address: these checks stop the build until the
// picture knows how to keep it.
static_assert(sizeof(void*) != 8 || sizeof(System) == 512,
              "System has a new field: decide how Systemabbild keeps and restores it");
static_assert(sizeof(void*) != 8 || sizeof(Stab) == 136,
              "Stab has a new field: decide how Systemabbild keeps and restores it");
static_assert(sizeof(void*) != 8 || sizeof(Lastfallkombination) == 80,
              "Lastfallkombination has a new field: decide how Systemabbild keeps and restores it");
static_assert(std::is_trivially_copyable_v<Punkt> && std::is_trivially_copyable_v<Freiheitsgrad> &&
                  std::is_trivially_copyable_v<Lastfall> && std::is_trivially_copyable_v<Punktlast> &&
                  std::is_trivially_copyable_v<Streckenlast> && std::is_trivially_copyable_v<Temperaturlast> &&
                  std::is_trivially_copyable_v<Anteil>,
              "records are copied byte for byte");

namespace {

enum Kettenbit : unsigned {
    K_PUNKTE = 1u << 0,
    K_STAEBE = 1u << 1,
    K_FREIHEITSGRADE = 1u << 2,
    K_LASTFAELLE = 1u << 3,
    K_PUNKTLASTEN = 1u << 4,
    K_STRECKENLASTEN = 1u << 5,
    K_KOMBINATIONEN = 1u << 6,
    K_RELATIONEN = 1u << 7,
    K_TEMPERATURLASTEN = 1u << 8,
};

// A byte copy: padding and the bytes after a name's end come along, so two
// copies of an unchanged record compare equal byte for byte.
template <class T>
T Kopie(const T& quelle) {
    T t;
    std::memcpy(static_cast<void*>(&t), static_cast<const void*>(&quelle), sizeof(T));
    return t;
}

template <class T>
bool BytesGleich(const T& a, const T& b) {
    return std::memcmp(static_cast<const void*>(&a), static_cast<const void*>(&b), sizeof(T)) == 0;
}

// The records of a chain in chain order (first link first).
template <class T>
std::vector<T> Kopien(Kette kette) {
    std::vector<T> v;
    v.reserve(static_cast<std::size_t>(KeAnzahl(kette)));
    for (const T* t : Elemente<T>(kette)) v.push_back(Kopie(*t));
    return v;
}

// A new chain holding the records in the given order.
template <class T>
Kette KetteAus(const std::vector<T*>& records) {
    Kette k = KetteDefinieren();
    if (!k) Speicherfehler();
    for (auto it = records.rbegin(); it != records.rend(); ++it) KeVorneEintragen(k, *it);
    return k;
}

// Fills `v` (reserved beforehand, so nothing here throws) with new records.
template <class T>
void NeueRecords(const std::vector<T>& bilder, std::vector<T*>& v) {
    for (const T& b : bilder) {
        T* t = NeuerDatensatz<T>();
        std::memcpy(static_cast<void*>(t), static_cast<const void*>(&b), sizeof(T));
        v.push_back(t);
    }
}

template <class T>
void RecordsLoeschen(Kette& kette) {
    if (!kette) return;
    for (T* t : Elemente<T>(kette)) delete t;
    KetteLoeschen(kette);
    kette = nullptr;
}

void AnteilLoeschen(void* a) { delete static_cast<Anteil*>(a); }

}  // namespace

// ------------------------------------------------------------ blocks

template <class T>
void Systemabbild::Teilen(Block<T>& block, const Block<T>& vorher) {
    if (vorher && Gleich(block, vorher)) block = vorher;
}

template <class T>
bool Systemabbild::Gleich(const Block<T>& a, const Block<T>& b) {
    if (a == b) return true;
    if (!a || !b || a->size() != b->size()) return false;
    for (std::size_t i = 0; i < a->size(); ++i) {
        const T& x = (*a)[i];
        const T& y = (*b)[i];
        if constexpr (std::is_same_v<T, Kombinationseintrag>) {
            if (!BytesGleich(x.Daten, y.Daten) || x.MitAnteilen != y.MitAnteilen ||
                x.Anteile.size() != y.Anteile.size())
                return false;
            for (std::size_t j = 0; j < x.Anteile.size(); ++j)
                if (!BytesGleich(x.Anteile[j], y.Anteile[j])) return false;
        } else if (!BytesGleich(x, y)) {
            return false;
        }
    }
    return true;
}

template <class T>
std::size_t Systemabbild::Bytes(const Block<T>& block, const Block<T>& geteilt) {
    if (!block || block == geteilt) return 0;
    std::size_t n = sizeof(std::vector<T>) + block->capacity() * sizeof(T);
    if constexpr (std::is_same_v<T, Kombinationseintrag>)
        for (const Kombinationseintrag& k : *block) n += k.Anteile.capacity() * sizeof(Anteil);
    return n;
}

// ------------------------------------------------------------ taking a picture

Systemabbild Systemabbild::Aufnehmen(const System& sys, const Systemabbild* vorgaenger) {
    Systemabbild a;
    a.kopf_ = Kopie(sys);
    System& k = a.kopf_;
    k.Punkte = k.Staebe = k.Freiheitsgrade = k.Lastfaelle = k.Punktlasten = k.Streckenlasten = k.Temperaturlasten =
        k.Kombinationen = nullptr;
    k.FgRelationen = nullptr;
    std::memset(k.Dateiname, 0, sizeof k.Dateiname);
    k.Aenderungen = 0;
    k.Systemnummer = 0;
    k.Berechnet = false;  // results are no edit; they stay with the System
    k.Huelle = nullptr;
    k.RasterAnzeigen = k.Fangmodus = 0;
    k.RasterweiteX = k.RasterweiteY = k.FangrasterX = k.FangrasterY = 0.0;
    // How the results were computed belongs to the results.
    k.Theorie = k.Verzweigung = 0;
    k.Verzweigungslastfaktor = 0.0;

    a.ketten_ = (sys.Punkte ? K_PUNKTE : 0u) | (sys.Staebe ? K_STAEBE : 0u) |
                (sys.Freiheitsgrade ? K_FREIHEITSGRADE : 0u) | (sys.Lastfaelle ? K_LASTFAELLE : 0u) |
                (sys.Punktlasten ? K_PUNKTLASTEN : 0u) | (sys.Streckenlasten ? K_STRECKENLASTEN : 0u) |
                (sys.Kombinationen ? K_KOMBINATIONEN : 0u) | (sys.FgRelationen ? K_RELATIONEN : 0u) |
                (sys.Temperaturlasten ? K_TEMPERATURLASTEN : 0u);

    // Bars and relation pairs refer to points and degrees of freedom by
    // their place in the chain.
    std::unordered_map<const void*, long> punktIndex, fgIndex;
    long i = 0;
    for (const Punkt* p : Elemente<Punkt>(sys.Punkte)) punktIndex.emplace(p, i++);
    i = 0;
    for (const Freiheitsgrad* fg : Elemente<Freiheitsgrad>(sys.Freiheitsgrade)) fgIndex.emplace(fg, i++);
    auto index = [](const std::unordered_map<const void*, long>& m, const void* p) {
        auto it = p ? m.find(p) : m.end();
        return it == m.end() ? -1L : it->second;
    };

    a.punkte_ = std::make_shared<const std::vector<Punkt>>(Kopien<Punkt>(sys.Punkte));

    // The computed values of the degrees of freedom are results; a free
    // degree of freedom's displacement is one too (the file does not keep it).
    std::vector<Freiheitsgrad> fgs = Kopien<Freiheitsgrad>(sys.Freiheitsgrade);
    for (Freiheitsgrad& fg : fgs) {
        fg.Last = fg.Reaktion = 0.0;
        fg.Index = 0;
        if (fg.Status != STATUS_PRIMAL) fg.Wert = 0.0;
    }
    a.freiheitsgrade_ = std::make_shared<const std::vector<Freiheitsgrad>>(std::move(fgs));

    std::vector<Stabeintrag> staebe;
    staebe.reserve(static_cast<std::size_t>(KeAnzahl(sys.Staebe)));
    for (const Stab* s : Elemente<Stab>(sys.Staebe)) {
        Stabeintrag e;
        e.Daten = Kopie(*s);
        e.Daten.Markiert = -1;
        e.Daten.PunktA = e.Daten.PunktB = nullptr;
        e.Daten.Ergebnisse = nullptr;
        e.PunktA = index(punktIndex, s->PunktA);
        e.PunktB = index(punktIndex, s->PunktB);
        for (int slot = 0; slot < 6; ++slot) {
            e.Daten.Freiheitsgrade[slot] = nullptr;
            e.Fg[slot] = index(fgIndex, s->Freiheitsgrade[slot]);
        }
        staebe.push_back(e);
    }
    a.staebe_ = std::make_shared<const std::vector<Stabeintrag>>(std::move(staebe));

    a.lastfaelle_ = std::make_shared<const std::vector<Lastfall>>(Kopien<Lastfall>(sys.Lastfaelle));
    a.punktlasten_ = std::make_shared<const std::vector<Punktlast>>(Kopien<Punktlast>(sys.Punktlasten));
    a.streckenlasten_ = std::make_shared<const std::vector<Streckenlast>>(Kopien<Streckenlast>(sys.Streckenlasten));
    a.temperaturlasten_ =
        std::make_shared<const std::vector<Temperaturlast>>(Kopien<Temperaturlast>(sys.Temperaturlasten));

    std::vector<Kombinationseintrag> kombinationen;
    for (const Lastfallkombination* k : Elemente<Lastfallkombination>(sys.Kombinationen)) {
        Kombinationseintrag e;
        e.Daten = Kopie(*k);
        e.Daten.Anteile = nullptr;
        e.MitAnteilen = k->Anteile != nullptr;
        for (int j = 1; k->Anteile && j <= k->Anteile->top; ++j)
            e.Anteile.push_back(Kopie(*static_cast<const Anteil*>(k->Anteile->items[j])));
        kombinationen.push_back(std::move(e));
    }
    a.kombinationen_ = std::make_shared<const std::vector<Kombinationseintrag>>(std::move(kombinationen));

    std::vector<Relationseintrag> relationen;
    for (int j = 1; sys.FgRelationen && j <= sys.FgRelationen->top; ++j) {
        const Paar* p = static_cast<const Paar*>(sys.FgRelationen->items[j]);
        relationen.push_back({index(fgIndex, p->first), index(fgIndex, p->second)});
    }
    a.relationen_ = std::make_shared<const std::vector<Relationseintrag>>(std::move(relationen));

    if (vorgaenger) {
        Teilen(a.punkte_, vorgaenger->punkte_);
        Teilen(a.freiheitsgrade_, vorgaenger->freiheitsgrade_);
        Teilen(a.staebe_, vorgaenger->staebe_);
        Teilen(a.lastfaelle_, vorgaenger->lastfaelle_);
        Teilen(a.punktlasten_, vorgaenger->punktlasten_);
        Teilen(a.streckenlasten_, vorgaenger->streckenlasten_);
        Teilen(a.temperaturlasten_, vorgaenger->temperaturlasten_);
        Teilen(a.kombinationen_, vorgaenger->kombinationen_);
        Teilen(a.relationen_, vorgaenger->relationen_);
    }
    return a;
}

bool Systemabbild::operator==(const Systemabbild& b) const {
    return BytesGleich(kopf_, b.kopf_) && ketten_ == b.ketten_ && Gleich(punkte_, b.punkte_) &&
           Gleich(freiheitsgrade_, b.freiheitsgrade_) && Gleich(staebe_, b.staebe_) &&
           Gleich(lastfaelle_, b.lastfaelle_) && Gleich(punktlasten_, b.punktlasten_) &&
           Gleich(streckenlasten_, b.streckenlasten_) && Gleich(temperaturlasten_, b.temperaturlasten_) &&
           Gleich(kombinationen_, b.kombinationen_) &&
           Gleich(relationen_, b.relationen_);
}

std::size_t Systemabbild::Eigengroesse(const Systemabbild* b) const {
    static const Systemabbild leer;
    if (!b) b = &leer;
    return sizeof(Systemabbild) + Bytes(punkte_, b->punkte_) + Bytes(freiheitsgrade_, b->freiheitsgrade_) +
           Bytes(staebe_, b->staebe_) + Bytes(lastfaelle_, b->lastfaelle_) + Bytes(punktlasten_, b->punktlasten_) +
           Bytes(streckenlasten_, b->streckenlasten_) + Bytes(temperaturlasten_, b->temperaturlasten_) +
           Bytes(kombinationen_, b->kombinationen_) +
           Bytes(relationen_, b->relationen_);
}

// ------------------------------------------------------------ restoring

void Systemabbild::Wiederherstellen(System& sys) const {
    if (!punkte_) return;  // an empty picture

    // The present bars and degrees of freedom by number, for their marking
    // and results (the first of a number, as every lookup finds it).
    std::unordered_map<long, Stab*> alteStaebe;
    for (Stab* s : Elemente<Stab>(sys.Staebe)) alteStaebe.try_emplace(s->Nummer, s);
    std::unordered_map<long, Freiheitsgrad*> alteFgs;
    for (Freiheitsgrad* fg : Elemente<Freiheitsgrad>(sys.Freiheitsgrade)) alteFgs.try_emplace(fg->Nummer, fg);

    // Everything that may throw comes first, while the System is whole and
    // no new record exists; making records ends the program on exhaustion
    // like everywhere else.
    std::vector<Punkt*> punkte;
    std::vector<Freiheitsgrad*> fgs;
    std::vector<Stab*> staebe;
    std::vector<Lastfall*> lastfaelle;
    std::vector<Punktlast*> punktlasten;
    std::vector<Streckenlast*> streckenlasten;
    std::vector<Temperaturlast*> temperaturlasten;
    std::vector<Lastfallkombination*> kombinationen;
    punkte.reserve(punkte_->size());
    fgs.reserve(freiheitsgrade_->size());
    staebe.reserve(staebe_->size());
    lastfaelle.reserve(lastfaelle_->size());
    punktlasten.reserve(punktlasten_->size());
    streckenlasten.reserve(streckenlasten_->size());
    temperaturlasten.reserve(temperaturlasten_->size());
    kombinationen.reserve(kombinationen_->size());

    NeueRecords(*punkte_, punkte);
    NeueRecords(*freiheitsgrade_, fgs);
    for (Freiheitsgrad* fg : fgs) {
        auto it = alteFgs.find(fg->Nummer);
        if (it == alteFgs.end()) continue;
        const Freiheitsgrad* alt = it->second;
        fg->Last = alt->Last;
        fg->Reaktion = alt->Reaktion;
        fg->Index = alt->Index;
        if (fg->Status != STATUS_PRIMAL && alt->Status != STATUS_PRIMAL) fg->Wert = alt->Wert;
    }
    auto punkt = [&punkte](long i) { return i >= 0 && i < static_cast<long>(punkte.size()) ? punkte[i] : nullptr; };
    auto fg = [&fgs](long i) { return i >= 0 && i < static_cast<long>(fgs.size()) ? fgs[i] : nullptr; };

    for (const Stabeintrag& e : *staebe_) {
        Stab* s = NeuerDatensatz<Stab>();
        std::memcpy(static_cast<void*>(s), static_cast<const void*>(&e.Daten), sizeof(Stab));
        s->PunktA = punkt(e.PunktA);
        s->PunktB = punkt(e.PunktB);
        for (int slot = 0; slot < 6; ++slot) s->Freiheitsgrade[slot] = fg(e.Fg[slot]);
        staebe.push_back(s);
    }

    NeueRecords(*lastfaelle_, lastfaelle);
    NeueRecords(*punktlasten_, punktlasten);
    NeueRecords(*streckenlasten_, streckenlasten);
    NeueRecords(*temperaturlasten_, temperaturlasten);
    for (const Kombinationseintrag& e : *kombinationen_) {
        Lastfallkombination* k = NeuerDatensatz<Lastfallkombination>();
        std::memcpy(static_cast<void*>(k), static_cast<const void*>(&e.Daten), sizeof(Lastfallkombination));
        k->Anteile = e.MitAnteilen ? StapelAnlegen() : nullptr;
        for (const Anteil& a : e.Anteile) {
            Anteil* n = NeuerDatensatz<Anteil>();
            *n = a;
            StapelEintragen(k->Anteile, n);
        }
        kombinationen.push_back(k);
    }

    Stapel* relationen = nullptr;
    if (ketten_ & K_RELATIONEN) {
        relationen = StapelAnlegen();
        for (const Relationseintrag& r : *relationen_) {
            Paar* p = NeuerDatensatz<Paar>();
            p->first = fg(r.Erster);
            p->second = fg(r.Zweiter);
            StapelEintragen(relationen, p);
        }
    }

    // Marking and results go over to the bars that take the old ones' place.
    for (Stab* s : staebe) {
        auto it = alteStaebe.find(s->Nummer);
        if (it == alteStaebe.end()) continue;
        Stab* alt = it->second;
        alteStaebe.erase(it);
        s->Markiert = alt->Markiert;
        s->Ergebnisse = alt->Ergebnisse;
        alt->Ergebnisse = nullptr;
        // Results hold world positions: they move with the bar, as
        // "System verschieben" moves them.
        if (!s->PunktA || !alt->PunktA) continue;
        const double dx = s->PunktA->X - alt->PunktA->X, dy = s->PunktA->Y - alt->PunktA->Y;
        if (dx == 0.0 && dy == 0.0) continue;
        for (Stababschnitt* r : Elemente<Stababschnitt>(s->Ergebnisse)) {
            r->xA += dx;
            r->xB += dx;
            r->yA += dy;
            r->yB += dy;
        }
    }

    // Away with the old records.
    for (Stab* s : Elemente<Stab>(sys.Staebe)) ErgebnisseLoeschen(s);
    RecordsLoeschen<Stab>(sys.Staebe);
    RecordsLoeschen<Punkt>(sys.Punkte);
    RecordsLoeschen<Freiheitsgrad>(sys.Freiheitsgrade);
    RecordsLoeschen<Lastfall>(sys.Lastfaelle);
    RecordsLoeschen<Punktlast>(sys.Punktlasten);
    RecordsLoeschen<Streckenlast>(sys.Streckenlasten);
    RecordsLoeschen<Temperaturlast>(sys.Temperaturlasten);
    if (sys.Kombinationen) {
        for (Lastfallkombination* k : Elemente<Lastfallkombination>(sys.Kombinationen)) {
            StapelLoeschen(k->Anteile, AnteilLoeschen);
            delete k;
        }
        KetteLoeschen(sys.Kombinationen);
        sys.Kombinationen = nullptr;
    }
    RelationLoeschen(sys.FgRelationen);
    sys.FgRelationen = nullptr;

    // The settings of the picture; what belongs to the System's life stays.
    System neu = Kopie(kopf_);
    std::memcpy(neu.Dateiname, sys.Dateiname, sizeof neu.Dateiname);
    neu.Aenderungen = sys.Aenderungen;
    neu.Systemnummer = sys.Systemnummer;
    neu.Berechnet = sys.Berechnet;  // the results went over with the bars above
    neu.Huelle = sys.Huelle;
    neu.RasterAnzeigen = sys.RasterAnzeigen;
    neu.RasterweiteX = sys.RasterweiteX;
    neu.RasterweiteY = sys.RasterweiteY;
    neu.Fangmodus = sys.Fangmodus;
    neu.FangrasterX = sys.FangrasterX;
    neu.FangrasterY = sys.FangrasterY;
    neu.Theorie = sys.Theorie;
    neu.Verzweigung = sys.Verzweigung;
    neu.Verzweigungslastfaktor = sys.Verzweigungslastfaktor;
    neu.Punkte = ketten_ & K_PUNKTE ? KetteAus(punkte) : nullptr;
    neu.Freiheitsgrade = ketten_ & K_FREIHEITSGRADE ? KetteAus(fgs) : nullptr;
    neu.Staebe = ketten_ & K_STAEBE ? KetteAus(staebe) : nullptr;
    neu.Lastfaelle = ketten_ & K_LASTFAELLE ? KetteAus(lastfaelle) : nullptr;
    neu.Punktlasten = ketten_ & K_PUNKTLASTEN ? KetteAus(punktlasten) : nullptr;
    neu.Streckenlasten = ketten_ & K_STRECKENLASTEN ? KetteAus(streckenlasten) : nullptr;
    neu.Temperaturlasten = ketten_ & K_TEMPERATURLASTEN ? KetteAus(temperaturlasten) : nullptr;
    neu.Kombinationen = ketten_ & K_KOMBINATIONEN ? KetteAus(kombinationen) : nullptr;
    neu.FgRelationen = relationen;
    std::memcpy(static_cast<void*>(&sys), static_cast<const void*>(&neu), sizeof(System));
}
