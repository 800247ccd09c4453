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
        if (SystemSchreiben(ziel.c_str())) return 10;
        if (!Gemeldet("Fehler beim Schreiben !")) return 11;
        if (DateiLesen(ziel) != alt) return 12;
        if (std::strcmp(Programm.AktuellesSystem->Dateiname, "noname") != 0) return 13;
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
    if (ergebnis == 77) GTEST_SKIP() << "kein tmpfs einzuhängen";
    EXPECT_EQ(ergebnis, 0);
}
