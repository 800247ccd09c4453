#include "analysis/kernmodell.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <unordered_map>
#include <vector>

#include "analysis/lastuebernahme.h"
#include "core/stabgeometrie.h"
#include "core/bericht.h"
#include "core/systemoperationen.h"

namespace {

constexpr double SCHNITT_TOLERANZ = 0.0001;

// A zero-filled record of the model, entered first in its chain at once:
// the model owns it even when a later allocation of the run fails.
template <class T>
T* NeuerModellsatz(Kette& kette) {
    T* p = ZuteilungVersagt() ? nullptr : new (std::nothrow) T{};
    if (!p) Speicherfehler();
    try {
        KeVorneEintragen(kette, p);
    } catch (...) {
        delete p;
        throw;
    }
    return p;
}

template <class T>
void KetteLeeren(Kette kette) {
    if (!kette) return;
    while (kette->next != kette) delete static_cast<T*>(KeElementAustragen(kette->next));
}

// Exact coordinates as a hash key; -0.0 and 0.0 compare equal, so both map
// to the same key.
struct Koordinaten {
    std::uint64_t x, y;
    bool operator==(const Koordinaten&) const = default;
};
std::uint64_t Bits(double v) {
    v += 0.0;  // turns -0.0 into 0.0
    std::uint64_t b;
    std::memcpy(&b, &v, sizeof b);
    return b;
}

// Nodes by their exact coordinates: open addressing in one array, since a
// divided frame enters a new node for nearly every element and a table of
// linked entries would allocate each time.  The first node entered for a
// pair of coordinates stays the one found.
class Knotentafel {
public:
    void Reservieren(std::size_t anzahl) {
        std::size_t platz = 16;
        while (platz < 2 * anzahl) platz *= 2;
        if (platz > eintraege_.size()) Umziehen(platz);
    }
    Knoten* Finden(const Koordinaten& k) const {
        if (eintraege_.empty()) return nullptr;
        for (std::size_t i = Start(k);; i = (i + 1) & maske_) {
            const Eintrag& e = eintraege_[i];
            if (!e.knoten) return nullptr;
            if (e.schluessel == k) return e.knoten;
        }
    }
    // Enters k unless it is there already.
    void Eintragen(const Koordinaten& k, Knoten* knoten) {
        if (2 * (anzahl_ + 1) > eintraege_.size()) Umziehen(std::max<std::size_t>(16, 2 * eintraege_.size()));
        for (std::size_t i = Start(k);; i = (i + 1) & maske_) {
            Eintrag& e = eintraege_[i];
            if (!e.knoten) {
                e = {k, knoten};
                ++anzahl_;
                return;
            }
            if (e.schluessel == k) return;
        }
    }

private:
    struct Eintrag {
        Koordinaten schluessel;
        Knoten* knoten;
    };
    // The low bits of round coordinates are all zero, so the bits are
    // mixed before the table's mask takes the low ones.
    std::size_t Start(const Koordinaten& k) const {
        std::uint64_t h = k.x * 0x9E3779B97F4A7C15ull ^ k.y * 0xC2B2AE3D27D4EB4Full;
        h ^= h >> 32;
        h *= 0xFF51AFD7ED558CCDull;
        h ^= h >> 33;
        return static_cast<std::size_t>(h) & maske_;
    }
    void Umziehen(std::size_t platz) {
        std::vector<Eintrag> alt(platz, Eintrag{{0, 0}, nullptr});
        alt.swap(eintraege_);
        maske_ = platz - 1;
        anzahl_ = 0;
        for (const Eintrag& e : alt)
            if (e.knoten) Eintragen(e.schluessel, e.knoten);
    }
    std::vector<Eintrag> eintraege_;
    std::size_t maske_ = 0, anzahl_ = 0;
};

// Lookup indices that stand in for the linear chain searches while one
// model is being built; outside that scope the searches walk the chains.
struct ModellIndex {
    Kernmodell* modell = nullptr;
    Knotentafel knoten;
    std::unordered_map<long, Freiheitsgrad*> freiheitsgrade;
    // Every element and degree of freedom entered, in the order entered;
    // as each goes to the head of its chain, the chains run the other way.
    Modellfolge eingetragen;
};
ModellIndex* aktiverIndex = nullptr;

class IndexBereich {
public:
    IndexBereich(Kernmodell& modell, const System& sys) {
        index_.modell = &modell;
        // about one node per bar end and division point saves rehashing;
        // the guess stays modest whatever the division count says
        const long teilungen = std::clamp(sys.Stabteilungen, 1L, 16L);
        index_.knoten.Reservieren(static_cast<std::size_t>(std::min(KeAnzahl(sys.Staebe) * teilungen + 1, 1L << 22)));
        for (Knoten* k : Elemente<Knoten>(modell.Knoten))
            if (!std::isnan(k->X) && !std::isnan(k->Y)) index_.knoten.Eintragen(Koordinaten{Bits(k->X), Bits(k->Y)}, k);
        for (Freiheitsgrad* fg : Elemente<Freiheitsgrad>(modell.Modellfreiheitsgrade))
            if (fg->Nummer != -1) index_.freiheitsgrade.try_emplace(fg->Nummer, fg);
        aktiverIndex = &index_;
    }
    ~IndexBereich() { aktiverIndex = nullptr; }
    // The model's records in chain order.
    void FolgeUebergeben(Modellfolge& folge) {
        folge = std::move(index_.eingetragen);
        std::reverse(folge.Elemente.begin(), folge.Elemente.end());
        std::reverse(folge.Freiheitsgrade.begin(), folge.Freiheitsgrade.end());
    }
    IndexBereich(const IndexBereich&) = delete;
    IndexBereich& operator=(const IndexBereich&) = delete;
private:
    ModellIndex index_;
};

ModellIndex* IndexFuer(Kernmodell& modell) {
    return aktiverIndex && aktiverIndex->modell == &modell ? aktiverIndex : nullptr;
}

// The element's place in the run's list (it is in the model's chain since
// its creation).
void ElementEintragen(Kernmodell& modell, Element* e) {
    if (ModellIndex* index = IndexFuer(modell)) index->eingetragen.Elemente.push_back(e);
}

Freiheitsgrad* NeuerSchnittFreiheitsgrad(Kernmodell& modell, int richtung) {
    Freiheitsgrad* fg = FreiheitsgradSuchenOderAnlegen(modell, richtung, -1);
    fg->Status = STATUS_DUAL;
    fg->Feder = 0.0;
    fg->Winkel = 0.0;
    return fg;
}

// Takes over a bar-end degree of freedom into the model.
Freiheitsgrad* ModellFreiheitsgrad(Kernmodell& modell, const Freiheitsgrad* stabFg) {
    Freiheitsgrad* fg = FreiheitsgradSuchenOderAnlegen(modell, static_cast<int>(stabFg->Richtung), stabFg->Nummer);
    fg->Wert = stabFg->Wert;
    fg->Last = stabFg->Last;
    fg->Feder = stabFg->Feder;
    fg->Status = stabFg->Status;
    fg->Winkel = stabFg->Winkel;
    return fg;
}

bool StabVollstaendig(const Stab* s) {
    if (!s->PunktA || !s->PunktB) return false;
    for (const Freiheitsgrad* fg : s->Freiheitsgrade)
        if (!fg) return false;
    return true;
}

// A load position makes a cut only strictly inside the bar: positions on or
// beyond the ends (or not a number) would need cut points that do not exist.
void SchnittAufnehmen(std::vector<double>& schnitte, double p) {
    if (!(p > 0.0 && p < 1.0)) return;
    for (double q : schnitte)
        if (std::fabs(p - q) < SCHNITT_TOLERANZ) return;
    schnitte.push_back(p);
}

struct LastenJeStab {
    std::unordered_map<long, std::vector<const Punktlast*>> punktlasten;
    std::unordered_map<long, std::vector<const Streckenlast*>> streckenlasten;
};

LastenJeStab AktiveLastenNachStab(const System& sys, const AktiveLastfaelle& aktiv) {
    LastenJeStab lasten;
    for (const Punktlast* pl : Elemente<Punktlast>(sys.Punktlasten))
        if (aktiv.count(pl->Lastfall)) lasten.punktlasten[pl->Stab].push_back(pl);
    for (const Streckenlast* sl : Elemente<Streckenlast>(sys.Streckenlasten))
        if (aktiv.count(sl->Lastfall)) lasten.streckenlasten[sl->Stab].push_back(sl);
    return lasten;
}

void StabZerlegen(Kernmodell& modell, const Stab* stab, const LastenJeStab& lasten) {
    std::vector<double> schnitte{0.0, 1.0};
    if (auto it = lasten.punktlasten.find(stab->Nummer); it != lasten.punktlasten.end())
        for (const Punktlast* pl : it->second)
            if (pl->Position != 0.0 && pl->Position != 1.0) SchnittAufnehmen(schnitte, pl->Position);
    if (auto it = lasten.streckenlasten.find(stab->Nummer); it != lasten.streckenlasten.end())
        for (const Streckenlast* sl : it->second) {
            if (sl->PositionA != 0.0) SchnittAufnehmen(schnitte, sl->PositionA);
            if (sl->PositionB != 1.0) SchnittAufnehmen(schnitte, sl->PositionB);
        }
    std::sort(schnitte.begin(), schnitte.end());

    std::vector<Freiheitsgrad*> schnittFg;
    for (std::size_t i = 1; i + 1 < schnitte.size(); ++i)
        for (int r = 0; r < 3; ++r) schnittFg.push_back(NeuerSchnittFreiheitsgrad(modell, r));

    const double x1 = stab->PunktA->X, y1 = stab->PunktA->Y;
    const double x2 = stab->PunktB->X, y2 = stab->PunktB->Y;
    std::size_t schnittpunkt = 0;
    for (std::size_t i = 0; i + 1 < schnitte.size(); ++i) {
        const double t = schnitte[i], z = schnitte[i + 1];
        Element* e = NeuerModellsatz<Element>(modell.Elemente);
        e->Stabnummer = stab->Nummer;
        e->Material = stab->Material;
        e->Querschnitt = stab->Querschnitt;
        e->tAnfang = t;
        e->tEnde = z;
        e->KnotenA = KnotenSuchenOderAnlegen(modell, (1 - t) * x1 + t * x2, (1 - t) * y1 + t * y2);
        e->KnotenB = KnotenSuchenOderAnlegen(modell, (1 - z) * x1 + z * x2, (1 - z) * y1 + z * y2);
        ElementGeometrie(e);
        if (t == 0.0) {
            for (int s = 0; s < 3; ++s) e->Fg[s] = ModellFreiheitsgrad(modell, stab->Freiheitsgrade[s]);
        } else {
            for (int s = 0; s < 3; ++s) e->Fg[s] = schnittFg[3 * schnittpunkt + s];
            ++schnittpunkt;
        }
        if (z == 1.0) {
            for (int s = 3; s < 6; ++s) e->Fg[s] = ModellFreiheitsgrad(modell, stab->Freiheitsgrade[s]);
        } else {
            for (int s = 3; s < 6; ++s) e->Fg[s] = schnittFg[3 * schnittpunkt + s - 3];
        }
        ElementEintragen(modell, e);
    }
}

template <class T>
void KetteFreigeben(Kette& kette) {
    if (!kette) return;
    KetteLeeren<T>(kette);
    KetteLoeschen(kette);
    kette = nullptr;
}

}  // namespace

Kernmodell::~Kernmodell() {
    KetteFreigeben<Element>(Elemente);
    KetteFreigeben<::Knoten>(Knoten);
    KetteFreigeben<Freiheitsgrad>(Modellfreiheitsgrade);
}

void KernmodellLeeren(Kernmodell& modell) {
    KetteLeeren<Element>(modell.Elemente);
    KetteLeeren<Knoten>(modell.Knoten);
    KetteLeeren<Freiheitsgrad>(modell.Modellfreiheitsgrade);
}

Knoten* KnotenSuchenOderAnlegen(Kernmodell& modell, double x, double y) {
    if (ModellIndex* index = IndexFuer(modell)) {
        const bool zahl = !std::isnan(x) && !std::isnan(y);
        if (zahl)
            if (Knoten* k = index->knoten.Finden(Koordinaten{Bits(x), Bits(y)})) return k;
        Knoten* k = NeuerModellsatz<Knoten>(modell.Knoten);
        k->X = x;
        k->Y = y;
        if (zahl) index->knoten.Eintragen(Koordinaten{Bits(x), Bits(y)}, k);
        return k;
    }
    for (Knoten* k : Elemente<Knoten>(modell.Knoten))
        if (k->X == x && k->Y == y) return k;
    Knoten* k = NeuerModellsatz<Knoten>(modell.Knoten);
    k->X = x;
    k->Y = y;
    return k;
}

Freiheitsgrad* FreiheitsgradSuchenOderAnlegen(Kernmodell& modell, int richtung, long nummer) {
    ModellIndex* index = IndexFuer(modell);
    if (nummer != -1) {
        if (index) {
            auto it = index->freiheitsgrade.find(nummer);
            if (it != index->freiheitsgrade.end()) return it->second;
        } else {
            for (Freiheitsgrad* fg : Elemente<Freiheitsgrad>(modell.Modellfreiheitsgrade))
                if (fg->Nummer == nummer) return fg;
        }
    }
    Freiheitsgrad* fg = NeuerModellsatz<Freiheitsgrad>(modell.Modellfreiheitsgrade);
    fg->SystemID = modell.SystemID;
    fg->Nummer = nummer;
    fg->Richtung = richtung;
    if (index) {
        index->eingetragen.Freiheitsgrade.push_back(fg);
        if (nummer != -1) index->freiheitsgrade.emplace(nummer, fg);
    }
    return fg;
}

void ElementGeometrie(Element* e) {
    const double x1 = e->KnotenA->X, y1 = e->KnotenA->Y;
    const double x2 = e->KnotenB->X, y2 = e->KnotenB->Y;
    e->Winkel = RichtungsWinkel(x1, y1, x2, y2, e->Winkel);
    e->Laenge = std::sqrt((x1 - x2) * (x1 - x2) + (y1 - y2) * (y1 - y2));
    e->Cos = std::cos(e->Winkel);
    e->Sin = std::sin(e->Winkel);
}

void ElementeUnterteilen(Kernmodell& modell, long teilungen) {
    std::vector<Element*> schnappschuss;
    for (Element* e : Elemente<Element>(modell.Elemente)) schnappschuss.push_back(e);

    for (auto it = schnappschuss.rbegin(); it != schnappschuss.rend(); ++it) {
        Element* e = *it;
        long n = teilungen;
        if (n <= 1 || e->Laenge < 0.05) continue;
        if (e->Laenge / n < 0.005) n = static_cast<long>(e->Laenge / 0.005);
        if (n <= 1) continue;

        const Element alt = *e;  // E's own values before it becomes piece 0
        std::vector<Knoten*> knoten(static_cast<std::size_t>(n + 1));
        knoten[0] = alt.KnotenA;
        knoten[static_cast<std::size_t>(n)] = alt.KnotenB;
        for (long i = 1; i < n; ++i) {
            const double r = 2.0 * i / n - 1.0;
            knoten[static_cast<std::size_t>(i)] =
                KnotenSuchenOderAnlegen(modell, ((1 - r) * alt.KnotenA->X + (1 + r) * alt.KnotenB->X) * 0.5,
                                        ((1 - r) * alt.KnotenA->Y + (1 + r) * alt.KnotenB->Y) * 0.5);
        }
        Element* vorher = nullptr;
        for (long j = 0; j < n; ++j) {
            Element* stueck = j == 0 ? e : NeuerModellsatz<Element>(modell.Elemente);
            stueck->Stabnummer = alt.Stabnummer;
            stueck->Material = alt.Material;
            stueck->Querschnitt = alt.Querschnitt;
            stueck->KnotenA = knoten[static_cast<std::size_t>(j)];
            stueck->KnotenB = knoten[static_cast<std::size_t>(j + 1)];
            if (j > 0)
                for (int s = 0; s < 3; ++s) stueck->Fg[s] = vorher->Fg[s + 3];
            if (j == n - 1) {
                for (int s = 3; s < 6; ++s) stueck->Fg[s] = alt.Fg[s];
            } else {
                for (int s = 3; s < 6; ++s) stueck->Fg[s] = NeuerSchnittFreiheitsgrad(modell, s - 3);
            }
            ElementGeometrie(stueck);
            const double a = static_cast<double>(j) / n, b = static_cast<double>(j + 1) / n;
            stueck->tAnfang = (1 - a) * alt.tAnfang + a * alt.tEnde;
            stueck->tEnde = (1 - b) * alt.tAnfang + b * alt.tEnde;
            stueck->qAnfang = (1 - a) * alt.qAnfang + a * alt.qEnde;
            stueck->qEnde = (1 - b) * alt.qAnfang + b * alt.qEnde;
            stueck->nAnfang = (1 - a) * alt.nAnfang + a * alt.nEnde;
            stueck->nEnde = (1 - b) * alt.nAnfang + b * alt.nEnde;
            // A temperature load is the same all along its bar.
            stueck->Dehnung = alt.Dehnung;
            stueck->Kruemmung = alt.Kruemmung;
            stueck->TemperaturN = alt.TemperaturN;
            stueck->TemperaturM = alt.TemperaturM;
            if (j > 0) ElementEintragen(modell, stueck);
            vorher = stueck;
        }
    }
}

bool KernmodellErzeugen(Kernmodell& modell, const System& sys, Berichtsempfaenger& bericht, Modellfolge* folge,
                        long teilungen) {
    // The model of an earlier run must never be computed again, so it goes
    // first, also when there is nothing to build.
    KernmodellLeeren(modell);
    if (folge) *folge = Modellfolge{};
    modell.SystemID = sys.SystemID;
    if (KeLeer(sys.Staebe)) {
        MeldungAusgeben(bericht, "kein System !");
        return true;
    }
    for (const Stab* s : Elemente<Stab>(sys.Staebe))
        if (!StabVollstaendig(s)) {
            MeldungFormatiert(bericht, "Fehler beim Berechnen ! - Stab %ld ohne Punkte oder Freiheitsgrade",
                              s->Nummer);
            return false;
        }

    AktiveLastfaelle aktiv;
    for (const Lastfall* lf : Elemente<Lastfall>(sys.Lastfaelle))
        if (lf->Aktiv == 1) aktiv.insert(lf->Kennung);

    IndexBereich index(modell, sys);
    const LastenJeStab lasten = AktiveLastenNachStab(sys, aktiv);
    for (const Stab* s : Elemente<Stab>(sys.Staebe)) StabZerlegen(modell, s, lasten);
    PunktlastenUebernehmen(modell, sys, aktiv, bericht);
    StreckenlastenUebernehmen(modell, sys, aktiv, bericht);
    ElementeUnterteilen(modell, teilungen < 0 ? sys.Stabteilungen : teilungen);
    if (folge) index.FolgeUebergeben(*folge);
    return true;
}

Modellfolge ModellfolgeSammeln(const Kernmodell& modell) {
    Modellfolge folge;
    for (Element* e : Elemente<Element>(modell.Elemente)) folge.Elemente.push_back(e);
    for (Freiheitsgrad* fg : Elemente<Freiheitsgrad>(modell.Modellfreiheitsgrade)) folge.Freiheitsgrade.push_back(fg);
    return folge;
}

const Modellfolge& ModellfolgeVon(const Kernmodell& modell, const Modellfolge* folge, Modellfolge& ersatz) {
    if (folge) return *folge;
    ersatz = ModellfolgeSammeln(modell);
    return ersatz;
}
