// ISO 8859-1 string literals written readably in UTF-8 sources.
//
// Every byte the user sees (files, listings, PostScript, the toolkit's
// labels, the message list) is ISO 8859-1, while the sources are UTF-8.
// "Größe"_l1 is converted at compile time, with any compiler, into the
// Latin-1 bytes "Gr\xf6\xdf" "e"; a character outside ISO 8859-1 (say a
// Greek Delta) stops the build instead of reaching a file as two bytes.
//
// Bytes that are already Latin-1 (a compiler converting literals itself)
// are passed through unchanged.
#pragma once

#include <cstddef>

namespace latin1_detail {

template <std::size_t N>
struct Latin1Text {
    char Zeichen[N]{};
    consteval Latin1Text(const char (&utf8)[N]) {
        std::size_t j = 0;
        for (std::size_t i = 0; i + 1 < N; ++i) {
            const auto c = static_cast<unsigned char>(utf8[i]);
            const auto folge = static_cast<unsigned char>(utf8[i + 1]);
            if ((c == 0xC2 || c == 0xC3) && folge >= 0x80 && folge <= 0xBF) {
                Zeichen[j++] = static_cast<char>(((c & 0x03) << 6) | (folge & 0x3F));
                ++i;
            } else if (c >= 0xC4 && c <= 0xF4 && folge >= 0x80 && folge <= 0xBF) {
                throw "Zeichen ausserhalb von ISO 8859-1";  // stops compilation
            } else {
                Zeichen[j++] = static_cast<char>(c);
            }
        }
    }
};

}  // namespace latin1_detail

// The literal's Latin-1 bytes, alive for the whole run.
template <latin1_detail::Latin1Text text>
constexpr const char* operator""_l1() {
    return text.Zeichen;
}
