#include "cli/cli_context.h"

#include "store/ansi_text.h"

namespace brinox {

std::optional<std::string> CliContext::option(const std::string& name) const {
    const auto found = arguments.options.find(name);
    if (found == arguments.options.end()) return std::nullopt;
    return found->second;
}

std::optional<std::pair<std::string, std::string>> CliContext::optionPair(const std::string& name) const {
    const auto found = arguments.pairs.find(name);
    if (found == arguments.pairs.end()) return std::nullopt;
    return found->second;
}

int CliContext::usage(const std::string& message) {
    err << message << '\n';
    return kExitUsage;
}

int CliContext::fileError(std::size_t from) {
    const auto& shown = prompt.shownTexts();
    for (std::size_t i = from; i < shown.size(); ++i) err << ansiToUtf8(shown[i]) << '\n';
    return kExitFileError;
}

std::optional<RecordNo> CliContext::recordArgument(const std::string& text) {
    const auto number = parseNumberText(text);
    if (!number || *number < 1 || *number > session.persons.count()) {
        usage("record number outside 1.." + std::to_string(session.persons.count()) + ": " + text);
        return std::nullopt;
    }
    return RecordNo(*number);
}

}  // namespace brinox
