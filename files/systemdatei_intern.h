// Pieces shared by the reader and the writer of the system file.
#pragma once

#include <clocale>
#include <locale.h>

// Switches the calling thread to the "C" locale while it lives, so numbers
// are read and written with a decimal point whatever the user's locale is.
class CGebietsschema {
public:
    CGebietsschema() {
        static locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
        if (c) vorher_ = uselocale(c);
    }
    ~CGebietsschema() {
        if (vorher_) uselocale(vorher_);
    }
    CGebietsschema(const CGebietsschema&) = delete;
    CGebietsschema& operator=(const CGebietsschema&) = delete;

private:
    locale_t vorher_ = static_cast<locale_t>(0);
};

// Mark the blocks after the last section of a system file: the temperature
// loads, and the load-case numbers.  Readers of the format stop before them.
inline constexpr const char* TEMPERATUR_MARKE = "TEMPERATUR";
inline constexpr const char* LASTFALLNUMMERN_MARKE = "Lastfallnummern";

// The blanks a whitespace-separated token ends at (those of isspace in the
// "C" locale).
inline bool IstTrennzeichen(unsigned char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}
