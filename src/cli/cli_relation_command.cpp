#include <charconv>

#include "cli/cli_commands.h"
#include "kinship/relationship.h"
#include "kinship/relationship_drawing.h"

namespace brinox {
namespace {

// The command line opens no identification window.
class NoIdentification : public AncestorIdentifier {
public:
    void identify(RecordNo, DrawingSide) override {}
};

struct Press {
    DrawingSide side;
    int x, y;
};

// A whole integer, a minus sign allowed.
std::optional<int> integerOf(const std::string& text) {
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end) return std::nullopt;
    return value;
}

// "a,X,Y" or "b,X,Y".
std::optional<Press> pressOf(const std::string& text) {
    const auto first = text.find(',');
    const auto second = first == std::string::npos ? first : text.find(',', first + 1);
    if (second == std::string::npos) return std::nullopt;
    const std::string side = text.substr(0, first);
    const auto x = integerOf(text.substr(first + 1, second - first - 1));
    const auto y = integerOf(text.substr(second + 1));
    if ((side != "a" && side != "b") || !x || !y) return std::nullopt;
    return Press{side == "a" ? DrawingSide::A : DrawingSide::B, *x, *y};
}

std::vector<std::string> positionsMarked(const Relationship& shown) {
    const std::string a = std::to_string(shown.markedA);
    const std::string b = std::to_string(shown.markedB);
    switch (shown.outcome) {
        case RelationOutcome::BInTreeOfA: return {a};
        case RelationOutcome::AInTreeOfB: return {b};
        case RelationOutcome::CommonAncestor: return {a, b};
        case RelationOutcome::Nothing: break;
    }
    return {"0"};
}

}  // namespace

int cliRelation(CliContext& context, const std::vector<std::string>& words) {
    std::optional<Press> press;
    if (const auto given = context.option("press")) {
        press = pressOf(*given);
        if (!press) return context.usage("--press needs a,X,Y or b,X,Y");
    }
    const auto a = context.recordArgument(words.at(0));
    if (!a) return kExitUsage;
    const auto b = context.recordArgument(words.at(1));
    if (!b) return kExitUsage;

    Session& session = context.session;
    session.relationship.personA = *a;
    session.relationship.personB = *b;
    const Relationship shown = maaknieuwscherm(session.persons, session.unions, *a, *b);
    auto& out = context.out;
    printLine(out, "outcome", {std::to_string(static_cast<int>(shown.outcome))});
    printLine(out, "marked", positionsMarked(shown));
    printLine(out, "ancestor", {toText(shown.commonAncestor)});
    printLine(out, "caption", {shown.caption});
    for (std::size_t i = 0; i < shown.labels.size(); ++i) {
        printLine(out, "label" + std::to_string(i + 1), {shown.labels[i]});
    }
    printLine(out, "partner", {shown.partnerCaption});

    if (press) {
        const PressTarget target = pressTarget(shown, press->side, press->x, press->y);
        printLine(out, "press", {target.position ? std::to_string(*target.position) : std::string(),
                                 toText(target.person)});
        NoIdentification identifier;
        identifyPressed(session, context.prompt, identifier, target, press->side);
    }
    return kExitOk;
}

}  // namespace brinox
