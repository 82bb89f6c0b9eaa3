// Building each of the six lists of the selection window (maaklijst) for a
// family as large as the tables allow: 600 persons whose names and
// information lines are filled to the last character.

#include <benchmark/benchmark.h>

#include "bench_family.h"
#include "selection/selection_history.h"
#include "selection/selection_lists.h"

namespace {

using namespace brinox;

void buildList(benchmark::State& state, ListKind kind) {
    Session session = bench::fullFamily();
    // Every person is a match, found only in the second information line:
    // the most work the keyword list can meet.
    session.selection.searchWord = "dokkum";
    session.selection.restart(RecordNo(1));
    for (int r = 2; r <= 30; ++r) recordSelection(session.selection, RecordNo(r * 17));
    session.selection.listKind = static_cast<int>(kind);
    std::size_t lines = 0;
    for (auto _ : state) {
        const auto list = maaklijst(session.persons, session.selection);
        lines = list.size();
        benchmark::DoNotOptimize(list.data());
    }
    state.counters["lines"] = static_cast<double>(lines);
}

void BM_Maaklijst_Familienaam(benchmark::State& state) { buildList(state, ListKind::FamilyName); }
void BM_Maaklijst_Voornaam(benchmark::State& state) { buildList(state, ListKind::FirstName); }
void BM_Maaklijst_Recordnummer(benchmark::State& state) { buildList(state, ListKind::RecordNumber); }
void BM_Maaklijst_Geboortejaar(benchmark::State& state) { buildList(state, ListKind::BirthYear); }
void BM_Maaklijst_Zoekwoord(benchmark::State& state) { buildList(state, ListKind::Keyword); }
void BM_Maaklijst_Historie(benchmark::State& state) { buildList(state, ListKind::History); }

BENCHMARK(BM_Maaklijst_Familienaam)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Maaklijst_Voornaam)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Maaklijst_Recordnummer)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Maaklijst_Geboortejaar)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Maaklijst_Zoekwoord)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Maaklijst_Historie)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
