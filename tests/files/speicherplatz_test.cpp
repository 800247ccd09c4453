// Saving where it cannot succeed: a read-only folder, a full file system.
// The failure is reported, the old file stays complete, nothing is left
// behind.  Each case runs in a child process, since it changes the user,
// the mount namespace or a resource limit of the process.
#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstring>
#include <filesystem>

#include "core/latin1.h"
#include "tests/files/systemdatei_hilfen.h"

namespace {

class SpeicherplatzTest : public SystemdateiTest {
protected:
    // Runs `kind` in a child and returns its exit status (-1 on a signal).
    template <class F>
    int ImKind(F kind) {
        fflush(nullptr);
        const pid_t pid = fork();
        if (pid == 0) _exit(kind());
        int status = 0;
        waitpid(pid, &status, 0);
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    // 0 when saving onto `ziel` failed as it should: reported, the old
    // contents and nothing else in the folder.  Else which check failed.
    int SichernScheitert(const std::string& ziel) {
        const std::string alt = DateiLesen(ziel);
        if (SystemSchreiben(*sys, ziel.c_str())) return 10;
        if (!Gemeldet("Fehler beim Schreiben !")) return 11;
        if (DateiLesen(ziel) != alt) return 12;
        if (std::strcmp(sys->Dateiname, "noname") != 0) return 13;
        for (const auto& e : std::filesystem::directory_iterator(std::filesystem::path(ziel).parent_path()))
            if (e.path().string().find(".velko-") != std::string::npos) return 14;
        return 0;
    }
};

}  // namespace

TEST_F(SpeicherplatzTest, SchreibgeschuetzterOrdner) {
    KleinesSystem();
    const std::string ordner = verzeichnis.Pfad("fest");
    chmod(verzeichnis.Pfad().c_str(), 0755);  // the other user must reach it
    ASSERT_EQ(mkdir(ordner.c_str(), 0755), 0);
    const std::string ziel = ordner + "/haus.sysdat";
    DateiSchreiben(ziel, "V 1 alter Stand\n");
    chmod(ordner.c_str(), 0555);
    const int ergebnis = ImKind([&] {
        // Root writes anywhere; as another user the folder is read-only.
        if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) return 20;
        return SichernScheitert(ziel);
    });
    chmod(ordner.c_str(), 0755);
    EXPECT_EQ(ergebnis, 0);
    EXPECT_EQ(DateiLesen(ziel), "V 1 alter Stand\n");
}

TEST_F(SpeicherplatzTest, VolleDateigroessengrenze) {
    // A full disk as the process sees it: writes beyond a limit fail.
    KleinesSystem();
    const std::string ziel = verzeichnis.Pfad("haus.sysdat");
    DateiSchreiben(ziel, "V 1 alter Stand\n");
    EXPECT_EQ(ImKind([&] {
                  std::signal(SIGXFSZ, SIG_IGN);
                  const rlimit grenze{300, 300};
                  if (setrlimit(RLIMIT_FSIZE, &grenze) != 0) return 20;
                  return SichernScheitert(ziel);
              }),
              0);
}

TEST_F(SpeicherplatzTest, VolleKleineRamdisk) {
    // A real full file system where the machine allows mounting one (root
    // in a namespace of its own, so nothing shows outside the child).
    KleinesSystem();
    const std::string ordner = verzeichnis.Pfad("klein");
    ASSERT_EQ(mkdir(ordner.c_str(), 0755), 0);
    const int ergebnis = ImKind([&] {
        if (unshare(CLONE_NEWNS) != 0 || mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
            mount("tmpfs", ordner.c_str(), "tmpfs", 0, "size=16k") != 0)
            return 77;
        const std::string ziel = ordner + "/haus.sysdat";
        DateiSchreiben(ziel, "V 1 alter Stand\n");
        // Fill what is left.
        FILE* f = std::fopen((ordner + "/fuellung").c_str(), "w");
        if (!f) return 21;
        std::string block(512, 'x');
        while (std::fwrite(block.data(), 1, block.size(), f) == block.size() && std::fflush(f) == 0) {
        }
        std::fclose(f);
        return SichernScheitert(ziel);
    });
    if (ergebnis == 77) GTEST_SKIP() << "kein tmpfs einzuhängen"_l1;
    EXPECT_EQ(ergebnis, 0);
}

// AddressSanitizer reserves more address space than the limit below
// allows (g++ says so with __SANITIZE_ADDRESS__, clang with __has_feature).
#if defined(__SANITIZE_ADDRESS__)
#define MIT_ADRESSPRUEFUNG 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define MIT_ADRESSPRUEFUNG 1
#endif
#endif

TEST_F(SpeicherplatzTest, ZuWenigSpeicherBeimLesenWirdGemeldet) {
#if defined(MIT_ADRESSPRUEFUNG)
    GTEST_SKIP() << "AddressSanitizer braucht mehr Adressraum, als die Grenze erlaubt";
#else
    // 400,000 points: a few megabytes of file, far more once they are
    // records.  With the address space cut short the reader must refuse the
    // file, not end the program, and leave the open System as it was.
    std::string text = "V 1\n1\n 400000\n";
    for (long i = 0; i < 400000; ++i) text += " " + std::to_string(i) + " 1 2\n";
    text += " 0\n 0\n0\n 0\n0\n0\n0\n";
    const std::string pfad = verzeichnis.Pfad("gross.sysdat");
    DateiSchreiben(pfad, text);
    text.clear();
    text.shrink_to_fit();
    System* offen = Anlegen(5);
    const int ergebnis = ImKind([&] {
        long seiten = 0;
        if (FILE* f = std::fopen("/proc/self/statm", "r")) {
            if (std::fscanf(f, "%ld", &seiten) != 1) seiten = 0;
            std::fclose(f);
        }
        if (seiten == 0) return 77;
        const rlim_t grenze = static_cast<rlim_t>(seiten) * sysconf(_SC_PAGESIZE) + 24 * 1024 * 1024;
        const rlimit r{grenze, grenze};
        if (setrlimit(RLIMIT_AS, &r) != 0) return 20;
        freopen("/dev/null", "w", stdout);
        if (SystemLesen(pfad.c_str())) return 21;
        if (!Gemeldet("Datei " + pfad + " nicht gelesen: zu wenig Speicher !")) return 22;
        if (KeAnzahl(Programm.Systeme) != 1 || *Elemente<System>(Programm.Systeme).begin() != offen) return 23;
        return 0;
    });
    if (ergebnis == 77) GTEST_SKIP() << "kein /proc/self/statm";
    EXPECT_EQ(ergebnis, 0);
#endif
}
