// Starts the program and the bare window in alternating pairs, each with the
// first-frame probe loaded from outside (LD_PRELOAD), and reports the median
// time from process start to the first event-loop turn after the window is
// exposed, the median CPU time by then, the median peak memory, the ratios
// and how far the runs spread:
//   bench_startup <probe library> <program> <bare> [pairs]

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace {

// The descriptor the probe writes its line to, in the started process.
constexpr int kProbeFd = 3;
// A start that shows no frame in this time is a failure, not a slow run.
constexpr int kTimeoutMs = 30000;
constexpr int kDefaultPairs = 21;
constexpr int kFewestPairs = 15;

struct Run {
    double ms = 0;
    double kib = 0;
    double cpuMs = 0;
};

long long monotonicNs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

std::vector<char *> probeEnvironment(const std::string &probe, std::vector<std::string> &storage)
{
    storage.clear();
    for (char **e = environ; *e; ++e) {
        if (std::strncmp(*e, "LD_PRELOAD=", 11) != 0 &&
            std::strncmp(*e, "PALLADO_PROBE_FD=", 17) != 0)
            storage.emplace_back(*e);
    }
    storage.push_back("LD_PRELOAD=" + probe);
    storage.push_back("PALLADO_PROBE_FD=" + std::to_string(kProbeFd));
    std::vector<char *> env;
    for (std::string &s : storage)
        env.push_back(s.data());
    env.push_back(nullptr);
    return env;
}

bool runOnce(const char *program, char *const env[], Run &run)
{
    // Both ends close on exec; the copy made at kProbeFd stays open (even
    // when the write end already is kProbeFd, dup2 onto itself keeps it).
    int out[2];
    if (pipe2(out, O_CLOEXEC) != 0)
        return false;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], kProbeFd);
    char *argv[] = {const_cast<char *>(program), nullptr};
    pid_t pid = 0;
    const long long start = monotonicNs();
    const int rc = posix_spawn(&pid, program, &actions, nullptr, argv, env);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    if (rc != 0) {
        close(out[0]);
        return false;
    }
    std::string text;
    char buffer[256];
    pollfd watch{out[0], POLLIN, 0};
    while (poll(&watch, 1, kTimeoutMs) > 0) {
        const ssize_t n = read(out[0], buffer, sizeof buffer);
        if (n <= 0)
            break;
        text.append(buffer, std::size_t(n));
    }
    close(out[0]);
    kill(pid, SIGKILL); // gone already when the probe reported
    int status = 0;
    waitpid(pid, &status, 0);
    long long exposed = 0;
    long kib = 0;
    long long cpuUs = 0;
    const std::size_t at = text.find("exposed ");
    if (at == std::string::npos ||
        std::sscanf(text.c_str() + at, "exposed %lld %ld %lld", &exposed, &kib, &cpuUs) != 3)
        return false;
    run.ms = double(exposed - start) / 1e6;
    run.kib = double(kib);
    run.cpuMs = double(cpuUs) / 1e3;
    return true;
}

// The q-quantile of v by linear interpolation; q = 0.5 is the median.
double quantile(std::vector<double> v, double q)
{
    std::sort(v.begin(), v.end());
    const double at = q * double(v.size() - 1);
    const auto below = std::size_t(at);
    const std::size_t above = std::min(below + 1, v.size() - 1);
    return v[below] + (at - double(below)) * (v[above] - v[below]);
}

void printRow(const char *name, const std::vector<double> &ms, const std::vector<double> &kib,
              const std::vector<double> &cpuMs)
{
    std::printf("  %-12s %8.1f ms  (middle half %.1f to %.1f)  %8.1f MiB peak  %6.1f ms CPU "
                "(middle half %.1f to %.1f)\n",
                name, quantile(ms, 0.5), quantile(ms, 0.25), quantile(ms, 0.75),
                quantile(kib, 0.5) / 1024, quantile(cpuMs, 0.5), quantile(cpuMs, 0.25),
                quantile(cpuMs, 0.75));
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s <probe library> <program> <bare> [pairs]\n", argv[0]);
        return 2;
    }
    const int pairs = argc > 4 ? std::max(kFewestPairs, std::atoi(argv[4])) : kDefaultPairs;
    std::vector<std::string> storage;
    const std::vector<char *> env = probeEnvironment(argv[1], storage);
    std::vector<double> fullMs, fullKib, fullCpu, bareMs, bareKib, bareCpu, ratios, cpuRatios;
    for (int i = 0; i < pairs; ++i) {
        Run full, bare;
        // Alternate which one goes first, so neither always finds warm caches.
        const bool fullFirst = i % 2 == 0;
        if (!runOnce(fullFirst ? argv[2] : argv[3], env.data(), fullFirst ? full : bare) ||
            !runOnce(fullFirst ? argv[3] : argv[2], env.data(), fullFirst ? bare : full)) {
            std::fprintf(stderr, "a run did not report its first frame\n");
            return 1;
        }
        fullMs.push_back(full.ms);
        fullKib.push_back(full.kib);
        bareMs.push_back(bare.ms);
        bareKib.push_back(bare.kib);
        fullCpu.push_back(full.cpuMs);
        bareCpu.push_back(bare.cpuMs);
        ratios.push_back(full.ms / bare.ms);
        cpuRatios.push_back(full.cpuMs / bare.cpuMs);
    }
    const double fm = quantile(fullMs, 0.5), bm = quantile(bareMs, 0.5);
    const double fk = quantile(fullKib, 0.5), bk = quantile(bareKib, 0.5);
    std::printf(
        "start-up to the first frame, probe from outside, median of %d alternating pairs:\n",
        pairs);
    printRow("pallado", fullMs, fullKib, fullCpu);
    printRow("bare window", bareMs, bareKib, bareCpu);
    std::printf("  ratio        %8.2f      (pairs' ratios: middle half %.2f to %.2f)   %+.1f MiB\n",
                fm / bm, quantile(ratios, 0.25), quantile(ratios, 0.75), (fk - bk) / 1024);
    std::printf("  CPU ratio    %8.2f      (pairs' ratios: middle half %.2f to %.2f)\n",
                quantile(fullCpu, 0.5) / quantile(bareCpu, 0.5), quantile(cpuRatios, 0.25),
                quantile(cpuRatios, 0.75));
    std::printf("  goal: at most 1.15 times the bare window, at most +8 MiB\n");
    return 0;
}
