// Writing a file so that a failure never destroys the old copy.
//
// A regular file (or a name that does not exist yet) is replaced: the new
// contents go into a temporary file beside the target (same directory, so
// the final rename stays on one file system).  Only when every byte has been
// written, flushed to the disk and the file closed without error does the
// temporary file replace the target.  On any failure the temporary file is
// removed and the old file stays as it was.
//
// Devices, FIFOs, sockets and the standard streams (/dev/stdout, /dev/fd/N)
// cannot be replaced that way: renaming a regular file onto /dev/null or a
// named pipe would destroy them.  They are opened and written in place.
//
// Temporary files are named "<target>.velko-<pid>-<n>.tmp".  While one is
// open, SIGTERM, SIGINT and SIGHUP and a call of exit() remove it; one left
// by a process that was killed outright is removed by the next write of the
// same target.
#pragma once

#include <cstdio>
#include <string>

class SichereDatei {
public:
    explicit SichereDatei(std::string ziel);
    ~SichereDatei();  // discards the temporary file unless Abschliessen succeeded
    SichereDatei(const SichereDatei&) = delete;
    SichereDatei& operator=(const SichereDatei&) = delete;

    // Creates the temporary file (or opens the device); null when it cannot
    // be created (missing or unwritable directory, a parent that is no
    // directory, ...), with errno telling why.
    FILE* Oeffnen();
    FILE* Datei() const { return datei_; }
    // Flushes, syncs and closes the temporary file and renames it onto the
    // target.  Returns false (and keeps the old target) when anything failed,
    // including earlier write errors on the stream.
    bool Abschliessen();
    // Throws the new contents away; the target is untouched.
    void Verwerfen();

    const std::string& Ziel() const { return ziel_; }
    // True when the target is written in place (device, FIFO, stream).
    bool Direkt() const { return direkt_; }

private:
    std::string ziel_;
    std::string temp_;
    FILE* datei_ = nullptr;
    bool direkt_ = false;
    int platz_ = -1;  // entry in the list the signal handler cleans up
};

// Whether a path is written in place instead of being replaced: an existing
// file that is no regular file and no directory, or a standard stream.
bool DirektGeschrieben(const std::string& pfad);

// Whether `name` (a bare file name) is a temporary file of the target file
// name `zielname`, and of which process.
bool IstTempdateiVon(const std::string& name, const std::string& zielname, long& prozess);

// Removes temporary files of `ziel` left by processes that no longer run.
// Returns how many were removed.
int VerwaisteTempdateienEntfernen(const std::string& ziel);
