#pragma once

namespace brinox {

// Opens the large view on one photo of the SelectedPerson. Photo management
// is created before the large view, so it reaches it through this.
class LargeViewer {
public:
    virtual ~LargeViewer() = default;
    virtual void showLargePhoto(char letter) = 0;
};

}  // namespace brinox
