// Compares a written listing with its expected copy, allowing round-off.
//
// Text is compared byte by byte (line ends and form feeds included), except
// that a run of blanks matches any run of blanks, because a number that
// gains or loses its minus sign in the last digit shifts its neighbours.
// Numbers with decimals match when they differ by at most one unit of their
// last printed digit, so "-0.000" matches "0.000" and 1.2345 matches 1.2346;
// integers must be equal.
#pragma once

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <string>

namespace zahlenvergleich {

struct Zeichen {
    bool zahl = false;
    double wert = 0.0;
    double einheit = 0.0;  // value of one unit in the last printed digit
    std::string text;
};

inline bool Ziffer(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

// Reads the token at `pos` and moves past it.
inline Zeichen Lesen(const std::string& s, size_t& pos) {
    Zeichen z;
    size_t start = pos;
    if (s[pos] == ' ') {
        while (pos < s.size() && s[pos] == ' ') ++pos;
        z.text = " ";
        return z;
    }
    size_t p = pos;
    if ((s[p] == '-' || s[p] == '+') && p + 1 < s.size() &&
        (Ziffer(s[p + 1]) || (s[p + 1] == '.' && p + 2 < s.size() && Ziffer(s[p + 2]))))
        ++p;
    if (p < s.size() && (Ziffer(s[p]) || (s[p] == '.' && p + 1 < s.size() && Ziffer(s[p + 1])))) {
        int nachkomma = 0;
        bool bruch = false;
        while (p < s.size() && Ziffer(s[p])) ++p;
        if (p + 1 < s.size() && s[p] == '.' && Ziffer(s[p + 1])) {
            ++p;
            bruch = true;
            while (p < s.size() && Ziffer(s[p])) {
                ++p;
                ++nachkomma;
            }
        }
        int exponent = 0;
        if (p + 1 < s.size() && (s[p] == 'e' || s[p] == 'E')) {
            size_t q = p + 1;
            if (q < s.size() && (s[q] == '+' || s[q] == '-')) ++q;
            if (q < s.size() && Ziffer(s[q])) {
                while (q < s.size() && Ziffer(s[q])) ++q;
                exponent = std::atoi(s.substr(p + 1, q - p - 1).c_str());
                p = q;
            }
        }
        z.zahl = true;
        z.text = s.substr(start, p - start);
        z.wert = std::strtod(z.text.c_str(), nullptr);
        // Integers (numbers of bars, points, load cases) must match exactly.
        z.einheit = bruch ? std::pow(10.0, exponent - nachkomma) : 0.0;
        pos = p;
        return z;
    }
    z.text = s.substr(pos, 1);
    ++pos;
    return z;
}

inline int Zeile(const std::string& s, size_t pos) {
    int n = 1;
    for (size_t i = 0; i < pos && i < s.size(); ++i)
        if (s[i] == '\n') ++n;
    return n;
}

// True when `ist` matches `soll`; otherwise `unterschied` names the first
// difference with its line (counted by "\n") in the expected text.
inline bool Gleich(const std::string& soll, const std::string& ist, std::string& unterschied) {
    size_t a = 0, b = 0;
    while (a < soll.size() && b < ist.size()) {
        size_t anfang = a;
        Zeichen x = Lesen(soll, a);
        Zeichen y = Lesen(ist, b);
        bool gleich;
        if (x.zahl && y.zahl) {
            double toleranz = std::max(x.einheit, y.einheit) * 1.0001 + 1e-12 * std::fabs(x.wert);
            gleich = std::fabs(x.wert - y.wert) <= toleranz;
        } else {
            gleich = x.zahl == y.zahl && x.text == y.text;
        }
        if (!gleich) {
            unterschied = "Zeile " + std::to_string(Zeile(soll, anfang)) + ": erwartet '" + x.text +
                          "', geschrieben '" + y.text + "'";
            return false;
        }
    }
    if (a < soll.size() || b < ist.size()) {
        unterschied = a < soll.size() ? "geschriebener Text endet vor Zeile " + std::to_string(Zeile(soll, a))
                                      : "geschriebener Text ist laenger als erwartet";
        return false;
    }
    return true;
}

}  // namespace zahlenvergleich
