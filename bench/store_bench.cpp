// Loading and saving a family as large as the tables allow. A save is
// dominated by flushing to disk, so encoding is measured on its own too.

#include <benchmark/benchmark.h>

#include "bench_family.h"
#include "store/family_files.h"
#include "store/family_stamp.h"
#include "support/family_builder.h"
#include "support/temp_dir.h"
#include "store/family_load.h"
#include "store/save_command.h"

namespace {

using namespace brinox;

class FullFamilyOnDisk {
public:
    FullFamilyOnDisk() : family(bench::fullFamily()) {
        testing::writeFamily(family, folder.path(), bench::kFamilyCode, 1);
        family.dataDirectory = folder.path();
        family.familyCode = bench::kFamilyCode;
        // What a save expects to find on disk: the family as just written.
        family.onDisk = {stampOf(encodePersonFile(family.persons)), stampOf(encodeUnionFile(family.unions))};
    }

    testing::TempDir folder;
    Session family;
};

void BM_LoadFamily(benchmark::State& state) {
    FullFamilyOnDisk disk;
    bench::QuietPrompt prompt;
    Session session;
    session.dataDirectory = disk.folder.path();
    session.familyCode = bench::kFamilyCode;
    for (auto _ : state) {
        if (!LoadFamily(session, prompt)) state.SkipWithError("the family did not load");
        benchmark::DoNotOptimize(session.persons.count());
    }
    state.counters["persons"] = session.persons.count();
    state.counters["unions"] = session.unions.unionCount();
}
BENCHMARK(BM_LoadFamily)->Unit(benchmark::kMicrosecond);

void BM_SaveFamily(benchmark::State& state) {
    FullFamilyOnDisk disk;
    bench::QuietPrompt prompt;
    for (auto _ : state) {
        disk.family.changed = true;
        if (SaveFamily(disk.family, prompt) != SaveResult::Saved) state.SkipWithError("the family was not saved");
    }
}
BENCHMARK(BM_SaveFamily)->Unit(benchmark::kMicrosecond);

void BM_EncodeFamily(benchmark::State& state) {
    const Session family = bench::fullFamily();
    for (auto _ : state) {
        auto persons = encodePersonFile(family.persons);
        auto unions = encodeUnionFile(family.unions);
        benchmark::DoNotOptimize(persons.data());
        benchmark::DoNotOptimize(unions.data());
    }
}
BENCHMARK(BM_EncodeFamily)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
