#include "store/shipped_files.h"

#include "store/case_insensitive_files.h"
#include "store/file_copy.h"

namespace brinox {

std::filesystem::path installedShareFolder(const std::filesystem::path& programFolder) {
    return programFolder.parent_path() / "share" / "brinox";
}

void placeMissingShippedFiles(const std::filesystem::path& shareFolder, const std::filesystem::path& dataDirectory) {
    std::error_code ec;
    if (!std::filesystem::is_directory(shareFolder, ec) || !std::filesystem::is_directory(dataDirectory, ec)) return;
    for (const char* name : kShippedFiles) {
        const auto source = findIgnoringCase(shareFolder, name);
        if (!source || findIgnoringCase(dataDirectory, name)) continue;
        // Another copy racing this one leaves EEXIST: the file is there either way.
        [[maybe_unused]] const int error = copyIntoPlace(*source, dataDirectory / name);
    }
}

}  // namespace brinox
