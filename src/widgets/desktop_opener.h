#pragma once

#include "store/document_opener.h"

namespace brinox {

// Opens a file with the desktop's application for its kind through
// xdg-open, without a shell. False when xdg-open is missing or reports that
// no application could open the file.
class DesktopOpener : public DocumentOpener {
public:
    bool open(const std::filesystem::path& file) override;
};

}  // namespace brinox
