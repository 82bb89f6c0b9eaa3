// Drawing the pedigree of a man with 25 children by three wives in a full
// family: the model alone, and the main window's redraw on the offscreen
// platform, once without and once with the paint that follows it.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <memory>

#include "app/window_set.h"
#include "bench_family.h"
#include "support/family_builder.h"
#include "support/temp_dir.h"
#include "pedigree/pedigree_model.h"

namespace {

using namespace brinox;

void BM_buildPedigree(benchmark::State& state) {
    Session session = bench::fullFamily();
    session.familyCode = bench::kFamilyCode;
    session.selectedPerson = RecordNo(bench::kBigFather);
    std::size_t lines = 0;
    for (auto _ : state) {
        const PedigreeView view = buildPedigree(session);
        lines = view.children.size();
        benchmark::DoNotOptimize(view.children.data());
    }
    // 25 children under three headers.
    if (lines != bench::kChildren + 3) state.SkipWithError("the children were not all found");
    state.counters["lines"] = static_cast<double>(lines);
}
BENCHMARK(BM_buildPedigree)->Unit(benchmark::kMicrosecond);

// The main window opened on the full family at the father of 25 children.
class OpenWindow {
public:
    OpenWindow() {
        testing::writeFamily(bench::fullFamily(), folder.path(), bench::kFamilyCode, bench::kBigFather);
        windows = std::make_unique<WindowSet>(session, prompt, folder.path());
        form().show();
        QApplication::processEvents();
    }

    TForm1& form() { return windows->mainWindow(); }

    testing::TempDir folder;
    Session session;
    bench::QuietPrompt prompt;
    std::unique_ptr<WindowSet> windows;
};

void BM_vulkwartierstaat(benchmark::State& state) {
    OpenWindow open;
    if (open.session.selectedPerson != RecordNo(bench::kBigFather)) state.SkipWithError("wrong start person");
    for (auto _ : state) open.form().vulkwartierstaat();
}
BENCHMARK(BM_vulkwartierstaat)->Unit(benchmark::kMicrosecond);

void BM_vulkwartierstaatAndPaint(benchmark::State& state) {
    OpenWindow open;
    for (auto _ : state) {
        open.form().vulkwartierstaat();
        open.form().repaint();
    }
}
BENCHMARK(BM_vulkwartierstaatAndPaint)->Unit(benchmark::kMicrosecond);

}  // namespace
