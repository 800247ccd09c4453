// Text for the toolkit's input fields.
//
// The toolkit keeps only characters that are printable in the "C" character
// type locale when a program sets an input's text: umlauts, "ß", "²",
// carriage returns and form feeds would silently disappear ("Länge" shows
// as "Lnge"), while umlauts the user types do arrive.  So a text is shown
// in a readable ASCII form, and the original is used again as long as the
// user has not changed what was shown.
#pragma once

#include <string>

// The ASCII form shown in an input: umlauts as "ae", "oe", "ue", "ß" as
// "ss", "²" as "2", other non-ASCII bytes as '?'; carriage returns, form
// feeds and other control characters except line feeds are dropped.
std::string Eingabeform(const std::string& text);

// What a field holds after the user is done with it: the original while the
// field still shows exactly the text it was given, else what it now shows.
std::string EingabeZurueckgewinnen(const std::string& original, const std::string& angezeigt,
                                   const std::string& jetzt);
