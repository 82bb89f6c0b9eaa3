#include "store/config_file.h"

#include <variant>

#include "store/byte_fields.h"
#include "store/regular_file.h"
#include "store/safe_save.h"
#include "store/session.h"

namespace brinox {

Configuration defaultConfiguration(const std::string& familyCode, std::uint16_t startPerson) {
    return Configuration{kDefaultPedigreeColour,   kDefaultChildrenColour, kDefaultPhotoBackground,
                         kDefaultFrameBorderWidth, kDefaultFrameBevelWidth, startPerson,
                         familyCode};
}

std::optional<Configuration> decodeConfiguration(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < kConfigurationSize) return std::nullopt;
    Configuration c;
    c.pedigreeColour = readU32(bytes, 0);
    c.childrenColour = readU32(bytes, 4);
    c.photoBackground = readU32(bytes, 8);
    c.frameBorderWidth = readU16(bytes, 12);
    c.frameBevelWidth = readU16(bytes, 14);
    c.startPerson = readU16(bytes, 16);
    c.familyCode = readShortText(bytes, 18, kFamilyCodeCapacity);
    return c;
}

std::array<std::uint8_t, kConfigurationSize> encodeConfiguration(const Configuration& c) {
    std::array<std::uint8_t, kConfigurationSize> bytes{};
    writeU32(bytes, 0, c.pedigreeColour);
    writeU32(bytes, 4, c.childrenColour);
    writeU32(bytes, 8, c.photoBackground);
    writeU16(bytes, 12, c.frameBorderWidth);
    writeU16(bytes, 14, c.frameBevelWidth);
    writeU16(bytes, 16, c.startPerson);
    writeShortText(bytes, 18, kFamilyCodeCapacity, c.familyCode);
    return bytes;
}

ConfigurationFile readConfigurationFile(const std::filesystem::path& path) {
    ConfigurationFile file;
    const auto read = readRegularFile(path, kConfigurationSize);
    if (const auto* failure = std::get_if<ReadError>(&read)) {
        file.exists = failure->problem != ReadProblem::Missing;
        return file;
    }
    file.exists = true;
    file.config = decodeConfiguration(std::get<FileBytes>(read).bytes);
    return file;
}

int writeConfigurationFile(const std::filesystem::path& path, const Configuration& config, FileCalls& calls) {
    const auto bytes = encodeConfiguration(config);
    return writeFileAtomically(path, bytes, calls);
}

}  // namespace brinox
