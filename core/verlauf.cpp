// The history of the edits of a System.
#include "core/verlauf.h"

#include <map>
#include <memory>
#include <new>

#include "core/aenderungen.h"
#include "core/bericht.h"
#include "core/latin1.h"

Verlauf::Verlauf(const System& sys, std::size_t schritte, std::size_t speicher)
    : maxSchritte_(schritte > 0 ? schritte : 1), maxSpeicher_(speicher) {
    Verwerfen(sys);
}

// Forgets every step and starts from the System as it is.  Without memory
// for a picture there is no history until one can be taken: a step must
// never lead back to a state the System was not in.
void Verlauf::Verwerfen(const System& sys) {
    zurueck_.clear();
    vor_.clear();
    belegt_ = 0;
    offeneArten_ = 0;
    offeneAktion_.clear();
    basis_ = Systemabbild{};
    try {
        basis_ = Systemabbild::Aufnehmen(sys);
        basisGueltig_ = true;
    } catch (const std::bad_alloc&) {
        basisGueltig_ = false;
    }
}

void Verlauf::Vormerken(unsigned arten, const std::string& aktion) {
    offeneArten_ |= arten;
    if (offeneAktion_.empty()) offeneAktion_ = aktion;
}

bool Verlauf::Schliessen(const System& sys, unsigned arten, const std::string& aktion) {
    Vormerken(arten, aktion);
    const unsigned schrittArten = offeneArten_;
    const std::string name = offeneAktion_.empty() ? AktionAusArten(schrittArten) : offeneAktion_;
    offeneArten_ = 0;
    offeneAktion_.clear();
    if (!basisGueltig_) {
        Verwerfen(sys);
        return false;
    }
    try {
        Systemabbild jetzt = Systemabbild::Aufnehmen(sys, &basis_);
        if (jetzt == basis_) return false;
        const std::size_t kosten = basis_.Eigengroesse(&jetzt);
        zurueck_.push_back(Schritt{std::move(basis_), name, schrittArten, kosten});
        basis_ = std::move(jetzt);
    } catch (const std::bad_alloc&) {
        MeldungAusgeben("Zu wenig Speicher: die Schritte zum Rückgängigmachen sind verworfen."_l1);
        Verwerfen(sys);
        return false;
    }
    belegt_ += zurueck_.back().Kosten;
    for (const Schritt& s : vor_) belegt_ -= s.Kosten;
    vor_.clear();
    Begrenzen();
    return true;
}

void Verlauf::Begrenzen() {
    // The newest step stays, however large it is.
    while (zurueck_.size() > 1 && (zurueck_.size() > maxSchritte_ || belegt_ > maxSpeicher_)) {
        belegt_ -= zurueck_.front().Kosten;
        zurueck_.pop_front();
    }
}

bool Verlauf::Zurueckholen(System& sys, std::deque<Schritt>& von, std::deque<Schritt>& nach, bool rueckgaengig) {
    // Changes not yet closed are a step of their own; a new step drops the
    // steps that could be redone.
    Schliessen(sys);
    if (von.empty() || !basisGueltig_) return false;
    Schritt schritt = std::move(von.back());
    von.pop_back();
    try {
        Systemabbild spaeter = std::move(basis_);
        schritt.Zustand.Wiederherstellen(sys);
        // Taken afresh: marking and results stayed as they were.
        basis_ = Systemabbild::Aufnehmen(sys, &schritt.Zustand);
        nach.push_back(Schritt{std::move(spaeter), schritt.Aktion, schritt.Arten, schritt.Kosten});
    } catch (const std::bad_alloc&) {
        MeldungAusgeben("Zu wenig Speicher: die Schritte zum Rückgängigmachen sind verworfen."_l1);
        Verwerfen(sys);
        return false;
    }
    ++sys.Aenderungen;
    // A change that nobody reported is taken for any edit.
    AenderungMelden(&sys, schritt.Arten ? schritt.Arten : BEARBEITUNG);
    MeldungFormatiert(rueckgaengig ? "Rückgängig: %s"_l1 : "Wiederhergestellt: %s", schritt.Aktion.c_str());
    return true;
}

bool Verlauf::Rueckgaengig(System& sys) { return Zurueckholen(sys, zurueck_, vor_, true); }

bool Verlauf::Wiederherstellen(System& sys) { return Zurueckholen(sys, vor_, zurueck_, false); }

std::string Verlauf::RueckgaengigAktion() const { return zurueck_.empty() ? "" : zurueck_.back().Aktion; }

std::string Verlauf::WiederherstellenAktion() const { return vor_.empty() ? "" : vor_.back().Aktion; }

std::string AktionAusArten(unsigned arten) {
    // The kind that says most about the change names it.
    static const struct {
        unsigned Art;
        const char* Name;
    } namen[] = {
        {AENDERUNG_STAEBE, "Stäbe ändern"_l1},
        {AENDERUNG_PUNKTE, "Punkte ändern"_l1},
        {AENDERUNG_FREIHEITSGRADE, "Freiheitsgrade ändern"_l1},
        {AENDERUNG_LASTFAELLE, "Lastfälle ändern"_l1},
        {AENDERUNG_LASTEN, "Lasten ändern"_l1},
        {AENDERUNG_KOMBINATIONEN, "Kombinationen ändern"_l1},
        {AENDERUNG_ZUORDNUNG, "Material / Querschnitt"},
        {AENDERUNG_TEILUNG, "Stabteilungen"},
        {AENDERUNG_LAGE, "System verschieben"},
        {AENDERUNG_NAMEN, "Namen ändern"_l1},
        {AENDERUNG_RASTER, "Raster / Fang"},
    };
    for (const auto& n : namen)
        if (arten & n.Art) return n.Name;
    return "Bearbeitung";
}

// ------------------------------------------------------------ per System

namespace {

std::map<const System*, std::unique_ptr<Verlauf>>& Verlaeufe() {
    static std::map<const System*, std::unique_ptr<Verlauf>> verlaeufe;
    return verlaeufe;
}

}  // namespace

Verlauf& VerlaufBeginnen(const System& sys) {
    auto& v = Verlaeufe()[&sys];
    v = std::make_unique<Verlauf>(sys);
    return *v;
}

Verlauf* VerlaufVon(const System* sys) {
    auto it = Verlaeufe().find(sys);
    return it == Verlaeufe().end() ? nullptr : it->second.get();
}

void VerlaufBeenden(const System* sys) { Verlaeufe().erase(sys); }
