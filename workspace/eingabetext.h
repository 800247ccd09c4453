// Text for the toolkit's input fields.
//
// The toolkit keeps of a text given to an input field only the characters
// that the C library's character type calls printable (and the line feeds
// of a multi-line field).  In the "C" locale that is ASCII alone: "Länge"
// would show as "Lnge", and an edit of the field would store it so.
// Latin1ZeichenklassenSetzen makes the characters of ISO 8859-1 printable
// for the program, without needing a locale of that encoding on the
// machine and without touching the numeric locale.
//
// Carriage returns, form feeds and tabs still cannot show in a field.  A
// field therefore keeps its original text while the user leaves it as it
// was shown, and an edited listing gets the line ends of its lines back.
#pragma once

#include <string>

// Gives the characters 0xA0..0xFF of ISO 8859-1 their classes (printable;
// letters, upper or lower case; punctuation) in the calling thread's
// locale, a copy of the global one taken now; every other byte keeps its
// class, numbers keep the global LC_NUMERIC.  At start-up, after
// LC_NUMERIC is set and before any field is filled.  False where the C
// library offers no way to do so.
bool Latin1ZeichenklassenSetzen();

// What an input field shows of a text: its line feeds and printable
// ISO 8859-1 characters; carriage returns, form feeds, tabs and the other
// control characters are left out.
std::string Eingabeform(const std::string& text);

// What a field holds after the user is done with it: the original while the
// field still shows exactly the text it was given, else what it now shows.
std::string EingabeZurueckgewinnen(const std::string& original, const std::string& angezeigt,
                                   const std::string& jetzt);

// The text of a multi-line field whose original has control characters at
// its line ends (the listings end their lines with "\n\r" and the text
// with "\f"): the lines the user left as they were keep their bytes, an
// edited line keeps the control characters of the line it replaces, and a
// new line gets those at the start of its neighbour in the original.
std::string TextZurueckgewinnen(const std::string& original, const std::string& jetzt);
