// Evaluating the relationship window (maaknieuwscherm) on a family as large
// as the tables allow, where the trees of both persons are full.

#include <benchmark/benchmark.h>

#include <algorithm>

#include "bench_family.h"
#include "kinship/relationship.h"

namespace {

using namespace brinox;

// The last person, whose five generations are all in the family.
constexpr RecordNo kPersonA{PersonTable::kSlots};

void evaluate(benchmark::State& state, RecordNo b) {
    const Session session = bench::fullFamily();
    Relationship shown;
    for (auto _ : state) {
        shown = maaknieuwscherm(session.persons, session.unions, kPersonA, b);
        benchmark::DoNotOptimize(shown.labels.data());
    }
    state.counters["outcome"] = static_cast<double>(shown.outcome);
}

// Two full trees with a common ancestor.
void BM_Maaknieuwscherm_CommonAncestor(benchmark::State& state) { evaluate(state, RecordNo(PersonTable::kSlots - 1)); }

// The most work: both trees searched in vain, then B's partner looked up
// through the whole union table. B is one of the first persons, who have no
// parents, taken outside A's tree.
void BM_Maaknieuwscherm_NothingFound(benchmark::State& state) {
    const Session session = bench::fullFamily();
    const AncestorTree tree = buildAncestorTree(session.persons, kPersonA);
    int b = 1;
    while (std::find(tree.begin(), tree.end(), RecordNo(b)) != tree.end()) ++b;
    evaluate(state, RecordNo(b));
}

BENCHMARK(BM_Maaknieuwscherm_CommonAncestor)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Maaknieuwscherm_NothingFound)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
