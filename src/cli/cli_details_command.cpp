#include "cli/cli_commands.h"
#include "persons/details_report.h"

namespace brinox {

int cliDetails(CliContext& context, const std::vector<std::string>& words) {
    const auto person = context.recordArgument(words.at(0));
    if (!person) return kExitUsage;
    const auto& session = context.session;
    for (const auto& line : detailsReport(session.persons, session.unions, *person, context.now)) {
        printLine(context.out, "line", {line});
    }
    return kExitOk;
}

}  // namespace brinox
