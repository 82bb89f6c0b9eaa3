#pragma once

namespace brinox {

// Shown in the About window and written into exported files.
inline constexpr const char* kProgramVersion = "6.0";

}  // namespace brinox
