#include "widgets/desktop_opener.h"

#include <QDesktopServices>
#include <QFile>
#include <QUrl>

namespace brinox {

bool DesktopOpener::open(const std::filesystem::path& file) {
    // The name as the file system spells it, whatever its characters.
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QFile::decodeName(file.c_str())));
}

}  // namespace brinox
