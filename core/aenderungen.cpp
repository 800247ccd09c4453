// Change reports and their collection into change sets.
#include "core/aenderungen.h"

#include <algorithm>

namespace {

Aenderungsempfaenger* empfaenger = nullptr;

}  // namespace

void Aenderungssatz::Hinzufuegen(const System* system, unsigned arten) {
    if (arten == 0) return;
    alle_ |= arten;
    if (!system) {
        programmweit_ |= arten;
        return;
    }
    for (auto& [s, a] : systeme_)
        if (s == system) {
            a |= arten;
            return;
        }
    systeme_.emplace_back(system, arten);
}

void Aenderungssatz::SystemEntfernen(const System* system) {
    std::erase_if(systeme_, [system](const auto& eintrag) { return eintrag.first == system; });
    alle_ |= AENDERUNG_SYSTEME;
    programmweit_ |= AENDERUNG_SYSTEME;
}

unsigned Aenderungssatz::ArtenVon(const System* system) const {
    unsigned arten = programmweit_;
    for (const auto& [s, a] : systeme_)
        if (s == system) arten |= a;
    return arten;
}

void Aenderungssammler::Geaendert(const System* system, unsigned arten) { satz_.Hinzufuegen(system, arten); }

Aenderungssatz Aenderungssammler::Abholen() {
    Aenderungssatz satz = satz_;
    satz_ = Aenderungssatz{};
    return satz;
}

Aenderungsempfaenger* AenderungsempfaengerSetzen(Aenderungsempfaenger* neu) {
    Aenderungsempfaenger* vorher = empfaenger;
    empfaenger = neu;
    return vorher;
}

void AenderungMelden(const System* system, unsigned arten) {
    if (empfaenger && arten) empfaenger->Geaendert(system, arten);
}

void SystemGeloeschtMelden(const System* system) {
    if (empfaenger && system) empfaenger->SystemGeloescht(system);
}
