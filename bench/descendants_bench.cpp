// The descendant walk in a full family (600 persons, 400 unions), from the
// person with the longest list: the work the descendants window does before
// it can show anything, which must stay far below one frame (16 ms).

#include <benchmark/benchmark.h>

#include "bench_family.h"
#include "kinship/descendants.h"

namespace {

using namespace brinox;

// The person whose descendants fill the most lines.
RecordNo longestList(const Session& session) {
    RecordNo longest(1);
    std::size_t most = 0;
    for (int r = 1; r <= session.persons.count(); ++r) {
        const auto lines = walkDescendants(session.persons, session.unions, RecordNo(r)).lines.size();
        if (lines > most) {
            most = lines;
            longest = RecordNo(r);
        }
    }
    return longest;
}

void BM_walkDescendants(benchmark::State& state) {
    const Session session = bench::fullFamily();
    const RecordNo progenitor = longestList(session);
    DescendantWalk walk;
    for (auto _ : state) {
        walk = walkDescendants(session.persons, session.unions, progenitor);
        benchmark::DoNotOptimize(walk.lines.data());
    }
    state.counters["lines"] = static_cast<double>(walk.lines.size());
    state.counters["descendants"] = walk.descendantCount;
    state.counters["cut_short"] = walk.cutShort ? 1 : 0;
}
BENCHMARK(BM_walkDescendants)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
