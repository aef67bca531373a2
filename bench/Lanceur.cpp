// Starts one program and reports its peak resident memory.
//
// The start stamp is taken here on CLOCK_MONOTONIC immediately before the
// process is spawned, and handed over in VORN_T0_NS: the child's own figure
// then covers spawn, exec, dynamic linking and everything up to its first
// frame. This launcher links no Qt because Linux seeds a process's peak RSS
// with that of the image it replaced at exec; a small launcher leaves the
// child's figure its own.

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>

extern char** environ;

int main(int argc, char** argv) {
    if (argc < 2) return 2; // usage: vorn_lanceur PROGRAM [ARG...]
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    const std::string t0 = std::to_string(t.tv_sec * 1'000'000'000LL + t.tv_nsec);
    setenv("VORN_T0_NS", t0.c_str(), 1);

    pid_t pid = 0;
    if (const int err = posix_spawn(&pid, argv[1], nullptr, nullptr, argv + 1, environ); err != 0) {
        std::fprintf(stderr, "%s: cannot start %s (error %d)\n", argv[0], argv[1], err);
        return 127;
    }
    int statut = 0;
    rusage usage{};
    if (wait4(pid, &statut, 0, &usage) < 0) {
        std::perror("wait4");
        return 1;
    }
    std::fflush(stdout);
    std::printf("rss_ko=%ld\n", usage.ru_maxrss);
    return WIFEXITED(statut) ? WEXITSTATUS(statut) : 128 + WTERMSIG(statut);
}
