// Writing a file so that a failure never destroys the old copy.
//
// The new contents go into a temporary file beside the target (same
// directory, so the final rename stays on one file system).  Only when every
// byte has been written, flushed to the disk and the file closed without
// error does the temporary file replace the target.  On any failure the
// temporary file is removed and the old file stays as it was.
#pragma once

#include <cstdio>
#include <string>

class SichereDatei {
public:
    explicit SichereDatei(std::string ziel);
    ~SichereDatei();  // discards the temporary file unless Abschliessen succeeded
    SichereDatei(const SichereDatei&) = delete;
    SichereDatei& operator=(const SichereDatei&) = delete;

    // Creates the temporary file; null when it cannot be created (missing or
    // unwritable directory, a parent that is no directory, ...).
    FILE* Oeffnen();
    FILE* Datei() const { return datei_; }
    // Flushes, syncs and closes the temporary file and renames it onto the
    // target.  Returns false (and keeps the old target) when anything failed,
    // including earlier write errors on the stream.
    bool Abschliessen();
    // Throws the new contents away; the target is untouched.
    void Verwerfen();

    const std::string& Ziel() const { return ziel_; }

private:
    std::string ziel_;
    std::string temp_;
    FILE* datei_ = nullptr;
};
