// ISO 8859-1 text in the toolkit's input fields.
#include "workspace/eingabetext.h"

#include <cctype>
#include <clocale>
#include <locale.h>
#include <cstring>
#include <vector>

namespace {

bool Zeigbar(unsigned char c) { return c == '\n' || (c >= 0x20 && c < 0x7F) || c >= 0xA0; }

std::vector<std::string> Zeilen(const std::string& text) {
    std::vector<std::string> zeilen(1);
    for (char c : text) {
        if (c == '\n') zeilen.emplace_back();
        else zeilen.back() += c;
    }
    return zeilen;
}

// The control characters before the first and after the last shown
// character of a line.  Of a line that shows nothing, its carriage returns
// at the start belong to the front, the rest (a closing form feed) to the
// back.
struct Rand {
    std::string Vorn, Hinten;
};

Rand RandVon(const std::string& zeile) {
    std::size_t a = 0;
    while (a < zeile.size() && !Zeigbar(static_cast<unsigned char>(zeile[a]))) ++a;
    if (a == zeile.size()) {
        const std::size_t cr = zeile.find_first_not_of('\r');
        if (cr == std::string::npos) return {zeile, ""};
        return {zeile.substr(0, cr), zeile.substr(cr)};
    }
    std::size_t e = zeile.size();
    while (!Zeigbar(static_cast<unsigned char>(zeile[e - 1]))) --e;
    return {zeile.substr(0, a), zeile.substr(e)};
}

}  // namespace

bool Latin1ZeichenklassenSetzen() {
#ifdef __GLIBC__
    // The C library reads the class of a character from a table of 384
    // entries (for -128..255, so that a signed char finds its class too)
    // that the thread's locale names.  The program's thread gets a locale of
    // its own: a copy of the global one (the "C" locale throughout) whose
    // table also knows ISO 8859-1.  Code that switches the locale for a
    // while and back (the file reader does) comes back to this one.
    static unsigned short tabelle[384];
    static locale_t eigene = nullptr;
    if (!eigene) {
        eigene = duplocale(LC_GLOBAL_LOCALE);
        if (!eigene) return false;
        std::memcpy(tabelle, eigene->__ctype_b - 128, sizeof tabelle);
        for (int z = 0xA0; z <= 0xFF; ++z) {
            unsigned short klasse = _ISprint;
            if (z == 0xA0) {
                klasse |= _ISblank;  // the no-break space
            } else if (z >= 0xC0 && z != 0xD7 && z != 0xF7) {
                klasse |= _ISgraph | _ISalpha | _ISalnum | (z < 0xDF ? _ISupper : _ISlower);
            } else {
                klasse |= _ISgraph | _ISpunct;
            }
            tabelle[128 + z] |= klasse;
            tabelle[z - 128] |= klasse;  // the same byte as a signed char
        }
        eigene->__ctype_b = tabelle + 128;
    }
    return uselocale(eigene) != nullptr;
#else
    return false;
#endif
}

std::string Eingabeform(const std::string& text) {
    std::string aus;
    aus.reserve(text.size());
    for (char c : text)
        if (Zeigbar(static_cast<unsigned char>(c))) aus += c;
    return aus;
}

std::string EingabeZurueckgewinnen(const std::string& original, const std::string& angezeigt,
                                   const std::string& jetzt) {
    return jetzt == angezeigt ? original : jetzt;
}

std::string TextZurueckgewinnen(const std::string& original, const std::string& jetzt) {
    const std::vector<std::string> roh = Zeilen(original);
    std::vector<std::string> gezeigt;
    gezeigt.reserve(roh.size());
    for (const std::string& z : roh) gezeigt.push_back(Eingabeform(z));
    const std::vector<std::string> neu = Zeilen(jetzt);

    // An edit changes one stretch of lines: what lies before and after it
    // is matched as it stands, which keeps this linear in the length.
    const std::size_t n = roh.size(), m = neu.size();
    std::size_t vorn = 0;
    while (vorn < n && vorn < m && neu[vorn] == gezeigt[vorn]) ++vorn;
    std::size_t hinten = 0;
    while (vorn + hinten < n && vorn + hinten < m && neu[m - 1 - hinten] == gezeigt[n - 1 - hinten]) ++hinten;

    std::string aus;
    aus.reserve(original.size() + jetzt.size() / 8);
    for (std::size_t i = 0; i < m; ++i) {
        if (i > 0) aus += '\n';
        if (i < vorn) {
            aus += roh[i];
        } else if (i >= m - hinten) {
            aus += roh[n - (m - i)];
        } else if (i < n - hinten) {
            // An edited line in the place of an original one.
            const Rand r = RandVon(roh[i]);
            aus += r.Vorn + neu[i] + r.Hinten;
        } else {
            // A new line: the start of its neighbour in the original.
            const std::size_t nachbar = n - hinten > vorn ? n - hinten - 1 : (vorn < n ? vorn : n - 1);
            aus += RandVon(roh[nachbar]).Vorn + neu[i];
        }
    }
    return aus;
}
