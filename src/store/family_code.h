#pragma once

#include <optional>
#include <string>

namespace brinox {

inline constexpr const char* kDefaultFamilyCode = "VDORKUM";
inline constexpr std::size_t kFamilyCodeMaxLength = 20;

// The code as the program keeps it: in upper case (Windows-1252 letters).
std::string normalFamilyCode(const std::string& typed);

// Why a family code cannot name a family folder, as a message to the user;
// empty when it can. A code is refused when it is empty, longer than the
// configuration can store, or holds a path separator, a dot, a character
// that no file name may hold, or a blank at either end.
std::optional<std::string> familyCodeRefusal(const std::string& code);

}  // namespace brinox
