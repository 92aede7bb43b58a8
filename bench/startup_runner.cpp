// Starts the program and the bare window in alternating runs and reports the
// median time from process start to the first exposed frame, the median peak
// memory, and the ratios:   bench_startup <program> <bare> [rounds]

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace {

struct Run {
    double ms = 0;
    double kib = 0;
};

long long monotonicNs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

bool runOnce(const char *program, Run &run)
{
    int out[2];
    if (pipe(out) != 0)
        return false;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    char *argv[] = {const_cast<char *>(program), nullptr};
    pid_t pid = 0;
    const long long start = monotonicNs();
    const int rc = posix_spawn(&pid, program, &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    if (rc != 0) {
        close(out[0]);
        return false;
    }
    std::string text;
    char buffer[256];
    ssize_t n = 0;
    while ((n = read(out[0], buffer, sizeof buffer)) > 0)
        text.append(buffer, std::size_t(n));
    close(out[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    long long exposed = 0;
    long kib = 0;
    const std::size_t at = text.find("exposed ");
    if (at == std::string::npos ||
        std::sscanf(text.c_str() + at, "exposed %lld %ld", &exposed, &kib) != 2)
        return false;
    run.ms = double(exposed - start) / 1e6;
    run.kib = double(kib);
    return true;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s <program> <bare> [rounds]\n", argv[0]);
        return 2;
    }
    const int rounds = argc > 3 ? std::max(1, std::atoi(argv[3])) : 21;
    std::vector<double> fullMs, fullKib, bareMs, bareKib;
    for (int i = 0; i < rounds; ++i) {
        Run full, bare;
        // Alternate which one goes first, so neither always finds warm caches.
        const bool fullFirst = i % 2 == 0;
        if (!runOnce(fullFirst ? argv[1] : argv[2], fullFirst ? full : bare) ||
            !runOnce(fullFirst ? argv[2] : argv[1], fullFirst ? bare : full)) {
            std::fprintf(stderr, "a run did not report its first frame\n");
            return 1;
        }
        fullMs.push_back(full.ms);
        fullKib.push_back(full.kib);
        bareMs.push_back(bare.ms);
        bareKib.push_back(bare.kib);
    }
    const double fm = median(fullMs), bm = median(bareMs);
    const double fk = median(fullKib), bk = median(bareKib);
    std::printf("start-up to first frame, median of %d alternating runs:\n", rounds);
    std::printf("  pallado      %8.1f ms  %8.1f MiB peak\n", fm, fk / 1024);
    std::printf("  bare window  %8.1f ms  %8.1f MiB peak\n", bm, bk / 1024);
    std::printf("  ratio        %8.2f      %+8.1f MiB   (goal: at most 1.20, at most +10 MiB)\n",
                fm / bm, (fk - bk) / 1024);
    return 0;
}
