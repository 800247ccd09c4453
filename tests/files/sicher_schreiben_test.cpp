// Replacing a file through a temporary file: the old copy must survive every
// failure, and no temporary file may be left behind.
#include "files/sicher_schreiben.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

#include "tests/files/testverzeichnis.h"

namespace {

int DateienIn(const std::string& verzeichnis) {
    int n = 0;
    for ([[maybe_unused]] auto& e : std::filesystem::directory_iterator(verzeichnis)) ++n;
    return n;
}

}  // namespace

TEST(SichereDatei, ErsetztDasZielUndHinterlaesstNichts) {
    Testverzeichnis tv;
    std::string ziel = tv.Pfad("a.txt");
    DateiSchreiben(ziel, "alt\n");
    chmod(ziel.c_str(), 0640);
    SichereDatei d(ziel);
    FILE* f = d.Oeffnen();
    ASSERT_NE(f, nullptr);
    fprintf(f, "neu\n");
    EXPECT_EQ(DateiLesen(ziel), "alt\n");  // untouched until the end
    EXPECT_TRUE(d.Abschliessen());
    EXPECT_EQ(DateiLesen(ziel), "neu\n");
    EXPECT_EQ(DateienIn(tv.Pfad()), 1);
    struct stat st;
    ASSERT_EQ(stat(ziel.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);  // the old permissions are kept
}

TEST(SichereDatei, VerworfenOderAbgebrochenBleibtDieAlteDatei) {
    Testverzeichnis tv;
    std::string ziel = tv.Pfad("a.txt");
    DateiSchreiben(ziel, "alt\n");
    {
        SichereDatei d(ziel);
        ASSERT_NE(d.Oeffnen(), nullptr);
        fprintf(d.Datei(), "halb");
        // destroyed without Abschliessen, as on an early return
    }
    EXPECT_EQ(DateiLesen(ziel), "alt\n");
    EXPECT_EQ(DateienIn(tv.Pfad()), 1);
}

TEST(SichereDatei, UnerreichbaresZielMeldetFehler) {
    Testverzeichnis tv;
    // a parent that is a regular file blocks even for root
    DateiSchreiben(tv.Pfad("datei"), "x");
    SichereDatei d(tv.Pfad("datei/a.txt"));
    EXPECT_EQ(d.Oeffnen(), nullptr);
    EXPECT_FALSE(d.Abschliessen());
}

TEST(SichereDatei, SchreibfehlerWirdErkannt) {
    // A disk-full or I/O error shows only as the stream's error flag; the
    // flag alone must be enough to keep the old file.
    Testverzeichnis tv;
    std::string ziel = tv.Pfad("a.txt");
    DateiSchreiben(ziel, "alt\n");
    SichereDatei d(ziel);
    FILE* f = d.Oeffnen();
    ASSERT_NE(f, nullptr);
    fputc('x', f);
    // Reading from a write-only stream sets its error flag.
    fgetc(f);
    ASSERT_TRUE(ferror(f));
    EXPECT_FALSE(d.Abschliessen());
    EXPECT_EQ(DateiLesen(ziel), "alt\n");
    EXPECT_EQ(DateienIn(tv.Pfad()), 1);
}

TEST(SichereDatei, SymbolischerLinkBleibtErhalten) {
    Testverzeichnis tv;
    std::string echt = tv.Pfad("echt.txt");
    std::string link = tv.Pfad("link.txt");
    DateiSchreiben(echt, "alt\n");
    ASSERT_EQ(symlink(echt.c_str(), link.c_str()), 0);
    SichereDatei d(link);
    ASSERT_NE(d.Oeffnen(), nullptr);
    fprintf(d.Datei(), "neu\n");
    ASSERT_TRUE(d.Abschliessen());
    struct stat st;
    ASSERT_EQ(lstat(link.c_str(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode));
    EXPECT_EQ(DateiLesen(echt), "neu\n");
}

// ------------------------------------------------ devices, FIFOs, signals

#include <fcntl.h>
#include <sys/wait.h>

#include <csignal>

TEST(SichereDatei, GeraetUndFifoWerdenDirektBeschrieben) {
    // Renaming a file onto them would destroy /dev/null or the pipe.
    SichereDatei null("/dev/null");
    ASSERT_NE(null.Oeffnen(), nullptr);
    EXPECT_TRUE(null.Direkt());
    fputs("weg", null.Datei());
    EXPECT_TRUE(null.Abschliessen());
    struct stat st;
    ASSERT_EQ(stat("/dev/null", &st), 0);
    EXPECT_TRUE(S_ISCHR(st.st_mode));

    Testverzeichnis tv;
    const std::string fifo = tv.Pfad("rohr");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    // A reader must be there, else opening the writing end would wait.
    int leser = open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(leser, 0);
    SichereDatei d(fifo);
    ASSERT_NE(d.Oeffnen(), nullptr);
    fputs("durch das Rohr\n", d.Datei());
    ASSERT_TRUE(d.Abschliessen());
    char puffer[64] = {};
    EXPECT_EQ(read(leser, puffer, sizeof puffer - 1), 15);
    EXPECT_STREQ(puffer, "durch das Rohr\n");
    close(leser);
    ASSERT_EQ(lstat(fifo.c_str(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));
    EXPECT_EQ(DateienIn(tv.Pfad()), 1);
    EXPECT_TRUE(DirektGeschrieben("/dev/stdout"));
    EXPECT_FALSE(DirektGeschrieben(tv.Pfad("neu.list")));
}

TEST(SichereDatei, TempdateinamenWerdenErkannt) {
    long pid = 0;
    EXPECT_TRUE(IstTempdateiVon("a.list.velko-123-0.tmp", "a.list", pid));
    EXPECT_EQ(pid, 123);
    EXPECT_TRUE(IstTempdateiVon("a.list.tmp4711_3", "a.list", pid));  // older versions
    EXPECT_EQ(pid, 4711);
    EXPECT_FALSE(IstTempdateiVon("a.list.velko-123-0.tmp", "b.list", pid));
    EXPECT_FALSE(IstTempdateiVon("a.list.velko-12x-0.tmp", "a.list", pid));
    EXPECT_FALSE(IstTempdateiVon("a.list.velko-123-.tmp", "a.list", pid));
    EXPECT_FALSE(IstTempdateiVon("a.list.tmp", "a.list", pid));
    EXPECT_FALSE(IstTempdateiVon("a.list", "a.list", pid));
}

namespace {

// Runs `kind` in a child process and returns its wait status.
template <class F>
int ImKind(F kind) {
    fflush(nullptr);
    pid_t pid = fork();
    if (pid == 0) {
        kind();
        _exit(0);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return status;
}

}  // namespace

TEST(SichereDatei, AbbruchDurchSignalHinterlaesstKeineTempdatei) {
    Testverzeichnis tv;
    const std::string ziel = tv.Pfad("a.list");
    DateiSchreiben(ziel, "alt\n");
    for (int signal : {SIGTERM, SIGINT}) {
        int status = ImKind([&] {
            SichereDatei d(ziel);
            if (!d.Oeffnen()) _exit(3);
            fputs("halb", d.Datei());
            fflush(d.Datei());
            raise(signal);
            _exit(4);
        });
        ASSERT_TRUE(WIFSIGNALED(status)) << status;  // still ends by the signal
        EXPECT_EQ(WTERMSIG(status), signal);
        EXPECT_EQ(DateiLesen(ziel), "alt\n");
        EXPECT_EQ(DateienIn(tv.Pfad()), 1);
    }
    // exit() while writing, as on memory exhaustion, cleans up as well.
    ImKind([&] {
        static SichereDatei d(ziel);
        if (d.Oeffnen()) exit(1);
    });
    EXPECT_EQ(DateienIn(tv.Pfad()), 1);
}

TEST(SichereDatei, TempdateiEinesGetoetetenProzessesRaeumtDerNaechsteAuf) {
    Testverzeichnis tv;
    const std::string ziel = tv.Pfad("a.list");
    int status = ImKind([&] {
        SichereDatei d(ziel);
        if (d.Oeffnen()) raise(SIGKILL);  // no handler runs
    });
    ASSERT_TRUE(WIFSIGNALED(status));
    ASSERT_EQ(DateienIn(tv.Pfad()), 1);  // the orphan
    DateiSchreiben(tv.Pfad("b.list.velko-1-0.tmp"), "");  // another target's: stays
    SichereDatei d(ziel);
    ASSERT_NE(d.Oeffnen(), nullptr);
    fputs("neu\n", d.Datei());
    ASSERT_TRUE(d.Abschliessen());
    EXPECT_EQ(DateienIn(tv.Pfad()), 2);
    EXPECT_TRUE(Existiert(tv.Pfad("b.list.velko-1-0.tmp")));
}

TEST(SichereDatei, ToetenNachDemSichernLaesstAltOderNeuVollstaendig) {
    Testverzeichnis tv;
    const std::string ziel = tv.Pfad("s.sysdat");
    const std::string a(200000, 'a'), b(300000, 'b');
    DateiSchreiben(ziel, a);
    for (int runde = 0; runde < 12; ++runde) {
        fflush(nullptr);
        pid_t pid = fork();
        if (pid == 0) {
            for (int i = 0;; ++i) {
                SichereDatei d(ziel);
                if (!d.Oeffnen()) _exit(3);
                fputs(i % 2 ? a.c_str() : b.c_str(), d.Datei());
                d.Abschliessen();
            }
        }
        usleep(2000 + runde * 3000);
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
        const std::string inhalt = DateiLesen(ziel);
        EXPECT_TRUE(inhalt == a || inhalt == b) << "Runde " << runde << ": " << inhalt.size() << " Bytes";
    }
}
