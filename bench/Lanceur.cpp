// Starts one program and reports its peak resident memory. The start stamp is
// taken on CLOCK_MONOTONIC just before the spawn and handed over in VORN_T0_NS,
// so that the child's figure covers spawn, exec and dynamic linking too. No Qt
// here: Linux seeds a process's peak RSS with that of the image it replaced at
// exec, and a small launcher leaves the child's figure its own.

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
    setenv("VORN_T0_NS", std::to_string(t.tv_sec * 1'000'000'000LL + t.tv_nsec).c_str(), 1);
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[1], nullptr, nullptr, argv + 1, environ) != 0) return 127;
    int statut = 0;
    rusage usage{};
    if (wait4(pid, &statut, 0, &usage) < 0) return 1;
    std::fflush(stdout);
    std::printf("rss_ko=%ld\n", usage.ru_maxrss);
    return WIFEXITED(statut) ? WEXITSTATUS(statut) : 128 + WTERMSIG(statut);
}
