#include "store/family_code.h"

#include <string_view>

#include "store/ansi_text.h"

namespace brinox {

std::string normalFamilyCode(const std::string& typed) { return ansiUpper(typed); }

std::optional<std::string> familyCodeRefusal(const std::string& code) {
    if (code.empty()) return "Geef eerst de naam van het familiebestand.";
    if (code.size() > kFamilyCodeMaxLength) {
        return "De naam " + code + " is te lang.\nEen familiebestand heet hoogstens " +
               std::to_string(kFamilyCodeMaxLength) + " tekens.";
    }
    constexpr std::string_view kForbidden = "/\\:*?\"<>|.";
    const bool blankAtEnd = code.front() == ' ' || code.back() == ' ';
    for (char c : code) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F || kForbidden.find(c) != std::string_view::npos || blankAtEnd) {
            return "De naam " + code +
                   " kan geen familiebestand zijn.\nGebruik letters, cijfers, spaties of een streepje, zonder punt "
                   "of schuine streep.";
        }
    }
    return std::nullopt;
}

}  // namespace brinox
