// prozess-messen PROGRAMM [ARGUMENTE...]: runs a program and prints, on
// standard error after it ended, its wall time and peak resident memory:
//
//   wand_s=0.1234 cpu_s=0.1200 spitze_mb=54.3 status=0
//
// The program's own output passes through unchanged.  Exit status is the
// program's (or 127 when it cannot be started).

#include <chrono>
#include <cstdio>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "Aufruf: prozess-messen PROGRAMM [ARGUMENTE...]\n");
        return 2;
    }
    const auto anfang = std::chrono::steady_clock::now();
    const pid_t kind = fork();
    if (kind < 0) {
        std::perror("fork");
        return 127;
    }
    if (kind == 0) {
        execvp(argv[1], argv + 1);
        std::perror(argv[1]);
        _exit(127);
    }
    int status = 0;
    rusage nutzung{};
    if (wait4(kind, &status, 0, &nutzung) < 0) {
        std::perror("wait4");
        return 127;
    }
    const double wand = std::chrono::duration<double>(std::chrono::steady_clock::now() - anfang).count();
    const double cpu = static_cast<double>(nutzung.ru_utime.tv_sec + nutzung.ru_stime.tv_sec) +
                       static_cast<double>(nutzung.ru_utime.tv_usec + nutzung.ru_stime.tv_usec) * 1e-6;
    const int rueckgabe = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    std::fprintf(stderr, "wand_s=%.4f cpu_s=%.4f spitze_mb=%.1f status=%d\n", wand, cpu,
                 static_cast<double>(nutzung.ru_maxrss) / 1024.0, rueckgabe);
    return rueckgabe;
}
