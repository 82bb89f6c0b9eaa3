#pragma once

#include <filesystem>

namespace brinox {

// Opens a file the program wrote (a report) in the application the desktop
// uses for files of its kind. No shell is involved, so no character of the
// name can be taken for a command, and the whole path is passed on.
class DocumentOpener {
public:
    virtual ~DocumentOpener() = default;

    // False when no application could be started for the file.
    virtual bool open(const std::filesystem::path& file) = 0;
};

}  // namespace brinox
