// Opening the contemporaries window on a full family (the year lines built
// from 600 persons, the list filled and painted) against opening a plain
// list of the same lines, in turn, so that both meet the same machine state.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDialog>
#include <QListWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <chrono>
#include <vector>

#include "bench_family.h"
#include "store/clock.h"
#include "timeline/contemporaries.h"
#include "timeline/tijdas1dlg.h"
#include "widgets/qt_text.h"

namespace {

using namespace brinox;
using Clock = std::chrono::steady_clock;

double millisecondsOf(Clock::duration duration) {
    return std::chrono::duration<double, std::milli>(duration).count();
}

// The window opened and painted once, then closed.
template <typename Window>
double openAndPaint(Window& window) {
    const auto start = Clock::now();
    window.show();
    window.repaint();
    const auto painted = Clock::now();
    window.hide();
    return millisecondsOf(painted - start);
}

// The plain list: a maximised window holding a list of the given lines,
// filled at every opening like the timeline.
class PlainListWindow : public QDialog {
public:
    explicit PlainListWindow(std::vector<std::string> lines) : m_lines(std::move(lines)) {
        new QVBoxLayout(this);
        layout()->setContentsMargins(0, 0, 0, 0);
        // Lines of one height, as in the timeline, so that only the drawing differs.
        m_list->setUniformItemSizes(true);
        layout()->addWidget(m_list);
    }

protected:
    void showEvent(QShowEvent* event) override {
        QDialog::showEvent(event);
        setWindowState(windowState() | Qt::WindowMaximized);
        m_list->clear();
        QStringList items;
        for (const auto& line : m_lines) items << toQt(line);
        m_list->addItems(items);
    }

private:
    std::vector<std::string> m_lines;
    QListWidget* m_list = new QListWidget(this);
};

void BM_OpenContemporariesAgainstPlainList(benchmark::State& state) {
    Session session = bench::fullFamily();
    session.selectedPerson = RecordNo(bench::kBigFather);
    bench::QuietPrompt prompt;
    Ttijdas1dlg timeline(session, prompt);
    PlainListWindow plain(contemporaryLines(session.persons, currentMoment().year));
    std::vector<double> timelineTimes, plainTimes;
    for (auto _ : state) {
        const double timelineMs = openAndPaint(timeline);
        const double plainMs = openAndPaint(plain);
        timelineTimes.push_back(timelineMs);
        plainTimes.push_back(plainMs);
        state.SetIterationTime((timelineMs + plainMs) / 1000.0);
    }
    const auto median = [](std::vector<double> times) {
        std::nth_element(times.begin(), times.begin() + times.size() / 2, times.end());
        return times[times.size() / 2];
    };
    const double timelineMs = median(timelineTimes);
    const double plainMs = median(plainTimes);
    state.counters["timeline_ms"] = timelineMs;
    state.counters["plain_list_ms"] = plainMs;
    state.counters["ratio"] = timelineMs / plainMs;
}
BENCHMARK(BM_OpenContemporariesAgainstPlainList)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
