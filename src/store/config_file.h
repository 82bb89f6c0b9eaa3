#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>

#include "store/file_calls.h"
#include "store/prompt.h"

namespace brinox {

// The one record of "brinox.cfg": window colours, photo frame, start person
// and the family last opened.
struct Configuration {
    Colour pedigreeColour = 0;
    Colour childrenColour = 0;
    Colour photoBackground = 0;
    std::uint16_t frameBorderWidth = 0;
    std::uint16_t frameBevelWidth = 0;
    std::uint16_t startPerson = 0;
    std::string familyCode;  // Windows-1252, at most 20 characters when stored

    bool operator==(const Configuration&) const = default;
};

inline constexpr std::size_t kConfigurationSize = 40;
inline constexpr std::size_t kFamilyCodeCapacity = 20;

// A first configuration: the default colours and photo frame, opening
// `familyCode` at `startPerson`.
Configuration defaultConfiguration(const std::string& familyCode, std::uint16_t startPerson);

// Empty when fewer than 40 bytes are given; a code length beyond 20 is cut.
std::optional<Configuration> decodeConfiguration(std::span<const std::uint8_t> bytes);
// The family code is cut to 20 characters.
std::array<std::uint8_t, kConfigurationSize> encodeConfiguration(const Configuration& config);

struct ConfigurationFile {
    bool exists = false;
    std::optional<Configuration> config;  // empty when the file could not be read whole
};

ConfigurationFile readConfigurationFile(const std::filesystem::path& path);

// Crash-safe; answers 0 or errno.
[[nodiscard]] int writeConfigurationFile(const std::filesystem::path& path, const Configuration& config,
                                         FileCalls& calls = systemFileCalls());

}  // namespace brinox
