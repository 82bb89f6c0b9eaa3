#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "cli/cli_commands.h"

namespace brinox::testing {

struct CliRun {
    int code = -1;
    std::string out;
    std::string err;
};

// Runs one command line of the command-line companion in-process.
inline CliRun runCommandLine(const std::vector<std::string>& arguments) {
    std::ostringstream out, err;
    const int code = runCli(arguments, out, err);
    return {code, out.str(), err.str()};
}

}  // namespace brinox::testing
