#include "cli/cli_commands.h"

namespace brinox {

int cliSelect(CliContext& context, const std::vector<std::string>&) { return context.usage("not available yet"); }

}  // namespace brinox
