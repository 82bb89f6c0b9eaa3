#include "app/program_options.h"

namespace brinox {

std::optional<ProgramOptions> parseProgramOptions(const std::vector<std::string>& arguments, std::string& error) {
    ProgramOptions options;
    std::error_code ec;
    options.dataDirectory = std::filesystem::current_path(ec);
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--data" && i + 1 < arguments.size()) {
            options.dataDirectory = std::filesystem::absolute(arguments[++i], ec);
        } else if (argument.rfind("--data=", 0) == 0) {
            options.dataDirectory = std::filesystem::absolute(argument.substr(7), ec);
        } else if (argument == "--quit-after-first-paint") {
            options.quitAfterFirstPaint = true;
        } else {
            error = "onbekende optie: " + argument + "\ngebruik: brinox [--data MAP]";
            return std::nullopt;
        }
    }
    return options;
}

}  // namespace brinox
