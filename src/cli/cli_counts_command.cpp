#include "cli/cli_commands.h"
#include "pedigree/family_counts.h"

namespace brinox {

int cliCounts(CliContext& context, const std::vector<std::string>&) {
    for (const auto& row : familyCounts(context.session)) printLine(context.out, "count", {row.label, row.value});
    return kExitOk;
}

}  // namespace brinox
