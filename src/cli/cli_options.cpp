#include "cli/cli_options.h"

#include <set>

namespace brinox {
namespace {

const std::set<std::string> kValueOptions = {"data",  "family", "selected",  "today",   "now",  "password",
                                             "width", "word",   "reference", "history", "click",
                                             "press", "find",   "again", "steps", "add", "order", "offset", "keys",
                                             "goto", "choose"};
const std::set<std::string> kFlagOptions = {"save", "close", "up", "match-case", "delete", "link", "play"};
const std::set<std::string> kPairOptions = {"text"};

}  // namespace

std::optional<CliArguments> splitArguments(const std::vector<std::string>& arguments, std::string& error) {
    CliArguments result;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument.rfind("--", 0) != 0) {
            result.words.push_back(argument);
            continue;
        }
        std::string name = argument.substr(2);
        std::optional<std::string> value;
        if (const auto equals = name.find('='); equals != std::string::npos) {
            value = name.substr(equals + 1);
            name = name.substr(0, equals);
        }
        if (kFlagOptions.count(name) && !value) {
            result.options[name] = "";
        } else if (kPairOptions.count(name)) {
            const std::size_t needed = value ? 1 : 2;
            if (i + needed >= arguments.size()) {
                error = "--" + name + " needs two values";
                return std::nullopt;
            }
            const std::string first = value ? *value : arguments[++i];
            result.pairs[name] = {first, arguments[++i]};
        } else if (kValueOptions.count(name)) {
            if (!value) {
                if (i + 1 >= arguments.size()) {
                    error = "--" + name + " needs a value";
                    return std::nullopt;
                }
                value = arguments[++i];
            }
            result.options[name] = *value;
        } else {
            error = "unknown option: " + argument;
            return std::nullopt;
        }
    }
    return result;
}

bool parseDate(const std::string& text, Moment& moment) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') return false;
    const auto year = parseNumberText(text.substr(0, 4));
    const auto month = parseNumberText(text.substr(5, 2));
    const auto day = parseNumberText(text.substr(8, 2));
    if (!year || !month || !day) return false;
    const int weekday = dayOfWeekOf(*year, *month, *day);
    if (weekday == 0) return false;
    moment.year = *year;
    moment.month = *month;
    moment.day = *day;
    moment.dayOfWeek = weekday;
    return true;
}

bool parseTime(const std::string& text, Moment& moment) {
    if (text.size() != 5 || text[2] != ':') return false;
    const auto hours = parseNumberText(text.substr(0, 2));
    const auto minutes = parseNumberText(text.substr(3, 2));
    if (!hours || !minutes || *hours > 23 || *minutes > 59) return false;
    moment.hours = *hours;
    moment.minutes = *minutes;
    return true;
}

}  // namespace brinox
