#pragma once

#include "store/document_opener.h"

namespace brinox {

// Opens a file with the desktop's application for its kind (xdg-open on
// Linux), without a shell.
class DesktopOpener : public DocumentOpener {
public:
    bool open(const std::filesystem::path& file) override;
};

}  // namespace brinox
