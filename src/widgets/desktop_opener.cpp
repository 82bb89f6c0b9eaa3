#include "widgets/desktop_opener.h"

#include <QFile>
#include <QProcess>

namespace brinox {

bool DesktopOpener::open(const std::filesystem::path& file) {
    // xdg-open is run directly, not through a shell, with the name as the
    // file system spells it. It outlives this call while the application it
    // started runs on, and removes itself when that ends.
    auto* opener = new QProcess;
    QObject::connect(opener, &QProcess::finished, opener, &QObject::deleteLater);
    opener->start("xdg-open", {QFile::decodeName(file.c_str())});
    if (!opener->waitForStarted(5000)) {
        opener->deleteLater();
        return false;
    }
    // Without an application for the file xdg-open fails at once. Asking the
    // desktop through Qt would only tell that xdg-open was started, and the
    // user would see nothing happen. Still running after a moment means that
    // an application took the file.
    if (!opener->waitForFinished(1000)) return true;
    return opener->exitStatus() == QProcess::NormalExit && opener->exitCode() == 0;
}

}  // namespace brinox
