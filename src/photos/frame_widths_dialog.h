#pragma once

namespace brinox {

// The frame window, for the slide viewer created before it: lets the user
// change the session's frame widths.
class FrameWidthsDialog {
public:
    virtual ~FrameWidthsDialog() = default;
    virtual void editFrameWidths() = 0;
};

}  // namespace brinox
