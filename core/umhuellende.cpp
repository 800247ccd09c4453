#include "core/umhuellende.h"

#include <algorithm>

const Stabhuelle* StabhuelleZu(const Umhuellende& huelle, long stabnummer) {
    auto it = std::lower_bound(huelle.Staebe.begin(), huelle.Staebe.end(), stabnummer,
                               [](const Stabhuelle& s, long n) { return s.Stab < n; });
    return it != huelle.Staebe.end() && it->Stab == stabnummer ? &*it : nullptr;
}
