// The per-user path configuration "$HOME/.velko": six settings, one per
// line, plus the administration directory derived from the first.
#pragma once

#include <cstddef>
#include <string>

struct Pfadeinstellungen {
    std::string Programmverzeichnis;
    std::string Katalogverzeichnis;
    std::string Projektverzeichnis;
    std::string Tempverzeichnis;
    std::string HtmlBetrachter;
    std::string PsBetrachter;
    std::string Verwaltungsverzeichnis;  // "<Programmverzeichnis>/verwaltung"
};

extern Pfadeinstellungen Pfade;

// Longest setting kept; longer values are cut (at a character boundary of
// the single-byte encoding) so every "%s/<file>" built from them stays well
// inside the program's 320-byte path buffers.
constexpr std::size_t PFAD_EINSTELLUNG_MAX = 255;

// $HOME, or the home directory of the user's password entry when HOME is
// unset or empty.
std::string HomeVerzeichnis();

// "<programmverzeichnis>/verwaltung".
std::string VerwaltungsverzeichnisVon(const std::string& programmverzeichnis);

// What the first-run dialog proposes for a home directory.
Pfadeinstellungen PfadeVorgaben(const std::string& home);

// Brings a value typed into a dialog into the form the file can hold: one
// line, no surrounding blanks, at most PFAD_EINSTELLUNG_MAX characters.
std::string PfadBereinigen(const std::string& wert);

// Takes the six settings (cleaned) into `Pfade`; the administration
// directory keeps the value derived at start-up, as a changed program
// directory only takes effect at the next start.
void PfadeUebernehmen(const Pfadeinstellungen& einstellungen);

// Reads "<home>/.velko" (home null = HomeVerzeichnis()).  Returns false,
// leaving `Pfade` as it was, when the file does not exist or cannot be
// opened: the caller then runs the first-run set-up.  Missing lines leave
// their settings empty.
bool PfadeLesen(const char* home = nullptr);

// Writes "<home>/.velko" and creates the catalogue, project and temporary
// directories.  Returns true when the file was written and every directory
// exists.  A failed write keeps the old file and creates no directory.
bool PfadeSchreiben(const char* home = nullptr);

// Creates every missing directory along `pfad` (mode 0777 less the umask).
// Returns true when the whole path is a directory afterwards.
bool VerzeichnisAnlegen(const std::string& pfad);

// The first run without its dialog: takes the settings, derives the
// administration directory, writes .velko with its directories and copies
// material.dat, querschnitte.dat and standard.col from the administration
// directory into the catalogue directory, and the examples of the program
// directory ("beispiele") into "beispiele" of the projects directory when
// that folder is new.  A file that is already there is kept.  Returns true
// when everything succeeded.
bool ErststartAbschliessen(const Pfadeinstellungen& einstellungen, const char* home = nullptr);
