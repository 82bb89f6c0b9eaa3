// The main of the benchmarks that open windows: on the offscreen platform,
// with an application object, and without the platform's chatter.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstdlib>

namespace {

QtMessageHandler qtDefaultHandler = nullptr;

// The offscreen platform warns at every window shown that it cannot pass on
// size hints; that says nothing about Brinox and would bury the results.
void quietAboutSizeHints(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.contains(QLatin1String("propagateSizeHints"))) return;
    if (qtDefaultHandler) qtDefaultHandler(type, context, message);
}

}  // namespace

int main(int argc, char* argv[]) {
    // The window benchmarks need no screen.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    qtDefaultHandler = qInstallMessageHandler(quietAboutSizeHints);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
