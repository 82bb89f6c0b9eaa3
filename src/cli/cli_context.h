#pragma once

#include <optional>
#include <ostream>
#include <string>

#include "cli/cli_options.h"
#include "cli/cli_output.h"
#include "store/clock.h"
#include "store/session.h"

namespace brinox {

// Exit codes of the command-line companion.
inline constexpr int kExitOk = 0;
inline constexpr int kExitUsage = 1;
inline constexpr int kExitFileError = 2;

// What every command works with: the loaded family, the prompt that answers
// for the user, today, and where output goes.
struct CliContext {
    Session session;
    CliPrompt prompt;
    Moment now;
    CliArguments arguments;
    std::ostream& out;
    std::ostream& err;

    CliContext(std::ostream& out, std::ostream& err, CliArguments arguments, std::optional<std::string> password)
        : prompt(out, std::move(password)), arguments(std::move(arguments)), out(out), err(err) {}

    std::optional<std::string> option(const std::string& name) const;
    std::optional<std::pair<std::string, std::string>> optionPair(const std::string& name) const;
    bool hasFlag(const std::string& name) const { return arguments.options.count(name) > 0; }

    // Prints a usage error to stderr; answers kExitUsage.
    int usage(const std::string& message);
    // Writing failed: the messages shown since message number `from` go to
    // stderr too; answers kExitFileError.
    int fileError(std::size_t from);
    // A record number argument in 1..count, or empty after a usage error.
    std::optional<RecordNo> recordArgument(const std::string& text);
};

}  // namespace brinox
