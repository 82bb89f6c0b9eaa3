// The time from starting Brinox on a full family to its first painted
// pedigree, next to the same for a bare Qt main window: each run is a
// fork, an exec and a wait, measured on the wall clock. The two start in
// turn and are compared pair by pair, so that a machine that gets busier or
// quieter during the run weighs on both alike.

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench_family.h"
#include "support/family_builder.h"
#include "support/temp_dir.h"

namespace {

using namespace brinox;

// A program that has not painted in this time never will.
constexpr unsigned kGiveUpSeconds = 30;

struct Run {
    double seconds = 0;
    std::string failure;  // empty when the program ended by itself with 0
};

Run spawnAndWait(const std::vector<std::string>& command) {
    std::vector<char*> argv;
    for (const auto& part : command) argv.push_back(const_cast<char*>(part.c_str()));
    argv.push_back(nullptr);

    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = ::fork();
    if (pid == 0) {
        const int nothing = ::open("/dev/null", O_RDWR);
        ::dup2(nothing, STDOUT_FILENO);
        ::dup2(nothing, STDERR_FILENO);
        ::alarm(kGiveUpSeconds);  // survives the exec and ends a program that hangs
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    int status = 0;
    if (pid < 0 || ::waitpid(pid, &status, 0) != pid) return {0, "could not start " + command[0]};
    Run run;
    run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (WIFSIGNALED(status)) {
        run.failure = command[0] + " ended by signal " + std::to_string(WTERMSIG(status)) +
                      (WTERMSIG(status) == SIGALRM ? " (no first paint)" : "");
    } else if (WEXITSTATUS(status) != 0) {
        run.failure = command[0] + " exited with status " + std::to_string(WEXITSTATUS(status));
    }
    return run;
}

// What both programs run with: no screen, and a runtime folder of their own.
class Surroundings {
public:
    Surroundings() {
        std::filesystem::create_directories(runtime.path());
        std::filesystem::permissions(runtime.path(), std::filesystem::perms::owner_all);
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        setenv("XDG_RUNTIME_DIR", runtime.path().c_str(), 1);
        testing::writeFamily(bench::fullFamily(), data.path(), bench::kFamilyCode, bench::kBigFather);
    }

    testing::TempDir runtime;
    testing::TempDir data;
};

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t half = values.size() / 2;
    return values.size() % 2 == 1 ? values[half] : (values[half - 1] + values[half]) / 2;
}

// Each iteration starts both programs, every other one the bare window
// first, so that neither always finds the caches as the other left them.
// The iteration time is Brinox's start; the counters give the medians of
// both starts and of the ratio within each pair.
void BM_StartToFirstPaint_BrinoxAgainstBareWindow(benchmark::State& state) {
    Surroundings surroundings;
    const std::vector<std::string> brinox = {BRINOX_PROGRAM, "--data", surroundings.data.path().string(),
                                             "--quit-after-first-paint"};
    const std::vector<std::string> bareWindow = {BARE_WINDOW_PROGRAM};
    std::vector<double> brinoxSeconds, bareSeconds, ratios;
    for (auto _ : state) {
        Run ours, bare;
        if (ratios.size() % 2 == 0) {
            ours = spawnAndWait(brinox);
            bare = spawnAndWait(bareWindow);
        } else {
            bare = spawnAndWait(bareWindow);
            ours = spawnAndWait(brinox);
        }
        const std::string& failure = ours.failure.empty() ? bare.failure : ours.failure;
        if (!failure.empty()) {
            state.SkipWithError(failure.c_str());
            return;
        }
        state.SetIterationTime(ours.seconds);
        brinoxSeconds.push_back(ours.seconds);
        bareSeconds.push_back(bare.seconds);
        ratios.push_back(ours.seconds / bare.seconds);
    }
    state.counters["brinox_ms"] = 1000 * median(brinoxSeconds);
    state.counters["bare_window_ms"] = 1000 * median(bareSeconds);
    state.counters["ratio"] = median(ratios);
}
BENCHMARK(BM_StartToFirstPaint_BrinoxAgainstBareWindow)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);

}  // namespace

BENCHMARK_MAIN();
