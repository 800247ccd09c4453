// ASCII forms of texts for the toolkit's input fields.
#include "workspace/eingabetext.h"

std::string Eingabeform(const std::string& text) {
    std::string aus;
    aus.reserve(text.size());
    for (unsigned char c : text) {
        switch (c) {
        case 0xE4: aus += "ae"; break;
        case 0xF6: aus += "oe"; break;
        case 0xFC: aus += "ue"; break;
        case 0xC4: aus += "Ae"; break;
        case 0xD6: aus += "Oe"; break;
        case 0xDC: aus += "Ue"; break;
        case 0xDF: aus += "ss"; break;
        case 0xB2: aus += '2'; break;
        case 0xB3: aus += '3'; break;
        case 0xB0: aus += "Grad"; break;
        case 0xB5: aus += 'u'; break;
        default:
            if (c == '\n' || (c >= 0x20 && c < 0x7F)) aus += static_cast<char>(c);
            else if (c >= 0xA0) aus += '?';
            // control characters (\r, \f, \t, ...) are left out
            break;
        }
    }
    return aus;
}

std::string EingabeZurueckgewinnen(const std::string& original, const std::string& angezeigt,
                                   const std::string& jetzt) {
    return jetzt == angezeigt ? original : jetzt;
}
