#include "core/zahltext.h"

#include <cmath>
#include <cstring>

namespace {
bool IstZiffer(char c) { return c >= '0' && c <= '9'; }
}  // namespace

double OhneMinusNull(double wert, int nachkommastellen) {
    return std::fabs(wert) < 0.5 * std::pow(10.0, -nachkommastellen) ? 0.0 : wert;
}

void MinusNullEntfernen(char* text) {
    if (!text) return;
    for (char* p = text; *p; ++p) {
        if (*p != '-' || (p > text && (p[-1] == 'e' || p[-1] == 'E'))) continue;
        char* q = p + 1;
        bool ziffer = false, nurNullen = true;
        for (; IstZiffer(*q) || *q == '.'; ++q) {
            ziffer |= IstZiffer(*q);
            nurNullen &= *q == '0' || *q == '.';
        }
        if (ziffer && nurNullen && *q != 'e' && *q != 'E') std::memmove(p, p + 1, std::strlen(p + 1) + 1);
    }
}
