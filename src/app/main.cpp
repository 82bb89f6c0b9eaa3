#include <QApplication>
#include <QLibraryInfo>
#include <QTimer>
#include <QTranslator>
#include <cstdio>

#include "app/program_options.h"
#include "app/first_paint.h"
#include "app/window_set.h"
#include "store/shipped_files.h"
#include "widgets/hint_switch.h"
#include "widgets/qt_prompt.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Brinox60");

    std::string error;
    std::vector<std::string> arguments;
    for (const QString& argument : QApplication::arguments().mid(1)) arguments.push_back(argument.toStdString());
    const auto options = brinox::parseProgramOptions(arguments, error);
    if (!options) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }

    brinox::placeMissingShippedFiles(
        brinox::installedShareFolder(QCoreApplication::applicationDirPath().toStdString()), options->dataDirectory);

    QTranslator qtDutch;
    if (qtDutch.load("qtbase_nl", QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(&qtDutch);
    }
    QApplication::setFont(QFont("Arial", 9));

    brinox::Session session;
    brinox::QtPrompt prompt;
    brinox::HintSwitch hints(session);
    app.installEventFilter(&hints);

    brinox::WindowSet windows(session, prompt, options->dataDirectory);
    brinox::FirstPaintWatch firstPaint;
    windows.mainWindow().installEventFilter(&firstPaint);
    windows.mainWindow().show();
    // The family is on the screen before the other windows are built.
    const bool painted = firstPaint.waitForIt();
    if (options->quitAfterFirstPaint) {
        // A start that never painted must not pass for a fast one in a measurement.
        if (!painted) std::fprintf(stderr, "het venster is niet binnen een seconde getekend\n");
        return painted ? 0 : 1;
    }
    windows.createOtherWindows();
    // Queued, so that the title comes up over the painted pedigree once the program runs.
    QTimer::singleShot(0, &windows.mainWindow(), [&windows] { windows.mainWindow().showTitle(); });
    return QApplication::exec();
}
