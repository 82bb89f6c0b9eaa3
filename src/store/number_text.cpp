#include "store/number_text.h"

namespace brinox {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view trimBlanks(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

}  // namespace

std::optional<std::uint16_t> parseNumberText(std::string_view text) {
    const std::string_view digits = trimBlanks(text);
    if (digits.empty()) return std::nullopt;
    std::uint32_t value = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + static_cast<std::uint32_t>(c - '0');
        if (value > UINT16_MAX) return std::nullopt;
    }
    return static_cast<std::uint16_t>(value);
}

std::optional<RecordNo> chosenRecord(std::string_view selectionResult) {
    const auto number = parseNumberText(selectionResult);
    if (!number) return std::nullopt;
    return RecordNo(*number);
}

}  // namespace brinox
