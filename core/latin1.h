// ISO 8859-1 string literals written readably in UTF-8 sources.
//
// Every byte the user sees (files, listings, PostScript, the toolkit's
// labels, the message list) is ISO 8859-1, while the sources are UTF-8.
// "Größe"_l1 is converted at compile time, with g++ and clang alike, into
// the Latin-1 bytes "Gr\xf6\xdf" "e"; a character outside ISO 8859-1 (say a
// Greek Delta) stops the build instead of reaching a file as two bytes.
// scripts/literale_pruefen.py finds literals with umlauts that lack the
// suffix.  A single character is written "ä"_l1[0].
//
// The literal's characters arrive as a template parameter pack (the string
// literal operator template that g++ and clang both provide): clang 14
// crashes on a pointer into a class-type template argument as soon as it
// tries to evaluate a std::vector of such literals at compile time.
#pragma once

#include <cstddef>

namespace latin1_detail {

template <std::size_t N>
struct Latin1Text {
    char Zeichen[N]{};
};

template <class Z, Z... utf8>
consteval Latin1Text<sizeof...(utf8) + 1> Umwandeln() {
    constexpr std::size_t N = sizeof...(utf8) + 1;
    const char quelle[N] = {static_cast<char>(utf8)..., '\0'};
    Latin1Text<N> text;
    std::size_t j = 0;
    for (std::size_t i = 0; i + 1 < N; ++i) {
        const auto c = static_cast<unsigned char>(quelle[i]);
        const auto folge = static_cast<unsigned char>(quelle[i + 1]);
        if ((c == 0xC2 || c == 0xC3) && folge >= 0x80 && folge <= 0xBF) {
            text.Zeichen[j++] = static_cast<char>(((c & 0x03) << 6) | (folge & 0x3F));
            ++i;
        } else if (c >= 0xC4 && c <= 0xF4 && folge >= 0x80 && folge <= 0xBF) {
            throw "Zeichen ausserhalb von ISO 8859-1";  // stops compilation
        } else {
            text.Zeichen[j++] = static_cast<char>(c);
        }
    }
    return text;
}

// One converted copy per distinct literal, alive for the whole run.
template <class Z, Z... utf8>
inline constexpr Latin1Text<sizeof...(utf8) + 1> Text = Umwandeln<Z, utf8...>();

}  // namespace latin1_detail

#if defined(__clang__)
#pragma clang diagnostic push
#pragma clang diagnostic ignored "-Wgnu-string-literal-operator-template"
#endif
// The literal's Latin-1 bytes.  Only plain (char) literals are meant.
template <class Z, Z... utf8>
constexpr const char* operator""_l1() {
    static_assert(sizeof(Z) == 1, "_l1 gilt nur fuer gewoehnliche Zeichenketten");
    return latin1_detail::Text<Z, utf8...>.Zeichen;
}
#if defined(__clang__)
#pragma clang diagnostic pop
#endif
