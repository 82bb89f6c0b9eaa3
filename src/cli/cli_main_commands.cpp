#include "cli/cli_commands.h"

namespace brinox {

int cliAnniversaries(CliContext& context, const std::vector<std::string>&) {
    return context.usage("not available yet");
}

int cliDelete(CliContext& context, const std::vector<std::string>&) { return context.usage("not available yet"); }

}  // namespace brinox
