#pragma once

// Where the panels and markers of the pedigree go for a given window width.

#include <string>
#include <vector>

namespace brinox {

struct ControlGeometry {
    std::string name;
    int left = 0;
    int top = 0;  // relative to the control's parent area
    int width = 0;
    int height = 0;
};

inline constexpr int kChildrenAreaHeight = 182;

// The seven panels, Label1..Label7 and List, in that order. The panels and
// Label1..Label6 lie in the pedigree area (`pedigreeWidth` wide), Label7
// and List in the children area (`clientWidth` wide).
std::vector<ControlGeometry> pedigreeLayout(int pedigreeWidth, int clientWidth);

}  // namespace brinox
