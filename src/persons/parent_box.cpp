#include "persons/parent_box.h"

#include "store/number_text.h"

namespace brinox {

std::string parentBoxText(const PersonTable& persons, RecordNo parent) {
    // Named, not a temporary: GCC 12 warns wrongly (-Wrestrict) on a literal plus a temporary string.
    const std::string number = toText(parent);
    return "[" + number + "]  " + persons.getFirstNames(parent) + "  " + persons.getFamilyName(parent);
}

std::optional<RecordNo> parentInBox(std::string_view text) {
    const auto open = text.find('[');
    const auto close = text.find(']');
    if (open == std::string_view::npos || close == std::string_view::npos || close < open) return std::nullopt;
    const auto number = parseNumberText(text.substr(open + 1, close - open - 1));
    if (!number) return std::nullopt;
    return RecordNo(*number);
}

std::optional<std::string> parentRefusal(const PersonTable& persons, ParentRole role, RecordNo person,
                                         RecordNo chosen) {
    if (chosen.isNone()) return std::nullopt;
    const char sex = persons.getSex(chosen);
    // A free slot may get a new person later, who would then inherit the child.
    if (chosen.value < 1 || chosen.value > persons.count() || (sex != 'm' && sex != 'v')) {
        return "De aangewezene staat niet in het bestand";
    }
    if (chosen == person) return "De aangewezene is deze persoon zelf";
    if (role == ParentRole::Father && sex == 'v') return "De aangewezene is een vrouw";
    if (role == ParentRole::Mother && sex == 'm') return "De aangewezene is een man";
    return std::nullopt;
}

}  // namespace brinox
