#pragma once

// What the counts window ("Aantallen") sums up about the open family: its
// persons and unions, and the attachment files in its folder.

#include <cstddef>
#include <string>
#include <vector>

#include "store/session.h"

namespace brinox {

struct CountRow {
    std::string label;  // as the window shows it, Windows-1252
    std::string value;
};

// The window draws a line of underscores after this many rows.
inline constexpr std::size_t kCountRowsAboveRule = 4;

// The ten rows of the counts window, in its order. When the family holds no
// records, every value but the family code and the person count is 0. Files
// are counted in the family folder, regular files only, names matched without
// regard to case; a folder that cannot be listed counts 0.
std::vector<CountRow> familyCounts(const Session& session);

}  // namespace brinox
