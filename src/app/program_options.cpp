#include "app/program_options.h"

#include <cstdlib>

namespace brinox {

std::filesystem::path userDataFolder() {
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    if (dataHome && *dataHome == '/') return std::filesystem::path(dataHome) / "brinox";
    const char* home = std::getenv("HOME");
    return std::filesystem::path(home ? home : "/") / ".local" / "share" / "brinox";
}

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
        } else if (argument == "--user-data") {
            options.dataDirectory = userDataFolder();
            std::filesystem::create_directories(options.dataDirectory, ec);
        } else if (argument == "--quit-after-first-paint") {
            options.quitAfterFirstPaint = true;
        } else {
            error = "onbekende optie: " + argument + "\ngebruik: brinox [--data MAP | --user-data]";
            return std::nullopt;
        }
    }
    return options;
}

}  // namespace brinox
